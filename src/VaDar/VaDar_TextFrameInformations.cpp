// SPDX-License-Identifier: GPL-3.0-or-later
#include "VaDar_TextFrameInformations.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QtMath>

#include "VaDar_Assert.h"

VaDar_TextFrameInformations::VaDar_TextFrameInformations() : m_infoVect(1) {}

void VaDar_TextFrameInformations::layoutText(QTextDocument *textDocument, const QString &text, double width) {
    textDocument->setDocumentMargin(0);
    textDocument->setHtml(QStringLiteral("<meta charset=\"utf-8\"/>") + text);
    textDocument->setTextWidth(width);
}

int VaDar_TextFrameInformations::lineCount(const QTextDocument *textDocument) {
    int lines = 0;
    for (QTextBlock block = textDocument->begin(); block.isValid(); block = block.next()) {
        if (block.layout() != nullptr)
            lines += block.layout()->lineCount();
    }
    return lines;
}

void VaDar_TextFrameInformations::measure(QTextDocument *textDocument, const QString &text,
                                          bool allBreakpoints) {
    VADAR_ASSERT(textDocument != nullptr, "[VaDar_TextFrameInformations::measure]");
    m_text = text;
    m_allBreakpoints = allBreakpoints;
    m_infoVect.clear();

    layoutText(textDocument, text, -1);
    Info first;
    first.lineCount = lineCount(textDocument);
    first.height = textDocument->size().height();
    first.width = textDocument->idealWidth();
    first.upperWidth = UnlimitedWidth;
    first.lowerWidth = 0;
    first.valid = true;
    m_infoVect.push_back(first);
    if (!allBreakpoints)
        return;

    // Narrow the text one pixel at a time; each change of height starts a new record whose
    // range reaches down to the narrowest width that still gives its height. The height
    // usually grows, but once the width is below a single word the layout stops breaking
    // inside words and the height drops again.
    const int start = qCeil(first.width);
    for (int w = start; w >= MinimumBreakpointWidth; --w) {
        textDocument->setTextWidth(w);
        const double height = textDocument->size().height();
        Info &current = m_infoVect.back();
        if (height != current.height) {
            current.lowerWidth = w + 1;
            Info next;
            next.lineCount = lineCount(textDocument);
            next.height = height;
            next.width = textDocument->idealWidth();
            next.upperWidth = w;
            next.lowerWidth = 0;
            next.valid = true;
            m_infoVect.push_back(next);
        }
    }
}

const VaDar_TextFrameInformations::Info &VaDar_TextFrameInformations::info(double width) const {
    VADAR_ASSERT(m_infoVect.front().isValid(), "[VaDar_TextFrameInformations::info]");
    for (const Info &i : m_infoVect) {
        if (width >= i.lowerWidth)
            return i;
    }
    return m_infoVect.back();
}

QSizeF VaDar_TextFrameInformations::layoutSize(QTextDocument *textDocument, double width) const {
    const Info &free = unconstrained();
    if (width < 0 || width >= free.width)
        return QSizeF(free.width, free.height);
    if (m_allBreakpoints) {
        const Info &i = info(width);
        return QSizeF(i.width, i.height);
    }
    VADAR_ASSERT(textDocument != nullptr, "[VaDar_TextFrameInformations::layoutSize]");
    layoutText(textDocument, m_text, width);
    return QSizeF(textDocument->idealWidth(), textDocument->size().height());
}
