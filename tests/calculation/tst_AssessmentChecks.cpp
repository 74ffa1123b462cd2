// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <climits>
#include <limits>

#include "AssessmentChecks.h"
#include "CalculationTestHelpers.h"
#include "MinimumHeatResistance.h"
#include "TemperatureFactorCheck.h"

using ZoneList = std::vector<std::pair<int, int>>;
using Layers = QVector<MaterialLayer>;
Q_DECLARE_METATYPE(ZoneList)
Q_DECLARE_METATYPE(MaterialLayer)
Q_DECLARE_METATYPE(CalculationResults)
Q_DECLARE_METATYPE(AssessmentSettings)
Q_DECLARE_METATYPE(InputData)

namespace {

const double Day = 86400;
enum LayerKind { Plain, Wood, WoodBased };

// Only what the criteria read: density, water uptake coefficient (per square root of a second),
// the wood flags.
MaterialLayer layer(double width, double rho = 1000, double Aw = 0.1, LayerKind kind = Plain) {
    Material m;
    m.rho = rho;
    m.m_Aw = Aw;
    m.setFlags(false, kind == Wood, kind == WoodBased, false);
    return MaterialLayer(m, width);
}

// Under the default climate: 20 °C and 50 % inside, Rse 0.04.
InputData construction(const Layers &layers) {
    InputData input;
    input.layers() = layers;
    return input;
}

// A result with condensation in the given zones. R_dry 2.0 meets every minimum resistance.
CalculationResults condensation(const ZoneList &zones, double mc, double tDryDays, int calcState = 9) {
    CalculationResults r;
    r.calcState = calcState;
    r.glaserCase = CalculationResults::GC_NoCondensation;
    r.zones = zones;
    r.R_dry = 2.0;
    r.mc_0 = r.mc = mc;
    r.t_dry = tDryDays * Day;
    r.mev = 2 * mc;
    return r;
}

AssessmentSettings settings(int edition, double dryingReserve = 0, double userAwPerSecond = 0.2 / 60) {
    AssessmentSettings s;
    s.m_accordanceType = edition;
    s.m_dryingReserve = dryingReserve;
    s.m_nonCapillarAw = userAwPerSecond;
    return s;
}

// Row kinds and verdicts in display order, written compactly: "C+" is a fulfilled capillary
// condensate row, "L" the edition line without a verdict, and so on.
QString summary(const QVector<CheckRow> &rows) {
    QStringList parts;
    for (const CheckRow &row : rows) {
        static const char *const codes[] = {"R", "F", "C", "N",  "L",  "W",   "WB",
                                            "T", "D", "G", "GN", "GW", "GWB", "GE"};
        parts << QString(codes[row.kind]) + (!row.hasVerdict() ? "" : row.isFulfilled() ? "+" : "-");
    }
    return parts.join(' ');
}

// Only the lines judging the standard procedure.
QString standardSummary(const QVector<CheckRow> &rows) {
    QVector<CheckRow> standard;
    for (const CheckRow &row : rows)
        if (row.group() == CheckRow::StandardProcedure)
            standard.append(row);
    return summary(standard);
}

// A standard procedure with the outcome \a glaserCase, condensing at the interface \a runs; the
// zone calculation found nothing.
CalculationResults glaser(int glaserCase, const ZoneList &runs, double mc, double mev) {
    CalculationResults r = condensation({}, 0, 0, CalculationResults::CS_NoCondensation);
    r.glaserCase = glaserCase;
    r.condRanges_Glaser = runs;
    r.mc_Glaser = mc;
    r.mev_Glaser = mev;
    return r;
}

} // namespace

class tst_AssessmentChecks : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void rows_data();
    void rows();
    void texts();
    void germanNumbers();
    void legacyAccordanceKey();
    void standardProcedure_data();
    void standardProcedure();
    void standardProcedureCalculated_data();
    void standardProcedureCalculated();
    void minimumResistance_data();
    void minimumResistance();
    void temperatureFactor_data();
    void temperatureFactor();
};

