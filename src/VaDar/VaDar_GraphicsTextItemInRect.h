// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VADAR_GRAPHICSTEXTITEMINRECT_H
#define VADAR_GRAPHICSTEXTITEMINRECT_H

#include <QColor>
#include <QGraphicsTextItem>
#include <QRectF>

class QPaintDevice;

namespace VaDar {

/*! A plain text written into a given rectangle: centred, on one line when it fits, else
    wrapped between words, else shortened with an ellipsis. A text that cannot get even one
    readable line into the rectangle is hidden, never cut.

    The text is laid out for the paint device it is drawn on, so the measured size is the
    painted size on screen and in print alike. */
class GraphicsTextItemInRect : public QGraphicsTextItem {
public:
    /*! How the text runs in its rectangle. */
    enum Direction {
        Horizontal,      ///< left to right
        Upwards,         ///< turned by -90 degrees, reading from bottom to top
        HorizontalFirst, ///< horizontal, or upwards when that needs fewer lines or no shortening
        UpwardsFirst     ///< upwards, or horizontal when that needs fewer lines or no shortening
    };

    /*! \a device may be null (the screen is assumed then). */
    GraphicsTextItemInRect(const QString &text, const QFont &font, QPaintDevice *device,
                           QGraphicsItem *parent = nullptr);

    const QString &text() const { return m_text; }
    /*! Replaces the text; it is laid out by the next placeInRect(). */
    void setText(const QString &text) { m_text = text; }

    /*! Colour of a patch drawn behind the text, so hatch lines or other lines under it do not
        cross the letters. Transparent (no patch) by default. */
    void setBackgroundColor(const QColor &color) { m_backgroundColor = color; }
    const QColor &backgroundColor() const { return m_backgroundColor; }

    /*! Lays the text out to fit \a rect (in parent coordinates) and places it there with
        \a alignment. Returns whether it is shown; a text that does not fit is hidden. */
    bool placeInRect(const QRectF &rect, Direction direction, Qt::Alignment alignment = Qt::AlignCenter);

    /*! The rectangle the laid-out text covers, in parent coordinates (empty when hidden). */
    QRectF placedRect() const { return isVisible() ? mapRectToParent(boundingRect()) : QRectF(); }

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    /*! Lays the whole text out within \a length along the reading direction and \a thickness
        across it, on one line or, with \a wrap, on several. */
    bool fitWhole(double length, double thickness, bool wrap);
    /*! Lays out one line shortened with an ellipsis. False when not even that fits. */
    bool fitShortened(double length, double thickness);

    QString m_text;
    QPaintDevice *m_device;
    QColor m_backgroundColor = Qt::transparent;
};

} // namespace VaDar

#endif // VADAR_GRAPHICSTEXTITEMINRECT_H
