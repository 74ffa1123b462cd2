// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MATERIALCSV_H
#define MATERIALCSV_H

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include "MaterialFile.h"

/*! The maintained source table of the built-in materials (UTF-8, comma separated, RFC 4180
    quoting, one header line). Columns, found by their header names: id, name_en, name_de,
    category, rho, lambda, mu, mu_min, mu_max, w_80, w_sat, Aw, sd_value, is_air, is_wood,
    is_wood_based, is_foil, data_source, notes.

    Each row becomes a record for a material file with the languages of languages(): English and
    German names, the (English) data source and notes in both, no producer or product name, and
    the product code of this program. */
class MaterialCsv {
public:
    /*! The languages of the records, in file order: "en", "de". */
    static QStringList languages();

    /*! Reads the table at \a path. False with \a errorMessage ("line N: ...") on the first
        problem: a missing column, a wrong field count, a number or flag that cannot be read, a
        duplicate id or a material that is not valid. */
    static bool read(const QString &path, QVector<MaterialFile::Record> &records, QString &errorMessage);
    static bool parse(const QByteArray &utf8, QVector<MaterialFile::Record> &records, QString &errorMessage);

    /*! Splits RFC 4180 text into rows of fields (quoted fields may hold commas, line breaks and
        doubled quotes; CRLF and LF both end a row). False for an unterminated quote. */
    static bool splitRows(const QString &text, QVector<QStringList> &rows);

    MaterialCsv() = delete;
};

#endif // MATERIALCSV_H
