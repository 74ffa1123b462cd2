#include "Project.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include "ZMT_MessageHandler.h"

namespace {

// First-generation project files; until their reader exists every such file is refused.
bool readLegacyProject(QFile &file, Document &document, QString &errorMessage) {
    Q_UNUSED(file)
    Q_UNUSED(document)
    errorMessage = Project::tr("Project files of the first program generation (TAVO 1) cannot be read yet.");
    return false;
}

// STAND-IN for the Glaser calculation, used until the calculation library provides it: keeps the
// results record consistent with the input (no layers, or not calculated) and nothing more.
void standInCalculation(const InputData &input, int heatFlowDirection, CalculationResults &results) {
    Q_UNUSED(heatFlowDirection)
    results.reset();
    results.resize(input.layers().size());
    results.calcState =
        input.layers().isEmpty() ? CalculationResults::CS_NoLayers : CalculationResults::CS_InvalidInput;
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
    InputData &input = m_document->inputData();
    input.check();
    standInCalculation(input, m_document->projectInformation().HeatFlowDirection, m_document->results());
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
    if (!write(file)) {
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
