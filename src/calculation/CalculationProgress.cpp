// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalculationProgress.h"

#include "CalculationMonitor.h"

namespace {

// Often enough for a fluent progress bar and a prompt cancel, seldom enough to cost nothing.
constexpr std::chrono::milliseconds Interval(20);

} // namespace

CalculationProgress::CalculationProgress(CalculationMonitor *monitor)
    : m_monitor(monitor), m_start(Clock::now()), m_lastCall(m_start) {}

bool CalculationProgress::check(double fraction) {
    const Clock::time_point now = Clock::now();
    if (now - m_lastCall < Interval)
        return true;
    m_lastCall = now;
    m_called = true;
    const double elapsed = std::chrono::duration<double>(now - m_start).count();
    m_cancelled = !m_monitor->proceed(fraction < 0 ? 0 : fraction > 1 ? 1 : fraction, elapsed);
    return !m_cancelled;
}

void CalculationProgress::finish() {
    if (m_monitor && m_called)
        m_monitor->finished();
    m_called = false;
}
