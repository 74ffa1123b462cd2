// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlaneSearch.h"

#include <algorithm>
#include <cmath>

#include "CalculationProgress.h"
#include "ZMT_Exception.h"
#include "solveSystem.h"

namespace {

// Flux entering a plane's neighbour layer per unit of x_q: the liquid transport of that layer
// turned into a vapour pressure change. A layer without capillary uptake (L infinite) has none.
double liquidCoefficient(double Z, double L, double rSquared) {
    if (!std::isfinite(L))
        return 0;
    return Z / (2 * L * rSquared);
}

// The oversaturation an interface that is no plane may show: rounding noise of the rebuilt
// pressure, not condensation.
constexpr double OversaturationLimit = -1e-8;

// Beyond so many close decisions the sets around them are not all tried (2^16 trials).
constexpr int MaxTies = 16;

std::uint64_t bit(int interface) {
    return std::uint64_t(1) << (interface - 1);
}

int lowestBit(std::uint64_t value) {
#if defined(__GNUC__)
    return __builtin_ctzll(value);
#else
    int b = 0;
    while (((value >> b) & 1u) == 0)
        ++b;
    return b;
#endif
}

std::uint64_t highestBitOf(std::uint64_t value) {
    std::uint64_t highest = 0;
    for (; value != 0; value &= value - 1)
        highest = value & (~value + 1);
    return highest;
}

int bitCount(std::uint64_t value) {
    int count = 0;
    for (; value != 0; value &= value - 1)
        ++count;
    return count;
}

} // namespace

void PlaneSearch::setConstruction(int n, const double *Z, const double *L, const double *r) {
    if (n < 1 || n > MaxLayers)
        throw ZMT::Exception("Invalid number of layers", "[PlaneSearch::setConstruction]");
    m_n = n;
    const std::size_t layers = static_cast<std::size_t>(n);
    m_Z.assign(Z, Z + n);
    m_S.assign(layers + 1, 0.0);
    m_warmLiq.assign(layers + 1, 0.0);
    m_coldLiq.assign(layers + 1, 0.0);
    m_belowDiag.assign(layers + 1, 0.0);
    m_selfEffect.assign(layers + 1, 0.0);
    double S = 0;
    for (int i = 0; i < n; ++i) {
        m_S[i] = S;
        S += Z[i];
    }
    m_S[n] = S;
    for (int j = 1; j < n; ++j) {
        m_warmLiq[j] = liquidCoefficient(Z[j - 1], L[j - 1], 1.0);
        m_coldLiq[j] = liquidCoefficient(Z[j], L[j], r[j] * r[j]);
        // The column of a plane collects first the warm-side term (added) and then, from the
        // next row on, the cold-side term (subtracted); starting from 0 this is exactly:
        m_belowDiag[j] = m_warmLiq[j] - m_coldLiq[j];
        // With the vapour flux taken from the outdoor row, a plane's own flux lowers the pressure
        // at the plane by this much per unit.
        const double share = m_S[j] / S;
        m_selfEffect[j] = m_warmLiq[j] * (1 - share) + m_coldLiq[j] * share;
    }

    // Make-up that leaves a system singular whatever the climate.
    m_capillary.assign(layers, 0);
    for (int i = 0; i < n; ++i)
        m_capillary[i] = std::isfinite(L[i]);
    m_deadMask = 0;
    for (int j = 1; j < n; ++j)
        if (!m_capillary[j - 1] && !m_capillary[j])
            m_deadMask |= bit(j);

    // Working storage for the largest system, so that no trial allocates.
    m_psat.assign(layers + 1, 0.0);
    m_pv.assign(layers + 1, 0.0);
    m_rhs.assign(layers + 1, 0.0);
    m_pvNew.assign(layers + 1, 0.0);
    m_planeAt.assign(layers + 1, 0);
    m_belowRow.assign(layers + 1, 0.0);
    m_planes.reserve(layers);
    m_visited.reserve(4 * layers + 32);
    m_b.assign(layers, 1.0);
    m_x.assign(layers, 0.0);
    if (n >= 2) {
        // One solve of the largest order through every route sizes the solvers' storage.
        m_A.resize(n, n);
        for (int i = 0; i < n; ++i)
            m_A(i, i) = 1;
        m_lu.decompose(m_A);
        m_lu.solve(m_b, m_x);
        m_lu.improve(m_b, m_x);
        m_svd.decompose(m_A);
        m_svd.solve(m_b, m_x);
    }
    m_acceptedMask = 0;
}

