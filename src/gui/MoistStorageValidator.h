// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MOISTSTORAGEVALIDATOR_H
#define MOISTSTORAGEVALIDATOR_H

#include <QPointer>
#include <QString>

#include "MoistStorageCheck.h"
#include "VaDar_ValidatorBase.h"

namespace VaDar {
class ValidatingLineEdit;
}

/*! Checks a moisture content field against its partner with the calculation's moisture storage
    rule (MoistStorageCheck): w_80 > 0, w_sat > 0, w_80 < w_sat and the moisture content at
    95 % RH below w_sat, and w_sat at most 1. The partner's current value is used (what it shows,
    or what was typed into it); without a partner, or while the partner holds no number, the value
    is checked alone (0 < value < 1).

    A refused value gets \a message (the field's own sentence) followed by the rule that failed. */
class MoistStorageValidator : public VaDar::ValidatorBase {
public:
    /*! Which value the validated field holds. */
    enum Guarded { MoistureContent80, MoistureContentSaturation };

    MoistStorageValidator(Guarded guarded, VaDar::ValidatingLineEdit *partner, const QString &message);

    /*! The code of MoistStorageCheck for \a value against the partner. */
    MoistStorageCheck::Code code(double value) const;
    QString check(double value) const override;

private:
    Guarded m_guarded;
    QPointer<VaDar::ValidatingLineEdit> m_partner;
    QString m_message;
};

#endif // MOISTSTORAGEVALIDATOR_H
