#include <QtTest>

#include "AssessmentChecks.h"
#include "MinimumHeatResistance.h"
#include "TemperatureFactorCheck.h"

// Minimum thermal resistance after DIN 4108-2 table 3 and the temperature factor fRsi.
class tst_DIN4108_2Checks : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void elementIds();
    void lookup_data();
    void lookup();
    void minimumResistanceRow_data();
    void minimumResistanceRow();
    void temperatureFactor_data();
    void temperatureFactor();
    void germanNumbers();
};

void tst_DIN4108_2Checks::initTestCase() {
    QLocale::setDefault(QLocale::c());
}

void tst_DIN4108_2Checks::cleanup() {
    QLocale::setDefault(QLocale::c());
}

void tst_DIN4108_2Checks::elementIds() {
    QCOMPARE(MinimumHeatResistance::elementIds(0), (QVector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    QCOMPARE(MinimumHeatResistance::elementIds(1),
             (QVector<int>{12, 13, 14, 8, 15, 10, 9, 16, 17, 1, 4, 18, 19}));
    QVERIFY(MinimumHeatResistance::elementIds(2).isEmpty());
    for (int edition = 0; edition < 2; ++edition)
        for (int id : MinimumHeatResistance::elementIds(edition))
            QVERIFY2(!MinimumHeatResistance::rowLabel(edition, id).isEmpty(),
                     qPrintable(QString("edition %1 id %2").arg(edition).arg(id)));
}

void tst_DIN4108_2Checks::lookup_data() {
    QTest::addColumn<int>("edition");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("row");
    QTest::addColumn<double>("rMin");

    QTest::newRow("2004 outer wall") << 0 << 0 << "Outer wall"
                                     << "1" << 1.2;
    QTest::newRow("2004 garage") << 0 << 10 << "Floor over garage or passage"
                                 << "11.1" << 1.75;
    QTest::newRow("2004 roof") << 0 << 11 << "Roof"
                               << "11.2" << 1.2;
    QTest::newRow("2013 wall") << 1 << 12
                               << "Wall of heated room to outside, ground, underground garage or similar"
                               << "1" << 1.2;
    // Ids shared by both editions name the element of the edition asked for.
    QTest::newRow("2004 id 8") << 0 << 8 << "Ceiling below attic"
                               << "9" << 0.9;
    QTest::newRow("2013 id 8") << 1 << 8 << "Ceiling to ventilated roof space or to non heated room"
                               << "3.2 3.3" << 0.9;
    QTest::newRow("2013 id 1") << 1 << 1 << "Partition walls between heated rooms"
                               << "6.1" << 0.07;
    QTest::newRow("2013 light construction")
        << 1 << 18 << "Construction with mass per area lower than 100kg/m2"
        << "Cap 5.1.2.2" << 1.75;
    QTest::newRow("2013 opaque part") << 1 << 19 << "Opaque part of transparent constructions"
                                      << "Cap 5.1.4" << 1.2;
    // A stored id of the other edition that this one lacks.
    QTest::newRow("2013 with 2004 id 0") << 1 << 0 << "Unknown"
                                         << "" << 1.2;
    QTest::newRow("2004 with 2013 id 12") << 0 << 12 << "Unknown"
                                          << "" << 1.2;
    QTest::newRow("unknown edition") << 5 << 0 << "Unknown"
                                     << "" << 1.2;
}

void tst_DIN4108_2Checks::lookup() {
    QFETCH(int, edition);
    QFETCH(int, id);
    QFETCH(QString, name);
    QFETCH(QString, row);
    QFETCH(double, rMin);
    QCOMPARE(MinimumHeatResistance::elementName(edition, id), name);
    QCOMPARE(MinimumHeatResistance::rowLabel(edition, id), row);
    QCOMPARE(MinimumHeatResistance::minimumR(edition, id), rMin);
    QCOMPARE(MinimumHeatResistance::hasElement(edition, id), name != "Unknown");
}

void tst_DIN4108_2Checks::minimumResistanceRow_data() {
    QTest::addColumn<double>("R_dry");
    QTest::addColumn<int>("edition");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("fulfilled");

    // The requirement is R >= R min: exactly 1.2 passes.
    QTest::newRow("outer wall exactly 1.2")
        << 1.2 << 0 << 0 << "DIN 4108-2 2004 Tab. 3 row 1, thermal resistance  R >= 1.20 m<sup>2</sup>K/W"
        << true;
    QTest::newRow("outer wall 1.19")
        << 1.19 << 0 << 0 << "DIN 4108-2 2004 Tab. 3 row 1, thermal resistance  R >= 1.20 m<sup>2</sup>K/W"
        << false;
    QTest::newRow("2013 floor over garage")
        << 1.7 << 1 << 10 << "DIN 4108-2 2013 Tab. 3 row 4.1, thermal resistance  R >= 1.75 m<sup>2</sup>K/W"
        << false;
    QTest::newRow("2013 partition wall")
        << 0.07 << 1 << 1 << "DIN 4108-2 2013 Tab. 3 row 6.1, thermal resistance  R >= 0.07 m<sup>2</sup>K/W"
        << true;
    QTest::newRow("2013 with 2004 id 0")
        << 1.3 << 1 << 0 << "DIN 4108-2 2013 Tab. 3 row , thermal resistance  R >= 1.20 m<sup>2</sup>K/W"
        << true;
    // A calculation that never got to the resistances must not pass.
    QTest::newRow("no result") << 0.0 << 1 << 1
                               << "DIN 4108-2 2013 Tab. 3 row 6.1, thermal resistance  R >= "
                                  "0.07 m<sup>2</sup>K/W"
                               << false;
}

void tst_DIN4108_2Checks::minimumResistanceRow() {
    QFETCH(double, R_dry);
    QFETCH(int, edition);
    QFETCH(int, id);
    QFETCH(QString, label);
    QFETCH(bool, fulfilled);

    const CheckRow row = AssessmentChecks::minimumThermalResistanceRow(R_dry, edition, id);
    QCOMPARE(row.kind, CheckRow::MinimumThermalResistance);
    QCOMPARE(row.label, label);
    QCOMPARE(row.isFulfilled(), fulfilled);
    QCOMPARE(row.value,
             fulfilled ? QStringLiteral("<b>Requirement fulfilled</b>")
                       : QStringLiteral("<font color=\"#FF0000\"><b>Requirement not fulfilled</b></font>"));
}

void tst_DIN4108_2Checks::temperatureFactor_data() {
    QTest::addColumn<double>("thetaI");
    QTest::addColumn<double>("phiI");
    QTest::addColumn<double>("thetaSiMin");
    QTest::addColumn<double>("fRsiMin");
    QTest::addColumn<double>("R");
    QTest::addColumn<double>("Rse");
    QTest::addColumn<double>("fRsi");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("value");

    const QString label07 = "DIN 4108-2 Check for minmal <i>f</i><sub>Rsi</sub> &gt;= 0.7";
    // θsi,min = 0.625^0.1247 × 129.8 − 109.8 = 12.61 °C; (12.61 + 5) / 25 = 0.704 is cut to 0.7.
    QTest::newRow("20/50, R 1.0") << 20.0 << 50.0 << 12.61 << 0.7 << 1.0 << 0.04 << 1.04 / 1.29 << label07
                                  << "<i>f</i><sub>Rsi</sub> = 0.81";
    QTest::newRow("20/50, R 0.1") << 20.0 << 50.0 << 12.61 << 0.7 << 0.1 << 0.04 << 0.14 / 0.39 << label07
                                  << "<i>f</i><sub>Rsi</sub> = <font color=\"#FF0000\"><b>0.36</b></font>";
    // At 80 % the surface must be as warm as the air: the requirement is 1.0 and nothing passes.
    QTest::newRow("20/80") << 20.0 << 80.0 << 20.0 << 1.0 << 5.0 << 0.04 << 5.04 / 5.29
                           << "DIN 4108-2 Check for minmal <i>f</i><sub>Rsi</sub> &gt;= 1.0"
                           << "<i>f</i><sub>Rsi</sub> = <font color=\"#FF0000\"><b>0.95</b></font>";
    // θsi,min = 15.98 °C, (15.98 + 5) / 27 = 0.777: truncated to 0.7, not rounded to 0.8,
    // so 0.75 passes.
    QTest::newRow("22/55 truncates") << 22.0 << 55.0 << 15.98 << 0.7 << 0.7 << 0.04 << 0.74 / 0.99 << label07
                                     << "<i>f</i><sub>Rsi</sub> = 0.75";
}

void tst_DIN4108_2Checks::temperatureFactor() {
    QFETCH(double, thetaI);
    QFETCH(double, phiI);
    QFETCH(double, thetaSiMin);
    QFETCH(double, fRsiMin);
    QFETCH(double, R);
    QFETCH(double, Rse);
    QFETCH(double, fRsi);
    QFETCH(QString, label);
    QFETCH(QString, value);

    const double theta = TemperatureFactorCheck::thetaSiMin(thetaI, phiI);
    QVERIFY2(qAbs(theta - thetaSiMin) < 0.05,
             qPrintable(QString("θsi,min %1, expected %2").arg(theta).arg(thetaSiMin)));
    QCOMPARE(TemperatureFactorCheck::fRsiMin(thetaI, phiI), fRsiMin);
    const double f = TemperatureFactorCheck::fRsi(R, Rse);
    QVERIFY2(qAbs(f - fRsi) < 1e-12, qPrintable(QString("fRsi %1, expected %2").arg(f).arg(fRsi)));

    const CheckRow row = AssessmentChecks::temperatureFactorRow(thetaI, phiI, R, Rse);
    QCOMPARE(row.kind, CheckRow::TemperatureFactor);
    QCOMPARE(row.label, label);
    QCOMPARE(row.value, value);
    QCOMPARE(row.isFulfilled(), fRsi >= fRsiMin);
}

void tst_DIN4108_2Checks::germanNumbers() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(
        AssessmentChecks::minimumThermalResistanceRow(2.0, 1, 10).label,
        QStringLiteral("DIN 4108-2 2013 Tab. 3 row 4.1, thermal resistance  R >= 1,75 m<sup>2</sup>K/W"));
    const CheckRow row = AssessmentChecks::temperatureFactorRow(20, 50, 1.0, 0.04);
    QCOMPARE(row.label, QStringLiteral("DIN 4108-2 Check for minmal <i>f</i><sub>Rsi</sub> &gt;= 0,7"));
    QCOMPARE(row.value, QStringLiteral("<i>f</i><sub>Rsi</sub> = 0,81"));
}

QTEST_GUILESS_MAIN(tst_DIN4108_2Checks)
#include "tst_DIN4108_2Checks.moc"
