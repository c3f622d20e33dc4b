// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>

class PortLinks;

/** @brief Watches for a lost meter to come back: the same port link target (a by-id name stays
 *  the meter's), or the same device where the port had no link, or a port whose device tells
 *  the same USB serial number. Never a device of another identity that now answers to the port
 *  number. */
class Reconnector : public QObject {
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 500;

    explicit Reconnector(const PortLinks& ports, QObject* parent = nullptr);

    /** @brief Port @p number was opened on @p device: that is the device to wait for. */
    void remember(int number, const QString& device);
    /** @brief The link was lost: look for the device every kIntervalMs. */
    void start();
    void stop() { m_timer.stop(); }
    bool isActive() const { return m_timer.isActive(); }
    /** @brief The port number the device that was open is present under again; none while it
     *  is away. */
    std::optional<int> deviceIsBack() const;

Q_SIGNALS:
    /** @brief The device is back on port @p number; the owner reopens it (and calls stop()). */
    void deviceBack(int number);

private:
    const PortLinks& m_ports;
    int m_number = 0;
    QString m_linkTarget;  ///< the port link's target when the port was opened
    QString m_device;      ///< the device opened
    QString m_identity;    ///< what the device was (its USB serial number), see PortLinks
    QTimer m_timer;
};
