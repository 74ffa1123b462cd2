// SPDX-License-Identifier: GPL-3.0-or-later
#include "Calculation.h"

#include <algorithm>
#include <cmath>
#include <exception>

#include "ExtendedCalculation.h"
#include "GlaserStandardProcedure.h"
#include "InputData.h"
#include "SteadyStateProfile.h"
#include "ZMT_Exception.h"

void Calculation::calculate(const InputData &inputData, HeatFlowDirection heatFlowDirection) {
    try {
        run(inputData, heatFlowDirection);
    } catch (const ZMT::Exception &e) {
        m_messages << QString::fromStdString(e.what());
        fail(CalculationResults::CS_AlgorithmFailure);
    } catch (const std::exception &e) {
        m_messages << QString::fromLocal8Bit(e.what());
        fail(CalculationResults::CS_AlgorithmFailure);
    } catch (...) {
        m_messages << tr("Unknown error in calculation.");
        fail(CalculationResults::CS_AlgorithmFailure);
    }
    // Invalid input keeps what was computed from it (an infinite resistance is a fair answer to a
    // surface resistance of 1/0); only from valid input is a non-finite number an algorithm fault.
    if (m_results.calcState != CalculationResults::CS_InvalidInput)
        rejectNonFiniteResults();
}

void Calculation::run(const InputData &inputData, HeatFlowDirection heatFlowDirection) {
    // 1. A fresh record; d_total starts at 0 as well, so nothing accumulates over runs.
    m_messages.clear();
    m_results.reset();
    m_cancelled = false;
    m_extended.resetStatistics();
    const QVector<MaterialLayer> &layers = inputData.layers();
    const int n = layers.size();

    // 2. Nothing to size either: the vectors stay empty.
    if (n == 0) {
        m_results.calcState = CalculationResults::CS_NoLayers;
        return;
    }
    m_results.resize(n);
    // 3. and 4. A bad width is reported with its layer even when the input check has already
    // flagged it; otherwise the user sees "invalid input" without being told which layer.
    for (int i = 0; i < n; ++i) {
        const double d = layers[i].width();
        if (!(d > 0) || !std::isfinite(d)) {
            m_messages << tr("Invalid width %1 of <a href=\"layer-%2\">layer #%2</a>.")
                              .arg(QString::number(d, 'g'))
                              .arg(i + 1);
            m_results.d_total = 0;
            fail(CalculationResults::CS_InvalidInput);
            return;
        }
        m_results.d_total += d;
    }
    if (inputData.errorState() == InputData::InvalidLayerWidth)
        return; // calcState keeps its reset value 1

    // 5. Dry thermal values, also for input that fails later, so the views can show them.
    const AssessmentConditions &ac = inputData.assessmentConditions();
    bool conductivitiesOk = true;
    for (int i = 0; i < n && conductivitiesOk; ++i) {
        const double lambda = layers[i].lambdaEff(heatFlowDirection);
        conductivitiesOk = lambda > 0 && std::isfinite(lambda);
        if (conductivitiesOk)
            m_results.R_layers[static_cast<std::size_t>(i)] = layers[i].width() / lambda;
    }
    if (conductivitiesOk) {
        const double Rsi = ac.interiorClimate().surfaceResistance();
        const double Rse = ac.exteriorClimate().surfaceResistance();
        m_results.R_dry = 0;
        for (double R : m_results.R_layers)
            m_results.R_dry += R;
        m_results.R_total_dry = m_results.R_dry + Rse + Rsi;
        // Computed as they come also from an unusable climate (a surface resistance of 1/0 gives
        // an infinite total): step 6 reports the input error and the record keeps these values.
        SteadyStateProfile::temperatureProfile(m_results.R_layers, Rsi, Rse,
                                               ac.interiorClimate().temperature(),
                                               ac.exteriorClimate().temperature(), m_results.T);
    } else {
        std::fill(m_results.R_layers.begin(), m_results.R_layers.end(), 0.0);
    }

    // 6. The results view shows these messages, so the user learns which input is wrong
    // (the dry thermal values of step 5 stay in the record).
    if (inputData.errorState() == InputData::InvalidMaterial) {
        for (int i = 0; i < n; ++i)
            if (!layers[i].isValid())
                m_messages << tr("Invalid material data in <a href=\"layer-%1\">layer #%1</a>.").arg(i + 1);
        fail(CalculationResults::CS_InvalidInput);
        return;
    }
    if (inputData.errorState() == InputData::InvalidClimate) {
        m_messages << tr("Invalid climate data or period lengths.");
        fail(CalculationResults::CS_InvalidInput);
        return;
    }

    // 7.
    const GlaserStandardProcedure::Status status =
        GlaserStandardProcedure::run(inputData, heatFlowDirection, m_results, m_messages);
    if (status != GlaserStandardProcedure::Success) {
        m_messages << tr("Error in Glaser-Calculation.");
        fail(status == GlaserStandardProcedure::InvalidInput ? CalculationResults::CS_InvalidInput
                                                             : CalculationResults::CS_AlgorithmFailure);
        return;
    }

    // 8. The extended calculation with condensation zones, moisture storage and drying.
    m_extended.run(inputData, heatFlowDirection, m_results, m_messages);
    m_cancelled = m_extended.cancelled();
}

