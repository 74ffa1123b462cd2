// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExtendedCalculation.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <limits>

#include <QCoreApplication>

#include "CalculationControl.h"
#include "CalculationProgress.h"
#include "CalculationResults.h"
#include "InputData.h"
#include "SaturationPressure.h"
#include "SteadyStateProfile.h"
#include "ZMT_Exception.h"

namespace {

QString layerLink(int index) {
    return QStringLiteral("<a href=\"layer-%1\">layer #%1</a>").arg(index + 1);
}

// Mass of condensate per m³ of pore water above 95 % RH over a linear profile, 1000 kg/m³ × 2/3.
constexpr double MassFactor = 2000.0 / 3.0;

// A quantity formed by adding terms of magnitude up to `scale` counts as 0 when it is no larger
// than the rounding noise of those terms allows.
bool negligible(double value, double relativeTolerance, double scale) {
    return std::abs(value) <= relativeTolerance * scale;
}

double largest(double a, double b, double c) {
    return std::max(std::abs(a), std::max(std::abs(b), std::abs(c)));
}

} // namespace

double ExtendedCalculation::wetThroughoutMass(double d, double excessLeft, double excessRight) {
    const double sum = excessLeft + excessRight;
    if (sum == 0)
        return 0;
    return MassFactor * d * (excessLeft * excessLeft + excessLeft * excessRight + excessRight * excessRight) /
           sum;
}

void ExtendedCalculation::run(const InputData &inputData, HeatFlowDirection heatFlowDirection,
                              CalculationResults &results, QStringList &messages) {
    m_cancelled = false;
    CalculationProgress progress(CalculationControl::monitor());
    m_search.setProgress(&progress);
    m_search.setExhaustiveOnly(CalculationControl::planeSearchMode() == CalculationControl::ExhaustiveSearch);
    try {
        runPasses(inputData, heatFlowDirection, results, messages);
    } catch (const ZMT::Exception &e) {
        messages << QString::fromStdString(e.what());
        fail(CalculationResults::CS_AlgorithmFailure, results, messages);
    } catch (const std::exception &e) {
        messages << QString::fromLocal8Bit(e.what());
        fail(CalculationResults::CS_AlgorithmFailure, results, messages);
    }
    m_search.setProgress(nullptr);
    progress.finish();
}

void ExtendedCalculation::fail(int calcState, CalculationResults &results,
                               const QStringList &messages) const {
    results.calcState = calcState;
    results.messages = messages;
}

void ExtendedCalculation::runPasses(const InputData &inputData, HeatFlowDirection heatFlowDirection,
                                    CalculationResults &results, QStringList &messages) {
    m_search.resetStatistics();
    if (!prepare(inputData, heatFlowDirection, results, messages))
        return;
    for (int p = 1; p <= 3; ++p)
        if (pass(p, inputData, results, messages) == Finished)
            return;

    if (results.zones.empty()) {
        messages << tr("Some problem in calculation! Algorithm error!");
        fail(CalculationResults::CS_AlgorithmFailure, results, messages);
        return;
    }
    if (results.zones.size() > 1)
        results.calcState = CalculationResults::CS_SeveralZones;
    else if (results.zones.front().second == results.zones.front().first + 1)
        results.calcState = CalculationResults::CS_OnePlane;
    else
        results.calcState = CalculationResults::CS_OneZone;
}

