#include "InputData.h"

#include <cmath>

namespace {

bool widthUsable(double d) {
    return std::isfinite(d) && d > 0;
}

} // namespace

int InputData::check() {
    m_errorState = m_assessmentConditions.isValid() ? NoError : InvalidClimate;
    for (const MaterialLayer &layer : qAsConst(m_layers)) {
        if (!widthUsable(layer.width())) {
            m_errorState = InvalidLayerWidth;
            break;
        }
        if (!layer.isValid()) {
            m_errorState = InvalidMaterial;
            break;
        }
    }
    return m_errorState;
}

bool InputData::layersValidForCalculation() const {
    for (const MaterialLayer &layer : m_layers) {
        if (!widthUsable(layer.width()))
            return false;
        if (!layer.isAir() && !(layer.lambdaEff(HeatFlowDirection::Horizontal) > 0))
            return false;
    }
    return true;
}

bool InputData::hasAirLayer() const {
    for (const MaterialLayer &layer : m_layers)
        if (layer.isAir())
            return true;
    return false;
}

bool InputData::operator==(const InputData &other) const {
    if (m_assessmentConditions != other.m_assessmentConditions || m_errorState != other.m_errorState ||
        m_layers.size() != other.m_layers.size())
        return false;
    for (int i = 0; i < m_layers.size(); ++i) {
        if (m_layers[i].width() != other.m_layers[i].width() ||
            m_layers[i].material() != other.m_layers[i].material())
            return false;
    }
    return true;
}
