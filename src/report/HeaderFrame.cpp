// SPDX-License-Identifier: GPL-3.0-or-later
#include "HeaderFrame.h"

#include <QDate>
#include <QLocale>
#include <QPainter>

#include "Report.h"
#include "ReportText.h"

HeaderFrame::HeaderFrame(Report &report) : ReportFrameBase(report), m_table(report.textDocument()) {}

QString HeaderFrame::programText() {
    return QStringLiteral("Tavo %1").arg(
        QString::fromLatin1(TAVO_VERSION_STRING).section(QLatin1Char('.'), 0, 1));
}

void HeaderFrame::update(QPaintDevice *device, double width) {
    prepare(device);
    m_logo = m_report.userLogo(ReportSettings::LogoInPageHeader);
    m_logoSize = m_logo.isNull()
                     ? QSizeF()
                     : m_report.userLogoSize(QSizeF(width / 3, m_report.pageSize().height() / 8.0));
    const bool logo = !m_logoSize.isEmpty();

    setupTable(m_table, 2, 2, false);
    m_table.setBackgroundColor(Qt::white);
    m_table.setCellText(0, 0, ReportText::plain(programText()));
    // The locale the numbers follow: the system's in the window, the chosen language in the batch program.
    const QString date = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
    const unsigned int dateRow = logo ? 1 : 0;
    m_table.setCellText(1, dateRow, date);
    m_table.setCellAlignment(1, dateRow, Qt::AlignRight | Qt::AlignBottom);
    m_table.setCellAlignment(0, 0, Qt::AlignLeft | Qt::AlignBottom);
    if (logo)
        m_table.setRowHeightMode(0, VaDar::Table::FixedSize, m_logoSize.height());
    // A rule across the page separates the header from the body.
    for (unsigned int col = 0; col < 2; ++col)
        m_table.setCellBorderWidth(col, 1, VaDar_TableCell::BottomBorder, InnerLineWidth);
    const double height = layoutTable(m_table, device, width);
    m_frameRect = QRectF(0, 0, width, height + lineHeight(PlainText) / 2);
}

void HeaderFrame::print(QPainter &painter, const QRectF &rect) {
    m_table.paint(&painter, rect.topLeft());
    if (!m_logoSize.isEmpty())
        painter.drawImage(QRectF(QPointF(rect.right() - m_logoSize.width(), rect.top()), m_logoSize), m_logo);
}
