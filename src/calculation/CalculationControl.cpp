// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalculationControl.h"

namespace {

// Each thread calculates on its own: the window on the GUI thread, tests and tools wherever.
thread_local CalculationControl *t_innermost = nullptr;

} // namespace

CalculationControl::CalculationControl(CalculationMonitor *monitor, PlaneSearchMode mode)
    : m_monitor(monitor), m_mode(mode), m_outer(t_innermost) {
    t_innermost = this;
}

CalculationControl::~CalculationControl() {
    t_innermost = m_outer;
}

CalculationMonitor *CalculationControl::monitor() {
    return t_innermost ? t_innermost->m_monitor : nullptr;
}

CalculationControl::PlaneSearchMode CalculationControl::planeSearchMode() {
    return t_innermost ? t_innermost->m_mode : DirectSearch;
}
