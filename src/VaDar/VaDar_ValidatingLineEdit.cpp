// SPDX-License-Identifier: GPL-3.0-or-later
#include "VaDar_ValidatingLineEdit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLocale>

#include <cmath>

namespace VaDar {

namespace {

const char *const BaseColor = "#f9f6c8";
const char *const ReadOnlyColor = "#d6e9ff";
const char *const InvalidColor = "#ff7777";

QString coloured(const char *background) {
    return QStringLiteral("QLineEdit:enabled { background-color: ") + QLatin1String(background) +
           QStringLiteral("; color: 'black'}");
}

} // namespace

ValidatingLineEdit::ValidatingLineEdit(QWidget *parent) : QLineEdit(parent) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, QColor(QLatin1String(BaseColor)));
    setPalette(palette);
    connect(this, &QLineEdit::textChanged, this, &ValidatingLineEdit::revalidate);
    connect(this, &QLineEdit::editingFinished, this, &ValidatingLineEdit::finishEditing);
}

ValidatingLineEdit::~ValidatingLineEdit() {
    // A focused field loses the focus while QWidget destroys it: nothing may be committed then.
    disconnect(this, &QLineEdit::editingFinished, this, &ValidatingLineEdit::finishEditing);
    disconnect(this, &QLineEdit::textChanged, this, &ValidatingLineEdit::revalidate);
}

bool ValidatingLineEdit::parse(const QString &text, bool integer, double &value) {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const QString trimmed = text.trimmed();
    const double v = integer ? double(locale.toInt(trimmed, &ok)) : locale.toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

void ValidatingLineEdit::setValue(double value) {
    m_value = value;
    m_shownText = formatted(value);
    setText(m_shownText);
    revalidate();
}

void ValidatingLineEdit::clearValue() {
    m_shownText.clear();
    clear();
    revalidate();
}

void ValidatingLineEdit::restore() {
    setText(m_shownText);
    revalidate();
}

bool ValidatingLineEdit::isEdited() const {
    return text().trimmed() != m_shownText;
}

bool ValidatingLineEdit::currentValue(double &value) const {
    if (!isEdited()) {
        if (m_shownText.isEmpty())
            return false;
        value = m_value;
        return true;
    }
    return parse(text(), m_integerInput, value);
}

QString ValidatingLineEdit::problem() const {
    // A value given by setValue() is checked too, so a field shows a stored value that breaks its
    // rules (read from an old file, say); only an edited text is ever committed, though.
    if (!isEdited())
        return m_shownText.isEmpty() ? QString() : problem(m_value);
    double value = 0;
    if (!parse(text(), m_integerInput, value)) {
        const QString notANumber =
            m_integerInput ? tr("Please enter a whole number.") : tr("Please enter a number.");
        return message().isEmpty() ? notANumber : notANumber + QLatin1Char('\n') + message();
    }
    return problem(value);
}

void ValidatingLineEdit::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && isEdited()) {
        restore();
        selectAll();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void ValidatingLineEdit::focusOutEvent(QFocusEvent *event) {
    m_focusOutReason = event->reason();
    m_inFocusOut = true;
    QLineEdit::focusOutEvent(event);
    m_inFocusOut = false;
}

void ValidatingLineEdit::finishEditing() {
    if (!isEdited() || isReadOnly()) {
        revalidate();
        return;
    }
    const QString why = problem();
    double value = 0;
    if (why.isEmpty() && currentValue(value)) {
        m_value = value;
        m_shownText = text().trimmed();
        revalidate();
        emit editingFinishedSuccessfully();
        return;
    }
    revalidate();
    emit editingRefused(why);
    // Switching to another window or opening a menu is no attempt to leave the value behind.
    const bool leftForGood = !m_inFocusOut || (m_focusOutReason != Qt::ActiveWindowFocusReason &&
                                               m_focusOutReason != Qt::PopupFocusReason);
    if (m_keepsFocusOnError && leftForGood && isVisible() && isEnabled())
        setFocus();
}

void ValidatingLineEdit::revalidate() {
    if (isReadOnly()) {
        setStyleSheet(coloured(ReadOnlyColor));
        return;
    }
    const QString why = problem();
    if (why.isEmpty()) {
        setStyleSheet(QString());
        setToolTip(QString());
    } else {
        setStyleSheet(coloured(InvalidColor));
        setToolTip(why);
    }
}

} // namespace VaDar
