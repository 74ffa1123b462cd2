// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CALCULATIONTESTHELPERS_H
#define CALCULATIONTESTHELPERS_H

#include <QtTest>

#include <cmath>

#include "Calculation.h"
#include "CalculationResults.h"
#include "InputData.h"
#include "NearlyEqual.h"

inline CalculationResults calculate(const InputData &input,
                                    HeatFlowDirection direction = HeatFlowDirection::Horizontal) {
    Calculation calc;
    calc.calculate(input, direction);
    return calc.results();
}

// Building materials with the hygric values of the bundled examples (lambda W/mK, mu, w_80 and
// w_sat m³/m³, A_w kg/(m²·s^0.5)).
struct TestMaterial {
    const char *name;
    double lambda, mu, w80, wsat, Aw;
};

namespace TestMaterials {
constexpr TestMaterial gypsumBoard{"gypsum board", 0.25, 4, 0.007, 0.35, 0.13};
constexpr TestMaterial limePlaster{"lime plaster", 1.0, 15, 0.01, 0.28, 0.06};
constexpr TestMaterial limeCementRender{"lime cement render", 1.0, 35, 0.015, 0.25, 0.035};
constexpr TestMaterial brick{"solid brick", 0.81, 10, 0.006, 0.24, 0.2};
constexpr TestMaterial historicBrick{"historic brick", 0.68, 10, 0.0095, 0.37, 0.4};
constexpr TestMaterial calciumSilicate{"calcium silicate board", 0.065, 3, 0.02, 0.79, 1.1};
constexpr TestMaterial concrete{"reinforced concrete", 2.3, 130, 0.055, 0.13, 0.015};
constexpr TestMaterial mineralWool{"mineral wool", 0.035, 1, 0.0005, 0.9, 0.0005};
constexpr TestMaterial woodFibre{"wood fibre board", 0.045, 5, 0.02, 0.5, 0.003};
constexpr TestMaterial eps{"EPS", 0.035, 100, 0.0005, 0.05, 0.0005};
constexpr TestMaterial osb{"OSB", 0.13, 200, 0.072, 0.6, 0.002};
constexpr TestMaterial spruce{"spruce", 0.12, 50, 0.072, 0.55, 0.002};
// Non-capillary layers: no water uptake at all.
constexpr TestMaterial xps{"XPS", 0.035, 150, 0.0005, 0.05, 0};
constexpr TestMaterial bitumen{"bitumen membrane", 0.23, 50000, 0.0001, 0.001, 0};
constexpr TestMaterial peFoil{"PE foil", 0.33, 500000, 0.0001, 0.001, 0};
constexpr TestMaterial epsDry{"EPS without water uptake", 0.035, 100, 0.0005, 0.05, 0};
constexpr TestMaterial all[] = {
    gypsumBoard, limePlaster, limeCementRender, brick, historicBrick, calciumSilicate,
    concrete,    mineralWool, woodFibre,        eps,   osb,           spruce,
    xps,         bitumen,     peFoil,           epsDry};
} // namespace TestMaterials

struct TestLayer {
    TestMaterial material;
    double d; // m
};
using TestLayers = QVector<TestLayer>;

// A construction under the climate of an assessment type: 1 for DIN 4108-3 2001, 2 for 2014 to 2024
// (20 °C / 50 % with Rsi 0.25 inside, -5 °C / 80 % with Rse 0.04 outside, 90 days each).
inline InputData testConstruction(const TestLayers &layers, int assessmentType = 2) {
    InputData input;
    for (const TestLayer &l : layers) {
        const TestMaterial &m = l.material;
        input.layers().append(
            MaterialLayer(Material(m.name, MaterialCategory(MaterialCategory::BuildingBoards), "", "", "", "",
                                   1000, m.lambda, m.mu, m.w80, m.wsat, m.Aw, 1),
                          l.d));
    }
    input.assessmentConditions().setAssessmentType(assessmentType);
    input.check();
    return input;
}

// One layer of a Glaser test construction: thickness in m, conductivity in W/mK, resistance factor.
struct GlaserLayer {
    double d, lambda, mu;
};
using GlaserLayers = QVector<GlaserLayer>;

inline InputData construction(const GlaserLayers &glaserLayers, int assessmentType = 2) {
    TestLayers layers;
    for (const GlaserLayer &g : glaserLayers)
        layers.append({{"Test", g.lambda, g.mu, 0.02, 0.5, 0.001}, g.d});
    return testConstruction(layers, assessmentType);
}

#endif // CALCULATIONTESTHELPERS_H