void tst_AssessmentChecks::rows_data() {
    QTest::addColumn<Layers>("layers");
    QTest::addColumn<CalculationResults>("results");
    QTest::addColumn<AssessmentSettings>("settings");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char *name, const Layers &layers, double mc, const char *expected,
                        const AssessmentSettings &s = {}, const ZoneList &zones = {{0, 1}},
                        double tDry = 30) {
        QTest::newRow(name) << layers << condensation(zones, mc, tDry) << s << QString(expected);
    };
    const MaterialLayer capillary = layer(0.1), foil = layer(0.001, 1000, 0.001); // 0.06 per hour
    const MaterialLayer board = layer(0.05, 1000, 0.003);                         // 0.18 per hour
    const MaterialLayer wood20 = layer(0.02, 500, 0.1, Wood), osb = layer(0.015, 600, 0.1, WoodBased);
    const Layers plain{capillary, capillary, capillary}, withFoil{capillary, foil, capillary};
    const AssessmentSettings reserve = settings(AssessmentSettings::DIN4108_3_2018_2024, 0.1);
    AssessmentSettings frsi, minimum2004;
    frsi.m_frsiCheck = true;
    minimum2004.m_minimumHeatResVersion = 0;
    minimum2004.m_minimumHeatResConstruction = 10; // 1.75
    CalculationResults none = condensation({}, 0, 0, CalculationResults::CS_NoCondensation);
    QTest::newRow("no condensation") << plain << none << AssessmentSettings() << "R+ C+ T+";
    // R_dry 2.0 with Rse 0.04: fRsi = 2.04 / 2.29 = 0.89 >= 0.7.
    QTest::newRow("fRsi check") << plain << none << frsi << "R+ F+ C+ T+";
    none.R_dry = 1.7;
    QTest::newRow("minimum resistance missed") << plain << none << minimum2004 << "R- C+ T+";
    // Condensate with capillary suction: the limit 1.0 itself fails.
    row("capillary 0.999", plain, 0.999, "R+ C+ T+");
    row("capillary exactly 1.0", plain, 1.0, "R+ C- T+");
    // A zone touching a foil: 0.5 kg/m² and the edition line; zone ends beyond the layers are harmless.
    row("non-capillary 0.4", withFoil, 0.4, "R+ N+ L T+");
    row("non-capillary 0.5", withFoil, 0.5, "R+ N- L T+");
    row("foil outside the zone", withFoil, 0.5, "R+ C+ T+", {}, {{2, 2}});
    row("zone beyond the layers", withFoil, 0.5, "R+ N- L T+", {}, {{INT_MIN, INT_MAX}});
    // A coefficient at the limit counts as non-capillary; 0.18 per hour only for 2001 (0.2) and 2014 (0.5).
    row("0.1 per hour, 2018", {capillary, layer(0.05, 1000, 0.1 / 60)}, 0.6, "R+ N- L T+");
    row("0.18 per hour, 2018", {capillary, board}, 0.6, "R+ C+ T+");
    row("0.18 per hour, 2014", {capillary, board}, 0.6, "R+ N- L T+",
        settings(AssessmentSettings::DIN4108_3_2014));
    row("0.18 per hour, 2001", {capillary, board}, 0.6, "R+ N- L T+",
        settings(AssessmentSettings::DIN4108_3_2001));
    // 20 mm wood of 500 kg/m³ tolerates less than 0.5 kg/m²; 10 mm less than 0.25.
    row("wood 0.4", {capillary, wood20}, 0.4, "R+ C+ W+ T+");
    row("wood 0.5", {capillary, wood20}, 0.5, "R+ C+ W- T+");
    row("thinnest wood decides", {wood20, layer(0.01, 500, 0.1, Wood)}, 0.25, "R+ C+ W- T+");
    row("wood outside the zone", {capillary, capillary, wood20}, 0.5, "R+ C+ T+");
    // With wood-based material (limit 0.27) in the zone its row replaces the wood row.
    row("wood and wood-based 0.2", {osb, wood20}, 0.2, "R+ C+ WB+ T+");
    row("wood and wood-based 0.27", {osb, wood20}, 0.27, "R+ C+ WB- T+");
    // Thin wood (5 mm, limit 0.125) beside the board: the wood-based line must not hide it.
    row("thin wood beside wood-based", {osb, layer(0.005, 500, 0.1, Wood)}, 0.2, "R+ C+ WB- T+");
    // Drying within 90 days; a negative drying time means it does not dry at all.
    row("drying 90 d", plain, 0.3, "R+ C+ T-", {}, {{0, 1}}, 90);
    row("no drying", plain, 0.3, "R+ C+ T-", {}, {{0, 1}}, -1 / Day);
    // Drying reserve 0.1: mev must exceed mc + 0.1.
    CalculationResults dried = condensation({{0, 1}}, 0.3, 30);
    dried.mev = 0.35;
    QTest::newRow("reserve missed") << plain << dried << reserve << "R+ C+ T+ D-";
    dried.mev = 0.41;
    QTest::newRow("reserve met") << plain << dried << reserve << "R+ C+ T+ D+";
    // Without a valid condensation result the reset values (mc 0, drying time 0) would pass every
    // check: only a finished calculation may. The minimum resistance depends on the dry values alone.
    for (int state : {0, 1, 2, 4, 5, 6, 7}) {
        CalculationResults r = condensation({{0, 1}}, 0, 0, state);
        r.mc_0 = 0.2; // left over from an earlier pass
        r.mev = 1.0;
        QTest::addRow("calcState %d", state)
            << Layers{capillary, wood20} << r << reserve << (state < 6 ? "R+ C- W- T- D-" : "R+ C+ W+ T+ D+");
    }
}

