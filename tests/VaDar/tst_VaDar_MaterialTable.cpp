// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "VaDar_MaterialTableModel.h"
#include "VaDar_MaterialTableProxyModel.h"

using VaDar::MaterialTableModel;
using VaDar::MaterialTableProxyModel;

namespace {

Material material(const QString &name, int category, double rho, const QString &producer = QString(),
                  const QString &notes = QString(), const QString &product = QString()) {
    Material m(name, MaterialCategory(category), notes, product, producer, "", rho, 0.5, 10, 0.025, 0.3, 0.01,
               1);
    return m;
}

// Rows 0-4 built in, row 5 the user's.
QList<Material> builtIn() {
    QList<Material> list{material("Solid clay brick", 2, 1800, "Ziegel AG", "old"),
                         material("Reinforced concrete", 4, 2300, "", "dense"),
                         material("Mineral wool", 5, 30, "Isover", "", "brick filler WLS 035"),
                         material("Autoclaved aerated concrete", 4, 500),
                         material("Spruce", 7, 450, "Holz", "sawn")};
    list[4].setFlags(false, true, false, false);
    return list;
}

} // namespace

class tst_VaDar_MaterialTable : public QObject {
    Q_OBJECT

    MaterialTableModel m_model;
    MaterialTableProxyModel m_proxy;

    QList<int> visible() const {
        QList<int> rows;
        for (int row = 0; row < m_proxy.rowCount(); ++row)
            rows << m_proxy.materialIndex(row);
        return rows;
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale::c());
        m_model.setMaterials(builtIn(), {material("My BRICK", 2, 1700)});
        m_proxy.setSourceModel(&m_model);
    }

    void filters_data() {
        QTest::addColumn<int>("category");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("producer");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<unsigned>("flags");
        QTest::addColumn<QList<int>>("shown");
        QTest::newRow("no filter") << -1 << ""
                                   << ""
                                   << "" << 0u << QList<int>{0, 1, 2, 3, 4, 5};
        QTest::newRow("two words, one with a wildcard, or the product name")
            << -1 << "brick conc*"
            << ""
            << "" << 0u << QList<int>{0, 1, 2, 3, 5};
        QTest::newRow("any letter case") << -1 << "BRICK"
                                         << ""
                                         << "" << 0u << QList<int>{0, 2, 5};
        QTest::newRow("one character") << -1 << "spr?ce"
                                       << ""
                                       << "" << 0u << QList<int>{4};
        QTest::newRow("blanks only") << -1 << "   "
                                     << ""
                                     << "" << 0u << QList<int>{0, 1, 2, 3, 4, 5};
        QTest::newRow("category") << 4 << ""
                                  << ""
                                  << "" << 0u << QList<int>{1, 3};
        QTest::newRow("category and name") << 2 << "my"
                                           << ""
                                           << "" << 0u << QList<int>{5};
        QTest::newRow("producer words") << -1 << ""
                                        << "holz zieg*"
                                        << "" << 0u << QList<int>{0, 4};
        QTest::newRow("comment") << -1 << ""
                                 << ""
                                 << "dense" << 0u << QList<int>{1};
        QTest::newRow("wood flag required") << -1 << ""
                                            << ""
                                            << "" << (1u << MF_Wood) << QList<int>{4};
        QTest::newRow("nothing matches") << 5 << "concrete"
                                         << ""
                                         << "" << 0u << QList<int>{};
    }
    void filters() {
        QFETCH(int, category);
        QFETCH(QString, name);
        QFETCH(QString, producer);
        QFETCH(QString, comment);
        QFETCH(unsigned, flags);
        m_proxy.setCategoryFilter(category);
        m_proxy.setNameFilter(name);
        m_proxy.setProducerFilter(producer);
        m_proxy.setCommentFilter(comment);
        m_proxy.setRequiredFlags(flags);
        QTEST(visible(), "shown");
        for (int row = 0; row < m_proxy.rowCount(); ++row)
            QCOMPARE(m_proxy.rowOfMaterial(m_proxy.materialIndex(row)), row);
    }

    // User materials pale green; the others alternate by visible row, also under a filter.
    void rowColours() {
        const auto colour = [this](int row) {
            return m_proxy.index(row, 3).data(Qt::BackgroundRole).value<QColor>();
        };
        m_proxy.setNameFilter("");
        m_proxy.setCategoryFilter(2);
        QCOMPARE(visible(), (QList<int>{0, 5}));
        QCOMPARE(colour(0), QColor(Qt::white));
        QCOMPARE(colour(1), QColor("palegreen"));
        m_proxy.setCategoryFilter(4);
        QCOMPARE(colour(0), QColor(Qt::white));
        QCOMPARE(colour(1), QColor(225, 224, 223));
        m_proxy.setCategoryFilter(-1);
        QCOMPARE(m_proxy.rowOfMaterial(2), 2);
        m_proxy.setNameFilter("spruce");
        QCOMPARE(m_proxy.rowOfMaterial(2), -1);
        m_proxy.setNameFilter("");
    }

    // Numbers sort by value, not as text ("30" before "450"); moisture contents listed in kg/m³.
    void sortingAndUnits() {
        m_proxy.sort(MaterialTableModel::DensityColumn, Qt::AscendingOrder);
        QCOMPARE(visible(), (QList<int>{2, 4, 3, 5, 0, 1}));
        m_proxy.sort(-1);
        QCOMPARE(visible(), (QList<int>{0, 1, 2, 3, 4, 5}));
        QCOMPARE(m_model.index(0, MaterialTableModel::W80Column).data().toString(), QString("25"));
        QCOMPARE(m_model.index(0, MaterialTableModel::WSatColumn).data().toString(), QString("300"));
        QCOMPARE(m_model.index(0, MaterialTableModel::LambdaColumn).data().toString(), QString("0.500"));
        QCOMPARE(m_model.headerData(MaterialTableModel::DensityColumn, Qt::Horizontal).toString(),
                 QString::fromUtf8("ρ [kg/m³]"));
        QVERIFY(m_model.isUserMaterial(5) && !m_model.isUserMaterial(4));
    }
};

QTEST_MAIN(tst_VaDar_MaterialTable)
#include "tst_VaDar_MaterialTable.moc"
