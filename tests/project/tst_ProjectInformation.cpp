#include <QtTest>

#include "ProjectInformation.h"
#include "Settings.h"

class tst_ProjectInformation : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void defaultsRoundTrip();
    void defaultsWithoutStoredValues();
    void invalidStoredDirection_data();
    void invalidStoredDirection();

private:
    QTemporaryDir m_dir;
};

void tst_ProjectInformation::initTestCase() {
    QVERIFY(m_dir.isValid());
}

void tst_ProjectInformation::defaultsRoundTrip() {
    ProjectInformation info;
    info.ProjectName = QString::fromUtf8("Müller, Haus 3");
    info.ConstructionID = "AW-01";
    info.UserName = "K. Lehmann";
    info.Company = "Lehmann & Vogt";
    info.Description = "Zeile 1\nZeile 2";
    info.DisclaimerText = "Ohne Gewähr.";
    info.HeatFlowDirection = 1;
    const QString file = m_dir.filePath("roundtrip.ini");
    {
        QSettings store(file, QSettings::IniFormat);
        store.beginGroup("ProjectDefaults");
        info.writeDefaults(store);
        store.endGroup();
    }
    QSettings store(file, QSettings::IniFormat);
    store.beginGroup("ProjectDefaults");
    ProjectInformation back;
    back.readDefaults(store);
    store.endGroup();
    QCOMPARE(back, info);

    // The program's settings read the same keys.
    Settings &s = Settings::instance();
    s.resetToDefaults();
    s.read(store);
    QCOMPARE(s.m_defaultProjectInformation, info);
}

void tst_ProjectInformation::defaultsWithoutStoredValues() {
    QSettings store(m_dir.filePath("empty.ini"), QSettings::IniFormat);
    ProjectInformation info;
    info.ProjectName = "old";
    info.HeatFlowDirection = 0;
    info.readDefaults(store);
    QCOMPARE(info, ProjectInformation());
    QCOMPARE(info.HeatFlowDirection, 2);
}

void tst_ProjectInformation::invalidStoredDirection_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("direction");
    QTest::newRow("0") << "0" << 0;
    QTest::newRow("3") << "3" << 2;
    QTest::newRow("-1") << "-1" << 2;
    QTest::newRow("text") << "up" << 2;
}

void tst_ProjectInformation::invalidStoredDirection() {
    QFETCH(QString, stored);
    QFETCH(int, direction);
    QSettings store(m_dir.filePath("direction.ini"), QSettings::IniFormat);
    store.setValue("DefaultProjectSettings/HeatFlowDirection", stored);
    ProjectInformation info;
    info.readDefaults(store);
    QCOMPARE(info.HeatFlowDirection, direction);
}

QTEST_GUILESS_MAIN(tst_ProjectInformation)
#include "tst_ProjectInformation.moc"
