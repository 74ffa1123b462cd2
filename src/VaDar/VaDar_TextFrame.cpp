// SPDX-License-Identifier: GPL-3.0-or-later
#include "VaDar_TextFrame.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>

#include "VaDar_Assert.h"
#include "VaDar_TextFrameInformations.h"

namespace VaDar {

TextFrame::TextFrame(QTextDocument *textDocument, QObject *parent)
    : QObject(parent), m_textDocument(textDocument) {
    // A document of our own is a child and goes with the frame.
    if (m_textDocument == nullptr)
        m_textDocument = new QTextDocument(this);
}

void TextFrame::setDefaultFont(const QFont &font) {
    m_textDocument->setDefaultFont(font);
}

QRectF TextFrame::frameRect(QPaintDevice *device, double width) const {
    if (m_text.isEmpty() || device == nullptr)
        return QRectF();
    m_textDocument->documentLayout()->setPaintDevice(device);
    VaDar_TextFrameInformations::layoutText(m_textDocument, m_text, width > 0 ? width : device->width());
    return QRectF(0, 0, m_textDocument->idealWidth(), m_textDocument->size().height());
}

void TextFrame::drawFrame(QPainter *painter, const QPointF &position, double width) {
    VADAR_ASSERT(painter != nullptr, "[TextFrame::drawFrame]");
    const QRectF rect = frameRect(painter->device(), width);
    if (rect.isEmpty())
        return;
    painter->save();
    painter->translate(position);
    painter->setBackgroundMode(Qt::OpaqueMode);
    painter->setBackground(m_backgroundColor);
    painter->setPen(m_textColor);
    painter->fillRect(rect, m_backgroundColor);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, m_textColor);
    m_textDocument->documentLayout()->draw(painter, context);
    painter->restore();
}

} // namespace VaDar
