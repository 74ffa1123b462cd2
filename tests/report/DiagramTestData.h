#ifndef DIAGRAMTESTDATA_H
#define DIAGRAMTESTDATA_H

#include <QColor>
#include <QVector>

#include <vector>

#include "Calculation.h"
#include "CalculationResults.h"
#include "ExtendedCalculation.h"
#include "InputData.h"
#include "MaterialLayer.h"

namespace DiagramTest {

inline Material material(const QString &name, double lambda, double mu, double w80, double wsat,
                         double awPerHour, const QColor &color) {
    Material m(name, MaterialCategory(MaterialCategory::Miscellaneous), "", "", "", "", 1000, lambda, mu, w80,
               wsat, 0, 1);
    m.setAw(awPerHour, false);
    m.color = color;
    return m;
}

inline Material plaster() {
    return material("Gypsum plaster", 0.51, 10, 0.004, 0.4, 1.5, QColor(230, 220, 190));
}

/*! Layers of one plain material with the given widths (m), winter climate 20 °C / 50 % inside
    and -5 °C / 80 % outside (DIN 4108-3 2014). */
inline InputData construction(const std::vector<double> &widths, const Material &m = plaster()) {
    InputData d;
    for (double w : widths)
        d.layers().append(MaterialLayer(m, w));
    return d;
}

inline void setWinterTemperatures(InputData &d, double inside, double outside) {
    d.assessmentConditions().setValue(AssessmentConditions::Temperature, AssessmentConditions::Winter, true,
                                      inside);
    d.assessmentConditions().setValue(AssessmentConditions::Temperature, AssessmentConditions::Winter, false,
                                      outside);
}

/*! A results record as the calculation would leave it for a construction without
    condensation: temperatures linear over the layer count, straight vapour pressure line well
    below saturation, moisture contents below the hygroscopic limit. Every vector is sized. */
inline CalculationResults plainResults(const InputData &d) {
    const int n = d.layers().size();
    CalculationResults r;
    r.resize(n);
    r.calcState = CalculationResults::CS_NoCondensation;
    r.glaserCase = CalculationResults::GC_NoCondensation;
    const double ti = d.assessmentConditions().interiorClimate().temperature();
    const double te = d.assessmentConditions().exteriorClimate().temperature();
    for (int k = 0; k <= n; ++k) {
        const double f = n > 0 ? double(k) / n : 0;
        r.T_Glaser[k] = ti - 0.9 * f * (ti - te) - 0.05 * (ti - te);
        r.T[k] = r.T_Glaser[k];
        r.psat_Glaser[k] = 2300 - 1800 * f;
        r.psat[k] = r.psat_Glaser[k];
        r.pv_Glaser[k] = 1160 - 950 * f;
        r.pv[k] = r.pv_Glaser[k];
    }
    for (int i = 0; i < n; ++i) {
        r.w_left[i] = 0.001;
        r.w_right[i] = 0.002;
    }
    return r;
}

/*! Realistic constructions for the calculation: a timber frame wall whose insulation condenses
    against a tight outer board, and a rendered brick wall without condensation. */
inline InputData condensingWall() {
    InputData d;
    d.layers().append(
        MaterialLayer(material("Gypsum board", 0.25, 8, 0.006, 0.6, 0.3, QColor(235, 235, 225)), 0.0125));
    d.layers().append(
        MaterialLayer(material("Mineral wool", 0.035, 1, 0.0005, 0.9, 0.01, QColor(250, 230, 80)), 0.2));
    d.layers().append(
        MaterialLayer(material("Plywood", 0.13, 100, 0.09, 0.6, 0.06, QColor(200, 150, 90)), 0.019));
    d.layers().append(
        MaterialLayer(material("Exterior render", 0.7, 20, 0.01, 0.3, 0.5, QColor(190, 190, 200)), 0.01));
    return d;
}

inline InputData dryWall() {
    InputData d;
    d.layers().append(
        MaterialLayer(material("Lime plaster", 0.7, 10, 0.005, 0.35, 2, QColor(240, 230, 200)), 0.015));
    d.layers().append(
        MaterialLayer(material("Perforated brick", 0.16, 10, 0.006, 0.35, 6, QColor(200, 90, 60)), 0.365));
    d.layers().append(
        MaterialLayer(material("Lime cement render", 0.87, 5, 0.01, 0.3, 1, QColor(200, 200, 190)), 0.02));
    return d;
}

inline CalculationResults calculate(InputData &d) {
    d.check();
    Calculation calc;
    calc.calculate(d, Material::HeatFlowHorizontal);
    CalculationResults r = calc.results();
    // Until the calculation runs the zone calculation itself, run it here after a successful
    // standard procedure.
    if (r.calcState == CalculationResults::CS_InvalidInput &&
        r.glaserCase != CalculationResults::GC_InvalidInput && r.messages.isEmpty()) {
        QStringList messages;
        ExtendedCalculation().run(d, Material::HeatFlowHorizontal, r, messages);
    }
    return r;
}

} // namespace DiagramTest

#endif // DIAGRAMTESTDATA_H
