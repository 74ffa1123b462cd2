// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClimateEditWidget.h"
#include "ui_ClimateEditWidget.h"

#include <QEvent>
#include <QTableWidget>

#include <limits>

#include "AssessmentTypeWidget.h"
#include "ClimatePresetTable.h"
#include "Document.h"
#include "EditorDocument.h"
#include "T2_UndoClimate.h"
#include "T2_UndoClimateAll.h"
#include "WinterTemperatureValidator.h"

namespace {

const QChar DegreeSign(0x00B0);

bool sameValues(const ClimateCondition &a, const ClimateCondition &b) {
    return ClimatePresetTable::matches(a.temperature(), b.temperature()) &&
           ClimatePresetTable::matches(a.relativeHumidity(), b.relativeHumidity()) &&
           ClimatePresetTable::matches(a.surfaceResistance(), b.surfaceResistance());
}

} // namespace

ClimateEditWidget::ClimateEditWidget(EditorDocument &document, QWidget *parent)
    : QWidget(parent), m_ui(new Ui::ClimateEditWidget), m_document(document) {
    m_ui->setupUi(this);
    Ui::ClimateEditWidget &ui = *m_ui;
    ui.lineEditClimateT->setup(-40, 80, tr("The temperature must be > -40%1C and < 80%1C.").arg(DegreeSign));
    m_winterCheck = new WinterTemperatureValidator(document, m_warmSide);
    ui.lineEditClimateT->setValidator(m_winterCheck);
    ui.lineEditClimateRH->setup(0, 100, tr("The relative humidity must be > 0% and < 100%."));
    // 0 is refused as well: a surface without any resistance would take the air temperature.
    ui.lineEditClimateRT->setup(0, std::numeric_limits<double>::max(),
                                tr("The surface resistance must be >= 0."));

    connect(ui.lineEditClimateT, &VaDar::ValidatingLineEdit::editingFinishedSuccessfully, this,
            &ClimateEditWidget::doubleEditingFinishedTemperature);
    for (VaDar::ValidatingLineEdit *field : {ui.lineEditClimateRH, ui.lineEditClimateRT})
        connect(field, &VaDar::ValidatingLineEdit::editingFinishedSuccessfully, this,
                &ClimateEditWidget::doubleEditingFinished);
    for (VaDar::ValidatingLineEdit *field : {ui.lineEditClimateT, ui.lineEditClimateRH, ui.lineEditClimateRT})
        connect(field, &VaDar::ValidatingLineEdit::editingRefused, this, &ClimateEditWidget::statusMessage);
    // Only the user's choice: filling the box while the project is shown must create nothing.
    connect(ui.comboBoxClimatePresets, QOverload<int>::of(&QComboBox::activated), this,
            &ClimateEditWidget::comboBoxClimatePresetsCurrentIndexChanged);
    for (QRadioButton *button : {ui.radioButtonWinter, ui.radioButtonSummer})
        connect(button, &QRadioButton::clicked, this, &ClimateEditWidget::radioButtonPeriod_clicked);

    QFont bold = ui.labelSide->font();
    bold.setBold(true);
    ui.labelSide->setFont(bold);
    setSide(nullptr, true);
}

ClimateEditWidget::~ClimateEditWidget() {
    // Fields that lose the focus while they are destroyed must not reach this editor any more.
    for (QObject *child : findChildren<QObject *>())
        child->disconnect(this);
    delete m_ui;
}

QString ClimateEditWidget::sideName() const {
    return m_warmSide ? tr("warm side") : tr("cold side");
}

bool ClimateEditWidget::showsCondensationPeriod() const {
    return !m_ui->radioButtonSummer->isChecked();
}

int ClimateEditWidget::currentAssessmentType() const {
    if (m_typeWidget != nullptr)
        return m_typeWidget->assessmentType();
    const Document *document = m_document.document();
    return document != nullptr ? document->inputData().assessmentConditions().assessmentType()
                               : int(AssessmentConditions::DIN4108_2014);
}

void ClimateEditWidget::setSide(QTableWidget *table, bool warmSide) {
    m_table = table;
    const bool changed = warmSide != m_warmSide || m_assessmentType > AssessmentConditions::DIN4108_2014;
    m_warmSide = warmSide;
    m_winterCheck->setWarmSideEdit(warmSide);
    m_ui->labelSide->setText(warmSide ? tr("Inside climate (warm side)") : tr("Outside climate (cold side)"));
    m_assessmentType = currentAssessmentType();
    if (changed)
        fillPresets();
    reload();
}

void ClimateEditWidget::setAssessmentType(int type, bool force) {
    if (!force && type == m_assessmentType)
        return;
    m_assessmentType = type;
    fillPresets();
    reload();
}

void ClimateEditWidget::refreshFromProject(Period period) {
    if (period != KeepPeriod)
        (period == CondensationPeriod ? m_ui->radioButtonWinter : m_ui->radioButtonSummer)->setChecked(true);
    const int type = currentAssessmentType();
    if (type != m_assessmentType) {
        m_assessmentType = type;
        fillPresets();
    }
    reload();
}

void ClimateEditWidget::setAssessmentPeriod(bool condensation) {
    (condensation ? m_ui->radioButtonWinter : m_ui->radioButtonSummer)->setChecked(true);
    reload();
}

