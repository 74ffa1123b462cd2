// SPDX-License-Identifier: GPL-3.0-or-later
#include "DINCriteriaSettings.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "LocaleNumber.h"

DINCriteriaSettings::DINCriteriaSettings(QWidget *parent) : QWidget(parent) {
    QGroupBox *box = new QGroupBox(tr("Settings for validity check according DIN 4108-3"), this);
    m_editions = new QButtonGroup(this);
    const std::pair<int, QString> editions[] = {
        {AssessmentSettings::UserDefined, tr("User defined")},
        {AssessmentSettings::DIN4108_3_2018_2024, tr("DIN 4108-3 2018 und 2024")},
        {AssessmentSettings::DIN4108_3_2001, tr("DIN 4108-3 2001")},
        {AssessmentSettings::DIN4108_3_2014, tr("DIN 4108-3 2014")}};
    QVBoxLayout *editionLayout = new QVBoxLayout;
    for (const auto &e : editions) {
        QRadioButton *button = new QRadioButton(e.second, box);
        button->setObjectName(QStringLiteral("radioButtonEdition%1").arg(e.first));
        m_editions->addButton(button, e.first);
        editionLayout->addWidget(button);
    }

    m_nonCapillary = new QLineEdit(box);
    m_nonCapillary->setObjectName(QStringLiteral("lineEditNonCapillaryAw"));
    m_capillaryActive = new QLineEdit(box);
    m_capillaryActive->setObjectName(QStringLiteral("lineEditCapillaryActiveAw"));
    m_nonCapillaryUnit = new QLabel(box);
    m_capillaryActiveUnit = new QLabel(box);
    QGridLayout *fields = new QGridLayout;
    fields->addWidget(new QLabel(tr("Aw value for non capillar material"), box), 0, 0);
    fields->addWidget(m_nonCapillary, 0, 1);
    fields->addWidget(m_nonCapillaryUnit, 0, 2);
    fields->addWidget(new QLabel(tr("Aw value for capillar active material"), box), 1, 0);
    fields->addWidget(m_capillaryActive, 1, 1);
    fields->addWidget(m_capillaryActiveUnit, 1, 2);

    QGroupBox *sides = new QGroupBox(tr("Check one or both sides of a condensation plane"), box);
    m_oneSide = new QRadioButton(tr("One side check"), sides);
    m_oneSide->setObjectName(QStringLiteral("radioButtonOneSide"));
    m_twoSides = new QRadioButton(tr("Two side check"), sides);
    m_twoSides->setObjectName(QStringLiteral("radioButtonTwoSides"));
    QHBoxLayout *sideLayout = new QHBoxLayout(sides);
    sideLayout->addWidget(m_oneSide);
    sideLayout->addWidget(m_twoSides);

    m_message = new QLabel(box);
    m_message->setObjectName(QStringLiteral("labelAwMessage"));
    m_message->setWordWrap(true);
    m_message->setStyleSheet(QStringLiteral("color: #c00000;"));
    m_message->hide();

    QVBoxLayout *boxLayout = new QVBoxLayout(box);
    boxLayout->addLayout(editionLayout);
    boxLayout->addLayout(fields);
    boxLayout->addWidget(m_message);
    boxLayout->addWidget(sides);
    QVBoxLayout *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(box);

    setAwInSeconds(false);
    setSettings(AssessmentSettings());

    connect(m_editions, QOverload<QAbstractButton *>::of(&QButtonGroup::buttonClicked), this,
            &DINCriteriaSettings::editionClicked);
    connect(m_oneSide, &QRadioButton::clicked, this, &DINCriteriaSettings::changed);
    connect(m_twoSides, &QRadioButton::clicked, this, &DINCriteriaSettings::changed);
    connect(m_nonCapillary, &QLineEdit::editingFinished, this, &DINCriteriaSettings::fieldConfirmed);
    connect(m_capillaryActive, &QLineEdit::editingFinished, this, &DINCriteriaSettings::fieldConfirmed);
}

void DINCriteriaSettings::setAwInSeconds(bool inSeconds) {
    m_awInSeconds = inSeconds;
    // The unit of the values as the fields show them.
    const QString unit = inSeconds ? tr("kg/m2s0.5") : tr("kg/m2h0.5");
    m_nonCapillaryUnit->setText(unit);
    m_capillaryActiveUnit->setText(unit);
    setSettings(m_shown);
}

