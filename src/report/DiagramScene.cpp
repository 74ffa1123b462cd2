// SPDX-License-Identifier: GPL-3.0-or-later
#include "DiagramScene.h"

#include <QAbstractTextDocumentLayout>
#include <QGraphicsItem>
#include <QGraphicsTextItem>
#include <QGuiApplication>
#include <QLocale>
#include <QPainterPath>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
#include <limits>

#include "SaturationPressureExponential.h"

namespace {

// Coordinates of two frames count as equal when they differ only by rounding noise.
bool sameCoordinate(double a, double b) {
    return std::min(std::fabs(a), std::fabs(b)) >= 1e12 * std::fabs(a - b);
}

bool sameFrame(const QRectF &a, const QRectF &b) {
    return sameCoordinate(a.x(), b.x()) && sameCoordinate(a.y(), b.y()) &&
           sameCoordinate(a.width(), b.width()) && sameCoordinate(a.height(), b.height());
}

QFont applicationFont(double pointSize) {
    QFont font = QGuiApplication::font();
    font.setPointSizeF(pointSize);
    return font;
}

QPolygonF polygon(std::initializer_list<QPointF> points) {
    return QPolygonF(QVector<QPointF>(points));
}

// Tick loops are bounded so that absurd input can never hang the drawing.
const int MaxTicks = 10000;

} // namespace

DiagramScene::DiagramScene(bool screenMode, QPaintDevice *device, QObject *parent)
    : QGraphicsScene(parent), m_screenTickFont(applicationFont(8)), m_reportTickFont(applicationFont(6)),
      m_screenTitleFont(applicationFont(10)), m_reportTitleFont(applicationFont(8)),
      m_temperatureColor(139, 0, 0), m_vapourColor("darkblue"), m_moistureReferenceColor("dodgerblue"),
      m_moistureColor("blue"), m_condensateColor("mediumslateblue"), m_hygroscopicColor("lightskyblue"),
      m_screenMode(screenMode), m_paintDevice(device), m_pens(1.0, screenMode) {
    m_tickFont = m_screenMode ? m_screenTickFont : m_reportTickFont;
    m_titleFont = m_screenMode ? m_screenTitleFont : m_reportTitleFont;
    createTitleItems();
}

QString DiagramScene::thicknessLabel(double thickness) {
    double x = thickness * 1000;
    // A thickness typed in millimetres must not show up as 174.99999... because of binary noise.
    if (std::fabs(x - std::round(x)) < 1e-9)
        x = std::round(x);
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    if (std::fabs(x - std::floor(x)) < 0.1)
        return locale.toString(std::floor(x + 0.5), 'f', 0);
    return locale.toString(x, 'f', 1);
}

int DiagramScene::itemTag(const QGraphicsItem *item) {
    const QVariant v = item->data(TagKey);
    return v.isValid() ? v.toInt() : TagNone;
}

int DiagramScene::itemIndex(const QGraphicsItem *item) {
    const QVariant v = item->data(IndexKey);
    return v.isValid() ? v.toInt() : -1;
}

QList<QGraphicsItem *> DiagramScene::taggedItems(int tag) const {
    QList<QGraphicsItem *> result;
    // Ascending stacking order is the creation order among items of equal z.
    const QList<QGraphicsItem *> all = items(Qt::AscendingOrder);
    for (QGraphicsItem *item : all) {
        if (itemTag(item) == tag)
            result.append(item);
    }
    return result;
}

void DiagramScene::setupDiagram(const QRectF &frame, QPaintDevice *device, double resolutionFactor,
                                const CalculationResults &results, const InputData &inputData,
                                DiagramKind kind) {
    if (kind == DiagramKind::NoDiagram)
        return;
    if (kind == m_diagramKind && sameFrame(frame, m_frameRect) && results == m_results &&
        inputData == m_inputData)
        return;

    m_paintDevice = device;
    m_resolutionFactor = resolutionFactor;
    m_tickFont = m_screenMode ? m_screenTickFont : m_reportTickFont;
    m_titleFont = m_screenMode ? m_screenTitleFont : m_reportTitleFont;

    const QSizeF t = textSize(QStringLiteral("T"), m_tickFont, false, -1);
    m_textHeight = t.height();
    m_textWidth = t.width();

    clear();
    m_xpos.clear();
    m_totalThickness = 0;
    createTitleItems();
    m_diagramKind = kind;
    m_results = results;
    m_inputData = inputData;
    m_frameRect = frame;
    m_diagramRect = QRectF();
    m_pens.rebuild(m_resolutionFactor, m_screenMode);

    bool drawable =
        m_results.calcState != CalculationResults::CS_InvalidInput && !m_inputData.layers().isEmpty();
    for (const MaterialLayer &layer : m_inputData.layers()) {
        const double d = layer.width();
        if (!(d > 0) || !std::isfinite(d))
            drawable = false;
        else
            m_totalThickness += d;
    }
    if (drawable && layoutDiagram()) {
        drawDimensionChain();
        drawSketch();
        if (kind == DiagramKind::VapourPressure || kind == DiagramKind::WaterContent) {
            const int cs = m_results.calcState;
            const int gc = m_results.glaserCase;
            if (cs != 0 && cs != 1 && cs != 2 && cs != 3 && gc != 0 && gc != 1) {
                if (kind == DiagramKind::VapourPressure)
                    drawVapourPressure();
                else
                    drawWaterContent();
            }
            if (m_inputData.layersValidForCalculation())
                drawTemperature();
            // Interior boundaries only: the surfaces keep their own (black) lines.
            const QRectF &D = m_diagramRect;
            for (size_t i = 1; i + 1 < m_xpos.size(); ++i)
                addLineItem(m_xpos[i], D.top(), m_xpos[i], D.bottom(), m_pens.pen(DiagramPens::BoundaryLine),
                            TagBoundaryLine, int(i));
        }
    } else {
        m_xpos.clear();
    }
    setSceneRect(m_frameRect);
    emit changed(QList<QRectF>() << m_frameRect);
}

