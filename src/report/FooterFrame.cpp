// SPDX-License-Identifier: GPL-3.0-or-later
#include "FooterFrame.h"

#include <QFontMetricsF>
#include <QPainter>

#include "Report.h"
#include "ReportText.h"

FooterFrame::FooterFrame(Report &report) : ReportFrameBase(report), m_table(report.textDocument()) {}

QString FooterFrame::leftText() const {
    return ReportText::plain(m_report.projectInformation().ConstructionID);
}

QString FooterFrame::rightText(int page, int pageCount) const {
    if (!m_report.settings().m_pageNumbersVisible)
        return QString();
    return tr("Page %1 of %2").arg(page).arg(pageCount);
}

void FooterFrame::update(QPaintDevice *device, double width) {
    prepare(device);
    const QFontMetricsF metrics(font(), device);
    m_frameRect = QRectF(0, 0, width, 5 * m_report.pixelsPerMillimetre() + 2 * metrics.lineSpacing());
}

void FooterFrame::print(QPainter &painter, const QRectF &rect) {
    if (rect.height() <= 0)
        return;
    const double mm = m_report.pixelsPerMillimetre();
    painter.save();
    QPen pen(Qt::black);
    pen.setWidthF(0.2 * mm);
    painter.setPen(pen);
    painter.drawLine(QPointF(rect.left(), rect.top() + 4 * mm), QPointF(rect.right(), rect.top() + 4 * mm));
    painter.restore();

    // The page number changes from page to page, so the table is laid out at every paint.
    setupTable(m_table, 2, 1, false);
    m_table.setCellText(0, 0, leftText());
    m_table.setCellText(1, 0, rightText(m_report.currentPage(), m_report.pageCount()));
    m_table.setCellAlignment(1, 0, Qt::AlignRight | Qt::AlignTop);
    m_table.setTableWidth(static_cast<int>(rect.width()));
    m_table.paint(&painter, QPointF(rect.left(), rect.top() + 5 * mm));
}
