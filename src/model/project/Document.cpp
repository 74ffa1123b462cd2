#include "Document.h"

#include <QCoreApplication>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include "XMLHelpers.h"

namespace {

// The root of the current format, and that of the files written under the program's former name.
bool isProjectRoot(const QXmlStreamReader &reader) {
    const QStringRef version = reader.attributes().value(QStringLiteral("version"));
    return (reader.name() == QLatin1String("TavoProject") && version == QLatin1String("2.0")) ||
           (reader.name() == QLatin1String("ZorbexProject") && version == QLatin1String("1.0"));
}

} // namespace

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
