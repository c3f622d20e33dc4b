// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QList>
#include <QString>
#include <optional>

/** @brief Turns the program's serial port numbers into devices and back.
 *
 * A link ports/comN -> device binds number N to that device. A USB serial device without a link
 * gets one at the lowest free number (from its /dev/serial/by-id name where there is one), so the
 * same meter keeps its number. A number without a link means /dev/ttyS(N-1). */
class PortLinks {
public:
    /** @brief The port numbers there are: 1 to 255, as the settings and the CLI name them. */
    static constexpr int kFirstPort = 1;
    static constexpr int kLastPort = 255;
    static bool isPortNumber(int number) { return number >= kFirstPort && number <= kLastPort; }

    /** @brief One link of the ports folder. */
    struct Link {
        int number = 0;
        QString target;    ///< where the link points, as written
        QString device;    ///< the target resolved, empty when it does not exist
        bool vcp = false;  ///< a USB serial device or a pseudo-terminal
    };

    /** @brief @p portsFolder holds the links; @p devRoot is normally "/dev". */
    explicit PortLinks(QString portsFolder, QString devRoot = QStringLiteral("/dev"));

    /** @brief The device a port number opens. */
    QString devicePath(int number) const;
    /** @brief Where ports/comN points, as written; empty when there is no such link. */
    QString linkTarget(int number) const;
    /** @brief All links in number order, stale ones included. */
    QList<Link> links() const;
    /** @brief The lowest number without a link. */
    int lowestFreeNumber() const;
    /** @brief Makes ports/comN point at @p target; false when N is taken or the link fails. */
    bool createLink(int number, const QString& target) const;
    /** @brief Removes ports/comN. */
    bool removeLink(int number) const;
    /** @brief Gives every USB serial device present without a link a link of its own. */
    void linkUsbDevices() const;
    /** @brief The first of meterCandidates(), none when there is none. (Which of several is the
     *  meter the session decides, by the name it answered under before.) */
    std::optional<int> meterPort() const;
    /** @brief Every present link to a USB serial device or a pseudo-terminal, lowest first: the
     *  ports the meter may be on. */
    QList<int> meterCandidates() const;
    /** @brief Of @p candidates, the meter: the one whose identity or lasting name is @p known
     *  (it answered as the meter before), else the only one; none of several unknown. */
    std::optional<int> pickMeter(const QList<int>& candidates, const QString& known) const;
    /** @brief pickMeter() of meterCandidates(). */
    std::optional<int> findMeter(const QString& known) const {
        return pickMeter(meterCandidates(), known);
    }
    /** @brief What the device on port @p number is, whatever name it has now: "usb:VID:PID:SERIAL"
     *  where the USB device tells its serial number, else where the link points (a by-id name, the
     *  simulator's lasting name); empty for a port without a link. */
    QString identity(int number) const;
    /** @brief "usb:VID:PID:SERIAL" of the tty @p device as the kernel describes it under
     *  @p sysRoot ("/sys"): empty for a device that is not on USB or tells no serial number;
     *  none where only the system's device database can say it exactly (a serial number of
     *  other characters than letters and digits, which it rewrites). */
    static std::optional<QString> usbIdentity(const QString& device,
                                              const QString& sysRoot = QStringLiteral("/sys"));

    /** @brief The ports folder. */
    QString folder() const { return m_folder; }

private:
    QStringList usbDevices() const;
    bool isVcpDevice(const QString& target, const QString& resolved) const;

    QString m_folder;
    QString m_devRoot;
};
