// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConfigPrintDefaults.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolBox>
#include <QVBoxLayout>

#include "AssessmentSettings.h"
#include "DINCriteriaSettings.h"
#include "DryingReserveSettings.h"
#include "MinimumHeatResistance.h"
#include "Settings.h"
#include "UserLogoSettingsWidget.h"

namespace {

// Report frames, by their index in the report.
enum Frame {
    HeaderFrame = 0,
    FooterFrame = 1,
    ProjectInfoFrame = 2,
    SketchFrame = 3,
    MaterialFrame = 4,
    ClimateFrame = 5,
    SurfaceResistanceFrame = 6,
    ResistanceFrame = 7,
    DetailedResultsFrame = 8,
    WaterContentDiagramFrame = 9,
    VapourPressureDiagramFrame = 10,
    ResultsSummaryFrame = 11,
    GlaserSummaryFrame = 12
};

// Pages of the tool box.
enum Page { AppearancePage = 0, InputPage, DiagramsPage, ResultsPage, DisclaimerPage };

// Point sizes of the headings of the final remarks, first to third order.
const int HeadingSizes[] = {16, 13, 11};

} // namespace

ConfigPrintDefaults::ConfigPrintDefaults(UserDialogs &dialogs, QWidget *parent)
    : QWidget(parent), m_dialogs(dialogs) {
    m_toolBox = new QToolBox(this);
    m_toolBox->setObjectName(QStringLiteral("toolBoxPrintDefaults"));
    m_toolBox->addItem(createAppearancePage(), tr("General Appearance"));

    auto *input = new QWidget(this);
    new QVBoxLayout(input);
    addFrame(input, SketchFrame, tr("Construction sketch"));
    addFrame(input, MaterialFrame, tr("Material data"));
    addFrame(input, ClimateFrame, tr("Climate data"));
    addFrame(input, SurfaceResistanceFrame, tr("Surface Resistance"));
    static_cast<QVBoxLayout *>(input->layout())->addStretch(1);
    m_toolBox->addItem(input, tr("Input Data"));

    auto *diagrams = new QWidget(this);
    new QVBoxLayout(diagrams);
    addFrame(diagrams, WaterContentDiagramFrame, tr("Temperature and moisture profiles"));
    addFrame(diagrams, VapourPressureDiagramFrame, tr("Vapor pressure profiles"));
    static_cast<QVBoxLayout *>(diagrams->layout())->addStretch(1);
    m_toolBox->addItem(diagrams, tr("Diagrams"));

    m_toolBox->addItem(createResultsPage(), tr("Results"));
    m_toolBox->addItem(createDisclaimerPage(), tr("Disclaimer"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_toolBox);
}

QCheckBox *ConfigPrintDefaults::addFrame(QWidget *page, int frame, const QString &text) {
    auto *box = new QCheckBox(text, page);
    box->setObjectName(QStringLiteral("checkBoxFrame%1").arg(frame));
    page->layout()->addWidget(box);
    m_frames.insert(frame, box);
    return box;
}

QWidget *ConfigPrintDefaults::createAppearancePage() {
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);
    addFrame(page, HeaderFrame, tr("Header"));
    // Every report page carries its footer; the choice is shown but fixed.
    addFrame(page, FooterFrame, tr("Footer"))->setEnabled(false);
    m_pageNumbers = new QCheckBox(tr("Page numbers in footer"), page);
    m_pageNumbers->setObjectName(QStringLiteral("checkBoxPageNumbers"));
    layout->addWidget(m_pageNumbers);
    addFrame(page, ProjectInfoFrame, tr("Project information"));

    m_userLogo = new UserLogoSettingsWidget(m_dialogs, page);
    m_userLogo->setObjectName(QStringLiteral("userLogoSettings"));
    m_userLogo->setTitle(tr("User Logo"));
    layout->addWidget(m_userLogo);
    layout->addStretch(1);
    return page;
}

QWidget *ConfigPrintDefaults::createResultsPage() {
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);
    addFrame(page, GlaserSummaryFrame, tr("DIN 4108-3 (Glaser) - Summary"));
    addFrame(page, ResultsSummaryFrame, tr("TAVO Results - Summary"));
    addFrame(page, DetailedResultsFrame, tr("TAVO Results - Detailed Table"));
    addFrame(page, ResistanceFrame, tr("Resistances and µ values"));

    layout->addSpacing(8);
    layout->addWidget(new QLabel(tr("Construction kind for test of minimum thermal resistance\naccording "
                                    "german standard DIN 4108-2 table 3"),
                                 page));
    m_constructionKind = new QComboBox(page);
    m_constructionKind->setObjectName(QStringLiteral("comboBoxConstructionKind"));
    layout->addWidget(m_constructionKind);

    m_dryingReserve = new DryingReserveSettings(page);
    m_dryingReserve->setObjectName(QStringLiteral("dryingReserveSettings"));
    layout->addWidget(m_dryingReserve);
    m_dinCriteria = new DINCriteriaSettings(page);
    m_dinCriteria->setObjectName(QStringLiteral("dinCriteriaSettings"));
    layout->addWidget(m_dinCriteria);
    layout->addStretch(1);
    return page;
}

