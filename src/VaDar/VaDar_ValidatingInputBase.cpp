// SPDX-License-Identifier: GPL-3.0-or-later
#include "VaDar_ValidatingInputBase.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>
#include <limits>

namespace VaDar {

ValidatingInputBase::ValidatingInputBase()
    : m_minimum(std::numeric_limits<double>::lowest()), m_maximum(std::numeric_limits<double>::max()) {}

ValidatingInputBase::~ValidatingInputBase() = default;

void ValidatingInputBase::setup(double minimum, double maximum, const QString &message, bool minimumInclusive,
                                bool maximumInclusive) {
    setMinimum(minimum, minimumInclusive);
    setMaximum(maximum, maximumInclusive);
    m_message = message;
}

void ValidatingInputBase::setMinimum(double minimum, bool inclusive) {
    m_minimum = minimum;
    m_minimumInclusive = inclusive;
}

void ValidatingInputBase::setMaximum(double maximum, bool inclusive) {
    m_maximum = maximum;
    m_maximumInclusive = inclusive;
}

void ValidatingInputBase::setValidator(ValidatorBase *validator) {
    m_validator.reset(validator);
}

void ValidatingInputBase::setFormatter(FormatterBase *formatter) {
    m_formatter.reset(formatter);
}

bool ValidatingInputBase::inRange(double value) const {
    // Written so that NaN fails.
    const bool aboveMinimum = m_minimumInclusive ? value >= m_minimum : value > m_minimum;
    const bool belowMaximum = m_maximumInclusive ? value <= m_maximum : value < m_maximum;
    return aboveMinimum && belowMaximum && std::isfinite(value);
}

QString ValidatingInputBase::problem(double value) const {
    if (!inRange(value))
        return m_message.isEmpty()
                   ? QCoreApplication::translate("VaDar::ValidatingLineEdit", "The value is out of range.")
                   : m_message;
    if (m_validator)
        return m_validator->check(value);
    return QString();
}

QString ValidatingInputBase::formatted(double value) const {
    if (m_formatter)
        return m_formatter->format(value);
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 6);
}

} // namespace VaDar
