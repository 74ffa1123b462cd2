// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "ZMT_Exception.h"
#include "ZMT_MessageHandler.h"
#include "ZMT_Path.h"
#include "ZMT_StringConversions.h"

using namespace ZMT;

namespace {

// "location|message" of the newest exception entry, "" when none is thrown.
template <class F> QString thrown(F f) {
    try {
        f();
    } catch (const Exception &e) {
        return QString::fromStdString(e.messages().back().location + "|" + e.messages().back().message);
    }
    return QString();
}

} // namespace

class tst_ZMT_Path : public QObject {
    Q_OBJECT
private slots:
    void normalisation_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("parts"); // stored|parent|file name|extension|name without extension
        const char *rows[][2] = {{"a/b/../c", "a/c|a|c||c"},
                                 {"a\\b\\", "a/b|a|b||b"},
                                 {"/x/y/z/../../w.v2.t2p", "/x/w.v2.t2p|/x|w.v2.t2p|t2p|w.v2"},
                                 {"../../a.tpj", "../../a.tpj|../..|a.tpj|tpj|a"},
                                 {"/log", "/log|/|log||log"},
                                 {"file.tpj", "file.tpj||file.tpj|tpj|file"}};
        for (const auto &r : rows)
            QTest::newRow(r[0]) << QString(r[0]) << QString(r[1]);
    }

    void normalisation() {
        QFETCH(QString, path);
        QFETCH(QString, parts);
        const Path p(path.toStdString());
        const std::string got = p.str() + "|" + p.parentPath().str() + "|" + p.filename() + "|" +
                                p.extension() + "|" + p.filenameWithoutExtension();
        QCOMPARE(QString::fromStdString(got), parts);
    }

    void rootAndInvalidPaths() {
        QCOMPARE(Path("/").str(), std::string("/"));
        QCOMPARE(thrown([] { Path().parentPath(); }), QString("[Path::parentPath]|Invalid path: ''"));
        QCOMPARE(thrown([] { Path("C:").parentPath(); }), QString("[Path::parentPath]|No parent possible."));
        QVERIFY(!thrown([] { Path().filename(); }).isEmpty());
    }

    void makePathCreatesAllParentsOrReportsTheSystemError() {
        QTemporaryDir dir;
        const std::string base = dir.path().toStdString();
        QVERIFY(makePath(Path(base + "/x/y/z")) && Path(base + "/x/y/z").isDirectory());
        QVERIFY(makePath(Path(base + "/x/y/z")) && makePath(Path())); // existing or empty: not an error

        const QString file = dir.filePath("plain-file");
        QVERIFY(QFile(file).open(QIODevice::WriteOnly));
        MessageHandler h;
        h.setConsoleVerbosityLevel(0);
        std::string err;
        QVERIFY(h.openLog(dir.filePath("log.txt").toStdString(), false, err));
        setMessageHandler(&h);
        const bool ok = makePath(Path((file + "/sub").toStdString()));
        restoreDefaultMessageHandler();
        QFile log(dir.filePath("log.txt"));
        QVERIFY(!ok && log.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(log.readAll());
        QVERIFY2(text.contains("[ZMT_Path::makePath]") && text.contains("Not a directory") &&
                     text.contains("Error in CreateDirectoryW()."),
                 qPrintable(text));
    }

    void invalidUtf8Throws() {
        for (const char *bytes : {"W\xe4nde", "a\xc3", "\xc0\xaf", "\xed\xa0\x80"})
            QCOMPARE(thrown([&] { UTF8ToWstring(bytes); }),
                     QString("[ZMT::UTF8ToWstring]|Cannot create wide string from UTF8 string."));
        QCOMPARE(WstringToUTF8(UTF8ToWstring("\xF0\x9F\x8F\xA0 D\xc3\xa4mmung")),
                 std::string("\xF0\x9F\x8F\xA0 D\xc3\xa4mmung"));
    }
};

QTEST_GUILESS_MAIN(tst_ZMT_Path)
#include "tst_ZMT_Path.moc"
