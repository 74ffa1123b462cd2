#include <QtTest>

#include <QGraphicsItem>
#include <QGraphicsTextItem>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "DiagramScene.h"
#include "DiagramTestData.h"

using namespace DiagramTest;

namespace {

QImage device(int dpi = 96) {
    QImage image(10, 10, QImage::Format_ARGB32);
    const int dotsPerMeter = qRound(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    return image;
}

// Points of a line, path or polygon item in scene coordinates.
QVector<QPointF> points(const QGraphicsItem *item) {
    QVector<QPointF> result;
    if (auto line = qgraphicsitem_cast<const QGraphicsLineItem *>(item)) {
        result << line->line().p1() << line->line().p2();
    } else if (auto path = qgraphicsitem_cast<const QGraphicsPathItem *>(item)) {
        for (int i = 0; i < path->path().elementCount(); ++i)
            result << QPointF(path->path().elementAt(i));
    } else if (auto polygon = qgraphicsitem_cast<const QGraphicsPolygonItem *>(item)) {
        result = polygon->polygon();
    }
    for (QPointF &p : result)
        p = item->mapToScene(p);
    return result;
}

QString text(const QGraphicsItem *item) {
    auto t = qgraphicsitem_cast<const QGraphicsTextItem *>(item);
    return t != nullptr ? t->toPlainText() : QString();
}

QList<QGraphicsItem *> forIndex(const QList<QGraphicsItem *> &items, int index) {
    QList<QGraphicsItem *> result;
    for (QGraphicsItem *item : items)
        if (DiagramScene::itemIndex(item) == index)
            result << item;
    return result;
}

QStringList texts(const QList<QGraphicsItem *> &items) {
    QStringList result;
    for (const QGraphicsItem *item : items)
        result << text(item).trimmed();
    result.sort();
    return result;
}

bool near(double a, double b, double tolerance = 0.5) {
    return std::fabs(a - b) <= tolerance;
}

QString pair(double a, double b) {
    return QString("%1 vs %2").arg(a, 0, 'g', 10).arg(b, 0, 'g', 10);
}

// y on the straight line through the two points of a line item, at x.
double yOnLine(const QGraphicsItem *item, double x) {
    const QVector<QPointF> p = points(item);
    const double t = (x - p[0].x()) / (p[1].x() - p[0].x());
    return p[0].y() + t * (p[1].y() - p[0].y());
}

// Two-layer construction for the water content diagram: layer 0 carries the case under test,
// layer 1 stays dry. w80 0.04 gives the hygroscopic limit 0.0475.
InputData moistureConstruction(double w80 = 0.04) {
    return construction({0.1, 0.1}, material("Brick", 0.5, 10, w80, 0.3, 1, Qt::red));
}

const QRectF ScreenFrame(0, 0, 800, 500);

} // namespace

class tst_DiagramScene : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void boundaryPositions_data();
    void boundaryPositions();
    void thicknessLabel_data();
    void thicknessLabel();
    void dimensionChain_data();
    void dimensionChain();
    void temperatureBand_data();
    void temperatureBand();
    void noRedraw_data();
    void noRedraw();
    void emptyScene_data();
    void emptyScene();
    void realVapourPressure_data();
    void realVapourPressure();
    void waterContentZones_data();
    void waterContentZones();
    void waterContentScale_data();
    void waterContentScale();
    void insideFrame_data();
    void insideFrame();
};

void tst_DiagramScene::initTestCase() {
    QLocale::setDefault(QLocale::c());
}

void tst_DiagramScene::boundaryPositions_data() {
    QTest::addColumn<bool>("screenMode");
    QTest::addColumn<double>("r");
    QTest::addColumn<QRectF>("frame");
    QTest::addColumn<QVector<double>>("expected");
    // Sketch: the diagram spans the frame from its left edge to its width. Screen: pads 40/50,
    // gap max(10, 3 %); each increment truncated, never rounded (566.67 -> 566).
    QTest::newRow("screen") << true << 1.0 << QRectF(0, 0, 1000, 300) << QVector<double>{70, 636, 919};
    // The right edge is the frame's width, not its right edge; x0 = 45 + 29.85.
    QTest::newRow("screen, offset frame")
        << true << 1.0 << QRectF(5, 5, 1000, 300) << QVector<double>{74.85, 637.85, 918.85};
    // Report: pads 5r, gap max(10r, 3 %).
    QTest::newRow("report") << false << 10.0 << QRectF(0, 0, 2000, 1000) << QVector<double>{150, 1283, 1849};
}

