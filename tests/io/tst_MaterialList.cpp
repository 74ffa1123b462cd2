#include <QtTest>

#include <QDataStream>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "IoTestHelpers.h"
#include "MaterialCsv.h"
#include "MaterialIdCounter.h"
#include "MaterialList.h"
#include "MaterialListExport.h"
#include "MaterialRecord.h"

namespace {

Material userMaterial(const QString &name, double rho) {
    Material m(name, MaterialCategory(MaterialCategory::BuildingBoards), "notes", "product", "producer",
               "source", rho, 0.13, 50, 0.02, 0.4, 0.001, 0);
    m.mu_min = 30;
    m.mu_max = 70;
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
private slots:
    void initTestCase();
    void init();
    void userFileRoundTrip();
    void userFileVersions_data();
    void userFileVersions();
    void damagedUserFiles_data();
    void damagedUserFiles();
    void damagedUserFileIsKeptAsBackup();
    void emptyUserListLeavesBackup();
    void writeFailureIsLogged_data();
    void writeFailureIsLogged();
    void builtInFilesIndexesAndEditing();
    void startUpLoadsBuiltInMaterials();
    void listings();

private:
    QString userDir() const { return m_dir.filePath(QString("user%1").arg(m_case)); }
    MaterialList *newList(const QString &dir = QString()) {
        m_list.reset(); // the old list writes its user file as it goes
        m_list.reset(new MaterialList("en", dir.isEmpty() ? m_dir.filePath("none") : dir, userDir()));
        m_list->read();
        return m_list.get();
    }
    QTemporaryDir m_dir;
    int m_case = 0;
    std::unique_ptr<MaterialList> m_list;
};

void tst_MaterialList::initTestCase() {
    QLocale::setDefault(QLocale::c());
    ZMT::messageHandler()->setConsoleVerbosityLevel(0);
    QVERIFY(m_dir.isValid());
}

void tst_MaterialList::init() {
    m_list.reset();
    ++m_case;
    QDir().mkpath(userDir());
}

void tst_MaterialList::userFileRoundTrip() {
    const int firstId = MaterialIdCounter::peekUserMaterialId();
    Material timber = userMaterial(QString::fromUtf8("Fichte, längs"), 450);
    timber.setFlags(false, true, false, false);
    QCOMPARE(newList()->addUserMaterial(Three[0]), firstId);
    QCOMPARE(m_list->addUserMaterial(timber), firstId + 1);
    MaterialList *list = newList(); // the old list wrote the user file when it went
    QVERIFY(list->userFileReadCompletely());
    QCOMPARE(list->userCount(), 2);
    const Material &a = list->userMaterials()[0];
    const Material &b = list->userMaterials()[1];
    QVERIFY(a == Three[0] && b == timber);
    // Fields the material equality ignores.
    QCOMPARE(a.sd_value, 0.1);
    QVERIFY(a.isFoil() && a.isWoodBased() && !a.isWood() && b.isWood() && !b.isFoil());
    // Every material read from the user file takes a fresh id.
    QCOMPARE(b.materialId, firstId + 3);
}

void tst_MaterialList::userFileVersions_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("version");
    QTest::newRow("header 3: three version-1 records") << userFile(3, 0, 1, Three) << 1;
    for (int v = 1; v <= 4; ++v)
        QTest::newRow(qPrintable(QString("version %1").arg(v))) << userFile(-v, 3, v, Three) << v;
}

void tst_MaterialList::userFileVersions() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, version);
    QVERIFY(writeBytes(userDir() + "/old.tmat", bytes));
    bool complete = false;
    const QList<Material> list = MaterialList::readUserFile(userDir() + "/old.tmat", &complete);
    QVERIFY(complete);
    QCOMPARE(list.size(), 3);
    const Material &m = list[2];
    QVERIFY(m.name == "c" && m.rho == 3.0 && m.w_sat == 0.4);
    // Fields the version lacks keep the values of a default material.
    QCOMPARE(m.mu_min, version >= 2 ? 30.0 : 0.0);
    QCOMPARE(m.sd_value, version >= 2 ? 0.1 : 0.0);
    QCOMPARE(m.isWoodBased(), version >= 3);
    QCOMPARE(m.isFoil(), version >= 4);
}

