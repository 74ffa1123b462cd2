// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VADAR_VALIDATINGINPUTBASE_H
#define VADAR_VALIDATINGINPUTBASE_H

#include <QString>

#include <memory>

#include "VaDar_FormatterBase.h"
#include "VaDar_ValidatorBase.h"

namespace VaDar {

/*! The value rules of a number input: a range with inclusive or exclusive ends and the message
    shown when a value lies outside, an optional validator for rules beyond the range, and an
    optional formatter for the displayed text. Holds the last accepted value.

    A value is acceptable when it lies in the range and, with a validator, the validator accepts
    it too: the range is always checked, so a validator never lets an out-of-range value pass. */
class ValidatingInputBase {
public:
    ValidatingInputBase();
    virtual ~ValidatingInputBase();
    ValidatingInputBase(const ValidatingInputBase &) = delete;
    ValidatingInputBase &operator=(const ValidatingInputBase &) = delete;

    /*! Sets the range and its message in one go. */
    void setup(double minimum, double maximum, const QString &message, bool minimumInclusive = false,
               bool maximumInclusive = false);
    void setMinimum(double minimum, bool inclusive = false);
    void setMaximum(double maximum, bool inclusive = false);
    void setMessage(const QString &message) { m_message = message; }

    double minimum() const { return m_minimum; }
    double maximum() const { return m_maximum; }
    bool isMinimumInclusive() const { return m_minimumInclusive; }
    bool isMaximumInclusive() const { return m_maximumInclusive; }
    const QString &message() const { return m_message; }

    /*! Takes ownership of \a validator (nullptr removes the current one). */
    void setValidator(ValidatorBase *validator);
    const ValidatorBase *validator() const { return m_validator.get(); }
    /*! Takes ownership of \a formatter (nullptr removes the current one). */
    void setFormatter(FormatterBase *formatter);
    const FormatterBase *formatter() const { return m_formatter.get(); }

    /*! True when \a value lies in the range. */
    bool inRange(double value) const;
    /*! Empty when \a value is acceptable; otherwise why not: the range message, or the
        validator's reason when only the validator refuses. */
    QString problem(double value) const;
    bool isAcceptable(double value) const { return problem(value).isEmpty(); }

    /*! \a value as the input shows it: the formatter's text, or six significant digits. */
    QString formatted(double value) const;

    /*! The last accepted value. */
    double value() const { return m_value; }

protected:
    double m_value = 0;

private:
    double m_minimum;
    double m_maximum;
    QString m_message;
    bool m_minimumInclusive = false;
    bool m_maximumInclusive = false;
    std::unique_ptr<ValidatorBase> m_validator;
    std::unique_ptr<FormatterBase> m_formatter;
};

} // namespace VaDar

#endif // VADAR_VALIDATINGINPUTBASE_H
