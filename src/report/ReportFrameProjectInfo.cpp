// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportFrameProjectInfo.h"

#include <QPainter>

#include <algorithm>

#include "Report.h"
#include "ReportText.h"

QString ReportFrameProjectInfo::formatted(const QString &html, int format) {
    switch (format) {
    case ReportSettings::Heading1:
        return QStringLiteral("<h1>%1</h1>").arg(html);
    case ReportSettings::Heading2:
        return QStringLiteral("<h2>%1</h2>").arg(html);
    case ReportSettings::Heading3:
        return QStringLiteral("<h3>%1</h3>").arg(html);
    case ReportSettings::Heading4:
        return QStringLiteral("<h4>%1</h4>").arg(html);
    case ReportSettings::SmallText:
        return QStringLiteral("<small>%1</small>").arg(html);
    default:
        return html;
    }
}

ReportFrameProjectInfo::ReportFrameProjectInfo(Report &report)
    : ReportFrameBase(report), m_table(report.textDocument()), m_description(report.textDocument()) {}

void ReportFrameProjectInfo::update(QPaintDevice *device, double width) {
    prepare(device);
    const ProjectInformation &info = m_report.projectInformation();
    const std::pair<QString, QString> entries[] = {{tr("Project:"), info.ProjectName},
                                                   {tr("Construction:"), info.ConstructionID},
                                                   {tr("User:"), info.UserName},
                                                   {tr("Company:"), info.Company}};
    QVector<std::pair<QString, QString>> rows;
    for (const auto &entry : entries)
        if (!entry.second.trimmed().isEmpty())
            rows.append(entry);

    m_logo = m_report.userLogo(ReportSettings::LogoBesideProjectInformation);
    m_logoSize = m_logo.isNull()
                     ? QSizeF()
                     : m_report.userLogoSize(QSizeF(width / 3, m_report.pageSize().height() / 6.0));
    const double gap = lineHeight(PlainText);
    const double tableWidth = m_logoSize.isEmpty() ? width : width - m_logoSize.width() - gap;

    setupTable(m_table, 2, static_cast<unsigned int>(rows.size()), false);
    m_tableHeight = 0;
    if (!rows.isEmpty()) {
        m_table.setColumnWidthMode(0, VaDar::Table::ContentSize);
        for (int i = 0; i < rows.size(); ++i) {
            const unsigned int row = static_cast<unsigned int>(i);
            m_table.setCellText(0, row, QStringLiteral("<b>%1</b>").arg(ReportText::plain(rows[i].first)));
            m_table.setCellText(1, row, ReportText::plain(rows[i].second));
        }
        m_tableHeight = layoutTable(m_table, device, tableWidth);
    }

    double height = std::max(m_tableHeight, m_logoSize.height());
    m_description.setText(QString());
    if (m_report.settings().m_printRemarkProjectInformation && !info.Description.trimmed().isEmpty()) {
        m_descriptionTop = height > 0 ? height + gap / 2 : 0;
        m_descriptionWidth = width;
        height = m_descriptionTop + layoutText(m_description, device, width,
                                               formatted(ReportText::plain(info.Description),
                                                         m_report.settings().m_remarkFormat));
    }
    m_frameRect = QRectF(0, 0, width, height > 0 ? height + gap : 0);
}

void ReportFrameProjectInfo::print(QPainter &painter, const QRectF &rect) {
    if (m_table.rowCount() > 0)
        m_table.paint(&painter, rect.topLeft());
    if (!m_logoSize.isEmpty())
        painter.drawImage(QRectF(QPointF(rect.right() - m_logoSize.width(), rect.top()), m_logoSize), m_logo);
    if (!m_description.text().isEmpty())
        m_description.drawFrame(&painter, rect.topLeft() + QPointF(0, m_descriptionTop), m_descriptionWidth);
}
