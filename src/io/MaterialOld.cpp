// SPDX-License-Identifier: GPL-3.0-or-later
// The material block of first-generation project files.

#include "Material.h"

#include <QCoreApplication>

#include "LegacyMaterialReader.h"
#include "LegacyTextStream.h"

bool Material::readOld(LegacyTextStream &in, QString &errorMessage) {
    LegacyMaterialReader reader;
    const LegacyMaterialReader::Result result = reader.read(in, *this);
    switch (result) {
    case LegacyMaterialReader::Ok:
        return true;
    case LegacyMaterialReader::NameMissing:
        errorMessage =
            QCoreApplication::translate("Material", "[Material::readOld]  Error reading material name!");
        break;
    case LegacyMaterialReader::InvalidKeyword:
        errorMessage = QCoreApplication::translate("Material", "[Material::readOld]  Invalid keyword '%1'")
                           .arg(reader.keyword());
        break;
    case LegacyMaterialReader::ParameterError:
        errorMessage =
            QCoreApplication::translate("Material", "[Material::readOld]  Error reading parameter '%1'!")
                .arg(reader.keyword());
        break;
    case LegacyMaterialReader::MissingData:
        errorMessage =
            QCoreApplication::translate("Material", "[Material::readOld]  Material '%1': missing data (%2)!")
                .arg(reader.materialName(), reader.missingKeywords().join(QStringLiteral(", ")));
        break;
    case LegacyMaterialReader::UnexpectedEnd:
        errorMessage =
            QCoreApplication::translate("Material", "[Material::readOld]  Error reading material data!\n");
        break;
    }
    return false;
}
