// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef HEATFLOWDIRECTION_H
#define HEATFLOWDIRECTION_H

/*! Direction of the heat flow through the construction. It picks the column of the air-layer
    resistance table for every unventilated air layer. The numbers are those stored in project
    files and settings. */
enum class HeatFlowDirection : int { Upwards = 0, Downwards = 1, Horizontal = 2 };

/*! The direction stored as \a value; false (and \a direction unchanged) for any other number. */
inline bool heatFlowDirectionFromInt(int value, HeatFlowDirection &direction) {
    if (value < int(HeatFlowDirection::Upwards) || value > int(HeatFlowDirection::Horizontal))
        return false;
    direction = HeatFlowDirection(value);
    return true;
}

#endif // HEATFLOWDIRECTION_H
