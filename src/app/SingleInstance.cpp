// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SingleInstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include "core/system/Process.h"

namespace {
const QByteArray kRaise = "raise\n";
const QByteArray kDone = "ok\n";
}  // namespace

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : QObject(parent), m_name(std::move(serverName)), m_lock(m_name + QStringLiteral(".lock")) {
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = m_server.nextPendingConnection()) {
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            connect(s, &QLocalSocket::readyRead, this, [this, s] {
                if (!s->canReadLine()) return;
                if (s->readLine() == kRaise) {
                    Q_EMIT raiseRequested();
                    s->write(kDone);
                    s->flush();
                }
            });
        }
    });
}

QString SingleInstance::defaultName() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) dir = QDir::tempPath();
    return dir + QStringLiteral("/orvanta-") + Process::userId() + QStringLiteral(".sock");
}

bool SingleInstance::claim() {
    m_lock.setStaleLockTime(0);  // a lock is stale only when its process is gone
    return m_lock.tryLock(0);
}

bool SingleInstance::activatePrevious(int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        QLocalSocket s;
        s.connectToServer(m_name);
        if (s.waitForConnected(qMax<qint64>(1, deadline.remainingTime()))) {
            s.write(kRaise);
            if (!s.waitForBytesWritten(qMax<qint64>(1, deadline.remainingTime()))) return false;
            while (!s.canReadLine()) {
                if (!s.waitForReadyRead(qMax<qint64>(1, deadline.remainingTime()))) return false;
            }
            return s.readLine() == kDone;
        }
        QThread::msleep(50);  // the running copy may not be listening yet
    }
    return false;
}

bool SingleInstance::listen() {
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    // Only the lock holder gets here, so a socket left behind is a crashed copy's.
    QLocalServer::removeServer(m_name);
    return m_server.listen(m_name);
}
