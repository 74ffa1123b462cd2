#ifndef VADARTESTHELPERS_H
#define VADARTESTHELPERS_H

#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QtMath>

#include <string>
#include <vector>

#include "ZMT_MessageHandler.h"

namespace VaDarTest {

/*! White image with the given resolution, so a table sees it as a paint device of that dpi. */
inline QImage image(int width, int height, int dpi) {
    QImage img(width, height, QImage::Format_ARGB32);
    img.fill(Qt::white);
    const int dotsPerMeter = qRound(dpi / 0.0254);
    img.setDotsPerMeterX(dotsPerMeter);
    img.setDotsPerMeterY(dotsPerMeter);
    return img;
}

inline double screenDpi() {
    return QGuiApplication::primaryScreen()->logicalDotsPerInch();
}

inline bool isDark(QRgb c) {
    return qGray(c) < 160;
}

/*! Number of dark pixels inside \a rect of \a img. */
inline int darkPixels(const QImage &img, const QRect &rect) {
    int n = 0;
    const QRect r = rect.intersected(img.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            if (isDark(img.pixel(x, y)))
                ++n;
        }
    }
    return n;
}

/*! Keeps the messages and stays quiet on the console. */
class RecordingHandler : public ZMT::MessageHandler {
public:
    void message(const std::string &text, int type, const std::string &location, int verbosity) override {
        m_messages.push_back({text, type, location, verbosity});
    }
    struct Message {
        std::string text;
        int type;
        std::string location;
        int verbosity;
    };
    std::vector<Message> m_messages;
};

} // namespace VaDarTest

#endif // VADARTESTHELPERS_H
