// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DATABASEFILE_H
#define DATABASEFILE_H

#include <QString>

#include <functional>

class QDataStream;

/*! Writes one of the user's database files (user materials, constructions) so that nothing the
    user had is ever lost:
    - the file is written through a save file, so a full disk or a kill leaves the old file;
    - a file the program could not read completely (damaged, truncated, of a newer version,
      unreadable) is never overwritten: it is kept under the first free name of "<file>.corrupt",
      "<file>.corrupt2", ... before the new contents are written;
    - an empty database is not written: the file is renamed to "<file>.backup" instead, so the last
      entries survive. Without a file there is nothing to rename, and an older backup stays.
    Every problem is logged as an error (warnings for kept files) and makes write() return false. */
class DatabaseFile {
public:
    static const char *const BackupSuffix;  ///< ".backup"
    static const char *const CorruptSuffix; ///< ".corrupt"

    /*! \a kind names the file in log lines ("user material file"); \a location is the log
        location of the owner's write function. */
    DatabaseFile(const QString &path, const QString &kind, const char *location);

    /*! Writes the file: \a contents streams the whole database (default data stream settings).
        \a empty: the database holds no entry. \a readCompletely: the file now on disk was read to
        its end (or did not exist) when the database was read. */
    bool write(bool empty, bool readCompletely, const std::function<void(QDataStream &)> &contents);

    /*! Where write() kept a file it could not read completely; empty when it kept none. */
    const QString &keptAs() const { return m_keptAs; }

    /*! The first of "<path>.corrupt", "<path>.corrupt2", ... that does not exist. */
    static QString freeCorruptName(const QString &path);

private:
    void log(const QString &text, int type) const;

    QString m_path;
    QString m_kind;
    const char *m_location;
    QString m_keptAs;
};

#endif // DATABASEFILE_H
