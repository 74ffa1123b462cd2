// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef GLASERSTANDARDPROCEDURE_H
#define GLASERSTANDARDPROCEDURE_H

#include <vector>

#include <QStringList>

#include "HeatFlowDirection.h"

class CalculationResults;
class InputData;

/*! The classic Glaser procedure of DIN 4108-3: dry thermal resistances, diffusion resistances
    with delta0 = 2e-10 kg/(m·s·Pa), the exponential saturation formula for the condensation
    period and the power formula for the evaporation period, and the closed formulas for one
    condensation plane, one zone and two planes.

    The vapour pressure in a condensing construction follows the tangent construction of the
    standard: the taut string from the inner to the outer air pressure in the diffusion diagram
    that never rises above saturation. Condensate forms only where the string touches the
    saturation curve; pv_Glaser keeps the straight line without condensation for the diagrams.

    Writes R_Glaser, Z_Glaser, R_dry, R_total_dry, T_Glaser, psat_Glaser, pv_Glaser,
    condRanges_Glaser, kFirst_Glaser, kLast_Glaser, mc_Glaser, mev_Glaser, tev_Glaser and
    glaserCase. Masses in kg/m², times in s. */
class GlaserStandardProcedure {
public:
    /*! How a run ended. */
    enum Status {
        Success,       ///< glaserCase holds one of 3, 4, 5, 7, 9, 10, 11
        InvalidInput,  ///< a layer or surface resistance is unusable; glaserCase 1, message added
        AlgorithmError ///< a result would not be a finite number; glaserCase 1, message added
    };

    /*! Runs the procedure on \a inputData with the air-layer rules for \a heatFlowDirection and
        writes the fields listed above into \a results; problems are appended to \a messages
        (translation context "Calculation"). Stops at the first unusable layer. */
    static Status run(const InputData &inputData, HeatFlowDirection heatFlowDirection,
                      CalculationResults &results, QStringList &messages);

    /*! The interior interfaces (1..n-1, ascending) where the vapour pressure string touches
        saturation: those whose points (sum of Z before k, psat[k]) lie on the lower convex hull
        of these points together with (0, pv_in) and (sum of Z, pv_out), within 1e-9 relative.
        \a Z has n elements, \a psat n+1 (its first and last value are not used). Empty when the
        straight line stays below saturation. */
    static std::vector<int> condensationInterfaces(const std::vector<double> &Z,
                                                   const std::vector<double> &psat, double pv_in,
                                                   double pv_out);
};

#endif // GLASERSTANDARDPROCEDURE_H
