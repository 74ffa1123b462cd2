// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QAction>
#include <QIcon>
#include <QToolBar>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "VaDar_ConstructionGraphicsSceneHorizontal.h"
#include "VaDar_ConstructionGraphicsSceneVertical.h"
#include "VaDar_ConstructionView.h"
#include "VaDar_ConstructionViewWidget.h"
#include "VaDar_GraphicsRectItemWithHatch.h"
#include "VaDar_GraphicsTextItemInRect.h"

using namespace VaDar;
using Layers = QVector<ConstructionLayer>;
using Positions = std::vector<double>;
Q_DECLARE_METATYPE(Positions)
Q_DECLARE_METATYPE(VaDar::ConstructionLayer)

namespace {

// Plaster, brick, insulation, board and render; widths chosen so that no layer comes out at a
// whole number of pixels, where the truncation would hang on the last bit of a double.
Layers fiveLayers() {
    return {{0.015, "Lime plaster", QColor(240, 235, 220), 4, 4},
            {0.24, "Solid brick", QColor(178, 70, 40), 5, 8},
            {0.12, "Mineral wool", QColor(255, 240, 0), 7, 3},
            {0.0125, "Gypsum board", QColor(230, 230, 230), 3, 4},
            {0.02, "Render", QColor(20, 20, 120), 0, 0}};
}

std::unique_ptr<ConstructionGraphicsSceneBase> makeScene(bool vertical, bool onScreen) {
    if (vertical)
        return std::make_unique<ConstructionGraphicsSceneVertical>(onScreen, nullptr);
    return std::make_unique<ConstructionGraphicsSceneHorizontal>(onScreen, nullptr);
}

QPoint viewportPos(const ConstructionView &view, int layer) {
    return view.mapFromScene(view.constructionScene()->layerItem(layer)->rect().center());
}

} // namespace

class tst_VaDar_ConstructionView : public QObject {
    Q_OBJECT
private slots:
    void layout_data() {
        QTest::addColumn<bool>("vertical");
        QTest::addColumn<bool>("onScreen");
        QTest::addColumn<double>("resolution");
        QTest::addColumn<int>("visibleItems");
        QTest::addColumn<QRectF>("frame");
        QTest::addColumn<Positions>("boundaries");
        QTest::addColumn<double>("across"); ///< where the layers start across the drawing

        // 600 px wide: side bands of 3 % (18 px) beside margins of 40 and 50 px leave 474 px.
        QTest::newRow("horizontal") << false << true << 1.0 << 7 << QRectF(0, 0, 600, 300)
                                    << Positions{58, 75, 354, 493, 507, 530} << 5.0;
        QTest::newRow("horizontal, no side bands") << false << true << 1.0 << 3 << QRectF(0, 0, 600, 300)
                                                   << Positions{40, 58, 358, 508, 523, 548} << 5.0;
        // Print at 4 pixels per mm: margins of 5 mm, side bands of 10 mm.
        QTest::newRow("horizontal, print") << false << false << 4.0 << 7 << QRectF(0, 0, 800, 400)
                                           << Positions{60, 85, 485, 685, 705, 738} << 20.0;
        // 600 px high: side bands of 10 px beside margins of 40 and 50 px leave 490 px.
        QTest::newRow("vertical") << true << true << 1.0 << 7 << QRectF(0, 0, 300, 600)
                                  << Positions{50, 68, 356, 500, 515, 539} << 5.0;
    }

