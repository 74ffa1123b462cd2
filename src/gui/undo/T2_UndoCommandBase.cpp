// SPDX-License-Identifier: GPL-3.0-or-later
#include "T2_UndoCommandBase.h"

#include "Document.h"
#include "EditorDocument.h"

T2_UndoCommandBase::T2_UndoCommandBase(EditorDocument &document, const QString &description)
    : QUndoCommand(QStringLiteral(": ") + description), m_document(document) {
    m_valid = document.hasDocument();
}

void T2_UndoCommandBase::addEditor(EditorRefresh *editor) {
    QObject *object = dynamic_cast<QObject *>(editor);
    if (object != nullptr)
        m_editors.append({object, editor});
}

bool T2_UndoCommandBase::hasDocument() const {
    return m_document.hasDocument();
}

Document &T2_UndoCommandBase::document() {
    return *m_document.project().document();
}

InputData &T2_UndoCommandBase::inputData() {
    return document().inputData();
}

void T2_UndoCommandBase::setModified(Project::ModificationType type) {
    m_document.setModifiedByCommand(type);
}

void T2_UndoCommandBase::refreshEditors(EditorRefresh::Period period) {
    for (const Editor &e : qAsConst(m_editors))
        if (e.object)
            e.editor->refreshFromProject(period);
}
