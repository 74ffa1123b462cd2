#include <QtTest>

#include <QDataStream>
#include <QTemporaryDir>

#include "Blowfish.h"
#include "IoTestHelpers.h"
#include "MaterialCsv.h"
#include "MaterialFile.h"

namespace {

const QString Tavo2 = QStringLiteral("TAVO2");

QByteArray file(const QVector<MaterialFile::Record> &records, int version = 6,
                const QStringList &languages = {"en"}, const QString &payloadId = Tavo2) {
    return MaterialFile::encodeFile(
        version, languages, Tavo2,
        MaterialFile::encodePayload(payloadId, languages.size(), records, version));
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
    void truncatedOrDamagedFilesLoseNothing();
    void languagesProductCodesAndAir();
    void versionsAndDates();
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
}

void tst_MaterialFile::rejectedFiles_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("message");
    const auto row = [](const char *name, const QByteArray &bytes, const QString &message,
                        int type = ZMT::MSG_WARNING) { QTest::newRow(name) << bytes << type << message; };
    const QVector<MaterialFile::Record> one{fileRecord(1, {"A"})};
    const QByteArray plain = MaterialFile::encodePayload(Tavo2, 1, one);
    const QString ecr = "Material data not valid (ECR 1)";
    row("version code 36", MaterialFile::encodeFile(4, {"en"}, Tavo2, plain),
        "Material file version too old.");
    row("version code 39", MaterialFile::encodeFile(7, {"en"}, Tavo2, plain),
        "Material file version not valid.");
    row("version code 31", MaterialFile::encodeFile(-1, {"en"}, Tavo2, plain),
        "Material file version not valid.");
    row("wrong identifier", MaterialFile::encodeFile(6, {"en"}, "TAVO1", plain),
        "Material file not valid for this software. Material file version is: 'TAVO1'. Program version is: "
        "'TAVO2'.");
    row("payload length 0", fileWithPayload(0, QByteArray()), ecr);
    row("payload length 12", fileWithPayload(12, QByteArray(12, 'x')), ecr);
    row("payload length beyond the file", fileWithPayload(0x7FFFFFF8, QByteArray(16, 'x')), ecr);
    row("payload identifier differs", file(one, 6, {"en"}, "TAVO3"),
        "Key mismatch in material file  Version is: 'TAVO2'.  Version necessary: 'TAVO3'.", ZMT::MSG_ERROR);
    QByteArray manyLanguages;
    QDataStream(&manyLanguages, QIODevice::WriteOnly) << qint32(38) << qint32(0x7FFFFFFF) << QString("en");
    row("language count beyond the file", manyLanguages, "Material file language list not valid.");
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

void tst_MaterialFile::truncatedOrDamagedFilesLoseNothing() {
    const QByteArray bytes = file({fileRecord(11, {"Board"}), fileRecord(12, {"Wool"})});
    for (int cut : {0, 3, 7, 14, 30, 40, 41, 48, bytes.size() / 2, bytes.size() - 8, bytes.size() - 1}) {
        CapturingHandler log;
        QList<Material> list{Material()};
        QVERIFY2(!MaterialFile::read(write(bytes.left(cut)), "en", list), qPrintable(QString::number(cut)));
        QVERIFY2(list.size() == 1, qPrintable(QString("cut %1: %2 materials").arg(cut).arg(list.size())));
        QVERIFY2(log.has(ZMT::MSG_WARNING, "") || log.has(ZMT::MSG_ERROR, ""),
                 qPrintable(QString::number(cut)));
    }
    // A damaged record inside a whole file: the records before it are kept.
    QByteArray plain = MaterialFile::encodePayload(Tavo2, 1, {fileRecord(1, {"A"}), fileRecord(2, {"B"})});
    plain.chop(30);
    CapturingHandler log;
    QList<Material> list;
    QVERIFY(!MaterialFile::read(write(MaterialFile::encodeFile(6, {"en"}, Tavo2, plain)), "en", list));
    QCOMPARE(list.size(), 1);
    QCOMPARE(list[0].name, QString("A"));
    QVERIFY2(log.has(ZMT::MSG_WARNING, "Material record 2 is damaged"), qPrintable(log.all()));
}

void tst_MaterialFile::languagesProductCodesAndAir() {
    const QString path =
        write(file({fileRecord(1, {"Platte", "Board"}), fileRecord(2, {"", "Wool"}), fileRecord(3, {"", ""}),
                    fileRecord(4, {"codes 2 3", ""}, {2, 3}), fileRecord(5, {"air", ""}, {1}, true),
                    fileRecord(6, {"none", ""}, {}), fileRecord(7, {"codes 1 5", ""}, {1, 5})},
                   6, {"de", "en"}));
    QList<Material> list;
    QVERIFY(MaterialFile::read(path, "fr", list));
    // Product codes other than 1 and air records are skipped.
    QCOMPARE(list.size(), 4);
    QCOMPARE(list[0].name, QString("Platte"));
    QCOMPARE(list[0].notes, QString("notes of Platte"));
    // An empty German name falls back to the English one; the other texts do not.
    QCOMPARE(list[1].name, QString("Wool"));
    QCOMPARE(list[1].notes, QString());
    QCOMPARE(list[2].name, QString("Unknown"));
    QCOMPARE(list[3].materialId, 7);
    QCOMPARE(list[3].productCodes, QVector<int>({1, 5}));
    list.clear();
    QVERIFY(MaterialFile::read(path, "en", list));
    QCOMPARE(list[0].name, QString("Board"));
    QCOMPARE(list[0].dataSource, QString("source Board"));
}

void tst_MaterialFile::versionsAndDates() {
    CapturingHandler log;
    QList<Material> list;
    QVERIFY(MaterialFile::read(write(file({fileRecord(11, {"A"}), fileRecord(12, {"B"})}, 5)), "en", list));
    QCOMPARE(list.size(), 2);
    QCOMPARE(list[1].rho, 42.0);
    QVERIFY2(log.has(ZMT::MSG_PROGRESS, " with version: 5"), qPrintable(log.all()));
    QVERIFY2(log.has(ZMT::MSG_PROGRESS, " finished. 2 materials read."), qPrintable(log.all()));

    MaterialFile::Record r = fileRecord(7, {"dated"});
    r.material.measuringDate = QDate(2019, 3, 1);
    r.material.productionDate = QDate(2018, 12, 24);
    list.clear();
    QVERIFY(MaterialFile::read(write(file({r})), "en", list));
    QCOMPARE(list[0].measuringDate, QDate(2019, 3, 1));
    QCOMPARE(list[0].productionDate, QDate(2018, 12, 24));
    QVERIFY(list[0].samplingDate.isNull());
}

void tst_MaterialFile::csvRoundTrip_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("textIndex");
    QTest::newRow("en") << "en" << 0;
    QTest::newRow("de") << "de" << 1;
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
    QList<Material> list;
    QVERIFY(MaterialFile::read(
        QCoreApplication::applicationDirPath() + "/resources/DB_materials/materials.t2m", language, list));
    QCOMPARE(list.size(), csv.size());
    for (int i = 0; i < csv.size(); ++i) {
        const Material &e = csv[i].material;
        const MaterialFile::Texts &t = csv[i].texts[textIndex];
        const Material &m = list[i];
        const QString id = QString::number(e.materialId);
        QVERIFY2(m.materialId == e.materialId, qPrintable(id));
        QVERIFY2(m.name == t.name && m.notes == t.notes && m.dataSource == t.dataSource, qPrintable(id));
        QVERIFY2(m.category == e.category && m.productCodes == QVector<int>{1}, qPrintable(id));
        const double values[][2] = {{m.rho, e.rho},       {m.lambda, e.lambda}, {m.mu, e.mu},
                                    {m.mu_min, e.mu_min}, {m.mu_max, e.mu_max}, {m.w_80, e.w_80},
                                    {m.w_sat, e.w_sat},   {m.m_Aw, e.m_Aw},     {m.sd_value, e.sd_value}};
        for (const auto &v : values)
            QVERIFY2(v[0] == v[1],
                     qPrintable(QString("id %1: %2 read, %3 in the table").arg(id).arg(v[0]).arg(v[1])));
        QVERIFY2(m.isAir() == e.isAir() && m.isWood() == e.isWood() && m.isWoodBased() == e.isWoodBased() &&
                     m.isFoil() == e.isFoil(),
                 qPrintable(id));
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
    const auto row = [&](const char *name, const QByteArray &from, const QByteArray &to,
                         const QString &error) {
        QTest::newRow(name) << header + QByteArray(good).replace(from, to) << error;
    };
    QTest::newRow("missing column") << QByteArray("id,name_en\r\n1,x\r\n") << "column 'name_de' missing";
    row("field count", good, "5,x\r\n", "row 2: 2 fields instead of 19");
    row("number", "1800", "18o0", "'rho' is not a number");
    row("flag", ",0,0,0,0,src", ",0,2,0,0,src", "'is_wood' must be 0 or 1");
    row("duplicate id", good, good + good, "row 3: duplicate id 5");
    row("invalid material", "0.01,0.3", "0.3,0.3", "material 5 is not valid");
    row("user id range", "5,\"B", "40000,\"B", "outside 1..32767");
    row("unterminated quote", good, "5,\"x\r\n", "unterminated");
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
