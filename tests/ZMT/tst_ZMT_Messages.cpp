#include <QtTest>

#include <fstream>
#include <sstream>

#include "ZMT_Exception.h"
#include "ZMT_MessageFormat.h"
#include "ZMT_MessageHandler.h"
#include "ZMT_MessageStream.h"

using namespace ZMT;

namespace {

// A handler that keeps console output instead of printing it.
class CapturingHandler : public MessageHandler {
public:
    std::string console;

protected:
    void writeConsole(const std::string &text, int) override { console += text; }
};

std::string readFile(const QString &path) {
    std::ifstream in(path.toStdString());
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

class tst_ZMT_Messages : public QObject {
    Q_OBJECT
private slots:
    void formatPlaceholders_data();
    void formatPlaceholders();
    void exceptionChain();
    void logLines_data();
    void logLines();
    void verbosityRules_data();
    void verbosityRules();
    void openLogWithLevelZeroCreatesNothing();
    void openLogAppendMarksContinuation();
    void openLogFailureText();
    void streamSendsOneMessagePerLine();
    void registryRestoresDefault();
};

void tst_ZMT_Messages::formatPlaceholders_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("expected");
    QTest::newRow("missing second argument stays")
        << "Unit index %1 out of range 0..%2." << QStringList{"7"} << "Unit index 7 out of range 0..%2.";
    QTest::newRow("both filled") << "Unit index %1 out of range 0..%2." << QStringList{"7", "3"}
                                 << "Unit index 7 out of range 0..3.";
    QTest::newRow("repeated and reordered") << "%2-%1-%2" << QStringList{"a", "b"} << "b-a-b";
    QTest::newRow("two-digit placeholder") << "%10|%1" << QStringList{"x"} << "%10|x";
    QTest::newRow("percent without number") << "100% sure %" << QStringList{"x"} << "100% sure %";
    QTest::newRow("argument containing a placeholder is not expanded again")
        << "%1 %2" << QStringList{"%2", "b"} << "%2 b";
}

void tst_ZMT_Messages::formatPlaceholders() {
    QFETCH(QString, format);
    QFETCH(QStringList, args);
    QFETCH(QString, expected);
    MessageFormat f(format.toStdString());
    for (const QString &a : args)
        f.arg(a.toStdString());
    QCOMPARE(QString::fromStdString(f.str()), expected);
}

void tst_ZMT_Messages::exceptionChain() {
    const Exception first(MessageFormat("Missing value for '%1'.").arg("Lambda"), "[Parameter::read]");
    const Exception second(first, "Error reading material.", "[Material::readOld]");
    QCOMPARE(std::string(second.what()), std::string("Error reading material."));
    QCOMPARE(second.messages().size(), std::size_t(2));
    QCOMPARE(second.messages()[0].location, std::string("[Parameter::read]"));
    QCOMPARE(second.messages()[0].message, std::string("Missing value for 'Lambda'."));
    const Exception copy = second; // copying keeps the whole chain
    QCOMPARE(copy.messages().size(), std::size_t(2));
    QCOMPARE(std::string(first.what()), std::string("Missing value for 'Lambda'."));
}

void tst_ZMT_Messages::logLines_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("location");
    QTest::addColumn<int>("indent");
    QTest::addColumn<QString>("expected");
    const QString fn = QStringLiteral("main") + QString(36, QLatin1Char(' ')) + QStringLiteral("\t");
    const QString blank = QString(40, QLatin1Char(' ')) + QStringLiteral("\t");
    QTest::newRow("progress ends without added line end")
        << "started\n"
        << 0 << "main" << 0 << "[Progress]\t" + fn + "started\n";
    QTest::newRow("three lines get three sets of columns")
        << "a\nb\nc\n"
        << 0 << "main" << 0 << "[Progress]\t" + fn + "a\n[Progress]\t" + fn + "b\n[Progress]\t" + fn + "c\n";
    QTest::newRow("warning gets a line end")
        << "careful" << 2 << "main" << 0 << "[Warning ]\t" + fn + "careful\n";
    QTest::newRow("error text ending in line feed: no empty line")
        << "bad\n"
        << 3 << "main" << 0 << "[Error   ]\t" + fn + "bad\n";
    QTest::newRow("debug without location") << "dbg" << 4 << "" << 0 << "[Debug   ]\t" + blank + "dbg\n";
    QTest::newRow("indentation two blanks per level")
        << "x\ny\n"
        << 0 << "f" << 2
        << "[Progress]\tf" + QString(39, QLatin1Char(' ')) + "\t    x\n[Progress]\tf" +
               QString(39, QLatin1Char(' ')) + "\t    y\n";
    QTest::newRow("continuation is raw") << "more text" << 1 << "main" << 0 << "more text";
}

