// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MATERIALFILE_H
#define MATERIALFILE_H

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

#include "Material.h"

/*! A built-in material file ("*.t2m"): a small plain header (version, the languages whose texts
    follow for every material, the identifier) and the enciphered material records.

    Outer part (data stream, default settings): int32 version + 32, int32 language count N,
    N language ids, identifier "TAVO2", int32 payload length L, L enciphered bytes. The payload
    (data stream of Qt 4.6, so dates are 32-bit day numbers) repeats the identifier and then holds
    one record per material: id, N x 5 texts, category, six doubles, four flags, the product
    codes, mu_min, mu_max, sd_value, a reserved int32 and, in version 6, three dates. */
class MaterialFile {
public:
    static const char *const Identifier; ///< "TAVO2"
    static constexpr int VersionOffset = 32;
    static constexpr int CurrentVersion = 6;
    static constexpr int OldestVersion = 5;
    /*! The product code of this program: only records offered with it are read. */
    static constexpr int ProgramProductCode = 1;

    /*! The texts of one material in one language. */
    struct Texts {
        QString name;
        QString dataSource;
        QString producer;
        QString productName;
        QString notes;
    };

    /*! One material as stored: the numbers, flags, id, product codes and dates of \a material
        (its texts are not used) and one Texts entry per language of the file. */
    struct Record {
        Material material;
        QVector<Texts> texts;
        qint32 reserved = 0;
    };

    /*! The 5-character Latin-1 key of the files. */
    static QByteArray key();

    /*! Reads the file at \a path and appends the materials offered with this program's product
        code (air records are skipped) to \a materials, texts in \a languageId or, when the file
        lacks it, in the file's first language. Logs progress and every problem (location
        "MaterialList::read"). False when the file was rejected (the list then keeps what it held
        before) or a damaged record ended it early (the records before it are kept). */
    static bool read(const QString &path, const QString &languageId, QList<Material> &materials);

    /*! The plain payload: identifier and records for a file with \a languageCount languages. */
    static QByteArray encodePayload(const QString &identifier, int languageCount,
                                    const QVector<Record> &records, int version = CurrentVersion);
    /*! A whole file: header and \a plainPayload, zero-padded to whole cipher blocks and
        enciphered with key(). */
    static QByteArray encodeFile(int version, const QStringList &languages, const QString &identifier,
                                 const QByteArray &plainPayload);
    /*! Writes a current-version file through a save file. False with \a errorMessage set when
        the file cannot be written. */
    static bool write(const QString &path, const QStringList &languages, const QVector<Record> &records,
                      QString *errorMessage = nullptr);

    MaterialFile() = delete;
};

#endif // MATERIALFILE_H
