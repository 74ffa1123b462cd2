// SPDX-License-Identifier: GPL-3.0-or-later
#include "WinterTemperatureValidator.h"

#include "Document.h"
#include "EditorDocument.h"
#include "VaDar_ValidatingLineEdit.h"

WinterTemperatureValidator::WinterTemperatureValidator(const EditorDocument &document, bool warmSideEdit,
                                                       VaDar::ValidatingLineEdit *oppositeField)
    : m_document(document), m_warmSideEdit(warmSideEdit), m_oppositeField(oppositeField) {}

WinterTemperatureState WinterTemperatureValidator::state(double value) const {
    const Document *document = m_document.document();
    std::optional<double> opposite;
    double v = 0;
    if (m_oppositeField && m_oppositeField->currentValue(v))
        opposite = v;
    return checkWinterTemperatures(value, m_warmSideEdit, document ? &document->inputData() : nullptr,
                                   opposite);
}

QString WinterTemperatureValidator::check(double value) const {
    if (!m_active)
        return QString();
    return winterTemperatureMessage(state(value));
}
