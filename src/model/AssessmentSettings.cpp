// SPDX-License-Identifier: GPL-3.0-or-later
#include "AssessmentSettings.h"

#include <cmath>

int AssessmentSettings::accordanceTypeFromStored(int storedType, bool hasLegacyKey, bool legacyValue) {
    if (hasLegacyKey)
        return legacyValue ? DIN4108_3_2018_2024 : UserDefined;
    return storedType;
}

double AssessmentSettings::awLimitPerHour(int accordanceType, double userAwPerSecond) {
    switch (accordanceType) {
    case DIN4108_3_2001:
        return 0.2;
    case DIN4108_3_2014:
        return 0.5;
    case DIN4108_3_2018_2024:
        return 0.1;
    default:
        return userAwPerSecond * 60;
    }
}

double AssessmentSettings::awLimitPerSecond(int accordanceType, double userAwPerSecond) {
    switch (accordanceType) {
    case DIN4108_3_2001:
    case DIN4108_3_2014:
    case DIN4108_3_2018_2024:
        // Same conversion as Material::setAw, so a coefficient entered exactly at the limit
        // compares equal to it.
        return awLimitPerHour(accordanceType, userAwPerSecond) / 60;
    default:
        return userAwPerSecond;
    }
}

bool AssessmentSettings::hasDryingReserve() const {
    return std::fabs(m_dryingReserve) > 1e-10;
}

bool AssessmentSettings::operator==(const AssessmentSettings &other) const {
    return m_accordanceType == other.m_accordanceType && m_nonCapillarAw == other.m_nonCapillarAw &&
           m_capillarActiveAw == other.m_capillarActiveAw &&
           m_capillaryCheckOneSide == other.m_capillaryCheckOneSide &&
           m_dryingReserve == other.m_dryingReserve &&
           m_minimumHeatResVersion == other.m_minimumHeatResVersion &&
           m_minimumHeatResConstruction == other.m_minimumHeatResConstruction &&
           m_frsiCheck == other.m_frsiCheck;
}
