#include <QtTest>

#include <QBuffer>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include "Document.h"

namespace {

const QString ExamplesDir = QStringLiteral(TAVO_EXAMPLES_DIR);
const QString GoldenFile = QStringLiteral(TAVO_TEST_DATA_DIR "/projectfile/golden.t2p");

QByteArray fileContents(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Reads a whole project file from bytes; returns the reader's error string (empty on success).
QString readDocument(const QByteArray &bytes, Document &document) {
    QXmlStreamReader reader(bytes);
    const bool ok = document.readXML(reader);
    if (ok == reader.hasError())
        return QStringLiteral("result and reader disagree");
    return reader.errorString();
}

QByteArray writeDocument(const Document &document) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter writer(&buffer);
    document.writeXML(writer);
    return bytes;
}

const QString OneLayer =
    "<InputData><Construction><Layer index=\"0\" d=\"0.2\"><Material name=\"Ziegel\" cat=\"2\" rho=\"1800\" "
    "lambda=\"0.81\" mu=\"10\" w_80=\"0.006\" w_sat=\"0.24\" m_Aw=\"0.2\" color=\"190 95 60\"/></Layer>"
    "</Construction></InputData><ProjectInformation><ProjectName>P</ProjectName>"
    "<HeatFlowDirection>0</HeatFlowDirection></ProjectInformation>";

QByteArray projectWithRoot(const QString &root, const QString &version) {
    const QString versionAttribute = version.isNull() ? QString() : QString(" version=\"%1\"").arg(version);
    return QString("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<%1%2>%3</%1>\n")
        .arg(root, versionAttribute, OneLayer)
        .toUtf8();
}

// The document behind the golden file: characters that need escaping, a width with more than
// six significant digits, a foil, an air layer, a wood-based layer and a downward heat flow.
Document goldenDocument() {
    Document d;
    Material plaster(QString::fromUtf8("Gipsplatte \"Typ A\" & <GKB>"),
                     MaterialCategory(MaterialCategory::BuildingBoards),
                     QString::fromUtf8("Zeile 1\nZeile 2 – ä"), "GKB 12,5", "Hersteller", "DIN 4108-4", 850,
                     0.25, 4, 0.007, 0.35, 0.13, 600);
    plaster.mu_max = 10;
    plaster.color = QColor(230, 230, 230);
    Material foil("Dampfbremse", MaterialCategory(MaterialCategory::FoilsAndWaterproofing), "", "", "", "",
                  400, 0.2, 5000, 0.0001, 0.001, 0.0005, 902);
    foil.sd_value = 2;
    foil.setFlags(false, false, false, true);
    foil.color = QColor(70, 130, 200);
    Material air("Luftschicht", MaterialCategory(MaterialCategory::Miscellaneous), "", "", "", "", 1.23,
                 0.025, 1, 1e-5, 1, 0, 0);
    air.setFlags(true, false, false, false);
    air.color = QColor(215, 240, 250);
    Material fibre(QString::fromUtf8("Holzfaserdämmplatte"), MaterialCategory(MaterialCategory::Insulation),
                   "", "", "", "", 200, 0.045, 5, 0.02, 0.5, 0.003, 512);
    fibre.mu_min = 3;
    fibre.setFlags(false, false, true, false);
    fibre.color = QColor(0, 0, 0);
    d.inputData().layers() = {MaterialLayer(plaster, 0.1234567), MaterialLayer(foil, 0),
                              MaterialLayer(air, 0.024), MaterialLayer(fibre, 0.06)};
    ProjectInformation &info = d.projectInformation();
    info.ProjectName = QString::fromUtf8("Prüfprojekt <1>");
    info.ConstructionID = "DE-01";
    info.Description = "Zwei\nZeilen";
    info.HeatFlowDirection = 1;
    return d;
}

} // namespace

class tst_Document : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void examples_data();
    void examples();
    void goldenFile();
    void root_data();
    void root();
    void brokenXmlReportsTheReadersError();
    void assignmentCopiesAllParts();
};

void tst_Document::initTestCase() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void tst_Document::examples_data() {
    QTest::addColumn<QString>("path");
    const QStringList files = QDir(ExamplesDir).entryList({"*.t2p"}, QDir::Files, QDir::Name);
    QVERIFY2(files.size() >= 6, qPrintable(QString("%1 examples").arg(files.size())));
    for (const QString &f : files)
        QTest::newRow(qPrintable(f)) << QDir(ExamplesDir).filePath(f);
}

