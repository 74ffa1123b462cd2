#include "PlaneSearch.h"

#include <algorithm>
#include <cmath>

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
    }

    // Working storage for the largest system, so that no trial allocates.
    m_psat.assign(layers + 1, 0.0);
    m_pv.assign(layers + 1, 0.0);
    m_rhs.assign(layers + 1, 0.0);
    m_pvNew.assign(layers + 1, 0.0);
    m_planeAt.assign(layers + 1, 0);
    m_belowRow.assign(layers + 1, 0.0);
    m_planes.reserve(layers);
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
}

namespace {

int lowestBit(std::uint64_t value) {
#if defined(__GNUC__)
    return __builtin_ctzll(value);
#else
    int bit = 0;
    while (((value >> bit) & 1u) == 0)
        ++bit;
    return bit;
#endif
}

} // namespace

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

PlaneSearch::TrialResult PlaneSearch::tryCombination(std::uint64_t mask, QStringList &messages) {
    if (!messages.isEmpty())
        messages.clear();
    const int k = planesOf(mask);
    ++m_statistics.trials;
    ++m_statistics.trialsByOrder[static_cast<std::size_t>(k) + 1];

    fillSystem(m_A, m_b);
    if (!solveSystem(m_A, m_b, m_x, 1e-10, m_lu, m_svd)) {
        ++m_statistics.solveFailures;
        return SolveFailed;
    }
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
        if (i + 1 < m_n && !qNext && m_psat[i + 1] - pv < -1e-8)
            return Oversaturated;
    }
    if (std::abs(m_pvNew[m_n] - m_pv[m_n]) > 0.001) {
        messages << tr("pv_e not correctly calculated! Algorithm error!");
        return PvOutMismatch;
    }
    m_acceptedMask = mask;
    return TrialAccepted;
}

PlaneSearch::Outcome PlaneSearch::search(std::uint64_t remembered, QStringList &messages) {
    m_acceptedMask = 0;
    if (remembered != 0 && tryCombination(remembered, messages) == TrialAccepted)
        return Accepted;
    const std::uint64_t last = lastMask();
    for (std::uint64_t mask = 1; mask <= last; ++mask) {
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
