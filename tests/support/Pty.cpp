// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pty.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

Pty::Pty() {
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0) return;
    if (::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
        ::close(m_master);
        m_master = -1;
        return;
    }
    m_slavePath = QString::fromLocal8Bit(::ptsname(m_master));
    // Keep one slave descriptor in raw mode, so bytes sent before the program opens the port are
    // passed on unchanged and the master never reads end-of-file.
    m_slaveHold = ::open(m_slavePath.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
    if (m_slaveHold >= 0) {
        termios t{};
        ::tcgetattr(m_slaveHold, &t);
        ::cfmakeraw(&t);
        ::tcsetattr(m_slaveHold, TCSANOW, &t);
    }
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
}

Pty::~Pty() {
    closeMaster();
    if (m_slaveHold >= 0) ::close(m_slaveHold);
}

void Pty::send(const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size() && m_master >= 0) {
        const ssize_t n = ::write(m_master, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n > 0) {
            done += n;
        } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
            break;
        } else {
            QCoreApplication::processEvents();  // let the program drain its side
            pollfd p{m_master, POLLOUT, 0};
            ::poll(&p, 1, 5);
        }
    }
}

QByteArray Pty::receive(int ms) {
    QByteArray out;
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms && m_master >= 0) {
        QCoreApplication::processEvents();
        char buf[4096];
        const ssize_t n = ::read(m_master, buf, sizeof buf);
        if (n > 0) out.append(buf, n);
        else QTest::qWait(5);
    }
    return out;
}

void Pty::closeMaster() {
    if (m_master >= 0) ::close(m_master);
    m_master = -1;
}