void tst_AssessmentChecks::rows() {
    QFETCH(Layers, layers);
    QFETCH(CalculationResults, results);
    QFETCH(AssessmentSettings, settings);
    QFETCH(QString, expected);
    const AssessmentChecks checks(construction(layers), results, settings);
    // The lines of the standard procedure follow all others; without condensation in it they pass.
    QCOMPARE(summary(checks.rows()), expected + " G+ GE+");
    QCOMPARE(checks.allFulfilled(), !expected.contains('-'));
}

void tst_AssessmentChecks::standardProcedure_data() {
    QTest::addColumn<Layers>("layers");
    QTest::addColumn<CalculationResults>("results");
    QTest::addColumn<AssessmentSettings>("settings");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char *name, const Layers &layers, CalculationResults results,
                        const char *expected, const AssessmentSettings &s = {}) {
        QTest::newRow(name) << layers << results << s << QString(expected);
    };
    const int plane = CalculationResults::GC_OnePlane;
    const MaterialLayer capillary = layer(0.1), foil = layer(0.001, 1000, 0.001); // 0.06 per hour
    const MaterialLayer board = layer(0.05, 1000, 0.003);                         // 0.18 per hour
    const MaterialLayer wood20 = layer(0.02, 500, 0.1, Wood), osb = layer(0.015, 600, 0.1, WoodBased);
    const Layers plain{capillary, capillary, capillary, capillary};
    const Layers foilSecond{capillary, foil, capillary, capillary};

    row("no condensation", plain, glaser(CalculationResults::GC_NoCondensation, {}, 0, 0), "G+ GE+");
    // The limit itself passes; the whole mass must evaporate in summer.
    row("1.0 kg/m2", plain, glaser(plane, {{2, 2}}, 1.0, 2.0), "G+ GE+");
    row("1.001 kg/m2", plain, glaser(plane, {{2, 2}}, 1.001, 2.0), "G- GE+");
    row("evaporates exactly Mc", plain, glaser(plane, {{2, 2}}, 0.5, 0.5), "G+ GE+");
    row("evaporates less than Mc", plain, glaser(plane, {{2, 2}}, 0.5, 0.499), "G+ GE-");
    // An interface touches the layers on both sides: the foil is layer 1, between interfaces 1 and 2.
    row("plane behind a foil 0.5", foilSecond, glaser(plane, {{2, 2}}, 0.5, 2), "GN+ GE+");
    row("plane behind a foil 0.501", foilSecond, glaser(plane, {{2, 2}}, 0.501, 2), "GN- GE+");
    row("plane before a foil", foilSecond, glaser(plane, {{1, 1}}, 0.6, 2), "GN- GE+");
    row("plane one layer from a foil", foilSecond, glaser(plane, {{3, 3}}, 0.6, 2), "G+ GE+");
    // A run of interfaces k1..kl touches the layers k1 - 1 to kl.
    row("zone starting behind a foil", foilSecond, glaser(CalculationResults::GC_OneZone, {{2, 4}}, 0.6, 2),
        "GN- GE+");
    row("second of two planes beside a foil", {capillary, capillary, capillary, foil, capillary},
        glaser(CalculationResults::GC_TwoPlanes, {{1, 1}, {3, 3}}, 0.6, 2), "GN- GE+");
    // The water uptake limit of the edition decides, as for the zones.
    row("0.18 per hour, 2018", {capillary, board, capillary}, glaser(plane, {{1, 1}}, 0.6, 2), "G+ GE+");
    row("0.18 per hour, 2014", {capillary, board, capillary}, glaser(plane, {{1, 1}}, 0.6, 2), "GN- GE+",
        settings(AssessmentSettings::DIN4108_3_2014));
    // 20 mm wood of 500 kg/m³ tolerates less than 0.5 kg/m².
    row("plane beside wood 0.4", {capillary, wood20, capillary}, glaser(plane, {{2, 2}}, 0.4, 2),
        "G+ GW+ GE+");
    row("plane beside wood 0.5", {capillary, wood20, capillary}, glaser(plane, {{2, 2}}, 0.5, 2),
        "G+ GW- GE+");
    row("wood one layer away", {wood20, capillary, capillary}, glaser(plane, {{2, 2}}, 0.5, 2), "G+ GE+");
    // Wood-based material (15 mm of 600 kg/m³: 0.27) replaces the wood line; thin wood still counts.
    row("plane between wood-based and wood 0.2", {osb, wood20}, glaser(plane, {{1, 1}}, 0.2, 2),
        "G+ GWB+ GE+");
    row("plane between wood-based and wood 0.27", {osb, wood20}, glaser(plane, {{1, 1}}, 0.27, 2),
        "G+ GWB- GE+");
    row("thin wood beside wood-based", {osb, layer(0.005, 500, 0.1, Wood)}, glaser(plane, {{1, 1}}, 0.2, 2),
        "G+ GWB- GE+");
    // No closed result: the masses left at zero must not pass.
    for (int outcome : {1, 3, 4, 5})
        QTest::addRow("glaserCase %d", outcome)
            << Layers{capillary, wood20, capillary} << glaser(outcome, {{1, 2}}, 0, 0) << AssessmentSettings()
            << "G- GW- GE-";
}

