// SPDX-License-Identifier: GPL-3.0-or-later
#include "Project.h"

#include <QSaveFile>
#include <QXmlStreamWriter>

#include "ZMT_MessageHandler.h"

Project::Project(QObject *parent) : QObject(parent) {
    // Listeners such as queued connections and signal spies carry the type in a QVariant.
    qRegisterMetaType<Project::ModificationType>();
}

Project &Project::instance() {
    static Project project;
    return project;
}

void Project::newDocument() {
    m_document = std::make_unique<Document>();
    m_fileName.clear();
}

void Project::closeDocument() {
    m_document.reset();
}

void Project::setDocument(const Document &document) {
    if (m_document)
        *m_document = document;
    else
        m_document = std::make_unique<Document>(document);
}

void Project::setModified(ModificationType modType) {
    m_modified = true;
    if (modType == ModificationType::InputData && m_document)
        m_document->recalculate();
    emit modified(modType);
}

bool Project::read(const QString &fileName, QString &errorMessage) {
    Document document = m_document ? *m_document : Document();
    if (!document.readFile(fileName, errorMessage))
        return false;
    setDocument(document);
    return true;
}

bool Project::write(const QString &fileName) const {
    if (!m_document)
        return false;
    // Written beside the target and renamed over it at the end, so a failed save keeps the old file.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        ZMT::postMessage("Cannot open '" + fileName.toStdString() +
                             "' for writing: " + file.errorString().toStdString(),
                         ZMT::MSG_ERROR, "[Project::write]");
        return false;
    }
    // QSaveFile::commit() does not notice a failure of its final flush and would rename a
    // truncated file over the old one, so the flush is checked here.
    if (!write(file) || !file.flush()) {
        ZMT::postMessage("Error writing '" + fileName.toStdString() +
                             "': " + file.errorString().toStdString(),
                         ZMT::MSG_ERROR, "[Project::write]");
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        ZMT::postMessage("Error saving '" + fileName.toStdString() + "': " + file.errorString().toStdString(),
                         ZMT::MSG_ERROR, "[Project::write]");
        return false;
    }
    return true;
}

bool Project::write(QIODevice &device) const {
    if (!m_document)
        return false;
    QXmlStreamWriter writer(&device);
    m_document->writeXML(writer);
    return !writer.hasError();
}