void Calculation::fail(int calcState) {
    m_results.calcState = calcState;
    m_results.messages = m_messages;
}

namespace {

/*! Zeroes non-finite values; returns whether there were any. */
bool clean(double &value) {
    if (std::isfinite(value))
        return false;
    value = 0;
    return true;
}

bool clean(std::vector<double> &values) {
    bool any = false;
    for (double &v : values)
        any = clean(v) || any;
    return any;
}

} // namespace

void Calculation::rejectNonFiniteResults() {
    CalculationResults &r = m_results;
    const char *bad = nullptr;
    auto check = [&bad](auto &field, const char *name) {
        if (clean(field) && !bad)
            bad = name;
    };
    check(r.d_total, "d_total");
    check(r.T_Glaser, "T_Glaser");
    check(r.pv_Glaser, "pv_Glaser");
    check(r.psat_Glaser, "psat_Glaser");
    check(r.R_Glaser, "R_Glaser");
    check(r.Z_Glaser, "Z_Glaser");
    check(r.mc_Glaser, "mc_Glaser");
    check(r.mev_Glaser, "mev_Glaser");
    check(r.tev_Glaser, "tev_Glaser");
    // The standard procedure checks its own results; this only guards against a slip.
    if (bad)
        r.glaserCase = CalculationResults::GC_InvalidInput;
    check(r.U, "U");
    check(r.R_total_dry, "R_total_dry");
    check(r.R_total, "R_total");
    check(r.R_dry, "R_dry");
    check(r.R, "R");
    check(r.mc_0, "mc_0");
    check(r.mc, "mc");
    check(r.tau, "tau");
    check(r.t_hyg, "t_hyg");
    check(r.t_dry, "t_dry");
    check(r.mev, "mev");
    check(r.R_layers, "R_layers");
    check(r.Z_layers, "Z_layers");
    // A layer without capillary water uptake has an infinite liquid transport resistance.
    for (double &L : r.L_layers)
        if (!(L > 0 && std::isinf(L)) && clean(L) && !bad)
            bad = "L_layers";
    check(r.T, "T");
    check(r.psat, "psat");
    check(r.pv, "pv");
    check(r.w_left, "w_left");
    check(r.w_right, "w_right");
    check(r.sk_Tavo, "sk_Tavo");
    check(r.mc_layers, "mc_layers");
    // Failures that were reported already only get their numbers cleaned.
    if (!bad || r.calcState == CalculationResults::CS_AlgorithmFailure)
        return;
    m_messages
        << tr("The calculation gave a value of %1 that is not a finite number.").arg(QLatin1String(bad));
    fail(CalculationResults::CS_AlgorithmFailure);
}
