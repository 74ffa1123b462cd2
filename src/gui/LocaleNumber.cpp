// SPDX-License-Identifier: GPL-3.0-or-later
#include "LocaleNumber.h"

#include <QLocale>

#include <cmath>

double LocaleNumber::read(const QString &text, bool *ok) {
    const QString trimmed = text.trimmed();
    QLocale locale;
    locale.setNumberOptions(QLocale::RejectGroupSeparator | QLocale::OmitGroupSeparator);
    bool read = false;
    double value = locale.toDouble(trimmed, &read);
    if (!read) {
        QLocale c = QLocale::c();
        c.setNumberOptions(QLocale::RejectGroupSeparator);
        value = c.toDouble(trimmed, &read);
    }
    read = read && std::isfinite(value);
    if (ok != nullptr)
        *ok = read;
    return read ? value : 0;
}

QString LocaleNumber::text(double value, int digits) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', digits);
}