void DiagramScene::createTitleItems() {
    m_temperatureTitle =
        addTextItem(tr("Temperature %1 in [%2C]").arg(QChar(0x03B8)).arg(QChar(0x00B0)), m_titleFont);
    m_pressureTitle = addTextItem(tr("Vapor pressure p in [Pa]"), m_titleFont);
    m_moistureTitle =
        addTextItem(tr("Moisture content w in [%1]").arg(QStringLiteral("m<sup>3</sup>/m<sup>3</sup>")),
                    m_titleFont, true);
    m_chainTitle = addTextItem(tr("Layer widths in [mm]"), m_titleFont);
    m_temperatureTitle->setData(TagKey, TagTemperatureTitle);
    m_pressureTitle->setData(TagKey, TagPressureTitle);
    m_moistureTitle->setData(TagKey, TagMoistureTitle);
    m_chainTitle->setData(TagKey, TagChainTitle);
    for (QGraphicsTextItem *item : {m_temperatureTitle, m_pressureTitle, m_moistureTitle, m_chainTitle})
        item->setVisible(false);
}

QGraphicsTextItem *DiagramScene::addTextItem(const QString &text, const QFont &font, bool html) {
    auto *item = new QGraphicsTextItem;
    QTextDocument *doc = item->document();
    doc->setDocumentMargin(0);
    // Laid out for the target device, so the metrics used for placing match what is painted.
    if (m_paintDevice != nullptr)
        doc->documentLayout()->setPaintDevice(m_paintDevice);
    item->setFont(font);
    if (html)
        item->setHtml(text);
    else
        item->setPlainText(text);
    addItem(item);
    return item;
}

QSizeF DiagramScene::textSize(const QString &text, const QFont &font, bool html, double width) const {
    QTextDocument doc;
    doc.setDocumentMargin(0);
    if (m_paintDevice != nullptr)
        doc.documentLayout()->setPaintDevice(m_paintDevice);
    doc.setDefaultFont(font);
    if (html)
        doc.setHtml(text);
    else
        doc.setPlainText(text);
    doc.setTextWidth(width);
    return QSizeF(doc.idealWidth(), doc.size().height());
}

QGraphicsItem *DiagramScene::addLineItem(double x1, double y1, double x2, double y2, const QPen &pen, int tag,
                                         int index) {
    QGraphicsItem *item = addLine(x1, y1, x2, y2, pen);
    item->setData(TagKey, tag);
    if (index >= 0)
        item->setData(IndexKey, index);
    return item;
}

