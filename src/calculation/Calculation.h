// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CALCULATION_H
#define CALCULATION_H

#include <QCoreApplication>
#include <QStringList>

#include "CalculationResults.h"
#include "ExtendedCalculation.h"
#include "HeatFlowDirection.h"

class InputData;

/*! The Glaser calculation of one construction: turns the input data (layers from the warm to the
    cold side, climate and period lengths) and the heat flow direction of the project into one
    CalculationResults record.

    A run goes through these steps:
    1. empty the messages, reset the record and size its vectors for the layer count;
    2. no layers: calcState 0;
    3. input data with error state 1 (bad width): calcState 1;
    4. add up the thicknesses; a thickness <= 0 is reported and ends the run (calcState 1);
    5. dry layer resistances and the dry temperature profile, when every layer has a usable
       conductivity (so the views can show them even for otherwise invalid input);
    6. input data with error state 2 or 3 (bad material, bad climate): calcState 1;
    7. the standard DIN 4108-3 procedure (GlaserStandardProcedure), which fills the _Glaser
       fields and glaserCase; its input errors end the run with calcState 1;
    8. the extended calculation with condensation zones, which sets calcState and the remaining
       fields; CalculationControl chooses its plane search and the monitor that may cancel it.

    calculate() never throws. From valid input it never leaves NaN or infinity in the record: such
    a value is reported as an algorithm failure (calcState 2). Invalid input (calcState 1) keeps
    the values computed from it, which may be infinite or NaN (a surface resistance of 1/0).
    Failures copy the messages into the record.
    Messages are translated (context "Calculation"); layer references are HTML links whose
    target is "layer-" and the 1-based layer number. */
class Calculation {
    Q_DECLARE_TR_FUNCTIONS(Calculation)
public:
    Calculation() = default;

    /*! Runs the whole calculation for \a inputData. \a heatFlowDirection selects the air-layer
        resistances (0 upwards, 1 downwards, 2 horizontal). Never throws. */
    void calculate(const InputData &inputData, HeatFlowDirection heatFlowDirection);

    /*! The record of the last run. */
    const CalculationResults &results() const { return m_results; }

    /*! The messages of the last run (also those of a run that did not fail). */
    const QStringList &messages() const { return m_messages; }

    /*! Whether the monitor of CalculationControl cancelled the last run. Its record then has
        calcState 2 and the one message "The calculation was cancelled.". */
    bool wasCancelled() const { return m_cancelled; }

    /*! What the condensation plane search did in the last run (all zero when it did not run). */
    const PlaneSearch::Statistics &planeSearchStatistics() const {
        return m_extended.planeSearch().statistics();
    }

private:
    /*! Steps 1 to 8; may throw, calculate() catches. */
    void run(const InputData &inputData, HeatFlowDirection heatFlowDirection);
    /*! Ends a run as failed: copies the messages into the record and sets calcState. */
    void fail(int calcState);
    /*! Replaces every non-finite number of the record by 0 and, if there was one, turns the run
        into an algorithm failure naming the first such field. */
    void rejectNonFiniteResults();

    QStringList m_messages;
    CalculationResults m_results;
    ExtendedCalculation m_extended; ///< keeps its working storage for the next run
    bool m_cancelled = false;
};

#endif // CALCULATION_H