void ClimateEditWidget::radioButtonPeriod_clicked() {
    reload();
}

void ClimateEditWidget::fillPresets() {
    const bool createUndo = m_createUndo;
    m_createUndo = false;
    QComboBox *box = m_ui->comboBoxClimatePresets;
    box->clear();
    box->addItems(ClimatePresetTable::instance().presetNames(m_assessmentType, !m_warmSide));
    m_createUndo = createUndo;
}

void ClimateEditWidget::reload() {
    Ui::ClimateEditWidget &ui = *m_ui;
    const bool createUndo = m_createUndo;
    m_createUndo = false;
    const Document *document = m_document.document();
    setEnabled(document != nullptr);
    if (document == nullptr) {
        for (VaDar::ValidatingLineEdit *field :
             {ui.lineEditClimateT, ui.lineEditClimateRH, ui.lineEditClimateRT})
            field->clearValue();
        ui.comboBoxClimatePresets->setCurrentIndex(-1);
        m_createUndo = createUndo;
        return;
    }
    const AssessmentConditions &c = document->inputData().assessmentConditions();
    const ClimateCondition &winter = m_warmSide ? c.interiorClimate() : c.exteriorClimate();
    const ClimateCondition &summer = m_warmSide ? c.interiorSummerClimate() : c.exteriorSummerClimate();

    // The preset whose values the side's winter climate has; values of no preset are custom.
    const ClimatePresetTable &presets = ClimatePresetTable::instance();
    QComboBox *box = ui.comboBoxClimatePresets;
    int current = -1;
    int custom = -1;
    for (int i = 0; i < box->count() && current < 0; ++i) {
        const ClimatePreset preset = presets.presets().value(box->itemText(i));
        if (preset.m_id == 0)
            custom = i;
        if (sameValues(preset.m_climate, winter))
            current = i;
    }
    box->setCurrentIndex(current >= 0 ? current : custom);

    const bool condensation = showsCondensationPeriod();
    const ClimateCondition &shown = condensation ? winter : summer;
    m_winterCheck->setActive(condensation);
    ui.lineEditClimateT->setValue(shown.temperature());
    ui.lineEditClimateRH->setValue(shown.relativeHumidity());
    // One resistance serves both periods.
    ui.lineEditClimateRT->setValue(winter.surfaceResistance());
    const bool free = m_assessmentType == AssessmentConditions::CustomConditions;
    for (VaDar::ValidatingLineEdit *field : {ui.lineEditClimateT, ui.lineEditClimateRH, ui.lineEditClimateRT})
        field->setEnabled(free);
    m_createUndo = createUndo;
}

void ClimateEditWidget::pushClimate(QWidget *field, int valueNumber, const QString &description) {
    if (!m_createUndo || !m_document.hasDocument())
        return;
    auto *command = new T2_UndoClimate(m_document, m_table, qobject_cast<QLineEdit *>(field), description,
                                       valueNumber, m_warmSide);
    command->addEditor(this);
    const bool pushed = m_typeWidget != nullptr ? m_typeWidget->push(command) : m_document.push(command);
    if (!pushed)
        reload();
}

void ClimateEditWidget::doubleEditingFinishedTemperature() {
    const bool condensation = showsCondensationPeriod();
    pushClimate(m_ui->lineEditClimateT,
                condensation ? T2_UndoClimate::CondensationTemperature
                             : T2_UndoClimate::EvaporationTemperature,
                tr("Undo change of temperature (condensation) at %1").arg(sideName()));
}

void ClimateEditWidget::doubleEditingFinished() {
    if (sender() == m_ui->lineEditClimateRH) {
        const bool condensation = showsCondensationPeriod();
        pushClimate(m_ui->lineEditClimateRH,
                    condensation ? T2_UndoClimate::CondensationHumidity : T2_UndoClimate::EvaporationHumidity,
                    tr("Undo change of relative humidity (condensation) at %1").arg(sideName()));
    } else if (sender() == m_ui->lineEditClimateRT) {
        pushClimate(m_ui->lineEditClimateRT, T2_UndoClimate::SurfaceResistance,
                    tr("Undo change of surface resistance at %1").arg(sideName()));
    }
}

void ClimateEditWidget::comboBoxClimatePresetsCurrentIndexChanged(int index) {
    if (!m_createUndo || !m_document.hasDocument() || index < 0)
        return;
    const int id =
        ClimatePresetTable::instance().presetIdByName(m_ui->comboBoxClimatePresets->itemText(index));
    auto *command =
        new T2_UndoClimateAll(m_document, m_table, tr("Undo change climate data set at %1").arg(sideName()),
                              id, m_warmSide, m_assessmentType);
    command->addEditor(this);
    const bool pushed = m_typeWidget != nullptr ? m_typeWidget->push(command) : m_document.push(command);
    if (!pushed)
        reload(); // the same preset again: nothing changes, the box shows the project's preset
}

void ClimateEditWidget::changeEvent(QEvent *event) {
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        m_ui->labelSide->setText(m_warmSide ? tr("Inside climate (warm side)")
                                            : tr("Outside climate (cold side)"));
    }
    QWidget::changeEvent(event);
}
