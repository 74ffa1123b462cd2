// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultsSummary.h"

#include <QLocale>
#include <QStringList>

namespace {

QString number(double value, int decimals) {
    return QLocale().toString(value, 'f', decimals);
}

} // namespace

ResultsSummary::ResultsSummary(const InputData &inputData, const CalculationResults &results)
    : m_inputData(inputData), m_results(results) {}

QString ResultsSummary::red(const QString &text) {
    return QStringLiteral("<font color=\"#FF0000\">%1</font>").arg(text);
}

QString ResultsSummary::blue(const QString &text) {
    return QStringLiteral("<font color=\"#0000FF\">%1</font>").arg(text);
}

bool ResultsSummary::showsInputErrors() const {
    return m_results.calcState == CalculationResults::CS_InvalidInput;
}

QString ResultsSummary::inputErrorText() const {
    QString text = red(tr("Invalid input!"));
    for (const QString &line : m_results.messages)
        text += QStringLiteral("<br/>%1").arg(line);
    return text;
}

QVector<ResultsSummary::Line> ResultsSummary::rows() const {
    double thickness = 0;
    for (const MaterialLayer &layer : m_inputData.layers())
        thickness += layer.width();
    const QString perSquareMetreKelvin = QStringLiteral("W/(m<sup>2</sup>K)");

    QVector<Line> rows(RowCount);
    rows[RowThickness] = {tr("Construction thickness"), number(thickness, 3), QStringLiteral("m")};
    rows[RowResistance] = {tr("Thermal transfer resistance of the construction (dry)"),
                           number(m_results.R_dry, 3), QStringLiteral("m<sup>2</sup>K/W")};
    rows[RowTransmissionHeading] = {tr("Thermal transmission coefficient of the construction"), {}, {}};
    // Always with the standard surface resistances, whatever the climate says.
    rows[RowUValueISO] = {tr("U-value (ISO 6946)"), number(m_results.U_ISO6946(), 3), perSquareMetreKelvin};
    rows[RowUValueMoisture] = {tr("U-value (moisture dependend)"), number(m_results.U, 3),
                               perSquareMetreKelvin};
    rows[RowVerdict] = {verdictText(m_results), {}, {}};
    rows[RowCondensateMass] = {tr("Condensation mass after condensation period"), number(m_results.mc, 3),
                               QStringLiteral("kg/m<sup>2</sup>")};
    rows[RowDryingTime] = {tr("Drying time"), number(m_results.t_dry / 3600 / 24, 2), tr("d")};
    return rows;
}

ResultsSummary::Line ResultsSummary::standardProcedureCondensate() const {
    return {tr("Condensation mass after condensation period"), number(m_results.mc_Glaser, 3),
            QStringLiteral("kg/m<sup>2</sup>")};
}

bool ResultsSummary::hasStandardProcedureCondensate() const {
    switch (m_results.glaserCase) {
    case CalculationResults::GC_OnePlane:
    case CalculationResults::GC_OneZone:
    case CalculationResults::GC_TwoPlanes:
        return true;
    default:
        return false;
    }
}

QString ResultsSummary::verdictText(const CalculationResults &results) {
    const std::vector<CalculationResults::IndexRange> &zones = results.zones;
    switch (results.calcState) {
    case CalculationResults::CS_NoLayers:
        return red(tr("No input!"));
    case CalculationResults::CS_AlgorithmFailure: {
        QStringList lines;
        for (const QString &line : results.messages)
            lines << red(line);
        return lines.join(QStringLiteral("<br/>"));
    }
    case CalculationResults::CS_CondensationInnerSurface:
        return red(tr("Condensation on the surface (warm side). No calculation possible."));
    case CalculationResults::CS_CondensationOuterSurface:
        return red(tr("Condensation on the surface (cold side). No calculation possible."));
    case CalculationResults::CS_SingleLayer:
        return blue(tr("Only one layer. No condensate possible!"));
    case CalculationResults::CS_NoCondensation:
        return blue(tr("No condensate emerges!"));
    case CalculationResults::CS_OnePlane:
    case CalculationResults::CS_OneZone:
        // A zone state without a zone would be a calculation fault: shown as unknown.
        if (zones.empty())
            break;
        return blue(tr("Condensation between layer %1 and %2!")
                        .arg(zones.front().first + 1)
                        .arg(zones.front().second + 1));
    case CalculationResults::CS_SeveralZones: {
        if (zones.empty())
            break;
        QString text = tr("Condensation between layer ");
        for (size_t i = 0; i + 1 < zones.size(); ++i)
            text += tr("%1 and %2, ").arg(zones[i].first + 1).arg(zones[i].second + 1);
        text += tr("%1 and %2.").arg(zones.back().first + 1).arg(zones.back().second + 1);
        return blue(text);
    }
    default:
        break;
    }
    return red(tr("Unknown result!"));
}
