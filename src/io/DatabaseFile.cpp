// SPDX-License-Identifier: GPL-3.0-or-later
#include "DatabaseFile.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "ZMT_MessageHandler.h"

const char *const DatabaseFile::BackupSuffix = ".backup";
const char *const DatabaseFile::CorruptSuffix = ".corrupt";

namespace {

QString native(const QString &path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

DatabaseFile::DatabaseFile(const QString &path, const QString &kind, const char *location)
    : m_path(path), m_kind(kind), m_location(location) {}

void DatabaseFile::log(const QString &text, int type) const {
    ZMT::postMessage(text.toStdString(), type, m_location);
}

QString DatabaseFile::freeCorruptName(const QString &path) {
    const QString base = path + QLatin1String(CorruptSuffix);
    QString name = base;
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = base + QString::number(n);
    return name;
}

bool DatabaseFile::write(bool empty, bool readCompletely,
                         const std::function<void(QDataStream &)> &contents) {
    m_keptAs.clear();
    const QString dir = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(dir)) {
        log(QStringLiteral("Cannot create user material directory '%1'.").arg(native(dir)), ZMT::MSG_ERROR);
        return false;
    }
    const bool exists = QFileInfo::exists(m_path);

    if (!readCompletely && exists) {
        // What could not be read is still in this file: keep it under a name of its own, never
        // as the backup, which an empty database would replace.
        const QString kept = freeCorruptName(m_path);
        const bool done = empty ? QFile::rename(m_path, kept) : QFile::copy(m_path, kept);
        if (!done) {
            log(QStringLiteral("Cannot keep %1 '%2' as '%3'; the file is not overwritten.")
                    .arg(m_kind, native(m_path), native(kept)),
                ZMT::MSG_ERROR);
            return false;
        }
        m_keptAs = kept;
        log(QStringLiteral("The %1 '%2' was not read completely; it is kept as '%3'.")
                .arg(m_kind, native(m_path), native(kept)),
            ZMT::MSG_WARNING);
        if (empty)
            return true;
    }

    if (empty) {
        if (!exists)
            return true;
        const QString backup = m_path + QLatin1String(BackupSuffix);
        QFile::remove(backup);
        if (!QFile::rename(m_path, backup)) {
            log(QStringLiteral("Cannot rename %1 '%2' to '%3'.").arg(m_kind, native(m_path), native(backup)),
                ZMT::MSG_ERROR);
            return false;
        }
        return true;
    }

    QSaveFile file(m_path);
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        QDataStream out(&file);
        contents(out);
        if (out.status() != QDataStream::Ok)
            file.cancelWriting();
        written = file.commit();
    }
    if (!written) {
        log(QStringLiteral("Cannot write %1 '%2': %3").arg(m_kind, native(m_path), file.errorString()),
            ZMT::MSG_ERROR);
        return false;
    }
    return true;
}
