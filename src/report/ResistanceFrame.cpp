// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResistanceFrame.h"

#include <QPainter>

#include <limits>
#include <numeric>

#include "Report.h"
#include "ReportText.h"

ResistanceFrame::ResistanceFrame(Report &report)
    : ReportFrameBase(report), m_title(report.textDocument()), m_layers(report.textDocument()),
      m_transmission(report.textDocument()) {}

void ResistanceFrame::update(QPaintDevice *device, double width) {
    prepare(device);
    const double gap = lineHeight(PlainText);
    const QVector<MaterialLayer> &layers = m_report.inputData().layers();
    const CalculationResults &r = m_report.results();
    const std::size_t n = static_cast<std::size_t>(layers.size());
    // Only a calculation that got as far as the profiles has these values.
    const bool valid =
        Report::hasProfiles(r) && r.R_layers.size() == n && r.Z_layers.size() == n && r.L_layers.size() == n;
    const auto at = [valid](const std::vector<double> &values, std::size_t i) {
        return valid ? values[i] : std::numeric_limits<double>::quiet_NaN();
    };

    m_layersTop = layoutText(m_title, device, width,
                             QStringLiteral("<h2>%1</h2>")
                                 .arg(tr("Thermal, Vapour Diffusion and Liquid Transport Resistances"))) +
                  gap;

    const unsigned int rows = static_cast<unsigned int>(n) + 2;
    setupTable(m_layers, 5, rows);
    m_layers.setCellText(1, 0, QStringLiteral("<h4>%1</h4>").arg(tr("Layer / Material")));
    m_layers.setCellText(2, 0, QStringLiteral("<h4>R<br/>[m<sup>2</sup>K/W]</h4>"));
    m_layers.setCellText(3, 0, QStringLiteral("<h4>r<sub>v</sub><br/>[m/s]</h4>"));
    m_layers.setCellText(4, 0, QStringLiteral("<h4>r<sub>w</sub><br/>[m<sup>2</sup>s/kg]</h4>"));
    for (unsigned int col = 0; col < 5; ++col) {
        m_layers.setCellAlignment(col, 0, Qt::AlignHCenter | Qt::AlignVCenter);
        if (col != 1)
            m_layers.setColumnWidthMode(col, VaDar::Table::ContentSize);
    }
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned int row = static_cast<unsigned int>(i) + 1;
        m_layers.setCellText(0, row, QString::number(i + 1));
        m_layers.setCellText(1, row, ReportText::plain(layers[static_cast<int>(i)].name));
        m_layers.setCellText(2, row, ReportText::number(at(r.R_layers, i), 3));
        m_layers.setCellText(3, row, ReportText::significant(at(r.Z_layers, i), 3));
        m_layers.setCellText(4, row, ReportText::significant(at(r.L_layers, i), 3));
        m_layers.setCellAlignment(0, row, Qt::AlignHCenter | Qt::AlignVCenter);
        m_layers.setCellAlignment(1, row, Qt::AlignLeft | Qt::AlignVCenter);
        for (unsigned int col = 2; col < 5; ++col)
            m_layers.setCellAlignment(col, row, Qt::AlignRight | Qt::AlignVCenter);
    }
    const unsigned int sumRow = rows - 1;
    const auto sum = [&](const std::vector<double> &values) {
        return valid ? std::accumulate(values.begin(), values.end(), 0.0)
                     : std::numeric_limits<double>::quiet_NaN();
    };
    m_layers.setCellText(0, sumRow,
                         QStringLiteral("<h4>%1</h4>").arg(tr("Sum of resistances (moisture dependend)")));
    m_layers.mergeCells(0, sumRow, 2, 1);
    m_layers.setCellText(2, sumRow,
                         QStringLiteral("<h4>%1</h4>").arg(ReportText::number(sum(r.R_layers), 3)));
    m_layers.setCellText(3, sumRow,
                         QStringLiteral("<h4>%1</h4>").arg(ReportText::significant(sum(r.Z_layers), 3)));
    for (unsigned int col = 2; col < 4; ++col)
        m_layers.setCellAlignment(col, sumRow, Qt::AlignRight | Qt::AlignVCenter);
    m_transmissionTop = m_layersTop + layoutTable(m_layers, device, width) + gap;

    setupTable(m_transmission, 3, 2);
    m_transmission.setCellText(0, 0, tr("Thermal transmission resistance (moisture dependend):"));
    m_transmission.setCellText(1, 0, QStringLiteral("R<sub>T</sub>"));
    m_transmission.setCellText(
        2, 0,
        QStringLiteral("= %1 m<sup>2</sup>K/W")
            .arg(ReportText::number(valid ? r.R_total : std::numeric_limits<double>::quiet_NaN(), 3)));
    m_transmission.setCellText(0, 1, tr("Thermal transmission coefficient (moisture dependend):"));
    m_transmission.setCellText(1, 1, QStringLiteral("U"));
    m_transmission.setCellText(
        2, 1,
        QStringLiteral("= %1 W/m<sup>2</sup>K")
            .arg(ReportText::number(valid ? r.U : std::numeric_limits<double>::quiet_NaN(), 3)));
    m_transmission.setColumnWidthMode(1, VaDar::Table::ContentSize);
    m_transmission.setColumnWidthMode(2, VaDar::Table::ContentSize);
    m_frameRect = QRectF(0, 0, width, m_transmissionTop + layoutTable(m_transmission, device, width) + gap);
}

void ResistanceFrame::print(QPainter &painter, const QRectF &rect) {
    m_title.drawFrame(&painter, rect.topLeft(), rect.width());
    m_layers.paint(&painter, rect.topLeft() + QPointF(0, m_layersTop));
    m_transmission.paint(&painter, rect.topLeft() + QPointF(0, m_transmissionTop));
}
