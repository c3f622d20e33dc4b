// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QTimer>

#include "core/common/Result.h"

/** @brief Baud rate, parity, data and stop bits. The defaults are the meter's: 9600,n,8,1. */
struct LineSettings {
    qint32 baud = 9600;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;
};

/** @brief Why a device did not open. */
enum class PortFailure {
    None,
    NoSuchDevice,  ///< nothing at that path: the meter is not plugged in
    HeldByOther,   ///< another program has the device open
    StaleLock,     ///< a lock left by a program that has ended keeps it: reason names it
    NotAllowed,    ///< this user may not open it (not in the dialout group, say)
    Failed         ///< it opened but refused the line settings, or is no serial device
};
/** @brief What became of opening a device, with the system's reason when it failed. */
using OpenResult = Result<PortFailure>;

/** @brief The serial line to the meter over QSerialPort.
 *
 * Received bytes are gathered for a moment after the first one arrives and handed on together,
 * once per gathering: a hundred readings a second then cost a few wake-ups, not a thousand. A
 * device that goes away while open (USB unplugged, the far end of a pseudo-terminal closed)
 * closes the link and raises connectionLost(). */
class SerialLink : public QObject {
    Q_OBJECT
public:
    /** @brief How long bytes are left to gather on the device after the first one arrives. */
    static constexpr int kGatherMs = 20;
    /** @brief A gathering this large means the device sends faster than a meter's line: the
     *  next one starts as soon as a byte arrives, so a burst is never held back. */
    static constexpr int kBurstBytes = 1024;
    /** @brief How long bytes gather while a download runs: at 9600 baud about 190 bytes, as
     *  many gatherings for a download at the meter's speed as for the same bytes ten times
     *  faster. */
    static constexpr int kDownloadGatherMs = 200;

    explicit SerialLink(QObject* parent = nullptr);
    ~SerialLink() override;

    /** @brief Opens @p device (closing what is open first) with @p settings. */
    OpenResult open(const QString& device, const LineSettings& settings = {});
    void close();
    bool isOpen() const;
    /** @brief The device open (its canonical path), empty when closed. */
    QString device() const;
    /** @brief Writes the bytes as they are. False when the link is closed, or when the device
     *  refused them (it is gone: the link closes and raises connectionLost()). */
    bool write(const QByteArray& bytes);
    /** @brief Throws away every byte received and not yet handed on; what was thrown away. */
    QByteArray discardWaiting();
    /** @brief Every byte read from the device since the link was last opened, handed on or
     *  discarded; it only grows while the link stays open. */
    qint64 bytesReceived() const { return m_received; }
    /** @brief How long bytes gather (kGatherMs unless set): a program with no window to keep
     *  current may wait longer and wake up less often. */
    void setGatherInterval(int ms);
    /** @brief A download runs: bytes gather for kDownloadGatherMs (or the interval set, when
     *  longer), whatever a gathering holds. */
    void setDownloading(bool downloading);

Q_SIGNALS:
    /** @brief Bytes arrived: one signal per gathering, in arrival order. */
    void received(const QByteArray& bytes);
    /** @brief The device went away while open; the link is now closed. */
    void connectionLost();
    /** @brief A device was opened. */
    void opened();

private:
    void onReadyRead();
    void onError(QSerialPort::SerialPortError error);
    QByteArray readAvailable();
    void gather();

    QSerialPort m_port;
    QString m_device;
    qint64 m_received = 0;
    bool m_pulling = false;
    int m_gatherMs = kGatherMs;
    bool m_downloading = false;
    int gatherMs() const;
    QTimer m_gather;
};
