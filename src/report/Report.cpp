// SPDX-License-Identifier: GPL-3.0-or-later
#include "Report.h"

#include <QAbstractTextDocumentLayout>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>

#include <algorithm>

#include "AssessmentChecks.h"
#include "ClimateFrame.h"
#include "ConstructionLayerFrame.h"
#include "DiagramFrame.h"
#include "DisclaimerFrame.h"
#include "FooterFrame.h"
#include "GlaserFrame.h"
#include "HeaderFrame.h"
#include "ReportFrameConclusions.h"
#include "ReportFrameProjectInfo.h"
#include "ReportPagination.h"
#include "ResistanceFrame.h"
#include "ResultsTableFrame.h"
#include "SketchFrame.h"
#include "SurfaceResistanceFrame.h"
#include "ZMT_MessageHandler.h"

Report::Report(const QString &fontFamily, int pointSize, QObject *parent)
    : QObject(parent), m_textDocument(std::make_unique<QTextDocument>()) {
    const QString family = fontFamily.isEmpty() ? QGuiApplication::font().family() : fontFamily;
    m_font = QFont(family, std::max(1, pointSize));
    m_font.setKerning(false);
    m_textDocument->setDefaultFont(m_font);
    m_textDocument->setDocumentMargin(0);
    if (!QFontDatabase().families().contains(family))
        ZMT::postMessage("Font family for default font doesn't exist. '" + family.toStdString(),
                         ZMT::MSG_WARNING, "Report::Report");

    m_frames[HeaderFrameIndex] = std::make_unique<HeaderFrame>(*this);
    m_frames[FooterFrameIndex] = std::make_unique<FooterFrame>(*this);
    m_frames[ProjectInfoFrameIndex] = std::make_unique<ReportFrameProjectInfo>(*this);
    m_frames[SketchFrameIndex] = std::make_unique<SketchFrame>(*this);
    m_frames[MaterialFrameIndex] = std::make_unique<ConstructionLayerFrame>(*this);
    m_frames[ClimateFrameIndex] = std::make_unique<ClimateFrame>(*this);
    m_frames[SurfaceResistanceFrameIndex] = std::make_unique<SurfaceResistanceFrame>(*this);
    m_frames[ResistanceFrameIndex] = std::make_unique<ResistanceFrame>(*this);
    m_frames[ResultsTableFrameIndex] = std::make_unique<ResultsTableFrame>(*this);
    m_frames[WaterContentDiagramIndex] = std::make_unique<DiagramFrame>(*this, DiagramKind::WaterContent);
    m_frames[VapourPressureDiagramIndex] = std::make_unique<DiagramFrame>(*this, DiagramKind::VapourPressure);
    m_frames[ConclusionsFrameIndex] = std::make_unique<ReportFrameConclusions>(*this);
    m_frames[GlaserFrameIndex] = std::make_unique<GlaserFrame>(*this);
    m_frames[DisclaimerFrameIndex] = std::make_unique<DisclaimerFrame>(*this);
}

Report::~Report() = default;

void Report::setData(const InputData &inputData, const CalculationResults &results,
                     const ProjectInformation &projectInformation) {
    m_inputData = inputData;
    m_results = results;
    m_projectInformation = projectInformation;
}

void Report::setSettings(const ReportSettings &settings) {
    m_settings = settings;
    m_logo = QImage();
    if (m_settings.m_userLogo.m_position != ReportSettings::NoUserLogo &&
        !m_settings.m_userLogo.m_path.isEmpty())
        m_logo = QImage(m_settings.m_userLogo.m_path);
}

QImage Report::userLogo(int position) const {
    if (m_settings.m_userLogo.m_position != position || m_logo.isNull())
        return QImage();
    return m_logo;
}

QSizeF Report::userLogoSize(const QSizeF &maximum) const {
    if (m_logo.isNull() || m_device == nullptr)
        return QSizeF();
    const double imageDpi = m_logo.dotsPerMeterX() > 0 ? m_logo.dotsPerMeterX() * 0.0254 : 96.0;
    QSizeF size = QSizeF(m_logo.size()) * (m_device->logicalDpiX() / imageDpi);
    const ReportSettings::UserLogo &logo = m_settings.m_userLogo;
    if (logo.m_size > 0) {
        const double wanted = logo.m_size * m_pixelsPerMM;
        size *= logo.m_widthSetting ? wanted / size.width() : wanted / size.height();
    }
    // A huge image must not push the report off the page.
    const double fit = std::min({1.0, maximum.width() / size.width(), maximum.height() / size.height()});
    return size * fit;
}

