// SPDX-License-Identifier: GPL-3.0-or-later
// The batch program against hostile surroundings: output to devices, pipes and standard output,
// runs that read nothing, oversized and piped project files, damaged material databases and a
// file-size limit. Runs the real executable, as a script (possibly as root) does.
#include <QDataStream>
#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

#include <cerrno>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include "IoTestHelpers.h"
#include "MaterialRecord.h"

namespace {

const QString FlatRoof = QStringLiteral(TAVO_EXAMPLES_DIR "/unventilated-flat-roof.t2p");
const QString LegacyWall = QStringLiteral(TAVO_EXAMPLES_DIR "/legacy/wall.tpj");

struct Run {
    int exitCode = -1; ///< -1 also for a crash or a hang
    QByteArray out;
    QString err;
};

Run finish(QProcess &process) {
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return {-1, process.readAllStandardOutput(),
                QStringLiteral("did not finish normally: ") + process.readAllStandardError()};
    }
    return {process.exitCode(), process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

Run runProgram(const QString &program, const QStringList &args, const QString &workingDir = QString(),
               const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setWorkingDirectory(workingDir.isEmpty() ? QDir::tempPath() : workingDir);
    process.setProcessEnvironment(env);
    process.start(program, args);
    return finish(process);
}

Run runCalc(const QStringList &args, const QString &workingDir = QString()) {
    return runProgram(QStringLiteral(TAVO_CALC_EXE), args, workingDir);
}

// Runs tavo2-calc through the shell after \a shellSetup (such as a ulimit).
Run runCalcAfter(const QString &shellSetup, const QStringList &args) {
    QString command = shellSetup + QStringLiteral("; exec \"$0\" \"$@\"");
    return runProgram(QStringLiteral("/bin/sh"), QStringList{"-c", command, TAVO_CALC_EXE} + args);
}

int jsonCount(const QByteArray &json) {
    const QJsonDocument doc = QJsonDocument::fromJson(json);
    return doc.isArray() ? doc.array().size() : -1;
}

mode_t fileType(const QString &path) {
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? (st.st_mode & S_IFMT) : 0;
}

// A background process that copies \a from to \a to (either may be a FIFO).
void startCopy(QProcess &process, const QString &from, const QString &to) {
    process.start(QStringLiteral("/bin/sh"), {"-c", "cat \"$0\" > \"$1\"", from, to});
    QVERIFY(process.waitForStarted());
}

bool makeFifo(const QString &path) {
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

} // namespace

class tst_BatchRobustness : public QObject {
    Q_OBJECT
    QTemporaryDir m_tmp;
    int m_case = 0;

    // A fresh folder per test row.
    QString caseDir() const { return m_tmp.filePath(QString::number(m_case)); }

private slots:
    void init() {
        ++m_case;
        QVERIFY(QDir().mkpath(caseDir()));
    }

    // A device node, a FIFO or standard output is written to, never replaced by a regular file.
    void outputToSpecialFiles_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("FIFO") << "fifo";
        QTest::newRow("character device") << "device";
        QTest::newRow("dash for standard output") << "dash";
        QTest::newRow("/dev/stdout") << "stdout";
    }
    void outputToSpecialFiles() {
        QFETCH(QString, kind);
        const QString dir = caseDir();
        QString target = dir + "/target";
        if (kind == "fifo") {
            QVERIFY(makeFifo(target));
        } else if (kind == "device") {
            // The null device's numbers; root inside a container may still be refused.
            if (::mknod(QFile::encodeName(target).constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
                QSKIP(qPrintable(QString("mknod not permitted: %1").arg(qt_error_string(errno))));
        } else if (kind == "dash") {
            target = "-";
        } else {
            target = "/dev/stdout";
        }

        QProcess reader; // the other end of the FIFO
        if (kind == "fifo")
            reader.start("cat", {target});
        const Run run = runCalc({"--format", "json", "-o", target, FlatRoof}, dir);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QString());
        if (kind == "fifo") {
            const bool done = reader.waitForFinished(20000);
            if (!done)
                reader.kill();
            QVERIFY2(done, "the FIFO's reader got no end of file");
            QCOMPARE(jsonCount(reader.readAllStandardOutput()), 1);
            QCOMPARE(fileType(target), mode_t(S_IFIFO));
        } else if (kind == "device") {
            QCOMPARE(fileType(target), mode_t(S_IFCHR));
        } else {
            QCOMPARE(jsonCount(run.out), 1);
            QVERIFY(!QFile::exists(dir + "/-"));
        }
    }

    // When no project could be read, a previous output file stays as it was and none is created.
    void nothingReadKeepsOutputFile_data() {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QString>("format");
        QTest::newRow("existing file, json") << true << "json";
        QTest::newRow("existing file, text") << true << "text";
        QTest::newRow("no file yet") << false << "csv";
    }
    void nothingReadKeepsOutputFile() {
        QFETCH(bool, exists);
        QFETCH(QString, format);
        const QString target = caseDir() + "/results.out";
        const QString garbage = caseDir() + "/garbage.t2p";
        QVERIFY(writeBytes(garbage, "not a project"));
        QVERIFY(!exists || writeBytes(target, "results of yesterday\n"));
        const Run run = runCalc({"--format", format, "-o", target, "missing.t2p", garbage});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains("missing.t2p") && run.err.contains("garbage.t2p"), qPrintable(run.err));
        if (exists)
            QCOMPARE(readBytes(target), QByteArray("results of yesterday\n"));
        else
            QVERIFY(!QFile::exists(target));
    }

    // A project file beyond the size limit is refused with a clear message; the batch goes on.
    void oversizedProjectFile_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("project XML with a huge attribute") << "huge.t2p";
        QTest::newRow("first-generation project") << "huge.tpj";
    }
    void oversizedProjectFile() {
        QFETCH(QString, name);
        const QString path = caseDir() + "/" + name;
        // The huge text goes into the first name, or is the project name.
        const bool legacy = name.endsWith(".tpj");
        const QByteArray project = readBytes(FlatRoof);
        const int at = project.indexOf("name=\"") + 6;
        const QByteArray head =
            legacy ? "FileVersion 1.4\r\nDOCUMENT\r\n{\r\nProject_name " : project.left(at);
        const QByteArray tail = legacy ? "\r\n}\r\n" : project.mid(at);
        QFile file(path);
        QVERIFY(at > 6 && file.open(QIODevice::WriteOnly) && file.write(head) == head.size());
        const QByteArray block(1 << 20, 'x');
        for (int i = 0; i < 65; ++i)
            QVERIFY(file.write(block) == block.size());
        QVERIFY(file.write(tail) == tail.size());
        file.close();

        const Run run = runCalc({"--format", "json", path, FlatRoof});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(jsonCount(run.out), 1);
        QVERIFY2(run.err.startsWith("tavo2-calc: " + path + ": ") && run.err.contains("64 MiB"),
                 qPrintable(run.err.left(500)));
        QCOMPARE(run.err.count('\n'), 1);
    }

