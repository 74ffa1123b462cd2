// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClimatePresetTable.h"

#include <QCoreApplication>

#include <cmath>

namespace {

struct PresetRow {
    const char *name;
    int id;
    double T;
    double RH;
    double Rs;
    bool outside;
};

// The ground boundaries carry 1e-8 instead of 0 because a surface resistance must be > 0.
const PresetRow PresetRows[] = {
    {QT_TRANSLATE_NOOP("ClimatePresetTable", "Custom climate conditions, indoor"), 0, 20, 50, 0.125, false},
    {QT_TRANSLATE_NOOP("ClimatePresetTable", "Custom climate conditions, outdoor"), 0, -10, 70, 0.04, true},
    {QT_TRANSLATE_NOOP("ClimatePresetTable",
                       "DIN 4108-3 2001 Indoor climate, heat flow direction horizontal and upwards"),
     1, 20, 50, 0.13, false},
    {QT_TRANSLATE_NOOP("ClimatePresetTable", "DIN 4108-3 2001 Indoor climate, heat flow direction downwards"),
     2, 20, 50, 0.17, false},
    {QT_TRANSLATE_NOOP("ClimatePresetTable",
                       "DIN EN ISO 6946 Indoor climate, heat flow direction horizontal"),
     3, 20, 50, 0.13, false},
    {QT_TRANSLATE_NOOP("ClimatePresetTable", "DIN EN ISO 6946 Indoor climate, heat flow direction downwards"),
     4, 20, 50, 0.17, false},
    {QT_TRANSLATE_NOOP("ClimatePresetTable", "DIN EN ISO 6946 Indoor climate, heat flow direction upwards"),
     5, 20, 50, 0.10, false},
    {QT_TRANSLATE_NOOP("ClimatePresetTable", "DIN EN ISO 13788 Indoor climate, all other surfaces"), 6, 20,
     50, 0.25, false},
    {QT_TRANSLATE_NOOP("ClimatePresetTable",
                       "DIN EN ISO 13788 Indoor climate, on glazings and window frames"),
     7, 20, 50, 0.13, false},
    {QT_TRANSLATE_NOOP("ClimatePresetTable",
                       "DIN 4108-8 Indoor climate, in built in cupboards, mould protection"),
     8, 20, 50, 1.0, false},
    {QT_TRANSLATE_NOOP("ClimatePresetTable",
                       "DIN 4108-8 Indoor climate, behaind normal cupboards, mould protection"),
     9, 20, 50, 0.5, false},
    {QT_TRANSLATE_NOOP("ClimatePresetTable", "DIN 4108-3_2024 Indoor climate"), 10, 20, 50, 0.25, false},
    {QT_TRANSLATE_NOOP("ClimatePresetTable", "DIN 4108-3 2001 Outdoor, boundary to outside"), 11, -10, 80,
     0.04, true},
    {QT_TRANSLATE_NOOP("ClimatePresetTable", "DIN 4108-3 2001 Outdoor, boundary to ventilated air space"), 12,
     -10, 80, 0.08, true},
    {QT_TRANSLATE_NOOP("ClimatePresetTable", "DIN 4108-3_2024 Outdoor climate"), 13, -5, 80, 0.04, true},
    {QT_TRANSLATE_NOOP("ClimatePresetTable", "DIN 4108-3 2001 Outdoor, boundary to ground"), 14, -10, 80,
     1e-8, true},
    {QT_TRANSLATE_NOOP("ClimatePresetTable", "DIN 4108-3 2024 Outdoor, boundary to ground"), 15, -5, 80, 1e-8,
     true},
    {QT_TRANSLATE_NOOP("ClimatePresetTable", "DIN EN ISO 6946 Outdoor climate"), 16, -10, 80, 0.04, true},
};

bool numbersMatch(const ClimateCondition &c, double T, double RH, double Rs) {
    return ClimatePresetTable::matches(c.temperature(), T) &&
           ClimatePresetTable::matches(c.relativeHumidity(), RH) &&
           ClimatePresetTable::matches(c.surfaceResistance(), Rs);
}

bool climateMatches(const ClimateCondition &preset, const ClimateCondition &climate) {
    return numbersMatch(preset, climate.temperature(), climate.relativeHumidity(),
                        climate.surfaceResistance()) &&
           preset.kind() == climate.kind() && preset.isOutside() == climate.isOutside();
}

} // namespace

