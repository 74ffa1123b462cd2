#include "MaterialList.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "CurrentLanguage.h"
#include "Directories.h"
#include "LegacyMaterialList.h"
#include "LegacyMaterialReader.h"
#include "MaterialFile.h"
#include "MaterialIdCounter.h"
#include "MaterialRecord.h"
#include "Settings.h"
#include "ZMT_MessageHandler.h"

const char *const MaterialList::BuiltInDirName = "DB_materials";
const char *const MaterialList::UserFileName = "UserData.tmat";
const char *const MaterialList::BackupSuffix = ".backup";

namespace {

MaterialList *s_instance = nullptr;

void logMessage(const QString &text, int type, const char *location) {
    ZMT::postMessage(text.toStdString() + (type == ZMT::MSG_PROGRESS ? "\n" : ""), type, location);
}

} // namespace

MaterialList &MaterialList::instance() {
    if (!s_instance) {
        s_instance =
            new MaterialList(CurrentLanguage::instance().id(),
                             QStringLiteral("%1/%2").arg(resourcesDir(), QLatin1String(BuiltInDirName)),
                             Settings::instance().userMaterialsDir());
        s_instance->read();
        if (QCoreApplication::instance())
            qAddPostRoutine(&MaterialList::destroyInstance);
    }
    return *s_instance;
}

bool MaterialList::hasInstance() {
    return s_instance != nullptr;
}

void MaterialList::destroyInstance() {
    MaterialList *list = s_instance;
    s_instance = nullptr;
    delete list;
}

MaterialList::MaterialList(const QString &languageId, const QString &builtInDir, const QString &userDir,
                           QObject *parent)
    : QObject(parent), m_languageId(languageId), m_builtInDir(builtInDir), m_userDir(userDir) {}

QString MaterialList::userFilePath() const {
    return QDir(m_userDir).filePath(QLatin1String(UserFileName));
}

bool MaterialList::read() {
    logMessage(QStringLiteral("Path for material database: ") + m_builtInDir, ZMT::MSG_PROGRESS,
               "MaterialList::read");
    m_builtIn.clear();
    const QDir dir(m_builtInDir);
    const QStringList files = dir.entryList(QStringList{QStringLiteral("*.t2m")}, QDir::Files);
    for (const QString &file : files)
        MaterialFile::read(dir.filePath(file), m_languageId, m_builtIn);
    m_builtIn.append(airLayerMaterial());

    bool complete = true;
    m_user = readUserFile(userFilePath(), &complete);
    m_userFileIncomplete = !complete;
    if (!complete)
        logMessage(QStringLiteral("User material file '%1' could not be read completely; %2 materials read.")
                       .arg(QDir::toNativeSeparators(userFilePath()))
                       .arg(m_user.size()),
                   ZMT::MSG_WARNING, "MaterialList::read");
    return count() > 0;
}

const Material *MaterialList::materialAt(int index) const {
    if (index < 0)
        return nullptr;
    if (index < m_builtIn.size())
        return &m_builtIn[index];
    index -= m_builtIn.size();
    if (index < m_user.size())
        return &m_user[index];
    return nullptr;
}

const Material *MaterialList::material(int id) const {
    for (const Material &m : m_builtIn)
        if (m.materialId == id)
            return &m;
    for (const Material &m : m_user)
        if (m.materialId == id)
            return &m;
    return nullptr;
}

bool MaterialList::isUserMaterial(int id) const {
    for (const Material &m : m_builtIn)
        if (m.materialId == id)
            return false;
    for (const Material &m : m_user)
        if (m.materialId == id)
            return true;
    return false;
}

int MaterialList::addUserMaterial(const Material &material) {
    Material m = material;
    m.setId(MaterialIdCounter::nextUserMaterialId());
    m_user.append(m);
    return m.materialId;
}

bool MaterialList::replaceUserMaterial(const Material &material) {
    for (Material &m : m_user) {
        if (m.materialId == material.materialId) {
            m = material;
            return true;
        }
    }
    return false;
}

bool MaterialList::removeUserMaterial(int id) {
    for (int i = 0; i < m_user.size(); ++i) {
        if (m_user[i].materialId == id) {
            m_user.removeAt(i);
            return true;
        }
    }
    return false;
}

