// SPDX-License-Identifier: GPL-3.0-or-later
#include "VaDar_Table.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>
#include <QScreen>
#include <QTextDocument>
#include <QtMath>

#include <algorithm>
#include <functional>
#include <numeric>

#include "VaDar_Assert.h"

namespace VaDar {

namespace {

// Sizes are given in screen pixels; the reference is the screen the user looks at.
double screenLogicalDpi() {
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr) {
        const QScreen *screen = QGuiApplication::primaryScreen();
        if (screen != nullptr && screen->logicalDotsPerInch() > 0)
            return screen->logicalDotsPerInch();
    }
    return 96;
}

bool stretches(Table::SizeMode mode) {
    return mode == Table::AutoSize || mode == Table::StretchSize;
}

// A hair of extra text width when drawing, so that a text laid out again at its own
// measured width never breaks into one more line through rounding.
const double DrawWidthSlack = 0.01;

} // namespace

Table::Table(QTextDocument *textDocument) : m_textDocument(textDocument) {
    if (m_textDocument == nullptr) {
        m_ownDocument = std::make_unique<QTextDocument>();
        m_textDocument = m_ownDocument.get();
    }
}

Table::~Table() = default;

void Table::setTableSize(unsigned int cols, unsigned int rows) {
    m_cols = cols;
    m_rows = rows;
    m_cells.assign(cols, std::vector<VaDar_TableCell>(rows, VaDar_TableCell(m_innerFrameWidth)));
    m_columns.assign(cols, LineInfo());
    m_rowInfos.assign(rows, LineInfo());
    m_mergedRegions.clear();
    m_regionOfCell.assign(static_cast<std::size_t>(cols) * rows, -1);
    m_adjusted = false;
}

void Table::setOuterFrameWidth(double width) {
    VADAR_ASSERT(width >= 0, "[Table::setOuterFrameWidth]");
    if (width != m_outerFrameWidth) {
        m_outerFrameWidth = width;
        m_adjusted = false;
    }
}

void Table::setInnerFrameWidth(double width) {
    VADAR_ASSERT(width >= 0, "[Table::setInnerFrameWidth]");
    m_innerFrameWidth = width;
    for (auto &column : m_cells) {
        for (VaDar_TableCell &c : column)
            c.setBorderWidth(VaDar_TableCell::AllBorders, width);
    }
    m_adjusted = false;
}

void Table::setMargin(double margin) {
    if (margin != m_margin) {
        m_margin = margin;
        m_adjusted = false;
    }
}

void Table::setSpacing(double spacing) {
    if (spacing != m_spacing) {
        m_spacing = spacing;
        m_adjusted = false;
    }
}

void Table::setBackgroundColor(const QColor &color) {
    m_backgroundColor = color;
}

void Table::setTableWidth(int width) {
    if (width != m_tableWidth) {
        m_tableWidth = width;
        m_adjusted = false;
    }
}

void Table::setTableHeight(int height) {
    if (height != m_tableHeight) {
        m_tableHeight = height;
        m_adjusted = false;
    }
}

void Table::setMeasureAllBreakpoints(bool all) {
    if (all != m_allBreakpoints) {
        m_allBreakpoints = all;
        m_adjusted = false;
    }
}

void Table::setDefaultFont(const QFont &font) {
    m_textDocument->setDefaultFont(font);
    m_adjusted = false;
}

void Table::setColumnWidthMode(unsigned int col, SizeMode mode, double fixedWidth) {
    VADAR_ASSERT(col < m_cols, "[Table::setColumnWidthMode]");
    m_columns[col].mode = mode;
    m_columns[col].fixedSize = fixedWidth;
    m_adjusted = false;
}

void Table::setRowHeightMode(unsigned int row, SizeMode mode, double fixedHeight) {
    VADAR_ASSERT(row < m_rows, "[Table::setRowHeightMode]");
    m_rowInfos[row].mode = mode;
    m_rowInfos[row].fixedSize = fixedHeight;
    m_adjusted = false;
}

