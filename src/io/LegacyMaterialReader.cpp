// SPDX-License-Identifier: GPL-3.0-or-later
#include "LegacyMaterialReader.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <initializer_list>
#include <utility>

#include "LegacyTextStream.h"
#include "Material.h"
#include "ZMT_Exception.h"

namespace {

// A "Flags" line: up to three numbers (air, wood, wood based); missing ones count as 0, no
// numbers at all clears every flag. False for anything that is not a whole number.
bool readFlags(const QString &text, bool flags[3]) {
    flags[0] = flags[1] = flags[2] = false;
    const QStringList parts = text.split(QRegularExpression(QStringLiteral("[ \t]+")), Qt::SkipEmptyParts);
    if (parts.size() > 3)
        return false;
    for (int i = 0; i < parts.size(); ++i) {
        bool ok = false;
        const int v = parts.at(i).toInt(&ok);
        if (!ok)
            return false;
        flags[i] = v != 0;
    }
    return true;
}

} // namespace

LegacyMaterialReader::Result LegacyMaterialReader::read(LegacyTextStream &in, Material &material) {
    m_keyword.clear();
    m_name.clear();
    m_missing.clear();
    Material m;
    bool haveName = false, haveRho = false, haveLambda = false, haveMu = false, haveW80 = false,
         haveWsat = false;
    QString line, keyword, value;
    for (;;) {
        if (!in.readNonEmptyLine(line))
            return UnexpectedEnd;
        if (line == QLatin1String("}"))
            break;
        LegacyTextStream::splitKeyword(line, keyword, value);
        m_keyword = keyword;
        try {
            if (keyword == QLatin1String("Name")) {
                m.name = value;
                m_name = value;
                haveName = true;
            } else if (keyword == QLatin1String("Kategorie")) {
                m.category = MaterialCategory(categoryFromGermanName(value));
            } else if (keyword == QLatin1String("ProduktID") || keyword == QLatin1String("Produktname")) {
                m.productName = value;
            } else if (keyword == QLatin1String("Hersteller")) {
                m.producer = value;
            } else if (keyword == QLatin1String("Anmerkungen")) {
                m.notes = value;
            } else if (keyword == QLatin1String("Datenquelle") || keyword == QLatin1String("Quelle")) {
                m.dataSource = value;
            } else if (keyword == QLatin1String("Flags")) {
                bool flags[3];
                if (!readFlags(value, flags))
                    return ParameterError;
                m.setFlags(flags[0], flags[1], flags[2], false);
            } else if (keyword == QLatin1String("rho")) {
                m.rho = LegacyTextStream::parameterValue(keyword, value, "kg/m3");
                haveRho = true;
            } else if (keyword == QLatin1String("Lambda")) {
                m.lambda = LegacyTextStream::parameterValue(keyword, value, "W/mK");
                haveLambda = true;
            } else if (keyword == QLatin1String("Mew")) {
                m.mu = LegacyTextStream::parameterValue(keyword, value, "-");
                m.mu_min = m.mu;
                m.mu_max = m.mu;
                haveMu = true;
            } else if (keyword == QLatin1String("W_h80")) {
                m.w_80 = LegacyTextStream::parameterValue(keyword, value, "m3/m3");
                haveW80 = true;
            } else if (keyword == QLatin1String("W_hyg")) {
                const double w = LegacyTextStream::parameterValue(keyword, value, "m3/m3");
                // Files of version 1.3 stored the moisture content at 95 % relative humidity.
                m.w_80 = in.storesHygroscopicMoistureAt95() ? w * 0.8 / 0.95 : w;
                haveW80 = true;
            } else if (keyword == QLatin1String("W_sat")) {
                m.w_sat = LegacyTextStream::parameterValue(keyword, value, "m3/m3");
                haveWsat = true;
            } else if (keyword == QLatin1String("A_w")) {
                // The unit catalogue has no "*" or "^" in its names.
                QString text = value;
                text.replace(QLatin1String("kg/m2*s^0.5"), QLatin1String("kg/m2s05"));
                m.m_Aw = LegacyTextStream::parameterValue(keyword, text, "kg/m2s05");
            } else {
                return InvalidKeyword;
            }
        } catch (const ZMT::Exception &) {
            return ParameterError;
        }
    }
    m_keyword.clear();
    if (!haveName)
        return NameMissing;
    const std::initializer_list<std::pair<bool, const char *>> required = {
        {haveRho, "rho"}, {haveLambda, "Lambda"}, {haveMu, "Mew"}, {haveW80, "W_h80"}, {haveWsat, "W_sat"}};
    for (const auto &r : required) {
        if (!r.first)
            m_missing << QLatin1String(r.second);
    }
    if (!m_missing.isEmpty())
        return MissingData;
    if (m.name.isEmpty())
        m.name = QCoreApplication::translate("Material", "Unknown");
    material = m;
    return Ok;
}

int LegacyMaterialReader::categoryFromGermanName(const QString &text) {
    // The category names of the material lists of the first program generation.
    static const std::pair<const char *, int> germanNames[] = {
        {"Natursteine", 3},
        {"Mauersteine", 2},
        {"Mauerwerk", 2},
        {"Putze/Mörtel/Estriche", 1},
        {"Putze, Mörtel und Ausfachungen", 1},
        {"Beton/Betonbauteile", 4},
        {"Zementhaltige Baustoffe", 4},
        {"Wärmedämmstoffe", 5},
        {"Dämmstoffe", 5},
        {"Holz/Holzwerkstoffe", 7},
        {"Holz", 7},
        {"Sonstiges", 12},
        {"Abdichtungen/Folien", 11},
        {"Folien und Abdichtungsstoffe", 11},
        {"Bauplatten", 6},
        {"Fassadenbekleidungen, Bodenbeläge und Eindeckungen", 10},
        {"Erden und Böden", 9},
    };
    for (const auto &entry : germanNames) {
        if (text == QString::fromUtf8(entry.first))
            return entry.second;
    }
    return MaterialCategory::fromName(text);
}
