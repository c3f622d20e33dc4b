// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/compat/SerialControl.h"

#include <QFileInfo>
#include <QSerialPort>
#include <cerrno>
#include <unistd.h>

#include "core/compat/ErrorCodes.h"

namespace {
struct LineSettings {
    qint32 baud = 9600;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;
};

bool parseSettings(const QString& text, LineSettings* out) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4) return false;
    bool ok = false;
    out->baud = parts[0].trimmed().toInt(&ok);
    if (!ok || out->baud <= 0) return false;
    const QString p = parts[1].trimmed().toLower();
    if (p == QLatin1String("n")) out->parity = QSerialPort::NoParity;
    else if (p == QLatin1String("e")) out->parity = QSerialPort::EvenParity;
    else if (p == QLatin1String("o")) out->parity = QSerialPort::OddParity;
    else if (p == QLatin1String("m")) out->parity = QSerialPort::MarkParity;
    else if (p == QLatin1String("s")) out->parity = QSerialPort::SpaceParity;
    else return false;
    const int bits = parts[2].trimmed().toInt(&ok);
    if (!ok || bits < 5 || bits > 8) return false;
    out->dataBits = static_cast<QSerialPort::DataBits>(bits);
    const QString s = parts[3].trimmed();
    if (s == QLatin1String("1")) out->stopBits = QSerialPort::OneStop;
    else if (s == QLatin1String("1.5")) out->stopBits = QSerialPort::OneAndHalfStop;
    else if (s == QLatin1String("2")) out->stopBits = QSerialPort::TwoStop;
    else return false;
    return true;
}
}  // namespace

SerialControl::SerialControl(std::function<QString(int)> devicePath, QObject* parent)
    : QObject(parent), m_devicePath(std::move(devicePath)), m_port(new QSerialPort(this)) {
    connect(m_port, &QSerialPort::readyRead, this, &SerialControl::onReadyRead);
    connect(m_port, &QSerialPort::errorOccurred, this,
            [this](QSerialPort::SerialPortError e) { onError(static_cast<int>(e)); });
    m_retry.setSingleShot(true);
    m_retry.setInterval(10);
    connect(&m_retry, &QTimer::timeout, this, &SerialControl::drain);
    m_gather.setSingleShot(true);
    m_gather.setInterval(kGatherMs);
    connect(&m_gather, &QTimer::timeout, this, [this] {
        gather();
        drain();
    });
}

SerialControl::~SerialControl() = default;

bool SerialControl::PortOpen() const { return m_port->isOpen(); }

QString SerialControl::openDevice() const { return m_port->isOpen() ? m_device : QString(); }

void SerialControl::setCommPort(int number) {
    if (number < 1 || number > 255)
        throw VbError(ErrorCode::CommInvalidPort, QStringLiteral("Invalid port number"));
    m_commPort = number;
}

void SerialControl::setSettings(const QString& settings) {
    LineSettings ls;
    if (!parseSettings(settings, &ls))
        throw VbError(ErrorCode::InvalidPropertyValue, QStringLiteral("Invalid property value"));
    m_settings = settings;
}

void SerialControl::setRThreshold(int threshold) {
    m_rThreshold = threshold;
    if (m_rThreshold > 0 && !m_in.isEmpty()) m_retry.start();
}