void Table::setRowMargins(unsigned int row, double top, double bottom) {
    VADAR_ASSERT(row < m_rows, "[Table::setRowMargins]");
    for (unsigned int col = 0; col < m_cols; ++col)
        m_cells[col][row].setMargins(-1, -1, top, bottom);
    m_adjusted = false;
}

VaDar_TableCell &Table::cellRef(unsigned int col, unsigned int row) {
    VADAR_ASSERT(col < m_cols, "[Table::cell]");
    VADAR_ASSERT(row < m_rows, "[Table::cell]");
    return m_cells[col][row];
}

const VaDar_TableCell &Table::cell(unsigned int col, unsigned int row) const {
    VADAR_ASSERT(col < m_cols, "[Table::cell]");
    VADAR_ASSERT(row < m_rows, "[Table::cell]");
    return m_cells[col][row];
}

void Table::setCellText(unsigned int col, unsigned int row, const QString &text) {
    VaDar_TableCell &c = cellRef(col, row);
    if (c.text() != text) {
        c.setText(text);
        m_adjusted = false;
    }
}

void Table::setCellAlignment(unsigned int col, unsigned int row, Qt::Alignment alignment) {
    cellRef(col, row).setAlignment(alignment);
}

void Table::setCellBorderWidth(unsigned int col, unsigned int row, int sides, double width) {
    VADAR_ASSERT(width >= 0, "[Table::setCellBorderWidth]");
    cellRef(col, row).setBorderWidth(sides, width);
    m_adjusted = false;
}

void Table::setCellMargins(unsigned int col, unsigned int row, double left, double right, double top,
                           double bottom) {
    cellRef(col, row).setMargins(left, right, top, bottom);
    m_adjusted = false;
}

void Table::setCellBackground(unsigned int col, unsigned int row, const QColor &color) {
    cellRef(col, row).setBackground(color);
}

void Table::setCellVertical(unsigned int col, unsigned int row, bool vertical) {
    VaDar_TableCell &c = cellRef(col, row);
    if (c.isVertical() != vertical) {
        c.setVertical(vertical);
        m_adjusted = false;
    }
}

void Table::setCellOffsetFactor(unsigned int col, unsigned int row, double factor) {
    cellRef(col, row).setOffsetFactor(factor);
}

bool Table::mergeCells(unsigned int col, unsigned int row, unsigned int numCols, unsigned int numRows) {
    VADAR_ASSERT(numCols > 1 || numRows > 1, "[Table::mergeCells]");
    VADAR_ASSERT(numCols > 0 && numRows > 0, "[Table::mergeCells]");
    VADAR_ASSERT(col < m_cols && numCols <= m_cols - col, "[Table::mergeCells]");
    VADAR_ASSERT(row < m_rows && numRows <= m_rows - row, "[Table::mergeCells]");
    for (unsigned int c = col; c < col + numCols; ++c) {
        for (unsigned int r = row; r < row + numRows; ++r) {
            if (m_cells[c][r].isMerged())
                return false;
        }
    }
    MergedRegion region;
    region.firstCol = col;
    region.lastCol = col + numCols - 1;
    region.firstRow = row;
    region.lastRow = row + numRows - 1;
    const int index = static_cast<int>(m_mergedRegions.size());
    m_mergedRegions.push_back(region);
    for (unsigned int c = col; c < col + numCols; ++c) {
        for (unsigned int r = row; r < row + numRows; ++r) {
            m_cells[c][r].setMerged(true);
            m_regionOfCell[static_cast<std::size_t>(c) * m_rows + r] = index;
        }
    }
    m_adjusted = false;
    return true;
}

int Table::regionIndex(unsigned int col, unsigned int row) const {
    return m_regionOfCell[static_cast<std::size_t>(col) * m_rows + row];
}

double Table::columnWidth(unsigned int col) const {
    VADAR_ASSERT(col < m_cols, "[Table::columnWidth]");
    return m_columns[col].size;
}

