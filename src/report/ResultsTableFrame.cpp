// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultsTableFrame.h"

#include <QPainter>

#include <limits>

#include "Report.h"
#include "ReportText.h"

namespace {

QString coloured(const QString &colour, const QString &value, bool bold) {
    const QString text = QStringLiteral("<font color=\"%1\">%2</font>").arg(colour, value);
    return bold ? QStringLiteral("<b>%1</b>").arg(text) : text;
}

// Interface k lies inside a zone when it separates two of the zone's layers.
bool interfaceInZone(const CalculationResults &r, int k) {
    for (const CalculationResults::IndexRange &zone : r.zones)
        if (zone.first < k && k <= zone.second)
            return true;
    return false;
}

bool layerInZone(const CalculationResults &r, int i) {
    for (const CalculationResults::IndexRange &zone : r.zones)
        if (zone.first <= i && i <= zone.second)
            return true;
    return false;
}

const double NoValue = std::numeric_limits<double>::quiet_NaN();

} // namespace

ResultsTableFrame::ResultsTableFrame(Report &report)
    : ReportFrameBase(report), m_title(report.textDocument()), m_table(report.textDocument()),
      m_legend(report.textDocument()) {}

void ResultsTableFrame::update(QPaintDevice *device, double width) {
    prepare(device);
    const double gap = lineHeight(PlainText);
    const QVector<MaterialLayer> &layers = m_report.inputData().layers();
    const CalculationResults &r = m_report.results();
    const int n = layers.size();
    const std::size_t un = static_cast<std::size_t>(n);
    const bool profiles =
        Report::hasProfiles(r) && r.T.size() == un + 1 && r.psat.size() == un + 1 && r.pv.size() == un + 1;
    const bool moisture = Report::hasMoistureResults(r) && r.w_left.size() == un && r.w_right.size() == un &&
                          r.sk_Tavo.size() == un && r.mc_layers.size() == un;
    const QString red = QStringLiteral("#FF0000");
    const QString green = QStringLiteral("#00FF00");
    const QString blue = QStringLiteral("#0000FF");
    const QString degree(QChar(0x00B0));

    m_tableTop =
        layoutText(
            m_title, device, width,
            QStringLiteral("<h2>%1</h2>").arg(tr("Temperatures, Vapoure Pressures and Moisture Contents"))) +
        gap;

    const unsigned int rows = 3 + 2 * static_cast<unsigned int>(n);
    setupTable(m_table, 8, rows);
    const QString headers[8] = {QString(),
                                QStringLiteral("<h4>%1</h4>").arg(tr("Layer / Material")),
                                QStringLiteral("<h4>%1<br/>[%2C]</h4>").arg(QChar(0x03B8)).arg(degree),
                                QStringLiteral("<h4>p<sub>sat</sub><br/>[Pa]</h4>"),
                                QStringLiteral("<h4>p<br/>[Pa]</h4>"),
                                QStringLiteral("<h4>w<br/>[m<sup>3</sup>/m<sup>3</sup>]</h4>"),
                                QStringLiteral("<h4>d<sub>c</sub><br/>[mm]</h4>"),
                                QStringLiteral("<h4>M<sub>c</sub><br/>[kg/m<sup>2</sup>]</h4>")};
    for (unsigned int col = 0; col < 8; ++col) {
        m_table.setCellText(col, 0, headers[col]);
        m_table.setCellAlignment(col, 0, Qt::AlignHCenter | Qt::AlignVCenter);
        if (col != 1)
            m_table.setColumnWidthMode(col, VaDar::Table::ContentSize);
    }

    const unsigned int last = rows - 1;
    m_table.setCellText(0, 1, tr("Air layer (warm side)"));
    m_table.mergeCells(0, 1, 2, 1);
    m_table.setCellText(0, last, tr("Air layer (cold side)"));
    m_table.mergeCells(0, last, 2, 1);

    for (int i = 0; i < n; ++i) {
        const std::size_t ui = static_cast<std::size_t>(i);
        const unsigned int top = interfaceRow(i);
        const bool wet = moisture && layerInZone(r, i);
        m_table.setCellText(0, top, QString::number(i + 1));
        m_table.setCellAlignment(0, top, Qt::AlignHCenter | Qt::AlignVCenter);
        m_table.mergeCells(0, top, 1, 2);
        m_table.setCellText(1, top, ReportText::plain(layers[i].name));
        m_table.setCellAlignment(1, top, Qt::AlignLeft | Qt::AlignVCenter);
        m_table.mergeCells(1, top, 1, 2);
        m_table.setCellText(5, top,
                            coloured(blue, ReportText::number(moisture ? r.w_left[ui] : NoValue, 3), wet));
        m_table.setCellText(5, top + 1,
                            coloured(blue, ReportText::number(moisture ? r.w_right[ui] : NoValue, 3), wet));
        // The two moisture contents belong to one layer: no line between them.
        m_table.setCellBorderWidth(5, top, VaDar_TableCell::BottomBorder, 0);
        m_table.setCellBorderWidth(5, top + 1, VaDar_TableCell::TopBorder, 0);
        m_table.setCellText(
            6, top, coloured(blue, ReportText::number(moisture ? r.sk_Tavo[ui] * 1000 : NoValue, 1), false));
        m_table.mergeCells(6, top, 1, 2);
        m_table.setCellText(
            7, top, coloured(blue, ReportText::number(moisture ? r.mc_layers[ui] : NoValue, 3), false));
        m_table.mergeCells(7, top, 1, 2);
        for (unsigned int col = 5; col < 8; ++col)
            for (unsigned int row = top; row < top + 2; ++row)
                m_table.setCellAlignment(col, row, Qt::AlignRight | Qt::AlignVCenter);
    }

    // Interface values stand on the line between the rows they separate.
    for (int k = 0; k <= n; ++k) {
        const std::size_t uk = static_cast<std::size_t>(k);
        const unsigned int row = interfaceRow(k);
        const bool saturated = moisture && interfaceInZone(r, k);
        m_table.setCellText(2, row,
                            coloured(red, ReportText::number(profiles ? r.T[uk] : NoValue, 1), false));
        m_table.setCellText(
            3, row, coloured(green, ReportText::number(profiles ? r.psat[uk] : NoValue, 1), saturated));
        m_table.setCellText(4, row,
                            coloured(green, ReportText::number(profiles ? r.pv[uk] : NoValue, 1), saturated));
        for (unsigned int col = 2; col < 5; ++col) {
            m_table.setCellAlignment(col, row, Qt::AlignRight | Qt::AlignTop);
            m_table.setCellOffsetFactor(col, row, -0.5);
        }
    }
    for (unsigned int col = 2; col < 5; ++col)
        for (unsigned int row = 1; row < rows; ++row)
            m_table.setCellBorderWidth(col, row, VaDar_TableCell::TopBorder | VaDar_TableCell::BottomBorder,
                                       0);

    m_legendTop = m_tableTop + layoutTable(m_table, device, width) + gap / 2;
    const QString legend = tr("%1 - temperature, ").arg(QChar(0x03B8)) +
                           tr("%1 - saturation vapour pressure, ").arg(QStringLiteral("p<sub>sat</sub>")) +
                           tr("p - vapour pressure, ") + tr("w - moisture content, ") +
                           tr("d<sub>c</sub> - thickness of condensation layer,<br/>") +
                           tr("M<sub>c</sub> - %1").arg(tr("condensation mass"));
    const double legendHeight =
        layoutText(m_legend, device, width, QStringLiteral("<small>%1</small>").arg(legend));
    m_frameRect = QRectF(0, 0, width, m_legendTop + legendHeight + gap);
}

void ResultsTableFrame::print(QPainter &painter, const QRectF &rect) {
    m_title.drawFrame(&painter, rect.topLeft(), rect.width());
    m_table.paint(&painter, rect.topLeft() + QPointF(0, m_tableTop));
    m_legend.drawFrame(&painter, rect.topLeft() + QPointF(0, m_legendTop), rect.width());
}
