// SPDX-License-Identifier: GPL-3.0-or-later
#include "UserLogoSettingsWidget.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "UserDialogs.h"

namespace {

// Largest logo size offered, mm: wider than any page.
const int MaximumSize = 300;

} // namespace

UserLogoSettingsWidget::UserLogoSettingsWidget(UserDialogs &dialogs, QWidget *parent)
    : QWidget(parent), m_dialogs(dialogs) {
    m_box = new QGroupBox(tr("User logo"), this);
    m_choose = new QToolButton(m_box);
    m_choose->setObjectName(QStringLiteral("toolButtonLogoFile"));
    m_choose->setText(QStringLiteral("..."));
    m_choose->setToolTip(tr("Choose the image file of the logo"));
    m_pathLabel = new QLabel(m_box);
    m_pathLabel->setObjectName(QStringLiteral("labelLogoPath"));
    m_pathLabel->setWordWrap(true);
    m_pathLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_position = new QComboBox(m_box);
    m_position->setObjectName(QStringLiteral("comboBoxLogoPosition"));
    for (int position = ReportSettings::NoUserLogo; position <= ReportSettings::LogoBesideProjectInformation;
         ++position)
        m_position->addItem(positionText(position), position);

    m_width = new QRadioButton(tr("Width"), m_box);
    m_width->setObjectName(QStringLiteral("radioButtonLogoWidth"));
    m_height = new QRadioButton(tr("Height"), m_box);
    m_height->setObjectName(QStringLiteral("radioButtonLogoHeight"));
    QButtonGroup *sizeMode = new QButtonGroup(this);
    sizeMode->addButton(m_width);
    sizeMode->addButton(m_height);
    const auto makeSpinBox = [this](const QString &name) {
        QSpinBox *spin = new QSpinBox(m_box);
        spin->setObjectName(name);
        spin->setRange(0, MaximumSize);
        spin->setSuffix(QStringLiteral(" mm"));
        spin->setSpecialValueText(tr("natural size"));
        return spin;
    };
    m_widthSize = makeSpinBox(QStringLiteral("spinBoxLogoWidth"));
    m_heightSize = makeSpinBox(QStringLiteral("spinBoxLogoHeight"));

    QGridLayout *grid = new QGridLayout(m_box);
    grid->addWidget(m_choose, 0, 0);
    grid->addWidget(m_pathLabel, 0, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Position"), m_box), 1, 0);
    grid->addWidget(m_position, 1, 1, 1, 2);
    grid->addWidget(m_width, 2, 0);
    grid->addWidget(m_widthSize, 2, 1);
    grid->addWidget(m_height, 3, 0);
    grid->addWidget(m_heightSize, 3, 1);
    grid->setColumnStretch(2, 1);
    QVBoxLayout *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_box);

    setLogo(ReportSettings::UserLogo());

    connect(m_choose, &QToolButton::clicked, this, &UserLogoSettingsWidget::chooseImage);
    connect(m_position, QOverload<int>::of(&QComboBox::activated), this,
            &UserLogoSettingsWidget::logoChanged);
    connect(m_width, &QRadioButton::clicked, this, &UserLogoSettingsWidget::sizeModeClicked);
    connect(m_height, &QRadioButton::clicked, this, &UserLogoSettingsWidget::sizeModeClicked);
    for (QSpinBox *spin : {m_widthSize, m_heightSize})
        connect(spin, QOverload<int>::of(&QSpinBox::valueChanged), this, [this, spin]() {
            if (spin->isEnabled() && !signalsBlocked())
                emit logoChanged();
        });
}

void UserLogoSettingsWidget::setTitle(const QString &title) {
    m_box->setTitle(title);
}

QString UserLogoSettingsWidget::positionText(int position) {
    switch (position) {
    case ReportSettings::LogoInPageHeader:
        return tr("Logo in page header");
    case ReportSettings::LogoBesideProjectInformation:
        return tr("Logo right from project informations");
    default:
        return tr("No user logo");
    }
}

void UserLogoSettingsWidget::setLogo(const ReportSettings::UserLogo &logo) {
    const QSignalBlocker blocker(this);
    m_path = logo.m_path;
    showPath();
    const int index = m_position->findData(logo.m_position);
    m_position->setCurrentIndex(index < 0 ? 0 : index);
    (logo.m_widthSetting ? m_width : m_height)->setChecked(true);
    (logo.m_widthSetting ? m_widthSize : m_heightSize)->setValue(logo.m_size);
    m_widthSize->setEnabled(logo.m_widthSetting);
    m_heightSize->setEnabled(!logo.m_widthSetting);
}

ReportSettings::UserLogo UserLogoSettingsWidget::logo() const {
    ReportSettings::UserLogo logo;
    logo.m_position = m_position->currentData().toInt();
    logo.m_path = m_path;
    logo.m_widthSetting = m_width->isChecked();
    logo.m_size = logo.m_widthSetting ? m_widthSize->value() : m_heightSize->value();
    return logo;
}

void UserLogoSettingsWidget::chooseImage() {
    const QString directory = m_path.isEmpty() ? QDir::homePath() : QFileInfo(m_path).absolutePath();
    const QString path = m_dialogs.openFileName(this, tr("Select the logo image"), directory,
                                                tr("Images (*.png *.xpm *.jpg)"));
    if (path.isEmpty())
        return;
    m_path = path;
    showPath();
    emit logoChanged();
}

void UserLogoSettingsWidget::sizeModeClicked() {
    m_widthSize->setEnabled(m_width->isChecked());
    m_heightSize->setEnabled(m_height->isChecked());
    emit logoChanged();
}

void UserLogoSettingsWidget::showPath() {
    m_pathLabel->setText(m_path.isEmpty() ? tr("No image chosen") : QDir::toNativeSeparators(m_path));
}