bool DiagramScene::layoutDiagram() {
    const QRectF &F = m_frameRect;
    const double r = m_resolutionFactor;
    const bool sketch = m_diagramKind == DiagramKind::ConstructionSketch;

    double top = 0;
    double bottom = 0;
    if (m_screenMode) {
        top = F.top() + 5;
        bottom = F.height() - 15;
    } else {
        top = F.top() + 5 * r;
        bottom = sketch ? F.bottom() - 5 * r : F.bottom() - 15 * r;
    }
    const double bandHeight = bottom - top;
    if (!(bandHeight > 0))
        return false;

    // The axis titles stand rotated beside the diagram: their laid-out height is the room they need.
    m_temperatureTitle->setTextWidth(bandHeight);
    const double leftReserve = m_temperatureTitle->boundingRect().height();
    double rightReserve = m_textHeight;
    if (m_results.calcState >= 3) {
        QGraphicsTextItem *title =
            m_diagramKind == DiagramKind::VapourPressure ? m_pressureTitle : m_moistureTitle;
        title->setTextWidth(bandHeight);
        rightReserve = title->boundingRect().height();
    }
    const double left = sketch ? F.left() : F.left() + leftReserve + 10 * r;
    const double right = sketch ? F.width() : F.width() - (rightReserve + 10 * r);
    m_diagramRect = QRectF(left, top, right - left, bandHeight);

    const double warmPad = m_screenMode ? 40 : 5 * r;
    const double coldPad = m_screenMode ? 50 : 5 * r;
    m_warmEnd = int(left + warmPad);
    m_coldEnd = int(right - coldPad);

    const double width = m_diagramRect.width();
    const double gap = m_screenMode ? std::max(10.0, 0.03 * width) : std::max(10 * r, 0.03 * width);
    const double span = m_coldEnd - 2 * gap - m_warmEnd;
    // A frame too small for the air zones leaves nothing sensible to draw.
    if (!(span > 0))
        return false;
    const double scale = span / m_totalThickness;
    m_xpos.push_back(m_warmEnd + gap);
    for (const MaterialLayer &layer : m_inputData.layers())
        m_xpos.push_back(m_xpos.back() + std::trunc(layer.width() * scale));
    return true;
}

void DiagramScene::drawDimensionChain() {
    const QVector<MaterialLayer> &layers = m_inputData.layers();
    const int n = layers.size();
    const QPen &pen = m_pens.pen(DiagramPens::DimensionLine);
    const double t = std::trunc(std::max(3.0, 0.8 * m_resolutionFactor));
    const double k = std::floor(0.7 * t);
    const double x0 = m_xpos.front();
    const double xn = m_xpos.back();

    // With one layer its label would repeat the total, so only the total row is drawn.
    QGraphicsTextItem *total = addTextItem(thicknessLabel(m_totalThickness), m_tickFont);
    total->setData(TagKey, TagTotalLabel);
    double H = total->boundingRect().height();
    std::vector<QGraphicsTextItem *> labels;
    std::vector<bool> fits;
    bool allFit = true;
    if (n > 1) {
        for (int i = 0; i < n; ++i) {
            QGraphicsTextItem *label = addTextItem(thicknessLabel(layers[i].width()), m_tickFont);
            label->setData(IndexKey, i);
            const QRectF br = label->boundingRect();
            const bool fit = br.width() <= m_xpos[i + 1] - m_xpos[i] - 2 * t;
            labels.push_back(label);
            fits.push_back(fit);
            allFit = allFit && fit;
            H = std::max(H, br.height());
        }
    }

    const double chainBottom = m_diagramRect.bottom();
    const double y1 = chainBottom - H;
    std::vector<double> lines{y1};
    if (n > 1)
        lines.push_back(chainBottom - 2.1 * H);
    // Labels too wide for their layer get a row of their own below the layer line, clear of the
    // extension lines that end just under it.
    const double belowGap = 2 * t;
    if (!allFit)
        lines.back() = chainBottom - 3.1 * H - belowGap;
    const double layerLine = lines.back();
    m_diagramRect.setBottom(layerLine - H);

    // Below the line, each label is centred under its layer where there is room, else pushed
    // aside: to the right of its left neighbour, and back to the left where that would run past
    // the cold surface. Thin layers side by side thus never print "12.50.4".
    std::vector<int> below;
    std::vector<double> belowX;
    for (int i = 0; i < int(labels.size()); ++i) {
        const double centre = 0.5 * (m_xpos[i] + m_xpos[i + 1]);
        const QRectF br = labels[i]->boundingRect();
        if (fits[i]) {
            labels[i]->setPos(centre - 0.5 * br.width(), layerLine - br.height());
            labels[i]->setData(TagKey, TagLayerLabel);
        } else {
            below.push_back(i);
            belowX.push_back(centre - 0.5 * br.width());
        }
    }
    const double spacing = t;
    double limit = x0 + t;
    for (size_t j = 0; j < below.size(); ++j) {
        belowX[j] = std::max(belowX[j], limit);
        limit = belowX[j] + labels[below[j]]->boundingRect().width() + spacing;
    }
    limit = xn - t;
    for (size_t j = below.size(); j-- > 0;) {
        const double w = labels[below[j]]->boundingRect().width();
        belowX[j] = std::min(belowX[j], limit - w);
        limit = belowX[j] - spacing;
    }
    for (size_t j = 0; j < below.size(); ++j) {
        const int i = below[j];
        QGraphicsTextItem *label = labels[i];
        const double w = label->boundingRect().width();
        const double top = layerLine + belowGap;
        label->setPos(belowX[j], top);
        label->setData(TagKey, TagLayerLabelBelow);
        const double centre = 0.5 * (m_xpos[i] + m_xpos[i + 1]);
        addLineItem(centre, layerLine, belowX[j] + 0.5 * w, top, pen, TagLeaderLine, i);
    }

    const QRectF tr = total->boundingRect();
    total->setPos(0.5 * (x0 + xn) - 0.5 * tr.width(), y1 - tr.height());
    m_chainTitle->setTextWidth(-1);
    m_chainTitle->setPos(0.5 * (x0 + xn) - 0.5 * m_chainTitle->boundingRect().width(), y1 + t);
    m_chainTitle->setVisible(true);

    for (double y : lines)
        addLineItem(x0 - t, y, xn + t, y, pen, TagChainLine);
    for (int i = 0; i <= n; ++i) {
        const double x = m_xpos[i];
        const bool outer = i == 0 || i == n;
        addLineItem(x, layerLine + t - H, x, outer ? y1 + t : layerLine + t, pen, TagExtensionLine, i);
        addLineItem(x - k, layerLine + k, x + k, layerLine - k, pen, TagSlash, i);
        if (outer && n > 1)
            addLineItem(x - k, y1 + k, x + k, y1 - k, pen, TagSlash, i);
    }
}

