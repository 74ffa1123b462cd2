// SPDX-License-Identifier: GPL-3.0-or-later
#include "VaDar_ConstructionGraphicsSceneBase.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QLocale>
#include <QTextDocument>

#include <cmath>

#include "VaDar_GraphicsRectItemWithHatch.h"
#include "VaDar_GraphicsTextItemInRect.h"
#include "VaDar_TextFrame.h"

namespace VaDar {

namespace {

QFont applicationFont(double pointSize) {
    QFont font = QGuiApplication::font();
    font.setPointSizeF(pointSize);
    return font;
}

// Widths closer than this are the same drawing: far below the last digit of any width shown
// (a hundredth of a millimetre), yet no binary noise of a recalculated width forces a layout.
constexpr double SameWidthTolerance = 1e-7;

} // namespace

const QColor ConstructionGraphicsSceneBase::LeftSideColor(246, 214, 206);
const QColor ConstructionGraphicsSceneBase::RightSideColor(208, 226, 244);

ConstructionGraphicsSceneBase::ConstructionGraphicsSceneBase(bool onScreen, QPaintDevice *device,
                                                             QObject *parent)
    : QGraphicsScene(parent), m_onScreen(onScreen), m_device(device), m_layerFontScreen(applicationFont(8)),
      m_layerFontPrint(applicationFont(6)), m_dimensionFontScreen(applicationFont(10)),
      m_dimensionFontPrint(applicationFont(8)) {
    m_layerFont = m_onScreen ? m_layerFontScreen : m_layerFontPrint;
    m_dimensionFont = m_onScreen ? m_dimensionFontScreen : m_dimensionFontPrint;
    setBackgroundBrush(m_backgroundColor);
    setPens();
}

void ConstructionGraphicsSceneBase::setPens() {
    m_layerPen = QPen(Qt::black, m_onScreen ? 1.0 : 0.2 * m_res);
    m_hatchPen = QPen(Qt::black, m_onScreen ? 1.0 : 0.1 * m_res);
    m_dimensionPen = QPen(Qt::black, m_onScreen ? 1.0 : 0.15 * m_res);
}

double ConstructionGraphicsSceneBase::relativeLuminance(const QColor &color) {
    const QColor rgb = color.toRgb();
    return 0.2126 * std::pow(rgb.redF(), 2.2) + 0.7152 * std::pow(rgb.greenF(), 2.2) +
           0.0722 * std::pow(rgb.blueF(), 2.2);
}

QColor ConstructionGraphicsSceneBase::textColorFor(const QColor &background) {
    return relativeLuminance(background) > 0.5 ? QColor(Qt::black) : QColor(Qt::white);
}

void ConstructionGraphicsSceneBase::setWidthUnit(int unit) {
    const int valid = unit == Centimetre || unit == Metre ? unit : Millimetre;
    m_forceLayout = m_forceLayout || valid != m_widthUnit;
    m_widthUnit = valid;
}

void ConstructionGraphicsSceneBase::setMarkedLayer(int index) {
    m_forceLayout = m_forceLayout || index != m_markedLayer;
    m_markedLayer = index;
}

void ConstructionGraphicsSceneBase::setMarkerLines(const QVector<MarkerLine> &lines) {
    m_markerLines = lines;
    m_forceLayout = true;
}

void ConstructionGraphicsSceneBase::setMarkedRegion(double start, double end) {
    m_forceLayout = m_forceLayout || start != m_regionStart || end != m_regionEnd;
    m_regionStart = start;
    m_regionEnd = end;
}

bool ConstructionGraphicsSceneBase::sameDrawing(const QRectF &frame, int visibleItems,
                                                const QVector<ConstructionLayer> &layers) const {
    if (frame != m_frame || visibleItems != m_visibleItems || layers.size() != m_layers.size())
        return false;
    for (int i = 0; i < layers.size(); ++i) {
        const ConstructionLayer &a = layers[i];
        const ConstructionLayer &b = m_layers[i];
        if (!(std::fabs(a.width - b.width) <= SameWidthTolerance) || a.name != b.name || a.color != b.color ||
            a.hatchingType != b.hatchingType || a.hatchingDistance != b.hatchingDistance)
            return false;
    }
    return true;
}

void ConstructionGraphicsSceneBase::setup(const QRectF &frame, QPaintDevice *device, double resolution,
                                          const QVector<ConstructionLayer> &layers, const QString &leftLabel,
                                          const QString &rightLabel, int visibleItems) {
    const double res = resolution > 0 && std::isfinite(resolution) ? resolution : 1.0;
    const bool same = !m_forceLayout && sameDrawing(frame, visibleItems, layers) &&
                      (device == nullptr || device == m_device) && res == m_res;
    m_leftLabel = leftLabel;
    m_rightLabel = rightLabel;
    if (same) {
        placeSideLabels();
        return;
    }

    m_frame = frame;
    if (device != nullptr)
        m_device = device;
    m_res = res;
    m_visibleItems = visibleItems;
    m_showDimensions = (visibleItems & DimensionLines) != 0;
    m_showNames = (visibleItems & LayerNames) != 0;
    m_showSides = (visibleItems & SideAreas) != 0;
    m_layerFont = m_onScreen ? m_layerFontScreen : m_layerFontPrint;
    m_dimensionFont = m_onScreen ? m_dimensionFontScreen : m_dimensionFontPrint;
    setPens();

    if (m_device != nullptr) {
        TextFrame measure;
        measure.setDefaultFont(m_dimensionFont);
        measure.setText(QStringLiteral("T"));
        const QRectF t = measure.frameRect(m_device, -1);
        if (!t.isEmpty()) {
            m_textHeight = t.height();
            m_textWidth = t.width();
        }
    }

    clear();
    m_layerItems.clear();
    m_nameItems.clear();
    m_leftLabelItem = nullptr;
    m_rightLabelItem = nullptr;
    m_xpos.clear();
    m_inner = QRectF();
    m_band = 0;
    m_areaEnd = 0;
    m_pixelsPerMetre = 0;
    m_forceLayout = false;

    m_layers = layers;
    m_totalWidth = 0;
    bool drawable = !m_layers.isEmpty();
    for (const ConstructionLayer &layer : qAsConst(m_layers)) {
        drawable = drawable && layer.width > 0 && std::isfinite(layer.width);
        m_totalWidth += layer.width;
    }
    drawable = drawable && std::isfinite(m_totalWidth);

    if (drawable && calculatePositions()) {
        m_area = m_inner;
        if (m_showDimensions)
            drawDimensions();
        drawLayers();
        drawMarkerLines();
        drawMarkedRegion();
    } else {
        m_xpos.clear();
        m_inner = QRectF();
    }
    setSceneRect(m_frame);
    update();
}

GraphicsRectItemWithHatch *ConstructionGraphicsSceneBase::layerItem(int index) const {
    return index >= 0 && index < int(m_layerItems.size()) ? m_layerItems[size_t(index)] : nullptr;
}

GraphicsTextItemInRect *ConstructionGraphicsSceneBase::layerNameItem(int index) const {
    return index >= 0 && index < int(m_nameItems.size()) ? m_nameItems[size_t(index)] : nullptr;
}

double ConstructionGraphicsSceneBase::positionOf(double position) const {
    return m_xpos.empty() ? 0 : m_xpos.front() + std::trunc(m_pixelsPerMetre * position);
}

GraphicsRectItemWithHatch *ConstructionGraphicsSceneBase::addLayerRect(const QRectF &rect, int index) {
    const ConstructionLayer &layer = m_layers[index];
    // The insulation symbol counts loops, every other pattern measures its spacing in pixels.
    const double distance = layer.hatchingType == GraphicsRectItemWithHatch::InsulationHatch
                                ? layer.hatchingDistance
                                : scaled(layer.hatchingDistance);
    auto *item = new GraphicsRectItemWithHatch(rect, layer.hatchingType, distance);
    const QColor fill = layer.color.isValid() ? layer.color : QColor(Qt::lightGray);
    item->setBrush(fill);
    QPen pen = m_layerPen;
    if (index == m_markedLayer) {
        pen.setColor(Qt::red);
        pen.setWidthF(2 * pen.widthF());
    }
    item->setPen(pen);
    // Black hatch lines would vanish on a dark layer; they take the colour its text gets.
    QPen hatch = m_hatchPen;
    hatch.setColor(textColorFor(fill));
    item->setHatchPen(hatch);
    item->setFlag(QGraphicsItem::ItemIsSelectable);
    item->setData(LayerIndexKey, index);
    addItem(item);
    m_layerItems.push_back(item);
    return item;
}

GraphicsTextItemInRect *ConstructionGraphicsSceneBase::addText(const QString &text, const QFont &font,
                                                               QGraphicsItem *parent) {
    auto *item = new GraphicsTextItemInRect(text, font, m_device, parent);
    if (parent == nullptr)
        addItem(item);
    return item;
}

QSizeF ConstructionGraphicsSceneBase::textSize(const QString &text, const QFont &font) const {
    QTextDocument doc;
    doc.setDocumentMargin(0);
    if (m_device != nullptr)
        doc.documentLayout()->setPaintDevice(m_device);
    doc.setDefaultFont(font);
    doc.setPlainText(text);
    return QSizeF(doc.idealWidth(), doc.size().height());
}

GraphicsTextItemInRect *ConstructionGraphicsSceneBase::addTextAt(const QString &text, const QFont &font,
                                                                 const QPointF &topLeft) {
    GraphicsTextItemInRect *item = addText(text, font);
    // A pixel of slack: the item measures the same text again and must find it fitting.
    const QSizeF size = textSize(text, font) + QSizeF(1, 1);
    item->placeInRect(QRectF(topLeft, size), GraphicsTextItemInRect::Horizontal,
                      Qt::AlignLeft | Qt::AlignTop);
    return item;
}

QString ConstructionGraphicsSceneBase::widthText(double width) const {
    double factor = 1000;
    int decimals = 2;
    if (m_widthUnit == Centimetre) {
        factor = 100;
        decimals = 3;
    } else if (m_widthUnit == Metre) {
        factor = 1;
        decimals = 5;
    }
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QString text = locale.toString(width * factor, 'f', decimals);
    // Rounded to a hundredth of a millimetre; the trailing zeros say nothing.
    const QString point = locale.decimalPoint();
    if (text.contains(point)) {
        while (text.endsWith(locale.zeroDigit()))
            text.chop(1);
        if (text.endsWith(point))
            text.chop(point.size());
    }
    return text;
}

QString ConstructionGraphicsSceneBase::dimensionTitle() const {
    const QString unit = m_widthUnit == Centimetre ? QStringLiteral("cm")
                         : m_widthUnit == Metre    ? QStringLiteral("m")
                                                   : QStringLiteral("mm");
    return tr("Layer widths in [%1]").arg(unit);
}

void ConstructionGraphicsSceneBase::addSideLabels(const QRectF &leftRect, const QRectF &rightRect,
                                                  const QRectF &leftRoom, const QRectF &rightRoom,
                                                  int direction) {
    m_leftLabelRect = leftRect;
    m_rightLabelRect = rightRect;
    m_leftLabelRoom = leftRoom;
    m_rightLabelRoom = rightRoom;
    m_sideLabelDirection = direction;
    m_leftLabelItem = addText(m_leftLabel, m_dimensionFont);
    m_rightLabelItem = addText(m_rightLabel, m_dimensionFont);
    placeSideLabels();
}

void ConstructionGraphicsSceneBase::placeSideLabels() {
    const auto direction = GraphicsTextItemInRect::Direction(m_sideLabelDirection);
    const auto place = [direction](GraphicsTextItemInRect *item, const QString &text, const QRectF &rect,
                                   const QRectF &room) {
        if (item == nullptr)
            return;
        item->setText(text);
        // Beside the layers reads best; the room beside the dimension chain is the fallback.
        if (!item->placeInRect(rect, direction) || item->toPlainText() != text)
            item->placeInRect(room, direction);
    };
    place(m_leftLabelItem, m_leftLabel, m_leftLabelRect, m_leftLabelRoom);
    place(m_rightLabelItem, m_rightLabel, m_rightLabelRect, m_rightLabelRoom);
}

} // namespace VaDar
