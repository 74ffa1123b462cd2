// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QDataStream>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "Blowfish.h"
#include "IoTestHelpers.h"
#include "MaterialCsv.h"
#include "MaterialList.h"
#include "MaterialListExport.h"
#include "MaterialRecord.h"

namespace {

const QString Tavo2 = QStringLiteral("TAVO2");
const QString BuiltInDir = QStringLiteral("/resources/DB_materials"); // beside the executables

QByteArray t2m(const QVector<MaterialFile::Record> &records, int version = 6,
               const QStringList &languages = {"en"}, const QString &payloadId = Tavo2) {
    return MaterialFile::encodeFile(
        version, languages, Tavo2,
        MaterialFile::encodePayload(payloadId, languages.size(), records, version));
}

// A built-in file whose header ends in the payload length \a length followed by \a payload.
QByteArray t2mWithPayload(qint32 length, const QByteArray &payload) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << qint32(38) << qint32(1) << QString("en") << Tavo2 << length;
    out.writeRawData(payload.constData(), payload.size());
    return bytes;
}

Material userMaterial(const QString &name, double rho) {
    Material m(name, MaterialCategory(MaterialCategory::BuildingBoards), "notes", "product", "producer",
               "source", rho, 0.13, 50, 0.02, 0.4, 0.001, 0);
    m.mu_min = 30;
    m.sd_value = 0.1;
    m.setFlags(false, false, true, true);
    return m;
}

const QList<Material> Three = {userMaterial("a", 1), userMaterial("b", 2), userMaterial("c", 3)};

// A user file: \a header (the negative record version, or a record count), the count for
// negative headers, and the materials as records of \a version.
QByteArray userFile(qint32 header, qint32 count, int version, const QList<Material> &materials) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << header;
    if (header < 0)
        out << count;
    for (const Material &m : materials)
        MaterialRecord::write(out, m, version);
    return bytes;
}

} // namespace

