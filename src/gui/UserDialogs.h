// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef USERDIALOGS_H
#define USERDIALOGS_H

#include <QMessageBox>
#include <QString>

#include <functional>

class Material;
class MaterialDatabaseDialog;
class QDialog;
class QFileDialog;
class QPrinter;
class QUrl;
class QWidget;

/*! Every modal question, message and file dialog of the main window goes through this
    interface, so the project lifecycle can run with scripted answers (tests) instead of
    blocking message boxes. StandardUserDialogs shows the real ones. */
class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    virtual QMessageBox::StandardButton question(QWidget *parent, const QString &title, const QString &text,
                                                 QMessageBox::StandardButtons buttons) = 0;
    virtual QMessageBox::StandardButton critical(QWidget *parent, const QString &title, const QString &text,
                                                 QMessageBox::StandardButtons buttons = QMessageBox::Ok) = 0;
    virtual void information(QWidget *parent, const QString &title, const QString &text) = 0;
    virtual void warning(QWidget *parent, const QString &title, const QString &text) = 0;

    /*! A file to open; empty when cancelled. */
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &directory,
                                 const QString &filter) = 0;
    /*! The first file chosen in a save dialog; empty when cancelled. */
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &directory,
                                 const QString &filter) = 0;

    /*! Lets the user choose and set up the printer for \a printer. Returns false when cancelled. */
    virtual bool printDialog(QWidget *parent, QPrinter &printer) = 0;
    /*! Lets the user choose paper and margins of \a printer. Returns false when cancelled. */
    virtual bool pageSetupDialog(QWidget *parent, QPrinter &printer) = 0;

    /*! Runs a modal dialog of the window (preferences, new-project wizard, project information)
        set up by the caller, and returns its result (QDialog::Accepted or Rejected). */
    virtual int runDialog(QDialog &dialog) = 0;
    /*! An existing directory chosen by the user; empty when cancelled. */
    virtual QString existingDirectory(QWidget *parent, const QString &caption, const QString &directory) = 0;

    /*! Runs the material and construction database dialog, set up in its mode by the caller,
        until the user closes it; in select mode the dialog then holds what was chosen. */
    virtual void runDatabaseDialog(MaterialDatabaseDialog &dialog) = 0;
    /*! Asks for the name and the notes of a stored construction in a dialog titled \a title.
        Returns false when cancelled. */
    virtual bool constructionName(QWidget *parent, const QString &title, QString &name, QString &notes) = 0;
    /*! Lets the user edit \a material of the user database in a dialog titled \a title. Returns
        false when cancelled. */
    virtual bool editMaterial(QWidget *parent, const QString &title, Material &material) = 0;

    /*! Runs the export file dialog of the main window (its filters and default suffix set up).
        On acceptance returns true with the first chosen file and the name filter selected. */
    virtual bool exportFileName(QFileDialog &dialog, QString &fileName, QString &nameFilter) = 0;

    /*! Shows the log file \a path (modal). */
    virtual void showLogFile(QWidget *parent, const QString &path) = 0;
    /*! The program's about dialog (modal); its F1 runs \a showHelp. */
    virtual void about(QWidget *parent, const std::function<void()> &showHelp) = 0;
    virtual void aboutQt(QWidget *parent) = 0;
    /*! Opens \a url with the desktop's handler (browser, mail program, PDF viewer). False when
        the system could not open it. */
    virtual bool openUrl(const QUrl &url) = 0;
};

#endif // USERDIALOGS_H
