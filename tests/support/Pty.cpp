// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pty.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

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
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms && m_terminal.isOpen()) {
        QCoreApplication::processEvents();
        char buf[4096];
        const qint64 n = m_terminal.read(buf, sizeof buf);
        if (n > 0)
            out.append(buf, n);
        else
            QTest::qWait(5);
    }
    return out;
}
