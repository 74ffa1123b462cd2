// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TEMPERATUREFACTORCHECK_H
#define TEMPERATUREFACTORCHECK_H

/*! Mould check of DIN 4108-2 by the temperature factor of the inner surface:
    fRsi = (θsi − θe) / (θi − θe) with the outdoor reference temperature θe = −5 °C must reach the
    factor at which the surface humidity stays below 80 %.

    Temperatures in °C, relative humidity in % (0..100), resistances in m²K/W. */
class TemperatureFactorCheck {
public:
    /*! Outdoor reference temperature of the check, °C. */
    static constexpr double OutdoorReferenceTemperature = -5;
    /*! Inner surface resistance of the check (reduced heat transfer behind furniture), m²K/W. */
    static constexpr double InnerSurfaceResistance = 0.25;

    /*! Lowest admissible inner surface temperature θsi,min in °C: the temperature at which the
        air of \a thetaI / \a phiI reaches 80 % relative humidity, from the power formula of the
        saturation pressure: (φi / 80)^0.1247 × (θi + 109.8) − 109.8. */
    static double thetaSiMin(double thetaI, double phiI);

    /*! Minimum temperature factor fRsi,min = (θsi,min + 5) / (θi + 5), truncated towards zero to
        one decimal (the requirement is stated with one decimal and rounding up would tighten it). */
    static double fRsiMin(double thetaI, double phiI);

    /*! Temperature factor of a construction with the thermal resistance \a R of its layers and
        the outer surface resistance \a Rse: (R + Rse) / (R + 0.25 + Rse). */
    static double fRsi(double R, double Rse);

    /*! Whether \a fRsiValue reaches \a fRsiMinValue (false when either is not a number). */
    static bool fulfilled(double fRsiValue, double fRsiMinValue) { return fRsiValue >= fRsiMinValue; }
};

#endif // TEMPERATUREFACTORCHECK_H
