// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CLIMATEPRESET_H
#define CLIMATEPRESET_H

#include <QString>

#include "ClimateCondition.h"

/*! One named entry of the climate preset table. */
struct ClimatePreset {
    /*! Translated display name, the key of the table. */
    QString m_name;
    /*! Preset id: 0 custom (once per side), 1..10 indoor, 11..16 outdoor. */
    int m_id = ClimatePreset::NoPresetId;
    /*! The values the preset sets, with its kind code and outside flag. */
    ClimateCondition m_climate;

    /*! Id used for "no preset" (never in the table). */
    static constexpr int NoPresetId = 17;
};

#endif // CLIMATEPRESET_H
