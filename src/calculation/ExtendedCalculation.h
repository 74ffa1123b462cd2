// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef EXTENDEDCALCULATION_H
#define EXTENDEDCALCULATION_H

#include <cstdint>
#include <vector>

#include <QCoreApplication>
#include <QStringList>

#include "HeatFlowDirection.h"
#include "PlaneSearch.h"

class CalculationResults;
class InputData;

/*! The condensation calculation with condensation zones that gives the main result: where
    condensate forms (planes grouped into zones), how far the wet zone reaches into each layer,
    the moisture contents at the layer boundaries, the condensate mass after the condensation
    period and the drying in the evaporation period.

    Unlike the textbook Glaser construction, condensate spreads from a plane into the adjacent
    layers by capillary transport, moisture above 95 % relative humidity is stored in the pores,
    wet material conducts heat better (so temperatures and the condensation pattern are
    recomputed in up to three passes), and the condensate build-up is limited in time.

    Runs after the dry profiles and the standard procedure on the same record and message list.
    Sets calcState and every field of the extended calculation; on failure copies the messages
    into the record. Never throws. The plane search and the monitor of long runs are those of
    CalculationControl.

    The object only keeps working storage (reused by the next run), so keep one around when
    calculating repeatedly. */
class ExtendedCalculation {
    Q_DECLARE_TR_FUNCTIONS(Calculation)
public:
    /*! Runs the calculation for \a inputData with the heat flow direction \a heatFlowDirection
        (air layers) into \a results, adding to \a messages. */
    void run(const InputData &inputData, HeatFlowDirection heatFlowDirection, CalculationResults &results,
             QStringList &messages);

    /*! Condensate mass in kg/m² of a layer of thickness \a d (m) that is wet throughout, with the
        moisture contents above 95 % RH \a excessLeft and \a excessRight (m³/m³) at its
        boundaries: 1000 kg/m³ × d × (Δl³ − Δr³) / (Δl² − Δr²) × 2/3, in the equal form
        (Δl² + Δl·Δr + Δr²) / (Δl + Δr) that also holds for Δl = Δr; 0 when both are 0. */
    static double wetThroughoutMass(double d, double excessLeft, double excessRight);

    /*! The plane search of the last run (its statistics count every trial of that run). */
    const PlaneSearch &planeSearch() const { return m_search; }

    void resetStatistics() { m_search.resetStatistics(); }

    /*! Whether the monitor cancelled the last run. */
    bool cancelled() const { return m_cancelled; }

private:
    enum PassResult { NextPass, Finished };

    void runPasses(const InputData &inputData, HeatFlowDirection heatFlowDirection,
                   CalculationResults &results, QStringList &messages);
    bool prepare(const InputData &inputData, HeatFlowDirection heatFlowDirection, CalculationResults &results,
                 QStringList &messages);
    PassResult pass(int passNumber, const InputData &inputData, CalculationResults &results,
                    QStringList &messages);
    void layerResistances(CalculationResults &results) const;
    void moistureFromHumidity(CalculationResults &results) const;
    bool evaluateZones(const InputData &inputData, CalculationResults &results, QStringList &messages);
    void drying(const InputData &inputData, CalculationResults &results);
    void addNonCapillaryLayersMessage(QStringList &messages) const;
    void resetZoneResults(CalculationResults &results) const;
    void fail(int calcState, CalculationResults &results, const QStringList &messages) const;

    int m_n = 0;
    double m_Rsi = 0;
    double m_Rse = 0;
    double m_pvIn = 0;
    double m_pvOut = 0;
    std::vector<double> m_d;      ///< layer thickness, m
    std::vector<double> m_lambda; ///< dry thermal conductivity, W/(m·K)
    std::vector<double> m_w95;    ///< moisture content at 95 % RH, m³/m³
    std::vector<double> m_K;      ///< liquid transport coefficient
    std::vector<double> m_r;      ///< pore ratio at each interface
    std::vector<double> m_s;      ///< square root of the liquid flux of each plane (1-based)
    std::vector<double> m_phi;    ///< relative humidity profile for the time before accumulation
    std::vector<double> m_Tsummer;
    std::uint64_t m_remembered = 0;
    bool m_cancelled = false;
    PlaneSearch m_search;
};

#endif // EXTENDEDCALCULATION_H
