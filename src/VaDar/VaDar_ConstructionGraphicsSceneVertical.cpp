// SPDX-License-Identifier: GPL-3.0-or-later
#include "VaDar_ConstructionGraphicsSceneVertical.h"

#include <QGraphicsLineItem>

#include <algorithm>
#include <cmath>
#include <limits>

#include "VaDar_GraphicsRectItemWithHatch.h"
#include "VaDar_GraphicsTextItemInRect.h"

namespace VaDar {

bool ConstructionGraphicsSceneVertical::calculatePositions() {
    const QRectF &F = m_frame;
    double left = 0;
    double right = 0;
    double topMargin = 0;
    double bottomMargin = 0;
    double side = 0;
    if (m_onScreen) {
        left = F.left() + 5;
        right = left + F.width() - 15;
        // Room for the side labels above and below the bands.
        topMargin = 40;
        bottomMargin = 50;
        side = 10;
    } else {
        left = std::trunc(F.left() + 5 * m_res);
        right = std::trunc(F.right() - 5 * m_res);
        topMargin = bottomMargin = std::trunc(5 * m_res);
        side = 10 * m_res;
    }
    m_inner = QRectF(left, F.top(), right - left, F.height());
    if (!(m_inner.width() > 0))
        return false;
    m_band = m_showSides ? side : 0;
    const double top = m_inner.top() + topMargin + m_band;
    const double bottom = m_inner.bottom() - bottomMargin - m_band;
    const double available = bottom - top;
    if (!(available > 0))
        return false;
    m_areaEnd = bottom;
    m_pixelsPerMetre = available / m_totalWidth;
    m_xpos.assign(1, top);
    for (const ConstructionLayer &layer : qAsConst(m_layers))
        m_xpos.push_back(m_xpos.back() + std::trunc(available / m_totalWidth * layer.width));
    return true;
}

void ConstructionGraphicsSceneVertical::drawDimensions() {
    const int n = m_layers.size();
    const double t = m_onScreen ? 3.0 : std::max(3.0, std::trunc(0.8 * m_res));
    const double k = std::floor(0.7 * t);
    const double y0 = m_xpos.front();
    const double yn = m_xpos.back();

    // Widths that do not fit beside their layer go to a column right of the layer line.
    std::vector<QString> texts;
    std::vector<QSizeF> sizes;
    std::vector<bool> fits;
    double H = m_textHeight;
    double fittingWidth = 0;
    double movedWidth = 0;
    for (int i = 0; i < n; ++i) {
        texts.push_back(widthText(m_layers[i].width));
        sizes.push_back(textSize(texts.back(), m_dimensionFont));
        fits.push_back(n == 1 || sizes.back().height() <= m_xpos[i + 1] - m_xpos[i] - 2 * t);
        if (fits.back())
            fittingWidth = std::max(fittingWidth, sizes.back().width());
        else
            movedWidth = std::max(movedWidth, sizes.back().width());
        H = std::max(H, sizes.back().height());
    }

    // Columns from the right: title (turned), total line, total width (turned), moved widths,
    // layer line, widths beside their layers.
    const double titleLeft = m_inner.right() - H;
    const double totalLine = titleLeft - t;
    double layerLine = totalLine;
    double totalLeft = 0;
    if (n > 1) {
        totalLeft = totalLine - 1 - H;
        layerLine = totalLeft - t;
        if (movedWidth > 0)
            layerLine -= movedWidth + 2 * t;
    }
    const double fittingRight = layerLine - 1;
    const double chainLeft = fittingRight - fittingWidth - t;
    if (chainLeft - m_inner.left() < 4 * m_textWidth)
        return;
    m_inner.setRight(chainLeft);

    addLine(layerLine, y0 - t, layerLine, yn + t, m_dimensionPen);
    if (n > 1)
        addLine(totalLine, y0 - t, totalLine, yn + t, m_dimensionPen);
    for (int i = 0; i <= n; ++i) {
        const double y = m_xpos[size_t(i)];
        const bool outer = i == 0 || i == n;
        addLine(fittingRight - fittingWidth, y, outer && n > 1 ? totalLine + t : layerLine + t, y,
                m_dimensionPen);
        addLine(layerLine - k, y + k, layerLine + k, y - k, m_dimensionPen);
        if (outer && n > 1)
            addLine(totalLine - k, y + k, totalLine + k, y - k, m_dimensionPen);
    }

    // Moved widths stay between the outer extension lines: pushed down so they never overlap,
    // then back up where they would cross the last line; what still collides is left out.
    std::vector<double> top(size_t(n), 0.0);
    double previousBottom = y0;
    for (int i = 0; i < n; ++i) {
        const double centre = 0.5 * (m_xpos[i] + m_xpos[i + 1]);
        top[i] = centre - 0.5 * sizes[i].height();
        if (!fits[i]) {
            top[i] = std::max(top[i], previousBottom + 1);
            previousBottom = top[i] + sizes[i].height();
        }
    }
    double limit = yn;
    for (int i = n - 1; i >= 0; --i) {
        if (fits[i])
            continue;
        top[i] = std::min(top[i], limit - 1 - sizes[i].height());
        limit = top[i];
    }
    double shownBottom = y0;
    for (int i = 0; i < n; ++i) {
        if (fits[i]) {
            addTextAt(texts[i], m_dimensionFont, QPointF(fittingRight - sizes[i].width(), top[i]));
        } else if (top[i] >= shownBottom + 0.5) {
            const double centre = 0.5 * (m_xpos[i] + m_xpos[i + 1]);
            const double left = layerLine + t;
            addTextAt(texts[i], m_dimensionFont, QPointF(left, top[i]));
            // The leader ends in a line under the text: straight into it, it would read as a
            // minus sign.
            const double base = top[i] + sizes[i].height();
            addLine(layerLine, centre, left, base, m_dimensionPen);
            addLine(left, base, left + sizes[i].width(), base, m_dimensionPen);
            shownBottom = top[i] + sizes[i].height();
        }
    }

    const QRectF along(0, y0, H + 1, yn - y0);
    if (n > 1) {
        GraphicsTextItemInRect *total = addText(widthText(m_totalWidth), m_dimensionFont);
        total->placeInRect(along.translated(totalLeft, 0), GraphicsTextItemInRect::Upwards);
    }
    GraphicsTextItemInRect *title = addText(dimensionTitle(), m_dimensionFont);
    title->placeInRect(along.translated(titleLeft, 0), GraphicsTextItemInRect::Upwards);
}

void ConstructionGraphicsSceneVertical::drawLayers() {
    const QRectF &D = m_inner;
    const double y0 = m_xpos.front();
    const double yn = m_xpos.back();
    if (m_showSides) {
        addRect(QRectF(D.left(), y0 - m_band, D.width(), m_band), Qt::NoPen, LeftSideColor);
        addRect(QRectF(D.left(), yn, D.width(), m_areaEnd + m_band - yn), Qt::NoPen, RightSideColor);
        const QRectF top(D.left(), D.top(), D.width(), y0 - m_band - D.top());
        const QRectF bottom(D.left(), m_areaEnd + m_band, D.width(), D.bottom() - m_areaEnd - m_band);
        const auto room = [this](const QRectF &rect) {
            return QRectF(m_area.left(), rect.top(), m_area.width(), rect.height());
        };
        addSideLabels(top.adjusted(0, 1, 0, -1), bottom.adjusted(0, 1, 0, -1),
                      room(top.adjusted(0, 1, 0, -1)), room(bottom.adjusted(0, 1, 0, -1)),
                      GraphicsTextItemInRect::HorizontalFirst);
    }
    for (int i = 0; i < m_layers.size(); ++i) {
        const QRectF rect(D.left(), m_xpos[i], D.width(), m_xpos[i + 1] - m_xpos[i]);
        GraphicsRectItemWithHatch *item = addLayerRect(rect, i);
        if (!m_showNames)
            continue;
        GraphicsTextItemInRect *name = addText(m_layers[i].name, m_layerFont, item);
        name->setDefaultTextColor(textColorFor(item->brush().color()));
        name->setBackgroundColor(item->brush().color());
        name->placeInRect(rect.adjusted(4, 1, -4, -1), GraphicsTextItemInRect::HorizontalFirst);
        m_nameItems.push_back(name);
    }
}

void ConstructionGraphicsSceneVertical::drawMarkerLines() {
    const QRectF &D = m_inner;
    int labelled = 0;
    for (const MarkerLine &line : qAsConst(m_markerLines)) {
        if (!(line.position >= 0 && line.position <= m_totalWidth))
            continue;
        const double y = positionOf(line.position);
        QPen pen = line.pen;
        pen.setWidthF(pen.widthF() * m_res);
        QGraphicsLineItem *item = addLine(D.left(), y, D.right(), y, pen);
        item->setZValue(2);
        if (line.label.isEmpty())
            continue;
        const QSizeF size = textSize(line.label, m_layerFont);
        const double top = std::max(D.top(), std::min(y - 0.5 * size.height(), m_areaEnd - size.height()));
        // Every second label beside the one before, so labels of close lines do not collide.
        double left = D.left() + 0.75 * D.width() - size.width();
        if (labelled % 2 == 1)
            left += size.width() + 2;
        GraphicsTextItemInRect *label = addTextAt(line.label, m_layerFont, QPointF(left, top));
        label->setDefaultTextColor(line.pen.color());
        label->setBackgroundColor(QColor(255, 255, 255, 220));
        label->setZValue(3);
        ++labelled;
    }
}

void ConstructionGraphicsSceneVertical::drawMarkedRegion() {
    if (!(m_regionStart > 0 && m_regionEnd > m_regionStart))
        return;
    const QRectF &D = m_inner;
    const double y1 = positionOf(std::min(m_regionStart, m_totalWidth));
    const double y2 = positionOf(std::min(m_regionEnd, m_totalWidth));
    if (!(y2 > y1))
        return;
    QPen pen(Qt::gray, scaled(1));
    auto *region = new GraphicsRectItemWithHatch(QRectF(D.left(), y1, D.width(), y2 - y1),
                                                 GraphicsRectItemWithHatch::DiagonalCrossHatch,
                                                 std::max(0.1 * (y2 - y1), 3 * pen.widthF()));
    region->setPen(pen);
    region->setBrush(Qt::NoBrush);
    region->setHatchPen(pen);
    region->setZValue(2);
    addItem(region);
}

} // namespace VaDar
