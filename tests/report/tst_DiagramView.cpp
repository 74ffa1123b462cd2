#include <QtTest>

#include <QBuffer>
#include <QPixmap>
#include <QPrinter>
#include <QXmlStreamReader>

#include "DiagramScene.h"
#include "DiagramTestData.h"
#include "DiagramView.h"
#include "Settings.h"

using namespace DiagramTest;

namespace {

// Text of the first element \a name of an SVG document.
QString svgElement(const QByteArray &svg, const QString &name) {
    QXmlStreamReader reader(svg);
    while (reader.readNextStartElement() || !reader.atEnd()) {
        if (reader.isStartElement() && reader.name() == name)
            return reader.readElementText();
        if (reader.hasError())
            break;
    }
    return QString();
}

bool hasDarkPixelIn(const QImage &image, const QRect &rect) {
    const QRect r = rect.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (qGray(image.pixel(x, y)) < 200)
                return true;
    return false;
}

} // namespace

class tst_DiagramView : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void initialKindAndFrame();
    void resizeRule_data();
    void resizeRule();
    void setDiagramTypeRedraws();
    void svgTitleAndDescription_data();
    void svgTitleAndDescription();
    void exports_data();
    void exports();
    void printToPdf();
};

void tst_DiagramView::initTestCase() {
    QLocale::setDefault(QLocale::c());
}

void tst_DiagramView::initialKindAndFrame() {
    DiagramView view;
    QCOMPARE(view.diagramType(), 3);
    view.resize(500, 300);
    const InputData d = construction({0.1, 0.2});
    view.setData(d, plainResults(d));
    QVERIFY(view.isVisible());
    QCOMPARE(view.diagramScene()->diagramKind(), 3);
    QCOMPARE(view.diagramScene()->frameRect(), QRectF(5, 5, 490, 290));
}

void tst_DiagramView::resizeRule_data() {
    QTest::addColumn<QVector<QSize>>("steps");
    QTest::addColumn<bool>("redrawn");
    QTest::newRow("4 px wider") << QVector<QSize>{{504, 300}} << false;
    QTest::newRow("4 px shorter") << QVector<QSize>{{500, 296}} << false;
    QTest::newRow("5 px wider") << QVector<QSize>{{505, 300}} << true;
    QTest::newRow("5 px taller") << QVector<QSize>{{500, 305}} << true;
    QTest::newRow("5 px narrower") << QVector<QSize>{{495, 300}} << true;
    // Small steps add up: a slow drag must end in a redraw.
    QTest::newRow("two 3 px steps") << QVector<QSize>{{503, 300}, {506, 300}} << true;
}

void tst_DiagramView::resizeRule() {
    QFETCH(QVector<QSize>, steps);
    QFETCH(bool, redrawn);
    // A child widget: its resize events arrive at once, unlike a top-level window's.
    QWidget window;
    window.resize(800, 600);
    DiagramView view(&window);
    view.resize(500, 300);
    const InputData d = construction({0.1, 0.2});
    view.setData(d, plainResults(d));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRectF before = view.diagramScene()->frameRect();
    QCOMPARE(before, QRectF(5, 5, 490, 290));
    for (const QSize &s : steps)
        view.resize(s);
    const QRectF after = view.diagramScene()->frameRect();
    const QSize last = steps.last();
    if (redrawn)
        QCOMPARE(after, QRectF(5, 5, last.width() - 10, last.height() - 10));
    else
        QCOMPARE(after, before);
}

void tst_DiagramView::setDiagramTypeRedraws() {
    DiagramView view;
    view.setDiagramType(1); // before any data: only stored
    QCOMPARE(view.diagramType(), 1);
    QVERIFY(view.diagramScene()->boundaries().empty());
    view.resize(500, 300);
    const InputData d = construction({0.1, 0.2});
    view.setData(d, plainResults(d));
    QCOMPARE(view.diagramScene()->diagramKind(), 1);
    QVERIFY(!view.diagramScene()->taggedItems(DiagramScene::TagLayerBand).isEmpty());
    view.setDiagramType(2);
    QCOMPARE(view.diagramScene()->diagramKind(), 2);
    QVERIFY(view.diagramScene()->taggedItems(DiagramScene::TagLayerBand).isEmpty());
    QVERIFY(!view.diagramScene()->taggedItems(DiagramScene::TagSaturationCurve).isEmpty());
}

