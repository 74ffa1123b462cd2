#include <QtTest>

#include <QSignalSpy>
#include <QTextDocument>

#include "T2_ResultsWidget.h"
#include "VaDar_Table.h"

namespace {

using Zones = std::vector<CalculationResults::IndexRange>;

CalculationResults results(int calcState, const Zones &zones = {}, const QStringList &messages = {}) {
    CalculationResults r;
    r.calcState = calcState;
    r.zones = zones;
    r.messages = messages;
    return r;
}

InputData construction(const QVector<double> &widths) {
    InputData input;
    for (double w : widths) {
        Material m("M", MaterialCategory(MaterialCategory::Concrete), "", "", "", "", 2000, 1.5, 50, 0.02,
                   0.2, 0.01, 1);
        input.layers().append(MaterialLayer(m, w));
    }
    return input;
}

QString red(const QString &t) {
    return "<font color=\"#FF0000\">" + t + "</font>";
}
QString blue(const QString &t) {
    return "<font color=\"#0000FF\">" + t + "</font>";
}

/*! Pixels of the widget clearly in the given pure colour. */
int colouredPixels(QWidget &w, QColor colour) {
    const QImage img = w.grab().toImage();
    int n = 0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            const bool match = colour == Qt::red ? (c.red() > 180 && c.green() < 90 && c.blue() < 90)
                                                 : (c.blue() > 180 && c.red() < 90 && c.green() < 90);
            n += match ? 1 : 0;
        }
    }
    return n;
}

} // namespace

Q_DECLARE_METATYPE(Zones)

class tst_T2_ResultsWidget : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void verdict_data();
    void verdict();
    void tableValues();
    void emptyProjectShowsNoInput();
    void invalidInputShowsOnlyErrors();
    void paintedColours_data();
    void paintedColours();
    void linkInErrorListIsReported();
};

void tst_T2_ResultsWidget::initTestCase() {
    QLocale c(QLocale::C);
    c.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(c);
}

void tst_T2_ResultsWidget::verdict_data() {
    QTest::addColumn<int>("calcState");
    QTest::addColumn<Zones>("zones");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("expected");
    QTest::newRow("0 no layers") << 0 << Zones{} << QStringList{} << red("No input!");
    QTest::newRow("2 algorithm failure, every message")
        << 2 << Zones{} << QStringList{"No Solution found!", "second"}
        << red("No Solution found!") + "<br/>" + red("second");
    QTest::newRow("4 warm surface")
        << 4 << Zones{} << QStringList{}
        << red("Condensation on the surface (warm side). No calculation possible.");
    QTest::newRow("5 cold surface")
        << 5 << Zones{} << QStringList{}
        << red("Condensation on the surface (cold side). No calculation possible.");
    QTest::newRow("6 single layer") << 6 << Zones{} << QStringList{}
                                    << blue("Only one layer. No condensate possible!");
    QTest::newRow("7 no condensation") << 7 << Zones{} << QStringList{} << blue("No condensate emerges!");
    QTest::newRow("9 one plane, 1-based")
        << 9 << Zones{{1, 2}} << QStringList{} << blue("Condensation between layer 2 and 3!");
    QTest::newRow("10 one zone") << 10 << Zones{{0, 3}} << QStringList{}
                                 << blue("Condensation between layer 1 and 4!");
    QTest::newRow("11 two zones")
        << 11 << Zones{{1, 3}, {5, 6}} << QStringList{}
        << "<font color=\"#0000FF\">Condensation between layer 2 and 4, 6 and 7.</font>";
    QTest::newRow("11 three zones") << 11 << Zones{{0, 1}, {2, 3}, {5, 7}} << QStringList{}
                                    << blue("Condensation between layer 1 and 2, 3 and 4, 6 and 8.");
    QTest::newRow("3 unknown") << 3 << Zones{} << QStringList{} << red("Unknown result!");
    QTest::newRow("8 unknown") << 8 << Zones{} << QStringList{} << red("Unknown result!");
    QTest::newRow("zone state without zone") << 11 << Zones{} << QStringList{} << red("Unknown result!");
    QTest::newRow("one-plane state without zone") << 9 << Zones{} << QStringList{} << red("Unknown result!");
}

void tst_T2_ResultsWidget::verdict() {
    QFETCH(int, calcState);
    QFETCH(Zones, zones);
    QFETCH(QStringList, messages);
    QFETCH(QString, expected);
    QCOMPARE(T2_ResultsWidget::verdictText(results(calcState, zones, messages)), expected);
}

