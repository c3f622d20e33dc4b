// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

/** @brief Only one copy of the program runs per user. A lock file in a folder only this user may
 *  enter (the runtime folder, else one in the user's cache) decides which copy runs; a later
 *  copy asks the running one, over a local socket, to come to the front and then ends. A lock or
 *  socket another user made is ignored with a warning. */
class SingleInstance : public QObject {
    Q_OBJECT
public:
    /** @brief @p serverName is the per-user socket name (a path in the runtime folder); the lock
     *  file is beside it. */
    explicit SingleInstance(QString serverName, QObject* parent = nullptr);
    /** @brief The default per-user name; empty when no private folder can be had (every copy
     *  then runs). */
    static QString defaultName();

    /** @brief Takes the lock: true for the copy that is to run. A lock left by a copy that ended
     *  without removing it is taken over. */
    bool claim();
    /** @brief Asks the running copy to raise its main window, waiting up to @p timeoutMs for it
     *  to answer (it may still be starting). True when it did. */
    bool activatePrevious(const QString& file = QString(), int timeoutMs = 3000);
    /** @brief Starts answering later copies; only the copy holding the lock calls this. */
    bool listen();

Q_SIGNALS:
    /** @brief Another copy asked this one to come to the front. */
    void raiseRequested();
    /** @brief Another copy was started with a file to open. */
    void openRequested(const QString& path);

private:
    QString m_name;
    QLockFile m_lock;
    QLocalServer m_server;
};