    void layout() {
        QFETCH(bool, vertical);
        QFETCH(bool, onScreen);
        QFETCH(double, resolution);
        QFETCH(int, visibleItems);
        QFETCH(QRectF, frame);
        QFETCH(Positions, boundaries);
        QFETCH(double, across);
        const Layers layers = fiveLayers();
        auto scene = makeScene(vertical, onScreen);
        scene->setup(frame, nullptr, resolution, layers, "Inside", "Outside", visibleItems);

        QCOMPARE(scene->boundaries(), boundaries);
        QVERIFY(std::fabs(scene->totalWidth() - 0.4075) < 1e-12);
        const QRectF drawing = scene->drawingRect();
        // The dimension chain takes its room below (beside) the layers, inside the frame.
        if (vertical) {
            QCOMPARE(drawing.left(), across);
            QVERIFY(drawing.right() < frame.right() - 60);
        } else {
            QCOMPARE(drawing.top(), across);
            QVERIFY(drawing.bottom() < frame.bottom() - 40);
        }
        for (int i = 0; i < layers.size(); ++i) {
            GraphicsRectItemWithHatch *item = scene->layerItem(i);
            QVERIFY(item);
            const QRectF along = vertical ? QRectF(drawing.left(), boundaries[i], drawing.width(),
                                                   boundaries[i + 1] - boundaries[i])
                                          : QRectF(boundaries[i], drawing.top(),
                                                   boundaries[i + 1] - boundaries[i], drawing.height());
            QCOMPARE(item->rect(), along);
            QCOMPARE(item->data(ConstructionGraphicsSceneBase::LayerIndexKey).toInt(), i);
            QVERIFY(item->flags() & QGraphicsItem::ItemIsSelectable);
            QCOMPARE(item->brush().color(), layers[i].color);
            QCOMPARE(item->hatchKind(), layers[i].hatchingType);
            // Spacings are screen pixels, scaled for print; the insulation symbol counts loops.
            const double scale = onScreen || layers[i].hatchingType == 7 ? 1.0 : resolution;
            QCOMPARE(item->hatchDistance(), layers[i].hatchingDistance * scale);
        }
        // To scale: every layer is its share of the available pixels, less under one pixel.
        const double perMetre = (boundaries.back() - boundaries.front() + 1) / 0.4075;
        for (int i = 0; i < layers.size(); ++i)
            QVERIFY(std::fabs(boundaries[i + 1] - boundaries[i] - layers[i].width * perMetre) < 1.5);
    }

    void unusableConstructionDrawsNothing_data() {
        QTest::addColumn<Layers>("layers");
        QTest::addColumn<QRectF>("frame");
        Layers zero = fiveLayers();
        zero[2].width = 0;
        Layers negative = fiveLayers();
        negative[0].width = -0.01;
        Layers nan = fiveLayers();
        nan[4].width = std::numeric_limits<double>::quiet_NaN();
        Layers infinite = fiveLayers();
        infinite[1].width = std::numeric_limits<double>::infinity();
        const QRectF frame(0, 0, 600, 300);
        QTest::newRow("a layer of width 0") << zero << frame;
        QTest::newRow("negative width") << negative << frame;
        QTest::newRow("NaN width") << nan << frame;
        QTest::newRow("infinite width") << infinite << frame;
        QTest::newRow("no layers") << Layers{} << frame;
        QTest::newRow("frame narrower than the margins") << fiveLayers() << QRectF(0, 0, 80, 300);
        QTest::newRow("empty frame") << fiveLayers() << QRectF();
    }

    void unusableConstructionDrawsNothing() {
        QFETCH(Layers, layers);
        QFETCH(QRectF, frame);
        for (bool vertical : {false, true}) {
            auto scene = makeScene(vertical, true);
            scene->setup(QRectF(0, 0, 600, 600), nullptr, 1.0, fiveLayers(), "", "", 7);
            QVERIFY(!scene->items().isEmpty());
            scene->setup(vertical ? frame.transposed() : frame, nullptr, 1.0, layers, "in", "out", 7);
            QVERIFY(scene->items().isEmpty());
            QVERIFY(scene->boundaries().empty());
            QVERIFY(!scene->layerItem(0));
        }
        // The view and the widget take it the same way: nothing to click, nothing selected.
        ConstructionViewWidget widget;
        widget.resize(frame.size().toSize() + QSize(10, 50));
        widget.setData(nullptr, true, "in", "out", layers);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        QVERIFY(widget.view()->scene()->items().isEmpty());
        QTest::mouseClick(widget.view()->viewport(), Qt::LeftButton, {}, QPoint(60, 60));
        QTest::mouseDClick(widget.view()->viewport(), Qt::LeftButton, {}, QPoint(60, 60));
        QCOMPARE(widget.selectedLayer(), -1);
    }

