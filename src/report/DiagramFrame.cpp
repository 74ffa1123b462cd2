// SPDX-License-Identifier: GPL-3.0-or-later
#include "DiagramFrame.h"

#include <QPainter>

#include "DiagramScene.h"
#include "Report.h"

DiagramFrame::DiagramFrame(Report &report, DiagramKind kind)
    : ReportFrameBase(report), m_kind(kind), m_title(report.textDocument()), m_note(report.textDocument()) {}

DiagramFrame::~DiagramFrame() = default;

QString DiagramFrame::title() const {
    switch (m_kind) {
    case DiagramKind::WaterContent:
        return tr("Temperature and Moisture Profile");
    case DiagramKind::VapourPressure:
        return tr("Temperature and Vapour Pressure Profile");
    default:
        return tr("Other Diagram");
    }
}

QString DiagramFrame::note() const {
    if (m_kind == DiagramKind::VapourPressure)
        return QString();
    return tr("Condensate (overhygroscopic moisture content) dark blue.");
}

double DiagramFrame::diagramHeight(double width) const {
    return width / 1.5;
}

void DiagramFrame::update(QPaintDevice *device, double width) {
    prepare(device);
    const double gap = lineHeight(PlainText);
    double y = layoutText(m_title, device, width, QStringLiteral("<h2>%1</h2>").arg(title())) + gap;

    // A fresh scene for every layout: the scene keeps its drawing while its inputs stay the same,
    // and its texts would stay laid out for a paint device that may be gone.
    m_scene = std::make_unique<DiagramScene>(false, device);
    const QRectF frame(0, 0, width, diagramHeight(width));
    m_scene->setupDiagram(frame, device, m_report.pixelsPerMillimetre(), m_report.results(),
                          m_report.inputData(), m_kind);
    m_hasDrawing = !m_scene->boundaries().empty();

    QString noteText = note();
    if (m_hasDrawing) {
        m_diagramRect = QRectF(0, y, width, frame.height());
        y += frame.height() + gap;
    } else {
        // An empty area under a title would look like a printing fault.
        m_diagramRect = QRectF();
        noteText = tr("No drawing: the input data are invalid.");
    }
    m_noteTop = y;
    if (!noteText.isEmpty())
        y += layoutText(m_note, device, width, QStringLiteral("<small>%1</small>").arg(noteText));
    else
        m_note.setText(QString());
    m_frameRect = QRectF(0, 0, width, y + gap);
}

void DiagramFrame::print(QPainter &painter, const QRectF &rect) {
    m_title.drawFrame(&painter, rect.topLeft(), rect.width());
    if (m_hasDrawing) {
        const QRectF target = m_diagramRect.translated(rect.topLeft());
        m_scene->render(&painter, target, m_scene->frameRect());
    }
    if (!m_note.text().isEmpty())
        m_note.drawFrame(&painter, rect.topLeft() + QPointF(0, m_noteTop), rect.width());
}
