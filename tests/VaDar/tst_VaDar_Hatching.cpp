#include <QtTest>

#include <QGraphicsScene>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>

#include <functional>
#include <vector>

#include "VaDarTestHelpers.h"
#include "VaDar_GraphicsRectItemWithHatch.h"
#include "VaDar_RectHatchingFunctions.h"
#include "ZMT_Exception.h"

using VaDar::GraphicsRectItemWithHatch;

namespace {

// Paint engine that only records what it is asked to draw.
class RecordingEngine : public QPaintEngine {
public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    Type type() const override { return QPaintEngine::User; }
    void drawLines(const QLineF *lines, int count) override {
        for (int i = 0; i < count; ++i)
            m_lines.push_back(lines[i]);
    }
    void drawLines(const QLine *lines, int count) override {
        for (int i = 0; i < count; ++i)
            m_lines.push_back(QLineF(lines[i]));
    }
    void drawPath(const QPainterPath &path) override { m_paths.push_back(path); }
    std::vector<QLineF> m_lines;
    std::vector<QPainterPath> m_paths;
};

class RecordingDevice : public QPaintDevice {
public:
    QPaintEngine *paintEngine() const override { return &m_engine; }
    mutable RecordingEngine m_engine;

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
        case PdmHeight:
            return 1000;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return 1 * QPaintDevice::devicePixelRatioFScale();
        default:
            return QPaintDevice::metric(metric);
        }
    }
};

struct Drawing {
    std::vector<QLineF> lines;
    std::vector<QPainterPath> paths;
};

Drawing record(int kind, const QRectF &rect, double distance) {
    RecordingDevice device;
    {
        QPainter painter(&device);
        GraphicsRectItemWithHatch::drawHatch(&painter, kind, rect, distance);
    }
    return {device.m_engine.m_lines, device.m_engine.m_paths};
}

bool samePoint(const QPointF &a, const QPointF &b) {
    return qAbs(a.x() - b.x()) < 1e-6 && qAbs(a.y() - b.y()) < 1e-6;
}

QString str(const QLineF &l) {
    return QString("(%1,%2)-(%3,%4)").arg(l.x1()).arg(l.y1()).arg(l.x2()).arg(l.y2());
}

} // namespace

Q_DECLARE_METATYPE(std::vector<QLineF>)

class tst_VaDar_Hatching : public QObject {
    Q_OBJECT
private slots:
    void lines_data();
    void lines();
    void nothingForUnusableInput_data();
    void nothingForUnusableInput();
    void insulationLoopsStayInsideRect_data();
    void insulationLoopsStayInsideRect();
    void nullPainterAsserts();
    void selectedItemShowsHeavyFrameOnly();
    void hatchDrawnOverFill();
};