void tst_DiagramScene::boundaryPositions() {
    QFETCH(bool, screenMode);
    QFETCH(double, r);
    QFETCH(QRectF, frame);
    QFETCH(QVector<double>, expected);
    QImage dev = device();
    DiagramScene scene(screenMode, &dev);
    const InputData d = construction({0.2, 0.1});
    scene.setupDiagram(frame, &dev, r, plainResults(d), d, DiagramScene::ConstructionSketch);
    const std::vector<double> &x = scene.boundaries();
    QCOMPARE(int(x.size()), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        QVERIFY2(std::fabs(x[i] - expected[i]) < 1e-9,
                 qPrintable(QString("boundary %1: ").arg(i) + pair(x[i], expected[i])));
    // The layer bands fill exactly the space between the boundaries.
    const QList<QGraphicsItem *> bands = scene.taggedItems(DiagramScene::TagLayerBand);
    QCOMPARE(bands.size(), 2);
    for (int i = 0; i < 2; ++i) {
        const QRectF band = qgraphicsitem_cast<QGraphicsRectItem *>(bands[i])->rect();
        QVERIFY(near(band.left(), x[i], 1e-9) && near(band.right(), x[i + 1], 1e-9));
        QVERIFY(near(band.top(), scene.diagramRect().top(), 1e-9));
        QVERIFY(near(band.bottom(), scene.diagramRect().bottom(), 1e-9));
    }
}

void tst_DiagramScene::thicknessLabel_data() {
    QTest::addColumn<double>("thickness");
    QTest::addColumn<QString>("label");
    QTest::newRow("175") << 0.175 << "175";
    QTest::newRow("12.5") << 0.0125 << "12.5";
    QTest::newRow("99.4") << 0.0994 << "99.4";
    QTest::newRow("fraction below 0.1 mm") << 0.02005 << "20";
    QTest::newRow("no locale") << 0.0015 << "1.5";
    QTest::newRow("1 mm") << 0.001 << "1";
}

void tst_DiagramScene::thicknessLabel() {
    QFETCH(double, thickness);
    QFETCH(QString, label);
    QLocale::setDefault(QLocale(QLocale::German));
    const QString result = DiagramScene::thicknessLabel(thickness);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(result, label);
}

void tst_DiagramScene::dimensionChain_data() {
    QTest::addColumn<QVector<double>>("widths");
    QTest::addColumn<int>("misfits");
    QTest::addColumn<double>("lineFactor"); // layer line above the chain bottom, in label heights
    QTest::newRow("all labels fit") << QVector<double>{0.175, 0.0994, 0.2} << 0 << 2.1;
    QTest::newRow("thin layers") << QVector<double>{0.1, 0.001, 0.001, 0.001, 0.1} << 3 << 3.1;
    QTest::newRow("thin first layer") << QVector<double>{0.0015, 0.3} << 1 << 3.1;
    QTest::newRow("single layer") << QVector<double>{0.2} << 0 << 1.0;
}

// Labels over their layers; labels too wide go below the layer line with a leader, never
// overlapping each other; the chain takes its room from the diagram.
void tst_DiagramScene::dimensionChain() {
    QFETCH(QVector<double>, widths);
    QFETCH(int, misfits);
    QFETCH(double, lineFactor);
    QImage dev = device();
    DiagramScene scene(true, &dev);
    const InputData d = construction(std::vector<double>(widths.begin(), widths.end()));
    const QRectF frame(0, 0, 600, 300);
    scene.setupDiagram(frame, &dev, 1.0, plainResults(d), d, DiagramScene::ConstructionSketch);

    const QList<QGraphicsItem *> above = scene.taggedItems(DiagramScene::TagLayerLabel);
    const QList<QGraphicsItem *> below = scene.taggedItems(DiagramScene::TagLayerLabelBelow);
    const QList<QGraphicsItem *> total = scene.taggedItems(DiagramScene::TagTotalLabel);
    QCOMPARE(below.size(), misfits);
    QCOMPARE(scene.taggedItems(DiagramScene::TagLeaderLine).size(), misfits);
    QCOMPARE(above.size() + below.size(), widths.size() > 1 ? widths.size() : 0);
    QCOMPARE(total.size(), 1);
    double sum = 0;
    for (double w : widths)
        sum += w;
    QCOMPARE(text(total[0]), DiagramScene::thicknessLabel(sum));

    const double H = total[0]->boundingRect().height();
    const double chainBottom = frame.height() - 15;
    const double layerLine = chainBottom - lineFactor * H;
    QVERIFY2(near(scene.diagramRect().bottom(), layerLine - H, 1e-6),
             qPrintable(pair(scene.diagramRect().bottom(), layerLine - H)));
    for (const QGraphicsItem *label : above) {
        const QRectF r = label->sceneBoundingRect();
        const int i = DiagramScene::itemIndex(label);
        QVERIFY(near(r.bottom(), layerLine, 1e-6));
        QVERIFY(near(r.center().x(), 0.5 * (scene.boundaries()[i] + scene.boundaries()[i + 1]), 1e-6));
        QCOMPARE(text(label), DiagramScene::thicknessLabel(widths[i]));
    }
    double previousRight = -1e9;
    for (const QGraphicsItem *label : below) {
        const QRectF r = label->sceneBoundingRect();
        QVERIFY(near(r.top(), layerLine, 1e-6));
        QVERIFY2(r.left() >= previousRight - 1e-9, qPrintable("overlap: " + pair(r.left(), previousRight)));
        previousRight = r.right();
    }
    // Total label and the lines of the chain stay inside the frame.
    QVERIFY(frame.contains(total[0]->sceneBoundingRect()));
    for (const QGraphicsItem *line : scene.taggedItems(DiagramScene::TagChainLine))
        QVERIFY(frame.contains(line->sceneBoundingRect()));
}

void tst_DiagramScene::temperatureBand_data() {
    QTest::addColumn<double>("inside");
    QTest::addColumn<double>("outside");
    QTest::addColumn<QString>("warmEnd"); // where the warm air sits: "top" or "bottom" of the band
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("normal") << 20.0 << -5.0 << "top"
                            << QStringList{"-5.0", "0.0", "10.0", "15.0", "20.0", "5.0"};
    QTest::newRow("off the 5 degree grid")
        << 21.3 << -7.2 << "top" << QStringList{"-5.0", "-7.2", "0.0", "10.0", "15.0", "20.0", "21.3", "5.0"};
    QTest::newRow("inverted") << -5.0 << 20.0 << "bottom" << QStringList{"-5.0", "20.0"};
    QTest::newRow("equal") << 10.0 << 10.0 << "top" << QStringList{"10.0", "10.0"};
}

void tst_DiagramScene::temperatureBand() {
    QFETCH(double, inside);
    QFETCH(double, outside);
    QFETCH(QString, warmEnd);
    QFETCH(QStringList, labels);
    QImage dev = device();
    DiagramScene scene(true, &dev);
    InputData d = construction({0.1, 0.2});
    setWinterTemperatures(d, inside, outside);
    const CalculationResults results = plainResults(d);
    scene.setupDiagram(ScreenFrame, &dev, 1.0, results, d, DiagramScene::VapourPressure);

    const QRectF D = scene.diagramRect();
    const double yA = std::trunc(D.top() + 0.05 * D.height());
    const double yB = std::trunc(D.bottom() - 0.25 * D.height());
    const QList<QGraphicsItem *> curve = scene.taggedItems(DiagramScene::TagTemperatureCurve);
    QCOMPARE(curve.size(), 2 + 2); // two air zones, two layers
    const QPointF warmAir = points(curve.first()).first();
    const QPointF coldAir = points(curve.last()).first();
    QCOMPARE(warmAir.x(), double(scene.warmEnd()));
    QCOMPARE(coldAir.x(), double(scene.coldEnd()));
    if (inside == outside) {
        // Collapsed band: one horizontal line at its top.
        for (const QGraphicsItem *item : curve)
            for (const QPointF &p : points(item))
                QVERIFY2(near(p.y(), yA, 1e-9), qPrintable(pair(p.y(), yA)));
    } else {
        QVERIFY2(near(warmAir.y(), warmEnd == "top" ? yA : yB, 1e-9), qPrintable(pair(warmAir.y(), yA)));
        QVERIFY2(near(coldAir.y(), warmEnd == "top" ? yB : yA, 1e-9), qPrintable(pair(coldAir.y(), yB)));
    }
    // The surface temperatures sit on the same scale: interface k at y(T[k]).
    const double p = inside == outside ? 0 : (yB - yA) / std::fabs(inside - outside);
    const QPointF surface = points(curve[1]).first();
    QVERIFY(near(surface.y(), warmAir.y() + (inside - results.T_Glaser[0]) * p, 1e-9));

    const QList<QGraphicsItem *> tickLabels = scene.taggedItems(DiagramScene::TagTemperatureLabel);
    QCOMPARE(texts(tickLabels), labels);
    // Labels end left of the axis ticks.
    const double axisX = scene.warmEnd() - 3;
    for (const QGraphicsItem *label : tickLabels)
        QVERIFY(near(label->sceneBoundingRect().right(), axisX - 4, 1e-6));
}

void tst_DiagramScene::noRedraw_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("redrawn");
    QTest::newRow("identical request") << "none" << false;
    QTest::newRow("frame differs by rounding noise") << "noise" << false;
    QTest::newRow("kind 0") << "kind0" << false;
    QTest::newRow("frame half a pixel wider") << "frame" << true;
    QTest::newRow("other kind") << "kind" << true;
    QTest::newRow("results changed") << "results" << true;
    QTest::newRow("input changed") << "input" << true;
}