double Table::rowHeight(unsigned int row) const {
    VADAR_ASSERT(row < m_rows, "[Table::rowHeight]");
    return m_rowInfos[row].size;
}

QRectF Table::cellRect(unsigned int col, unsigned int row) const {
    const VaDar_TableCell &c = cell(col, row);
    const int region = regionIndex(col, row);
    return region >= 0 ? m_mergedRegions[static_cast<std::size_t>(region)].cellRect : c.cellRect();
}

QRectF Table::innerRect(unsigned int col, unsigned int row) const {
    const VaDar_TableCell &c = cell(col, row);
    const int region = regionIndex(col, row);
    return region >= 0 ? m_mergedRegions[static_cast<std::size_t>(region)].innerRect : c.innerRect();
}

QRectF Table::textRect(unsigned int col, unsigned int row) const {
    const VaDar_TableCell &c = cell(col, row);
    const int region = regionIndex(col, row);
    return region >= 0 ? m_mergedRegions[static_cast<std::size_t>(region)].textRect : c.textRect();
}

double Table::verticalLayoutWidth(const VaDar_TableCell &c, unsigned int row, double spacing) const {
    // Vertical text runs along the row: its line length is bounded only by a fixed row height.
    if (m_rowInfos[row].mode != FixedSize)
        return -1;
    return std::max(1.0,
                    m_rowInfos[row].fixedSize - (2 * spacing + c.topMargin() + c.bottomMargin()) * m_scale);
}

void Table::adjust(QPaintDevice *device) {
    VADAR_ASSERT(device != nullptr, "[Table::adjust]");
    const int dpi = device->logicalDpiX();
    if (m_adjusted && device == m_adjustedDevice && dpi == m_adjustedDpi &&
        (m_tableWidth >= 1 || m_size.width() == device->width()))
        return;

    m_textDocument->documentLayout()->setPaintDevice(device);
    m_scale = dpi / screenLogicalDpi();
    m_horizontalLines.clear();
    m_verticalLines.clear();
    m_adjustedDevice = device;
    m_adjustedDpi = dpi;
    if (m_cols == 0 || m_rows == 0) {
        m_size = QSize();
        m_adjusted = true;
        return;
    }

    const int width = m_tableWidth < 1 ? device->width() : m_tableWidth;
    const double tablewidth = width - 2 * m_margin * m_scale;
    VADAR_ASSERT(tablewidth > 0, "[Table::adjust]");

    for (unsigned int col = 0; col < m_cols; ++col) {
        for (unsigned int row = 0; row < m_rows; ++row) {
            VaDar_TableCell &c = m_cells[col][row];
            const int region = regionIndex(col, row);
            const bool topLeftOfRegion = region >= 0 &&
                                         m_mergedRegions[static_cast<std::size_t>(region)].firstCol == col &&
                                         m_mergedRegions[static_cast<std::size_t>(region)].firstRow == row;
            if (region < 0 || topLeftOfRegion || !c.text().isEmpty())
                c.textInfo().measure(m_textDocument, c.text(), m_allBreakpoints);
        }
    }

    computeColumnWidths(tablewidth, m_spacing);
    computeRowHeights(m_spacing);
    computeRegionRects(m_spacing);
    collectBorders();

    double height = 2 * m_margin * m_scale;
    for (const LineInfo &r : m_rowInfos)
        height += r.size;
    m_size = QSize(width, qCeil(height - 1e-9));
    m_adjusted = true;
}

