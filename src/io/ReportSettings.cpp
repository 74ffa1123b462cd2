// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportSettings.h"

#include <QSettings>
#include <QStringList>

#include <cmath>

const char *const ReportSettings::DefaultActivatedFramesText = "1 1 1 1 1 1 0 0 0 1 0 1 1 0 ";

namespace {

// A stored number that is unreadable, not finite or negative (hand-edited store) gives the default.
double readNonNegative(QSettings &store, const QString &key, double defaultValue) {
    bool ok = false;
    const double value = store.value(key, defaultValue).toDouble(&ok);
    return ok && std::isfinite(value) && value >= 0 ? value : defaultValue;
}

int readInt(QSettings &store, const QString &key, int defaultValue, int lowest, int highest) {
    bool ok = false;
    const int value = store.value(key, defaultValue).toInt(&ok);
    return ok && value >= lowest && value <= highest ? value : defaultValue;
}

QString key(const char *name) {
    return QString::fromLatin1(name);
}

} // namespace

ReportSettings::ReportSettings() {
    applyFramesText(QString::fromLatin1(DefaultActivatedFramesText), m_activatedFrames);
}

void ReportSettings::setActivated(int frame, bool on) {
    if (on)
        m_activatedFrames.insert(frame);
    else
        m_activatedFrames.remove(frame);
}

QString ReportSettings::framesToText(const QSet<int> &frames) {
    QString text;
    for (int i = 0; i < FrameCount; ++i)
        text += QStringLiteral("%1 ").arg(frames.contains(i) ? 1 : 0);
    return text;
}

void ReportSettings::applyFramesText(const QString &text, QSet<int> &frames) {
    const QStringList tokens = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i < tokens.size() && i < FrameCount; ++i) {
        bool ok = false;
        const int value = tokens.at(i).toInt(&ok);
        if (ok && value != 0)
            frames.insert(i);
        else
            frames.remove(i);
    }
}

void ReportSettings::UserLogo::read(QSettings &store) {
    const UserLogo defaults;
    m_position = readInt(store, QStringLiteral("CurrentUserLogoPosition"), defaults.m_position, NoUserLogo,
                         LogoBesideProjectInformation);
    // Older versions only knew a logo beside the project information, switched on or off.
    if (m_position == NoUserLogo && store.value(QStringLiteral("CurrentUserLogoVisible"), false).toBool())
        m_position = LogoBesideProjectInformation;
    m_path = store.value(QStringLiteral("CurrentUserLogoPath"), defaults.m_path).toString();
    m_widthSetting = store.value(QStringLiteral("UserLogoWidthSetting"), defaults.m_widthSetting).toBool();
    m_size = readInt(store, QStringLiteral("UserLogoWidthSize"), defaults.m_size, 0, 10000);
}

void ReportSettings::UserLogo::write(QSettings &store) const {
    store.setValue(QStringLiteral("CurrentUserLogoPosition"), m_position);
    store.setValue(QStringLiteral("CurrentUserLogoPath"), m_path);
    store.setValue(QStringLiteral("UserLogoWidthSetting"), m_widthSetting);
    store.setValue(QStringLiteral("UserLogoWidthSize"), m_size);
}

bool ReportSettings::UserLogo::operator==(const UserLogo &other) const {
    return m_position == other.m_position && m_path == other.m_path &&
           m_widthSetting == other.m_widthSetting && m_size == other.m_size;
}

