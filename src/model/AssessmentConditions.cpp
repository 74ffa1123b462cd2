// SPDX-License-Identifier: GPL-3.0-or-later
#include "AssessmentConditions.h"

#include <QCoreApplication>

#include <cmath>

#include "ClimatePresetTable.h"
#include "SaturationPressure.h"

namespace {

const double SecondsPerDay = 3600.0 * 24.0;

// The DIN editions accept only these period lengths in days.
const double DINDryingPeriod = 90;
const double DIN2001CondensationPeriod = 60;
const double DIN2014CondensationPeriod = 90;
// Summer climate of DIN 4108-3 2001 on both sides.
const double DIN2001SummerTemperature = 12;
const double DIN2001SummerHumidity = 70;

bool eq(double a, double b) {
    return ClimatePresetTable::matches(a, b);
}

bool inRange(double value, double low, double high) {
    return value >= low && value <= high;
}

// True when any preset matching the numbers of the climate is allowed for the type on that side.
// Several presets share their values (e.g. 20 °C / 50 % / 0.13); asking for any of them keeps the
// result independent of the order the translated names happen to sort in.
bool numbersMatchAllowedPreset(const ClimateCondition &c, int type, bool warmSide) {
    const QVector<int> ids = ClimatePresetTable::instance().presetIds(c.temperature(), c.relativeHumidity(),
                                                                      c.surfaceResistance());
    for (int id : ids)
        if (ClimatePresetTable::isAllowed(type, warmSide, id))
            return true;
    return false;
}

// Preset id to keep for a winter climate under an assessment type: the first matching preset
// (name order) allowed for the type, else the smallest allowed id. A climate matching no preset
// counts as the custom preset 0.
int presetIdToKeep(const ClimateCondition &c, int type, bool warmSide) {
    QVector<int> ids = ClimatePresetTable::instance().presetIds(c);
    if (ids.isEmpty())
        ids.append(0);
    for (int id : ids)
        if (ClimatePresetTable::isAllowed(type, warmSide, id))
            return id;
    return ClimatePresetTable::allowedIds(type, warmSide).first();
}

} // namespace

AssessmentConditions::AssessmentConditions(int assessmentType) {
    if (!setAssessmentType(assessmentType))
        updateAssessmentType();
}

double AssessmentConditions::condensationTime(bool inDays) const {
    return inDays ? m_tT : m_tT * SecondsPerDay;
}

double AssessmentConditions::evaporationTime(bool inDays) const {
    return inDays ? m_tT_summer : m_tT_summer * SecondsPerDay;
}

void AssessmentConditions::setInteriorClimate(const ClimateCondition &climate) {
    m_interior = climate;
    updateAssessmentType();
}

void AssessmentConditions::setInteriorSummerClimate(const ClimateCondition &climate) {
    m_interiorSummer = climate;
    updateAssessmentType();
}

void AssessmentConditions::setExteriorClimate(const ClimateCondition &climate) {
    m_exterior = climate;
    updateAssessmentType();
}

void AssessmentConditions::setExteriorSummerClimate(const ClimateCondition &climate) {
    m_exteriorSummer = climate;
    updateAssessmentType();
}

bool AssessmentConditions::setCondensationTime(double days) {
    if (!std::isfinite(days))
        return false;
    m_tT = days;
    updateAssessmentType();
    return true;
}

bool AssessmentConditions::setEvaporationTime(double days) {
    if (!std::isfinite(days))
        return false;
    m_tT_summer = days;
    updateAssessmentType();
    return true;
}

ClimateCondition &AssessmentConditions::climate(bool warmSide, bool summer) {
    if (warmSide)
        return summer ? m_interiorSummer : m_interior;
    return summer ? m_exteriorSummer : m_exterior;
}

