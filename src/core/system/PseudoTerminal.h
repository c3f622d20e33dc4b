// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

/** @brief A pseudo-terminal whose far end plays the meter: the simulator and the tests hold this
 *  end, the program opens devicePath() as its port. One of the few things that exist only on
 *  POSIX systems (see CONTRIBUTING.md). */
class PseudoTerminal {
public:
    /** @brief Opens a new pair; isOpen() says whether that worked. */
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool isOpen() const { return m_master >= 0; }
    /** @brief The device the program opens (/dev/pts/N). */
    QString devicePath() const { return m_device; }
    /** @brief This end's descriptor, for a socket notifier. */
    int handle() const { return m_master; }
    /** @brief Writes what the terminal takes now: the count written, 0 when it takes nothing
     *  yet, -1 when the far end is gone. Never blocks. */
    qint64 write(const char* data, qint64 size);
    /** @brief Reads what waits: the count read, 0 when nothing waits. Never blocks. */
    qint64 read(char* data, qint64 size);
    /** @brief Waits at most @p ms milliseconds for room to write. */
    void waitWritable(int ms);
    /** @brief Closes this end: to the program, the meter is unplugged. */
    void close();
    /** @brief Clears the device's exclusive mode. A program that opened the device for itself
     *  and was killed leaves it set, and since this end holds the device open, it would stay
     *  set: no one but root could open it again. (Two live programs are still kept apart by the
     *  serial lock file.) */
    void allowOtherOpeners();

private:
    int m_master = -1;
    int m_hold = -1;
    QString m_device;
};
