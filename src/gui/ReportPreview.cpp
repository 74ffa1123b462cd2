// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportPreview.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontComboBox>
#include <QGraphicsView>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSvgGenerator>
#include <QTextEdit>
#include <QToolBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>

#include "DINCriteriaSettings.h"
#include "Document.h"
#include "DryingReserveSettings.h"
#include "EditorDocument.h"
#include "HTMLTextFormatWidget.h"
#include "ImageExport.h"
#include "MinimumHeatResistance.h"
#include "ProgramInfo.h"
#include "Report.h"
#include "ReportPdfWriter.h"
#include "Settings.h"
#include "TemperatureFactorCheck.h"
#include "TextEditWidget.h"
#include "UndoChangeDisclaimer.h"
#include "UserDialogs.h"
#include "UserLogoSettingsWidget.h"
#include "ZMT_MessageHandler.h"

namespace {

// Pause in typing after which edited final remarks become an undo step, ms.
const int DisclaimerPause = 800;
// While a long report is painted, pending paint events are handled this often, ms.
const int EventInterval = 100;
// Width of an A4 page, mm.
const double A4WidthMM = 210;

/*! Clears the ready flag for its lifetime; whatever happens, the flag is set again. */
class Busy {
public:
    explicit Busy(bool &ready) : m_ready(ready) { m_ready = false; }
    ~Busy() { m_ready = true; }
    Busy(const Busy &) = delete;
    Busy &operator=(const Busy &) = delete;

private:
    bool &m_ready;
};

/*! Runs \a work; an exception escaping it is logged from "ReportPreview::printReport" and
    becomes the returned message. Empty when the work went through. */
template <class Work> QString catchingErrors(Work work) {
    std::string message;
    try {
        work();
        return QString();
    } catch (const std::exception &e) {
        message = e.what();
    } catch (...) {
        message = "Unknown error.";
    }
    ZMT::postMessage("Error while printing report.\n" + message, ZMT::MSG_ERROR,
                     "ReportPreview::printReport");
    return QString::fromStdString(message);
}

} // namespace

ReportPreview::ReportPreview(EditorDocument &document, Settings &settings, UserDialogs &dialogs,
                             QWidget *parent)
    : QDialog(parent), m_document(document), m_settings(settings), m_dialogs(dialogs),
      m_printer(QPrinter::HighResolution) {
    setObjectName(QStringLiteral("ReportPreview"));
    setWindowTitle(tr("Report Preview Dialog"));
    m_printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                        QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));

    m_toolBox = new QToolBox(this);
    m_toolBox->setObjectName(QStringLiteral("toolBoxSettings"));
    m_toolBox->addItem(createGeneralPage(), tr("General Appearance"));
    m_toolBox->addItem(createInputDataPage(), tr("Input Data"));
    m_toolBox->addItem(createResultsPage(), tr("Results"));
    m_toolBox->addItem(createDiagramsPage(), tr("Diagrams"));
    m_toolBox->addItem(createFinalRemarksPage(), tr("Final Remarks"));
    // One width for every page, wide enough that the long settings page only scrolls downwards.
    int width = 380;
    for (int i = 0; i < m_toolBox->count(); ++i) {
        const QWidget *page = m_toolBox->widget(i);
        if (const auto *scroll = qobject_cast<const QScrollArea *>(page))
            width = std::max(width, scroll->widget()->sizeHint().width() +
                                        scroll->verticalScrollBar()->sizeHint().width() + 4);
        else
            width = std::max(width, page->sizeHint().width());
    }
    m_toolBox->setMinimumWidth(width);

    m_preview = new QPrintPreviewWidget(&m_printer, this);
    m_preview->setObjectName(QStringLiteral("printPreviewWidget"));
    m_preview->setZoomMode(QPrintPreviewWidget::FitInView);
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter *printer) {
        m_previewPainting = true;
        printReport(printer);
        m_previewPainting = false;
    });
    // While the preview is painted afresh its old pages are gone: it must not be drawn meanwhile.
    for (QGraphicsView *view : m_preview->findChildren<QGraphicsView *>())
        view->viewport()->installEventFilter(this);

    m_progressBar = new QProgressBar(this);
    m_progressBar->setObjectName(QStringLiteral("progressBar"));
    m_progressBar->setRange(0, 2 * Report::FrameCount);
    m_progressBar->setValue(0);
    m_progressBar->setTextVisible(false);
    m_progressBar->setMaximumWidth(200);
    m_errorLabel = new QLabel(this);
    m_errorLabel->setObjectName(QStringLiteral("labelError"));
    m_errorLabel->setStyleSheet(QStringLiteral("color: #c00000;"));
    m_errorLabel->setWordWrap(true);
    QPushButton *close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("pushButtonClose"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    QHBoxLayout *bottom = new QHBoxLayout;
    bottom->addWidget(m_progressBar);
    bottom->addWidget(m_errorLabel, 1);
    bottom->addWidget(close);
    QVBoxLayout *right = new QVBoxLayout;
    right->addWidget(createButtonRow());
    right->addWidget(m_preview, 1);
    right->addLayout(bottom);
    QHBoxLayout *layout = new QHBoxLayout(this);
    layout->addWidget(m_toolBox);
    layout->addLayout(right, 1);
    resize(1200, 850);

    m_disclaimerTimer.setSingleShot(true);
    m_disclaimerTimer.setInterval(DisclaimerPause);
    connect(&m_disclaimerTimer, &QTimer::timeout, this, &ReportPreview::commitDisclaimer);
    m_disclaimerShown = m_disclaimerEditor->html();

    loadControls();
    m_ready = true;
}

