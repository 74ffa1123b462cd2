#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

#include "Project.h"

namespace {

const QString ExamplesDir = QStringLiteral(TAVO_EXAMPLES_DIR);
const QString LegacyPrefix = QStringLiteral("Error reading file as TAVO 1 version.\n");
const QString LegacyWall = QStringLiteral(TAVO_TEST_DATA_DIR "/legacy/wall.tpj");

QByteArray fileContents(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray example(const QString &name) {
    return fileContents(QDir(ExamplesDir).filePath(name));
}

const QByteArray NoLayers = "<?xml version=\"1.0\"?>\n<TavoProject version=\"2.0\"><InputData><Construction/>"
                            "</InputData></TavoProject>\n";
const QByteArray BrokenXml =
    "<?xml version=\"1.0\"?>\n<TavoProject version=\"2.0\"><InputData><Construction>";
const QByteArray WrongRoot = "<?xml version=\"1.0\"?>\n<TavoProject version=\"2.1\"/>\n";

// Restores the file size limit and the signal disposition when the test leaves.
struct FileSizeLimit {
    rlimit previous{};
    void (*previousHandler)(int) = SIG_DFL;
    bool active = false;
    bool set(rlim_t bytes) {
        if (getrlimit(RLIMIT_FSIZE, &previous) != 0)
            return false;
        // Without this the kernel ends the process instead of failing the write.
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = previous;
        limit.rlim_cur = bytes;
        active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
        return active;
    }
    ~FileSizeLimit() {
        if (active)
            setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
    }
};

} // namespace

class tst_Project : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void read_data();
    void read();
    void failedReadKeepsTheDocument();
    void setModified_data();
    void setModified();
    void documentLifecycle();
    void saveWritesTheExampleBytes();
    void saveFailureKeepsExistingFile_data();
    void saveFailureKeepsExistingFile();

private:
    QTemporaryDir m_dir;
};

void tst_Project::initTestCase() {
    QVERIFY(m_dir.isValid());
}

void tst_Project::init() {
    Project::instance().newDocument();
    Project::instance().setUnmodified();
}

void tst_Project::read_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("message"); // empty: success; ending in "*": prefix
    QTest::addColumn<int>("layers");
    const QByteArray wall = example("brick-wall-etics.t2p");
    const QByteArray legacy = fileContents(LegacyWall);
    const QString legacyFailure = LegacyPrefix + "*";
    const auto row = [](const char *name, const QString &file, const QByteArray &contents,
                        const QString &message,
                        int layers = 0) { QTest::newRow(name) << file << contents << message << layers; };
    row("t2p example", "wall.t2p", wall, QString(), 6);
    row("project under another extension", "wall.xml", wall, QString(), 6);
    row("t2p broken XML does not try the legacy reader", "broken.t2p", BrokenXml,
        "Premature end of document.");
    row("t2p wrong version", "v21.t2p", WrongRoot, "File is not a Tavo 2.0 project file.");
    row("t2p with old contents", "old.t2p", legacy, "*");
    row("other extension, broken XML tries the legacy reader", "broken.xml", BrokenXml, legacyFailure);
    row("other extension, old contents", "old.txt", legacy, QString(), 4);
    row("no extension, old contents", "old", legacy, QString(), 4);
    row("TPJ in capitals uses the legacy reader", "OLD.TPJ", legacy, QString(), 4);
    row("tpj with XML uses the legacy reader", "new.tpj", wall, legacyFailure);
    row("no layers", "empty.t2p", NoLayers,
        "Project doesn't contain any layers. Please create a new project!");
    QByteArray broken = legacy;
    broken.replace("RO_Left: 0.04", "RO_Left: x");
    // Both readers' failure ends in the legacy reader's message.
    row("broken old file", "broken-old.dat", broken,
        LegacyPrefix +
            "[Document::readOld]  Error reading project file '%1'\nError reading parameter 'RO_Left'!");
}

void tst_Project::read() {
    QFETCH(QString, fileName);
    QFETCH(QByteArray, contents);
    QFETCH(QString, message);
    QFETCH(int, layers);
    const QString path = m_dir.filePath(fileName);
    QVERIFY(writeFile(path, contents));
    QString error;
    const bool ok = Project::instance().read(path, error);
    QCOMPARE(ok, message.isEmpty());
    if (message == "*") // any failure but the legacy reader's
        QVERIFY2(!error.isEmpty() && !error.startsWith(LegacyPrefix), qPrintable(error));
    else if (message.endsWith('*'))
        QVERIFY2(error.startsWith(message.chopped(1)) && error.size() > message.size(), qPrintable(error));
    else if (!ok)
        QCOMPARE(error, message.contains("%1") ? message.arg(path) : message);
    else
        QCOMPARE(Project::instance().document()->inputData().layers().size(), layers);
}

