#include <QtTest>

#include <QTemporaryDir>

#include <cmath>
#include <locale>

#include "LegacyMaterialList.h"
#include "LegacyMaterialReader.h"
#include "Material.h"
#include "MaterialIdCounter.h"

namespace {

const QString dataDir = QStringLiteral(TAVO_TEST_DATA_DIR "/legacy/");

QByteArray fileBytes(const QString &path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

bool near(double a, double b) {
    return std::fabs(a - b) <= 1e-9 * std::max(1.0, std::fabs(b));
}

#define CHECK_NEAR(actual, expected)                                                                         \
    QVERIFY2(                                                                                                \
        near((actual), (expected)),                                                                          \
        qPrintable(QStringLiteral(#actual " = %1, expected %2").arg((actual), 0, 'g', 12).arg((expected))))

const char *const minimalList = "FileVersion 1.9\r\n"
                                "MATERIAL_LIST\r\n"
                                "{\r\n"
                                "MATERIAL_DEFINITION\r\n"
                                "{\r\n"
                                "Name Putz\r\n"
                                "rho 1800 kg/m3\r\n"
                                "Lambda 1 W/mK\r\n"
                                "Mew 20 -\r\n"
                                "W_h80 0.01 m3/m3\r\n"
                                "W_sat 0.25 m3/m3\r\n"
                                "}\r\n"
                                "}\r\n";

} // namespace

class tst_LegacyMaterialList : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void importList();
    void hygroscopicMoistureOfVersion13();
    void errors_data();
    void errors();
    void truncated();
    void categories_data();
    void categories();

private:
    QString write(const QByteArray &bytes);
    QTemporaryDir m_dir;
};

void tst_LegacyMaterialList::initTestCase() {
    QLocale::setDefault(QLocale::c());
    std::locale::global(std::locale::classic());
    QVERIFY(m_dir.isValid());
}

QString tst_LegacyMaterialList::write(const QByteArray &bytes) {
    const QString path = m_dir.filePath("list.txt");
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        return QString();
    return path;
}

void tst_LegacyMaterialList::importList() {
    const int firstId = MaterialIdCounter::peekUserMaterialId();
    QList<Material> materials;
    QString error;
    QVERIFY2(LegacyMaterialList::import1_9(dataDir + "material-list-1.9.txt", materials, error),
             qPrintable(error));
    QCOMPARE(materials.size(), 4);
    for (int i = 0; i < materials.size(); ++i) {
        QCOMPARE(materials[i].materialId, firstId + i);
        QVERIFY(materials[i].color.isValid());
        QVERIFY2(materials[i].isValid(), qPrintable(materials[i].name));
    }
    const Material &plaster = materials[0];
    QCOMPARE(plaster.name, QStringLiteral("Kalkzementputz"));
    QCOMPARE(plaster.category.value(), 1);
    QCOMPARE(plaster.productName, QStringLiteral("KZP 1"));
    QCOMPARE(plaster.producer, QStringLiteral("Mörtelwerk Süd"));
    QCOMPARE(plaster.dataSource, QStringLiteral("DIN 4108-4"));
    QCOMPARE(plaster.notes, QStringLiteral("Außen und innen"));
    CHECK_NEAR(plaster.m_Aw, 0.05);
    CHECK_NEAR(plaster.mu_max, 20.0);
    QCOMPARE(materials[1].category.value(), 2);
    CHECK_NEAR(materials[1].w_80, 0.019); // not version 1.3: W_hyg as it stands
    CHECK_NEAR(materials[1].m_Aw, 0.2 / 60);
    QCOMPARE(materials[2].category.value(), 5);
    QVERIFY(materials[2].isWoodBased());
    CHECK_NEAR(materials[2].m_Aw, 0.0); // optional
    QCOMPARE(materials[3].category.value(), 10);
    QVERIFY(!materials[3].isAir() && !materials[3].isWood() && !materials[3].isWoodBased());
    QCOMPARE(MaterialIdCounter::peekUserMaterialId(), firstId + 4);
}

void tst_LegacyMaterialList::hygroscopicMoistureOfVersion13() {
    QByteArray bytes = fileBytes(dataDir + "material-list-1.9.txt");
    bytes.replace("FileVersion 1.9.0", "FileVersion 1.3.1");
    QList<Material> materials;
    QString error;
    QVERIFY2(LegacyMaterialList::import1_9(write(bytes), materials, error), qPrintable(error));
    CHECK_NEAR(materials[1].w_80, 0.019 * 0.8 / 0.95);
    CHECK_NEAR(materials[0].w_80, 0.01); // W_h80 is always at 80 %
}

void tst_LegacyMaterialList::errors_data() {
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::addColumn<QString>("message");
    const QString list = "[T2_MaterialList read_1_9_list]  ";
    const QString material = "[T2_MaterialList read_1_9_material]  ";
    auto row = [](const char *name, const QByteArray &from, const QByteArray &to, const QString &message) {
        QTest::newRow(name) << from << to << message;
    };
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

void tst_LegacyMaterialList::errors() {
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(QString, message);
    QByteArray bytes(minimalList);
    QVERIFY(bytes.contains(from));
    bytes.replace(bytes.indexOf(from), from.size(), to);
    const int firstId = MaterialIdCounter::peekUserMaterialId();
    QList<Material> materials{Material()};
    QString error;
    QVERIFY(!LegacyMaterialList::import1_9(write(bytes), materials, error));
    QCOMPARE(error, message);
    QVERIFY(materials.isEmpty());
    // A failed import uses up no ids.
    QCOMPARE(MaterialIdCounter::peekUserMaterialId(), firstId);

    QVERIFY2(LegacyMaterialList::import1_9(write(minimalList), materials, error), qPrintable(error));
    QCOMPARE(materials.size(), 1);
}

void tst_LegacyMaterialList::truncated() {
    const QByteArray bytes = fileBytes(dataDir + "material-list-1.9.txt");
    const int lastBrace = bytes.lastIndexOf('}');
    for (int n = 0; n < lastBrace; ++n) {
        QList<Material> materials;
        QString error;
        QVERIFY2(!LegacyMaterialList::import1_9(write(bytes.left(n)), materials, error),
                 qPrintable(QStringLiteral("read with %1 bytes").arg(n)));
        QVERIFY(!error.isEmpty());
    }
    QList<Material> materials;
    QString error;
    QVERIFY(!LegacyMaterialList::import1_9(m_dir.filePath("missing.txt"), materials, error));
    QVERIFY(!error.isEmpty());
}

void tst_LegacyMaterialList::categories_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("category");
    QTest::newRow("natural stones") << "Natursteine" << 3;
    QTest::newRow("masonry") << "Mauerwerk" << 2;
    QTest::newRow("umlaut") << "Putze/Mörtel/Estriche" << 1;
    QTest::newRow("long") << "Fassadenbekleidungen, Bodenbeläge und Eindeckungen" << 10;
    QTest::newRow("soil") << "Erden und Böden" << 9;
    QTest::newRow("timber") << "Holz" << 7;
    QTest::newRow("english") << "Timber" << 7;
    QTest::newRow("english coating") << "Coating" << 0;
    QTest::newRow("case differs") << "holz" << -1;
    QTest::newRow("umlaut replaced") << "Waermedaemmstoffe" << -1;
    QTest::newRow("empty") << "" << -1;
}

void tst_LegacyMaterialList::categories() {
    QFETCH(QString, text);
    QFETCH(int, category);
    QCOMPARE(LegacyMaterialReader::categoryFromGermanName(text), category);
}

QTEST_GUILESS_MAIN(tst_LegacyMaterialList)
#include "tst_LegacyMaterialList.moc"
