// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QBuffer>
#include <QPrinter>

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

    // The sketch as SVG (titled, with the layer colours as vectors) and across a PDF page; the
    // selection is left out of the picture but stays in the table.
    void renders() {
        Material brick("Brick", MaterialCategory(MaterialCategory::BuildingBrick), "", "", "", "", 1800, 0.8,
                       10, 0.01, 0.2, 0.1, 0);
        brick.color = QColor(200, 100, 50);
        ConstructionTableWidget table;
        table.setColumnCount(4);
        table.resize(400, 120);
        table.setConstruction({MaterialLayer(brick, 0.24), MaterialLayer(brick, 0.1)});
        table.show();
        table.setCurrentCell(0, 1);
        QVERIFY(!table.selectionModel()->selectedIndexes().isEmpty());

        QBuffer svg;
        QVERIFY(svg.open(QIODevice::WriteOnly));
        table.exportSvg(&svg);
        QVERIFY(svg.data().contains("<title>Construction Sketch</title>"));
        QVERIFY(svg.data().contains("#c86432"));
        QVERIFY(!table.selectionModel()->selectedIndexes().isEmpty()); // the selection comes back

        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("sketch.pdf"));
        table.printSketch(&printer);
        QFile pdf(dir.filePath("sketch.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(4) == "%PDF" && pdf.size() > 1000);
        QCOMPARE(table.sketchPixmap().size(), table.viewport()->size());
    }

    void textColourAtTheValueLimit() {
        QCOMPARE(HatchedItemDelegate::textColorFor(QColor(199, 199, 199)), QColor(Qt::white));
        QCOMPARE(HatchedItemDelegate::textColorFor(QColor(200, 100, 50)), QColor(Qt::black));
    }
};

QTEST_MAIN(tst_ConstructionTableWidget)
#include "tst_ConstructionTableWidget.moc"