bool ExtendedCalculation::prepare(const InputData &inputData, HeatFlowDirection heatFlowDirection,
                                  CalculationResults &results, QStringList &messages) {
    const QVector<MaterialLayer> &layers = inputData.layers();
    const int n = layers.size();
    m_n = n;
    const std::size_t un = static_cast<std::size_t>(n);
    results.zones.clear();
    for (std::vector<double> *v : {&results.R_layers, &results.Z_layers, &results.L_layers, &results.w_left,
                                   &results.w_right, &results.sk_Tavo, &results.mc_layers})
        v->assign(un, 0.0);
    for (std::vector<double> *v : {&results.T, &results.psat, &results.pv})
        v->assign(un + 1, 0.0);
    if (n == 0) {
        results.calcState = CalculationResults::CS_NoLayers;
        return false;
    }

    m_d.assign(un, 0.0);
    m_lambda.assign(un, 0.0);
    m_w95.assign(un, 0.0);
    m_K.assign(un, 0.0);
    m_r.assign(un + 1, 0.0);
    m_s.assign(un + 1, 0.0);
    m_phi.assign(un + 1, 0.0);
    m_Tsummer.assign(un + 1, 0.0);

    // Moisture content at 95 % RH, linear through the 80 % point; the pores above it must have
    // room for liquid water.
    for (int i = 0; i < n; ++i) {
        m_w95[i] = layers[i].w95();
        if (layers[i].w_sat - m_w95[i] <= 0) {
            messages
                << tr("Invalid moisture storage values for <a href=\"layer-%1\">layer #%1</a>.").arg(i + 1)
                << tr("Current moisture content at 80%RH leads to an moisture content at 95%RH higher than "
                      "saturation moisture content.");
            fail(CalculationResults::CS_InvalidInput, results, messages);
            return false;
        }
    }

    for (int i = 0; i < n; ++i) {
        const MaterialLayer &layer = layers[i];
        const double d = layer.width();
        const double freePores = layer.w_sat - m_w95[i];
        m_d[i] = d;
        m_lambda[i] = layer.lambdaEff(heatFlowDirection);
        m_K[i] = layer.m_Aw * layer.m_Aw * 5e-8 / (freePores * freePores * freePores);
        results.Z_layers[i] = layer.muEff() * d * 5.4e9;
        // Without capillary uptake there is no liquid transport: an infinite resistance.
        results.L_layers[i] = m_K[i] > 0 ? d / m_K[i] / 1000 : std::numeric_limits<double>::infinity();
        if (i > 0)
            m_r[i] = (layers[i - 1].w_sat - m_w95[i - 1]) / freePores;
    }

    const AssessmentConditions &ac = inputData.assessmentConditions();
    const ClimateCondition &in = ac.interiorClimate();
    const ClimateCondition &out = ac.exteriorClimate();
    m_Rsi = in.surfaceResistance();
    m_Rse = out.surfaceResistance();
    m_pvIn = saturationPressurePower(in.temperature()) * in.relativeHumidity() / 100;
    m_pvOut = saturationPressurePower(out.temperature()) * out.relativeHumidity() / 100;

    // A construction beyond the search's range is calculated as far as it goes without one.
    if (n <= PlaneSearch::MaxLayers)
        m_search.setConstruction(n, results.Z_layers.data(), results.L_layers.data(), m_r.data());
    m_remembered = 0;
    return true;
}

void ExtendedCalculation::layerResistances(CalculationResults &results) const {
    // Wet material conducts better: λ + 0.55 × mean moisture content (m³/m³) over the wet part.
    for (int i = 0; i < m_n; ++i) {
        const double d = m_d[i];
        const double lambda = m_lambda[i];
        const double wet = results.sk_Tavo[i];
        if (wet == 0) {
            results.R_layers[i] = d / lambda;
        } else if (wet == d) {
            results.R_layers[i] = d / (0.55 * 0.5 * (results.w_left[i] + results.w_right[i]) + lambda);
        } else {
            const double wEdge = results.w_left[i] > m_w95[i] ? results.w_left[i] : results.w_right[i];
            results.R_layers[i] = wet / (0.55 * 0.5 * (m_w95[i] + wEdge) + lambda) + (d - wet) / lambda;
        }
    }
}

void ExtendedCalculation::moistureFromHumidity(CalculationResults &results) const {
    for (int i = 0; i < m_n; ++i) {
        results.w_left[i] = results.pv[i] / results.psat[i] * m_w95[i];
        results.w_right[i] = results.pv[i + 1] / results.psat[i + 1] * m_w95[i];
    }
}

void ExtendedCalculation::resetZoneResults(CalculationResults &results) const {
    // A later pass found no condensation (or condensation on a surface): zones and masses of an
    // earlier pass must not outlive it.
    results.zones.clear();
    std::fill(results.sk_Tavo.begin(), results.sk_Tavo.end(), 0.0);
    std::fill(results.mc_layers.begin(), results.mc_layers.end(), 0.0);
    results.mc_0 = 0;
    results.mc = 0;
    results.tau = 0;
    results.t_hyg = 0;
    results.t_dry = 0;
    results.mev = 0;
}

