#include <QtTest>

#include "LUdecomp.h"
#include "SolverTestHelpers.h"
#include "ZMT_Exception.h"

class tst_LUdecomp : public QObject {
    Q_OBJECT
private slots:
    void factorisation_data();
    void factorisation();
    void zeroRowThrows();
    void zeroPivotReplaced_data();
    void zeroPivotReplaced();
    void solveBadSize_data();
    void solveBadSize();
    void improveRemovesError();
    void reusedObjectForgetsLargerSystem();
};

void tst_LUdecomp::factorisation_data() {
    QTest::addColumn<Rows>("a");
    QTest::addColumn<QVector<int>>("permutation");
    QTest::addColumn<int>("parity");
    QTest::newRow("diagonally dominant, no swap")
        << Rows{{4, 1, 0}, {1, 4, 1}, {0, 1, 4}} << QVector<int>{0, 1, 2} << 1;
    // Plain partial pivoting would keep row 0 (2 > 1); relative to its row, 2 is tiny.
    QTest::newRow("implicit scaling picks the smaller element")
        << Rows{{2, 1e5}, {1, 1}} << QVector<int>{1, 1} << -1;
    QTest::newRow("tie keeps the upper row") << Rows{{1, 1}, {-1, 1}} << QVector<int>{0, 1} << 1;
    QTest::newRow("two swaps, even parity")
        << Rows{{0, 1, 0}, {0, 0, 1}, {1, 0, 0}} << QVector<int>{2, 2, 2} << 1;
    // Row 0 moves down in step 0; its own scale must go with it, or step 1 picks row 2.
    QTest::newRow("scale follows the swapped row")
        << Rows{{2, 7, -7}, {-900, -700, 900}, {-40, -90, -50}} << QVector<int>{1, 1, 2} << -1;
    QTest::newRow("general 4x4") << Rows{{2, -1, 0, 3}, {4, 1, -2, 1}, {-3, 2, 5, 0}, {1, 1, 1, 1}}
                                 << QVector<int>{} << 0;
}

void tst_LUdecomp::factorisation() {
    QFETCH(Rows, a);
    QFETCH(QVector<int>, permutation);
    QFETCH(int, parity);

    const DenseMatrix<double> A = toMatrix(a);
    const LUdecomp<double> lu(A);
    const int n = A.rows();
    if (!permutation.isEmpty()) {
        QCOMPARE(QVector<int>(lu.permutation().begin(), lu.permutation().end()), permutation);
        QCOMPARE(lu.parity(), parity);
    }

    // Applying the recorded swaps to A must give L * U.
    DenseMatrix<double> pa = A;
    for (int k = 0; k < n; ++k)
        pa.swapRows(k, lu.permutation()[k]);
    const DenseMatrix<double> &f = lu.factors();
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            double sum = 0;
            for (int k = 0; k <= std::min(i, j); ++k)
                sum += (k == i ? 1.0 : f(i, k)) * f(k, j);
            QVERIFY2(std::abs(sum - pa(i, j)) <= 1e-10,
                     qPrintable(QString("(L U)(%1,%2) = %3, P A = %4").arg(i).arg(j).arg(sum).arg(pa(i, j))));
        }
    }
}

void tst_LUdecomp::zeroRowThrows() {
    const DenseMatrix<double> A{{1, 2, 3}, {0, 0, 0}, {4, 5, 6}};
    try {
        LUdecomp<double> lu(A);
        QFAIL("no exception for a zero row");
    } catch (const ZMT::Exception &e) {
        QCOMPARE(QString::fromStdString(e.messages().back().message), QString("Singular matrix in LUdecomp"));
        QCOMPARE(QString::fromStdString(e.messages().back().location), QString("[LUdecomp::constructor]"));
    }
}

void tst_LUdecomp::zeroPivotReplaced_data() {
    QTest::addColumn<Rows>("a");
    QTest::addColumn<int>("k");
    QTest::addColumn<QVector<double>>("b");
    QTest::addColumn<QVector<double>>("x");
    QTest::newRow("equal rows") << Rows{{1, 1}, {1, 1}} << 1 << QVector<double>{2, 2}
                                << QVector<double>{2, 0};
    QTest::newRow("zero left in the middle column")
        << Rows{{1, 2, 3}, {2, 4, 7}, {1, 2, 5}} << 1 << QVector<double>{4, 9, 6} << QVector<double>{1, 0, 1};
}

void tst_LUdecomp::zeroPivotReplaced() {
    QFETCH(Rows, a);
    QFETCH(int, k);
    QFETCH(QVector<double>, b);
    QFETCH(QVector<double>, x);
    const DenseMatrix<double> A = toMatrix(a);
    const LUdecomp<double> lu(A);
    QCOMPARE(lu.factors()(k, k), 1e-40);
    // A consistent right-hand side still gets an exact answer.
    std::vector<double> result;
    lu.solve(toVector(b), result);
    QVERIFY2(maxRelativeDifference(result, toVector(x)) <= 1e-14, qPrintable(formatVector(result)));
}

void tst_LUdecomp::solveBadSize_data() {
    QTest::addColumn<Rows>("a");
    QTest::addColumn<QVector<double>>("b");
    QTest::newRow("1x1") << Rows{{2}} << QVector<double>{4};
    QTest::newRow("b too long") << Rows{{1, 2}, {3, 4}} << QVector<double>{1, 2, 3};
    QTest::newRow("b too short") << Rows{{1, 2}, {3, 4}} << QVector<double>{1};
}

void tst_LUdecomp::solveBadSize() {
    QFETCH(Rows, a);
    QFETCH(QVector<double>, b);
    const DenseMatrix<double> A = toMatrix(a);
    const LUdecomp<double> lu(A);
    std::vector<double> x;
    try {
        lu.solve(toVector(b), x);
        QFAIL("no exception for a bad size");
    } catch (const ZMT::Exception &e) {
        QCOMPARE(QString(e.what()), QString("LUdecomp::solve bad size"));
        QCOMPARE(QString::fromStdString(e.messages().back().location), QString("[LUdecomp<T>::solve]"));
    }
}

void tst_LUdecomp::improveRemovesError() {
    const DenseMatrix<double> A{{4, -2, 1}, {-2, 4, -2}, {1, -2, 4}};
    const std::vector<double> exact{1, -2, 3};
    const std::vector<double> b{11, -16, 17};
    LUdecomp<double> lu(A);
    std::vector<double> x{1.001, -2.002, 2.997};
    // The system is linear, so one step removes the error up to rounding; a wrong sign
    // of the correction would double it instead.
    lu.improve(b, x);
    QVERIFY2(maxRelativeDifference(x, exact) <= 1e-14, qPrintable(formatVector(x)));
}

void tst_LUdecomp::reusedObjectForgetsLargerSystem() {
    LUdecomp<double> lu;
    const DenseMatrix<double> big{{5, 1, 0, 0}, {1, 5, 1, 0}, {0, 1, 5, 1}, {0, 0, 1, 5}};
    lu.decompose(big);
    const DenseMatrix<double> small{{0, 2}, {3, 1}};
    lu.decompose(small);
    QCOMPARE(lu.size(), 2);
    std::vector<double> x;
    lu.solve({4, 5}, x);
    QVERIFY2(maxRelativeDifference(x, {1, 2}) <= 1e-15, qPrintable(formatVector(x)));
    lu.improve({4, 5}, x);
    QVERIFY2(maxRelativeDifference(x, {1, 2}) <= 1e-15, qPrintable(formatVector(x)));
}

QTEST_APPLESS_MAIN(tst_LUdecomp)
#include "tst_LUdecomp.moc"
