#include <QtTest>

#include <QTemporaryDir>

#include <locale>

#include "Document.h"
#include "IoTestHelpers.h"
#include "LegacyMaterialList.h"
#include "LegacyMaterialReader.h"
#include "LegacyTextStream.h"
#include "MaterialIdCounter.h"
#include "Project.h"

namespace {

const QString DataDir = QStringLiteral(TAVO_TEST_DATA_DIR "/legacy/");

// A small complete project; the error cases below each break one thing in it.
const char *const MinimalProject =
    "FileVersion 1.4\r\nDOCUMENT\r\n{\r\nCLIMATE_LIST\r\n{\r\n"
    "CLIMATE_DEFINITION\r\n{\r\nName Innen\r\nTemperatur 20 C\r\nRelHum 50 %\r\n}\r\n"
    "CLIMATE_DEFINITION\r\n{\r\nTemperatur 12 C\r\nRelHum 70 %\r\n}\r\n"
    "CLIMATE_DEFINITION\r\n{\r\nTemperatur -10 C\r\nRelHum 80 %\r\n}\r\n"
    "CLIMATE_DEFINITION\r\n{\r\nTemperatur 12 C\r\nRelHum 70 %\r\n}\r\n}\r\n"
    "RO_Left 0.04 m2K/W\r\nRO_Right 0.13 m2K/W\r\nwintertime 60 d\r\nsummertime 90 d\r\nProject_name P\r\n"
    "STRUCTURE\r\n{\r\nLAYER_DEFINITION\r\n{\r\nWidth 0.2 m\r\nColour 255\r\nMATERIAL_DEFINITION\r\n{\r\n"
    "Name Brick\r\nFlags 0 0 0\r\nrho 1800 kg/m3\r\nLambda 0.8 W/mK\r\nMew 10 -\r\nW_h80 0.01 m3/m3\r\n"
    "W_sat 0.3 m3/m3\r\nA_w 0.1 kg/m2s05\r\n}\r\n}\r\n}\r\n}\r\n";

const char *const MinimalList =
    "FileVersion 1.9\r\nMATERIAL_LIST\r\n{\r\nMATERIAL_DEFINITION\r\n{\r\nName Putz\r\n"
    "rho 1800 kg/m3\r\nLambda 1 W/mK\r\nMew 20 -\r\nW_h80 0.01 m3/m3\r\n"
    "W_sat 0.25 m3/m3\r\n}\r\n}\r\n";

QByteArray remarks(qint32 length, const QByteArray &text) {
    QByteArray block("Remarks\r\n{\r\n");
    for (int i = 0; i < 4; ++i)
        block.append(char((static_cast<quint32>(length) >> (8 * i)) & 0xFF));
    return block + text + "\r\n}\r\n";
}

QByteArray replaced(QByteArray bytes, const QByteArray &from, const QByteArray &to) {
    const int at = bytes.indexOf(from);
    return at < 0 ? QByteArray("from-text not found") : bytes.replace(at, from.size(), to);
}

} // namespace

class tst_LegacyReader : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void wall();
    void roofVersion13AndRemarks();
    void encodingsAndLineEnds_data();
    void encodingsAndLineEnds();
    void keywordForms_data();
    void keywordForms();
    void errors_data();
    void errors();
    void truncatedFiles();
    void examplesCalculate();
    void materialList();
    void materialListErrors_data();
    void materialListErrors();
    void categories_data();
    void categories();

private:
    QString write(const QByteArray &bytes, const QString &name = "p.tpj") {
        const QString path = m_dir.filePath(name);
        return writeBytes(path, bytes) ? path : QString();
    }
    bool read(const QByteArray &bytes, Document &doc, QString &message) {
        return doc.readOld(write(bytes), message);
    }
    QTemporaryDir m_dir;
};

void tst_LegacyReader::initTestCase() {
    QLocale::setDefault(QLocale::c());
    std::locale::global(std::locale::classic());
    QVERIFY(m_dir.isValid());
}

