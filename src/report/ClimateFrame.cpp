// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClimateFrame.h"

#include <QLocale>
#include <QPainter>

#include "Report.h"
#include "ReportText.h"

ClimateFrame::ClimateFrame(Report &report)
    : ReportFrameBase(report), m_title(report.textDocument()), m_winter(report.textDocument()),
      m_winterPeriod(report.textDocument()), m_summer(report.textDocument()),
      m_summerPeriod(report.textDocument()) {}

void ClimateFrame::fillTable(VaDar::Table &table, const QString &title, const ClimateCondition &warm,
                             const ClimateCondition &cold) const {
    setupTable(table, 5, 4);
    table.setCellText(0, 0, QStringLiteral("<h3>%1</h3>").arg(title));
    table.setCellAlignment(0, 0, Qt::AlignHCenter | Qt::AlignVCenter);
    table.mergeCells(0, 0, 5, 1);
    table.setCellText(0, 1, QStringLiteral("<h4>%1</h4>").arg(tr("Climate at warm side")));
    table.setCellAlignment(0, 1, Qt::AlignHCenter | Qt::AlignVCenter);
    table.mergeCells(0, 1, 2, 1);
    table.setCellText(3, 1, QStringLiteral("<h4>%1</h4>").arg(tr("Climate at cold side")));
    table.setCellAlignment(3, 1, Qt::AlignHCenter | Qt::AlignVCenter);
    table.mergeCells(3, 1, 2, 1);
    const ClimateCondition *sides[2] = {&warm, &cold};
    for (int side = 0; side < 2; ++side) {
        const unsigned int col = side == 0 ? 0 : 3;
        table.setCellText(col, 2, tr("Temperature"));
        table.setCellText(col, 3, tr("Relative Humidity"));
        table.setCellText(
            col + 1, 2,
            QStringLiteral("%1 %2C").arg(ReportText::number(sides[side]->temperature(), 0), QChar(0x00B0)));
        table.setCellText(col + 1, 3,
                          QStringLiteral("%1 %").arg(ReportText::number(sides[side]->relativeHumidity(), 0)));
        for (unsigned int row = 2; row < 4; ++row) {
            table.setCellAlignment(col, row, Qt::AlignLeft | Qt::AlignVCenter);
            table.setCellAlignment(col + 1, row, Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    // The middle column only separates the two sides.
    table.setColumnWidthMode(2, VaDar::Table::FixedSize, 2 * lineHeight(PlainText));
    for (unsigned int row = 1; row < 4; ++row)
        table.setCellBorderWidth(2, row, VaDar_TableCell::TopBorder | VaDar_TableCell::BottomBorder, 0);
}

void ClimateFrame::update(QPaintDevice *device, double width) {
    prepare(device);
    const double gap = lineHeight(PlainText);
    const AssessmentConditions &ac = m_report.inputData().assessmentConditions();
    const auto days = [](double value) { return QLocale().toString(value, 'g', 6); };

    double y =
        layoutText(m_title, device, width, QStringLiteral("<h2>%1</h2>").arg(tr("Climate Data"))) + gap;
    m_tops[0] = y;
    fillTable(m_winter, tr("Winter Climate"), ac.interiorClimate(), ac.exteriorClimate());
    y += layoutTable(m_winter, device, width) + gap / 2;
    m_tops[1] = y;
    y += layoutText(m_winterPeriod, device, width,
                    QStringLiteral("<h4>%1:       \t%2 %3</h4>")
                        .arg(tr("Duration of Condensation Periode (winter)"), days(ac.condensationTime(true)),
                             tr("Days"))) +
         gap;
    m_tops[2] = y;
    fillTable(m_summer, tr("Summer Climate"), ac.interiorSummerClimate(), ac.exteriorSummerClimate());
    y += layoutTable(m_summer, device, width) + gap / 2;
    m_tops[3] = y;
    y += layoutText(
        m_summerPeriod, device, width,
        QStringLiteral("<h4>%1:      %2 %3</h4>")
            .arg(tr("Duration of Drying Periode (summer)"), days(ac.evaporationTime(true)), tr("Days")));
    m_frameRect = QRectF(0, 0, width, y + gap);
}

void ClimateFrame::print(QPainter &painter, const QRectF &rect) {
    const QPointF origin = rect.topLeft();
    m_title.drawFrame(&painter, origin, rect.width());
    m_winter.paint(&painter, origin + QPointF(0, m_tops[0]));
    m_winterPeriod.drawFrame(&painter, origin + QPointF(0, m_tops[1]), rect.width());
    m_summer.paint(&painter, origin + QPointF(0, m_tops[2]));
    m_summerPeriod.drawFrame(&painter, origin + QPointF(0, m_tops[3]), rect.width());
}
