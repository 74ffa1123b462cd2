// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SCRIPTEDDIALOGS_H
#define SCRIPTEDDIALOGS_H

#include <QFileDialog>
#include <QTest>
#include <QAbstractButton>
#include <QWizard>

#include <functional>
#include <QPair>
#include <QPrinter>
#include <QStringList>
#include <QUrl>

#include "ConstructionDatabaseTableModel.h"
#include "ConstructionDatabaseWidget.h"
#include "Material.h"
#include "MaterialConstructionTabWidget.h"
#include "MaterialDatabaseDialog.h"
#include "MaterialDatabaseWidget.h"
#include "NewProjectWizard.h"
#include "NewProjectWizardMaterialPage.h"
#include "StandardUserDialogs.h"
#include "UserDialogs.h"
#include "VaDar_MaterialDatabaseSelectionWidget.h"
#include "VaDar_MaterialTableModel.h"

// Answers every dialog of the main window from a script and records what was asked.
class ScriptedDialogs : public UserDialogs {
public:
    using Button = QMessageBox::StandardButton;
    using S = const QString &;

    QStringList kinds;     // the dialogs shown, in order
    QStringList fileNames; // the files to choose, in order (none left: cancel)
    QString message;       // title and text of the last message box
    QList<Button> answers; // for questions and critical messages with a choice, in order
    bool wizardAccepts = true;
    QString wizardMaterial = "Solid clay brick masonry 1800 kg/m3"; // the first layer of a new project
    std::function<void(QDialog &)> dialogScript; // works the shown dialog as a user (accept or reject)
    // The database dialog picks these by name, materials first, in order (none left: cancel).
    QStringList materials;
    QStringList constructions;
    QStringList materialNames;     // the material editor renames, in order (none left: cancel)
    QStringList constructionNames; // the name dialog gives these, notes "notes of <name>" (none left: cancel)
    QString offeredName;           // the name the name dialog was opened with, last time
    QList<QPair<QString, QString>> exports; // file and name filter of each export (none left: cancel)
    QList<QUrl> urls;                       // the addresses opened
    bool urlsOpen = true;