void tst_AssessmentChecks::standardProcedure() {
    QFETCH(Layers, layers);
    QFETCH(CalculationResults, results);
    QFETCH(AssessmentSettings, settings);
    QFETCH(QString, expected);
    const AssessmentChecks checks(construction(layers), results, settings);
    // The zone calculation found nothing: its lines pass and stand in front, unchanged.
    QCOMPARE(summary(checks.rows()), "R+ C+ T+ " + expected);
    QCOMPARE(checks.allFulfilled(), !expected.contains('-'));
    QCOMPARE(summary(AssessmentChecks::standardProcedureRows(layers, results, settings)), expected);
}

// Whole calculations: the outcome of the standard procedure and its verdicts.
void tst_AssessmentChecks::standardProcedureCalculated_data() {
    QTest::addColumn<InputData>("input");
    QTest::addColumn<int>("glaserCase");
    QTest::addColumn<QString>("expected");
    using namespace TestMaterials;
    QTest::newRow("no condensation")
        << testConstruction({{limePlaster, 0.015}, {brick, 0.24}, {eps, 0.12}, {limeCementRender, 0.01}})
        << int(CalculationResults::GC_NoCondensation) << "G+ GE+";
    // 5 cm of concrete: the inner surface is at about 0 °C.
    QTest::newRow("surface condensation") << testConstruction({{concrete, 0.05}})
                                          << int(CalculationResults::GC_CondensationInnerSurface) << "G- GE-";
    // Interior insulation without a vapour retarder condenses on the brick, beside the mineral
    // wool, which takes up no water by capillary suction: far more than summer can dry.
    QTest::newRow("plane beside mineral wool")
        << testConstruction(
               {{gypsumBoard, 0.0125}, {mineralWool, 0.1}, {brick, 0.24}, {limeCementRender, 0.02}})
        << int(CalculationResults::GC_OnePlane) << "GN- GE-";
}