void tst_Document::examples() {
    QFETCH(QString, path);
    const QByteArray bytes = fileContents(path);
    Document document;
    QCOMPARE(readDocument(bytes, document), QString());
    QVERIFY(!document.inputData().layers().isEmpty());
    QCOMPARE(document.inputData().errorState(), 0);
    QCOMPARE(document.inputData().check(), 0);
    QCOMPARE(document.inputData().assessmentConditions().assessmentType(), 2);
    QVERIFY(!document.projectInformation().ProjectName.isEmpty());
    QVERIFY(!document.projectInformation().Description.isEmpty());

    // The examples are the writer's own output, byte for byte.
    const QByteArray written = writeDocument(document);
    QCOMPARE(written, bytes);

    Document back;
    QCOMPARE(readDocument(written, back), QString());
    QVERIFY(back.inputData() == document.inputData());
    QCOMPARE(back.projectInformation(), document.projectInformation());
}

void tst_Document::goldenFile() {
    const QByteArray written = writeDocument(goldenDocument());
    const QByteArray golden = fileContents(GoldenFile);
    if (written != golden) {
        QFile actual(QDir::temp().filePath("tst_Document-golden-actual.t2p"));
        if (actual.open(QIODevice::WriteOnly))
            actual.write(written);
        QFAIL(
            qPrintable("writer output differs from the golden file; actual output in " + actual.fileName()));
    }
    // And it reads back to the same input, with the width rounded to six digits.
    Document back;
    QCOMPARE(readDocument(golden, back), QString());
    QCOMPARE(back.inputData().layers().first().width(), 0.123457);
    QCOMPARE(back.inputData().layers().at(1).width(), 0.0004);
    QCOMPARE(back.projectInformation(), goldenDocument().projectInformation());
}

void tst_Document::root_data() {
    QTest::addColumn<QString>("root");
    QTest::addColumn<QString>("version");
    QTest::addColumn<bool>("ok");
    QTest::newRow("TavoProject 2.0") << "TavoProject"
                                     << "2.0" << true;
    QTest::newRow("ZorbexProject 1.0") << "ZorbexProject"
                                       << "1.0" << true;
    QTest::newRow("TavoProject 2.1") << "TavoProject"
                                     << "2.1" << false;
    QTest::newRow("TavoProject 2") << "TavoProject"
                                   << "2" << false;
    QTest::newRow("TavoProject without version") << "TavoProject" << QString() << false;
    QTest::newRow("ZorbexProject 2.0") << "ZorbexProject"
                                       << "2.0" << false;
    QTest::newRow("other root") << "Project"
                                << "2.0" << false;
}

void tst_Document::root() {
    QFETCH(QString, root);
    QFETCH(QString, version);
    QFETCH(bool, ok);
    Document document;
    const QString error = readDocument(projectWithRoot(root, version), document);
    if (!ok) {
        QCOMPARE(error, QString("File is not a Tavo 2.0 project file."));
        return;
    }
    QCOMPARE(error, QString());
    Document reference;
    QCOMPARE(readDocument(projectWithRoot("TavoProject", "2.0"), reference), QString());
    QCOMPARE(document.inputData().layers().size(), 1);
    QVERIFY(document.inputData() == reference.inputData());
    QCOMPARE(document.projectInformation(), reference.projectInformation());
    QCOMPARE(document.projectInformation().HeatFlowDirection, 0);
}

void tst_Document::brokenXmlReportsTheReadersError() {
    Document document;
    const QString error = readDocument("<TavoProject version=\"2.0\"><InputData>", document);
    QVERIFY(!error.isEmpty());
    QVERIFY2(error != "File is not a Tavo 2.0 project file.", qPrintable(error));
}

void tst_Document::assignmentCopiesAllParts() {
    Document a;
    QCOMPARE(readDocument(projectWithRoot("TavoProject", "2.0"), a), QString());
    a.inputData().check();
    a.calculate();
    QVERIFY(!a.results().T.empty());
    Document b;
    b = a;
    QVERIFY(b.inputData() == a.inputData());
    QCOMPARE(b.projectInformation(), a.projectInformation());
    QVERIFY(b.results() == a.results());
}

QTEST_GUILESS_MAIN(tst_Document)
#include "tst_Document.moc"
