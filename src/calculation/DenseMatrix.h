// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DENSEMATRIX_H
#define DENSEMATRIX_H

#include <initializer_list>
#include <vector>

#include "ZMT_Exception.h"

/*! A dense row-major matrix in one contiguous block.

    The condensation plane search solves thousands of small systems in a row, so the
    matrix is meant to be kept and refilled: resize() keeps the allocated block, and once
    it has grown to the largest size needed no further heap allocation happens.
*/
template <typename T> class DenseMatrix {
public:
    DenseMatrix() = default;

    /*! A rows x cols matrix filled with zeros. */
    DenseMatrix(int rows, int cols) { resize(rows, cols); }

    /*! Row by row, e.g. {{1, 2}, {3, 4}}; all rows must have the same length. */
    DenseMatrix(std::initializer_list<std::initializer_list<T>> rows) {
        const int cols = rows.size() == 0 ? 0 : static_cast<int>(rows.begin()->size());
        resize(static_cast<int>(rows.size()), cols);
        int i = 0;
        for (const std::initializer_list<T> &r : rows) {
            if (static_cast<int>(r.size()) != cols)
                throw ZMT::Exception("Rows of unequal length", "[DenseMatrix::DenseMatrix]");
            int j = 0;
            for (const T &value : r)
                (*this)(i, j++) = value;
            ++i;
        }
    }

    /*! Changes the size and sets every element to zero; keeps the allocated storage. */
    void resize(int rows, int cols) {
        if (rows < 0 || cols < 0)
            throw ZMT::Exception("Negative matrix size", "[DenseMatrix::resize]");
        m_rows = rows;
        m_cols = cols;
        m_data.assign(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols), T());
    }

    /*! Allocates room for a rows x cols matrix up front without changing the size. */
    void reserve(int rows, int cols) {
        m_data.reserve(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols));
    }

    int rows() const { return m_rows; }
    int cols() const { return m_cols; }

    T &operator()(int i, int j) { return m_data[static_cast<std::size_t>(i * m_cols + j)]; }
    const T &operator()(int i, int j) const { return m_data[static_cast<std::size_t>(i * m_cols + j)]; }

    T *row(int i) { return m_data.data() + static_cast<std::size_t>(i * m_cols); }
    const T *row(int i) const { return m_data.data() + static_cast<std::size_t>(i * m_cols); }

    void swapRows(int i, int k) {
        T *a = row(i);
        T *b = row(k);
        for (int j = 0; j < m_cols; ++j) {
            const T tmp = a[j];
            a[j] = b[j];
            b[j] = tmp;
        }
    }

private:
    std::vector<T> m_data;
    int m_rows = 0;
    int m_cols = 0;
};

#endif // DENSEMATRIX_H
