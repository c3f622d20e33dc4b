// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/link/SerialLink.h"

#include <QFileInfo>

#include "core/system/DeviceAccess.h"

SerialLink::SerialLink(QObject* parent) : QObject(parent) {
    connect(&m_port, &QSerialPort::readyRead, this, &SerialLink::onReadyRead);
    connect(&m_port, &QSerialPort::errorOccurred, this, &SerialLink::onError);
    m_gather.setSingleShot(true);
    m_gather.setInterval(kGatherMs);
    connect(&m_gather, &QTimer::timeout, this, &SerialLink::gather);
}

SerialLink::~SerialLink() {
    blockSignals(true);
    close();
}

void SerialLink::setGatherInterval(int ms) {
    m_gatherMs = ms > 0 ? ms : kGatherMs;
    m_gather.setInterval(gatherMs());
}

void SerialLink::setDownloading(bool downloading) {
    m_downloading = downloading;
    if (!m_gather.isActive()) m_gather.setInterval(gatherMs());
}

int SerialLink::gatherMs() const {
    return m_downloading ? qMax(m_gatherMs, kDownloadGatherMs) : m_gatherMs;
}

bool SerialLink::isOpen() const { return m_port.isOpen(); }

QString SerialLink::device() const { return m_port.isOpen() ? m_device : QString(); }

OpenResult SerialLink::open(const QString& device, const LineSettings& settings) {
    close();
    const QFileInfo fi(device);
    if (!fi.exists())
        return OpenResult::failed(PortFailure::NoSuchDevice, Reason::of(Why::NoSuchDevice, device));
    const QString path = fi.canonicalFilePath();
    if (!DeviceAccess::mayReadWrite(path))
        return OpenResult::failed(PortFailure::NotAllowed, Reason::of(Why::DeviceNotYours, device));
    m_port.setPortName(path);
    if (!m_port.open(QIODevice::ReadWrite)) {
        const auto error = m_port.error();
        const Reason why = Reason::said(m_port.errorString());
        m_port.clearError();
        if (error == QSerialPort::DeviceNotFoundError)
            return OpenResult::failed(PortFailure::NoSuchDevice, why);
        // QSerialPort reports a device locked by another program as a permission error; a lock
        // whose program has ended (and that this user may not remove) holds it all the same.
        if (error == QSerialPort::PermissionError) {
            const QString lock = DeviceAccess::staleLock(path);
            if (!lock.isEmpty())
                return OpenResult::failed(PortFailure::StaleLock, Reason::of(Why::StaleLock, lock));
            return OpenResult::failed(PortFailure::HeldByOther, why);
        }
        return OpenResult::failed(PortFailure::Failed, why);
    }
    const bool set = m_port.setBaudRate(settings.baud) && m_port.setParity(settings.parity) &&
                     m_port.setDataBits(settings.dataBits) && m_port.setStopBits(settings.stopBits);
    if (!set) {
        const Reason why = Reason::said(m_port.errorString());
        m_port.close();
        m_port.clearError();
        return OpenResult::failed(PortFailure::Failed, why);
    }
    // The port reads one byte and then stops noticing the device, until the gathering reads
    // the rest: one wake-up per gathering, not one per arrival.
    m_port.setReadBufferSize(1);
    m_received = 0;
    m_device = path;
    Q_EMIT opened();
    return {};
}

void SerialLink::close() {
    if (m_port.isOpen()) m_port.close();
    m_port.clearError();
    m_gather.stop();
}

bool SerialLink::write(const QByteArray& bytes) {
    if (!m_port.isOpen()) return false;
    if (m_port.write(bytes) != bytes.size()) {
        close();
        Q_EMIT connectionLost();
        return false;
    }
    m_port.flush();
    return true;
}

QByteArray SerialLink::discardWaiting() { return readAvailable(); }

QByteArray SerialLink::readAvailable() {
    if (!m_port.isOpen() || m_port.bytesAvailable() <= 0) return {};
    const QByteArray bytes = m_port.readAll();
    m_received += bytes.size();
    return bytes;
}

void SerialLink::onReadyRead() {
    if (m_pulling) return;  // the gathering is reading already
    // Bytes are handed on from the event loop, not inside the port's own notification: a
    // receiver that opens a window there would stop the port from noticing more data.
    if (!m_gather.isActive()) m_gather.start();
}

void SerialLink::gather() {
    if (!m_port.isOpen()) return;
    m_pulling = true;
    // With room for everything, one look at the device reads all it holds (no wait: when it
    // holds nothing, the port reports a timeout, which is no fault here).
    m_port.setReadBufferSize(0);
    m_port.waitForReadyRead(0);
    QByteArray bytes;
    if (m_port.isOpen()) {
        if (m_port.error() == QSerialPort::TimeoutError) m_port.clearError();
        bytes = readAvailable();
        m_gather.setInterval(bytes.size() >= kBurstBytes && !m_downloading ? 0 : gatherMs());
        m_port.setReadBufferSize(1);
    }
    m_pulling = false;
    if (!bytes.isEmpty()) Q_EMIT received(bytes);
    // What arrived while the receiver ran is gathered next.
    if (m_port.isOpen() && m_port.bytesAvailable() > 0 && !m_gather.isActive()) m_gather.start();
}

void SerialLink::onError(QSerialPort::SerialPortError error) {
    if (!m_port.isOpen()) return;
    if (error == QSerialPort::ResourceError || error == QSerialPort::ReadError) {
        close();
        Q_EMIT connectionLost();
    }
}
