// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConfigPrintDefaults.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "AssessmentSettings.h"
#include "MinimumHeatResistance.h"
#include "Settings.h"
#include "UserDialogs.h"

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

    auto *logo = new QGroupBox(tr("User Logo"), page);
    m_logoPosition = new QComboBox(logo);
    m_logoPosition->setObjectName(QStringLiteral("comboBoxLogoPosition"));
    m_logoPosition->addItems(
        {tr("No user logo"), tr("Logo in page header"), tr("Logo right from project informations")});
    m_logoPath = new QLabel(logo);
    m_logoPath->setObjectName(QStringLiteral("labelLogoPath"));
    m_logoPath->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *choose = new QToolButton(logo);
    choose->setObjectName(QStringLiteral("toolButtonLogo"));
    choose->setText(QStringLiteral("..."));
    connect(choose, &QToolButton::clicked, this, &ConfigPrintDefaults::chooseLogo);
    auto *pathRow = new QHBoxLayout;
    pathRow->addWidget(m_logoPath, 1);
    pathRow->addWidget(choose);
    m_logoWidth = new QRadioButton(tr("Width"), logo);
    m_logoHeight = new QRadioButton(tr("Height"), logo);
    m_logoSize = new QSpinBox(logo);
    m_logoSize->setObjectName(QStringLiteral("spinBoxLogoSize"));
    m_logoSize->setRange(0, 500);
    m_logoSize->setSuffix(QStringLiteral(" mm"));
    m_logoSize->setSpecialValueText(tr("natural size"));
    auto *sizeRow = new QHBoxLayout;
    sizeRow->addWidget(m_logoWidth);
    sizeRow->addWidget(m_logoHeight);
    sizeRow->addWidget(m_logoSize, 1);
    auto *logoLayout = new QFormLayout(logo);
    logoLayout->addRow(tr("Position"), m_logoPosition);
    logoLayout->addRow(tr("Image"), pathRow);
    logoLayout->addRow(tr("Size"), sizeRow);
    layout->addWidget(logo);
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

    auto *form = new QFormLayout;
    m_dryingReserve = new QSpinBox(page);
    m_dryingReserve->setObjectName(QStringLiteral("spinBoxDryingReserve"));
    m_dryingReserve->setRange(0, 1000);
    m_dryingReserve->setSingleStep(50);
    m_dryingReserve->setSuffix(QStringLiteral(" g/m²a"));
    m_dryingReserve->setSpecialValueText(tr("no drying reserve"));
    form->addRow(tr("Drying reserve according DIN 68800-2:"), m_dryingReserve);

    m_criteria = new QComboBox(page);
    m_criteria->setObjectName(QStringLiteral("comboBoxCriteria"));
    // Entries in the order of the editions' numbers.
    m_criteria->addItems(
        {tr("DIN 4108-3 2001"), tr("DIN 4108-3 2014"), tr("DIN 4108-3 2018 und 2024"), tr("User defined")});
    connect(m_criteria, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &ConfigPrintDefaults::updateUserAwEnabled);
    form->addRow(tr("Settings for validity check according DIN 4108-3"), m_criteria);
    m_userAw = new QDoubleSpinBox(page);
    m_userAw->setObjectName(QStringLiteral("doubleSpinBoxUserAw"));
    m_userAw->setRange(0, 100);
    m_userAw->setDecimals(3);
    m_userAw->setSingleStep(0.1);
    m_userAw->setSuffix(QStringLiteral(" kg/m²h½"));
    form->addRow(tr("Aw value for non capillar material"), m_userAw);
    layout->addLayout(form);
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

void ConfigPrintDefaults::updateUserAwEnabled() {
    m_userAw->setEnabled(m_criteria->currentIndex() == AssessmentSettings::UserDefined);
}

void ConfigPrintDefaults::chooseLogo() {
    const QString file =
        m_dialogs.openFileName(this, tr("User Logo"), m_logoPath->text(), tr("Images (*.png *.xpm *.jpg)"));
    if (!file.isEmpty())
        m_logoPath->setText(file);
}

void ConfigPrintDefaults::load(const Settings &settings) {
    for (auto it = m_frames.cbegin(); it != m_frames.cend(); ++it)
        it.value()->setChecked(it.key() < settings.m_projectDefaultFrames.size() &&
                               settings.m_projectDefaultFrames.at(it.key()));
    m_frames.value(FooterFrame)->setChecked(true);
    m_pageNumbers->setChecked(settings.m_pageNumbersVisible);

    const ReportSettings::UserLogo &logo = settings.m_defaultUserLogo;
    m_logoPosition->setCurrentIndex(qBound(0, logo.m_position, m_logoPosition->count() - 1));
    m_logoPath->setText(logo.m_path);
    m_logoWidth->setChecked(logo.m_widthSetting);
    m_logoHeight->setChecked(!logo.m_widthSetting);
    m_logoSize->setValue(logo.m_size);

    const AssessmentSettings &assessment = settings.m_reportSettings.m_assessment;
    m_minimumHeatResVersion = assessment.m_minimumHeatResVersion;
    m_constructionKind->clear();
    for (int id : MinimumHeatResistance::elementIds(m_minimumHeatResVersion))
        m_constructionKind->addItem(MinimumHeatResistance::elementName(m_minimumHeatResVersion, id), id);
    m_constructionKind->setCurrentIndex(
        m_constructionKind->findData(assessment.m_minimumHeatResConstruction));
    m_dryingReserve->setValue(qRound(assessment.m_dryingReserve * 1000));
    m_criteria->setCurrentIndex(qBound(0, assessment.m_accordanceType, m_criteria->count() - 1));
    m_userAw->setValue(assessment.m_nonCapillarAw * 60);
    updateUserAwEnabled();

    m_disclaimer->setHtml(settings.m_defaultProjectInformation.DisclaimerText);
    m_disclaimer->document()->setModified(false);
}

void ConfigPrintDefaults::store(Settings &settings) const {
    for (auto it = m_frames.cbegin(); it != m_frames.cend(); ++it)
        if (it.key() < settings.m_projectDefaultFrames.size())
            settings.m_projectDefaultFrames[it.key()] = it.value()->isChecked();
    settings.m_pageNumbersVisible = m_pageNumbers->isChecked();

    ReportSettings::UserLogo &logo = settings.m_defaultUserLogo;
    logo.m_position = m_logoPosition->currentIndex();
    logo.m_path = m_logoPath->text();
    logo.m_widthSetting = m_logoWidth->isChecked();
    logo.m_size = m_logoSize->value();

    AssessmentSettings &assessment = settings.m_reportSettings.m_assessment;
    if (m_constructionKind->currentIndex() >= 0)
        assessment.m_minimumHeatResConstruction = m_constructionKind->currentData().toInt();
    assessment.m_dryingReserve = m_dryingReserve->value() / 1000.0;
    assessment.m_accordanceType = m_criteria->currentIndex();
    // Only a changed value is taken, so the stored one keeps its precision.
    if (qAbs(m_userAw->value() - assessment.m_nonCapillarAw * 60) > 0.0005)
        assessment.m_nonCapillarAw = m_userAw->value() / 60;

    // Only an edited text is taken (the editor's HTML differs from what it was given); an editor
    // without text stores none rather than the HTML frame of an empty document.
    if (m_disclaimer->document()->isModified())
        settings.m_defaultProjectInformation.DisclaimerText =
            m_disclaimer->toPlainText().trimmed().isEmpty() ? QString() : m_disclaimer->toHtml();
}