ReportPreview::~ReportPreview() = default;

bool ReportPreview::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Paint && m_previewPainting)
        return true;
    return QDialog::eventFilter(watched, event);
}

// --- construction -------------------------------------------------------------------------

QCheckBox *ReportPreview::addFrameCheckBox(const QString &label, int index, QWidget *parent) {
    QCheckBox *box = new QCheckBox(label, parent);
    box->setObjectName(QStringLiteral("checkBoxFrame%1").arg(index));
    m_frameCheckBoxes.insert(box, index);
    connect(box, &QCheckBox::toggled, this, &ReportPreview::frameToggled);
    return box;
}

QWidget *ReportPreview::createGeneralPage() {
    QWidget *page = new QWidget;
    QVBoxLayout *layout = new QVBoxLayout(page);
    layout->addWidget(addFrameCheckBox(tr("Header"), Report::HeaderFrameIndex, page));
    layout->addWidget(addFrameCheckBox(tr("Footer"), Report::FooterFrameIndex, page));
    m_pageNumbers = new QCheckBox(tr("Page numbers in footer"), page);
    m_pageNumbers->setObjectName(QStringLiteral("checkBoxPageNumbers"));
    layout->addWidget(m_pageNumbers);
    layout->addWidget(addFrameCheckBox(tr("Project information"), Report::ProjectInfoFrameIndex, page));
    m_remarks = new QCheckBox(tr("Remarks"), page);
    m_remarks->setObjectName(QStringLiteral("checkBoxRemarks"));
    m_remarkFormat = new HTMLTextFormatWidget(page);
    m_remarkFormat->setObjectName(QStringLiteral("remarkFormat"));
    QHBoxLayout *remarks = new QHBoxLayout;
    remarks->addWidget(m_remarks);
    remarks->addWidget(m_remarkFormat, 1);
    layout->addLayout(remarks);

    QGroupBox *fontBox = new QGroupBox(tr("Global font"), page);
    m_font = new QFontComboBox(fontBox);
    m_font->setObjectName(QStringLiteral("fontComboBoxReport"));
    QVBoxLayout *fontLayout = new QVBoxLayout(fontBox);
    fontLayout->addWidget(m_font);
    layout->addWidget(fontBox);

    m_userLogo = new UserLogoSettingsWidget(m_dialogs, page);
    m_userLogo->setObjectName(QStringLiteral("userLogoSettings"));
    layout->addWidget(m_userLogo);
    layout->addStretch();

    connect(m_pageNumbers, &QCheckBox::toggled, this, [this](bool on) {
        m_settings.m_reportSettings.m_pageNumbersVisible = on;
        refreshPreview();
    });
    connect(m_remarks, &QCheckBox::toggled, this, [this](bool on) {
        m_settings.m_reportSettings.m_printRemarkProjectInformation = on;
        refreshPreview();
    });
    connect(m_remarkFormat, &HTMLTextFormatWidget::formatSelected, this, [this](int format) {
        m_settings.m_reportSettings.m_remarkFormat = format;
        refreshPreview();
    });
    connect(m_font, &QFontComboBox::currentFontChanged, this, [this](const QFont &font) {
        m_settings.m_reportSettings.m_fontFamily = font.family();
        refreshPreview();
    });
    connect(m_userLogo, &UserLogoSettingsWidget::logoChanged, this, [this]() {
        m_settings.m_reportSettings.m_userLogo = m_userLogo->logo();
        refreshPreview();
    });
    return page;
}

