// SPDX-License-Identifier: GPL-3.0-or-later
#include "SketchFrame.h"

#include <algorithm>

#include "Report.h"

SketchFrame::SketchFrame(Report &report) : DiagramFrame(report, DiagramKind::ConstructionSketch) {}

QString SketchFrame::title() const {
    return tr("Construction Sketch");
}

double SketchFrame::diagramHeight(double width) const {
    Q_UNUSED(width)
    return std::max(50 * m_report.pixelsPerMillimetre(), m_report.pageSize().height() / 4.0);
}
