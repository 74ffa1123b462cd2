// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MATERIALLIST_H
#define MATERIALLIST_H

#include <QList>
#include <QObject>
#include <QString>
#include <QVector>

#include "Material.h"

class QIODevice;

/*! The material database: the read-only built-in materials of the "*.t2m" files in the
    resources, the generated air-layer material as the last built-in one, then the user's own
    materials from "UserData.tmat" in the user materials directory.

    Index space: 0 .. builtInCount()-1 are the built-in materials, the following indexes the
    user materials. Look-up by id searches the built-in materials first.

    The owner writes the user file back with writeUserData() (the window program does so when it
    closes); the database never writes on its own. The file rules of DatabaseFile apply: a user file
    that could not be read completely is kept as "<file>.corrupt" and never overwritten, an empty
    user list moves the file to "<file>.backup".

    Built-in materials are read-only: they can be copied into the user materials, which alone can
    be edited and removed. */
class MaterialList : public QObject {
    Q_OBJECT
public:
    static const char *const BuiltInDirName; ///< "DB_materials"
    static const char *const UserFileName;   ///< "UserData.tmat"
    /*! Record version of the user file written by this program. */
    static constexpr int UserFileVersion = 4;

    /*! The process-wide database. The first call creates it with the current language, the
        "DB_materials" folder of the resources and the user materials directory of the settings,
        and reads it. Call it after the translations are installed (the air-layer texts are
        translated). With a running application object the database is destroyed when that
        object is destroyed; otherwise call destroyInstance(). */
    static MaterialList &instance();
    static bool hasInstance();
    /*! Destroys the process-wide database without writing it; a later instance() reads anew. */
    static void destroyInstance();

    /*! An empty database; read() fills it. \a builtInDir holds the "*.t2m" files, \a userDir
        the user file. */
    MaterialList(const QString &languageId, const QString &builtInDir, const QString &userDir,
                 QObject *parent = nullptr);

    /*! Reads the built-in files, appends the air-layer material and reads the user file.
        True when the database holds any material. */
    bool read();

    int count() const { return m_builtIn.size() + m_user.size(); }
    int builtInCount() const { return m_builtIn.size(); }
    int userCount() const { return m_user.size(); }
    const QList<Material> &builtInMaterials() const { return m_builtIn; }
    const QList<Material> &userMaterials() const { return m_user; }

    /*! The material at \a index of the index space, or null. Valid until the list changes. */
    const Material *materialAt(int index) const;
    /*! The first material with \a id (built-in materials first), or null. Valid until the list
        changes. */
    const Material *material(int id) const;
    /*! True when \a id belongs to a user material (and no built-in one). */
    bool isUserMaterial(int id) const;

    /*! True when \a index addresses a user material (only those can be edited and removed). */
    bool isUserMaterialAt(int index) const;
    bool canEditAt(int index) const { return isUserMaterialAt(index); }
    bool canRemoveAt(int index) const { return isUserMaterialAt(index); }
    /*! Any material, built-in or the user's, can be copied into the user materials. */
    bool canCopyAt(int index) const { return materialAt(index) != nullptr; }
    /*! The material at \a index as the start of a new user material: a copy without the product
        codes of the built-in editions; addUserMaterial() gives it its id. A default material
        for an index out of range. */
    Material copyForUser(int index) const;
    /*! Replaces the user material at \a index; false (nothing changed) for a built-in material or
        an index out of range. The material keeps the id of the one it replaces. */
    bool replaceUserMaterialAt(int index, const Material &material);
    /*! Removes the user material at \a index; false for a built-in material or an index out of
        range. */
    bool removeUserMaterialAt(int index);

    /*! Appends a copy of \a material (callers pass only valid materials) with the next user id
        and returns that id. */
    int addUserMaterial(const Material &material);
    /*! Replaces the first user material with the same id; false if there is none. */
    bool replaceUserMaterial(const Material &material);
    /*! Removes the first user material with \a id; false if there is none. */
    bool removeUserMaterial(int id);

    /*! Writes the user file (record version 4) through a save file, or moves it to the backup
        name when the user list is empty. Failures are logged as errors and return false. */
    bool writeUserData();

    /*! Reads a user material file (own user file or another installation's). Every material gets
        the next user id. A missing file or a record version above 4 gives an empty list.
        \a complete (optional) is false when the file exists but was not read to its end
        (unreadable, truncated, damaged, or of a newer version); the materials read before the
        damage are returned. */
    static QList<Material> readUserFile(const QString &path, bool *complete = nullptr);
    /*! readUserFile() on an open device: the whole user file from its current position. */
    static QList<Material> readUserData(QIODevice &device, bool *complete = nullptr);

    /*! Reads a material file to import, chosen by its extension (exactly "txt": a first-generation
        text list; exactly "tmat": a user material file; any other, "TXT" too, is refused). False
        with \a errorMessage set when nothing could be read. \a complete (optional) is false when
        a user material file was read only up to a damage (the materials before it are returned). */
    static bool readImportFile(const QString &path, QList<Material> &materials, QString &errorMessage,
                               bool *complete = nullptr);

    /*! The outcome of an import: the number of materials added and the text that tells the user
        ("%1 materials found in file '%2'" or why none were added). */
    struct ImportResult {
        int added = 0;
        QString message;
    };
    /*! Adds every material of the file (readImportFile()) to the user materials. Nothing is
        written, neither the imported file nor the user file. */
    ImportResult importUserMaterials(const QString &path);

    /*! Imports a material list of the first program generation (text format); every material
        gets the next user id. False with \a errorMessage set (nothing imported) when the file
        cannot be read. */
    static bool import1_9(const QString &path, QList<Material> &materials, QString &errorMessage);

    /*! Category number of a German category text of older material lists (or of a translated
        English category name), -1 when the text matches none. */
    static int categoryFromGermanName(const QString &text);

    /*! The generated material of an unventilated air space. */
    static Material airLayerMaterial();

    const QString &languageId() const { return m_languageId; }
    const QString &builtInDirectory() const { return m_builtInDir; }
    const QString &userDirectory() const { return m_userDir; }
    QString userFilePath() const;
    /*! A file read() could not read to its end (unreadable, rejected or damaged), with the
        number of materials taken from it before the problem. */
    struct IncompleteFile {
        QString path;
        int materialsRead = 0;
    };
    /*! The files the last read() could not read completely: built-in files in the order read,
        then the user file. */
    const QVector<IncompleteFile> &incompleteFiles() const { return m_incompleteFiles; }

    /*! False after read() met a user file it could not read completely (until the next
        successful write). */
    bool userFileReadCompletely() const { return !m_userFileIncomplete; }
    /*! For the user, when the user file was not read completely: what happened and that the
        file is kept; empty otherwise. */
    QString readProblem() const;

private:
    QList<Material> m_builtIn;
    QList<Material> m_user;
    QString m_languageId;
    QString m_builtInDir;
    QString m_userDir;
    QVector<IncompleteFile> m_incompleteFiles;
    bool m_userFileIncomplete = false;
};

#endif // MATERIALLIST_H