void tst_AssessmentChecks::standardProcedureCalculated() {
    QFETCH(InputData, input);
    QFETCH(int, glaserCase);
    QFETCH(QString, expected);
    const CalculationResults results = calculate(input);
    QCOMPARE(results.glaserCase, glaserCase);
    QCOMPARE(standardSummary(AssessmentChecks(input, results, AssessmentSettings()).rows()), expected);
}

void tst_AssessmentChecks::texts() {
    CalculationResults results = condensation({{0, 1}}, 0.3, 30);
    results.mev = 2.0;
    // 1500 g: no group separator.
    const AssessmentChecks checks(construction({layer(0.1, 1000, 0.001), layer(0.02, 500, 0.1, Wood)}),
                                  results, settings(AssessmentSettings::UserDefined, 1.5, 0.3 / 60));
    const QStringList labels{
        "DIN 4108-2 2013 Tab. 3 row 1, thermal resistance  R >= 1.20 m<sup>2</sup>K/W",
        "DIN 4108-3 (no capillary suction) M<sub>c</sub> &lt;= 0.5kg/m<sup>2</sup>",
        "Check accordinguser defined data with A<sub>w</sub> &le; 0.3 kg/m<sup>2</sup>h<sup>0.5</sup>",
        QString::fromUtf8("DIN 4108-3 (Wood) \u0394u<sub>m</sub> &lt; 5%"),
        "Drying time in summer t<sub>ev</sub> &lt; 90d",
        "Check for drying reserve of 1500 g/m<sup>2</sup>a according DIN 68800-2",
        "DIN 4108-3 (Glaser period balance) M<sub>c</sub> &lt;= 1.0kg/m<sup>2</sup>",
        "DIN 4108-3 (Glaser period balance) M<sub>ev</sub> &gt;= M<sub>c</sub>",
    };
    QCOMPARE(checks.rows().size(), labels.size());
    for (int i = 0; i < labels.size(); ++i)
        QCOMPARE(checks.rows()[i].label, labels[i]);
    QVERIFY(checks.rows()[2].value.isEmpty());
    QCOMPARE(checks.note(),
             QString::fromUtf8("The current calculation don't use the same water uptake value as check "
                               "for non-capillar material as the standard DIN 4108-3 from 2014, 2018 "
                               "or 2024.<br/>Used value: 0.3 kg/m²h½.<br/>This is admissible because "
                               "TAVO is a advanced software as per appendix D DIN 4108-3."));
    QCOMPARE(AssessmentChecks::editionCheckText(0), QString("Check according DIN 4108-3 2001"));
    QCOMPARE(AssessmentChecks::editionCheckText(2), QString("Check according DIN 4108-3 2018 and 2024"));
    const AssessmentChecks based(construction({layer(0.015, 600, 0.1, WoodBased)}),
                                 condensation({{0, 0}}, 0.1, 30), AssessmentSettings());
    QCOMPARE(based.rows()[1].label,
             QString("DIN 4108-3 (with capillary suction) M<sub>c</sub> &lt;= 1.0kg/m<sup>2</sup>"));
    QCOMPARE(based.rows()[2].label,
             QString::fromUtf8("DIN 4108-3 (Wood based material) \u0394u<sub>m</sub> &lt; 3%"));
    QVERIFY(based.note().isEmpty());
    // The standard procedure's lines with a foil, wood and wood-based material beside the plane.
    const auto standardLabels = [](const Layers &layers) {
        QStringList labels;
        for (const CheckRow &row : AssessmentChecks::standardProcedureRows(
                 layers, glaser(CalculationResults::GC_OnePlane, {{1, 1}}, 0.1, 1), AssessmentSettings()))
            labels << row.label;
        return labels;
    };
    const QString mev = "DIN 4108-3 (Glaser period balance) M<sub>ev</sub> &gt;= M<sub>c</sub>";
    QCOMPARE(standardLabels({layer(0.001, 1000, 0.001), layer(0.02, 500, 0.1, Wood)}),
             QStringList({"DIN 4108-3 (Glaser period balance) M<sub>c</sub> &lt;= 0.5kg/m<sup>2</sup>",
                          QString::fromUtf8("DIN 4108-3 (Glaser period balance) (wood) \u0394u<sub>m</sub> "
                                            "&lt; 5%"),
                          mev}));
    QCOMPARE(standardLabels({layer(0.015, 600, 0.1, WoodBased), layer(0.1)}),
             QStringList({"DIN 4108-3 (Glaser period balance) M<sub>c</sub> &lt;= 1.0kg/m<sup>2</sup>",
                          QString::fromUtf8("DIN 4108-3 (Glaser period balance) (wood based material) "
                                            "\u0394u<sub>m</sub> &lt; 3%"),
                          mev}));
    QVERIFY(DINCriteriaResult({}, {}, settings(AssessmentSettings::UserDefined, 0, 0)).note().isEmpty());
}