void Table::computeColumnWidths(double tablewidth, double spacing) {
    std::vector<double> desired(m_cols, 0.0);
    for (unsigned int col = 0; col < m_cols; ++col) {
        double e = 0;
        double t = 0;
        for (unsigned int row = 0; row < m_rows; ++row) {
            const VaDar_TableCell &c = m_cells[col][row];
            // A region within one column widens it like a single cell: a number spanning two rows
            // must not be cut. Regions across columns never widen any of them.
            const int region = regionIndex(col, row);
            if (c.isMerged() && (m_mergedRegions[static_cast<std::size_t>(region)].firstCol != col ||
                                 m_mergedRegions[static_cast<std::size_t>(region)].lastCol != col ||
                                 m_mergedRegions[static_cast<std::size_t>(region)].firstRow != row))
                continue;
            // The borders take their share of the cell too, so the widest text fits its inner rectangle.
            e = std::max(e, c.leftMargin() + c.rightMargin() + c.leftBorder() + c.rightBorder());
            // A vertical text is as wide as its lines are high.
            const double textWidth =
                c.isVertical()
                    ? c.textInfo().layoutSize(m_textDocument, verticalLayoutWidth(c, row, spacing)).height()
                    : c.textInfo().unconstrained().width;
            t = std::max(t, textWidth);
        }
        desired[col] =
            m_columns[col].mode == FixedSize ? m_columns[col].fixedSize : (2 * spacing + e) * m_scale + t;
    }

    const double sum = std::accumulate(desired.begin(), desired.end(), 0.0);
    if (sum <= tablewidth) {
        // Spare width goes to the columns that may stretch, so the table fills its width.
        const auto stretching = static_cast<unsigned int>(std::count_if(
            m_columns.begin(), m_columns.end(), [](const LineInfo &l) { return stretches(l.mode); }));
        const double share = stretching > 0 ? (tablewidth - sum) / stretching : 0;
        for (unsigned int col = 0; col < m_cols; ++col)
            m_columns[col].size = desired[col] + (stretches(m_columns[col].mode) ? share : 0);
        return;
    }

    // Too wide: cap the k widest columns at one common width so that the table fits and
    // every narrower column keeps its desired width. k is the smallest count for which
    // cutting the k widest down to the next width removes at least the overflow.
    const double overflow = sum - tablewidth;
    std::vector<double> sorted = desired;
    std::sort(sorted.begin(), sorted.end(), std::greater<double>());
    double cap = tablewidth / m_cols;
    if (m_cols >= 2) {
        for (std::size_t k = 1; k < sorted.size(); ++k) {
            double reduction = 0;
            for (std::size_t i = 0; i < k; ++i)
                reduction += sorted[i] - sorted[k];
            if (reduction >= overflow) {
                const double rest =
                    std::accumulate(sorted.begin() + static_cast<std::ptrdiff_t>(k), sorted.end(), 0.0);
                cap = (tablewidth - rest) / static_cast<double>(k);
                break;
            }
        }
    }
    for (unsigned int col = 0; col < m_cols; ++col)
        m_columns[col].size = std::min(desired[col], cap);
}

