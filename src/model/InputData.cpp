// SPDX-License-Identifier: GPL-3.0-or-later
#include "InputData.h"

#include <algorithm>
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

bool InputData::isLayerIndex(int index) const {
    return index >= 0 && index < m_layers.size();
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

bool InputData::insertLayer(int index, const MaterialLayer &layer) {
    if (index < 0 || index > m_layers.size())
        return false;
    m_layers.insert(index, layer);
    return true;
}

bool InputData::insertLayers(int index, const QVector<MaterialLayer> &layers) {
    if (index < 0 || index > m_layers.size())
        return false;
    m_layers.insert(index, layers.size(), MaterialLayer());
    std::copy(layers.begin(), layers.end(), m_layers.begin() + index);
    return true;
}

bool InputData::removeLayers(int index, int count, QVector<MaterialLayer> *removed) {
    if (index < 0 || count < 0 || count > m_layers.size() - index)
        return false;
    if (removed != nullptr)
        *removed = m_layers.mid(index, count);
    m_layers.remove(index, count);
    return true;
}

bool InputData::swapLayers(int first, int second) {
    if (!isLayerIndex(first) || !isLayerIndex(second))
        return false;
    std::swap(m_layers[first], m_layers[second]);
    return true;
}

bool InputData::setLayer(int index, const MaterialLayer &layer) {
    if (!isLayerIndex(index))
        return false;
    m_layers[index] = layer;
    return true;
}

bool InputData::setLayerMaterial(int index, const Material &material) {
    if (!isLayerIndex(index))
        return false;
    m_layers[index].setMaterial(material);
    return true;
}

bool InputData::setLayerColor(int index, const QColor &color) {
    if (!isLayerIndex(index))
        return false;
    m_layers[index].color = color;
    return true;
}

bool InputData::setLayerName(int index, const QString &name) {
    if (!isLayerIndex(index))
        return false;
    m_layers[index].name = name;
    return true;
}

bool InputData::setLayerParameter(int index, int parameter, double value) {
    return isLayerIndex(index) && m_layers[index].setParameter(parameter, value);
}
