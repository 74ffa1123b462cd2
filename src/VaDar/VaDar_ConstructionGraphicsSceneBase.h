// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VADAR_CONSTRUCTIONGRAPHICSSCENEBASE_H
#define VADAR_CONSTRUCTIONGRAPHICSSCENEBASE_H

#include <QColor>
#include <QFont>
#include <QGraphicsScene>
#include <QPen>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QVector>

#include <vector>

#include "VaDar_ConstructionLayer.h"

class QPaintDevice;

namespace VaDar {

class GraphicsRectItemWithHatch;
class GraphicsTextItemInRect;

/*! A construction drawn to scale as a row of coloured, hatched layers, with the layer names,
    a dimension chain of the layer widths and the two sides of the construction.

    Scene coordinates are device pixels of the paint device the texts are measured on. On
    screen sizes are fixed pixels; for print, margins and pen widths are multiplied by the
    resolution factor (device pixels per millimetre), so they are effectively millimetres.

    The layout runs in five steps that the horizontal and the vertical drawing implement:
    the layer positions, the dimension chain, the layers, the marker lines and the marked
    region. Each layer is one selectable GraphicsRectItemWithHatch carrying its index in
    data slot LayerIndexKey. */
class ConstructionGraphicsSceneBase : public QGraphicsScene {
    Q_OBJECT
public:
    /*! Bits of the visibility flags. */
    enum VisibleItem {
        DimensionLines = 0x1, ///< the dimension chain with the layer widths
        LayerNames = 0x2,     ///< the names written into the layers
        SideAreas = 0x4,      ///< the bands and labels of the two sides
        AllItems = 0x7
    };
    /*! Unit of the widths in the dimension chain. */
    enum WidthUnit { Millimetre = 0, Centimetre = 1, Metre = 2 };

    /*! A line across the construction at a depth measured from the left (warm) surface. */
    struct MarkerLine {
        double position = 0; ///< m from the left surface
        QPen pen;            ///< width in screen pixels (scaled by the resolution factor)
        QString label;
    };

    /*! Item data slot of a layer rectangle holding the layer index. */
    static constexpr int LayerIndexKey = 0;

    /*! \a onScreen chooses fixed pixel sizes and the screen fonts; \a device (may be null:
        the screen) is the default device for text measurement. */
    ConstructionGraphicsSceneBase(bool onScreen, QPaintDevice *device, QObject *parent = nullptr);

    /*! Lays the construction out in \a frame. When frame, visibility flags, layers and the
        overlays are the same as at the last layout, only the side labels are replaced. A
        construction without layers or with a width that is not greater than 0 draws nothing. */
    void setup(const QRectF &frame, QPaintDevice *device, double resolution,
               const QVector<ConstructionLayer> &layers, const QString &leftLabel, const QString &rightLabel,
               int visibleItems);

    /*! The overlays and the width unit take effect at the next setup(). */
    void setWidthUnit(int unit);
    /*! A layer drawn with a red frame; -1 for none. */
    void setMarkedLayer(int index);
    void setMarkerLines(const QVector<MarkerLine> &lines);
    /*! A cross-hatched region between two depths (m from the left surface); drawn only when
        both are greater than 0 and the end lies beyond the start. */
    void setMarkedRegion(double start, double end);

    bool isOnScreen() const { return m_onScreen; }
    const QRectF &frameRect() const { return m_frame; }
    /*! The area the layers fill (after the dimension chain took its room). */
    const QRectF &drawingRect() const { return m_inner; }
    /*! Positions of the layer boundaries along the drawing (layer count + 1 values; empty when
        nothing is drawn). */
    const std::vector<double> &boundaries() const { return m_xpos; }
    double totalWidth() const { return m_totalWidth; }
    const QVector<ConstructionLayer> &layers() const { return m_layers; }
    /*! The rectangle item of layer \a index, or nullptr. */
    GraphicsRectItemWithHatch *layerItem(int index) const;
    /*! The name written into layer \a index, or nullptr when names are off or nothing is drawn. */
    GraphicsTextItemInRect *layerNameItem(int index) const;

    /*! Relative luminance of a colour, 0 (black) to 1 (white), with the channels linearised by
        the power 2.2. */
    static double relativeLuminance(const QColor &color);
    /*! Black on light colours (luminance above 0.5), white on dark ones. */
    static QColor textColorFor(const QColor &background);

protected:
    /*! Boundary positions and drawing area; false when the frame is too small for a drawing. */
    virtual bool calculatePositions() = 0;
    virtual void drawDimensions() = 0;
    virtual void drawLayers() = 0;
    virtual void drawMarkerLines() = 0;
    virtual void drawMarkedRegion() = 0;

