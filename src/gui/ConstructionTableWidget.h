// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CONSTRUCTIONTABLEWIDGET_H
#define CONSTRUCTIONTABLEWIDGET_H

#include <QPixmap>
#include <QTableWidget>
#include <QVector>

#include "MaterialLayer.h"

class HatchedItemDelegate;
class QIODevice;
class QPainter;
class QPrinter;

/*! The construction sketch of the main window: a table of one row with the warm side in
    column 0, one column per layer and the cold side in the last column, painted by a
    HatchedItemDelegate. Layer columns are as wide as their share of the total thickness
    (with a minimum so thin foils stay visible and clickable); the row fills the height. */
class ConstructionTableWidget : public QTableWidget {
    Q_OBJECT
public:
    /*! Width of the two climate side columns, in pixels. */
    static constexpr int SideColumnWidth = 40;
    /*! Narrowest layer column, in pixels. */
    static constexpr int MinimumLayerColumnWidth = 8;

    explicit ConstructionTableWidget(QWidget *parent = nullptr);

    HatchedItemDelegate *hatchedDelegate() const { return m_delegate; }

    /*! The construction to show, warm side first. Its delegate paints these layers and their
        thicknesses decide the column widths. */
    void setConstruction(const QVector<MaterialLayer> &layers);
    /*! Nothing to show (no project open). */
    void clearConstruction();

    /*! Column widths for the given layer thicknesses in a table \a totalWidth pixels wide:
        the two sides first and last. */
    static QVector<int> columnWidths(const QVector<double> &layerWidths, int totalWidth);

    /*! An image of the sketch as it is shown, without the selection. */
    QPixmap sketchPixmap();
    /*! The sketch as SVG on \a device (open for writing), as large as it is shown. */
    void exportSvg(QIODevice *device);
    /*! The sketch across the width of an A4 page of \a printer. */
    void printSketch(QPrinter *printer);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void updateSectionSizes();
    /*! Paints the sketch as shown, without the selection, with \a painter. */
    void renderSketch(QPainter *painter);

    HatchedItemDelegate *m_delegate; ///< holds the construction shown
};

#endif // CONSTRUCTIONTABLEWIDGET_H
