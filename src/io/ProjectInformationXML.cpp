// SPDX-License-Identifier: GPL-3.0-or-later
// The element "ProjectInformation" of the project file.

#include "ProjectInformation.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include "XMLHelpers.h"

using namespace XMLHelpers;

bool ProjectInformation::readXML(QXmlStreamReader &reader) {
    while (reader.readNextStartElement()) {
        const QStringRef name = reader.name();
        if (name == QLatin1String("ProjectName")) {
            readElementText(reader, ProjectName);
        } else if (name == QLatin1String("ConstructionID")) {
            readElementText(reader, ConstructionID);
        } else if (name == QLatin1String("UserName")) {
            readElementText(reader, UserName);
        } else if (name == QLatin1String("Company")) {
            readElementText(reader, Company);
        } else if (name == QLatin1String("Description")) {
            readElementText(reader, Description);
        } else if (name == QLatin1String("DisclaimerText")) {
            readElementText(reader, DisclaimerText);
        } else if (name == QLatin1String("HeatFlowDirection")) {
            // Only the three directions of the air-layer table exist.
            int direction = int(HeatFlowDirection);
            if (readIntElementText(reader, direction, int(::HeatFlowDirection::Upwards),
                                   int(::HeatFlowDirection::Horizontal)))
                heatFlowDirectionFromInt(direction, HeatFlowDirection);
        } else {
            skipCurrentElement(reader);
        }
    }
    return !reader.hasError();
}

void ProjectInformation::writeXML(QXmlStreamWriter &writer) const {
    writer.writeStartElement(QStringLiteral("ProjectInformation"));
    writeTextElement(writer, QStringLiteral("ProjectName"), ProjectName);
    writeTextElement(writer, QStringLiteral("ConstructionID"), ConstructionID);
    writeTextElement(writer, QStringLiteral("UserName"), UserName);
    writeTextElement(writer, QStringLiteral("Company"), Company);
    writeTextElement(writer, QStringLiteral("Description"), Description);
    writeTextElement(writer, QStringLiteral("DisclaimerText"), DisclaimerText);
    writer.writeTextElement(QStringLiteral("HeatFlowDirection"), QString::number(int(HeatFlowDirection)));
    writer.writeEndElement();
}
