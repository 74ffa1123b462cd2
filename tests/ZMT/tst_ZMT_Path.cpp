#include <QtTest>

#include "ZMT_Exception.h"
#include "ZMT_MessageHandler.h"
#include "ZMT_Path.h"
#include "ZMT_StringConversions.h"

using namespace ZMT;

class tst_ZMT_Path : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { messageHandler()->setConsoleVerbosityLevel(0); }
    void normalisation_data();
    void normalisation();
    void parentAndName_data();
    void parentAndName();
    void invalidPathsThrow();
    void makePathCreatesAllParents();
    void makePathFailureReportsSystemError();
    void utf8Conversions_data();
    void utf8Conversions();
    void invalidUtf8Throws_data();
    void invalidUtf8Throws();
};

void tst_ZMT_Path::normalisation_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("stored");
    QTest::newRow("up-level in the middle") << "a/b/../c"
                                            << "a/c";
    QTest::newRow("backslashes and trailing separator") << "a\\b\\"
                                                        << "a/b";
    QTest::newRow("single slash kept") << "/"
                                       << "/";
    QTest::newRow("two up-levels") << "/x/y/z/../../w"
                                   << "/x/w";
    QTest::newRow("leading up-level kept") << "../a/b"
                                           << "../a/b";
    QTest::newRow("up-level after up-level kept") << "../../a"
                                                  << "../../a";
    QTest::newRow("user data dir sibling") << "/home/u/.local/share/Tavo2/../ZMT/Tavo2"
                                           << "/home/u/.local/share/ZMT/Tavo2";
    QTest::newRow("only one trailing separator removed") << "a//"
                                                         << "a/";
}

void tst_ZMT_Path::normalisation() {
    QFETCH(QString, input);
    QFETCH(QString, stored);
    QCOMPARE(QString::fromStdString(Path(input.toStdString()).str()), stored);
}

void tst_ZMT_Path::parentAndName_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("stem");
    QTest::newRow("trailing slash ignored") << "a/b/"
                                            << "a"
                                            << "b"
                                            << ""
                                            << "b";
    QTest::newRow("file with two dots") << "/d/wall.v2.t2p"
                                        << "/d"
                                        << "wall.v2.t2p"
                                        << "t2p"
                                        << "wall.v2";
    QTest::newRow("root child") << "/log"
                                << "/"
                                << "log"
                                << ""
                                << "log";
    QTest::newRow("no directory") << "file.tpj"
                                  << ""
                                  << "file.tpj"
                                  << "tpj"
                                  << "file";
}

void tst_ZMT_Path::parentAndName() {
    QFETCH(QString, path);
    QFETCH(QString, parent);
    QFETCH(QString, name);
    QFETCH(QString, extension);
    QFETCH(QString, stem);
    const Path p(path.toStdString());
    QCOMPARE(QString::fromStdString(p.parentPath().str()), parent);
    QCOMPARE(QString::fromStdString(p.filename()), name);
    QCOMPARE(QString::fromStdString(p.extension()), extension);
    QCOMPARE(QString::fromStdString(p.filenameWithoutExtension()), stem);
}

void tst_ZMT_Path::invalidPathsThrow() {
    try {
        Path().parentPath();
        QFAIL("no exception");
    } catch (const Exception &e) {
        QCOMPARE(std::string(e.what()), std::string("Invalid path: ''"));
        QCOMPARE(e.messages().back().location, std::string("[Path::parentPath]"));
    }
    try {
        Path("C:").parentPath();
        QFAIL("no exception");
    } catch (const Exception &e) {
        QCOMPARE(std::string(e.what()), std::string("No parent possible."));
    }
    QVERIFY_EXCEPTION_THROWN(Path().filename(), Exception);
}

void tst_ZMT_Path::makePathCreatesAllParents() {
    QTemporaryDir dir;
    const std::string base = dir.path().toStdString();
    QVERIFY(makePath(Path(base + "/x/y/z")));
    QVERIFY(Path(base + "/x/y/z").isDirectory());
    QVERIFY(makePath(Path(base + "/x/y/z"))); // existing: not an error
    QVERIFY(makePath(Path()));                // empty: not an error
}

void tst_ZMT_Path::makePathFailureReportsSystemError() {
    QTemporaryDir dir;
    const QString file = dir.filePath("plain-file");
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    const QString logPath = dir.filePath("log.txt");
    MessageHandler h;
    h.setConsoleVerbosityLevel(0);
    std::string err;
    QVERIFY(h.openLog(logPath.toStdString(), false, err));
    setMessageHandler(&h);
    const bool ok = makePath(Path((file + "/sub").toStdString()));
    restoreDefaultMessageHandler();
    QVERIFY(!ok);
    QFile log(logPath);
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(log.readAll());
    QVERIFY2(text.contains("[ZMT_Path::makePath]"), qPrintable(text));
    QVERIFY2(text.contains("Not a directory") && text.contains("Error in CreateDirectoryW()."),
             qPrintable(text));
}

void tst_ZMT_Path::utf8Conversions_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("ascii") << "C:/Projekte/wand.t2p";
    QTest::newRow("umlauts") << QString::fromUtf8("Außenwand_Dämmung.t2p");
    QTest::newRow("outside the basic plane") << QString::fromUtf8("\xF0\x9F\x8F\xA0 haus");
    QTest::newRow("empty") << "";
}

void tst_ZMT_Path::utf8Conversions() {
    QFETCH(QString, text);
    const std::string utf8 = text.toStdString();
    const std::wstring wide = UTF8ToWstring(utf8);
    QCOMPARE(QString::fromStdWString(wide), text);
    QCOMPARE(WstringToUTF8(wide), utf8);
}

void tst_ZMT_Path::invalidUtf8Throws_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("latin-1 byte") << QByteArray("W\xe4nde");
    QTest::newRow("truncated sequence") << QByteArray("a\xc3");
    QTest::newRow("overlong slash") << QByteArray("\xc0\xaf");
    QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80");
}

void tst_ZMT_Path::invalidUtf8Throws() {
    QFETCH(QByteArray, bytes);
    try {
        UTF8ToWstring(bytes.toStdString());
        QFAIL("no exception");
    } catch (const Exception &e) {
        QCOMPARE(std::string(e.what()), std::string("Cannot create wide string from UTF8 string."));
        QCOMPARE(e.messages().back().location, std::string("[ZMT::UTF8ToWstring]"));
    }
}

QTEST_GUILESS_MAIN(tst_ZMT_Path)
#include "tst_ZMT_Path.moc"