QWidget *ReportPreview::createInputDataPage() {
    QWidget *page = new QWidget;
    QVBoxLayout *layout = new QVBoxLayout(page);
    layout->addWidget(addFrameCheckBox(tr("Construction sketch"), Report::SketchFrameIndex, page));
    layout->addWidget(addFrameCheckBox(tr("Material data"), Report::MaterialFrameIndex, page));
    layout->addWidget(addFrameCheckBox(tr("Climate data"), Report::ClimateFrameIndex, page));
    layout->addWidget(addFrameCheckBox(tr("Surface Resistance"), Report::SurfaceResistanceFrameIndex, page));
    layout->addStretch();
    return page;
}

QWidget *ReportPreview::createResultsPage() {
    QWidget *content = new QWidget;
    QVBoxLayout *layout = new QVBoxLayout(content);
    const QString program = QString::fromLatin1(ProgramInfo::Name);
    layout->addWidget(
        addFrameCheckBox(tr("Resistances and µ values"), Report::ResistanceFrameIndex, content));
    layout->addWidget(addFrameCheckBox(tr("%1 Results - Detailed Table").arg(program),
                                       Report::ResultsTableFrameIndex, content));
    layout->addWidget(
        addFrameCheckBox(tr("%1 Results - Summary").arg(program), Report::ConclusionsFrameIndex, content));
    layout->addWidget(
        addFrameCheckBox(tr("DIN 4108-3 (Glaser) - Summary"), Report::GlaserFrameIndex, content));

    QGroupBox *minimum = new QGroupBox(tr("Minimum thermal protection DIN 4108-2"), content);
    m_minimumRVersion = new QComboBox(minimum);
    m_minimumRVersion->setObjectName(QStringLiteral("comboBoxMinimumRVersion"));
    for (int edition : {MinimumHeatResistance::DIN4108_2_2004, MinimumHeatResistance::DIN4108_2_2013})
        m_minimumRVersion->addItem(MinimumHeatResistance::editionName(edition), edition);
    m_constructionKind = new QComboBox(minimum);
    m_constructionKind->setObjectName(QStringLiteral("comboBoxConstructionKind"));
    m_constructionKind->setToolTip(tr("Construction kind for test of minimum thermal resistance\naccording "
                                      "german standard DIN 4108-2 table 3"));
    m_constructionKind->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_constructionKind->setMinimumContentsLength(20);
    m_frsiCheck = new QCheckBox(tr("Frsi check with inner surface resistance of %L1 m2K/W")
                                    .arg(TemperatureFactorCheck::InnerSurfaceResistance),
                                minimum);
    m_frsiCheck->setObjectName(QStringLiteral("checkBoxFrsi"));
    QVBoxLayout *minimumLayout = new QVBoxLayout(minimum);
    minimumLayout->addWidget(m_minimumRVersion);
    minimumLayout->addWidget(m_constructionKind);
    minimumLayout->addWidget(m_frsiCheck);
    layout->addWidget(minimum);

    m_dinCriteria = new DINCriteriaSettings(content);
    m_dinCriteria->setObjectName(QStringLiteral("dinCriteriaSettings"));
    layout->addWidget(m_dinCriteria);
    m_dryingReserve = new DryingReserveSettings(content);
    m_dryingReserve->setObjectName(QStringLiteral("dryingReserveSettings"));
    layout->addWidget(m_dryingReserve);
    layout->addStretch();

    connect(m_minimumRVersion, QOverload<int>::of(&QComboBox::activated), this, [this]() {
        AssessmentSettings &a = m_settings.m_reportSettings.m_assessment;
        a.m_minimumHeatResVersion = m_minimumRVersion->currentData().toInt();
        // Another edition lists other elements: the first one stands in for one it lacks.
        if (!MinimumHeatResistance::hasElement(a.m_minimumHeatResVersion, a.m_minimumHeatResConstruction)) {
            const QVector<int> ids = MinimumHeatResistance::elementIds(a.m_minimumHeatResVersion);
            if (!ids.isEmpty())
                a.m_minimumHeatResConstruction = ids.first();
        }
        fillConstructionKinds();
        refreshPreview();
    });
    connect(m_constructionKind, QOverload<int>::of(&QComboBox::activated), this, [this]() {
        m_settings.m_reportSettings.m_assessment.m_minimumHeatResConstruction =
            m_constructionKind->currentData().toInt();
        refreshPreview();
    });
    connect(m_frsiCheck, &QCheckBox::toggled, this, [this](bool on) {
        m_settings.m_reportSettings.m_assessment.m_frsiCheck = on;
        refreshPreview();
    });
    connect(m_dinCriteria, &DINCriteriaSettings::changed, this, &ReportPreview::assessmentChanged);
    connect(m_dryingReserve, &DryingReserveSettings::valueChanged, this,
            &ReportPreview::dryingReserveChanged);

    // The assessment settings are long; they scroll inside the page.
    QScrollArea *scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(content);
    return scroll;
}

