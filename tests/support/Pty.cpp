// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pty.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QSocketNotifier>
#include <QTimer>

Pty::~Pty() {
    m_terminal.close();
    QString name = slavePath().mid(QStringLiteral("/dev/").size());
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    for (const char* folder : {"/run/lock", "/var/lock"})
        QFile::remove(QLatin1String(folder) + "/LCK.." + name);
}

void Pty::send(const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size() && m_terminal.isOpen()) {
        const qint64 n = m_terminal.write(bytes.constData() + done, bytes.size() - done);
        if (n < 0) break;
        done += n;
        if (n == 0) {
            QCoreApplication::processEvents();  // let the program drain its side
            m_terminal.waitWritable(5);
        }
    }
}

QByteArray Pty::receive(int ms) {
    QByteArray out;
    if (!m_terminal.isOpen()) return out;
    // Woken by what the program writes, or by the deadline: never a poll.
    QSocketNotifier readable(m_terminal.handle(), QSocketNotifier::Read);
    const QDeadlineTimer deadline(ms, Qt::PreciseTimer);
    QTimer end;
    end.setSingleShot(true);
    end.setTimerType(Qt::PreciseTimer);
    while (m_terminal.isOpen()) {
        char buf[4096];
        for (qint64 n; (n = m_terminal.read(buf, sizeof buf)) > 0;) out.append(buf, n);
        if (deadline.hasExpired()) break;
        end.start(static_cast<int>(qMax<qint64>(1, deadline.remainingTime())));
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return out;
}
