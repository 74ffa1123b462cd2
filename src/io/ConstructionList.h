// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CONSTRUCTIONLIST_H
#define CONSTRUCTIONLIST_H

#include <QList>
#include <QObject>
#include <QString>

#include "Construction.h"

class MaterialList;
class QIODevice;

/*! The construction database: the user's stored constructions, kept in "ConstructionData.constr"
    in the user materials directory.

    File (data stream, default settings): int32 file version (1), int32 entry count, the entries
    (Construction).

    The owner writes the file with write() (the window program does so when it closes); the
    database never writes on its own. The file rules of DatabaseFile apply: a file that could not
    be read completely or is of an unknown version is kept as "<file>.corrupt" and never
    overwritten, and an empty database moves the file to "<file>.backup".

    Entries are addressed by their row; callers keep copies, never pointers into the list. */
class ConstructionList : public QObject {
    Q_OBJECT
public:
    static const char *const FileName; ///< "ConstructionData.constr"
    static constexpr int FileVersion = 1;

    /*! How far a construction file could be read. */
    enum ReadStatus {
        ReadComplete,       ///< every entry, up to the end of the file
        FileMissing,        ///< there is no such file
        CannotOpen,         ///< the file exists but cannot be opened
        UnknownFileVersion, ///< written by another program version: nothing read
        Damaged             ///< truncated or corrupt: the entries before the damage were read
    };

    /*! The process-wide database. The first call creates it with the current language and the
        user materials directory of the settings and reads it; when that finds no entry (no file,
        an empty or an unreadable one), the sample construction is added. Uses the material
        database, so call it after the translations are installed. With a running application
        object the database is destroyed when that object is destroyed; otherwise call
        destroyInstance(). */
    static ConstructionList &instance();
    static bool hasInstance();
    /*! Destroys the process-wide database without writing it; a later instance() reads anew. */
    static void destroyInstance();

    /*! An empty database of the file in \a directory; read() fills it. */
    ConstructionList(const QString &languageId, const QString &directory, QObject *parent = nullptr);

    /*! Logs the directory and reads the database file with read2(). */
    bool read();
    /*! Replaces the entries by those of \a fileName in the directory. True when the file was read
        completely and holds at least one entry; the entries before a damage are kept. A file not
        read completely is kept by the next write(). */
    bool read2(const QString &fileName);
    /*! Writes the database file (the file rules of DatabaseFile). False, and logged, when it
        cannot be written. */
    bool write();

    /*! Appends "test construction 1" (brick, insulation, brick) when \a materials holds the
        materials 493 and 282; false otherwise. */
    bool addSampleEntry(const MaterialList &materials);

    int count() const { return m_entries.size(); }
    const QList<Construction> &constructions() const { return m_entries; }
    /*! The entry at \a row (0 <= row < count()). */
    const Construction &construction(int row) const { return m_entries.at(row); }
    void appendConstruction(const Construction &construction) { m_entries.append(construction); }
    /*! Replaces the entry at \a row; false for a row out of range. */
    bool replaceConstruction(int row, const Construction &construction);
    /*! Removes the entry at \a row; false for a row out of range. */
    bool removeConstruction(int row);
    /*! The largest number of layers of any entry (0 without entries). */
    int maxLayerCount() const;

    /*! The outcome of an import: the number of constructions added and the text that tells the
        user how many were found or why none. */
    struct ImportResult {
        int added = 0;
        QString message;
    };
    /*! Appends every construction of another construction file. Nothing is written, neither the
        imported file nor the database file. */
    ImportResult importConstructions(const QString &path);

    /*! Reads a whole construction file from \a device and appends its entries to \a entries
        (those before a damage too). \a fileVersion (optional) receives the version read. */
    static ReadStatus readEntries(QIODevice &device, QList<Construction> &entries,
                                  int *fileVersion = nullptr);
    /*! readEntries() on the file at \a path. */
    static ReadStatus readFile(const QString &path, QList<Construction> &entries, int *fileVersion = nullptr);

    const QString &languageId() const { return m_languageId; }
    const QString &directory() const { return m_directory; }
    QString filePath() const;
    /*! How the last read went (FileMissing before any read). */
    ReadStatus readStatus() const { return m_readStatus; }
    /*! For the user, when the file was not read completely: what happened and that the file is
        kept; empty otherwise. */
    QString readProblem() const;

private:
    bool fileReadCompletely() const { return m_readStatus == ReadComplete || m_readStatus == FileMissing; }

    QList<Construction> m_entries;
    QString m_languageId;
    QString m_directory;
    QString m_fileName;
    ReadStatus m_readStatus = FileMissing;
};

#endif // CONSTRUCTIONLIST_H
