// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CALCULATIONCONTROL_H
#define CALCULATIONCONTROL_H

class CalculationMonitor;

/*! How the Glaser calculations that run on the current thread find the condensation planes, and
    which monitor watches the long ones, for as long as an object of this class lives.

    The window keeps one for its lifetime with its progress dialog as monitor; the batch program
    sets one up around its files for "--time-limit" and "--exhaustive"; tests switch to the
    exhaustive search to compare. Objects nest: the innermost one counts, and when it is destroyed
    the settings of the one before it apply again. Without any object calculations use the direct
    search and no monitor. */
class CalculationControl {
public:
    enum PlaneSearchMode {
        /*! The condensation planes are found directly; only where that finds no acceptable
            combination are all combinations tried. The result is the same as with the
            exhaustive search. */
        DirectSearch,
        /*! Every combination is tried in counting order until one is accepted, as specified;
            for checking (at most 24 layers). */
        ExhaustiveSearch
    };

    explicit CalculationControl(CalculationMonitor *monitor, PlaneSearchMode mode = DirectSearch);
    ~CalculationControl();
    CalculationControl(const CalculationControl &) = delete;
    CalculationControl &operator=(const CalculationControl &) = delete;

    /*! The monitor of the innermost living object on this thread, or none. */
    static CalculationMonitor *monitor();
    /*! The search mode of the innermost living object on this thread (DirectSearch without one). */
    static PlaneSearchMode planeSearchMode();

private:
    CalculationMonitor *m_monitor;
    PlaneSearchMode m_mode;
    CalculationControl *m_outer;
};

#endif // CALCULATIONCONTROL_H
