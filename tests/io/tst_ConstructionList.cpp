// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QBuffer>
#include <QDataStream>

#include <optional>

#include "ConstructionList.h"
#include "IoTestHelpers.h"
#include "MaterialIdCounter.h"
#include "MaterialList.h"
#include "MaterialRecord.h"

namespace {

Material material(const QString &name, double mu, double sd = 0, bool air = false) {
    Material m(name, MaterialCategory(MaterialCategory::Insulation), "notes\nof " + name, "product",
               "producer", "source", 120, 0.04, mu, 0.01, 0.5, 0.002, 0);
    m.mu_min = mu / 2;
    m.sd_value = sd;
    m.setFlags(air, false, !air, sd > 0);
    m.color = QColor(10, 20, 30);
    return m;
}

// A wall as a project holds it: brick, wood fibre, an air layer and a foil whose stored width no
// longer follows from its sd-value (its resistance factor was changed after it was placed).
QVector<MaterialLayer> wallLayers(double insulation = 0.1) {
    QVector<MaterialLayer> layers{
        MaterialLayer(material("brick", 10), 0.24), MaterialLayer(material("wood fibre", 5), insulation),
        MaterialLayer(material("air", 1, 0, true), 0.03), MaterialLayer(material("foil", 1e5, 2), 0)};
    layers[3].setMu(4e4);
    return layers;
}

// A construction file of \a entries whose header says \a version and \a count (default: the real count).
QByteArray fileBytes(const QList<Construction> &entries, qint32 version = 1,
                     std::optional<qint32> count = std::nullopt) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << version << count.value_or(entries.size());
    for (const Construction &c : entries)
        c.write(out);
    return bytes;
}

// An entry whose header says \a version and \a layers, followed by one layer record of \a recordVersion.
QByteArray entryBytes(qint32 version, qint32 layers, qint32 recordVersion) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << version << layers << QString("odd") << QString();
    out << recordVersion << 0.1;
    MaterialRecord::write(out, material("x", 3), 4);
    return bytes;
}

const Construction Wall("Wall", wallLayers(), "two\nlines");

} // namespace

class tst_ConstructionList : public QObject {
    Q_OBJECT

    QTemporaryDir m_tmp;
    int m_case = 0;
    QString dir() const { return m_tmp.filePath(QString("case%1").arg(m_case)); }
    QString path() const { return dir() + "/ConstructionData.constr"; }
    QString put(const QByteArray &bytes, const QString &name = "ConstructionData.constr") {
        QDir().mkpath(dir());
        return writeBytes(dir() + "/" + name, bytes) ? dir() + "/" + name : QString();
    }

private slots:
    void initTestCase() {
        ZMT::messageHandler()->setConsoleVerbosityLevel(0);
        QVERIFY(m_tmp.isValid());
    }
    void init() { ++m_case; }

    void storedConstructionComesBackAfterRestart() {
        // Stored from a project, the program restarted (a new database from the file) and inserted
        // into a project: the same layers, the foil with its stored width.
        ConstructionList list("en", dir());
        QVERIFY(!list.read());
        list.appendConstruction(Wall);
        QVERIFY(list.write());
        ConstructionList restarted("de", dir());
        QVERIFY(restarted.read() && restarted.count() == 1 && restarted.readProblem().isEmpty());
        const Construction &read = restarted.construction(0);
        QCOMPARE(read, Wall);
        for (int i = 0; i < Wall.layers.size(); ++i) {
            const MaterialLayer &a = read.layers[i], &b = Wall.layers[i];
            QVERIFY(a.sd_value == b.sd_value && a.isFoil() == b.isFoil() &&
                    a.isWoodBased() == b.isWoodBased());
            QCOMPARE(a.materialId, MaterialIdCounter::ConstructionDatabaseMaterialId);
        }
        QVERIFY(read.layers[3].width() != read.layers[3].sd_value / read.layers[3].mu);
    }

