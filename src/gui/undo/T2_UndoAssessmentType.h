// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef T2_UNDOASSESSMENTTYPE_H
#define T2_UNDOASSESSMENTTYPE_H

#include "AssessmentConditions.h"
#include "T2_UndoCommandBase.h"

/*! Sets the assessment type and, for custom conditions, the lengths of the condensation and the
    evaporation period (days), as the assessment type editor shows them.

    Choosing a type rewrites the climate of both sides, the summer values and the periods, so the
    command keeps the whole assessment conditions before and after the change: redo assigns the
    new ones, undo the old ones, and the user gets back exactly what was there. Invalid for an
    unknown type, a period outside 0.1 < days < 300, or no change. */
class T2_UndoAssessmentType : public T2_UndoCommandBase {
public:
    T2_UndoAssessmentType(EditorDocument &document, const QString &description, int assessmentType,
                          double condensationDays = 90.0, double evaporationDays = 90.0);

    void redo() override;
    void undo() override;

private:
    void assign(const AssessmentConditions &conditions);

    AssessmentConditions m_before;
    AssessmentConditions m_after;
};

#endif // T2_UNDOASSESSMENTTYPE_H
