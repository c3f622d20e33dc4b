// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QTimer>
#include <optional>

class QNmeaPositionInfoSource;
class QGeoPositionInfo;

/** @brief How positions are written in files and by the CLI: degrees to 7 decimals (about a
 *  centimetre), metres to 1; no elevation is an empty text. */
namespace PositionText {
inline QString degrees(double degrees) { return QString::number(degrees, 'f', 7); }
inline QString metres(const std::optional<double>& metres) {
    return metres ? QString::number(*metres, 'f', 1) : QString();
}
}  // namespace PositionText

/** @brief A position as a GPS receiver gave it, and how good and how old it is. */
struct GpsFix {
    double latitude = 0.0;             ///< degrees, north positive (WGS 84)
    double longitude = 0.0;            ///< degrees, east positive
    std::optional<double> elevationM;  ///< above mean sea level; none in a 2D fix
    int dimensions = 0;                ///< 0: no fix, 2 or 3
    int satellites = 0;                ///< satellites used, as the receiver last said (0: not said)
    qint64 ageMs = -1;                 ///< since the fix arrived; -1: none ever
};

/** @brief A GPS receiver speaking NMEA 0183 on a serial device of its own (USB or Bluetooth
 *  serial), read through Qt Positioning. It tries 4800 and 9600 baud in turn until sentences
 *  with good checksums come; a receiver that goes quiet is told, and one that goes away is
 *  opened again when its device comes back. It never reads a device it was not given. */
class GpsReceiver : public QObject {
    Q_OBJECT
public:
    /** @brief A fix older than this is never passed off as the position now. */
    static constexpr int kFreshMs = 5000;
    /** @brief No sentence for this long: the receiver is told to be silent. */
    static constexpr int kSilentMs = 3000;

    enum class State {
        Off,        ///< no device given
        Waiting,    ///< the device is open, no good sentence yet (or the receiver went quiet)
        Receiving,  ///< good sentences arrive
        Gone        ///< the device cannot be opened (not there, not allowed); tried again
    };

    explicit GpsReceiver(QObject* parent = nullptr);
    ~GpsReceiver() override;

    /** @brief Reads @p device from now on; @p baud 0 tries 4800 and 9600. False when the device
     *  could not be opened now (it is tried again every second; reason() says why). */
    bool start(const QString& device, int baud = 0);
    void stop();

    State state() const { return m_state; }
    QString device() const { return m_device; }
    /** @brief Why the device is not open, in the system's words; empty when it is. */
    QString reason() const { return m_reason; }
    /** @brief The last fix, with its age now; dimensions 0 before any. */
    GpsFix lastFix() const;
    /** @brief The fix to give a reading taken now: none without a fix or when it is older than
     *  kFreshMs. */
    std::optional<GpsFix> current() const;

Q_SIGNALS:
    /** @brief A sentence with a fix (or one saying there is none) arrived. */
    void fixChanged();
    void stateChanged(State state);

private:
    void open();
    void setState(State state);
    void onSilence();
    /** @brief One sentence with what Qt's reader made of it: the position of GGA or RMC, the
     *  satellites of GGA and the fix mode of GSA. */
    void noteSentence(const QByteArray& line, const QGeoPositionInfo& info, bool hasFix);

    QString m_device;
    int m_baud = 0;
    int m_triedBaud = 4800;
    QSerialPort m_port;
    QNmeaPositionInfoSource* m_source = nullptr;
    QTimer m_retry;    ///< reopens a device that went away
    QTimer m_silence;  ///< no good sentence for kSilentMs
    State m_state = State::Off;
    QString m_reason;
    GpsFix m_fix;
    QElapsedTimer m_fixClock;
    QElapsedTimer m_ggaClock;  ///< since the last GGA with a fix
    int m_mode = 0;            ///< GSA's fix mode (1 none, 2, 3); 0: not said
};