void tst_LegacyReader::wall() {
    Document doc;
    QString message;
    QVERIFY2(doc.readOld(DataDir + "wall.tpj", message), qPrintable(message));
    const InputData &in = doc.inputData();
    const AssessmentConditions &c = in.assessmentConditions();
    QCOMPARE(in.layers().size(), 4);
    const MaterialLayer &plaster = in.layers().at(0);
    // Climates in file order: interior, interior summer, exterior, exterior summer. RO_Left is the
    // exterior, RO_Right the interior surface resistance; times are in days.
    const double values[][2] = {{c.interiorClimate().temperature(), 20},
                                {c.interiorSummerClimate().relativeHumidity(), 70},
                                {c.exteriorClimate().temperature(), -10},
                                {c.exteriorSummerClimate().temperature(), 12},
                                {c.exteriorClimate().surfaceResistance(), 0.04},
                                {c.interiorClimate().surfaceResistance(), 0.13},
                                {c.condensationTime(true), 60},
                                {c.evaporationTime(true), 90},
                                {plaster.width(), 0.015},
                                {plaster.mu_max, 10},
                                {plaster.w_80, 0.004},
                                {plaster.m_Aw, 0.03},
                                {in.layers().at(1).width(), 0.24}};
    for (const auto &v : values)
        CHECK_NEAR(v[0], v[1]);
    QCOMPARE(doc.projectInformation().ProjectName, QStringLiteral("Einfamilienhaus Müller"));
    QCOMPARE(doc.projectInformation().UserName, QStringLiteral("Ingenieurbüro Schröder"));
    QCOMPARE(plaster.producer, QStringLiteral("Putzwerk Süd"));
    QCOMPARE(plaster.color, QColor(0xC0, 0xC0, 0xC0));
    QCOMPARE(in.layers().at(1).notes, QStringLiteral("Rohdichte 800 kg/m³"));
    QCOMPARE(in.layers().at(2).category.value(), 5);
    for (const MaterialLayer &l : in.layers())
        QVERIFY2(l.isValid(), qPrintable(l.name));
}

void tst_LegacyReader::roofVersion13AndRemarks() {
    Document doc;
    QString message;
    QVERIFY2(doc.readOld(DataDir + "roof-air-layer.tpj", message), qPrintable(message));
    const QVector<MaterialLayer> &roof = doc.inputData().layers();
    QCOMPARE(roof.size(), 6);
    QVERIFY(roof.at(2).isAir() && roof.at(4).isWoodBased() && !roof.at(4).isAir());
    CHECK_NEAR(roof.at(0).m_Aw, 0.2); // "kg/m2*s^0.5"
    CHECK_NEAR(roof.at(1).width(), 0.0002);
    CHECK_NEAR(doc.inputData().assessmentConditions().evaporationTime(true), 90.0); // 2160 h

    // Version 1.3 stored the moisture content at 95 % relative humidity; other versions as it stands.
    QVERIFY2(doc.readOld(DataDir + "timber-frame-version-1.3.tpj", message), qPrintable(message));
    CHECK_NEAR(doc.inputData().layers().at(0).w_80, 0.019 * 0.8 / 0.95);
    CHECK_NEAR(doc.inputData().layers().at(0).m_Aw, 0.01); // 0.6 kg/m2h05
    QVERIFY(doc.inputData().layers().at(2).isWood());
    QByteArray bytes = readBytes(DataDir + "timber-frame-version-1.3.tpj");
    QVERIFY2(read(replaced(bytes, "FileVersion 1.3", "FileVersion 1.4"), doc, message), qPrintable(message));
    CHECK_NEAR(doc.inputData().layers().at(0).w_80, 0.019);

    // The remarks hold "}" and "RO_Left 99 m2K/W" lines; they must not be read as keywords.
    doc.projectInformation().Company = "Kept";
    QVERIFY2(doc.readOld(DataDir + "basement-ceiling-remarks.tpj", message), qPrintable(message));
    CHECK_NEAR(doc.inputData().assessmentConditions().exteriorClimate().surfaceResistance(), 0.04);
    QCOMPARE(doc.inputData().layers().size(), 2);
    QCOMPARE(doc.projectInformation().UserName, QStringLiteral("Energieberatung Weiß"));
    // Texts the file does not have stay as they were.
    QCOMPARE(doc.projectInformation().Company, QStringLiteral("Kept"));
}

