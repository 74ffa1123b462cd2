// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "NearlyEqual.h"

#include <QBuffer>
#include <QGraphicsItem>
#include <QGraphicsTextItem>
#include <QPixmap>
#include <QPrinter>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>

#include "DiagramScene.h"
#include "DiagramView.h"
#include "Document.h"
#include "Settings.h"

using Doubles = QVector<double>;

namespace {

const QRectF ScreenFrame(0, 0, 800, 500);

Material material(const QString &name, double lambda, double mu, double w80, double wsat, double aw,
                  const QColor &color = Qt::gray) {
    Material m(name, MaterialCategory(MaterialCategory::Miscellaneous), "", "", "", "", 1000, lambda, mu, w80,
               wsat, 0, 1);
    m.setAw(aw, false);
    m.color = color;
    return m;
}

// Layers of one material with the given widths (m), default winter climate.
InputData construction(const Doubles &widths,
                       const Material &m = material("Gypsum plaster", 0.51, 10, 0.004, 0.4, 1.5)) {
    InputData d;
    for (double w : widths)
        d.layers().append(MaterialLayer(m, w));
    return d;
}

// Results as the calculation would leave them without condensation: temperatures falling
// linearly, a straight vapour pressure line well below saturation, hygroscopic moisture.
CalculationResults plainResults(const InputData &d) {
    const int n = d.layers().size();
    CalculationResults r;
    r.resize(n);
    r.calcState = CalculationResults::CS_NoCondensation;
    r.glaserCase = CalculationResults::GC_NoCondensation;
    const double ti = d.assessmentConditions().interiorClimate().temperature();
    const double te = d.assessmentConditions().exteriorClimate().temperature();
    for (int k = 0; k <= n; ++k) {
        const double f = n > 0 ? double(k) / n : 0;
        r.T[k] = r.T_Glaser[k] = ti - 0.9 * f * (ti - te) - 0.05 * (ti - te);
        r.psat[k] = r.psat_Glaser[k] = 2300 - 1800 * f;
        r.pv[k] = r.pv_Glaser[k] = 1160 - 950 * f;
    }
    r.w_left.assign(n, 0.001);
    r.w_right.assign(n, 0.002);
    return r;
}

// An example project with condensation (insulated from inside) or without, read and calculated.
void example(bool condensing, Document &doc) {
    QFile file(QString(TAVO_EXAMPLES_DIR "/%1.t2p")
                   .arg(condensing ? "interior-insulation-brick-wall" : "brick-wall-etics"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader reader(&file);
    QVERIFY(doc.readXML(reader));
    doc.calculate();
}

// Two layers for the water content diagram: layer 0 carries the case under test, layer 1 stays
// dry. w80 0.04 gives the hygroscopic limit 0.0475.
InputData moistureConstruction(double w80 = 0.04) {
    return construction({0.1, 0.1}, material("Brick", 0.5, 10, w80, 0.3, 1, Qt::red));
}

// A scene with its paint device; screen mode draws in pixels, report mode in r per millimetre.
struct Drawing {
    explicit Drawing(bool screenMode = true, int dpi = 96)
        : dev(10, 10, QImage::Format_ARGB32), scene(screenMode, &dev) {
        dev.setDotsPerMeterX(qRound(dpi / 0.0254));
        dev.setDotsPerMeterY(qRound(dpi / 0.0254));
    }
    void draw(const InputData &d, const CalculationResults &res, DiagramKind kind,
              const QRectF &frame = ScreenFrame, double r = 1) {
        scene.setupDiagram(frame, &dev, r, res, d, kind);
    }
    QList<QGraphicsItem *> operator[](int tag) const { return scene.taggedItems(tag); }
    // The item of \a tag drawn for layer or boundary \a index.
    QGraphicsItem *at(int tag, int index) const {
        for (QGraphicsItem *item : scene.taggedItems(tag))
            if (DiagramScene::itemIndex(item) == index)
                return item;
        return nullptr;
    }
    QImage dev;
    DiagramScene scene;
};

// Points of a line, path or polygon item in scene coordinates.
QVector<QPointF> points(const QGraphicsItem *item) {
    QVector<QPointF> result;
    if (auto line = qgraphicsitem_cast<const QGraphicsLineItem *>(item))
        result << line->line().p1() << line->line().p2();
    else if (auto path = qgraphicsitem_cast<const QGraphicsPathItem *>(item))
        for (int i = 0; i < path->path().elementCount(); ++i)
            result << QPointF(path->path().elementAt(i));
    else if (auto polygon = qgraphicsitem_cast<const QGraphicsPolygonItem *>(item))
        result = polygon->polygon();
    for (QPointF &p : result)
        p = item->mapToScene(p);
    return result;
}

QString text(const QGraphicsItem *item) {
    auto t = qgraphicsitem_cast<const QGraphicsTextItem *>(item);
    return t != nullptr ? t->toPlainText().trimmed() : QString();
}

// y on the straight line through the two points of a line item, at x.
double yOnLine(const QGraphicsItem *item, double x) {
    const QVector<QPointF> p = points(item);
    return p[0].y() + (x - p[0].x()) / (p[1].x() - p[0].x()) * (p[1].y() - p[0].y());
}

// Everything drawn stays inside the frame; the labels of each axis and of the chain do not overlap.
void checkLayout(const DiagramScene &scene) {
    QVERIFY(!scene.boundaries().empty());
    for (const QGraphicsItem *item : scene.items())
        QVERIFY2(!item->isVisible() ||
                     scene.frameRect().adjusted(-1, -1, 1, 1).contains(item->sceneBoundingRect()),
                 qPrintable(QString("tag %1 outside").arg(DiagramScene::itemTag(item))));
    for (int tag :
         {DiagramScene::TagTemperatureLabel, DiagramScene::TagPressureLabel, DiagramScene::TagMoistureLabel,
          DiagramScene::TagLayerLabel, DiagramScene::TagLayerLabelBelow}) {
        const QList<QGraphicsItem *> labels = scene.taggedItems(tag);
        for (int i = 0; i < labels.size(); ++i)
            for (int j = i + 1; j < labels.size(); ++j)
                QVERIFY2(
                    !labels[i]->sceneBoundingRect().intersects(labels[j]->sceneBoundingRect()),
                    qPrintable(
                        QString("tag %1: '%2' and '%3'").arg(tag).arg(text(labels[i]), text(labels[j]))));
    }
}

} // namespace

class tst_ProfileDiagrams : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void boundaryPositions_data() {
        QTest::addColumn<bool>("screenMode");
        QTest::addColumn<double>("r");
        QTest::addColumn<QRectF>("frame");
        QTest::addColumn<Doubles>("expected");
        // Screen: pads 40/50, gap max(10, 3 %); each increment truncated, never rounded (566.67 -> 566).
        QTest::newRow("screen") << true << 1.0 << QRectF(0, 0, 1000, 300) << Doubles{70, 636, 919};
        // The right edge is the frame's width, not its right edge; x0 = 45 + 29.85.
        QTest::newRow("screen, offset frame")
            << true << 1.0 << QRectF(5, 5, 1000, 300) << Doubles{74.85, 637.85, 918.85};
        // Report: pads 5r, gap max(10r, 3 %).
        QTest::newRow("report") << false << 10.0 << QRectF(0, 0, 2000, 1000) << Doubles{150, 1283, 1849};
    }

    void boundaryPositions() {
        QFETCH(bool, screenMode);
        QFETCH(double, r);
        QFETCH(QRectF, frame);
        QFETCH(Doubles, expected);
        Drawing s(screenMode);
        const InputData d = construction({0.2, 0.1});
        s.draw(d, plainResults(d), DiagramKind::ConstructionSketch, frame, r);
        const std::vector<double> &x = s.scene.boundaries();
        QCOMPARE(int(x.size()), expected.size());
        for (int i = 0; i < expected.size(); ++i)
            VERIFY_NEAR(x[i], expected[i], 1e-9);
        // The layer bands fill exactly the space between the boundaries.
        const QRectF D = s.scene.diagramRect();
        for (int i = 0; i < 2; ++i)
            QCOMPARE(qgraphicsitem_cast<QGraphicsRectItem *>(s[DiagramScene::TagLayerBand].value(i))->rect(),
                     QRectF(QPointF(x[i], D.top()), QPointF(x[i + 1], D.bottom())));
    }

    void dimensionChain_data() {
        QTest::addColumn<Doubles>("widths");
        QTest::addColumn<int>("misfits");
        QTest::addColumn<QStringList>("labels"); // sorted, with the total
        QTest::newRow("all labels fit")
            << Doubles{0.175, 0.0994, 0.2} << 0 << QStringList{"175", "200", "474,4", "99,4"};
        QTest::newRow("thin layers") << Doubles{0.1, 0.001, 0.001, 0.001, 0.1} << 3
                                     << QStringList{"1", "1", "1", "100", "100", "203"};
        QTest::newRow("thin first layer") << Doubles{0.0125, 0.3} << 1 << QStringList{"12,5", "300", "312,5"};
        QTest::newRow("foil beside a board")
            << Doubles{0.0125, 0.0004, 0.3} << 2 << QStringList{"0,4", "12,5", "300", "312,9"};
        QTest::newRow("thin layers at the cold side")
            << Doubles{0.3, 0.0004, 0.0005, 0.0003} << 3 << QStringList{"0,3", "0,4", "0,5", "300", "301,2"};
        QTest::newRow("single layer: total only, no fraction below 0.1 mm")
            << Doubles{0.02005} << 0 << QStringList{"20"};
    }

    // Labels sit over their layers; labels too wide go below the layer line with a leader, apart
    // from each other, clear of the extension lines and between the surfaces. Millimetres in the
    // number format of the locale, like the axes.
    void dimensionChain() {
        QFETCH(Doubles, widths);
        QFETCH(int, misfits);
        QFETCH(QStringList, labels);
        Drawing s;
        const InputData d = construction(widths);
        const QRectF frame(0, 0, 600, 300);
        QLocale::setDefault(QLocale(QLocale::German));
        s.draw(d, plainResults(d), DiagramKind::ConstructionSketch, frame);
        QLocale::setDefault(QLocale::c());
        const QList<QGraphicsItem *> above = s[DiagramScene::TagLayerLabel],
                                     below = s[DiagramScene::TagLayerLabelBelow];
        QCOMPARE(below.size(), misfits);
        QCOMPARE(s[DiagramScene::TagLeaderLine].size(), misfits);
        QStringList texts{text(s[DiagramScene::TagTotalLabel].value(0))};
        const std::vector<double> &x = s.scene.boundaries();
        double previousRight = -1e9;
        for (QGraphicsItem *label : above + below) {
            const QRectF r = label->sceneBoundingRect();
            texts << text(label);
            QVERIFY2(r.top() >= s.scene.diagramRect().bottom() && frame.contains(r), qPrintable(text(label)));
            if (below.contains(label)) {
                QVERIFY2(r.left() > previousRight, "labels below the line touch or overlap");
                QVERIFY2(r.left() > x.front() && r.right() < x.back(), "label beyond a surface");
                previousRight = r.right();
                for (QGraphicsItem *line : s[DiagramScene::TagExtensionLine] + s[DiagramScene::TagChainLine])
                    QVERIFY2(!line->sceneBoundingRect().intersects(r.adjusted(0, 1, 0, -1)),
                             qPrintable(text(label) + " crossed by a line"));
            } else {
                const int i = DiagramScene::itemIndex(label);
                VERIFY_NEAR(r.center().x(), (x[i] + x[i + 1]) / 2, 1e-6);
            }
        }
        texts.sort();
        QCOMPARE(texts, labels);
    }

    void temperatureBand_data() {
        QTest::addColumn<double>("inside");
        QTest::addColumn<double>("outside");
        QTest::newRow("normal") << 20.0 << -5.0;
        QTest::newRow("inverted: warm air at the bottom") << -5.0 << 20.0;
        QTest::newRow("equal") << 10.0 << 10.0;
    }

    void temperatureBand() {
        QFETCH(double, inside);
        QFETCH(double, outside);
        Drawing s;
        InputData d = construction({0.1, 0.2});
        auto &conditions = d.assessmentConditions();
        conditions.setValue(AssessmentConditions::Temperature, AssessmentConditions::Winter, true, inside);
        conditions.setValue(AssessmentConditions::Temperature, AssessmentConditions::Winter, false, outside);
        s.draw(d, plainResults(d), DiagramKind::VapourPressure);
        const QRectF D = s.scene.diagramRect();
        const double top = std::trunc(D.top() + 0.05 * D.height()),
                     bottom = std::trunc(D.bottom() - 0.25 * D.height());
        const QList<QGraphicsItem *> curve = s[DiagramScene::TagTemperatureCurve];
        QCOMPARE(curve.size(), 2 + 2); // two air zones, two layers
        const QPointF warmAir = points(curve.first()).first(), coldAir = points(curve.last()).first();
        // The warmer air sits at the top of the band; equal temperatures collapse it to its top.
        VERIFY_NEAR(warmAir.y(), inside < outside ? bottom : top, 1e-9);
        VERIFY_NEAR(coldAir.y(), inside > outside ? bottom : top, 1e-9);
        for (const QGraphicsItem *item : curve)
            for (const QPointF &p : points(item))
                QVERIFY(p.y() >= top && p.y() <= bottom && (inside != outside || p.y() == top));
        QCOMPARE(s[DiagramScene::TagTemperatureLabel].size(), inside > outside ? 6 : 2); // 5 degree steps
    }

    void emptyScene_data() {
        QTest::addColumn<Doubles>("widths");
        QTest::addColumn<int>("calcState");
        QTest::addColumn<QRectF>("frame");
        QTest::newRow("zero-width layer") << Doubles{0.1, 0.0, 0.1} << 7 << ScreenFrame;
        QTest::newRow("invalid input") << Doubles{0.1, 0.2} << 1 << ScreenFrame;
        QTest::newRow("frame smaller than the pads") << Doubles{0.1, 0.2} << 7 << QRectF(0, 0, 60, 40);
    }

    // Nothing to draw: no visible item, no boundaries, no error; the scene still covers the frame.
    void emptyScene() {
        QFETCH(Doubles, widths);
        QFETCH(int, calcState);
        QFETCH(QRectF, frame);
        for (int kind = 1; kind <= 3; ++kind) {
            Drawing s;
            const InputData d = construction(widths);
            CalculationResults results = plainResults(d);
            results.calcState = calcState;
            s.draw(d, results, DiagramKind(kind), frame);
            for (const QGraphicsItem *item : s.scene.items())
                QVERIFY2(!item->isVisible(),
                         qPrintable(QString("kind %1: tag %2").arg(kind).arg(DiagramScene::itemTag(item))));
            QVERIFY(s.scene.boundaries().empty());
            QCOMPARE(s.scene.sceneRect(), frame);
        }
    }

    void realVapourPressure_data() {
        QTest::addColumn<Doubles>("calculated"); // at the interfaces 1 and 2
        QTest::addColumn<Doubles>("saturation");
        QTest::addColumn<QVector<int>>("dashedLayers");
        QTest::newRow("no condensation") << Doubles{900, 600} << Doubles{1500, 900} << QVector<int>{};
        QTest::newRow("plane at interface 2")
            << Doubles{1000, 800} << Doubles{1500, 700} << QVector<int>{1, 2};
        QTest::newRow("zone over layer 1")
            << Doubles{1100, 900} << Doubles{1000, 700} << QVector<int>{0, 1, 2};
    }

    // The real pressure follows the calculated line but never rises above saturation; where the
    // calculated line does, it is drawn dashed.
    void realVapourPressure() {
        QFETCH(Doubles, calculated);
        QFETCH(Doubles, saturation);
        QFETCH(QVector<int>, dashedLayers);
        Drawing s;
        const InputData d = construction({0.1, 0.1, 0.1});
        CalculationResults results = plainResults(d);
        results.pv_Glaser = {1168, calculated[0], calculated[1], 321};
        results.psat_Glaser = {2200, saturation[0], saturation[1], 420};
        s.draw(d, results, DiagramKind::VapourPressure);
        QVector<int> dashedIndices;
        for (const QGraphicsItem *item : s[DiagramScene::TagCalculatedPressure])
            dashedIndices << DiagramScene::itemIndex(item);
        QCOMPARE(dashedIndices, dashedLayers);
        for (int k = 0; k < 3; ++k) {
            const QGraphicsItem *sat = s.at(DiagramScene::TagSaturationCurve, k),
                                *calc = s.at(DiagramScene::TagCalculatedPressure, k);
            for (const QPointF &p : points(s.at(DiagramScene::TagRealPressure, k))) {
                // Lower pressure is further down: the real line is the lower of the two.
                VERIFY_NEAR(p.y(), calc ? std::max(yOnLine(calc, p.x()), yOnLine(sat, p.x())) : p.y(), 1e-6);
                QVERIFY(p.y() >= yOnLine(sat, p.x()) - 1e-6);
            }
        }
    }

    void waterContentZones_data() {
        QTest::addColumn<double>("wLeft");
        QTest::addColumn<double>("wRight");
        QTest::addColumn<double>("zone");
        QTest::addColumn<QString>("wetPart"); // none, cold, warm, whole
        QTest::newRow("hygroscopic") << 0.01 << 0.03 << 0.0 << "none";
        QTest::newRow("cold edge wet") << 0.02 << 0.2 << 0.02 << "cold";
        QTest::newRow("cold edge wet, nominal zone") << 0.02 << 0.2 << 0.0 << "cold";
        QTest::newRow("warm edge wet") << 0.2 << 0.02 << 0.03 << "warm";
        QTest::newRow("warm edge wet, nominal zone") << 0.2 << 0.02 << 0.0 << "warm";
        QTest::newRow("wet throughout, rising") << 0.1 << 0.2 << 0.1 << "whole";
        QTest::newRow("wet throughout, equal") << 0.15 << 0.15 << 0.1 << "whole";
    }

    // Layer 0 carries the case; the dry layer 1 keeps its hygroscopic fill.
    void waterContentZones() {
        QFETCH(double, wLeft);
        QFETCH(double, wRight);
        QFETCH(double, zone);
        QFETCH(QString, wetPart);
        Drawing s;
        const InputData d = moistureConstruction();
        CalculationResults results = plainResults(d);
        results.calcState = CalculationResults::CS_OnePlane;
        results.glaserCase = CalculationResults::GC_OnePlane;
        results.w_left = {wLeft, 0.005};
        results.w_right = {wRight, 0.005};
        results.sk_Tavo = {zone, 0};
        s.draw(d, results, DiagramKind::WaterContent);
        const QRectF D = s.scene.diagramRect();
        const double wmax = std::max(wLeft, wRight), wh = 0.04 * 0.95 / 0.8,
                     yA = std::trunc(D.top() + 0.05 * D.height());
        auto y = [&](double w) { return D.bottom() - w * (D.bottom() - yA) / wmax; };
        const double xa = s.scene.boundaries()[0], xb = s.scene.boundaries()[1];
        QCOMPARE(s[DiagramScene::TagHygroscopicFill].size(), 2);
        QCOMPARE(s[DiagramScene::TagCondensateFill].size(), wetPart == "none" ? 0 : 1);
        if (wetPart == "none")
            return;
        // Condensate stands on the hygroscopic limit and never exceeds the larger edge value; its
        // width is the zone (truncated to pixels, 3 px when nominal) at the wet edge.
        double left = 1e9, right = -1e9, top = 1e9;
        for (const QPointF &p : points(s.at(DiagramScene::TagCondensateFill, 0))) {
            left = std::min(left, p.x());
            right = std::max(right, p.x());
            top = std::min(top, p.y());
            QVERIFY2(p.y() <= y(wh) + 1e-6 && p.y() >= y(wmax) - 1e-6, qPrintable(QString::number(p.y())));
        }
        const double zc = zone == 0 ? 3 : std::trunc((xb - xa) / 0.1 * zone);
        VERIFY_NEAR(left, wetPart == "cold" ? xb - zc : xa, 1e-6);
        VERIFY_NEAR(right, wetPart == "warm" ? xa + zc : xb, 1e-6);
        VERIFY_NEAR(top, y(wmax), 1e-6);
    }

    void waterContentScale_data() {
        QTest::addColumn<double>("w80");
        QTest::addColumn<QString>("topLabel");
        QTest::newRow("scale from the hygroscopic moisture") << 0.04 << "0.048";
        // No moisture storage at all: no scale; axes and layers only, no division by zero.
        QTest::newRow("no moisture storage") << 0.0 << "";
    }

    void waterContentScale() {
        QFETCH(double, w80);
        QFETCH(QString, topLabel);
        Drawing s;
        const InputData d = moistureConstruction(w80);
        CalculationResults results = plainResults(d);
        results.w_left = results.w_right = {0, 0};
        s.draw(d, results, DiagramKind::WaterContent);
        QCOMPARE(text(s[DiagramScene::TagMoistureLabel].value(0)), topLabel);
        QCOMPARE(s[DiagramScene::TagHygroscopicFill].size(), topLabel.isEmpty() ? 0 : 2);
        for (const QGraphicsItem *item : s.scene.items()) {
            const QRectF r = item->sceneBoundingRect();
            QVERIFY(std::isfinite(r.left() + r.top() + r.width() + r.height()));
        }
    }

    void viewResizeRule_data() {
        QTest::addColumn<QVector<QSize>>("steps");
        QTest::addColumn<bool>("redrawn");
        QTest::newRow("4 px wider") << QVector<QSize>{{504, 300}} << false;
        QTest::newRow("4 px shorter") << QVector<QSize>{{500, 296}} << false;
        QTest::newRow("5 px wider") << QVector<QSize>{{505, 300}} << true;
        QTest::newRow("5 px taller") << QVector<QSize>{{500, 305}} << true;
        // Small steps add up: a slow drag must end in a redraw.
        QTest::newRow("two 3 px steps") << QVector<QSize>{{503, 300}, {506, 300}} << true;
    }

    void viewResizeRule() {
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
        QCOMPARE(view.diagramScene()->frameRect(), QRectF(5, 5, 490, 290));
        for (const QSize &size : steps)
            view.resize(size);
        const QSize last = redrawn ? steps.last() : QSize(500, 300);
        QCOMPARE(view.diagramScene()->frameRect(), QRectF(5, 5, last.width() - 10, last.height() - 10));
    }

    void viewSvgTitle_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("title");
        QTest::newRow("sketch") << 1 << "Construction Sketch";
        QTest::newRow("vapour pressure") << 2 << "Vapour pressure diagram";
        QTest::newRow("water content") << 3 << "Water content diagram";
        QTest::newRow("other kind") << 7 << "Construction Sketch";
    }

