#include <QtTest>

#include <climits>
#include <limits>

#include "AssessmentSettings.h"
#include "AssessmentTestHelpers.h"
#include "DINCriteriaResult.h"

Q_DECLARE_METATYPE(ZoneList)
Q_DECLARE_METATYPE(MaterialLayer)

namespace {

AssessmentSettings withEdition(int type, double userAwPerSecond = 0.2 / 60) {
    AssessmentSettings s;
    s.m_accordanceType = type;
    s.m_nonCapillarAw = userAwPerSecond;
    return s;
}

} // namespace

class tst_DINCriteriaResult : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void defaults();
    void legacyAccordanceKey_data();
    void legacyAccordanceKey();
    void nonCapillaryByEdition_data();
    void nonCapillaryByEdition();
    void zoneMembership_data();
    void zoneMembership();
    void woodLimits_data();
    void woodLimits();
    void note_data();
    void note();
};

void tst_DINCriteriaResult::initTestCase() {
    QLocale::setDefault(QLocale::c());
}

void tst_DINCriteriaResult::defaults() {
    const DINCriteriaResult empty;
    QVERIFY(empty.woodOk(1e9) && empty.woodBasedOk(1e9));
    QCOMPARE(empty.woodLimit(), std::numeric_limits<double>::max());
    QCOMPARE(empty.rowCount(), 3);

    const AssessmentSettings s;
    QCOMPARE(s.m_accordanceType, int(AssessmentSettings::DIN4108_3_2018_2024));
    QVERIFY(qAbs(s.m_nonCapillarAw * 60 - 0.2) < 1e-15);
    QVERIFY(qAbs(s.m_capillarActiveAw * 60 - 0.7) < 1e-15);
    QVERIFY(s.m_capillaryCheckOneSide);
    QCOMPARE(s.m_dryingReserve, 0.0);
    QVERIFY(!s.hasDryingReserve());
    QCOMPARE(s.m_minimumHeatResVersion, 1);
    QCOMPARE(s.m_minimumHeatResConstruction, 12);
    QVERIFY(!s.m_frsiCheck);
}

void tst_DINCriteriaResult::legacyAccordanceKey_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("hasLegacy");
    QTest::addColumn<bool>("legacyValue");
    QTest::addColumn<int>("expected");
    QTest::newRow("type only") << 1 << false << true << 1;
    QTest::newRow("legacy true wins") << 0 << true << true << 2;
    QTest::newRow("legacy false is user defined") << 2 << true << false << 3;
}

void tst_DINCriteriaResult::legacyAccordanceKey() {
    QFETCH(int, stored);
    QFETCH(bool, hasLegacy);
    QFETCH(bool, legacyValue);
    QFETCH(int, expected);
    QCOMPARE(AssessmentSettings::accordanceTypeFromStored(stored, hasLegacy, legacyValue), expected);
}

void tst_DINCriteriaResult::nonCapillaryByEdition_data() {
    QTest::addColumn<double>("Aw"); // kg/(m²·s^0.5)
    QTest::addColumn<int>("edition");
    QTest::addColumn<double>("userAw");
    QTest::addColumn<double>("limitPerHour");
    QTest::addColumn<bool>("nonCapillary");

    const double user = 0.2 / 60;
    // 0.001 per second is 0.06 per hour: below every DIN limit.
    QTest::newRow("0.06 vs 2018/2024") << 0.001 << 2 << user << 0.1 << true;
    QTest::newRow("0.06 vs 2014") << 0.001 << 1 << user << 0.5 << true;
    // 0.003 per second is 0.18 per hour: only the older limits 0.5 and 0.2 include it.
    QTest::newRow("0.18 vs 2018/2024") << 0.003 << 2 << user << 0.1 << false;
    QTest::newRow("0.18 vs 2014") << 0.003 << 1 << user << 0.5 << true;
    QTest::newRow("0.18 vs 2001") << 0.003 << 0 << user << 0.2 << true;
    // A coefficient entered per hour exactly at the limit is included (the test is <=).
    QTest::newRow("0.1 per hour at the 2018 limit") << 0.1 / 60 << 2 << user << 0.1 << true;
    QTest::newRow("user limit, equal") << 0.004 << 3 << 0.004 << 0.24 << true;
    QTest::newRow("user limit, above") << 0.0041 << 3 << 0.004 << 0.24 << false;
    QTest::newRow("unknown edition uses the user value") << 0.004 << 9 << 0.004 << 0.24 << true;
}

