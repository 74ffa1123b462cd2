// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MATERIALFILTER_H
#define MATERIALFILTER_H

#include <QRegularExpression>
#include <QString>
#include <QVector>

#include "MaterialFlag.h"

class Material;

/*! The filter of the material table: a row is shown when the material passes every test that is
    set. Text filters work word by word: the text is split at blanks, every word is a wildcard
    pattern ("*" any run of characters, "?" one character) found anywhere in the field, in any
    letter case, and one matching word is enough ("brick conc*" shows bricks and concretes).
    An empty text filter passes every material. */
class MaterialFilter {
public:
    /*! Only materials of this category (0..12); -1 for all. */
    void setCategory(int category) { m_category = category; }
    /*! Matched against the name or, failing that, the product name. */
    void setNameFilter(const QString &text) { m_name = patterns(text); }
    void setProducerFilter(const QString &text) { m_producer = patterns(text); }
    void setDataSourceFilter(const QString &text) { m_dataSource = patterns(text); }
    /*! Matched against the notes. */
    void setCommentFilter(const QString &text) { m_comment = patterns(text); }
    /*! Flags a material must all carry: bits 1 << MaterialFlag; 0 for none. */
    void setRequiredFlags(unsigned flags) { m_requiredFlags = flags; }

    int category() const { return m_category; }
    unsigned requiredFlags() const { return m_requiredFlags; }

    bool matches(const Material &material) const;

    /*! The case-insensitive, unanchored pattern of one wildcard word. */
    static QRegularExpression wildcardPattern(const QString &word);

private:
    using Patterns = QVector<QRegularExpression>;
    static Patterns patterns(const QString &text);
    /*! True when there are no patterns or one of them is found in \a text. */
    static bool anyFound(const Patterns &patterns, const QString &text);

    int m_category = -1;
    Patterns m_name;
    Patterns m_producer;
    Patterns m_dataSource;
    Patterns m_comment;
    unsigned m_requiredFlags = 0;
};

#endif // MATERIALFILTER_H
