// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MATERIALVALUEFORMATTER_H
#define MATERIALVALUEFORMATTER_H

#include "VaDar_FormatterBase.h"

/*! Shows a material value in a number field the way the material database shows it
    (Material::formattedValue): \a kind 1 thermal conductivity, 2 resistance factor, 3 moisture
    content at 80 %, 4 saturation moisture content, 5 water uptake coefficient, 6 sd-value. */
class MaterialValueFormatter : public VaDar::FormatterBase {
public:
    explicit MaterialValueFormatter(int kind) : m_kind(kind) {}

    int kind() const { return m_kind; }
    QString format(double value) const override;

private:
    int m_kind;
};

#endif // MATERIALVALUEFORMATTER_H