void tst_DiagramScene::noRedraw() {
    QFETCH(QString, change);
    QFETCH(bool, redrawn);
    QImage dev = device();
    DiagramScene scene(true, &dev);
    InputData d = construction({0.1, 0.2});
    CalculationResults results = plainResults(d);
    QRectF frame(5, 5, 600, 400);
    int kind = DiagramScene::WaterContent;
    scene.setupDiagram(frame, &dev, 1.0, results, d, kind);
    const int itemCount = scene.items().size();
    scene.addRect(0, 0, 1, 1)->setData(DiagramScene::TagKey, 999);

    if (change == "noise")
        frame.setWidth(frame.width() * (1 + 1e-14));
    else if (change == "kind0")
        kind = DiagramScene::NoDiagram;
    else if (change == "frame")
        frame.setWidth(frame.width() + 0.5);
    else if (change == "kind")
        kind = DiagramScene::VapourPressure;
    else if (change == "results")
        results.T_Glaser[1] += 0.01;
    else if (change == "input")
        d.layers()[1].setWidth(0.21);
    scene.setupDiagram(frame, &dev, 1.0, results, d, kind);

    QCOMPARE(scene.taggedItems(999).isEmpty(), redrawn);
    if (!redrawn)
        QCOMPARE(scene.items().size(), itemCount + 1);
    if (change == "kind0")
        QCOMPARE(scene.diagramKind(), int(DiagramScene::WaterContent));
}