void tst_DINCriteriaResult::nonCapillaryByEdition() {
    QFETCH(double, Aw);
    QFETCH(int, edition);
    QFETCH(double, userAw);
    QFETCH(double, limitPerHour);
    QFETCH(bool, nonCapillary);

    const QVector<MaterialLayer> layers{assessmentLayer(0.1, 1000, 0.1), assessmentLayer(0.1, 1000, Aw)};
    const ZoneList zones{{0, 1}};
    const DINCriteriaResult r(layers, zones, withEdition(edition, userAw));
    QVERIFY2(qAbs(r.awLimitPerHour() - limitPerHour) < 1e-12,
             qPrintable(QString("limit %1, expected %2").arg(r.awLimitPerHour()).arg(limitPerHour)));
    QCOMPARE(r.nonCapillaryLayers(), nonCapillary ? QVector<int>{1} : QVector<int>{});
    QCOMPARE(r.zoneHasNonCapillaryLayer(zones), nonCapillary);
}

void tst_DINCriteriaResult::zoneMembership_data() {
    QTest::addColumn<ZoneList>("zones");
    QTest::addColumn<QVector<int>>("nonCapillary");

    QTest::newRow("no zones") << ZoneList{} << QVector<int>{};
    QTest::newRow("both ends included") << ZoneList{{1, 3}} << QVector<int>{1, 2, 3};
    QTest::newRow("two zones") << ZoneList{{0, 1}, {3, 4}} << QVector<int>{0, 1, 3, 4};
    QTest::newRow("overlap lists twice") << ZoneList{{0, 1}, {1, 2}} << QVector<int>{0, 1, 1, 2};
    QTest::newRow("indices beyond the layers") << ZoneList{{-2, 0}, {4, 9}} << QVector<int>{0, 4};
    QTest::newRow("huge zone") << ZoneList{{INT_MIN, INT_MAX}} << QVector<int>{0, 1, 2, 3, 4};
}

void tst_DINCriteriaResult::zoneMembership() {
    QFETCH(ZoneList, zones);
    QFETCH(QVector<int>, nonCapillary);
    const QVector<MaterialLayer> layers(5, assessmentLayer(0.1, 1000, 0.0));
    const DINCriteriaResult r(layers, zones);
    QCOMPARE(r.nonCapillaryLayers(), nonCapillary);
    QCOMPARE(r.zoneHasNonCapillaryLayer(zones), !nonCapillary.isEmpty());
    // The zones of another calculation do not see these layers.
    QVERIFY(!r.zoneHasNonCapillaryLayer(ZoneList{{7, 8}}));
}

