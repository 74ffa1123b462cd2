// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CALCULATIONPROGRESS_H
#define CALCULATIONPROGRESS_H

#include <chrono>

class CalculationMonitor;

/*! Tells a monitor now and then how a running calculation gets on and learns from it whether to go
    on (see CalculationMonitor). Cheap enough to poll between two linear systems: the clock is
    read only every few dozen polls, and not at all without a monitor. */
class CalculationProgress {
public:
    /*! Starts the clock; \a monitor may be null. */
    explicit CalculationProgress(CalculationMonitor *monitor);

    /*! Between two steps of work; \a fraction is the share of the current search done. False once
        the monitor has cancelled the calculation. */
    bool poll(double fraction) {
        if (!m_monitor)
            return true;
        if (m_cancelled)
            return false;
        if (++m_polls < PollsPerClockRead)
            return true;
        m_polls = 0;
        return check(fraction);
    }

    bool cancelled() const { return m_cancelled; }

    /*! Tells the monitor that the calculation has ended, if it has been told anything before. */
    void finish();

private:
    using Clock = std::chrono::steady_clock;
    static constexpr int PollsPerClockRead = 32;

    bool check(double fraction);

    CalculationMonitor *m_monitor;
    Clock::time_point m_start;
    Clock::time_point m_lastCall;
    int m_polls = 0;
    bool m_called = false;
    bool m_cancelled = false;
};

#endif // CALCULATIONPROGRESS_H
