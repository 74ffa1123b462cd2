// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <fstream>

#include "ZMT_MessageFormat.h"
#include "ZMT_MessageHandler.h"
#include "ZMT_MessageStream.h"

using namespace ZMT;

namespace {

std::string readFile(const std::string &path) {
    QFile f(QString::fromStdString(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
}

// A handler that keeps console output instead of printing it, and logs into a fresh folder.
class CapturingHandler : public MessageHandler {
public:
    CapturingHandler() {
        std::string err;
        QVERIFY2(openLog(m_dir.filePath("log.txt").toStdString(), false, err), err.c_str());
    }
    std::string log() const { return readFile(m_dir.filePath("log.txt").toStdString()); }
    std::string console;

protected:
    void writeConsole(const std::string &text, int) override { console += text; }

private:
    QTemporaryDir m_dir;
};

struct LogCase {
    int type, indent;
    QString location, text, expected;
};

// Where a message goes with log level 2 and console level 4 (the defaults).
struct Rule {
    int type, verbosity;
    bool inLog, onConsole;
};

} // namespace

Q_DECLARE_METATYPE(LogCase)
Q_DECLARE_METATYPE(Rule)

class tst_ZMT_Messages : public QObject {
    Q_OBJECT
private slots:
    void formatPlaceholders() {
        QCOMPARE(MessageFormat("%2-%1-%2 %10 100%").arg("a").arg("b").str(), std::string("b-a-b %10 100%"));
        // An argument is not expanded again; a placeholder without argument stays.
        QCOMPARE(MessageFormat("%1 %2 %3").arg("%2").arg("b").str(), std::string("%2 b %3"));
    }

    void logLines_data() {
        QTest::addColumn<LogCase>("c");
        const QString m = "main" + QString(36, ' ') + "\t", f = "f" + QString(39, ' ') + "\t";
        QTest::newRow("progress: no added line end")
            << LogCase{0, 0, "main", "go\n", "[Progress]\t" + m + "go\n"};
        QTest::newRow("warning gets a line end") << LogCase{2, 0, "main", "hm", "[Warning ]\t" + m + "hm\n"};
        QTest::newRow("error ending in LF: no empty line")
            << LogCase{3, 0, "main", "x\n", "[Error   ]\t" + m + "x\n"};
        QTest::newRow("debug without location")
            << LogCase{4, 0, "", "x", "[Debug   ]\t" + QString(40, ' ') + "\tx\n"};
        QTest::newRow("indent: two blanks per level, each line")
            << LogCase{0, 2, "f", "x\ny\n", "[Progress]\t" + f + "    x\n[Progress]\t" + f + "    y\n"};
        QTest::newRow("continuation is raw") << LogCase{1, 0, "main", "more text", "more text"};
    }

    void logLines() {
        QFETCH(LogCase, c);
        CapturingHandler h;
        h.setTimeStampFormat(std::string());
        h.setIndentation(c.indent);
        h.message(c.text.toStdString(), c.type, c.location.toStdString(), 1);
        QCOMPARE(QString::fromStdString(h.log()), c.expected);
    }

    void verbosityRules_data() {
        QTest::addColumn<Rule>("rule");
        QTest::newRow("error (and debug) verbosity 9 always written") << Rule{3, 9, true, true};
        QTest::newRow("warning verbosity 9 dropped") << Rule{2, 9, false, false};
        QTest::newRow("progress verbosity 3: console only") << Rule{0, 3, false, true};
        QTest::newRow("progress verbosity 2: both") << Rule{0, 2, true, true};
        QTest::newRow("progress verbosity 0: console only") << Rule{0, 0, false, true};
        QTest::newRow("verbosity -1 passes every test") << Rule{0, -1, true, true};
        QTest::newRow("invalid type never written") << Rule{7, 1, false, false};
    }

    void verbosityRules() {
        QFETCH(Rule, rule);
        CapturingHandler h;
        h.message("text\n", rule.type, "loc", rule.verbosity);
        QCOMPARE(!h.log().empty(), rule.inLog);
        QCOMPARE(!h.console.empty(), rule.onConsole);
    }

    void openLog() {
        QTemporaryDir dir;
        const std::string path = dir.filePath("log.txt").toStdString();
        std::string err;
        MessageHandler silent;
        silent.setLogfileVerbosityLevel(0); // level 0 creates no file
        QVERIFY(silent.openLog(path, false, err));
        QVERIFY(!QFile::exists(dir.filePath("log.txt")) && !silent.isLogOpen());

        { std::ofstream(path) << "old\n"; }
        MessageHandler h;
        QVERIFY(h.openLog(path, true, err));
        h.message("new\n", 0, "", 1);
        QVERIFY(readFile(path).rfind("old\n\n----------- continued -------------\n", 0) == 0);
        QVERIFY(h.openLog(path, false, err) && readFile(path).empty()); // a fresh start truncates

        QVERIFY(!h.openLog("/nonexistent-dir/x/log.txt", false, err) && !h.isLogOpen());
        QCOMPARE(err, std::string("Cannot open/create logfile '/nonexistent-dir/x/log.txt'."));
    }

    void streamSendsOneMessagePerLine() {
        std::string log;
        {
            CapturingHandler h;
            h.setTimeStampFormat(std::string());
            h.setFunctionNameColumnWidth(4);
            setMessageHandler(&h);
            {
                MessageStream s(MSG_PROGRESS, "main", -1);
                s << "value " << 42 << ZMT::endl;
                s << "rest";
            } // destruction sends the rest without a line feed
            log = h.log();
        } // destroying the current handler restores the default
        QCOMPARE(log, std::string("[Progress]\tmain\tvalue 42\n[Progress]\tmain\trest"));
        QCOMPARE(messageHandler(), defaultMessageHandler());
    }
};

QTEST_GUILESS_MAIN(tst_ZMT_Messages)
#include "tst_ZMT_Messages.moc"
