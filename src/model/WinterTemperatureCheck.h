// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef WINTERTEMPERATURECHECK_H
#define WINTERTEMPERATURECHECK_H

#include <QString>

#include <optional>

class InputData;

/*! \file WinterTemperatureCheck.h
    The rule that the warm-side winter temperature must not be below the cold-side winter
    temperature (equal values are accepted), without any widget, so an editor's validator can
    call it. */

/*! Outcome of checkWinterTemperatures(). */
enum class WinterTemperatureState {
    Unavailable = 0,   ///< neither input data nor an opposite value to compare with
    Valid = 1,         ///< warm side not colder than cold side
    WarmSideColder = 2 ///< the warm side would be colder than the cold side
};

/*! Checks a winter temperature (°C) entered on one side against the other side.
    \param entered the value being entered
    \param warmSideEdit true when \a entered is the warm-side temperature (it must not be below
           the cold-side winter temperature), false when it is the cold-side temperature (the
           warm-side winter temperature must not be below it)
    \param inputData the project's input data, or nullptr
    \param oppositeValue the opposite side's current editor value, used when no input data are
           given
    Non-finite temperatures cannot be compared and give Unavailable. */
WinterTemperatureState checkWinterTemperatures(double entered, bool warmSideEdit, const InputData *inputData,
                                               std::optional<double> oppositeValue = std::nullopt);

/*! Translated message for a state (context "WinterTemperatureValidator"); empty for Valid. */
QString winterTemperatureMessage(WinterTemperatureState state);

#endif // WINTERTEMPERATURECHECK_H
