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
    if (!m_summary.sets.contains(m_set)) m_summary.sets.append(m_set);
    if (!ended) return ended;
    // The units line follows the header; until it comes, the set's units are not known.
    SetDetails details = m_store.details(m_set);
    details.downloadedUtc = QDateTime::currentDateTimeUtc();
    details.device = m_device;
    details.units.reset();
    details.unreadable = 0;
    return m_store.setDetails(m_set, details);
}

StoreResult DownloadRecorder::storeReading(int position, const QString& text) {
    // A set outside 1..30 or a position the table does not have is counted, never written.
    if (m_set == 0 || position < 1) return StoreResult::done();
    if (position > m_store.rowCount()) {
        m_summary.countBeyond(m_set);
        return StoreResult::done();
    }
    const StoreResult written = m_store.writeReading(m_set, position, text);
    if (!written) return written;
    ++m_summary.stored;
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
    const StoreResult written = m_store.markUnreadable(m_set, position);
    if (!written) return written;
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
    if (whole) {
        const StoreResult cleared = m_store.clearSet(set, m_lastPosition + 1);
        if (!cleared) return cleared;
        return m_store.setDetails(set, details);
    }
    // Marked first: should the clearing fail, the mark still tells the set is not whole.
    m_summary.incomplete.append({set, m_lastPosition});
    const StoreResult marked = m_store.setDetails(set, details);
    const StoreResult cleared = m_store.clearSet(set, m_lastPosition + 1);
    return marked ? cleared : marked;
}