void tst_VaDar_Hatching::lines_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QRectF>("rect");
    QTest::addColumn<double>("distance");
    QTest::addColumn<std::vector<QLineF>>("expected");
    const double e = 5 * M_SQRT2;
    QTest::newRow("horizontal, offset rect")
        << 1 << QRectF(10, 20, 40, 10) << 3.0
        << std::vector<QLineF>{{10, 23, 50, 23}, {10, 26, 50, 26}, {10, 29, 50, 29}};
    QTest::newRow("vertical") << 2 << QRectF(0, 0, 10, 4) << 4.0
                              << std::vector<QLineF>{{4, 0, 4, 4}, {8, 0, 8, 4}};
    // square of side 10, distance 5: n = 20 / (5 sqrt 2) = 2 per direction
    QTest::newRow("falling diagonal from top-right")
        << 3 << QRectF(0, 0, 10, 10) << 5.0
        << std::vector<QLineF>{{10 - e, 0, 10, e}, {0, 2 * e - 10, 10 - (2 * e - 10), 10}};
    QTest::newRow("rising diagonal from top-left")
        << 4 << QRectF(0, 0, 10, 10) << 5.0
        << std::vector<QLineF>{{0, e, e, 0}, {2 * e - 10, 10, 10, 2 * e - 10}};
    QTest::newRow("cross: falling then rising") << 5 << QRectF(0, 0, 10, 10) << 5.0
                                                << std::vector<QLineF>{{10 - e, 0, 10, e},
                                                                       {0, 2 * e - 10, 10 - (2 * e - 10), 10},
                                                                       {0, e, e, 0},
                                                                       {2 * e - 10, 10, 10, 2 * e - 10}};
    QTest::newRow("grid: horizontal then vertical")
        << 6 << QRectF(0, 0, 5, 5) << 2.0
        << std::vector<QLineF>{{0, 2, 5, 2}, {0, 4, 5, 4}, {2, 0, 2, 5}, {4, 0, 4, 5}};
    // the step reaches exactly the bottom corner: that degenerate line is left out
    QTest::newRow("rising stops at the corner point")
        << 4 << QRectF(0, 0, 3, 3) << 3 / M_SQRT2 << std::vector<QLineF>{{0, 3, 3, 0}};
    QTest::newRow("kind 0 draws nothing") << 0 << QRectF(0, 0, 10, 10) << 1.0 << std::vector<QLineF>{};
    QTest::newRow("unknown kind draws nothing") << 8 << QRectF(0, 0, 10, 10) << 1.0 << std::vector<QLineF>{};
}

void tst_VaDar_Hatching::lines() {
    QFETCH(int, kind);
    QFETCH(QRectF, rect);
    QFETCH(double, distance);
    QFETCH(std::vector<QLineF>, expected);
    const Drawing d = record(kind, rect, distance);
    QVERIFY(d.paths.empty());
    QCOMPARE(int(d.lines.size()), int(expected.size()));
    for (size_t i = 0; i < expected.size(); ++i) {
        QVERIFY2(
            samePoint(d.lines[i].p1(), expected[i].p1()) && samePoint(d.lines[i].p2(), expected[i].p2()),
            qPrintable(QString("line %1: %2, expected %3").arg(i).arg(str(d.lines[i]), str(expected[i]))));
    }
}

void tst_VaDar_Hatching::nothingForUnusableInput_data() {
    QTest::addColumn<QRectF>("rect");
    QTest::addColumn<double>("distance");
    QTest::newRow("distance larger than rect") << QRectF(0, 0, 10, 10) << 15.0;
    QTest::newRow("zero distance") << QRectF(0, 0, 10, 10) << 0.0;
    QTest::newRow("negative distance") << QRectF(0, 0, 10, 10) << -2.0;
    QTest::newRow("NaN distance") << QRectF(0, 0, 10, 10) << qQNaN();
    QTest::newRow("far too dense") << QRectF(0, 0, 1000, 1000) << 1e-9;
    QTest::newRow("empty rect") << QRectF(0, 0, 0, 0) << 1.0;
}

void tst_VaDar_Hatching::nothingForUnusableInput() {
    QFETCH(QRectF, rect);
    QFETCH(double, distance);
    for (int kind = 1; kind <= 6; ++kind) {
        const Drawing d = record(kind, rect, distance);
        QVERIFY2(d.lines.empty() && d.paths.empty(), qPrintable(QString("kind %1").arg(kind)));
    }
}

void tst_VaDar_Hatching::insulationLoopsStayInsideRect_data() {
    QTest::addColumn<QRectF>("rect");
    QTest::addColumn<double>("distance");
    QTest::addColumn<int>("loops");
    QTest::newRow("tall: 3 loops per square") << QRectF(5, 5, 10, 30) << 2.0 << 9;
    QTest::newRow("tall: distance above 3") << QRectF(0, 0, 20, 20) << 4.0 << 4;
    QTest::newRow("wide") << QRectF(0, 0, 100, 10) << 3.0 << 30;
}

