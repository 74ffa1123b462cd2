// SPDX-License-Identifier: GPL-3.0-or-later
#include "Document.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include "BoundedFileRead.h"
#include "XMLHelpers.h"

namespace {

// The root of the current format, and that of the files written under the program's former name.
bool isProjectRoot(const QXmlStreamReader &reader) {
    const QStringRef version = reader.attributes().value(QStringLiteral("version"));
    return (reader.name() == QLatin1String("TavoProject") && version == QLatin1String("2.0")) ||
           (reader.name() == QLatin1String("ZorbexProject") && version == QLatin1String("1.0"));
}

} // namespace

void Document::recalculate() {
    m_inputData.check();
    calculate();
}

bool Document::readFile(const QString &fileName, QString &errorMessage) {
    // The messages keep the translation context of the project, whose opening of a file this is.
    // The file is read once into memory: a pipe cannot be read a second time for the second
    // attempt, and the size limit keeps a hostile file from exhausting the memory.
    QByteArray data;
    QString systemError;
    switch (BoundedFileRead::readAll(fileName, MaxFileSize, data, &systemError)) {
    case BoundedFileRead::Ok:
        break;
    case BoundedFileRead::TooLarge:
        errorMessage = QCoreApplication::translate(
                           "Project", "The file is larger than %1 MiB; project files are far smaller.")
                           .arg(MaxFileSize / (1024 * 1024));
        return false;
    case BoundedFileRead::ReadError:
        errorMessage =
            QCoreApplication::translate("Project", "Error reading file '%1': %2").arg(fileName, systemError);
        return false;
    case BoundedFileRead::CannotOpen:
        errorMessage = QCoreApplication::translate(
                           "Project", "Cannot open file '%1' for reading (maybe missing permissions).")
                           .arg(fileName);
        return false;
    }
    const QString legacyPrefix =
        QCoreApplication::translate("Project", "Error reading file as TAVO 1 version.\n");
    const QString extension = QFileInfo(fileName).suffix().toLower();
    Document document = *this;
    if (extension == QLatin1String("tpj")) {
        QString legacyMessage;
        if (!document.readOld(data, fileName, legacyMessage)) {
            errorMessage = legacyPrefix + legacyMessage;
            return false;
        }
    } else {
        QXmlStreamReader reader(data);
        if (!document.readXML(reader)) {
            errorMessage = reader.errorString();
            if (extension == QLatin1String("t2p"))
                return false;
            // A project under another extension may still be a first-generation file.
            document = *this;
            QString legacyMessage;
            if (!document.readOld(data, fileName, legacyMessage)) {
                errorMessage = legacyPrefix + legacyMessage;
                return false;
            }
            errorMessage.clear(); // the XML error no longer applies
        }
    }
    if (document.inputData().layers().isEmpty()) {
        errorMessage = QCoreApplication::translate(
            "Project", "Project doesn't contain any layers. Please create a new project!");
        return false;
    }
    *this = document;
    return true;
}

bool Document::readXML(QXmlStreamReader &reader) {
    m_inputData = InputData();
    if (!reader.readNextStartElement() || !isProjectRoot(reader)) {
        // A syntax error of the reader says more than the wrong-root message.
        if (!reader.hasError())
            reader.raiseError(
                QCoreApplication::translate("Document", "File is not a Tavo 2.0 project file."));
        return false;
    }
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("InputData"))
            m_inputData.readXML(reader);
        else if (reader.name() == QLatin1String("ProjectInformation"))
            m_projectInformation.readXML(reader);
        else
            XMLHelpers::skipCurrentElement(reader);
    }
    return !reader.hasError();
}

void Document::writeXML(QXmlStreamWriter &writer) const {
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(4);
    writer.writeStartDocument(QStringLiteral("1.0"));
    writer.writeDTD(QStringLiteral("<!DOCTYPE TavoProject>"));
    writer.writeStartElement(QStringLiteral("TavoProject"));
    writer.writeAttribute(QStringLiteral("version"), QStringLiteral("2.0"));
    m_inputData.writeXML(writer);
    m_projectInformation.writeXML(writer);
    writer.writeEndElement();
    writer.writeEndDocument();
}
