// SPDX-License-Identifier: GPL-3.0-or-later
#include "MaterialListExport.h"

#include <QLocale>
#include <QStringList>

#include <cmath>

#include "MaterialList.h"

namespace {

QString number(double v) {
    return QString::number(v, 'g', QLocale::FloatingPointShortest);
}

QString colorText(const Material &m) {
    return QStringLiteral("%1 %2 %3").arg(m.color.red()).arg(m.color.green()).arg(m.color.blue());
}

QString jsonString(const QString &text) {
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"':
            out += QLatin1String("\\\"");
            break;
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    return out + QLatin1Char('"');
}

QString jsonNumber(double v) {
    return std::isfinite(v) ? number(v) : QStringLiteral("null");
}

QString csvField(const QString &text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

const char *const Attributes[] = {"name",   "materialId",  "cat",    "productName", "producer", "dataSource",
                                  "notes",  "rho",         "lambda", "mu",          "mu_min",   "mu_max",
                                  "w_80",   "w_sat",       "m_Aw",   "sd_value",    "color",    "isAir",
                                  "isWood", "isWoodbased", "isFoil", "builtIn"};

} // namespace

bool MaterialListExport::formatFromName(const QString &name, Format &format) {
    if (name == QLatin1String("text"))
        format = Text;
    else if (name == QLatin1String("json"))
        format = Json;
    else if (name == QLatin1String("csv"))
        format = Csv;
    else
        return false;
    return true;
}

QByteArray MaterialListExport::write(const MaterialList &list, Format format) {
    switch (format) {
    case Json:
        return toJson(list);
    case Csv:
        return toCsv(list);
    case Text:
        break;
    }
    return toText(list);
}

QByteArray MaterialListExport::toText(const MaterialList &list) {
    QString out;
    for (int i = 0; i < list.count(); ++i) {
        const Material &m = *list.materialAt(i);
        QStringList flags;
        if (m.isAir())
            flags << QStringLiteral("air");
        if (m.isWood())
            flags << QStringLiteral("wood");
        if (m.isWoodBased())
            flags << QStringLiteral("wood based");
        if (m.isFoil())
            flags << QStringLiteral("foil");
        out +=
            QStringLiteral("%1  %2  (%3)\n")
                .arg(m.materialId)
                .arg(m.name, i < list.builtInCount() ? QStringLiteral("built-in") : QStringLiteral("user"));
        out += QStringLiteral("    category: %1 %2\n").arg(m.category.value()).arg(m.category.name());
        out += QStringLiteral("    rho = %1 kg/m3, lambda = %2 W/(m K), mu = %3 (%4 .. %5), sd = %6 m\n")
                   .arg(number(m.rho), number(m.lambda), number(m.mu), number(m.mu_min), number(m.mu_max),
                        number(m.sd_value));
        out += QStringLiteral("    w_80 = %1 m3/m3, w_sat = %2 m3/m3, Aw = %3 kg/(m2 s^0.5)\n")
                   .arg(number(m.w_80), number(m.w_sat), number(m.m_Aw));
        out +=
            QStringLiteral("    colour: %1, flags: %2\n")
                .arg(colorText(m), flags.isEmpty() ? QStringLiteral("-") : flags.join(QStringLiteral(", ")));
        if (!m.productName.isEmpty() || !m.producer.isEmpty())
            out += QStringLiteral("    product: %1, producer: %2\n").arg(m.productName, m.producer);
        if (!m.dataSource.isEmpty())
            out += QStringLiteral("    data source: %1\n").arg(m.dataSource);
        if (!m.notes.isEmpty())
            out += QStringLiteral("    notes: %1\n").arg(m.notes);
    }
    return out.toUtf8();
}

QByteArray MaterialListExport::toJson(const MaterialList &list) {
    QString out = QStringLiteral("[");
    for (int i = 0; i < list.count(); ++i) {
        const Material &m = *list.materialAt(i);
        const auto flag = [](bool on) { return on ? QStringLiteral("true") : QStringLiteral("false"); };
        const QString values[] = {jsonString(m.name),
                                  QString::number(m.materialId),
                                  QString::number(m.category.value()),
                                  jsonString(m.productName),
                                  jsonString(m.producer),
                                  jsonString(m.dataSource),
                                  jsonString(m.notes),
                                  jsonNumber(m.rho),
                                  jsonNumber(m.lambda),
                                  jsonNumber(m.mu),
                                  jsonNumber(m.mu_min),
                                  jsonNumber(m.mu_max),
                                  jsonNumber(m.w_80),
                                  jsonNumber(m.w_sat),
                                  jsonNumber(m.m_Aw),
                                  jsonNumber(m.sd_value),
                                  jsonString(colorText(m)),
                                  flag(m.isAir()),
                                  flag(m.isWood()),
                                  flag(m.isWoodBased()),
                                  flag(m.isFoil()),
                                  flag(i < list.builtInCount())};
        out += i == 0 ? QStringLiteral("\n  {") : QStringLiteral(",\n  {");
        for (int a = 0; a < int(sizeof(Attributes) / sizeof(Attributes[0])); ++a) {
            if (a > 0)
                out += QStringLiteral(", ");
            out += QStringLiteral("\"%1\": %2").arg(QLatin1String(Attributes[a]), values[a]);
        }
        out += QLatin1Char('}');
    }
    out += QStringLiteral("\n]\n");
    return out.toUtf8();
}

QByteArray MaterialListExport::toCsv(const MaterialList &list) {
    QStringList header;
    for (const char *a : Attributes)
        header << QLatin1String(a);
    QString out = header.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    for (int i = 0; i < list.count(); ++i) {
        const Material &m = *list.materialAt(i);
        const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
        const QStringList row = {csvField(m.name),
                                 QString::number(m.materialId),
                                 QString::number(m.category.value()),
                                 csvField(m.productName),
                                 csvField(m.producer),
                                 csvField(m.dataSource),
                                 csvField(m.notes),
                                 number(m.rho),
                                 number(m.lambda),
                                 number(m.mu),
                                 number(m.mu_min),
                                 number(m.mu_max),
                                 number(m.w_80),
                                 number(m.w_sat),
                                 number(m.m_Aw),
                                 number(m.sd_value),
                                 colorText(m),
                                 flag(m.isAir()),
                                 flag(m.isWood()),
                                 flag(m.isWoodBased()),
                                 flag(m.isFoil()),
                                 flag(i < list.builtInCount())};
        out += row.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return out.toUtf8();
}