void Report::layout(QPaintDevice &device) {
    m_device = &device;
    m_textDocument->documentLayout()->setPaintDevice(&device);
    m_textDocument->setDefaultFont(m_font);
    m_textDocument->setDefaultStyleSheet(
        QStringLiteral("body { font-size:%1pt; }").arg(QString::number(m_font.pointSize(), 10)));
    // The device's coordinates cover the printable area of the page; its pixels per millimetre
    // follow from the resolution alone, margins included or not.
    m_pageSize = QSize(device.width(), device.height());
    m_pixelsPerMM = device.logicalDpiX() / 25.4;
    const double width = m_pageSize.width();
    const double height = m_pageSize.height();

    for (Placement &p : m_placements)
        p = Placement();
    double headerHeight = 0;
    if (isActivated(HeaderFrameIndex)) {
        m_frames[HeaderFrameIndex]->update(&device, width);
        headerHeight = m_frames[HeaderFrameIndex]->frameRect().height();
    }
    m_placements[HeaderFrameIndex].rect = QRectF(0, 0, width, headerHeight);
    double footerHeight = 0;
    if (isActivated(FooterFrameIndex)) {
        m_frames[FooterFrameIndex]->update(&device, width);
        footerHeight = m_frames[FooterFrameIndex]->frameRect().height();
    }
    m_placements[FooterFrameIndex].rect = QRectF(0, height - footerHeight, width, footerHeight);

    ReportPagination pagination(width, height, headerHeight, footerHeight);
    m_bodyRect = pagination.bodyRect();
    for (int index = ProjectInfoFrameIndex; index < FrameCount; ++index) {
        if (!isActivated(index))
            continue;
        m_frames[index]->update(&device, width);
        const ReportPagination::Placement p = pagination.place(width, m_frames[index]->frameRect().height());
        m_placements[index] = {p.rect, p.page, p.scale};
        emit progress(index + 1);
    }
    m_pageCount = pagination.pageCount();
}

void Report::paintPage(QPainter &painter, int page) {
    m_currentPage = page;
    for (int index = 0; index < FrameCount; ++index) {
        const Placement &p = m_placements[index];
        if (index >= ProjectInfoFrameIndex && p.page != page)
            continue;
        // The footer is painted on every page, with an empty rectangle when it is switched off.
        if (index != FooterFrameIndex && !isActivated(index))
            continue;
        painter.save();
        if (p.scale != 1) {
            painter.translate(p.rect.topLeft());
            painter.scale(p.scale, p.scale);
            m_frames[index]->print(painter, QRectF(QPointF(0, 0), p.rect.size() / p.scale));
        } else {
            m_frames[index]->print(painter, p.rect);
        }
        painter.restore();
        emit progress(index + 15);
    }
}

void Report::printPage(QPaintDevice &device, int page) {
    layout(device);
    QPainter painter;
    if (!painter.begin(&device)) {
        ZMT::postMessage("Cannot open painter on the paint device.", ZMT::MSG_ERROR, "Report::printPage");
        return;
    }
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    paintPage(painter, page);
}

bool Report::print(QPagedPaintDevice &device, int fromPage, int toPage) {
    layout(device);
    QPainter painter;
    if (!painter.begin(&device)) {
        ZMT::postMessage("Cannot open painter with current printer.", ZMT::MSG_ERROR, "Report::print");
        return false;
    }
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const std::pair<int, int> range = ReportPagination::pageRange(fromPage, toPage, m_pageCount);
    for (int page = range.first; page <= range.second; ++page) {
        if (page > range.first)
            device.newPage();
        paintPage(painter, page);
    }
    return painter.end();
}

bool Report::print(QPrinter &printer) {
    if (printer.printRange() == QPrinter::PageRange)
        return print(static_cast<QPagedPaintDevice &>(printer), printer.fromPage(), printer.toPage());
    return print(static_cast<QPagedPaintDevice &>(printer), 0, 0);
}

bool Report::hasProfiles(const CalculationResults &results) {
    return results.calcState == CalculationResults::CS_CondensationInnerSurface ||
           results.calcState == CalculationResults::CS_CondensationOuterSurface ||
           hasMoistureResults(results);
}

bool Report::hasMoistureResults(const CalculationResults &results) {
    return AssessmentChecks::hasValidCondensationResult(results.calcState);
}

bool Report::hasGlaserResults(const CalculationResults &results) {
    switch (results.glaserCase) {
    case CalculationResults::GC_NoCondensation:
    case CalculationResults::GC_OnePlane:
    case CalculationResults::GC_OneZone:
    case CalculationResults::GC_TwoPlanes:
        return true;
    default:
        return false;
    }
}

QString Report::printFailedTitle() {
    return tr("Cannot print report.");
}

QString Report::printFailedText() {
    return tr("Creating paint device failed.");
}
