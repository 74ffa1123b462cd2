// SPDX-License-Identifier: GPL-3.0-or-later
#include "MoistStorageValidator.h"

#include "VaDar_ValidatingLineEdit.h"

MoistStorageValidator::MoistStorageValidator(Guarded guarded, VaDar::ValidatingLineEdit *partner,
                                             const QString &message)
    : m_guarded(guarded), m_partner(partner), m_message(message) {}

MoistStorageCheck::Code MoistStorageValidator::code(double value) const {
    double partner = 0;
    const bool paired = m_partner && m_partner->currentValue(partner);
    if (m_guarded == MoistureContent80)
        return paired ? MoistStorageCheck::check(value, partner) : MoistStorageCheck::checkW80(value);
    if (!paired)
        return MoistStorageCheck::checkWsat(value);
    const MoistStorageCheck::Code pair = MoistStorageCheck::check(partner, value);
    if (pair != MoistStorageCheck::Valid)
        return pair;
    // Saturation means the pores are full: more than the whole volume is impossible.
    return value <= 1.0 ? MoistStorageCheck::Valid : MoistStorageCheck::WsatNotBelowOne;
}

QString MoistStorageValidator::check(double value) const {
    const MoistStorageCheck::Code c = code(value);
    if (c == MoistStorageCheck::Valid)
        return QString();
    const QString reason = MoistStorageCheck::message(c);
    return m_message.isEmpty() ? reason : m_message + QLatin1Char('\n') + reason;
}
