// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/ReadingsOpener.h"

ReadingsOpener::ReadingsOpener(ReadingsStore& store, QObject* parent)
    : QObject(parent), m_store(store) {
    m_retry.setInterval(kRetryMs);
    connect(&m_retry, &QTimer::timeout, this, &ReadingsOpener::retry);
}

StoreResult ReadingsOpener::open() {
    if (m_store.isOpen()) return StoreResult::done();
    const StoreResult opened = m_store.open();
    if (opened.kind == StoreFailure::Busy) {
        if (!m_retry.isActive()) {
            m_retry.start();
            Q_EMIT locked();
        }
        return opened;
    }
    m_retry.stop();
    return opened;
}

void ReadingsOpener::retry() {
    const StoreResult opened = open();
    if (opened.kind == StoreFailure::Busy) return;
    if (opened)
        Q_EMIT this->opened();
    else
        Q_EMIT failed(opened);
}