void DiagramScene::drawSketch() {
    const QRectF &D = m_diagramRect;
    if (m_diagramKind == DiagramKind::ConstructionSketch) {
        const QVector<MaterialLayer> &layers = m_inputData.layers();
        for (int i = 0; i < layers.size(); ++i) {
            // A layer without a colour of its own is shown neutral rather than black.
            const QColor color = layers[i].color.isValid() ? layers[i].color : QColor(Qt::lightGray);
            QGraphicsItem *band = addRect(QRectF(m_xpos[i], D.top(), m_xpos[i + 1] - m_xpos[i], D.height()),
                                          QPen(color), QBrush(color));
            band->setData(TagKey, TagLayerBand);
            band->setData(IndexKey, i);
        }
    }
    const QPen &surface = m_pens.pen(DiagramPens::SurfaceLine);
    const QPen &edge = m_pens.pen(DiagramPens::EdgeLine);
    const double x0 = m_xpos.front();
    const double xn = m_xpos.back();
    addLineItem(x0, D.top(), x0, D.bottom(), surface, TagSurfaceLine, 0);
    addLineItem(xn, D.top(), xn, D.bottom(), surface, TagSurfaceLine, int(m_xpos.size()) - 1);
    const double w = edge.widthF();
    addLineItem(x0, D.top() + w, xn, D.top() + w, edge, TagEdgeLine);
    addLineItem(x0, D.bottom() - w, xn, D.bottom() - w, edge, TagEdgeLine);
}

void DiagramScene::addAxis(double x, const QPen &pen, int tag) {
    const QRectF &D = m_diagramRect;
    const double r = m_resolutionFactor;
    const double h = std::max(std::trunc(0.4 * r), 2.0);
    addLineItem(x, D.top(), x, D.bottom(), pen, tag);
    QPolygonF arrow;
    arrow << QPointF(x, D.top()) << QPointF(x - h, D.top() + std::max(5.0, r))
          << QPointF(x + h, D.top() + std::max(5.0, r));
    QGraphicsItem *head = addPolygon(arrow, Qt::NoPen, QBrush(pen.color()));
    head->setData(TagKey, TagArrow);
}

void DiagramScene::showVerticalTitle(QGraphicsTextItem *title, double x) {
    const QRectF &D = m_diagramRect;
    title->setTextWidth(D.height());
    const double ideal = title->document()->idealWidth();
    // Narrowed to the laid-out lines, so the item's box is where the text is.
    title->setTextWidth(std::ceil(ideal));
    title->setRotation(-90);
    title->setPos(x, D.bottom() - (D.height() - ideal) / 2);
    title->setVisible(true);
}

