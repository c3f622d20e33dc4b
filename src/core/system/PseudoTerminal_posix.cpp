// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

#include "core/system/PseudoTerminal.h"

PseudoTerminal::PseudoTerminal() {
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0) return;
    // A program started meanwhile must not keep the meter's end alive after it is closed.
    ::fcntl(m_master, F_SETFD, FD_CLOEXEC);
    if (::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
        ::close(m_master);
        m_master = -1;
        return;
    }
    m_device = QString::fromLocal8Bit(::ptsname(m_master));
    // One descriptor of the device is held open in raw mode, so bytes sent before the program
    // opens the port are passed on unchanged and this end never reads end-of-file.
    m_hold = ::open(m_device.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_hold >= 0) {
        termios t{};
        ::tcgetattr(m_hold, &t);
        ::cfmakeraw(&t);
        ::tcsetattr(m_hold, TCSANOW, &t);
    }
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
}

void PseudoTerminal::allowOtherOpeners() {
    if (m_hold >= 0) ::ioctl(m_hold, TIOCNXCL);
}

PseudoTerminal::~PseudoTerminal() {
    close();
    if (m_hold >= 0) ::close(m_hold);
}

qint64 PseudoTerminal::write(const char* data, qint64 size) {
    if (m_master < 0) return -1;
    const ssize_t n = ::write(m_master, data, static_cast<size_t>(size));
    if (n >= 0) return n;
    return errno == EAGAIN || errno == EINTR ? 0 : -1;
}

qint64 PseudoTerminal::read(char* data, qint64 size) {
    if (m_master < 0) return 0;
    const ssize_t n = ::read(m_master, data, static_cast<size_t>(size));
    return n > 0 ? n : 0;
}

void PseudoTerminal::waitWritable(int ms) {
    if (m_master < 0) return;
    pollfd p{m_master, POLLOUT, 0};
    ::poll(&p, 1, ms);
}

void PseudoTerminal::close() {
    if (m_master >= 0) ::close(m_master);
    m_master = -1;
}
