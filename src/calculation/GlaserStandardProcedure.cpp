// SPDX-License-Identifier: GPL-3.0-or-later
#include "GlaserStandardProcedure.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include <QCoreApplication>

#include "SteadyStateProfile.h"
#include "CalculationResults.h"
#include "InputData.h"
#include "SaturationPressure.h"
#include "SaturationPressureExponential.h"

namespace {

/*! Vapour permeability of still air assumed by DIN 4108-3, kg/(m·s·Pa). */
const double Delta0 = 2e-10;

/*! Points within this fraction of the pressure of the string count as touching it: a line that
    meets saturation exactly must not be lost to rounding. */
const double TouchTolerance = 1e-9;

bool usable(double value) {
    return std::isfinite(value) && value > 0;
}

/*! Texts are marked with QT_TRANSLATE_NOOP where they are written, so lupdate finds them. */
QString translated(const char *text) {
    return QCoreApplication::translate("Calculation", text);
}

QString layerMessage(const char *text, double value, int layerIndex) {
    return translated(text).arg(QString::number(value, 'g')).arg(layerIndex + 1);
}

QString notFiniteMessage(const char *field) {
    return QCoreApplication::translate("Calculation",
                                       "Result %1 of the Glaser-Calculation is not a finite number.")
        .arg(QLatin1String(field));
}

bool allFinite(const std::vector<double> &values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

/*! Runs of adjacent interfaces as (first, last). */
std::vector<CalculationResults::IndexRange> runsOf(const std::vector<int> &interfaces) {
    std::vector<CalculationResults::IndexRange> runs;
    for (int k : interfaces) {
        if (!runs.empty() && runs.back().second == k - 1)
            runs.back().second = k;
        else
            runs.emplace_back(k, k);
    }
    return runs;
}

/*! Sum of Z[j] for first <= j < last. */
double sumZ(const std::vector<double> &Z, int first, int last) {
    double sum = 0;
    for (int j = first; j < last; ++j)
        sum += Z[static_cast<std::size_t>(j)];
    return sum;
}

} // namespace

std::vector<int> GlaserStandardProcedure::condensationInterfaces(const std::vector<double> &Z,
                                                                 const std::vector<double> &psat,
                                                                 double pv_in, double pv_out) {
    const std::size_t n = Z.size();
    std::vector<int> result;
    if (n < 2 || psat.size() != n + 1)
        return result;

    // Points of the diffusion diagram: summed resistance, pressure.
    std::vector<double> x(n + 1), y(n + 1);
    x[0] = 0;
    for (std::size_t k = 1; k <= n; ++k)
        x[k] = x[k - 1] + Z[k - 1];
    y[0] = pv_in;
    for (std::size_t k = 1; k < n; ++k)
        y[k] = psat[k];
    y[n] = pv_out;

    // Lower convex hull, left to right (the x values increase). Collinear points are dropped
    // here and found again below, as they lie on a hull segment.
    std::vector<std::size_t> hull;
    for (std::size_t k = 0; k <= n; ++k) {
        while (hull.size() >= 2) {
            const std::size_t o = hull[hull.size() - 2];
            const std::size_t a = hull.back();
            const double cross = (x[a] - x[o]) * (y[k] - y[o]) - (y[a] - y[o]) * (x[k] - x[o]);
            if (cross > 0)
                break;
            hull.pop_back();
        }
        hull.push_back(k);
    }

    std::size_t segment = 0; // hull[segment] .. hull[segment + 1] spans x[k]
    for (std::size_t k = 1; k < n; ++k) {
        while (segment + 2 < hull.size() && x[hull[segment + 1]] < x[k])
            ++segment;
        const std::size_t a = hull[segment];
        const std::size_t b = hull[segment + 1];
        double yHull;
        if (x[b] > x[a])
            yHull = y[a] + (y[b] - y[a]) * (x[k] - x[a]) / (x[b] - x[a]);
        else
            yHull = std::min(y[a], y[b]);
        if (y[k] - yHull <= TouchTolerance * std::max(std::abs(y[k]), std::abs(yHull)))
            result.push_back(static_cast<int>(k));
    }
    return result;
}

GlaserStandardProcedure::Status GlaserStandardProcedure::run(const InputData &inputData,
                                                             HeatFlowDirection heatFlowDirection,
                                                             CalculationResults &r, QStringList &messages) {
    r.glaserCase = CalculationResults::GC_InvalidInput;
    const QVector<MaterialLayer> &layers = inputData.layers();
    const int n = layers.size();
    const std::size_t nn = static_cast<std::size_t>(n);
    r.R_Glaser.assign(nn, 0.0);
    r.Z_Glaser.assign(nn, 0.0);

    for (int i = 0; i < n; ++i) {
        const MaterialLayer &layer = layers[i];
        const double d = layer.width();
        const double mu = layer.muEff();
        if (!usable(mu)) {
            messages << layerMessage(
                QT_TRANSLATE_NOOP("Calculation",
                                  "Invalid mu %1 of material in <a href=\"layer-%2\">layer #%2</a>."),
                mu, i);
            return InvalidInput;
        }
        r.Z_Glaser[static_cast<std::size_t>(i)] = d * mu / Delta0;
        const double lambda = layer.lambdaEff(heatFlowDirection);
        if (!usable(lambda)) {
            messages << layerMessage(
                QT_TRANSLATE_NOOP(
                    "Calculation",
                    "Invalid thermal conductivity %1 of material in <a href=\"layer-%2\">layer #%2</a>."),
                lambda, i);
            return InvalidInput;
        }
        r.R_Glaser[static_cast<std::size_t>(i)] = d / lambda;
    }

    const AssessmentConditions &ac = inputData.assessmentConditions();
    const double Rsi = ac.interiorClimate().surfaceResistance();
    const double Rse = ac.exteriorClimate().surfaceResistance();
    bool surfacesOk = true;
    if (!usable(Rse)) {
        messages << QCoreApplication::translate("Calculation", "Invalid surface resistance outside") +
                        QLatin1Char(' ') + QString::number(Rse, 'g') + QLatin1Char('.');
        surfacesOk = false;
    }
    if (!usable(Rsi)) {
        messages << QCoreApplication::translate("Calculation", "Invalid surface resistance inside)") +
                        QString::number(Rsi, 'g') + QLatin1Char('.');
        surfacesOk = false;
    }
    if (!surfacesOk)
        return InvalidInput;

    r.R_dry = 0;
    for (double R : r.R_Glaser)
        r.R_dry += R;
    r.R_total_dry = r.R_dry + Rse + Rsi;
    const double Ti = ac.interiorClimate().temperature();
    const double Te = ac.exteriorClimate().temperature();
    SteadyStateProfile::temperatureProfile(r.R_Glaser, Rsi, Rse, Ti, Te, r.T_Glaser);

    // Condensation period.
    const double pv_in = saturationPressureExponential(Ti) * ac.interiorClimate().relativeHumidity() / 100;
    const double pv_out = saturationPressureExponential(Te) * ac.exteriorClimate().relativeHumidity() / 100;
    SteadyStateProfile::vapourField(r.Z_Glaser, pv_in, pv_out, r.pv_Glaser);
    r.psat_Glaser.resize(nn + 1);
    for (std::size_t k = 0; k <= nn; ++k)
        r.psat_Glaser[k] = saturationPressureExponential(r.T_Glaser[k]);

    // A climate outside the range of the formulas would carry NaN into every decision below.
    for (const auto &profile :
         {std::make_pair(&r.T_Glaser, "T_Glaser"), std::make_pair(&r.psat_Glaser, "psat_Glaser"),
          std::make_pair(&r.pv_Glaser, "pv_Glaser")}) {
        if (!allFinite(*profile.first)) {
            messages << notFiniteMessage(profile.second);
            return AlgorithmError;
        }
    }

    const std::vector<double> &psat = r.psat_Glaser;
    const std::vector<double> &pv = r.pv_Glaser;
    r.condRanges_Glaser.clear();
    r.kFirst_Glaser = r.kLast_Glaser = -1;
    r.mc_Glaser = r.mev_Glaser = r.tev_Glaser = 0;

    // Condensation on a surface: no closed formula, just the straight-line runs for the diagrams.
    if (pv[0] >= psat[0] || pv[nn] >= psat[nn]) {
        std::vector<int> wet;
        for (int k = 0; k <= n; ++k)
            if (pv[static_cast<std::size_t>(k)] >= psat[static_cast<std::size_t>(k)])
                wet.push_back(k);
        r.condRanges_Glaser = runsOf(wet);
        r.glaserCase = pv[0] >= psat[0] ? CalculationResults::GC_CondensationInnerSurface
                                        : CalculationResults::GC_CondensationOuterSurface;
        return Success;
    }

    const std::vector<int> planes = condensationInterfaces(r.Z_Glaser, psat, pv_in, pv_out);
    if (planes.empty()) {
        r.glaserCase = CalculationResults::GC_NoCondensation;
        return Success;
    }
    r.condRanges_Glaser = runsOf(planes);
    const int k1 = planes.front();
    const int kl = planes.back();
    r.kFirst_Glaser = k1;
    r.kLast_Glaser = kl;

    int outcome;
    if (r.condRanges_Glaser.size() == 1)
        outcome = k1 == kl ? CalculationResults::GC_OnePlane : CalculationResults::GC_OneZone;
    else if (planes.size() == 2)
        outcome = CalculationResults::GC_TwoPlanes;
    else {
        r.glaserCase = CalculationResults::GC_NoClosedFormula;
        return Success;
    }

    const double tc = ac.condensationTime(false);
    const double te = ac.evaporationTime(false);
    const double Zl = sumZ(r.Z_Glaser, 0, k1);
    const double Zr = sumZ(r.Z_Glaser, kl, n);
    const double p1 = psat[static_cast<std::size_t>(k1)];
    const double pl = psat[static_cast<std::size_t>(kl)];

    // Evaporation period: the plane is at the saturation pressure of the warm-side summer
    // temperature (all summer temperatures are equal in the DIN climates).
    const ClimateCondition &summerIn = ac.interiorSummerClimate();
    const ClimateCondition &summerOut = ac.exteriorSummerClimate();
    const double ps = saturationPressurePower(summerIn.temperature());
    const double pv_is = ps * summerIn.relativeHumidity() / 100;
    const double pv_es =
        saturationPressurePower(summerOut.temperature()) * summerOut.relativeHumidity() / 100;

    // The string is convex, so the masses are >= 0 up to rounding at a point that only touches.
    double mc = 0, mev = 0, tev = 0;
    if (outcome == CalculationResults::GC_OnePlane || outcome == CalculationResults::GC_OneZone) {
        mc = std::max(0.0, tc * ((pv_in - p1) / Zl - (pl - pv_out) / Zr));
        // A zone dries from its middle: half its resistance lies on either side.
        const double Zh = outcome == CalculationResults::GC_OneZone ? 0.5 * sumZ(r.Z_Glaser, k1, kl) : 0.0;
        const double g_ev = (ps - pv_is) / (Zl + Zh) + (ps - pv_es) / (Zr + Zh);
        mev = te * g_ev;
        tev = mc / g_ev;
    } else {
        const double Zm = sumZ(r.Z_Glaser, k1, kl);
        const double mc1 = std::max(0.0, tc * ((pv_in - p1) / Zl - (p1 - pl) / Zm));
        const double mc2 = std::max(0.0, tc * ((p1 - pl) / Zm - (pl - pv_out) / Zr));
        mc = mc1 + mc2;
        const double gi = (ps - pv_is) / Zl;
        const double ge = (ps - pv_es) / Zr;
        const double t1 = mc1 / gi;
        const double t2 = mc2 / ge;
        if (!std::isfinite(t1) || !std::isfinite(t2)) {
            messages << notFiniteMessage("tev_Glaser");
            return AlgorithmError;
        }
        // Both planes dry at first; once the first is dry, the other also dries through the
        // layers between them towards the far side.
        double gPrime, tFirst;
        if (t2 > t1) {
            gPrime = (ps - pv_is) / (Zm + Zl) + ge;
            tev = (mc2 - t1 * ge) / gPrime + t1;
            tFirst = t1;
        } else {
            gPrime = (ps - pv_es) / (Zm + Zr) + gi;
            tev = (mc1 - t2 * gi) / gPrime + t2;
            tFirst = t2;
        }
        // Evaporation stops with the end of the period, even when neither plane has dried yet.
        mev = std::min(te, tFirst) * (gi + ge) + std::max(0.0, te - tFirst) * gPrime;
    }

    if (!std::isfinite(mc)) {
        messages << notFiniteMessage("mc_Glaser");
        return AlgorithmError;
    }
    if (!std::isfinite(mev)) {
        messages << notFiniteMessage("mev_Glaser");
        return AlgorithmError;
    }
    if (!std::isfinite(tev)) {
        messages << notFiniteMessage("tev_Glaser");
        return AlgorithmError;
    }
    r.mc_Glaser = mc;
    r.mev_Glaser = mev;
    r.tev_Glaser = tev;
    r.glaserCase = outcome;
    return Success;
}
