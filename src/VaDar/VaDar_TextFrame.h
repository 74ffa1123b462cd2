// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VADAR_TEXTFRAME_H
#define VADAR_TEXTFRAME_H

#include <QColor>
#include <QObject>
#include <QPointF>
#include <QRectF>
#include <QString>

class QFont;
class QPaintDevice;
class QPainter;
class QTextDocument;

namespace VaDar {

/*! A block of HTML text that is measured and drawn on any paint device (screen, printer,
    PDF, SVG, image); the document's fonts follow the device resolution. */
class TextFrame : public QObject {
    Q_OBJECT
public:
    /*! Uses \a textDocument when given (it stays owned by the caller, e.g. a report that
        shares one document among all its frames), else creates its own. */
    explicit TextFrame(QTextDocument *textDocument = nullptr, QObject *parent = nullptr);

    const QString &text() const { return m_text; }
    void setText(const QString &text) { m_text = text; }

    void setDefaultFont(const QFont &font);

    QColor backgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(const QColor &color) { m_backgroundColor = color; }
    QColor textColor() const { return m_textColor; }
    /*! Colour of all text that the HTML does not colour itself. */
    void setTextColor(const QColor &color) { m_textColor = color; }

    QTextDocument *textDocument() const { return m_textDocument; }

    /*! (0, 0, ideal width, height) of the text laid out on \a device with text width
        \a width (the device width when \a width <= 0). Empty for an empty text or no device. */
    QRectF frameRect(QPaintDevice *device, double width) const;

    /*! Lays the text out on the painter's device like frameRect() and draws it with its
        top-left corner at \a position. */
    void drawFrame(QPainter *painter, const QPointF &position, double width);

private:
    QTextDocument *m_textDocument;
    QString m_text;
    QColor m_backgroundColor = Qt::transparent;
    QColor m_textColor = Qt::black;
};

} // namespace VaDar

#endif // VADAR_TEXTFRAME_H
