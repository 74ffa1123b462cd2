// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QtEndian>

#include <algorithm>
#include <locale>

#include "Document.h"
#include "IoTestHelpers.h"
#include "LegacyMaterialList.h"
#include "LegacyMaterialReader.h"
#include "MaterialIdCounter.h"
#include "Project.h"

namespace {

const QString DataDir = QStringLiteral(TAVO_TEST_DATA_DIR "/legacy/"),
              ListFile = DataDir + "material-list-1.9.txt";

// A small complete project and material list; the error cases below each break one thing in them.
// Keywords may carry a colon, an equals sign, both or neither.
const char *const MinimalProject =
    "FileVersion 1.4\r\nDOCUMENT\r\n{\r\nCLIMATE_LIST\r\n{\r\n"
    "CLIMATE_DEFINITION\r\n{\r\nName Innen\r\nTemperatur 20 C\r\nRelHum 50 %\r\n}\r\n"
    "CLIMATE_DEFINITION\r\n{\r\nTemperatur 12 C\r\nRelHum 70 %\r\n}\r\n"
    "CLIMATE_DEFINITION\r\n{\r\nTemperatur -10 C\r\nRelHum 80 %\r\n}\r\n"
    "CLIMATE_DEFINITION\r\n{\r\nTemperatur 12 C\r\nRelHum 70 %\r\n}\r\n}\r\n"
    "RO_Left: = 0.04 m2K/W\r\nRO_Right=0.13 m2K/W\r\nwintertime 60 d\r\nsummertime 90 d\r\n"
    "Project_name:\t\tHaus:  Nord\r\n"
    "STRUCTURE\r\n{\r\nLAYER_DEFINITION\r\n{\r\nWidth 0.2 m\r\nColour 255\r\nMATERIAL_DEFINITION\r\n{\r\n"
    "Name Brick\r\nFlags:\r\nrho 1800 kg/m3\r\nLambda 0.8 W/mK\r\nMew 10 -\r\nW_h80 0.01 m3/m3\r\n"
    "W_sat 0.3 m3/m3\r\nA_w 0.1 kg/m2s05\r\n}\r\n}\r\n}\r\n}\r\n";
const char *const MinimalList =
    "FileVersion 1.9\r\nMATERIAL_LIST\r\n{\r\nMATERIAL_DEFINITION\r\n{\r\nName Putz\r\n"
    "rho 1800 kg/m3\r\nLambda 1 W/mK\r\nMew 20 -\r\nW_h80 0.01 m3/m3\r\nW_sat 0.25 m3/m3\r\n}\r\n}\r\n";

// A remarks block whose length, as the file gives it, is \a length.
QByteArray remarks(qint32 length, const QByteArray &text) {
    const qint32 stored = qToLittleEndian(length);
    return "Remarks\r\n{\r\n" + QByteArray(reinterpret_cast<const char *>(&stored), 4) + text + "\r\n}\r\n";
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

private:
    QString write(const QByteArray &bytes, const QString &name = "p.tpj") {
        return writeBytes(m_dir.filePath(name), bytes) ? m_dir.filePath(name) : QString();
    }
    QTemporaryDir m_dir;

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale::c());
        std::locale::global(std::locale::classic());
        QVERIFY(m_dir.isValid());
    }

    void fixtures() {
        Document doc;
        QString error;
        QVERIFY2(doc.readOld(DataDir + "wall.tpj", error), qPrintable(error));
        const AssessmentConditions &c = doc.inputData().assessmentConditions();
        const QVector<MaterialLayer> &layers = doc.inputData().layers();
        // Climates in file order: interior, interior summer, exterior, exterior summer. RO_Left is the
        // exterior, RO_Right the interior surface resistance; times in days; widths in cm.
        QCOMPARE(numbers({c.interiorClimate().temperature(), c.interiorSummerClimate().relativeHumidity(),
                          c.exteriorClimate().temperature(), c.exteriorSummerClimate().temperature(),
                          c.exteriorClimate().surfaceResistance(), c.interiorClimate().surfaceResistance(),
                          c.condensationTime(true), c.evaporationTime(true), layers.at(0).width(),
                          layers.at(0).mu_max, layers.at(0).w_80, layers.at(0).m_Aw, layers.at(1).width(),
                          double(layers.size())}),
                 QString("20 70 -10 12 0.04 0.13 60 90 0.015 10 0.004 0.03 0.24 4"));
        QVERIFY(doc.projectInformation().UserName == "Ingenieurbüro Schröder" &&
                layers.at(0).producer == "Putzwerk Süd");
        QVERIFY(layers.at(1).notes == "Rohdichte 800 kg/m³" &&
                layers.at(0).color == QColor(0xC0, 0xC0, 0xC0) && layers.at(2).category.value() == 5);
        // Read as UTF-8 (with and without byte order mark) or with LF line ends, the wall is the same.
        const Document wall = doc;
        const QByteArray latin1 = readBytes(DataDir + "wall.tpj"),
                         utf8 = QString::fromLatin1(latin1).toUtf8();
        for (const QByteArray &bytes :
             {utf8, "\xEF\xBB\xBF" + utf8, QByteArray(latin1).replace("\r\n", "\n")}) {
            QVERIFY2(doc.readOld(write(bytes), error), qPrintable(error));
            QVERIFY(doc.projectInformation() == wall.projectInformation() &&
                    doc.inputData() == wall.inputData());
        }
        // Air layer; "kg/m2*s^0.5"; 2160 h.
        QVERIFY2(doc.readOld(DataDir + "roof-air-layer.tpj", error), qPrintable(error));
        QVERIFY(layers.size() == 6 && layers.at(2).isAir() && layers.at(4).isWoodBased() &&
                !layers.at(4).isAir());
        QCOMPARE(numbers({layers.at(0).m_Aw, layers.at(1).width(), c.evaporationTime(true)}),
                 QString("0.2 0.0002 90"));
        // Version 1.3 stored the moisture content at 95 % relative humidity.
        QVERIFY2(doc.readOld(DataDir + "timber-frame-version-1.3.tpj", error), qPrintable(error));
        QCOMPARE(numbers({layers.at(0).w_80, layers.at(0).m_Aw}), numbers({0.019 * 0.8 / 0.95, 0.6 / 60}));
        QVERIFY(layers.at(2).isWood());
        // The remarks hold "}" and "RO_Left 99 m2K/W" lines: not keywords. Texts the file lacks stay.
        doc.projectInformation().Company = "Kept";
        QVERIFY2(doc.readOld(DataDir + "basement-ceiling-remarks.tpj", error), qPrintable(error));
        QVERIFY(layers.size() == 2 && c.exteriorClimate().surfaceResistance() == 0.04);
        QVERIFY(doc.projectInformation().UserName == "Energieberatung Weiß" &&
                doc.projectInformation().Company == "Kept");
        // The texts the error cases break read whole, also with remarks.
        const QByteArray withRemarks = replaced(MinimalProject, "RO_Left", remarks(3, "a}\n") + "RO_Left");
        QVERIFY2(doc.readOld(write(withRemarks), error), qPrintable(error));
        QVERIFY(doc.projectInformation().ProjectName == "Haus:  Nord" &&
                c.exteriorClimate().surfaceResistance() == 0.04 &&
                c.interiorClimate().surfaceResistance() == 0.13);
        QList<Material> materials;
        QVERIFY2(LegacyMaterialList::import1_9(write(MinimalList), materials, error) && materials.size() == 1,
                 qPrintable(error));
    }

    void errors_data() {
        // The file is a project or, when it starts with "FileVersion 1.9", a material list; an empty
        // message: the file is broken without a keyword to blame.
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<QString>("message");
        const QByteArray climate = "CLIMATE_DEFINITION\r\n{\r\nTemperatur 12 C\r\nRelHum 70 %\r\n}\r\n";
        const QString d = "[Document::readOld]  ", c = "[InputData::readClimateOld]  ",
                      s = "[InputData::readConstructionOld]  ", l = "[MaterialLayer::readOld]  ",
                      m = "[Material::readOld]  ", p = "Error reading parameter ";
        const auto row = [](const char *name, const QByteArray &from, const QByteArray &to,
                            const QString &message) {
            QTest::newRow(name) << QByteArray(MinimalProject) << from << to << message;
        };
        const auto listRow = [](const char *name, const QByteArray &from, const QByteArray &to,
                                const QString &message) {
            QTest::newRow(name) << QByteArray(MinimalList) << from << to
                                << "[T2_MaterialList read_1_9_" + message;
        };
        row("no FileVersion", "FileVersion 1.4", "Version 1.4", d + "Keyword 'FileVersion' missing!");
        row("document start", "DOCUMENT\r\n{\r\n", "DOCUMENT\r\n", "Block start '{' missing!");
        row("climate list start", "LIST\r\n{\r\n", "LIST\r\n", "Block start '{' missing for climatelist!");
        row("structure start", "STRUCTURE\r\n{\r\n", "STRUCTURE\r\n",
            "Block start '{' missing for wall data!");
        row("remarks start", "RO_Left", "Remarks\r\nText\r\nRO_Left", "Block start '{' missing for remarks!");
        row("unknown keyword", "summertime", "summer_time",
            "Invalid keyword 'summer_time 90 d' in project file!");
        row("RO_Left value", "= 0.04", "= x", p + "'RO_Left'!");
        row("wintertime nan", "wintertime 60", "wintertime 1.#QNAN", p + "'wintertime'!");
        row("climate keyword", "Name Innen", "Ort Innen", c + "Invalid keyword 'Ort'");
        row("climate list keyword", "CLIMATE_DEFINITION", "CLIMATE", c + "Illegal keyword 'CLIMATE'");
        row("temperature", "Temperatur 20 C", "Temperatur 20 kg", c + p + "'Temperatur'!");
        row("three climates", climate + "}", "}", c + "Four climate conditions are required!");
        row("layer start", "LAYER_DEFINITION\r\n{\r\n", "LAYER_DEFINITION\r\n",
            s + "Block start '{' missing!");
        row("structure keyword", "LAYER_DEFINITION", "LAYER", s + "Invalid keyword 'LAYER'");
        row("layer keyword", "Colour 255", "Farbe 255", l + "Invalid keyword!");
        row("material start", "MATERIAL_DEFINITION\r\n{\r\n", "MATERIAL_DEFINITION\r\n",
            l + "Block start '{' of material definition missing!");
        row("width", "Width 0.2 m", "Width 0.2 kg", l + p + "'Width'!");
        row("material name", "Name Brick\r\n", "", m + "Error reading material name!");
        row("material keyword", "Name Brick", "Nme Brick", m + "Invalid keyword 'Nme'");
        row("decimal comma", "Lambda 0.8", "Lambda 0,8", m + p + "'Lambda'!");
        row("W_h80 infinite", "W_h80 0.01", "W_h80 inf", m + p + "'W_h80'!");
        row("W_hyg", "W_h80 0.01 m3/m3", "W_hyg 0.01 kg", m + p + "'W_hyg'!");
        row("Flags", "Flags:", "Flags: ja", m + p + "'Flags'!");
        row("missing data", "Mew 10 -\r\nW_h80 0.01 m3/m3\r\n", "",
            m + "Material 'Brick': missing data (Mew, W_h80)!");
        row("end inside material", "s05\r\n}\r\n}\r\n}\r\n}\r\n", "s05\r\n",
            m + "Error reading material data!\n");
        row("end inside document", "}\r\n}\r\n}\r\n}\r\n", "}\r\n}\r\n}\r\n", "");
        // Remarks lengths come from the file: never trusted beyond its end.
        row("remarks negative length", "RO_Left", remarks(-1, "abc") + "RO_Left", "");
        row("remarks length past end", "RO_Left", remarks(0x7FFFFFFF, "abc") + "RO_Left", "");
        listRow("list: no FileVersion", "FileVersion", "Version", "list]  Keyword 'FileVersion' missing!");
        listRow("list: no list", "MATERIAL_LIST", "MATERIALS", "list]  Keyword 'MATERIAL_LIST' missing!");
        listRow("list: start", "LIST\r\n{\r\n", "LIST\r\n", "list]  Missing block start!");
        listRow("list: keyword", "MATERIAL_DEFINITION", "MATERIAL", "list]  Invalid keyword!");
        listRow("list: material start", "N\r\n{", "N",
                "list]  Block start '{' of material definition missing!");
        listRow("list: end", "}\r\n}\r\n", "}\r\n", "list]  Unexpected end of file!");
        listRow("list: name", "Name Putz\r\n", "", "material]  Error reading material name!");
        listRow("list: missing data", "W_sat 0.25 m3/m3\r\n", "", "material]  Missing data!");
        listRow("list: material keyword", "Mew 20", "Mu 20", "material]  Invalid keyword 'Mu'!");
        listRow("list: parameter", "1 W/mK", "1 W/m2K", "material]  Error reading parameter 'Lambda'!");
        listRow("list: material end", "}\r\n}\r\n", "", "material]  Error reading material data!\n");
    }

    void errors() {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(QString, message);
        const QString path = write(replaced(file, from, to));
        QString error;
        if (file.startsWith("FileVersion 1.9")) {
            // Nothing is returned and no ids are used up.
            const int firstId = MaterialIdCounter::peekUserMaterialId();
            QList<Material> materials{Material()};
            QVERIFY(!LegacyMaterialList::import1_9(path, materials, error));
            QCOMPARE(error, message);
            QVERIFY(materials.isEmpty() && MaterialIdCounter::peekUserMaterialId() == firstId);
            return;
        }
        Document doc;
        doc.projectInformation().ProjectName = "Before";
        QVERIFY(!doc.readOld(path, error));
        QCOMPARE(error, message.isEmpty()
                            ? "Error reading project file.\n" + path
                            : "[Document::readOld]  Error reading project file '" + path + "'\n" + message);
        // Nothing of a failed read is kept.
        QVERIFY(doc.projectInformation().ProjectName == "Before" && doc.inputData().layers().isEmpty());
    }

    void truncatedFiles() {
        // Cut after every line of the wall, and at every byte before the last "}" of the file with
        // remarks (also inside the binary length and the text) and of the material list: each read
        // fails with a message and keeps nothing.
        const QByteArray wall = readBytes(DataDir + "wall.tpj"),
                         withRemarks = readBytes(DataDir + "basement-ceiling-remarks.tpj"),
                         list = readBytes(ListFile);
        QVector<QByteArray> projects;
        for (int at = wall.indexOf('\n'); at >= 0 && at + 1 < wall.size(); at = wall.indexOf('\n', at + 1))
            projects << wall.left(at + 1);
        for (int n = 0; n < withRemarks.lastIndexOf('}'); ++n)
            projects << withRemarks.left(n);
        QString error;
        for (const QByteArray &part : projects) {
            Document doc;
            QVERIFY2(!doc.readOld(write(part), error) && !error.isEmpty() &&
                         doc.inputData().layers().isEmpty(),
                     qPrintable(QString("%1 bytes").arg(part.size())));
        }
        QList<Material> materials;
        for (int n = 0; n < list.lastIndexOf('}'); ++n)
            QVERIFY2(!LegacyMaterialList::import1_9(write(list.left(n)), materials, error) &&
                         !error.isEmpty() && materials.isEmpty(),
                     qPrintable(QString("list of %1 bytes").arg(n)));
    }

    void examplesCalculate() {
        const QDir examples(TAVO_EXAMPLES_DIR "/legacy");
        QCOMPARE(examples.entryList({"*.tpj"}).size(), 4);
        for (const QString &f : examples.entryList({"*.tpj"})) {
            // The examples are the test fixtures.
            QCOMPARE(readBytes(examples.filePath(f)), readBytes(DataDir + f));
            Project &project = Project::instance();
            QString error;
            QVERIFY2(project.read(examples.filePath(f), error), qPrintable(f + ": " + error));
            project.setModified(Project::ModificationType::InputData);
            const CalculationResults &r = project.document()->results();
            const QString state = f + ": " + QString::number(r.calcState) + ", " + r.messages.join(' ');
            // First-generation materials often carry no water uptake coefficient: with such layers on
            // both sides of the condensation region the zone calculation of the roof cannot be solved,
            // and the user is told which layers cause it.
            QVERIFY2(f == "roof-air-layer.tpj"
                         ? r.calcState == CalculationResults::CS_AlgorithmFailure &&
                               r.messages.value(0) == "No Solution found!" &&
                               r.messages.value(1).contains("<a href=\"layer-6\">")
                         : r.messages.isEmpty() &&
                               r.calcState >= CalculationResults::CS_CondensationInnerSurface,
                     qPrintable(state));
            QVERIFY2(int(r.T_Glaser.size()) == project.document()->inputData().layers().size() + 1 &&
                         r.R_total_dry > 0.5 &&
                         std::all_of(r.T_Glaser.begin(), r.T_Glaser.end(),
                                     [](double T) { return T > -10.001 && T < 20.001; }),
                     qPrintable(state));
        }
    }

    void materialList() {
        const int firstId = MaterialIdCounter::peekUserMaterialId();
        QList<Material> m;
        QString error;
        QVERIFY2(LegacyMaterialList::import1_9(ListFile, m, error), qPrintable(error));
        QCOMPARE(m.size(), 4);
        for (int i = 0; i < m.size(); ++i)
            QVERIFY2(m[i].materialId == firstId + i && m[i].isValid(), qPrintable(m[i].name));
        QVERIFY(m[0].producer == "Mörtelwerk Süd" && m[0].notes == "Außen und innen" && m[2].isWoodBased());
        QCOMPARE(m[3].category.value(), 10);
        // Not version 1.3: W_hyg as it stands; A_w per square root of an hour.
        QCOMPARE(numbers({m[0].m_Aw, m[1].w_80, m[1].m_Aw}), numbers({0.05, 0.019, 0.2 / 60}));
        // Version 1.3 stored W_hyg at 95 %; W_h80 is always at 80 %.
        const QByteArray bytes = replaced(readBytes(ListFile), "1.9.0", "1.3.1");
        QVERIFY2(LegacyMaterialList::import1_9(write(bytes), m, error), qPrintable(error));
        QCOMPARE(numbers({m[0].w_80, m[1].w_80}), numbers({0.01, 0.019 * 0.8 / 0.95}));
        // Category names: German (compared as Latin-1), then English; anything else is unknown.
        for (const auto &c : QList<QPair<QString, int>>{
                 {"Timber", 7}, {"Coating", 0}, {"holz", -1}, {"Waermedaemmstoffe", -1}, {"", -1}})
            QVERIFY2(LegacyMaterialReader::categoryFromGermanName(c.first) == c.second, qPrintable(c.first));
    }
};

QTEST_GUILESS_MAIN(tst_LegacyReader)
#include "tst_LegacyReader.moc"