    /*! The rectangle item of a layer (or of the marked region when \a index is -1). */
    GraphicsRectItemWithHatch *addLayerRect(const QRectF &rect, int index);
    /*! A text item laid out on the scene's device. */
    GraphicsTextItemInRect *addText(const QString &text, const QFont &font, QGraphicsItem *parent = nullptr);
    /*! Size of \a text on one line as a GraphicsTextItemInRect lays it out on the scene's device. */
    QSizeF textSize(const QString &text, const QFont &font) const;
    /*! A text item placed with its top-left corner at \a topLeft, on one line. */
    GraphicsTextItemInRect *addTextAt(const QString &text, const QFont &font, const QPointF &topLeft);
    /*! A layer width in the current unit, in the locale's number format. */
    QString widthText(double width) const;
    /*! "Layer widths in [mm]" in the current unit. */
    QString dimensionTitle() const;
    /*! The two side labels, placed into \a leftRect and \a rightRect beside the layers, or into
        the larger \a leftRoom and \a rightRoom when they do not fit there whole.
        \a direction is a GraphicsTextItemInRect::Direction. */
    void addSideLabels(const QRectF &leftRect, const QRectF &rightRect, const QRectF &leftRoom,
                       const QRectF &rightRoom, int direction);
    /*! A size in screen pixels, scaled for print. */
    double scaled(double pixels) const { return m_onScreen ? pixels : pixels * m_res; }
    /*! Position of a depth \a position (m from the left surface) along the drawing. */
    double positionOf(double position) const;

    QRectF m_frame;             ///< outer frame
    QRectF m_inner;             ///< drawing area
    QRectF m_area;              ///< drawing area before the dimension chain took its room
    std::vector<double> m_xpos; ///< layer boundaries along the drawing direction
    double m_totalWidth = 0;    ///< m
    double m_band = 0;          ///< width of each side band
    double m_areaEnd = 0;       ///< end of the layer area (the last boundary plus truncation losses)
    double m_pixelsPerMetre = 0;
    double m_textHeight = 15.0; ///< height of the letter "T" in the dimension font
    double m_textWidth = 10.0;  ///< width of the letter "T" in the dimension font
    bool m_onScreen;
    double m_res = 1.0;
    QPaintDevice *m_device;
    QColor m_backgroundColor = Qt::white;
    QFont m_layerFontScreen;
    QFont m_layerFontPrint;
    QFont m_dimensionFontScreen;
    QFont m_dimensionFontPrint;
    QFont m_layerFont;     ///< the one of the pair above in use
    QFont m_dimensionFont; ///< the one of the pair above in use
    QPen m_layerPen;
    QPen m_hatchPen;
    QPen m_dimensionPen;
    QString m_leftLabel;
    QString m_rightLabel;
    bool m_showDimensions = true;
    bool m_showNames = true;
    bool m_showSides = true;
    int m_markedLayer = -1;
    int m_widthUnit = Millimetre;
    QVector<MarkerLine> m_markerLines;
    double m_regionStart = 0;
    double m_regionEnd = 0;
    QVector<ConstructionLayer> m_layers;
    std::vector<GraphicsRectItemWithHatch *> m_layerItems;
    std::vector<GraphicsTextItemInRect *> m_nameItems;

    /*! Colours of the left (warm) and the right (cold) side bands. */
    static const QColor LeftSideColor;
    static const QColor RightSideColor;

private:
    bool sameDrawing(const QRectF &frame, int visibleItems, const QVector<ConstructionLayer> &layers) const;
    void placeSideLabels();
    void setPens();

    int m_visibleItems = AllItems;
    bool m_forceLayout = true; ///< an overlay or the unit changed since the last layout
    GraphicsTextItemInRect *m_leftLabelItem = nullptr;
    GraphicsTextItemInRect *m_rightLabelItem = nullptr;
    QRectF m_leftLabelRect;
    QRectF m_rightLabelRect;
    QRectF m_leftLabelRoom;
    QRectF m_rightLabelRoom;
    int m_sideLabelDirection = 0;
};

} // namespace VaDar

#endif // VADAR_CONSTRUCTIONGRAPHICSSCENEBASE_H