void tst_DINCriteriaResult::woodLimits_data() {
    QTest::addColumn<QVector<MaterialLayer>>("layers");
    QTest::addColumn<ZoneList>("zones");
    QTest::addColumn<double>("woodLimit");      // < 0: none
    QTest::addColumn<double>("woodBasedLimit"); // < 0: none
    QTest::addColumn<int>("rowCount");

    const MaterialLayer plain = assessmentLayer(0.1);
    const MaterialLayer wood20 = assessmentLayer(0.02, 500, 0.1, Wood);    // 0.02 × 500 × 5 % = 0.5
    const MaterialLayer wood10 = assessmentLayer(0.01, 500, 0.1, Wood);    // 0.25
    const MaterialLayer osb = assessmentLayer(0.015, 600, 0.1, WoodBased); // 0.015 × 600 × 3 % = 0.27
    QTest::newRow("no wood") << QVector<MaterialLayer>{plain, plain} << ZoneList{{0, 1}} << -1.0 << -1.0 << 3;
    QTest::newRow("20 mm wood") << QVector<MaterialLayer>{plain, wood20} << ZoneList{{0, 1}} << 0.5 << -1.0
                                << 4;
    QTest::newRow("wood outside the zone")
        << QVector<MaterialLayer>{plain, plain, wood20} << ZoneList{{0, 1}} << -1.0 << -1.0 << 3;
    QTest::newRow("smallest wood limit")
        << QVector<MaterialLayer>{wood20, plain, wood10} << ZoneList{{0, 2}} << 0.25 << -1.0 << 4;
    QTest::newRow("wood and wood-based")
        << QVector<MaterialLayer>{wood20, osb} << ZoneList{{0, 1}} << 0.5 << 0.27 << 4;
}

void tst_DINCriteriaResult::woodLimits() {
    QFETCH(QVector<MaterialLayer>, layers);
    QFETCH(ZoneList, zones);
    QFETCH(double, woodLimit);
    QFETCH(double, woodBasedLimit);
    QFETCH(int, rowCount);

    const DINCriteriaResult r(layers, zones);
    QCOMPARE(r.rowCount(), rowCount);
    QCOMPARE(r.hasWoodChecks(), rowCount == 4);
    const double none = std::numeric_limits<double>::max();
    const double limits[2] = {woodLimit, woodBasedLimit};
    const double actual[2] = {r.woodLimit(), r.woodBasedLimit()};
    for (int k = 0; k < 2; ++k) {
        if (limits[k] < 0)
            QCOMPARE(actual[k], none);
        else
            QVERIFY2(qAbs(actual[k] - limits[k]) < 1e-12,
                     qPrintable(QString("limit %1: %2, expected %3").arg(k).arg(actual[k]).arg(limits[k])));
    }
    // The limit itself fails: the condensate must stay below it.
    if (woodLimit >= 0) {
        QVERIFY(r.woodOk(woodLimit - 0.1));
        QVERIFY(!r.woodOk(woodLimit));
    } else {
        QVERIFY(r.woodOk(1e9));
    }
    if (woodBasedLimit >= 0) {
        QVERIFY(r.woodBasedOk(woodBasedLimit - 0.1));
        QVERIFY(!r.woodBasedOk(woodBasedLimit));
    } else {
        QVERIFY(r.woodBasedOk(1e9));
    }
}

void tst_DINCriteriaResult::note_data() {
    QTest::addColumn<int>("edition");
    QTest::addColumn<double>("userAw");
    QTest::addColumn<QString>("usedValue"); // empty: no note

    QTest::newRow("DIN edition") << 2 << 0.3 / 60 << QString();
    QTest::newRow("user defined 0") << 3 << 0.0 << QString();
    QTest::newRow("user defined 0.3") << 3 << 0.3 / 60 << QStringLiteral("Used value: 0.3 kg/m²h½.<br/>");
}

void tst_DINCriteriaResult::note() {
    QFETCH(int, edition);
    QFETCH(double, userAw);
    QFETCH(QString, usedValue);

    const DINCriteriaResult r(QVector<MaterialLayer>{}, ZoneList{}, withEdition(edition, userAw));
    if (usedValue.isEmpty()) {
        QVERIFY(r.note().isEmpty());
        return;
    }
    const QString expected =
        QStringLiteral(
            "The current calculation don't use the same water uptake value as check for non-capillar "
            "material as the standard DIN 4108-3 from 2014, 2018 or 2024.<br/>") +
        usedValue +
        QStringLiteral(
            "This is admissible because TAVO is a advanced software as per appendix D DIN 4108-3.");
    QCOMPARE(r.note(), expected);
}

QTEST_GUILESS_MAIN(tst_DINCriteriaResult)
#include "tst_DINCriteriaResult.moc"
