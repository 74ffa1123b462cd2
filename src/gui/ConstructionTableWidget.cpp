#include "ConstructionTableWidget.h"

#include <QHeaderView>
#include <QResizeEvent>

#include <cmath>

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

void ConstructionTableWidget::setLayerWidths(const QVector<double> &widths) {
    m_layerWidths = widths;
    updateSectionSizes();
}

QVector<int> ConstructionTableWidget::columnWidths(const QVector<double> &layerWidths, int totalWidth) {
    QVector<int> result;
    result.append(SideColumnWidth);
    double total = 0;
    for (double w : layerWidths)
        total += (std::isfinite(w) && w > 0) ? w : 0;
    const int available = qMax(0, totalWidth - 2 * SideColumnWidth);
    // Rounded boundaries, so the columns fill the table without a gap or an overhang.
    double sum = 0;
    int boundary = 0;
    for (double w : layerWidths) {
        // A layer without a usable width still gets a column to be selected and corrected.
        sum += (std::isfinite(w) && w > 0) ? w : 0;
        const int next = total > 0 ? qRound(available * sum / total) : boundary;
        result.append(qMax(MinimumLayerColumnWidth, next - boundary));
        boundary = next;
    }
    if (layerWidths.isEmpty())
        result.append(qMax(MinimumLayerColumnWidth, available));
    result.append(SideColumnWidth);
    return result;
}

void ConstructionTableWidget::updateSectionSizes() {
    const QVector<int> widths = columnWidths(m_layerWidths, viewport()->width());
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
