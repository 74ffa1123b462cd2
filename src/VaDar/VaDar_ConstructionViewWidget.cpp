// SPDX-License-Identifier: GPL-3.0-or-later
#include "VaDar_ConstructionViewWidget.h"

#include <QAction>
#include <QEvent>
#include <QIcon>
#include <QToolBar>
#include <QVBoxLayout>

#include "VaDar_ConstructionView.h"

namespace VaDar {

ConstructionViewWidget::ConstructionViewWidget(QWidget *parent) : QWidget(parent) {
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    // Large icons on dense screens, where 32 pixels would be too small to hit. The height is a
    // minimum: the style's button margins must not shrink the icons below their size.
    const bool dense = logicalDpiY() > 100;
    m_toolBar->setIconSize(dense ? QSize(48, 48) : QSize(32, 32));
    m_toolBar->setMinimumHeight(dense ? 50 : 34);
    layout->addWidget(m_toolBar);

    m_actionAssignMaterial = addLayerAction(QStringLiteral("actionAssign_material"),
                                            QStringLiteral("Construction_assign_material"));
    m_actionInsertLayerLeft = addLayerAction(QStringLiteral("actionInsert_layer_left"),
                                             QStringLiteral("Construction_insert_layer_left"));
    m_actionInsertLayerRight = addLayerAction(QStringLiteral("actionInsert_layer_right"),
                                              QStringLiteral("Construction_insert_layer_right"));
    m_actionMoveLayerLeft = addLayerAction(QStringLiteral("actionMove_layer_left"),
                                           QStringLiteral("Construction_move_layer_to_left"));
    m_actionMoveLayerRight = addLayerAction(QStringLiteral("actionMove_layer_right"),
                                            QStringLiteral("Construction_move_layer_to_right"));
    m_actionRemoveLayer =
        addLayerAction(QStringLiteral("actionRemove_layer"), QStringLiteral("Construction_remove_layer"));
    retranslateUi();

    m_view = new ConstructionView(this);
    layout->addWidget(m_view);
    connect(m_view, &ConstructionView::layerSelected, this, &ConstructionViewWidget::onLayerSelected);
    connect(m_view, &ConstructionView::layerDoubleClicked, this,
            &ConstructionViewWidget::onLayerDoubleClicked);

    // Read-only until an owner that can change the construction says otherwise.
    m_toolBar->setEnabled(false);
    m_toolBar->setVisible(false);
    QMetaObject::connectSlotsByName(this);
}

QAction *ConstructionViewWidget::addLayerAction(const QString &objectName, const QString &iconName) {
    auto *action = new QAction(this);
    action->setObjectName(objectName);
    action->setIcon(QIcon(QStringLiteral(":/gfx/constructionEditor/%1_32x32.png").arg(iconName)));
    action->setEnabled(false);
    m_toolBar->addAction(action);
    m_actions.append(action);
    return action;
}

void ConstructionViewWidget::retranslateUi() {
    m_actionAssignMaterial->setText(tr("Assign material"));
    m_actionAssignMaterial->setToolTip(tr("Assign material to the selected layer"));
    m_actionInsertLayerLeft->setText(tr("Insert layer left"));
    m_actionInsertLayerLeft->setToolTip(tr("Insert a new layer left from selected one"));
    m_actionInsertLayerRight->setText(tr("Insert layer right"));
    m_actionInsertLayerRight->setToolTip(tr("Insert a new layer right from selected one"));
    m_actionRemoveLayer->setText(tr("Remove layer"));
    m_actionRemoveLayer->setToolTip(tr("Remove selected layer"));
    m_actionMoveLayerLeft->setText(tr("Move layer left"));
    m_actionMoveLayerLeft->setToolTip(tr("Move selected layer to left"));
    m_actionMoveLayerRight->setText(tr("Move layer right"));
    m_actionMoveLayerRight->setToolTip(tr("Move selected layer to right"));
}

void ConstructionViewWidget::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void ConstructionViewWidget::setData(QPaintDevice *device, bool readOnly, const QString &leftLabel,
                                     const QString &rightLabel, const QVector<ConstructionLayer> &layers,
                                     int visibleItems, bool vertical) {
    m_readOnly = readOnly;
    m_toolBar->setEnabled(!readOnly);
    m_toolBar->setVisible(!readOnly);
    m_view->setLabels(leftLabel, rightLabel);
    m_view->setData(device, layers, 1.0, visibleItems, vertical);
    updateActions();
}

void ConstructionViewWidget::clear() {
    m_view->clear();
    updateActions();
}

int ConstructionViewWidget::selectedLayer() const {
    return m_view->selectedLayer();
}

void ConstructionViewWidget::selectLayer(int index) {
    m_view->selectLayer(index);
    updateActions();
}

void ConstructionViewWidget::updateActions() {
    const int selected = m_view->selectedLayer();
    const int count = m_view->layers().size();
    const bool on = !m_readOnly && selected >= 0 && selected < count;
    m_actionAssignMaterial->setEnabled(on);
    m_actionInsertLayerLeft->setEnabled(on);
    m_actionInsertLayerRight->setEnabled(on);
    // A construction keeps at least one layer.
    m_actionRemoveLayer->setEnabled(on && count > 1);
    // The outermost layers have no neighbour to change places with on their outer side.
    m_actionMoveLayerLeft->setEnabled(on && selected > 0);
    m_actionMoveLayerRight->setEnabled(on && selected < count - 1);
}

void ConstructionViewWidget::onLayerSelected(int index) {
    updateActions();
    emit layerSelected(index);
}

void ConstructionViewWidget::onLayerDoubleClicked(int index) {
    emit layerDoubleClicked(index);
}

void ConstructionViewWidget::on_actionAssign_material_triggered() {
    const int selected = selectedLayer();
    if (selected >= 0)
        emit assignMaterial(selected);
}

void ConstructionViewWidget::on_actionInsert_layer_left_triggered() {
    const int selected = selectedLayer();
    if (selected >= 0)
        emit insertLayer(selected, true);
}

void ConstructionViewWidget::on_actionInsert_layer_right_triggered() {
    const int selected = selectedLayer();
    if (selected >= 0)
        emit insertLayer(selected, false);
}

void ConstructionViewWidget::on_actionRemove_layer_triggered() {
    const int selected = selectedLayer();
    if (selected >= 0)
        emit removelayer(selected);
}

void ConstructionViewWidget::on_actionMove_layer_left_triggered() {
    const int selected = selectedLayer();
    if (selected < 0)
        return;
    emit moveLayer(selected, true);
    // The owner has moved the layer by now (or will); the selection goes with it.
    if (selected >= 1)
        selectLayer(selected - 1);
}

void ConstructionViewWidget::on_actionMove_layer_right_triggered() {
    const int selected = selectedLayer();
    if (selected < 0)
        return;
    emit moveLayer(selected, false);
    if (selected + 1 < m_view->layers().size())
        selectLayer(selected + 1);
}

} // namespace VaDar