void tst_T2_ResultsWidget::tableValues() {
    T2_ResultsWidget w;
    CalculationResults r = results(7);
    r.R_dry = 2.5;
    r.U = 0.4123;
    r.mc = 0.0126;
    r.t_dry = 20 * 24 * 3600.0;
    w.setResults(construction({0.1, 0.24, 0.016}), r);
    VaDar::Table table;
    w.setupTable(table, 500);
    QCOMPARE(table.columnCount(), 3u);
    QCOMPARE(table.rowCount(), 8u);
    const auto text = [&table](unsigned c, unsigned r) { return table.cell(c, r).text(); };
    QCOMPARE(text(1, 0), QString("0.356"));
    QCOMPARE(text(2, 0), QString("m"));
    QCOMPARE(text(1, 1), QString("2.500"));
    QCOMPARE(text(2, 1), QString("m<sup>2</sup>K/W"));
    QCOMPARE(text(0, 2), QString("Thermal transmission coefficient of the construction"));
    // U after ISO 6946 always with 0.13 and 0.04
    QCOMPARE(text(1, 3), QString::number(1 / (2.5 + 0.17), 'f', 3));
    QCOMPARE(text(1, 4), QString("0.412"));
    QCOMPARE(text(2, 4), QString("W/(m<sup>2</sup>K)"));
    QCOMPARE(text(0, 5), blue("No condensate emerges!"));
    QCOMPARE(text(1, 6), QString("0.013"));
    QCOMPARE(text(2, 6), QString("kg/m<sup>2</sup>"));
    QCOMPARE(text(1, 7), QString("20.00"));
    QCOMPARE(text(2, 7), QString("d"));
    // heading and verdict span all three columns
    QCOMPARE(int(table.mergedRegions().size()), 2);
    for (const auto &region : table.mergedRegions()) {
        QCOMPARE(region.firstCol, 0u);
        QCOMPARE(region.lastCol, 2u);
        QVERIFY(region.firstRow == 2 || region.firstRow == 5);
    }
    for (unsigned row = 0; row < 8; ++row) {
        QCOMPARE(table.cell(0, row).topMargin(), 3.0);
        QCOMPARE(table.cell(0, row).bottomMargin(), 3.0);
        QCOMPARE(table.cell(0, row).leftMargin(), 10.0);
        QCOMPARE(table.cell(1, row).alignment(), Qt::AlignRight | Qt::AlignVCenter);
        QCOMPARE(table.cell(2, row).alignment(), Qt::AlignLeft | Qt::AlignVCenter);
    }
}

void tst_T2_ResultsWidget::emptyProjectShowsNoInput() {
    T2_ResultsWidget w;
    w.setResults(InputData(), results(0));
    QVERIFY(!w.showsInputErrors());
    VaDar::Table table;
    w.setupTable(table, 400);
    QCOMPARE(table.cell(1, 0).text(), QString("0.000"));
    QCOMPARE(table.cell(0, 5).text(), red("No input!"));
}

void tst_T2_ResultsWidget::invalidInputShowsOnlyErrors() {
    T2_ResultsWidget w;
    w.setResults(construction({0.0}), results(1, {}, {"Layer #1 has an invalid width.", "second line"}));
    QVERIFY(w.showsInputErrors());
    QCOMPARE(w.inputErrorText(),
             red("Invalid input!") + "<br/>Layer #1 has an invalid width.<br/>second line");
}

void tst_T2_ResultsWidget::paintedColours_data() {
    QTest::addColumn<int>("calcState");
    QTest::addColumn<bool>("redText");
    QTest::addColumn<bool>("blueText");
    QTest::newRow("no input in red") << 0 << true << false;
    QTest::newRow("no condensate in blue") << 7 << false << true;
    QTest::newRow("invalid input in red") << 1 << true << false;
}

void tst_T2_ResultsWidget::paintedColours() {
    QFETCH(int, calcState);
    QFETCH(bool, redText);
    QFETCH(bool, blueText);
    T2_ResultsWidget w;
    w.resize(500, 300);
    w.setResults(construction({0.2}), results(calcState, {}, {"message"}));
    QCOMPARE(colouredPixels(w, Qt::red) > 5, redText);
    QCOMPARE(colouredPixels(w, Qt::blue) > 5, blueText);
}

void tst_T2_ResultsWidget::linkInErrorListIsReported() {
    T2_ResultsWidget w;
    w.resize(500, 300);
    w.setResults(construction({0.2}), results(1, {}, {"<a href=\"layer-2\">layer #2</a> is wrong"}));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QSignalSpy spy(&w, &T2_ResultsWidget::linkActivated);
    const int line = QFontMetrics(w.font()).lineSpacing();
    // first line: the heading, no link
    QTest::mouseClick(&w, Qt::LeftButton, Qt::NoModifier, QPoint(15, line / 2));
    QCOMPARE(spy.count(), 0);
    // second line starts with the link
    QTest::mouseClick(&w, Qt::LeftButton, Qt::NoModifier, QPoint(15, line + line / 2));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QString("layer-2"));
    // beside the text: nothing
    QTest::mouseClick(&w, Qt::LeftButton, Qt::NoModifier, QPoint(450, line + line / 2));
    QCOMPARE(spy.count(), 1);
}

QTEST_MAIN(tst_T2_ResultsWidget)
#include "tst_T2_ResultsWidget.moc"
