// SPDX-License-Identifier: GPL-3.0-or-later
#include "Settings.h"

#include <QDir>
#include <QSettings>

#include "Directories.h"
#include "ZMT_MessageHandler.h"

const char *const Settings::DefaultFramesText = "1 1 1 1 1 1 1 1 1 1 0 1 0 0 ";

Settings &Settings::instance() {
    static Settings settings;
    return settings;
}

Settings::Settings() {
    resetToDefaults();
}

void Settings::resetToDefaults() {
    m_lastProjectFile.clear();
    m_languageId = QStringLiteral("de");
    m_awInSeconds = false;
    m_recentProjects.clear();
    m_defaultRestartMode = 1;
    m_defaultLayerWidthUnit = 1000;
    m_lastExportFile.clear();
    m_userMaterialsDirectory.clear();
    m_defaultProjectInformation = ProjectInformation();
    m_projectDefaultFrames = framesFromText(QString::fromLatin1(DefaultFramesText));
    m_pageNumbersVisible = false;
    m_defaultUserLogo = ReportSettings::UserLogo();
    m_reportSettings = ReportSettings();
    m_initialProjectFile.clear();
    m_commandLineLanguage.clear();
    m_flags = QVector<bool>{true};
}

QString Settings::framesToText(const QVector<bool> &frames) {
    QString text;
    for (bool active : frames)
        text += QStringLiteral("%1 ").arg(active ? 1 : 0);
    return text;
}

QVector<bool> Settings::framesFromText(const QString &text) {
    static const QVector<bool> defaults = [] {
        QVector<bool> frames;
        const QStringList parts =
            QString::fromLatin1(DefaultFramesText).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString &p : parts)
            frames.append(p == QLatin1String("1"));
        return frames;
    }();
    QVector<bool> frames = defaults;
    const QStringList parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i < parts.size() && i < frames.size(); ++i) {
        bool ok = false;
        const int value = parts[i].toInt(&ok);
        if (ok)
            frames[i] = value != 0;
    }
    return frames;
}

void Settings::read() {
    QSettings store(QStringLiteral("ZMT"), QStringLiteral("Tavo 2.4"));
    read(store);
}

void Settings::write() const {
    QSettings store(QStringLiteral("ZMT"), QStringLiteral("Tavo 2.4"));
    write(store);
}

namespace {

// A stored integer outside its allowed values (hand-edited store, older version) falls
// back to the default instead of reaching the editors.
int readChoice(QSettings &store, const QString &key, int defaultValue, std::initializer_list<int> allowed) {
    bool ok = false;
    const int value = store.value(key, defaultValue).toInt(&ok);
    if (!ok)
        return defaultValue;
    for (int a : allowed)
        if (a == value)
            return value;
    return defaultValue;
}

} // namespace

void Settings::read(QSettings &store) {
    m_lastProjectFile = store.value(QStringLiteral("LastProjectFile"), QString()).toString();
    m_languageId = store.value(QStringLiteral("LanguageID"), QStringLiteral("de")).toString();

    store.beginGroup(QStringLiteral("ProjectDefaults"));
    m_awInSeconds = store.value(QStringLiteral("AwInSeconds"), false).toBool();
    m_recentProjects = store.value(QStringLiteral("RecentProjects"), QStringList()).toStringList();
    m_defaultRestartMode = readChoice(store, QStringLiteral("DefaultRestartMode"), 1, {0, 1});
    m_defaultLayerWidthUnit =
        readChoice(store, QStringLiteral("DefaultLayerWidthUnit"), 1000, {1, 10, 100, 1000});
    m_lastExportFile = store.value(QStringLiteral("LastExportFile"), QString()).toString();
    m_userMaterialsDirectory = store.value(QStringLiteral("UserMaterialsDirectory"), QString()).toString();

    m_defaultProjectInformation.readDefaults(store);

    QString frames = store.value(QStringLiteral("ProjectDefaultFrames"), QString()).toString();
    if (frames.isEmpty())
        frames = QString::fromLatin1(DefaultFramesText);
    m_projectDefaultFrames = framesFromText(frames);
    // Every report page gets its footer, whatever an older version stored.
    m_projectDefaultFrames[1] = true;
    m_pageNumbersVisible = store.value(QStringLiteral("PageNumbersVisible"), false).toBool();
    m_defaultUserLogo.read(store);
    store.endGroup();

    store.beginGroup(QStringLiteral("ReportSettings"));
    m_reportSettings.read(store);
    store.endGroup();
}

void Settings::write(QSettings &store) const {
    store.setValue(QStringLiteral("LastProjectFile"), m_lastProjectFile);
    store.setValue(QStringLiteral("LanguageID"), m_languageId);

    store.beginGroup(QStringLiteral("ProjectDefaults"));
    store.setValue(QStringLiteral("AwInSeconds"), m_awInSeconds);
    store.setValue(QStringLiteral("RecentProjects"), m_recentProjects);
    store.setValue(QStringLiteral("DefaultRestartMode"), m_defaultRestartMode);
    store.setValue(QStringLiteral("DefaultLayerWidthUnit"), m_defaultLayerWidthUnit);
    store.setValue(QStringLiteral("LastExportFile"), m_lastExportFile);
    store.setValue(QStringLiteral("UserMaterialsDirectory"), m_userMaterialsDirectory);

    m_defaultProjectInformation.writeDefaults(store);

    store.setValue(QStringLiteral("ProjectDefaultFrames"), framesToText(m_projectDefaultFrames));
    store.setValue(QStringLiteral("PageNumbersVisible"), m_pageNumbersVisible);
    m_defaultUserLogo.write(store);
    store.endGroup();

    store.beginGroup(QStringLiteral("ReportSettings"));
    m_reportSettings.write(store);
    store.endGroup();
    store.sync();
}

QString Settings::userMaterialsDir() const {
    if (!m_userMaterialsDirectory.isEmpty())
        return m_userMaterialsDirectory;
    const QString dir = QDir::toNativeSeparators(userDataDir() + QStringLiteral("/user_materials"));
    if (!QDir(dir).exists()) {
        if (!QDir().mkpath(dir))
            ZMT::postMessage("Cannot create user material directory '" +
                                 QDir(dir).absolutePath().toStdString() + "'.",
                             ZMT::MSG_WARNING, "Settings::userMaterialsDir");
    }
    return dir;
}
