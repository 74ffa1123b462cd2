// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SEARCHCOMPARISON_H
#define SEARCHCOMPARISON_H

#include <chrono>

#include "Calculation.h"
#include "CalculationControl.h"
#include "InputData.h"

/*! One construction calculated with the direct and with the exhaustive plane search. */
struct SearchComparison {
    CalculationResults direct;
    CalculationResults exhaustive;
    PlaneSearch::Statistics directStatistics;
    PlaneSearch::Statistics exhaustiveStatistics;
    double directSeconds = 0;
    double exhaustiveSeconds = 0;

    bool searched() const { return exhaustiveStatistics.searches > 0; }
    /*! Every field of the records, exactly; the zones stand for the accepted combinations. */
    bool equal() const { return direct == exhaustive; }

    static SearchComparison of(const InputData &input,
                               HeatFlowDirection heatFlowDirection = HeatFlowDirection::Horizontal) {
        using Clock = std::chrono::steady_clock;
        SearchComparison c;
        Calculation calculation;
        {
            CalculationControl control(nullptr, CalculationControl::DirectSearch);
            const Clock::time_point start = Clock::now();
            calculation.calculate(input, heatFlowDirection);
            c.directSeconds = std::chrono::duration<double>(Clock::now() - start).count();
            c.direct = calculation.results();
            c.directStatistics = calculation.planeSearchStatistics();
        }
        {
            CalculationControl control(nullptr, CalculationControl::ExhaustiveSearch);
            const Clock::time_point start = Clock::now();
            calculation.calculate(input, heatFlowDirection);
            c.exhaustiveSeconds = std::chrono::duration<double>(Clock::now() - start).count();
            c.exhaustive = calculation.results();
            c.exhaustiveStatistics = calculation.planeSearchStatistics();
        }
        return c;
    }
};

#endif // SEARCHCOMPARISON_H
