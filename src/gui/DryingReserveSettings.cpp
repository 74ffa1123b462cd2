// SPDX-License-Identifier: GPL-3.0-or-later
#include "DryingReserveSettings.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

#include "LocaleNumber.h"

namespace {

// The standard reserves of DIN 68800-2, g/(m²·a).
const double WallsAndCeilingsGrams = 100;
const double RoofsGrams = 250;
const double Tolerance = 1e-10;

} // namespace

DryingReserveSettings::DryingReserveSettings(QWidget *parent) : QWidget(parent) {
    QGroupBox *box = new QGroupBox(tr("Drying potential according DIN 68800-2"), this);
    m_none = new QRadioButton(tr("No drying reserve"), box);
    m_none->setObjectName(QStringLiteral("radioButtonNoDryingReserve"));
    m_wallsAndCeilings = new QRadioButton(tr("Drying reserve for ceilings and walls"), box);
    m_wallsAndCeilings->setObjectName(QStringLiteral("radioButtonWallsAndCeilings"));
    m_roofs = new QRadioButton(tr("Drying reserve for roofs"), box);
    m_roofs->setObjectName(QStringLiteral("radioButtonRoofs"));
    m_custom = new QRadioButton(tr("Custom drying reserve"), box);
    m_custom->setObjectName(QStringLiteral("radioButtonCustomDryingReserve"));
    m_customValue = new QLineEdit(box);
    m_customValue->setObjectName(QStringLiteral("lineEditCustomDryingReserve"));
    m_customValue->setText(LocaleNumber::text(0));
    m_update = new QPushButton(tr("Update"), box);
    m_update->setObjectName(QStringLiteral("pushButtonUpdateDryingReserve"));
    m_message = new QLabel(box);
    m_message->setObjectName(QStringLiteral("labelDryingReserveMessage"));
    m_message->setWordWrap(true);
    m_message->hide();

    QButtonGroup *group = new QButtonGroup(this);
    for (QRadioButton *button : {m_none, m_wallsAndCeilings, m_roofs, m_custom})
        group->addButton(button);
    m_none->setChecked(true);

    QGridLayout *grid = new QGridLayout(box);
    grid->addWidget(m_none, 0, 0, 1, 3);
    grid->addWidget(m_wallsAndCeilings, 1, 0);
    grid->addWidget(new QLabel(tr("<html>(100g/m<sup>2</sup>a)</html>"), box), 1, 1, 1, 2);
    grid->addWidget(m_roofs, 2, 0);
    grid->addWidget(new QLabel(tr("<html>(250g/m<sup>2</sup>a)</html>"), box), 2, 1, 1, 2);
    grid->addWidget(m_custom, 3, 0);
    grid->addWidget(m_customValue, 3, 1);
    grid->addWidget(m_update, 3, 2);
    grid->addWidget(m_message, 4, 0, 1, 3);
    grid->setColumnStretch(0, 1);
    QVBoxLayout *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(box);

    connect(group, QOverload<QAbstractButton *>::of(&QButtonGroup::buttonClicked), this,
            &DryingReserveSettings::choiceClicked);
    connect(m_update, &QPushButton::clicked, this, &DryingReserveSettings::confirmCustomValue);
    connect(m_customValue, &QLineEdit::returnPressed, this, &DryingReserveSettings::confirmCustomValue);
}

double DryingReserveSettings::value() const {
    if (m_wallsAndCeilings->isChecked())
        return WallsAndCeilingsGrams / 1000;
    if (m_roofs->isChecked())
        return RoofsGrams / 1000;
    if (m_custom->isChecked())
        return m_customGrams / 1000;
    return 0;
}

void DryingReserveSettings::setValue(double gramsPerYear) {
    if (!(gramsPerYear > Tolerance)) {
        m_none->setChecked(true);
    } else if (std::fabs(gramsPerYear - WallsAndCeilingsGrams) <= Tolerance) {
        m_wallsAndCeilings->setChecked(true);
    } else if (std::fabs(gramsPerYear - RoofsGrams) <= Tolerance) {
        m_roofs->setChecked(true);
    } else {
        m_custom->setChecked(true);
        m_customGrams = gramsPerYear;
        m_customValue->setText(LocaleNumber::text(gramsPerYear));
    }
    if (!m_noCondensation)
        showMessage(QString(), false);
}

void DryingReserveSettings::setNoCondensation(bool on) {
    m_noCondensation = on;
    if (on)
        m_none->setChecked(true);
    for (QWidget *w :
         std::initializer_list<QWidget *>{m_wallsAndCeilings, m_roofs, m_custom, m_customValue, m_update})
        w->setEnabled(!on);
    showMessage(on ? tr("In case of no condensation a drying reserve cannot by applied.") : QString(), false);
}

bool DryingReserveSettings::acceptTypedValue() {
    // An untouched field keeps the accepted value exactly; its text may be rounded.
    if (!m_custom->isChecked() || m_customValue->text() == LocaleNumber::text(m_customGrams))
        return true;
    double grams = 0;
    if (!readCustomValue(grams))
        return false;
    m_customGrams = grams;
    showMessage(QString(), false);
    return true;
}

QString DryingReserveSettings::message() const {
    return m_message->isHidden() ? QString() : m_message->text();
}

void DryingReserveSettings::choiceClicked() {
    if (m_custom->isChecked()) {
        confirmCustomValue();
        return;
    }
    showMessage(QString(), false);
    emit valueChanged(value());
}

void DryingReserveSettings::confirmCustomValue() {
    double grams = 0;
    if (!readCustomValue(grams))
        return;
    m_customGrams = grams;
    m_custom->setChecked(true);
    showMessage(QString(), false);
    emit valueChanged(value());
}

bool DryingReserveSettings::readCustomValue(double &gramsPerYear) {
    bool ok = false;
    const double grams = LocaleNumber::read(m_customValue->text(), &ok);
    if (!ok) {
        showMessage(tr("The drying reserve must be a number."), true);
        return false;
    }
    if (grams < 0) {
        showMessage(tr("The drying reserve cannot be < 0."), true);
        return false;
    }
    gramsPerYear = grams;
    return true;
}

void DryingReserveSettings::showMessage(const QString &text, bool error) {
    m_message->setText(text);
    m_message->setStyleSheet(error ? QStringLiteral("color: #c00000;") : QString());
    m_message->setVisible(!text.isEmpty());
}
