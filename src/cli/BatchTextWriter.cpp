#include "BatchTextWriter.h"

#include <QLocale>
#include <QStringList>
#include <QVector>

#include "AssessmentChecks.h"
#include "BatchItem.h"
#include "PlainText.h"

namespace {

const QString Indent = QStringLiteral("  ");

QString number(double value, int decimals) {
    return QLocale().toString(value, 'f', decimals);
}

QString red(const QString &text) {
    return QStringLiteral("<font color=\"#FF0000\">%1</font>").arg(text);
}

QString blue(const QString &text) {
    return QStringLiteral("<font color=\"#0000FF\">%1</font>").arg(text);
}

struct SummaryRow {
    QString label; // plain text
    QString value;
    QString unit;
};

// Label, value and unit columns, the labels padded to the longest one. A row without a value
// is a heading or the verdict and stands alone.
void appendRows(QString &out, const QVector<SummaryRow> &rows) {
    int labelWidth = 0;
    int valueWidth = 0;
    for (const SummaryRow &row : rows) {
        if (row.value.isEmpty())
            continue;
        labelWidth = qMax(labelWidth, row.label.size());
        valueWidth = qMax(valueWidth, row.value.size());
    }
    for (const SummaryRow &row : rows) {
        if (row.value.isEmpty()) {
            for (const QString &line : row.label.split(QLatin1Char('\n')))
                out += Indent + line + QLatin1Char('\n');
            continue;
        }
        out += Indent + row.label.leftJustified(labelWidth) + QStringLiteral("  ") +
               row.value.rightJustified(valueWidth) + QLatin1Char(' ') + row.unit + QLatin1Char('\n');
    }
}

} // namespace

QString BatchTextWriter::summaryVerdict(int calcState, const BatchItem &item) {
    const CalculationResults &results = item.m_results;
    const std::vector<CalculationResults::IndexRange> &zones = results.zones;
    switch (calcState) {
    case CalculationResults::CS_NoLayers:
        return red(QCoreApplication::translate("T2_ResultsWidget", "No input!"));
    case CalculationResults::CS_AlgorithmFailure: {
        QStringList lines;
        for (const QString &line : results.messages)
            lines << red(line);
        return lines.join(QStringLiteral("<br/>"));
    }
    case CalculationResults::CS_CondensationInnerSurface:
        return red(QCoreApplication::translate(
            "T2_ResultsWidget", "Condensation on the surface (warm side). No calculation possible."));
    case CalculationResults::CS_CondensationOuterSurface:
        return red(QCoreApplication::translate(
            "T2_ResultsWidget", "Condensation on the surface (cold side). No calculation possible."));
    case CalculationResults::CS_SingleLayer:
        return blue(
            QCoreApplication::translate("T2_ResultsWidget", "Only one layer. No condensate possible!"));
    case CalculationResults::CS_NoCondensation:
        return blue(QCoreApplication::translate("T2_ResultsWidget", "No condensate emerges!"));
    case CalculationResults::CS_OnePlane:
    case CalculationResults::CS_OneZone:
        if (zones.empty())
            break;
        return blue(QCoreApplication::translate("T2_ResultsWidget", "Condensation between layer %1 and %2!")
                        .arg(zones.front().first + 1)
                        .arg(zones.front().second + 1));
    case CalculationResults::CS_SeveralZones: {
        if (zones.empty())
            break;
        // Layer numbers count from 1 for the user.
        QString text = QCoreApplication::translate("T2_ResultsWidget", "Condensation between layer ");
        for (size_t i = 0; i + 1 < zones.size(); ++i)
            text += QCoreApplication::translate("T2_ResultsWidget", "%1 and %2, ")
                        .arg(zones[i].first + 1)
                        .arg(zones[i].second + 1);
        text += QCoreApplication::translate("T2_ResultsWidget", "%1 and %2.")
                    .arg(zones.back().first + 1)
                    .arg(zones.back().second + 1);
        return blue(text);
    }
    default:
        break;
    }
    return red(QCoreApplication::translate("T2_ResultsWidget", "Unknown result!"));
}

QString BatchTextWriter::write(const BatchItem &item) {
    const CalculationResults &results = item.m_results;
    QString out = item.m_fileName + QLatin1Char('\n');

    QVector<SummaryRow> rows;
    if (results.calcState == CalculationResults::CS_InvalidInput) {
        QString errors = red(QCoreApplication::translate("T2_ResultsWidget", "Invalid input!"));
        for (const QString &line : results.messages)
            errors += QStringLiteral("<br/>%1").arg(line);
        rows.append({PlainText::fromHtml(errors), QString(), QString()});
    } else {
        double thickness = 0;
        for (const MaterialLayer &layer : item.m_inputData.layers())
            thickness += layer.width();
        const QString perKelvin = PlainText::fromHtml(QStringLiteral("W/(m<sup>2</sup>K)"));
        rows.append({QCoreApplication::translate("T2_ResultsWidget", "Construction thickness"),
                     number(thickness, 3), QStringLiteral("m")});
        rows.append({QCoreApplication::translate("T2_ResultsWidget",
                                                 "Thermal transfer resistance of the construction (dry)"),
                     number(results.R_dry, 3), PlainText::fromHtml(QStringLiteral("m<sup>2</sup>K/W"))});
        rows.append({QCoreApplication::translate("T2_ResultsWidget",
                                                 "Thermal transmission coefficient of the construction"),
                     QString(), QString()});
        rows.append({QCoreApplication::translate("T2_ResultsWidget", "U-value (ISO 6946)"),
                     number(results.U_ISO6946(), 3), perKelvin});
        rows.append({QCoreApplication::translate("T2_ResultsWidget", "U-value (moisture dependend)"),
                     number(results.U, 3), perKelvin});
        rows.append({PlainText::fromHtml(summaryVerdict(results.calcState, item)), QString(), QString()});
        rows.append(
            {QCoreApplication::translate("T2_ResultsWidget", "Condensation mass after condensation period"),
             number(results.mc, 3), PlainText::fromHtml(QStringLiteral("kg/m<sup>2</sup>"))});
        rows.append({QCoreApplication::translate("T2_ResultsWidget", "Drying time"),
                     number(results.t_dry / 3600 / 24, 2),
                     QCoreApplication::translate("T2_ResultsWidget", "d")});
    }
    appendRows(out, rows);

    // The assessment lines: label, then the value (fRsi) and the verdict.
    out += QLatin1Char('\n');
    int labelWidth = 0;
    QStringList labels;
    for (const CheckRow &row : item.m_checks) {
        labels << PlainText::fromHtml(row.label);
        labelWidth = qMax(labelWidth, labels.last().size());
    }
    for (int i = 0; i < item.m_checks.size(); ++i) {
        const CheckRow &row = item.m_checks.at(i);
        QStringList verdict;
        if (row.kind == CheckRow::TemperatureFactor)
            verdict << PlainText::fromHtml(row.value);
        if (row.hasVerdict())
            verdict << PlainText::fromHtml(AssessmentChecks::verdictText(row.isFulfilled()));
        QString line = Indent + labels.at(i);
        if (!verdict.isEmpty())
            line = line.leftJustified(Indent.size() + labelWidth) + QStringLiteral("  ") +
                   verdict.join(QStringLiteral("  "));
        out += line + QLatin1Char('\n');
    }
    const QString note = PlainText::fromHtml(item.m_note);
    if (!note.isEmpty())
        for (const QString &line : note.split(QLatin1Char('\n')))
            out += Indent + line + QLatin1Char('\n');
    return out;
}
