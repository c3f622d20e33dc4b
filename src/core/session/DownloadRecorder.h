// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

#include "core/store/ReadingsStore.h"

/** @brief Puts a download into the readings store: a set begins, its readings are stored one
 *  by one (each committed at once), and when it ends the positions past its last reading are
 *  cleared, so a set holds nothing of an earlier, longer download. */
class DownloadRecorder {
public:
    explicit DownloadRecorder(ReadingsStore& store) : m_store(store) {}

    /** @brief A new download: nothing stored yet. */
    void start() {
        m_stored = 0;
        m_storedAtGroup = 0;
        m_set = 0;
    }
    /** @brief Set @p set begins (the set before it ends first); 0 for a set number that could
     *  not be read, whose readings are counted but never written. */
    StoreResult beginSet(int set);
    /** @brief Stores @p text at @p position of the current set. A set or position the table does
     *  not have is skipped (done, nothing written). */
    StoreResult storeReading(int position, const QString& text);
    /** @brief The current set ends: its tail is cleared. Nothing to do outside a set. */
    StoreResult endSet();
    /** @brief The set ends without its tail being touched (a download cut short). */
    void abandonSet() { m_set = 0; }
    /** @brief The store's group of writes begins: what follows is committed together. */
    void startGroup() { m_storedAtGroup = m_stored; }
    /** @brief The store undid the group: its readings are not stored after all. */
    void undoGroup() { m_stored = m_storedAtGroup; }
    /** @brief Readings of this download written to the store. */
    int stored() const { return m_stored; }

private:
    ReadingsStore& m_store;
    int m_stored = 0;
    int m_storedAtGroup = 0;
    int m_set = 0;  ///< set whose readings are arriving, 0 none
    int m_lastPosition = 0;
};
