// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

#include "core/session/DownloadSummary.h"
#include "core/store/ReadingsStore.h"

/** @brief Puts a download into the readings store and counts what it did. A set begins, its
 *  readings are stored one by one, and when it ends (whole or cut short) the positions past its
 *  last reading are cleared, so a set never mixes two downloads; a set cut short is marked
 *  incomplete until it is downloaded whole again. Each set's details record when, from which
 *  device, how whole and with how many unreadable values it was downloaded; what the user typed
 *  for it stays. */
class DownloadRecorder {
public:
    explicit DownloadRecorder(ReadingsStore& store) : m_store(store) {}

    /** @brief A new download from the meter on @p device: nothing stored yet. */
    void start(const QString& device = {}) {
        m_summary = DownloadSummary{};
        m_storedAtGroup = 0;
        m_set = 0;
        m_device = device;
    }
    /** @brief Set @p set begins (the set before it ends whole first); a set number outside
     *  1..30 (0 when it could not be read) is counted, and its readings are never written. */
    StoreResult beginSet(int set);
    /** @brief Stores @p text at @p position of the current set. A set or position the table does
     *  not have is skipped (done, nothing written). */
    StoreResult storeReading(int position, const QString& text);
    /** @brief A value that was not a number arrived for @p position: the position is cleared
     *  and counted, so the readings after it keep theirs. */
    StoreResult skipUnreadable(int position);
    /** @brief The current set reached its end of data: its tail is cleared and its incomplete
     *  mark removed. Nothing to do outside a set. */
    StoreResult endSet();
    /** @brief The download ended inside the current set: its tail is cleared all the same and
     *  the set is marked incomplete (only counted so when @p write is false: the store is held
     *  by another program). Nothing to do outside a set. */
    StoreResult cutSet(bool write = true);
    /** @brief The store's group of writes begins: what follows is committed together. */
    void startGroup() {
        m_storedAtGroup = m_summary.stored;
        m_lastPositionAtGroup = m_lastPosition;
    }
    /** @brief The store undid the group: its readings are not stored after all. */
    void undoGroup() {
        m_summary.stored = m_storedAtGroup;
        m_lastPosition = qMin(m_lastPosition, m_lastPositionAtGroup);
    }
    /** @brief The meter's device the download came from. */
    const QString& device() const { return m_device; }
    /** @brief Readings of this download written to the store. */
    int stored() const { return m_summary.stored; }
    DownloadSummary& summary() { return m_summary; }
    const DownloadSummary& summary() const { return m_summary; }

private:
    StoreResult finishSet(bool whole, bool write = true);

    ReadingsStore& m_store;
    DownloadSummary m_summary;
    int m_storedAtGroup = 0;
    int m_lastPositionAtGroup = 0;
    int m_set = 0;  ///< set whose readings are arriving, 0 none
    int m_lastPosition = 0;
    QString m_device;
};