void tst_DiagramScene::emptyScene_data() {
    QTest::addColumn<QVector<double>>("widths");
    QTest::addColumn<int>("calcState");
    QTest::addColumn<int>("kind");
    QTest::newRow("zero-width layer, sketch") << QVector<double>{0.1, 0.0, 0.1} << 7 << 1;
    QTest::newRow("zero-width layer, water content") << QVector<double>{0.1, 0.0, 0.1} << 7 << 3;
    QTest::newRow("negative width") << QVector<double>{0.1, -0.02} << 7 << 2;
    QTest::newRow("no layers") << QVector<double>{} << 0 << 3;
    QTest::newRow("invalid input") << QVector<double>{0.1, 0.2} << 1 << 1;
    QTest::newRow("frame too small") << QVector<double>{0.1, 0.2} << 7 << 0;
}

// Nothing to draw: no visible item, no boundaries, no error; the scene still covers the frame.
void tst_DiagramScene::emptyScene() {
    QFETCH(QVector<double>, widths);
    QFETCH(int, calcState);
    QFETCH(int, kind);
    QImage dev = device();
    DiagramScene scene(true, &dev);
    const InputData d = construction(std::vector<double>(widths.begin(), widths.end()));
    CalculationResults results = plainResults(d);
    results.calcState = calcState;
    QRectF frame = ScreenFrame;
    if (kind == 0) { // a frame smaller than the air zones
        frame = QRectF(0, 0, 120, 80);
        kind = DiagramScene::VapourPressure;
    }
    scene.setupDiagram(frame, &dev, 1.0, results, d, kind);
    for (const QGraphicsItem *item : scene.items())
        QVERIFY2(!item->isVisible(),
                 qPrintable(QString("visible item with tag %1").arg(DiagramScene::itemTag(item))));
    QVERIFY(scene.boundaries().empty());
    QCOMPARE(scene.sceneRect(), frame);
}

