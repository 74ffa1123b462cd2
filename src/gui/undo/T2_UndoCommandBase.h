// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef T2_UNDOCOMMANDBASE_H
#define T2_UNDOCOMMANDBASE_H

#include <QPointer>
#include <QUndoCommand>
#include <QVector>

#include "EditorRefresh.h"
#include "Project.h"

class Document;
class EditorDocument;
class InputData;

/*! Base of the undo commands of the project editors.

    Ownership: the undo stack owns its commands, and a command owns every value it needs to redo
    or undo itself. A command that removes or replaces something (a layer, a material, climate
    values, texts) keeps its own copy of what it took away for as long as it sits in the stack;
    it never points into the project's data, which changes under it. Widgets a command updates
    (the construction table, an editor field) are watched, so a command that outlives them
    leaves them alone.

    A command reads the old state and checks the new value in its constructor; isValid() is false
    when the new value is out of range or changes nothing, and EditorDocument::push() then
    deletes the command instead of recording it. redo() and undo() change the project only
    through the model's editing operations and end in exactly one setModified() with the
    command's modification type, which recalculates where needed and refreshes every view. No
    command merges with another: every edit is one step of the history.

    The command text is ": " followed by the description, so the undo action reads
    "Undo : Add layer left to no. 2". */
class T2_UndoCommandBase : public QUndoCommand {
public:
    T2_UndoCommandBase(EditorDocument &document, const QString &description);

    /*! False when the command would change nothing or carries an invalid value: do not push it. */
    bool isValid() const { return m_valid; }

    /*! Lets \a editor (a QObject) reload its fields after every redo and undo of this command.
        Call before pushing. */
    void addEditor(EditorRefresh *editor);

protected:
    EditorDocument &editorDocument() { return m_document; }
    /*! True when a project is open; commands do nothing without one. */
    bool hasDocument() const;
    /*! The open document; only while hasDocument(). */
    Document &document();
    InputData &inputData();

    void setValid(bool valid) { m_valid = valid; }
    /*! Marks the project modified: the last step of every redo and undo. */
    void setModified(Project::ModificationType type);
    /*! Reloads the editors handed to addEditor(). */
    void refreshEditors(EditorRefresh::Period period);

private:
    struct Editor {
        QPointer<QObject> object; ///< tells whether the editor still exists
        EditorRefresh *editor;
    };

    EditorDocument &m_document;
    bool m_valid = true;
    QVector<Editor> m_editors;
};

#endif // T2_UNDOCOMMANDBASE_H
