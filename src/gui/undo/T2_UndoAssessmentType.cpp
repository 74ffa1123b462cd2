// SPDX-License-Identifier: GPL-3.0-or-later
#include "T2_UndoAssessmentType.h"

#include "InputData.h"

namespace {

bool validPeriod(double days) {
    return days > 0.1 && days < 300;
}

} // namespace

T2_UndoAssessmentType::T2_UndoAssessmentType(EditorDocument &document, const QString &description,
                                             int assessmentType, double condensationDays,
                                             double evaporationDays)
    : T2_UndoCommandBase(document, description) {
    if (!isValid() || assessmentType < AssessmentConditions::CustomConditions ||
        assessmentType > AssessmentConditions::DIN4108_2014) {
        setValid(false);
        return;
    }
    m_before = inputData().assessmentConditions();
    m_after = m_before;
    if (assessmentType != m_before.assessmentType())
        m_after.setAssessmentType(assessmentType);
    // The DIN types fix the periods; only custom conditions take them from the editor.
    if (assessmentType == AssessmentConditions::CustomConditions) {
        if (!validPeriod(condensationDays) || !validPeriod(evaporationDays)) {
            setValid(false);
            return;
        }
        m_after.setCondensationTime(condensationDays);
        m_after.setEvaporationTime(evaporationDays);
    }
    setValid(m_after.differsFrom(m_before));
}

void T2_UndoAssessmentType::redo() {
    assign(m_after);
}

void T2_UndoAssessmentType::undo() {
    assign(m_before);
}

void T2_UndoAssessmentType::assign(const AssessmentConditions &conditions) {
    if (!hasDocument())
        return;
    inputData().setAssessmentConditions(conditions);
    setModified(Project::ModificationType::InputData);
    refreshEditors(EditorRefresh::KeepPeriod);
}
