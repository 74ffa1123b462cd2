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

// A small complete project and material list; the error cases below each break one thing in them.
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
    return at < 0 ? QByteArray("text to replace not found") : bytes.replace(at, from.size(), to);
}

// Numbers as short text (six significant digits), to compare many at once.
QString numbers(std::initializer_list<double> values) {
    QStringList texts;
    for (double v : values)
        texts << QString::number(v);
    return texts.join(' ');
}

} // namespace

class tst_LegacyReader : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void fixtures();
    void encodingsAndLineEnds();
    void keywordForms_data();
    void keywordForms();
    void errors_data();
    void errors();
    void truncatedFiles();
    void examplesCalculate();
    void materialList();

private:
    QString write(const QByteArray &bytes, const QString &name = "p.tpj") {
        return writeBytes(m_dir.filePath(name), bytes) ? m_dir.filePath(name) : QString();
    }
    QTemporaryDir m_dir;
};

void tst_LegacyReader::initTestCase() {
    QLocale::setDefault(QLocale::c());
    std::locale::global(std::locale::classic());
    QVERIFY(m_dir.isValid());
}

void tst_LegacyReader::fixtures() {
    Document doc;
    QString error;
    QVERIFY2(doc.readOld(DataDir + "wall.tpj", error), qPrintable(error));
    const AssessmentConditions &c = doc.inputData().assessmentConditions();
    const QVector<MaterialLayer> &wall = doc.inputData().layers();
    // Climates in file order: interior, interior summer, exterior, exterior summer. RO_Left is the
    // exterior, RO_Right the interior surface resistance; times in days; widths in cm.
    QCOMPARE(
        numbers({c.interiorClimate().temperature(), c.interiorSummerClimate().relativeHumidity(),
                 c.exteriorClimate().temperature(), c.exteriorSummerClimate().temperature(),
                 c.exteriorClimate().surfaceResistance(), c.interiorClimate().surfaceResistance(),
                 c.condensationTime(true), c.evaporationTime(true), wall.at(0).width(), wall.at(0).mu_max,
                 wall.at(0).w_80, wall.at(0).m_Aw, wall.at(1).width(), double(wall.size())}),
        QString("20 70 -10 12 0.04 0.13 60 90 0.015 10 0.004 0.03 0.24 4"));
    QCOMPARE(doc.projectInformation().UserName, QStringLiteral("Ingenieurbüro Schröder"));
    QCOMPARE(wall.at(0).producer, QStringLiteral("Putzwerk Süd"));
    QCOMPARE(wall.at(1).notes, QStringLiteral("Rohdichte 800 kg/m³"));
    QVERIFY(wall.at(0).color == QColor(0xC0, 0xC0, 0xC0) && wall.at(2).category.value() == 5);

    // Air layer; "kg/m2*s^0.5"; 2160 h.
    QVERIFY2(doc.readOld(DataDir + "roof-air-layer.tpj", error), qPrintable(error));
    const QVector<MaterialLayer> &roof = doc.inputData().layers();
    QVERIFY(roof.size() == 6 && roof.at(2).isAir() && roof.at(4).isWoodBased() && !roof.at(4).isAir());
    QCOMPARE(numbers({roof.at(0).m_Aw, roof.at(1).width(),
                      doc.inputData().assessmentConditions().evaporationTime(true)}),
             QString("0.2 0.0002 90"));

    // Version 1.3 stored the moisture content at 95 % relative humidity; other versions as it stands.
    QVERIFY2(doc.readOld(DataDir + "timber-frame-version-1.3.tpj", error), qPrintable(error));
    const QVector<MaterialLayer> &timber = doc.inputData().layers();
    QCOMPARE(numbers({timber.at(0).w_80, timber.at(0).m_Aw}), numbers({0.019 * 0.8 / 0.95, 0.6 / 60}));
    QVERIFY(timber.at(2).isWood());
    const QByteArray bytes = readBytes(DataDir + "timber-frame-version-1.3.tpj");
    QVERIFY2(doc.readOld(write(replaced(bytes, "FileVersion 1.3", "FileVersion 1.4")), error),
             qPrintable(error));
    CHECK_NEAR(doc.inputData().layers().at(0).w_80, 0.019);

    // The remarks hold "}" and "RO_Left 99 m2K/W" lines: not keywords. Texts the file lacks stay.
    doc.projectInformation().Company = "Kept";
    QVERIFY2(doc.readOld(DataDir + "basement-ceiling-remarks.tpj", error), qPrintable(error));
    CHECK_NEAR(doc.inputData().assessmentConditions().exteriorClimate().surfaceResistance(), 0.04);
    QVERIFY(doc.inputData().layers().size() == 2 && doc.projectInformation().Company == "Kept");
    QCOMPARE(doc.projectInformation().UserName, QStringLiteral("Energieberatung Weiß"));
}