void tst_DiagramScene::realVapourPressure_data() {
    QTest::addColumn<QVector<double>>("calculated");
    QTest::addColumn<QVector<double>>("saturation");
    QTest::addColumn<QVector<int>>("dashedLayers");
    QTest::newRow("no condensation") << QVector<double>{1168, 900, 600, 321}
                                     << QVector<double>{2200, 1500, 900, 420} << QVector<int>{};
    QTest::newRow("plane at interface 2") << QVector<double>{1168, 1000, 800, 321}
                                          << QVector<double>{2200, 1500, 700, 420} << QVector<int>{1, 2};
    QTest::newRow("zone over layer 1") << QVector<double>{1168, 1100, 900, 321}
                                       << QVector<double>{2200, 1000, 700, 420} << QVector<int>{0, 1, 2};
}

// The real pressure follows the calculated line but never rises above saturation; where the
// calculated line does, it is drawn dashed.
void tst_DiagramScene::realVapourPressure() {
    QFETCH(QVector<double>, calculated);
    QFETCH(QVector<double>, saturation);
    QFETCH(QVector<int>, dashedLayers);
    QImage dev = device();
    DiagramScene scene(true, &dev);
    const InputData d = construction({0.1, 0.1, 0.1});
    CalculationResults results = plainResults(d);
    results.pv_Glaser.assign(calculated.begin(), calculated.end());
    results.psat_Glaser.assign(saturation.begin(), saturation.end());
    scene.setupDiagram(ScreenFrame, &dev, 1.0, results, d, DiagramScene::VapourPressure);

    const QList<QGraphicsItem *> dashed = scene.taggedItems(DiagramScene::TagCalculatedPressure);
    QVector<int> dashedIndices;
    for (const QGraphicsItem *item : dashed)
        dashedIndices << DiagramScene::itemIndex(item);
    QCOMPARE(dashedIndices, dashedLayers);

    const QList<QGraphicsItem *> real = scene.taggedItems(DiagramScene::TagRealPressure);
    const QList<QGraphicsItem *> sat = scene.taggedItems(DiagramScene::TagSaturationCurve);
    for (int k = 0; k < 3; ++k) {
        const QList<QGraphicsItem *> realK = forIndex(real, k);
        QCOMPARE(realK.size(), 1);
        const QGraphicsItem *satK = forIndex(sat, k).value(0);
        const QGraphicsItem *calcK = forIndex(dashed, k).value(0);
        for (const QPointF &p : points(realK[0])) {
            // Lower pressure is further down: the real line is the lower of the two.
            const double expected = calcK ? std::max(yOnLine(calcK, p.x()), yOnLine(satK, p.x())) : p.y();
            QVERIFY2(near(p.y(), expected, 1e-6),
                     qPrintable(QString("layer %1: ").arg(k) + pair(p.y(), expected)));
            QVERIFY(p.y() >= yOnLine(satK, p.x()) - 1e-6);
        }
    }

    // The lowest tick is labelled with the cold air's vapour pressure and sits where the real
    // pressure line ends in the cold air.
    const QList<QGraphicsItem *> labels = scene.taggedItems(DiagramScene::TagPressureLabel);
    QCOMPARE(text(labels[1]).trimmed(), QString("321"));
    const QList<QGraphicsItem *> realAir = forIndex(real, -1);
    QCOMPARE(realAir.size(), 2);
    QVERIFY(near(labels[1]->sceneBoundingRect().center().y(), points(realAir[1]).first().y(), 0.5));

    // Legend: four entries inside a box ending 2m left of the cold surface.
    const QList<QGraphicsItem *> box = scene.taggedItems(DiagramScene::TagLegendBox);
    QCOMPARE(box.size(), 1);
    const QRectF boxRect = box[0]->boundingRect().adjusted(0.5, 0.5, -0.5, -0.5);
    QVERIFY(near(boxRect.right(), scene.boundaries().back() - 10, 1e-6));
    QCOMPARE(scene.taggedItems(DiagramScene::TagLegendEntry).size(), 4);
    for (const QGraphicsItem *item : scene.taggedItems(DiagramScene::TagLegendEntry))
        QVERIFY(boxRect.adjusted(-1e-6, -1e-6, 1e-6, 1e-6).contains(item->sceneBoundingRect()));
    for (const QGraphicsItem *item : scene.taggedItems(DiagramScene::TagLegendSample))
        for (const QPointF &p : points(item))
            QVERIFY(boxRect.contains(p));
}

