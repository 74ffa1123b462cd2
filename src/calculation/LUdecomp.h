// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LUDECOMP_H
#define LUDECOMP_H

#include <cmath>
#include <vector>

#include "DenseMatrix.h"
#include "ZMT_Exception.h"

/*! LU decomposition of a square matrix with implicit partial pivoting (each row is
    weighted by the reciprocal of its largest element when the pivot is chosen, so the
    choice does not depend on how the equations happen to be scaled).

    The object can be kept and reused: decompose() refills the stored factors in place,
    so repeated decompositions up to the largest order seen so far allocate nothing.
    The undecomposed matrix is referenced, not copied, for improve(): it must outlive
    every call of improve().
*/
template <typename T> class LUdecomp {
public:
    LUdecomp() = default;

    /*! Decomposes a; throws ZMT::Exception when a row of a is entirely zero. */
    explicit LUdecomp(const DenseMatrix<T> &a) { decompose(a); }

    /*! Decomposes a, replacing any earlier decomposition. */
    void decompose(const DenseMatrix<T> &a) {
        if (a.rows() != a.cols())
            throw ZMT::Exception("Matrix in LUdecomp is not square", "[LUdecomp::constructor]");
        m_n = a.rows();
        m_a = &a;
        m_lu = a;
        m_perm.resize(m_n);
        m_scale.resize(m_n);
        m_parity = 1;

        for (int i = 0; i < m_n; ++i) {
            const T *r = m_lu.row(i);
            T big = 0;
            for (int j = 0; j < m_n; ++j) {
                const T v = std::abs(r[j]);
                if (v > big)
                    big = v;
            }
            if (big == T(0))
                throw ZMT::Exception("Singular matrix in LUdecomp", "[LUdecomp::constructor]");
            m_scale[i] = T(1) / big;
        }

        for (int k = 0; k < m_n; ++k) {
            // Largest scaled element in column k; the first row wins a tie.
            int pivot = k;
            T big = 0;
            for (int i = k; i < m_n; ++i) {
                const T v = m_scale[i] * std::abs(m_lu(i, k));
                if (v > big) {
                    big = v;
                    pivot = i;
                }
            }
            if (pivot != k) {
                m_lu.swapRows(pivot, k);
                m_parity = -m_parity;
                m_scale[pivot] = m_scale[k];
            }
            m_perm[k] = pivot;

            // A pivot that is still zero means a (numerically) singular matrix. Go on with
            // a tiny pivot instead of failing: consistent singular systems still get a
            // usable answer, and the caller judges the result by its residual.
            T *rk = m_lu.row(k);
            if (rk[k] == T(0))
                rk[k] = T(1e-40);

            const T pivotValue = rk[k];
            for (int i = k + 1; i < m_n; ++i) {
                T *ri = m_lu.row(i);
                const T factor = ri[k] / pivotValue;
                ri[k] = factor;
                for (int j = k + 1; j < m_n; ++j)
                    ri[j] -= factor * rk[j];
            }
        }
    }

    /*! Solves A x = b with the stored factors; x is resized to the order of A and may
        be the same vector as b. Throws when b does not match or the order is below 2. */
    void solve(const std::vector<T> &b, std::vector<T> &x) const {
        if (static_cast<int>(b.size()) != m_n || m_n < 2)
            throw ZMT::Exception("LUdecomp::solve bad size", "[LUdecomp<T>::solve]");
        if (&x != &b)
            x = b;
        // The row swaps were made in order, so applying them in the same order permutes b.
        for (int k = 0; k < m_n; ++k) {
            const int p = m_perm[k];
            if (p != k) {
                const T tmp = x[p];
                x[p] = x[k];
                x[k] = tmp;
            }
        }
        // L has a unit diagonal.
        for (int i = 1; i < m_n; ++i) {
            const T *ri = m_lu.row(i);
            T sum = x[i];
            for (int j = 0; j < i; ++j)
                sum -= ri[j] * x[j];
            x[i] = sum;
        }
        for (int i = m_n - 1; i >= 0; --i) {
            const T *ri = m_lu.row(i);
            T sum = x[i];
            for (int j = i + 1; j < m_n; ++j)
                sum -= ri[j] * x[j];
            x[i] = sum / ri[i];
        }
    }

    /*! One step of iterative improvement of a solution x of A x = b: the residual is
        formed with the undecomposed matrix and the correction solved with the factors. */
    void improve(const std::vector<T> &b, std::vector<T> &x) {
        if (static_cast<int>(b.size()) != m_n || static_cast<int>(x.size()) != m_n || m_a == nullptr)
            throw ZMT::Exception("LUdecomp::improve bad size", "[LUdecomp<T>::improve]");
        m_residual.resize(m_n);
        for (int i = 0; i < m_n; ++i) {
            const T *ai = m_a->row(i);
            T sum = -b[i];
            for (int j = 0; j < m_n; ++j)
                sum += ai[j] * x[j];
            m_residual[i] = sum;
        }
        solve(m_residual, m_residual);
        for (int i = 0; i < m_n; ++i)
            x[i] -= m_residual[i];
    }

    /*! Order of the decomposed matrix. */
    int size() const { return m_n; }
    /*! L below the diagonal (unit diagonal not stored) and U on and above it, rows permuted. */
    const DenseMatrix<T> &factors() const { return m_lu; }
    /*! Row swapped with row k in elimination step k. */
    const std::vector<int> &permutation() const { return m_perm; }
    /*! +1 for an even number of row swaps, -1 for an odd number. */
    int parity() const { return m_parity; }

private:
    int m_n = 0;
    DenseMatrix<T> m_lu;
    std::vector<int> m_perm;
    int m_parity = 1;
    const DenseMatrix<T> *m_a = nullptr;
    std::vector<T> m_scale;
    std::vector<T> m_residual;
};

#endif // LUDECOMP_H