    void viewSvgTitle() {
        QFETCH(int, kind);
        QFETCH(QString, title);
        Settings::instance().m_lastProjectFile = "/projects/wall.t2p";
        DiagramView view;
        view.resize(400, 250);
        const InputData d = construction({0.1, 0.2});
        view.setData(d, plainResults(d));
        view.setDiagramType(DiagramKind(kind));
        QVERIFY(kind > 3 || int(view.diagramScene()->diagramKind()) == kind); // redrawn at once
        QBuffer buffer;
        QVERIFY(buffer.open(QIODevice::WriteOnly));
        view.exportSvg(&buffer);
        QVERIFY(buffer.data().contains(QString("<title>%1</title>").arg(title).toUtf8()));
        QVERIFY(buffer.data().contains("<desc>/projects/wall.t2p</desc>"));
        // The drawing itself went into the file, not just the header.
        QVERIFY(buffer.data().contains("<path") || buffer.data().contains("<polyline"));
    }

    void viewExports_data() {
        QTest::addColumn<bool>("condensing");
        QTest::addColumn<int>("kind");
        for (int kind = 1; kind <= 3; ++kind) {
            QTest::addRow("condensation, kind %d", kind) << true << kind;
            QTest::addRow("no condensation, kind %d", kind) << false << kind;
        }
    }