void tst_DiagramScene::waterContentZones_data() {
    QTest::addColumn<double>("wLeft");
    QTest::addColumn<double>("wRight");
    QTest::addColumn<double>("zone");
    QTest::addColumn<QString>("wetPart"); // none, cold, warm, whole
    QTest::addColumn<bool>("flat");
    QTest::newRow("hygroscopic") << 0.01 << 0.03 << 0.0 << "none" << false;
    QTest::newRow("cold edge wet") << 0.02 << 0.2 << 0.02 << "cold" << false;
    QTest::newRow("cold edge wet, nominal zone") << 0.02 << 0.2 << 0.0 << "cold" << true;
    QTest::newRow("warm edge wet") << 0.2 << 0.02 << 0.03 << "warm" << false;
    QTest::newRow("warm edge wet, nominal zone") << 0.2 << 0.02 << 0.0 << "warm" << true;
    QTest::newRow("wet throughout, rising") << 0.1 << 0.2 << 0.1 << "whole" << false;
    QTest::newRow("wet throughout, falling") << 0.2 << 0.1 << 0.1 << "whole" << false;
    QTest::newRow("wet throughout, equal") << 0.15 << 0.15 << 0.1 << "whole" << true;
}

void tst_DiagramScene::waterContentZones() {
    QFETCH(double, wLeft);
    QFETCH(double, wRight);
    QFETCH(double, zone);
    QFETCH(QString, wetPart);
    QFETCH(bool, flat);
    QImage dev = device();
    DiagramScene scene(true, &dev);
    const InputData d = moistureConstruction();
    CalculationResults results = plainResults(d);
    results.calcState = CalculationResults::CS_OnePlane;
    results.glaserCase = CalculationResults::GC_OnePlane;
    results.w_left = {wLeft, 0.005};
    results.w_right = {wRight, 0.005};
    results.sk_Tavo = {zone, 0};
    scene.setupDiagram(ScreenFrame, &dev, 1.0, results, d, DiagramScene::WaterContent);

    const QRectF D = scene.diagramRect();
    const double wmax = std::max(wLeft, wRight);
    const double yA = std::trunc(D.top() + 0.05 * D.height());
    auto y = [&](double w) { return D.bottom() - w * (D.bottom() - yA) / wmax; };
    const double wh = 0.04 * 0.95 / 0.8;
    const double xa = scene.boundaries()[0];
    const double xb = scene.boundaries()[1];
    const double u = (xb - xa) / 0.1;

    const QList<QGraphicsItem *> hygroscopic = scene.taggedItems(DiagramScene::TagHygroscopicFill);
    const QList<QGraphicsItem *> wet = forIndex(scene.taggedItems(DiagramScene::TagCondensateFill), 0);
    QCOMPARE(hygroscopic.size(), 2);
    QCOMPARE(scene.taggedItems(DiagramScene::TagCondensateFill).size(), wetPart == "none" ? 0 : 1);
    // The dry second layer: a trapezoid up to its moisture content, hygroscopic limit line above it.
    for (const QPointF &p : points(forIndex(hygroscopic, 1)[0]))
        QVERIFY(near(p.y(), D.bottom(), 1e-9) || near(p.y(), y(0.005), 1e-9));
    QCOMPARE(forIndex(scene.taggedItems(DiagramScene::TagHygroscopicLimit), 1).size(), wmax > wh ? 1 : 0);

    if (wetPart == "none") {
        const QVector<QPointF> line =
            points(forIndex(scene.taggedItems(DiagramScene::TagMoistureLine), 0)[0]);
        QVERIFY(near(line[0].y(), y(wLeft), 1e-9) && near(line[1].y(), y(wRight), 1e-9));
        return;
    }
    const QVector<QPointF> zonePoints = points(wet[0]);
    double left = 1e9, right = -1e9;
    for (const QPointF &p : zonePoints) {
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        // Condensate stands on the hygroscopic limit and never exceeds the larger edge value.
        QVERIFY2(p.y() <= y(wh) + 1e-6 && p.y() >= y(wmax) - 1e-6, qPrintable(pair(p.y(), y(wh))));
    }
    const double zc = flat ? 3 : std::trunc(u * zone);
    double expectedLeft = xa, expectedRight = xb;
    if (wetPart == "cold")
        expectedLeft = xb - zc;
    else if (wetPart == "warm")
        expectedRight = xa + zc;
    QVERIFY2(near(left, expectedLeft, 1e-6), qPrintable("zone start " + pair(left, expectedLeft)));
    QVERIFY2(near(right, expectedRight, 1e-6), qPrintable("zone end " + pair(right, expectedRight)));

    // The top meets the edge values of the layer.
    auto topAt = [&](double x) {
        double top = 1e9;
        for (const QPointF &p : zonePoints)
            if (near(p.x(), x, 1e-6))
                top = std::min(top, p.y());
        return top;
    };
    if (wetPart != "warm")
        QVERIFY2(near(topAt(xb), y(wRight)), qPrintable("cold edge " + pair(topAt(xb), y(wRight))));
    if (wetPart != "cold")
        QVERIFY2(near(topAt(xa), y(wLeft)), qPrintable("warm edge " + pair(topAt(xa), y(wLeft))));
    if (flat) {
        const double top = y(wetPart == "cold" ? wRight : wLeft);
        for (const QPointF &p : zonePoints)
            QVERIFY2(near(p.y(), top, 1e-6) || near(p.y(), y(wh), 1e-6), qPrintable(pair(p.y(), top)));
    }
}

