// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MATERIALRECORD_H
#define MATERIALRECORD_H

#include <QDataStream>

#include "Material.h"

/*! The binary record of one material, shared by the user material file and the construction
    database. Record versions 1 to 4 can be read; the program writes version 4. Version 2 added
    mu_min, mu_max and sd_value, version 3 the air, wood and wood-based flags, version 4 the foil
    flag. The id, the dates and the product codes are not part of the record. */
class MaterialRecord {
public:
    static constexpr int CurrentVersion = 4;
    static constexpr int OldestVersion = 1;

    /*! Writes \a material as a record of \a version (1..4). */
    static void write(QDataStream &stream, const Material &material, int version = CurrentVersion);
    /*! Reads one record of \a version into \a material, which keeps its own values for the
        fields the version lacks. An empty name becomes "Unknown", the category is clamped and
        the colour made opaque. False when the stream failed (truncated or corrupt data);
        \a material is then unchanged. */
    static bool read(QDataStream &stream, Material &material, int version);

    MaterialRecord() = delete;
};

#endif // MATERIALRECORD_H
