// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LEGACYMATERIALREADER_H
#define LEGACYMATERIALREADER_H

#include <QString>
#include <QStringList>

class LegacyTextStream;
class Material;

/*! Reads one material block of the first-generation text formats: the lines after the "{" of a
    "MATERIAL_DEFINITION" up to and including its "}". Projects (Material::readOld) and old
    material lists (LegacyMaterialList::import1_9) share this grammar but word their messages
    differently, so the reader reports what went wrong and the callers build the text.

    Keywords (each may carry a trailing ':'; parameter lines may be written "Keyword value unit"
    or "Keyword = value unit"):
      Name (required), Kategorie, ProduktID / Produktname, Hersteller, Anmerkungen,
      Datenquelle / Quelle (texts; of two alternatives the last one read wins),
      Flags (air, wood, wood based as 0/1),
      rho kg/m3, Lambda W/mK, Mew -, W_h80 / W_hyg / W_sat m3/m3, A_w kg/m2s05. */
class LegacyMaterialReader {
public:
    enum Result {
        Ok,
        UnexpectedEnd,  ///< the data ended inside the block
        NameMissing,    ///< no "Name" line
        InvalidKeyword, ///< see keyword()
        ParameterError, ///< the value of keyword() could not be read or has the wrong unit
        MissingData     ///< required values are absent, see missingKeywords()
    };

    /*! Reads the block into \a material (only on success; \a material is otherwise unchanged). */
    Result read(LegacyTextStream &in, Material &material);

    /*! The keyword of the last InvalidKeyword or ParameterError. */
    const QString &keyword() const { return m_keyword; }
    /*! The name read from the last block, also when it failed. */
    const QString &materialName() const { return m_name; }
    /*! The keywords of the required values a block lacked (MissingData). */
    const QStringList &missingKeywords() const { return m_missing; }

    /*! Category of a category text of older files: the German names of the material lists of
        that generation (exact comparison), then the translated English names, -1 if neither. */
    static int categoryFromGermanName(const QString &text);

private:
    QString m_keyword;
    QString m_name;
    QStringList m_missing;
};

#endif // LEGACYMATERIALREADER_H
