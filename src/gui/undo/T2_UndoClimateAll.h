// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef T2_UNDOCLIMATEALL_H
#define T2_UNDOCLIMATEALL_H

#include "AssessmentConditions.h"
#include "T2_UndoTableViewBase.h"

/*! Applies a climate preset to one side under the current assessment type (the type decides
    which presets are allowed and what else follows) and selects that side's column of the
    construction table.

    A preset may rewrite more than the side's winter climate (a side that matches no preset of
    the type is replaced too), so the command keeps the whole assessment conditions before and
    after. Invalid when the preset is not allowed for the side and type, or changes nothing.

    \a assessmentType is the type whose presets the editor offers: the project's (-1), or custom
    conditions the user has chosen on a project whose values still match a DIN type. */
class T2_UndoClimateAll : public T2_UndoTableViewBase {
public:
    T2_UndoClimateAll(EditorDocument &document, QTableWidget *table, const QString &description, int presetId,
                      bool warmSide, int assessmentType = -1);

    void redo() override;
    void undo() override;

private:
    void assign(const AssessmentConditions &conditions);

    bool m_warmSide;
    AssessmentConditions m_before;
    AssessmentConditions m_after;
};

#endif // T2_UNDOCLIMATEALL_H
