// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/plot/LiveTrend.h"

void LiveTrend::add(const QDateTime& time, double value) {
    if (!m_running) return;
    if (m_values.size() >= kMaxValues) m_values.removeFirst();
    m_values.append({time, value});
    Q_EMIT added();
}

void LiveTrend::setRunning(bool running) {
    if (running == m_running) return;
    m_running = running;
    if (running) {
        m_values.clear();
        Q_EMIT restarted();
    }
}
