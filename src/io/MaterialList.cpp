// SPDX-License-Identifier: GPL-3.0-or-later
#include "MaterialList.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "CurrentLanguage.h"
#include "DatabaseFile.h"
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
    m_incompleteFiles.clear();
    const QDir dir(m_builtInDir);
    const QStringList files = dir.entryList(QStringList{QStringLiteral("*.t2m")}, QDir::Files);
    for (const QString &file : files) {
        const int before = m_builtIn.size();
        if (!MaterialFile::read(dir.filePath(file), m_languageId, m_builtIn))
            m_incompleteFiles.append({dir.filePath(file), m_builtIn.size() - before});
    }
    m_builtIn.append(airLayerMaterial());

    bool complete = true;
    m_user = readUserFile(userFilePath(), &complete);
    m_userFileIncomplete = !complete;
    if (!complete)
        m_incompleteFiles.append({userFilePath(), m_user.size()});
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

bool MaterialList::isUserMaterialAt(int index) const {
    return index >= m_builtIn.size() && index < count();
}

Material MaterialList::copyForUser(int index) const {
    const Material *original = materialAt(index);
    if (!original)
        return Material();
    Material copy = *original;
    copy.productCodes.clear();
    copy.setId(MaterialIdCounter::CodeMaterialId);
    return copy;
}

bool MaterialList::replaceUserMaterialAt(int index, const Material &material) {
    if (!isUserMaterialAt(index))
        return false;
    Material &target = m_user[index - m_builtIn.size()];
    const int id = target.materialId;
    target = material;
    target.setId(id);
    return true;
}

bool MaterialList::removeUserMaterialAt(int index) {
    if (!isUserMaterialAt(index))
        return false;
    m_user.removeAt(index - m_builtIn.size());
    return true;
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
    DatabaseFile file(userFilePath(), QStringLiteral("user material file"), "MaterialList::writeUserData");
    const QList<Material> &user = m_user;
    const bool written = file.write(user.isEmpty(), !m_userFileIncomplete, [&user](QDataStream &out) {
        out << qint32(-UserFileVersion) << qint32(user.size());
        for (const Material &m : user)
            MaterialRecord::write(out, m, UserFileVersion);
    });
    if (written)
        m_userFileIncomplete = false;
    return written;
}

QList<Material> MaterialList::readUserFile(const QString &path, bool *complete) {
    if (complete)
        *complete = true;
    QFile file(path);
    if (!file.exists())
        return QList<Material>();
    if (!file.open(QIODevice::ReadOnly)) {
        if (complete)
            *complete = false;
        return QList<Material>();
    }
    return readUserData(file, complete);
}

QList<Material> MaterialList::readUserData(QIODevice &device, bool *complete) {
    QList<Material> materials;
    QDataStream in(&device);
    qint32 header = 0;
    in >> header;
    // A negative header is the record version; 0 or more is the count of a version-1 file.
    int version = MaterialRecord::OldestVersion;
    qint32 recordCount = header;
    if (header < 0) {
        version = header >= -MaterialRecord::CurrentVersion ? -header : 0;
        in >> recordCount;
    }
    bool whole = false;
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
    if (complete)
        *complete = whole;
    return materials;
}

bool MaterialList::import1_9(const QString &path, QList<Material> &materials, QString &errorMessage) {
    return LegacyMaterialList::import1_9(path, materials, errorMessage);
}

bool MaterialList::readImportFile(const QString &path, QList<Material> &materials, QString &errorMessage,
                                  bool *complete) {
    materials.clear();
    if (complete)
        *complete = true;
    // The extension decides, letter case included.
    const QString suffix = QFileInfo(path).suffix();
    if (suffix == QLatin1String("txt"))
        return import1_9(path, materials, errorMessage);
    if (suffix != QLatin1String("tmat")) {
        errorMessage = tr("No valid material file '%1'\n Extension sould be 'txt' or 'tmat'")
                           .arg(QDir::toNativeSeparators(path));
        return false;
    }
    if (!QFileInfo(path).isFile()) {
        errorMessage = tr("Cannot read file '%1'.").arg(QDir::toNativeSeparators(path));
        return false;
    }
    materials = readUserFile(path, complete);
    return true;
}

MaterialList::ImportResult MaterialList::importUserMaterials(const QString &path) {
    ImportResult result;
    QList<Material> materials;
    bool complete = true;
    if (!readImportFile(path, materials, result.message, &complete))
        return result;
    const QString native = QDir::toNativeSeparators(path);
    for (const Material &m : materials)
        addUserMaterial(m);
    result.added = materials.size();
    result.message = result.added > 0 ? tr("%1 materials found in file '%2'").arg(result.added).arg(native)
                                      : tr("No materials found in file '%1'").arg(native);
    if (!complete) {
        result.message += QLatin1Char('\n') + tr("The file could not be read to its end; the materials after "
                                                 "the damaged entry are missing.");
        logMessage(QStringLiteral("Material file '%1' imported up to a damaged entry; %2 materials added.")
                       .arg(native)
                       .arg(result.added),
                   ZMT::MSG_WARNING, "MaterialList::importUserMaterials");
    }
    return result;
}

QString MaterialList::readProblem() const {
    if (!m_userFileIncomplete)
        return QString();
    const QString path = QDir::toNativeSeparators(userFilePath());
    if (m_user.isEmpty())
        return tr("The user material file '%1' cannot be read: it is damaged or was written by another "
                  "version of the program. It is not overwritten but kept under a name ending in "
                  "\".corrupt\" when the user materials are saved.")
            .arg(path);
    return tr("The user material file '%1' could not be read completely. The %2 materials read before "
              "the damage are used; the file itself is not overwritten but kept under a name ending in "
              "\".corrupt\" when the user materials are saved.")
        .arg(path)
        .arg(m_user.size());
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
    air.color = Material::colorForId(air.materialId);
    air.setFlags(true, false, false, false);
    air.productCodes = {0, 1, 2, 6, 7, 8};
    return air;
}