void tst_LegacyReader::encodingsAndLineEnds_data() {
    QTest::addColumn<bool>("utf8");
    QTest::addColumn<bool>("bom");
    QTest::addColumn<bool>("lf");
    // The wall has umlauts in project texts, names and notes.
    QTest::newRow("utf-8") << true << false << false;
    QTest::newRow("utf-8 bom") << true << true << false;
    QTest::newRow("lf") << false << false << true;
}

void tst_LegacyReader::encodingsAndLineEnds() {
    QFETCH(bool, utf8);
    QFETCH(bool, bom);
    QFETCH(bool, lf);
    Document original, converted;
    QString message;
    QVERIFY2(original.readOld(DataDir + "wall.tpj", message), qPrintable(message));
    QByteArray bytes = readBytes(DataDir + "wall.tpj");
    if (utf8)
        bytes = QString::fromLatin1(bytes).toUtf8();
    if (bom)
        bytes.prepend("\xEF\xBB\xBF");
    if (lf)
        bytes.replace("\r\n", "\n");
    QVERIFY2(read(bytes, converted, message), qPrintable(message));
    QCOMPARE(converted.projectInformation(), original.projectInformation());
    QVERIFY(converted.inputData() == original.inputData());
}

void tst_LegacyReader::keywordForms_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QString>("value");
    const auto row = [](const char *line, const char *keyword, const char *value) {
        QTest::newRow(line) << QString(line) << QString(keyword) << QString(value);
    };
    row("RO_Left 0.04 m2K/W", "RO_Left", "0.04 m2K/W");
    row("RO_Left: 0.04 m2K/W", "RO_Left", "0.04 m2K/W");
    row("RO_Left = 0.04 m2K/W", "RO_Left", "0.04 m2K/W");
    row("RO_Left: = 0.04 m2K/W", "RO_Left", "0.04 m2K/W");
    row("RO_Left=0.04 m2K/W", "RO_Left", "0.04 m2K/W");
    row("Name:\t\tPutz  innen", "Name", "Putz  innen");
    row("Project_work: Haus: Nord", "Project_work", "Haus: Nord");
    row("Flags:", "Flags", "");
}

void tst_LegacyReader::keywordForms() {
    QFETCH(QString, line);
    QFETCH(QString, keyword);
    QFETCH(QString, value);
    QString k, v;
    LegacyTextStream::splitKeyword(line, k, v);
    QCOMPARE(k, keyword);
    QCOMPARE(v, value);
}

