// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DIAGRAMSCENE_H
#define DIAGRAMSCENE_H

#include <QColor>
#include <QFont>
#include <QGraphicsScene>
#include <QRectF>

#include <functional>
#include <vector>

#include "CalculationResults.h"
#include "DiagramKind.h"
#include "DiagramPens.h"
#include "InputData.h"

class QGraphicsItem;
class QGraphicsTextItem;
class QPaintDevice;

/*! The construction and its winter profiles as vector graphics: the construction sketch, the
    vapour pressure diagram and the water content diagram, each over a dimension chain of the
    layer thicknesses.

    All geometry is in scene coordinates equal to device pixels of the target paint device, and
    every text item is laid out against that device, so font metrics match the target. In screen
    mode sizes are fixed pixels; in report mode margins and pen widths are multiplied by the
    resolution factor (device pixels per millimetre), so they are effectively millimetres.

    Every item carries a tag (data key TagKey, see ItemTag) and, for per-layer and per-boundary
    items, the layer or boundary index (data key IndexKey), so callers can find parts of a drawing
    without relying on drawing order. */
class DiagramScene : public QGraphicsScene {
    Q_OBJECT
public:
    /*! What an item shows (value of data key TagKey). */
    enum ItemTag {
        TagNone = 0,
        TagLayerBand,          ///< sketch: coloured layer rectangle
        TagSurfaceLine,        ///< warm or cold surface line
        TagEdgeLine,           ///< top or bottom edge of the construction
        TagChainLine,          ///< horizontal dimension line (total or layer line)
        TagExtensionLine,      ///< vertical dimension extension line at a boundary
        TagSlash,              ///< dimension slash
        TagLayerLabel,         ///< thickness label that fits over its layer
        TagLayerLabelBelow,    ///< thickness label moved below the layer line
        TagLeaderLine,         ///< leader from a layer to its moved label
        TagTotalLabel,         ///< total thickness label
        TagChainTitle,         ///< "Layer widths in [mm]"
        TagBoundaryLine,       ///< vertical layer boundary line over the diagram
        TagTemperatureCurve,   ///< piece of the temperature curve
        TagTemperatureAxis,    ///< temperature axis line
        TagTemperatureTick,    ///< temperature tick line
        TagTemperatureLabel,   ///< temperature tick label
        TagTemperatureTitle,   ///< temperature axis title
        TagArrow,              ///< arrow head of an axis
        TagSaturationCurve,    ///< piece of the saturation vapour pressure curve
        TagRealPressure,       ///< piece of the real vapour pressure
        TagCalculatedPressure, ///< calculated vapour pressure above saturation (dashed)
        TagPressureAxis,       ///< vapour pressure axis line
        TagPressureTick,       ///< vapour pressure tick line
        TagPressureLabel,      ///< vapour pressure tick label
        TagPressureTitle,      ///< vapour pressure axis title
        TagLegendBox,          ///< legend frame
        TagLegendEntry,        ///< legend text
        TagLegendSample,       ///< legend sample line
        TagMoistureAxis,       ///< water content axis line
        TagMoistureTick,       ///< water content tick line
        TagMoistureLabel,      ///< water content tick label
        TagMoistureTitle,      ///< water content axis title
        TagHygroscopicFill,    ///< hygroscopic part of a layer (light fill)
        TagCondensateFill,     ///< overhygroscopic part (condensate zone)
        TagMoistureLine,       ///< moisture content line of a layer
        TagHygroscopicLimit,   ///< hygroscopic limit line of a layer
        TagSaturationLimit     ///< saturation water content line of a layer
    };
    static constexpr int TagKey = 0;
    static constexpr int IndexKey = 1;

    /*! Sets fonts, colours, pens and the hidden axis titles. \a device is used for text layout
        until setupDiagram() hands another one. */
    DiagramScene(bool screenMode, QPaintDevice *device, QObject *parent = nullptr);

    /*! Rebuilds the scene inside \a frame. Does nothing when \a kind is NoDiagram, or when the
        frame, the results, the input data and the kind all equal those of the last rebuild. An
        invalid calculation, a construction without layers or with a layer of thickness <= 0
        gives an empty scene. */
    void setupDiagram(const QRectF &frame, QPaintDevice *device, double resolutionFactor,
                      const CalculationResults &results, const InputData &inputData, DiagramKind kind);

