// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QTemporaryDir>

class QProcess;

/** @brief Sends @p signal to @p process only while it runs with a real id: a process that has
 *  ended has id 0, and a signal to 0 would reach the whole process group, the test runner too.
 *  False when it was not sent. */
bool signalProcess(QProcess& process, int signal);

/** @brief A private home for one test: settings, data folder and runtime folder in a temporary
 *  folder, so no test touches a real user's files. */
class TestEnv {
public:
    TestEnv();
    QString root() const { return m_dir.path(); }
    QString dataFolder() const { return m_dir.path() + QStringLiteral("/data/Orvanta"); }
    QString portsFolder() const { return dataFolder() + QStringLiteral("/ports"); }
    QString database() const { return dataFolder() + QStringLiteral("/Readings.db"); }
    QString configFile() const {
        return m_dir.path() + QStringLiteral("/config/Orvanta/Orvanta.conf");
    }
    /** @brief Links ports/comN to @p target. */
    bool link(int number, const QString& target) const;
    /** @brief The process environment for a child program with these folders. */
    QStringList environment() const;

private:
    QTemporaryDir m_dir;
};
