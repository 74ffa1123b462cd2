// SPDX-License-Identifier: GPL-3.0-or-later
#include "DiagramView.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QImage>
#include <QPixmap>
#include <QPrinter>
#include <QResizeEvent>
#include <QSvgGenerator>

#include <cstdlib>

#include "DiagramScene.h"
#include "Settings.h"

namespace {

// Width in device pixels of the printable area of an A4 page of \a printer.
double a4PageWidth(QPrinter &printer) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    return printer.pageLayout().paintRectPixels(printer.resolution()).width();
}

int screenResolution() {
    return QPrinter(QPrinter::ScreenResolution).resolution();
}

} // namespace

DiagramView::DiagramView(QWidget *parent)
    : QGraphicsView(parent), m_scene(new DiagramScene(true, nullptr, this)) {
    setScene(m_scene);
    setInteractive(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setCacheMode(QGraphicsView::CacheBackground);
    setViewportUpdateMode(QGraphicsView::BoundingRectViewportUpdate);
    setOptimizationFlags(QGraphicsView::DontSavePainterState | QGraphicsView::DontAdjustForAntialiasing);
    setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    policy.setHorizontalStretch(1);
    policy.setVerticalStretch(1);
    setSizePolicy(policy);
}

void DiagramView::setupDiagram(QPaintDevice *device, const InputData &inputData,
                               const CalculationResults &results, double resolutionFactor) {
    m_inputData = inputData;
    m_results = results;
    m_resolutionFactor = resolutionFactor;
    m_paintDevice = device;
    rebuild();
    show();
}

void DiagramView::setData(const InputData &inputData, const CalculationResults &results,
                          double resolutionFactor) {
    setupDiagram(this, inputData, results, resolutionFactor);
}

void DiagramView::setDiagramType(DiagramKind kind) {
    m_diagramType = kind;
    if (m_paintDevice != nullptr)
        setupDiagram(m_paintDevice, m_inputData, m_results, m_resolutionFactor);
}

void DiagramView::rebuild() {
    m_layoutSize = size();
    const QRectF frame(m_margin, m_margin, width() - 2 * m_margin, height() - 2 * m_margin);
    m_scene->setupDiagram(frame, m_paintDevice, m_resolutionFactor, m_results, m_inputData, m_diagramType);
}

void DiagramView::resizeEvent(QResizeEvent *event) {
    QGraphicsView::resizeEvent(event);
    if (m_paintDevice == nullptr)
        return;
    // The event carries the viewport size; the frame follows the widget size. Measured against
    // the size of the last rebuild, so a slow drag in small steps still ends in a redraw.
    const QSize now = size();
    if (std::abs(now.width() - m_layoutSize.width()) >= m_margin ||
        std::abs(now.height() - m_layoutSize.height()) >= m_margin)
        rebuild();
}

QSize DiagramView::exportSize() const {
    if (width() <= 0 || height() <= 0)
        return QSize();
    QPrinter printer(QPrinter::ScreenResolution);
    const double f = a4PageWidth(printer) / width();
    return QSize(int(width() * f), int(height() * f));
}

void DiagramView::renderTemporary(QPaintDevice *layoutDevice, QPainter *painter, const QSizeF &size,
                                  const QRectF &target) const {
    const QRectF frame(QPointF(0, 0), size);
    DiagramScene scene(true, layoutDevice);
    scene.setupDiagram(frame, layoutDevice, 1.0, m_results, m_inputData, m_diagramType);
    painter->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    scene.render(painter, target, frame);
}

void DiagramView::exportPixmap(QPixmap &pixmap) const {
    const QSize size = exportSize();
    pixmap = QPixmap(size);
    if (size.isEmpty())
        return;
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    renderTemporary(&pixmap, &painter, size, QRectF(QPointF(0, 0), size));
}

void DiagramView::exportSvg(QIODevice *device) const {
    const QSize size = exportSize();
    if (device == nullptr || size.isEmpty())
        return;
    QSvgGenerator generator;
    generator.setOutputDevice(device);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    // Same resolution as the pixmap export, so text keeps its size relative to the drawing.
    generator.setResolution(screenResolution());
    generator.setTitle(exportTitle(m_diagramType));
    generator.setDescription(Settings::instance().m_lastProjectFile);
    QPainter painter(&generator);
    renderTemporary(&generator, &painter, size, QRectF(QPointF(0, 0), size));
}

void DiagramView::printDiagram(QPrinter *printer) const {
    const QSize size = exportSize();
    if (printer == nullptr || size.isEmpty())
        return;
    const double pageWidth = a4PageWidth(*printer);
    // Laid out like the image export and scaled onto the page: pixel-based pads, pens and tick
    // spacing drawn directly at printer resolution would shrink to hairlines and crowd the labels.
    QImage layoutDevice(1, 1, QImage::Format_ARGB32);
    const int dotsPerMeter = qRound(screenResolution() / 0.0254);
    layoutDevice.setDotsPerMeterX(dotsPerMeter);
    layoutDevice.setDotsPerMeterY(dotsPerMeter);
    QPainter painter(printer);
    renderTemporary(&layoutDevice, &painter, size,
                    QRectF(0, 0, pageWidth, pageWidth * size.height() / size.width()));
}

QString DiagramView::exportTitle(DiagramKind kind) {
    switch (kind) {
    case DiagramKind::VapourPressure:
        return tr("Vapour pressure diagram");
    case DiagramKind::WaterContent:
        return tr("Water content diagram");
    default:
        return tr("Construction Sketch");
    }
}
