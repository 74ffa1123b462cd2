// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VADAR_GRAPHICSRECTITEMWITHHATCH_H
#define VADAR_GRAPHICSRECTITEMWITHHATCH_H

#include <QGraphicsRectItem>
#include <QPen>

namespace VaDar {

/*! The rectangle of one layer in a construction drawing: filled with the item's brush and
    overlaid with a line hatching. A selected item shows a heavy black frame instead of the
    default dashed selection frame.

    Hatch kinds: 0 none, 1 horizontal, 2 vertical, 3 diagonal falling to the right,
    4 diagonal rising to the right, 5 diagonal cross, 6 rectangular grid, 7 soft insulation;
    other values draw no hatch. */
class GraphicsRectItemWithHatch : public QGraphicsRectItem {
public:
    enum HatchKind {
        NoHatch = 0,
        HorizontalHatch = 1,
        VerticalHatch = 2,
        FallingDiagonalHatch = 3,
        RisingDiagonalHatch = 4,
        DiagonalCrossHatch = 5,
        GridHatch = 6,
        InsulationHatch = 7
    };

    /*! \a hatchDistance is the spacing of the hatch lines in scene units. */
    GraphicsRectItemWithHatch(int hatchKind, double hatchDistance, QGraphicsItem *parent = nullptr);
    GraphicsRectItemWithHatch(const QRectF &rect, int hatchKind, double hatchDistance,
                              QGraphicsItem *parent = nullptr);

    int hatchKind() const { return m_hatchKind; }
    double hatchDistance() const { return m_hatchDistance; }
    const QPen &hatchPen() const { return m_hatchPen; }
    /*! Pen of the hatch lines (default black, width 1, solid); repaints the item. */
    void setHatchPen(const QPen &pen);

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget = nullptr) override;

    /*! Draws the hatch of \a kind into \a rect with the painter's current pen. */
    static void drawHatch(QPainter *painter, int kind, const QRectF &rect, double distance);

private:
    int m_hatchKind;
    double m_hatchDistance;
    QPen m_hatchPen{Qt::black, 1, Qt::SolidLine};
};

} // namespace VaDar

#endif // VADAR_GRAPHICSRECTITEMWITHHATCH_H