void SerialControl::setPortOpen(bool open) {
    if (!open) {
        closePort();
        return;
    }
    if (m_port->isOpen()) throw VbError(8005, QStringLiteral("Port already open"));
    LineSettings ls;
    if (!parseSettings(m_settings, &ls))
        throw VbError(ErrorCode::InvalidPropertyValue, QStringLiteral("Invalid property value"));
    const QString path = m_devicePath(m_commPort);
    const QFileInfo fi(path);
    if (!fi.exists())
        throw VbError(ErrorCode::CommInvalidPort, QStringLiteral("No such device: %1").arg(path));
    const QByteArray native = QFile::encodeName(fi.canonicalFilePath());
    if (::access(native.constData(), R_OK | W_OK) != 0 && errno == EACCES)
        throw VbError(ErrorCode::PermissionDenied, QStringLiteral("Permission denied: %1").arg(path));
    m_port->setPortName(fi.canonicalFilePath());
    if (!m_port->open(QIODevice::ReadWrite)) {
        const auto err = m_port->error();
        const QString why = m_port->errorString();
        m_port->clearError();
        if (err == QSerialPort::DeviceNotFoundError)
            throw VbError(ErrorCode::CommInvalidPort, why);
        if (err == QSerialPort::PermissionError) throw VbError(ErrorCode::CommPortInUse, why);
        throw VbError(ErrorCode::CommOpenFailed, why);
    }
    const bool ok = m_port->setBaudRate(ls.baud) && m_port->setParity(ls.parity) &&
                    m_port->setDataBits(ls.dataBits) && m_port->setStopBits(ls.stopBits);
    if (!ok) {
        const QString why = m_port->errorString();
        m_port->close();
        m_port->clearError();
        throw VbError(ErrorCode::CommOpenFailed, why);
    }
    // The port reads one byte and then stops noticing the device, until the gathering reads
    // the rest: one wake-up per gathering, not one per arrival.
    m_port->setReadBufferSize(1);
    m_in.clear();
    m_received = 0;
    m_device = fi.canonicalFilePath();
    Q_EMIT opened();
}

void SerialControl::closePort() {
    if (m_port->isOpen()) m_port->close();
    m_port->clearError();
    m_in.clear();
    m_retry.stop();
    m_gather.stop();
}


void SerialControl::setOutput(const QByteArray& bytes) {
    if (!m_port->isOpen())
        throw VbError(ErrorCode::CommPortNotOpen, QStringLiteral("Operation valid only when the port is open"));
    if (m_port->write(bytes) != bytes.size()) {
        const QString why = m_port->errorString();
        closePort();
        Q_EMIT connectionLost();
        throw VbError(ErrorCode::CommWriteFailed, why);
    }
    m_port->flush();
}

int SerialControl::InBufferCount() const {
    return static_cast<int>(m_in.size() + (m_port->isOpen() ? m_port->bytesAvailable() : 0));
}

void SerialControl::setInBufferCount(int count) {
    if (count != 0) return;
    readFromDevice();
    m_in.clear();
}

QString SerialControl::Input() {
    readFromDevice();
    const qsizetype n = m_inputLen <= 0 ? m_in.size() : qMin<qsizetype>(m_inputLen, m_in.size());
    const QString out = QString::fromLatin1(m_in.constData(), n);
    m_in.remove(0, n);
    return out;
}

void SerialControl::readFromDevice() {
    if (!m_port->isOpen() || m_port->bytesAvailable() <= 0) return;
    const QByteArray bytes = m_port->readAll();
    m_received += bytes.size();
    m_in.append(bytes);
}

void SerialControl::onReadyRead() {
    if (m_pulling) return;  // the gathering is reading already
    // The receiver runs from the event loop, not inside the port's own notification: a receiver
    // that opens a window or a message box there would stop the port from noticing more data.
    if (!m_gather.isActive()) m_gather.start();
}


void SerialControl::gather() {
    if (!m_port->isOpen()) return;
    m_pulling = true;
    // With room for everything, one look at the device reads all it holds (no wait: when it
    // holds nothing, the port reports a timeout, which is no fault here).
    m_port->setReadBufferSize(0);
    m_port->waitForReadyRead(0);
    if (m_port->isOpen()) {
        if (m_port->error() == QSerialPort::TimeoutError) m_port->clearError();
        const qint64 before = m_received;
        readFromDevice();
        m_gather.setInterval(m_received - before >= kBurstBytes ? 0 : m_gatherMs);
        m_port->setReadBufferSize(1);
    }
    m_pulling = false;
}

void SerialControl::drain() {
    if (m_draining) return;
    m_draining = true;
    while (m_rThreshold > 0 && !m_in.isEmpty() && m_port->isOpen()) {
        const qsizetype before = m_in.size();
        Q_EMIT OnComm();
        if (m_in.size() >= before) {
            // The handler was busy and took nothing: try again shortly.
            m_retry.start();
            break;
        }
    }
    m_draining = false;
}

void SerialControl::onError(int error) {
    const auto e = static_cast<QSerialPort::SerialPortError>(error);
    if (!m_port->isOpen()) return;
    if (e == QSerialPort::ResourceError || e == QSerialPort::ReadError) {
        closePort();
        Q_EMIT connectionLost();
    }
}