QWidget *ConfigPrintDefaults::createDisclaimerPage() {
    auto *page = new QWidget(this);
    auto *buttons = new QHBoxLayout;
    const auto button = [page, buttons](const QString &text, const char *name) {
        auto *b = new QPushButton(text, page);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    connect(button(tr("Heading 1"), "pushButtonHeading1"), &QPushButton::clicked, this,
            [this]() { setHeading(1); });
    connect(button(tr("Heading 2"), "pushButtonHeading2"), &QPushButton::clicked, this,
            [this]() { setHeading(2); });
    connect(button(tr("Heading 3"), "pushButtonHeading3"), &QPushButton::clicked, this,
            [this]() { setHeading(3); });
    connect(button(tr("Normal text"), "pushButtonNormal"), &QPushButton::clicked, this,
            [this]() { setHeading(0); });
    connect(button(tr("Underline"), "pushButtonUnderline"), &QPushButton::clicked, this,
            &ConfigPrintDefaults::toggleUnderline);
    buttons->addStretch(1);
    m_disclaimer = new QTextEdit(page);
    m_disclaimer->setObjectName(QStringLiteral("textEditDisclaimer"));
    m_disclaimer->setAcceptRichText(true);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(
        new QLabel(tr("Final remarks printed at the end of the report of new projects:"), page));
    layout->addLayout(buttons);
    layout->addWidget(m_disclaimer, 1);
    return page;
}

void ConfigPrintDefaults::setHeading(int level) {
    QTextCursor cursor = m_disclaimer->textCursor();
    cursor.beginEditBlock();
    QTextBlockFormat block = cursor.blockFormat();
    block.setHeadingLevel(level);
    cursor.setBlockFormat(block);
    // The whole paragraph takes the size of its order.
    cursor.select(QTextCursor::BlockUnderCursor);
    if (cursor.selectedText().isEmpty())
        cursor = m_disclaimer->textCursor();
    QTextCharFormat format;
    format.setFontWeight(level > 0 ? QFont::Bold : QFont::Normal);
    format.setFontPointSize(level > 0 ? HeadingSizes[level - 1] : font().pointSizeF());
    cursor.mergeCharFormat(format);
    m_disclaimer->mergeCurrentCharFormat(format);
    cursor.endEditBlock();
}

void ConfigPrintDefaults::toggleUnderline() {
    QTextCharFormat format;
    format.setFontUnderline(!m_disclaimer->currentCharFormat().fontUnderline());
    m_disclaimer->mergeCurrentCharFormat(format);
}

void ConfigPrintDefaults::load(const Settings &settings) {
    for (auto it = m_frames.cbegin(); it != m_frames.cend(); ++it)
        it.value()->setChecked(it.key() < settings.m_projectDefaultFrames.size() &&
                               settings.m_projectDefaultFrames.at(it.key()));
    m_frames.value(FooterFrame)->setChecked(true);
    m_pageNumbers->setChecked(settings.m_pageNumbersVisible);

    m_userLogo->setLogo(settings.m_defaultUserLogo);

    const AssessmentSettings &assessment = settings.m_reportSettings.m_assessment;
    m_minimumHeatResVersion = assessment.m_minimumHeatResVersion;
    m_constructionKind->clear();
    for (int id : MinimumHeatResistance::elementIds(m_minimumHeatResVersion))
        m_constructionKind->addItem(MinimumHeatResistance::elementName(m_minimumHeatResVersion, id), id);
    m_constructionKind->setCurrentIndex(
        m_constructionKind->findData(assessment.m_minimumHeatResConstruction));
    m_dryingReserve->setValue(assessment.m_dryingReserve * 1000);
    m_dinCriteria->setAwInSeconds(settings.m_awInSeconds);
    m_dinCriteria->setSettings(assessment);

    m_disclaimer->setHtml(settings.m_defaultProjectInformation.DisclaimerText);
    m_disclaimer->document()->setModified(false);
}

bool ConfigPrintDefaults::checkInput() {
    // A custom drying reserve or an Aw value typed but not yet confirmed counts as chosen.
    AssessmentSettings probe;
    if (m_dryingReserve->acceptTypedValue() && m_dinCriteria->apply(probe))
        return true;
    m_toolBox->setCurrentIndex(ResultsPage);
    return false;
}

void ConfigPrintDefaults::store(Settings &settings) {
    for (auto it = m_frames.cbegin(); it != m_frames.cend(); ++it)
        if (it.key() < settings.m_projectDefaultFrames.size())
            settings.m_projectDefaultFrames[it.key()] = it.value()->isChecked();
    settings.m_pageNumbersVisible = m_pageNumbers->isChecked();
    settings.m_defaultUserLogo = m_userLogo->logo();

    AssessmentSettings &assessment = settings.m_reportSettings.m_assessment;
    if (m_constructionKind->currentIndex() >= 0)
        assessment.m_minimumHeatResConstruction = m_constructionKind->currentData().toInt();
    // Only a changed reserve is taken, so the stored one keeps its last digit through the
    // conversion to g/(m²·a) and back.
    const double reserve = m_dryingReserve->value();
    if (qAbs(reserve - assessment.m_dryingReserve) > 1e-12)
        assessment.m_dryingReserve = reserve;
    m_dinCriteria->apply(assessment);

    // Only an edited text is taken (the editor's HTML differs from what it was given); an editor
    // without text stores none rather than the HTML frame of an empty document.
    if (m_disclaimer->document()->isModified())
        settings.m_defaultProjectInformation.DisclaimerText =
            m_disclaimer->toPlainText().trimmed().isEmpty() ? QString() : m_disclaimer->toHtml();
}