void Table::computeRowHeights(double spacing) {
    // Rows from the unmerged cells, each text measured at the width its column leaves.
    for (unsigned int row = 0; row < m_rows; ++row) {
        double tb = 0;
        double h = 0;
        for (unsigned int col = 0; col < m_cols; ++col) {
            VaDar_TableCell &c = m_cells[col][row];
            if (c.isMerged())
                continue;
            tb = std::max(tb, c.topMargin() + c.bottomMargin() + c.topBorder() + c.bottomBorder());
            QSizeF size;
            if (c.isVertical()) {
                size = c.textInfo().layoutSize(m_textDocument, verticalLayoutWidth(c, row, spacing));
                size.transpose();
            } else {
                const double w =
                    std::max(1.0, m_columns[col].size - (2 * spacing + c.leftMargin() + c.rightMargin() +
                                                         c.leftBorder() + c.rightBorder()) *
                                                            m_scale);
                size = c.textInfo().layoutSize(m_textDocument, w);
            }
            c.setTextRect(QRectF(QPointF(), size));
            h = std::max(h, size.height());
        }
        LineInfo &info = m_rowInfos[row];
        info.size = info.mode == FixedSize ? info.fixedSize : (2 * spacing + tb) * m_scale + h;
    }

    // A merged text does not widen columns, but it must not spill out of its rows either:
    // a region whose rows are too low for its text grows its flexible rows evenly.
    for (const MergedRegion &g : m_mergedRegions) {
        const VaDar_TableCell &topLeft = m_cells[g.firstCol][g.firstRow];
        if (topLeft.text().isEmpty())
            continue;
        const VaDar_TableCell &topRight = m_cells[g.lastCol][g.firstRow];
        const VaDar_TableCell &bottomLeft = m_cells[g.firstCol][g.lastRow];
        double textHeight = 0;
        if (topLeft.isVertical()) {
            textHeight = topLeft.textInfo().unconstrained().width;
        } else {
            double w = 0;
            for (unsigned int col = g.firstCol; col <= g.lastCol; ++col)
                w += m_columns[col].size;
            w -= (2 * spacing + topLeft.leftMargin() + topRight.rightMargin()) * m_scale;
            textHeight = topLeft.textInfo().layoutSize(m_textDocument, std::max(1.0, w)).height();
        }
        const double needed =
            textHeight + (2 * spacing + topLeft.topMargin() + bottomLeft.bottomMargin()) * m_scale;
        double have = 0;
        unsigned int flexible = 0;
        for (unsigned int row = g.firstRow; row <= g.lastRow; ++row) {
            have += m_rowInfos[row].size;
            if (m_rowInfos[row].mode != FixedSize)
                ++flexible;
        }
        if (have < needed && flexible > 0) {
            const double extra = (needed - have) / flexible;
            for (unsigned int row = g.firstRow; row <= g.lastRow; ++row) {
                if (m_rowInfos[row].mode != FixedSize)
                    m_rowInfos[row].size += extra;
            }
        }
    }

    double sum = 0;
    unsigned int stretching = 0;
    for (const LineInfo &r : m_rowInfos) {
        sum += r.size;
        if (stretches(r.mode))
            ++stretching;
    }
    const double available = std::max(0.0, m_tableHeight - 2 * m_margin * m_scale);
    const double spare = std::max(0.0, available - sum);
    if (spare > 0 && stretching > 0) {
        for (LineInfo &r : m_rowInfos) {
            if (stretches(r.mode))
                r.size += spare / stretching;
        }
    }

    // Cell rectangles, and the text rectangles moved into the cells.
    double y = m_margin * m_scale;
    for (unsigned int row = 0; row < m_rows; ++row) {
        double x = m_margin * m_scale;
        for (unsigned int col = 0; col < m_cols; ++col) {
            VaDar_TableCell &c = m_cells[col][row];
            const QRectF rect(x, y, m_columns[col].size, m_rowInfos[row].size);
            c.setCellRect(rect);
            const double left = rect.left() + (c.leftBorder() + spacing + c.leftMargin()) * m_scale;
            const double right = rect.right() - (c.rightBorder() + spacing + c.rightMargin()) * m_scale;
            const double top = rect.top() + (c.topBorder() + spacing + c.topMargin()) * m_scale;
            const double bottom = rect.bottom() - (c.bottomBorder() + spacing + c.bottomMargin()) * m_scale;
            c.setInnerRect(QRectF(left, top, std::max(0.0, right - left), std::max(0.0, bottom - top)));
            c.setTextRect(QRectF(QPointF(left, top), c.textRect().size()));
            x += m_columns[col].size;
        }
        y += m_rowInfos[row].size;
    }
}

