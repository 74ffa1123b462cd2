// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SOLVESYSTEM_H
#define SOLVESYSTEM_H

#include <cmath>
#include <vector>

#include "DenseMatrix.h"
#include "LUdecomp.h"
#include "SingularValueDecomposition.h"

/*! True when x contains no NaN and every equation of A x = b holds to the relative
    tolerance |((A x)_i - b_i) / (A x)_i| <= tolerance. An equation that holds exactly
    counts as satisfied, also when both sides are zero. Sizes that do not fit give false. */
template <typename T>
bool residualOk(const DenseMatrix<T> &A, const std::vector<T> &b, const std::vector<T> &x, T tolerance) {
    const int n = A.cols();
    if (static_cast<int>(b.size()) != A.rows() || static_cast<int>(x.size()) != n)
        return false;
    for (const T &value : x)
        if (std::isnan(value))
            return false;
    for (int i = 0; i < A.rows(); ++i) {
        const T *ai = A.row(i);
        T ax = 0;
        for (int j = 0; j < n; ++j)
            ax += ai[j] * x[j];
        if (ax == b[i])
            continue; // also 0 == 0, which the quotient below would turn into 0/0
        const T relative = std::abs((ax - b[i]) / ax);
        if (!(relative <= tolerance))
            return false;
    }
    return true;
}

/*! Solves the square system A x = b, checking the answer by residualOk() with the given
    tolerance. An LU solution that is not accurate enough is refined by up to 100 steps of
    iterative improvement; after 20 steps the tolerance is relaxed tenfold per step up to
    1e-6. If that still fails, the least-squares solution of minimum norm by singular value
    decomposition is taken and checked against the relaxed tolerance.

    Returns false when no solution passes the check; never throws. x must not be b.

    lu and svd are the working storage: a caller solving many systems passes the same two
    objects every time, so that nothing is allocated once they have grown to the largest
    order (A and the vectors can be reused the same way).
*/
template <typename T>
bool solveSystem(const DenseMatrix<T> &A, const std::vector<T> &b, std::vector<T> &x, T tolerance,
                 LUdecomp<T> &lu, SingularValueDecomposition<T> &svd) noexcept {
    try {
        lu.decompose(A);
        lu.solve(b, x);
        if (residualOk(A, b, x, tolerance))
            return true;
        for (const T &value : x)
            if (std::isnan(value))
                return false;

        for (int iteration = 0; iteration < 100; ++iteration) {
            lu.improve(b, x);
            // Rounding may keep a badly conditioned system from ever meeting a very
            // strict tolerance; accept a somewhat less accurate answer after a while.
            if (iteration >= 20 && tolerance < T(1e-6))
                tolerance *= 10;
            if (residualOk(A, b, x, tolerance))
                return true;
        }

        svd.decompose(A);
        svd.solve(b, x);
        return residualOk(A, b, x, tolerance);
    } catch (...) {
        return false;
    }
}

/*! As above with working storage of its own (allocated on every call). */
template <typename T>
bool solveSystem(const DenseMatrix<T> &A, const std::vector<T> &b, std::vector<T> &x, T tolerance) noexcept {
    LUdecomp<T> lu;
    SingularValueDecomposition<T> svd;
    return solveSystem(A, b, x, tolerance, lu, svd);
}

#endif // SOLVESYSTEM_H