void tst_AssessmentChecks::germanNumbers() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const AssessmentChecks checks(construction({layer(0.1, 1000, 0.001)}), condensation({{0, 0}}, 0.3, 30),
                                  AssessmentSettings());
    QCOMPARE(checks.rows()[2].label,
             QString("Check according DIN 4108-3 2018 and 2024 with A<sub>w</sub> &le; 0,1 "
                     "kg/m<sup>2</sup>h<sup>0.5</sup>"));
    QCOMPARE(AssessmentChecks::minimumThermalResistanceRow(2.0, 1, 10).label,
             QString("DIN 4108-2 2013 Tab. 3 row 4.1, thermal resistance  R >= 1,75 m<sup>2</sup>K/W"));
    const CheckRow row = AssessmentChecks::temperatureFactorRow(20, 50, 1.0, 0.04);
    QCOMPARE(row.label, QString("DIN 4108-2 Check for minmal <i>f</i><sub>Rsi</sub> &gt;= 0,7"));
    QCOMPARE(row.value, QString("<i>f</i><sub>Rsi</sub> = 0,81"));
}

void tst_AssessmentChecks::legacyAccordanceKey() {
    QCOMPARE(AssessmentSettings::accordanceTypeFromStored(1, false, true), 1);
    QCOMPARE(AssessmentSettings::accordanceTypeFromStored(0, true, true), 2);  // the old key wins
    QCOMPARE(AssessmentSettings::accordanceTypeFromStored(2, true, false), 3); // false: user defined
}

void tst_AssessmentChecks::minimumResistance_data() {
    QTest::addColumn<int>("edition");
    QTest::addColumn<int>("id");
    QTest::addColumn<double>("R_dry");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("fulfilled");
    const QString label = "DIN 4108-2 %1 Tab. 3 row %2, thermal resistance  R >= %3 m<sup>2</sup>K/W";
    // The requirement is R >= R min: exactly 1.2 passes.
    QTest::newRow("outer wall exactly 1.2")
        << 0 << 0 << 1.2 << "Outer wall" << label.arg(2004).arg(1).arg("1.20") << true;
    QTest::newRow("outer wall 1.19") << 0 << 0 << 1.19 << "Outer wall" << label.arg(2004).arg(1).arg("1.20")
                                     << false;
    // Ids shared by both editions name the element of the edition asked for.
    QTest::newRow("2004 id 8") << 0 << 8 << 0.9 << "Ceiling below attic" << label.arg(2004).arg(9).arg("0.90")
                               << true;
    QTest::newRow("2013 id 8") << 1 << 8 << 0.9 << "Ceiling to ventilated roof space or to non heated room"
                               << label.arg(2013).arg("3.2 3.3").arg("0.90") << true;
    // A stored id of the other edition that this one lacks.
    QTest::newRow("2013 with 2004 id 0")
        << 1 << 0 << 1.3 << "Unknown" << label.arg(2013).arg("").arg("1.20") << true;
}

