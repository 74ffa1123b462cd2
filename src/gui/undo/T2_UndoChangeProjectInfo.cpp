// SPDX-License-Identifier: GPL-3.0-or-later
#include "T2_UndoChangeProjectInfo.h"

#include <utility>

#include "Document.h"

T2_UndoChangeProjectInfo::T2_UndoChangeProjectInfo(EditorDocument &document, const QString &description,
                                                   const ProjectInformation &information)
    : T2_UndoCommandBase(document, description), m_information(information) {
    setValid(isValid() && this->document().projectInformation() != information);
}

void T2_UndoChangeProjectInfo::redo() {
    swap();
}

void T2_UndoChangeProjectInfo::undo() {
    swap();
}

void T2_UndoChangeProjectInfo::swap() {
    if (!hasDocument())
        return;
    ProjectInformation &current = document().projectInformation();
    const bool heatFlowChanged = current.HeatFlowDirection != m_information.HeatFlowDirection;
    std::swap(current, m_information);
    setModified(heatFlowChanged ? Project::ModificationType::InputData
                                : Project::ModificationType::ProjectInformation);
}
