#ifndef SOLVERTESTHELPERS_H
#define SOLVERTESTHELPERS_H

#include <QString>
#include <QStringList>
#include <QVector>

#include <cmath>
#include <vector>

#include "DenseMatrix.h"

// Matrices travel through the QtTest data tables as rows of numbers.
using Rows = QVector<QVector<double>>;

inline DenseMatrix<double> toMatrix(const Rows &rows) {
    const int cols = rows.isEmpty() ? 0 : rows.first().size();
    DenseMatrix<double> m(rows.size(), cols);
    for (int i = 0; i < rows.size(); ++i)
        for (int j = 0; j < cols; ++j)
            m(i, j) = rows[i][j];
    return m;
}

inline std::vector<double> toVector(const QVector<double> &v) {
    return std::vector<double>(v.begin(), v.end());
}

inline Rows hilbert(int n) {
    Rows rows(n, QVector<double>(n));
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            rows[i][j] = 1.0 / (i + j + 1);
    return rows;
}

inline QString formatVector(const std::vector<double> &v) {
    QStringList parts;
    for (double value : v)
        parts << QString::number(value, 'g', 17);
    return "[" + parts.join(", ") + "]";
}

/*! Largest |a_i - b_i| / max(1, |b_i|); infinite when the sizes differ. */
inline double maxRelativeDifference(const std::vector<double> &a, const std::vector<double> &b) {
    if (a.size() != b.size())
        return INFINITY;
    double worst = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const double d = std::abs(a[i] - b[i]) / std::fmax(1.0, std::abs(b[i]));
        if (!(d <= worst))
            worst = d;
    }
    return worst;
}

#endif // SOLVERTESTHELPERS_H
