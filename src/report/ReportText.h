// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef REPORTTEXT_H
#define REPORTTEXT_H

#include <QString>

/*! How the report writes numbers and texts: numbers in the current locale without group
    separators, and plain texts made safe for the rich text the frames are built of. */
class ReportText {
public:
    /*! \a value with \a decimals decimals; a value that is not a finite number gives dash(). */
    static QString number(double value, int decimals);
    /*! \a value in general notation with \a digits significant digits; infinity is "∞" (an
        unlimited resistance), another non-finite value dash(). */
    static QString significant(double value, int digits);
    /*! What stands where a result does not exist: an en dash. */
    static QString dash();
    /*! A plain text as rich text: markup characters escaped, line breaks kept. */
    static QString plain(const QString &text);
    /*! A text that may be rich text (HTML) or plain, as rich text. */
    static QString richOrPlain(const QString &text);
    /*! Rich text without its links (the anchors' texts stay): paper cannot be clicked. */
    static QString withoutLinks(const QString &html);
};

#endif // REPORTTEXT_H
