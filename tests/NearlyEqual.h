// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef NEARLYEQUAL_H
#define NEARLYEQUAL_H

// Comparing computed numbers in tests. QCOMPARE on doubles is a relative fuzzy compare that fails
// near 0 and says nothing about the tolerance meant; these checks take explicit tolerances and
// print both values when they fail.

#include <QString>
#include <QtTest>

#include <cmath>

namespace NearlyEqual {

/*! True when |actual - expected| <= absolute + relative × |expected|. NaN is never near. */
inline bool isNear(double actual, double expected, double absolute, double relative = 0) {
    return std::fabs(actual - expected) <= absolute + relative * std::fabs(expected);
}

inline QString describe(const QString &what, double actual, double expected, double absolute,
                        double relative) {
    return QStringLiteral("%1: got %2, expected %3 (tolerance %4 + %5 relative)")
        .arg(what)
        .arg(actual, 0, 'g', 12)
        .arg(expected, 0, 'g', 12)
        .arg(absolute)
        .arg(relative);
}

} // namespace NearlyEqual

/*! \a actual within the absolute tolerance of \a expected; the message names the expression. */
#define VERIFY_NEAR(actual, expected, absolute)                                                              \
    VERIFY_CLOSE(QStringLiteral(#actual), actual, expected, absolute, 0)

/*! \a actual within absolute + relative × |expected| of \a expected; \a what names it in the message. */
#define VERIFY_CLOSE(what, actual, expected, absolute, relative)                                             \
    do {                                                                                                     \
        const double nearActual_ = double(actual);                                                           \
        const double nearExpected_ = double(expected);                                                       \
        QVERIFY2(                                                                                            \
            NearlyEqual::isNear(nearActual_, nearExpected_, (absolute), (relative)),                         \
            qPrintable(NearlyEqual::describe((what), nearActual_, nearExpected_, (absolute), (relative))));  \
    } while (false)

#endif // NEARLYEQUAL_H
