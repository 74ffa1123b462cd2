// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SATURATIONPRESSURE_H
#define SATURATIONPRESSURE_H

/*! \file SaturationPressure.h
    Saturation vapour pressure of water by the power formula of DIN 4108-3 and its inverse.
    Used for the summer climate of the DIN assessment types and by the Glaser calculation. */

/*! Saturation vapour pressure in Pa at the temperature \a theta in °C (power formula).
    theta >= 0: 288.68 * (1.098 + theta/100)^8.02; theta < 0: 4.689 * (1.486 + theta/100)^12.3.
    Temperatures below the range of the formula (-148.6 °C) give NaN. */
double saturationPressurePower(double theta);

/*! Temperature in °C whose saturation vapour pressure is \a p in Pa: the inverse of
    saturationPressurePower(). p >= 611: 49.342 * p^(1/8.02) - 109.8;
    p < 611: 88.196 * p^(1/12.3) - 148.6. The coefficients are rounded, so the round trip is
    not exact (saturationPressurePower(saturationTemperaturePower(1700)) is slightly above 1700).
    Negative pressures give NaN. */
double saturationTemperaturePower(double p);

#endif // SATURATIONPRESSURE_H
