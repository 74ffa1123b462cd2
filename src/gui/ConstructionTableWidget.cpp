// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConstructionTableWidget.h"

#include <QHeaderView>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QResizeEvent>
#include <QSvgGenerator>

#include <cmath>

#include "DiagramKind.h"
#include "DiagramView.h"
#include "HatchedItemDelegate.h"

ConstructionTableWidget::ConstructionTableWidget(QWidget *parent)
    : QTableWidget(parent), m_delegate(new HatchedItemDelegate(this)) {
    setItemDelegate(m_delegate);
    setRowCount(1);
    setColumnCount(3);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setShowGrid(true);
    setWordWrap(false);
}

void ConstructionTableWidget::setConstruction(const QVector<MaterialLayer> &layers) {
    m_delegate->setConstruction(layers);
    updateSectionSizes();
}

void ConstructionTableWidget::clearConstruction() {
    m_delegate->clearConstruction();
    updateSectionSizes();
}

QVector<int> ConstructionTableWidget::columnWidths(const QVector<double> &layerWidths, int totalWidth) {
    const int n = layerWidths.size();
    const int available = qMax(0, totalWidth - 2 * SideColumnWidth);
    QVector<int> result;
    result.append(SideColumnWidth);
    if (n == 0) {
        result.append(qMax(MinimumLayerColumnWidth, available));
        result.append(SideColumnWidth);
        return result;
    }
    // Layers whose share would be narrower than the minimum get the minimum; the others share
    // what is left in proportion to their thickness. A layer without a usable width still gets
    // a column, so it can be selected and corrected.
    QVector<double> thickness(n);
    for (int i = 0; i < n; ++i)
        thickness[i] = (std::isfinite(layerWidths[i]) && layerWidths[i] > 0) ? layerWidths[i] : 0;
    QVector<bool> atMinimum(n, false);
    double free = available;
    double total = 0;
    for (bool changed = true; changed;) {
        changed = false;
        int fixedCount = 0;
        total = 0;
        for (int i = 0; i < n; ++i) {
            if (atMinimum[i])
                ++fixedCount;
            else
                total += thickness[i];
        }
        free = available - fixedCount * MinimumLayerColumnWidth;
        for (int i = 0; i < n; ++i) {
            if (!atMinimum[i] && (total <= 0 || free * thickness[i] / total < MinimumLayerColumnWidth)) {
                atMinimum[i] = true;
                changed = true;
            }
        }
    }
    // Rounded boundaries, so the proportional columns fill the rest without a gap.
    double sum = 0;
    int boundary = 0;
    for (int i = 0; i < n; ++i) {
        if (atMinimum[i]) {
            result.append(MinimumLayerColumnWidth);
            continue;
        }
        sum += thickness[i];
        const int next = qRound(free * sum / total);
        result.append(next - boundary);
        boundary = next;
    }
    result.append(SideColumnWidth);
    return result;
}

void ConstructionTableWidget::updateSectionSizes() {
    QVector<double> thicknesses;
    if (const QVector<MaterialLayer> *layers = m_delegate->construction())
        for (const MaterialLayer &layer : *layers)
            thicknesses.append(layer.width());
    const QVector<int> widths = columnWidths(thicknesses, viewport()->width());
    const int columns = columnCount();
    for (int c = 0; c < columns; ++c) {
        int w = MinimumLayerColumnWidth;
        if (c == 0 || c == columns - 1)
            w = SideColumnWidth;
        else if (c < widths.size() - 1)
            w = widths.at(c);
        horizontalHeader()->resizeSection(c, w);
    }
    if (rowCount() > 0)
        verticalHeader()->resizeSection(0, qMax(1, viewport()->height()));
}

void ConstructionTableWidget::resizeEvent(QResizeEvent *event) {
    QTableWidget::resizeEvent(event);
    updateSectionSizes();
}

QPixmap ConstructionTableWidget::sketchPixmap() {
    QItemSelectionModel *selection = selectionModel();
    const QItemSelection selected = selection->selection();
    selection->clearSelection();
    const QPixmap pixmap = viewport()->grab();
    selection->select(selected, QItemSelectionModel::Select);
    return pixmap;
}

void ConstructionTableWidget::renderSketch(QPainter *painter) {
    QItemSelectionModel *selection = selectionModel();
    const QItemSelection selected = selection->selection();
    selection->clearSelection();
    viewport()->render(painter, QPoint(), QRegion(), QWidget::DrawChildren);
    selection->select(selected, QItemSelectionModel::Select);
}

void ConstructionTableWidget::exportSvg(QIODevice *device) {
    const QSize size = viewport()->size();
    if (device == nullptr || size.isEmpty())
        return;
    QSvgGenerator generator;
    generator.setOutputDevice(device);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(logicalDpiX());
    generator.setTitle(DiagramView::exportTitle(DiagramKind::ConstructionSketch));
    QPainter painter(&generator);
    renderSketch(&painter);
}

void ConstructionTableWidget::printSketch(QPrinter *printer) {
    const QSize size = viewport()->size();
    if (printer == nullptr || size.isEmpty())
        return;
    printer->setPageSize(QPageSize(QPageSize::A4));
    const double pageWidth = printer->pageLayout().paintRectPixels(printer->resolution()).width();
    QPainter painter(printer);
    if (!painter.isActive())
        return;
    painter.scale(pageWidth / size.width(), pageWidth / size.width());
    renderSketch(&painter);
}
