// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QString>

#include "core/system/PseudoTerminal.h"

/** @brief A real pseudo-terminal playing the meter's side of the port. The test holds the master;
 *  the program opens the slave device. */
class Pty {
public:
    /** @brief The device goes, and with it any lock file left on it: a program a test killed
     *  leaves its lock behind, and the kernel gives the device's number to the next
     *  pseudo-terminal, perhaps in a test run as another user who may not remove it. */
    ~Pty();
    bool ok() const { return m_terminal.isOpen(); }
    /** @brief The device the program opens (/dev/pts/N). */
    QString slavePath() const { return m_terminal.devicePath(); }
    /** @brief Sends bytes to the program. */
    void send(const QByteArray& bytes);
    /** @brief What the program wrote, collected for @p ms milliseconds while events run. */
    QByteArray receive(int ms = 200);
    /** @brief Unplugs: closes the meter's end. */
    void closeMaster() { m_terminal.close(); }

private:
    PseudoTerminal m_terminal;
};
