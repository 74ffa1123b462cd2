// SPDX-License-Identifier: GPL-3.0-or-later
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

class CalculationProgress;

/*! Finds the set of condensation planes of a construction: the interior interfaces at which the
    vapour pressure reaches saturation and condensate is carried into the neighbouring layers by
    capillary transport.

    A candidate set is a bit mask, bit j-1 standing for interface j (1..n-1). For k planes a linear
    system of order k+1 is solved for the vapour flux x_0 entering from the warm side and one
    liquid flux x_q per plane; the set is accepted when every x_q is >= 0, the rebuilt vapour
    pressure meets the outdoor value and no other interior interface is oversaturated.

    The specified search is exhaustive and its order is part of the result: a remembered set
    first, then every mask from 1 upwards; the first accepted set wins. Its work doubles with
    every layer. The acceptance rules are a linear complementarity problem: at every interface
    either a plane (x_q >= 0, saturation) or none (no oversaturation). On the constructions of the
    study in bench/README.md it never has more than one solution, so the first accepted set in
    counting order is the only acceptable one, and the direct search finds it by principal
    pivoting, starting from the planes of the classic Glaser construction, in a few dozen
    systems. It ends with exactly the acceptance test of the exhaustive search. Where a decision
    is close to a tie (a liquid flux close to 0, an interface close to the oversaturation limit)
    it also tries the sets that differ in those interfaces only and takes the lowest accepted,
    as the exhaustive search would. Where its solution needs a plane whose system is singular,
    no combination is acceptable, and the search ends as the exhaustive one would after trying
    them all, with the trial of the last one. Only where it comes to no answer (it goes round in
    circles) does the exhaustive search run, up to MaxExhaustiveLayers, leaving out the sets that
    are singular by make-up, so that every failure ends with the specified messages.

    Singular by make-up: each plane's flux acts in the layers on both its sides that take up
    liquid water, so a run of planes linked through capillary layers, from a plane without a
    capillary layer on its warm side to one without on its cold side, has one flux more than
    equations for them; the shortest such run is a plane between two non-capillary layers (a zero
    column). The solver's least-squares fall-back still accepts such a system where the missing
    equation is nearly implied by the others (a non-capillary layer cut into identical thin
    slices); the direct search tries those sets where its solution needs them.

    The trials are cheap: the coefficients of every possible plane are precomputed, the matrix is
    filled without arithmetic, the working storage is allocated once per construction size, and a
    rejected trial of the exhaustive search stops at the first failed test.

    Usage: setConstruction() once per construction, setProfiles() once per pass, then search(). */
class PlaneSearch {
    Q_DECLARE_TR_FUNCTIONS(Calculation)
public:
    /*! Largest number of layers the mask arithmetic and statistics are laid out for. */
    static constexpr int MaxLayers = 63;
    /*! Largest number of layers the exhaustive search is started for (2^23 - 1 combinations). */
    static constexpr int MaxExhaustiveLayers = 24;

    /*! What search() found. */
    enum Outcome {
        Accepted,           ///< a set of planes passed all tests; see acceptedMask()
        NoSolution,         ///< the last combination (all planes) could not be solved
        NoValidCombination, ///< every combination was solved but rejected
        TooManyLayers,      ///< the exhaustive search would be needed but the construction is too large
        Cancelled           ///< the progress monitor stopped the search
    };

    /*! What happened to one trial. */
    enum TrialResult {
        TrialAccepted,
        SolveFailed,   ///< the linear system has no acceptable solution
        NegativeFlux,  ///< a liquid flux x_q < 0
        PvOutMismatch, ///< the rebuilt outdoor vapour pressure is off by more than 0.001 Pa
        Oversaturated  ///< vapour pressure above saturation at an interface that is no plane
    };

    /*! Counts since the last resetStatistics(). */
    struct Statistics {
        std::uint64_t trials = 0;                                 ///< linear systems tried
        std::array<std::uint64_t, MaxLayers + 1> trialsByOrder{}; ///< trials per system order
        std::uint64_t solveFailures = 0;                          ///< trials whose solve failed
        std::uint64_t searches = 0;                               ///< calls of search()
        std::uint64_t directFound = 0;                            ///< searches the direct search answered
        std::uint64_t tieSearches = 0; ///< of these, searches that tried the sets of close ties
        std::uint64_t directNone = 0;  ///< searches the direct search showed to have no answer
        std::uint64_t exhaustive = 0;  ///< searches that went through the combinations
        std::uint64_t skipped = 0;     ///< combinations left out as singular by make-up
    };

    /*! Stores the layer values of one construction and precomputes what every plane contributes.
        \a Z vapour diffusion resistances (n), \a L liquid transport resistances (n; infinite for a
        layer without capillary uptake), \a r pore ratios at the interfaces (n+1; 0 and n unused).
        Allocates the working storage for the largest system; nothing is allocated by later
        calls for the same or a smaller n. Throws ZMT::Exception for n outside 1..MaxLayers. */
    void setConstruction(int n, const double *Z, const double *L, const double *r);

