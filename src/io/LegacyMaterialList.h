// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LEGACYMATERIALLIST_H
#define LEGACYMATERIALLIST_H

#include <QList>
#include <QString>

class Material;

/*! The text material lists of the first program generation: a "FileVersion" line, then
    "MATERIAL_LIST" with one "MATERIAL_DEFINITION" block per material (grammar of
    LegacyMaterialReader). */
class LegacyMaterialList {
public:
    /*! Imports the list at \a path. On success \a materials holds every material of the file, in
        file order, each with the next user-material id and a random colour. On failure returns
        false, leaves \a materials empty and sets \a errorMessage (translation context
        "MaterialList"); no ids are used up then. */
    static bool import1_9(const QString &path, QList<Material> &materials, QString &errorMessage);

    LegacyMaterialList() = delete;
};

#endif // LEGACYMATERIALLIST_H
