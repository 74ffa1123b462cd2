#include <QtTest>

#include "SingularValueDecomposition.h"
#include "SolverTestHelpers.h"
#include "ZMT_Exception.h"

class tst_SingularValueDecomposition : public QObject {
    Q_OBJECT
private slots:
    void decomposition_data();
    void decomposition();
    void solve_data();
    void solve();
    void solveBadSize_data();
    void solveBadSize();
    void nonFiniteMatrixThrows();
};

void tst_SingularValueDecomposition::decomposition_data() {
    QTest::addColumn<Rows>("a");
    QTest::addColumn<QVector<double>>("singularValues"); // empty: not known in closed form
    // A^T A = [[25, 20], [20, 25]] has eigenvalues 45 and 5.
    QTest::newRow("2x2 known") << Rows{{3, 0}, {4, 5}} << QVector<double>{std::sqrt(45.0), std::sqrt(5.0)};
    QTest::newRow("diagonal, unsorted") << Rows{{1, 0, 0}, {0, 5, 0}, {0, 0, 3}} << QVector<double>{5, 3, 1};
    QTest::newRow("negative diagonal") << Rows{{-2, 0}, {0, 1}} << QVector<double>{2, 1};
    QTest::newRow("rank 2") << Rows{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}
                            << QVector<double>{16.848103352614209, 1.0683695145547085, 0};
    QTest::newRow("zero matrix") << Rows{{0, 0}, {0, 0}} << QVector<double>{0, 0};
    QTest::newRow("tall 4x2") << Rows{{1, 2}, {3, 4}, {5, 6}, {7, 8}} << QVector<double>{};
    QTest::newRow("wide 2x3") << Rows{{1, 2, 3}, {4, 5, 6}} << QVector<double>{};
    QTest::newRow("Hilbert 8") << hilbert(8) << QVector<double>{};
    QTest::newRow("general 5x5")
        << Rows{{2, -1, 0, 3, 1}, {4, 1, -2, 1, 0}, {-3, 2, 5, 0, -1}, {1, 1, 1, 1, 1}, {0, -4, 2, 2, 6}}
        << QVector<double>{};
}

void tst_SingularValueDecomposition::decomposition() {
    QFETCH(Rows, a);
    QFETCH(QVector<double>, singularValues);
    const DenseMatrix<double> A = toMatrix(a);
    const SingularValueDecomposition<double> svd(A);
    const int m = A.rows();
    const int n = A.cols();
    const std::vector<double> &w = svd.w();
    QCOMPARE(int(w.size()), n);
    const double scale = std::fmax(1.0, w[0]);

    for (int k = 0; k < n; ++k) {
        QVERIFY2(w[k] >= 0, qPrintable(QString("w[%1] = %2").arg(k).arg(w[k])));
        if (k > 0)
            QVERIFY2(w[k - 1] >= w[k], qPrintable("not sorted: " + formatVector(w)));
        if (!singularValues.isEmpty())
            QVERIFY2(
                std::abs(w[k] - singularValues[k]) <= 1e-13 * scale,
                qPrintable(
                    QString("w[%1] = %2, expected %3").arg(k).arg(w[k], 0, 'g', 17).arg(singularValues[k])));
    }

    // U diag(w) V^T rebuilds A.
    for (int i = 0; i < m; ++i)
        for (int j = 0; j < n; ++j) {
            double sum = 0;
            for (int k = 0; k < n; ++k)
                sum += svd.u()(i, k) * w[k] * svd.v()(j, k);
            QVERIFY2(std::abs(sum - A(i, j)) <= 1e-13 * scale,
                     qPrintable(QString("rebuilt (%1,%2) = %3, A = %4").arg(i).arg(j).arg(sum).arg(A(i, j))));
        }

    // V is orthogonal; the columns of U that belong to non-zero singular values are orthonormal.
    for (int p = 0; p < n; ++p)
        for (int q = 0; q < n; ++q) {
            double vv = 0;
            for (int r = 0; r < n; ++r)
                vv += svd.v()(r, p) * svd.v()(r, q);
            QVERIFY2(std::abs(vv - (p == q ? 1 : 0)) <= 1e-13,
                     qPrintable(QString("V^T V (%1,%2) = %3").arg(p).arg(q).arg(vv)));
            if (w[p] <= 1e-12 * scale || w[q] <= 1e-12 * scale)
                continue;
            double uu = 0;
            for (int r = 0; r < m; ++r)
                uu += svd.u()(r, p) * svd.u()(r, q);
            QVERIFY2(std::abs(uu - (p == q ? 1 : 0)) <= 1e-13,
                     qPrintable(QString("U^T U (%1,%2) = %3").arg(p).arg(q).arg(uu)));
        }

    // Sign convention: a column pair of U and V is never mostly negative.
    for (int k = 0; k < n; ++k) {
        int negative = 0;
        for (int r = 0; r < m; ++r)
            negative += svd.u()(r, k) < 0;
        for (int r = 0; r < n; ++r)
            negative += svd.v()(r, k) < 0;
        QVERIFY2(negative <= (m + n) / 2,
                 qPrintable(QString("column %1 has %2 negative elements").arg(k).arg(negative)));
    }
}

