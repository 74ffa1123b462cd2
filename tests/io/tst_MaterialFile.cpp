#include <QtTest>

#include <QDataStream>
#include <QTemporaryDir>

#include "Blowfish.h"
#include "MaterialCsv.h"
#include "MaterialFile.h"
#include "MaterialTestHelpers.h"

namespace {

const QString Tavo2 = QStringLiteral("TAVO2");

QByteArray goodFile(int version = 6, const QStringList &languages = {"en", "de"}) {
    const QVector<MaterialFile::Record> records = {fileRecord(11, {"Board", "Platte"}),
                                                   fileRecord(12, {"Wool", "Wolle"})};
    return MaterialFile::encodeFile(version, languages, Tavo2,
                                    MaterialFile::encodePayload(Tavo2, languages.size(), records, version));
}

// A file whose header ends in the payload length \a length followed by \a payload.
QByteArray fileWithPayload(qint32 length, const QByteArray &payload) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << qint32(38) << qint32(1) << QString("en") << Tavo2 << length;
    out.writeRawData(payload.constData(), payload.size());
    return bytes;
}

} // namespace

class tst_MaterialFile : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void blowfishKnownAnswer();
    void rejectedFiles_data();
    void rejectedFiles();
    void truncatedFileLosesNothing();
    void damagedRecordKeepsEarlierRecords();
    void languageSelection();
    void productCodesAndAir();
    void version5WithoutDates();
    void datesOfVersion6();
    void csvRoundTrip_data();
    void csvRoundTrip();
    void csvErrors_data();
    void csvErrors();

private:
    QString write(const QByteArray &bytes);
    QTemporaryDir m_dir;
    int m_files = 0;
};

void tst_MaterialFile::initTestCase() {
    QLocale::setDefault(QLocale::c());
    ZMT::messageHandler()->setConsoleVerbosityLevel(0);
    QVERIFY(m_dir.isValid());
}

QString tst_MaterialFile::write(const QByteArray &bytes) {
    const QString path = m_dir.filePath(QString("f%1.t2m").arg(++m_files));
    if (!writeBytes(path, bytes))
        qFatal("cannot write test file");
    return path;
}

void tst_MaterialFile::blowfishKnownAnswer() {
    // Published Blowfish test vector: the block halves are read big-endian.
    QByteArray block = QByteArray::fromHex("0000000000000000");
    QVERIFY(Blowfish(QByteArray::fromHex("0000000000000000")).encrypt(block));
    QCOMPARE(block.toHex(), QByteArray("4ef997456198dd78"));
    QByteArray odd(12, 'x');
    QVERIFY(!Blowfish(MaterialFile::key()).encrypt(odd));
    QCOMPARE(odd, QByteArray(12, 'x'));
    QCOMPARE(MaterialFile::key().size(), 5);
}

