// SPDX-License-Identifier: GPL-3.0-or-later
#include "HTMLTextFormatWidget.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QToolButton>

#include "ReportSettings.h"

HTMLTextFormatWidget::HTMLTextFormatWidget(QWidget *parent)
    : QWidget(parent), m_buttons(new QButtonGroup(this)) {
    const QString texts[ReportSettings::TextFormatCount] = {tr("Normal"), tr("H1"), tr("H2"),
                                                            tr("H3"),     tr("H4"), tr("Small")};
    const QString tips[ReportSettings::TextFormatCount] = {tr("Normal text"), tr("Heading 1"),
                                                           tr("Heading 2"),   tr("Heading 3"),
                                                           tr("Heading 4"),   tr("Small text")};
    QHBoxLayout *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    m_buttons->setExclusive(true);
    for (int format = 0; format < ReportSettings::TextFormatCount; ++format) {
        QToolButton *button = new QToolButton(this);
        button->setObjectName(QStringLiteral("toolButtonFormat%1").arg(format));
        button->setText(texts[format]);
        button->setToolTip(tips[format]);
        button->setCheckable(true);
        m_buttons->addButton(button, format);
        layout->addWidget(button);
    }
    layout->addStretch();
    setFormat(ReportSettings::NormalText);
    connect(m_buttons, &QButtonGroup::idClicked, this, &HTMLTextFormatWidget::formatSelected);
}

int HTMLTextFormatWidget::format() const {
    return m_buttons->checkedId() < 0 ? int(ReportSettings::NormalText) : m_buttons->checkedId();
}

void HTMLTextFormatWidget::setFormat(int format) {
    QAbstractButton *button = m_buttons->button(format);
    if (button == nullptr)
        button = m_buttons->button(ReportSettings::NormalText);
    button->setChecked(true);
}
