#include "Project.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include "ZMT_MessageHandler.h"

namespace {

// First-generation project files.
bool readLegacyProject(QFile &file, Document &document, QString &errorMessage) {
    return document.readOld(file.fileName(), errorMessage);
}

} // namespace

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

void Project::setModified(int modType) {
    m_modified = true;
    if (modType == InputDataModified && m_document)
        recalculate();
    emit modified(modType);
}

void Project::recalculate() {
    m_document->inputData().check();
    m_document->calculate();
}

bool Project::read(const QString &fileName, QString &errorMessage) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        errorMessage = tr("Cannot open file '%1' for reading (maybe missing permissions).").arg(fileName);
        return false;
    }
    const QString legacyPrefix = tr("Error reading file as TAVO 1 version.\n");
    const QString extension = QFileInfo(fileName).suffix().toLower();
    Document document = m_document ? *m_document : Document();
    if (extension == QLatin1String("tpj")) {
        QString legacyMessage;
        if (!readLegacyProject(file, document, legacyMessage)) {
            errorMessage = legacyPrefix + legacyMessage;
            return false;
        }
    } else {
        QXmlStreamReader reader(&file);
        if (!document.readXML(reader)) {
            errorMessage = reader.errorString();
            if (extension == QLatin1String("t2p"))
                return false;
            // A project under another extension may still be a first-generation file.
            file.seek(0);
            document = m_document ? *m_document : Document();
            QString legacyMessage;
            if (!readLegacyProject(file, document, legacyMessage)) {
                errorMessage = legacyPrefix + legacyMessage;
                return false;
            }
            errorMessage.clear(); // the XML error no longer applies
        }
    }
    if (document.inputData().layers().isEmpty()) {
        errorMessage = tr("Project doesn't contain any layers. Please create a new project!");
        return false;
    }
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
