// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CONFIGPAGEGENERAL_H
#define CONFIGPAGEGENERAL_H

#include <QString>
#include <QWidget>

class QComboBox;
class QLineEdit;
class QToolButton;
class Settings;
class UserDialogs;

/*! "General Settings" of the preferences: the unit of water uptake coefficients, the start-up
    mode, the unit of layer widths and the directory of the user's material and construction
    databases. */
class ConfigPageGeneral : public QWidget {
    Q_OBJECT
public:
    /*! Outcome of the checks of a user directory. */
    enum DirectoryCheck {
        DirectoryUsable,
        DirectoryIsFile,      ///< a file of that name exists
        DirectoryInvalidText, ///< the text cannot name a directory
        DirectoryNotWritable  ///< it cannot be created, or no file can be written in it
    };

    ConfigPageGeneral(UserDialogs &dialogs, QWidget *parent = nullptr);

    void load(const Settings &settings);
    /*! Stores the page into \a settings. False, with the reason shown and nothing stored, when
        a changed user directory cannot be used. */
    bool store(Settings &settings);

    /*! Checks \a directory (absolute, as stored) and creates it when missing. The probe file
        written into it is removed again unless it was there before. */
    static DirectoryCheck checkUserDirectory(const QString &directory);
    /*! The stored form of a directory typed by the user: absolute, cleaned, native separators. */
    static QString storedDirectory(const QString &text);

    /*! Unit factor of layer widths for an entry of the width combo (mm, cm, dm, m); 1000 for
        any other index. */
    static int widthUnitOfIndex(int index);
    /*! The entry of the width combo for a unit factor (mm for any unknown factor). */
    static int indexOfWidthUnit(int unit);

private slots:
    void chooseUserDirectory();

private:
    UserDialogs &m_dialogs;
    QComboBox *m_awUnit;
    QComboBox *m_startUp;
    QComboBox *m_widthUnit;
    QLineEdit *m_userDirectory;
    QToolButton *m_chooseUserDirectory;
    QString m_loadedDirectory; ///< the directory shown when the page was loaded
};

#endif // CONFIGPAGEGENERAL_H
