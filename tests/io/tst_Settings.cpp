#include <QtTest>

#include "Directories.h"
#include "Settings.h"
#include "ZMT_MessageHandler.h"

class tst_Settings : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void defaultsWithoutStoredSettings();
    void roundTripThroughStore();
    void invalidStoredChoicesFallBack_data();
    void invalidStoredChoicesFallBack();
    void framesText_data();
    void framesText();
    void userMaterialsDir();
    void directoriesHaveNoTrailingSlash();

private:
    QTemporaryDir m_dir;
};

void tst_Settings::initTestCase() {
    ZMT::messageHandler()->setConsoleVerbosityLevel(0);
    QVERIFY(m_dir.isValid());
}

void tst_Settings::init() {
    Settings::instance().resetToDefaults();
}

void tst_Settings::defaultsWithoutStoredSettings() {
    QSettings store(m_dir.filePath("empty.ini"), QSettings::IniFormat);
    Settings &s = Settings::instance();
    // Values from before the read do not survive it.
    s.m_defaultProjectInformation.ProjectName = "old";
    s.m_defaultProjectInformation.HeatFlowDirection = 0;
    s.read(store);
    QCOMPARE(s.m_languageId, QString("de"));
    QCOMPARE(s.m_defaultLayerWidthUnit, 1000);
    QCOMPARE(s.m_defaultRestartMode, 1);
    QCOMPARE(s.m_defaultProjectInformation, ProjectInformation());
    QCOMPARE(s.m_defaultProjectInformation.HeatFlowDirection, 2);
    // Report frames 1 to 10 and 12 are on, 11, 13 and 14 off.
    QCOMPARE(Settings::framesToText(s.m_projectDefaultFrames), QString("1 1 1 1 1 1 1 1 1 1 0 1 0 0 "));
    QVERIFY(s.m_flags.value(Settings::SplashScreenFlag));
}

void tst_Settings::roundTripThroughStore() {
    const QString file = m_dir.filePath("roundtrip.ini");
    Settings &s = Settings::instance();
    s.m_lastProjectFile = QString::fromUtf8("/home/u/Außenwand.t2p");
    s.m_languageId = "pl";
    s.m_awInSeconds = true;
    s.m_recentProjects = QStringList{"/a.t2p", "/b.t2p"};
    s.m_defaultRestartMode = 0;
    s.m_defaultLayerWidthUnit = 100;
    s.m_lastExportFile = "/tmp/chart.png";
    s.m_userMaterialsDirectory = "/data/materials";
    ProjectInformation info;
    info.ProjectName = QString::fromUtf8("Müller, Haus 3");
    info.ConstructionID = "AW-1";
    info.UserName = "Anna";
    info.Company = "Lehmann & Vogt";
    info.Description = "Zeile 1\nZeile 2";
    info.DisclaimerText = "Haftung";
    info.HeatFlowDirection = 1;
    s.m_defaultProjectInformation = info;
    s.m_projectDefaultFrames[0] = false;
    s.m_projectDefaultFrames[13] = true;
    s.m_pageNumbersVisible = true;
    {
        QSettings store(file, QSettings::IniFormat);
        s.write(store);
    }
    s.resetToDefaults();
    QSettings store(file, QSettings::IniFormat);
    s.read(store);
    QCOMPARE(s.m_lastProjectFile, QString::fromUtf8("/home/u/Außenwand.t2p"));
    QCOMPARE(s.m_languageId, QString("pl"));
    QCOMPARE(s.m_awInSeconds, true);
    QCOMPARE(s.m_recentProjects, (QStringList{"/a.t2p", "/b.t2p"}));
    QCOMPARE(s.m_defaultRestartMode, 0);
    QCOMPARE(s.m_defaultLayerWidthUnit, 100);
    QCOMPARE(s.m_lastExportFile, QString("/tmp/chart.png"));
    QCOMPARE(s.m_userMaterialsDirectory, QString("/data/materials"));
    QCOMPARE(s.m_defaultProjectInformation, info);
    QCOMPARE(s.m_pageNumbersVisible, true);
    // Keys sit in their groups.
    QCOMPARE(store.value("ProjectDefaults/DefaultProjectSettings/ConstructionID").toString(),
             QString("AW-1"));
    QCOMPARE(store.value("ProjectDefaults/ProjectDefaultFrames").toString(),
             QString("0 1 1 1 1 1 1 1 1 1 0 1 0 1 "));
    QCOMPARE(Settings::framesToText(s.m_projectDefaultFrames), QString("0 1 1 1 1 1 1 1 1 1 0 1 0 1 "));
}

