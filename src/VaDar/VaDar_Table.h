// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VADAR_TABLE_H
#define VADAR_TABLE_H

#include <QColor>
#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>

#include <memory>
#include <vector>

#include "VaDar_TableCell.h"

class QFont;
class QPaintDevice;
class QPainter;
class QTextDocument;

namespace VaDar {

/*! A grid of HTML cells laid out for a given width on any paint device.

    Borders, spacing, margins and the outer frame are given in screen pixels and scaled
    by device dpi / screen dpi, so the same table looks alike on screen, printer, PDF and
    image; table width, fixed column widths and fixed row heights are device pixels.
    Programming errors (index out of range, bad widths, null painter) raise VADAR_ASSERT. */
class Table {
public:
    /*! How a column width / row height is chosen. */
    enum SizeMode {
        AutoSize = 0,    ///< content size plus an equal share of the spare space
        ContentSize = 1, ///< content size only
        FixedSize = 2,   ///< the fixed size given with the mode
        StretchSize = 3  ///< like AutoSize
    };

    /*! One block of cells drawn as a single cell. */
    struct MergedRegion {
        unsigned int firstCol = 0;
        unsigned int lastCol = 0;
        unsigned int firstRow = 0;
        unsigned int lastRow = 0;
        QRectF cellRect;
        QRectF innerRect;
        QRectF textRect;
        bool contains(unsigned int col, unsigned int row) const {
            return col >= firstCol && col <= lastCol && row >= firstRow && row <= lastRow;
        }
    };

    /*! One collected border segment in table coordinates, width in screen pixels. */
    struct BorderLine {
        QLineF line;
        double width = 0;
    };

    /*! Uses \a textDocument for all measuring and drawing when given (owned by the
        caller), else creates its own. */
    explicit Table(QTextDocument *textDocument = nullptr);
    ~Table();
    Table(const Table &) = delete;
    Table &operator=(const Table &) = delete;

    /*! Recreates all cells (empty, borders of the inner frame width) and drops merges. */
    void setTableSize(unsigned int cols, unsigned int rows);
    unsigned int columnCount() const { return m_cols; }
    unsigned int rowCount() const { return m_rows; }

    void setOuterFrameWidth(double width);
    /*! Sets all four borders of every cell. */
    void setInnerFrameWidth(double width);
    void setMargin(double margin);
    void setSpacing(double spacing);
    void setBackgroundColor(const QColor &color);
    /*! Width in device pixels; below 1 the paint device's width is taken. */
    void setTableWidth(int width);
    /*! Height in device pixels that AutoSize rows may grow into (default 0: content height). */
    void setTableHeight(int height);
    /*! Measures every cell text at all line breaks once instead of re-laying it out. */
    void setMeasureAllBreakpoints(bool all);
    void setDefaultFont(const QFont &font);
    QTextDocument *textDocument() const { return m_textDocument; }

    void setColumnWidthMode(unsigned int col, SizeMode mode, double fixedWidth = 0);
    void setRowHeightMode(unsigned int row, SizeMode mode, double fixedHeight = 0);
    /*! Top and bottom margins of every cell in the row; negative values leave them unchanged. */
    void setRowMargins(unsigned int row, double top, double bottom);

    void setCellText(unsigned int col, unsigned int row, const QString &text);
    void setCellAlignment(unsigned int col, unsigned int row, Qt::Alignment alignment);
    /*! \a sides is a mask of VaDar_TableCell::BorderSide. */
    void setCellBorderWidth(unsigned int col, unsigned int row, int sides, double width);
    /*! Negative values leave a margin unchanged. */
    void setCellMargins(unsigned int col, unsigned int row, double left, double right, double top,
                        double bottom);
    void setCellBackground(unsigned int col, unsigned int row, const QColor &color);
    void setCellVertical(unsigned int col, unsigned int row, bool vertical);
    void setCellOffsetFactor(unsigned int col, unsigned int row, double factor);
    const VaDar_TableCell &cell(unsigned int col, unsigned int row) const;

    /*! Merges the block of \a numCols x \a numRows cells starting at (col, row); the text
        is that of the top-left cell. Returns false when a cell is already merged. */
    bool mergeCells(unsigned int col, unsigned int row, unsigned int numCols, unsigned int numRows);
    const std::vector<MergedRegion> &mergedRegions() const { return m_mergedRegions; }

    /*! Lays the table out for \a device (skipped when nothing changed since). */
    void adjust(QPaintDevice *device);
    bool isAdjusted() const { return m_adjusted; }

    /*! Results of the last adjust(). */
    QSize size() const { return m_size; }
    double scale() const { return m_scale; }
    double columnWidth(unsigned int col) const;
    double rowHeight(unsigned int row) const;
    /*! Outer, inner and text rectangle used for the cell's text: those of its merged region
        for a merged cell, else its own. */
    QRectF cellRect(unsigned int col, unsigned int row) const;
    QRectF innerRect(unsigned int col, unsigned int row) const;
    QRectF textRect(unsigned int col, unsigned int row) const;
    const std::vector<BorderLine> &horizontalLines() const { return m_horizontalLines; }
    const std::vector<BorderLine> &verticalLines() const { return m_verticalLines; }

    /*! Adjusts for the painter's device and paints the table with its top-left at \a topLeft. */
    void paint(QPainter *painter, const QPointF &topLeft);

private:
    struct LineInfo {
        double size = 0;
        double fixedSize = 0;
        SizeMode mode = AutoSize;
    };

    VaDar_TableCell &cellRef(unsigned int col, unsigned int row);
    int regionIndex(unsigned int col, unsigned int row) const;
    void computeColumnWidths(double available, double spacing);
    void computeRowHeights(double spacing);
    void computeRegionRects(double spacing);
    void collectBorders();
    double verticalLayoutWidth(const VaDar_TableCell &c, unsigned int row, double spacing) const;
    void drawCellText(QPainter *painter, const VaDar_TableCell &c, const QRectF &cellRect,
                      const QRectF &innerRect, const QRectF &textRect);

    std::unique_ptr<QTextDocument> m_ownDocument;
    QTextDocument *m_textDocument;
    unsigned int m_cols = 0;
    unsigned int m_rows = 0;
    std::vector<std::vector<VaDar_TableCell>> m_cells; ///< [col][row]
    std::vector<LineInfo> m_columns;
    std::vector<LineInfo> m_rowInfos;
    double m_spacing = 0;
    double m_margin = 0;
    double m_outerFrameWidth = 0;
    double m_innerFrameWidth = 0;
    QColor m_backgroundColor = Qt::transparent;
    std::vector<MergedRegion> m_mergedRegions;
    std::vector<int> m_regionOfCell; ///< index col * m_rows + row, -1 when not merged
    std::vector<BorderLine> m_horizontalLines;
    std::vector<BorderLine> m_verticalLines;
    int m_tableWidth = 0;
    int m_tableHeight = 0;
    QSize m_size;
    double m_scale = 1;
    bool m_adjusted = false;
    bool m_allBreakpoints = false;
    QPaintDevice *m_adjustedDevice = nullptr;
    int m_adjustedDpi = 0;
};

} // namespace VaDar

#endif // VADAR_TABLE_H