void PlaneSearch::setProfiles(const double *psat, const double *pv, double pvIn, double pvOut) {
    std::copy(psat, psat + m_n + 1, m_psat.begin());
    std::copy(pv, pv + m_n + 1, m_pv.begin());
    m_pvIn = pvIn;
    m_pvOut = pvOut;
    for (int j = 1; j < m_n; ++j)
        m_rhs[j] = pvIn - psat[j];
    // Wide against the rounding of one solve (about 1e-13 of the pressures) and against the
    // relaxed tolerance a badly conditioned system may be accepted with.
    m_tieMargin = 1e-6 * std::max(std::abs(pvIn), std::abs(pvOut));
}

int PlaneSearch::planesOf(std::uint64_t mask) {
    for (int j : m_planes)
        m_planeAt[j] = 0;
    m_planes.clear();
    for (std::uint64_t rest = mask; rest != 0; rest &= rest - 1) {
        const int j = lowestBit(rest) + 1;
        m_planes.push_back(j);
        m_planeAt[j] = static_cast<int>(m_planes.size());
    }
    return static_cast<int>(m_planes.size());
}

void PlaneSearch::buildSystem(std::uint64_t mask, DenseMatrix<double> &A, std::vector<double> &b) {
    planesOf(mask);
    fillSystem(A, b);
}

void PlaneSearch::fillSystem(DenseMatrix<double> &A, std::vector<double> &b) {
    // Row q-1 states that the vapour pressure reaches saturation at plane q, row k that it
    // reaches the outdoor value. Column 0 belongs to the vapour flux, column q to the liquid flux
    // of plane q, which changes the vapour pressure at every interface behind the plane: the
    // column holds the warm-side coefficient in row q-1 and the same below-diagonal value in
    // every later row. So each row is a prefix of one row of below-diagonal values.
    const int k = static_cast<int>(m_planes.size());
    const int order = k + 1;
    if (A.rows() != order || A.cols() != order)
        A.resize(order, order); // otherwise every element is overwritten below
    b.resize(static_cast<std::size_t>(order));
    double *below = m_belowRow.data();
    for (int q = 1; q <= k; ++q)
        below[q] = m_belowDiag[m_planes[q - 1]];
    for (int rho = 0; rho < k; ++rho) {
        const int j = m_planes[rho];
        double *row = A.row(rho);
        row[0] = m_S[j];
        std::copy(below + 1, below + rho + 1, row + 1);
        row[rho + 1] = m_warmLiq[j];
        std::fill(row + rho + 2, row + order, 0.0);
        b[rho] = m_rhs[j];
    }
    double *last = A.row(k);
    last[0] = m_S[m_n];
    std::copy(below + 1, below + k + 1, last + 1);
    b[k] = m_pvIn - m_pvOut;
}

bool PlaneSearch::solveCurrent() {
    const int k = static_cast<int>(m_planes.size());
    ++m_statistics.trials;
    ++m_statistics.trialsByOrder[static_cast<std::size_t>(k) + 1];
    fillSystem(m_A, m_b);
    if (!solveSystem(m_A, m_b, m_x, 1e-10, m_lu, m_svd)) {
        ++m_statistics.solveFailures;
        return false;
    }
    return true;
}

