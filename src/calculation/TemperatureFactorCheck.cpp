// SPDX-License-Identifier: GPL-3.0-or-later
#include "TemperatureFactorCheck.h"

#include <cmath>

double TemperatureFactorCheck::thetaSiMin(double thetaI, double phiI) {
    return std::pow(phiI / 80.0, 0.1247) * (thetaI + 109.8) - 109.8;
}

double TemperatureFactorCheck::fRsiMin(double thetaI, double phiI) {
    const double f =
        (thetaSiMin(thetaI, phiI) - OutdoorReferenceTemperature) / (thetaI - OutdoorReferenceTemperature);
    return std::trunc(10.0 * f) / 10.0;
}

double TemperatureFactorCheck::fRsi(double R, double Rse) {
    return (R + Rse) / (R + InnerSurfaceResistance + Rse);
}