void DiagramScene::drawTemperature() {
    const std::vector<double> &T = m_results.T_Glaser;
    if (T.size() != m_xpos.size())
        return;
    const QRectF &D = m_diagramRect;
    const double r = m_resolutionFactor;
    const AssessmentConditions &ac = m_inputData.assessmentConditions();
    const double thetaI = ac.interiorClimate().temperature();
    const double thetaE = ac.exteriorClimate().temperature();

    const double yA = std::trunc(D.top() + 0.05 * D.height());
    const double yB = std::trunc(D.bottom() - 0.25 * D.height());
    const double dT = thetaI - thetaE;
    double pixelsPerKelvin = 0;
    double yWarm = yA;
    if (std::fabs(dT) >= 1e-8) {
        pixelsPerKelvin = (yB - yA) / std::fabs(dT);
        // A warm side colder than the cold side turns the band upside down.
        yWarm = dT < 0 ? yB : yA;
    }
    auto y = [&](double theta) { return yWarm + (thetaI - theta) * pixelsPerKelvin; };

    // Air zones: flat in the air, bending into the surface value.
    addProfileCurve(T, thetaI, thetaE, y, m_pens.pen(DiagramPens::TemperatureCurve), TagTemperatureCurve);

    const QPen &axisPen = m_pens.pen(DiagramPens::TemperatureAxis);
    const double x = m_warmEnd - std::max(3.0, 3 * r);
    const double h = std::max(std::trunc(0.4 * r), 2.0);
    addAxis(x, axisPen, TagTemperatureAxis);
    auto tick = [&](double value) {
        const double yy = y(value);
        addLineItem(x - h, yy, x + h, yy, axisPen, TagTemperatureTick);
        QGraphicsTextItem *label = addTextItem(QStringLiteral("%L1").arg(value, 5, 'f', 1), m_tickFont);
        const QRectF br = label->boundingRect();
        label->setPos(x - 2 * h - br.width(), yy - 0.5 * br.height());
        label->setData(TagKey, TagTemperatureLabel);
    };
    tick(thetaI);
    tick(thetaE);
    const double first = std::ceil(thetaI / 5) * 5 - 5;
    const double last = std::floor(thetaE / 5) * 5 + 5;
    for (int i = 0; i < MaxTicks; ++i) {
        const double value = first - 5.0 * i;
        if (!(value >= last))
            break;
        if (value > thetaE + 0.1 && value < thetaI - 0.1)
            tick(value);
    }
    showVerticalTitle(m_temperatureTitle, m_frameRect.left());
}

void DiagramScene::addProfileCurve(const std::vector<double> &values, double airWarm, double airCold,
                                   const std::function<double(double)> &y, const QPen &pen, int tag) {
    const size_t n = m_xpos.size() - 1;
    const double x0 = m_xpos.front();
    const double xn = m_xpos.back();
    QPainterPath warm(QPointF(m_warmEnd, y(airWarm)));
    const double dyWarm = y(values[0]) - y(airWarm);
    const double cxWarm = m_warmEnd + 0.8 * (x0 - m_warmEnd);
    warm.cubicTo(cxWarm, y(airWarm) + 0.01 * dyWarm, cxWarm, y(airWarm) + 0.02 * dyWarm, x0, y(values[0]));
    addPath(warm, pen)->setData(TagKey, tag);
    for (size_t k = 0; k < n; ++k)
        addLineItem(m_xpos[k], y(values[k]), m_xpos[k + 1], y(values[k + 1]), pen, tag, int(k));
    QPainterPath cold(QPointF(m_coldEnd, y(airCold)));
    const double dyCold = y(values[n]) - y(airCold);
    const double cxCold = m_coldEnd + 0.8 * (xn - m_coldEnd);
    cold.cubicTo(cxCold, y(airCold) + 0.01 * dyCold, cxCold, y(airCold) + 0.02 * dyCold, xn, y(values[n]));
    addPath(cold, pen)->setData(TagKey, tag);
}

