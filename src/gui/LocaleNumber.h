// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LOCALENUMBER_H
#define LOCALENUMBER_H

#include <QString>

/*! Numbers typed into and shown in the settings fields: in the user's locale without group
    separators. A point is accepted as decimal separator too, but never read as a group
    separator ("2.5" in German is 2.5, not 25). */
class LocaleNumber {
public:
    /*! The number in \a text; false in \a ok for anything else (empty, letters, not finite). */
    static double read(const QString &text, bool *ok);
    /*! \a value with up to \a digits significant digits in the user's locale. */
    static QString text(double value, int digits = 6);

    LocaleNumber() = delete;
};

#endif // LOCALENUMBER_H
