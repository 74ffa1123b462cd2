// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportText.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTextDocument>

#include <cmath>

namespace {

QLocale numberLocale() {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale;
}

} // namespace

QString ReportText::dash() {
    return QString(QChar(0x2013));
}

QString ReportText::number(double value, int decimals) {
    if (!std::isfinite(value))
        return dash();
    // A value that rounds to zero is printed without a minus sign.
    const double scale = std::pow(10.0, decimals);
    if (std::fabs(value) * scale < 0.5)
        value = 0;
    return numberLocale().toString(value, 'f', decimals);
}

QString ReportText::significant(double value, int digits) {
    if (std::isinf(value) && value > 0)
        return QString(QChar(0x221E));
    if (!std::isfinite(value))
        return dash();
    return numberLocale().toString(value, 'g', digits);
}

QString ReportText::plain(const QString &text) {
    QString html = text.toHtmlEscaped();
    html.replace(QLatin1String("\r\n"), QLatin1String("<br/>"));
    html.replace(QLatin1Char('\n'), QLatin1String("<br/>"));
    return html;
}

QString ReportText::richOrPlain(const QString &text) {
    return Qt::mightBeRichText(text) ? text : plain(text);
}

QString ReportText::withoutLinks(const QString &html) {
    static const QRegularExpression anchor(QStringLiteral("</?a(\\s[^>]*)?>"),
                                           QRegularExpression::CaseInsensitiveOption);
    QString text = html;
    return text.remove(anchor);
}
