// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SingleInstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include "core/system/Process.h"

namespace {
const QByteArray kRaise = "raise\n";
const QByteArray kDone = "ok\n";
const QByteArray kOpen = "open ";

constexpr QFileDevice::Permissions kOwnerOnly =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;

bool ownedByThisUser(const QFileInfo& fi) { return fi.ownerId() == Process::userId().toUInt(); }

// A folder only this user may enter: nobody else can plant a lock or a socket in it. Made (mode
// 0700) when missing.
bool isPrivateFolder(const QString& dir) {
    if (dir.isEmpty()) return false;
    if (!QFileInfo::exists(dir) && QDir().mkpath(dir)) QFile::setPermissions(dir, kOwnerOnly);
    const QFileInfo fi(dir);
    return fi.isDir() && !fi.isSymLink() && ownedByThisUser(fi) &&
           (fi.permissions() & ~(kOwnerOnly | QFileDevice::ReadUser | QFileDevice::WriteUser |
                                 QFileDevice::ExeUser)) == 0;
}
}  // namespace

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : QObject(parent), m_name(std::move(serverName)), m_lock(m_name + QStringLiteral(".lock")) {
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = m_server.nextPendingConnection()) {
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            connect(s, &QLocalSocket::readyRead, this, [this, s] {
                if (!s->canReadLine()) return;
                const QByteArray line = s->readLine();
                if (line == kRaise || line.startsWith(kOpen)) {
                    Q_EMIT raiseRequested();
                    if (line.startsWith(kOpen))
                        Q_EMIT openRequested(QString::fromUtf8(line.mid(kOpen.size()).chopped(1)));
                    s->write(kDone);
                    s->flush();
                }
            });
        }
    });
}

QString SingleInstance::defaultName() {
    QString dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!isPrivateFolder(dir)) {
        if (!dir.isEmpty())
            qWarning(
                "%s is not a folder only this user may enter: the lock of the one running "
                "copy is kept in the cache folder instead.",
                qPrintable(dir));
        dir = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
              QStringLiteral("/Orvanta/run");
        if (!isPrivateFolder(dir)) return {};
    }
    return dir + QStringLiteral("/orvanta-") + Process::userId() + QStringLiteral(".sock");
}

bool SingleInstance::claim() {
    if (m_name.isEmpty()) return true;  // nowhere safe to keep the lock: every copy runs
    // A lock someone else made is never obeyed.
    const QFileInfo lock(m_name + QStringLiteral(".lock"));
    if (lock.exists() && !ownedByThisUser(lock)) {
        qWarning("Ignoring %s: it belongs to another user.", qPrintable(lock.filePath()));
        QFile::remove(lock.filePath());
    }
    m_lock.setStaleLockTime(0);  // a lock is stale only when its process is gone
    return m_lock.tryLock(0);
}

bool SingleInstance::activatePrevious(const QString& file, int timeoutMs) {
    const QFileInfo socket(m_name);
    if (socket.exists() && !ownedByThisUser(socket)) {
        qWarning("Ignoring %s: it belongs to another user.", qPrintable(m_name));
        return false;
    }
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        QLocalSocket s;
        s.connectToServer(m_name);
        if (s.waitForConnected(qMax<qint64>(1, deadline.remainingTime()))) {
            s.write(file.isEmpty() ? kRaise : kOpen + file.toUtf8() + '\n');
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
    if (m_name.isEmpty()) return false;
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    // Only the lock holder gets here, so a socket left behind is a crashed copy's.
    QLocalServer::removeServer(m_name);
    return m_server.listen(m_name);
}
