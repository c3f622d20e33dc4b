// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

class QSerialPort;
#include <functional>

/** @brief The meter's serial port, with the operations the program performs on it.
 *
 * A port number is turned into a device by the resolver given at construction (the port map). Errors are raised as VbError with the port's own numbers:
 * 8002 no such port, 8005 held by another program, 70 this user may not open the device. A device
 * that goes away while open (USB unplugged, the far end of a pseudo-terminal closed) closes the
 * port and raises connectionLost(). */
class SerialControl : public QObject {
    Q_OBJECT
public:
    /** @brief How long bytes are left to gather on the device after the first one arrives:
     *  the receiver then runs once for all of them, not once per arrival. */
    static constexpr int kGatherMs = 20;
    /** @brief A gathering this large means the device sends faster than a meter's line: the
     *  next one starts as soon as a byte arrives, so a burst is never held back. */
    static constexpr int kBurstBytes = 1024;
    /** @brief How long bytes gather (kGatherMs unless set): a program with no window to keep
     *  current may wait longer and wake up less often. */
    void setGatherInterval(int ms) {
        m_gatherMs = ms > 0 ? ms : kGatherMs;
        m_gather.setInterval(m_gatherMs);
    }

    static constexpr int comEvReceive = 2;

    /** @brief @p devicePath gives the device a port number opens. */
    explicit SerialControl(std::function<QString(int)> devicePath, QObject* parent = nullptr);
    ~SerialControl() override;

    /** @brief True while the port is open. */
    bool PortOpen() const;
    /** @brief Opens (true) or closes (false) the port. */
    void setPortOpen(bool open);
    /** @brief The port number the next open uses. */
    /** @brief The device the port has open, empty when closed. */
    QString openDevice() const;
    int CommPort() const { return m_commPort; }
    void setCommPort(int number);
    /** @brief Line settings for the next open, "9600,n,8,1". */
    QString Settings() const { return m_settings; }
    void setSettings(const QString& settings);
    /** @brief Characters that raise a receive notification (0: none). */
    int RThreshold() const { return m_rThreshold; }
    void setRThreshold(int threshold);
    /** @brief Writes the characters as they are, one byte each. */
    void setOutput(const QByteArray& bytes);
    /** @brief The kind of the last event: comEvReceive. */
    int CommEvent() const { return comEvReceive; }
    /** @brief Received characters waiting. */
    int InBufferCount() const;
    /** @brief Setting 0 discards every waiting character. */
    void setInBufferCount(int count);
    /** @brief How many characters the next Input takes (0: all). */
    void setInputLen(int length) { m_inputLen = length; }
    /** @brief The next waiting characters as text, or empty text when none waits. */
    QString Input();
    /** @brief Every byte read from the device since the port was last opened, whether taken
     *  by Input or discarded; it only grows while the port stays open. */
    qint64 bytesReceived() const { return m_received; }

Q_SIGNALS:
    /** @brief Characters are waiting: one notification per gathering (what arrived within
     *  kGatherMs of the first byte), repeated while the receiver takes some and more wait. */
    void OnComm();
    /** @brief The device went away while the port was open; the port is now closed. */
    void connectionLost();
    /** @brief The port was opened. */
    void opened();

private:
    void onReadyRead();
    void onError(int error);
    void drain();
    void closePort();
    /** @brief Moves what the port has read into the waiting characters. */
    void readFromDevice();
    /** @brief Reads everything the device holds now, then lets the port notice the next byte. */
    void gather();

    std::function<QString(int)> m_devicePath;
    QSerialPort* m_port;
    int m_commPort = 1;
    QString m_settings = QStringLiteral("9600,n,8,1");
    int m_rThreshold = 0;
    int m_inputLen = 0;
    QString m_device;
    QByteArray m_in;
    qint64 m_received = 0;
    bool m_draining = false;
    bool m_pulling = false;
    int m_gatherMs = kGatherMs;
    QTimer m_retry;
    QTimer m_gather;
};
