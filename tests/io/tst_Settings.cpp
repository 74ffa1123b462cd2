// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "Directories.h"
#include "Settings.h"
#include "ZMT_MessageHandler.h"

class tst_Settings : public QObject {
    Q_OBJECT

private:
    // A settings file holding \a values ("group/key=value" each).
    QString store(const QString &name, const QStringList &values) {
        QSettings store(m_dir.filePath(name), QSettings::IniFormat);
        for (const QString &v : values)
            store.setValue(v.section('=', 0, 0), v.section('=', 1));
        return store.fileName();
    }
    QTemporaryDir m_dir;

private slots:
    void initTestCase() {
        ZMT::messageHandler()->setConsoleVerbosityLevel(0);
        QVERIFY(m_dir.isValid());
    }

    void init() { Settings::instance().resetToDefaults(); }

    void defaults_data() {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("frames");
        const QString g = "ProjectDefaults/", p = g + "DefaultProjectSettings/",
                      all = Settings::DefaultFramesText;
        QTest::newRow("nothing stored") << QStringList() << all;
        QTest::newRow("unreadable choices")
            << QStringList{g + "DefaultLayerWidthUnit=mm", g + "DefaultRestartMode=soon",
                           p + "HeatFlowDirection=up"}
            << all;
        QTest::newRow("choices out of range")
            << QStringList{g + "DefaultLayerWidthUnit=7", g + "DefaultRestartMode=2",
                           p + "HeatFlowDirection=3"}
            << all;
        QTest::newRow("empty frames text") << QStringList{g + "ProjectDefaultFrames="} << all;
        // Missing or unreadable entries of the frames text keep their default; the footer is
        // always on.
        QTest::newRow("short frames text")
            << QStringList{g + "ProjectDefaultFrames=0 0"} << "0 1 1 1 1 1 1 1 1 1 0 1 0 0 ";
        QTest::newRow("frames text with garbage")
            << QStringList{g + "ProjectDefaultFrames=x 0 y"} << "1 1 1 1 1 1 1 1 1 1 0 1 0 0 ";
    }

    void defaults() {
        QFETCH(QStringList, values);
        QFETCH(QString, frames);
        Settings &s = Settings::instance();
        // Values from before the read do not survive it.
        s.m_defaultProjectInformation.ProjectName = "old";
        s.m_defaultProjectInformation.HeatFlowDirection = HeatFlowDirection::Upwards;
        QSettings settings(store(QString(QTest::currentDataTag()).replace(' ', '_') + ".ini", values),
                           QSettings::IniFormat);
        s.read(settings);
        QCOMPARE(s.m_languageId, QString("de"));
        QCOMPARE(s.m_defaultLayerWidthUnit, 1000);
        QCOMPARE(s.m_defaultRestartMode, 1);
        QCOMPARE(s.m_defaultProjectInformation, ProjectInformation());
        QCOMPARE(s.m_defaultProjectInformation.HeatFlowDirection, HeatFlowDirection::Horizontal);
        QCOMPARE(Settings::framesToText(s.m_projectDefaultFrames), frames);
        QCOMPARE(s.m_reportSettings, ReportSettings());
        QCOMPARE(ReportSettings::framesToText(s.m_reportSettings.m_activatedFrames),
                 QString("1 1 1 1 1 1 0 0 0 1 0 1 1 0 "));
        QCOMPARE(s.m_defaultUserLogo, ReportSettings::UserLogo());
        QVERIFY(s.m_flags.value(Settings::SplashScreenFlag));
        // The default material directory is made; the ".." of the data directory stays in the text.
        QVERIFY(userDataDir().endsWith("/../ZMT/Tavo2") && QDir(s.userMaterialsDir()).exists());
        QCOMPARE(s.userMaterialsDir(), userDataDir() + "/user_materials");
    }

    void roundTripThroughStore() {
        // Every key with a value other than its default is read, and written back under its group.
        // "G/" stands for the group "ProjectDefaults", "P/" for "DefaultProjectSettings" inside it.
        const QStringList values =
            QString(
                "LastProjectFile=/home/u/Außenwand.t2p|LanguageID=pl|G/AwInSeconds=true|"
                "G/DefaultRestartMode=0|G/DefaultLayerWidthUnit=100|G/LastExportFile=/c.png|"
                "G/UserMaterialsDirectory=DIR/not/there|P/ProjectName=Müller, Haus 3|P/ConstructionID=AW-1|"
                "P/UserName=Anna|P/Company=Lehmann & Vogt|P/Description=Zeile 1\nZeile 2|"
                "P/DisclaimerText=Haftung|P/HeatFlowDirection=1|G/PageNumbersVisible=true|"
                "G/ProjectDefaultFrames=0 1 1 1 1 1 1 1 1 1 0 1 0 1 |G/CurrentUserLogoPosition=1|"
                "G/CurrentUserLogoPath=/logo.png|G/UserLogoWidthSetting=false|G/UserLogoWidthSize=30|"
                "Q/ActivatedFrames=1 1 1 1 1 1 1 1 1 1 1 1 1 1 |Q/CurrentPageNumbersVisible=true|"
                "Q/CurrentUserLogoPosition=2|Q/CurrentUserLogoPath=/l.jpg|Q/UserLogoWidthSetting=false|"
                "Q/UserLogoWidthSize=25|Q/PrintDisclaimer=true|Q/DisclaimerText=<b>Haftung</b>|"
                "Q/MinimumHeatResVersion=0|Q/MinimumHeatResConstruction=11|Q/FrsiCheck=true|Q/"
                "DryingReserve=0.25|"
                "Q/DIN4108_3Accordance_Type=3|Q/NonCapillarAw=0.005|Q/CapillarActiveAw=0.02|"
                "Q/CapillaryCheckOneSide=false|Q/PrintRemarkProjectInformation=false")
                .replace("Q/", "ReportSettings/")
                .replace("P/", "G/DefaultProjectSettings/")
                .replace("G/", "ProjectDefaults/")
                .replace("DIR", m_dir.path())
                .split('|');
        Settings &s = Settings::instance();
        QSettings in(store("in.ini", values), QSettings::IniFormat);
        in.setValue("ProjectDefaults/RecentProjects", QStringList{"/a.t2p", "/b.t2p"});
        s.read(in);
        QCOMPARE(s.m_recentProjects, (QStringList{"/a.t2p", "/b.t2p"}));
        QVERIFY(s.m_reportSettings != ReportSettings());
        QCOMPARE(s.m_reportSettings.m_assessment.m_accordanceType, int(AssessmentSettings::UserDefined));
        // A chosen material directory is returned as it is and not created here.
        QVERIFY(s.userMaterialsDir() == m_dir.filePath("not/there") && !QDir(m_dir.filePath("not")).exists());
        QSettings out(m_dir.filePath("out.ini"), QSettings::IniFormat);
        s.write(out);
        QCOMPARE(out.allKeys().size(), values.size() + 1);
        for (const QString &v : values)
            QCOMPARE(out.value(v.section('=', 0, 0)).toString(), v.section('=', 1));
        QCOMPARE(out.value("ProjectDefaults/RecentProjects").toStringList(), s.m_recentProjects);
    }