ClimatePresetTable::ClimatePresetTable() {
    for (const PresetRow &row : PresetRows) {
        ClimatePreset preset;
        preset.m_name = QCoreApplication::translate("ClimatePresetTable", row.name);
        preset.m_id = row.id;
        preset.m_climate = ClimateCondition(
            row.T, row.RH, row.Rs,
            row.outside ? ClimateCondition::OutdoorPreset : ClimateCondition::IndoorPreset, row.outside);
        m_presets.insert(preset.m_name, preset);
    }
}

const ClimatePresetTable &ClimatePresetTable::instance() {
    static const ClimatePresetTable table;
    return table;
}

bool ClimatePresetTable::matches(double a, double b) {
    return a == b || std::fabs(a - b) <= Tolerance;
}

int ClimatePresetTable::presetId(const ClimateCondition &climate) const {
    const QVector<int> ids = presetIds(climate);
    return ids.isEmpty() ? 0 : ids.first();
}

int ClimatePresetTable::presetId(double T, double RH, double Rs) const {
    const QVector<int> ids = presetIds(T, RH, Rs);
    return ids.isEmpty() ? 0 : ids.first();
}

QVector<int> ClimatePresetTable::presetIds(const ClimateCondition &climate) const {
    QVector<int> ids;
    for (const ClimatePreset &preset : m_presets)
        if (climateMatches(preset.m_climate, climate))
            ids.append(preset.m_id);
    return ids;
}

QVector<int> ClimatePresetTable::presetIds(double T, double RH, double Rs) const {
    QVector<int> ids;
    for (const ClimatePreset &preset : m_presets)
        if (numbersMatch(preset.m_climate, T, RH, Rs))
            ids.append(preset.m_id);
    return ids;
}

QString ClimatePresetTable::presetName(double T, double RH, double Rs) const {
    for (const ClimatePreset &preset : m_presets)
        if (numbersMatch(preset.m_climate, T, RH, Rs))
            return preset.m_name;
    return QString();
}

int ClimatePresetTable::presetIdByName(const QString &name) const {
    const auto it = m_presets.constFind(name);
    return it == m_presets.constEnd() ? ClimatePreset::NoPresetId : it->m_id;
}

QStringList ClimatePresetTable::presetNames(int assessmentType, bool outside) const {
    QStringList names;
    for (const ClimatePreset &preset : m_presets)
        if (preset.m_climate.isOutside() == outside && isAllowed(assessmentType, !outside, preset.m_id))
            names.append(preset.m_name);
    return names;
}

bool ClimatePresetTable::applyPreset(int id, bool outside, ClimateCondition &climate) const {
    climate.reset();
    for (const ClimatePreset &preset : m_presets) {
        if (preset.m_id == id && preset.m_climate.isOutside() == outside) {
            climate = preset.m_climate;
            return true;
        }
    }
    return false;
}

const QVector<int> &ClimatePresetTable::allowedIds(int assessmentType, bool warmSide) {
    static const QVector<int> warm[3] = {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {1, 2}, {10}};
    static const QVector<int> cold[3] = {{0, 11, 12, 13, 14, 16}, {11, 12, 14}, {13}};
    static const QVector<int> none;
    if (assessmentType < 0 || assessmentType > 2)
        return none;
    return warmSide ? warm[assessmentType] : cold[assessmentType];
}

bool ClimatePresetTable::isAllowed(int assessmentType, bool warmSide, int id) {
    return allowedIds(assessmentType, warmSide).contains(id);
}
