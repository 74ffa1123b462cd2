#include <QScreen>
#include <QUndoStack>
#include <QtTest>

#include <fstream>
#include <sstream>

#include "Directories.h"
#include "MainWindow.h"
#include "Settings.h"
#include "StartUp.h"
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
    void initTestCase() {
        // the program creates the one undo stack at start, owned by the settings
        Settings::instance().setUndoStack(new QUndoStack(&Settings::instance()));
    }
    void init() { Settings::instance().resetToDefaults(); }
    void commandLine_data();
    void commandLine();
    void language_data();
    void language();
    void catalogues_data();
    void catalogues();
    void helpExitsWithOneAndExactText();
    void windowSizeTitleAndSettingsOnClose();
};

void tst_StartUp::commandLine_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("run");
    QTest::addColumn<QString>("initialFile");
    QTest::addColumn<QString>("cmdLanguage");
    QTest::addColumn<bool>("splash");
    // the last project file is "/last.t2p"
    QTest::newRow("no arguments: last project") << QStringList{} << true << "/last.t2p"
                                                << "" << true;
    QTest::newRow("help") << QStringList{"--help"} << false << "/last.t2p"
                          << "" << true;
    QTest::newRow("lang=EN kept as given") << QStringList{"--lang=EN"} << true << "/last.t2p"
                                           << "EN" << true;
    QTest::newRow("--language=pl is a language option") << QStringList{"--language=pl"} << true << "/last.t2p"
                                                        << "pl" << true;
    QTest::newRow("value after the first =") << QStringList{"--lang=a=b"} << true << "/last.t2p"
                                             << "a=b" << true;
    QTest::newRow("--lang alone ignored") << QStringList{"--lang"} << true << "/last.t2p"
                                          << "" << true;
    QTest::newRow("unknown option ignored") << QStringList{"--frobnicate"} << true << "/last.t2p"
                                            << "" << true;
    QTest::newRow("one dash is a file") << QStringList{"-x"} << true << "-x"
                                        << "" << true;
    QTest::newRow("second file wins, trimmed") << QStringList{"a.t2p", " b.t2p "} << true << "b.t2p"
                                               << "" << true;
    QTest::newRow("no-splash clears flag 0") << QStringList{"--no-splash", "w.t2p"} << true << "w.t2p"
                                             << "" << false;
}

void tst_StartUp::commandLine() {
    QFETCH(QStringList, args);
    QFETCH(bool, run);
    QFETCH(QString, initialFile);
    QFETCH(QString, cmdLanguage);
    QFETCH(bool, splash);
    Settings &s = Settings::instance();
    s.m_lastProjectFile = "/last.t2p";
    args.prepend("Tavo2");
    QCOMPARE(StartUp::evaluateCommandLine(args, s), run);
    if (!run)
        return;
    QCOMPARE(s.m_initialProjectFile, initialFile);
    QCOMPARE(s.m_commandLineLanguage, cmdLanguage);
    QCOMPARE(s.m_flags.value(Settings::SplashScreenFlag), splash);
}

void tst_StartUp::language_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("expected");
    QTest::newRow("stored language") << "de"
                                     << ""
                                     << "en_US"
                                     << "de";
    QTest::newRow("command line wins") << "de"
                                       << "pl"
                                       << "en_US"
                                       << "pl";
    QTest::newRow("system locale de_AT gives de") << ""
                                                  << ""
                                                  << "de_AT"
                                                  << "de";
    QTest::newRow("system locale without country") << ""
                                                   << ""
                                                   << "pl"
                                                   << "pl";
}

void tst_StartUp::language() {
    QFETCH(QString, stored);
    QFETCH(QString, commandLine);
    QFETCH(QString, system);
    QFETCH(QString, expected);
    Settings &s = Settings::instance();
    s.m_languageId = stored;
    s.m_commandLineLanguage = commandLine;
    QCOMPARE(StartUp::decideLanguage(s, system), expected);
}

void tst_StartUp::catalogues_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("log");
    QTest::newRow("english needs nothing")
        << "en" << QStringList{} << false << "No Translation required for locale: en\n";
    QTest::newRow("both catalogues")
        << "de" << QStringList{"qt_de.qm", "Tavo2_de.qm"} << true
        << "Translation required for locale: de\nqt_de loaded\nTavo2_de loaded\n";
    QTest::newRow("only the Qt catalogue: none installed")
        << "de" << QStringList{"qt_de.qm"} << false
        << "Translation required for locale: de\nqt_de loaded\nTavo2_de not found\n";
    QTest::newRow("unknown language")
        << "xx" << QStringList{} << false
        << "Translation required for locale: xx\nqt_xx not found\nTavo2_xx not found\n";
}

void tst_StartUp::catalogues() {
    QFETCH(QString, language);
    QFETCH(QStringList, present);
    QFETCH(bool, installed);
    QFETCH(QString, log);
    QTemporaryDir dir;
    for (const QString &file : present)
        QVERIFY2(QFile::copy(translationsDir() + "/" + file, dir.filePath(file)), qPrintable(file));
    CollectingHandler handler;
    ZMT::setMessageHandler(&handler);
    QTranslator qtTranslator;
    QTranslator appTranslator;
    bool result;
    {
        ZMT::MessageStream stream(ZMT::MSG_PROGRESS, "main", -1);
        result = StartUp::installTranslations(language, dir.path(), qtTranslator, appTranslator, stream);
    }
    ZMT::restoreDefaultMessageHandler();
    QCOMPARE(result, installed);
    QCOMPARE(QString::fromStdString(handler.text), log);
    if (installed) {
        QCOMPARE(QCoreApplication::translate(
                     "MainWindow", "A software for hygrothermal evaluation of building envelope systems")
                     .left(4),
                 QString("Eine"));
        QCoreApplication::removeTranslator(&qtTranslator);
        QCoreApplication::removeTranslator(&appTranslator);
    }
}

void tst_StartUp::helpExitsWithOneAndExactText() {
    QProcess p;
    p.start(QCoreApplication::applicationDirPath() + "/Tavo2", QStringList{"--help"});
    QVERIFY(p.waitForFinished(20000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 1);
    QCOMPARE(
        QString::fromUtf8(p.readAllStandardOutput()),
        QString("Tavo 2 Command Line Syntax:\n\n  --help  \n  --no-splash  \n  --lang=<language ID>  \n"));
}

void tst_StartUp::windowSizeTitleAndSettingsOnClose() {
    Settings::instance().m_languageId = "pl";
    MainWindow window(nullptr);
    QCOMPARE(window.windowTitle(), QString("Tavo 2"));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(window.size(), QSize(qMax(800, screen.width() / 3 * 2), qMax(600, screen.height() / 3 * 2)));
    window.show();
    QVERIFY(window.close());
    QSettings store(QStringLiteral("ZMT"), QStringLiteral("Tavo 2.4"));
    QCOMPARE(store.value("LanguageID").toString(), QString("pl"));
    QVERIFY(store.contains("ProjectDefaults/DefaultLayerWidthUnit"));
}

QTEST_MAIN(tst_StartUp)
#include "tst_StartUp.moc"
