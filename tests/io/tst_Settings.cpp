#include <QtTest>

#include "Directories.h"
#include "Settings.h"
#include "ZMT_MessageHandler.h"

class tst_Settings : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void defaults_data();
    void defaults();
    void roundTripThroughStore();
    void framesText_data();
    void framesText();
    void directories();

private:
    // A settings file holding \a values ("group/key=value" each).
    QString store(const QString &name, const QStringList &values) {
        QSettings store(m_dir.filePath(name), QSettings::IniFormat);
        for (const QString &v : values)
            store.setValue(v.section('=', 0, 0), v.section('=', 1));
        return store.fileName();
    }
    QTemporaryDir m_dir;
};

void tst_Settings::initTestCase() {
    ZMT::messageHandler()->setConsoleVerbosityLevel(0);
    QVERIFY(m_dir.isValid());
}

void tst_Settings::init() {
    Settings::instance().resetToDefaults();
}

void tst_Settings::defaults_data() {
    QTest::addColumn<QStringList>("values");
    const QString g = "ProjectDefaults/", p = g + "DefaultProjectSettings/";
    QTest::newRow("nothing stored") << QStringList();
    QTest::newRow("unreadable choices") << QStringList{
        g + "DefaultLayerWidthUnit=mm", g + "DefaultRestartMode=soon", p + "HeatFlowDirection=up"};
    QTest::newRow("choices out of range")
        << QStringList{g + "DefaultLayerWidthUnit=7", g + "DefaultRestartMode=2", p + "HeatFlowDirection=3"};
    QTest::newRow("empty frames text") << QStringList{g + "ProjectDefaultFrames="};
}

void tst_Settings::defaults() {
    QFETCH(QStringList, values);
    Settings &s = Settings::instance();
    // Values from before the read do not survive it.
    s.m_defaultProjectInformation.ProjectName = "old";
    s.m_defaultProjectInformation.HeatFlowDirection = 0;
    QSettings settings(store(QString(QTest::currentDataTag()).replace(' ', '_') + ".ini", values),
                       QSettings::IniFormat);
    s.read(settings);
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
    // Every key with a value other than its default is read, and written back under its group.
    const QStringList values =
        QString(
            "LastProjectFile=/home/u/Außenwand.t2p|LanguageID=pl|ProjectDefaults/AwInSeconds=true|"
            "ProjectDefaults/DefaultRestartMode=0|ProjectDefaults/DefaultLayerWidthUnit=100|"
            "ProjectDefaults/LastExportFile=/c.png|ProjectDefaults/UserMaterialsDirectory=/data/materials|"
            "ProjectDefaults/DefaultProjectSettings/ProjectName=Müller, Haus 3|"
            "ProjectDefaults/DefaultProjectSettings/ConstructionID=AW-1|"
            "ProjectDefaults/DefaultProjectSettings/UserName=Anna|"
            "ProjectDefaults/DefaultProjectSettings/Company=Lehmann & Vogt|"
            "ProjectDefaults/DefaultProjectSettings/Description=Zeile 1\nZeile 2|"
            "ProjectDefaults/DefaultProjectSettings/DisclaimerText=Haftung|"
            "ProjectDefaults/DefaultProjectSettings/HeatFlowDirection=1|"
            "ProjectDefaults/ProjectDefaultFrames=0 1 1 1 1 1 1 1 1 1 0 1 0 1 |"
            "ProjectDefaults/PageNumbersVisible=true")
            .split('|');
    Settings &s = Settings::instance();
    QSettings in(store("in.ini", values), QSettings::IniFormat);
    in.setValue("ProjectDefaults/RecentProjects", QStringList{"/a.t2p", "/b.t2p"});
    s.read(in);
    QCOMPARE(s.m_recentProjects, (QStringList{"/a.t2p", "/b.t2p"}));
    QSettings out(m_dir.filePath("out.ini"), QSettings::IniFormat);
    s.write(out);
    QCOMPARE(out.allKeys().size(), values.size() + 1);
    for (const QString &v : values)
        QCOMPARE(out.value(v.section('=', 0, 0)).toString(), v.section('=', 1));
    QCOMPARE(out.value("ProjectDefaults/RecentProjects").toStringList(), s.m_recentProjects);
}

void tst_Settings::framesText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("normalised");
    const auto row = [](const char *name, const char *text, const char *normalised) {
        QTest::newRow(name) << QString(text) << QString(normalised);
    };
    row("short text keeps defaults for the rest", "0 0", "0 0 1 1 1 1 1 1 1 1 0 1 0 0 ");
    row("garbage entries keep their default", "x 0 y", "1 0 1 1 1 1 1 1 1 1 0 1 0 0 ");
    row("extra entries ignored", "1 1 1 1 1 1 1 1 1 1 1 1 1 1 0 0 0", "1 1 1 1 1 1 1 1 1 1 1 1 1 1 ");
}

void tst_Settings::framesText() {
    QFETCH(QString, text);
    QFETCH(QString, normalised);
    QCOMPARE(Settings::framesToText(Settings::framesFromText(text)), normalised);
}

void tst_Settings::directories() {
    // The default material directory is made; a chosen one is returned as it is and not created here.
    Settings &s = Settings::instance();
    QCOMPARE(s.userMaterialsDir(), userDataDir() + "/user_materials");
    QVERIFY(QDir(s.userMaterialsDir()).exists());
    s.m_userMaterialsDirectory = m_dir.filePath("not/yet/there");
    QCOMPARE(s.userMaterialsDir(), m_dir.filePath("not/yet/there"));
    QVERIFY(!QDir(m_dir.filePath("not")).exists());
    // No trailing slashes; the ".." stays in the text.
    QVERIFY(userDataDir().endsWith("/../ZMT/Tavo2"));
    QCOMPARE(logFilePath(), userDataDir() + "/Tavo2.log");
    QCOMPARE(translationsDir(), QCoreApplication::applicationDirPath() + "/resources/translations");
}

QTEST_GUILESS_MAIN(tst_Settings)
#include "tst_Settings.moc"