class tst_MaterialList : public QObject {
    Q_OBJECT

private:
    QString userDir() const { return m_dir.filePath(QString("user%1").arg(m_case)); }
    QString write(const QByteArray &bytes, const QString &name = "f.t2m") {
        const QString path = userDir() + "/" + name;
        return QDir().mkpath(QFileInfo(path).path()) && writeBytes(path, bytes) ? path : QString();
    }
    MaterialList *newList(const QString &builtInDir = "none") {
        m_list.reset();
        m_list.reset(new MaterialList("en", m_dir.filePath(builtInDir), userDir()));
        m_list->read();
        return m_list.get();
    }
    QTemporaryDir m_dir;
    int m_case = 0;
    std::unique_ptr<MaterialList> m_list;

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale::c());
        ZMT::messageHandler()->setConsoleVerbosityLevel(0);
        QVERIFY(m_dir.isValid());
    }

    void init() {
        m_list.reset();
        ++m_case;
    }

    void blowfishKnownAnswer() {
        // Published Blowfish test vector: the block halves are read big-endian.
        QByteArray block = QByteArray::fromHex("0000000000000000");
        QVERIFY(Blowfish(QByteArray::fromHex("0000000000000000")).encrypt(block));
        QCOMPARE(block.toHex(), QByteArray("4ef997456198dd78"));
        QByteArray odd(12, 'x');
        QVERIFY(!Blowfish(MaterialFile::key()).encrypt(odd) && odd == QByteArray(12, 'x'));
    }

    void rejectedBuiltInFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("message"); // empty: any warning or error
        QTest::addColumn<int>("kept");
        const auto row = [](const QString &name, const QByteArray &bytes, const QString &message,
                            int type = ZMT::MSG_WARNING, int kept = 0) {
            QTest::newRow(qPrintable(name)) << bytes << type << message << kept;
        };
        const QVector<MaterialFile::Record> two = {fileRecord(1, {"A"}), fileRecord(2, {"B"})};
        const QByteArray plain = MaterialFile::encodePayload(Tavo2, 1, two);
        const QString ecr = "Material data not valid (ECR 1)";
        const auto file = [&](int version, const QString &identifier) {
            return MaterialFile::encodeFile(version, {"en"}, identifier, plain);
        };
        row("version code 36", file(4, Tavo2), "Material file version too old.");
        row("version code 39", file(7, Tavo2), "Material file version not valid.");
        row("version code 31", file(-1, Tavo2), "Material file version not valid.");
        row("wrong identifier", file(6, "TAVO1"),
            "Material file not valid for this software. Material file version is: 'TAVO1'. "
            "Program version is: 'TAVO2'.");
        row("payload length 0", t2mWithPayload(0, QByteArray()), ecr);
        row("payload length 12", t2mWithPayload(12, QByteArray(12, 'x')), ecr);
        row("payload length beyond the file", t2mWithPayload(0x7FFFFFF8, QByteArray(16, 'x')), ecr);
        row("payload identifier differs", t2m(two, 6, {"en"}, "TAVO3"),
            "Key mismatch in material file  Version is: 'TAVO2'.  Version necessary: 'TAVO3'.",
            ZMT::MSG_ERROR);
        QByteArray languages;
        QDataStream(&languages, QIODevice::WriteOnly) << qint32(38) << qint32(0x7FFFFFFF) << QString("en");
        row("language count beyond the file", languages, "Material file language list not valid.");
        // A damaged record: the records before it are kept.
        row("damaged record", MaterialFile::encodeFile(6, {"en"}, Tavo2, plain.chopped(30)),
            "Material record 2 is damaged", ZMT::MSG_WARNING, 1);
        const QByteArray whole = t2m(two);
        for (int cut : {0, 3, 7, 14, 30, 40, 41, 48, whole.size() / 2, whole.size() - 8, whole.size() - 1})
            row(QString("cut at %1").arg(cut), whole.left(cut), QString());
    }

    void rejectedBuiltInFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, type);
        QFETCH(QString, message);
        QFETCH(int, kept);
        CapturingHandler log;
        QList<Material> list{Material()};
        QVERIFY(!MaterialFile::read(write(bytes), "en", list));
        QCOMPARE(list.size(), 1 + kept);
        if (message.isEmpty())
            QVERIFY2(log.has(ZMT::MSG_WARNING, "") || log.has(ZMT::MSG_ERROR, ""), "no message");
        else
            QVERIFY2(log.has(type, message), qPrintable(log.all()));
    }

    void languagesProductCodesAndAir() {
        const QString path = write(
            t2m({fileRecord(1, {"Platte", "Board"}), fileRecord(2, {"", "Wool"}), fileRecord(3, {"", ""}),
                 fileRecord(4, {"codes 2 3", ""}, {2, 3}), fileRecord(5, {"air", ""}, {1}, true),
                 fileRecord(6, {"none", ""}, {}), fileRecord(7, {"codes 1 5", ""}, {1, 5})},
                6, {"de", "en"}));
        QList<Material> list;
        QVERIFY(MaterialFile::read(path, "fr", list));
        // Product codes without 1 and air records are skipped.
        QCOMPARE(list.size(), 4);
        QCOMPARE(list[0].notes, QString("notes of Platte"));
        // An empty German name falls back to the English one; the other texts do not.
        QVERIFY(list[1].name == "Wool" && list[1].notes.isEmpty() && list[2].name == "Unknown");
        QCOMPARE(list[3].productCodes, QVector<int>({1, 5}));
        list.clear();
        QVERIFY(MaterialFile::read(path, "en", list));
        QVERIFY(list[0].name == "Board" && list[0].dataSource == "source Board");
    }

    void userFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("materials");
        QTest::addColumn<int>("version"); // of whole files: the fields of the last material are checked
        QTest::newRow("header 3: three version-1 records") << userFile(3, 0, 1, Three) << 3 << 1;
        for (int v = 1; v <= 4; ++v)
            QTest::newRow(qPrintable(QString("version %1").arg(v))) << userFile(-v, 3, v, Three) << 3 << v;
        const QByteArray good = userFile(-4, 2, 4, Three.mid(0, 2));
        QTest::newRow("record version 5") << userFile(-5, 2, 4, Three.mid(0, 2)) << 0 << 0;
        QTest::newRow("empty file") << QByteArray() << 0 << 0;
        for (int cut : {2, 6, 20, good.size() / 2 + 10, good.size() - 1})
            QTest::newRow(qPrintable(QString("cut at %1").arg(cut)))
                << good.left(cut) << int(cut > good.size() / 2) << 0;
        QTest::newRow("count beyond the file") << userFile(-4, 0x7FFFFFFF, 4, Three.mid(0, 2)) << 2 << 0;
        QTest::newRow("negative count") << userFile(-4, -2, 4, Three.mid(0, 2)) << 0 << 0;
        QByteArray hugeString;
        QDataStream(&hugeString, QIODevice::WriteOnly)
            << qint32(-4) << qint32(1) << quint32(0x7FFFFFFE) << QString("x");
        QTest::newRow("string length beyond the file") << hugeString << 0 << 0;
    }

    void userFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, materials);
        QFETCH(int, version);
        bool complete = version == 0;
        const QList<Material> list = MaterialList::readUserFile(write(bytes, "user.tmat"), &complete);
        QCOMPARE(list.size(), materials);
        QCOMPARE(complete, version > 0);
        if (version == 0)
            return;
        QVERIFY(list[2].name == "c" && list[2].rho == 3.0 && list[2].w_sat == 0.4);
        // Fields the version lacks keep the values of a default material.
        QCOMPARE(list[2].mu_min, version >= 2 ? 30.0 : 0.0);
        QCOMPARE(list[2].sd_value, version >= 2 ? 0.1 : 0.0);
        QCOMPARE(list[2].isWoodBased(), version >= 3);
        QCOMPARE(list[2].isFoil(), version >= 4);
    }

    void userFileBackups() {
        // A user file read incompletely is kept as ".corrupt" before it is first overwritten; the
        // backup of an empty list is another name and stays untouched.
        QByteArray damaged = userFile(-4, 3, 4, Three);
        damaged.chop(20);
        const QString path = write(damaged, "UserData.tmat");
        write("older backup", "UserData.tmat.backup");
        CapturingHandler log;
        MaterialList *list = newList();
        QVERIFY(list->userCount() == 2 && !list->userFileReadCompletely());
        QVERIFY(list->readProblem().contains("2 materials read before the damage"));
        QVERIFY(list->writeUserData());
        QCOMPARE(readBytes(path + ".corrupt"), damaged);
        QVERIFY2(log.has(ZMT::MSG_WARNING, "could not be read completely") &&
                     log.has(ZMT::MSG_WARNING, "it is kept as"),
                 qPrintable(log.all()));
        bool complete = false;
        QVERIFY(MaterialList::readUserFile(path, &complete).size() == 2 && complete);
        // Once written, the file is whole: a later write keeps nothing more.
        list->addUserMaterial(userMaterial("d", 4));
        QVERIFY(list->writeUserData() && !QFile::exists(path + ".corrupt2") && list->readProblem().isEmpty());
        QCOMPARE(readBytes(path + ".backup"), QByteArray("older backup"));
        // An empty user list removes the file and keeps its last state as the backup.
        const QByteArray last = readBytes(path);
        while (list->userCount() > 0)
            QVERIFY(list->removeUserMaterial(list->userMaterials().first().materialId));
        QVERIFY(list->writeUserData());
        QVERIFY(!QFile::exists(path) && readBytes(path + ".backup") == last);
        // Without a file an empty list leaves the backup alone.
        QVERIFY(list->writeUserData() && readBytes(path + ".backup") == last);
        // A file of a newer version is never written back, not even by an empty list.
        const QByteArray newer = userFile(-5, 2, 4, Three.mid(0, 2));
        write(newer, "UserData.tmat");
        list = newList();
        QVERIFY(list->userCount() == 0 && list->readProblem().contains("another version"));
        QVERIFY(list->writeUserData() && !QFile::exists(path));
        QVERIFY(readBytes(path + ".corrupt2") == newer && readBytes(path + ".backup") == last);
    }

    void writeFailureIsLogged() {
        write("a file, not a directory", "blocker");
        QDir().mkpath(userDir() + "/taken/UserData.tmat");
        for (const QString dir : {"blocker/sub: Cannot create user material directory",
                                  "taken: Cannot write user material file"}) {
            CapturingHandler log;
            MaterialList list("en", m_dir.filePath("none"), userDir() + "/" + dir.section(": ", 0, 0));
            list.addUserMaterial(userMaterial("x", 1));
            QVERIFY2(!list.writeUserData() && log.has(ZMT::MSG_ERROR, dir.section(": ", 1)),
                     qPrintable(log.all()));
        }
    }

    void builtInFilesAndEditing() {
        // A damaged file among the built-in ones adds nothing, the others are read, and the air
        // material comes last. Built-in materials can be neither replaced nor removed.
        write(t2m({fileRecord(11, {"A1"}), fileRecord(12, {"A2"})}), "db/a.t2m");
        write(t2m({fileRecord(21, {"B"})}).left(30), "db/b.t2m");
        write(t2m({fileRecord(31, {"C"})}), "db/c.t2m");
        MaterialList *list = newList(QString("user%1/db").arg(m_case));
        QVERIFY(list->builtInCount() == 4 && list->materialAt(2)->materialId == 31 &&
                list->materialAt(3)->isAir());
        const int id = list->addUserMaterial(userMaterial("mine", 5));
        Material changed = *list->materialAt(4);
        changed.rho = 99;
        QVERIFY(list->replaceUserMaterial(changed) && list->material(id)->rho == 99.0 &&
                !list->materialAt(5));
        changed.materialId = 12;
        QVERIFY(!list->replaceUserMaterial(changed) && !list->removeUserMaterial(12));
        QVERIFY(list->removeUserMaterial(id) && !list->material(id));
    }

    void builtInMaterialsReadOnlyButCopyable() {
        write(t2m({fileRecord(11, {"A1"}), fileRecord(12, {"A2"})}), "db/a.t2m");
        MaterialList *list = newList(QString("user%1/db").arg(m_case));
        const Material original = *list->materialAt(1);
        QVERIFY(!list->canEditAt(1) && !list->canRemoveAt(1) && list->canCopyAt(0) && list->canCopyAt(1));
        QVERIFY(!list->replaceUserMaterialAt(1, userMaterial("x", 1)) && !list->removeUserMaterialAt(1));
        QVERIFY(!list->canCopyAt(list->count()) && !list->canEditAt(-1));
        // The copy becomes a user material of its own, which can be edited and removed.
        Material copy = list->copyForUser(1);
        QVERIFY(copy.productCodes.isEmpty() && copy == original);
        copy.rho = 77;
        const int id = list->addUserMaterial(copy);
        const int row = list->count() - 1;
        QVERIFY(list->isUserMaterial(id) && list->canEditAt(row) && list->canRemoveAt(row));
        copy.name = "edited";
        QVERIFY(list->replaceUserMaterialAt(row, copy));
        QVERIFY(list->materialAt(row)->name == "edited" && list->materialAt(row)->materialId == id);
        QVERIFY(*list->materialAt(1) == original && list->materialAt(1)->materialId == 12);
        QVERIFY(list->removeUserMaterialAt(row) && list->userCount() == 0);
    }

    void importChoosesTheReaderByExtension_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("added");
        QTest::addColumn<QString>("message");
        const QByteArray list = readBytes(TAVO_TEST_DATA_DIR "/legacy/material-list-1.9.txt");
        const QByteArray user = userFile(-4, 3, 4, Three);
        const QString refused = "No valid material file '%1'\n Extension sould be 'txt' or 'tmat'";
        QTest::newRow("txt") << "list.txt" << list << 4 << "4 materials found in file '%1'";
        QTest::newRow("TXT in capitals refused") << "list.TXT" << list << 0 << refused;
        QTest::newRow("tmat") << "user.tmat" << user << 3 << "3 materials found in file '%1'";
        QTest::newRow("TMAT refused") << "user.TMAT" << user << 0 << refused;
        QTest::newRow("no extension") << "user" << user << 0 << refused;
        QTest::newRow("damaged tmat")
            << "cut.tmat" << user.left(user.size() - 10) << 2
            << "2 materials found in file '%1'\nThe file could not be read to its end";
        QTest::newRow("empty tmat") << "empty.tmat" << userFile(-4, 0, 4, {}) << 0
                                    << "No materials found in file '%1'";
        QTest::newRow("txt without list")
            << "bad.txt" << QByteArray("FileVersion 1.9\n") << 0 << "Keyword 'MATERIAL_LIST' missing!";
    }

    void importChoosesTheReaderByExtension() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(int, added);
        QFETCH(QString, message);
        const QString path = write(bytes, name);
        MaterialList *list = newList();
        const MaterialList::ImportResult result = list->importUserMaterials(path);
        QCOMPARE(result.added, added);
        QCOMPARE(list->userCount(), added);
        QVERIFY2(result.message.contains(message.contains("%1") ? message.arg(path) : message),
                 qPrintable(result.message));
        QCOMPARE(readBytes(path), bytes);
        QVERIFY(!QFile::exists(list->userFilePath()));
    }

    void builtInColoursStayFromRunToRun() {
        // Two databases read one after the other give every built-in material the same colour,
        // and the colours differ from material to material.
        const QString dir = QCoreApplication::applicationDirPath() + BuiltInDir;
        MaterialList first("en", dir, userDir()), second("de", dir, userDir());
        QVERIFY(first.read() && second.read() && first.builtInCount() == second.builtInCount());
        QSet<QRgb> colours;
        for (int i = 0; i < first.builtInCount(); ++i) {
            QCOMPARE(first.materialAt(i)->color, second.materialAt(i)->color);
            QCOMPARE(first.materialAt(i)->color, Material::colorForId(first.materialAt(i)->materialId));
            colours.insert(first.materialAt(i)->color.rgb());
        }
        QVERIFY(colours.size() > first.builtInCount() * 9 / 10);
    }

    void startUpLoadsBuiltInMaterials() {
        CapturingHandler log;
        QVERIFY(!MaterialList::hasInstance());
        MaterialList &list = MaterialList::instance();
        QVERIFY2(log.has(ZMT::MSG_PROGRESS, " finished. 143 materials read."), qPrintable(log.all()));
        QCOMPARE(list.builtInCount(), 144);
        QVERIFY(list.material(493) && list.material(282) && list.materialAt(143)->isAir());
        const QString userFile = list.userFilePath();
        MaterialList::destroyInstance();
        QVERIFY(!MaterialList::hasInstance() && !QFile::exists(userFile));
    }

    // The source table of the built-in materials: a bad row stops the build with its row number.
    // Id 0 belongs to the materials made in code (air), ids from 32768 on to the user's.
    void csvRows_data() {
        QTest::addColumn<QString>("rows"); // after the header
        QTest::addColumn<QString>("error");
        const QString row = "%1,Brick,Ziegel,2,1800,0.81,10,5,10,0.006,0.24,0.2,0,0,0,0,0,,\n";
        QTest::newRow("valid") << row.arg(1) + row.arg(32767) << "";
        QTest::newRow("id 0") << row.arg(1) + row.arg(0) << "row 3: id 0 outside 1..32767";
        QTest::newRow("user id") << row.arg(32768) << "row 2: id 32768 outside 1..32767";
        QTest::newRow("duplicate id") << row.arg(5) + row.arg(5) << "row 3: duplicate id 5";
        QTest::newRow("field missing") << row.arg(1).remove(",Ziegel") << "row 2: 18 fields instead of 19";
    }
    void csvRows() {
        QFETCH(QString, rows);
        QFETCH(QString, error);
        const QByteArray table = "id,name_en,name_de,category,rho,lambda,mu,mu_min,mu_max,w_80,w_sat,Aw,"
                                 "sd_value,is_air,is_wood,is_wood_based,is_foil,data_source,notes\n" +
                                 rows.toUtf8();
        QVector<MaterialFile::Record> records;
        QString message;
        QCOMPARE(MaterialCsv::parse(table, records, message), error.isEmpty());
        QCOMPARE(message, error);
        if (error.isEmpty())
            QCOMPARE(records.size(), 2);
    }

    void listings() {
        // The table of materials, through the file the build generated and the listing, gives back
        // every value in both languages; then come the air material and the user's.
        QVector<MaterialFile::Record> csv;
        QString error;
        QVERIFY2(MaterialCsv::read(TAVO_SOURCE_DIR "/resources/materials.csv", csv, error),
                 qPrintable(error));
        const QStringList keys =
            QString("materialId name notes dataSource cat rho lambda mu mu_min mu_max w_80 w_sat "
                    "m_Aw sd_value isAir isWood isWoodbased isFoil builtIn")
                .split(' ');
        for (int language = 0; language < 2; ++language) {
            MaterialList list(language ? "de" : "en", QCoreApplication::applicationDirPath() + BuiltInDir,
                              userDir());
            list.read();
            list.addUserMaterial(userMaterial("mine", 7));
            const QJsonArray array = QJsonDocument::fromJson(MaterialListExport::toJson(list)).array();
            QVERIFY(csv.size() == 143 && array.size() == 145 && array[0].toObject().size() == 22);
            for (int i = 0; i < csv.size(); ++i) {
                const Material &e = csv[i].material;
                const MaterialFile::Texts &t = csv[i].texts[language];
                const QVariantList values = {
                    e.materialId, t.name,          t.notes,    t.dataSource, e.category.value(),
                    e.rho,        e.lambda,        e.mu,       e.mu_min,     e.mu_max,
                    e.w_80,       e.w_sat,         e.m_Aw,     e.sd_value,   false,
                    e.isWood(),   e.isWoodBased(), e.isFoil(), true};
                for (int k = 0; k < keys.size(); ++k)
                    QVERIFY2(
                        array[i][keys[k]] == QJsonValue::fromVariant(values[k]),
                        qPrintable(QString("%1 %2 (%3): %4 listed, %5 in the table")
                                       .arg(QString::number(e.materialId), keys[k], list.languageId(),
                                            array[i][keys[k]].toVariant().toString(), values[k].toString())));
            }
            QVERIFY(array[143]["isAir"] == true && array[143]["builtIn"] == true);
            QVERIFY(array[144]["name"] == "mine" && array[144]["builtIn"] == false);
            if (language == 0)
                QVERIFY(MaterialListExport::toText(list).contains(
                    "493  Solid clay brick masonry 1800 kg/m3  (built-in)"));
        }
    }
};

QTEST_MAIN(tst_MaterialList)
#include "tst_MaterialList.moc"
