#ifndef MATERIALLIST_H
#define MATERIALLIST_H

#include <QList>
#include <QObject>
#include <QString>

#include "Material.h"

/*! The material database: the read-only built-in materials of the "*.t2m" files in the
    resources, the generated air-layer material as the last built-in one, then the user's own
    materials from "UserData.tmat" in the user materials directory.

    Index space: 0 .. builtInCount()-1 are the built-in materials, the following indexes the
    user materials. Look-up by id searches the built-in materials first.

    The owner writes the user file back with writeUserData() (the window program does so when it
    closes); the database never writes on its own. A user file that could not be read completely is copied to
   "<file>.backup" before it is overwritten, so a damaged file is never lost; an empty user list moves the
   user file to that name instead of writing it. */
class MaterialList : public QObject {
    Q_OBJECT
public:
    static const char *const BuiltInDirName; ///< "DB_materials"
    static const char *const UserFileName;   ///< "UserData.tmat"
    static const char *const BackupSuffix;   ///< ".backup"
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
    /*! False after read() met a user file it could not read completely (until the next
        successful write). */
    bool userFileReadCompletely() const { return !m_userFileIncomplete; }

private:
    QList<Material> m_builtIn;
    QList<Material> m_user;
    QString m_languageId;
    QString m_builtInDir;
    QString m_userDir;
    bool m_userFileIncomplete = false;
};

#endif // MATERIALLIST_H
