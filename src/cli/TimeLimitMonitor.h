// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIMELIMITMONITOR_H
#define TIMELIMITMONITOR_H

#include "CalculationMonitor.h"

/*! Stops a calculation that runs longer than a limit ("--time-limit"), and remembers that it did
    until reset(). */
class TimeLimitMonitor : public CalculationMonitor {
public:
    /*! \a seconds > 0. */
    explicit TimeLimitMonitor(double seconds) : m_seconds(seconds) {}

    bool proceed(double fraction, double elapsed) override;

    /*! Whether a calculation was stopped since the last reset(). */
    bool stopped() const { return m_stopped; }
    void reset() { m_stopped = false; }

private:
    double m_seconds;
    bool m_stopped = false;
};

#endif // TIMELIMITMONITOR_H