PlaneSearch::TrialResult PlaneSearch::tryCombination(std::uint64_t mask, QStringList &messages) {
    if (!messages.isEmpty())
        messages.clear();
    const int k = planesOf(mask);
    if (!solveCurrent())
        return SolveFailed;
    for (int q = 1; q <= k; ++q)
        if (m_x[q] < 0)
            return NegativeFlux;

    // Vapour pressure with the liquid transport: each plane lowers the pressure in the layer on
    // its warm side and raises it in the layer on its cold side.
    const double x0 = m_x[0];
    double pv = m_pv[0];
    m_pvNew[0] = pv;
    for (int i = 0; i < m_n; ++i) {
        pv -= x0 * m_Z[i];
        if (const int q = m_planeAt[i])
            pv += m_x[q] * m_coldLiq[i];
        const int qNext = m_planeAt[i + 1];
        if (qNext)
            pv -= m_x[qNext] * m_warmLiq[i + 1];
        m_pvNew[i + 1] = pv;
        // At a plane the pressure equals saturation by construction; elsewhere it must not
        // exceed it.
        if (i + 1 < m_n && !qNext && m_psat[i + 1] - pv < OversaturationLimit)
            return Oversaturated;
    }
    if (std::abs(m_pvNew[m_n] - m_pv[m_n]) > 0.001) {
        messages << tr("pv_e not correctly calculated! Algorithm error!");
        return PvOutMismatch;
    }
    m_acceptedMask = mask;
    return TrialAccepted;
}

void PlaneSearch::rebuildPressure() {
    // As in tryCombination(), through to the outer surface.
    const double x0 = m_x[0];
    double pv = m_pv[0];
    m_pvNew[0] = pv;
    for (int i = 0; i < m_n; ++i) {
        pv -= x0 * m_Z[i];
        if (const int q = m_planeAt[i])
            pv += m_x[q] * m_coldLiq[i];
        if (const int qNext = m_planeAt[i + 1])
            pv -= m_x[qNext] * m_warmLiq[i + 1];
        m_pvNew[i + 1] = pv;
    }
}

bool PlaneSearch::evaluate(std::uint64_t mask) {
    planesOf(mask);
    if (mask == 0) {
        // No planes: the straight vapour pressure line of the pass.
        std::copy(m_pv.begin(), m_pv.begin() + m_n + 1, m_pvNew.begin());
        return true;
    }
    if (!solveCurrent())
        return false;
    rebuildPressure();
    return true;
}

std::uint64_t PlaneSearch::infeasible(std::uint64_t mask, std::uint64_t &deadOversaturated,
                                      bool &doubtful) const {
    // The interfaces whose state contradicts the evaluated set: planes with a negative liquid
    // flux, and other interfaces above saturation that can take a plane. An oversaturated one
    // between two layers without capillary uptake cannot (its plane makes the system singular),
    // nor can a missed outdoor pressure be mended by any plane, which leaves the answer in doubt.
    std::uint64_t bad = 0;
    deadOversaturated = 0;
    doubtful = false;
    for (std::size_t q = 1; q <= m_planes.size(); ++q)
        if (m_x[q] < 0)
            bad |= bit(m_planes[q - 1]);
    for (int k = 1; k < m_n; ++k) {
        if ((mask & bit(k)) || !(m_psat[k] - m_pvNew[k] < OversaturationLimit))
            continue;
        if (m_deadMask & bit(k))
            deadOversaturated |= bit(k);
        else
            bad |= bit(k);
    }
    if (std::abs(m_pvNew[m_n] - m_pv[m_n]) > 0.001)
        doubtful = true;
    return bad;
}