QWidget *ReportPreview::createDiagramsPage() {
    QWidget *page = new QWidget;
    QVBoxLayout *layout = new QVBoxLayout(page);
    layout->addWidget(
        addFrameCheckBox(tr("Temperature and moisture profiles"), Report::WaterContentDiagramIndex, page));
    layout->addWidget(
        addFrameCheckBox(tr("Vapor pressure profiles"), Report::VapourPressureDiagramIndex, page));
    layout->addStretch();
    return page;
}

QWidget *ReportPreview::createFinalRemarksPage() {
    QWidget *page = new QWidget;
    QVBoxLayout *layout = new QVBoxLayout(page);
    layout->addWidget(addFrameCheckBox(tr("Print Final Remarks"), Report::DisclaimerFrameIndex, page));
    m_disclaimerEditor = new TextEditWidget(page);
    m_disclaimerEditor->setObjectName(QStringLiteral("disclaimerEditor"));
    layout->addWidget(m_disclaimerEditor, 1);
    QPushButton *update = new QPushButton(tr("Update view of text in report."), page);
    update->setObjectName(QStringLiteral("pushButtonUpdateDisclaimer"));
    update->setAutoDefault(false);
    layout->addWidget(update);
    connect(m_disclaimerEditor, &TextEditWidget::textChanged, this, &ReportPreview::disclaimerEdited);
    connect(update, &QPushButton::clicked, this, &ReportPreview::commitDisclaimer);
    return page;
}

QWidget *ReportPreview::createButtonRow() {
    QWidget *row = new QWidget(this);
    QHBoxLayout *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto button = [row, layout](const QString &name, const QString &text) {
        QPushButton *b = new QPushButton(text, row);
        b->setObjectName(name);
        b->setAutoDefault(false);
        layout->addWidget(b);
        return b;
    };
    QPushButton *print = button(QStringLiteral("pushButtonPrint"), tr("Print..."));
    QPushButton *pdf = button(QStringLiteral("pushButtonWritePdf"), tr("Write pdf"));
    QPushButton *setup = button(QStringLiteral("pushButtonPageSetup"), tr("Page Setup..."));
    m_zoomMode = new QComboBox(row);
    m_zoomMode->setObjectName(QStringLiteral("comboBoxZoom"));
    m_zoomMode->addItem(tr("Fit Page in View"), int(QPrintPreviewWidget::FitInView));
    m_zoomMode->addItem(tr("Fit to Page Width"), int(QPrintPreviewWidget::FitToWidth));
    m_zoomMode->addItem(tr("Custom Zoom"), int(QPrintPreviewWidget::CustomZoom));
    layout->addWidget(m_zoomMode);
    QPushButton *zoomIn = button(QStringLiteral("pushButtonZoomIn"), tr("Zoom in"));
    QPushButton *zoomOut = button(QStringLiteral("pushButtonZoomOut"), tr("Zoom out"));
    QToolButton *exportPage = new QToolButton(row);
    exportPage->setObjectName(QStringLiteral("toolButtonExportPage"));
    exportPage->setText(QStringLiteral("..."));
    exportPage->setToolTip(tr("Export current page to file"));
    layout->addWidget(exportPage);
    layout->addStretch();

    connect(print, &QPushButton::clicked, this, &ReportPreview::printWithDialog);
    connect(pdf, &QPushButton::clicked, this, &ReportPreview::writePdf);
    connect(setup, &QPushButton::clicked, this, &ReportPreview::pageSetup);
    connect(exportPage, &QToolButton::clicked, this, &ReportPreview::exportCurrentPage);
    connect(m_zoomMode, QOverload<int>::of(&QComboBox::activated), this, &ReportPreview::zoomModeChosen);
    const auto zoom = [this](bool in) {
        if (in)
            m_preview->zoomIn();
        else
            m_preview->zoomOut();
        m_zoomMode->setCurrentIndex(m_zoomMode->findData(int(QPrintPreviewWidget::CustomZoom)));
    };
    connect(zoomIn, &QPushButton::clicked, this, [zoom]() { zoom(true); });
    connect(zoomOut, &QPushButton::clicked, this, [zoom]() { zoom(false); });
    return row;
}

