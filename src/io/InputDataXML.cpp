// SPDX-License-Identifier: GPL-3.0-or-later
// The element "InputData" of the project file: construction, climate and period lengths.

#include "InputData.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <map>
#include <utility>

#include "XMLHelpers.h"

using namespace XMLHelpers;

namespace {

// Layers are ordered by their index attribute and, for equal indexes, by material name (plain
// code-unit order); a second layer with the same key is dropped.
using LayerKey = std::pair<int, QString>;

// Reads one "Layer" element.
void readLayer(QXmlStreamReader &reader, InputData &data, std::map<LayerKey, MaterialLayer> &layers) {
    MaterialLayer layer;
    double d = 0;
    readDoubleAttribute(reader, QStringLiteral("d"), d);
    layer.setWidth(d);
    if (!(d > 0))
        data.setErrorState(InputData::InvalidLayerWidth);
    int index = 0;
    readIntAttribute(reader, QStringLiteral("index"), index);
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("Material")) {
            // Into the material part only: the width of the file stays, also for foils.
            Material &material = layer;
            if (!material.readXML(reader) && !reader.hasError())
                data.setErrorState(InputData::InvalidMaterial);
        } else {
            skipCurrentElement(reader);
        }
    }
    if (!reader.hasError())
        layers.emplace(LayerKey(index, layer.name), layer);
}

void readConstruction(QXmlStreamReader &reader, InputData &data) {
    std::map<LayerKey, MaterialLayer> layers;
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("Layer"))
            readLayer(reader, data, layers);
        else
            skipCurrentElement(reader);
    }
    QVector<MaterialLayer> &construction = data.layers();
    construction.clear();
    construction.reserve(static_cast<int>(layers.size()));
    for (const auto &entry : layers)
        construction.append(entry.second);
}

} // namespace

bool InputData::readXML(QXmlStreamReader &reader) {
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("Construction")) {
            readConstruction(reader, *this);
        } else if (reader.name() == QLatin1String("Climate")) {
            if (!m_assessmentConditions.readClimateXML(reader))
                m_errorState = InvalidClimate;
        } else if (reader.name() == QLatin1String("Options")) {
            if (!m_assessmentConditions.readOptionsXML(reader))
                m_errorState = InvalidClimate;
        } else {
            skipCurrentElement(reader);
        }
    }
    return !reader.hasError();
}

void InputData::writeXML(QXmlStreamWriter &writer) const {
    writer.writeStartElement(QStringLiteral("InputData"));
    writer.writeStartElement(QStringLiteral("Construction"));
    for (int i = 0; i < m_layers.size(); ++i) {
        const MaterialLayer &layer = m_layers[i];
        writer.writeStartElement(QStringLiteral("Layer"));
        writeIntAttribute(writer, QStringLiteral("index"), i);
        writeDoubleAttribute(writer, QStringLiteral("d"), layer.width());
        layer.material().writeXML(writer);
        writer.writeEndElement();
    }
    writer.writeEndElement();
    m_assessmentConditions.writeClimateXML(writer);
    m_assessmentConditions.writeOptionsXML(writer);
    writer.writeEndElement();
}