std::uint64_t PlaneSearch::classicPlanes() const {
    // The classic Glaser construction: the vapour pressure line pulled taut from the inside to
    // the outside value below the saturation pressures, over the summed diffusion resistances.
    // It touches the lower convex hull's corners.
    std::vector<int> hull; // small, once per search
    hull.reserve(static_cast<std::size_t>(m_n) + 1);
    const auto y = [this](int k) { return k == 0 ? m_pv[0] : k == m_n ? m_pv[m_n] : m_psat[k]; };
    for (int k = 0; k <= m_n; ++k) {
        while (hull.size() >= 2) {
            const int o = hull[hull.size() - 2];
            const int a = hull.back();
            const double cross = (m_S[a] - m_S[o]) * (y(k) - y(o)) - (y(a) - y(o)) * (m_S[k] - m_S[o]);
            if (cross > 0)
                break;
            hull.pop_back();
        }
        hull.push_back(k);
    }
    std::uint64_t mask = 0;
    for (int k : hull)
        if (k > 0 && k < m_n)
            mask |= bit(k);
    return mask;
}

bool PlaneSearch::singularRun(std::uint64_t mask, int &first, int &last) const {
    // A plane's flux acts in the layer on its warm side and in the layer on its cold side, where
    // these take up liquid water; so each equation between two neighbouring planes holds the
    // fluxes of these two at most. A run of planes linked that way from a plane without a
    // capillary layer on its warm side to one without on its cold side has one flux more than
    // equations to take them: the system is singular. Of several runs the coldest is found.
    bool found = false;
    int start = 0; // first plane of the run being followed, 0 for none
    int previous = 0;
    for (std::uint64_t rest = mask; rest != 0; rest &= rest - 1) {
        const int p = lowestBit(rest) + 1;
        const bool linked = start != 0 && m_capillary[previous] && m_capillary[p - 1];
        if (!linked)
            start = m_capillary[p - 1] ? 0 : p;
        if (start != 0 && !m_capillary[p]) {
            first = start;
            last = p;
            found = true;
            start = 0;
        }
        previous = p;
    }
    return found;
}

bool PlaneSearch::singularByMakeUp(std::uint64_t mask) const {
    int first = 0;
    int last = 0;
    return singularRun(mask, first, last);
}

std::uint64_t PlaneSearch::withoutSingularRuns(std::uint64_t next, std::uint64_t current) const {
    // Only leaving out the first or the last plane of such a run makes the set solvable: the one
    // that was in leaves for the one that is to come in; where both are new (or both were in),
    // the more oversaturated one stays.
    int first = 0;
    int last = 0;
    while (singularRun(next, first, last)) {
        const bool firstWasIn = (current & bit(first)) != 0;
        const bool lastWasIn = (current & bit(last)) != 0;
        int drop = last;
        if (firstWasIn != lastWasIn)
            drop = firstWasIn ? first : last;
        else if (m_psat[first] - m_pvNew[first] > m_psat[last] - m_pvNew[last])
            drop = first;
        next &= ~bit(drop);
    }
    return next;
}

