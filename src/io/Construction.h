// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CONSTRUCTION_H
#define CONSTRUCTION_H

#include <QDataStream>
#include <QString>
#include <QVector>

#include "MaterialLayer.h"

/*! One entry of the construction database: a named sequence of layers, interior side first, with
    notes. A plain value type: the layers are copies, taken from a project or handed to one.

    Binary entry (data stream, default settings): int32 entry version (1), int32 layer count,
    name, notes, then per layer an int32 record version (1..4, written 4), the width in m as a
    double and the material record of that version (MaterialRecord). */
class Construction {
public:
    static constexpr int EntryVersion = 1;
    /*! Record version of the layers written. */
    static constexpr int LayerRecordVersion = 4;

    Construction() = default;
    Construction(const QString &name, const QVector<MaterialLayer> &layers, const QString &notes = QString());

    /*! Equal names, notes and layers (each layer: width and Material equality), so two entries
        that differ only in a width are different constructions. */
    bool operator==(const Construction &other) const;
    bool operator!=(const Construction &other) const { return !(*this == other); }

    void write(QDataStream &stream) const;
    /*! Reads one entry. The widths are kept as stored (foil layers too), every material gets the
        id of materials from the construction database; dates and product codes are not stored.
        False when the stream failed or an entry or layer version is unknown (the stream status
        is then set); \a construction is then unchanged. */
    static bool read(QDataStream &stream, Construction &construction);

    QString name;
    QVector<MaterialLayer> layers;
    QString notes; ///< may span several lines
};

#endif // CONSTRUCTION_H
