// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "solveSystem.h"

using Rows = QVector<QVector<double>>;
using Vec = QVector<double>;

namespace {

const double Tolerance = 1e-10;

DenseMatrix<double> toMatrix(const Rows &rows) {
    DenseMatrix<double> m(rows.size(), rows.isEmpty() ? 0 : rows.first().size());
    for (int i = 0; i < m.rows(); ++i)
        for (int j = 0; j < m.cols(); ++j)
            m(i, j) = rows[i][j];
    return m;
}

std::vector<double> vec(const Vec &v) {
    return std::vector<double>(v.begin(), v.end());
}

Rows hilbert(int n) {
    Rows rows(n, Vec(n));
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            rows[i][j] = 1.0 / (i + j + 1);
    return rows;
}

// Whether |a_i - b_i| <= tolerance * max(1, |b_i|) for all i.
bool close(const std::vector<double> &a, const Vec &b, double tolerance) {
    bool ok = a.size() == std::size_t(b.size());
    for (int i = 0; ok && i < b.size(); ++i)
        ok = std::abs(a[i] - b[i]) <= tolerance * std::fmax(1.0, std::abs(b[i]));
    return ok;
}

QByteArray text(const std::vector<double> &v) {
    QStringList parts;
    for (double value : v)
        parts << QString::number(value, 'g', 17);
    return ("[" + parts.join(", ") + "]").toUtf8();
}

// Whether plain LU with the given number of improvement steps already meets the tolerance.
bool luPasses(const DenseMatrix<double> &A, const std::vector<double> &b, int steps, double tolerance) {
    LUdecomp<double> lu(A);
    std::vector<double> x;
    lu.solve(b, x);
    for (int i = 0; i < steps; ++i)
        lu.improve(b, x);
    return residualOk(A, b, x, tolerance);
}

// How solveSystem is expected to get there; the test checks that the data really takes that route.
enum Route { Fails, FirstLu, Improved, Relaxed, Svd };

struct Case {
    Rows a;
    Vec b;
    Route route;   // residualOk: Fails when the residual is not ok
    Vec x;         // expected solution
    double number; // tolerance of x, or of residualOk
};

} // namespace

Q_DECLARE_METATYPE(Case)

class tst_LinearSolvers : public QObject {
    Q_OBJECT
private slots:
    void luPivoting_data();
    void luPivoting();
    void solveSystem_data();
    void solveSystem();
    void residualOk_data();
    void residualOk();
};

void tst_LinearSolvers::luPivoting_data() {
    QTest::addColumn<Rows>("a");
    QTest::addColumn<QVector<int>>("permutation");
    // Plain partial pivoting would keep row 0 (2 > 1); relative to its row, 2 is tiny.
    QTest::newRow("implicit scaling") << Rows{{2, 1e5}, {1, 1}} << QVector<int>{1, 1};
    // Row 0 moves down in step 0; its own scale must go with it, or step 1 picks row 2.
    QTest::newRow("scale follows the row")
        << Rows{{2, 7, -7}, {-900, -700, 900}, {-40, -90, -50}} << QVector<int>{1, 1, 2};
    QTest::newRow("tie keeps the upper row") << Rows{{1, 1}, {-1, 1}} << QVector<int>{0, 1};
}

void tst_LinearSolvers::luPivoting() {
    QFETCH(Rows, a);
    QFETCH(QVector<int>, permutation);
    const LUdecomp<double> lu(toMatrix(a));
    QCOMPARE(QVector<int>(lu.permutation().begin(), lu.permutation().end()), permutation);
}

