// SPDX-License-Identifier: GPL-3.0-or-later
#include "AssessmentChecks.h"

#include <QCoreApplication>
#include <QLocale>

#include "MinimumHeatResistance.h"
#include "TemperatureFactorCheck.h"

namespace {

// Numbers in the user's locale, without group separators.
QString number(double value, char format, int precision) {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(value, format, precision);
}

CheckRow verdictRow(CheckRow::Kind kind, const QString &label, bool fulfilled) {
    CheckRow row;
    row.kind = kind;
    row.label = label;
    row.verdict = fulfilled ? CheckRow::Fulfilled : CheckRow::NotFulfilled;
    row.value = AssessmentChecks::verdictText(fulfilled);
    return row;
}

const double SecondsPerDay = 86400;
const double MaximumDryingDays = 90;
const double CapillaryLimit = 1.0;    // kg/m²
const double NonCapillaryLimit = 0.5; // kg/m²

} // namespace

AssessmentChecks::AssessmentChecks(const InputData &input, const CalculationResults &results,
                                   const AssessmentSettings &settings)
    : m_criteria(input.layers(), results.zones, settings) {
    m_rows.append(minimumThermalResistanceRow(results.R_dry, settings.m_minimumHeatResVersion,
                                              settings.m_minimumHeatResConstruction));
    if (settings.m_frsiCheck) {
        const AssessmentConditions &conditions = input.assessmentConditions();
        m_rows.append(temperatureFactorRow(conditions.interiorClimate().temperature(),
                                           conditions.interiorClimate().relativeHumidity(), results.R_dry,
                                           conditions.exteriorClimate().surfaceResistance()));
    }
    m_rows += din4108_3Rows(results, m_criteria, settings);
    m_rows += standardProcedureRows(input.layers(), results, settings);
}

bool AssessmentChecks::allFulfilled() const {
    for (const CheckRow &row : m_rows)
        if (row.hasVerdict() && !row.isFulfilled())
            return false;
    return true;
}

QString AssessmentChecks::verdictText(bool fulfilled) {
    if (fulfilled)
        return QStringLiteral("<b>%1</b>")
            .arg(QCoreApplication::translate("ReportFrameConclusions", "Requirement fulfilled"));
    return QStringLiteral("<font color=\"#FF0000\"><b>%1</b></font>")
        .arg(QCoreApplication::translate("ReportFrameConclusions", "Requirement not fulfilled"));
}

bool AssessmentChecks::hasValidCondensationResult(int calcState) {
    switch (calcState) {
    case CalculationResults::CS_SingleLayer:
    case CalculationResults::CS_NoCondensation:
    case CalculationResults::CS_OnePlane:
    case CalculationResults::CS_OneZone:
    case CalculationResults::CS_SeveralZones:
        return true;
    default:
        return false;
    }
}

QString AssessmentChecks::editionCheckText(int accordanceType) {
    switch (accordanceType) {
    case AssessmentSettings::DIN4108_3_2001:
        return QCoreApplication::translate("ReportFrameConclusions", "Check according DIN 4108-3 2001");
    case AssessmentSettings::DIN4108_3_2014:
        return QCoreApplication::translate("ReportFrameConclusions", "Check according DIN 4108-3 2014");
    case AssessmentSettings::DIN4108_3_2018_2024:
        return QCoreApplication::translate("ReportFrameConclusions",
                                           "Check according DIN 4108-3 2018 and 2024");
    default:
        return QCoreApplication::translate("ReportFrameConclusions", "Check accordinguser defined data");
    }
}

CheckRow AssessmentChecks::minimumThermalResistanceRow(double R_dry, int edition, int elementId) {
    const double required = MinimumHeatResistance::minimumR(edition, elementId);
    const QString label =
        QCoreApplication::translate("ReportFrameConclusions",
                                    "%1 row %2, thermal resistance  R >= %L3 m<sup>2</sup>K/W")
            .arg(MinimumHeatResistance::editionName(edition),
                 MinimumHeatResistance::rowLabel(edition, elementId), number(required, 'f', 2));
    return verdictRow(CheckRow::MinimumThermalResistance, label, R_dry >= required);
}