void ReportPreview::fillConstructionKinds() {
    const AssessmentSettings &a = m_settings.m_reportSettings.m_assessment;
    const QSignalBlocker blocker(m_constructionKind);
    m_constructionKind->clear();
    for (int id : MinimumHeatResistance::elementIds(a.m_minimumHeatResVersion))
        m_constructionKind->addItem(
            QStringLiteral("%1 %2").arg(MinimumHeatResistance::rowLabel(a.m_minimumHeatResVersion, id),
                                        MinimumHeatResistance::elementName(a.m_minimumHeatResVersion, id)),
            id);
    int index = m_constructionKind->findData(a.m_minimumHeatResConstruction);
    if (index < 0) {
        // An element the edition does not list is kept as it is, and shown for what it is.
        m_constructionKind->addItem(
            MinimumHeatResistance::elementName(a.m_minimumHeatResVersion, a.m_minimumHeatResConstruction),
            a.m_minimumHeatResConstruction);
        index = m_constructionKind->count() - 1;
    }
    m_constructionKind->setCurrentIndex(index);
}

// --- settings and refresh -----------------------------------------------------------------

void ReportPreview::loadControls() {
    const ReportSettings &r = m_settings.m_reportSettings;
    for (auto it = m_frameCheckBoxes.cbegin(); it != m_frameCheckBoxes.cend(); ++it) {
        const QSignalBlocker blocker(it.key());
        it.key()->setChecked(r.isActivated(it.value()));
    }
    {
        const QSignalBlocker b1(m_pageNumbers), b2(m_remarks), b3(m_font), b4(m_minimumRVersion),
            b5(m_frsiCheck);
        m_pageNumbers->setChecked(r.m_pageNumbersVisible);
        m_remarks->setChecked(r.m_printRemarkProjectInformation);
        m_font->setCurrentFont(
            QFont(r.m_fontFamily.isEmpty() ? QApplication::font().family() : r.m_fontFamily));
        m_minimumRVersion->setCurrentIndex(
            m_minimumRVersion->findData(r.m_assessment.m_minimumHeatResVersion));
        m_frsiCheck->setChecked(r.m_assessment.m_frsiCheck);
    }
    m_remarkFormat->setFormat(r.m_remarkFormat);
    m_userLogo->setLogo(r.m_userLogo);
    fillConstructionKinds();
    m_dinCriteria->setAwInSeconds(m_settings.m_awInSeconds);
    m_dinCriteria->setSettings(r.m_assessment);
    m_dryingReserve->setValue(r.m_assessment.m_dryingReserve * 1000);

    const Document *document = m_document.document();
    // Without condensate there is nothing a drying reserve could be checked against.
    m_dryingReserve->setNoCondensation(document == nullptr || !(document->results().mc_0 > 0));
    const QString disclaimer =
        document != nullptr ? document->projectInformation().DisclaimerText : QString();
    if (disclaimer != m_disclaimerSource) {
        m_disclaimerTimer.stop();
        m_disclaimerEditor->setHtml(disclaimer);
        m_disclaimerSource = disclaimer;
        m_disclaimerShown = m_disclaimerEditor->html();
    }
    m_disclaimerEditor->setEnabled(document != nullptr);
}

void ReportPreview::regenerate() {
    if (!m_ready) {
        m_refreshPending = true;
        return;
    }
    loadControls();
    refreshPreview();
}

