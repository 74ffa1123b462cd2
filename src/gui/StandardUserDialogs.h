// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef STANDARDUSERDIALOGS_H
#define STANDARDUSERDIALOGS_H

#include "UserDialogs.h"

class Material;

/*! The real message boxes and file dialogs of the program. */
class StandardUserDialogs : public UserDialogs {
public:
    QMessageBox::StandardButton question(QWidget *parent, const QString &title, const QString &text,
                                         QMessageBox::StandardButtons buttons) override;
    QMessageBox::StandardButton critical(QWidget *parent, const QString &title, const QString &text,
                                         QMessageBox::StandardButtons buttons = QMessageBox::Ok) override;
    void information(QWidget *parent, const QString &title, const QString &text) override;
    void warning(QWidget *parent, const QString &title, const QString &text) override;
    QString openFileName(QWidget *parent, const QString &caption, const QString &directory,
                         const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &directory,
                         const QString &filter) override;

    bool printDialog(QWidget *parent, QPrinter &printer) override;
    bool pageSetupDialog(QWidget *parent, QPrinter &printer) override;

    int runDialog(QDialog &dialog) override;
    QString existingDirectory(QWidget *parent, const QString &caption, const QString &directory) override;

    void runDatabaseDialog(MaterialDatabaseDialog &dialog) override;
    /*! The ConstructionNameInputDialog. */
    bool constructionName(QWidget *parent, const QString &title, QString &name, QString &notes) override;
    /*! The MaterialEditDialog. */
    bool editMaterial(QWidget *parent, const QString &title, Material &material) override;
    bool exportFileName(QFileDialog &dialog, QString &fileName, QString &nameFilter) override;
    void showLogFile(QWidget *parent, const QString &path) override;
    void about(QWidget *parent, const std::function<void()> &showHelp) override;
    void aboutQt(QWidget *parent) override;
    bool openUrl(const QUrl &url) override;
};

#endif // STANDARDUSERDIALOGS_H
