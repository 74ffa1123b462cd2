#include <QtTest>

#include "SolverTestHelpers.h"
#include "solveSystem.h"

#include <cstdlib>
#include <new>

// Counts heap allocations of the whole test program, to show that reused working
// storage makes repeated solving allocation-free.
static long g_allocations = 0;

void *operator new(std::size_t size) {
    ++g_allocations;
    if (void *p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}
void operator delete(void *p) noexcept {
    std::free(p);
}
void operator delete(void *p, std::size_t) noexcept {
    std::free(p);
}

namespace {

// How a system is expected to be solved; the test checks that the data really takes
// that route, so a row cannot silently stop covering its case.
enum Route {
    Fails,    // solveSystem returns false
    FirstLu,  // the plain LU solution already passes 1e-10
    Improved, // plain LU fails 1e-10, the answer passes 1e-10
    Relaxed,  // the answer passes only the relaxed tolerance 1e-6
    Svd       // LU with all 100 improvement steps fails, SVD succeeds
};

const double Tolerance = 1e-10;

bool luRoutePasses(const DenseMatrix<double> &A, const std::vector<double> &b, int steps, double tolerance) {
    LUdecomp<double> lu(A);
    std::vector<double> x;
    lu.solve(b, x);
    for (int i = 0; i < steps; ++i)
        lu.improve(b, x);
    return residualOk(A, b, x, tolerance);
}

} // namespace

class tst_solveSystem : public QObject {
    Q_OBJECT
private slots:
    void solveSystem_data();
    void solveSystem();
    void sharedStorageGivesSameAnswers();
    void reusedStorageAllocatesNothing();
    void residualOk_data();
    void residualOk();
};

void tst_solveSystem::solveSystem_data() {
    QTest::addColumn<Rows>("a");
    QTest::addColumn<QVector<double>>("b");
    QTest::addColumn<int>("route");
    QTest::addColumn<QVector<double>>("x"); // empty: not checked
    QTest::addColumn<double>("xTolerance");

    QTest::newRow("zero row") << Rows{{1, 2}, {0, 0}} << QVector<double>{1, 0} << int(Fails)
                              << QVector<double>{} << 0.0;
    QTest::newRow("1x1") << Rows{{2}} << QVector<double>{4} << int(Fails) << QVector<double>{} << 0.0;
    QTest::newRow("b too long") << Rows{{1, 2}, {3, 4}} << QVector<double>{1, 2, 3} << int(Fails)
                                << QVector<double>{} << 0.0;
    QTest::newRow("not square") << Rows{{1, 2, 3}, {4, 5, 6}} << QVector<double>{1, 2} << int(Fails)
                                << QVector<double>{} << 0.0;
    QTest::newRow("NaN in matrix") << Rows{{NAN, 1}, {1, 1}} << QVector<double>{1, 2} << int(Fails)
                                   << QVector<double>{} << 0.0;
    QTest::newRow("well-conditioned 3x3")
        << Rows{{4, -2, 1}, {-2, 4, -2}, {1, -2, 4}} << QVector<double>{11, -16, 17} << int(FirstLu)
        << QVector<double>{1, -2, 3} << 1e-14;
    // Equal rows leave a zero pivot; it is replaced and the consistent system is solved exactly.
    QTest::newRow("zero pivot") << Rows{{1, 1}, {1, 1}} << QVector<double>{2, 2} << int(FirstLu)
                                << QVector<double>{2, 0} << 1e-15;
    // Hilbert matrices with small right-hand sides beside a large one: the small equations
    // are met only to a few digits at first. Exact answers from rational arithmetic.
    QTest::newRow("Hilbert 5, improvement")
        << hilbert(5) << QVector<double>{1, 1e-4, 1e-4, 1e-4, 1e-4} << int(Improved)
        << QVector<double>{24.997999999978507, -299.981999999629, 1049.9579999984846, -1399.9719999977997,
                           629.9999999989552}
        << 1e-9;
    QTest::newRow("Hilbert 6, relaxed tolerance")
        << hilbert(6) << QVector<double>{1, 1e-4, 1e-4, 1e-4, 1e-4, 1e-4} << int(Relaxed)
        << QVector<double>{35.99580000092262, -629.916000027684, 3359.496000192727,
                           -7558.74000051079, 7558.614000571368, -2771.445600227394}
        << 1e-7;
    // Third row = first + second: LU leaves rounding noise as pivot and never settles;
    // the answer is the shortest solution, x0 = x1 (orthogonal to the null vector (1, -1, 0)).
    QTest::newRow("singular, consistent: SVD")
        << Rows{{0.9, 0.9, 0.2}, {0.5, 0.5, 0.4}, {1.4, 1.4, 0.6}} << QVector<double>{0.7, 0.4, 1.1}
        << int(Svd) << QVector<double>{5.0 / 13, 5.0 / 13, 1.0 / 26} << 1e-12;
    // No solution exists; the least-squares answer (1.25, 1.25) misses both equations by 20 %.
    QTest::newRow("singular, inconsistent")
        << Rows{{1, 1}, {1, 1}} << QVector<double>{2, 3} << int(Fails) << QVector<double>{} << 0.0;
}

void tst_solveSystem::solveSystem() {
    QFETCH(Rows, a);
    QFETCH(QVector<double>, b);
    QFETCH(int, route);
    QFETCH(QVector<double>, x);
    QFETCH(double, xTolerance);
    const DenseMatrix<double> A = toMatrix(a);
    const std::vector<double> rhs = toVector(b);

    std::vector<double> result;
    const bool ok = ::solveSystem(A, rhs, result, Tolerance);
    QCOMPARE(ok, route != Fails);
    if (!x.isEmpty())
        QVERIFY2(maxRelativeDifference(result, toVector(x)) <= xTolerance, qPrintable(formatVector(result)));

    switch (route) {
    case FirstLu:
        QVERIFY(luRoutePasses(A, rhs, 0, Tolerance));
        break;
    case Improved:
        QVERIFY(!luRoutePasses(A, rhs, 0, Tolerance));
        QVERIFY(::residualOk(A, rhs, result, Tolerance));
        break;
    case Relaxed:
        QVERIFY(!luRoutePasses(A, rhs, 0, Tolerance));
        QVERIFY(!::residualOk(A, rhs, result, Tolerance));
        QVERIFY(::residualOk(A, rhs, result, 1e-6));
        break;
    case Svd:
        QVERIFY(!luRoutePasses(A, rhs, 100, 1e-6));
        QVERIFY(::residualOk(A, rhs, result, 1e-6));
        break;
    default:
        break;
    }
}

void tst_solveSystem::sharedStorageGivesSameAnswers() {
    // One set of working objects for systems of changing order, as the plane search uses them;
    // nothing of an earlier, larger system may leak into a later one.
    const QVector<Rows> matrices{hilbert(6), Rows{{0.9, 0.9, 0.2}, {0.5, 0.5, 0.4}, {1.4, 1.4, 0.6}},
                                 Rows{{1, 1}, {1, 1}}, Rows{{4, -2, 1}, {-2, 4, -2}, {1, -2, 4}}, hilbert(5)};
    const QVector<QVector<double>> rhs{{1, 1e-4, 1e-4, 1e-4, 1e-4, 1e-4},
                                       {0.7, 0.4, 1.1},
                                       {2, 3},
                                       {11, -16, 17},
                                       {1, 1e-4, 1e-4, 1e-4, 1e-4}};
    LUdecomp<double> lu;
    SingularValueDecomposition<double> svd;
    DenseMatrix<double> A;
    std::vector<double> b;
    std::vector<double> shared;
    for (int round = 0; round < 2; ++round) {
        for (int s = 0; s < matrices.size(); ++s) {
            A = toMatrix(matrices[s]);
            b = toVector(rhs[s]);
            std::vector<double> fresh;
            const bool freshOk = ::solveSystem(A, b, fresh, Tolerance);
            const bool sharedOk = ::solveSystem(A, b, shared, Tolerance, lu, svd);
            QCOMPARE(sharedOk, freshOk);
            QVERIFY2(shared == fresh, qPrintable(formatVector(shared) + " != " + formatVector(fresh)));
        }
    }
}

void tst_solveSystem::reusedStorageAllocatesNothing() {
    // LU route, improvement route and SVD route, largest order first.
    const QVector<DenseMatrix<double>> matrices{
        toMatrix(hilbert(6)), toMatrix(Rows{{0.9, 0.9, 0.2}, {0.5, 0.5, 0.4}, {1.4, 1.4, 0.6}}),
        toMatrix(hilbert(5)), toMatrix(Rows{{1, 1}, {1, 1}})};
    const QVector<std::vector<double>> rhs{
        {1, 1e-4, 1e-4, 1e-4, 1e-4, 1e-4}, {0.7, 0.4, 1.1}, {1, 1e-4, 1e-4, 1e-4, 1e-4}, {2, 2}};
    LUdecomp<double> lu;
    SingularValueDecomposition<double> svd;
    DenseMatrix<double> A;
    std::vector<double> b;
    std::vector<double> x;
    const auto solveAll = [&]() {
        int solved = 0;
        for (int s = 0; s < matrices.size(); ++s) {
            A = matrices[s];
            b = rhs[s];
            solved += ::solveSystem(A, b, x, Tolerance, lu, svd);
        }
        return solved;
    };
    const long start = g_allocations;
    QCOMPARE(solveAll(), 4);
    QVERIFY2(g_allocations > start, "the first round has to grow the storage");
    const long before = g_allocations;
    QCOMPARE(solveAll(), 4);
    QCOMPARE(g_allocations - before, 0L);
}

void tst_solveSystem::residualOk_data() {
    QTest::addColumn<Rows>("a");
    QTest::addColumn<QVector<double>>("b");
    QTest::addColumn<QVector<double>>("x");
    QTest::addColumn<double>("tolerance");
    QTest::addColumn<bool>("ok");
    const Rows identity{{1, 0}, {0, 1}};
    // |(A x - b) / (A x)| = |(2 - 1) / 2| = 0.5, whereas relative to b it would be 1.
    QTest::newRow("relative to A x, passes")
        << identity << QVector<double>{1, 1} << QVector<double>{2, 1} << 0.6 << true;
    QTest::newRow("relative to A x, fails")
        << identity << QVector<double>{1, 1} << QVector<double>{2, 1} << 0.4 << false;
    QTest::newRow("bound is inclusive")
        << identity << QVector<double>{3, 1} << QVector<double>{4, 1} << 0.25 << true;
    QTest::newRow("equation 0 = 0 holds")
        << Rows{{1, -1}, {1, 1}} << QVector<double>{0, 2} << QVector<double>{1, 1} << 1e-10 << true;
    QTest::newRow("A x zero, b not") << Rows{{1, -1}, {1, 1}} << QVector<double>{1e-20, 2}
                                     << QVector<double>{1, 1} << 1e-10 << false;
    QTest::newRow("A x tiny, b zero")
        << Rows{{1, -1}, {1, 1}} << QVector<double>{0, 2} << QVector<double>{1, 1 - 1e-15} << 1e-10 << false;
    QTest::newRow("tiny values close together")
        << Rows{{1e-300, 0}, {0, 1e-300}} << QVector<double>{1e-300 * (1 + 1e-12), 2e-300}
        << QVector<double>{1, 2} << 1e-10 << true;
    QTest::newRow("tiny values apart") << Rows{{1e-300, 0}, {0, 1e-300}} << QVector<double>{1e-300, 2.1e-300}
                                       << QVector<double>{1, 2} << 1e-10 << false;
    QTest::newRow("NaN in x") << identity << QVector<double>{1, 1} << QVector<double>{1, NAN} << 1.0 << false;
    QTest::newRow("infinity in x") << identity << QVector<double>{1, 1} << QVector<double>{1, INFINITY} << 1.0
                                   << false;
    QTest::newRow("x too short") << identity << QVector<double>{1, 1} << QVector<double>{1} << 1.0 << false;
}

void tst_solveSystem::residualOk() {
    QFETCH(Rows, a);
    QFETCH(QVector<double>, b);
    QFETCH(QVector<double>, x);
    QFETCH(double, tolerance);
    QFETCH(bool, ok);
    QCOMPARE(::residualOk(toMatrix(a), toVector(b), toVector(x), tolerance), ok);
}

QTEST_APPLESS_MAIN(tst_solveSystem)
#include "tst_solveSystem.moc"