void tst_MaterialList::damagedUserFiles_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("materials");
    const QList<Material> two = Three.mid(0, 2);
    const QByteArray good = userFile(-4, 2, 4, two);
    QTest::newRow("record version 5") << userFile(-5, 2, 4, two) << 0;
    QTest::newRow("empty file") << QByteArray() << 0;
    for (int cut : {2, 6, 20, good.size() / 2 + 10, good.size() - 1})
        QTest::newRow(qPrintable(QString("cut at %1").arg(cut))) << good.left(cut) << int(cut > good.size() / 2);
    QTest::newRow("count beyond the file") << userFile(-4, 0x7FFFFFFF, 4, two) << 2;
    QTest::newRow("negative count") << userFile(-4, -2, 4, two) << 0;
    QTest::newRow("trailing bytes") << good + QByteArray(5, '\0') << 2;
    QByteArray hugeString;
    QDataStream(&hugeString, QIODevice::WriteOnly)
        << qint32(-4) << qint32(1) << quint32(0x7FFFFFFE) << QString("x");
    QTest::newRow("string length beyond the file") << hugeString << 0;
}

void tst_MaterialList::damagedUserFiles() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, materials);
    QVERIFY(writeBytes(userDir() + "/damaged.tmat", bytes));
    bool complete = true;
    QCOMPARE(MaterialList::readUserFile(userDir() + "/damaged.tmat", &complete).size(), materials);
    QVERIFY(!complete);
}

void tst_MaterialList::damagedUserFileIsKeptAsBackup() {
    const QString path = userDir() + "/UserData.tmat";
    QByteArray bytes = userFile(-4, 3, 4, Three);
    bytes.chop(20);
    QVERIFY(writeBytes(path, bytes) && writeBytes(path + ".backup", "older backup"));
    CapturingHandler log;
    MaterialList *list = newList();
    QCOMPARE(list->userCount(), 2);
    QVERIFY(!list->userFileReadCompletely());
    QVERIFY2(log.has(ZMT::MSG_WARNING, "could not be read completely"), qPrintable(log.all()));
    QVERIFY(list->writeUserData());
    QCOMPARE(readBytes(path + ".backup"), bytes);
    QVERIFY2(log.has(ZMT::MSG_WARNING, "a copy is kept as"), qPrintable(log.all()));
    bool complete = false;
    QCOMPARE(MaterialList::readUserFile(path, &complete).size(), 2);
    QVERIFY(complete);
    // Once written, the file is whole: a later write leaves the backup alone.
    list->addUserMaterial(userMaterial("d", 4));
    QVERIFY(list->writeUserData());
    QCOMPARE(readBytes(path + ".backup"), bytes);
}

void tst_MaterialList::emptyUserListLeavesBackup() {
    const QString path = userDir() + "/UserData.tmat";
    const QByteArray bytes = userFile(-4, 1, 4, {userMaterial("last", 1)});
    QVERIFY(writeBytes(path, bytes) && writeBytes(path + ".backup", "older backup"));
    MaterialList *list = newList();
    QVERIFY(list->removeUserMaterial(list->userMaterials().value(0).materialId));
    m_list.reset();
    QVERIFY(!QFile::exists(path));
    QCOMPARE(readBytes(path + ".backup"), bytes);
}

void tst_MaterialList::writeFailureIsLogged_data() {
    QTest::addColumn<QString>("dir");
    QTest::addColumn<QString>("message");
    QTest::newRow("directory cannot be made")
        << "blocker/sub" << QString("Cannot create user material directory");
    QTest::newRow("file cannot be written") << "taken" << QString("Cannot write user material file");
}

void tst_MaterialList::writeFailureIsLogged() {
    QFETCH(QString, dir);
    QFETCH(QString, message);
    QVERIFY(writeBytes(userDir() + "/blocker", "a file, not a directory"));
    QDir().mkpath(userDir() + "/taken/UserData.tmat");
    CapturingHandler log;
    MaterialList list("en", m_dir.filePath("none"), userDir() + "/" + dir);
    list.setWriteOnDestruction(false);
    list.addUserMaterial(userMaterial("x", 1));
    QVERIFY(!list.writeUserData());
    QVERIFY2(log.has(ZMT::MSG_ERROR, message), qPrintable(log.all()));
}

