// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

#include "core/store/ReadingsStore.h"

/** @brief The downloads as the meter sent them, kept in the readings database's table
 *  Downloads beside the readings, so a set can be read again from its bytes. */
class DownloadLog {
public:
    /** @brief One download as the meter sent it. */
    struct RawDownload {
        qint64 id = 0;
        QDateTime timeUtc;
        QString device;
        QString request;  ///< the command sent ("D", "C", "S05")
        qint64 size = 0;
        QByteArray bytes;  ///< empty in lists
    };
    /** @brief Downloads kept: the newest of them. */
    static constexpr int kKept = 200;

    explicit DownloadLog(const ReadingsStore& store) : m_store(store) {}
    /** @brief Keeps @p download; the oldest beyond kKept go in the same transaction. */
    StoreResult keep(const RawDownload& download);
    /** @brief The downloads kept, oldest first, without their bytes. */
    QList<RawDownload> list() const;
    /** @brief Download @p id with its bytes; none when it is not kept. */
    std::optional<RawDownload> find(qint64 id) const;

private:
    const ReadingsStore& m_store;
};