void Table::computeRegionRects(double spacing) {
    for (MergedRegion &g : m_mergedRegions) {
        const VaDar_TableCell &topLeft = m_cells[g.firstCol][g.firstRow];
        const VaDar_TableCell &topRight = m_cells[g.lastCol][g.firstRow];
        const VaDar_TableCell &bottomLeft = m_cells[g.firstCol][g.lastRow];
        double w = 0;
        for (unsigned int col = g.firstCol; col <= g.lastCol; ++col)
            w += m_columns[col].size;
        double h = 0;
        for (unsigned int row = g.firstRow; row <= g.lastRow; ++row)
            h += m_rowInfos[row].size;
        g.cellRect = QRectF(topLeft.cellRect().topLeft(), QSizeF(w, h));
        // The text starts below the spacing only; the top margin counts just for the height.
        g.innerRect = QRectF(
            g.cellRect.left() + (topLeft.leftMargin() + spacing) * m_scale,
            g.cellRect.top() + spacing * m_scale,
            std::max(0.0, w - (2 * spacing + topLeft.leftMargin() + topRight.rightMargin()) * m_scale),
            std::max(0.0, h - (2 * spacing + topLeft.topMargin() + bottomLeft.bottomMargin()) * m_scale));
        QSizeF size;
        if (topLeft.isVertical()) {
            size = topLeft.textInfo().layoutSize(m_textDocument, std::max(1.0, g.innerRect.height()));
            size.transpose();
        } else {
            size = topLeft.textInfo().layoutSize(m_textDocument, std::max(1.0, g.innerRect.width()));
        }
        g.textRect = QRectF(g.innerRect.topLeft(), size);
    }
}

void Table::collectBorders() {
    std::vector<double> xs(m_cols + 1, m_margin * m_scale);
    for (unsigned int col = 0; col < m_cols; ++col)
        xs[col + 1] = xs[col] + m_columns[col].size;
    std::vector<double> ys(m_rows + 1, m_margin * m_scale);
    for (unsigned int row = 0; row < m_rows; ++row)
        ys[row + 1] = ys[row] + m_rowInfos[row].size;

    // Adds a segment, extending the previous one when it continues it with the same width.
    auto add = [](std::vector<BorderLine> &lines, const QLineF &line, double width, bool continues) {
        if (width <= 0)
            return;
        if (continues && !lines.empty() && lines.back().width == width && lines.back().line.p2() == line.p1())
            lines.back().line.setP2(line.p2());
        else
            lines.push_back({line, width});
    };

    // Two cells share an edge; the wider of their two borders is drawn, none inside a region.
    for (unsigned int row = 0; row <= m_rows; ++row) {
        for (unsigned int col = 0; col < m_cols; ++col) {
            const VaDar_TableCell *above = row > 0 ? &m_cells[col][row - 1] : nullptr;
            const VaDar_TableCell *below = row < m_rows ? &m_cells[col][row] : nullptr;
            if (above && below && regionIndex(col, row - 1) >= 0 &&
                regionIndex(col, row - 1) == regionIndex(col, row))
                continue;
            const double w = std::max(above ? above->bottomBorder() : 0.0, below ? below->topBorder() : 0.0);
            add(m_horizontalLines, QLineF(xs[col], ys[row], xs[col + 1], ys[row]), w, col > 0);
        }
    }
    for (unsigned int col = 0; col <= m_cols; ++col) {
        for (unsigned int row = 0; row < m_rows; ++row) {
            const VaDar_TableCell *left = col > 0 ? &m_cells[col - 1][row] : nullptr;
            const VaDar_TableCell *right = col < m_cols ? &m_cells[col][row] : nullptr;
            if (left && right && regionIndex(col - 1, row) >= 0 &&
                regionIndex(col - 1, row) == regionIndex(col, row))
                continue;
            const double w = std::max(left ? left->rightBorder() : 0.0, right ? right->leftBorder() : 0.0);
            add(m_verticalLines, QLineF(xs[col], ys[row], xs[col], ys[row + 1]), w, row > 0);
        }
    }
}

