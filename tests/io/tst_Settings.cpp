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
    void storedValuesRead();
    void invalidStoredChoicesFallBack_data();
    void invalidStoredChoicesFallBack();
    void framesText_data();
    void framesText();
    void userMaterialsDirDefaultIsCreated();
    void userMaterialsDirChosenIsReturnedUnchanged();
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
    s.read(store);
    QCOMPARE(s.m_languageId, QString("de"));
    QCOMPARE(s.m_defaultLayerWidthUnit, 1000);
    QCOMPARE(s.m_defaultRestartMode, 1);
    QCOMPARE(s.m_defaultProjectInformation.HeatFlowDirection, 2);
    QCOMPARE(s.m_awInSeconds, false);
    QCOMPARE(s.m_pageNumbersVisible, false);
    QCOMPARE(s.m_projectDefaultFrames.size(), Settings::NumReportFrames);
    for (int i = 0; i < Settings::NumReportFrames; ++i) {
        const int frame = i + 1;
        const bool active = !(frame == 11 || frame == 13 || frame == 14);
        QVERIFY2(s.m_projectDefaultFrames[i] == active, qPrintable(QString("frame %1").arg(frame)));
    }
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
    s.m_defaultProjectInformation.ProjectName = "Projekt";
    s.m_defaultProjectInformation.ConstructionID = "AW-1";
    s.m_defaultProjectInformation.UserName = "Anna";
    s.m_defaultProjectInformation.Company = "Planungsbüro";
    s.m_defaultProjectInformation.Description = "Beschreibung";
    s.m_defaultProjectInformation.DisclaimerText = "Haftung";
    s.m_defaultProjectInformation.HeatFlowDirection = 0;
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
    QCOMPARE(s.m_defaultProjectInformation.Company, QString::fromUtf8("Planungsbüro"));
    QCOMPARE(s.m_defaultProjectInformation.DisclaimerText, QString("Haftung"));
    QCOMPARE(s.m_defaultProjectInformation.HeatFlowDirection, 0);
    QCOMPARE(s.m_projectDefaultFrames[0], false);
    QCOMPARE(s.m_projectDefaultFrames[13], true);
    QCOMPARE(s.m_pageNumbersVisible, true);
    // keys sit in their groups
    QCOMPARE(store.value("ProjectDefaults/DefaultProjectSettings/ConstructionID").toString(),
             QString("AW-1"));
    QCOMPARE(store.value("ProjectDefaults/ProjectDefaultFrames").toString(),
             QString("0 1 1 1 1 1 1 1 1 1 0 1 0 1 "));
}

void tst_Settings::storedValuesRead() {
    const QString file = m_dir.filePath("stored.ini");
    {
        QSettings store(file, QSettings::IniFormat);
        store.setValue("LanguageID", "en");
        store.setValue("ProjectDefaults/ProjectDefaultFrames", "");
    }
    QSettings store(file, QSettings::IniFormat);
    Settings &s = Settings::instance();
    s.read(store);
    QCOMPARE(s.m_languageId, QString("en"));
    // an empty frames text means the defaults
    QCOMPARE(Settings::framesToText(s.m_projectDefaultFrames), QString(Settings::DefaultFramesText));
}

void tst_Settings::invalidStoredChoicesFallBack_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");
    QTest::newRow("width unit 7") << "ProjectDefaults/DefaultLayerWidthUnit" << QVariant(7);
    QTest::newRow("restart mode text") << "ProjectDefaults/DefaultRestartMode" << QVariant("soon");
    QTest::newRow("heat flow 5") << "ProjectDefaults/DefaultProjectSettings/HeatFlowDirection" << QVariant(5);
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
    QTest::newRow("default") << Settings::DefaultFramesText << Settings::DefaultFramesText;
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

void tst_Settings::userMaterialsDirDefaultIsCreated() {
    Settings &s = Settings::instance();
    s.m_userMaterialsDirectory.clear();
    const QString dir = s.userMaterialsDir();
    QVERIFY2(dir.endsWith("/ZMT/Tavo2/user_materials"), qPrintable(dir));
    QVERIFY(QDir(dir).exists());
}

void tst_Settings::userMaterialsDirChosenIsReturnedUnchanged() {
    Settings &s = Settings::instance();
    s.m_userMaterialsDirectory = m_dir.filePath("not/yet/there");
    QCOMPARE(s.userMaterialsDir(), m_dir.filePath("not/yet/there"));
    QVERIFY(!QDir(m_dir.filePath("not")).exists()); // not created here
}

void tst_Settings::directoriesHaveNoTrailingSlash() {
    QVERIFY(userDataDir().endsWith("/../ZMT/Tavo2"));
    QCOMPARE(logFilePath(), userDataDir() + "/Tavo2.log");
    QCOMPARE(translationsDir(), QCoreApplication::applicationDirPath() + "/resources/translations");
}

QTEST_GUILESS_MAIN(tst_Settings)
#include "tst_Settings.moc"
