// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ASSESSMENTCHECKS_H
#define ASSESSMENTCHECKS_H

#include <QString>
#include <QVector>

#include "AssessmentSettings.h"
#include "CalculationResults.h"
#include "CheckRow.h"
#include "DINCriteriaResult.h"
#include "InputData.h"

/*! The assessment of one calculation as an ordered list of check lines:
    1. the minimum thermal resistance of DIN 4108-2 table 3;
    2. the temperature factor fRsi of DIN 4108-2, when enabled in the settings;
    3. the condensate mass of DIN 4108-3: below 1.0 kg/m² when no condensation zone holds a
       non-capillary layer, otherwise below 0.5 kg/m² followed by a line naming the edition and
       its water uptake limit;
    4. wood or wood-based material in a zone: one line, named after the wood-based material when
       both are present, which then has to meet both limits;
    5. drying within 90 days in summer;
    6. the drying reserve of DIN 68800-2, when one is set and condensate forms at all;
    7. the same DIN 4108-3 limits for the condensate of the standard Glaser procedure (period
       balance), which the standard itself prescribes: mass, wood when a condensation run of
       that procedure touches wood, and evaporation of the whole mass in summer.

    Lines 3 to 6 judge the condensation zone calculation, lines 7 the standard procedure: a
    planner needs both answers, told apart. A calculation without a valid condensation result
    (no layers, invalid input, algorithm failure, surface condensation) fails lines 3 to 6, and a
    standard procedure without a closed result fails lines 7: a failed calculation never reads
    as a passed check. Texts are translated (context "ReportFrameConclusions"). */
class AssessmentChecks {
public:
    /*! Evaluates \a results of \a input with \a settings. */
    AssessmentChecks(const InputData &input, const CalculationResults &results,
                     const AssessmentSettings &settings);

    /*! The check lines in display order. */
    const QVector<CheckRow> &rows() const { return m_rows; }
    /*! The layer evaluation behind the DIN 4108-3 lines. */
    const DINCriteriaResult &criteria() const { return m_criteria; }
    /*! Remark printed below the lines (empty unless a user-defined water uptake limit is used). */
    QString note() const { return m_criteria.note(); }
    /*! True when every line with a verdict is fulfilled. */
    bool allFulfilled() const;

    /*! "Requirement fulfilled" in bold, or "Requirement not fulfilled" in bold red. */
    static QString verdictText(bool fulfilled);

    /*! Whether \a calcState describes a finished condensation calculation: single layer, no
        condensation, or condensation zones found. */
    static bool hasValidCondensationResult(int calcState);

    /*! Edition text of the non-capillary line, e.g. "Check according DIN 4108-3 2014"; any
        unknown type counts as user defined. */
    static QString editionCheckText(int accordanceType);

    /*! Line 1: \a R_dry (m²K/W, layers only, dry) against the minimum of \a elementId in table 3
        of the \a edition. Fulfilled when R_dry >= the minimum. */
    static CheckRow minimumThermalResistanceRow(double R_dry, int edition, int elementId);

    /*! Line 2: the temperature factor of a construction with the layer resistance \a R and the
        outer surface resistance \a Rse against the minimum for the interior air \a thetaI (°C)
        and \a phiI (%). */
    static CheckRow temperatureFactorRow(double thetaI, double phiI, double R, double Rse);

    /*! Lines 3 to 6 for \a results, whose layers \a criteria has evaluated. */
    static QVector<CheckRow> din4108_3Rows(const CalculationResults &results,
                                           const DINCriteriaResult &criteria,
                                           const AssessmentSettings &settings);

    /*! Lines 7: the condensate of the standard procedure in \a results for \a layers. The layers
        beside a run of condensing interfaces k1..kl (layers k1 - 1 to kl) decide the mass limit
        (0.5 instead of 1.0 kg/m² when one of them takes up no water by capillary suction) and
        whether a wood line is added. */
    static QVector<CheckRow> standardProcedureRows(const QVector<MaterialLayer> &layers,
                                                   const CalculationResults &results,
                                                   const AssessmentSettings &settings);

    /*! Heading of the lines that judge the condensation zone calculation. */
    static QString zoneCalculationHeading();
    /*! Heading of the lines that judge the standard procedure. */
    static QString standardProcedureHeading();

private:
    DINCriteriaResult m_criteria;
    QVector<CheckRow> m_rows;
};

#endif // ASSESSMENTCHECKS_H