PlaneSearch::DirectResult PlaneSearch::directSearch(QStringList &messages) {
    // Principal pivoting on the complementarity problem: evaluate a set, then change the
    // interfaces that contradict it (a plane with a negative flux leaves, an oversaturated
    // interface comes in). All at once while the number of contradictions falls; when it has not
    // fallen for a few steps, or a set comes round again, one at a time from then on, the
    // coldest first, which comes to an end where the problem has one solution. A set that cannot
    // be solved
    // (the liquid coefficients of neighbouring layers may differ by ten powers) sends the
    // search back to the last solved set to change it otherwise.
    const std::uint64_t live = lastMask() & ~m_deadMask;
    std::uint64_t mask = withoutSingularRuns(classicPlanes() & live, 0);
    m_visited.clear();
    bool singleSteps = false;
    bool haveSolved = false;
    std::uint64_t solved = 0;
    std::uint64_t solvedBad = 0;
    int fewest = m_n + 1;
    int chances = 3;
    const auto seen = [this](std::uint64_t m) {
        return std::find(m_visited.begin(), m_visited.end(), m) != m_visited.end();
    };
    // The single steps have their own round: the sets of the block steps may come again.
    const auto startSingleSteps = [&]() {
        if (singleSteps)
            return;
        singleSteps = true;
        m_visited.clear();
        m_visited.push_back(mask);
    };
    // The coldest contradiction of a solved set whose change leads to a set not seen yet; false
    // when there is none. A plane that cannot join the set on its own (the set came round again
    // or could not be solved) may join it as the cold end of a zone reaching to one of the set's
    // planes on its warm side, the nearest first.
    const auto singleStep = [&](std::uint64_t from, std::uint64_t bad, std::uint64_t &next) {
        for (std::uint64_t rest = bad; rest != 0; rest &= ~highestBitOf(rest)) {
            const std::uint64_t flip = highestBitOf(rest);
            next = withoutSingularRuns(from ^ flip, from);
            if (!seen(next))
                return true;
            if (from & flip)
                continue;
            for (std::uint64_t warmer = from & (flip - 1); warmer != 0; warmer &= ~highestBitOf(warmer)) {
                next = withoutSingularRuns(from | ((flip << 1) - highestBitOf(warmer)), from);
                if (!seen(next))
                    return true;
            }
        }
        return false;
    };
    const int maxSteps = 4 * m_n + 32;
    for (int step = 0; step < maxSteps; ++step) {
        if (!poll(0))
            return DirectCancelled;
        m_visited.push_back(mask);
        std::uint64_t next = 0;
        if (!evaluate(mask)) {
            if (!haveSolved)
                return DirectUndecided;
            startSingleSteps();
            evaluate(solved); // for the pressures withoutSingularRuns() compares
            if (!singleStep(solved, solvedBad, next))
                return DirectUndecided;
        } else {
            std::uint64_t deadOversaturated = 0;
            bool doubtful = false;
            const std::uint64_t bad = infeasible(mask, deadOversaturated, doubtful);
            if (bad == 0) {
                // The solution of the problem: it holds for every interface that can take a plane.
                // Where it needs a plane between two layers without capillary uptake, whose system
                // is singular, no combination is acceptable, this one being the only candidate;
                // unless the other equations nearly imply the singular plane's own (a
                // non-capillary layer cut into thin slices), which the solver's least-squares
                // fall-back accepts.
                if (doubtful)
                    return DirectUndecided;
                if (acceptLowestAmongTies(mask | deadOversaturated, messages))
                    return DirectAccepted;
                if (m_progress && m_progress->cancelled())
                    return DirectCancelled;
                return deadOversaturated ? DirectNone : DirectUndecided;
            }
            haveSolved = true;
            solved = mask;
            solvedBad = bad;
            const int count = bitCount(bad);
            if (!singleSteps && count < fewest) {
                fewest = count;
                chances = 3;
            } else if (!singleSteps && chances > 0) {
                --chances;
            } else {
                startSingleSteps();
            }
            if (!singleSteps) {
                next = withoutSingularRuns(mask ^ bad, mask);
                if (seen(next))
                    startSingleSteps();
            }
            // Going round in circles: no problem with one solution.
            if (singleSteps && !singleStep(mask, bad, next))
                return DirectUndecided;
        }
        mask = next;
    }
    return DirectUndecided;
}