void tst_MaterialFile::rejectedFiles_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("message");
    const QStringList en{"en"};
    const QByteArray plain = MaterialFile::encodePayload(Tavo2, 1, {fileRecord(1, {"A"})});
    const QString notValid = "Material file version not valid.";
    QTest::newRow("version code 36") << MaterialFile::encodeFile(4, en, Tavo2, plain) << int(ZMT::MSG_WARNING)
                                     << "Material file version too old.";
    QTest::newRow("version code 39") << MaterialFile::encodeFile(7, en, Tavo2, plain) << int(ZMT::MSG_WARNING)
                                     << notValid;
    QTest::newRow("version code 31") << MaterialFile::encodeFile(-1, en, Tavo2, plain)
                                     << int(ZMT::MSG_WARNING) << notValid;
    QTest::newRow("wrong identifier")
        << MaterialFile::encodeFile(6, en, "TAVO1", plain) << int(ZMT::MSG_WARNING)
        << "Material file not valid for this software. Material file version is: 'TAVO1'. Program version "
           "is: "
           "'TAVO2'.";
    QTest::newRow("payload length 0")
        << fileWithPayload(0, QByteArray()) << int(ZMT::MSG_WARNING) << "Material data not valid (ECR 1)";
    QTest::newRow("payload length 12") << fileWithPayload(12, QByteArray(12, 'x')) << int(ZMT::MSG_WARNING)
                                       << "Material data not valid (ECR 1)";
    QTest::newRow("payload length beyond the file")
        << fileWithPayload(0x7FFFFFF8, QByteArray(16, 'x')) << int(ZMT::MSG_WARNING)
        << "Material data not valid (ECR 1)";
    QTest::newRow("payload identifier differs")
        << MaterialFile::encodeFile(6, en, Tavo2,
                                    MaterialFile::encodePayload("TAVO3", 1, {fileRecord(1, {"A"})}))
        << int(ZMT::MSG_ERROR)
        << "Key mismatch in material file  Version is: 'TAVO2'.  Version necessary: 'TAVO3'.";

    QByteArray manyLanguages;
    QDataStream out(&manyLanguages, QIODevice::WriteOnly);
    out << qint32(38) << qint32(0x7FFFFFFF) << QString("en");
    QTest::newRow("language count beyond the file")
        << manyLanguages << int(ZMT::MSG_WARNING) << "Material file language list not valid.";
}

void tst_MaterialFile::rejectedFiles() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, type);
    QFETCH(QString, message);
    CapturingHandler log;
    QList<Material> list{Material()};
    QVERIFY(!MaterialFile::read(write(bytes), "en", list));
    QCOMPARE(list.size(), 1);
    QVERIFY2(log.has(type, message), qPrintable(log.all()));
}

void tst_MaterialFile::truncatedFileLosesNothing() {
    const QByteArray bytes = goodFile();
    const QVector<int> cuts = {
        0, 3, 4, 7, 8, 14, 20, 30, 36, 40, 41, 48, bytes.size() / 2, bytes.size() - 8, bytes.size() - 1};
    for (int cut : cuts) {
        CapturingHandler log;
        QList<Material> list{Material()};
        QVERIFY2(!MaterialFile::read(write(bytes.left(cut)), "en", list), qPrintable(QString::number(cut)));
        QVERIFY2(list.size() == 1, qPrintable(QString("cut %1: %2 materials").arg(cut).arg(list.size())));
        QVERIFY2(log.count(ZMT::MSG_WARNING) + log.count(ZMT::MSG_ERROR) > 0, qPrintable(log.all()));
    }
    QList<Material> list;
    QVERIFY(MaterialFile::read(write(bytes), "en", list));
    QCOMPARE(list.size(), 2);
}

void tst_MaterialFile::damagedRecordKeepsEarlierRecords() {
    QByteArray plain = MaterialFile::encodePayload(Tavo2, 1, {fileRecord(1, {"A"}), fileRecord(2, {"B"})});
    plain.chop(30);
    CapturingHandler log;
    QList<Material> list;
    QVERIFY(!MaterialFile::read(write(MaterialFile::encodeFile(6, {"en"}, Tavo2, plain)), "en", list));
    QCOMPARE(list.size(), 1);
    QCOMPARE(list[0].name, QString("A"));
    QVERIFY2(log.has(ZMT::MSG_WARNING, "Material record 2 is damaged"), qPrintable(log.all()));
}

