// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClimateCondition.h"

#include <cmath>

ClimateCondition::ClimateCondition(double temperature, double relativeHumidity, double surfaceResistance,
                                   int kind, bool outside)
    : m_temperature(temperature), m_relativeHumidity(relativeHumidity),
      m_surfaceResistance(surfaceResistance), m_kind(kind), m_outside(outside) {}

void ClimateCondition::reset() {
    *this = ClimateCondition();
}

bool ClimateCondition::setTemperature(double value) {
    if (!std::isfinite(value))
        return false;
    m_temperature = value;
    return true;
}

bool ClimateCondition::setRelativeHumidity(double value) {
    if (!std::isfinite(value))
        return false;
    m_relativeHumidity = value;
    return true;
}

bool ClimateCondition::setSurfaceResistance(double value) {
    if (!std::isfinite(value))
        return false;
    m_surfaceResistance = value;
    return true;
}

bool ClimateCondition::isFinite() const {
    return std::isfinite(m_temperature) && std::isfinite(m_relativeHumidity) &&
           std::isfinite(m_surfaceResistance);
}

bool ClimateCondition::operator==(const ClimateCondition &other) const {
    return m_temperature == other.m_temperature && m_relativeHumidity == other.m_relativeHumidity &&
           m_surfaceResistance == other.m_surfaceResistance && m_kind == other.m_kind &&
           m_outside == other.m_outside;
}