    void reportSettings_data() {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("frames");
        QTest::addColumn<int>("logoPosition");
        QTest::addColumn<int>("edition");
        QTest::addColumn<double>("dryingReserve");
        const QString defaults = ReportSettings::DefaultActivatedFramesText;
        QTest::newRow("nothing stored") << QStringList() << defaults << 0 << 2 << 0.0;
        // Frames beyond the last token keep their state; an unreadable token switches off.
        QTest::newRow("short frames text")
            << QStringList{"ActivatedFrames=1 0 1"} << "1 0 1 1 1 1 0 0 0 1 0 1 1 0 " << 0 << 2 << 0.0;
        QTest::newRow("tokens beyond the known frames are ignored")
            << QStringList{"ActivatedFrames=0 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1"}
            << "0 1 1 1 1 1 1 1 1 1 1 1 1 1 " << 0 << 2 << 0.0;
        QTest::newRow("frames text with garbage")
            << QStringList{"ActivatedFrames=x 2 0"} << "0 1 0 1 1 1 0 0 0 1 0 1 1 0 " << 0 << 2 << 0.0;
        QTest::newRow("logo switch of older versions")
            << QStringList{"CurrentUserLogoVisible=true"} << defaults << 2 << 2 << 0.0;
        QTest::newRow("a position wins over the logo switch")
            << QStringList{"CurrentUserLogoVisible=true", "CurrentUserLogoPosition=1"} << defaults << 1 << 2
            << 0.0;
        QTest::newRow("edition switch of older versions: on")
            << QStringList{"DIN4108_3Accordance=true", "DIN4108_3Accordance_Type=0"} << defaults << 0 << 2
            << 0.0;
        QTest::newRow("edition switch of older versions: off")
            << QStringList{"DIN4108_3Accordance=false"} << defaults << 0 << 3 << 0.0;
        QTest::newRow("hand-edited nonsense gives defaults")
            << QStringList{"CurrentUserLogoPosition=7", "DIN4108_3Accordance_Type=9", "DryingReserve=-1",
                           "NonCapillarAw=nan", "MinimumHeatResVersion=5"}
            << defaults << 0 << 2 << 0.0;
        QTest::newRow("drying reserve") << QStringList{"DryingReserve=0.1"} << defaults << 0 << 2 << 0.1;
    }

    void reportSettings() {
        QFETCH(QStringList, values);
        QFETCH(QString, frames);
        QFETCH(int, logoPosition);
        QFETCH(int, edition);
        QFETCH(double, dryingReserve);
        for (QString &v : values)
            v.prepend("ReportSettings/");
        QSettings in(store(QString(QTest::currentDataTag()).replace(' ', '_') + ".report.ini", values),
                     QSettings::IniFormat);
        Settings &s = Settings::instance();
        s.read(in);
        const ReportSettings &r = s.m_reportSettings;
        QCOMPARE(ReportSettings::framesToText(r.m_activatedFrames), frames);
        QCOMPARE(r.m_userLogo.m_position, logoPosition);
        QCOMPARE(r.m_assessment.m_accordanceType, edition);
        QCOMPARE(r.m_assessment.m_dryingReserve, dryingReserve);
        QCOMPARE(r.m_assessment.m_nonCapillarAw, AssessmentSettings().m_nonCapillarAw);
        QCOMPARE(r.m_assessment.m_minimumHeatResVersion, 1);

        // Written back, the edition is a number of its own: the old switch must not decide again.
        QSettings out(m_dir.filePath(QString(QTest::currentDataTag()).replace(' ', '_') + ".out.ini"),
                      QSettings::IniFormat);
        s.write(out);
        QVERIFY(!out.contains("ReportSettings/DIN4108_3Accordance"));
        QVERIFY(!out.contains("ReportSettings/CurrentUserLogoVisible"));
        s.m_reportSettings.m_assessment.m_accordanceType = AssessmentSettings::DIN4108_3_2014;
        s.write(out);
        s.read(out);
        QCOMPARE(s.m_reportSettings.m_assessment.m_accordanceType, int(AssessmentSettings::DIN4108_3_2014));
    }
};

QTEST_GUILESS_MAIN(tst_Settings)
#include "tst_Settings.moc"