ExtendedCalculation::PassResult ExtendedCalculation::pass(int passNumber, const InputData &inputData,
                                                          CalculationResults &results,
                                                          QStringList &messages) {
    const int n = m_n;
    const AssessmentConditions &ac = inputData.assessmentConditions();

    layerResistances(results);
    results.R = 0;
    for (double Ri : results.R_layers)
        results.R += Ri;
    results.R_total = m_Rsi + results.R + m_Rse;
    results.U = 1 / results.R_total;
    SteadyStateProfile::temperatureProfile(results.R_layers, m_Rsi, m_Rse, ac.interiorClimate().temperature(),
                                           ac.exteriorClimate().temperature(), results.T);
    for (int k = 0; k <= n; ++k)
        results.psat[k] = saturationPressurePower(results.T[k]);
    SteadyStateProfile::vapourField(results.Z_layers, m_pvIn, m_pvOut, results.pv);

    auto finish = [&](int calcState) {
        if (passNumber > 1)
            resetZoneResults(results);
        results.calcState = calcState;
        return Finished;
    };
    if (results.psat[0] < results.pv[0])
        return finish(CalculationResults::CS_CondensationInnerSurface);
    if (results.psat[n] < results.pv[n])
        return finish(CalculationResults::CS_CondensationOuterSurface);

    moistureFromHumidity(results);

    if (n == 1) {
        if (passNumber == 1)
            return NextPass;
        results.calcState = CalculationResults::CS_SingleLayer;
        return Finished;
    }

    bool condensation = false;
    for (int k = 1; k < n && !condensation; ++k)
        condensation = results.psat[k] < results.pv[k];
    if (!condensation) {
        if (passNumber == 1)
            return NextPass;
        return finish(CalculationResults::CS_NoCondensation);
    }

    const auto tooManyLayers = [&](int limit) {
        messages.clear(); // those of the search's last trial say nothing here
        messages << tr("Too many layers for the condensation calculation (at most %1).").arg(limit);
        fail(CalculationResults::CS_AlgorithmFailure, results, messages);
        return Finished;
    };
    if (n > PlaneSearch::MaxLayers)
        return tooManyLayers(PlaneSearch::MaxLayers);
    // The exhaustive search doubles its work with every layer (2^23 - 1 systems per pass at 24).
    if (CalculationControl::planeSearchMode() == CalculationControl::ExhaustiveSearch &&
        n > PlaneSearch::MaxExhaustiveLayers)
        return tooManyLayers(PlaneSearch::MaxExhaustiveLayers);

    m_search.setProfiles(results.psat.data(), results.pv.data(), m_pvIn, m_pvOut);
    switch (m_search.search(m_remembered, messages)) {
    case PlaneSearch::Accepted:
        break;
    case PlaneSearch::Cancelled:
        m_cancelled = true;
        messages.clear();
        messages << tr("The calculation was cancelled.");
        fail(CalculationResults::CS_AlgorithmFailure, results, messages);
        return Finished;
    case PlaneSearch::TooManyLayers:
        tooManyLayers(PlaneSearch::MaxExhaustiveLayers);
        addNonCapillaryLayersMessage(messages);
        results.messages = messages;
        return Finished;
    case PlaneSearch::NoSolution:
    case PlaneSearch::NoValidCombination:
        addNonCapillaryLayersMessage(messages);
        fail(CalculationResults::CS_AlgorithmFailure, results, messages);
        return Finished;
    }

    const std::vector<double> &pvNew = m_search.vapourPressure();
    std::copy(pvNew.begin(), pvNew.begin() + n + 1, results.pv.begin());
    moistureFromHumidity(results);
    messages.clear();
    // Runs of adjacent planes j1..j2 make the zone of the layers j1-1..j2 that touch them.
    results.zones.clear();
    const std::vector<int> &planes = m_search.planes();
    for (std::size_t q = 0; q < planes.size(); ++q) {
        if (q > 0 && planes[q] == planes[q - 1] + 1)
            results.zones.back().second = planes[q];
        else
            results.zones.emplace_back(planes[q] - 1, planes[q]);
    }

    if (!evaluateZones(inputData, results, messages))
        return Finished;
    m_remembered = m_search.acceptedMask();
    return NextPass;
}

