#include "SingleInstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <unistd.h>

namespace {
const QByteArray kRaise = "raise\n";
const QByteArray kDone = "ok\n";
}  // namespace

SingleInstance::SingleInstance(QString serverName, QObject* parent) : QObject(parent), m_name(std::move(serverName)) {
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
    return dir + QStringLiteral("/orvanta-") + QString::number(::getuid()) + QStringLiteral(".sock");
}

SingleInstance::Previous SingleInstance::activatePrevious(int timeoutMs) {
    QLocalSocket s;
    s.connectToServer(m_name);
    if (!s.waitForConnected(timeoutMs)) return Previous::None;
    s.write(kRaise);
    if (!s.waitForBytesWritten(timeoutMs)) return Previous::NoAnswer;
    while (!s.canReadLine()) {
        if (!s.waitForReadyRead(timeoutMs)) return Previous::NoAnswer;
    }
    return s.readLine() == kDone ? Previous::Raised : Previous::NoAnswer;
}

bool SingleInstance::listen() {
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    if (m_server.listen(m_name)) return true;
    // A copy that crashed leaves its socket behind; nobody answered on it, so take it over.
    QLocalServer::removeServer(m_name);
    return m_server.listen(m_name);
}
