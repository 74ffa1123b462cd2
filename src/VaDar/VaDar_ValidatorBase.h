// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VADAR_VALIDATORBASE_H
#define VADAR_VALIDATORBASE_H

#include <QString>

namespace VaDar {

/*! A rule the value of a number field must satisfy beyond its range, typically one that
    compares it with another value (a second field, the project's data). */
class ValidatorBase {
public:
    virtual ~ValidatorBase() = default;

    /*! Empty when \a value is acceptable; otherwise the translated reason, shown to the user. */
    virtual QString check(double value) const = 0;
};

} // namespace VaDar

#endif // VADAR_VALIDATORBASE_H