void DiagramScene::drawVapourPressure() {
    const std::vector<double> &P = m_results.pv_Glaser;
    const std::vector<double> &S = m_results.psat_Glaser;
    if (P.empty() || S.empty() || P.size() != m_xpos.size() || S.size() != m_xpos.size())
        return;
    const QRectF &D = m_diagramRect;
    const double r = m_resolutionFactor;
    const AssessmentConditions &ac = m_inputData.assessmentConditions();
    // The formula of the standard procedure's winter profile, so the air zones meet its values.
    const double psi = saturationPressureExponential(ac.interiorClimate().temperature());
    const double pse = saturationPressureExponential(ac.exteriorClimate().temperature());
    const double pvi = ac.interiorClimate().relativeHumidity() * psi / 100;
    const double pve = ac.exteriorClimate().relativeHumidity() * pse / 100;

    const double yA = std::trunc(D.top() + 0.25 * D.height());
    const double yB = std::trunc(D.bottom() - 0.05 * D.height());
    const double pmax = std::max(psi, pse);
    // The lower end of the band is the smallest pressure drawn (normally the cold air's vapour
    // pressure), so every curve stays inside the band and the lower tick shows its true value.
    const double pLow = std::min({psi, pse, pvi, pve});
    double range = pmax - pLow;
    if (std::fabs(range) < 1e-8)
        range = std::fabs(pmax) < 1e-8 ? 1.0 : pmax;
    auto y = [&](double p) { return yA + (pmax - p) * (yB - yA) / range; };

    const size_t n = m_xpos.size() - 1;
    const double x0 = m_xpos.front();
    const double xn = m_xpos.back();

    // Saturation curve, with the same air-zone shape as the temperature curve.
    const QPen &satPen = m_pens.pen(DiagramPens::SaturationPressure);
    addProfileCurve(S, psi, pse, y, satPen, TagSaturationCurve);

    // Real vapour pressure: the calculated straight line, but never above saturation.
    const QPen &realPen = m_pens.pen(DiagramPens::RealPressure);
    const QPen &calcPen = m_pens.pen(DiagramPens::CalculatedPressure);
    addLineItem(m_warmEnd, y(pvi), x0, y(P[0]), realPen, TagRealPressure);
    addLineItem(m_coldEnd, y(pve), xn, y(P[n]), realPen, TagRealPressure);
    for (size_t k = 0; k < n; ++k) {
        const double xa = m_xpos[k];
        const double xb = m_xpos[k + 1];
        const bool leftSaturated = P[k] >= S[k];
        const bool rightSaturated = P[k + 1] >= S[k + 1];
        if (!leftSaturated && !rightSaturated) {
            addLineItem(xa, y(P[k]), xb, y(P[k + 1]), realPen, TagRealPressure, int(k));
            continue;
        }
        addLineItem(xa, y(P[k]), xb, y(P[k + 1]), calcPen, TagCalculatedPressure, int(k));
        if (leftSaturated && rightSaturated) {
            addLineItem(xa, y(S[k]), xb, y(S[k + 1]), realPen, TagRealPressure, int(k));
            continue;
        }
        const double f0 = P[k] - S[k];
        const double f1 = P[k + 1] - S[k + 1];
        if (f0 == f1)
            continue;
        const double t = f0 / (f0 - f1);
        if (!(t >= 0 && t <= 1))
            continue;
        const QPointF cross(xa + t * (xb - xa), y(P[k] + t * (P[k + 1] - P[k])));
        QPainterPath real;
        if (rightSaturated) {
            real.moveTo(xa, y(P[k]));
            real.lineTo(cross);
            real.lineTo(xb, y(S[k + 1]));
        } else {
            real.moveTo(xa, y(S[k]));
            real.lineTo(cross);
            real.lineTo(xb, y(P[k + 1]));
        }
        QGraphicsItem *item = addPath(real, realPen);
        item->setData(TagKey, TagRealPressure);
        item->setData(IndexKey, int(k));
    }

    // Axis on the cold side.
    const QPen &axisPen = m_pens.pen(DiagramPens::PressureAxis);
    const double x = m_coldEnd - std::max(3.0, 3 * r);
    const double h = std::max(std::trunc(0.4 * r), 2.0);
    const double labelX = x + 2 * h + m_textWidth;
    addAxis(x, axisPen, TagPressureAxis);
    auto tick = [&](double value) {
        const double yy = y(value);
        addLineItem(x - h, yy, x + h, yy, axisPen, TagPressureTick);
        QGraphicsTextItem *label = addTextItem(QStringLiteral("%L1").arg(value, 5, 'f', 0), m_tickFont);
        label->setPos(labelX, yy - 0.5 * label->boundingRect().height());
        label->setData(TagKey, TagPressureLabel);
        return label;
    };
    QGraphicsTextItem *topLabel = tick(pmax);
    tick(pLow);
    const double first = std::ceil(pmax / 500) * 500;
    const double last = std::floor(pLow / 500) * 500 + 500;
    for (int i = 0; i < MaxTicks; ++i) {
        const double value = first - 500.0 * i;
        if (!(value >= last))
            break;
        if (value > pLow + 0.1 && value < pmax - 0.1)
            tick(value);
    }
    showVerticalTitle(m_pressureTitle, labelX + topLabel->boundingRect().width());

    // Legend in the upper right corner of the construction.
    QFont legendFont = m_titleFont;
    legendFont.setPointSizeF(legendFont.pointSizeF() * 0.65);
    const QStringList texts{tr("Temperature"), tr("Sat. vapour pressure"), tr("Vapour pressure (real)"),
                            tr("Vapour pressure (calc.)")};
    const QPen samplePens[] = {m_pens.pen(DiagramPens::TemperatureCurve), satPen, realPen, calcPen};
    const double m = 5 * r;
    std::vector<QGraphicsTextItem *> entries;
    double widest = 0;
    double boxHeight = 0;
    for (const QString &text : texts) {
        QGraphicsTextItem *entry = addTextItem(text, legendFont);
        entry->setData(TagKey, TagLegendEntry);
        widest = std::max(widest, entry->boundingRect().width());
        boxHeight += entry->boundingRect().height();
        entries.push_back(entry);
    }
    const double sampleLength = 0.25 * (widest + m);
    const double boxWidth = widest + m + 2 * m + sampleLength;
    const double boxLeft = xn - 2 * m - boxWidth;
    const double boxTop = D.top() + m;
    // The legend sits over the construction: an opaque box above everything else keeps it
    // readable where boundary lines and curves pass behind it.
    QGraphicsItem *box = addRect(QRectF(boxLeft, boxTop, boxWidth, boxHeight), QPen(), QBrush(Qt::white));
    box->setData(TagKey, TagLegendBox);
    box->setZValue(1);
    double entryTop = boxTop;
    for (size_t i = 0; i < entries.size(); ++i) {
        const double height = entries[i]->boundingRect().height();
        entries[i]->setPos(boxLeft + m, entryTop);
        entries[i]->setZValue(2);
        const double sampleX = boxLeft + m + widest + m;
        const double sampleY = entryTop + 0.5 * height;
        addLineItem(sampleX, sampleY, sampleX + sampleLength, sampleY, samplePens[i], TagLegendSample, int(i))
            ->setZValue(2);
        entryTop += height;
    }
}

