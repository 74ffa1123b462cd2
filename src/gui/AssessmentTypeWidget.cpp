// SPDX-License-Identifier: GPL-3.0-or-later
#include "AssessmentTypeWidget.h"
#include "ui_AssessmentTypeWidget.h"

#include <QEvent>

#include "ClimateEditWidget.h"
#include "Document.h"
#include "EditorDocument.h"
#include "T2_UndoAssessmentType.h"

AssessmentTypeWidget::AssessmentTypeWidget(EditorDocument &document, QWidget *parent)
    : QWidget(parent), m_ui(new Ui::AssessmentTypeWidget), m_document(document) {
    m_ui->setupUi(this);
    fillTypes();
    // Shorter periods cannot be told from numerical noise, longer ones exceed a season.
    m_ui->lineEditCondensationTime->setup(0.1, 300, tr("The condensation time must be > 0d and < 300d."));
    m_ui->lineEditDryingTime->setup(0.1, 300, tr("The drying time must be > 0d and < 300d."));
    for (VaDar::ValidatingLineEdit *field : {m_ui->lineEditCondensationTime, m_ui->lineEditDryingTime}) {
        connect(field, &VaDar::ValidatingLineEdit::editingFinishedSuccessfully, this,
                &AssessmentTypeWidget::doubleEditingFinished);
        connect(field, &VaDar::ValidatingLineEdit::editingRefused, this,
                &AssessmentTypeWidget::statusMessage);
    }
    // Only the user's choice: filling the box while the project is shown must create nothing.
    connect(m_ui->comboBoxAssessmentType, QOverload<int>::of(&QComboBox::activated), this,
            &AssessmentTypeWidget::assessmentTypeChosen);
    refreshFromProject(KeepPeriod);
}

AssessmentTypeWidget::~AssessmentTypeWidget() {
    // Fields that lose the focus while they are destroyed must not reach this editor any more.
    for (QObject *child : findChildren<QObject *>())
        child->disconnect(this);
    delete m_ui;
}

void AssessmentTypeWidget::fillTypes() {
    m_createUndo = false;
    QComboBox *box = m_ui->comboBoxAssessmentType;
    const int current = box->currentIndex();
    box->clear();
    for (int type : {AssessmentConditions::CustomConditions, AssessmentConditions::DIN4108_2001,
                     AssessmentConditions::DIN4108_2014})
        box->addItem(AssessmentConditions::assessmentTypeName(type), type);
    box->setCurrentIndex(current);
    m_createUndo = true;
}

int AssessmentTypeWidget::assessmentType() const {
    const QVariant data = m_ui->comboBoxAssessmentType->currentData();
    if (data.isValid())
        return data.toInt();
    const Document *document = m_document.document();
    return document != nullptr ? document->inputData().assessmentConditions().assessmentType()
                               : int(AssessmentConditions::DIN4108_2014);
}

bool AssessmentTypeWidget::push(T2_UndoCommandBase *command) {
    m_pushing = true;
    const bool pushed = m_document.push(command);
    m_pushing = false;
    return pushed;
}

void AssessmentTypeWidget::refreshFromProject(Period period) {
    m_createUndo = false;
    const Document *document = m_document.document();
    setEnabled(document != nullptr);
    if (document == nullptr) {
        m_customChoice.reset();
        m_ui->lineEditCondensationTime->clearValue();
        m_ui->lineEditDryingTime->clearValue();
        m_createUndo = true;
        return;
    }
    const AssessmentConditions &conditions = document->inputData().assessmentConditions();
    int type = conditions.assessmentType();
    if (m_customChoice) {
        // Kept while the editors change the project under it, or the project is as it was.
        if (type != AssessmentConditions::CustomConditions &&
            (m_pushing || !conditions.differsFrom(*m_customChoice))) {
            m_customChoice = conditions;
            type = AssessmentConditions::CustomConditions;
        } else {
            m_customChoice.reset();
        }
    }
    QComboBox *box = m_ui->comboBoxAssessmentType;
    box->setCurrentIndex(box->findData(type));
    m_ui->lineEditCondensationTime->setValue(conditions.condensationTime(true));
    m_ui->lineEditDryingTime->setValue(conditions.evaporationTime(true));
    updateEnabled();
    m_createUndo = true;
    if (m_climate != nullptr)
        m_climate->refreshFromProject(period);
}

void AssessmentTypeWidget::updateEnabled() {
    const bool custom = assessmentType() == AssessmentConditions::CustomConditions;
    m_ui->lineEditCondensationTime->setEnabled(custom);
    m_ui->lineEditDryingTime->setEnabled(custom);
}

void AssessmentTypeWidget::assessmentTypeChosen(int index) {
    const Document *document = m_document.document();
    if (!m_createUndo || document == nullptr || index < 0)
        return;
    const int type = m_ui->comboBoxAssessmentType->itemData(index).toInt();
    const AssessmentConditions conditions = document->inputData().assessmentConditions();
    updateEnabled();
    if (type != AssessmentConditions::CustomConditions)
        m_customChoice.reset();
    if (type != conditions.assessmentType()) {
        double condensation = conditions.condensationTime(true);
        double drying = conditions.evaporationTime(true);
        m_ui->lineEditCondensationTime->currentValue(condensation);
        m_ui->lineEditDryingTime->currentValue(drying);
        auto *command = new T2_UndoAssessmentType(m_document, tr("Undo change of assessment type."), type,
                                                  condensation, drying);
        command->addEditor(this);
        // Custom conditions on values that match a DIN type change nothing in the project: the
        // editor keeps the choice and frees the values, whose first change makes it real.
        if (!push(command) && type == AssessmentConditions::CustomConditions)
            m_customChoice = conditions;
    }
    refreshFromProject(KeepPeriod);
    if (m_climate != nullptr)
        m_climate->setAssessmentType(assessmentType(), true);
}

void AssessmentTypeWidget::doubleEditingFinished() {
    const Document *document = m_document.document();
    if (!m_createUndo || document == nullptr)
        return;
    double condensation = 0;
    double drying = 0;
    if (!m_ui->lineEditCondensationTime->currentValue(condensation) ||
        !m_ui->lineEditDryingTime->currentValue(drying))
        return;
    const QString description = sender() == m_ui->lineEditDryingTime
                                    ? tr("Undo change of evaporation time")
                                    : tr("Undo change of condensation time.");
    auto *command =
        new T2_UndoAssessmentType(m_document, description, assessmentType(), condensation, drying);
    command->addEditor(this);
    if (!push(command))
        refreshFromProject(KeepPeriod);
}

void AssessmentTypeWidget::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        fillTypes();
    }
    QWidget::changeEvent(event);
}
