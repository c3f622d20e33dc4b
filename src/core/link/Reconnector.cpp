// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/link/Reconnector.h"

#include <QFileInfo>

#include "core/link/PortLinks.h"

Reconnector::Reconnector(const PortLinks& ports, QObject* parent)
    : QObject(parent), m_ports(ports) {
    m_timer.setInterval(kIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (deviceIsBack()) Q_EMIT deviceBack();
    });
}

void Reconnector::remember(int number, const QString& device) {
    m_number = number;
    m_linkTarget = m_ports.linkTarget(number);
    m_device = device;
}

void Reconnector::start() {
    if (!m_timer.isActive()) m_timer.start();
}

bool Reconnector::deviceIsBack() const {
    if (m_ports.linkTarget(m_number) != m_linkTarget) return false;
    const QString device = m_ports.devicePath(m_number);
    if (!QFileInfo::exists(device)) return false;
    return !m_linkTarget.isEmpty() || QFileInfo(device).canonicalFilePath() == m_device;
}
