// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SATURATIONPRESSUREEXPONENTIAL_H
#define SATURATIONPRESSUREEXPONENTIAL_H

/*! \file SaturationPressureExponential.h
    Saturation vapour pressure of water by the exponential formula of DIN EN ISO 13788, used for
    the condensation period of the standard DIN 4108-3 procedure. The power formula of DIN 4108-3
    (saturationPressurePower() in the model) serves everything else. */

/*! Saturation vapour pressure in Pa at \a theta in °C:
    theta >= 0: 610.5 * exp(17.269 theta / (237.3 + theta));
    theta < 0: 610.5 * exp(21.875 theta / (265.5 + theta)).
    At exactly 0 °C the first branch applies. */
double saturationPressureExponential(double theta);

#endif // SATURATIONPRESSUREEXPONENTIAL_H
