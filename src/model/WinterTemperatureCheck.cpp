// SPDX-License-Identifier: GPL-3.0-or-later
#include "WinterTemperatureCheck.h"

#include <QCoreApplication>

#include <cmath>

#include "InputData.h"

WinterTemperatureState checkWinterTemperatures(double entered, bool warmSideEdit, const InputData *inputData,
                                               std::optional<double> oppositeValue) {
    double opposite;
    if (inputData) {
        const AssessmentConditions &c = inputData->assessmentConditions();
        opposite = warmSideEdit ? c.exteriorClimate().temperature() : c.interiorClimate().temperature();
    } else if (oppositeValue) {
        opposite = *oppositeValue;
    } else {
        return WinterTemperatureState::Unavailable;
    }
    if (!std::isfinite(entered) || !std::isfinite(opposite))
        return WinterTemperatureState::Unavailable;
    const double warm = warmSideEdit ? entered : opposite;
    const double cold = warmSideEdit ? opposite : entered;
    return warm < cold ? WinterTemperatureState::WarmSideColder : WinterTemperatureState::Valid;
}

QString winterTemperatureMessage(WinterTemperatureState state) {
    switch (state) {
    case WinterTemperatureState::Unavailable:
        return QCoreApplication::translate("WinterTemperatureValidator", "Cannot retrieve input data.");
    case WinterTemperatureState::WarmSideColder:
        return QCoreApplication::translate(
            "WinterTemperatureValidator",
            "Temperature at warm side must be bigger than tempareature at cold side");
    case WinterTemperatureState::Valid:
        break;
    }
    return QString();
}
