// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportFrameConclusions.h"

#include <QPainter>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
#include <limits>

#include "AssessmentChecks.h"
#include "Report.h"
#include "ReportText.h"
#include "ResultsSummary.h"
#include "VaDar_TextFrameInformations.h"

ReportFrameConclusions::ReportFrameConclusions(Report &report)
    : ReportFrameBase(report), m_title(report.textDocument()), m_table(report.textDocument()),
      m_note(report.textDocument()) {}

QString ReportFrameConclusions::stateText() const {
    const CalculationResults &r = m_report.results();
    const QString messages = ReportText::withoutLinks(r.messages.join(QStringLiteral("<br/>")));
    switch (r.calcState) {
    case CalculationResults::CS_CondensationInnerSurface:
        return ResultsSummary::red(tr("Surface condensation left side. No calculation possible."));
    case CalculationResults::CS_CondensationOuterSurface:
        return ResultsSummary::red(tr("Surface condensation right side. No calculation possible."));
    case CalculationResults::CS_SingleLayer:
        return tr("Only one layer. No condensation possible.");
    case CalculationResults::CS_NoCondensation:
        return tr("No condensation.");
    case CalculationResults::CS_InvalidInput:
        // The same list of input errors the window shows.
        return ReportText::withoutLinks(ResultsSummary(m_report.inputData(), r).inputErrorText());
    case CalculationResults::CS_NoLayers:
    case CalculationResults::CS_AlgorithmFailure:
        return ResultsSummary::red(tr("Unspecific error.")) +
               (messages.isEmpty() ? QString() : QStringLiteral("<br/>") + messages);
    default:
        return r.calcState < CalculationResults::CS_OnePlane ? ResultsSummary::red(tr("Unspecific error."))
                                                             : QString();
    }
}

QString ReportFrameConclusions::dryingTimeText() const {
    const CalculationResults &r = m_report.results();
    const double period = m_report.inputData().assessmentConditions().condensationTime(false);
    // Condensate that only starts to grow at the end of the period has nothing to dry.
    if (std::fabs(r.t_hyg - period) <= 1e-9 * std::max(1.0, std::fabs(period)))
        return tr("Not applicable");
    if (r.t_dry < 0)
        return tr("No drying");
    return ReportText::number(r.t_dry / 3600 / 24, 2);
}

