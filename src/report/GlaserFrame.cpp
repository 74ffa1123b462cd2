// SPDX-License-Identifier: GPL-3.0-or-later
#include "GlaserFrame.h"

#include <QPainter>

#include <limits>

#include "Report.h"
#include "ReportText.h"

GlaserFrame::GlaserFrame(Report &report)
    : ReportFrameBase(report), m_title(report.textDocument()), m_table(report.textDocument()) {}

QString GlaserFrame::climateText(const ClimateCondition &climate) const {
    return QStringLiteral("%1 %3C / %2 %")
        .arg(ReportText::number(climate.temperature(), 0), ReportText::number(climate.relativeHumidity(), 0),
             QString(QChar(0x00B0)));
}

void GlaserFrame::update(QPaintDevice *device, double width) {
    prepare(device);
    const double gap = lineHeight(PlainText);
    const CalculationResults &r = m_report.results();
    const AssessmentConditions &ac = m_report.inputData().assessmentConditions();
    const bool valid = Report::hasGlaserResults(r);
    const double noValue = std::numeric_limits<double>::quiet_NaN();
    m_tableTop =
        layoutText(m_title, device, width,
                   QStringLiteral("<h2>%1</h2>").arg(tr("Results according DIN 4108-3 (Glaser Scheme)"))) +
        gap;

    // A frame around the scheme and a rule under each headline; lines between the cells would
    // only box in the empty indent and separator columns.
    setupTable(m_table, 6, 10);
    m_table.setInnerFrameWidth(0);
    const auto headline = [this](unsigned int row, const QString &text) {
        m_table.setCellText(0, row, QStringLiteral("<h3>%1</h3>").arg(text));
        m_table.mergeCells(0, row, 6, 1);
        for (unsigned int col = 0; col < 6; ++col)
            m_table.setCellBorderWidth(col, row, VaDar_TableCell::BottomBorder, InnerLineWidth);
    };
    const auto days = [](double value) { return ReportText::number(value, 0); };
    headline(0, tr("Condensation Period (Winter)"));
    m_table.setCellText(1, 1, tr("Period"));
    m_table.setCellText(2, 1, QStringLiteral("%1 %2").arg(days(ac.condensationTime(true)), tr("days")));
    m_table.setCellText(4, 1, tr("Condensation mass (according to Glaser)"));
    m_table.setCellText(5, 1,
                        QStringLiteral("w<sub>T</sub> = %1 kg/m<sup>2</sup>")
                            .arg(ReportText::number(valid ? r.mc_Glaser : noValue, 3)));
    m_table.setCellText(1, 2, tr("Interior climate (left)"));
    m_table.setCellText(2, 2, climateText(ac.interiorClimate()));
    m_table.setCellText(1, 3, tr("Outdoor climate (right)"));
    m_table.setCellText(2, 3, climateText(ac.exteriorClimate()));

    headline(5, tr("Drying Period (Summer)"));
    m_table.setCellText(1, 6, tr("Period"));
    m_table.setCellText(2, 6, QStringLiteral("%1 %2").arg(days(ac.evaporationTime(true)), tr("days")));
    m_table.setCellText(4, 6, tr("Potential drying mass"));
    m_table.setCellText(5, 6,
                        QStringLiteral("w<sub>V</sub> = %1 kg/m<sup>2</sup>")
                            .arg(ReportText::number(valid ? r.mev_Glaser : noValue, 3)));
    m_table.setCellText(1, 7, tr("Interior climate (left)"));
    m_table.setCellText(2, 7, climateText(ac.interiorSummerClimate()));
    m_table.setCellText(4, 7, tr("Duration of drying (according to Glaser)"));
    m_table.setCellText(
        5, 7,
        QStringLiteral("t<sub>ev</sub> = %1 %2")
            .arg(ReportText::number(valid ? r.tev_Glaser / 3600 / 24 : noValue, 1), tr("days")));
    m_table.setCellText(1, 8, tr("Outdoor climate (right)"));
    m_table.setCellText(2, 8, climateText(ac.exteriorSummerClimate()));
    m_table.setCellText(1, 9, tr("Condensation zone"));
    ClimateCondition zone = ac.exteriorSummerClimate();
    zone.setRelativeHumidity(100);
    m_table.setCellText(2, 9, climateText(zone));
    for (unsigned int row = 0; row < 10; ++row)
        for (unsigned int col : {2u, 5u})
            m_table.setCellAlignment(col, row, Qt::AlignRight | Qt::AlignVCenter);
    // Column 0 indents the rows below the headlines, column 3 separates climate and results.
    m_table.setColumnWidthMode(0, VaDar::Table::FixedSize, gap);
    m_table.setColumnWidthMode(3, VaDar::Table::FixedSize, gap);
    for (unsigned int col : {1u, 2u, 5u})
        m_table.setColumnWidthMode(col, VaDar::Table::ContentSize);
    m_frameRect = QRectF(0, 0, width, m_tableTop + layoutTable(m_table, device, width) + gap);
}

void GlaserFrame::print(QPainter &painter, const QRectF &rect) {
    m_title.drawFrame(&painter, rect.topLeft(), rect.width());
    m_table.paint(&painter, rect.topLeft() + QPointF(0, m_tableTop));
}
