// SPDX-License-Identifier: GPL-3.0-or-later
#include "BatchTextWriter.h"

#include <QLocale>
#include <QStringList>
#include <QVector>

#include "AssessmentChecks.h"
#include "BatchItem.h"
#include "PlainText.h"
#include "ResultsSummary.h"

namespace {

const QString Indent = QStringLiteral("  ");

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

// A blank line, then the lines with their verdicts in a column of their own.
void appendChecks(QString &out, const QVector<CheckRow> &checks) {
    if (checks.isEmpty())
        return;
    out += QLatin1Char('\n');
    int labelWidth = 0;
    QStringList labels;
    for (const CheckRow &row : checks) {
        labels << PlainText::fromHtml(row.label);
        labelWidth = qMax(labelWidth, labels.last().size());
    }
    for (int i = 0; i < checks.size(); ++i) {
        const CheckRow &row = checks.at(i);
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
}

} // namespace

QString BatchTextWriter::write(const BatchItem &item) {
    const CalculationResults &results = item.m_results;
    QString out = item.m_fileName + QLatin1Char('\n');

    // The rows of the window's results panel, as plain text.
    const ResultsSummary summary(item.m_inputData, results);
    QVector<SummaryRow> rows;
    if (summary.showsInputErrors()) {
        rows.append({PlainText::fromHtml(summary.inputErrorText()), QString(), QString()});
    } else {
        for (const ResultsSummary::Line &line : summary.rows()) {
            if (line.spansRow())
                rows.append({PlainText::fromHtml(line.label), QString(), QString()});
            else
                rows.append({line.label, line.value, PlainText::fromHtml(line.unit)});
        }
    }
    appendRows(out, rows);

    // The assessment lines: label, then the value (fRsi) and the verdict. Those of the standard
    // procedure follow as a block of their own, after a blank line.
    QVector<CheckRow> checks;
    QVector<CheckRow> standardProcedure;
    for (const CheckRow &row : item.m_checks)
        (row.group() == CheckRow::StandardProcedure ? standardProcedure : checks).append(row);
    appendChecks(out, checks);
    appendChecks(out, standardProcedure);
    const QString note = PlainText::fromHtml(item.m_note);
    if (!note.isEmpty())
        for (const QString &line : note.split(QLatin1Char('\n')))
            out += Indent + line + QLatin1Char('\n');
    return out;
}