void tst_DiagramScene::waterContentScale_data() {
    QTest::addColumn<double>("w80");
    QTest::addColumn<QString>("topLabel");
    QTest::newRow("scale from the hygroscopic moisture") << 0.04 << "0.048";
    // No moisture storage at all: no scale; axes and layers only, no division by zero.
    QTest::newRow("no moisture storage") << 0.0 << "";
}

void tst_DiagramScene::waterContentScale() {
    QFETCH(double, w80);
    QFETCH(QString, topLabel);
    QImage dev = device();
    DiagramScene scene(true, &dev);
    const InputData d = moistureConstruction(w80);
    CalculationResults results = plainResults(d);
    results.w_left = {0, 0};
    results.w_right = {0, 0};
    scene.setupDiagram(ScreenFrame, &dev, 1.0, results, d, DiagramScene::WaterContent);

    QCOMPARE(scene.taggedItems(DiagramScene::TagMoistureAxis).size(), 1);
    QVERIFY(scene.taggedItems(DiagramScene::TagMoistureTitle).value(0)->isVisible());
    QCOMPARE(scene.taggedItems(DiagramScene::TagBoundaryLine).size(), 1);
    QCOMPARE(scene.taggedItems(DiagramScene::TagTemperatureCurve).size(), 4);
    const QList<QGraphicsItem *> labels = scene.taggedItems(DiagramScene::TagMoistureLabel);
    if (topLabel.isEmpty()) {
        QVERIFY(labels.isEmpty());
        QVERIFY(scene.taggedItems(DiagramScene::TagHygroscopicFill).isEmpty());
    } else {
        QCOMPARE(text(labels.value(0)), topLabel);
        QCOMPARE(scene.taggedItems(DiagramScene::TagHygroscopicFill).size(), 2);
    }
    for (const QGraphicsItem *item : scene.items()) {
        const QRectF r = item->sceneBoundingRect();
        QVERIFY(std::isfinite(r.left()) && std::isfinite(r.top()) && std::isfinite(r.width()) &&
                std::isfinite(r.height()));
    }
}

