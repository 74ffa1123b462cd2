// SPDX-License-Identifier: GPL-3.0-or-later
#include "DINCriteriaResult.h"

#include <algorithm>
#include <cmath>

#include <QCoreApplication>
#include <QLocale>

namespace {

// Limits of the condensate mass in wood: 5 % of the layer's dry mass, 3 % for wood-based products.
const double WoodFraction = 0.05;
const double WoodBasedFraction = 0.03;

} // namespace

DINCriteriaResult::DINCriteriaResult(const QVector<MaterialLayer> &layers, const Zones &zones,
                                     const AssessmentSettings &settings)
    : m_settings(settings) {
    const double awLimit = settings.awLimitPerSecond();
    for (const CalculationResults::IndexRange &zone : zones) {
        const int first = std::max(zone.first, 0);
        const int last = std::min(zone.second, layers.size() - 1);
        for (int i = first; i <= last; ++i) {
            const MaterialLayer &layer = layers[i];
            if (layer.m_Aw <= awLimit)
                m_nonCapillaryLayers.append(i);
            if (layer.isWood()) {
                m_woodLayers.append(i);
                m_woodLimit = std::min(m_woodLimit, layer.width() * layer.rho * WoodFraction);
            }
            if (layer.isWoodBased()) {
                m_woodBasedLayers.append(i);
                m_woodBasedLimit = std::min(m_woodBasedLimit, layer.width() * layer.rho * WoodBasedFraction);
            }
        }
    }
}

bool DINCriteriaResult::zoneHasNonCapillaryLayer(const Zones &zones) const {
    // Walk the (short) list rather than the zone ranges, which come from outside.
    for (int i : m_nonCapillaryLayers)
        for (const CalculationResults::IndexRange &zone : zones)
            if (zone.first <= i && i <= zone.second)
                return true;
    return false;
}

bool DINCriteriaResult::woodOk(double mc) const {
    return m_woodLayers.isEmpty() || m_woodLimit > mc;
}

bool DINCriteriaResult::woodBasedOk(double mc) const {
    return m_woodBasedLayers.isEmpty() || m_woodBasedLimit > mc;
}

bool DINCriteriaResult::hasWoodChecks() const {
    return !m_woodLayers.isEmpty() || !m_woodBasedLayers.isEmpty();
}

int DINCriteriaResult::rowCount() const {
    return hasWoodChecks() ? 4 : 3;
}

QString DINCriteriaResult::note() const {
    switch (m_settings.m_accordanceType) {
    case AssessmentSettings::DIN4108_3_2001:
    case AssessmentSettings::DIN4108_3_2014:
    case AssessmentSettings::DIN4108_3_2018_2024:
        return QString();
    default:
        break;
    }
    const double userValue = m_settings.awLimitPerHour();
    if (!(std::fabs(userValue) > 1e-10))
        return QString();
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    const QString unit = QCoreApplication::translate("DINCriteriaResult", "kg/m%1h%2")
                             .arg(QString::fromUtf8("\u00B2"), QString::fromUtf8("\u00BD"));
    return QCoreApplication::translate("DINCriteriaResult",
                                       "The current calculation don't use the same water uptake "
                                       "value as check for non-capillar material ") +
           QCoreApplication::translate("DINCriteriaResult",
                                       "as the standard DIN 4108-3 from 2014, 2018 or 2024.<br/>") +
           QCoreApplication::translate("DINCriteriaResult", "Used value: %1 %2.<br/>")
               .arg(locale.toString(userValue, 'g', 6), unit) +
           QCoreApplication::translate(
               "DINCriteriaResult",
               "This is admissible because TAVO is a advanced software as per appendix D DIN 4108-3.");
}