    void textColour_data() {
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("text");
        QTest::newRow("pure yellow, luminance 0.93") << QColor(255, 255, 0) << QColor(Qt::black);
        QTest::newRow("dark blue") << QColor(20, 20, 120) << QColor(Qt::white);
        QTest::newRow("pure green, 0.72") << QColor(0, 255, 0) << QColor(Qt::black);
        QTest::newRow("pure red, 0.21") << QColor(255, 0, 0) << QColor(Qt::white);
        // Grey 187 is just above a luminance of 0.5, grey 186 just below.
        QTest::newRow("grey 187") << QColor(187, 187, 187) << QColor(Qt::black);
        QTest::newRow("grey 186") << QColor(186, 186, 186) << QColor(Qt::white);
        QTest::newRow("white") << QColor(Qt::white) << QColor(Qt::black);
        QTest::newRow("black") << QColor(Qt::black) << QColor(Qt::white);
    }

    void textColour() {
        QFETCH(QColor, background);
        QFETCH(QColor, text);
        QCOMPARE(ConstructionGraphicsSceneBase::textColorFor(background), text);
        // The name in a layer of that colour is written in it.
        ConstructionGraphicsSceneHorizontal scene(true, nullptr);
        scene.setup(QRectF(0, 0, 400, 300), nullptr, 1.0, {{0.2, "Name", background, 0, 0}}, "", "", 7);
        QVERIFY(scene.layerNameItem(0));
        QCOMPARE(scene.layerNameItem(0)->defaultTextColor(), text);
    }

