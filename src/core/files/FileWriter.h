// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <deque>
#include <functional>
#include <memory>

#include "core/common/FileOutcome.h"

/** @brief Writes whole files away from the interface thread: the bytes are built by the caller,
 *  and the writing and the disk's sync happen on a worker, one file after another in the order
 *  asked. Each outcome is handed to its callback on this object's thread, in the same order. */
class FileWriter : public QObject {
    Q_OBJECT
public:
    using Done = std::function<void(const FileOutcome&)>;

    explicit FileWriter(QObject* parent = nullptr);
    /** @brief Waits for the writes under way; their callbacks are not called. */
    ~FileWriter() override;

    /** @brief Replaces @p path with @p bytes, whole or not at all (FileCommands::writeWhole),
     *  then calls @p done with how it went. */
    void write(const QString& path, const QByteArray& bytes, Done done);
    /** @brief A write is under way or its outcome not yet handed over. */
    bool isWriting() const;
    /** @brief Waits for every write asked for and hands each outcome over now, in order. */
    void finish();

private:
    struct Job {
        QString path;
        QByteArray bytes;
        Done done;
        bool written = false;
        FileOutcome outcome = FileOutcome::done();
    };
    /** @brief Hands over the outcomes of the writes that ended, oldest first. */
    void deliver();

    QThreadPool m_pool;
    mutable QMutex m_lock;
    std::deque<std::shared_ptr<Job>> m_jobs;  ///< asked for and not yet handed over
};
