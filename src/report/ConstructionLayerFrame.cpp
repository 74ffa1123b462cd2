// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConstructionLayerFrame.h"

#include <QPainter>

#include "Report.h"
#include "ReportText.h"

ConstructionLayerFrame::ConstructionLayerFrame(Report &report)
    : ReportFrameBase(report), m_title(report.textDocument()), m_table(report.textDocument()),
      m_legend(report.textDocument()) {}

QString ConstructionLayerFrame::densityText(double rho) {
    return ReportText::number(rho, rho < 10 ? 2 : 0);
}

QString ConstructionLayerFrame::awText(double awPerSecond, bool inSeconds) {
    return ReportText::number(inSeconds ? awPerSecond : awPerSecond * 60, 4);
}

QString ConstructionLayerFrame::awUnit(bool inSeconds) {
    return inSeconds ? QStringLiteral("kg/m<sup>2</sup>s<sup>&frac12;</sup>")
                     : QStringLiteral("kg/m<sup>2</sup>h<sup>&frac12;</sup>");
}

void ConstructionLayerFrame::update(QPaintDevice *device, double width) {
    prepare(device);
    const double gap = lineHeight(PlainText);
    m_tableTop =
        layoutText(m_title, device, width, QStringLiteral("<h2>%1</h2>").arg(tr("Material Properties"))) +
        gap;

    const QVector<MaterialLayer> &layers = m_report.inputData().layers();
    const bool inSeconds = m_report.awInSeconds();
    setupTable(m_table, 8, static_cast<unsigned int>(layers.size()) + 1);
    const QString headers[8] = {QStringLiteral("<h4>%1</h4>").arg(tr("Material")),
                                QStringLiteral("<h4>d<br/>[mm]</h4>"),
                                QStringLiteral("<h4>&rho;<br/>[kg/m<sup>3</sup>]</h4>"),
                                QStringLiteral("<h4>&lambda;<br/>[W/mK]</h4>"),
                                QStringLiteral("<h4>&mu;<br/>[---]</h4>"),
                                QStringLiteral("<h4>w<sub>80</sub><br/>[m<sup>3</sup>/m<sup>3</sup>]</h4>"),
                                QStringLiteral("<h4>w<sub>sat</sub><br/>[m<sup>3</sup>/m<sup>3</sup>]</h4>"),
                                QStringLiteral("<h4>A<sub>w</sub><br/>[%1]</h4>").arg(awUnit(inSeconds))};
    for (unsigned int col = 0; col < 8; ++col) {
        m_table.setCellText(col, 0, headers[col]);
        m_table.setCellAlignment(col, 0, Qt::AlignHCenter | Qt::AlignVCenter);
        if (col > 0)
            m_table.setColumnWidthMode(col, VaDar::Table::ContentSize);
    }
    for (int i = 0; i < layers.size(); ++i) {
        const MaterialLayer &layer = layers[i];
        const unsigned int row = static_cast<unsigned int>(i) + 1;
        const QString values[8] = {ReportText::plain(layer.name),
                                   ReportText::number(layer.width() * 1000, 1),
                                   densityText(layer.rho),
                                   ReportText::number(layer.lambda, 4),
                                   ReportText::number(layer.mu, 1),
                                   ReportText::number(layer.w_80, 4),
                                   ReportText::number(layer.w_sat, 4),
                                   awText(layer.m_Aw, inSeconds)};
        for (unsigned int col = 0; col < 8; ++col) {
            m_table.setCellText(col, row, values[col]);
            m_table.setCellAlignment(
                col, row, col == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    m_legendTop = m_tableTop + layoutTable(m_table, device, width) + gap / 2;

    const QString legend =
        tr("d - layer thickness, ") + tr("&lambda; - design value of thermal conductivity, ") +
        tr("&mu; - vapour diffusion resistance factor, ") +
        tr("w<sub>80</sub>/w<sub>sat</sub> - %1, ").arg(tr("moisture content for 80% RH. resp. saturation")) +
        tr("A<sub>w</sub> - %1, ").arg(tr("water uptake coefficient")) + tr("layers from left to right");
    const double legendHeight =
        layoutText(m_legend, device, width, QStringLiteral("<small>%1</small>").arg(legend));
    m_frameRect = QRectF(0, 0, width, m_legendTop + legendHeight + gap);
}

void ConstructionLayerFrame::print(QPainter &painter, const QRectF &rect) {
    m_title.drawFrame(&painter, rect.topLeft(), rect.width());
    m_table.paint(&painter, rect.topLeft() + QPointF(0, m_tableTop));
    m_legend.drawFrame(&painter, rect.topLeft() + QPointF(0, m_legendTop), rect.width());
}