void tst_LegacyReader::encodingsAndLineEnds() {
    // The wall has umlauts in project texts, names and notes.
    Document original, converted;
    QString error;
    QVERIFY2(original.readOld(DataDir + "wall.tpj", error), qPrintable(error));
    const QByteArray latin1 = readBytes(DataDir + "wall.tpj"), utf8 = QString::fromLatin1(latin1).toUtf8();
    for (const QByteArray &bytes : {utf8, "\xEF\xBB\xBF" + utf8, QByteArray(latin1).replace("\r\n", "\n")}) {
        QVERIFY2(converted.readOld(write(bytes), error), qPrintable(error));
        QCOMPARE(converted.projectInformation(), original.projectInformation());
        QVERIFY(converted.inputData() == original.inputData());
    }
}

void tst_LegacyReader::keywordForms_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QString>("value");
    const auto row = [](const char *line, const char *keyword, const char *value) {
        QTest::newRow(line) << QString(line) << QString(keyword) << QString(value);
    };
    row("RO_Left 0.04 m2K/W", "RO_Left", "0.04 m2K/W");
    row("RO_Left: = 0.04 m2K/W", "RO_Left", "0.04 m2K/W");
    row("RO_Left=0.04 m2K/W", "RO_Left", "0.04 m2K/W");
    row("Name:\t\tPutz  innen", "Name", "Putz  innen");
    row("Project_work: Haus: Nord", "Project_work", "Haus: Nord");
    row("Flags:", "Flags", "");
}

void tst_LegacyReader::keywordForms() {
    QFETCH(QString, line);
    QString keyword, value;
    LegacyTextStream::splitKeyword(line, keyword, value);
    QTEST(keyword, "keyword");
    QTEST(value, "value");
}

void tst_LegacyReader::errors_data() {
    QTest::addColumn<QByteArray>("file"); // a project or, starting with "FileVersion 1.9", a material list
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::addColumn<QString>("message"); // empty: the file is broken without a keyword to blame
    const QByteArray climate = "CLIMATE_DEFINITION\r\n{\r\nTemperatur 12 C\r\nRelHum 70 %\r\n}\r\n";
    const QString c = "[InputData::readClimateOld]  ", s = "[InputData::readConstructionOld]  ",
                  l = "[MaterialLayer::readOld]  ", m = "[Material::readOld]  ",
                  list = "[T2_MaterialList read_1_9_list]  ", item = "[T2_MaterialList read_1_9_material]  ";
    const auto row = [](const char *name, const QByteArray &from, const QByteArray &to,
                        const QString &message, const char *file = MinimalProject) {
        QTest::newRow(name) << QByteArray(file) << from << to << message;
    };
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
    row("climate list keyword", "CLIMATE_DEFINITION", "CLIMATE", c + "Illegal keyword 'CLIMATE'");
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
    row("list: no FileVersion", "FileVersion", "Version", list + "Keyword 'FileVersion' missing!",
        MinimalList);
    row("list: no list", "MATERIAL_LIST", "MATERIALS", list + "Keyword 'MATERIAL_LIST' missing!",
        MinimalList);
    row("list: start", "LIST\r\n{\r\n", "LIST\r\n", list + "Missing block start!", MinimalList);
    row("list: keyword", "MATERIAL_DEFINITION", "MATERIAL", list + "Invalid keyword!", MinimalList);
    row("list: material start", "DEFINITION\r\n{\r\n", "DEFINITION\r\n",
        list + "Block start '{' of material definition missing!", MinimalList);
    row("list: end", "}\r\n}\r\n", "}\r\n", list + "Unexpected end of file!", MinimalList);
    row("list: name", "Name Putz\r\n", "", item + "Error reading material name!", MinimalList);
    row("list: missing data", "W_sat 0.25 m3/m3\r\n", "", item + "Missing data!", MinimalList);
    row("list: material keyword", "Mew 20", "Mu 20", item + "Invalid keyword 'Mu'!", MinimalList);
    row("list: parameter", "1 W/mK", "1 W/m2K", item + "Error reading parameter 'Lambda'!", MinimalList);
    row("list: material end", "}\r\n}\r\n", "", item + "Error reading material data!\n", MinimalList);
}

void tst_LegacyReader::errors() {
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(QString, message);
    QString error;
    if (file.startsWith("FileVersion 1.9")) {
        const int firstId = MaterialIdCounter::peekUserMaterialId();
        QList<Material> materials{Material()};
        QVERIFY(!LegacyMaterialList::import1_9(write(replaced(file, from, to)), materials, error));
        QCOMPARE(error, message);
        // Nothing is returned and no ids are used up.
        QVERIFY(materials.isEmpty() && MaterialIdCounter::peekUserMaterialId() == firstId);
        QVERIFY2(LegacyMaterialList::import1_9(write(file), materials, error) && materials.size() == 1,
                 qPrintable(error));
        return;
    }
    Document doc;
    doc.projectInformation().ProjectName = "Before";
    const QString path = write(replaced(file, from, to));
    QVERIFY(!doc.readOld(path, error));
    QCOMPARE(error, message.isEmpty()
                        ? "Error reading project file.\n" + path
                        : "[Document::readOld]  Error reading project file '" + path + "'\n" + message);
    // Nothing of a failed read is kept.
    QVERIFY(doc.projectInformation().ProjectName == "Before" && doc.inputData().layers().isEmpty());
    // The unbroken text reads, with remarks too.
    QVERIFY2(doc.readOld(write(file), error), qPrintable(error));
    QVERIFY2(doc.readOld(write(replaced(file, "RO_Left", remarks(3, "a}\n") + "RO_Left")), error),
             qPrintable(error));
}

