// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef WINTERTEMPERATUREVALIDATOR_H
#define WINTERTEMPERATUREVALIDATOR_H

#include <QPointer>

#include "VaDar_ValidatorBase.h"
#include "WinterTemperatureCheck.h"

class EditorDocument;

namespace VaDar {
class ValidatingLineEdit;
}

/*! Guards a winter temperature field with the model's rule (checkWinterTemperatures): the warm
    side must not be colder than the cold side in winter. It compares with the opposite side's
    winter temperature of the open project, or, without a project, with the current value of
    \a oppositeField (may be null). Summer temperatures are free: while the field shows a summer
    value the validator is switched off (setActive(false)). */
class WinterTemperatureValidator : public VaDar::ValidatorBase {
public:
    WinterTemperatureValidator(const EditorDocument &document, bool warmSideEdit,
                               VaDar::ValidatingLineEdit *oppositeField = nullptr);

    /*! True when the field holds the warm side's temperature. */
    void setWarmSideEdit(bool warmSideEdit) { m_warmSideEdit = warmSideEdit; }
    bool isWarmSideEdit() const { return m_warmSideEdit; }
    /*! Off while the field shows a summer temperature. */
    void setActive(bool active) { m_active = active; }
    bool isActive() const { return m_active; }

    WinterTemperatureState state(double value) const;
    QString check(double value) const override;

private:
    const EditorDocument &m_document;
    bool m_warmSideEdit;
    bool m_active = true;
    QPointer<VaDar::ValidatingLineEdit> m_oppositeField;
};

#endif // WINTERTEMPERATUREVALIDATOR_H
