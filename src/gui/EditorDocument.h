// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef EDITORDOCUMENT_H
#define EDITORDOCUMENT_H

#include <QObject>
#include <QString>
#include <QUndoStack>

#include "Project.h"

class Document;
class T2_UndoCommandBase;

/*! The open project as the window edits it: the Project (document, file name, modified flag)
    and the one undo history of its edits. The start of the program makes one and hands it to the
    main window, which hands it on to whatever views and commands need the project; nothing in the
    window reaches the project in another way.

    Views read the document through the const accessors and refresh on modified(); changes go
    through undo commands pushed with push(), which end in Project::setModified(). Every
    lifecycle step that replaces or closes the document also clears the history, so no command of
    one project can ever be replayed on another.

    The history's clean state is the state last saved (or opened): undoing or redoing back to it
    makes the project unmodified again (savedStateReached()). A change made outside the history
    leaves no clean state to return to until the next save. */
class EditorDocument : public QObject {
    Q_OBJECT
public:
    using ModificationType = Project::ModificationType;

    explicit EditorDocument(Project &project, QObject *parent = nullptr);

    /*! The project itself, for undo commands that change its input data. */
    Project &project() { return m_project; }
    const Project &project() const { return m_project; }
    QUndoStack *undoStack() { return &m_undoStack; }

    bool hasDocument() const { return m_project.hasDocument(); }
    /*! The open document, or nullptr when no project is open. */
    const Document *document() const { return m_project.document(); }
    /*! True when a project is open and its construction has at least one layer. */
    bool hasLayers() const;
    const QString &fileName() const { return m_project.fileName(); }
    bool isModified() const { return m_project.isModified(); }

    /*! A new default document without file name, recalculated; the history is cleared. */
    void newDocument();
    /*! Closes the document; the history is cleared. */
    void closeDocument();
    /*! Copies \a document into the open one (a new one when none is open) and recalculates. */
    void setDocument(const Document &document);
    /*! Reads a project file into the document (see Project::read()), then recalculates and clears
        the modified flag. On failure returns false with \a errorMessage set and changes nothing. */
    bool read(const QString &fileName, QString &errorMessage);
    /*! Writes the document to \a fileName; on success that becomes the file name and the project
        counts as unmodified. False (nothing changed) when writing failed. */
    bool save(const QString &fileName);

    /*! Marks the project modified after a change made outside the history. */
    void setModified(ModificationType modType) { m_project.setModified(modType); }

    /*! Records \a command and runs its redo when it is valid (it changes something); otherwise
        deletes it. Returns whether it was pushed. Takes ownership either way. */
    bool push(T2_UndoCommandBase *command);
    /*! Marks the project modified from inside a command's redo or undo. */
    void setModifiedByCommand(ModificationType modType);

signals:
    /*! After every change of the project, after any recalculation. */
    void modified(Project::ModificationType modType);
    /*! Undo or redo has brought the project back to the state last saved or opened; it is no
        longer modified. */
    void savedStateReached();

private:
    void projectModified();
    void cleanChanged(bool clean);
    void clearHistory();

    Project &m_project;
    QUndoStack m_undoStack;
    int m_commandDepth = 0; ///< > 0 while a command changes the project
    bool m_clearing = false;
};

#endif // EDITORDOCUMENT_H
