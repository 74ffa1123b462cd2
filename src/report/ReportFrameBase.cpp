// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportFrameBase.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include "Report.h"
#include "VaDar_Table.h"
#include "VaDar_TextFrame.h"
#include "VaDar_TextFrameInformations.h"

ReportFrameBase::ReportFrameBase(Report &report) : m_report(report), m_font(report.reportFont()) {
    m_font.setKerning(false);
}

ReportFrameBase::~ReportFrameBase() = default;

void ReportFrameBase::prepare(QPaintDevice *device) {
    QTextDocument *document = m_report.textDocument();
    document->setDefaultFont(m_font);
    document->documentLayout()->setPaintDevice(device);
    const QString sample = QStringLiteral("QWERTZUIOP");
    const QString forms[TextKindCount] = {sample,
                                          QStringLiteral("<h1>%1</h1>").arg(sample),
                                          QStringLiteral("<h2>%1</h2>").arg(sample),
                                          QStringLiteral("<h3>%1</h3>").arg(sample),
                                          QStringLiteral("<h4>%1</h4>").arg(sample),
                                          QStringLiteral("<small>%1</small>").arg(sample)};
    for (int kind = 0; kind < TextKindCount; ++kind) {
        VaDar_TextFrameInformations::layoutText(document, forms[kind], -1);
        const QTextLayout *layout = document->begin().layout();
        m_lineHeights[kind] = layout != nullptr && layout->lineCount() > 0 ? layout->lineAt(0).height()
                                                                           : document->size().height();
    }
}

void ReportFrameBase::setupTable(VaDar::Table &table, unsigned int cols, unsigned int rows,
                                 bool lines) const {
    table.setTableSize(cols, rows);
    table.setOuterFrameWidth(lines ? OuterLineWidth : 0);
    table.setInnerFrameWidth(lines ? InnerLineWidth : 0);
    table.setSpacing(1);
    for (unsigned int col = 0; col < cols; ++col)
        for (unsigned int row = 0; row < rows; ++row)
            table.setCellMargins(col, row, 3, 3, 1, 1);
}

double ReportFrameBase::layoutTable(VaDar::Table &table, QPaintDevice *device, double width) {
    table.setTableWidth(static_cast<int>(width));
    table.adjust(device);
    return table.size().height();
}

double ReportFrameBase::layoutText(VaDar::TextFrame &frame, QPaintDevice *device, double width,
                                   const QString &html) {
    frame.setText(html);
    return frame.frameRect(device, width).height();
}