void tst_ZMT_Messages::logLines() {
    QFETCH(QString, text);
    QFETCH(int, type);
    QFETCH(QString, location);
    QFETCH(int, indent);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    CapturingHandler h;
    h.setTimeStampFormat(std::string());
    h.setIndentation(indent);
    const QString path = dir.filePath("log.txt");
    std::string err;
    QVERIFY(h.openLog(path.toStdString(), false, err));
    h.message(text.toStdString(), type, location.toStdString(), 1);
    QCOMPARE(QString::fromStdString(readFile(path)), expected);
}

void tst_ZMT_Messages::verbosityRules_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("verbosity");
    QTest::addColumn<bool>("inLog");
    QTest::addColumn<bool>("onConsole");
    // log level 2, console level 4 (the defaults)
    QTest::newRow("error verbosity 9 always written") << 3 << 9 << true << true;
    QTest::newRow("debug verbosity 9 always written") << 4 << 9 << true << true;
    QTest::newRow("warning verbosity 9 dropped") << 2 << 9 << false << false;
    QTest::newRow("progress verbosity 3: console only") << 0 << 3 << false << true;
    QTest::newRow("progress verbosity 2: both") << 0 << 2 << true << true;
    QTest::newRow("progress verbosity 0: console only") << 0 << 0 << false << true;
    QTest::newRow("verbosity -1 passes every test") << 0 << -1 << true << true;
    QTest::newRow("continuation verbosity 5 dropped") << 1 << 5 << false << false;
    QTest::newRow("invalid type never written") << 7 << 1 << false << false;
}

void tst_ZMT_Messages::verbosityRules() {
    QFETCH(int, type);
    QFETCH(int, verbosity);
    QFETCH(bool, inLog);
    QFETCH(bool, onConsole);
    QTemporaryDir dir;
    CapturingHandler h;
    const QString path = dir.filePath("log.txt");
    std::string err;
    QVERIFY(h.openLog(path.toStdString(), false, err));
    h.message("text\n", type, "loc", verbosity);
    QCOMPARE(!readFile(path).empty(), inLog);
    QCOMPARE(!h.console.empty(), onConsole);
}

void tst_ZMT_Messages::openLogWithLevelZeroCreatesNothing() {
    QTemporaryDir dir;
    MessageHandler h;
    h.setLogfileVerbosityLevel(0);
    const QString path = dir.filePath("log.txt");
    std::string err;
    QVERIFY(h.openLog(path.toStdString(), false, err));
    QVERIFY(!QFile::exists(path));
    QVERIFY(!h.isLogOpen());
}

void tst_ZMT_Messages::openLogAppendMarksContinuation() {
    QTemporaryDir dir;
    const QString path = dir.filePath("log.txt");
    { std::ofstream(path.toStdString()) << "old\n"; }
    MessageHandler h;
    std::string err;
    QVERIFY(h.openLog(path.toStdString(), true, err));
    h.message("new\n", 0, "", 1);
    const std::string content = readFile(path);
    QVERIFY(content.rfind("old\n\n----------- continued -------------\n", 0) == 0);
    // truncating start: the previous content is gone
    QVERIFY(h.openLog(path.toStdString(), false, err));
    QCOMPARE(readFile(path), std::string());
}

void tst_ZMT_Messages::openLogFailureText() {
    MessageHandler h;
    std::string err;
    QVERIFY(!h.openLog("/nonexistent-dir/x/log.txt", false, err));
    QCOMPARE(err, std::string("Cannot open/create logfile '/nonexistent-dir/x/log.txt'."));
    QVERIFY(!h.isLogOpen());
}

void tst_ZMT_Messages::streamSendsOneMessagePerLine() {
    QTemporaryDir dir;
    CapturingHandler h;
    h.setTimeStampFormat(std::string());
    h.setFunctionNameColumnWidth(4);
    const QString path = dir.filePath("log.txt");
    std::string err;
    QVERIFY(h.openLog(path.toStdString(), false, err));
    setMessageHandler(&h);
    {
        MessageStream s(MSG_PROGRESS, "main", -1);
        s << "value " << 42 << ZMT::endl;
        s << "rest";
    } // destruction sends the rest without a line feed
    restoreDefaultMessageHandler();
    QCOMPARE(readFile(path), std::string("[Progress]\tmain\tvalue 42\n[Progress]\tmain\trest"));
}

void tst_ZMT_Messages::registryRestoresDefault() {
    MessageHandler *def = messageHandler();
    QCOMPARE(def, defaultMessageHandler());
    {
        MessageHandler other;
        setMessageHandler(&other);
        QCOMPARE(messageHandler(), &other);
    } // destroying the current handler restores the default
    QCOMPARE(messageHandler(), def);
}

QTEST_GUILESS_MAIN(tst_ZMT_Messages)
#include "tst_ZMT_Messages.moc"
