// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/gps/GpsReceiver.h"

#include <QGeoPositionInfo>
#include <QNmeaPositionInfoSource>
#include <cmath>
#include <functional>

namespace {
/** A sentence whose checksum is right: "$...*hh". */
bool checksumHolds(const QByteArray& line) {
    const qsizetype star = line.lastIndexOf('*');
    if (!line.startsWith('$') || star < 1 || star + 3 > line.size()) return false;
    quint8 sum = 0;
    for (qsizetype i = 1; i < star; ++i) sum ^= static_cast<quint8>(line[i]);
    bool ok = false;
    const uint given = line.mid(star + 1, 2).toUInt(&ok, 16);
    return ok && given == sum;
}

/** Qt's NMEA reader, each sentence handed to the receiver as Qt parsed it. Its own joining of
 *  sentences into one update waits for the next second, and for a date that a receiver sending
 *  only GGA never gives: the receiver takes each sentence's position as it comes. */
class NmeaSource : public QNmeaPositionInfoSource {
public:
    using Seen = std::function<void(const QByteArray&, const QGeoPositionInfo&, bool)>;
    NmeaSource(Seen seen, QObject* parent)
        : QNmeaPositionInfoSource(RealTimeMode, parent), m_seen(std::move(seen)) {}

protected:
    bool parsePosInfoFromNmeaData(const char* data, int size, QGeoPositionInfo* posInfo,
                                  bool* hasFix) override {
        const bool parsed =
            QNmeaPositionInfoSource::parsePosInfoFromNmeaData(data, size, posInfo, hasFix);
        m_seen(QByteArray(data, size).trimmed(), parsed ? *posInfo : QGeoPositionInfo(),
               parsed && *hasFix);
        return parsed;
    }

private:
    Seen m_seen;
};
}  // namespace

GpsReceiver::GpsReceiver(QObject* parent) : QObject(parent) {
    m_retry.setInterval(1000);
    connect(&m_retry, &QTimer::timeout, this, &GpsReceiver::open);
    m_silence.setInterval(kSilentMs);
    m_silence.setSingleShot(true);
    connect(&m_silence, &QTimer::timeout, this, &GpsReceiver::onSilence);
    connect(&m_port, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) {
        // A device unplugged, or the far end of a pseudo-terminal closed: looked for again.
        if (e != QSerialPort::ResourceError || !m_port.isOpen()) return;
        m_reason = m_port.errorString();
        QTimer::singleShot(0, this, [this] {
            if (m_source) m_source->stopUpdates();
            m_port.close();
            setState(State::Gone);
            m_retry.start();
        });
    });
}

GpsReceiver::~GpsReceiver() {
    // Nobody hears of a receiver being taken apart: its watchers may be going too.
    blockSignals(true);
    stop();
}

bool GpsReceiver::start(const QString& device, int baud) {
    stop();
    m_device = device;
    m_baud = baud;
    m_triedBaud = baud > 0 ? baud : 4800;
    open();
    return m_port.isOpen();
}

void GpsReceiver::stop() {
    m_retry.stop();
    m_silence.stop();
    if (m_source) m_source->stopUpdates();
    delete m_source;
    m_source = nullptr;
    m_port.close();
    m_device.clear();
    m_fix = {};
    m_mode = 0;
    setState(State::Off);
}

void GpsReceiver::open() {
    if (m_device.isEmpty() || m_port.isOpen()) return;
    m_port.setPortName(m_device);
    m_port.setBaudRate(m_triedBaud);
    if (!m_port.open(QIODevice::ReadOnly)) {
        m_reason = m_port.errorString();
        setState(State::Gone);
        if (!m_retry.isActive()) m_retry.start();
        return;
    }
    m_retry.stop();
    m_reason.clear();
    delete m_source;
    m_source = new NmeaSource([this](const QByteArray& line, const QGeoPositionInfo& info,
                                     bool hasFix) { noteSentence(line, info, hasFix); },
                              this);
    m_source->setDevice(&m_port);
    m_source->startUpdates();
    setState(State::Waiting);
    m_silence.start();
}

void GpsReceiver::setState(State state) {
    if (state == m_state) return;
    m_state = state;
    Q_EMIT stateChanged(state);
}

void GpsReceiver::onSilence() {
    if (!m_port.isOpen()) return;
    setState(State::Waiting);
    Q_EMIT fixChanged();  // its age has grown past what is current
    // Nothing readable at this speed: the other usual one.
    if (m_baud == 0) {
        m_triedBaud = m_triedBaud == 4800 ? 9600 : 4800;
        m_port.setBaudRate(m_triedBaud);
    }
    m_silence.start();
}

void GpsReceiver::noteSentence(const QByteArray& line, const QGeoPositionInfo& info, bool hasFix) {
    if (!checksumHolds(line)) return;
    m_silence.start();
    setState(State::Receiving);
    const QList<QByteArray> f = line.left(line.lastIndexOf('*')).split(',');
    const QByteArray kind = f.value(0).mid(3);  // "$GPGGA", "$GNGGA": the talker does not matter
    if (kind == "GSA") {
        m_mode = f.value(2).toInt();
        return;
    }
    const bool gga = kind == "GGA";
    if (!gga && kind != "RMC") return;
    if (gga) m_fix.satellites = f.value(7).toInt();
    if (!hasFix || !info.coordinate().isValid()) {
        // GGA of quality 0, or RMC marked void: the receiver has no fix now.
        if (gga || f.value(2) == "V") {
            m_fix.dimensions = 0;
            m_ggaClock.invalidate();
            Q_EMIT fixChanged();
        }
        return;
    }
    // RMC carries no height: a receiver that sends GGA too has its fix from GGA.
    if (!gga && m_ggaClock.isValid() && m_ggaClock.elapsed() < 2000) return;
    if (gga) m_ggaClock.start();
    const QGeoCoordinate c = info.coordinate();
    // Degrees to 1e-7 (about a centimetre), finer than any receiver's fix: the minutes of the
    // sentence come back as the degrees the receiver meant (46.5, not 46.499999999999993).
    m_fix.latitude = std::round(c.latitude() * 1e7) / 1e7;
    m_fix.longitude = std::round(c.longitude() * 1e7) / 1e7;
    const bool withHeight = c.type() == QGeoCoordinate::Coordinate3D && m_mode != 2;
    m_fix.elevationM = withHeight ? std::optional<double>(c.altitude()) : std::nullopt;
    m_fix.dimensions = withHeight ? 3 : 2;
    m_fixClock.start();
    Q_EMIT fixChanged();
}

GpsFix GpsReceiver::lastFix() const {
    GpsFix fix = m_fix;
    fix.ageMs = m_fixClock.isValid() ? m_fixClock.elapsed() : -1;
    return fix;
}

std::optional<GpsFix> GpsReceiver::current() const {
    const GpsFix fix = lastFix();
    if (fix.dimensions == 0 || fix.ageMs < 0 || fix.ageMs > kFreshMs) return std::nullopt;
    return fix;
}
