// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CONFIGPRINTDEFAULTS_H
#define CONFIGPRINTDEFAULTS_H

#include <QMap>
#include <QString>
#include <QWidget>

class DINCriteriaSettings;
class DryingReserveSettings;
class QCheckBox;
class QComboBox;
class QTextEdit;
class QToolBox;
class Settings;
class UserDialogs;
class UserLogoSettingsWidget;

/*! "Default Print Config" of the preferences: which report frames new projects print, page
    numbers, the user's logo, the assessment the report judges with (minimum thermal resistance,
    drying reserve, moisture criteria) and the default final remarks. */
class ConfigPrintDefaults : public QWidget {
    Q_OBJECT
public:
    ConfigPrintDefaults(UserDialogs &dialogs, QWidget *parent = nullptr);

    void load(const Settings &settings);
    /*! False, with the reason shown on the page, when a typed value cannot be stored. */
    bool checkInput();
    /*! Stores the page into \a settings; call checkInput() first. */
    void store(Settings &settings);

    /*! The check box of report frame \a frame, or null. */
    QCheckBox *frameCheckBox(int frame) const { return m_frames.value(frame, nullptr); }
    QCheckBox *pageNumbersCheckBox() const { return m_pageNumbers; }
    QTextEdit *disclaimerEdit() const { return m_disclaimer; }
    QToolBox *toolBox() const { return m_toolBox; }

private slots:
    void setHeading(int level);
    void toggleUnderline();

private:
    QCheckBox *addFrame(QWidget *page, int frame, const QString &text);
    QWidget *createAppearancePage();
    QWidget *createResultsPage();
    QWidget *createDisclaimerPage();

    UserDialogs &m_dialogs;
    QToolBox *m_toolBox;
    QMap<int, QCheckBox *> m_frames;
    QCheckBox *m_pageNumbers = nullptr;
    UserLogoSettingsWidget *m_userLogo = nullptr;
    QComboBox *m_constructionKind = nullptr;
    DryingReserveSettings *m_dryingReserve = nullptr;
    DINCriteriaSettings *m_dinCriteria = nullptr;
    QTextEdit *m_disclaimer = nullptr;
    int m_minimumHeatResVersion = 0; ///< edition whose elements the construction kind lists
};

#endif // CONFIGPRINTDEFAULTS_H
