#include <QtTest>

#include "ConstructionTableWidget.h"
#include "HatchedItemDelegate.h"

Q_DECLARE_METATYPE(QVector<double>)
Q_DECLARE_METATYPE(QVector<int>)

class tst_ConstructionTableWidget : public QObject {
    Q_OBJECT
private slots:
    void columnWidths_data() {
        QTest::addColumn<QVector<double>>("layers");
        QTest::addColumn<int>("total");
        QTest::addColumn<QVector<int>>("expected");
        QTest::newRow("proportional") << QVector<double>{0.1, 0.3} << 480 << QVector<int>{40, 100, 300, 40};
        QTest::newRow("rounded boundaries fill the table")
            << QVector<double>{1, 1, 1} << 480 << QVector<int>{40, 133, 134, 133, 40};
        QTest::newRow("thin layer keeps a minimum, the others share the rest")
            << QVector<double>{0.2, 0.0004, 0.06} << 480 << QVector<int>{40, 302, 8, 90, 40};
        QTest::newRow("zero width selectable")
            << QVector<double>{0.0, 0.2} << 480 << QVector<int>{40, 8, 392, 40};
        QTest::newRow("no layers: one empty column") << QVector<double>{} << 480 << QVector<int>{40, 400, 40};
        QTest::newRow("narrow table") << QVector<double>{0.1} << 50 << QVector<int>{40, 8, 40};
    }
    void columnWidths() {
        QFETCH(QVector<double>, layers);
        QFETCH(int, total);
        QTEST(ConstructionTableWidget::columnWidths(layers, total), "expected");
    }

    void textColourAtTheValueLimit() {
        QCOMPARE(HatchedItemDelegate::textColorFor(QColor(199, 199, 199)), QColor(Qt::white));
        QCOMPARE(HatchedItemDelegate::textColorFor(QColor(200, 100, 50)), QColor(Qt::black));
    }
};

QTEST_MAIN(tst_ConstructionTableWidget)
#include "tst_ConstructionTableWidget.moc"