void tst_LegacyReader::truncatedFiles() {
    // Cut after every line of the wall, and at every byte before the last "}" of the file with
    // remarks (also inside the binary length and the text) and of the material list: each read
    // fails with a message and keeps nothing.
    const QByteArray wall = readBytes(DataDir + "wall.tpj");
    QVector<QByteArray> projects;
    for (int at = wall.indexOf('\n'); at >= 0 && at + 1 < wall.size(); at = wall.indexOf('\n', at + 1))
        projects << wall.left(at + 1);
    QVERIFY(projects.size() > 100);
    const QByteArray withRemarks = readBytes(DataDir + "basement-ceiling-remarks.tpj");
    for (int n = 0; n < withRemarks.lastIndexOf('}'); ++n)
        projects << withRemarks.left(n);
    QString error;
    for (const QByteArray &part : projects) {
        Document doc;
        QVERIFY2(!doc.readOld(write(part), error) && !error.isEmpty(),
                 qPrintable(QString("%1 bytes").arg(part.size())));
        QVERIFY(doc.inputData().layers().isEmpty());
    }
    const QByteArray list = readBytes(DataDir + "material-list-1.9.txt");
    QList<Material> materials;
    for (int n = 0; n < list.lastIndexOf('}'); ++n)
        QVERIFY2(!LegacyMaterialList::import1_9(write(list.left(n)), materials, error) && !error.isEmpty(),
                 qPrintable(QString("list of %1 bytes").arg(n)));
    QVERIFY(!LegacyMaterialList::import1_9(m_dir.filePath("missing.txt"), materials, error) &&
            !error.isEmpty());
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
        const QString state = QString("%1: calcState %2, R %3, %4")
                                  .arg(f)
                                  .arg(r.calcState)
                                  .arg(r.R_total_dry)
                                  .arg(r.messages.join(' '));
        // First-generation materials often carry no water uptake coefficient: with such layers on
        // both sides of the condensation region the zone calculation of the roof cannot be solved,
        // and the user is told which layers cause it.
        if (f == QLatin1String("roof-air-layer.tpj"))
            QVERIFY2(r.calcState == CalculationResults::CS_AlgorithmFailure && r.messages.size() == 2 &&
                         r.messages[0] == "No Solution found!" &&
                         r.messages[1].contains("<a href=\"layer-6\">"),
                     qPrintable(state));
        else
            QVERIFY2(r.messages.isEmpty() && r.calcState >= CalculationResults::CS_CondensationInnerSurface,
                     qPrintable(state));
        QVERIFY2(int(r.T_Glaser.size()) == project.document()->inputData().layers().size() + 1 &&
                     r.R_total_dry > 0.5,
                 qPrintable(state));
        for (double T : r.T_Glaser)
            QVERIFY2(std::isfinite(T) && T > -10.001 && T < 20.001, qPrintable(state));
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
    QVERIFY(materials[0].producer == "Mörtelwerk Süd" && materials[0].notes == "Außen und innen");
    QVERIFY(materials[2].isWoodBased() && materials[3].category.value() == 10);
    // Not version 1.3: W_hyg as it stands.
    QCOMPARE(numbers({materials[0].m_Aw, materials[1].w_80, materials[1].m_Aw}),
             numbers({0.05, 0.019, 0.2 / 60}));
    // Version 1.3 stored W_hyg at 95 %; W_h80 is always at 80 %.
    const QByteArray bytes = replaced(readBytes(DataDir + "material-list-1.9.txt"), "1.9.0", "1.3.1");
    QVERIFY2(LegacyMaterialList::import1_9(write(bytes), materials, error), qPrintable(error));
    QCOMPARE(numbers({materials[0].w_80, materials[1].w_80}), numbers({0.01, 0.019 * 0.8 / 0.95}));

    // Category names: German (Latin-1 compared), then English; anything else is unknown.
    const QList<QPair<QString, int>> categories = {{"Natursteine", 3},
                                                   {"Putze/Mörtel/Estriche", 1},
                                                   {"Fassadenbekleidungen, Bodenbeläge und Eindeckungen", 10},
                                                   {"Timber", 7},
                                                   {"Coating", 0},
                                                   {"holz", -1},
                                                   {"Waermedaemmstoffe", -1},
                                                   {"", -1}};
    for (const auto &c : categories)
        QVERIFY2(LegacyMaterialReader::categoryFromGermanName(c.first) == c.second, qPrintable(c.first));
}

QTEST_GUILESS_MAIN(tst_LegacyReader)
#include "tst_LegacyReader.moc"
