// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConstructionSketchDock.h"

#include <QAction>
#include <QEvent>

#include "LayerHatching.h"
#include "VaDar_ConstructionViewWidget.h"

ConstructionSketchDock::ConstructionSketchDock(QWidget *parent)
    : QDockWidget(parent), m_widget(new VaDar::ConstructionViewWidget(this)) {
    setObjectName(QStringLiteral("dockWidgetConstructionSketch"));
    setWidget(m_widget);
    retranslateUi();
    connect(m_widget, &VaDar::ConstructionViewWidget::layerSelected, this, [this](int index) {
        if (!m_selecting && index >= 0)
            emit layerSelected(index);
    });
    connect(m_widget, &VaDar::ConstructionViewWidget::layerDoubleClicked, this,
            &ConstructionSketchDock::assignMaterial);
    connect(m_widget, &VaDar::ConstructionViewWidget::assignMaterial, this,
            &ConstructionSketchDock::assignMaterial);
    connect(m_widget, &VaDar::ConstructionViewWidget::insertLayer, this,
            &ConstructionSketchDock::insertLayer);
    connect(m_widget, &VaDar::ConstructionViewWidget::moveLayer, this, &ConstructionSketchDock::moveLayer);
    connect(m_widget, &VaDar::ConstructionViewWidget::removelayer, this,
            &ConstructionSketchDock::removeLayer);
}

void ConstructionSketchDock::setConstruction(const QVector<MaterialLayer> &layers) {
    m_widget->setData(nullptr, false, tr("Inside"), tr("Outside"), LayerHatching::viewLayers(layers));
}

void ConstructionSketchDock::clearConstruction() {
    m_widget->clear();
}

void ConstructionSketchDock::selectLayer(int index) {
    m_selecting = true;
    m_widget->selectLayer(index);
    m_selecting = false;
}

void ConstructionSketchDock::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDockWidget::changeEvent(event);
}

void ConstructionSketchDock::retranslateUi() {
    setWindowTitle(tr("Construction to scale"));
    toggleViewAction()->setText(tr("Show/hide construction to scale"));
    toggleViewAction()->setToolTip(tr("Shows/hides the construction drawn to scale"));
}