bool AssessmentConditions::setValue(int quantity, int period, bool warmSide, double value) {
    if (!std::isfinite(value) || quantity < Temperature || quantity > SurfaceResistance || period < Winter ||
        period > BothPeriods)
        return false;
    for (int p = Winter; p <= Summer; ++p) {
        if (period != BothPeriods && period != p)
            continue;
        ClimateCondition &c = climate(warmSide, p == Summer);
        switch (quantity) {
        case Temperature:
            c.setTemperature(value);
            break;
        case RelativeHumidity:
            c.setRelativeHumidity(value);
            break;
        default:
            c.setSurfaceResistance(value);
            break;
        }
    }
    updateAssessmentType();
    return true;
}

double AssessmentConditions::summerTemperatureDIN2014() const {
    return saturationTemperaturePower(m_psatSummer);
}

bool AssessmentConditions::setAssessmentType(int type, int preferredPresetId, PreferredSide side) {
    if (type < CustomConditions || type > DIN4108_2014)
        return false;
    m_assessmentType = type;

    int warmId = presetIdToKeep(m_interior, type, true);
    int coldId = presetIdToKeep(m_exterior, type, false);

    const bool indoorId = preferredPresetId >= 1 && preferredPresetId <= 10;
    const bool allowedWarm = ClimatePresetTable::isAllowed(type, true, preferredPresetId);
    const bool allowedCold = ClimatePresetTable::isAllowed(type, false, preferredPresetId);
    if (side == WarmSide) {
        if (allowedWarm)
            warmId = preferredPresetId;
    } else if (side == ColdSide) {
        if (allowedCold)
            coldId = preferredPresetId;
    } else if (indoorId && allowedWarm) {
        warmId = preferredPresetId;
    } else if (allowedCold) {
        coldId = preferredPresetId;
    }

    const ClimatePresetTable &table = ClimatePresetTable::instance();
    table.applyPreset(warmId, false, m_interior);
    table.applyPreset(coldId, true, m_exterior);

    if (type == DIN4108_2001) {
        m_tT = DIN2001CondensationPeriod;
        m_tT_summer = DINDryingPeriod;
        m_interiorSummer.setTemperature(DIN2001SummerTemperature);
        m_exteriorSummer.setTemperature(DIN2001SummerTemperature);
        m_interiorSummer.setRelativeHumidity(DIN2001SummerHumidity);
        m_exteriorSummer.setRelativeHumidity(DIN2001SummerHumidity);
    } else if (type == DIN4108_2014) {
        m_tT = DIN2014CondensationPeriod;
        m_tT_summer = DINDryingPeriod;
        const double Ts = summerTemperatureDIN2014();
        m_interiorSummer.setTemperature(Ts);
        m_exteriorSummer.setTemperature(Ts);
        m_interiorSummer.setRelativeHumidity(m_pvSummerWarm / m_psatSummer * 100);
        m_exteriorSummer.setRelativeHumidity(m_pvSummerCold / m_psatSummer * 100);
    }
    if (type != CustomConditions) {
        m_interiorSummer.setSurfaceResistance(m_interior.surfaceResistance());
        m_exteriorSummer.setSurfaceResistance(m_exterior.surfaceResistance());
    }
    updateAssessmentType();
    return true;
}

