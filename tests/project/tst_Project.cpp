#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

#include "Project.h"

namespace {

const QString ExamplesDir = QStringLiteral(TAVO_EXAMPLES_DIR);
const QString LegacyPrefix = QStringLiteral("Error reading file as TAVO 1 version.\n");

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
    void setModifiedWithoutDocument();
    void documentLifecycle();
    void saveAndReopen_data();
    void saveAndReopen();
    void saveFailureKeepsExistingFile_data();
    void saveFailureKeepsExistingFile();
    void writeToFailingDevice();

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
    const QByteArray wall = example("brick-wall-etics.t2p");
    QTest::newRow("t2p example") << "wall.t2p" << wall << QString();
    QTest::newRow("project under another extension") << "wall.xml" << wall << QString();
    QTest::newRow("t2p broken XML does not try the legacy reader")
        << "broken.t2p" << BrokenXml << "Premature end of document.";
    QTest::newRow("t2p wrong version") << "v21.t2p" << WrongRoot << "File is not a Tavo 2.0 project file.";
    QTest::newRow("other extension, broken XML tries the legacy reader")
        << "broken.xml" << BrokenXml << LegacyPrefix + "*";
    QTest::newRow("TPJ in capitals uses the legacy reader") << "OLD.TPJ" << wall << LegacyPrefix + "*";
    QTest::newRow("tpj uses the legacy reader") << "old.tpj" << wall << LegacyPrefix + "*";
    QTest::newRow("no layers") << "empty.t2p" << NoLayers
                               << "Project doesn't contain any layers. Please create a new project!";
}

void tst_Project::read() {
    QFETCH(QString, fileName);
    QFETCH(QByteArray, contents);
    QFETCH(QString, message);
    const QString path = m_dir.filePath(fileName);
    QVERIFY(writeFile(path, contents));
    QString error;
    const bool ok = Project::instance().read(path, error);
    QCOMPARE(ok, message.isEmpty());
    if (message.endsWith('*')) {
        QVERIFY2(error.startsWith(message.chopped(1)) && error.size() > message.size(), qPrintable(error));
    } else if (!ok) {
        QCOMPARE(error, message);
    } else {
        const Document *d = Project::instance().document();
        QCOMPARE(d->inputData().layers().size(), 6);
        QCOMPARE(d->projectInformation().ConstructionID, QString("AW-01"));
    }
}

void tst_Project::failedReadKeepsTheDocument() {
    Project &p = Project::instance();
    QString error;
    QVERIFY(!p.read(m_dir.filePath("does-not-exist.t2p"), error));
    QCOMPARE(error, QString("Cannot open file '%1' for reading (maybe missing permissions).")
                        .arg(m_dir.filePath("does-not-exist.t2p")));

    const QString wall = m_dir.filePath("keep.t2p");
    QVERIFY(writeFile(wall, example("timber-frame-wall-vapour-retarder.t2p")));
    QVERIFY(p.read(wall, error));
    const InputData before = p.document()->inputData();
    const QString broken = m_dir.filePath("broken-keep.t2p");
    QVERIFY(writeFile(broken, BrokenXml));
    QVERIFY(!p.read(broken, error));
    QVERIFY(p.hasDocument());
    QVERIFY(p.document()->inputData() == before);
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
    const QString path = m_dir.filePath("modified.t2p");
    QVERIFY(writeFile(path, example("interior-insulation-brick-wall.t2p")));
    QString error;
    QVERIFY(p.read(path, error));
    // A stale error state shows whether the input was checked again.
    p.document()->inputData().setErrorState(InputData::InvalidClimate);
    QVERIFY(p.document()->results().T.empty());

    QSignalSpy spy(&p, &Project::modified);
    p.setModified(modType);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().first().toInt(), modType);
    QVERIFY(p.isModified());
    QCOMPARE(p.document()->inputData().errorState(), recalculates ? 0 : 3);
    QCOMPARE(!p.document()->results().T.empty(), recalculates);
    if (recalculates)
        QCOMPARE(int(p.document()->results().T.size()), p.document()->inputData().layers().size() + 1);
    p.setUnmodified();
    QVERIFY(!p.isModified());
}