void DINCriteriaSettings::setSettings(const AssessmentSettings &settings) {
    m_shown = settings;
    QAbstractButton *button = m_editions->button(settings.m_accordanceType);
    if (button == nullptr)
        button = m_editions->button(AssessmentSettings::UserDefined);
    button->setChecked(true);
    m_lastEdition = edition();
    (settings.m_capillaryCheckOneSide ? m_oneSide : m_twoSides)->setChecked(true);
    m_capillaryActive->setText(LocaleNumber::text(settings.m_capillarActiveAw * shownFactor()));
    m_shownCapillaryActive = m_capillaryActive->text();
    showNonCapillaryField();
    showMessage(QString());
}

bool DINCriteriaSettings::apply(AssessmentSettings &settings) {
    const int chosen = edition();
    double nonCapillary = m_shown.m_nonCapillarAw;
    // Unchanged fields keep the stored value exactly; their text may be rounded.
    if (chosen == AssessmentSettings::UserDefined && m_nonCapillary->text() != m_shownNonCapillary &&
        !readField(m_nonCapillary, nonCapillary))
        return false;
    double capillaryActive = m_shown.m_capillarActiveAw;
    if (m_capillaryActive->text() != m_shownCapillaryActive && !readField(m_capillaryActive, capillaryActive))
        return false;
    settings.m_accordanceType = chosen;
    settings.m_capillaryCheckOneSide = m_oneSide->isChecked();
    settings.m_nonCapillarAw = nonCapillary;
    settings.m_capillarActiveAw = capillaryActive;
    setSettings(settings);
    return true;
}

QString DINCriteriaSettings::message() const {
    return m_message->isHidden() ? QString() : m_message->text();
}

void DINCriteriaSettings::editionClicked() {
    // A value typed for the user-defined edition is not lost by looking at another edition.
    if (m_lastEdition == AssessmentSettings::UserDefined && m_nonCapillary->text() != m_shownNonCapillary) {
        double value = 0;
        if (readField(m_nonCapillary, value))
            m_shown.m_nonCapillarAw = value;
    }
    m_lastEdition = edition();
    showNonCapillaryField();
    showMessage(QString());
    emit changed();
}

void DINCriteriaSettings::fieldConfirmed() {
    const QLineEdit *field = qobject_cast<const QLineEdit *>(sender());
    if (field == nullptr || field->isReadOnly())
        return;
    const QString &shown = field == m_nonCapillary ? m_shownNonCapillary : m_shownCapillaryActive;
    if (field->text() == shown)
        return;
    double value = 0;
    if (readField(field, value))
        emit changed();
}

int DINCriteriaSettings::edition() const {
    const int id = m_editions->checkedId();
    return id < 0 ? int(AssessmentSettings::UserDefined) : id;
}

bool DINCriteriaSettings::readField(const QLineEdit *field, double &perSecond) {
    bool ok = false;
    const double shown = LocaleNumber::read(field->text(), &ok);
    if (!ok) {
        showMessage(tr("The Aw value must be a number."));
        return false;
    }
    if (shown < 0) {
        showMessage(tr("The Aw value cannot be < 0."));
        return false;
    }
    showMessage(QString());
    perSecond = shown / shownFactor();
    return true;
}

void DINCriteriaSettings::showNonCapillaryField() {
    const int chosen = edition();
    const bool userDefined = chosen == AssessmentSettings::UserDefined;
    // The editions fix their limit; only the user-defined one takes the user's value.
    const double perSecond = userDefined
                                 ? m_shown.m_nonCapillarAw
                                 : AssessmentSettings::awLimitPerSecond(chosen, m_shown.m_nonCapillarAw);
    m_nonCapillary->setText(LocaleNumber::text(perSecond * shownFactor()));
    m_nonCapillary->setReadOnly(!userDefined);
    m_shownNonCapillary = m_nonCapillary->text();
}

void DINCriteriaSettings::showMessage(const QString &text) {
    m_message->setText(text);
    m_message->setVisible(!text.isEmpty());
}
