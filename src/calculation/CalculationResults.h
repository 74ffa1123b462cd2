// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CALCULATIONRESULTS_H
#define CALCULATIONRESULTS_H

#include <utility>
#include <vector>

#include <QStringList>

/*! The one results record of a Glaser calculation, read by the results view, the diagrams, the
    report and the assessment. Plain value type, copied as a whole into the views.

    Index conventions: n is the number of layers; layer i lies between interface i and i+1;
    interface 0 is the inner (warm-side) surface, interface n the outer (cold-side) surface.
    Per-layer vectors have n elements, per-interface vectors n+1.

    Units: temperatures °C, vapour pressures Pa, thermal resistances m²K/W, vapour diffusion
    resistances m²·s·Pa/kg, lengths m, moisture contents m³/m³, masses kg/m², times s.

    Fields ending in _Glaser (and glaserCase) belong to the standard procedure of DIN 4108-3 with
    dry conductivities and a straight vapour pressure line; the others to the extended calculation
    with condensation zones, which gives the main result. */
class CalculationResults {
public:
    /*! A pair of indices (first, last), both inclusive. */
    using IndexRange = std::pair<int, int>;

    /*! Outcomes of the extended calculation (calcState). */
    enum CalcState {
        CS_NoLayers = 0,
        CS_InvalidInput = 1,
        CS_AlgorithmFailure = 2,
        CS_CondensationInnerSurface = 4,
        CS_CondensationOuterSurface = 5,
        CS_SingleLayer = 6,
        CS_NoCondensation = 7,
        CS_OnePlane = 9,
        CS_OneZone = 10,
        CS_SeveralZones = 11
    };

    /*! Outcomes of the standard procedure (glaserCase). */
    enum GlaserCase {
        GC_InvalidInput = 1,
        GC_NoClosedFormula = 3,
        GC_CondensationInnerSurface = 4,
        GC_CondensationOuterSurface = 5,
        GC_NoCondensation = 7,
        GC_OnePlane = 9,
        GC_OneZone = 10,
        GC_TwoPlanes = 11
    };

    /*! A reset record (see reset()). */
    CalculationResults() = default;

    /*! The state before every run: calcState and glaserCase 1, kFirst_Glaser and kLast_Glaser -1,
        every other number 0, every vector and the messages empty. */
    void reset();

    /*! Resizes the per-layer vectors to \a layerCount and the per-interface vectors to
        \a layerCount + 1 elements, all zero. The range lists stay empty. */
    void resize(int layerCount);

    /*! U-value after DIN EN ISO 6946 in W/m²K: the dry layer resistances with the standard
        surface resistances 0.04 and 0.13 m²K/W, whatever the climate uses. */
    double U_ISO6946() const;

    /*! Exact comparison of every number, every vector element and the messages. */
    bool operator==(const CalculationResults &other) const;
    bool operator!=(const CalculationResults &other) const { return !(*this == other); }

    int calcState = CS_InvalidInput;           ///< outcome of the extended calculation
    int glaserCase = GC_InvalidInput;          ///< outcome of the standard procedure
    double d_total = 0;                        ///< sum of the layer thicknesses, m
    std::vector<double> T_Glaser;              ///< interface temperatures, dry resistances (n+1)
    std::vector<double> pv_Glaser;             ///< straight-line vapour pressure (n+1)
    std::vector<double> psat_Glaser;           ///< saturation pressure at the interfaces (n+1)
    std::vector<double> R_Glaser;              ///< dry thermal resistance of each layer (n)
    std::vector<double> Z_Glaser;              ///< vapour diffusion resistance of each layer (n)
    double mc_Glaser = 0;                      ///< condensate mass of the condensation period, kg/m²
    double mev_Glaser = 0;                     ///< mass that can evaporate in the evaporation period, kg/m²
    double tev_Glaser = 0;                     ///< drying time, s
    int kFirst_Glaser = -1;                    ///< first interface with condensation, -1 if none
    int kLast_Glaser = -1;                     ///< last interface with condensation, -1 if none
    std::vector<IndexRange> zones;             ///< condensation zones as (first layer, last layer)
    std::vector<IndexRange> condRanges_Glaser; ///< runs of condensing interfaces (first, last)
    double U = 0;                              ///< 1 / R_total with moisture-dependent conductivities
    double R_total_dry = 0;                    ///< Rsi + R_dry + Rse
    double R_total = 0;                        ///< Rsi + R + Rse
    double R_dry = 0;                          ///< sum of the dry layer resistances
    double R = 0;                              ///< sum of the layer resistances, moisture-dependent
    double mc_0 = 0;                           ///< condensate mass of the zones before the time factor
    double mc = 0;                             ///< condensate mass after the condensation period
    double tau = 0;                            ///< time constant of the condensate build-up, s
    double t_hyg = 0;                          ///< time before condensate starts to accumulate, s
    double t_dry = 0;                          ///< drying time in the evaporation period, s
    double mev = 0;                            ///< mass that can evaporate in the evaporation period
    std::vector<double> R_layers;              ///< thermal resistance of each layer, last pass (n)
    std::vector<double> Z_layers;              ///< vapour diffusion resistance, extended calculation (n)
    std::vector<double> L_layers;              ///< liquid transport resistance of each layer (n)
    std::vector<double> T;                     ///< interface temperatures, extended calculation (n+1)
    std::vector<double> psat;                  ///< saturation pressure at the interfaces (n+1)
    std::vector<double> pv;                    ///< vapour pressure at the interfaces (n+1)
    std::vector<double> w_left;                ///< moisture content at the warm-side boundary (n)
    std::vector<double> w_right;               ///< moisture content at the cold-side boundary (n)
    std::vector<double> sk_Tavo;               ///< length of the wet zone inside each layer, m (n)
    std::vector<double> mc_layers;             ///< condensate mass of each layer (n)
    QStringList messages;                      ///< messages of a failed run
};

#endif // CALCULATIONRESULTS_H
