// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConstructionGenerator.h"

#include <QStringList>
#include <QVector>

#include <cmath>
#include <utility>

namespace {

enum Role { Lining, Retarder, Core, Insulation, AirSpace, Outer };

// lambda W/mK, mu, w_80 and w_sat m³/m³, A_w kg/(m²·s^0.5), thickness range in m: values of the
// bundled material table.
struct Kind {
    const char *name;
    Role role;
    double lambda, mu, w80, wsat, Aw;
    double dMin, dMax;
};

const Kind Kinds[] = {
    {"gypsum plaster", Lining, 0.51, 10, 0.006, 0.4, 0.15, 0.008, 0.02},
    {"lime plaster", Lining, 1.0, 15, 0.01, 0.28, 0.06, 0.01, 0.025},
    {"clay plaster", Lining, 0.73, 5, 0.03, 0.3, 0.05, 0.015, 0.035},
    {"gypsum board", Lining, 0.25, 4, 0.007, 0.35, 0.13, 0.0125, 0.025},
    {"gypsum fibreboard", Lining, 0.32, 13, 0.012, 0.4, 0.05, 0.01, 0.018},
    {"spruce boarding", Lining, 0.13, 50, 0.072, 0.55, 0.002, 0.019, 0.027},
    {"PE foil", Retarder, 0.33, 500000, 0.0001, 0.001, 0.0005, 0.0002, 0.0004},
    {"vapour retarder sd 2 m", Retarder, 0.2, 5000, 0.0001, 0.001, 0.0005, 0.0003, 0.0005},
    {"humidity-variable retarder", Retarder, 0.2, 20000, 0.0001, 0.001, 0.0005, 0.0002, 0.0004},
    {"bitumen vapour barrier", Retarder, 0.23, 375000, 0.0001, 0.001, 0.0005, 0.003, 0.004},
    {"OSB", Retarder, 0.13, 200, 0.088, 0.45, 0.002, 0.012, 0.022},
    {"solid brick", Core, 0.81, 10, 0.006, 0.24, 0.2, 0.115, 0.365},
    {"historic brick", Core, 0.68, 10, 0.0095, 0.37, 0.4, 0.24, 0.51},
    {"aerated concrete", Core, 0.13, 10, 0.016, 0.43, 0.07, 0.175, 0.365},
    {"calcium silicate masonry", Core, 0.99, 25, 0.024, 0.24, 0.045, 0.115, 0.24},
    {"perforated clay block", Core, 0.3, 10, 0.004, 0.09, 0.06, 0.24, 0.425},
    {"reinforced concrete", Core, 2.3, 130, 0.055, 0.13, 0.015, 0.12, 0.25},
    {"cross-laminated timber", Core, 0.13, 50, 0.075, 0.55, 0.002, 0.08, 0.2},
    {"mineral wool", Insulation, 0.035, 1, 0.0005, 0.9, 0.0005, 0.04, 0.3},
    {"EPS", Insulation, 0.035, 100, 0.0005, 0.05, 0.0005, 0.04, 0.24},
    {"XPS", Insulation, 0.035, 250, 0.0005, 0.01, 0.0005, 0.04, 0.2},
    {"wood fibre board", Insulation, 0.045, 5, 0.02, 0.5, 0.003, 0.04, 0.2},
    {"cellulose", Insulation, 0.04, 2, 0.007, 0.85, 0.005, 0.1, 0.3},
    {"calcium silicate board", Insulation, 0.065, 3, 0.02, 0.79, 1.1, 0.025, 0.1},
    {"cork board", Insulation, 0.045, 10, 0.0012, 0.1, 0.001, 0.04, 0.12},
    {"cellular glass", Insulation, 0.042, 1000000, 0.0005, 0.005, 0.0005, 0.05, 0.16},
    {"air space", AirSpace, 0.025, 1, 0.001, 0.01, 0, 0.01, 0.05},
    {"lime cement render", Outer, 1.0, 35, 0.015, 0.25, 0.035, 0.015, 0.025},
    {"silicate render", Outer, 0.7, 60, 0.01, 0.2, 0.005, 0.003, 0.008},
    {"fibre cement board", Outer, 0.45, 400, 0.04, 0.25, 0.01, 0.008, 0.012},
    {"wood fibre sarking", Outer, 0.045, 5, 0.02, 0.5, 0.003, 0.022, 0.08},
    {"breather membrane", Outer, 0.2, 100, 0.0001, 0.001, 0.0005, 0.0003, 0.0006},
    {"bitumen roofing", Outer, 0.23, 50000, 0.0001, 0.001, 0.0005, 0.004, 0.008},
    {"clinker brick", Outer, 0.96, 100, 0.004, 0.08, 0.02, 0.09, 0.115},
};

struct Group {
    const Kind *kind;
    double d;
    bool noUptake;
    int slices;
};

} // namespace

