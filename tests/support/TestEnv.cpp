// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestEnv.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <csignal>

TestEnv::TestEnv() {
    QDir(m_dir.path()).mkpath(QStringLiteral("config"));
    QDir(m_dir.path()).mkpath(QStringLiteral("data/Orvanta/ports"));
    QDir(m_dir.path()).mkpath(QStringLiteral("run"));
    QFile::setPermissions(m_dir.path() + QStringLiteral("/run"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_CONFIG_HOME", (m_dir.path() + QStringLiteral("/config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (m_dir.path() + QStringLiteral("/data")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", (m_dir.path() + QStringLiteral("/run")).toLocal8Bit());
    qputenv("XDG_CACHE_HOME", (m_dir.path() + QStringLiteral("/cache")).toLocal8Bit());
}

bool TestEnv::link(int number, const QString& target) const {
    return QFile::link(target, portsFolder() + QStringLiteral("/com") + QString::number(number));
}

QStringList TestEnv::environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.path() + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), m_dir.path() + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path() + QStringLiteral("/run"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), m_dir.path() + QStringLiteral("/cache"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return env.toStringList();
}

bool signalProcess(QProcess& process, int signal) {
    const qint64 id = process.processId();
    if (process.state() != QProcess::Running || id <= 0) return false;
    return ::kill(static_cast<pid_t>(id), signal) == 0;
}
