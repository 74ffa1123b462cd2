// SPDX-License-Identifier: GPL-3.0-or-later
#include "StandardUserDialogs.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QUrl>

#include "AboutDialog.h"
#include "ConstructionNameInputDialog.h"
#include "LogFileDialog.h"
#include "Material.h"
#include "MaterialDatabaseDialog.h"
#include "MaterialEditDialog.h"

QMessageBox::StandardButton StandardUserDialogs::question(QWidget *parent, const QString &title,
                                                          const QString &text,
                                                          QMessageBox::StandardButtons buttons) {
    return QMessageBox::question(parent, title, text, buttons);
}

QMessageBox::StandardButton StandardUserDialogs::critical(QWidget *parent, const QString &title,
                                                          const QString &text,
                                                          QMessageBox::StandardButtons buttons) {
    return QMessageBox::critical(parent, title, text, buttons);
}

void StandardUserDialogs::information(QWidget *parent, const QString &title, const QString &text) {
    QMessageBox::information(parent, title, text);
}

void StandardUserDialogs::warning(QWidget *parent, const QString &title, const QString &text) {
    QMessageBox::warning(parent, title, text);
}

QString StandardUserDialogs::openFileName(QWidget *parent, const QString &caption, const QString &directory,
                                          const QString &filter) {
    return QFileDialog::getOpenFileName(parent, caption, directory, filter);
}

QString StandardUserDialogs::saveFileName(QWidget *parent, const QString &caption, const QString &directory,
                                          const QString &filter) {
    QFileDialog dialog(parent, caption, directory, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setViewMode(QFileDialog::Detail);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

bool StandardUserDialogs::printDialog(QWidget *parent, QPrinter &printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

int StandardUserDialogs::runDialog(QDialog &dialog) {
    return dialog.exec();
}

bool StandardUserDialogs::pageSetupDialog(QWidget *parent, QPrinter &printer) {
    QPageSetupDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

QString StandardUserDialogs::existingDirectory(QWidget *parent, const QString &caption,
                                               const QString &directory) {
    return QFileDialog::getExistingDirectory(parent, caption, directory);
}

void StandardUserDialogs::runDatabaseDialog(MaterialDatabaseDialog &dialog) {
    dialog.exec();
}

bool StandardUserDialogs::constructionName(QWidget *parent, const QString &title, QString &name,
                                           QString &notes) {
    ConstructionNameInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setName(name);
    dialog.setNotes(notes);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    name = dialog.name();
    notes = dialog.notes();
    return true;
}

bool StandardUserDialogs::editMaterial(QWidget *parent, const QString &title, Material &material) {
    MaterialEditDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setMaterial(material);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    material = dialog.material();
    return true;
}

bool StandardUserDialogs::exportFileName(QFileDialog &dialog, QString &fileName, QString &nameFilter) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    fileName = dialog.selectedFiles().constFirst();
    nameFilter = dialog.selectedNameFilter();
    return true;
}

void StandardUserDialogs::showLogFile(QWidget *parent, const QString &path) {
    LogFileDialog dialog(path, parent);
    dialog.exec();
}

void StandardUserDialogs::about(QWidget *parent, const std::function<void()> &showHelp) {
    AboutDialog dialog(parent);
    QObject::connect(&dialog, &AboutDialog::helpRequested, &dialog, [showHelp]() {
        if (showHelp)
            showHelp();
    });
    dialog.exec();
}

void StandardUserDialogs::aboutQt(QWidget *parent) {
    QMessageBox::aboutQt(parent);
}

bool StandardUserDialogs::openUrl(const QUrl &url) {
    return QDesktopServices::openUrl(url);
}
