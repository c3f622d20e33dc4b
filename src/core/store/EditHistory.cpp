// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/EditHistory.h"

EditHistory::EditHistory(ReadingsStore& store, QObject* parent) : QObject(parent), m_store(store) {
    connect(&m_store, &ReadingsStore::cellsChanged, this, &EditHistory::foreignChange);
    connect(&m_store, &ReadingsStore::detailsChanged, this, &EditHistory::foreignChange);
    // The file read again (opened, or written by another program): the steps no longer apply,
    // but the program itself changed nothing.
    connect(&m_store, &ReadingsStore::reloaded, this, [this] {
        if (m_applying) return;
        const bool clean = isClean();
        clear();
        if (clean) setClean();
    });
}

void EditHistory::foreignChange() {
    if (m_applying) return;
    clear();
}

void EditHistory::clear() {
    const bool was = m_steps.isEmpty() && m_clean == -1;
    ++m_generation;
    m_steps.clear();
    m_index = 0;
    m_clean = -1;
    if (!was) Q_EMIT changed();
}

void EditHistory::setClean() {
    if (m_clean == m_index) return;
    m_clean = m_index;
    Q_EMIT changed();
}

void EditHistory::setClean(const Mark& at) {
    if (at.generation != m_generation || at.index > m_steps.size() || m_clean == at.index ||
        (at.index > 0 && m_steps[at.index - 1].serial != at.lastStep))
        return;
    m_clean = at.index;
    Q_EMIT changed();
}

void EditHistory::push(Entry e) {
    m_steps.resize(m_index);
    // The clean state was among the steps just dropped: it can no longer be reached.
    if (m_clean > m_index) m_clean = -1;
    e.serial = ++m_serial;
    m_steps.append(std::move(e));
    ++m_index;
    Q_EMIT changed();
}

StoreResult EditHistory::setFlag(int set, int position, const QString& reason) {
    // What another program wrote is the flag this step starts from.
    m_store.refresh();
    Entry e;
    e.step = {reason.isEmpty() ? Step::Kind::Unflag : Step::Kind::Flag, set, position};
    e.readingText = m_store.reading(set, position);
    e.flagBefore = m_store.flag(set, position);
    e.flagAfter = reason;
    if (e.flagBefore == e.flagAfter && m_store.holdsReading(set, position))
        return StoreResult::done();
    const StoreResult written = apply(e, true);
    if (written) push(std::move(e));
    return written;
}

StoreResult EditHistory::setDetails(int set, const SetDetails& before, const SetDetails& after) {
    m_store.refresh();
    Entry e;
    e.step = {Step::Kind::Details, set, 0};
    e.before = m_store.details(set);
    e.after = SetDetails::merged(e.before, before, after);
    if (e.before == e.after) return StoreResult::done();
    const StoreResult written = apply(e, true);
    if (written) push(std::move(e));
    return written;
}

StoreResult EditHistory::apply(const Entry& e, bool forward) {
    const Step& s = e.step;
    StoreResult written = StoreResult::done();
    m_applying = true;
    if (s.kind == Step::Kind::Details) {
        // Only the fields this step changed are put back; the rest stay as they are now.
        const SetDetails& from = forward ? e.before : e.after;
        const SetDetails& to = forward ? e.after : e.before;
        written = m_store.setDetails(s.set, SetDetails::merged(m_store.details(s.set), from, to));
    } else {
        const QString& from = forward ? e.flagBefore : e.flagAfter;
        const QString& to = forward ? e.flagAfter : e.flagBefore;
        if (!m_store.holdsReading(s.set, s.position) ||
            m_store.reading(s.set, s.position) != e.readingText ||
            m_store.flag(s.set, s.position) != from)
            written = StoreResult::failed(
                StoreFailure::NoSuchCell,
                Reason::of(Why::ReadingChanged, s.position, s.set, e.readingText));
        else
            written = m_store.setFlag(s.set, s.position, to);
    }
    m_applying = false;
    return written;
}

StoreResult EditHistory::undo() {
    if (!canUndo()) return StoreResult::done();
    m_store.refresh();  // may end the history: another program changed the table
    if (!canUndo()) return StoreResult::done();
    const StoreResult written = apply(m_steps.at(m_index - 1), false);
    if (written.kind == StoreFailure::NoSuchCell) clear();
    if (!written) return written;
    --m_index;
    Q_EMIT changed();
    return written;
}

StoreResult EditHistory::redo() {
    if (!canRedo()) return StoreResult::done();
    m_store.refresh();
    if (!canRedo()) return StoreResult::done();
    const StoreResult written = apply(m_steps.at(m_index), true);
    if (written.kind == StoreFailure::NoSuchCell) clear();
    if (!written) return written;
    ++m_index;
    Q_EMIT changed();
    return written;
}
