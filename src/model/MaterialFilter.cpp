// SPDX-License-Identifier: GPL-3.0-or-later
#include "MaterialFilter.h"

#include <QStringList>

#include <algorithm>

#include "Material.h"

QRegularExpression MaterialFilter::wildcardPattern(const QString &word) {
    QString regex;
    for (const QChar c : word) {
        if (c == QLatin1Char('*'))
            regex += QLatin1String(".*");
        else if (c == QLatin1Char('?'))
            regex += QLatin1Char('.');
        else
            regex += QRegularExpression::escape(QString(c));
    }
    return QRegularExpression(regex, QRegularExpression::CaseInsensitiveOption |
                                         QRegularExpression::DotMatchesEverythingOption |
                                         QRegularExpression::UseUnicodePropertiesOption);
}

MaterialFilter::Patterns MaterialFilter::patterns(const QString &text) {
    Patterns result;
    const QStringList words = text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    for (const QString &word : words)
        result.append(wildcardPattern(word));
    return result;
}

bool MaterialFilter::anyFound(const Patterns &patterns, const QString &text) {
    return patterns.isEmpty() ||
           std::any_of(patterns.begin(), patterns.end(),
                       [&text](const QRegularExpression &p) { return p.match(text).hasMatch(); });
}

bool MaterialFilter::matches(const Material &material) const {
    if (m_category >= 0 && material.category.value() != m_category)
        return false;
    if (!anyFound(m_name, material.name) && !anyFound(m_name, material.productName))
        return false;
    if (!anyFound(m_producer, material.producer) || !anyFound(m_dataSource, material.dataSource) ||
        !anyFound(m_comment, material.notes))
        return false;
    unsigned flags = 0;
    for (MaterialFlag flag : {MF_Wood, MF_WoodBased, MF_Air, MF_Foil})
        if (material.hasFlag(flag))
            flags |= 1u << flag;
    return (flags & m_requiredFlags) == m_requiredFlags;
}
