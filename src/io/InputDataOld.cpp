// SPDX-License-Identifier: GPL-3.0-or-later
// The climate list and the construction of first-generation project files.

#include "InputData.h"

#include <QCoreApplication>

#include "LegacyTextStream.h"
#include "ZMT_Exception.h"

bool InputData::readClimateOld(LegacyTextStream &in, QString &errorMessage) {
    // The definitions fill, in file order: interior winter, interior summer, exterior winter,
    // exterior summer.
    static const struct {
        bool warmSide;
        int period;
    } targets[4] = {{true, AssessmentConditions::Winter},
                    {true, AssessmentConditions::Summer},
                    {false, AssessmentConditions::Winter},
                    {false, AssessmentConditions::Summer}};
    const QString fourClimates = QCoreApplication::translate(
        "InputData", "[InputData::readClimateOld]  Four climate conditions are required!");
    int count = 0;
    QString line, keyword, value;
    for (;;) {
        if (!in.readNonEmptyLine(line)) {
            errorMessage.clear(); // the file ended inside the block
            return false;
        }
        if (line == QLatin1String("}"))
            break;
        LegacyTextStream::splitKeyword(line, keyword, value);
        if (keyword != QLatin1String("CLIMATE_DEFINITION")) {
            errorMessage =
                QCoreApplication::translate("InputData", "[InputData::readClimateOld]  Illegal keyword '%1'")
                    .arg(line);
            return false;
        }
        if (count == 4) {
            errorMessage = fourClimates;
            return false;
        }
        if (!in.readNonEmptyLine(line)) {
            errorMessage.clear();
            return false;
        }
        if (line != QLatin1String("{")) {
            errorMessage =
                QCoreApplication::translate("InputData", "[InputData::readClimateOld]  Invalid keyword '%1'")
                    .arg(line);
            return false;
        }
        for (;;) {
            if (!in.readNonEmptyLine(line)) {
                errorMessage.clear();
                return false;
            }
            if (line == QLatin1String("}"))
                break;
            LegacyTextStream::splitKeyword(line, keyword, value);
            if (keyword == QLatin1String("Name"))
                continue; // the climate's name has no place in the model
            int quantity = 0;
            const char *unit = nullptr;
            if (keyword == QLatin1String("Temperatur")) {
                quantity = AssessmentConditions::Temperature;
                unit = "C";
            } else if (keyword == QLatin1String("RelHum")) {
                quantity = AssessmentConditions::RelativeHumidity;
                unit = "%";
            } else {
                errorMessage = QCoreApplication::translate(
                                   "InputData", "[InputData::readClimateOld]  Invalid keyword '%1'")
                                   .arg(keyword);
                return false;
            }
            try {
                const double v = LegacyTextStream::parameterValue(keyword, value, unit);
                m_assessmentConditions.setValue(quantity, targets[count].period, targets[count].warmSide, v);
            } catch (const ZMT::Exception &) {
                errorMessage = QCoreApplication::translate(
                                   "InputData", "[InputData::readClimateOld]  Error reading parameter '%1'!")
                                   .arg(keyword);
                return false;
            }
        }
        ++count;
    }
    if (count != 4) {
        errorMessage = fourClimates;
        return false;
    }
    return true;
}

bool InputData::readConstructionOld(LegacyTextStream &in, QString &errorMessage) {
    m_layers.clear();
    QString line, keyword, value;
    for (;;) {
        if (!in.readNonEmptyLine(line)) {
            errorMessage.clear(); // the file ended inside the block
            return false;
        }
        if (line == QLatin1String("}"))
            return true;
        LegacyTextStream::splitKeyword(line, keyword, value);
        if (keyword != QLatin1String("LAYER_DEFINITION")) {
            errorMessage = QCoreApplication::translate(
                               "InputData", "[InputData::readConstructionOld]  Invalid keyword '%1'")
                               .arg(line);
            return false;
        }
        if (!in.readNonEmptyLine(line)) {
            errorMessage.clear();
            return false;
        }
        if (line != QLatin1String("{")) {
            errorMessage = QCoreApplication::translate(
                "InputData", "[InputData::readConstructionOld]  Block start '{' missing!");
            return false;
        }
        MaterialLayer layer;
        if (!layer.readOld(in, errorMessage))
            return false;
        m_layers.append(layer);
    }
}