void tst_MaterialList::builtInFilesIndexesAndEditing() {
    const QString dir = userDir() + "/db";
    QDir().mkpath(dir);
    const auto file = [](const QVector<MaterialFile::Record> &records) {
        return MaterialFile::encodeFile(6, {"en"}, "TAVO2", MaterialFile::encodePayload("TAVO2", 1, records));
    };
    QVERIFY(writeBytes(dir + "/a.t2m", file({fileRecord(11, {"A1"}), fileRecord(12, {"A2"})})));
    QVERIFY(writeBytes(dir + "/b.t2m", file({fileRecord(21, {"B"})}).left(30)));
    QVERIFY(writeBytes(dir + "/c.t2m", file({fileRecord(31, {"C"})})));
    QVERIFY(writeBytes(dir + "/d.txt", file({fileRecord(41, {"D"})})));
    CapturingHandler log;
    MaterialList *list = newList(dir);
    QVERIFY2(log.has(ZMT::MSG_PROGRESS, "Path for material database: " + dir), qPrintable(log.all()));
    // The damaged and the foreign file add nothing; the air material comes last.
    QCOMPARE(list->builtInCount(), 4);
    QVERIFY(list->materialAt(2)->materialId == 31 && list->materialAt(3)->isAir());

    const int id = list->addUserMaterial(userMaterial("mine", 5));
    QCOMPARE(list->materialAt(4)->name, QString("mine"));
    QVERIFY(!list->materialAt(5) && !list->materialAt(-1));
    QVERIFY(list->isUserMaterial(id) && !list->isUserMaterial(12));
    Material changed = *list->material(id);
    changed.rho = 99;
    QVERIFY(list->replaceUserMaterial(changed));
    QCOMPARE(list->material(id)->rho, 99.0);
    changed.materialId = 12; // built-in materials can be neither replaced nor removed
    QVERIFY(!list->replaceUserMaterial(changed) && !list->removeUserMaterial(12));
    QVERIFY(list->removeUserMaterial(id) && !list->material(id));
}

void tst_MaterialList::startUpLoadsBuiltInMaterials() {
    CapturingHandler log;
    QVERIFY(!MaterialList::hasInstance());
    MaterialList &list = MaterialList::instance();
    QVERIFY2(log.has(ZMT::MSG_PROGRESS, " finished. 143 materials read."), qPrintable(log.all()));
    QCOMPARE(list.builtInCount(), 144);
    QVERIFY(list.material(493) && list.material(282) && list.materialAt(143)->isAir());
    const QString userFile = list.userFilePath();
    MaterialList::destroyInstance();
    QVERIFY(!MaterialList::hasInstance());
    QVERIFY(!QFile::exists(userFile));
}

void tst_MaterialList::listings() {
    // The built-in values in the listing are checked through the batch program; here the user's
    // material and the other formats.
    MaterialList *list = newList(QCoreApplication::applicationDirPath() + "/resources/DB_materials");
    list->setWriteOnDestruction(false);
    list->addUserMaterial(userMaterial("mine", 7));
    const QJsonArray array = QJsonDocument::fromJson(MaterialListExport::toJson(*list)).array();
    QCOMPARE(array.size(), 145);
    QCOMPARE(array[0].toObject().keys().size(), 22);
    const QJsonObject mine = array[144].toObject();
    QVERIFY(mine["name"] == "mine" && mine["builtIn"] == false && mine["isFoil"] == true);
    QCOMPARE(mine["color"].toString().split(' ').size(), 3);

    QVector<QStringList> rows;
    QVERIFY(MaterialCsv::splitRows(QString::fromUtf8(MaterialListExport::toCsv(*list)), rows));
    QCOMPARE(rows.size(), 146);
    for (const QStringList &row : rows)
        QVERIFY2(row.size() == 22, qPrintable(row.join('|')));
    QVERIFY(
        MaterialListExport::toText(*list).contains("493  Solid clay brick masonry 1800 kg/m3  (built-in)"));
}

QTEST_MAIN(tst_MaterialList)
#include "tst_MaterialList.moc"