std::uint64_t ConstructionGenerator::random() {
    // splitmix64
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double ConstructionGenerator::uniform(double low, double high) {
    return low + (high - low) * static_cast<double>(random() >> 11) * 0x1.0p-53;
}

int ConstructionGenerator::integer(int low, int high) {
    return low + static_cast<int>(random() % static_cast<std::uint64_t>(high - low + 1));
}

bool ConstructionGenerator::chance(double probability) {
    return uniform(0, 1) < probability;
}

InputData ConstructionGenerator::next(int minLayers, int maxLayers) {
    const int n = integer(minLayers, maxLayers);
    const auto pick = [this](Role role) {
        QVector<const Kind *> kinds;
        for (const Kind &k : Kinds)
            if (k.role == role)
                kinds.append(&k);
        return kinds[integer(0, kinds.size() - 1)];
    };
    // First-generation files and users' own materials often have no water uptake coefficient.
    const auto group = [&](Role role) {
        const Kind *kind = pick(role);
        return Group{kind, uniform(kind->dMin, kind->dMax), chance(0.15), 1};
    };

    QVector<Group> groups;
    for (int i = integer(1, 2); i > 0; --i)
        groups.append(group(Lining));
    if (chance(0.35))
        groups.append(group(Retarder));
    for (int i = integer(0, 2); i > 0; --i)
        groups.append(group(chance(0.6) ? Core : Insulation));
    for (int i = integer(1, 2); i > 0; --i)
        groups.append(group(Insulation));
    if (chance(0.1))
        groups.append(group(AirSpace));
    for (int i = integer(1, 2); i > 0; --i)
        groups.append(group(Outer));
    for (int i = 0; i < groups.size(); ++i) // shuffle a little: not every wall is built in order
        if (chance(0.1)) {
            const int j = integer(0, groups.size() - 1);
            std::swap(groups[i], groups[j]);
        }
    while (groups.size() > n)
        groups.remove(integer(0, groups.size() - 1));
    // The remaining layers are slices of the thick ones, as a finer profile is modelled.
    for (int total = groups.size(); total < n; ++total) {
        int thickest = 0;
        for (int i = 1; i < groups.size(); ++i)
            if (groups[i].d / groups[i].slices > groups[thickest].d / groups[thickest].slices)
                thickest = i;
        const int target = chance(0.7) ? thickest : integer(0, groups.size() - 1);
        ++groups[target].slices;
    }

    InputData input;
    for (const Group &g : groups) {
        Material m(QString::fromLatin1(g.kind->name), MaterialCategory(MaterialCategory::BuildingBoards),
                   QString(), QString(), QString(), QString(), 500, g.kind->lambda, g.kind->mu, g.kind->w80,
                   g.kind->wsat, g.noUptake ? 0 : g.kind->Aw, 1);
        if (g.kind->role == AirSpace)
            m.setFlags(true, false, false, false);
        const double d = std::round(g.d / g.slices * 1e5) / 1e5; // to 0.01 mm, as typed
        for (int s = 0; s < g.slices; ++s)
            input.layers().append(MaterialLayer(m, d));
    }

    AssessmentConditions &ac = input.assessmentConditions();
    const double climate = uniform(0, 1);
    if (climate < 0.45) {
        ac.setAssessmentType(AssessmentConditions::DIN4108_2014);
    } else if (climate < 0.7) {
        ac.setAssessmentType(AssessmentConditions::DIN4108_2001);
    } else {
        using A = AssessmentConditions;
        ac.setValue(A::Temperature, A::Winter, true, std::round(uniform(18, 24)));
        ac.setValue(A::RelativeHumidity, A::Winter, true, std::round(uniform(35, 65)));
        ac.setValue(A::SurfaceResistance, A::Winter, true, chance(0.5) ? 0.13 : 0.25);
        ac.setValue(A::Temperature, A::Winter, false, std::round(uniform(-15, 2)));
        ac.setValue(A::RelativeHumidity, A::Winter, false, std::round(uniform(75, 95)));
        ac.setValue(A::SurfaceResistance, A::Winter, false, chance(0.5) ? 0.04 : 0.08);
        ac.setValue(A::Temperature, A::Summer, true, std::round(uniform(15, 25)));
        ac.setValue(A::RelativeHumidity, A::Summer, true, std::round(uniform(50, 75)));
        ac.setValue(A::Temperature, A::Summer, false, std::round(uniform(10, 20)));
        ac.setValue(A::RelativeHumidity, A::Summer, false, std::round(uniform(55, 80)));
        ac.setCondensationTime(std::round(uniform(60, 120)));
        ac.setEvaporationTime(std::round(uniform(60, 120)));
    }
    input.check();
    return input;
}

QString ConstructionGenerator::describe(const InputData &input) {
    QStringList layers;
    for (const MaterialLayer &layer : input.layers())
        layers << QStringLiteral("%1%2 %3 mm")
                      .arg(layer.material().name,
                           layer.material().m_Aw == 0 ? QStringLiteral(" (Aw 0)") : QString())
                      .arg(layer.width() * 1000, 0, 'g', 6);
    const AssessmentConditions &ac = input.assessmentConditions();
    const QString climate = QStringLiteral("inside %1 C / %2 %, outside %3 C / %4 %, summer %5 / %6 C, "
                                           "type %7")
                                .arg(ac.interiorClimate().temperature())
                                .arg(ac.interiorClimate().relativeHumidity())
                                .arg(ac.exteriorClimate().temperature())
                                .arg(ac.exteriorClimate().relativeHumidity())
                                .arg(ac.interiorSummerClimate().temperature())
                                .arg(ac.exteriorSummerClimate().temperature())
                                .arg(ac.assessmentType());
    return layers.join(QStringLiteral(" | ")) + QStringLiteral("; ") + climate;
}
