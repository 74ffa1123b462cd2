// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CONFIGDIALOG_H
#define CONFIGDIALOG_H

#include <QDialog>

class ConfigPageGeneral;
class ConfigPageProjectInformation;
class ConfigPrintDefaults;
class QListWidget;
class QListWidgetItem;
class QStackedWidget;
class Settings;
class UserDialogs;

/*! "Preferences": the application settings on three pages (general settings, the default
    project information and the default print configuration). Showing the dialog loads every page
    from the settings; OK stores them all. */
class ConfigDialog : public QDialog {
    Q_OBJECT
public:
    ConfigDialog(Settings &settings, UserDialogs &dialogs, QWidget *parent = nullptr);

    ConfigPageGeneral *generalPage() const { return m_general; }
    ConfigPageProjectInformation *projectInformationPage() const { return m_projectInformation; }
    ConfigPrintDefaults *printDefaultsPage() const { return m_printDefaults; }
    QListWidget *pageList() const { return m_pageList; }
    QStackedWidget *pages() const { return m_pages; }

signals:
    /*! F1: the help on the preferences is asked for. */
    void helpRequested(int topic);

public slots:
    /*! Shows the page of the \a current entry. */
    void pageChanged(QListWidgetItem *current, QListWidgetItem *previous);
    /*! Stores every page and closes the dialog; stays open (nothing stored) when the user
        directory cannot be used. */
    void changesAccepted();

protected:
    void showEvent(QShowEvent *event) override;

private:
    Settings &m_settings;
    QListWidget *m_pageList;
    QStackedWidget *m_pages;
    ConfigPageGeneral *m_general;
    ConfigPageProjectInformation *m_projectInformation;
    ConfigPrintDefaults *m_printDefaults;
};

#endif // CONFIGDIALOG_H
