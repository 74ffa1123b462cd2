#include <QtTest>

#include "AssessmentChecks.h"
#include "AssessmentTestHelpers.h"

Q_DECLARE_METATYPE(ZoneList)
Q_DECLARE_METATYPE(MaterialLayer)
Q_DECLARE_METATYPE(CalculationResults)
Q_DECLARE_METATYPE(AssessmentSettings)

namespace {

const double Day = 86400;

// Row kinds and verdicts in display order, written compactly: "C+" is a fulfilled capillary
// condensate row, "L" the edition line without a verdict, and so on.
QString summary(const QVector<CheckRow> &rows) {
    QStringList parts;
    for (const CheckRow &row : rows) {
        static const char *const codes[] = {"R", "F", "C", "N", "L", "W", "WB", "T", "D"};
        QString code = QString::fromLatin1(codes[row.kind]);
        if (row.hasVerdict())
            code += row.isFulfilled() ? '+' : '-';
        parts << code;
    }
    return parts.join(' ');
}

InputData construction(const QVector<MaterialLayer> &layers) {
    InputData input;
    input.layers() = layers;
    AssessmentConditions &c = input.assessmentConditions();
    c.setValue(AssessmentConditions::Temperature, AssessmentConditions::Winter, true, 20);
    c.setValue(AssessmentConditions::RelativeHumidity, AssessmentConditions::Winter, true, 50);
    c.setValue(AssessmentConditions::SurfaceResistance, AssessmentConditions::Winter, false, 0.04);
    return input;
}

// A result with condensation in the given zones. R_dry 2.0 meets every minimum resistance.
CalculationResults condensation(const ZoneList &zones, double mc, double tDryDays, int calcState = 9) {
    CalculationResults r;
    r.calcState = calcState;
    r.zones = zones;
    r.R_dry = 2.0;
    r.mc_0 = mc;
    r.mc = mc;
    r.t_dry = tDryDays * Day;
    r.mev = 2 * mc;
    return r;
}

} // namespace

class tst_AssessmentChecks : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void rows_data();
    void rows();
    void failedCalculationFailsChecks_data();
    void failedCalculationFailsChecks();
    void texts();
    void germanNumbers();
};

void tst_AssessmentChecks::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void tst_AssessmentChecks::cleanup() {
    initTestCase();
}

