// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConstructionList.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "CurrentLanguage.h"
#include "DatabaseFile.h"
#include "MaterialList.h"
#include "Settings.h"
#include "ZMT_MessageHandler.h"

const char *const ConstructionList::FileName = "ConstructionData.constr";

namespace {

ConstructionList *s_instance = nullptr;

void logMessage(const QString &text, int type, const char *location) {
    ZMT::postMessage(text.toStdString() + (type == ZMT::MSG_PROGRESS ? "\n" : ""), type, location);
}

QString native(const QString &path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

ConstructionList &ConstructionList::instance() {
    if (!s_instance) {
        s_instance =
            new ConstructionList(CurrentLanguage::instance().id(), Settings::instance().userMaterialsDir());
        if (!s_instance->read())
            s_instance->addSampleEntry(MaterialList::instance());
        if (QCoreApplication::instance())
            qAddPostRoutine(&ConstructionList::destroyInstance);
    }
    return *s_instance;
}

bool ConstructionList::hasInstance() {
    return s_instance != nullptr;
}

void ConstructionList::destroyInstance() {
    ConstructionList *list = s_instance;
    s_instance = nullptr;
    delete list;
}

ConstructionList::ConstructionList(const QString &languageId, const QString &directory, QObject *parent)
    : QObject(parent), m_languageId(languageId), m_directory(directory), m_fileName(QLatin1String(FileName)) {
}

QString ConstructionList::filePath() const {
    return QDir(m_directory).filePath(m_fileName);
}

bool ConstructionList::read() {
    logMessage(QStringLiteral("Construction directory: ") + native(QDir(m_directory).absolutePath()),
               ZMT::MSG_PROGRESS, "ConstructionList::read");
    return read2(QLatin1String(FileName));
}

bool ConstructionList::read2(const QString &fileName) {
    const char *const location = "ConstructionList::read2";
    m_fileName = fileName;
    m_entries.clear();
    const QString path = filePath();
    int version = 0;
    m_readStatus = readFile(path, m_entries, &version);
    switch (m_readStatus) {
    case FileMissing:
        break;
    case CannotOpen:
        logMessage(QStringLiteral("Cannot open construction file '%1'.").arg(native(path)), ZMT::MSG_WARNING,
                   location);
        break;
    default:
        logMessage(QStringLiteral("Read construction file: %1 with version: %2").arg(fileName).arg(version),
                   ZMT::MSG_PROGRESS, location);
        if (m_readStatus == UnknownFileVersion)
            logMessage(
                QStringLiteral("Construction file version %1 unknown; the file is not read.").arg(version),
                ZMT::MSG_WARNING, location);
        else if (m_readStatus == Damaged)
            logMessage(
                QStringLiteral("Construction file '%1' could not be read completely; %2 constructions read.")
                    .arg(native(path))
                    .arg(m_entries.size()),
                ZMT::MSG_WARNING, location);
    }
    // A damaged file counts as not read, so the sample entry follows what could be read.
    return m_readStatus == ReadComplete && !m_entries.isEmpty();
}

bool ConstructionList::write() {
    const char *const location = "ConstructionList::write";
    logMessage(QStringLiteral("Write construction file: ") + m_fileName, ZMT::MSG_PROGRESS, location);
    DatabaseFile file(filePath(), QStringLiteral("construction file"), location);
    const QList<Construction> &entries = m_entries;
    const bool written = file.write(entries.isEmpty(), fileReadCompletely(), [&entries](QDataStream &out) {
        out << qint32(FileVersion) << qint32(entries.size());
        for (const Construction &c : entries)
            c.write(out);
    });
    if (written)
        m_readStatus = ReadComplete;
    return written;
}

bool ConstructionList::addSampleEntry(const MaterialList &materials) {
    const Material *brick = materials.material(493);
    const Material *insulation = materials.material(282);
    if (!brick || !insulation)
        return false;
    m_entries.append(Construction(
        tr("test construction 1"),
        {MaterialLayer(*brick, 0.12), MaterialLayer(*insulation, 0.08), MaterialLayer(*brick, 0.12)}));
    return true;
}

bool ConstructionList::replaceConstruction(int row, const Construction &construction) {
    if (row < 0 || row >= m_entries.size())
        return false;
    m_entries[row] = construction;
    return true;
}

bool ConstructionList::removeConstruction(int row) {
    if (row < 0 || row >= m_entries.size())
        return false;
    m_entries.removeAt(row);
    return true;
}

int ConstructionList::maxLayerCount() const {
    int most = 0;
    for (const Construction &c : m_entries)
        most = qMax(most, c.layers.size());
    return most;
}

ConstructionList::ImportResult ConstructionList::importConstructions(const QString &path) {
    ImportResult result;
    QList<Construction> read;
    const ReadStatus status = readFile(path, read);
    const QString name = native(path);
    if (status == FileMissing || status == CannotOpen) {
        result.message = tr("Cannot read file '%1'.").arg(name);
        return result;
    }
    if (status == UnknownFileVersion) {
        result.message =
            tr("The file '%1' was written by another version of the program and cannot be read.").arg(name);
        return result;
    }
    m_entries.append(read);
    result.added = read.size();
    result.message = result.added > 0 ? tr("%1 constructions found in file '%2'").arg(result.added).arg(name)
                                      : tr("No constructions found in file '%1'").arg(name);
    if (status == Damaged) {
        result.message += QLatin1Char('\n') + tr("The file could not be read to its end; the constructions "
                                                 "after the damaged entry are missing.");
        logMessage(
            QStringLiteral("Construction file '%1' imported up to a damaged entry; %2 constructions added.")
                .arg(name)
                .arg(result.added),
            ZMT::MSG_WARNING, "ConstructionList::importConstructions");
    }
    return result;
}

ConstructionList::ReadStatus ConstructionList::readEntries(QIODevice &device, QList<Construction> &entries,
                                                           int *fileVersion) {
    QDataStream in(&device);
    qint32 version = 0;
    qint32 entryCount = 0;
    in >> version;
    if (fileVersion)
        *fileVersion = version;
    if (in.status() != QDataStream::Ok)
        return Damaged;
    if (version != FileVersion)
        return UnknownFileVersion;
    in >> entryCount;
    if (in.status() != QDataStream::Ok || entryCount < 0)
        return Damaged;
    // Entries are appended as they are read; the count alone never sizes anything.
    qint32 read = 0;
    for (; read < entryCount; ++read) {
        Construction c;
        if (!Construction::read(in, c))
            break;
        entries.append(c);
    }
    return read == entryCount && in.atEnd() ? ReadComplete : Damaged;
}

ConstructionList::ReadStatus ConstructionList::readFile(const QString &path, QList<Construction> &entries,
                                                        int *fileVersion) {
    if (fileVersion)
        *fileVersion = 0;
    QFile file(path);
    if (!QFileInfo::exists(path))
        return FileMissing;
    if (!file.open(QIODevice::ReadOnly))
        return CannotOpen;
    return readEntries(file, entries, fileVersion);
}

QString ConstructionList::readProblem() const {
    const QString path = native(filePath());
    switch (m_readStatus) {
    case Damaged:
        return tr("The construction database '%1' could not be read completely. The %2 constructions read "
                  "before the damage are used; the file itself is not overwritten but kept under a name "
                  "ending in \".corrupt\" when the construction database is saved.")
            .arg(path)
            .arg(m_entries.size());
    case UnknownFileVersion:
        return tr("The construction database '%1' was written by another version of the program and cannot "
                  "be read. It is not overwritten but kept under a name ending in \".corrupt\" when the "
                  "construction database is saved.")
            .arg(path);
    case CannotOpen:
        return tr("The construction database '%1' cannot be opened. The program starts without its "
                  "constructions and does not overwrite the file.")
            .arg(path);
    default:
        return QString();
    }
}
