// SPDX-License-Identifier: GPL-3.0-or-later
#include "LegacyMaterialList.h"

#include <QCoreApplication>

#include "LegacyMaterialReader.h"
#include "LegacyTextStream.h"
#include "Material.h"
#include "MaterialIdCounter.h"

namespace {

QString listError(const char *text) {
    return QStringLiteral("[T2_MaterialList read_1_9_list]  ") +
           QCoreApplication::translate("MaterialList", text);
}

QString materialError(const QString &text) {
    return QStringLiteral("[T2_MaterialList read_1_9_material]  ") + text;
}

} // namespace

bool LegacyMaterialList::import1_9(const QString &path, QList<Material> &materials, QString &errorMessage) {
    materials.clear();
    LegacyTextStream in;
    if (!in.readFile(path)) {
        errorMessage = listError(QT_TRANSLATE_NOOP("MaterialList", "Cannot read file '%1'.")).arg(path);
        return false;
    }
    QString line;
    if (!in.readLine(line) || !in.takeVersionLine(line)) {
        errorMessage = listError(QT_TRANSLATE_NOOP("MaterialList", "Keyword 'FileVersion' missing!"));
        return false;
    }
    QString keyword, value;
    if (in.readNonEmptyLine(line))
        LegacyTextStream::splitKeyword(line, keyword, value);
    if (keyword != QLatin1String("MATERIAL_LIST")) {
        errorMessage = listError(QT_TRANSLATE_NOOP("MaterialList", "Keyword 'MATERIAL_LIST' missing!"));
        return false;
    }
    if (!in.readNonEmptyLine(line) || line != QLatin1String("{")) {
        errorMessage = listError(QT_TRANSLATE_NOOP("MaterialList", "Missing block start!"));
        return false;
    }
    QList<Material> read;
    LegacyMaterialReader reader;
    for (;;) {
        if (!in.readNonEmptyLine(line)) {
            errorMessage = listError(QT_TRANSLATE_NOOP("MaterialList", "Unexpected end of file!"));
            return false;
        }
        if (line == QLatin1String("}"))
            break;
        LegacyTextStream::splitKeyword(line, keyword, value);
        if (keyword != QLatin1String("MATERIAL_DEFINITION")) {
            errorMessage = listError(QT_TRANSLATE_NOOP("MaterialList", "Invalid keyword!"));
            return false;
        }
        if (!in.readNonEmptyLine(line) || line != QLatin1String("{")) {
            errorMessage = listError(
                QT_TRANSLATE_NOOP("MaterialList", "Block start '{' of material definition missing!"));
            return false;
        }
        Material material;
        switch (reader.read(in, material)) {
        case LegacyMaterialReader::Ok:
            read.append(material);
            continue;
        case LegacyMaterialReader::NameMissing:
            errorMessage =
                materialError(QCoreApplication::translate("MaterialList", "Error reading material name!"));
            break;
        case LegacyMaterialReader::InvalidKeyword:
            errorMessage = materialError(
                QCoreApplication::translate("MaterialList", "Invalid keyword '%1'!").arg(reader.keyword()));
            break;
        case LegacyMaterialReader::ParameterError:
            errorMessage =
                materialError(QCoreApplication::translate("MaterialList", "Error reading parameter '%1'!")
                                  .arg(reader.keyword()));
            break;
        case LegacyMaterialReader::MissingData:
            errorMessage = materialError(QCoreApplication::translate("MaterialList", "Missing data!"));
            break;
        case LegacyMaterialReader::UnexpectedEnd:
            errorMessage =
                materialError(QCoreApplication::translate("MaterialList", "Error reading material data!\n"));
            break;
        }
        return false;
    }
    // Ids only for a list read completely, so a failed import uses none up.
    for (Material &m : read) {
        m.setId(MaterialIdCounter::nextUserMaterialId());
        m.color = Material::randomColor();
    }
    materials = read;
    return true;
}
