// SPDX-License-Identifier: GPL-3.0-or-later
#include "T2_UndoHeatFlowDirection.h"

#include <QAction>
#include <QActionGroup>

#include <utility>

#include "Document.h"

T2_UndoHeatFlowDirection::T2_UndoHeatFlowDirection(EditorDocument &document, QActionGroup *actionGroup,
                                                   const QString &description, int direction)
    : T2_UndoCommandBase(document, description), m_actionGroup(actionGroup) {
    setValid(isValid() && heatFlowDirectionFromInt(direction, m_direction) &&
             m_direction != this->document().projectInformation().HeatFlowDirection);
}

void T2_UndoHeatFlowDirection::redo() {
    swap();
}

void T2_UndoHeatFlowDirection::undo() {
    swap();
}

void T2_UndoHeatFlowDirection::swap() {
    if (!hasDocument())
        return;
    std::swap(document().projectInformation().HeatFlowDirection, m_direction);
    const int code = int(document().projectInformation().HeatFlowDirection);
    if (m_actionGroup)
        for (QAction *action : m_actionGroup->actions())
            if (action->data().toInt() == code)
                action->setChecked(true);
    setModified(Project::ModificationType::InputData);
}
