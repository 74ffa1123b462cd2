#ifndef USERDIALOGS_H
#define USERDIALOGS_H

#include <QMessageBox>
#include <QString>

class Document;
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

    /*! Lets the user set up a new project in \a document (project information already filled
        from the defaults). Returns false when cancelled. */
    virtual bool newProjectWizard(QWidget *parent, Document &document) = 0;
};

#endif // USERDIALOGS_H
