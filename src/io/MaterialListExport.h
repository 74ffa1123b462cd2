// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MATERIALLISTEXPORT_H
#define MATERIALLISTEXPORT_H

#include <QByteArray>
#include <QString>

class MaterialList;

/*! Lists the whole material database (built-in materials, the air-layer material, then the user
    materials) for scripts and checks without the window: as readable text, as JSON or as CSV.
    JSON objects and CSV columns carry the attribute names of the project file's material
    element (name, materialId, cat, productName, producer, dataSource, notes, rho, lambda, mu,
    mu_min, mu_max, w_80, w_sat, m_Aw, sd_value, color as "r g b", isAir, isWood, isWoodbased,
    isFoil) plus builtIn. Numbers use the C locale with the shortest text that reads back to the
    same double. All output is UTF-8. */
class MaterialListExport {
public:
    enum Format { Text, Json, Csv };

    /*! "text", "json" or "csv"; false for anything else. */
    static bool formatFromName(const QString &name, Format &format);

    static QByteArray write(const MaterialList &list, Format format);
    /*! One block per material: id, name, category, the properties with units and the flags. */
    static QByteArray toText(const MaterialList &list);
    /*! An array of objects; flags and builtIn are JSON booleans. */
    static QByteArray toJson(const MaterialList &list);
    /*! One header line and one row per material (RFC 4180 quoting); flags as 0 or 1. */
    static QByteArray toCsv(const MaterialList &list);

    MaterialListExport() = delete;
};

#endif // MATERIALLISTEXPORT_H
