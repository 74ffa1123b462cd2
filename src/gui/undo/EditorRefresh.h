// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef EDITORREFRESH_H
#define EDITORREFRESH_H

/*! An editor widget that undo commands bring up to date after they changed the project.

    The editors of the climate and the assessment type show values that a command may change
    behind their back (an undo, a preset that rewrites both sides). A command handed such an
    editor calls refreshFromProject() after its change; the editor reloads its fields from the
    project without creating undo commands of its own while it does so. An implementation must
    also be a QObject, so that a command outliving its editor notices and skips it. */
class EditorRefresh {
public:
    /*! Which period of the climate the editor should show afterwards. */
    enum Period {
        KeepPeriod = -1,        ///< whatever it shows
        CondensationPeriod = 0, ///< winter values
        EvaporationPeriod = 1   ///< summer values
    };

    virtual ~EditorRefresh() = default;

    /*! Reloads every field from the project, showing \a period, without creating undo commands. */
    virtual void refreshFromProject(Period period) = 0;
};

#endif // EDITORREFRESH_H