void ReportFrameConclusions::update(QPaintDevice *device, double width) {
    prepare(device);
    const double gap = lineHeight(PlainText);
    const CalculationResults &r = m_report.results();
    const InputData &input = m_report.inputData();
    m_tableTop = layoutText(m_title, device, width,
                            QStringLiteral("<h2>%1</h2>").arg(tr("Print Summary of Results"))) +
                 gap;

    const AssessmentChecks assessment(input, r, m_report.settings().m_assessment);
    m_checks = assessment.rows();
    const QString state = stateText();
    const double noValue = std::numeric_limits<double>::quiet_NaN();
    // Dry values exist as soon as the layers have a thermal resistance.
    const bool dry = r.R_dry > 0;
    const QString perSquareMetreKelvin = QStringLiteral("W/(m<sup>2</sup>K)");

    struct Line {
        QString label, symbol, value, unit;
    };
    QVector<Line> lines{{tr("Thermal transmission coefficient of the construction (moisture dependent)"),
                         QStringLiteral("U ="), ReportText::number(Report::hasProfiles(r) ? r.U : noValue, 3),
                         perSquareMetreKelvin},
                        {tr("Thermal transmission coefficient of the construction according ISO 6946 (dry)"),
                         QStringLiteral("U ="), ReportText::number(dry ? r.U_ISO6946() : noValue, 3),
                         perSquareMetreKelvin},
                        {tr("Thermal transfer resistance of the construction (dry)"), QStringLiteral("R ="),
                         ReportText::number(dry ? r.R_dry : noValue, 3), QStringLiteral("m<sup>2</sup>K/W")}};
    if (state.isEmpty()) {
        lines.append({tr("Condensation mass after condensation period (based on TAVO)"),
                      QStringLiteral("M<sub>c</sub> ="), ReportText::number(r.mc, 3),
                      QStringLiteral("kg/m<sup>2</sup>")});
        lines.append({tr("Drying time"), QStringLiteral("t<sub>ev</sub> ="), dryingTimeText(),
                      r.t_dry >= 0 ? tr("d") : QString()});
    }

    const unsigned int stateRows = state.isEmpty() ? 0 : 1;
    const bool standardProcedure = std::any_of(m_checks.cbegin(), m_checks.cend(), [](const CheckRow &check) {
        return check.group() == CheckRow::StandardProcedure;
    });
    const unsigned int headingRows = standardProcedure ? 1 : 0;
    const unsigned int rows = static_cast<unsigned int>(lines.size()) + stateRows + headingRows +
                              static_cast<unsigned int>(m_checks.size());
    setupTable(m_table, 4, rows);
    m_table.setColumnWidthMode(1, VaDar::Table::ContentSize);
    m_table.setColumnWidthMode(2, VaDar::Table::ContentSize);
    m_table.setColumnWidthMode(3, VaDar::Table::ContentSize);
    unsigned int row = 0;
    for (const Line &line : lines) {
        m_table.setCellText(0, row, line.label);
        m_table.setCellText(1, row, line.symbol);
        m_table.setCellText(2, row, line.value);
        m_table.setCellText(3, row, line.unit);
        m_table.setCellAlignment(0, row, Qt::AlignLeft | Qt::AlignVCenter);
        m_table.setCellAlignment(1, row, Qt::AlignRight | Qt::AlignVCenter);
        m_table.setCellAlignment(2, row, Qt::AlignRight | Qt::AlignVCenter);
        m_table.setCellAlignment(3, row, Qt::AlignLeft | Qt::AlignVCenter);
        ++row;
    }
    if (!state.isEmpty()) {
        m_table.setCellText(0, row, state);
        m_table.mergeCells(0, row, 4, 1);
        ++row;
    }
    m_firstCheckRow = row;
    m_checkRows.clear();
    m_standardProcedureHeadingRow = 0;
    for (const CheckRow &check : qAsConst(m_checks)) {
        if (check.group() == CheckRow::StandardProcedure && m_standardProcedureHeadingRow == 0) {
            m_standardProcedureHeadingRow = row;
            m_table.setCellText(
                0, row, QStringLiteral("<b>%1</b>").arg(AssessmentChecks::standardProcedureHeading()));
            m_table.setCellAlignment(0, row, Qt::AlignLeft | Qt::AlignVCenter);
            m_table.mergeCells(0, row, 4, 1);
            ++row;
        }
        m_checkRows.append(row);
        m_table.setCellText(0, row, check.label);
        m_table.setCellAlignment(0, row, Qt::AlignLeft | Qt::AlignVCenter);
        if (check.hasVerdict()) {
            m_table.mergeCells(0, row, 2, 1);
            m_table.setCellText(2, row, check.value);
            m_table.setCellAlignment(2, row, Qt::AlignLeft | Qt::AlignVCenter);
            m_table.mergeCells(2, row, 2, 1);
        } else {
            // An explanation of the line above: no verdict of its own.
            m_table.mergeCells(0, row, 4, 1);
        }
        ++row;
    }
    double tableHeight = layoutTable(m_table, device, width);
    // A merged cell does not widen its columns: the verdicts must not break into two lines.
    double verdictWidth = 0;
    for (const CheckRow &check : qAsConst(m_checks)) {
        if (!check.hasVerdict())
            continue;
        VaDar_TextFrameInformations::layoutText(m_report.textDocument(), check.value, -1);
        verdictWidth = std::max(verdictWidth, m_report.textDocument()->idealWidth());
    }
    const double cellPadding = (2 * 1 + 3 + 3) * m_table.scale(); // spacing and margins of setupTable()
    const double missing = verdictWidth + cellPadding - m_table.columnWidth(2) - m_table.columnWidth(3);
    if (verdictWidth > 0 && missing > 0) {
        m_table.setColumnWidthMode(3, VaDar::Table::FixedSize, m_table.columnWidth(3) + std::ceil(missing));
        tableHeight = layoutTable(m_table, device, width);
    }
    m_noteTop = m_tableTop + tableHeight;

    double height = m_noteTop;
    m_note.setText(QString());
    const QString note = assessment.note();
    if (!note.isEmpty()) {
        m_noteTop += gap / 2;
        height = m_noteTop + layoutText(m_note, device, width, QStringLiteral("<small>%1</small>").arg(note));
    }
    m_frameRect = QRectF(0, 0, width, height + gap);
}

void ReportFrameConclusions::print(QPainter &painter, const QRectF &rect) {
    m_title.drawFrame(&painter, rect.topLeft(), rect.width());
    m_table.paint(&painter, rect.topLeft() + QPointF(0, m_tableTop));
    if (!m_note.text().isEmpty())
        m_note.drawFrame(&painter, rect.topLeft() + QPointF(0, m_noteTop), rect.width());
}