void tst_Project::failedReadKeepsTheDocument() {
    Project &p = Project::instance();
    QString error;
    QVERIFY(!p.read(m_dir.filePath("does-not-exist.t2p"), error));
    QCOMPARE(error, QString("Cannot open file '%1' for reading (maybe missing permissions).")
                        .arg(m_dir.filePath("does-not-exist.t2p")));
    QVERIFY(p.read(QDir(ExamplesDir).filePath("timber-frame-wall-vapour-retarder.t2p"), error));
    const InputData before = p.document()->inputData();
    const QString broken = m_dir.filePath("broken-keep.t2p");
    QVERIFY(writeFile(broken, BrokenXml));
    QVERIFY(!p.read(broken, error));
    QVERIFY(p.hasDocument() && p.document()->inputData() == before);
}

void tst_Project::setModified_data() {
    QTest::addColumn<int>("modType");
    QTest::addColumn<bool>("recalculates");
    QTest::newRow("0 input changed") << 0 << true;
    QTest::newRow("1 display only") << 1 << false;
    QTest::newRow("2 project information") << 2 << false;
}

void tst_Project::setModified() {
    QFETCH(int, modType);
    QFETCH(bool, recalculates);
    Project &p = Project::instance();
    QString error;
    QVERIFY(p.read(QDir(ExamplesDir).filePath("interior-insulation-brick-wall.t2p"), error));
    // A stale error state shows whether the input was checked again.
    p.document()->inputData().setErrorState(InputData::InvalidClimate);
    QVERIFY(p.document()->results().T.empty());
    QSignalSpy spy(&p, &Project::modified);
    p.setModified(modType);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().first().toInt(), modType);
    QVERIFY(p.isModified());
    QCOMPARE(p.document()->inputData().errorState(), recalculates ? 0 : 3);
    QCOMPARE(int(p.document()->results().T.size()),
             recalculates ? p.document()->inputData().layers().size() + 1 : 0);
    p.setUnmodified();
    QVERIFY(!p.isModified());
}

void tst_Project::documentLifecycle() {
    Project &p = Project::instance();
    p.setFileName("/somewhere/old.t2p");
    p.newDocument();
    QVERIFY(p.fileName().isEmpty());
    QVERIFY(p.document()->inputData().layers().isEmpty());
    QCOMPARE(p.document()->inputData().assessmentConditions().assessmentType(), 2);

    p.closeDocument();
    QVERIFY(!p.hasDocument() && p.document() == nullptr);
    QVERIFY(!p.write(m_dir.filePath("nothing.t2p")));
    QVERIFY(!QFile::exists(m_dir.filePath("nothing.t2p")));
    // A change without a document still tells the listeners.
    QSignalSpy spy(&p, &Project::modified);
    p.setModified(0);
    QCOMPARE(spy.count(), 1);
}

void tst_Project::saveWritesTheExampleBytes() {
    Project &p = Project::instance();
    QString error;
    QVERIFY(p.read(QDir(ExamplesDir).filePath("floor-over-open-passage.t2p"), error));
    const QString path = m_dir.filePath("saved.t2p");
    QVERIFY(p.write(path));
    QCOMPARE(fileContents(path), example("floor-over-open-passage.t2p"));
}

void tst_Project::saveFailureKeepsExistingFile_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("read-only directory") << "readonly";
    QTest::newRow("missing directory") << "missing";
    QTest::newRow("write fails half way (file size limit)") << "sizelimit";
    QTest::newRow("device full") << "full";
}

void tst_Project::saveFailureKeepsExistingFile() {
    QFETCH(QString, how);
    Project &p = Project::instance();
    QString error;
    QVERIFY(p.read(QDir(ExamplesDir).filePath("brick-wall-etics.t2p"), error));
    if (how == "full") {
        QFile full("/dev/full");
        if (!full.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            QSKIP("/dev/full is not available");
        QVERIFY(!p.write(full));
        return;
    }
    const QString dir = m_dir.filePath("save-" + how);
    QVERIFY(QDir().mkpath(dir));
    QString target = QDir(dir).filePath("project.t2p");
    const QByteArray previous = "previous contents\n";
    if (how == "missing")
        target = QDir(dir).filePath("no/such/dir/project.t2p");
    else
        QVERIFY(writeFile(target, previous));
    bool ok = true;
    if (how == "readonly") {
        if (geteuid() == 0)
            QSKIP("permissions do not bind root");
        QVERIFY(QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner));
        ok = p.write(target);
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    } else if (how == "sizelimit") {
        FileSizeLimit limit;
        QVERIFY(limit.set(1000));
        ok = p.write(target);
    } else {
        ok = p.write(target);
    }
    QVERIFY(!ok);
    if (how == "missing") {
        QVERIFY(!QFile::exists(target));
    } else {
        QCOMPARE(fileContents(target), previous);
        // No temporary file is left behind.
        QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::Hidden), QStringList{"project.t2p"});
    }
}

QTEST_GUILESS_MAIN(tst_Project)
#include "tst_Project.moc"