bool ExtendedCalculation::evaluateZones(const InputData &inputData, CalculationResults &results,
                                        QStringList &messages) {
    const int n = m_n;
    const std::vector<double> &x = m_search.solution();
    const std::vector<double> &Z = results.Z_layers;
    const std::vector<double> &psat = results.psat;
    const std::vector<double> &pv = results.pv;
    std::vector<double> &wl = results.w_left;
    std::vector<double> &wr = results.w_right;
    std::vector<double> &sk = results.sk_Tavo;
    std::vector<double> &mc = results.mc_layers;
    const double x0 = x[0];
    const int planeCount = static_cast<int>(m_search.planes().size());
    for (int q = 1; q <= planeCount; ++q)
        m_s[q] = std::sqrt(x[q]);
    std::fill(sk.begin(), sk.end(), 0.0);
    std::fill(mc.begin(), mc.end(), 0.0);

    auto denominatorZero = [&](int layer) {
        messages << tr("Error in calculation m_results.sk_Tavo[%1], denominator == 0!").arg(layer);
        fail(CalculationResults::CS_AlgorithmFailure, results, messages);
        return false;
    };

    // Wet zone lengths, moisture contents and masses before the time factor. A layer without
    // capillary uptake takes no liquid water from a plane on one side only: no wet zone enters the
    // first or last layer of a zone then. A layer between two planes is at saturation over its
    // whole width, whatever its uptake: the vapour that condenses in it stays there.
    int firstPlane = 1;
    for (const CalculationResults::IndexRange &zone : results.zones) {
        const int a = zone.first;
        const int b = zone.second;
        if (m_K[a] > 0) {
            const double Da = x0 - (psat[a] - psat[a + 1]) / Z[a];
            if (negligible(Da, 1e-12, largest(x0, psat[a] / Z[a], psat[a + 1] / Z[a])))
                return denominatorZero(a);
            sk[a] = m_d[a] * (x0 - (pv[a] - psat[a + 1]) / Z[a]) / Da;
        }
        if (m_K[b] > 0) {
            const double Db = x0 * Z[b] - (psat[b] - psat[b + 1]);
            if (negligible(Db, 1e-12, largest(x0 * Z[b], psat[b], psat[b + 1])))
                return denominatorZero(b);
            const double numerator = x0 * Z[b] - (psat[b] - pv[b + 1]);
            // A numerator within rounding noise of 0 means the wet zone does not reach into b.
            if (!negligible(numerator, 1e-9, largest(x0 * Z[b], psat[b], pv[b + 1]))) {
                sk[b] = m_d[b] * numerator / Db;
                if (sk[b] <= 0) {
                    messages << tr("Error in calculation m_results.sk_Tavo[%1], Value < 0!").arg(b);
                    fail(CalculationResults::CS_AlgorithmFailure, results, messages);
                    return false;
                }
            }
        }
        for (int u = a; u < b; ++u) {
            const double s = m_s[firstPlane + u - a];
            wr[u] = m_w95[u] + s;
            wl[u + 1] = s / m_r[u + 1] + m_w95[u + 1];
        }
        for (int u = a + 1; u < b; ++u) {
            sk[u] = m_d[u];
            mc[u] = wetThroughoutMass(m_d[u], wl[u] - m_w95[u], wr[u] - m_w95[u]);
        }
        mc[a] = (wr[a] - m_w95[a]) * MassFactor * sk[a];
        mc[b] = (wl[b] - m_w95[b]) * MassFactor * sk[b];
        firstPlane += b - a;
    }

    results.mc_0 = 0;
    for (double m : mc)
        results.mc_0 += m;

    // Time before condensate accumulates (the pores first fill up to the equilibrium moisture)
    // and time constant of the build-up, from the net condensation rate of the outermost planes.
    const int a = results.zones.front().first;
    const int b = results.zones.back().second;
    double Zl = 0;
    for (int j = 0; j <= a; ++j)
        Zl += Z[j];
    double Zr = 0;
    for (int j = n - 1; j >= b; --j)
        Zr += Z[j];
    const double gIn = (pv[0] - psat[a + 1]) / Zl;
    const double gOut = (psat[b] - pv[n]) / Zr;

    std::fill(m_phi.begin(), m_phi.end(), 0.0);
    double behind = 0;
    for (int k = 1; k <= a; ++k) {
        behind += Z[k - 1];
        m_phi[k] = (behind / Zl) * psat[a + 1] / psat[k];
    }
    for (int k = a + 1; k <= b; ++k)
        m_phi[k] = 1;
    double ahead = 0;
    for (int k = n - 1; k > b; --k) {
        ahead += Z[k];
        m_phi[k] = (ahead / Zr) * psat[b] / psat[k];
    }
    double H = 0;
    for (int i = 0; i < n; ++i)
        H += m_d[i] * m_w95[i] * (m_phi[i] + m_phi[i + 1]) / 2;
    results.t_hyg = 1000 * 0.02 * H / (gIn - gOut);
    results.tau = 3 * results.mc_0 / (gIn - gOut);

    const double tT = inputData.assessmentConditions().condensationTime(false);
    const double X = -3 * (tT - results.t_hyg) / results.tau;
    double f = 1 - std::exp(X);
    if (X > 700 || !(f > 0)) // !(f > 0) also catches 0/0 when no mass builds up at all
        f = 1e-17;
    const double s = std::sqrt(f);

    for (const CalculationResults::IndexRange &zone : results.zones) {
        const int za = zone.first;
        const int zb = zone.second;
        double inner = 0;
        for (int u = za + 1; u < zb; ++u)
            inner += mc[u];
        double all = 0;
        for (int u = za; u <= zb; ++u)
            all += mc[u];
        const double kappa = inner == 0 ? s : all * f / ((mc[za] + mc[zb]) * s + inner);
        sk[za] *= s;
        sk[zb] *= s;
        // m_r[u + 1] is the pore ratio between layers u and u + 1. The moisture contents on the
        // warm sides use the unscaled ones on the cold sides, so they go first.
        wl[zb] = (wr[zb - 1] - m_w95[zb - 1]) / m_r[zb] * kappa + m_w95[zb];
        for (int u = za + 1; u < zb; ++u)
            wl[u] = (wr[u - 1] - m_w95[u - 1]) / m_r[u] * kappa + m_w95[u];
        for (int u = za + 1; u < zb; ++u)
            wr[u] = (wr[u] - m_w95[u]) * kappa + m_w95[u];
        wr[za] = (wr[za] - m_w95[za]) * kappa + m_w95[za];
        const double edgeScale = s * kappa;
        mc[za] *= edgeScale;
        mc[zb] *= edgeScale;
        for (int u = za + 1; u < zb; ++u)
            mc[u] *= kappa;
    }

    results.mc = 0;
    for (double m : mc)
        results.mc += m;

    drying(inputData, results);
    return true;
}

