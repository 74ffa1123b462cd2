// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the program's SVG artwork (splash screen, window icon) to the bitmap formats
// the program loads at run time. Runs at build time: render_artwork IN.svg OUT.(png|ico) W H
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: render_artwork IN.svg OUT.png|OUT.ico WIDTH HEIGHT\n");
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen"); // a build machine has no display
    // Build machines often have no runtime directory; Qt's note about it is noise here.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (!text.startsWith(QLatin1String("QStandardPaths:")))
            std::fprintf(stderr, "%s%s\n", type == QtWarningMsg ? "warning: " : "", qPrintable(text));
    });
    QGuiApplication app(argc, argv);

    const QString in = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);
    const int width = std::atoi(argv[3]);
    const int height = std::atoi(argv[4]);
    if (width <= 0 || height <= 0 || width > 8192 || height > 8192) {
        std::fprintf(stderr, "render_artwork: invalid size\n");
        return 1;
    }

    QSvgRenderer renderer(in);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render_artwork: cannot read %s\n", argv[1]);
        return 1;
    }
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        renderer.render(&painter);
    }
    QImageWriter writer(out, out.endsWith(QLatin1String(".ico")) ? "ico" : "png");
    if (!writer.write(image)) {
        std::fprintf(stderr, "render_artwork: cannot write %s: %s\n", argv[2],
                     qPrintable(writer.errorString()));
        return 1;
    }
    return 0;
}
