// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DIAGRAMVIEW_H
#define DIAGRAMVIEW_H

#include <QGraphicsView>
#include <QSize>

#include "CalculationResults.h"
#include "DiagramKind.h"
#include "InputData.h"

class DiagramScene;
class QIODevice;
class QPaintDevice;
class QPainter;
class QPixmap;
class QPrinter;

/*! The profile diagram of the main window. It keeps its own copies of the construction and the
    results, rebuilds its screen-mode DiagramScene when they change, when the diagram kind changes
    and when the widget grows or shrinks by at least the margin, and exports the diagram as a
    pixmap, as SVG or to a printer. */
class DiagramView : public QGraphicsView {
    Q_OBJECT
public:
    explicit DiagramView(QWidget *parent = nullptr);

    /*! Stores copies of the data, the resolution factor and the paint device used for text
        layout, lays the diagram out inside the widget (less the margin) and shows the widget. */
    void setupDiagram(QPaintDevice *device, const InputData &inputData, const CalculationResults &results,
                      double resolutionFactor = 1.0);
    /*! setupDiagram() with the view itself as paint device. */
    void setData(const InputData &inputData, const CalculationResults &results,
                 double resolutionFactor = 1.0);

    /*! What the diagram shows (initially the water content). Redraws with the stored data. */
    void setDiagramType(DiagramKind kind);
    DiagramKind diagramType() const { return m_diagramType; }

    /*! The diagram drawn for an A4-wide image: the pixmap gets the widget's aspect ratio and the
        width of an A4 page at screen resolution, white background. For PNG/JPG export and the
        clipboard. */
    void exportPixmap(QPixmap &pixmap) const;
    /*! The diagram as SVG on \a device (already open for writing), sized like exportPixmap(),
        titled by kind, with the last project file as description. */
    void exportSvg(QIODevice *device) const;
    /*! The diagram across the width of an A4 page of \a printer: the image export's layout,
        scaled to the page. */
    void printDiagram(QPrinter *printer) const;

    /*! Title of the SVG export for a diagram kind. */
    static QString exportTitle(DiagramKind kind);

    DiagramScene *diagramScene() const { return m_scene; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    /*! Size of the diagram when drawn across an A4 page at screen resolution. */
    QSize exportSize() const;
    /*! Lays a temporary screen-mode scene of \a size out against \a layoutDevice and renders it
        with \a painter into \a target. */
    void renderTemporary(QPaintDevice *layoutDevice, QPainter *painter, const QSizeF &size,
                         const QRectF &target) const;
    void rebuild();

    InputData m_inputData;
    CalculationResults m_results;
    DiagramKind m_diagramType = DiagramKind::WaterContent;
    DiagramScene *m_scene;
    int m_margin = 5;
    double m_resolutionFactor = 1.0;
    QPaintDevice *m_paintDevice = nullptr;
    QSize m_layoutSize; ///< widget size at the last rebuild
};

#endif // DIAGRAMVIEW_H