bool PlaneSearch::acceptLowestAmongTies(std::uint64_t mask, QStringList &messages) {
    // The found set passes the very test of the exhaustive search.
    if (tryCombination(mask, messages) != TrialAccepted)
        return false;
    // A decision within the tie margin of its limit could fall the other way in a neighbouring
    // set: a plane whose flux is close to 0, an interface close to oversaturation. Among the sets
    // that differ in those interfaces only, the exhaustive search takes the lowest accepted.
    std::uint64_t ties = 0;
    for (std::size_t q = 1; q <= m_planes.size(); ++q) {
        const int j = m_planes[q - 1];
        if (m_x[q] * m_selfEffect[j] <= m_tieMargin)
            ties |= bit(j);
    }
    for (int k = 1; k < m_n; ++k)
        if (!(mask & bit(k)) && !(m_deadMask & bit(k)) &&
            m_psat[k] - m_pvNew[k] - OversaturationLimit <= m_tieMargin)
            ties |= bit(k);
    if (ties == 0) {
        ++m_statistics.directFound;
        return true;
    }
    if (bitCount(ties) > MaxTies)
        return false;
    ++m_statistics.tieSearches;
    const std::uint64_t base = mask & ~ties;
    // The subsets of the ties in increasing order give the candidates in counting order.
    std::uint64_t subset = 0;
    do {
        const std::uint64_t candidate = base | subset;
        if (candidate != 0) {
            if (!poll(0))
                return false;
            if (tryCombination(candidate, messages) == TrialAccepted) {
                ++m_statistics.directFound;
                return true;
            }
        }
        subset = (subset - ties) & ties;
    } while (subset != 0);
    return false; // not even the found set again: cannot happen
}

bool PlaneSearch::poll(double fraction) {
    return !m_progress || m_progress->poll(fraction);
}

PlaneSearch::Outcome PlaneSearch::exhaustiveSearch(bool skipSingular, QStringList &messages) {
    ++m_statistics.exhaustive;
    const std::uint64_t last = lastMask();
    const double toFraction = 1.0 / static_cast<double>(last);
    for (std::uint64_t mask = 1; mask <= last; ++mask) {
        if (!poll(static_cast<double>(mask) * toFraction))
            return Cancelled;
        int first = 0;
        int lastPlane = 0;
        if (skipSingular && mask != last && singularRun(mask, first, lastPlane)) {
            // Every following mask keeps that run until the bits below its first plane have run
            // through: leave out the whole stretch (but never the last combination, whose trial
            // decides the final message).
            std::uint64_t end = mask | (bit(first) - 1);
            if (end == last)
                --end;
            m_statistics.skipped += end - mask + 1;
            mask = end;
            if (!messages.isEmpty())
                messages.clear(); // as the failed trials would have left them
            continue;
        }
        const TrialResult result = tryCombination(mask, messages);
        if (result == TrialAccepted)
            return Accepted;
        if (result == SolveFailed && mask == last) {
            messages << tr("No Solution found!");
            return NoSolution;
        }
    }
    messages << tr("Could not find valid combination of k-planes! Algorithm error!");
    return NoValidCombination;
}

PlaneSearch::Outcome PlaneSearch::withoutAcceptable(QStringList &messages) {
    // What the exhaustive search would end with after rejecting every combination: the messages
    // of the trial of the last one, and the verdict on it.
    ++m_statistics.directNone;
    const TrialResult last = tryCombination(lastMask(), messages);
    if (last == TrialAccepted) // against the only candidate: let the exhaustive search decide
        return m_n > MaxExhaustiveLayers ? TooManyLayers : exhaustiveSearch(true, messages);
    if (last == SolveFailed) {
        messages << tr("No Solution found!");
        return NoSolution;
    }
    messages << tr("Could not find valid combination of k-planes! Algorithm error!");
    return NoValidCombination;
}

PlaneSearch::Outcome PlaneSearch::search(std::uint64_t remembered, QStringList &messages) {
    ++m_statistics.searches;
    m_acceptedMask = 0;
    if (remembered != 0 && tryCombination(remembered, messages) == TrialAccepted)
        return Accepted;
    if (!m_exhaustiveOnly) {
        switch (directSearch(messages)) {
        case DirectAccepted:
            return Accepted;
        case DirectCancelled:
            return Cancelled;
        case DirectNone:
            return withoutAcceptable(messages);
        case DirectUndecided:
            break;
        }
    }
    if (m_n > MaxExhaustiveLayers)
        return TooManyLayers;
    return exhaustiveSearch(!m_exhaustiveOnly, messages);
}
