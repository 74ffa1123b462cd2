// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef STEADYSTATEPROFILE_H
#define STEADYSTATEPROFILE_H

#include <vector>

/*! The two one-dimensional steady-state profiles every procedure of the Glaser calculation
    starts from: temperatures over the thermal resistances and vapour pressures over the
    diffusion resistances of the layers. */
class SteadyStateProfile {
public:
    /*! Interface temperatures in °C for the layer resistances \a R (m²K/W), the surface
        resistances \a Rsi and \a Rse and the air temperatures \a Ti (warm side) and \a Te (cold
        side). \a T receives R.size() + 1 values from the inner to the outer surface. */
    static void temperatureProfile(const std::vector<double> &R, double Rsi, double Rse, double Ti, double Te,
                                   std::vector<double> &T);

    /*! Vapour pressures in Pa at the interfaces without condensation: a straight line over the
        summed diffusion resistances \a Z from \a pv_in on the warm side to \a pv_out on the cold
        side (the surfaces take the pressure of the adjacent air). \a pv receives Z.size() + 1
        values. Throws ZMT::Exception when the total resistance is 0. */
    static void vapourField(const std::vector<double> &Z, double pv_in, double pv_out,
                            std::vector<double> &pv);

    SteadyStateProfile() = delete;
};

#endif // STEADYSTATEPROFILE_H