bool MaterialList::writeUserData() {
    const char *const location = "MaterialList::writeUserData";
    if (!QDir().mkpath(m_userDir)) {
        logMessage(QStringLiteral("Cannot create user material directory '%1'.")
                       .arg(QDir::toNativeSeparators(QDir(m_userDir).absolutePath())),
                   ZMT::MSG_ERROR, location);
        return false;
    }
    const QString path = userFilePath();
    const QString backup = path + QLatin1String(BackupSuffix);
    const bool fileExists = QFileInfo(path).isFile();

    if (m_user.isEmpty()) {
        // The last materials survive as the backup instead of an empty file.
        if (!fileExists) {
            m_userFileIncomplete = false;
            return true;
        }
        QFile::remove(backup);
        if (!QFile::rename(path, backup)) {
            logMessage(QStringLiteral("Cannot rename user material file '%1' to '%2'.")
                           .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(backup)),
                       ZMT::MSG_ERROR, location);
            return false;
        }
        if (m_userFileIncomplete)
            logMessage(QStringLiteral("User material file '%1' was not read completely; it is kept as '%2'.")
                           .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(backup)),
                       ZMT::MSG_WARNING, location);
        m_userFileIncomplete = false;
        return true;
    }

    if (m_userFileIncomplete && fileExists) {
        // Whatever could not be read is still in the old file: keep it before overwriting.
        QFile::remove(backup);
        if (!QFile::copy(path, backup)) {
            logMessage(
                QStringLiteral("Cannot copy user material file '%1' to '%2'; the file is not overwritten.")
                    .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(backup)),
                ZMT::MSG_ERROR, location);
            return false;
        }
        logMessage(QStringLiteral("User material file '%1' was not read completely; a copy is kept as '%2'.")
                       .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(backup)),
                   ZMT::MSG_WARNING, location);
    }

    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        QDataStream out(&file);
        out << qint32(-UserFileVersion) << qint32(m_user.size());
        for (const Material &m : m_user)
            MaterialRecord::write(out, m, UserFileVersion);
        if (out.status() != QDataStream::Ok)
            file.cancelWriting();
        written = file.commit();
    }
    if (!written) {
        logMessage(QStringLiteral("Cannot write user material file '%1': %2")
                       .arg(QDir::toNativeSeparators(path), file.errorString()),
                   ZMT::MSG_ERROR, location);
        return false;
    }
    m_userFileIncomplete = false;
    return true;
}

QList<Material> MaterialList::readUserFile(const QString &path, bool *complete) {
    if (complete)
        *complete = true;
    QList<Material> materials;
    QFile file(path);
    if (!file.exists())
        return materials;
    bool whole = false;
    if (file.open(QIODevice::ReadOnly)) {
        QDataStream in(&file);
        qint32 header = 0;
        in >> header;
        // A negative header is the record version; 0 or more is the count of a version-1 file.
        int version = MaterialRecord::OldestVersion;
        qint32 recordCount = header;
        if (header < 0) {
            version = header >= -MaterialRecord::CurrentVersion ? -header : 0;
            in >> recordCount;
        }
        if (in.status() == QDataStream::Ok && version > 0 && recordCount >= 0) {
            // The list grows only by records actually read, never by the count alone.
            for (qint32 i = 0; i < recordCount; ++i) {
                Material m;
                if (!MaterialRecord::read(in, m, version))
                    break;
                m.setId(MaterialIdCounter::nextUserMaterialId());
                materials.append(m);
            }
            whole = materials.size() == recordCount && in.atEnd();
        }
    }
    if (complete)
        *complete = whole;
    return materials;
}

bool MaterialList::import1_9(const QString &path, QList<Material> &materials, QString &errorMessage) {
    return LegacyMaterialList::import1_9(path, materials, errorMessage);
}

int MaterialList::categoryFromGermanName(const QString &text) {
    return LegacyMaterialReader::categoryFromGermanName(text);
}

Material MaterialList::airLayerMaterial() {
    Material air(
        tr("Air space (not ventilated)"), MaterialCategory(MaterialCategory::Miscellaneous),
        tr("Thermal conductivity will be calculated from construction and heat flow according DIN EN "
           "ISO 6946 5.3.") +
            tr("Vapor diffusion resistance factor will be calculated from construction according DIN "
               "EN ISO 13788 4.1."),
        QString(), QString(), QString(), 1.23, 0.025, 1.0, 1e-5, 1.0, 0.0, MaterialIdCounter::CodeMaterialId);
    air.setFlags(true, false, false, false);
    air.productCodes = {0, 1, 2, 6, 7, 8};
    return air;
}