CheckRow AssessmentChecks::temperatureFactorRow(double thetaI, double phiI, double R, double Rse) {
    const double minimum = TemperatureFactorCheck::fRsiMin(thetaI, phiI);
    const double value = TemperatureFactorCheck::fRsi(R, Rse);
    const bool fulfilled = TemperatureFactorCheck::fulfilled(value, minimum);
    CheckRow row;
    row.kind = CheckRow::TemperatureFactor;
    row.label = QCoreApplication::translate("ReportFrameConclusions",
                                            "DIN 4108-2 Check for minmal <i>f</i><sub>Rsi</sub> &gt;= %L1")
                    .arg(number(minimum, 'f', 1));
    row.verdict = fulfilled ? CheckRow::Fulfilled : CheckRow::NotFulfilled;
    row.value =
        (fulfilled ? QCoreApplication::translate("ReportFrameConclusions", "<i>f</i><sub>Rsi</sub> = %L1")
                   : QCoreApplication::translate(
                         "ReportFrameConclusions",
                         "<i>f</i><sub>Rsi</sub> = <font color=\"#FF0000\"><b>%L1</b></font>"))
            .arg(number(value, 'f', 2));
    return row;
}

QVector<CheckRow> AssessmentChecks::din4108_3Rows(const CalculationResults &results,
                                                  const DINCriteriaResult &criteria,
                                                  const AssessmentSettings &settings) {
    // Without a valid condensation result nothing below may pass, whatever the reset values say.
    const bool valid = hasValidCondensationResult(results.calcState);
    const double mc = results.mc;
    QVector<CheckRow> rows;

    if (!criteria.zoneHasNonCapillaryLayer(results.zones)) {
        rows.append(
            verdictRow(CheckRow::CondensateMassCapillary,
                       QCoreApplication::translate(
                           "ReportFrameConclusions",
                           "DIN 4108-3 (with capillary suction) M<sub>c</sub> &lt;= 1.0kg/m<sup>2</sup>"),
                       valid && mc < CapillaryLimit));
    } else {
        rows.append(
            verdictRow(CheckRow::CondensateMassNonCapillary,
                       QCoreApplication::translate(
                           "ReportFrameConclusions",
                           "DIN 4108-3 (no capillary suction) M<sub>c</sub> &lt;= 0.5kg/m<sup>2</sup>"),
                       valid && mc < NonCapillaryLimit));
        CheckRow limit;
        limit.kind = CheckRow::NonCapillaryLimit;
        limit.label =
            QCoreApplication::translate("ReportFrameConclusions",
                                        "%1 with A<sub>w</sub> &le; %2 kg/m<sup>2</sup>h<sup>0.5</sup>")
                .arg(editionCheckText(settings.m_accordanceType), number(criteria.awLimitPerHour(), 'g', 6));
        rows.append(limit);
    }

    // One line for wood: with wood-based material present it names that, but solid wood in the
    // same zones must still keep its own limit, so a thin wood layer cannot pass unseen.
    if (criteria.hasWoodChecks()) {
        const QString delta(QChar(0x0394));
        if (!criteria.woodBasedLayers().isEmpty())
            rows.append(verdictRow(
                CheckRow::WoodBasedMoisture,
                QCoreApplication::translate("ReportFrameConclusions",
                                            "DIN 4108-3 (Wood based material) %1u<sub>m</sub> &lt; 3%")
                    .arg(delta),
                valid && criteria.woodBasedOk(mc) && criteria.woodOk(mc)));
        else
            rows.append(verdictRow(CheckRow::WoodMoisture,
                                   QCoreApplication::translate("ReportFrameConclusions",
                                                               "DIN 4108-3 (Wood) %1u<sub>m</sub> &lt; 5%")
                                       .arg(delta),
                                   valid && criteria.woodOk(mc)));
    }

    // A negative drying time means the condensate does not dry out at all.
    rows.append(verdictRow(CheckRow::DryingTime,
                           QCoreApplication::translate("ReportFrameConclusions",
                                                       "Drying time in summer t<sub>ev</sub> &lt; 90d"),
                           valid && results.t_dry >= 0 && results.t_dry / SecondsPerDay < MaximumDryingDays));

    if (results.mc_0 > 0 && settings.hasDryingReserve()) {
        const double reserve = settings.m_dryingReserve;
        rows.append(verdictRow(CheckRow::DryingReserve,
                               QCoreApplication::translate(
                                   "ReportFrameConclusions",
                                   "Check for drying reserve of %1 g/m<sup>2</sup>a according DIN 68800-2")
                                   .arg(number(reserve * 1000, 'f', 0)),
                               valid && results.mev > mc + reserve));
    }
    return rows;
}