    /*! Stores the saturation pressures \a psat and the vapour pressures \a pv at the n+1
        interfaces for one pass, and the boundary vapour pressures. */
    void setProfiles(const double *psat, const double *pv, double pvIn, double pvOut);

    /*! Whether search() uses the direct search first (default) or only the exhaustive one. */
    void setExhaustiveOnly(bool exhaustiveOnly) { m_exhaustiveOnly = exhaustiveOnly; }
    /*! Polled between trials; may be null (the default). Not owned. */
    void setProgress(CalculationProgress *progress) { m_progress = progress; }

    /*! Runs the search: \a remembered (0 for none) first; then the direct search, and where it
        finds nothing the exhaustive one from mask 1 to lastMask(); or with setExhaustiveOnly()
        the exhaustive one alone, exactly as specified. A failed remembered trial never ends the
        search. Every trial empties \a messages first, so only the last trial's messages survive;
        "No Solution found!" or "Could not find valid combination of k-planes! Algorithm error!"
        is added when the exhaustive search fails. TooManyLayers and Cancelled add nothing. */
    Outcome search(std::uint64_t remembered, QStringList &messages);

    /*! Tries one combination. Empties \a messages; adds "pv_e not correctly calculated!
        Algorithm error!" when the rebuilt outdoor vapour pressure is off. A trial that finds an
        oversaturated interface stops there without the outdoor test: only the last trial's
        messages can outlive a search, and the last combination has no interface to test. */
    TrialResult tryCombination(std::uint64_t mask, QStringList &messages);

    /*! Tries \a mask and, where one of its decisions lies within a small margin of its limit (a
        liquid flux close to 0, an interface close to oversaturation), also the combinations that
        differ from it in those interfaces only, in counting order: the lowest accepted one is
        the accepted one then, as in the exhaustive search. False when \a mask itself is not
        accepted, or the progress monitor cancelled. */
    bool acceptLowestAmongTies(std::uint64_t mask, QStringList &messages);

    /*! Whether the system of \a mask is singular by the make-up of the construction (see the
        class description), so that no trial of it can be accepted. */
    bool singularByMakeUp(std::uint64_t mask) const;

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
    enum DirectResult {
        DirectAccepted,  ///< the (one) acceptable combination is the accepted one
        DirectNone,      ///< the solution needs a plane no combination can have: none is acceptable
        DirectUndecided, ///< no answer (going round in circles, unsolvable sets, many ties)
        DirectCancelled
    };

    int planesOf(std::uint64_t mask);
    void fillSystem(DenseMatrix<double> &A, std::vector<double> &b);
    bool solveCurrent();
    void rebuildPressure();
    bool evaluate(std::uint64_t mask);
    std::uint64_t infeasible(std::uint64_t mask, std::uint64_t &deadOversaturated, bool &doubtful) const;
    Outcome withoutAcceptable(QStringList &messages);
    std::uint64_t classicPlanes() const;
    bool singularRun(std::uint64_t mask, int &first, int &last) const;
    std::uint64_t withoutSingularRuns(std::uint64_t next, std::uint64_t current) const;
    DirectResult directSearch(QStringList &messages);
    Outcome exhaustiveSearch(bool skipSingular, QStringList &messages);
    bool poll(double fraction);

    int m_n = 0;
    // Per construction.
    std::vector<double> m_Z;          ///< vapour diffusion resistance of each layer
    std::vector<double> m_S;          ///< resistance from the warm surface to interface j
    std::vector<double> m_warmLiq;    ///< liquid coefficient of the layer on the warm side of j
    std::vector<double> m_coldLiq;    ///< liquid coefficient of the layer on the cold side of j
    std::vector<double> m_belowDiag;  ///< matrix entry below the first row of plane j's column
    std::vector<double> m_selfEffect; ///< pressure change at plane j per unit of its own flux
    std::vector<char> m_capillary;    ///< per layer: takes up liquid water
    std::uint64_t m_deadMask = 0;     ///< planes without liquid transport on either side
    // Per pass.
    std::vector<double> m_psat;
    std::vector<double> m_pv;
    std::vector<double> m_rhs; ///< right-hand side of the row of plane j
    double m_pvIn = 0;
    double m_pvOut = 0;
    double m_tieMargin = 0; ///< Pa: decisions closer than this to their limit count as ties
    // Working storage of the trials.
    std::vector<int> m_planes;
    std::vector<int> m_planeAt;     ///< 1-based plane index at interface j, 0 for none
    std::vector<double> m_belowRow; ///< below-diagonal values of the plane columns
    DenseMatrix<double> m_A;
    std::vector<double> m_b;
    std::vector<double> m_x;
    std::vector<double> m_pvNew;
    std::vector<std::uint64_t> m_visited; ///< masks the direct search has been at
    LUdecomp<double> m_lu;
    SingularValueDecomposition<double> m_svd;
    std::uint64_t m_acceptedMask = 0;
    bool m_exhaustiveOnly = false;
    CalculationProgress *m_progress = nullptr;
    Statistics m_statistics;
};

#endif // PLANESEARCH_H