    // The examples on screen and on a 300 dpi report page (170 mm wide at 1.5:1) keep inside the
    // frame. The pixmap export is A4 page width at screen resolution in the widget's aspect ratio;
    // the printout goes onto A4 whatever the printer had. TAVO_DIAGRAM_PNG_DIR keeps the images.
    void viewExports() {
        QFETCH(bool, condensing);
        QFETCH(int, kind);
        Document doc;
        example(condensing, doc);
        QVERIFY(condensing ? doc.results().calcState >= 9 : doc.results().calcState == 7);
        DiagramView view;
        view.resize(600, 400);
        view.setDiagramType(DiagramKind(kind));
        view.setData(doc.inputData(), doc.results());
        checkLayout(*view.diagramScene());
        const double r = 300 / 25.4;
        Drawing report(false, 300);
        report.draw(doc.inputData(), doc.results(), DiagramKind(kind), QRectF(0, 0, 170 * r, 170 * r / 1.5),
                    r);
        checkLayout(report.scene);
        QPixmap pixmap;
        view.exportPixmap(pixmap);
        QPrinter printer(QPrinter::ScreenResolution);
        printer.setPageSize(QPageSize(QPageSize::A4));
        QVERIFY(std::abs(pixmap.width() -
                         printer.pageLayout().paintRectPixels(printer.resolution()).width()) <= 1);
        QVERIFY(std::abs(pixmap.height() - pixmap.width() * 400 / 600) <= 1);
        QImage blank(pixmap.size(), QImage::Format_RGB32);
        blank.fill(Qt::white);
        QVERIFY(pixmap.toImage().convertToFormat(QImage::Format_RGB32) != blank);
        if (qEnvironmentVariableIsSet("TAVO_DIAGRAM_PNG_DIR"))
            pixmap.save(QString("%1/%2-kind%3.png")
                            .arg(qgetenv("TAVO_DIAGRAM_PNG_DIR"), condensing ? "condensing" : "dry")
                            .arg(kind));
        QTemporaryDir dir;
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setPageSize(QPageSize(QPageSize::Letter));
        pdf.setOutputFileName(dir.filePath("diagram.pdf"));
        view.printDiagram(&pdf);
        QCOMPARE(pdf.pageLayout().pageSize().id(), QPageSize::A4);
    }
};

QTEST_MAIN(tst_ProfileDiagrams)
#include "tst_ProfileDiagrams.moc"
