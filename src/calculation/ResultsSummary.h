// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef RESULTSSUMMARY_H
#define RESULTSSUMMARY_H

#include <QCoreApplication>
#include <QString>
#include <QVector>

#include "CalculationResults.h"
#include "InputData.h"

/*! The compact summary of one calculation: construction thickness, dry thermal resistance, the
    U-values after ISO 6946 and with moisture, the verdict of the condensation calculation,
    condensate mass and drying time; or, when the input could not be calculated, the list of
    input errors. The window's results panel, the batch program and the report show the same
    rows, so they are made here once, as rich text, with numbers in the default locale.

    The texts belong to the translation context of the results panel. */
class ResultsSummary {
    Q_DECLARE_TR_FUNCTIONS(T2_ResultsWidget)
public:
    /*! Rows of the summary table. */
    enum Row {
        RowThickness = 0,
        RowResistance = 1,
        RowTransmissionHeading = 2,
        RowUValueISO = 3,
        RowUValueMoisture = 4,
        RowVerdict = 5,
        RowCondensateMass = 6,
        RowDryingTime = 7,
        RowCount = 8
    };

    /*! One row: label, value and unit. A row without a value (the heading and the verdict) is
        one text across the whole width. */
    struct Line {
        QString label;
        QString value;
        QString unit;
        bool spansRow() const { return value.isEmpty(); }
    };

    /*! Keeps references: both must outlive the summary. */
    ResultsSummary(const InputData &inputData, const CalculationResults &results);

    /*! True when the input could not be calculated: only the input errors are shown then. */
    bool showsInputErrors() const;
    /*! "Invalid input!" in red, then every message of the results on a line of its own. */
    QString inputErrorText() const;
    /*! The RowCount rows of the summary table. */
    QVector<Line> rows() const;
    /*! The condensate mass of the standard Glaser procedure, with the label of the condensate
        row; only meaningful when that procedure found condensation inside the construction
        (hasStandardProcedureCondensate()). */
    Line standardProcedureCondensate() const;
    /*! True when the standard procedure ended with condensate masses from its closed formulas. */
    bool hasStandardProcedureCondensate() const;

    /*! The verdict line for the outcome of \a results, coloured red for failures and blue for
        results; layer numbers count from 1. */
    static QString verdictText(const CalculationResults &results);

    static QString red(const QString &text);
    static QString blue(const QString &text);

private:
    const InputData &m_inputData;
    const CalculationResults &m_results;
};

#endif // RESULTSSUMMARY_H