void tst_VaDar_Hatching::insulationLoopsStayInsideRect() {
    QFETCH(QRectF, rect);
    QFETCH(double, distance);
    QFETCH(int, loops);
    const Drawing d = record(7, rect, distance);
    QCOMPARE(int(d.lines.size()), 2 * loops);
    QCOMPARE(int(d.paths.size()), 3 * loops);
    // the end arcs of the chain stick out by half a loop along the long side only
    const double p = qMax(rect.width(), rect.height()) / loops;
    const QRectF bounds =
        rect.width() < rect.height() ? rect.adjusted(0, -p, 0, p) : rect.adjusted(-p, 0, p, 0);
    for (const QLineF &l : d.lines)
        QVERIFY2(bounds.adjusted(-1e-6, -1e-6, 1e-6, 1e-6).contains(l.p1()) &&
                     bounds.adjusted(-1e-6, -1e-6, 1e-6, 1e-6).contains(l.p2()),
                 qPrintable(str(l)));
    for (const QPainterPath &path : d.paths)
        QVERIFY(bounds.adjusted(-1, -1, 1, 1).contains(path.boundingRect()));
}

void tst_VaDar_Hatching::nullPainterAsserts() {
    VaDarTest::RecordingHandler handler;
    ZMT::setMessageHandler(&handler);
    for (const auto &draw :
         {VaDar::drawHatchHorizontal, VaDar::drawHatchVertical, VaDar::drawHatchFallingDiagonal,
          VaDar::drawHatchRisingDiagonal, VaDar::drawHatchInsulation}) {
        try {
            draw(nullptr, QRectF(0, 0, 10, 10), 2);
            QFAIL("no assertion");
        } catch (const ZMT::Exception &ex) {
            QCOMPARE(QString::fromStdString(ex.what()).contains("painter"), true);
        }
    }
    ZMT::restoreDefaultMessageHandler();
}

void tst_VaDar_Hatching::selectedItemShowsHeavyFrameOnly() {
    for (bool selected : {false, true}) {
        QGraphicsScene scene(0, 0, 100, 60);
        auto *item = new GraphicsRectItemWithHatch(QRectF(10, 10, 80, 40), 0, 5);
        item->setBrush(Qt::yellow);
        item->setFlag(QGraphicsItem::ItemIsSelectable);
        scene.addItem(item);
        item->setSelected(selected);
        QImage img(100, 60, QImage::Format_ARGB32);
        img.fill(Qt::white);
        {
            QPainter painter(&img);
            scene.render(&painter, QRectF(0, 0, 100, 60), QRectF(0, 0, 100, 60));
        }
        // one pixel inside the edge: yellow fill, or the tripled black frame when selected
        const QRgb inner = img.pixel(11, 30);
        QVERIFY2(selected ? VaDarTest::isDark(inner) : inner == QColor(Qt::yellow).rgb(),
                 qPrintable(QString("selected %1: %2").arg(selected).arg(QColor(inner).name())));
        // kind 0: the interior is plain
        QCOMPARE(img.pixel(50, 30), QColor(Qt::yellow).rgb());
    }
}

void tst_VaDar_Hatching::hatchDrawnOverFill() {
    QGraphicsScene scene(0, 0, 100, 60);
    auto *item = new GraphicsRectItemWithHatch(QRectF(0, 0, 100, 60), 1, 10);
    item->setBrush(Qt::yellow);
    item->setPen(Qt::NoPen);
    scene.addItem(item);
    QImage img(100, 60, QImage::Format_ARGB32);
    img.fill(Qt::white);
    {
        QPainter painter(&img);
        scene.render(&painter, QRectF(0, 0, 100, 60), QRectF(0, 0, 100, 60));
    }
    // horizontal hatch at y = 10, 20, ...; yellow in between
    QVERIFY(VaDarTest::darkPixels(img, QRect(0, 9, 100, 3)) > 50);
    QCOMPARE(img.pixel(50, 15), QColor(Qt::yellow).rgb());
}

QTEST_MAIN(tst_VaDar_Hatching)
#include "tst_VaDar_Hatching.moc"