    void damagedFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("status");
        const QByteArray whole = fileBytes({Wall, Construction("Roof", wallLayers(0.2))});
        const int secondEntry = fileBytes({Wall}).size();
        const auto row = [](const char *name, const QByteArray &bytes, int entries,
                            int status = ConstructionList::Damaged) {
            QTest::newRow(name) << bytes << entries << status;
        };
        row("whole", whole, 2, ConstructionList::ReadComplete);
        row("truncated second entry keeps the first", whole.left(whole.size() - 30), 1);
        row("file version 2", fileBytes({Wall}, 2), 0, ConstructionList::UnknownFileVersion);
        row("empty file", QByteArray(), 0);
        row("entry count 2^31-1", fileBytes({Wall}, 1, 0x7FFFFFFF), 1);
        row("negative entry count", fileBytes({Wall}, 1, -1) + QByteArray(4, '\xff'), 0);
        row("bytes after the last entry", whole + "x", 2);
        const QByteArray one = fileBytes({Wall}, 1, 2);
        row("unknown entry version", one + entryBytes(2, 1, 4), 1);
        row("unknown layer record version", one + entryBytes(1, 1, 5), 1);
        row("layer record version 0", one + entryBytes(1, 1, 0), 1);
        row("layer count 2^31-1", one + entryBytes(1, 0x7FFFFFFF, 4), 1);
        row("negative layer count", one + entryBytes(1, -3, 4), 1);
        QByteArray hugeName = one;
        QDataStream(&hugeName, QIODevice::Append) << qint32(1) << qint32(0) << quint32(0x7FFFFFFE);
        row("name longer than the file", hugeName, 1);
        for (int cut : {2, 6, secondEntry - 1, secondEntry + 9, whole.size() - 1})
            row(qPrintable(QString("cut at %1").arg(cut)), whole.left(cut), int(cut > secondEntry));
    }

    void damagedFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, entries);
        QFETCH(int, status);
        QList<Construction> read;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QCOMPARE(int(ConstructionList::readEntries(buffer, read)), status);
        QCOMPARE(read.size(), entries);
        if (entries > 0)
            QCOMPARE(read.first(), Wall);
    }

    void damagedFileIsKeptAndSampleAdded() {
        // The first entry stays, the sample follows, and the damaged file is kept, never
        // overwritten; the backup of an empty list is another name and stays untouched.
        const QByteArray whole = fileBytes({Wall, Construction("Roof", wallLayers(0.2))});
        const QByteArray damaged = whole.left(whole.size() - 30);
        put(damaged);
        put("older backup", "ConstructionData.constr.backup");
        MaterialList materials("en", QCoreApplication::applicationDirPath() + "/resources/DB_materials",
                               dir());
        materials.read();
        CapturingHandler log;
        ConstructionList list("en", dir());
        QVERIFY(!list.read() && list.count() == 1 && list.addSampleEntry(materials) && list.count() == 2);
        QVERIFY2(log.has(ZMT::MSG_WARNING, "could not be read completely; 1 constructions read"),
                 qPrintable(log.all()));
        QVERIFY(list.readProblem().contains(".corrupt"));
        const Construction &sample = list.construction(1);
        QVERIFY(sample.name == "test construction 1" && sample.layers.size() == 3 &&
                sample.layers[0].materialId == 493 && sample.layers[1].materialId == 282);
        QVERIFY(sample.layers[0].width() == 0.12 && sample.layers[1].width() == 0.08);
        QVERIFY(list.write());
        QVERIFY2(log.has(ZMT::MSG_WARNING, "it is kept as"), qPrintable(log.all()));
        QCOMPARE(readBytes(path() + ".corrupt"), damaged);
        QCOMPARE(readBytes(path() + ".backup"), QByteArray("older backup"));
        QList<Construction> back;
        QCOMPARE(ConstructionList::readFile(path(), back), ConstructionList::ReadComplete);
        QCOMPARE(back, list.constructions());
        // Written once, the file is whole: the next write keeps nothing more.
        QVERIFY(list.write() && !QFile::exists(path() + ".corrupt2"));
        // A second damaged file never replaces the first one kept.
        put(damaged);
        QVERIFY(!list.read() && list.write() && readBytes(path() + ".corrupt2") == damaged);
    }

    void unknownVersionIsNeverWrittenBack() {
        const QByteArray newer = fileBytes({Wall}, 2);
        put(newer);
        put("older backup", "ConstructionData.constr.backup");
        ConstructionList list("en", dir());
        QVERIFY(!list.read() && list.readStatus() == ConstructionList::UnknownFileVersion);
        QVERIFY(list.write()); // empty: the file is moved aside, the backup stays
        QVERIFY(!QFile::exists(path()) && readBytes(path() + ".corrupt") == newer);
        QCOMPARE(readBytes(path() + ".backup"), QByteArray("older backup"));
    }

    void emptyListMovesTheFileToTheBackup() {
        put("older backup", "ConstructionData.constr.backup");
        ConstructionList list("en", dir());
        list.read();
        QVERIFY(list.write()); // no file: the older backup stays
        QCOMPARE(readBytes(path() + ".backup"), QByteArray("older backup"));
        list.appendConstruction(Wall);
        list.appendConstruction(Construction("Wall", wallLayers(0.2)));
        QVERIFY(list.write());
        const QByteArray last = readBytes(path());
        // Two entries that differ only in a width are different: removing by row keeps the other.
        QVERIFY(list.construction(0) != list.construction(1) && list.maxLayerCount() == 4);
        QVERIFY(list.removeConstruction(1) && list.count() == 1 && list.construction(0) == Wall);
        QVERIFY(list.removeConstruction(0) && !list.removeConstruction(0));
        QVERIFY(list.write());
        QVERIFY(!QFile::exists(path()) && readBytes(path() + ".backup") == last);
    }

    void importAppendsAndWritesNothing() {
        const QString other =
            put(fileBytes({Construction("A", wallLayers()), Construction("B", {})}), "other.constr");
        const QByteArray otherBytes = readBytes(other);
        const QString damaged = put(fileBytes({Wall}, 1, 2), "damaged.constr");
        const QString newer = put(fileBytes({Wall}, 7), "newer.constr");
        ConstructionList list("en", dir());
        list.appendConstruction(Wall);
        ConstructionList::ImportResult r = list.importConstructions(other);
        QVERIFY(r.added == 2 && r.message.contains("2 constructions found in file"));
        QVERIFY(list.count() == 3 && list.construction(1).name == "A" &&
                list.construction(2).layers.isEmpty());
        r = list.importConstructions(damaged);
        QVERIFY2(r.added == 1 && r.message.contains("could not be read to its end"), qPrintable(r.message));
        r = list.importConstructions(newer);
        QVERIFY2(r.added == 0 && r.message.contains("another version"), qPrintable(r.message));
        r = list.importConstructions(dir() + "/missing.constr");
        QVERIFY2(r.added == 0 && r.message.contains("Cannot read file"), qPrintable(r.message));
        QCOMPARE(list.count(), 4);
        QVERIFY(readBytes(other) == otherBytes && !QFile::exists(path()));
    }
};

QTEST_MAIN(tst_ConstructionList)
#include "tst_ConstructionList.moc"
