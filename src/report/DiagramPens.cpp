// SPDX-License-Identifier: GPL-3.0-or-later
#include "DiagramPens.h"

#include <QColor>
#include <QVector>

#include <algorithm>
#include <cmath>

#include "VaDar_Assert.h"

namespace {

QPen makePen(const QColor &color, double width, Qt::PenStyle style = Qt::SolidLine) {
    QPen pen(color);
    pen.setWidthF(width);
    pen.setStyle(style);
    return pen;
}

} // namespace

void DiagramPens::rebuild(double r, bool screenMode) {
    const QColor darkBlue("darkblue");
    const QColor dodgerBlue("dodgerblue");
    const QColor blue("blue");
    const QColor darkRed(139, 0, 0);

    m_pens[SaturationPressure - 1] = makePen(darkBlue, std::trunc(std::max(1.0, 0.25 * r)));
    m_pens[RealPressure - 1] = makePen(darkBlue, std::max(1.8, 0.45 * r));

    QPen calculated = makePen(Qt::black, r <= 1 ? 1.0 : std::max(1.0, 0.2 * r));
    // QPen dash lengths are in units of the pen width.
    calculated.setDashPattern(QVector<qreal>{4, 3});
    m_pens[CalculatedPressure - 1] = calculated;

    QPen boundary = makePen(screenMode ? QColor(Qt::darkGray) : QColor(Qt::black), std::max(2.0, 0.6 * r));
    boundary.setCapStyle(Qt::FlatCap);
    m_pens[BoundaryLine - 1] = boundary;
    m_pens[DimensionLine - 1] =
        makePen(screenMode ? QColor(Qt::gray) : QColor(Qt::black), std::max(1.0, 0.2 * r));
    m_pens[SurfaceLine - 1] = makePen(Qt::black, screenMode ? 2.0 : std::trunc(0.8 * r));
    m_pens[EdgeLine - 1] = makePen(Qt::darkGray, screenMode ? 1.0 : 0.2 * r, Qt::DashLine);

    m_pens[TemperatureCurve - 1] = makePen(darkRed, std::max(1.5, 0.4 * r));
    m_pens[TemperatureAxis - 1] = makePen(darkRed, std::max(1.0, 0.4 * r));
    m_pens[PressureAxis - 1] = makePen(darkBlue, std::max(1.0, 0.4 * r));
    m_pens[MoistureAxis - 1] = makePen(blue, std::max(1.0, 0.4 * r));
    m_pens[HygroscopicLimit - 1] = makePen(dodgerBlue, std::max(0.5, 0.2 * r));
    m_pens[MoistureContent - 1] = makePen(blue, std::max(0.7, 0.4 * r));
    m_pens[SaturationMoisture - 1] = makePen(dodgerBlue, std::max(2.0, 0.8 * r), Qt::DotLine);
}

const QPen &DiagramPens::pen(int number) const {
    VADAR_ASSERT(number >= 1 && number <= Count, "[DiagramPens::pen]");
    return m_pens[number - 1];
}
