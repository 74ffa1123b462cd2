// SPDX-License-Identifier: GPL-3.0-or-later
#include "SaturationPressure.h"

#include <cmath>

double saturationPressurePower(double theta) {
    if (theta >= 0)
        return 288.68 * std::pow(1.098 + theta / 100.0, 8.02);
    return 4.689 * std::pow(1.486 + theta / 100.0, 12.3);
}

double saturationTemperaturePower(double p) {
    if (p >= 611)
        return 49.342 * std::pow(p, 1.0 / 8.02) - 109.8;
    return 88.196 * std::pow(p, 1.0 / 12.3) - 148.6;
}