    Button question(QWidget *, S title, S text, QMessageBox::StandardButtons) override {
        return ask("question", title, text, QMessageBox::Cancel);
    }
    Button critical(QWidget *, S title, S text, QMessageBox::StandardButtons buttons) override {
        return ask("critical", title, text, buttons == QMessageBox::Ok ? QMessageBox::Ok : QMessageBox::No);
    }
    void information(QWidget *, S t, S x) override { ask("information", t, x, QMessageBox::Ok); }
    void warning(QWidget *, S t, S x) override { ask("warning", t, x, QMessageBox::Ok); }
    QString openFileName(QWidget *, S, S, S) override { return fileName("open"); }
    QString saveFileName(QWidget *, S, S, S) override { return fileName("save"); }
    // Prints into the next file name as PDF; none left: cancelled.
    bool printDialog(QWidget *, QPrinter &printer) override {
        const QString name = fileName("print");
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(name);
        return !name.isEmpty();
    }
    // The wizard picks wizardMaterial on its Materials tab and finishes (or is cancelled); any
    // other dialog is recorded by its object name and run by dialogScript (unset: cancelled).
    int runDialog(QDialog &dialog) override {
        if (auto *wizard = qobject_cast<NewProjectWizard *>(&dialog)) {
            kinds << "wizard";
            if (!wizardAccepts)
                return QDialog::Rejected;
            wizard->show();
            wizard->next();
            MaterialDatabaseWidget *list = wizard->materialPage()->tabWidget()->materialsWidget();
            const VaDar::MaterialTableModel *model = list->selectionWidget()->tableModel();
            for (int i = 0; i < model->rowCount(); ++i)
                if (model->material(i).name == wizardMaterial)
                    list->showMaterial(i);
            QWidget *finish = wizard->button(QWizard::FinishButton);
            if (!finish->isEnabled())
                return QDialog::Rejected;
            QTest::mouseClick(finish, Qt::LeftButton);
            return closed(dialog);
        }
        kinds << dialog.objectName();
        if (!dialogScript)
            return QDialog::Rejected;
        dialog.show();
        dialogScript(dialog);
        return closed(dialog);
    }
    // Accepted when pageSetupLandscape is set: the paper turns to landscape.
    bool pageSetupLandscape = false;
    bool pageSetupDialog(QWidget *, QPrinter &printer) override {
        kinds << "pageSetup";
        if (pageSetupLandscape)
            printer.setPageOrientation(QPageLayout::Landscape);
        return pageSetupLandscape;
    }
    QString existingDirectory(QWidget *, S, S) override { return fileName("directory"); }
    void runDatabaseDialog(MaterialDatabaseDialog &dialog) override {
        kinds << "database";
        dialog.show();
        MaterialConstructionTabWidget *tabs = dialog.tabWidget();
        bool found = false;
        if (!materials.isEmpty()) {
            tabs->setCurrentIndex(MaterialConstructionTabWidget::MaterialsTab);
            const QString name = materials.takeFirst();
            const VaDar::MaterialTableModel *list = tabs->materialsWidget()->selectionWidget()->tableModel();
            for (int i = 0; i < list->rowCount(); ++i)
                if (!found && list->material(i).name == name) {
                    tabs->materialsWidget()->showMaterial(i);
                    found = true;
                }
        } else if (!constructions.isEmpty()) {
            tabs->setCurrentIndex(MaterialConstructionTabWidget::ConstructionsTab);
            const QString name = constructions.takeFirst();
            ConstructionDatabaseWidget *stored = tabs->constructionsWidget();
            for (int row = 0; row < stored->model()->rowCount(); ++row)
                if (!found && stored->model()->construction(row).name == name) {
                    stored->selectConstruction(row);
                    found = true;
                }
        }
        if (found)
            dialog.accept();
        else
            dialog.reject();
    }
    bool constructionName(QWidget *, S, QString &name, QString &notes) override {
        kinds << "constructionName";
        offeredName = name;
        if (constructionNames.isEmpty())
            return false;
        name = constructionNames.takeFirst();
        notes = "notes of " + name;
        return true;
    }
    bool editMaterial(QWidget *, S, Material &material) override {
        kinds << "editMaterial";
        if (materialNames.isEmpty())
            return false;
        material.name = materialNames.takeFirst();
        return true;
    }
    bool exportFileName(QFileDialog &dialog, QString &file, QString &filter) override {
        kinds << "export";
        if (exports.isEmpty())
            return false;
        const QPair<QString, QString> e = exports.takeFirst();
        emit dialog.filterSelected(e.second); // as the user choosing the type
        file = e.first;
        filter = e.second;
        return true;
    }
    void showLogFile(QWidget *, S path) override { kinds << "log " + path; }
    void about(QWidget *, const std::function<void()> &showHelp) override {
        kinds << "about";
        showHelp(); // F1 in the dialog
    }
    void aboutQt(QWidget *) override { kinds << "aboutQt"; }
    bool openUrl(const QUrl &url) override {
        urls << url;
        return urlsOpen;
    }

private:
    // As after a modal dialog, the window that opened it is active again.
    static int closed(QDialog &dialog) {
        dialog.hide();
        if (QWidget *parent = dialog.parentWidget()) {
            parent->activateWindow();
            (void)QTest::qWaitForWindowActive(parent->window());
        }
        return dialog.result();
    }
    Button ask(S kind, S title, S text, Button fallback) {
        kinds << kind;
        message = title + " | " + text;
        return answers.isEmpty() || fallback == QMessageBox::Ok ? fallback : answers.takeFirst();
    }
    QString fileName(S kind) {
        kinds << kind;
        return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
    }
};

#endif // SCRIPTEDDIALOGS_H
