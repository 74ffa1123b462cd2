// SPDX-License-Identifier: GPL-3.0-or-later
#include "Construction.h"

#include "BoundedStreamRead.h"
#include "MaterialIdCounter.h"
#include "MaterialRecord.h"

Construction::Construction(const QString &name, const QVector<MaterialLayer> &layers, const QString &notes)
    : name(name), layers(layers), notes(notes) {}

bool Construction::operator==(const Construction &other) const {
    return name == other.name && notes == other.notes && layers == other.layers;
}

void Construction::write(QDataStream &stream) const {
    stream << qint32(EntryVersion) << qint32(layers.size()) << name << notes;
    for (const MaterialLayer &layer : layers) {
        stream << qint32(LayerRecordVersion) << layer.width();
        MaterialRecord::write(stream, layer, LayerRecordVersion);
    }
}

bool Construction::read(QDataStream &stream, Construction &construction) {
    qint32 version = 0;
    qint32 layerCount = 0;
    stream >> version >> layerCount;
    if (stream.status() != QDataStream::Ok)
        return false;
    if (version != EntryVersion || layerCount < 0) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return false;
    }
    Construction c;
    BoundedStreamRead::readString(stream, c.name);
    BoundedStreamRead::readString(stream, c.notes);
    // The list grows only by layers actually read, never by the count alone.
    for (qint32 i = 0; i < layerCount && stream.status() == QDataStream::Ok; ++i) {
        qint32 recordVersion = 0;
        double width = 0;
        stream >> recordVersion >> width;
        if (stream.status() != QDataStream::Ok)
            break;
        if (recordVersion < MaterialRecord::OldestVersion || recordVersion > MaterialRecord::CurrentVersion) {
            stream.setStatus(QDataStream::ReadCorruptData);
            break;
        }
        // The stored width stays: the thickness rule of foils applies only when a layer is
        // made from a material, not when it is read back.
        MaterialLayer layer;
        layer.setWidth(width);
        Material &material = layer;
        if (!MaterialRecord::read(stream, material, recordVersion))
            break;
        material.setId(MaterialIdCounter::ConstructionDatabaseMaterialId);
        c.layers.append(layer);
    }
    if (stream.status() != QDataStream::Ok)
        return false;
    construction = c;
    return true;
}
