#ifndef PLANESEARCH_H
#define PLANESEARCH_H

#include <array>
#include <cstdint>
#include <vector>

#include <QCoreApplication>
#include <QStringList>

#include "DenseMatrix.h"
#include "LUdecomp.h"
#include "SingularValueDecomposition.h"

/*! Finds the set of condensation planes of a construction: the interior interfaces at which the
    vapour pressure reaches saturation and condensate is carried into the neighbouring layers by
    capillary transport.

    A candidate set is a bit mask, bit j-1 standing for interface j (1..n-1). For k planes a linear
    system of order k+1 is solved for the vapour flux x_0 entering from the warm side and one
    liquid flux x_q per plane; the set is accepted when every x_q is >= 0, the rebuilt vapour
    pressure meets the outdoor value and no other interior interface is oversaturated.

    The search is exhaustive and its order is part of the result: a remembered set first, then
    every mask from 1 upwards; the first accepted set wins. The speed comes from how each trial is
    done: the coefficients of every possible plane are precomputed, the matrix is filled without
    arithmetic, the working storage is allocated once per construction size, and a rejected trial
    stops at the first failed test. None of this changes which set is found or its numbers.

    Usage: setConstruction() once per construction, setProfiles() once per pass, then search(). */
class PlaneSearch {
    Q_DECLARE_TR_FUNCTIONS(Calculation)
public:
    /*! Largest number of layers the mask arithmetic and statistics are laid out for. */
    static constexpr int MaxLayers = 63;

    /*! What search() found. */
    enum Outcome {
        Accepted,          ///< a set of planes passed all tests; see acceptedMask()
        NoSolution,        ///< the last combination (all planes) could not be solved
        NoValidCombination ///< every combination was solved but rejected
    };

    /*! What happened to one trial. */
    enum TrialResult {
        TrialAccepted,
        SolveFailed,   ///< the linear system has no acceptable solution
        NegativeFlux,  ///< a liquid flux x_q < 0
        PvOutMismatch, ///< the rebuilt outdoor vapour pressure is off by more than 0.001 Pa
        Oversaturated  ///< vapour pressure above saturation at an interface that is no plane
    };

    /*! Counts of the trials since the last resetStatistics(). */
    struct Statistics {
        std::uint64_t trials = 0;                                 ///< linear systems tried
        std::array<std::uint64_t, MaxLayers + 1> trialsByOrder{}; ///< trials per system order
        std::uint64_t solveFailures = 0;                          ///< trials whose solve failed
    };

    /*! Stores the layer values of one construction and precomputes what every plane contributes.
        \a Z vapour diffusion resistances (n), \a L liquid transport resistances (n; infinite for a
        layer without capillary uptake), \a r pore ratios at the interfaces (n+1; 0 and n unused).
        Allocates the working storage for the largest system; nothing is allocated by later
        calls for the same or a smaller n. */
    void setConstruction(int n, const double *Z, const double *L, const double *r);

    /*! Stores the saturation pressures \a psat and the vapour pressures \a pv at the n+1
        interfaces for one pass, and the boundary vapour pressures. */
    void setProfiles(const double *psat, const double *pv, double pvIn, double pvOut);

    /*! Runs the search: \a remembered (0 for none) first, then every mask from 1 to
        lastMask(). A failed remembered trial never ends the search. Every trial empties
        \a messages first, so only the last trial's messages survive; "No Solution found!" or
        "Could not find valid combination of k-planes! Algorithm error!" is added on failure. */
    Outcome search(std::uint64_t remembered, QStringList &messages);

    /*! Tries one combination. Empties \a messages; adds "pv_e not correctly calculated!
        Algorithm error!" when the rebuilt outdoor vapour pressure is off. A trial that finds an
        oversaturated interface stops there without the outdoor test: only the last trial's
        messages can outlive a search, and the last combination has no interface to test. */
    TrialResult tryCombination(std::uint64_t mask, QStringList &messages);

    /*! Fills A and b with the system of the combination \a mask (which becomes the current one:
        planes() lists its planes). */
    void buildSystem(std::uint64_t mask, DenseMatrix<double> &A, std::vector<double> &b);

    /*! The mask with every interior interface set: 2^(n-1) - 1. */
    std::uint64_t lastMask() const { return m_n < 2 ? 0 : (std::uint64_t(1) << (m_n - 1)) - 1; }

    /*! Mask of the last accepted combination (0 before any). */
    std::uint64_t acceptedMask() const { return m_acceptedMask; }
    /*! Solution of the last tried combination: x_0 (vapour flux, kg/(m²·s)) and x_1..x_k. */
    const std::vector<double> &solution() const { return m_x; }
    /*! Interfaces of the planes of the last tried combination, ascending (k values). */
    const std::vector<int> &planes() const { return m_planes; }
    /*! Rebuilt vapour pressure at the n+1 interfaces; complete when the last trial was accepted. */
    const std::vector<double> &vapourPressure() const { return m_pvNew; }

    const Statistics &statistics() const { return m_statistics; }
    void resetStatistics() { m_statistics = Statistics(); }

private:
    int planesOf(std::uint64_t mask);
    void fillSystem(DenseMatrix<double> &A, std::vector<double> &b);

    int m_n = 0;
    // Per construction.
    std::vector<double> m_Z;         ///< vapour diffusion resistance of each layer
    std::vector<double> m_S;         ///< resistance from the warm surface to interface j
    std::vector<double> m_warmLiq;   ///< liquid coefficient of the layer on the warm side of j
    std::vector<double> m_coldLiq;   ///< liquid coefficient of the layer on the cold side of j
    std::vector<double> m_belowDiag; ///< matrix entry below the first row of plane j's column
    // Per pass.
    std::vector<double> m_psat;
    std::vector<double> m_pv;
    std::vector<double> m_rhs; ///< right-hand side of the row of plane j
    double m_pvIn = 0;
    double m_pvOut = 0;
    // Working storage of the trials.
    std::vector<int> m_planes;
    std::vector<int> m_planeAt;     ///< 1-based plane index at interface j, 0 for none
    std::vector<double> m_belowRow; ///< below-diagonal values of the plane columns
    DenseMatrix<double> m_A;
    std::vector<double> m_b;
    std::vector<double> m_x;
    std::vector<double> m_pvNew;
    LUdecomp<double> m_lu;
    SingularValueDecomposition<double> m_svd;
    std::uint64_t m_acceptedMask = 0;
    Statistics m_statistics;
};

#endif // PLANESEARCH_H
