// SPDX-License-Identifier: GPL-3.0-or-later
// The elements "Climate" and "Options" of the project file.

#include "AssessmentConditions.h"

#include <limits>

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include "XMLHelpers.h"

using namespace XMLHelpers;

namespace {

// Attribute names of one side: winter temperature, humidity, heat transfer coefficient,
// summer temperature and humidity.
struct SideNames {
    const char *element;
    const char *T;
    const char *rh;
    const char *alpha;
    const char *T_summer;
    const char *rh_summer;
};

const SideNames InteriorNames = {"Interior", "T_i", "rh_i", "alpha_i", "T_i_summer", "rh_i_summer"};
const SideNames ExteriorNames = {"Exterior", "T_e", "rh_e", "alpha_e", "T_e_summer", "rh_e_summer"};

bool inRange(double value, double low, double high) {
    return value >= low && value <= high;
}

// Reads one side into the winter and summer climate; returns whether the values are in range.
// The kind code and outside flag of the climates are kept; the summer surface resistance is not
// in the file and stays as it is.
bool readSide(QXmlStreamReader &reader, const SideNames &names, ClimateCondition &winter,
              ClimateCondition &summer) {
    double T = winter.temperature();
    double rh = winter.relativeHumidity();
    double alpha = 1.0 / winter.surfaceResistance();
    double Ts = summer.temperature();
    double rhs = summer.relativeHumidity();
    readDoubleAttribute(reader, QLatin1String(names.T), T);
    readDoubleAttribute(reader, QLatin1String(names.rh), rh);
    // A surface resistance of 0 (first-generation files allow it, the input check refuses it) is
    // written as the coefficient "inf"; it reads back as the 0 it was, so the file opens again.
    if (reader.attributes().value(QLatin1String(names.alpha)) == QLatin1String("inf"))
        alpha = std::numeric_limits<double>::infinity();
    else
        readDoubleAttribute(reader, QLatin1String(names.alpha), alpha);
    readDoubleAttribute(reader, QLatin1String(names.T_summer), Ts);
    readDoubleAttribute(reader, QLatin1String(names.rh_summer), rhs);
    skipCurrentElement(reader);
    // Taken over even when out of range, so the editors can show what the file holds.
    winter = ClimateCondition(T, rh, 1.0 / alpha, winter.kind(), winter.isOutside());
    summer = ClimateCondition(Ts, rhs, summer.surfaceResistance(), summer.kind(), summer.isOutside());
    return inRange(T, -40, 80) && inRange(Ts, -40, 80) && inRange(rh, 0, 100) && inRange(rhs, 0, 100) &&
           alpha > 0;
}

void writeSide(QXmlStreamWriter &writer, const SideNames &names, const ClimateCondition &winter,
               const ClimateCondition &summer) {
    writer.writeStartElement(QLatin1String(names.element));
    writeDoubleAttribute(writer, QLatin1String(names.T), winter.temperature());
    writeDoubleAttribute(writer, QLatin1String(names.rh), winter.relativeHumidity());
    writeDoubleAttribute(writer, QLatin1String(names.alpha), 1.0 / winter.surfaceResistance());
    writeDoubleAttribute(writer, QLatin1String(names.T_summer), summer.temperature());
    writeDoubleAttribute(writer, QLatin1String(names.rh_summer), summer.relativeHumidity());
    writer.writeEndElement();
}

} // namespace

bool AssessmentConditions::readClimateXML(QXmlStreamReader &reader) {
    bool valid = true;
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String(InteriorNames.element)) {
            ClimateCondition winter = m_interior;
            ClimateCondition summer = m_interiorSummer;
            valid = readSide(reader, InteriorNames, winter, summer) && valid;
            setInteriorClimate(winter);
            setInteriorSummerClimate(summer);
        } else if (reader.name() == QLatin1String(ExteriorNames.element)) {
            ClimateCondition winter = m_exterior;
            ClimateCondition summer = m_exteriorSummer;
            valid = readSide(reader, ExteriorNames, winter, summer) && valid;
            setExteriorClimate(winter);
            setExteriorSummerClimate(summer);
        } else {
            skipCurrentElement(reader);
        }
    }
    return valid;
}

void AssessmentConditions::writeClimateXML(QXmlStreamWriter &writer) const {
    writer.writeStartElement(QStringLiteral("Climate"));
    writeSide(writer, InteriorNames, m_interior, m_interiorSummer);
    writeSide(writer, ExteriorNames, m_exterior, m_exteriorSummer);
    writer.writeEndElement();
}

bool AssessmentConditions::readOptionsXML(QXmlStreamReader &reader) {
    double tT = m_tT;
    double tT_summer = m_tT_summer;
    readDoubleAttribute(reader, QStringLiteral("tT"), tT);
    readDoubleAttribute(reader, QStringLiteral("tT_summer"), tT_summer);
    setCondensationTime(tT);
    setEvaporationTime(tT_summer);
    skipCurrentElement(reader);
    return tT > 0 && tT_summer > 0;
}

void AssessmentConditions::writeOptionsXML(QXmlStreamWriter &writer) const {
    writer.writeStartElement(QStringLiteral("Options"));
    writeDoubleAttribute(writer, QStringLiteral("tT"), m_tT);
    writeDoubleAttribute(writer, QStringLiteral("tT_summer"), m_tT_summer);
    writer.writeEndElement();
}