void tst_SingularValueDecomposition::solve_data() {
    QTest::addColumn<Rows>("a");
    QTest::addColumn<QVector<double>>("b");
    QTest::addColumn<double>("threshold");
    QTest::addColumn<QVector<double>>("x");
    QTest::newRow("regular 3x3") << Rows{{4, -2, 1}, {-2, 4, -2}, {1, -2, 4}} << QVector<double>{11, -16, 17}
                                 << -1.0 << QVector<double>{1, -2, 3};
    // Singular: the answer is the shortest of all solutions...
    QTest::newRow("consistent singular: minimum norm")
        << Rows{{1, 1}, {1, 1}} << QVector<double>{2, 2} << -1.0 << QVector<double>{1, 1};
    // ...or, without one, the shortest least-squares solution.
    QTest::newRow("inconsistent singular: least squares")
        << Rows{{1, 1}, {1, 1}} << QVector<double>{2, 3} << -1.0 << QVector<double>{1.25, 1.25};
    QTest::newRow("threshold keeps small value")
        << Rows{{2, 0}, {0, 1e-3}} << QVector<double>{2, 1} << 0.0 << QVector<double>{1, 1000};
    QTest::newRow("threshold drops small value")
        << Rows{{2, 0}, {0, 1e-3}} << QVector<double>{2, 1} << 0.01 << QVector<double>{1, 0};
    QTest::newRow("threshold equal to value drops it")
        << Rows{{2, 0}, {0, 1e-3}} << QVector<double>{2, 1} << 1e-3 << QVector<double>{1, 0};
}

void tst_SingularValueDecomposition::solve() {
    QFETCH(Rows, a);
    QFETCH(QVector<double>, b);
    QFETCH(double, threshold);
    QFETCH(QVector<double>, x);
    SingularValueDecomposition<double> svd(toMatrix(a));
    std::vector<double> result;
    svd.solve(toVector(b), result, threshold);
    QVERIFY2(maxRelativeDifference(result, toVector(x)) <= 1e-13, qPrintable(formatVector(result)));
}

void tst_SingularValueDecomposition::solveBadSize_data() {
    QTest::addColumn<Rows>("a");
    QTest::addColumn<QVector<double>>("b");
    QTest::newRow("1x1") << Rows{{2}} << QVector<double>{4};
    QTest::newRow("b too long") << Rows{{1, 2}, {3, 4}} << QVector<double>{1, 2, 3};
    QTest::newRow("b as long as a row of a wide matrix")
        << Rows{{1, 2, 3}, {4, 5, 6}} << QVector<double>{1, 2, 3};
}

void tst_SingularValueDecomposition::solveBadSize() {
    QFETCH(Rows, a);
    QFETCH(QVector<double>, b);
    SingularValueDecomposition<double> svd(toMatrix(a));
    std::vector<double> x;
    try {
        svd.solve(toVector(b), x);
        QFAIL("no exception for a bad size");
    } catch (const ZMT::Exception &e) {
        QCOMPARE(QString(e.what()), QString("SingularValueDecomposition::solve bad size"));
        QCOMPARE(QString::fromStdString(e.messages().back().location),
                 QString("[SingularValueDecomposition<T>::solve]"));
    }
}

void tst_SingularValueDecomposition::nonFiniteMatrixThrows() {
    // NaN never satisfies a convergence test: the sweep limit must end the decomposition.
    try {
        SingularValueDecomposition<double> svd(DenseMatrix<double>{{NAN, 1}, {1, 1}});
        QFAIL("no exception for a NaN element");
    } catch (const ZMT::Exception &e) {
        QCOMPARE(QString(e.what()), QString("no convergence in 30 svdcmp iterations"));
    }
}

QTEST_APPLESS_MAIN(tst_SingularValueDecomposition)
#include "tst_SingularValueDecomposition.moc"
