// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "LayerHatching.h"
#include "MaterialLayer.h"

namespace {

Material material(int category, bool air = false, bool wood = false, bool woodBased = false,
                  bool foil = false) {
    Material m("Test", MaterialCategory(category), "", "", "", "", 1000, 0.5, 10, 0.01, 0.3, 0, 1);
    m.setFlags(air, wood, woodBased, foil);
    return m;
}

} // namespace

class tst_LayerHatching : public QObject {
    Q_OBJECT
private slots:
    void forMaterial_data() {
        QTest::addColumn<int>("category");
        QTest::addColumn<bool>("air");
        QTest::addColumn<bool>("wood");
        QTest::addColumn<bool>("woodBased");
        QTest::addColumn<bool>("foil");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("distance");
        QTest::newRow("insulation: soft insulation symbol")
            << 5 << false << false << false << false << 7 << 3;
        QTest::newRow("wood fibre insulation stays insulation")
            << 5 << false << false << true << false << 7 << 3;
        QTest::newRow("masonry: diagonal cross") << 2 << false << false << false << false << 5 << 8;
        QTest::newRow("concrete: falling diagonals") << 4 << false << false << false << false << 3 << 6;
        QTest::newRow("natural stone: wide falling diagonals")
            << 3 << false << false << false << false << 3 << 10;
        QTest::newRow("plaster: dense rising diagonals") << 1 << false << false << false << false << 4 << 4;
        QTest::newRow("timber: grain along the layer") << 7 << false << false << false << false << 2 << 6;
        QTest::newRow("wood flag in another category") << 12 << false << true << false << false << 2 << 6;
        QTest::newRow("wood based board: fine grain") << 6 << false << false << true << false << 2 << 3;
        QTest::newRow("other boards: horizontal lines") << 6 << false << false << false << false << 1 << 4;
        QTest::newRow("cladding and tiles: grid") << 10 << false << false << false << false << 6 << 6;
        QTest::newRow("soil: wide grid") << 9 << false << false << false << false << 6 << 10;
        QTest::newRow("natural materials") << 8 << false << false << false << false << 4 << 10;
        QTest::newRow("air space is empty, whatever its category")
            << 12 << true << false << false << false << 0 << 0;
        QTest::newRow("foil flag on a board") << 6 << false << false << false << true << 0 << 0;
        QTest::newRow("foils and waterproofing") << 11 << false << false << false << false << 0 << 0;
        QTest::newRow("coating") << 0 << false << false << false << false << 0 << 0;
        QTest::newRow("miscellaneous") << 12 << false << false << false << false << 0 << 0;
        QTest::newRow("unknown category") << 13 << false << false << false << false << 0 << 0;
    }

    void forMaterial() {
        QFETCH(int, category);
        QFETCH(bool, air);
        QFETCH(bool, wood);
        QFETCH(bool, woodBased);
        QFETCH(bool, foil);
        const LayerHatching hatching =
            LayerHatching::forMaterial(material(category, air, wood, woodBased, foil));
        QTEST(hatching.kind, "kind");
        QTEST(hatching.distance, "distance");
    }

    void viewLayers() {
        Material brick = material(2);
        brick.name = "Brick";
        brick.color = QColor(170, 60, 40);
        const QVector<MaterialLayer> layers{MaterialLayer(brick, 0.24), MaterialLayer(material(5), 0.1)};
        const QVector<VaDar::ConstructionLayer> entries = LayerHatching::viewLayers(layers);
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries[0].width, 0.24);
        QCOMPARE(entries[0].name, QString("Brick"));
        QCOMPARE(entries[0].color, QColor(170, 60, 40));
        QCOMPARE(entries[0].hatchingType, 5);
        QCOMPARE(entries[1].hatchingType, 7);
        QCOMPARE(entries[1].width, 0.1);
    }
};

QTEST_MAIN(tst_LayerHatching)
#include "tst_LayerHatching.moc"
