#ifndef SCRIPTEDDIALOGS_H
#define SCRIPTEDDIALOGS_H

#include <QFileDialog>
#include <QPair>
#include <QPrinter>
#include <QStringList>
#include <QUrl>

#include "Material.h"
#include "MaterialList.h"
#include "StandardUserDialogs.h"
#include "UserDialogs.h"

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
    QStringList materials;                  // names of the materials to pick, in order (none left: cancel)
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
    bool newProjectWizard(QWidget *parent, Document &document) override {
        kinds << "wizard";
        return wizardAccepts && StandardUserDialogs().newProjectWizard(parent, document);
    }
    bool selectMaterial(QWidget *, Material &material) override {
        kinds << "material";
        if (materials.isEmpty())
            return false;
        const QString name = materials.takeFirst();
        const MaterialList &list = MaterialList::instance();
        for (int i = 0; i < list.count(); ++i) {
            if (list.materialAt(i)->name == name) {
                material = *list.materialAt(i);
                return true;
            }
        }
        return false;
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
