// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PLAINTEXT_H
#define PLAINTEXT_H

#include <QString>

/*! Turns the rich text of the results and assessment lines into plain text for a terminal: line
    breaks (<br/>, </p>) become line feeds, every other tag is dropped, and character entities
    (named, decimal and hexadecimal) are decoded. Unknown entities stay as written. */
class PlainText {
public:
    static QString fromHtml(const QString &html);

    PlainText() = delete;
};

#endif // PLAINTEXT_H
