// SPDX-License-Identifier: GPL-3.0-or-later
#include "MaterialLayer.h"

#include <cmath>
#include <limits>

namespace {

// Only these factors convert; anything else means metres.
bool isUnitFactor(int f) {
    return f == 10 || f == 100 || f == 1000;
}

} // namespace

MaterialLayer::MaterialLayer(const Material &material, double width) : Material(material), m_width(width) {
    updateWidthFromSd();
}

void MaterialLayer::setMaterial(const Material &material) {
    Material::operator=(material);
    updateWidthFromSd();
}

double MaterialLayer::width(int unitFactor) const {
    return isUnitFactor(unitFactor) ? m_width * unitFactor : m_width;
}

bool MaterialLayer::setWidth(double value, int unitFactor) {
    if (sd_value != 0 || !std::isfinite(value))
        return false;
    m_width = isUnitFactor(unitFactor) ? value / unitFactor : value;
    return true;
}

void MaterialLayer::updateWidthFromSd() {
    if (!(sd_value > 0))
        return;
    const double m = muEff();
    // A resistance factor of 0 (an invalid material) would give an infinite layer.
    if (m > 0)
        m_width = sd_value / m;
}

double MaterialLayer::parameter(int parameter) const {
    switch (parameter) {
    case ResistanceFactor:
        return mu;
    case MoistureContent80:
        return w_80;
    case MoistureContentSaturation:
        return w_sat;
    case ThermalConductivity:
        return lambda;
    case WaterUptake:
        return m_Aw;
    case Width:
        return m_width;
    default:
        return std::numeric_limits<double>::quiet_NaN();
    }
}

bool MaterialLayer::setParameter(int parameter, double value) {
    if (!std::isfinite(value))
        return false;
    switch (parameter) {
    case ResistanceFactor:
        setMu(value);
        updateWidthFromSd();
        return true;
    case MoistureContent80:
        w_80 = value;
        return true;
    case MoistureContentSaturation:
        w_sat = value;
        return true;
    case ThermalConductivity:
        return setLambda(value);
    case WaterUptake:
        return setAw(value, true);
    case Width:
        return setWidth(value);
    default:
        return false;
    }
}

bool MaterialLayer::operator==(const MaterialLayer &other) const {
    return m_width == other.m_width && Material::operator==(other);
}