void tst_DiagramScene::insideFrame_data() {
    QTest::addColumn<bool>("condensing");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("screenMode");
    for (int kind = 1; kind <= 3; ++kind) {
        for (bool condensing : {true, false}) {
            QTest::addRow("%s, kind %d, screen", condensing ? "condensation" : "dry", kind)
                << condensing << kind << true;
            QTest::addRow("%s, kind %d, report", condensing ? "condensation" : "dry", kind)
                << condensing << kind << false;
        }
    }
}

// Realistic constructions on screen and on a 300 dpi report page: everything drawn stays inside
// the frame and the labels of each axis and of the chain do not overlap.
void tst_DiagramScene::insideFrame() {
    QFETCH(bool, condensing);
    QFETCH(int, kind);
    QFETCH(bool, screenMode);
    InputData d = condensing ? condensingWall() : dryWall();
    const CalculationResults results = calculate(d);
    const int dpi = screenMode ? 96 : 300;
    QImage dev = device(dpi);
    const double r = screenMode ? 1.0 : dpi / 25.4;
    // The report draws the diagram across the page width at 1.5:1.
    const QRectF frame = screenMode ? QRectF(5, 5, 690, 390) : QRectF(0, 0, 170 * r, 170 * r / 1.5);
    DiagramScene scene(screenMode, &dev);
    scene.setupDiagram(frame, &dev, r, results, d, kind);
    QVERIFY(!scene.boundaries().empty());

    // With TAVO_DIAGRAM_PNG_DIR set the report-mode drawings are kept for inspection.
    const QString dir = qEnvironmentVariable("TAVO_DIAGRAM_PNG_DIR");
    if (!dir.isEmpty() && !screenMode) {
        QImage page = device(dpi).scaled(frame.size().toSize());
        page.setDotsPerMeterX(dev.dotsPerMeterX());
        page.setDotsPerMeterY(dev.dotsPerMeterY());
        page.fill(Qt::white);
        QPainter painter(&page);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        scene.render(&painter, frame, frame);
        painter.end();
        QDir().mkpath(dir);
        QVERIFY(page.save(
            QString("%1/report-%2-kind%3.png").arg(dir, condensing ? "condensing" : "dry").arg(kind)));
    }

    const QRectF allowed = frame.adjusted(-1, -1, 1, 1);
    for (const QGraphicsItem *item : scene.items()) {
        if (!item->isVisible())
            continue;
        const QRectF br = item->sceneBoundingRect();
        QVERIFY2(allowed.contains(br), qPrintable(QString("tag %1 at %2,%3 %4x%5")
                                                      .arg(DiagramScene::itemTag(item))
                                                      .arg(br.x())
                                                      .arg(br.y())
                                                      .arg(br.width())
                                                      .arg(br.height())));
    }
    const int labelTags[] = {DiagramScene::TagTemperatureLabel, DiagramScene::TagPressureLabel,
                             DiagramScene::TagMoistureLabel, DiagramScene::TagLayerLabel,
                             DiagramScene::TagLayerLabelBelow};
    for (int tag : labelTags) {
        const QList<QGraphicsItem *> labels = scene.taggedItems(tag);
        for (int i = 0; i < labels.size(); ++i)
            for (int j = i + 1; j < labels.size(); ++j)
                QVERIFY2(
                    !labels[i]->sceneBoundingRect().intersects(labels[j]->sceneBoundingRect()),
                    qPrintable(
                        QString("tag %1: '%2' and '%3'").arg(tag).arg(text(labels[i]), text(labels[j]))));
    }
    if (kind != DiagramScene::ConstructionSketch) {
        QCOMPARE(scene.taggedItems(DiagramScene::TagTemperatureCurve).size(), d.layers().size() + 2);
        // Report mode measures in millimetres: pads of 5 mm, boundary lines 0.6 mm.
        if (!screenMode) {
            QCOMPARE(scene.warmEnd(), int(scene.diagramRect().left() + 5 * r));
            const auto *boundary = qgraphicsitem_cast<QGraphicsLineItem *>(
                scene.taggedItems(DiagramScene::TagBoundaryLine).value(0));
            QVERIFY(boundary != nullptr);
            QVERIFY(near(boundary->pen().widthF(), 0.6 * r, 1e-9));
        }
    }
}

QTEST_MAIN(tst_DiagramScene)
#include "tst_DiagramScene.moc"
