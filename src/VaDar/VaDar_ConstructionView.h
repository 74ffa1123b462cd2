// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VADAR_CONSTRUCTIONVIEW_H
#define VADAR_CONSTRUCTIONVIEW_H

#include <QGraphicsView>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QVector>

#include "VaDar_ConstructionGraphicsSceneBase.h"
#include "VaDar_ConstructionLayer.h"

class QPaintDevice;

namespace VaDar {

class GraphicsRectItemWithHatch;

/*! A construction drawn to scale on screen, horizontally (layers side by side) or vertically
    (layers stacked). A left click selects a layer, a double click reports it.

    The view reports a selection only when it changes: clicking the selected layer again, or
    selecting it again through selectLayer(), emits nothing. Laying the drawing out again
    (new data, a resize) keeps the selected layer selected without reporting it anew. */
class ConstructionView : public QGraphicsView {
    Q_OBJECT
public:
    /*! Distance of the drawing from the widget's edges, and the least change of size that lays
        the drawing out again. */
    static constexpr int FrameMargin = 5;

    explicit ConstructionView(QWidget *parent = nullptr);
    ~ConstructionView() override;

    /*! Draws \a layers (warm side first). Creates the scene of the orientation on first use or
        when the orientation changes. \a device measures the texts (null: this view);
        \a visibleItems are bits of ConstructionGraphicsSceneBase::VisibleItem. */
    void setData(QPaintDevice *device, const QVector<ConstructionLayer> &layers, double resolution = 1.0,
                 int visibleItems = ConstructionGraphicsSceneBase::AllItems, bool vertical = false);
    /*! The labels of the left (top) and the right (bottom) side. */
    void setLabels(const QString &leftLabel, const QString &rightLabel);
    /*! Forgets the layers and empties the drawing; nothing is selected afterwards. */
    void clear();
    /*! Lays the drawing out again in the current frame and shows the view. */
    void updateView();

    /*! Unit of the dimension chain (ConstructionGraphicsSceneBase::WidthUnit). */
    void setWidthUnit(int unit);
    /*! A layer drawn with a red frame; -1 for none. */
    void setMarkedLayer(int index);
    void setMarkerLines(const QVector<ConstructionGraphicsSceneBase::MarkerLine> &lines);
    void setMarkedRegion(double start, double end);

    const QVector<ConstructionLayer> &layers() const { return m_layers; }
    int selectedLayer() const { return m_selectedLayer; }
    bool isVertical() const { return m_vertical; }
    const QRectF &frameRect() const { return m_frame; }
    /*! The scene, or nullptr before the first data arrived. */
    ConstructionGraphicsSceneBase *constructionScene() const { return m_scene; }

public slots:
    /*! Selects layer \a index (-1 or an index without layer: none). Emits layerSelected()
        unless the layer was selected already. */
    void selectLayer(int index);
    /*! Takes over the scene's selection; reports a selected layer. */
    void sceneSelectionChanged();
    /*! Reports a double click on the selected layer (-1 when none is selected). */
    void sceneDoubleClicked();

signals:
    void layerSelected(int index);
    void layerDoubleClicked(int index);
    /*! The drawing was laid out again for a new size; \a rect is the new frame. */
    void resized(const QRectF &rect);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    /*! The layer under the viewport position \a pos, or nullptr. */
    GraphicsRectItemWithHatch *layerItemAt(const QPoint &pos) const;
    /*! Makes \a item the only selected layer, raised above its neighbours. */
    void selectItem(QGraphicsItem *item);
    /*! Lays the scene out in the current frame; the selected layer stays selected. */
    void layoutScene();

    QString m_leftLabel;
    QString m_rightLabel;
    QVector<ConstructionLayer> m_layers;
    ConstructionGraphicsSceneBase *m_scene = nullptr;
    QPaintDevice *m_device = nullptr;
    double m_resolution = 1.0;
    int m_selectedLayer = -1;
    int m_visibleItems = ConstructionGraphicsSceneBase::AllItems;
    bool m_vertical = false;
    QRectF m_frame;
    QSize m_layoutSize; ///< viewport size at the last layout
    bool m_restoringSelection = false;

    int m_widthUnit = ConstructionGraphicsSceneBase::Millimetre;
    int m_markedLayer = -1;
    QVector<ConstructionGraphicsSceneBase::MarkerLine> m_markerLines;
    double m_regionStart = 0;
    double m_regionEnd = 0;
};

} // namespace VaDar

#endif // VADAR_CONSTRUCTIONVIEW_H