void ReportSettings::read(QSettings &store) {
    const ReportSettings defaults;
    const AssessmentSettings &a = defaults.m_assessment;

    m_activatedFrames = defaults.m_activatedFrames;
    applyFramesText(store.value(QStringLiteral("ActivatedFrames"), QString()).toString(), m_activatedFrames);
    m_pageNumbersVisible =
        store.value(QStringLiteral("CurrentPageNumbersVisible"), defaults.m_pageNumbersVisible).toBool();
    m_userLogo.read(store);
    m_printDisclaimer = store.value(QStringLiteral("PrintDisclaimer"), defaults.m_printDisclaimer).toBool();
    m_disclaimerText = store.value(QStringLiteral("DisclaimerText"), defaults.m_disclaimerText).toString();

    AssessmentSettings &s = m_assessment;
    s.m_minimumHeatResVersion =
        readInt(store, key(AssessmentSettings::KeyMinimumHeatResVersion), a.m_minimumHeatResVersion,
                AssessmentSettings::DIN4108_2_2004, AssessmentSettings::DIN4108_2_2013);
    // An element the edition does not list is kept: the check then names it "Unknown".
    s.m_minimumHeatResConstruction = readInt(store, key(AssessmentSettings::KeyMinimumHeatResConstruction),
                                             a.m_minimumHeatResConstruction, 0, 1000);
    s.m_frsiCheck = store.value(key(AssessmentSettings::KeyFrsiCheck), a.m_frsiCheck).toBool();
    s.m_dryingReserve = readNonNegative(store, key(AssessmentSettings::KeyDryingReserve), a.m_dryingReserve);
    const int storedType = readInt(store, key(AssessmentSettings::KeyAccordanceType), a.m_accordanceType,
                                   AssessmentSettings::DIN4108_3_2001, AssessmentSettings::UserDefined);
    const QString legacyKey = key(AssessmentSettings::KeyLegacyAccordance);
    s.m_accordanceType = AssessmentSettings::accordanceTypeFromStored(storedType, store.contains(legacyKey),
                                                                      store.value(legacyKey).toBool());
    s.m_nonCapillarAw = readNonNegative(store, key(AssessmentSettings::KeyNonCapillarAw), a.m_nonCapillarAw);
    s.m_capillarActiveAw =
        readNonNegative(store, key(AssessmentSettings::KeyCapillarActiveAw), a.m_capillarActiveAw);
    s.m_capillaryCheckOneSide =
        store.value(key(AssessmentSettings::KeyCapillaryCheckOneSide), a.m_capillaryCheckOneSide).toBool();

    m_printRemarkProjectInformation =
        store.value(QStringLiteral("PrintRemarkProjectInformation"), defaults.m_printRemarkProjectInformation)
            .toBool();
}

void ReportSettings::write(QSettings &store) const {
    const AssessmentSettings &s = m_assessment;
    store.setValue(QStringLiteral("ActivatedFrames"), framesToText(m_activatedFrames));
    store.setValue(QStringLiteral("CurrentPageNumbersVisible"), m_pageNumbersVisible);
    m_userLogo.write(store);
    store.setValue(QStringLiteral("PrintDisclaimer"), m_printDisclaimer);
    store.setValue(QStringLiteral("DisclaimerText"), m_disclaimerText);
    store.setValue(key(AssessmentSettings::KeyMinimumHeatResVersion), s.m_minimumHeatResVersion);
    store.setValue(key(AssessmentSettings::KeyMinimumHeatResConstruction), s.m_minimumHeatResConstruction);
    store.setValue(key(AssessmentSettings::KeyFrsiCheck), s.m_frsiCheck);
    store.setValue(key(AssessmentSettings::KeyDryingReserve), s.m_dryingReserve);
    store.setValue(key(AssessmentSettings::KeyAccordanceType), s.m_accordanceType);
    // The edition is now stored as a number; the old switch must not override it at the next read.
    store.remove(key(AssessmentSettings::KeyLegacyAccordance));
    store.setValue(key(AssessmentSettings::KeyNonCapillarAw), s.m_nonCapillarAw);
    store.setValue(key(AssessmentSettings::KeyCapillarActiveAw), s.m_capillarActiveAw);
    store.setValue(key(AssessmentSettings::KeyCapillaryCheckOneSide), s.m_capillaryCheckOneSide);
    store.setValue(QStringLiteral("PrintRemarkProjectInformation"), m_printRemarkProjectInformation);
}

bool ReportSettings::operator==(const ReportSettings &other) const {
    return m_activatedFrames == other.m_activatedFrames &&
           m_pageNumbersVisible == other.m_pageNumbersVisible && m_userLogo == other.m_userLogo &&
           m_printDisclaimer == other.m_printDisclaimer && m_disclaimerText == other.m_disclaimerText &&
           m_assessment == other.m_assessment &&
           m_printRemarkProjectInformation == other.m_printRemarkProjectInformation &&
           m_fontFamily == other.m_fontFamily && m_fontPointSize == other.m_fontPointSize &&
           m_remarkFormat == other.m_remarkFormat;
}
