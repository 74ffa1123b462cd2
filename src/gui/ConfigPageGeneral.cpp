// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConfigPageGeneral.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "Settings.h"
#include "UserDialogs.h"

namespace {

// Entries of the width combo, in combo order.
const int WidthUnits[] = {1000, 100, 10, 1};
const int WidthUnitCount = int(sizeof(WidthUnits) / sizeof(WidthUnits[0]));

} // namespace

ConfigPageGeneral::ConfigPageGeneral(UserDialogs &dialogs, QWidget *parent)
    : QWidget(parent), m_dialogs(dialogs) {
    const QString squared(QChar(0x00B2));
    const QString half(QChar(0x00BD));
    m_awUnit = new QComboBox(this);
    m_awUnit->setObjectName(QStringLiteral("comboBoxAwUnit"));
    m_awUnit->addItem(tr("Use kg/m%1s%2 as unit for Aw").arg(squared, half));
    m_awUnit->addItem(tr("Use kg/m%1h%2 as unit for Aw").arg(squared, half));

    m_startUp = new QComboBox(this);
    m_startUp->setObjectName(QStringLiteral("comboBoxDefaultStartUp"));
    m_startUp->addItem(tr("Start Program without project"));
    m_startUp->addItem(tr("Start Program with last recent project"));

    m_widthUnit = new QComboBox(this);
    m_widthUnit->setObjectName(QStringLiteral("comboBoxWidthUnit"));
    m_widthUnit->addItem(tr("Construction layer width in [mm]"));
    m_widthUnit->addItem(tr("Construction layer width in [cm]"));
    m_widthUnit->addItem(tr("Construction layer width in [dm]"));
    m_widthUnit->addItem(tr("Construction layer width in [m]"));

    m_userDirectory = new QLineEdit(this);
    m_userDirectory->setObjectName(QStringLiteral("lineEditUserMatDir"));
    m_chooseUserDirectory = new QToolButton(this);
    m_chooseUserDirectory->setObjectName(QStringLiteral("toolButtonUserMaterialDir"));
    m_chooseUserDirectory->setText(QStringLiteral("..."));
    connect(m_chooseUserDirectory, &QToolButton::clicked, this, &ConfigPageGeneral::chooseUserDirectory);

    auto *directoryRow = new QHBoxLayout;
    directoryRow->addWidget(m_userDirectory, 1);
    directoryRow->addWidget(m_chooseUserDirectory);
    auto *note = new QLabel(tr("A new directory is used from the next start of the program."), this);
    note->setWordWrap(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_awUnit);
    layout->addWidget(m_startUp);
    layout->addWidget(m_widthUnit);
    layout->addSpacing(12);
    layout->addWidget(
        new QLabel(tr("Directory for user material database and construction database:"), this));
    layout->addLayout(directoryRow);
    layout->addWidget(note);
    layout->addStretch(1);
}

int ConfigPageGeneral::widthUnitOfIndex(int index) {
    return index >= 0 && index < WidthUnitCount ? WidthUnits[index] : 1000;
}

int ConfigPageGeneral::indexOfWidthUnit(int unit) {
    for (int i = 0; i < WidthUnitCount; ++i)
        if (WidthUnits[i] == unit)
            return i;
    return 0;
}

void ConfigPageGeneral::load(const Settings &settings) {
    m_awUnit->setCurrentIndex(settings.m_awInSeconds ? 0 : 1);
    m_startUp->setCurrentIndex(settings.m_defaultRestartMode != 0 ? 1 : 0);
    m_widthUnit->setCurrentIndex(indexOfWidthUnit(settings.m_defaultLayerWidthUnit));
    m_loadedDirectory = settings.userMaterialsDir();
    m_userDirectory->setText(m_loadedDirectory);
    m_userDirectory->setToolTip(m_loadedDirectory);
}

QString ConfigPageGeneral::storedDirectory(const QString &text) {
    return QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(text).absoluteFilePath()));
}

ConfigPageGeneral::DirectoryCheck ConfigPageGeneral::checkUserDirectory(const QString &directory) {
    if (directory.trimmed().isEmpty() || directory.contains(QChar(0)))
        return DirectoryInvalidText;
    const QFileInfo info(directory);
    if (info.exists() && !info.isDir())
        return DirectoryIsFile;
    if (!QDir().mkpath(directory))
        return DirectoryNotWritable;
    // Writing a file is the only sure test of access rights; the probe must not stay behind
    // (nor may a file of the user's with that name be touched beyond opening it).
    QFile probe(QDir(directory).filePath(QStringLiteral("text.tst")));
    const bool existed = probe.exists();
    if (!probe.open(QIODevice::ReadWrite))
        return DirectoryNotWritable;
    probe.close();
    if (!existed)
        probe.remove();
    return DirectoryUsable;
}

bool ConfigPageGeneral::store(Settings &settings) {
    const QString text = m_userDirectory->text();
    QString directory;
    // An unchanged field keeps the setting as it is (an empty one keeps meaning the default).
    if (text != m_loadedDirectory) {
        directory = text.trimmed().isEmpty() ? text : storedDirectory(text);
        const QString invalid = tr("Directory not valid.");
        switch (checkUserDirectory(directory)) {
        case DirectoryUsable:
            break;
        case DirectoryIsFile:
            m_dialogs.critical(this, invalid, tr("There exist a file with the same name."));
            return false;
        case DirectoryInvalidText:
            m_dialogs.critical(this, invalid, tr("The given text cannot be used as directory."));
            return false;
        case DirectoryNotWritable:
            m_dialogs.critical(this, tr("Directory not writebale."),
                               tr("The material database cannot be stored here."));
            return false;
        }
    }
    settings.m_awInSeconds = m_awUnit->currentIndex() != 1;
    settings.m_defaultRestartMode = m_startUp->currentIndex() == 0 ? 0 : 1;
    settings.m_defaultLayerWidthUnit = widthUnitOfIndex(m_widthUnit->currentIndex());
    if (!directory.isEmpty()) {
        settings.m_userMaterialsDirectory = directory;
        m_loadedDirectory = directory;
        m_userDirectory->setText(directory);
        m_userDirectory->setToolTip(directory);
    }
    return true;
}

void ConfigPageGeneral::chooseUserDirectory() {
    const QString chosen =
        m_dialogs.existingDirectory(this, tr("User material directory"), m_userDirectory->text());
    if (!chosen.isEmpty())
        m_userDirectory->setText(QDir::toNativeSeparators(chosen));
}