void ExtendedCalculation::drying(const InputData &inputData, CalculationResults &results) {
    // Evaporation period: the condensate of the first plane evaporates to both sides.
    const AssessmentConditions &ac = inputData.assessmentConditions();
    const ClimateCondition &inS = ac.interiorSummerClimate();
    const ClimateCondition &outS = ac.exteriorSummerClimate();
    const int a = results.zones.front().first;
    std::vector<double> &Ts = m_Tsummer;
    SteadyStateProfile::temperatureProfile(results.R_layers, m_Rsi, m_Rse, inS.temperature(),
                                           outS.temperature(), Ts);
    const double ps = saturationPressurePower(Ts[a + 1]);
    const double pvInS = saturationPressurePower(inS.temperature()) * inS.relativeHumidity() / 100;
    const double pvOutS = saturationPressurePower(outS.temperature()) * outS.relativeHumidity() / 100;
    double Zl = 0;
    for (int j = 0; j <= a; ++j)
        Zl += results.Z_layers[j];
    double Zr = 0;
    for (int j = a + 1; j < m_n; ++j)
        Zr += results.Z_layers[j];
    const double gEv = (ps - pvOutS) / Zr + (ps - pvInS) / Zl;
    results.mev = ac.evaporationTime(false) * gEv;
    results.t_dry = results.mc / gEv;
}

void ExtendedCalculation::addNonCapillaryLayersMessage(QStringList &messages) const {
    QStringList links;
    for (int i = 0; i < m_n; ++i)
        if (!(m_K[i] > 0))
            links << layerLink(i);
    if (links.size() < 2)
        return;
    messages << tr("Layers without capillary water uptake (water uptake coefficient 0) on both sides of the "
                   "condensation region prevent this calculation: %1.")
                    .arg(links.join(QStringLiteral(", ")));
}
