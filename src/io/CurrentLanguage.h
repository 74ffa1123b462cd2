// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CURRENTLANGUAGE_H
#define CURRENTLANGUAGE_H

#include <QString>

/*! The language start-up decided on ("de", "en", "pl", ...), for code that picks
    language-dependent files later (help documents, catalogues of the batch program). */
class CurrentLanguage {
public:
    static CurrentLanguage &instance();

    const QString &id() const { return m_id; }
    void setId(const QString &id) { m_id = id; }

private:
    CurrentLanguage() = default;
    QString m_id = QStringLiteral("en");
};

#endif // CURRENTLANGUAGE_H