void tst_LegacyReader::errors_data() {
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::addColumn<QString>("message"); // empty: the file is broken without a keyword to blame
    const QByteArray climate = "CLIMATE_DEFINITION\r\n{\r\nTemperatur 12 C\r\nRelHum 70 %\r\n}\r\n";
    const QString c = "[InputData::readClimateOld]  ", s = "[InputData::readConstructionOld]  ",
                  l = "[MaterialLayer::readOld]  ", m = "[Material::readOld]  ";
    const auto row = [](const char *name, const QByteArray &from, const QByteArray &to,
                        const QString &message) { QTest::newRow(name) << from << to << message; };
    row("no FileVersion", "FileVersion 1.4", "Version 1.4",
        "[Document::readOld]  Keyword 'FileVersion' missing!");
    row("document start", "DOCUMENT\r\n{\r\n", "DOCUMENT\r\n", "Block start '{' missing!");
    row("climate list start", "CLIMATE_LIST\r\n{\r\n", "CLIMATE_LIST\r\n",
        "Block start '{' missing for climatelist!");
    row("structure start", "STRUCTURE\r\n{\r\n", "STRUCTURE\r\n", "Block start '{' missing for wall data!");
    row("remarks start", "RO_Left", "Remarks\r\nText\r\nRO_Left", "Block start '{' missing for remarks!");
    row("unknown keyword", "Project_name P", "Projectname P",
        "Invalid keyword 'Projectname P' in project file!");
    row("RO_Left value", "RO_Left 0.04", "RO_Left x", "Error reading parameter 'RO_Left'!");
    row("RO_Left trailing text", "0.04 m2K/W", "0.04 m2K/W 0.13", "Error reading parameter 'RO_Left'!");
    row("wintertime nan", "wintertime 60", "wintertime 1.#QNAN", "Error reading parameter 'wintertime'!");
    row("summertime infinite", "summertime 90", "summertime 1e999", "Error reading parameter 'summertime'!");
    row("climate keyword", "Name Innen", "Ort Innen", c + "Invalid keyword 'Ort'");
    row("climate start", "{\r\nName", "Name", c + "Invalid keyword 'Name Innen'");
    row("climate list keyword", "CLIMATE_DEFINITION\r\n{\r\nName", "CLIMATE\r\n{\r\nName",
        c + "Illegal keyword 'CLIMATE'");
    row("temperature", "Temperatur 20 C", "Temperatur 20 kg", c + "Error reading parameter 'Temperatur'!");
    row("three climates", climate + "}", "}", c + "Four climate conditions are required!");
    row("five climates", climate + "}", climate + climate + "}", c + "Four climate conditions are required!");
    row("layer start", "LAYER_DEFINITION\r\n{\r\n", "LAYER_DEFINITION\r\n", s + "Block start '{' missing!");
    row("structure keyword", "LAYER_DEFINITION", "LAYER", s + "Invalid keyword 'LAYER'");
    row("layer keyword", "Colour 255", "Farbe 255", l + "Invalid keyword!");
    row("material start", "MATERIAL_DEFINITION\r\n{\r\n", "MATERIAL_DEFINITION\r\n",
        l + "Block start '{' of material definition missing!");
    row("width", "Width 0.2 m", "Width 0.2 kg", l + "Error reading parameter 'Width'!");
    row("material name", "Name Brick\r\n", "", m + "Error reading material name!");
    row("material keyword", "Name Brick", "Nme Brick", m + "Invalid keyword 'Nme'");
    row("decimal comma", "Lambda 0.8", "Lambda 0,8", m + "Error reading parameter 'Lambda'!");
    row("no unit", "Mew 10 -", "Mew 10", m + "Error reading parameter 'Mew'!");
    row("W_h80 infinite", "W_h80 0.01", "W_h80 inf", m + "Error reading parameter 'W_h80'!");
    row("W_hyg", "W_h80 0.01 m3/m3", "W_hyg 0.01 kg", m + "Error reading parameter 'W_hyg'!");
    row("A_w unit", "kg/m2s05", "kg/m2s", m + "Error reading parameter 'A_w'!");
    row("Flags", "Flags 0 0 0", "Flags ja", m + "Error reading parameter 'Flags'!");
    row("missing data", "Mew 10 -\r\nW_h80 0.01 m3/m3\r\n", "",
        m + "Material 'Brick': missing data (Mew, W_h80)!");
    row("end inside material", "kg/m2s05\r\n}\r\n}\r\n}\r\n}\r\n", "kg/m2s05\r\n",
        m + "Error reading material data!\n");
    row("end inside document", "}\r\n}\r\n}\r\n}\r\n", "}\r\n}\r\n}\r\n", "");
    row("no document", "DOCUMENT", "DOKUMENT", "");
    // Remarks lengths come from the file: never trusted beyond its end.
    row("remarks negative length", "RO_Left", remarks(-1, "abc") + "RO_Left", "");
    row("remarks length past end", "RO_Left", remarks(0x7FFFFFFF, "abc") + "RO_Left", "");
    row("remarks without end", "RO_Left", remarks(3, "abc").replace("}", "") + "RO_Left", "");
}

void tst_LegacyReader::errors() {
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(QString, message);
    Document doc;
    doc.projectInformation().ProjectName = "Before";
    QString error;
    QVERIFY(!read(replaced(MinimalProject, from, to), doc, error));
    const QString path = m_dir.filePath("p.tpj");
    QCOMPARE(error, message.isEmpty()
                        ? "Error reading project file.\n" + path
                        : "[Document::readOld]  Error reading project file '" + path + "'\n" + message);
    // Nothing of a failed read is kept.
    QCOMPARE(doc.projectInformation().ProjectName, QStringLiteral("Before"));
    QVERIFY(doc.inputData().layers().isEmpty());
    // The unbroken text reads, with remarks too.
    QVERIFY2(read(MinimalProject, doc, error), qPrintable(error));
    QVERIFY2(read(replaced(MinimalProject, "RO_Left", remarks(3, "a}\n") + "RO_Left"), doc, error),
             qPrintable(error));
}