    void layerNameFitsOrHides_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("width");
        QTest::addColumn<bool>("vertical");
        QTest::addColumn<QRectF>("frame");
        QTest::addColumn<int>("shown"); ///< 0 hidden, 1 whole, 2 shortened
        QTest::addColumn<bool>("upwards");
        const QRectF square(0, 0, 500, 500);
        QTest::newRow("short name, wide layer") << "Brick" << 0.2 << false << square << 1 << true;
        QTest::newRow("long name is shortened")
            << QString(150, QChar('x')) << 0.2 << false << square << 2 << true;
        QTest::newRow("layer thinner than a line") << "Foil" << 0.0005 << false << square << 0 << true;
        // Too long to stand upright in a low layer, but the layer is wide enough to lie in.
        QTest::newRow("low wide layer: written horizontally")
            << "Mineral wool (WLG 035)" << 0.2 << false << QRectF(0, 0, 700, 130) << 1 << false;
        QTest::newRow("vertical, thin layer") << "Foil" << 0.0005 << true << square << 0 << false;
        QTest::newRow("vertical, wide layer") << "Brick" << 0.2 << true << square << 1 << false;
    }

    void layerNameFitsOrHides() {
        QFETCH(QString, name);
        QFETCH(double, width);
        QFETCH(bool, vertical);
        QFETCH(QRectF, frame);
        QFETCH(int, shown);
        QFETCH(bool, upwards);
        auto scene = makeScene(vertical, true);
        const Layers layers{{0.2, "Wall", Qt::white, 0, 0}, {width, name, Qt::white, 0, 0}};
        scene->setup(frame, nullptr, 1.0, layers, "", "", 7);
        GraphicsTextItemInRect *item = scene->layerNameItem(1);
        QVERIFY(item);
        QCOMPARE(item->isVisible(), shown != 0);
        if (shown == 0)
            return;
        QCOMPARE(item->toPlainText() == name, shown == 1);
        QCOMPARE(item->rotation(), upwards ? -90.0 : 0.0);
        // Never beyond its layer, less a pixel on either side.
        const QRectF layer = scene->layerItem(1)->rect();
        QVERIFY(layer.adjusted(0.5, 0.5, -0.5, -0.5).contains(item->placedRect()));
    }

    void smallResizeKeepsLayout() {
        ConstructionView view;
        view.resize(400, 300);
        view.setData(nullptr, fiveLayers());
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QSignalSpy resized(&view, &ConstructionView::resized);
        const QRectF frame = view.frameRect();
        const QSize start = view.size();
        // Tag an item: a new layout replaces it by an untagged one.
        view.constructionScene()->layerItem(0)->setData(7, "tag");
        const auto tagged = [&view] { return view.constructionScene()->layerItem(0)->data(7).isValid(); };

        for (const QSize step : {QSize(3, 0), QSize(4, 4), QSize(-4, 2)}) {
            view.resize(start + step);
            QCoreApplication::processEvents();
            QVERIFY(tagged());
        }
        QCOMPARE(resized.count(), 0);
        QCOMPARE(view.frameRect(), frame);

        // 5 pixels from the size of the last layout, however it was reached.
        view.resize(start + QSize(5, 0));
        QCoreApplication::processEvents();
        QVERIFY(!tagged());
        QCOMPARE(resized.count(), 1);
        const QRectF expected = QRectF(view.viewport()->rect()).adjusted(5, 5, -5, -5);
        QCOMPARE(resized.first().first().toRectF(), expected);
        QCOMPARE(view.frameRect(), expected);
    }

    void selectionReportedOnce() {
        ConstructionView view;
        view.resize(600, 300);
        view.setData(nullptr, fiveLayers());
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QSignalSpy selected(&view, &ConstructionView::layerSelected);

        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, viewportPos(view, 2));
        QCOMPARE(selected.count(), 1);
        QCOMPARE(selected.last().first().toInt(), 2);
        QCOMPARE(view.selectedLayer(), 2);
        QVERIFY(view.constructionScene()->layerItem(2)->isSelected());
        QCOMPARE(view.constructionScene()->layerItem(2)->zValue(), 1.0);

        // The same layer again, by mouse or by program: nothing new to report.
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, viewportPos(view, 2));
        view.selectLayer(2);
        QCOMPARE(selected.count(), 1);

        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, viewportPos(view, 3));
        QCOMPARE(selected.count(), 2);
        QCOMPARE(selected.last().first().toInt(), 3);
        QCOMPARE(view.constructionScene()->layerItem(2)->zValue(), 0.0);
        QCOMPARE(view.constructionScene()->selectedItems().size(), 1);

        view.selectLayer(0);
        QCOMPARE(selected.count(), 3);
        QCOMPARE(selected.last().first().toInt(), 0);

        // A new layout (new data, other orientation) keeps the selection without reporting it.
        Layers changed = fiveLayers();
        changed[1].width = 0.3;
        view.setData(nullptr, changed);
        view.setData(nullptr, changed, 1.0, 7, true);
        QCOMPARE(selected.count(), 3);
        QCOMPARE(view.selectedLayer(), 0);
        QVERIFY(view.constructionScene()->layerItem(0)->isSelected());

        view.selectLayer(-1);
        QCOMPARE(view.selectedLayer(), -1);
        QVERIFY(view.constructionScene()->selectedItems().isEmpty());
        QCOMPARE(selected.count(), 3);
    }

    void doubleClickReportedOnce_data() {
        QTest::addColumn<bool>("clickedBefore");
        QTest::newRow("press, release, double click, release") << true;
        QTest::newRow("double click on an unselected layer") << false;
    }

    void doubleClickReportedOnce() {
        QFETCH(bool, clickedBefore);
        ConstructionView view;
        view.resize(600, 300);
        view.setData(nullptr, fiveLayers());
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QSignalSpy selected(&view, &ConstructionView::layerSelected);
        QSignalSpy doubleClicked(&view, &ConstructionView::layerDoubleClicked);
        const QPoint pos = viewportPos(view, 1);
        if (clickedBefore)
            QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, pos);
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, pos);
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, pos);
        QCOMPARE(doubleClicked.count(), 1);
        QCOMPARE(doubleClicked.first().first().toInt(), 1);
        QCOMPARE(selected.count(), 1);
        QCOMPARE(selected.first().first().toInt(), 1);
    }

    void widgetActions_data() {
        QTest::addColumn<int>("layerCount");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<int>("layer");
        QTest::addColumn<QList<bool>>("enabled"); ///< in toolbar order
        // Assign, insert left, insert right, move left, move right, remove.
        QTest::newRow("read-only") << 5 << true << 2 << QList<bool>{false, false, false, false, false, false};
        QTest::newRow("middle layer") << 5 << false << 2 << QList<bool>{true, true, true, true, true, true};
        QTest::newRow("first layer cannot move left")
            << 5 << false << 0 << QList<bool>{true, true, true, false, true, true};
        QTest::newRow("last layer cannot move right")
            << 5 << false << 4 << QList<bool>{true, true, true, true, false, true};
        QTest::newRow("the only layer stays")
            << 1 << false << 0 << QList<bool>{true, true, true, false, false, false};
    }

    void widgetActions() {
        QFETCH(int, layerCount);
        QFETCH(bool, readOnly);
        QFETCH(int, layer);
        QFETCH(QList<bool>, enabled);
        ConstructionViewWidget widget;
        widget.resize(600, 350);
        QCOMPARE(widget.layerActions().size(), 6);
        for (QAction *action : widget.layerActions())
            QVERIFY(!action->isEnabled());
        QVERIFY(!widget.toolBar()->isEnabled());
        widget.setData(nullptr, readOnly, "Inside", "Outside", fiveLayers().mid(0, layerCount));
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        QSignalSpy selected(&widget, &ConstructionViewWidget::layerSelected);
        QTest::mouseClick(widget.view()->viewport(), Qt::LeftButton, {}, viewportPos(*widget.view(), layer));
        // Selecting is reported even when nothing may be changed.
        QCOMPARE(selected.count(), 1);
        QCOMPARE(selected.first().first().toInt(), layer);
        QList<bool> actual;
        for (QAction *action : widget.layerActions())
            actual << action->isEnabled();
        QCOMPARE(actual, enabled);
        QCOMPARE(widget.toolBar()->isEnabled(), !readOnly);
        QCOMPARE(widget.toolBar()->isVisible(), !readOnly);

        widget.clear();
        for (QAction *action : widget.layerActions())
            QVERIFY(!action->isEnabled());
    }

    void widgetActionSignals() {
        ConstructionViewWidget widget;
        widget.resize(600, 350);
        widget.setData(nullptr, false, "Inside", "Outside", fiveLayers());
        QSignalSpy assign(&widget, &ConstructionViewWidget::assignMaterial);
        QSignalSpy insert(&widget, &ConstructionViewWidget::insertLayer);
        QSignalSpy move(&widget, &ConstructionViewWidget::moveLayer);
        QSignalSpy remove(&widget, &ConstructionViewWidget::removelayer);
        QSignalSpy selected(&widget, &ConstructionViewWidget::layerSelected);
        const QList<QAction *> &actions = widget.layerActions();
        widget.selectLayer(2);
        QCOMPARE(selected.count(), 1);

        actions[0]->trigger();
        QCOMPARE(assign.takeFirst(), QVariantList{2});
        actions[1]->trigger();
        actions[2]->trigger();
        QCOMPARE(insert.takeFirst(), (QVariantList{2, true}));
        QCOMPARE(insert.takeFirst(), (QVariantList{2, false}));
        actions[5]->trigger();
        QCOMPARE(remove.takeFirst(), QVariantList{2});

        // Moving takes the selection along with the layer.
        actions[3]->trigger();
        QCOMPARE(move.takeFirst(), (QVariantList{2, true}));
        QCOMPARE(widget.selectedLayer(), 1);
        QCOMPARE(selected.last().first().toInt(), 1);
        actions[4]->trigger();
        actions[4]->trigger();
        QCOMPARE(move.takeFirst(), (QVariantList{1, false}));
        QCOMPARE(move.takeFirst(), (QVariantList{2, false}));
        QCOMPARE(widget.selectedLayer(), 3);
    }

    void actionsCarryTheirIcons() {
        Q_INIT_RESOURCE(tavo_artwork);
        ConstructionViewWidget widget;
        const QStringList names{"actionAssign_material",    "actionInsert_layer_left",
                                "actionInsert_layer_right", "actionMove_layer_left",
                                "actionMove_layer_right",   "actionRemove_layer"};
        for (int i = 0; i < names.size(); ++i) {
            QAction *action = widget.layerActions().at(i);
            QCOMPARE(action->objectName(), names[i]);
            QVERIFY2(!action->icon().pixmap(32).isNull(), qPrintable(names[i]));
            QVERIFY(!action->toolTip().isEmpty());
        }
    }

    void overlays() {
        ConstructionGraphicsSceneHorizontal scene(true, nullptr);
        const QPen pen(Qt::blue, 2);
        scene.setMarkerLines({{0.1, pen, "Plane 1"}, {0.11, pen, "Plane 2"}, {5.0, pen, "outside"}});
        scene.setMarkedRegion(0.2, 0.3);
        scene.setup(QRectF(0, 0, 600, 300), nullptr, 1.0, fiveLayers(), "", "", 7);
        int lines = 0;
        QList<GraphicsTextItemInRect *> labels;
        GraphicsRectItemWithHatch *region = nullptr;
        for (QGraphicsItem *item : scene.items()) {
            if (auto *line = dynamic_cast<QGraphicsLineItem *>(item);
                line && line->pen().color() == Qt::blue) {
                ++lines;
                // At the left surface plus the truncated depth, across the layers.
                const double x = line->line().x1();
                QVERIFY(x == 58 + std::trunc(474 / 0.4075 * 0.1) ||
                        x == 58 + std::trunc(474 / 0.4075 * 0.11));
                QCOMPARE(line->line().y1(), scene.drawingRect().top());
                QCOMPARE(line->line().y2(), scene.drawingRect().bottom());
            }
            if (auto *text = dynamic_cast<GraphicsTextItemInRect *>(item);
                text && text->text().startsWith("Plane"))
                labels << text;
            if (auto *hatched = dynamic_cast<GraphicsRectItemWithHatch *>(item);
                hatched && !hatched->data(ConstructionGraphicsSceneBase::LayerIndexKey).isValid())
                region = hatched;
        }
        // A line beyond the construction is left out.
        QCOMPARE(lines, 2);
        QCOMPARE(labels.size(), 2);
        // Labels of close lines are staggered and do not collide.
        QVERIFY(!labels[0]->placedRect().intersects(labels[1]->placedRect()));
        QVERIFY(region);
        QCOMPARE(region->hatchKind(), int(GraphicsRectItemWithHatch::DiagonalCrossHatch));
        QVERIFY(!(region->flags() & QGraphicsItem::ItemIsSelectable));
        QCOMPARE(region->rect().left(), 58 + std::trunc(474 / 0.4075 * 0.2));
        QCOMPARE(region->rect().right(), 58 + std::trunc(474 / 0.4075 * 0.3));
    }
};

QTEST_MAIN(tst_VaDar_ConstructionView)
#include "tst_VaDar_ConstructionView.moc"
