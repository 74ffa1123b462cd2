// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConfigDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QListWidget>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "ConfigPageGeneral.h"
#include "ConfigPageProjectInformation.h"
#include "ConfigPrintDefaults.h"
#include "Settings.h"

namespace {

const int PreferencesHelpTopic = 5;

} // namespace

ConfigDialog::ConfigDialog(Settings &settings, UserDialogs &dialogs, QWidget *parent)
    : QDialog(parent), m_settings(settings) {
    setObjectName(QStringLiteral("configDialog"));
    setWindowTitle(tr("Preferences"));

    m_pageList = new QListWidget(this);
    m_pageList->setObjectName(QStringLiteral("listWidgetPages"));
    m_pageList->setViewMode(QListView::IconMode);
    m_pageList->setIconSize(QSize(64, 56));
    m_pageList->setMovement(QListView::Static);
    m_pageList->setFlow(QListView::TopToBottom);
    m_pageList->setWrapping(true);
    m_pageList->setSpacing(9);
    m_pageList->setUniformItemSizes(true);
    // Longer entry names (German, Polish) wrap below their icon instead of being cut.
    m_pageList->setWordWrap(true);
    m_pageList->setTextElideMode(Qt::ElideNone);
    m_pageList->setGridSize(QSize(114, 100));
    // The maximum first, then the minimum: the list ends up 120 pixels wide.
    m_pageList->setMaximumWidth(96);
    m_pageList->setMinimumWidth(120);
    m_pageList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pageList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const auto addEntry = [this](const QString &icon, const QString &text) {
        auto *item = new QListWidgetItem(QIcon(icon), text, m_pageList);
        item->setTextAlignment(Qt::AlignHCenter);
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    };
    addEntry(QStringLiteral(":/icons/config.png"), tr("General Settings"));
    addEntry(QStringLiteral(":/icons/update.png"), tr("Default Project Info"));
    addEntry(QStringLiteral(":/icons/update.png"), tr("Default Print Config"));

    m_general = new ConfigPageGeneral(dialogs, this);
    m_projectInformation = new ConfigPageProjectInformation(this);
    m_printDefaults = new ConfigPrintDefaults(dialogs, this);
    m_pages = new QStackedWidget(this);
    m_pages->addWidget(m_general);
    m_pages->addWidget(m_projectInformation);
    m_pages->addWidget(m_printDefaults);
    connect(m_pageList, &QListWidget::currentItemChanged, this, &ConfigDialog::pageChanged);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &ConfigDialog::changesAccepted);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, [this]() { emit helpRequested(PreferencesHelpTopic); });

    auto *top = new QHBoxLayout;
    top->addWidget(m_pageList);
    top->addWidget(m_pages, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(buttons);
    resize(860, 660);
}

void ConfigDialog::showEvent(QShowEvent *event) {
    m_general->load(m_settings);
    m_projectInformation->load(m_settings);
    m_printDefaults->load(m_settings);
    m_pageList->setCurrentRow(0);
    m_pages->setCurrentIndex(0);
    QDialog::showEvent(event);
}

void ConfigDialog::pageChanged(QListWidgetItem *current, QListWidgetItem *previous) {
    if (current == nullptr)
        current = previous;
    const int row = m_pageList->row(current);
    if (row >= 0)
        m_pages->setCurrentIndex(row);
}

void ConfigDialog::changesAccepted() {
    // Checked before anything is stored, so a rejected value leaves all settings as they were.
    if (!m_printDefaults->checkInput()) {
        m_pageList->setCurrentRow(2);
        return;
    }
    if (!m_general->store(m_settings)) {
        m_pageList->setCurrentRow(0);
        return;
    }
    m_projectInformation->store(m_settings);
    m_printDefaults->store(m_settings);
    // Editors showing units follow at once.
    m_settings.notifyChanged();
    accept();
}
