// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/session/DownloadRecorder.h"

#include <QDateTime>

StoreResult DownloadRecorder::beginSet(int set) {
    const StoreResult ended = endSet();
    m_set = Meter::isSet(set) ? set : 0;
    m_lastPosition = 0;
    if (m_set == 0) {
        m_summary.lostSets.append(m_summary.sets.isEmpty() ? 0 : m_summary.sets.last());
        return ended;
    }
    if (m_summary.sets.contains(m_set)) {
        // Sent again in the same download: this pass replaces what the earlier one stored, so
        // the account counts the readings the set holds at the end, not both passes.
        m_summary.stored -= m_summary.storedBySet.take(m_set);
        const auto ofSet = [this](const QPair<int, int>& at) { return at.first == m_set; };
        m_summary.unreadable.removeIf(ofSet);
        m_summary.formFaults.removeIf(ofSet);
    } else {
        m_summary.sets.append(m_set);
    }
    if (!ended) return ended;
    // The units line follows the header; until it comes, the set's units are not known. The
    // set is incomplete from now until its end of data: its old readings are being replaced.
    SetDetails details = m_store.details(m_set);
    details.downloadedUtc = QDateTime::currentDateTimeUtc();
    details.device = m_device;
    details.units.reset();
    details.unreadable = 0;
    details.complete = false;
    const StoreResult marked = m_store.setDetails(m_set, details);
    // Unmarked, the set must not take a reading: none is written before the mark is.
    if (!marked) m_set = 0;
    return marked;
}

void DownloadRecorder::countFlagsGoing(int set, int from) {
    for (int position = qMax(1, from); position <= m_store.rowCount(); ++position)
        if (!m_store.flag(set, position).isEmpty()) m_summary.flagsDropped.append({set, position});
}

StoreResult DownloadRecorder::storeReading(int position, const QString& text,
                                           const QString& formFault) {
    // A set outside 1..30 or a position the table does not have is counted, never written.
    if (m_set == 0 || position < 1) return StoreResult::done();
    if (position > m_store.rowCount()) {
        m_summary.countBeyond(m_set);
        return StoreResult::done();
    }
    const bool flagGoes =
        !m_store.flag(m_set, position).isEmpty() && m_store.reading(m_set, position) != text;
    const StoreResult written = m_store.writeReading(m_set, position, text, formFault);
    if (!written) return written;
    if (flagGoes) m_summary.flagsDropped.append({m_set, position});
    if (!formFault.isEmpty()) m_summary.formFaults.append({m_set, position});
    ++m_summary.stored;
    ++m_summary.storedBySet[m_set];
    m_lastPosition = position;
    return written;
}

StoreResult DownloadRecorder::skipUnreadable(int position) {
    if (m_set == 0 || position < 1) return StoreResult::done();
    if (position > m_store.rowCount()) {
        m_summary.countBeyond(m_set);
        return StoreResult::done();
    }
    // Whatever an earlier download left there is not this download's reading.
    const bool flagGoes = !m_store.flag(m_set, position).isEmpty();
    const StoreResult written = m_store.markUnreadable(m_set, position);
    if (!written) return written;
    if (flagGoes) m_summary.flagsDropped.append({m_set, position});
    m_summary.unreadable.append({m_set, position});
    m_lastPosition = position;
    return written;
}

StoreResult DownloadRecorder::endSet() { return finishSet(true); }
StoreResult DownloadRecorder::cutSet(bool write) { return finishSet(false, write); }

StoreResult DownloadRecorder::finishSet(bool whole, bool write) {
    const int set = m_set;
    m_set = 0;
    if (set == 0) return StoreResult::done();
    if (!write) {
        m_summary.incomplete.append({set, m_lastPosition});
        m_summary.incompleteLeftAlone = true;
        return StoreResult::done();
    }
    SetDetails details = m_store.details(set);
    details.complete = whole;
    details.unreadable = 0;
    for (const auto& unreadable : m_summary.unreadable)
        if (unreadable.first == set) ++details.unreadable;
    // The tail and the mark are one transaction (or go with the group in hand): a set is never
    // marked complete with an earlier download's readings after its last new one.
    const bool ownGroup = m_store.beginGroup();
    const auto finished = [&](StoreResult result) {
        if (ownGroup && result) result = m_store.endGroup();
        if (ownGroup && !result) m_store.cancelGroup();
        return result;
    };
    const int flagsBefore = static_cast<int>(m_summary.flagsDropped.size());
    countFlagsGoing(set, m_lastPosition + 1);
    StoreResult result = m_store.clearSet(set, m_lastPosition + 1);
    if (result) result = m_store.setDetails(set, details);
    result = finished(result);
    if (!result) m_summary.flagsDropped.resize(flagsBefore);
    if (!whole) {
        m_summary.incomplete.append({set, m_lastPosition});
        // The mark put on the set as it began stays; its tail still holds what it held.
        if (!result) m_summary.incompleteLeftAlone = true;
    }
    return result;
}
