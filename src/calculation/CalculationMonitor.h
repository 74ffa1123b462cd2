// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CALCULATIONMONITOR_H
#define CALCULATIONMONITOR_H

/*! Watches a long Glaser calculation and may stop it: the window shows a progress dialog with a
    cancel button, the batch program applies its time limit.

    Nearly every calculation ends within a few milliseconds and never calls the monitor. One that
    runs longer (the search through every combination of condensation planes) calls proceed()
    about every 20 ms from its first 20 ms on, on the thread that runs it, between two linear
    systems; then finished() once when it ends. A cancelled calculation ends with calcState 2 and
    the message "The calculation was cancelled." (see Calculation::wasCancelled()).

    Install a monitor with CalculationControl. */
class CalculationMonitor {
public:
    virtual ~CalculationMonitor() = default;

    /*! A calculation is still running. \a fraction is the share of the current search done so far
        (0 to 1; a rough guide, it may start again at 0 in a later pass), \a elapsed the seconds
        since the calculation started. Return false to cancel the calculation. */
    virtual bool proceed(double fraction, double elapsed) = 0;

    /*! A calculation that called proceed() at least once has ended (done, failed or cancelled). */
    virtual void finished() {}
};

#endif // CALCULATIONMONITOR_H
