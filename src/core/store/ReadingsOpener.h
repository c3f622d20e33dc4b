// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QTimer>

#include "core/store/ReadingsStore.h"

/** @brief Opens the readings database for a program, and waits for it while another program
 *  (a command-line download, say) holds it locked: tried again every second until it opens or
 *  fails for another reason. Nothing is asked or told here: each program words the outcome. */
class ReadingsOpener : public QObject {
    Q_OBJECT
public:
    explicit ReadingsOpener(ReadingsStore& store, QObject* parent = nullptr);

    /** @brief Opens the database unless it is open. A lock another program holds is waited
     *  for (locked(), then opened() or failed()); the result is Busy meanwhile. */
    StoreResult open();
    /** @brief The database is locked by another program and is being waited for. */
    bool isWaiting() const { return m_retry.isActive(); }
    /** @brief Stops waiting. */
    void stop() { m_retry.stop(); }
    ReadingsStore& store() { return m_store; }

    static constexpr int kRetryMs = 1000;

Q_SIGNALS:
    /** @brief The database is locked by another program: it is tried again. */
    void locked();
    /** @brief The database, waited for, is open. */
    void opened();
    /** @brief The database, waited for, could not be opened: @p why says why. */
    void failed(const StoreResult& why);

private:
    void retry();

    ReadingsStore& m_store;
    QTimer m_retry;
};
