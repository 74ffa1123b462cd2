#include "VaDar_GraphicsTextItemInRect.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextDocument>
#include <QTextOption>

#include <cmath>

namespace VaDar {

GraphicsTextItemInRect::GraphicsTextItemInRect(const QString &text, const QFont &font, QPaintDevice *device,
                                               QGraphicsItem *parent)
    : QGraphicsTextItem(parent), m_text(text), m_device(device) {
    QTextDocument *doc = document();
    doc->setDocumentMargin(0);
    if (m_device != nullptr)
        doc->documentLayout()->setPaintDevice(m_device);
    QTextOption option = doc->defaultTextOption();
    option.setAlignment(Qt::AlignHCenter);
    doc->setDefaultTextOption(option);
    setFont(font);
    setPlainText(m_text);
    // Clicks go to the layer underneath.
    setAcceptedMouseButtons(Qt::NoButton);
}

bool GraphicsTextItemInRect::fit(double length, double thickness) {
    if (m_text.isEmpty() || !(length > 0) || !(thickness > 0))
        return false;
    QTextDocument *doc = document();
    setPlainText(m_text);
    setTextWidth(-1);
    if (doc->idealWidth() <= length && doc->size().height() <= thickness) {
        setTextWidth(std::ceil(doc->idealWidth()));
        return true;
    }
    // Several lines, broken between words, when the rectangle is thick enough for them.
    setTextWidth(length);
    if (doc->idealWidth() <= length && doc->size().height() <= thickness) {
        setTextWidth(std::ceil(doc->idealWidth()));
        return true;
    }
    // One shortened line. A lone ellipsis tells nothing, so it counts as no fit.
    setTextWidth(-1);
    const QFontMetricsF metrics(font(), m_device);
    for (double room = length; room > 0; room -= 2) {
        const QString elided = metrics.elidedText(m_text, Qt::ElideRight, room);
        if (elided.size() < 2)
            return false;
        setPlainText(elided);
        if (doc->size().height() > thickness)
            return false;
        if (doc->idealWidth() <= length) {
            setTextWidth(std::ceil(doc->idealWidth()));
            return true;
        }
    }
    return false;
}

bool GraphicsTextItemInRect::placeInRect(const QRectF &rect, Direction direction, Qt::Alignment alignment) {
    bool upwards = direction == Upwards;
    bool fits = false;
    if (direction == Automatic) {
        // One horizontal line reads best; a turned text is the fallback for tall narrow room.
        setPlainText(m_text);
        setTextWidth(-1);
        const QSizeF natural(document()->idealWidth(), document()->size().height());
        if (!m_text.isEmpty() && natural.width() <= rect.width() && natural.height() <= rect.height()) {
            fits = fit(rect.width(), rect.height());
        } else {
            upwards = true;
            fits = fit(rect.height(), rect.width());
            if (!fits) {
                upwards = false;
                fits = fit(rect.width(), rect.height());
            }
        }
    } else {
        fits = upwards ? fit(rect.height(), rect.width()) : fit(rect.width(), rect.height());
    }
    setVisible(fits);
    if (!fits)
        return false;

    const QRectF box = boundingRect();
    // The room the text takes in parent coordinates: turned upwards, width and height swap.
    const double w = upwards ? box.height() : box.width();
    const double h = upwards ? box.width() : box.height();
    double x = rect.center().x() - w / 2;
    if (alignment & Qt::AlignLeft)
        x = rect.left();
    else if (alignment & Qt::AlignRight)
        x = rect.right() - w;
    double y = rect.center().y() - h / 2;
    if (alignment & Qt::AlignTop)
        y = rect.top();
    else if (alignment & Qt::AlignBottom)
        y = rect.bottom() - h;
    if (upwards) {
        // Turned by -90 degrees about its origin, the text box lies above the origin.
        setRotation(-90);
        setPos(x, y + h);
    } else {
        setRotation(0);
        setPos(x, y);
    }
    return true;
}

void GraphicsTextItemInRect::paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
                                   QWidget *widget) {
    if (m_backgroundColor.alpha() > 0) {
        painter->save();
        painter->fillRect(boundingRect(), m_backgroundColor);
        painter->restore();
    }
    QGraphicsTextItem::paint(painter, option, widget);
}

} // namespace VaDar