void tst_AssessmentChecks::rows_data() {
    QTest::addColumn<QVector<MaterialLayer>>("layers");
    QTest::addColumn<CalculationResults>("results");
    QTest::addColumn<AssessmentSettings>("settings");
    QTest::addColumn<QString>("expected");

    const MaterialLayer capillary = assessmentLayer(0.1, 1000, 0.1);
    const MaterialLayer foil = assessmentLayer(0.001, 1000, 0.001); // 0.06 per hour
    const MaterialLayer board = assessmentLayer(0.05, 1000, 0.003); // 0.18 per hour
    const MaterialLayer wood20 = assessmentLayer(0.02, 500, 0.1, Wood);
    const MaterialLayer osb = assessmentLayer(0.015, 600, 0.1, WoodBased); // limit 0.27
    const QVector<MaterialLayer> plain{capillary, capillary, capillary};
    const ZoneList zone{{0, 1}};
    const AssessmentSettings defaults;
    AssessmentSettings frsi;
    frsi.m_frsiCheck = true;
    AssessmentSettings edition2014;
    edition2014.m_accordanceType = AssessmentSettings::DIN4108_3_2014;
    AssessmentSettings reserve;
    reserve.m_dryingReserve = 0.1;
    AssessmentSettings minimum2004;
    minimum2004.m_minimumHeatResVersion = 0;
    minimum2004.m_minimumHeatResConstruction = 10; // 1.75

    CalculationResults none;
    none.calcState = CalculationResults::CS_NoCondensation;
    none.R_dry = 2.0;
    QTest::newRow("no condensation") << plain << none << defaults << "R+ C+ T+";
    QTest::newRow("no condensation, reserve set") << plain << none << reserve << "R+ C+ T+";
    CalculationResults single = none;
    single.calcState = CalculationResults::CS_SingleLayer;
    QTest::newRow("single layer") << plain << single << defaults << "R+ C+ T+";
    CalculationResults thin = none;
    thin.R_dry = 1.7;
    QTest::newRow("minimum resistance missed") << plain << thin << minimum2004 << "R- C+ T+";
    // R_dry 2.0 with Rse 0.04: fRsi = 2.04 / 2.29 = 0.89 >= 0.7.
    QTest::newRow("fRsi check") << plain << none << frsi << "R+ F+ C+ T+";

    // Condensate with capillary suction: the limit 1.0 itself fails.
    QTest::newRow("capillary 0.999") << plain << condensation(zone, 0.999, 30) << defaults << "R+ C+ T+";
    QTest::newRow("capillary exactly 1.0") << plain << condensation(zone, 1.0, 30) << defaults << "R+ C- T+";

    // A zone touching a foil: 0.5 kg/m² and the edition line.
    const QVector<MaterialLayer> withFoil{capillary, foil, capillary};
    QTest::newRow("non-capillary 0.4") << withFoil << condensation(zone, 0.4, 30) << defaults << "R+ N+ L T+";
    QTest::newRow("non-capillary 0.5") << withFoil << condensation(zone, 0.5, 30) << defaults << "R+ N- L T+";
    QTest::newRow("foil outside the zone")
        << withFoil << condensation(ZoneList{{2, 2}}, 0.5, 30) << defaults << "R+ C+ T+";
    // 0.18 per hour is capillary for 2018/2024, not for 2014.
    const QVector<MaterialLayer> withBoard{capillary, board};
    QTest::newRow("board, 2018") << withBoard << condensation(zone, 0.6, 30) << defaults << "R+ C+ T+";
    QTest::newRow("board, 2014") << withBoard << condensation(zone, 0.6, 30) << edition2014 << "R+ N- L T+";

    // 20 mm wood of 500 kg/m³ tolerates less than 0.5 kg/m².
    const QVector<MaterialLayer> withWood{capillary, wood20};
    QTest::newRow("wood 0.4") << withWood << condensation(zone, 0.4, 30) << defaults << "R+ C+ W+ T+";
    QTest::newRow("wood 0.5") << withWood << condensation(zone, 0.5, 30) << defaults << "R+ C+ W- T+";
    // With wood-based material in the zone its row replaces the wood row.
    const QVector<MaterialLayer> withBoth{osb, wood20};
    QTest::newRow("wood and wood-based 0.2")
        << withBoth << condensation(zone, 0.2, 30) << defaults << "R+ C+ WB+ T+";
    QTest::newRow("wood and wood-based 0.4")
        << withBoth << condensation(zone, 0.4, 30) << defaults << "R+ C+ WB- T+";
    // Thin wood (5 mm, limit 0.125) beside the board: the wood-based line must not hide it.
    const QVector<MaterialLayer> thinWood{osb, assessmentLayer(0.005, 500, 0.1, Wood)};
    QTest::newRow("thin wood beside wood-based")
        << thinWood << condensation(zone, 0.2, 30) << defaults << "R+ C+ WB- T+";

    // Drying within 90 days; a negative drying time means it does not dry at all.
    QTest::newRow("drying 89.9 d") << plain << condensation(zone, 0.3, 89.9) << defaults << "R+ C+ T+";
    QTest::newRow("drying 90 d") << plain << condensation(zone, 0.3, 90) << defaults << "R+ C+ T-";
    QTest::newRow("no drying") << plain << condensation(zone, 0.3, -1 / Day) << defaults << "R+ C+ T-";

    // Drying reserve 0.1: mev must exceed mc + 0.1.
    CalculationResults short_ = condensation(zone, 0.3, 30);
    short_.mev = 0.35;
    QTest::newRow("reserve missed") << plain << short_ << reserve << "R+ C+ T+ D-";
    CalculationResults enough = short_;
    enough.mev = 0.41;
    QTest::newRow("reserve met") << plain << enough << reserve << "R+ C+ T+ D+";
    QTest::newRow("no reserve set") << plain << short_ << defaults << "R+ C+ T+";
}

void tst_AssessmentChecks::rows() {
    QFETCH(QVector<MaterialLayer>, layers);
    QFETCH(CalculationResults, results);
    QFETCH(AssessmentSettings, settings);
    QFETCH(QString, expected);

    const AssessmentChecks checks(construction(layers), results, settings);
    QCOMPARE(summary(checks.rows()), expected);
    QCOMPARE(checks.allFulfilled(), !expected.contains('-'));
}

void tst_AssessmentChecks::failedCalculationFailsChecks_data() {
    QTest::addColumn<int>("calcState");
    QTest::addColumn<QString>("expected");

    // The reset values (mc 0, drying time 0) would pass every check; only a finished
    // calculation may pass them. The minimum resistance depends on the dry values alone.
    QTest::newRow("0 no layers") << 0 << "R+ C- W- T- D-";
    QTest::newRow("1 invalid input") << 1 << "R+ C- W- T- D-";
    QTest::newRow("2 algorithm failure") << 2 << "R+ C- W- T- D-";
    QTest::newRow("4 inner surface") << 4 << "R+ C- W- T- D-";
    QTest::newRow("5 outer surface") << 5 << "R+ C- W- T- D-";
    QTest::newRow("6 single layer") << 6 << "R+ C+ W+ T+ D+";
    QTest::newRow("7 no condensation") << 7 << "R+ C+ W+ T+ D+";
}

