// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QBuffer>
#include <QRegularExpression>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

#include "Project.h"

namespace {

const QString ExamplesDir = QStringLiteral(TAVO_EXAMPLES_DIR "/");
const QString LegacyPrefix = QStringLiteral("Error reading file as TAVO 1 version.\n");

QByteArray fileContents(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A project of one layer under the root element \a root with \a version (null: none) and heat flow
// direction \a direction.
const QString OneLayer =
    "<?xml version=\"1.0\"?>\n<%1%2><InputData><Construction><Layer index=\"0\" d=\"0.2\"><Material "
    "name=\"Ziegel\" cat=\"2\" rho=\"1800\" lambda=\"0.81\" mu=\"10\" w_80=\"0.006\" w_sat=\"0.24\" "
    "m_Aw=\"0.2\" color=\"190 95 60\"/></Layer></Construction></InputData><ProjectInformation>"
    "<HeatFlowDirection>%3</HeatFlowDirection></ProjectInformation></%1>\n";
QByteArray project(const QString &root, const QString &version = "2.0", const QString &direction = "2") {
    return OneLayer.arg(root, version.isNull() ? "" : " version=\"" + version + "\"", direction).toUtf8();
}

const QByteArray NoLayers =
    "<TavoProject version=\"2.0\"><InputData><Construction/></InputData></TavoProject>";
const QByteArray BrokenXml =
    "<?xml version=\"1.0\"?>\n<TavoProject version=\"2.0\"><InputData><Construction>";

// Limits the size of the files this process writes; the signal is ignored so the write fails instead.
struct FileSizeLimit {
    rlimit previous{};
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, previous.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, SIG_DFL);
    }
};

} // namespace

