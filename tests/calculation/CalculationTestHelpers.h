#ifndef CALCULATIONTESTHELPERS_H
#define CALCULATIONTESTHELPERS_H

#include <QString>
#include <QVector>

#include <cmath>

#include "InputData.h"
#include "MaterialLayer.h"

// One layer of a test construction: thickness in m, conductivity in W/mK, resistance factor.
struct LayerSpec {
    double d;
    double lambda;
    double mu;
};
using LayerSpecs = QVector<LayerSpec>;
Q_DECLARE_METATYPE(LayerSpecs)

// A valid material with the given conductivity and resistance factor.
inline Material testMaterial(double lambda, double mu) {
    return Material("Test", MaterialCategory(MaterialCategory::BuildingBoards), "", "", "", "", 500, lambda,
                    mu, 0.02, 0.5, 0.001, 1);
}

inline Material airMaterial() {
    Material m("Air", MaterialCategory(MaterialCategory::Miscellaneous), "", "", "", "", 1.23, 0.025, 1,
               0.001, 0.01, 0, 0);
    m.setFlags(true, false, false, false);
    return m;
}

// A construction under the climate of an assessment type (1: DIN 4108-3 2001, 2: 2014 to 2024).
inline InputData construction(const LayerSpecs &specs, int assessmentType = 2) {
    InputData input;
    for (const LayerSpec &s : specs)
        input.layers().append(MaterialLayer(testMaterial(s.lambda, s.mu), s.d));
    input.assessmentConditions().setAssessmentType(assessmentType);
    input.check();
    return input;
}

inline bool near(double actual, double expected, double tolerance) {
    return std::abs(actual - expected) <= tolerance;
}

inline QByteArray mismatch(const QString &what, double actual, double expected) {
    return QString("%1: got %2, expected %3")
        .arg(what)
        .arg(actual, 0, 'g', 12)
        .arg(expected, 0, 'g', 12)
        .toUtf8();
}

#define VERIFY_NEAR(what, actual, expected, tolerance)                                                       \
    QVERIFY2(near((actual), (expected), (tolerance)), mismatch((what), (actual), (expected)).constData())

#endif // CALCULATIONTESTHELPERS_H
