// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VADAR_FORMATTERBASE_H
#define VADAR_FORMATTERBASE_H

#include <QString>

namespace VaDar {

/*! Turns the value of a number field into the text the field shows. A field without a
    formatter shows six significant digits in the locale's format. */
class FormatterBase {
public:
    virtual ~FormatterBase() = default;

    /*! Display text of \a value, in the current locale without group separators. */
    virtual QString format(double value) const = 0;
};

} // namespace VaDar

#endif // VADAR_FORMATTERBASE_H
