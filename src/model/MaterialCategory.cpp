// SPDX-License-Identifier: GPL-3.0-or-later
#include "MaterialCategory.h"

#include <QCoreApplication>

namespace {

// The context doubles as the disambiguation comment of every name.
const char *const CategoryNames[][2] = {
    QT_TRANSLATE_NOOP3("MaterialCategory", "Coating", "MaterialCategory"),
    QT_TRANSLATE_NOOP3("MaterialCategory", "Plaster and mortar", "MaterialCategory"),
    QT_TRANSLATE_NOOP3("MaterialCategory", "Building brick", "MaterialCategory"),
    QT_TRANSLATE_NOOP3("MaterialCategory", "Natural stones", "MaterialCategory"),
    QT_TRANSLATE_NOOP3("MaterialCategory", "Concrete containing building materials", "MaterialCategory"),
    QT_TRANSLATE_NOOP3("MaterialCategory", "Insulation materials", "MaterialCategory"),
    QT_TRANSLATE_NOOP3("MaterialCategory", "Building boards", "MaterialCategory"),
    QT_TRANSLATE_NOOP3("MaterialCategory", "Timber", "MaterialCategory"),
    QT_TRANSLATE_NOOP3("MaterialCategory", "Natural materials", "MaterialCategory"),
    QT_TRANSLATE_NOOP3("MaterialCategory", "Soil", "MaterialCategory"),
    QT_TRANSLATE_NOOP3("MaterialCategory", "Cladding panels and ceramic tiles", "MaterialCategory"),
    QT_TRANSLATE_NOOP3("MaterialCategory", "Foils and waterproofing products", "MaterialCategory"),
    QT_TRANSLATE_NOOP3("MaterialCategory", "Miscellaneous", "MaterialCategory"),
    QT_TRANSLATE_NOOP3("MaterialCategory", "Unknown", "MaterialCategory"),
};

} // namespace

MaterialCategory::MaterialCategory(int value)
    : m_value(static_cast<unsigned>(value) < static_cast<unsigned>(Count) ? value : Unknown) {}

MaterialCategory MaterialCategory::fromRawValue(int value) {
    MaterialCategory category;
    category.m_value = value;
    return category;
}

QStringList MaterialCategory::names() {
    QStringList list;
    for (int i = 0; i < Count; ++i)
        list.append(name(i));
    return list;
}

QString MaterialCategory::name(int value) {
    const int index = static_cast<unsigned>(value) < static_cast<unsigned>(Count) ? value : Unknown;
    return QCoreApplication::translate("MaterialCategory", CategoryNames[index][0], CategoryNames[index][1]);
}

int MaterialCategory::fromName(const QString &name) {
    for (int i = 0; i < Count; ++i)
        if (MaterialCategory::name(i) == name)
            return i;
    return -1;
}
