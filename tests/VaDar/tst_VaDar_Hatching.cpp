// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>

#include <vector>

#include "VaDar_GraphicsRectItemWithHatch.h"

using VaDar::GraphicsRectItemWithHatch;
using Lines = std::vector<QLineF>;
Q_DECLARE_METATYPE(Lines)

namespace {

// Paint device with an engine that only records the lines and paths it is asked to draw.
class Recorder : public QPaintDevice, public QPaintEngine {
public:
    Recorder(int kind, const QRectF &rect, double distance) : QPaintEngine(AllFeatures) {
        QPainter painter(this);
        GraphicsRectItemWithHatch::drawHatch(&painter, kind, rect, distance);
    }
    QPaintEngine *paintEngine() const override { return const_cast<Recorder *>(this); }
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    Type type() const override { return User; }
    using QPaintEngine::drawLines;
    void drawLines(const QLineF *lines, int count) override {
        m_lines.insert(m_lines.end(), lines, lines + count);
    }
    void drawPath(const QPainterPath &path) override { m_paths.push_back(path); }
    Lines m_lines;
    std::vector<QPainterPath> m_paths;

protected:
    int metric(PaintDeviceMetric m) const override {
        return m == PdmDevicePixelRatioScaled ? int(devicePixelRatioFScale())
               : m == PdmDevicePixelRatio     ? 1
                                              : 1000;
    }
};

} // namespace

class tst_VaDar_Hatching : public QObject {
    Q_OBJECT
private slots:
    void lines_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QRectF>("rect");
        QTest::addColumn<double>("distance");
        QTest::addColumn<Lines>("expected");
        // Square of side 10, distance 5: 20 / (5 sqrt 2) = 2 diagonals per direction.
        const double e = 5 * M_SQRT2, f = 2 * e - 10;
        const Lines falling{{10 - e, 0, 10, e}, {0, f, 10 - f, 10}}, rising{{0, e, e, 0}, {f, 10, 10, f}};
        const QRectF square(0, 0, 10, 10);
        QTest::newRow("horizontal, offset rect")
            << 1 << QRectF(10, 20, 40, 10) << 3.0
            << Lines{{10, 23, 50, 23}, {10, 26, 50, 26}, {10, 29, 50, 29}};
        QTest::newRow("vertical") << 2 << QRectF(0, 0, 10, 4) << 4.0 << Lines{{4, 0, 4, 4}, {8, 0, 8, 4}};
        QTest::newRow("falling from top-right") << 3 << square << 5.0 << falling;
        QTest::newRow("rising from top-left") << 4 << square << 5.0 << rising;
        QTest::newRow("cross: falling then rising")
            << 5 << square << 5.0 << Lines{falling[0], falling[1], rising[0], rising[1]};
        // The step reaches exactly the bottom corner: that degenerate line is left out.
        QTest::newRow("rising stops at the corner")
            << 4 << QRectF(0, 0, 3, 3) << 3 / M_SQRT2 << Lines{{0, 3, 3, 0}};
        QTest::newRow("kind 0 draws nothing") << 0 << square << 1.0 << Lines{};
        QTest::newRow("unknown kind draws nothing") << 8 << square << 1.0 << Lines{};
        // Unusable input draws nothing, and a far too dense pattern must not run for ever.
        QTest::newRow("distance larger than rect") << 2 << square << 15.0 << Lines{};
        QTest::newRow("zero distance") << 1 << square << 0.0 << Lines{};
        QTest::newRow("NaN distance") << 4 << square << qQNaN() << Lines{};
        QTest::newRow("far too dense, grid") << 6 << QRectF(0, 0, 1000, 1000) << 1e-9 << Lines{};
        QTest::newRow("far too dense, diagonals") << 5 << QRectF(0, 0, 1000, 1000) << 1e-9 << Lines{};
        QTest::newRow("empty rect") << 3 << QRectF(0, 0, 0, 0) << 1.0 << Lines{};
    }

    void lines() {
        QFETCH(int, kind);
        QFETCH(QRectF, rect);
        QFETCH(double, distance);
        QFETCH(Lines, expected);
        const Recorder r(kind, rect, distance);
        QVERIFY(r.m_paths.empty());
        QCOMPARE(r.m_lines.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            QCOMPARE(r.m_lines[i].p1(), expected[i].p1());
            QCOMPARE(r.m_lines[i].p2(), expected[i].p2());
        }
    }
};

QTEST_MAIN(tst_VaDar_Hatching)
#include "tst_VaDar_Hatching.moc"