void tst_LegacyReader::truncatedFiles() {
    // Cut after every line of the wall, and at every byte of the file with remarks (also inside the
    // binary length and the remarks text): each read fails with a message and keeps nothing.
    const QByteArray wall = readBytes(DataDir + "wall.tpj");
    const QByteArray withRemarks = readBytes(DataDir + "basement-ceiling-remarks.tpj");
    QVector<QByteArray> parts;
    for (int at = wall.indexOf('\n'); at >= 0 && at + 1 < wall.size(); at = wall.indexOf('\n', at + 1))
        parts << wall.left(at + 1);
    QVERIFY(parts.size() > 100);
    for (int n = 0; n < withRemarks.lastIndexOf('}'); ++n)
        parts << withRemarks.left(n);
    for (const QByteArray &part : parts) {
        Document doc;
        QString error;
        QVERIFY2(!read(part, doc, error) && !error.isEmpty(),
                 qPrintable(QString("read %1 bytes").arg(part.size())));
        QVERIFY(doc.inputData().layers().isEmpty());
    }
}

void tst_LegacyReader::examplesCalculate() {
    const QDir examples(QStringLiteral(TAVO_EXAMPLES_DIR "/legacy"));
    const QStringList files = examples.entryList({"*.tpj"}, QDir::Files);
    QCOMPARE(files.size(), 4);
    for (const QString &f : files) {
        // The examples are the test fixtures.
        QCOMPARE(readBytes(examples.filePath(f)), readBytes(DataDir + f));
        Project &project = Project::instance();
        QString error;
        QVERIFY2(project.read(examples.filePath(f), error), qPrintable(f + ": " + error));
        project.setModified(Project::InputDataModified);
        const CalculationResults &r = project.document()->results();
        const QString state = QStringLiteral("%1: calcState %2, glaserCase %3, %4")
                                  .arg(f)
                                  .arg(r.calcState)
                                  .arg(r.glaserCase)
                                  .arg(r.messages.join(' '));
        if (f == QLatin1String("roof-air-layer.tpj")) {
            // First-generation materials often carry no water uptake coefficient: with such
            // layers on both sides of the condensation region the zone calculation cannot be
            // solved, and the user is told which layers cause it.
            QVERIFY2(r.calcState == CalculationResults::CS_AlgorithmFailure && r.messages.size() == 2 &&
                         r.messages[0] == QLatin1String("No Solution found!") &&
                         r.messages[1].contains(QLatin1String("<a href=\"layer-6\">")),
                     qPrintable(state));
        } else {
            QVERIFY2(r.messages.isEmpty() && r.calcState >= CalculationResults::CS_CondensationInnerSurface,
                     qPrintable(state));
        }
        QCOMPARE(int(r.T_Glaser.size()), project.document()->inputData().layers().size() + 1);
        for (double T : r.T_Glaser)
            QVERIFY2(std::isfinite(T) && T > -10.001 && T < 20.001, qPrintable(state));
        QVERIFY2(r.R_total_dry > 0.5, qPrintable(QStringLiteral("%1: R = %2").arg(f).arg(r.R_total_dry)));
    }
}

void tst_LegacyReader::materialList() {
    const int firstId = MaterialIdCounter::peekUserMaterialId();
    QList<Material> materials;
    QString error;
    QVERIFY2(LegacyMaterialList::import1_9(DataDir + "material-list-1.9.txt", materials, error),
             qPrintable(error));
    QCOMPARE(materials.size(), 4);
    for (int i = 0; i < materials.size(); ++i)
        QVERIFY2(materials[i].materialId == firstId + i && materials[i].isValid(),
                 qPrintable(materials[i].name));
    QCOMPARE(MaterialIdCounter::peekUserMaterialId(), firstId + 4);
    QCOMPARE(materials[0].producer, QStringLiteral("Mörtelwerk Süd"));
    QCOMPARE(materials[0].notes, QStringLiteral("Außen und innen"));
    CHECK_NEAR(materials[0].m_Aw, 0.05);
    CHECK_NEAR(materials[1].w_80, 0.019); // not version 1.3: W_hyg as it stands
    CHECK_NEAR(materials[1].m_Aw, 0.2 / 60);
    QVERIFY(materials[2].isWoodBased());
    QCOMPARE(materials[3].category.value(), 10);

    // Version 1.3 stored W_hyg at 95 %; W_h80 is always at 80 %.
    QByteArray bytes = replaced(readBytes(DataDir + "material-list-1.9.txt"), "1.9.0", "1.3.1");
    QVERIFY2(LegacyMaterialList::import1_9(write(bytes, "list.txt"), materials, error), qPrintable(error));
    CHECK_NEAR(materials[1].w_80, 0.019 * 0.8 / 0.95);
    CHECK_NEAR(materials[0].w_80, 0.01);

    // Truncated anywhere before the last "}", or missing: an error each time.
    bytes = readBytes(DataDir + "material-list-1.9.txt");
    for (int n = 0; n < bytes.lastIndexOf('}'); ++n)
        QVERIFY2(!LegacyMaterialList::import1_9(write(bytes.left(n), "list.txt"), materials, error) &&
                     !error.isEmpty(),
                 qPrintable(QString("read with %1 bytes").arg(n)));
    QVERIFY(!LegacyMaterialList::import1_9(m_dir.filePath("missing.txt"), materials, error));
}

