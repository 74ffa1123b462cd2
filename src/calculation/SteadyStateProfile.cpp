// SPDX-License-Identifier: GPL-3.0-or-later
#include "SteadyStateProfile.h"

#include <cmath>

#include "ZMT_Exception.h"

void SteadyStateProfile::temperatureProfile(const std::vector<double> &R, double Rsi, double Rse, double Ti,
                                            double Te, std::vector<double> &T) {
    double sumR = 0;
    for (double Ri : R)
        sumR += Ri;
    const double q = (Ti - Te) / (Rsi + sumR + Rse);
    T.resize(R.size() + 1);
    double behind = Rsi; // resistance between the warm air and the current interface
    for (std::size_t k = 0; k < R.size(); ++k) {
        T[k] = Ti - q * behind;
        behind += R[k];
    }
    T[R.size()] = Ti - q * (Rsi + sumR);
}

void SteadyStateProfile::vapourField(const std::vector<double> &Z, double pv_in, double pv_out,
                                     std::vector<double> &pv) {
    double sumZ = 0;
    for (double Zi : Z)
        sumZ += Zi;
    if (!(sumZ > 0) || !std::isfinite(sumZ))
        throw ZMT::Exception("[vapor_field]  Error: R_vap == 0!", "[Calculation::vapor_field]");
    const double g = (pv_in - pv_out) / sumZ;
    pv.resize(Z.size() + 1);
    double behind = 0;
    for (std::size_t k = 0; k < Z.size(); ++k) {
        pv[k] = pv_in - g * behind;
        behind += Z[k];
    }
    pv[Z.size()] = pv_out;
}
