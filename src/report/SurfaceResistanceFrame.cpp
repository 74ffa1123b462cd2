// SPDX-License-Identifier: GPL-3.0-or-later
#include "SurfaceResistanceFrame.h"

#include <QPainter>

#include "Report.h"
#include "ReportText.h"

SurfaceResistanceFrame::SurfaceResistanceFrame(Report &report)
    : ReportFrameBase(report), m_title(report.textDocument()), m_table(report.textDocument()) {}

void SurfaceResistanceFrame::update(QPaintDevice *device, double width) {
    prepare(device);
    const double gap = lineHeight(PlainText);
    m_tableTop =
        layoutText(m_title, device, width, QStringLiteral("<h2>%1</h2>").arg(tr("Surface Resistances"))) +
        gap;
    const AssessmentConditions &ac = m_report.inputData().assessmentConditions();
    setupTable(m_table, 3, 2);
    const QString value = QStringLiteral("= %1 m<sup>2</sup>K/W");
    m_table.setCellText(0, 0, tr("Warm side:"));
    m_table.setCellText(1, 0, QStringLiteral("R<sub>si</sub>"));
    m_table.setCellText(2, 0, value.arg(ReportText::number(ac.interiorClimate().surfaceResistance(), 3)));
    m_table.setCellText(0, 1, tr("Cold side:"));
    m_table.setCellText(1, 1, QStringLiteral("R<sub>se</sub>"));
    m_table.setCellText(2, 1, value.arg(ReportText::number(ac.exteriorClimate().surfaceResistance(), 3)));
    m_table.setColumnWidthMode(1, VaDar::Table::ContentSize);
    m_table.setColumnWidthMode(2, VaDar::Table::ContentSize);
    m_frameRect = QRectF(0, 0, width, m_tableTop + layoutTable(m_table, device, width) + gap);
}

void SurfaceResistanceFrame::print(QPainter &painter, const QRectF &rect) {
    m_title.drawFrame(&painter, rect.topLeft(), rect.width());
    m_table.paint(&painter, rect.topLeft() + QPointF(0, m_tableTop));
}
