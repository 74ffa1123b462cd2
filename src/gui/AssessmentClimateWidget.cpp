// SPDX-License-Identifier: GPL-3.0-or-later
#include "AssessmentClimateWidget.h"

#include <QVBoxLayout>

#include "AssessmentTypeWidget.h"
#include "ClimateEditWidget.h"
#include "EditorDocument.h"

AssessmentClimateWidget::AssessmentClimateWidget(EditorDocument &document, QWidget *parent)
    : QWidget(parent), m_assessmentType(new AssessmentTypeWidget(document, this)),
      m_climate(new ClimateEditWidget(document, this)) {
    m_assessmentType->setObjectName(QStringLiteral("widgetAssessmentType"));
    m_climate->setObjectName(QStringLiteral("widgetClimate"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_assessmentType);
    layout->addWidget(m_climate);
    layout->addStretch(1);
    m_assessmentType->setClimateEditWidget(m_climate);
    m_climate->setAssessmentTypeWidget(m_assessmentType);
    setTabOrder(m_assessmentType, m_climate);

    connect(&document, &EditorDocument::modified, this, &AssessmentClimateWidget::refresh);
    connect(m_assessmentType, &AssessmentTypeWidget::statusMessage, this,
            &AssessmentClimateWidget::statusMessage);
    connect(m_climate, &ClimateEditWidget::statusMessage, this, &AssessmentClimateWidget::statusMessage);
    refresh();
}

void AssessmentClimateWidget::setSide(QTableWidget *table, bool warmSide) {
    m_climate->setSide(table, warmSide);
    refresh();
}

void AssessmentClimateWidget::refresh() {
    // The type first: it decides what the climate editor offers.
    m_assessmentType->refreshFromProject(AssessmentTypeWidget::KeepPeriod);
}

void AssessmentClimateWidget::showEvent(QShowEvent *event) {
    refresh();
    QWidget::showEvent(event);
}
