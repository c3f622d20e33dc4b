// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QTimer>
#include <optional>

#include "core/session/DownloadRecorder.h"
#include "core/session/DownloadSummary.h"
#include "core/store/DownloadLog.h"

class ReadingsStore;

/** @brief One download, from its request to its account: what it wrote and counted (its
 *  recorder and summary), its bytes as the meter sent them, the one set it asked for, the store
 *  failure that stopped it, and its two clocks (the meter stopped answering; an end of data with
 *  no set after it). A new request begins it afresh, so nothing of the last download is read by
 *  the next. The session decides what each event means; the download keeps its life. */
class Download : public QObject {
    Q_OBJECT
public:
    /** @brief How long a set may follow an end of data that came before any set. */
    static constexpr int kNoSetGraceMs = 1000;

    Download(ReadingsStore& store, int answerTimeoutMs, QObject* parent = nullptr);

    /** @brief A new request @p request to the meter known as @p meter; @p askedSet is the one set
     *  asked for (0: the meter's current set), none for every set. The meter's first byte is
     *  awaited from now. */
    void begin(const QString& request, const QString& meter, std::optional<int> askedSet);
    /** @brief Bytes of the download arrived: kept as received; the meter answers. */
    void took(const QByteArray& bytes);
    /** @brief The download ended (or its end is being decided): its clocks stop. */
    void stopClocks();
    /** @brief An end of data came before any set: a set may still follow, for a while. */
    void waitForSet() { m_noSet.start(); }
    void stopWaitingForSet() { m_noSet.stop(); }
    void setAnswerTimeout(int milliseconds) { m_answer.setInterval(milliseconds); }

    DownloadRecorder& recorder() { return m_recorder; }
    const DownloadSummary& summary() const { return m_recorder.summary(); }
    DownloadSummary& summary() { return m_recorder.summary(); }
    std::optional<int> askedSet() const { return m_askedSet; }
    /** @brief Why the store stopped the download, if it did. */
    const StoreResult& storeFailure() const { return m_storeFailure; }
    void setStoreFailure(const StoreResult& failure) { m_storeFailure = failure; }
    /** @brief Where the download stands after a value at @p position of @p set, the @p
     *  received-th of the download. */
    DownloadProgress progressAt(int set, int position, int received) const;
    /** @brief The bytes as received, to keep once the download has ended; none when it has no
     *  request or they were taken already. */
    std::optional<DownloadLog::RawDownload> takeRaw();

Q_SIGNALS:
    /** @brief The meter sent nothing for the answer timeout. */
    void meterSilent();
    /** @brief An end of data came and no set after it: the meter has none to send. */
    void noSetCame();

private:
    DownloadRecorder m_recorder;
    DownloadLog::RawDownload m_raw;
    std::optional<int> m_askedSet;
    StoreResult m_storeFailure;
    QTimer m_answer;
    QTimer m_noSet;
};
