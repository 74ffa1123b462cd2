// SPDX-License-Identifier: GPL-3.0-or-later
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
    // Lines break between words only; a word broken in two is harder to read than a shortened
    // text.
    option.setWrapMode(QTextOption::WordWrap);
    doc->setDefaultTextOption(option);
    setFont(font);
    setPlainText(m_text);
    // Clicks go to the layer underneath.
    setAcceptedMouseButtons(Qt::NoButton);
}

bool GraphicsTextItemInRect::fitWhole(double length, double thickness, bool wrap) {
    if (m_text.isEmpty() || !(length > 0) || !(thickness > 0))
        return false;
    QTextDocument *doc = document();
    setPlainText(m_text);
    setTextWidth(wrap ? length : -1);
    if (doc->idealWidth() <= length && doc->size().height() <= thickness) {
        setTextWidth(std::ceil(doc->idealWidth()));
        return true;
    }
    return false;
}

bool GraphicsTextItemInRect::fitShortened(double length, double thickness) {
    if (m_text.isEmpty() || !(length > 0) || !(thickness > 0))
        return false;
    QTextDocument *doc = document();
    setTextWidth(-1);
    const QFontMetricsF metrics(font(), m_device);
    for (double room = length; room > 0; room -= 2) {
        const QString elided = metrics.elidedText(m_text, Qt::ElideRight, room);
        // A lone ellipsis tells nothing.
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
    // Tried in this order, the first that fits wins: one line, several lines, a shortened line;
    // with a preferred direction the other direction is tried at each step too.
    const bool either = direction == HorizontalFirst || direction == UpwardsFirst;
    bool upwards = direction == Upwards || direction == UpwardsFirst;
    bool fits = false;
    for (int step = 0; step < 3 && !fits; ++step) {
        for (const bool up : {upwards, !upwards}) {
            if (up != upwards && !either)
                continue;
            const double length = up ? rect.height() : rect.width();
            const double thickness = up ? rect.width() : rect.height();
            fits = step < 2 ? fitWhole(length, thickness, step == 1) : fitShortened(length, thickness);
            if (fits) {
                upwards = up;
                break;
            }
        }
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
