// SPDX-License-Identifier: GPL-3.0-or-later
#include "MaterialValueFormatter.h"

#include "Material.h"

QString MaterialValueFormatter::format(double value) const {
    return Material::formattedValue(m_kind, value);
}