void Table::paint(QPainter *painter, const QPointF &topLeft) {
    if (m_cols == 0 || m_rows == 0)
        return;
    VADAR_ASSERT(painter != nullptr, "[Table::paint]");
    QPaintDevice *device = painter->device();
    VADAR_ASSERT(device != nullptr, "[Table::paint]");
    adjust(device);
    m_textDocument->documentLayout()->setPaintDevice(device);

    painter->save();
    painter->translate(topLeft);
    painter->fillRect(QRectF(QPointF(), QSizeF(m_size)), m_backgroundColor);
    for (const auto &column : m_cells) {
        for (const VaDar_TableCell &c : column) {
            if (c.background().alpha() > 0)
                painter->fillRect(c.cellRect(), c.background());
        }
    }

    QPen pen = painter->pen();
    pen.setJoinStyle(Qt::MiterJoin);
    for (const std::vector<BorderLine> *lines : {&m_horizontalLines, &m_verticalLines}) {
        for (const BorderLine &l : *lines) {
            pen.setWidthF(l.width * m_scale);
            painter->setPen(pen);
            painter->drawLine(l.line);
        }
    }

    const QTextOption oldOption = m_textDocument->defaultTextOption();
    for (unsigned int row = 0; row < m_rows; ++row) {
        for (unsigned int col = 0; col < m_cols; ++col) {
            const VaDar_TableCell &c = m_cells[col][row];
            if (c.text().isEmpty())
                continue;
            const int region = regionIndex(col, row);
            if (region >= 0) {
                const MergedRegion &g = m_mergedRegions[static_cast<std::size_t>(region)];
                drawCellText(painter, c, g.cellRect, g.innerRect, g.textRect);
            } else {
                drawCellText(painter, c, c.cellRect(), c.innerRect(), c.textRect());
            }
        }
    }
    m_textDocument->setDefaultTextOption(oldOption);

    if (m_outerFrameWidth > 0) {
        pen.setWidthF(m_outerFrameWidth * m_scale);
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRectF(m_cells.front().front().cellRect().topLeft(),
                                 m_cells.back().back().cellRect().bottomRight()));
    }
    painter->restore();
}

void Table::drawCellText(QPainter *painter, const VaDar_TableCell &c, const QRectF &cellRect,
                         const QRectF &innerRect, const QRectF &textRect) {
    const double tw = textRect.width();
    const double th = textRect.height();
    const Qt::Alignment align = c.alignment();
    // Horizontal text that fits is laid out at the width it was measured at, with the cell's
    // alignment: the width of its widest line may be too narrow for that line again (a trailing
    // space counts when Qt breaks lines), and the text would wrap into more lines than its row has.
    const bool fits = tw <= innerRect.width() + DrawWidthSlack;
    const double layoutWidth = !c.isVertical() && fits ? innerRect.width() : tw;
    double x = innerRect.left();
    if (fits && c.isVertical()) {
        if (align & Qt::AlignHCenter)
            x += (innerRect.width() - tw) / 2;
        else if (align & Qt::AlignRight)
            x = innerRect.right() - tw;
    }
    double y = innerRect.top();
    if (align & Qt::AlignBottom)
        y = innerRect.bottom() - th;
    else if (align & Qt::AlignVCenter)
        y += (innerRect.height() - th) / 2;
    y += c.offsetFactor() * th;

    QTextOption option = m_textDocument->defaultTextOption();
    if (c.isVertical()) {
        // Rotated text: its lines run upwards, so the vertical alignment of the cell
        // becomes the alignment of the lines.
        Qt::Alignment lineAlign = Qt::AlignLeft;
        if (align & Qt::AlignTop)
            lineAlign = Qt::AlignRight;
        else if (align & Qt::AlignVCenter)
            lineAlign = Qt::AlignHCenter;
        option.setAlignment(lineAlign);
    } else {
        option.setAlignment(align & Qt::AlignHorizontal_Mask);
    }
    m_textDocument->setDefaultTextOption(option);
    VaDar_TextFrameInformations::layoutText(m_textDocument, c.text(),
                                            (c.isVertical() ? th : layoutWidth) + DrawWidthSlack);

    painter->save();
    if (!fits)
        painter->setClipRect(cellRect, Qt::IntersectClip);
    painter->translate(x, y);
    if (c.isVertical()) {
        painter->translate(0, th);
        painter->rotate(-90);
    }
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, painter->pen().color());
    m_textDocument->documentLayout()->draw(painter, context);
    painter->restore();
}

} // namespace VaDar
