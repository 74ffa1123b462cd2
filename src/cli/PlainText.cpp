// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlainText.h"

#include <QHash>

namespace {

// The entities the program's texts use, plus the usual ones of hand-written HTML.
const QHash<QString, QString> &namedEntities() {
    static const QHash<QString, QString> entities = {
        {QStringLiteral("lt"), QStringLiteral("<")},       {QStringLiteral("gt"), QStringLiteral(">")},
        {QStringLiteral("amp"), QStringLiteral("&")},      {QStringLiteral("quot"), QStringLiteral("\"")},
        {QStringLiteral("apos"), QStringLiteral("'")},     {QStringLiteral("nbsp"), QStringLiteral(" ")},
        {QStringLiteral("le"), QString(QChar(0x2264))},    {QStringLiteral("ge"), QString(QChar(0x2265))},
        {QStringLiteral("deg"), QString(QChar(0x00B0))},   {QStringLiteral("frac12"), QString(QChar(0x00BD))},
        {QStringLiteral("rho"), QString(QChar(0x03C1))},   {QStringLiteral("lambda"), QString(QChar(0x03BB))},
        {QStringLiteral("mu"), QString(QChar(0x03BC))},    {QStringLiteral("theta"), QString(QChar(0x03B8))},
        {QStringLiteral("Delta"), QString(QChar(0x0394))}, {QStringLiteral("sup2"), QString(QChar(0x00B2))},
        {QStringLiteral("sup3"), QString(QChar(0x00B3))},  {QStringLiteral("middot"), QString(QChar(0x00B7))},
        {QStringLiteral("ndash"), QString(QChar(0x2013))}, {QStringLiteral("mdash"), QString(QChar(0x2014))},
    };
    return entities;
}

// Decodes the entity whose name (without '&' and ';') is \a name; false when it is unknown.
bool decodeEntity(const QString &name, QString &out) {
    if (name.startsWith(QLatin1Char('#'))) {
        bool ok = false;
        const uint code =
            (name.size() > 1 && (name.at(1) == QLatin1Char('x') || name.at(1) == QLatin1Char('X')))
                ? name.mid(2).toUInt(&ok, 16)
                : name.mid(1).toUInt(&ok, 10);
        if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        out += QString::fromUcs4(&code, 1);
        return true;
    }
    const auto it = namedEntities().constFind(name);
    if (it == namedEntities().constEnd())
        return false;
    out += it.value();
    return true;
}

bool isLineBreakTag(const QString &tag) {
    const QString name = tag.trimmed().toLower();
    return name.startsWith(QLatin1String("br")) || name == QLatin1String("/p") ||
           name == QLatin1String("/div") || name == QLatin1String("/h3") || name == QLatin1String("/h4");
}

} // namespace

QString PlainText::fromHtml(const QString &html) {
    QString out;
    out.reserve(html.size());
    const int n = html.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = html.at(i);
        if (c == QLatin1Char('<')) {
            // As in HTML, a tag starts with a letter, '/' or '!' right after the '<'.
            const QChar next = i + 1 < n ? html.at(i + 1) : QChar();
            const bool tagStart = next.isLetter() || next == QLatin1Char('/') || next == QLatin1Char('!');
            const int end = tagStart ? html.indexOf(QLatin1Char('>'), i + 1) : -1;
            if (end < 0) { // a lone '<' is text
                out += c;
                continue;
            }
            if (isLineBreakTag(html.mid(i + 1, end - i - 1)))
                out += QLatin1Char('\n');
            i = end;
        } else if (c == QLatin1Char('&')) {
            const int end = html.indexOf(QLatin1Char(';'), i + 1);
            // Entity names are short; a far ';' belongs to other text.
            if (end > i + 1 && end - i <= 10 && decodeEntity(html.mid(i + 1, end - i - 1), out)) {
                i = end;
                continue;
            }
            out += c;
        } else {
            out += c;
        }
    }
    // A break at the very end would print an empty line.
    while (out.endsWith(QLatin1Char('\n')))
        out.chop(1);
    return out;
}