int AssessmentConditions::detectAssessmentType() const {
    if (!eq(m_tT_summer, DINDryingPeriod))
        return CustomConditions;
    // 60 and 90 days are accepted for either edition.
    if (!eq(m_tT, DIN2001CondensationPeriod) && !eq(m_tT, DIN2014CondensationPeriod))
        return CustomConditions;
    const bool summerRsEqual = eq(m_interiorSummer.surfaceResistance(), m_interior.surfaceResistance()) &&
                               eq(m_exteriorSummer.surfaceResistance(), m_exterior.surfaceResistance());
    if (!summerRsEqual)
        return CustomConditions;

    const bool warm1 = numbersMatchAllowedPreset(m_interior, DIN4108_2001, true);
    const bool warm2 = numbersMatchAllowedPreset(m_interior, DIN4108_2014, true);
    const bool cold1 = numbersMatchAllowedPreset(m_exterior, DIN4108_2001, false);
    const bool cold2 = numbersMatchAllowedPreset(m_exterior, DIN4108_2014, false);

    if (warm2 && cold2) {
        const double Ts = summerTemperatureDIN2014();
        const double RHs = m_pvSummerWarm / m_psatSummer * 100;
        if (eq(m_interiorSummer.temperature(), Ts) && eq(m_exteriorSummer.temperature(), Ts) &&
            eq(m_interiorSummer.relativeHumidity(), RHs) && eq(m_exteriorSummer.relativeHumidity(), RHs))
            return DIN4108_2014;
        return CustomConditions;
    }
    if (warm1 && cold1) {
        if (eq(m_interiorSummer.temperature(), DIN2001SummerTemperature) &&
            eq(m_exteriorSummer.temperature(), DIN2001SummerTemperature) &&
            eq(m_interiorSummer.relativeHumidity(), DIN2001SummerHumidity) &&
            eq(m_exteriorSummer.relativeHumidity(), DIN2001SummerHumidity))
            return DIN4108_2001;
    }
    return CustomConditions;
}

void AssessmentConditions::updateAssessmentType() {
    m_assessmentType = detectAssessmentType();
}

bool AssessmentConditions::isValid() const {
    const ClimateCondition *all[] = {&m_interior, &m_interiorSummer, &m_exterior, &m_exteriorSummer};
    for (const ClimateCondition *c : all) {
        if (!inRange(c->temperature(), -40, 80) || !inRange(c->relativeHumidity(), 0, 100))
            return false;
    }
    for (const ClimateCondition *c : {&m_interior, &m_exterior}) {
        if (!std::isfinite(c->surfaceResistance()) || !(c->surfaceResistance() > 0))
            return false;
    }
    // A period of zero (or less) days makes every mass and drying time meaningless.
    return std::isfinite(m_tT) && m_tT > 0 && std::isfinite(m_tT_summer) && m_tT_summer > 0;
}

QString AssessmentConditions::assessmentTypeName(int type) {
    switch (type) {
    case CustomConditions:
        return QCoreApplication::translate("AssessmentConditions", "Custom conditions");
    case DIN4108_2001:
        return QCoreApplication::translate("AssessmentConditions", "German Standard DIN 4108-3 from 2001");
    case DIN4108_2014:
        return QCoreApplication::translate("AssessmentConditions",
                                           "German Standard DIN 4108-3 from 2014, 2018 and 2024");
    default:
        return QCoreApplication::translate("AssessmentConditions", "Unknown condition");
    }
}

bool AssessmentConditions::operator==(const AssessmentConditions &other) const {
    const auto sideEqual = [](const ClimateCondition &w, const ClimateCondition &s,
                              const ClimateCondition &ow, const ClimateCondition &os) {
        return eq(w.temperature(), ow.temperature()) && eq(w.relativeHumidity(), ow.relativeHumidity()) &&
               eq(s.temperature(), os.temperature()) && eq(s.relativeHumidity(), os.relativeHumidity()) &&
               eq(w.surfaceResistance(), ow.surfaceResistance());
    };
    return sideEqual(m_interior, m_interiorSummer, other.m_interior, other.m_interiorSummer) &&
           sideEqual(m_exterior, m_exteriorSummer, other.m_exterior, other.m_exteriorSummer) &&
           eq(m_tT, other.m_tT) && eq(m_tT_summer, other.m_tT_summer);
}

bool AssessmentConditions::differsFrom(const AssessmentConditions &other) const {
    const auto sameOrigin = [](const ClimateCondition &a, const ClimateCondition &b) {
        return a.kind() == b.kind() && a.isOutside() == b.isOutside();
    };
    return *this != other || m_assessmentType != other.m_assessmentType ||
           !sameOrigin(m_interior, other.m_interior) || !sameOrigin(m_exterior, other.m_exterior);
}
