// SPDX-License-Identifier: GPL-3.0-or-later
#include "VaDar_ConstructionGraphicsSceneHorizontal.h"

#include <QGraphicsLineItem>

#include <algorithm>
#include <cmath>
#include <limits>

#include "VaDar_GraphicsRectItemWithHatch.h"
#include "VaDar_GraphicsTextItemInRect.h"

namespace VaDar {

bool ConstructionGraphicsSceneHorizontal::calculatePositions() {
    const QRectF &F = m_frame;
    double top = 0;
    double bottom = 0;
    double leftMargin = 0;
    double rightMargin = 0;
    double side = 0;
    if (m_onScreen) {
        top = F.top() + 5;
        bottom = top + F.height() - 15;
        // Room for the side labels beside the bands.
        leftMargin = 40;
        rightMargin = 50;
        side = 10;
    } else {
        top = std::trunc(F.top() + 5 * m_res);
        bottom = std::trunc(F.bottom() - 5 * m_res);
        leftMargin = rightMargin = std::trunc(5 * m_res);
        side = 10 * m_res;
    }
    m_inner = QRectF(F.left(), top, F.width(), bottom - top);
    if (!(m_inner.height() > 0))
        return false;
    m_band = m_showSides ? std::max(side, std::trunc(0.03 * m_inner.width())) : 0;
    const double left = m_inner.left() + leftMargin + m_band;
    const double right = m_inner.right() - rightMargin - m_band;
    const double available = right - left;
    if (!(available > 0))
        return false;
    m_areaEnd = right;
    m_pixelsPerMetre = available / m_totalWidth;
    m_xpos.assign(1, left);
    for (const ConstructionLayer &layer : qAsConst(m_layers))
        m_xpos.push_back(m_xpos.back() + std::trunc(available / m_totalWidth * layer.width));
    return true;
}

void ConstructionGraphicsSceneHorizontal::drawDimensions() {
    const int n = m_layers.size();
    const double t = m_onScreen ? 3.0 : std::max(3.0, std::trunc(0.8 * m_res));
    const double k = std::floor(0.7 * t);
    const double x0 = m_xpos.front();
    const double xn = m_xpos.back();

    // Widths that do not fit over their layer are written below the layer line.
    std::vector<QString> texts;
    std::vector<QSizeF> sizes;
    std::vector<bool> fits;
    bool allFit = true;
    double H = m_textHeight;
    for (int i = 0; i < n; ++i) {
        texts.push_back(widthText(m_layers[i].width));
        sizes.push_back(textSize(texts.back(), m_dimensionFont));
        // A single layer's width is the total and always stands over the line.
        fits.push_back(n == 1 || sizes.back().width() <= m_xpos[i + 1] - m_xpos[i] - 2 * t);
        allFit = allFit && fits.back();
        H = std::max(H, sizes.back().height());
    }

    // Rows from the bottom: title, total line, total width, widths moved below, layer line,
    // widths over their layers.
    const double titleTop = m_inner.bottom() - H;
    const double totalLine = titleTop - t;
    double layerLine = totalLine;
    if (n > 1)
        layerLine = totalLine - 1 - H - t - (allFit ? 0 : H + t);
    const double chainTop = layerLine - 1 - H - t;
    // The layers come first: without room for them the chain is left out.
    if (chainTop - m_inner.top() < 2 * H)
        return;
    m_inner.setBottom(chainTop);

    addLine(x0 - t, layerLine, xn + t, layerLine, m_dimensionPen);
    if (n > 1)
        addLine(x0 - t, totalLine, xn + t, totalLine, m_dimensionPen);
    for (int i = 0; i <= n; ++i) {
        const double x = m_xpos[size_t(i)];
        const bool outer = i == 0 || i == n;
        addLine(x, layerLine - 1 - H, x, outer && n > 1 ? totalLine + t : layerLine + t, m_dimensionPen);
        addLine(x - k, layerLine + k, x + k, layerLine - k, m_dimensionPen);
        if (outer && n > 1)
            addLine(x - k, totalLine + k, x + k, totalLine - k, m_dimensionPen);
    }

    // Widths below the line stay between the outer extension lines: pushed right so they never
    // overlap, then back left where they would cross the last line. What still collides after
    // that (many thin layers) is left out rather than printed over its neighbour.
    const double gap = m_textWidth;
    std::vector<double> left(size_t(n), 0.0);
    double previousRight = x0 + 2 - gap;
    for (int i = 0; i < n; ++i) {
        const double centre = 0.5 * (m_xpos[i] + m_xpos[i + 1]);
        left[i] = centre - 0.5 * sizes[i].width();
        if (!fits[i]) {
            left[i] = std::max(left[i], previousRight + gap);
            previousRight = left[i] + sizes[i].width();
        }
    }
    double limit = xn - 2;
    for (int i = n - 1; i >= 0; --i) {
        if (fits[i])
            continue;
        left[i] = std::min(left[i], limit - sizes[i].width());
        limit = left[i] - gap;
    }
    double shownRight = x0 + 2 - gap;
    for (int i = 0; i < n; ++i) {
        if (fits[i]) {
            addTextAt(texts[i], m_dimensionFont, QPointF(left[i], layerLine - 1 - sizes[i].height()));
        } else if (left[i] >= shownRight + gap - 0.5) {
            const double centre = 0.5 * (m_xpos[i] + m_xpos[i + 1]);
            addTextAt(texts[i], m_dimensionFont, QPointF(left[i], layerLine + t));
            addLine(centre, layerLine, left[i] + 0.5 * sizes[i].width(), layerLine + t, m_dimensionPen);
            shownRight = left[i] + sizes[i].width();
        }
    }

    const double middle = 0.5 * (x0 + xn);
    if (n > 1) {
        const QString total = widthText(m_totalWidth);
        const QSizeF size = textSize(total, m_dimensionFont);
        addTextAt(total, m_dimensionFont,
                  QPointF(middle - 0.5 * size.width(), totalLine - 1 - size.height()));
    }
    const QString title = dimensionTitle();
    const QSizeF size = textSize(title, m_dimensionFont);
    addTextAt(title, m_dimensionFont, QPointF(middle - 0.5 * size.width(), titleTop));
}

void ConstructionGraphicsSceneHorizontal::drawLayers() {
    const QRectF &D = m_inner;
    const double x0 = m_xpos.front();
    const double xn = m_xpos.back();
    if (m_showSides) {
        // The right band also covers the pixels the truncated layer widths left over.
        addRect(QRectF(x0 - m_band, D.top(), m_band, D.height()), Qt::NoPen, LeftSideColor);
        addRect(QRectF(xn, D.top(), m_areaEnd + m_band - xn, D.height()), Qt::NoPen, RightSideColor);
        const QRectF left(D.left(), D.top(), x0 - m_band - D.left(), D.height());
        const QRectF right(m_areaEnd + m_band, D.top(), D.right() - m_areaEnd - m_band, D.height());
        const auto room = [this](const QRectF &rect) {
            return QRectF(rect.left(), m_area.top(), rect.width(), m_area.height());
        };
        addSideLabels(left.adjusted(1, 0, -1, 0), right.adjusted(1, 0, -1, 0),
                      room(left.adjusted(1, 0, -1, 0)), room(right.adjusted(1, 0, -1, 0)),
                      GraphicsTextItemInRect::HorizontalFirst);
    }
    for (int i = 0; i < m_layers.size(); ++i) {
        const QRectF rect(m_xpos[i], D.top(), m_xpos[i + 1] - m_xpos[i], D.height());
        GraphicsRectItemWithHatch *item = addLayerRect(rect, i);
        if (!m_showNames)
            continue;
        GraphicsTextItemInRect *name = addText(m_layers[i].name, m_layerFont, item);
        name->setDefaultTextColor(textColorFor(item->brush().color()));
        name->setBackgroundColor(item->brush().color());
        name->placeInRect(rect.adjusted(1, 4, -1, -4), GraphicsTextItemInRect::UpwardsFirst);
        m_nameItems.push_back(name);
    }
}

void ConstructionGraphicsSceneHorizontal::drawMarkerLines() {
    const QRectF &D = m_inner;
    int labelled = 0;
    for (const MarkerLine &line : qAsConst(m_markerLines)) {
        if (!(line.position >= 0 && line.position <= m_totalWidth))
            continue;
        const double x = positionOf(line.position);
        QPen pen = line.pen;
        pen.setWidthF(pen.widthF() * m_res);
        QGraphicsLineItem *item = addLine(x, D.top(), x, D.bottom(), pen);
        item->setZValue(2);
        if (line.label.isEmpty())
            continue;
        const QSizeF size = textSize(line.label, m_layerFont);
        const double left = std::max(D.left(), std::min(x - 0.5 * size.width(), m_areaEnd - size.width()));
        // Every second label one row lower, so labels of close lines do not collide.
        double top = D.top() + 0.75 * D.height() - size.height();
        if (labelled % 2 == 1)
            top += size.height() + 2;
        GraphicsTextItemInRect *label = addTextAt(line.label, m_layerFont, QPointF(left, top));
        label->setDefaultTextColor(line.pen.color());
        label->setBackgroundColor(QColor(255, 255, 255, 220));
        label->setZValue(3);
        ++labelled;
    }
}

void ConstructionGraphicsSceneHorizontal::drawMarkedRegion() {
    if (!(m_regionStart > 0 && m_regionEnd > m_regionStart))
        return;
    const QRectF &D = m_inner;
    const double x1 = positionOf(std::min(m_regionStart, m_totalWidth));
    const double x2 = positionOf(std::min(m_regionEnd, m_totalWidth));
    if (!(x2 > x1))
        return;
    QPen pen(Qt::gray, scaled(1));
    auto *region = new GraphicsRectItemWithHatch(QRectF(x1, D.top(), x2 - x1, D.height()),
                                                 GraphicsRectItemWithHatch::DiagonalCrossHatch,
                                                 std::max(0.1 * (x2 - x1), 3 * pen.widthF()));
    region->setPen(pen);
    region->setBrush(Qt::NoBrush);
    region->setHatchPen(pen);
    region->setZValue(2);
    addItem(region);
}

} // namespace VaDar
