// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SETTINGS_H
#define SETTINGS_H

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

#include "ProjectInformation.h"
#include "ReportSettings.h"

class QSettings;

/*! The user's preferences between runs, kept in the platform settings store under
    "ZMT" / "Tavo 2.4". Read once at start, written when the main window closes.
    Also holds the start-up values of the command line (not stored). */
class Settings : public QObject {
    Q_OBJECT
public:
    /*! Number of report frames whose default activation is kept. */
    static constexpr int NumReportFrames = 14;
    static const char *const DefaultFramesText;

    static Settings &instance();

    /*! Reads every key from the platform store ("ZMT" / "Tavo 2.4"). */
    void read();
    /*! Writes every key to the platform store. */
    void write() const;
    void read(QSettings &store);
    void write(QSettings &store) const;

    /*! Resets every stored and start-up field to its default. */
    void resetToDefaults();

    /*! The directory of the user's material and construction databases. */
    QString userMaterialsDir() const;

    /*! To be called by whatever changes preferences while the program runs (the configuration
        dialog): emits changed(), so views showing units or defaults follow at once. */
    void notifyChanged() { emit changed(); }

    // stored fields
    QString m_lastProjectFile;
    QString m_languageId;
    bool m_awInSeconds;
    QStringList m_recentProjects;
    int m_defaultRestartMode;
    int m_defaultLayerWidthUnit;
    QString m_lastExportFile;
    QString m_userMaterialsDirectory;

    /*! Project information of new projects (group "DefaultProjectSettings"). */
    ProjectInformation m_defaultProjectInformation;

    /*! Report frames activated by default in new projects; the footer always is. */
    QVector<bool> m_projectDefaultFrames;
    bool m_pageNumbersVisible;
    /*! Logo of new projects' reports (group "ProjectDefaults"). */
    ReportSettings::UserLogo m_defaultUserLogo;

    /*! What the report prints and the assessment it judges with (group "ReportSettings"). */
    ReportSettings m_reportSettings;

    // start-up values, not stored
    QString m_initialProjectFile;
    QString m_commandLineLanguage;
    /*! Flag 0: show the splash screen. */
    QVector<bool> m_flags;

    enum Flag { SplashScreenFlag = 0 };

    /*! The text form of the frame activations: "1 " or "0 " per frame. */
    static QString framesToText(const QVector<bool> &frames);
    /*! Parses the frame activations; missing or unreadable entries keep their default. */
    static QVector<bool> framesFromText(const QString &text);

signals:
    /*! Preferences were changed while the program runs (see notifyChanged()). */
    void changed();

private:
    Settings();
};

#endif // SETTINGS_H