void tst_AssessmentChecks::minimumResistance() {
    QFETCH(int, edition);
    QFETCH(int, id);
    QFETCH(double, R_dry);
    QFETCH(QString, name);
    QFETCH(QString, label);
    QFETCH(bool, fulfilled);
    QCOMPARE(MinimumHeatResistance::elementName(edition, id), name);
    QCOMPARE(MinimumHeatResistance::hasElement(edition, id), name != "Unknown");
    const CheckRow row = AssessmentChecks::minimumThermalResistanceRow(R_dry, edition, id);
    QCOMPARE(row.label, label);
    QCOMPARE(row.isFulfilled(), fulfilled);
    QCOMPARE(row.value, fulfilled
                            ? QString("<b>Requirement fulfilled</b>")
                            : QString("<font color=\"#FF0000\"><b>Requirement not fulfilled</b></font>"));
}

void tst_AssessmentChecks::temperatureFactor_data() {
    QTest::addColumn<double>("thetaI");
    QTest::addColumn<double>("phiI");
    QTest::addColumn<double>("thetaSiMin");
    QTest::addColumn<double>("R");
    QTest::addColumn<QString>("limit");
    QTest::addColumn<QString>("value"); // fRsi with Rse 0.04 and Rsi 0.25
    const QString red = "<font color=\"#FF0000\"><b>%1</b></font>";
    // θsi,min = 0.625^0.1247 × 129.8 − 109.8 = 12.61 °C; (12.61 + 5) / 25 = 0.704 is cut to 0.7.
    // R 1.0: fRsi = 1.04 / 1.29 = 0.806.
    QTest::newRow("20/50, R 1.0") << 20.0 << 50.0 << 12.61 << 1.0 << "0.7"
                                  << "0.81";
    QTest::newRow("20/50, R 0.1") << 20.0 << 50.0 << 12.61 << 0.1 << "0.7" << red.arg("0.36");
    // At 80 % the surface must be as warm as the air: the requirement is 1.0 and nothing passes.
    QTest::newRow("20/80") << 20.0 << 80.0 << 20.0 << 5.0 << "1.0" << red.arg("0.95");
    // θsi,min = 15.98 °C, (15.98 + 5) / 27 = 0.777: truncated to 0.7, not rounded to 0.8, so 0.75 passes.
    QTest::newRow("22/55 truncates") << 22.0 << 55.0 << 15.98 << 0.7 << "0.7"
                                     << "0.75";
}

void tst_AssessmentChecks::temperatureFactor() {
    QFETCH(double, thetaI);
    QFETCH(double, phiI);
    QFETCH(double, thetaSiMin);
    QFETCH(double, R);
    QFETCH(QString, limit);
    QFETCH(QString, value);
    const double theta = TemperatureFactorCheck::thetaSiMin(thetaI, phiI);
    QVERIFY2(qAbs(theta - thetaSiMin) < 0.005, qPrintable(QString::number(theta)));
    QCOMPARE(TemperatureFactorCheck::fRsiMin(thetaI, phiI), limit.toDouble());
    const CheckRow row = AssessmentChecks::temperatureFactorRow(thetaI, phiI, R, 0.04);
    QCOMPARE(row.label, "DIN 4108-2 Check for minmal <i>f</i><sub>Rsi</sub> &gt;= " + limit);
    QCOMPARE(row.value, "<i>f</i><sub>Rsi</sub> = " + value);
    QCOMPARE(row.isFulfilled(), !value.contains("FF0000"));
}

QTEST_GUILESS_MAIN(tst_AssessmentChecks)
#include "tst_AssessmentChecks.moc"
