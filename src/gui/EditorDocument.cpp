// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorDocument.h"

#include "Document.h"
#include "T2_UndoCommandBase.h"

EditorDocument::EditorDocument(Project &project, QObject *parent)
    : QObject(parent), m_project(project), m_undoStack(this) {
    connect(&m_project, &Project::modified, this, &EditorDocument::projectModified);
    connect(&m_project, &Project::modified, this, &EditorDocument::modified);
    connect(&m_undoStack, &QUndoStack::cleanChanged, this, &EditorDocument::cleanChanged);
}

bool EditorDocument::push(T2_UndoCommandBase *command) {
    if (command == nullptr)
        return false;
    if (!command->isValid() || !hasDocument()) {
        delete command;
        return false;
    }
    m_undoStack.push(command);
    return true;
}

void EditorDocument::setModifiedByCommand(ModificationType modType) {
    ++m_commandDepth;
    m_project.setModified(modType);
    --m_commandDepth;
}

void EditorDocument::projectModified() {
    // A change past the history: no step of the history is the saved state any more.
    if (m_commandDepth == 0)
        m_undoStack.resetClean();
}

void EditorDocument::clearHistory() {
    // Clearing makes the empty history clean; that is no return to a saved state.
    m_clearing = true;
    m_undoStack.clear();
    m_clearing = false;
}

void EditorDocument::cleanChanged(bool clean) {
    if (!clean || m_clearing || !m_project.hasDocument() || !m_project.isModified())
        return;
    m_project.setUnmodified();
    emit savedStateReached();
}

bool EditorDocument::hasLayers() const {
    return m_project.hasDocument() && !m_project.document()->inputData().layers().isEmpty();
}

void EditorDocument::newDocument() {
    m_project.newDocument();
    clearHistory();
    m_project.setModified(ModificationType::InputData);
}

void EditorDocument::closeDocument() {
    m_project.closeDocument();
    clearHistory();
}

void EditorDocument::setDocument(const Document &document) {
    m_project.setDocument(document);
    clearHistory();
    m_project.setModified(ModificationType::InputData);
}

bool EditorDocument::read(const QString &fileName, QString &errorMessage) {
    if (!m_project.read(fileName, errorMessage))
        return false;
    m_project.setFileName(fileName);
    clearHistory();
    m_project.setModified(ModificationType::InputData);
    m_project.setUnmodified();
    m_undoStack.setClean();
    return true;
}

bool EditorDocument::save(const QString &fileName) {
    if (!m_project.write(fileName))
        return false;
    m_project.setFileName(fileName);
    m_project.setUnmodified();
    m_undoStack.setClean();
    return true;
}