void ReportPreview::refreshPreview() {
    if (!m_ready) {
        m_refreshPending = true;
        return;
    }
    m_refreshPending = false;
    m_preview->updatePreview();
}

void ReportPreview::frameToggled(bool checked) {
    const int index = m_frameCheckBoxes.value(qobject_cast<QCheckBox *>(sender()), -1);
    if (index < 0)
        return;
    ReportSettings &r = m_settings.m_reportSettings;
    r.setActivated(index, checked);
    if (index == Report::DisclaimerFrameIndex)
        r.m_printDisclaimer = checked;
    refreshPreview();
}

void ReportPreview::assessmentChanged() {
    // A rejected value is shown by the widget and changes nothing.
    if (m_dinCriteria->apply(m_settings.m_reportSettings.m_assessment))
        refreshPreview();
}

void ReportPreview::dryingReserveChanged(double kgPerYear) {
    m_settings.m_reportSettings.m_assessment.m_dryingReserve = kgPerYear;
    refreshPreview();
}

void ReportPreview::zoomModeChosen(int index) {
    const auto mode = QPrintPreviewWidget::ZoomMode(m_zoomMode->itemData(index).toInt());
    // Custom zoom keeps the zoom factor shown now.
    if (mode == QPrintPreviewWidget::CustomZoom)
        m_preview->setZoomFactor(m_preview->zoomFactor());
    else
        m_preview->setZoomMode(mode);
}

void ReportPreview::disclaimerEdited() {
    m_disclaimerTimer.start();
}

void ReportPreview::commitDisclaimer() {
    m_disclaimerTimer.stop();
    if (!m_ready) {
        // Never change the project while the report is being painted.
        m_disclaimerTimer.start();
        return;
    }
    if (m_document.document() == nullptr)
        return;
    QString text = m_disclaimerEditor->html();
    if (text == m_disclaimerShown) {
        refreshPreview();
        return;
    }
    m_disclaimerShown = text;
    // An emptied editor leaves no empty paragraph behind to print.
    if (m_disclaimerEditor->textEdit()->toPlainText().trimmed().isEmpty())
        text.clear();
    m_disclaimerSource = text;
    m_settings.m_reportSettings.m_disclaimerText = text;
    const int paintsBefore = m_paintCount;
    m_document.push(new UndoChangeDisclaimer(m_document, tr("Undo change final remarks."), text));
    // The window refreshes an open preview after every change of the project; alone, it does so itself.
    if (m_paintCount == paintsBefore)
        refreshPreview();
}

void ReportPreview::hideEvent(QHideEvent *event) {
    commitDisclaimer();
    QDialog::hideEvent(event);
}

// --- painting -----------------------------------------------------------------------------

std::unique_ptr<Report> ReportPreview::makeReport() {
    const ReportSettings &r = m_settings.m_reportSettings;
    auto report = std::make_unique<Report>(r.m_fontFamily, r.m_fontPointSize);
    connect(report.get(), &Report::progress, this, &ReportPreview::setProgress);
    m_progressBar->setValue(0);
    m_sinceEvents.start();
    return report;
}

void ReportPreview::prepareReport(Report &report) const {
    const Document &document = *m_document.document();
    report.setData(document.inputData(), document.results(), document.projectInformation());
    report.setSettings(m_settings.m_reportSettings);
    report.setAwInSeconds(m_settings.m_awInSeconds);
}

void ReportPreview::setProgress(int value) {
    m_progressBar->setValue(value);
    emit progress(value);
    // A long report keeps the window painted. Input waits, and the ready flag keeps a refresh
    // asked for meanwhile from painting into the running one.
    if (m_sinceEvents.elapsed() >= EventInterval) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        m_sinceEvents.restart();
    }
}

void ReportPreview::printReport(QPrinter *printer) {
    if (!m_ready || printer == nullptr)
        return;
    {
        Busy busy(m_ready);
        ++m_paintCount;
        m_lastPrinted = false;
        m_lastError.clear();
        if (m_document.document() != nullptr) {
            m_lastError = catchingErrors([this, printer]() {
                m_report = makeReport();
                prepareReport(*m_report);
                m_lastPrinted = m_report->print(*printer);
            });
            if (!m_lastPrinted && m_lastError.isEmpty())
                m_lastError = Report::printFailedText();
        }
        m_progressBar->setValue(m_progressBar->maximum());
        showError(m_lastError);
    }
    // A refresh asked for while painting runs after the paint request has returned.
    if (m_refreshPending)
        QTimer::singleShot(0, this, &ReportPreview::regenerate);
}