void DiagramScene::drawWaterContent() {
    const QVector<MaterialLayer> &layers = m_inputData.layers();
    const size_t n = size_t(layers.size());
    const std::vector<double> &wL = m_results.w_left;
    const std::vector<double> &wR = m_results.w_right;
    const std::vector<double> &zone = m_results.sk_Tavo;
    if (m_results.pv.empty() || m_results.psat.empty() || wL.size() != n || wR.size() != n ||
        zone.size() != n)
        return;
    const QRectF &D = m_diagramRect;
    const double r = m_resolutionFactor;

    double wmax = 0;
    for (size_t i = 0; i < n; ++i)
        wmax = std::max({wmax, wL[i], wR[i]});
    if (!(wmax > 0)) {
        wmax = 0;
        for (const MaterialLayer &layer : layers)
            wmax = std::max(wmax, 1.2 * layer.w_80);
    }
    const double yA = std::trunc(D.top() + 0.05 * D.height());
    const double bottom = D.bottom();

    const QPen &axisPen = m_pens.pen(DiagramPens::MoistureAxis);
    const double x = m_coldEnd - std::max(3.0, 3 * r);
    const double h = std::max(std::trunc(0.4 * r), 2.0);
    const double labelX = x + 2 * h + m_textWidth;
    addAxis(x, axisPen, TagMoistureAxis);
    // Without any moisture storage there is no scale: axes and layers only.
    if (!(wmax > 0) || !std::isfinite(wmax)) {
        showVerticalTitle(m_moistureTitle, labelX);
        return;
    }
    const double q = (bottom - yA) / wmax;
    auto y = [&](double w) { return bottom - w * q; };

    auto tickLabel = [&](double value, double yy) {
        QGraphicsTextItem *label = addTextItem(QStringLiteral("%L1").arg(value, 5, 'f', 3), m_tickFont);
        label->setPos(labelX, yy - 0.5 * label->boundingRect().height());
        label->setData(TagKey, TagMoistureLabel);
        return label;
    };
    addLineItem(x - h, yA, x + h, yA, axisPen, TagMoistureTick);
    QGraphicsTextItem *topLabel = tickLabel(wmax, yA);
    const double topLabelBottom = topLabel->y() + topLabel->boundingRect().height();

    // About one tick per 25 pixels (millimetres in report mode), steps in multiples of 0.005.
    int tickCount = int(std::trunc(std::trunc(wmax * q) / 25 / r));
    tickCount = std::max(tickCount, 1);
    const double rawStep = wmax / tickCount;
    double step = std::ceil(rawStep / 0.005 - 1e-9) * 0.005;
    if (!(step > 0))
        step = 0.005;
    double first = std::floor((wmax - 1e-5) / step) * step;
    if (y(first) - yA < 3 * r)
        first -= step;
    for (int i = 0; i < MaxTicks; ++i) {
        const double value = first - step * i;
        if (!(value >= -1e-5))
            break;
        const double yy = y(value);
        addLineItem(x - h, yy, x + h, yy, axisPen, TagMoistureTick);
        const double labelTop = yy - 0.5 * m_textHeight;
        if (labelTop > topLabelBottom + 3)
            tickLabel(std::fabs(value), yy);
    }
    showVerticalTitle(m_moistureTitle, labelX + topLabel->boundingRect().width());

    const QPen &linePen = m_pens.pen(DiagramPens::MoistureContent);
    const QBrush hygroscopic(m_hygroscopicColor);
    const QBrush condensate(m_condensateColor);
    auto addFill = [&](const QPolygonF &polygon, const QPen &pen, const QBrush &brush, int tag, int index) {
        QGraphicsItem *item = addPolygon(polygon, pen, brush);
        item->setData(TagKey, tag);
        item->setData(IndexKey, index);
    };

    for (size_t k = 0; k < n; ++k) {
        const int index = int(k);
        const MaterialLayer &layer = layers[int(k)];
        const double d = layer.width();
        const double xa = m_xpos[k];
        const double xb = m_xpos[k + 1];
        const double left = wL[k];
        const double right = wR[k];
        const double z = zone[k];
        const double wh = layer.w95();
        const double px = std::max(xb - xa, 1.0);
        const double u = std::max(px / d, 1e-7); // pixels per metre
        double zc = std::trunc(u * z);
        const bool nominal = !(z > 0) || !(zc > 0);

        if (left <= wh && right <= wh) {
            addFill(polygon({{xa, bottom}, {xa, y(left)}, {xb, y(right)}, {xb, bottom}}), Qt::NoPen,
                    hygroscopic, TagHygroscopicFill, index);
            addLineItem(xa, y(left), xb, y(right), linePen, TagMoistureLine, index);
        } else if (left <= wh) {
            // Condensate enters from the cold side.
            if (nominal)
                zc = (px < 11 ? std::max(px / 2, 1.0) : 3.0) * r;
            zc = std::min(zc, xb - xa); // the zone never leaves its layer
            const double xz = xb - zc;
            QPolygonF wet = polygon({{xb, y(wh)}, {xz, y(wh)}});
            if (nominal) {
                wet << QPointF(xz, y(right)) << QPointF(xb, y(right));
            } else {
                const int samples = int(zc);
                for (int j = 0; j <= samples; ++j) {
                    const double s = j == samples ? z : j / u;
                    wet << QPointF(xz + j, y(wh + (right - wh) / std::sqrt(z) * std::sqrt(s)));
                }
            }
            addFill(polygon({{xa, bottom}, {xa, y(left)}, {xz, y(wh)}, {xb, y(wh)}, {xb, bottom}}), Qt::NoPen,
                    hygroscopic, TagHygroscopicFill, index);
            addFill(wet, linePen, condensate, TagCondensateFill, index);
            addLineItem(xa, y(left), xz, y(wh), linePen, TagMoistureLine, index);
        } else if (right <= wh) {
            // Condensate enters from the warm side.
            if (nominal) {
                zc = px < 11 ? std::trunc(std::max(px / 2, 1.0) * r) : 3 * r;
                if (!(zc > 0))
                    zc = r;
            }
            zc = std::min(zc, xb - xa);
            const double xz = xa + zc;
            QPolygonF wet = polygon({{xa, y(wh)}});
            if (nominal) {
                wet << QPointF(xa, y(left)) << QPointF(xz, y(left));
            } else {
                const int samples = int(zc);
                for (int j = 0; j <= samples; ++j) {
                    const double s = j == samples ? z : j / u;
                    wet << QPointF(xa + j,
                                   y(wh + (left - wh) / std::sqrt(z) * std::sqrt(std::max(0.0, z - s))));
                }
            }
            wet << QPointF(xz, y(wh));
            addFill(polygon({{xa, bottom}, {xa, y(wh)}, {xz, y(wh)}, {xb, y(right)}, {xb, bottom}}),
                    Qt::NoPen, hygroscopic, TagHygroscopicFill, index);
            addFill(wet, linePen, condensate, TagCondensateFill, index);
            addLineItem(xz, y(wh), xb, y(right), linePen, TagMoistureLine, index);
        } else {
            // Wet throughout: the excess over the hygroscopic limit grows like a square root from
            // the drier edge and meets both edge values.
            const double a = left - wh;
            const double b = right - wh;
            QPolygonF wet = polygon({{xa, y(wh)}});
            const double diff = b * b - a * a;
            if (std::fabs(diff) <= 1e-12 * std::max(a * a, b * b)) {
                wet << QPointF(xa, y(left)) << QPointF(xb, y(left));
            } else {
                const double c = std::fabs(diff) / d;
                const bool fromWarm = b >= a;
                const double s0 = fromWarm ? a * a * d / diff : b * b * d / -diff;
                const int samples = int(px);
                QVector<QPointF> points;
                for (int j = 0; j <= samples; ++j) {
                    const double s = j == samples ? d : j / u;
                    const double e = std::sqrt(c * (s + s0));
                    const double xs = j == samples ? (fromWarm ? xb : xa) : (fromWarm ? xa + j : xb - j);
                    points.append(QPointF(xs, y(wh + e)));
                }
                if (!fromWarm)
                    std::reverse(points.begin(), points.end());
                for (const QPointF &p : points)
                    wet << p;
            }
            wet << QPointF(xb, y(wh));
            addFill(polygon({{xa, bottom}, {xa, y(wh)}, {xb, y(wh)}, {xb, bottom}}), Qt::NoPen, hygroscopic,
                    TagHygroscopicFill, index);
            addFill(wet, linePen, condensate, TagCondensateFill, index);
        }
        // Reference lines on top of the fills so they stay visible.
        if (wmax > wh)
            addLineItem(xa, y(wh), xb, y(wh), m_pens.pen(DiagramPens::HygroscopicLimit), TagHygroscopicLimit,
                        index);
        if (wmax > layer.w_sat)
            addLineItem(xa, y(layer.w_sat), xb, y(layer.w_sat), m_pens.pen(DiagramPens::SaturationMoisture),
                        TagSaturationLimit, index);
    }
}