void tst_Settings::invalidStoredChoicesFallBack_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");
    const QString heatFlow = "ProjectDefaults/DefaultProjectSettings/HeatFlowDirection";
    QTest::newRow("width unit 7") << "ProjectDefaults/DefaultLayerWidthUnit" << QVariant(7);
    QTest::newRow("restart mode text") << "ProjectDefaults/DefaultRestartMode" << QVariant("soon");
    QTest::newRow("heat flow 3") << heatFlow << QVariant(3);
    QTest::newRow("heat flow -1") << heatFlow << QVariant(-1);
    QTest::newRow("heat flow text") << heatFlow << QVariant("up");
}

void tst_Settings::invalidStoredChoicesFallBack() {
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    const QString file = m_dir.filePath(QString("bad-%1.ini").arg(QTest::currentDataTag()).replace(' ', '_'));
    {
        QSettings store(file, QSettings::IniFormat);
        store.setValue(key, value);
    }
    QSettings store(file, QSettings::IniFormat);
    Settings &s = Settings::instance();
    s.read(store);
    QCOMPARE(s.m_defaultLayerWidthUnit, 1000);
    QCOMPARE(s.m_defaultRestartMode, 1);
    QCOMPARE(s.m_defaultProjectInformation.HeatFlowDirection, 2);
}

void tst_Settings::framesText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("normalised");
    QTest::newRow("empty means the defaults") << "" << Settings::DefaultFramesText;
    QTest::newRow("short text keeps defaults for the rest") << "0 0"
                                                            << "0 0 1 1 1 1 1 1 1 1 0 1 0 0 ";
    QTest::newRow("garbage entries keep their default") << "x 0 y"
                                                        << "1 0 1 1 1 1 1 1 1 1 0 1 0 0 ";
    QTest::newRow("extra entries ignored") << "1 1 1 1 1 1 1 1 1 1 1 1 1 1 0 0 0"
                                           << "1 1 1 1 1 1 1 1 1 1 1 1 1 1 ";
}

void tst_Settings::framesText() {
    QFETCH(QString, text);
    QFETCH(QString, normalised);
    QCOMPARE(Settings::framesToText(Settings::framesFromText(text)), normalised);
}

void tst_Settings::userMaterialsDir() {
    Settings &s = Settings::instance();
    const QString dir = s.userMaterialsDir();
    QVERIFY2(dir.endsWith("/ZMT/Tavo2/user_materials"), qPrintable(dir));
    QVERIFY(QDir(dir).exists());
    // A chosen directory is returned as it is and not created here.
    s.m_userMaterialsDirectory = m_dir.filePath("not/yet/there");
    QCOMPARE(s.userMaterialsDir(), m_dir.filePath("not/yet/there"));
    QVERIFY(!QDir(m_dir.filePath("not")).exists());
}

void tst_Settings::directoriesHaveNoTrailingSlash() {
    QVERIFY(userDataDir().endsWith("/../ZMT/Tavo2"));
    QCOMPARE(logFilePath(), userDataDir() + "/Tavo2.log");
    QCOMPARE(translationsDir(), QCoreApplication::applicationDirPath() + "/resources/translations");
}

QTEST_GUILESS_MAIN(tst_Settings)
#include "tst_Settings.moc"