    // A file that exhausts the memory fails alone; the other files are still calculated.
    void memoryExhaustedByOneFile() {
        // 48 MiB of name, under the size limit, against an address space of 260 MB.
        const QString limit = QStringLiteral("ulimit -v 260000");
        if (runCalcAfter(limit, {FlatRoof}).exitCode != 0)
            QSKIP("the program needs more address space than that here (sanitizer build)");
        const QByteArray project = readBytes(FlatRoof);
        const int at = project.indexOf("name=\"") + 6;
        const QString path = caseDir() + "/big.t2p";
        QVERIFY(at > 6 && writeBytes(path, project.left(at) + QByteArray(48 << 20, 'x') + project.mid(at)));
        const Run run = runCalcAfter(limit, {"--format", "json", path, FlatRoof});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(jsonCount(run.out), 1);
        QVERIFY2(run.err.startsWith("tavo2-calc: " + path + ": Not enough memory"), qPrintable(run.err));
    }

    // Projects arriving through a pipe are read like files, without warnings about seeking.
    void projectFromPipe_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("name");
        QTest::newRow("project XML") << FlatRoof << "pipe.t2p";
        QTest::newRow("first generation, by extension") << LegacyWall << "pipe.tpj";
        QTest::newRow("first generation, no extension") << LegacyWall << "pipe";
    }
    void projectFromPipe() {
        QFETCH(QString, source);
        QFETCH(QString, name);
        const QString fifo = caseDir() + "/" + name;
        QVERIFY(makeFifo(fifo));
        QProcess writer;
        startCopy(writer, source, fifo);
        const Run run = runCalc({"--format", "json", fifo});
        writer.waitForFinished(5000);
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(jsonCount(run.out), 1);
    }

    // A damaged built-in or user material file is named on standard error with the number of
    // materials read from it, and the exit code says the database is incomplete.
    void damagedMaterialFiles_data() {
        QTest::addColumn<bool>("builtIn");
        QTest::newRow("built-in file") << true;
        QTest::newRow("user file") << false;
    }
    void damagedMaterialFiles() {
        QFETCH(bool, builtIn);
        // A copy of the program, so that its built-in folder can take another file.
        const QString bin = caseDir() + "/bin";
        const QString dbDir = bin + "/resources/DB_materials";
        QVERIFY(QDir().mkpath(dbDir));
        QVERIFY(QFile::copy(TAVO_CALC_EXE, bin + "/tavo2-calc"));
        QVERIFY(QFile::copy(QFileInfo(TAVO_CALC_EXE).path() + "/resources/DB_materials/materials.t2m",
                            dbDir + "/materials.t2m"));
        const QString home = caseDir() + "/home";
        const QString userDir = home + "/data/ZMT/Tavo2/user_materials";
        QVERIFY(QDir().mkpath(userDir));

        QString damaged;
        if (builtIn) {
            // Two whole records, then one cut off inside its texts.
            const QVector<MaterialFile::Record> records = {fileRecord(9001, {"A"}), fileRecord(9002, {"B"}),
                                                           fileRecord(9003, {"C"})};
            const QByteArray plain = MaterialFile::encodePayload("TAVO2", 1, records);
            const int cut = MaterialFile::encodePayload("TAVO2", 1, records.mid(0, 2)).size() + 12;
            damaged = dbDir + "/extra.t2m";
            QVERIFY(writeBytes(damaged, MaterialFile::encodeFile(6, {"en"}, "TAVO2", plain.left(cut))));
        } else {
            // Three records announced, two and a half present.
            QByteArray bytes;
            QDataStream out(&bytes, QIODevice::WriteOnly);
            out << qint32(-4) << qint32(3);
            for (int i = 0; i < 3; ++i)
                MaterialRecord::write(out, fileRecord(i, {"U"}).material, 4);
            damaged = userDir + "/UserData.tmat";
            QVERIFY(writeBytes(damaged, bytes.left(bytes.size() - 20)));
        }
        const QByteArray before = readBytes(damaged);

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home);
        env.insert("XDG_DATA_HOME", home + "/data");
        env.insert("XDG_CONFIG_HOME", home + "/config");
        const Run run = runProgram(bin + "/tavo2-calc", {"--materials", "--format", "json"}, caseDir(), env);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(damaged) && run.err.contains(": 2."), qPrintable(run.err));
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY(jsonCount(run.out) > 100); // what could be read is still listed
        QCOMPARE(readBytes(damaged), before);
    }

    // A write refused by the file-size limit is reported as such, and the old file stays.
    void fileSizeLimit() {
        const QString target = caseDir() + "/out.json";
        QVERIFY(writeBytes(target, "old"));
        const Run run =
            runCalcAfter("ulimit -f 2", {"--format", "json", "-o", target, FlatRoof, FlatRoof, FlatRoof});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains("out.json") && run.err.contains("size limit") &&
                     !run.err.contains("Unknown error"),
                 qPrintable(run.err));
        QCOMPARE(readBytes(target), QByteArray("old"));
    }
};

QTEST_GUILESS_MAIN(tst_BatchRobustness)
#include "tst_BatchRobustness.moc"
