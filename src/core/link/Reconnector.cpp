// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/link/Reconnector.h"

#include <QFileInfo>

#include "core/link/PortLinks.h"

Reconnector::Reconnector(const PortLinks& ports, QObject* parent)
    : QObject(parent), m_ports(ports), m_timer(this) {
    m_timer.setObjectName(QStringLiteral("lookForMeter"));
    m_timer.setInterval(kIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (const std::optional<int> number = deviceIsBack()) Q_EMIT deviceBack(*number);
    });
}

void Reconnector::remember(int number, const QString& device) {
    m_number = number;
    m_linkTarget = m_ports.linkTarget(number);
    m_device = device;
    m_identity = m_ports.identity(number);
}

void Reconnector::start() {
    if (!m_timer.isActive()) m_timer.start();
}

std::optional<int> Reconnector::deviceIsBack() const {
    const bool byUsbSerial = m_identity.startsWith(QLatin1String("usb:"));
    const QString device = m_ports.devicePath(m_number);
    if (m_ports.linkTarget(m_number) == m_linkTarget && QFileInfo::exists(device) &&
        (!m_linkTarget.isEmpty() || QFileInfo(device).canonicalFilePath() == m_device)) {
        // Another device that now answers to the same name is not the meter.
        if (!byUsbSerial || m_ports.identity(m_number) == m_identity) return m_number;
        return std::nullopt;
    }
    // A device that tells its serial number is found under any number it came back as.
    if (byUsbSerial)
        for (int n : m_ports.meterCandidates())
            if (m_ports.identity(n) == m_identity) return n;
    return std::nullopt;
}