void tst_AssessmentChecks::failedCalculationFailsChecks() {
    QFETCH(int, calcState);
    QFETCH(QString, expected);

    const QVector<MaterialLayer> layers{assessmentLayer(0.1), assessmentLayer(0.02, 500, 0.1, Wood)};
    CalculationResults results = condensation(ZoneList{{0, 1}}, 0, 0, calcState);
    results.mc_0 = 0.2; // left over from an earlier pass
    results.mev = 1.0;
    AssessmentSettings settings;
    settings.m_dryingReserve = 0.1;
    const AssessmentChecks checks(construction(layers), results, settings);
    QCOMPARE(summary(checks.rows()), expected);
}

void tst_AssessmentChecks::texts() {
    const QVector<MaterialLayer> layers{assessmentLayer(0.1, 1000, 0.001),
                                        assessmentLayer(0.02, 500, 0.1, Wood)};
    CalculationResults results = condensation(ZoneList{{0, 1}}, 0.3, 30);
    results.mev = 2.0;
    AssessmentSettings settings;
    settings.m_dryingReserve = 1.5; // 1500 g: no group separator
    settings.m_accordanceType = AssessmentSettings::UserDefined;
    settings.m_nonCapillarAw = 0.3 / 60;
    const AssessmentChecks checks(construction(layers), results, settings);

    const QStringList labels{
        "DIN 4108-2 2013 Tab. 3 row 1, thermal resistance  R >= 1.20 m<sup>2</sup>K/W",
        "DIN 4108-3 (no capillary suction) M<sub>c</sub> &lt;= 0.5kg/m<sup>2</sup>",
        "Check accordinguser defined data with A<sub>w</sub> &le; 0.3 kg/m<sup>2</sup>h<sup>0.5</sup>",
        QString::fromUtf8("DIN 4108-3 (Wood) \u0394u<sub>m</sub> &lt; 5%"),
        "Drying time in summer t<sub>ev</sub> &lt; 90d",
        "Check for drying reserve of 1500 g/m<sup>2</sup>a according DIN 68800-2",
    };
    QCOMPARE(checks.rows().size(), labels.size());
    for (int i = 0; i < labels.size(); ++i)
        QCOMPARE(checks.rows()[i].label, labels[i]);
    QVERIFY(checks.rows()[2].value.isEmpty());
    QVERIFY(!checks.note().isEmpty());

    for (int type = 0; type < 3; ++type)
        QCOMPARE(AssessmentChecks::editionCheckText(type),
                 (QStringList{"Check according DIN 4108-3 2001", "Check according DIN 4108-3 2014",
                              "Check according DIN 4108-3 2018 and 2024"}[type]));

    const QVector<MaterialLayer> withBased{assessmentLayer(0.015, 600, 0.1, WoodBased)};
    const AssessmentChecks based(construction(withBased), condensation(ZoneList{{0, 0}}, 0.1, 30),
                                 AssessmentSettings());
    QCOMPARE(based.rows()[2].label,
             QString::fromUtf8("DIN 4108-3 (Wood based material) \u0394u<sub>m</sub> &lt; 3%"));
    QCOMPARE(based.rows()[1].label,
             QStringLiteral("DIN 4108-3 (with capillary suction) M<sub>c</sub> &lt;= 1.0kg/m<sup>2</sup>"));
    QVERIFY(based.note().isEmpty());
}

void tst_AssessmentChecks::germanNumbers() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QVector<MaterialLayer> layers{assessmentLayer(0.1, 1000, 0.001)};
    const AssessmentChecks checks(construction(layers), condensation(ZoneList{{0, 0}}, 0.3, 30),
                                  AssessmentSettings());
    QCOMPARE(checks.rows()[0].label,
             QStringLiteral("DIN 4108-2 2013 Tab. 3 row 1, thermal resistance  R >= 1,20 m<sup>2</sup>K/W"));
    QCOMPARE(checks.rows()[2].label,
             QStringLiteral("Check according DIN 4108-3 2018 and 2024 with A<sub>w</sub> &le; 0,1 "
                            "kg/m<sup>2</sup>h<sup>0.5</sup>"));
}

QTEST_GUILESS_MAIN(tst_AssessmentChecks)
#include "tst_AssessmentChecks.moc"