QVector<CheckRow> AssessmentChecks::standardProcedureRows(const QVector<MaterialLayer> &layers,
                                                          const CalculationResults &results,
                                                          const AssessmentSettings &settings) {
    // Only the closed formulas give masses to judge; without condensation there is nothing to
    // judge. Any other outcome (input error, surface condensation, more than two planes) fails.
    const bool dry = results.glaserCase == CalculationResults::GC_NoCondensation;
    const bool judged = results.glaserCase == CalculationResults::GC_OnePlane ||
                        results.glaserCase == CalculationResults::GC_OneZone ||
                        results.glaserCase == CalculationResults::GC_TwoPlanes;
    const double mc = results.mc_Glaser;

    // Condensate at an interface wets the layers on both sides of it.
    DINCriteriaResult::Zones touched;
    for (const CalculationResults::IndexRange &run : results.condRanges_Glaser)
        touched.push_back({run.first > 0 ? run.first - 1 : 0, run.second});
    const DINCriteriaResult criteria(layers, touched, settings);

    QVector<CheckRow> rows;
    if (criteria.nonCapillaryLayers().isEmpty())
        rows.append(verdictRow(CheckRow::GlaserCondensateMass,
                               QCoreApplication::translate("ReportFrameConclusions",
                                                           "DIN 4108-3 (Glaser period balance) "
                                                           "M<sub>c</sub> &lt;= 1.0kg/m<sup>2</sup>"),
                               dry || (judged && mc <= CapillaryLimit)));
    else
        rows.append(verdictRow(CheckRow::GlaserCondensateMassNonCapillary,
                               QCoreApplication::translate("ReportFrameConclusions",
                                                           "DIN 4108-3 (Glaser period balance) "
                                                           "M<sub>c</sub> &lt;= 0.5kg/m<sup>2</sup>"),
                               dry || (judged && mc <= NonCapillaryLimit)));

    // As for the zones: the wood-based line also keeps solid wood beside it within its limit.
    const QString delta(QChar(0x0394));
    if (!criteria.woodBasedLayers().isEmpty())
        rows.append(verdictRow(CheckRow::GlaserWoodBasedMoisture,
                               QCoreApplication::translate("ReportFrameConclusions",
                                                           "DIN 4108-3 (Glaser period balance) (wood based "
                                                           "material) %1u<sub>m</sub> &lt; 3%")
                                   .arg(delta),
                               dry || (judged && criteria.woodBasedOk(mc) && criteria.woodOk(mc))));
    else if (!criteria.woodLayers().isEmpty())
        rows.append(verdictRow(
            CheckRow::GlaserWoodMoisture,
            QCoreApplication::translate("ReportFrameConclusions",
                                        "DIN 4108-3 (Glaser period balance) (wood) %1u<sub>m</sub> &lt; 5%")
                .arg(delta),
            dry || (judged && criteria.woodOk(mc))));

    rows.append(verdictRow(CheckRow::GlaserEvaporation,
                           QCoreApplication::translate("ReportFrameConclusions",
                                                       "DIN 4108-3 (Glaser period balance) M<sub>ev</sub> "
                                                       "&gt;= M<sub>c</sub>"),
                           dry || (judged && results.mev_Glaser >= mc)));
    return rows;
}

QString AssessmentChecks::zoneCalculationHeading() {
    return QCoreApplication::translate("ReportFrameConclusions",
                                       "DIN 4108-3 by the condensation zone calculation");
}

QString AssessmentChecks::standardProcedureHeading() {
    return QCoreApplication::translate("ReportFrameConclusions",
                                       "DIN 4108-3 by the standard procedure (Glaser period balance)");
}