    /*! Thickness label of a layer of \a thickness metres: whole millimetres without decimals when
        the fraction is below 0.1 mm, else one decimal ("175", "12.5", "99.4"), in the current
        locale like the axes ("12,5" in German). */
    static QString thicknessLabel(double thickness);

    /*! Tag of an item (TagNone for untagged items). */
    static int itemTag(const QGraphicsItem *item);
    /*! Layer or boundary index of an item, -1 when it has none. */
    static int itemIndex(const QGraphicsItem *item);
    /*! All items with \a tag, in creation order. */
    QList<QGraphicsItem *> taggedItems(int tag) const;

    bool screenMode() const { return m_screenMode; }
    double resolutionFactor() const { return m_resolutionFactor; }
    DiagramKind diagramKind() const { return m_diagramKind; }
    /*! The rectangle granted by the caller at the last rebuild. */
    const QRectF &frameRect() const { return m_frameRect; }
    /*! The plotting area, after the dimension chain took its part from below. */
    const QRectF &diagramRect() const { return m_diagramRect; }
    /*! x of the layer boundaries; entry 0 is the warm-side surface. Empty when nothing is drawn. */
    const std::vector<double> &boundaries() const { return m_xpos; }
    /*! x of the warm-side and cold-side ends of the drawing (the air zones lie outside the
        surfaces up to these). */
    int warmEnd() const { return m_warmEnd; }
    int coldEnd() const { return m_coldEnd; }
    /*! Total construction thickness in metres. */
    double totalThickness() const { return m_totalThickness; }
    const QFont &tickFont() const { return m_tickFont; }
    const QFont &titleFont() const { return m_titleFont; }
    /*! Height and width of "T" in the tick font on the paint device. */
    double textHeight() const { return m_textHeight; }
    double textWidth() const { return m_textWidth; }
    const DiagramPens &pens() const { return m_pens; }

private:
    // Drawing steps of a rebuild, in their order.
    bool layoutDiagram();
    void drawDimensionChain();
    void drawSketch();
    void drawTemperature();
    void drawVapourPressure();
    void drawWaterContent();

    void createTitleItems();
    QGraphicsTextItem *addTextItem(const QString &text, const QFont &font, bool html = false);
    QSizeF textSize(const QString &text, const QFont &font, bool html, double width) const;
    /*! A profile across the layers (one value per interface) whose air zones bend from the air
        values at both ends into the surface values. */
    void addProfileCurve(const std::vector<double> &values, double airWarm, double airCold,
                         const std::function<double(double)> &y, const QPen &pen, int tag);
    QGraphicsItem *addLineItem(double x1, double y1, double x2, double y2, const QPen &pen, int tag,
                               int index = -1);
    /*! Vertical axis from the diagram top to its bottom with an arrow head at the top. */
    void addAxis(double x, const QPen &pen, int tag);
    /*! Shows a hidden title rotated by -90 degrees, centred vertically over the diagram. */
    void showVerticalTitle(QGraphicsTextItem *title, double x);

    CalculationResults m_results;
    InputData m_inputData;

    QFont m_screenTickFont;
    QFont m_reportTickFont;
    QFont m_screenTitleFont;
    QFont m_reportTitleFont;
    QFont m_tickFont;
    QFont m_titleFont;

    QColor m_temperatureColor;
    QColor m_vapourColor;
    QColor m_moistureReferenceColor;
    QColor m_moistureColor;
    QColor m_condensateColor;
    QColor m_hygroscopicColor;

    QRectF m_frameRect;
    QRectF m_diagramRect;
    std::vector<double> m_xpos;
    int m_warmEnd = 0;
    int m_coldEnd = 0;
    double m_totalThickness = 0;
    double m_textHeight = 15;
    double m_textWidth = 10;
    DiagramKind m_diagramKind = DiagramKind::NoDiagram;
    bool m_screenMode;
    double m_resolutionFactor = 1.0;
    QPaintDevice *m_paintDevice;
    DiagramPens m_pens;

    QGraphicsTextItem *m_temperatureTitle = nullptr;
    QGraphicsTextItem *m_pressureTitle = nullptr;
    QGraphicsTextItem *m_moistureTitle = nullptr;
    QGraphicsTextItem *m_chainTitle = nullptr;
};

#endif // DIAGRAMSCENE_H
