// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef T2_UNDOCHANGEPROJECTINFO_H
#define T2_UNDOCHANGEPROJECTINFO_H

#include "ProjectInformation.h"
#include "T2_UndoCommandBase.h"

/*! Replaces the project information; redo and undo exchange the stored copy with the project's.
    The information is saved in the project file, so the project counts as modified (type 2);
    when the heat flow direction changes with it, the project is recalculated (type 0). Invalid
    when nothing changes. */
class T2_UndoChangeProjectInfo : public T2_UndoCommandBase {
public:
    T2_UndoChangeProjectInfo(EditorDocument &document, const QString &description,
                             const ProjectInformation &information);

    void redo() override;
    void undo() override;

private:
    void swap();

    ProjectInformation m_information;
};

#endif // T2_UNDOCHANGEPROJECTINFO_H
