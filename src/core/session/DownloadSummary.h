// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QCoreApplication>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>

#include "core/store/ReadingsStore.h"

/** @brief How a download ended. */
enum class DownloadEnd {
    Running,         ///< not ended yet
    Whole,           ///< the meter's end of data arrived
    Cancelled,       ///< the user (or the CLI's Ctrl+C) stopped it
    ConnectionLost,  ///< the meter's link went away
    PortChanged,     ///< the port was opened again (the port dialog, say)
    StoreFailed,     ///< a reading could not be stored
    NoAnswer,        ///< the meter sent nothing for too long
    NewRequest       ///< another request replaced it
};

/** @brief Where a download stands after a value: what its progress shows. */
struct DownloadProgress {
    int set = 0;        ///< the set the value came in (0: one whose number could not be read)
    int position = 0;   ///< its position there
    int received = 0;   ///< values of the download so far
    int stored = 0;     ///< readings stored so far
    int setsBegun = 0;  ///< sets of the download begun so far, this one included
};

/** @brief What one download did, counted as it went: what the user is told at its end. */
struct DownloadSummary {
    Q_DECLARE_TR_FUNCTIONS(DownloadSummary)

public:
    DownloadEnd end = DownloadEnd::Running;
    int stored = 0;              ///< readings written to the readings database
    QMap<int, int> storedBySet;  ///< of them, those of each set
    QList<int> sets;             ///< sets received (whole or not), in order
    /** @brief (set, last position received) of sets cut short: their tail was cleared and the
     *  set marked incomplete. */
    QList<QPair<int, int>> incomplete;
    /** @brief The store was held by another program: the sets cut short could be neither
     *  cleared nor marked, and hold the earlier readings after their last new one. */
    bool incompleteLeftAlone = false;
    QList<QPair<int, int>> unreadable;  ///< (set, position) of values that were not numbers
    /** @brief For each set header whose number could not be read (its values were dropped), the
     *  set received before it (0 for none). */
    QList<int> lostSets;
    /** @brief Sets the meter sent that were not asked for (another set in answer to a one-set
     *  request): not stored, in the order they came. */
    QList<int> unasked;
    /** @brief (set, values) the meter sent past the set's last position: not stored. */
    QList<QPair<int, int>> beyond;
    /** @brief (set, position) of flags that went: the position received another reading, an
     *  unreadable value, or was cleared past the set's last reading. A position that received
     *  the same reading again keeps its flag. */
    QList<QPair<int, int>> flagsDropped;
    /** @brief (set, position) of values not in the meter's form (DownloadValue::formFault):
     *  stored as received, flagged with the reason. */
    QList<QPair<int, int>> formFaults;
    /** @brief For StoreFailed, the set being received when the failure hit (0 between sets):
     *  marked incomplete when it is among sets, else its download was taken back whole. */
    int failedSet = 0;
    Reason failure;                                 ///< the store's reason, for StoreFailed
    StoreFailure failureKind = StoreFailure::None;  ///< what kind of refusal, for StoreFailed
    int portNumber = 0;  ///< the meter's port, for NoAnswer and ConnectionLost
    QString portDevice;  ///< its device, for NoAnswer and ConnectionLost

    /** @brief Something went wrong that the user did not ask for: they get a message. (A
     *  Cancel or a new request between sets is their own doing, and says so in the status bar.) */
    bool troubled() const {
        return !incomplete.isEmpty() || !unreadable.isEmpty() || !lostSets.isEmpty() ||
               !unasked.isEmpty() || !beyond.isEmpty() || !flagsDropped.isEmpty() ||
               !formFaults.isEmpty() || noSet() || end == DownloadEnd::ConnectionLost ||
               end == DownloadEnd::PortChanged || end == DownloadEnd::StoreFailed ||
               end == DownloadEnd::NoAnswer;
    }
    /** @brief The meter's end of data came, and no set the download could take came before
     *  it: nothing was downloaded, which is never a complete download. */
    bool noSet() const { return end == DownloadEnd::Whole && sets.isEmpty(); }
    /** @brief Everything asked for arrived whole. */
    bool whole() const { return end == DownloadEnd::Whole && !troubled(); }
    /** @brief A set header came: a set taken, one not asked for, or one whose number could not
     *  be read. */
    bool headerCame() const { return !sets.isEmpty() || !unasked.isEmpty() || !lostSets.isEmpty(); }
    /** @brief A value of this download is in the readings database. */
    bool storedAny() const { return stored > 0 || !unreadable.isEmpty(); }
    /** @brief Counts a value past the last position of @p set. */
    void countBeyond(int set) {
        if (!beyond.isEmpty() && beyond.last().first == set)
            ++beyond.last().second;
        else
            beyond.append({set, 1});
    }
    /** @brief One line for the status bar: how it ended, the sets and the readings stored. */
    QString statusLine() const;
    /** @brief The whole account: the status line, then each thing that went wrong with the sets
     *  and positions concerned. */
    QString report() const;

private:
    /** @brief "set 4 position 2, set 4 position 9 and 3 more": the first twenty, then a count. */
    static QString positionList(const QList<QPair<int, int>>& positions);
};
