// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisclaimerFrame.h"

#include <QPainter>

#include "Report.h"
#include "ReportText.h"

DisclaimerFrame::DisclaimerFrame(Report &report) : ReportFrameBase(report), m_text(report.textDocument()) {
    m_text.setBackgroundColor(Qt::white);
}

void DisclaimerFrame::update(QPaintDevice *device, double width) {
    prepare(device);
    const QString text = m_report.projectInformation().DisclaimerText;
    if (text.trimmed().isEmpty()) {
        m_text.setText(QString());
        m_frameRect = QRectF(0, 0, width, 0);
        return;
    }
    m_textTop = lineHeight(PlainText);
    m_frameRect =
        QRectF(0, 0, width, m_textTop + layoutText(m_text, device, width, ReportText::richOrPlain(text)));
}

void DisclaimerFrame::print(QPainter &painter, const QRectF &rect) {
    if (!m_text.text().isEmpty())
        m_text.drawFrame(&painter, rect.topLeft() + QPointF(0, m_textTop), rect.width());
}
