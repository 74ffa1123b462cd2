// SPDX-License-Identifier: GPL-3.0-or-later
#include "VaDar_GraphicsRectItemWithHatch.h"

#include <QPainter>
#include <QStyleOptionGraphicsItem>

#include "VaDar_Assert.h"
#include "VaDar_RectHatchingFunctions.h"

namespace VaDar {

GraphicsRectItemWithHatch::GraphicsRectItemWithHatch(int hatchKind, double hatchDistance,
                                                     QGraphicsItem *parent)
    : QGraphicsRectItem(parent), m_hatchKind(hatchKind), m_hatchDistance(hatchDistance) {}

GraphicsRectItemWithHatch::GraphicsRectItemWithHatch(const QRectF &rect, int hatchKind, double hatchDistance,
                                                     QGraphicsItem *parent)
    : QGraphicsRectItem(rect, parent), m_hatchKind(hatchKind), m_hatchDistance(hatchDistance) {}

void GraphicsRectItemWithHatch::setHatchPen(const QPen &pen) {
    m_hatchPen = pen;
    update(boundingRect());
}

void GraphicsRectItemWithHatch::drawHatch(QPainter *painter, int kind, const QRectF &rect, double distance) {
    VADAR_ASSERT(painter, "[GraphicsRectItemWithHatch::drawHatch]");
    switch (kind) {
    case HorizontalHatch:
        drawHatchHorizontal(painter, rect, distance);
        break;
    case VerticalHatch:
        drawHatchVertical(painter, rect, distance);
        break;
    case FallingDiagonalHatch:
        drawHatchFallingDiagonal(painter, rect, distance);
        break;
    case RisingDiagonalHatch:
        drawHatchRisingDiagonal(painter, rect, distance);
        break;
    case DiagonalCrossHatch:
        drawHatchFallingDiagonal(painter, rect, distance);
        drawHatchRisingDiagonal(painter, rect, distance);
        break;
    case GridHatch:
        drawHatchHorizontal(painter, rect, distance);
        drawHatchVertical(painter, rect, distance);
        break;
    case InsulationHatch:
        drawHatchInsulation(painter, rect, distance);
        break;
    default:
        break;
    }
}

void GraphicsRectItemWithHatch::paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
                                      QWidget *widget) {
    VADAR_ASSERT(painter, "[GraphicsRectItemWithHatch::paint]");
    // The default selection frame would hide the hatch; selection gets a frame of its own.
    QStyleOptionGraphicsItem plainOption(*option);
    plainOption.state &= ~QStyle::State_Selected;
    QGraphicsRectItem::paint(painter, &plainOption, widget);

    if (m_hatchKind != NoHatch) {
        painter->setBrush(Qt::NoBrush);
        painter->save();
        painter->setPen(m_hatchPen);
        painter->setBrush(QBrush(Qt::black, Qt::SolidPattern));
        drawHatch(painter, m_hatchKind, rect(), m_hatchDistance);
        painter->restore();
    }

    if (option->state & QStyle::State_Selected) {
        painter->save();
        QPen frame = pen();
        // A cosmetic pen (width 0) draws one pixel wide: its heavy frame is three.
        frame.setWidthF(qMax(frame.widthF(), 1.0) * 3);
        frame.setColor(Qt::black);
        painter->setPen(frame);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(rect());
        painter->restore();
    }
}

} // namespace VaDar
