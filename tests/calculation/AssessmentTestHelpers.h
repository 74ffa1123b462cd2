#ifndef ASSESSMENTTESTHELPERS_H
#define ASSESSMENTTESTHELPERS_H

#include <utility>
#include <vector>

#include <QVector>

#include "MaterialLayer.h"

// Layers for the assessment tests. Only what the criteria read is set: density, water uptake
// coefficient (per square root of a second) and the wood flags.
enum LayerKind { Plain, Wood, WoodBased };

inline MaterialLayer assessmentLayer(double width, double rho = 1000, double Aw = 0.1,
                                     LayerKind kind = Plain) {
    Material m;
    m.name = QStringLiteral("layer");
    m.rho = rho;
    m.lambda = 0.5;
    m.mu = 10;
    m.m_Aw = Aw;
    m.setFlags(false, kind == Wood, kind == WoodBased, false);
    return MaterialLayer(m, width);
}

using ZoneList = std::vector<std::pair<int, int>>;

#endif // ASSESSMENTTESTHELPERS_H