class tst_Project : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void initTestCase() {
        // A German default locale would give "0,365" if a conversion used it.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(m_dir.isValid());
    }

    void init() {
        Project::instance().newDocument();
        Project::instance().setUnmodified();
    }

    void examples_data() {
        QTest::addColumn<QString>("name");
        const QStringList files = QDir(ExamplesDir).entryList({"*.t2p"}, QDir::Files, QDir::Name);
        QVERIFY2(files.size() >= 6, qPrintable(QString("%1 examples").arg(files.size())));
        for (const QString &f : files)
            QTest::newRow(qPrintable(f)) << f;
    }

    void examples() {
        // Every example reads without a fault, saves as the same bytes, and reopens equal.
        QFETCH(QString, name);
        Project &p = Project::instance();
        QString error;
        QVERIFY2(p.read(ExamplesDir + name, error), qPrintable(error));
        const Document before = *p.document();
        QVERIFY(p.document()->inputData().check() == 0 &&
                before.inputData().assessmentConditions().assessmentType() == 2);
        QVERIFY(!before.projectInformation().ProjectName.isEmpty() &&
                !before.projectInformation().Description.isEmpty());
        QVERIFY(p.write(m_dir.filePath(name)) && p.read(m_dir.filePath(name), error));
        QCOMPARE(fileContents(m_dir.filePath(name)), fileContents(ExamplesDir + name));
        QVERIFY(p.document()->inputData() == before.inputData());
        QCOMPARE(p.document()->projectInformation(), before.projectInformation());
    }

    void goldenFile() {
        // The golden file read from one line without indentation, with its first width unrounded,
        // comes out byte for byte.
        const QByteArray golden = fileContents(TAVO_TEST_DATA_DIR "/projectfile/golden.t2p");
        const QByteArray input = QString::fromUtf8(golden)
                                     .replace(QRegularExpression("\\n *<"), "<")
                                     .replace("d=\"0.123457\"", "d=\"0.1234567\"")
                                     .toUtf8();
        QVERIFY(!input.contains("\n ") && input.contains("d=\"0.1234567\""));
        Project &p = Project::instance();
        QString error;
        QVERIFY(writeFile(m_dir.filePath("golden.t2p"), input) &&
                p.read(m_dir.filePath("golden.t2p"), error));
        QBuffer written;
        QVERIFY(written.open(QIODevice::WriteOnly) && p.write(written));
        if (written.data() != golden)
            writeFile(QDir::temp().filePath("tst_Project-golden-actual.t2p"), written.data());
        QVERIFY2(written.data() == golden,
                 "writer output differs; see tst_Project-golden-actual.t2p in the temp dir");
        // Escaped texts, a foil given by its sd-value, an air layer, a wood-based layer, downward heat flow.
        const QVector<MaterialLayer> &layers = p.document()->inputData().layers();
        QVERIFY(layers.at(0).name == "Gipsplatte \"Typ A\" & <GKB>" &&
                layers.at(0).notes == "Zeile 1\nZeile 2 – ä");
        QVERIFY(layers.at(1).isFoil() && layers.at(2).isAir() && layers.at(3).isWoodBased() &&
                !layers.at(3).isFoil());
        QVERIFY(layers.at(0).materialId == 600 && layers.at(1).sd_value == 2.0 &&
                layers.at(3).color == QColor(0, 0, 0));
        const ProjectInformation &info = p.document()->projectInformation();
        QVERIFY(info.ProjectName == "Prüfprojekt <1>" &&
                info.HeatFlowDirection == HeatFlowDirection::Downwards);
    }

    void read_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("contents");
        // The outcome: layers and heat flow, or the message; one ending in "*" gives its start.
        QTest::addColumn<QString>("outcome");
        const QByteArray wall = fileContents(ExamplesDir + "brick-wall-etics.t2p"),
                         legacy = fileContents(TAVO_TEST_DATA_DIR "/legacy/wall.tpj");
        const QString legacyFailure = LegacyPrefix + "*";
        const auto row = [](const char *name, const QString &file, const QByteArray &contents,
                            const QString &outcome) { QTest::newRow(name) << file << contents << outcome; };
        row("missing file", "missing.t2p", QByteArray(),
            "Cannot open file '%1' for reading (maybe missing permissions).");
        row("t2p example", "wall.t2p", wall, "6 layers, heat flow 2");
        row("ZorbexProject 1.0", "z.t2p", project("ZorbexProject", "1.0"), "1 layers, heat flow 2");
        row("TavoProject 2.1", "v21.t2p", project("TavoProject", "2.1"),
            "File is not a Tavo 2.0 project file.");
        row("heat flow downwards", "down.t2p", project("TavoProject", "2.0", "1"), "1 layers, heat flow 1");
        row("heat flow 3", "hf3.t2p", project("TavoProject", "2.0", "3"),
            "Invalid value for element 'HeatFlowDirection'.");
        row("no layers", "empty.t2p", NoLayers,
            "Project doesn't contain any layers. Please create a new project!");
        row("t2p broken XML does not try the legacy reader", "broken.t2p", BrokenXml,
            "Premature end of document.");
        row("other extension, broken XML tries the legacy reader", "broken.xml", BrokenXml, legacyFailure);
        row("no extension, old contents", "old", legacy, "4 layers, heat flow 2");
        row("TPJ in capitals: XML is not tried", "NEW.TPJ", wall, legacyFailure);
        // Both readers' failure ends in the legacy reader's message.
        row("broken old file", "broken-old.dat", QByteArray(legacy).replace("RO_Left: 0.04", "RO_Left: x"),
            LegacyPrefix +
                "[Document::readOld]  Error reading project file '%1'\nError reading parameter 'RO_Left'!");
    }

    void read() {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, contents);
        QFETCH(QString, outcome);
        const QString path = m_dir.filePath(fileName);
        QVERIFY(contents.isNull() || writeFile(path, contents));
        Project &p = Project::instance();
        QString error;
        QVERIFY(p.read(ExamplesDir + "timber-frame-wall-vapour-retarder.t2p", error));
        const InputData before = p.document()->inputData();
        const bool ok = p.read(path, error);
        // A failed read keeps the document there was.
        QVERIFY(ok || (p.hasDocument() && p.document()->inputData() == before));
        const QString result = !ok ? error
                                   : QString("%1 layers, heat flow %2")
                                         .arg(p.document()->inputData().layers().size())
                                         .arg(int(p.document()->projectInformation().HeatFlowDirection));
        if (outcome.endsWith('*'))
            QVERIFY2(result.startsWith(outcome.chopped(1)) && result.size() > outcome.size(),
                     qPrintable(result));
        else
            QCOMPARE(result, outcome.contains("%1") ? outcome.arg(path) : outcome);
    }

    void setModified_data() {
        QTest::addColumn<int>("modType");
        QTest::addColumn<bool>("recalculates");
        QTest::newRow("0 input changed") << 0 << true;
        QTest::newRow("1 display only") << 1 << false;
        QTest::newRow("2 project information") << 2 << false;
    }

    void setModified() {
        QFETCH(int, modType);
        QFETCH(bool, recalculates);
        Project &p = Project::instance();
        QString error;
        QVERIFY(p.read(ExamplesDir + "interior-insulation-brick-wall.t2p", error));
        // A stale error state shows whether the input was checked again.
        p.document()->inputData().setErrorState(InputData::InvalidClimate);
        QSignalSpy spy(&p, &Project::modified);
        p.setModified(Project::ModificationType(modType));
        QVERIFY(spy.count() == 1 && spy.first().first().toInt() == modType && p.isModified());
        QCOMPARE(p.document()->inputData().errorState(), recalculates ? 0 : 3);
        QCOMPARE(int(p.document()->results().T.size()),
                 recalculates ? p.document()->inputData().layers().size() + 1 : 0);
    }

    void withoutDocument() {
        Project &p = Project::instance();
        p.closeDocument();
        QVERIFY(!p.write(m_dir.filePath("nothing.t2p")) && !QFile::exists(m_dir.filePath("nothing.t2p")));
        // A change still tells the listeners.
        QSignalSpy spy(&p, &Project::modified);
        p.setModified(Project::ModificationType::InputData);
        QCOMPARE(spy.count(), 1);
    }

    void saveFailureKeepsExistingFile_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("read-only directory") << "readonly";
        QTest::newRow("missing directory") << "missing";
        QTest::newRow("write fails half way (file size limit)") << "sizelimit";
    }

    void saveFailureKeepsExistingFile() {
        QFETCH(QString, how);
        Project &p = Project::instance();
        QString error;
        QVERIFY(p.read(ExamplesDir + "brick-wall-etics.t2p", error));
        const QString dir = m_dir.filePath("save-" + how), file = dir + "/project.t2p";
        const QByteArray previous = how == "missing" ? QByteArray() : "previous contents\n";
        QVERIFY(QDir().mkpath(dir) && (previous.isEmpty() || writeFile(file, previous)));
        if (how == "readonly") {
            if (geteuid() == 0)
                QSKIP("permissions do not bind root");
            QVERIFY(QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner));
            QVERIFY(!p.write(file));
            QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        } else {
            const FileSizeLimit limit(how == "sizelimit" ? 1000
                                                         : RLIM_INFINITY); // a limit only for "sizelimit"
            QVERIFY(!p.write(how == "missing" ? dir + "/no/such/dir/project.t2p" : file));
        }
        // The previous file is untouched and no temporary file is left behind.
        QCOMPARE(fileContents(file), previous);
        QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::Hidden),
                 previous.isEmpty() ? QStringList() : QStringList{"project.t2p"});
    }
};

QTEST_GUILESS_MAIN(tst_Project)
#include "tst_Project.moc"
