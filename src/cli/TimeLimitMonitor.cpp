// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimeLimitMonitor.h"

bool TimeLimitMonitor::proceed(double /*fraction*/, double elapsed) {
    if (elapsed >= m_seconds)
        m_stopped = true;
    return !m_stopped;
}