void tst_DiagramView::svgTitleAndDescription_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("title");
    QTest::newRow("sketch") << 1 << "Construction Sketch";
    QTest::newRow("vapour pressure") << 2 << "Vapour pressure diagram";
    QTest::newRow("water content") << 3 << "Water content diagram";
    QTest::newRow("other kind") << 7 << "Construction Sketch";
}

void tst_DiagramView::svgTitleAndDescription() {
    QFETCH(int, kind);
    QFETCH(QString, title);
    Settings::instance().m_lastProjectFile = "/projects/wall.t2p";
    DiagramView view;
    view.resize(400, 250);
    const InputData d = construction({0.1, 0.2});
    view.setData(d, plainResults(d));
    view.setDiagramType(kind);
    QBuffer buffer;
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    view.exportSvg(&buffer);
    const QByteArray svg = buffer.data();
    QCOMPARE(svgElement(svg, "title"), title);
    QCOMPARE(svgElement(svg, "desc"), QString("/projects/wall.t2p"));
    // The drawing itself went into the file, not just the header.
    QVERIFY2(svg.contains("<path") || svg.contains("<polyline"), svg.left(400).constData());
}

void tst_DiagramView::exports_data() {
    QTest::addColumn<bool>("condensing");
    QTest::addColumn<int>("kind");
    for (int kind = 1; kind <= 3; ++kind) {
        QTest::addRow("condensation, kind %d", kind) << true << kind;
        QTest::addRow("no condensation, kind %d", kind) << false << kind;
    }
}

// The pixmap export: A4 page width at screen resolution, the widget's aspect ratio, a drawing
// inside it. With TAVO_DIAGRAM_PNG_DIR set the images are kept for inspection.
void tst_DiagramView::exports() {
    QFETCH(bool, condensing);
    QFETCH(int, kind);
    InputData d = condensing ? condensingWall() : dryWall();
    const CalculationResults results = calculate(d);
    QVERIFY2(condensing ? results.calcState >= 9 : results.calcState == 7,
             qPrintable(QString::number(results.calcState) + " " + results.messages.join(' ')));

    DiagramView view;
    view.resize(600, 400);
    view.setDiagramType(kind);
    view.setData(d, results);
    QPixmap pixmap;
    view.exportPixmap(pixmap);

    QPrinter printer(QPrinter::ScreenResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    const int pageWidth = int(printer.pageLayout().paintRectPixels(printer.resolution()).width());
    QVERIFY2(std::abs(pixmap.width() - pageWidth) <= 1,
             qPrintable(QString("%1 vs %2").arg(pixmap.width()).arg(pageWidth)));
    QVERIFY(std::abs(pixmap.height() - pixmap.width() * 400 / 600) <= 1);

    const QImage image = pixmap.toImage();
    QVERIFY(hasDarkPixelIn(image, image.rect()));
    QCOMPARE(image.pixel(0, 0), QColor(Qt::white).rgb());

    const QString dir = qEnvironmentVariable("TAVO_DIAGRAM_PNG_DIR");
    if (!dir.isEmpty()) {
        QDir().mkpath(dir);
        const QString name =
            QString("%1/%2-kind%3.png").arg(dir, condensing ? "condensing" : "dry").arg(kind);
        QVERIFY(pixmap.save(name, "PNG"));
    }
}

void tst_DiagramView::printToPdf() {
    InputData d = condensingWall();
    const CalculationResults results = calculate(d);
    DiagramView view;
    view.resize(600, 400);
    view.setData(d, results);
    QTemporaryDir dir;
    const QString file = dir.path() + "/diagram.pdf";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    view.printDiagram(&printer);
    QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::A4);
    QFile pdf(file);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
    QVERIFY(pdf.size() > 1000);
    const QString keep = qEnvironmentVariable("TAVO_DIAGRAM_PNG_DIR");
    if (!keep.isEmpty())
        QFile::copy(file, keep + "/condensing-kind3.pdf");
}

QTEST_MAIN(tst_DiagramView)
#include "tst_DiagramView.moc"