void tst_Project::setModifiedWithoutDocument() {
    Project &p = Project::instance();
    p.closeDocument();
    QSignalSpy spy(&p, &Project::modified);
    p.setModified(0);
    QCOMPARE(spy.count(), 1);
    QVERIFY(p.isModified());
}

void tst_Project::documentLifecycle() {
    Project &p = Project::instance();
    p.setFileName("/somewhere/old.t2p");
    p.newDocument();
    QVERIFY(p.hasDocument());
    QVERIFY(p.fileName().isEmpty());
    QVERIFY(p.document()->inputData().layers().isEmpty());
    QCOMPARE(p.document()->inputData().assessmentConditions().assessmentType(), 2);
    QCOMPARE(p.document()->projectInformation(), ProjectInformation());

    p.closeDocument();
    QVERIFY(!p.hasDocument());
    QVERIFY(p.document() == nullptr);
    QVERIFY(!p.write(m_dir.filePath("nothing.t2p")));
    QVERIFY(!QFile::exists(m_dir.filePath("nothing.t2p")));

    Document d;
    d.projectInformation().ProjectName = "Neu";
    d.projectInformation().HeatFlowDirection = 0;
    p.setDocument(d);
    QVERIFY(p.hasDocument());
    QCOMPARE(p.document()->projectInformation(), d.projectInformation());
}

void tst_Project::saveAndReopen_data() {
    QTest::addColumn<QString>("exampleName");
    QTest::addColumn<int>("heatFlowDirection");
    QTest::newRow("heat flow upwards") << "ceiling-with-air-layer.t2p" << 0;
    QTest::newRow("heat flow downwards") << "floor-over-open-passage.t2p" << 1;
    QTest::newRow("horizontal") << "brick-wall-etics.t2p" << 2;
}

void tst_Project::saveAndReopen() {
    QFETCH(QString, exampleName);
    QFETCH(int, heatFlowDirection);
    Project &p = Project::instance();
    QString error;
    QVERIFY2(p.read(QDir(ExamplesDir).filePath(exampleName), error), qPrintable(error));
    QCOMPARE(p.document()->projectInformation().HeatFlowDirection, heatFlowDirection);
    const Document saved = *p.document();

    const QString path = m_dir.filePath("saved-" + exampleName);
    QVERIFY(p.write(path));
    QCOMPARE(fileContents(path), example(exampleName));
    p.newDocument();
    QVERIFY2(p.read(path, error), qPrintable(error));
    QVERIFY(p.document()->inputData() == saved.inputData());
    QCOMPARE(p.document()->projectInformation(), saved.projectInformation());
}

void tst_Project::saveFailureKeepsExistingFile_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("read-only directory") << "readonly";
    QTest::newRow("missing directory") << "missing";
    QTest::newRow("write fails half way (file size limit)") << "sizelimit";
}

void tst_Project::saveFailureKeepsExistingFile() {
    QFETCH(QString, how);
    Project &p = Project::instance();
    QString error;
    QVERIFY(p.read(QDir(ExamplesDir).filePath("brick-wall-etics.t2p"), error));

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

void tst_Project::writeToFailingDevice() {
    Project &p = Project::instance();
    QString error;
    QVERIFY(p.read(QDir(ExamplesDir).filePath("brick-wall-etics.t2p"), error));
    QFile full("/dev/full");
    if (!full.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        QSKIP("/dev/full is not available");
    QVERIFY(!p.write(full));

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(p.write(buffer));
    QCOMPARE(buffer.data(), example("brick-wall-etics.t2p"));
}

QTEST_GUILESS_MAIN(tst_Project)
#include "tst_Project.moc"
