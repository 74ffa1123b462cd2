// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SINGULARVALUEDECOMPOSITION_H
#define SINGULARVALUEDECOMPOSITION_H

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include "DenseMatrix.h"
#include "ZMT_Exception.h"

/*! Singular value decomposition A = U diag(w) V^T of an m x n matrix: Householder
    reduction to bidiagonal form followed by implicit-shift QR sweeps on the bidiagonal.
    The singular values come out sorted in decreasing order.

    It is the fall-back of the linear system solver for (nearly) singular systems: solve()
    drops the negligible singular values and so yields the least-squares solution of
    minimum norm. Like LUdecomp the object can be kept and reused; decompose() then
    allocates nothing once its storage has grown to the largest size seen.
*/
template <typename T> class SingularValueDecomposition {
public:
    SingularValueDecomposition() = default;

    /*! Decomposes a; throws ZMT::Exception when the QR sweeps do not converge. */
    explicit SingularValueDecomposition(const DenseMatrix<T> &a) { decompose(a); }

    /*! Decomposes a, replacing any earlier decomposition. */
    void decompose(const DenseMatrix<T> &a) {
        m_m = a.rows();
        m_n = a.cols();
        m_u = a;
        m_w.assign(m_n, T(0));
        m_v.resize(m_n, m_n);
        m_work.assign(m_n, T(0));
        bidiagonalise();
        diagonalise();
        sortDecreasing();
    }

    /*! Solves A x = b in the least-squares sense: singular values not greater than
        threshold are treated as zero. A negative threshold picks one from the rounding
        error expected for the matrix size and the largest singular value. */
    void solve(const std::vector<T> &b, std::vector<T> &x, T threshold = -1) {
        if (static_cast<int>(b.size()) != m_m || m_m < 2)
            throw ZMT::Exception("SingularValueDecomposition::solve bad size",
                                 "[SingularValueDecomposition<T>::solve]");
        const T limit = threshold >= 0 ? threshold : defaultThreshold();
        m_work.resize(m_n);
        for (int j = 0; j < m_n; ++j) {
            T s = 0;
            if (m_w[j] > limit) {
                for (int i = 0; i < m_m; ++i)
                    s += m_u(i, j) * b[i];
                s /= m_w[j];
            }
            m_work[j] = s;
        }
        x.resize(m_n);
        for (int i = 0; i < m_n; ++i) {
            const T *vi = m_v.row(i);
            T s = 0;
            for (int j = 0; j < m_n; ++j)
                s += vi[j] * m_work[j];
            x[i] = s;
        }
    }

    /*! Singular values below this count as zero in solve() by default. */
    T defaultThreshold() const {
        const T largest = m_n > 0 ? m_w[0] : T(0);
        return T(0.5) * std::sqrt(T(m_m + m_n + 1)) * largest * eps;
    }

    int rows() const { return m_m; }
    int cols() const { return m_n; }
    /*! m x n, columns belonging to the singular values. */
    const DenseMatrix<T> &u() const { return m_u; }
    /*! Singular values, largest first. */
    const std::vector<T> &w() const { return m_w; }
    /*! n x n, columns belonging to the singular values. */
    const DenseMatrix<T> &v() const { return m_v; }

    static constexpr T eps = std::numeric_limits<T>::epsilon();

private:
    /*! sqrt(a^2 + b^2) without overflow or destructive underflow. */
    static T hypotenuse(T a, T b) {
        const T absA = std::abs(a);
        const T absB = std::abs(b);
        if (absA > absB) {
            const T r = absB / absA;
            return absA * std::sqrt(T(1) + r * r);
        }
        if (absB == T(0))
            return T(0);
        const T r = absA / absB;
        return absB * std::sqrt(T(1) + r * r);
    }

    static T withSignOf(T magnitude, T sign) {
        return sign >= T(0) ? std::abs(magnitude) : -std::abs(magnitude);
    }

    /*! Householder reflections from left and right bring m_u to upper bidiagonal form
        (diagonal in m_w, superdiagonal in m_work[1..n-1]) and leave the accumulated
        transformations in m_u and m_v. */
    void bidiagonalise() {
        DenseMatrix<T> &a = m_u;
        const int m = m_m;
        const int n = m_n;
        T g = 0;
        T scale = 0;
        m_norm = 0;
        for (int i = 0; i < n; ++i) {
            const int l = i + 1;
            m_work[i] = scale * g;
            g = 0;
            scale = 0;
            if (i < m) {
                // Reflection that zeroes column i below the diagonal.
                for (int k = i; k < m; ++k)
                    scale += std::abs(a(k, i));
                if (scale != T(0)) {
                    T s = 0;
                    for (int k = i; k < m; ++k) {
                        a(k, i) /= scale;
                        s += a(k, i) * a(k, i);
                    }
                    const T f = a(i, i);
                    g = -withSignOf(std::sqrt(s), f);
                    const T h = f * g - s;
                    a(i, i) = f - g;
                    for (int j = l; j < n; ++j) {
                        T dot = 0;
                        for (int k = i; k < m; ++k)
                            dot += a(k, i) * a(k, j);
                        const T factor = dot / h;
                        for (int k = i; k < m; ++k)
                            a(k, j) += factor * a(k, i);
                    }
                    for (int k = i; k < m; ++k)
                        a(k, i) *= scale;
                }
            }
            m_w[i] = scale * g;
            g = 0;
            scale = 0;
            if (i < m && i != n - 1) {
                // Reflection that zeroes row i right of the superdiagonal.
                for (int k = l; k < n; ++k)
                    scale += std::abs(a(i, k));
                if (scale != T(0)) {
                    T s = 0;
                    for (int k = l; k < n; ++k) {
                        a(i, k) /= scale;
                        s += a(i, k) * a(i, k);
                    }
                    const T f = a(i, l);
                    g = -withSignOf(std::sqrt(s), f);
                    const T h = f * g - s;
                    a(i, l) = f - g;
                    for (int k = l; k < n; ++k)
                        m_work[k] = a(i, k) / h;
                    for (int j = l; j < m; ++j) {
                        T dot = 0;
                        for (int k = l; k < n; ++k)
                            dot += a(j, k) * a(i, k);
                        for (int k = l; k < n; ++k)
                            a(j, k) += dot * m_work[k];
                    }
                    for (int k = l; k < n; ++k)
                        a(i, k) *= scale;
                }
            }
            const T size = std::abs(m_w[i]) + std::abs(m_work[i]);
            if (size > m_norm)
                m_norm = size;
        }

        // Right transformations into V, last one first.
        for (int i = n - 1; i >= 0; --i) {
            const int l = i + 1;
            if (i < n - 1) {
                if (g != T(0)) {
                    // Divide twice: a(i, l) * g could underflow.
                    for (int j = l; j < n; ++j)
                        m_v(j, i) = (a(i, j) / a(i, l)) / g;
                    for (int j = l; j < n; ++j) {
                        T dot = 0;
                        for (int k = l; k < n; ++k)
                            dot += a(i, k) * m_v(k, j);
                        for (int k = l; k < n; ++k)
                            m_v(k, j) += dot * m_v(k, i);
                    }
                }
                for (int j = l; j < n; ++j) {
                    m_v(i, j) = 0;
                    m_v(j, i) = 0;
                }
            }
            m_v(i, i) = 1;
            g = m_work[i];
        }

        // Left transformations into U, in place.
        for (int i = (m < n ? m : n) - 1; i >= 0; --i) {
            const int l = i + 1;
            g = m_w[i];
            for (int j = l; j < n; ++j)
                a(i, j) = 0;
            if (g != T(0)) {
                g = T(1) / g;
                for (int j = l; j < n; ++j) {
                    T dot = 0;
                    for (int k = l; k < m; ++k)
                        dot += a(k, i) * a(k, j);
                    const T factor = (dot / a(i, i)) * g;
                    for (int k = i; k < m; ++k)
                        a(k, j) += factor * a(k, i);
                }
                for (int j = i; j < m; ++j)
                    a(j, i) *= g;
            } else {
                for (int j = i; j < m; ++j)
                    a(j, i) = 0;
            }
            a(i, i) += 1;
        }
    }

    /*! Implicit-shift QR sweeps on the bidiagonal until every superdiagonal element is
        negligible; the rotations are applied to U and V as they go. */
    void diagonalise() {
        DenseMatrix<T> &a = m_u;
        std::vector<T> &e = m_work; // superdiagonal, e[0] is always 0
        const int m = m_m;
        const int n = m_n;
        const T tiny = eps * m_norm;
        for (int k = n - 1; k >= 0; --k) {
            for (int sweeps = 0;; ++sweeps) {
                // Find the start l of the unreduced block that ends at k. If a diagonal
                // element w[l-1] is negligible, e[l] can be chased out by rotations.
                bool cancel = true;
                int l = k;
                for (; l > 0; --l) {
                    if (std::abs(e[l]) <= tiny) {
                        cancel = false;
                        break;
                    }
                    if (std::abs(m_w[l - 1]) <= tiny)
                        break;
                }
                if (l == 0)
                    cancel = false;
                if (cancel) {
                    const int nm = l - 1;
                    T c = 0;
                    T s = 1;
                    for (int i = l; i <= k; ++i) {
                        const T f = s * e[i];
                        e[i] = c * e[i];
                        if (std::abs(f) <= tiny)
                            break;
                        const T g = m_w[i];
                        const T h = hypotenuse(f, g);
                        m_w[i] = h;
                        c = g / h;
                        s = -f / h;
                        for (int j = 0; j < m; ++j) {
                            const T y = a(j, nm);
                            const T z = a(j, i);
                            a(j, nm) = y * c + z * s;
                            a(j, i) = z * c - y * s;
                        }
                    }
                }

                T z = m_w[k];
                if (l == k) {
                    // Converged; singular values are made non-negative.
                    if (z < T(0)) {
                        m_w[k] = -z;
                        for (int j = 0; j < n; ++j)
                            m_v(j, k) = -m_v(j, k);
                    }
                    break;
                }
                if (sweeps == 30)
                    throw ZMT::Exception("no convergence in 30 svdcmp iterations",
                                         "[SingularValueDecomposition::decompose]");

                // Shift from the trailing 2 x 2 block of B^T B.
                T x = m_w[l];
                T y = m_w[k - 1];
                T g = e[k - 1];
                T h = e[k];
                T f = ((y - z) * (y + z) + (g - h) * (g + h)) / (T(2) * h * y);
                g = hypotenuse(f, T(1));
                f = ((x - z) * (x + z) + h * ((y / (f + withSignOf(g, f))) - h)) / x;

                // Chase the bulge down the bidiagonal with Givens rotations.
                T c = 1;
                T s = 1;
                for (int j = l; j < k; ++j) {
                    const int i = j + 1;
                    g = e[i];
                    y = m_w[i];
                    h = s * g;
                    g = c * g;
                    z = hypotenuse(f, h);
                    e[j] = z;
                    c = f / z;
                    s = h / z;
                    f = x * c + g * s;
                    g = g * c - x * s;
                    h = y * s;
                    y *= c;
                    for (int r = 0; r < n; ++r) {
                        const T vx = m_v(r, j);
                        const T vz = m_v(r, i);
                        m_v(r, j) = vx * c + vz * s;
                        m_v(r, i) = vz * c - vx * s;
                    }
                    z = hypotenuse(f, h);
                    m_w[j] = z;
                    if (z != T(0)) {
                        c = f / z;
                        s = h / z;
                    }
                    f = c * g + s * y;
                    x = c * y - s * g;
                    for (int r = 0; r < m; ++r) {
                        const T uy = a(r, j);
                        const T uz = a(r, i);
                        a(r, j) = uy * c + uz * s;
                        a(r, i) = uz * c - uy * s;
                    }
                }
                e[l] = 0;
                e[k] = f;
                m_w[k] = x;
            }
        }
    }

    /*! Sorts the singular values in decreasing order, moving the columns of U and V
        along, then flips the sign of a column pair when that leaves fewer negative
        elements (a pair may change sign together without changing U diag(w) V^T). */
    void sortDecreasing() {
        const int m = m_m;
        const int n = m_n;
        // Insertion sort: n is small and the values come out of the sweeps nearly sorted.
        for (int i = 1; i < n; ++i) {
            int j = i;
            while (j > 0 && m_w[j - 1] < m_w[j]) {
                std::swap(m_w[j - 1], m_w[j]);
                for (int r = 0; r < m; ++r)
                    std::swap(m_u(r, j - 1), m_u(r, j));
                for (int r = 0; r < n; ++r)
                    std::swap(m_v(r, j - 1), m_v(r, j));
                --j;
            }
        }
        for (int k = 0; k < n; ++k) {
            int negative = 0;
            for (int r = 0; r < m; ++r)
                if (m_u(r, k) < T(0))
                    ++negative;
            for (int r = 0; r < n; ++r)
                if (m_v(r, k) < T(0))
                    ++negative;
            if (negative > (m + n) / 2) {
                for (int r = 0; r < m; ++r)
                    m_u(r, k) = -m_u(r, k);
                for (int r = 0; r < n; ++r)
                    m_v(r, k) = -m_v(r, k);
            }
        }
    }

    int m_m = 0;
    int m_n = 0;
    DenseMatrix<T> m_u;
    std::vector<T> m_w;
    DenseMatrix<T> m_v;
    std::vector<T> m_work;
    T m_norm = 0;
};

#endif // SINGULARVALUEDECOMPOSITION_H