void tst_MaterialFile::languageSelection() {
    const QStringList languages{"de", "en"};
    const QVector<MaterialFile::Record> records = {fileRecord(1, {"Platte", "Board"}),
                                                   fileRecord(2, {"", "Wool"}), fileRecord(3, {"", ""})};
    const QString path =
        write(MaterialFile::encodeFile(6, languages, Tavo2, MaterialFile::encodePayload(Tavo2, 2, records)));
    QList<Material> list;
    QVERIFY(MaterialFile::read(path, "fr", list));
    QCOMPARE(list.size(), 3);
    QCOMPARE(list[0].name, QString("Platte"));
    QCOMPARE(list[0].notes, QString("notes of Platte"));
    QCOMPARE(list[0].producer, QString("producer Platte"));
    // An empty German name falls back to the English one; the other texts do not.
    QCOMPARE(list[1].name, QString("Wool"));
    QCOMPARE(list[1].notes, QString());
    QCOMPARE(list[1].dataSource, QString("source "));
    QCOMPARE(list[2].name, QString("Unknown"));

    list.clear();
    QVERIFY(MaterialFile::read(path, "en", list));
    QCOMPARE(list[0].name, QString("Board"));
    QCOMPARE(list[0].dataSource, QString("source Board"));
}

void tst_MaterialFile::productCodesAndAir() {
    const QVector<MaterialFile::Record> records = {
        fileRecord(1, {"codes 2 3"}, {2, 3}), fileRecord(2, {"codes 1 5"}, {1, 5}),
        fileRecord(3, {"air"}, {1}, true), fileRecord(4, {"no codes"}, {}), fileRecord(5, {"code 1"}, {1})};
    QList<Material> list;
    QVERIFY(MaterialFile::read(
        write(MaterialFile::encodeFile(6, {"en"}, Tavo2, MaterialFile::encodePayload(Tavo2, 1, records))),
        "en", list));
    QCOMPARE(list.size(), 2);
    QCOMPARE(list[0].materialId, 2);
    QCOMPARE(list[0].productCodes, QVector<int>({1, 5}));
    QCOMPARE(list[1].materialId, 5);
}

void tst_MaterialFile::version5WithoutDates() {
    CapturingHandler log;
    QList<Material> list;
    QVERIFY(MaterialFile::read(write(goodFile(5)), "de", list));
    QCOMPARE(list.size(), 2);
    QCOMPARE(list[1].name, QString("Wolle"));
    QCOMPARE(list[1].rho, 42.0);
    QVERIFY2(log.has(ZMT::MSG_PROGRESS, " with version: 5"), qPrintable(log.all()));
    QVERIFY2(log.has(ZMT::MSG_PROGRESS, " finished. 2 materials read."), qPrintable(log.all()));
}

void tst_MaterialFile::datesOfVersion6() {
    MaterialFile::Record r = fileRecord(7, {"dated"});
    r.material.measuringDate = QDate(2019, 3, 1);
    r.material.productionDate = QDate(2018, 12, 24);
    QList<Material> list;
    QVERIFY(MaterialFile::read(
        write(MaterialFile::encodeFile(6, {"en"}, Tavo2, MaterialFile::encodePayload(Tavo2, 1, {r}))), "en",
        list));
    QCOMPARE(list.size(), 1);
    QCOMPARE(list[0].measuringDate, QDate(2019, 3, 1));
    QCOMPARE(list[0].productionDate, QDate(2018, 12, 24));
    QVERIFY(list[0].samplingDate.isNull());
}

void tst_MaterialFile::csvRoundTrip_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("textIndex");
    QTest::newRow("en") << "en" << 0;
    QTest::newRow("de") << "de" << 1;
    QTest::newRow("pl falls back to the first language") << "pl" << 0;
}

