// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "Directories.h"
#include "Settings.h"
#include "StartUp.h"
#include "TranslationCatalogues.h"
#include "ZMT_MessageHandler.h"
#include "ZMT_MessageStream.h"

namespace {

// Collects the text of every message, without columns.
class CollectingHandler : public ZMT::MessageHandler {
public:
    std::string text;
    void message(const std::string &t, int, const std::string &, int) override { text += t; }
};

} // namespace

class tst_StartUp : public QObject {
    Q_OBJECT
private slots:
    void init() { Settings::instance().resetToDefaults(); }

    void commandLine_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("result"); // initial file | command-line language | splash, or "help"
        QTest::newRow("no arguments: last project") << QStringList{} << "/last.t2p||1";
        QTest::newRow("help") << QStringList{"--help", "w.t2p"} << "help";
        QTest::newRow("lang=EN kept as given") << QStringList{"--lang=EN"} << "/last.t2p|EN|1";
        QTest::newRow("--language=pl") << QStringList{"--language=pl"} << "/last.t2p|pl|1";
        QTest::newRow("--lang alone ignored") << QStringList{"--lang"} << "/last.t2p||1";
        QTest::newRow("one dash is a file") << QStringList{"-x"} << "-x||1";
        QTest::newRow("second file wins, trimmed") << QStringList{"a.t2p", " b.t2p "} << "b.t2p||1";
        QTest::newRow("no-splash") << QStringList{"--no-splash", "w.t2p"} << "w.t2p||0";
    }
    void commandLine() {
        QFETCH(QStringList, args);
        Settings &s = Settings::instance();
        s.m_lastProjectFile = "/last.t2p";
        const bool run = StartUp::evaluateCommandLine(QStringList{"Tavo2"} + args, s);
        QTEST(!run ? QString("help")
                   : QString("%1|%2|%3")
                         .arg(s.m_initialProjectFile, s.m_commandLineLanguage)
                         .arg(s.m_flags.value(Settings::SplashScreenFlag)),
              "result");
    }

    void language_data() {
        QTest::addColumn<QStringList>("storedCommandLineSystem");
        QTest::addColumn<QString>("expected");
        QTest::newRow("stored language") << QStringList{"de", "", "en_US"} << "de";
        QTest::newRow("command line wins") << QStringList{"de", "pl", "en_US"} << "pl";
        QTest::newRow("system locale de_AT gives de") << QStringList{"", "", "de_AT"} << "de";
        QTest::newRow("system locale without country") << QStringList{"", "", "pl"} << "pl";
    }
    void language() {
        QFETCH(QStringList, storedCommandLineSystem);
        Settings &s = Settings::instance();
        s.m_languageId = storedCommandLineSystem[0];
        s.m_commandLineLanguage = storedCommandLineSystem[1];
        QTEST(StartUp::decideLanguage(s, storedCommandLineSystem[2]), "expected");
    }

    void catalogues_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QString>("log");
        const QString de = "Translation required for locale: de\nqt_de loaded\nTavo2_de ";
        QTest::newRow("english needs nothing")
            << "en" << QStringList() << "No Translation required for locale: en\n";
        QTest::newRow("both catalogues") << "de" << QStringList{"qt_de.qm", "Tavo2_de.qm"} << de + "loaded\n";
        QTest::newRow("only the Qt catalogue: none installed")
            << "de" << QStringList{"qt_de.qm"} << de + "not found\n";
        QTest::newRow("unknown language")
            << "xx" << QStringList()
            << "Translation required for locale: xx\nqt_xx not found\nTavo2_xx not found\n";
    }
    void catalogues() {
        QFETCH(QString, language);
        QFETCH(QStringList, present);
        QTemporaryDir dir;
        for (const QString &file : present)
            QVERIFY2(QFile::copy(translationsDir() + "/" + file, dir.filePath(file)), qPrintable(file));
        CollectingHandler handler;
        ZMT::setMessageHandler(&handler);
        TranslationCatalogues catalogues; // removed again at the end
        bool installed;
        {
            ZMT::MessageStream stream(ZMT::MSG_PROGRESS, "main", -1);
            installed = StartUp::installTranslations(language, dir.path(), catalogues, stream);
        }
        ZMT::restoreDefaultMessageHandler();
        QTEST(QString::fromStdString(handler.text), "log");
        QCOMPARE(installed, present.size() == 2); // only with the program's own catalogue
        const char *tagline = "A software for hygrothermal evaluation of building envelope systems";
        QCOMPARE(QCoreApplication::translate("MainWindow", tagline).startsWith("Eine"), installed);
    }

    void helpExitsWithOneAndExactText() {
        QProcess p;
        p.start(QCoreApplication::applicationDirPath() + "/Tavo2", QStringList{"--help"});
        QVERIFY(p.waitForFinished(20000) && p.exitStatus() == QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 1);
        const QString help =
            "Tavo 2 Command Line Syntax:\n\n  --help  \n  --no-splash  \n  --lang=<language ID>  \n";
        QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()), help);
    }
};

QTEST_MAIN(tst_StartUp)
#include "tst_StartUp.moc"
