// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VADAR_RECTHATCHINGFUNCTIONS_H
#define VADAR_RECTHATCHINGFUNCTIONS_H

class QPainter;
class QRectF;

/*! Line hatchings of a rectangle, drawn with whatever pen the painter holds; nothing is
    filled. \a distance is the spacing of the lines in the rectangle's units. A null painter
    is a programming error (VADAR_ASSERT). A distance that is not a positive number, an empty
    rectangle or a pattern of absurdly many lines draws nothing. */
namespace VaDar {

/*! Horizontal lines at every \a distance below the top edge. */
void drawHatchHorizontal(QPainter *painter, const QRectF &rect, double distance);

/*! Vertical lines at every \a distance right of the left edge. */
void drawHatchVertical(QPainter *painter, const QRectF &rect, double distance);

/*! Lines parallel to the diagonal from the top-left to the bottom-right corner, starting
    at the top-right corner; their perpendicular spacing is \a distance. */
void drawHatchFallingDiagonal(QPainter *painter, const QRectF &rect, double distance);

/*! Lines parallel to the diagonal from the bottom-left to the top-right corner, starting
    at the top-left corner; their perpendicular spacing is \a distance. */
void drawHatchRisingDiagonal(QPainter *painter, const QRectF &rect, double distance);

/*! The symbol of soft insulation: a chain of loops along the longer side. Roughly
    max(3, \a distance) loops fit into a square of the shorter side. */
void drawHatchInsulation(QPainter *painter, const QRectF &rect, double distance);

/*! Most lines (or loops) one pattern may draw; beyond it the pattern would be a solid
    area anyway and drawing it would only stall the program. */
constexpr int MaxHatchLines = 100000;

} // namespace VaDar

#endif // VADAR_RECTHATCHINGFUNCTIONS_H
