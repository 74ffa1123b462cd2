// SPDX-License-Identifier: GPL-3.0-or-later
#include "SaturationPressureExponential.h"

#include <cmath>

double saturationPressureExponential(double theta) {
    if (theta >= 0)
        return 610.5 * std::exp(17.269 * theta / (237.3 + theta));
    // over ice
    return 610.5 * std::exp(21.875 * theta / (265.5 + theta));
}
