#include <QtTest>

#include "ConstructionTableWidget.h"
#include "HatchedItemDelegate.h"
#include "Project.h"

namespace {

MaterialLayer layer(const QString &name, const QColor &colour, double width) {
    Material m(name, MaterialCategory(MaterialCategory::Concrete), "", "", "", "", 2000, 1.5, 50, 0.02, 0.2,
               0.01, 1);
    m.color = colour;
    return MaterialLayer(m, width);
}

bool isDark(const QColor &c) {
    return c.value() < 100;
}
bool isLight(const QColor &c) {
    return c.value() > 200 && c.saturation() < 60;
}

/*! Counts pixels inside \a rect of \a img that satisfy \a test. */
template <typename Test> int count(const QImage &img, const QRect &rect, Test test) {
    int n = 0;
    const QRect r = rect.intersected(img.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += test(img.pixelColor(x, y)) ? 1 : 0;
    return n;
}

/*! A table of the given layers, laid out and painted. */
struct Sketch {
    ConstructionTableWidget table;
    QImage image;
    explicit Sketch(const QVector<MaterialLayer> &layers, bool ownConstruction = true) {
        if (ownConstruction)
            table.hatchedDelegate()->setConstruction(layers);
        QVector<double> widths;
        for (const MaterialLayer &l : layers)
            widths << l.width();
        table.setColumnCount(qMax(3, layers.size() + 2));
        for (int c = 0; c < table.columnCount(); ++c)
            table.setItem(0, c, new QTableWidgetItem);
        table.resize(600, 200);
        table.setLayerWidths(widths);
        table.show();
        if (!QTest::qWaitForWindowExposed(&table))
            qWarning("table not exposed");
        image = table.sketchPixmap().toImage();
    }
    QRect cell(int column) { return table.visualRect(table.model()->index(0, column)); }
};

} // namespace

Q_DECLARE_METATYPE(QVector<double>)
Q_DECLARE_METATYPE(QVector<int>)

class tst_ConstructionTableWidget : public QObject {
    Q_OBJECT
private slots:
    void columnWidths_data();
    void columnWidths();
    void textColour_data();
    void textColour();
    void layerCellsAndSides();
    void nothingWithoutConstruction();
};

void tst_ConstructionTableWidget::columnWidths_data() {
    QTest::addColumn<QVector<double>>("layers");
    QTest::addColumn<int>("total");
    QTest::addColumn<QVector<int>>("expected");
    QTest::newRow("proportional") << QVector<double>{0.1, 0.3} << 480 << QVector<int>{40, 100, 300, 40};
    QTest::newRow("rounded boundaries fill the table")
        << QVector<double>{1, 1, 1} << 480 << QVector<int>{40, 133, 134, 133, 40};
    QTest::newRow("thin layer keeps a minimum, the others share the rest")
        << QVector<double>{0.001, 0.999} << 480 << QVector<int>{40, 8, 392, 40};
    QTest::newRow("foil between thick layers")
        << QVector<double>{0.2, 0.0004, 0.06} << 480 << QVector<int>{40, 302, 8, 90, 40};
    QTest::newRow("zero width still selectable")
        << QVector<double>{0.0, 0.2} << 480 << QVector<int>{40, 8, 392, 40};
    QTest::newRow("no layers: one empty column") << QVector<double>{} << 480 << QVector<int>{40, 400, 40};
    QTest::newRow("narrow table") << QVector<double>{0.1} << 50 << QVector<int>{40, 8, 40};
}

void tst_ConstructionTableWidget::columnWidths() {
    QFETCH(QVector<double>, layers);
    QFETCH(int, total);
    QFETCH(QVector<int>, expected);
    QCOMPARE(ConstructionTableWidget::columnWidths(layers, total), expected);
}

void tst_ConstructionTableWidget::textColour_data() {
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("text");
    QTest::newRow("yellow: black") << QColor(Qt::yellow) << QColor(Qt::black);
    QTest::newRow("dark blue: white") << QColor(0, 0, 139) << QColor(Qt::white);
    QTest::newRow("value 199: white") << QColor(199, 199, 199) << QColor(Qt::white);
    QTest::newRow("value 200: black") << QColor(200, 100, 50) << QColor(Qt::black);
}

void tst_ConstructionTableWidget::textColour() {
    QFETCH(QColor, background);
    QFETCH(QColor, text);
    QCOMPARE(HatchedItemDelegate::textColorFor(background), text);
}

void tst_ConstructionTableWidget::layerCellsAndSides() {
    Sketch s({layer("Gelb", Qt::yellow, 0.2), layer("Blau", QColor(0, 0, 139), 0.2)});
    const QImage &img = s.image;
    // warm side: red quarter at the top left; cold side: blue quarter at the top right
    const QRect warm = s.cell(0);
    QCOMPARE(img.pixelColor(warm.left() + 2, warm.top() + 2), QColor(Qt::red));
    QVERIFY(img.pixelColor(warm.right() - 2, warm.top() + 2) != QColor(Qt::red));
    const QRect cold = s.cell(3);
    QCOMPARE(img.pixelColor(cold.right() - 2, cold.top() + 2), QColor(Qt::blue));
    QVERIFY(img.pixelColor(cold.left() + 2, cold.top() + 2) != QColor(Qt::blue));
    // "warm" and "cold" are written along the side columns
    QVERIFY(count(img, warm.adjusted(0, warm.height() / 2, 0, 0), isDark) > 10);

    // layer cells in their colours, the names in contrasting text near the top
    const QRect yellow = s.cell(1);
    const QRect blue = s.cell(2);
    QCOMPARE(img.pixelColor(yellow.center().x(), yellow.bottom() - 5), QColor(Qt::yellow));
    QCOMPARE(img.pixelColor(blue.center().x(), blue.bottom() - 5), QColor(0, 0, 139));
    const QRect yellowTop(yellow.left(), yellow.top(), yellow.width(), 30);
    const QRect blueTop(blue.left(), blue.top(), blue.width(), 30);
    QVERIFY(count(img, yellowTop, isDark) > 10);
    QVERIFY(count(img, blueTop, isLight) > 10);
    QCOMPARE(count(img, blueTop, isDark), 0);
}

void tst_ConstructionTableWidget::nothingWithoutConstruction() {
    Project::instance().closeDocument();
    Sketch s({layer("Gelb", Qt::yellow, 0.2)}, false);
    const QRect layerCell = s.cell(1);
    QCOMPARE(count(s.image, layerCell, [](const QColor &c) { return c == QColor(Qt::yellow); }), 0);
    QVERIFY(s.image.pixelColor(s.cell(0).left() + 2, s.cell(0).top() + 2) != QColor(Qt::red));
    // with a project, its construction is painted
    Project::instance().newDocument();
    Project::instance().document()->inputData().layers().append(layer("Gelb", Qt::yellow, 0.2));
    const QImage withProject = s.table.sketchPixmap().toImage();
    QCOMPARE(withProject.pixelColor(layerCell.center().x(), layerCell.bottom() - 5), QColor(Qt::yellow));
    Project::instance().closeDocument();
}

QTEST_MAIN(tst_ConstructionTableWidget)
#include "tst_ConstructionTableWidget.moc"
