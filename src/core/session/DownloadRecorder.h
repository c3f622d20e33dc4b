// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

#include "core/session/DownloadSummary.h"
#include "core/store/ReadingsStore.h"

/** @brief Puts a download into the readings store and counts what it did. A set begins, its
 *  readings are stored one by one, and when it ends (whole or cut short) the positions past its
 *  last reading are cleared, so a set never mixes two downloads. A set is marked incomplete as
 *  it begins, before its first new reading is committed, and complete again only in the
 *  transaction that clears its tail at its end of data: a kill or a full disk at any moment
 *  leaves no set holding two downloads marked complete. A flag stays on a position that
 *  receives the same reading again; the flags that go are counted. Each set's details record when,
 * from which device, how whole and with how many unreadable values it was downloaded; what the user
 * typed for it stays. */
class DownloadRecorder {
public:
    explicit DownloadRecorder(ReadingsStore& store) : m_store(store) {}

    /** @brief A new download from the meter on @p device: nothing stored yet. */
    void start(const QString& device = {}) {
        m_summary = DownloadSummary{};
        m_atGroup = {};
        m_set = 0;
        m_device = device;
    }
    /** @brief Set @p set begins (the set before it ends whole first); a set number outside
     *  1..30 (0 when it could not be read) is counted, and its readings are never written. */
    StoreResult beginSet(int set);
    /** @brief Stores @p text at @p position of the current set, flagged with @p formFault when
     *  the meter would not have sent it so (counted in the account). A set or position the
     *  table does not have is skipped (done, nothing written). */
    StoreResult storeReading(int position, const QString& text, const QString& formFault = {});
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
    void startGroup() { m_atGroup = {m_summary, m_set, m_lastPosition}; }
    /** @brief The store undid the group: nothing done in it happened, in the file or in the
     *  account (a set begun or ended in it, readings stored, flags dropped). */
    void undoGroup() {
        const int hit = m_set;
        m_summary = m_atGroup.summary;
        m_set = m_atGroup.set;
        m_lastPosition = m_atGroup.lastPosition;
        m_summary.failedSet = hit;
    }
    /** @brief The set whose readings are arriving; 0 between sets. */
    int currentSet() const { return m_set; }
    /** @brief The meter's device the download came from. */
    const QString& device() const { return m_device; }
    /** @brief Readings of this download written to the store. */
    int stored() const { return m_summary.stored; }
    DownloadSummary& summary() { return m_summary; }
    const DownloadSummary& summary() const { return m_summary; }

private:
    StoreResult finishSet(bool whole, bool write = true);

    ReadingsStore& m_store;
    /** @brief Counts the flags of @p set at positions @p from..128 as going with their readings. */
    void countFlagsGoing(int set, int from);

    DownloadSummary m_summary;
    struct Snapshot {
        DownloadSummary summary;
        int set = 0;
        int lastPosition = 0;
    } m_atGroup;    ///< the recorder as the store's open group found it
    int m_set = 0;  ///< set whose readings are arriving, 0 none
    int m_lastPosition = 0;
    QString m_device;
};