void ReportPreview::showError(const QString &error) {
    m_errorLabel->setText(error.isEmpty() ? QString()
                                          : tr("Error while printing report.") + QLatin1Char(' ') + error);
}

QString ReportPreview::errorText() const {
    return m_errorLabel->text();
}

int ReportPreview::pageCount() const {
    return m_preview->pageCount();
}

QCheckBox *ReportPreview::frameCheckBox(int index) const {
    return m_frameCheckBoxes.key(index, nullptr);
}

// --- printing and export ------------------------------------------------------------------

bool ReportPreview::printWithDialog() {
    commitDisclaimer();
    if (m_document.document() == nullptr || !m_ready || !m_dialogs.printDialog(this, m_printer))
        return false;
    const bool pdfFile =
        m_printer.outputFormat() == QPrinter::PdfFormat && !m_printer.outputFileName().isEmpty();
    const bool existed = pdfFile && QFileInfo::exists(m_printer.outputFileName());
    printReport(&m_printer);
    // The refresh below paints again and overwrites the outcome.
    const bool printed = m_lastPrinted;
    if (!printed) {
        // A PDF file begun before the failure is incomplete.
        if (pdfFile && !existed)
            QFile::remove(m_printer.outputFileName());
        m_dialogs.critical(this, Report::printFailedTitle(), m_lastError);
    }
    // The print dialog may have changed paper and margins.
    refreshPreview();
    return printed;
}

QString ReportPreview::pdfFileName(const QString &chosen) {
    if (chosen.endsWith(QLatin1Char('.')))
        return chosen + QStringLiteral("pdf");
    if (QFileInfo(chosen).suffix().isEmpty())
        return chosen + QStringLiteral(".pdf");
    return chosen;
}

bool ReportPreview::writePdf() {
    commitDisclaimer();
    const Document *document = m_document.document();
    if (document == nullptr || !m_ready)
        return false;
    const QFileInfo project(m_document.fileName());
    const QString base = project.fileName().isEmpty() ? QStringLiteral("report") : project.completeBaseName();
    const QString &last = m_settings.m_lastExportFile;
    const QString directory =
        !last.isEmpty() ? QFileInfo(last).absolutePath()
                        : (project.fileName().isEmpty() ? QDir::homePath() : project.absolutePath());
    const QString chosen = m_dialogs.saveFileName(this, tr("Export PDF"),
                                                  QDir(directory).filePath(base + QStringLiteral(".pdf")),
                                                  QStringLiteral("*.pdf"));
    if (chosen.isEmpty())
        return false;
    const QString fileName = pdfFileName(chosen);
    QString errorMessage;
    bool written = false;
    {
        Busy busy(m_ready);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const QString error = catchingErrors([&]() {
            std::unique_ptr<Report> report = makeReport();
            prepareReport(*report);
            written = ReportPdfWriter::write(*report, fileName, document->projectInformation().ProjectName,
                                             errorMessage);
        });
        QApplication::restoreOverrideCursor();
        m_progressBar->setValue(m_progressBar->maximum());
        if (!error.isEmpty())
            errorMessage = tr("Error while printing report.") + QLatin1Char(' ') + error;
    }
    if (m_refreshPending)
        regenerate();
    if (!written) {
        m_dialogs.critical(this, Report::printFailedTitle(), errorMessage);
        return false;
    }
    m_settings.m_lastExportFile = fileName;
    return true;
}

QSize ReportPreview::pageImageSize(const QSizeF &printable, double dpi) {
    const int width = qRound(A4WidthMM / 25.4 * dpi);
    if (printable.isEmpty())
        return QSize(width, width);
    return QSize(width, qRound(width * printable.height() / printable.width()));
}

