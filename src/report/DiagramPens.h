// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DIAGRAMPENS_H
#define DIAGRAMPENS_H

#include <QPen>

/*! The 14 pens of the profile diagrams. Widths are device pixels; in report mode the resolution
    factor r (device pixels per millimetre) turns the r-proportional parts into millimetres, while
    the fixed lower limits keep lines visible on coarse devices. */
class DiagramPens {
public:
    /*! Pen numbers (1-based, as used throughout the drawing code). */
    enum Pen {
        SaturationPressure = 1, ///< saturation vapour pressure curve and its legend sample
        RealPressure,           ///< real vapour pressure
        CalculatedPressure,     ///< calculated vapour pressure where it exceeds saturation
        BoundaryLine,           ///< vertical layer boundary lines
        DimensionLine,          ///< dimension chain lines and ticks
        SurfaceLine,            ///< sketch: warm and cold surface lines
        EdgeLine,               ///< sketch: top and bottom edge lines
        TemperatureCurve,       ///< temperature curve
        TemperatureAxis,        ///< temperature axis, ticks and arrow
        PressureAxis,           ///< vapour pressure axis
        MoistureAxis,           ///< water content axis
        HygroscopicLimit,       ///< hygroscopic limit line of a layer
        MoistureContent,        ///< moisture content line and overhygroscopic outline
        SaturationMoisture      ///< saturation water content line of a layer
    };
    static constexpr int Count = 14;

    /*! Screen-mode pens for r = 1. */
    DiagramPens() { rebuild(1.0, true); }
    DiagramPens(double resolutionFactor, bool screenMode) { rebuild(resolutionFactor, screenMode); }

    /*! Recomputes all pens for the resolution factor \a r. */
    void rebuild(double r, bool screenMode);

    /*! Pen number \a number (1..14). */
    const QPen &pen(int number) const;

private:
    QPen m_pens[Count];
};

#endif // DIAGRAMPENS_H
