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
    QCOMPARE(document.inputData().check(), 0);
    QCOMPARE(document.inputData().assessmentConditions().assessmentType(), 2);
    QVERIFY(!document.projectInformation().ProjectName.isEmpty());
    QVERIFY(!document.projectInformation().Description.isEmpty());
    // The examples are the writer's own output, byte for byte, and read back equal.
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
    // It reads back with the width rounded to six digits, the foil's width from sd / mu, and the
    // fields the material equality ignores.
    Document back;
    QCOMPARE(readDocument(golden, back), QString());
    const QVector<MaterialLayer> &layers = back.inputData().layers();
    QCOMPARE(layers.at(0).width(), 0.123457);
    QCOMPARE(layers.at(0).materialId, 600);
    QCOMPARE(layers.at(1).width(), 0.0004);
    QVERIFY(layers.at(1).isFoil() && layers.at(2).isAir() && layers.at(3).isWoodBased() &&
            !layers.at(3).isFoil());
    QCOMPARE(layers.at(1).sd_value, 2.0);
    const Document expected = goldenDocument();
    for (int i = 0; i < layers.size(); ++i)
        QVERIFY2(Material(layers.at(i)) == expected.inputData().layers().at(i),
                 qPrintable(layers.at(i).name));
    QCOMPARE(back.projectInformation(), expected.projectInformation());
}

void tst_Document::root_data() {
    QTest::addColumn<QString>("root");
    QTest::addColumn<QString>("version");
    QTest::addColumn<bool>("ok");
    const auto row = [](const char *root, const QString &version, bool ok) {
        QTest::newRow(qPrintable(QString("%1 %2").arg(root, version.isNull() ? "without version" : version)))
            << QString(root) << version << ok;
    };
    row("TavoProject", "2.0", true);
    row("ZorbexProject", "1.0", true);
    row("TavoProject", "2.1", false);
    row("TavoProject", "2", false);
    row("TavoProject", QString(), false);
    row("ZorbexProject", "2.0", false);
    row("Project", "2.0", false);
}

void tst_Document::root() {
    QFETCH(QString, root);
    QFETCH(QString, version);
    QFETCH(bool, ok);
    Document document;
    QCOMPARE(readDocument(projectWithRoot(root, version), document),
             ok ? QString() : QString("File is not a Tavo 2.0 project file."));
    if (ok) {
        QCOMPARE(document.inputData().layers().size(), 1);
        QCOMPARE(document.inputData().layers().at(0).name, QString("Ziegel"));
        QCOMPARE(document.projectInformation().HeatFlowDirection, 0);
    }
}

QTEST_GUILESS_MAIN(tst_Document)
#include "tst_Document.moc"
