// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/session/DownloadRecorder.h"

StoreResult DownloadRecorder::beginSet(int set) {
    const StoreResult ended = endSet();
    m_set = Meter::isSet(set) ? set : 0;
    m_lastPosition = 0;
    return ended;
}

StoreResult DownloadRecorder::storeReading(int position, const QString& text) {
    // A set outside 1..30 or a position the table does not have is counted, never written.
    if (m_set == 0 || position < 1 || position > m_store.rowCount()) return StoreResult::done();
    const StoreResult written = m_store.writeReading(m_set, position, text);
    if (!written) return written;
    ++m_stored;
    m_lastPosition = position;
    return written;
}

StoreResult DownloadRecorder::endSet() {
    const int set = m_set;
    m_set = 0;
    if (set == 0) return StoreResult::done();
    return m_store.clearSet(set, m_lastPosition + 1);
}
