// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/session/Download.h"

#include <QDateTime>

Download::Download(ReadingsStore& store, int answerTimeoutMs, QObject* parent)
    : QObject(parent), m_recorder(store) {
    m_answer.setSingleShot(true);
    m_answer.setInterval(answerTimeoutMs);
    connect(&m_answer, &QTimer::timeout, this, &Download::meterSilent);
    m_noSet.setSingleShot(true);
    m_noSet.setInterval(kNoSetGraceMs);
    connect(&m_noSet, &QTimer::timeout, this, &Download::noSetCame);
}

void Download::begin(const QString& request, const QString& meter, std::optional<int> askedSet) {
    m_askedSet = askedSet;
    m_raw = {};
    m_raw.timeUtc = QDateTime::currentDateTimeUtc();
    m_raw.request = request;
    m_recorder.start(meter);
    m_storeFailure = StoreResult::done();
    m_noSet.stop();
    m_answer.start();
}

void Download::took(const QByteArray& bytes) {
    m_answer.start();
    m_raw.bytes += bytes;
}

void Download::stopClocks() {
    m_answer.stop();
    m_noSet.stop();
}

DownloadProgress Download::progressAt(int set, int position, int received) const {
    DownloadProgress at;
    at.set = set;
    at.position = position;
    at.received = received;
    at.stored = m_recorder.summary().stored;
    at.setsBegun = static_cast<int>(m_recorder.summary().sets.size());
    return at;
}

std::optional<DownloadLog::RawDownload> Download::takeRaw() {
    if (m_raw.timeUtc.isNull()) return std::nullopt;
    DownloadLog::RawDownload raw = std::move(m_raw);
    raw.device = m_recorder.device();
    m_raw = {};
    return raw;
}