QFileDialog &ReportPreview::exportFileDialog() {
    if (m_exportFileDialog == nullptr) {
        const QString &last = m_settings.m_lastExportFile;
        const QString directory = last.isEmpty() ? QDir::currentPath() : QFileInfo(last).absolutePath();
        m_exportFileDialog = new QFileDialog(this, tr("Export current page"), directory);
        m_exportFileDialog->setObjectName(QStringLiteral("pageExportFileDialog"));
        m_exportFileDialog->setAcceptMode(QFileDialog::AcceptSave);
        m_exportFileDialog->setNameFilters(ImageExport::nameFilters());
        m_exportFileDialog->setDefaultSuffix(ImageExport::suffix(ImageExport::Png));
        connect(m_exportFileDialog, &QFileDialog::filterSelected, this, [this](const QString &filter) {
            m_exportFileDialog->setDefaultSuffix(ImageExport::suffix(ImageExport::formatOfFilter(filter)));
        });
    }
    return *m_exportFileDialog;
}

bool ReportPreview::exportCurrentPage() {
    commitDisclaimer();
    if (m_document.document() == nullptr || !m_ready)
        return false;
    QString chosen;
    QString filter;
    if (!m_dialogs.exportFileName(exportFileDialog(), chosen, filter) || chosen.isEmpty())
        return false;
    const ImageExport::Format format = ImageExport::formatOfFilter(filter);
    const QString fileName = ImageExport::fileNameFor(chosen, format);
    // The dialog asked about the name typed, not about the one the file type gave it.
    if (fileName != chosen && QFileInfo::exists(fileName) &&
        m_dialogs.question(this, QCoreApplication::translate("MainWindow", "Export file"),
                           QCoreApplication::translate(
                               "MainWindow", "The file '%1' already exists.\nDo you want to replace it?")
                               .arg(QDir::toNativeSeparators(fileName)),
                           QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return false;

    const int page = std::max(1, m_preview->currentPage());
    // The image is a picture of the preview's page: its width stands for the printable width of
    // the paper, so the text wraps and the pages break exactly as in the preview.
    const QSizeF printable = m_printer.pageLayout().paintRect(QPageLayout::Millimeter).size();
    const int screenDpi = QPrinter(QPrinter::ScreenResolution).resolution();
    const QSize size = pageImageSize(printable, screenDpi);
    const double dpi = size.width() / (printable.width() / 25.4);
    const QPageLayout pageLayout = m_printer.pageLayout();
    const QString description = m_settings.m_lastProjectFile;

    QString errorMessage;
    bool written = false;
    {
        Busy busy(m_ready);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const QString error = catchingErrors([&]() {
            std::unique_ptr<Report> report = makeReport();
            prepareReport(*report);
            Report &r = *report;
            ImageExport::Source source;
            source.pixmap = [&r, size, dpi, page]() {
                QImage image(size, QImage::Format_ARGB32_Premultiplied);
                image.fill(Qt::white);
                const int dotsPerMeter = qRound(dpi / 0.0254);
                image.setDotsPerMeterX(dotsPerMeter);
                image.setDotsPerMeterY(dotsPerMeter);
                r.printPage(image, page);
                return QPixmap::fromImage(image);
            };
            source.svg = [&r, size, dpi, page, description](QIODevice *device) {
                QSvgGenerator generator;
                generator.setOutputDevice(device);
                generator.setSize(size);
                generator.setViewBox(QRect(QPoint(0, 0), size));
                generator.setResolution(qRound(dpi));
                generator.setTitle(tr("Report"));
                generator.setDescription(description);
                r.printPage(generator, page);
            };
            source.print = [&r, pageLayout, page](QPrinter *printer) {
                printer->setPageLayout(pageLayout);
                r.printPage(*printer, page);
            };
            written = ImageExport::write(fileName, format, source, errorMessage);
        });
        QApplication::restoreOverrideCursor();
        m_progressBar->setValue(m_progressBar->maximum());
        if (!error.isEmpty())
            errorMessage = tr("Error while printing report.") + QLatin1Char(' ') + error;
    }
    if (m_refreshPending)
        regenerate();
    if (!written) {
        m_dialogs.critical(
            this, QCoreApplication::translate("MainWindow", "Export failed"),
            QCoreApplication::translate("MainWindow", "The file '%1' could not be written.\n%2")
                .arg(QDir::toNativeSeparators(fileName), errorMessage));
        return false;
    }
    m_settings.m_lastExportFile = fileName;
    return true;
}

void ReportPreview::pageSetup() {
    if (m_dialogs.pageSetupDialog(this, m_printer))
        refreshPreview();
}