void tst_LegacyReader::materialListErrors_data() {
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::addColumn<QString>("message");
    const QString list = "[T2_MaterialList read_1_9_list]  ";
    const QString material = "[T2_MaterialList read_1_9_material]  ";
    const auto row = [](const char *name, const QByteArray &from, const QByteArray &to,
                        const QString &message) { QTest::newRow(name) << from << to << message; };
    row("no FileVersion", "FileVersion", "Version", list + "Keyword 'FileVersion' missing!");
    row("no list", "MATERIAL_LIST", "MATERIALS", list + "Keyword 'MATERIAL_LIST' missing!");
    row("list start", "MATERIAL_LIST\r\n{\r\n", "MATERIAL_LIST\r\n", list + "Missing block start!");
    row("list keyword", "MATERIAL_DEFINITION", "MATERIAL", list + "Invalid keyword!");
    row("material start", "MATERIAL_DEFINITION\r\n{\r\n", "MATERIAL_DEFINITION\r\n",
        list + "Block start '{' of material definition missing!");
    row("list end", "}\r\n}\r\n", "}\r\n", list + "Unexpected end of file!");
    row("name", "Name Putz\r\n", "", material + "Error reading material name!");
    row("missing data", "W_sat 0.25 m3/m3\r\n", "", material + "Missing data!");
    row("material keyword", "Mew 20", "Mu 20", material + "Invalid keyword 'Mu'!");
    row("parameter", "Lambda 1 W/mK", "Lambda 1 W/m2K", material + "Error reading parameter 'Lambda'!");
    row("material end", "}\r\n}\r\n", "", material + "Error reading material data!\n");
}

void tst_LegacyReader::materialListErrors() {
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(QString, message);
    const int firstId = MaterialIdCounter::peekUserMaterialId();
    QList<Material> materials{Material()};
    QString error;
    QVERIFY(
        !LegacyMaterialList::import1_9(write(replaced(MinimalList, from, to), "list.txt"), materials, error));
    QCOMPARE(error, message);
    QVERIFY(materials.isEmpty());
    // A failed import uses up no ids.
    QCOMPARE(MaterialIdCounter::peekUserMaterialId(), firstId);
    QVERIFY2(LegacyMaterialList::import1_9(write(MinimalList, "list.txt"), materials, error),
             qPrintable(error));
    QCOMPARE(materials.size(), 1);
}

void tst_LegacyReader::categories_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("category");
    QTest::newRow("natural stones") << "Natursteine" << 3;
    QTest::newRow("umlaut") << "Putze/Mörtel/Estriche" << 1;
    QTest::newRow("long") << "Fassadenbekleidungen, Bodenbeläge und Eindeckungen" << 10;
    QTest::newRow("english") << "Timber" << 7;
    QTest::newRow("english category 0") << "Coating" << 0;
    QTest::newRow("case differs") << "holz" << -1;
    QTest::newRow("umlaut replaced") << "Waermedaemmstoffe" << -1;
    QTest::newRow("empty") << "" << -1;
}

void tst_LegacyReader::categories() {
    QFETCH(QString, text);
    QFETCH(int, category);
    QCOMPARE(LegacyMaterialReader::categoryFromGermanName(text), category);
}

QTEST_GUILESS_MAIN(tst_LegacyReader)
#include "tst_LegacyReader.moc"