void tst_MaterialFile::csvRoundTrip() {
    QFETCH(QString, language);
    QFETCH(int, textIndex);
    QVector<MaterialFile::Record> csv;
    QString error;
    QVERIFY2(MaterialCsv::read(QString(TAVO_SOURCE_DIR) + "/resources/materials.csv", csv, error),
             qPrintable(error));
    QCOMPARE(csv.size(), 143);

    // The file the build generated beside the executables.
    const QString builtFile =
        QCoreApplication::applicationDirPath() + "/resources/DB_materials/materials.t2m";
    QList<Material> list;
    QVERIFY(MaterialFile::read(builtFile, language, list));
    QCOMPARE(list.size(), csv.size());
    for (int i = 0; i < csv.size(); ++i) {
        const Material &e = csv[i].material;
        const MaterialFile::Texts &t = csv[i].texts[textIndex];
        const Material &m = list[i];
        const QString id = QString::number(e.materialId);
        QVERIFY2(m.materialId == e.materialId, qPrintable(id));
        QVERIFY2(m.name == t.name && m.notes == t.notes && m.dataSource == t.dataSource, qPrintable(id));
        QVERIFY2(m.producer.isEmpty() && m.productName.isEmpty(), qPrintable(id));
        QVERIFY2(m.category == e.category, qPrintable(id));
        const double values[][2] = {{m.rho, e.rho},       {m.lambda, e.lambda}, {m.mu, e.mu},
                                    {m.mu_min, e.mu_min}, {m.mu_max, e.mu_max}, {m.w_80, e.w_80},
                                    {m.w_sat, e.w_sat},   {m.m_Aw, e.m_Aw},     {m.sd_value, e.sd_value}};
        for (const auto &v : values)
            QVERIFY2(v[0] == v[1],
                     qPrintable(QString("id %1: %2 read, %3 in the table").arg(id).arg(v[0]).arg(v[1])));
        QVERIFY2(m.isAir() == e.isAir() && m.isWood() == e.isWood() && m.isWoodBased() == e.isWoodBased() &&
                     m.isFoil() == e.isFoil(),
                 qPrintable(id));
        QVERIFY2(m.productCodes == QVector<int>{1}, qPrintable(id));
        QVERIFY2(m.isValid(), qPrintable(id));
    }
}

void tst_MaterialFile::csvErrors_data() {
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("error");
    const QByteArray header =
        "id,name_en,name_de,category,rho,lambda,mu,mu_min,mu_max,w_80,w_sat,Aw,sd_value,"
        "is_air,is_wood,is_wood_based,is_foil,data_source,notes\r\n";
    const QByteArray good =
        "5,\"Brick, \"\"old\"\"\",Ziegel,2,1800,0.8,10,5,10,0.01,0.3,0.01,0,0,0,0,0,src,\"a\nb\"\r\n";
    QTest::newRow("missing column") << QByteArray("id,name_en\r\n1,x\r\n") << "column 'name_de' missing";
    QTest::newRow("field count") << header + "5,x\r\n"
                                 << "row 2: 2 fields instead of 19";
    QTest::newRow("number") << header + QByteArray(good).replace("1800", "18o0") << "'rho' is not a number";
    QTest::newRow("flag") << header + QByteArray(good).replace(",0,0,0,0,src", ",0,2,0,0,src")
                          << "'is_wood' must be 0 or 1";
    QTest::newRow("duplicate id") << header + good + good << "row 3: duplicate id 5";
    QTest::newRow("invalid material")
        << header + QByteArray(good).replace("0.01,0.3", "0.3,0.3") << "material 5 is not valid";
    QTest::newRow("user id range") << header + QByteArray(good).replace("5,\"B", "40000,\"B")
                                   << "outside 1..32767";
    QTest::newRow("unterminated quote") << header + "5,\"x\r\n"
                                        << "unterminated";
    QTest::newRow("good") << header + good << "";
}

void tst_MaterialFile::csvErrors() {
    QFETCH(QByteArray, csv);
    QFETCH(QString, error);
    QVector<MaterialFile::Record> records;
    QString message;
    const bool ok = MaterialCsv::parse(csv, records, message);
    QVERIFY2(ok == error.isEmpty() && message.contains(error), qPrintable(message));
    if (ok) {
        QCOMPARE(records.size(), 1);
        QCOMPARE(records[0].texts[0].name, QString("Brick, \"old\""));
        QCOMPARE(records[0].texts[0].notes, QString("a\nb"));
        QCOMPARE(records[0].texts[1].name, QString("Ziegel"));
    }
}

QTEST_MAIN(tst_MaterialFile)
#include "tst_MaterialFile.moc"
