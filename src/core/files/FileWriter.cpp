// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/FileWriter.h"

#include <QMutexLocker>

#include "core/files/FileCommands.h"

FileWriter::FileWriter(QObject* parent) : QObject(parent) {
    // One worker: two saves to one name land in the order they were asked.
    m_pool.setMaxThreadCount(1);
    m_pool.setExpiryTimeout(-1);
}

FileWriter::~FileWriter() { m_pool.waitForDone(); }

void FileWriter::write(const QString& path, const QByteArray& bytes, Done done) {
    auto job = std::make_shared<Job>();
    job->path = path;
    job->bytes = bytes;
    job->done = std::move(done);
    {
        QMutexLocker hold(&m_lock);
        m_jobs.push_back(job);
    }
    m_pool.start([this, job] {
        FileOutcome outcome = FileCommands::writeWhole(job->path, job->bytes);
        {
            QMutexLocker hold(&m_lock);
            job->outcome = std::move(outcome);
            job->written = true;
            job->bytes.clear();
        }
        QMetaObject::invokeMethod(this, &FileWriter::deliver, Qt::QueuedConnection);
    });
}

bool FileWriter::isWriting() const {
    QMutexLocker hold(&m_lock);
    return !m_jobs.empty();
}

void FileWriter::finish() {
    m_pool.waitForDone();
    deliver();
}

void FileWriter::deliver() {
    for (;;) {
        std::shared_ptr<Job> job;
        {
            QMutexLocker hold(&m_lock);
            if (m_jobs.empty() || !m_jobs.front()->written) return;
            job = m_jobs.front();
            m_jobs.pop_front();
        }
        // Called unlocked: a callback may ask for the next write.
        if (job->done) job->done(job->outcome);
    }
}
