// SPDX-License-Identifier: GPL-3.0-or-later
#include "VaDar_ConstructionView.h"

#include <QMouseEvent>
#include <QResizeEvent>

#include <cstdlib>

#include "VaDar_ConstructionGraphicsSceneHorizontal.h"
#include "VaDar_ConstructionGraphicsSceneVertical.h"
#include "VaDar_GraphicsRectItemWithHatch.h"

namespace VaDar {

ConstructionView::ConstructionView(QWidget *parent) : QGraphicsView(parent) {
    // Selection is done here, not by the scene's own item handling.
    setInteractive(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setCacheMode(QGraphicsView::CacheBackground);
    setViewportUpdateMode(QGraphicsView::BoundingRectViewportUpdate);
    setOptimizationFlags(QGraphicsView::DontSavePainterState | QGraphicsView::DontAdjustForAntialiasing);
    setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    policy.setHorizontalStretch(1);
    policy.setVerticalStretch(1);
    setSizePolicy(policy);
    m_frame = QRectF(viewport()->rect()).adjusted(FrameMargin, FrameMargin, -FrameMargin, -FrameMargin);
}

ConstructionView::~ConstructionView() {
    // The scene is a child and goes in QWidget's destructor, when this view's own part is already
    // gone; the selection changes of its dying items must not reach a slot of this class then.
    if (m_scene != nullptr)
        disconnect(m_scene, nullptr, this, nullptr);
}

void ConstructionView::setData(QPaintDevice *device, const QVector<ConstructionLayer> &layers,
                               double resolution, int visibleItems, bool vertical) {
    if (m_scene == nullptr || vertical != m_vertical) {
        setScene(nullptr);
        // Its items go with it: that is no change of the selection.
        if (m_scene != nullptr)
            disconnect(m_scene, nullptr, this, nullptr);
        delete m_scene;
        if (vertical)
            m_scene = new ConstructionGraphicsSceneVertical(true, this, this);
        else
            m_scene = new ConstructionGraphicsSceneHorizontal(true, this, this);
        m_scene->setWidthUnit(m_widthUnit);
        m_scene->setMarkedLayer(m_markedLayer);
        m_scene->setMarkerLines(m_markerLines);
        m_scene->setMarkedRegion(m_regionStart, m_regionEnd);
        connect(m_scene, &QGraphicsScene::selectionChanged, this, &ConstructionView::sceneSelectionChanged);
        setScene(m_scene);
    }
    m_device = device;
    m_layers = layers;
    m_resolution = resolution;
    m_visibleItems = visibleItems;
    m_vertical = vertical;
    layoutScene();
}

void ConstructionView::setLabels(const QString &leftLabel, const QString &rightLabel) {
    m_leftLabel = leftLabel;
    m_rightLabel = rightLabel;
    layoutScene();
}

void ConstructionView::clear() {
    m_layers.clear();
    m_selectedLayer = -1;
    layoutScene();
}

void ConstructionView::updateView() {
    layoutScene();
    show();
}

void ConstructionView::setWidthUnit(int unit) {
    m_widthUnit = unit;
    if (m_scene != nullptr) {
        m_scene->setWidthUnit(unit);
        layoutScene();
    }
}

void ConstructionView::setMarkedLayer(int index) {
    m_markedLayer = index;
    if (m_scene != nullptr) {
        m_scene->setMarkedLayer(index);
        layoutScene();
    }
}

void ConstructionView::setMarkerLines(const QVector<ConstructionGraphicsSceneBase::MarkerLine> &lines) {
    m_markerLines = lines;
    if (m_scene != nullptr) {
        m_scene->setMarkerLines(lines);
        layoutScene();
    }
}

void ConstructionView::setMarkedRegion(double start, double end) {
    m_regionStart = start;
    m_regionEnd = end;
    if (m_scene != nullptr) {
        m_scene->setMarkedRegion(start, end);
        layoutScene();
    }
}

void ConstructionView::layoutScene() {
    if (m_scene == nullptr)
        return;
    if (m_selectedLayer >= m_layers.size())
        m_selectedLayer = -1;
    // A new layout replaces every item; the selection the user made carries over silently.
    m_restoringSelection = true;
    m_scene->setup(m_frame, m_device != nullptr ? m_device : this, m_resolution, m_layers, m_leftLabel,
                   m_rightLabel, m_visibleItems);
    GraphicsRectItemWithHatch *item = m_scene->layerItem(m_selectedLayer);
    if (item != nullptr && !item->isSelected())
        selectItem(item);
    m_restoringSelection = false;
    // Scene coordinates are the viewport's pixels, the frame margin included.
    setSceneRect(QRectF(viewport()->rect()));
}

GraphicsRectItemWithHatch *ConstructionView::layerItemAt(const QPoint &pos) const {
    if (m_scene == nullptr)
        return nullptr;
    // Names, marker lines and the marked region lie over the layers: look through them.
    const QList<QGraphicsItem *> hits = items(pos);
    for (QGraphicsItem *hit : hits) {
        for (QGraphicsItem *item = hit; item != nullptr; item = item->parentItem()) {
            const QVariant index = item->data(ConstructionGraphicsSceneBase::LayerIndexKey);
            if (index.isValid()) {
                GraphicsRectItemWithHatch *layer = m_scene->layerItem(index.toInt());
                if (layer == item)
                    return layer;
            }
        }
    }
    return nullptr;
}

void ConstructionView::selectItem(QGraphicsItem *item) {
    const QList<QGraphicsItem *> selected = m_scene->selectedItems();
    for (QGraphicsItem *other : selected)
        other->setZValue(0);
    m_scene->clearSelection();
    // Raised, so the neighbours do not cover its heavy frame.
    item->setZValue(1);
    item->setSelected(true);
}

void ConstructionView::selectLayer(int index) {
    if (index < 0 || index >= m_layers.size()) {
        if (m_scene != nullptr) {
            const QList<QGraphicsItem *> selected = m_scene->selectedItems();
            for (QGraphicsItem *other : selected)
                other->setZValue(0);
            m_restoringSelection = true;
            m_scene->clearSelection();
            m_restoringSelection = false;
        }
        m_selectedLayer = -1;
        return;
    }
    GraphicsRectItemWithHatch *item = m_scene != nullptr ? m_scene->layerItem(index) : nullptr;
    if (item == nullptr) {
        // Nothing drawn (yet): the layer is selected as soon as the drawing exists.
        if (index != m_selectedLayer) {
            m_selectedLayer = index;
            emit layerSelected(index);
        }
        return;
    }
    if (index == m_selectedLayer && item->isSelected())
        return;
    selectItem(item);
}

void ConstructionView::sceneSelectionChanged() {
    if (m_restoringSelection || m_scene == nullptr)
        return;
    const QList<QGraphicsItem *> selected = m_scene->selectedItems();
    int index = -1;
    if (selected.size() == 1) {
        const QVariant value = selected.first()->data(ConstructionGraphicsSceneBase::LayerIndexKey);
        if (value.isValid())
            index = value.toInt();
    }
    m_selectedLayer = index;
    if (index != -1)
        emit layerSelected(index);
}

void ConstructionView::sceneDoubleClicked() {
    if (m_scene != nullptr) {
        const QList<QGraphicsItem *> selected = m_scene->selectedItems();
        int index = -1;
        if (selected.size() == 1) {
            const QVariant value = selected.first()->data(ConstructionGraphicsSceneBase::LayerIndexKey);
            if (value.isValid())
                index = value.toInt();
        }
        m_selectedLayer = index;
    }
    emit layerDoubleClicked(m_selectedLayer);
}

void ConstructionView::resizeEvent(QResizeEvent *event) {
    QGraphicsView::resizeEvent(event);
    const QSize size = viewport()->size();
    // Small steps while the user drags a splitter are not worth a new layout.
    if (std::abs(size.width() - m_layoutSize.width()) < FrameMargin &&
        std::abs(size.height() - m_layoutSize.height()) < FrameMargin)
        return;
    m_layoutSize = size;
    m_frame = QRectF(viewport()->rect()).adjusted(FrameMargin, FrameMargin, -FrameMargin, -FrameMargin);
    layoutScene();
    emit resized(m_frame);
}

void ConstructionView::mousePressEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton) {
        GraphicsRectItemWithHatch *item = layerItemAt(event->pos());
        if (item != nullptr && !item->isSelected())
            selectItem(item);
    }
    QGraphicsView::mousePressEvent(event);
}

void ConstructionView::mouseDoubleClickEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton) {
        GraphicsRectItemWithHatch *item = layerItemAt(event->pos());
        if (item != nullptr) {
            if (!item->isSelected())
                selectItem(item);
            sceneDoubleClicked();
        }
    }
    QGraphicsView::mouseDoubleClickEvent(event);
}

} // namespace VaDar
