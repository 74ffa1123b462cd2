// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CLIMATEPRESETTABLE_H
#define CLIMATEPRESETTABLE_H

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

#include "ClimateCondition.h"
#include "ClimatePreset.h"

/*! The named standard boundary climates (indoor and outdoor presets of DIN 4108-3,
    DIN 4108-8, DIN EN ISO 6946 and DIN EN ISO 13788) and the rules which of them an assessment
    type allows on which side. The table is ordered by translated name, so every list shown to
    the user is alphabetical. One shared instance, built on first use (after the translations
    are installed). Numbers match within ClimatePresetTable::Tolerance. */
class ClimatePresetTable {
public:
    /*! Two numbers match when identical or at most this far apart. */
    static constexpr double Tolerance = 0.0001;

    /*! The shared table. */
    static const ClimatePresetTable &instance();

    /*! All entries in name order. */
    const QMap<QString, ClimatePreset> &presets() const { return m_presets; }

    /*! Id of the first entry (name order) whose temperature, humidity and surface resistance
        match and whose kind code and outside flag are equal; 0 if none. */
    int presetId(const ClimateCondition &climate) const;
    /*! Id of the first entry (name order) matching the three numbers; 0 if none.
        \param T °C \param RH % \param Rs m²K/W */
    int presetId(double T, double RH, double Rs) const;
    /*! Ids of all entries (name order) matching the climate like presetId(climate). */
    QVector<int> presetIds(const ClimateCondition &climate) const;
    /*! Ids of all entries (name order) matching the three numbers like presetId(T, RH, Rs). */
    QVector<int> presetIds(double T, double RH, double Rs) const;
    /*! Name of the first entry matching the three numbers; empty if none. */
    QString presetName(double T, double RH, double Rs) const;
    /*! Id of the entry with this (translated) name; NoPresetId (17) if there is none. */
    int presetIdByName(const QString &name) const;
    /*! Names, in table order, of the entries allowed for the assessment type on the side given
        by \a outside (false: warm side, true: cold side). Empty for an unknown type. */
    QStringList presetNames(int assessmentType, bool outside) const;
    /*! Resets \a climate and copies the entry with this id and outside flag into it (id 0 exists
        once per side). Returns false, leaving the climate reset, if there is no such entry. */
    bool applyPreset(int id, bool outside, ClimateCondition &climate) const;

    /*! Preset ids allowed for an assessment type (0 custom, 1 DIN 4108-3 2001, 2 DIN 4108-3
        2014/2018/2024) on the warm side (interior) or the cold side; empty for unknown types. */
    static const QVector<int> &allowedIds(int assessmentType, bool warmSide);
    /*! True when \a id is in allowedIds(assessmentType, warmSide). */
    static bool isAllowed(int assessmentType, bool warmSide, int id);

    /*! True when a and b are identical or differ by at most Tolerance. */
    static bool matches(double a, double b);

private:
    ClimatePresetTable();

    QMap<QString, ClimatePreset> m_presets;
};

#endif // CLIMATEPRESETTABLE_H
