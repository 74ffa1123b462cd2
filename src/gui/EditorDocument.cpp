#include "EditorDocument.h"

#include "Document.h"

EditorDocument::EditorDocument(Project &project, QObject *parent)
    : QObject(parent), m_project(project), m_undoStack(this) {
    connect(&m_project, &Project::modified, this, &EditorDocument::modified);
}

bool EditorDocument::hasLayers() const {
    return m_project.hasDocument() && !m_project.document()->inputData().layers().isEmpty();
}

void EditorDocument::newDocument() {
    m_project.newDocument();
    m_undoStack.clear();
    m_project.setModified(ModificationType::InputData);
}

void EditorDocument::closeDocument() {
    m_project.closeDocument();
    m_undoStack.clear();
}

void EditorDocument::setDocument(const Document &document) {
    m_project.setDocument(document);
    m_project.setModified(ModificationType::InputData);
}

bool EditorDocument::read(const QString &fileName, QString &errorMessage) {
    if (!m_project.read(fileName, errorMessage))
        return false;
    m_project.setFileName(fileName);
    m_project.setModified(ModificationType::InputData);
    m_project.setUnmodified();
    return true;
}

bool EditorDocument::save(const QString &fileName) {
    if (!m_project.write(fileName))
        return false;
    m_project.setFileName(fileName);
    m_project.setUnmodified();
    return true;
}