void tst_LinearSolvers::solveSystem_data() {
    QTest::addColumn<Case>("c");
    QTest::newRow("zero row") << Case{{{1, 2}, {0, 0}}, {1, 0}, Fails, {}, 0};
    QTest::newRow("1x1") << Case{{{2}}, {4}, Fails, {}, 0};
    QTest::newRow("NaN in matrix") << Case{{{NAN, 1}, {1, 1}}, {1, 2}, Fails, {}, 0};
    QTest::newRow("well-conditioned 3x3")
        << Case{{{4, -2, 1}, {-2, 4, -2}, {1, -2, 4}}, {11, -16, 17}, FirstLu, {1, -2, 3}, 1e-14};
    // Equal rows leave a zero pivot; replaced by 1e-40 it gives the exact answer of the consistent system.
    QTest::newRow("zero pivot") << Case{{{1, 1}, {1, 1}}, {2, 2}, FirstLu, {2, 0}, 1e-15};
    // Small right-hand sides beside a large one are met only to a few digits at first. Exact
    // answers from rational arithmetic.
    QTest::newRow("Hilbert 5, improvement") << Case{
        hilbert(5),
        {1, 1e-4, 1e-4, 1e-4, 1e-4},
        Improved,
        {24.997999999978507, -299.981999999629, 1049.9579999984846, -1399.9719999977997, 629.9999999989552},
        1e-9};
    QTest::newRow("Hilbert 6, relaxed tolerance")
        << Case{hilbert(6),
                {1, 1e-4, 1e-4, 1e-4, 1e-4, 1e-4},
                Relaxed,
                {35.99580000092262, -629.916000027684, 3359.496000192727, -7558.74000051079,
                 7558.614000571368, -2771.445600227394},
                1e-7};
    // Third row = first + second: LU leaves rounding noise as pivot and never settles; the
    // answer is the shortest solution, x0 = x1.
    QTest::newRow("singular, consistent: SVD") << Case{{{0.9, 0.9, 0.2}, {0.5, 0.5, 0.4}, {1.4, 1.4, 0.6}},
                                                       {0.7, 0.4, 1.1},
                                                       Svd,
                                                       {5.0 / 13, 5.0 / 13, 1.0 / 26},
                                                       1e-12};
    // The least-squares answer (1.25, 1.25) misses both equations by 20 %.
    QTest::newRow("singular, inconsistent") << Case{{{1, 1}, {1, 1}}, {2, 3}, Fails, {}, 0};
}

void tst_LinearSolvers::solveSystem() {
    QFETCH(Case, c);
    const DenseMatrix<double> A = toMatrix(c.a);
    const std::vector<double> b = vec(c.b);
    std::vector<double> x;
    QCOMPARE(::solveSystem(A, b, x, Tolerance), c.route != Fails);
    if (c.route == Fails)
        return;
    QVERIFY2(close(x, c.x, c.number), text(x));
    QCOMPARE(luPasses(A, b, 0, Tolerance), c.route == FirstLu);
    QCOMPARE(::residualOk(A, b, x, Tolerance), c.route != Relaxed);
    if (c.route == Svd)
        QVERIFY(!luPasses(A, b, 100, 1e-6) && ::residualOk(A, b, x, 1e-6));
}

void tst_LinearSolvers::residualOk_data() {
    QTest::addColumn<Case>("c");
    const Rows I{{1, 0}, {0, 1}}, S{{1, -1}, {1, 1}};
    // |(A x - b) / (A x)| = |(2 - 1) / 2| = 0.5, whereas relative to b it would be 1.
    QTest::newRow("relative to A x, passes") << Case{I, {1, 1}, FirstLu, {2, 1}, 0.6};
    QTest::newRow("relative to A x, fails") << Case{I, {1, 1}, Fails, {2, 1}, 0.4};
    QTest::newRow("bound is inclusive") << Case{I, {3, 1}, FirstLu, {4, 1}, 0.25};
    QTest::newRow("equation 0 = 0 holds") << Case{S, {0, 2}, FirstLu, {1, 1}, 1e-10};
    QTest::newRow("A x zero, b not") << Case{S, {1e-20, 2}, Fails, {1, 1}, 1e-10};
    QTest::newRow("A x tiny, b zero") << Case{S, {0, 2}, Fails, {1, 1 - 1e-15}, 1e-10};
    QTest::newRow("NaN in x") << Case{I, {1, 1}, Fails, {1, NAN}, 1.0};
    QTest::newRow("x too short") << Case{I, {1, 1}, Fails, {1}, 1.0};
}

void tst_LinearSolvers::residualOk() {
    QFETCH(Case, c);
    QCOMPARE(::residualOk(toMatrix(c.a), vec(c.b), vec(c.x), c.number), c.route != Fails);
}

QTEST_APPLESS_MAIN(tst_LinearSolvers)
#include "tst_LinearSolvers.moc"
