// SPDX-License-Identifier: GPL-3.0-or-later
#include "T2_UndoClimateAll.h"

#include "ClimatePresetTable.h"
#include "InputData.h"

T2_UndoClimateAll::T2_UndoClimateAll(EditorDocument &document, QTableWidget *table,
                                     const QString &description, int presetId, bool warmSide,
                                     int assessmentType)
    : T2_UndoTableViewBase(document, table, description), m_warmSide(warmSide) {
    if (!isValid())
        return;
    m_before = inputData().assessmentConditions();
    const int type = assessmentType < 0 ? m_before.assessmentType() : assessmentType;
    if (!ClimatePresetTable::isAllowed(type, warmSide, presetId)) {
        setValid(false);
        return;
    }
    m_after = m_before;
    m_after.setAssessmentType(type, presetId,
                              warmSide ? AssessmentConditions::WarmSide : AssessmentConditions::ColdSide);
    setValid(m_after.differsFrom(m_before));
}

void T2_UndoClimateAll::redo() {
    assign(m_after);
}

void T2_UndoClimateAll::undo() {
    assign(m_before);
}

void T2_UndoClimateAll::assign(const AssessmentConditions &conditions) {
    if (!hasDocument())
        return;
    inputData().setAssessmentConditions(conditions);
    setModified(Project::ModificationType::InputData);
    selectColumn(sideColumn(m_warmSide));
    refreshEditors(EditorRefresh::CondensationPeriod);
}
