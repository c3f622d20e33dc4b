// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/DownloadLog.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include "core/store/ReadingsFile.h"

StoreResult DownloadLog::keep(const RawDownload& download) {
    if (!m_store.isOpen())
        return StoreResult::failed(StoreFailure::Closed, Reason::of(Why::StoreNotOpen));
    QSqlDatabase db = QSqlDatabase::database(m_store.connectionName(), false);
    if (!db.transaction()) return ReadingsFile::refused(db.lastError());
    QSqlQuery q(db);
    q.prepare(QStringLiteral(
        "INSERT INTO Downloads (TimeUtc, Device, Request, Bytes) VALUES (?, ?, ?, ?)"));
    q.addBindValue(download.timeUtc.toUTC().toString(Qt::ISODateWithMs));
    q.addBindValue(download.device);
    q.addBindValue(download.request);
    q.addBindValue(download.bytes);
    QSqlError why;
    if (!q.exec() ||
        !ReadingsFile::run(
            q,
            QStringLiteral("DELETE FROM Downloads WHERE Id NOT IN (SELECT Id FROM Downloads "
                           "ORDER BY Id DESC LIMIT %1)")
                .arg(kKept),
            &why) ||
        !db.commit()) {
        if (!why.isValid()) why = q.lastError().isValid() ? q.lastError() : db.lastError();
        db.rollback();
        return ReadingsFile::refused(why);
    }
    return StoreResult::done();
}

QList<DownloadLog::RawDownload> DownloadLog::list() const {
    QList<RawDownload> out;
    if (!m_store.isOpen()) return out;
    QSqlQuery q(QSqlDatabase::database(m_store.connectionName(), false));
    if (!q.exec(QStringLiteral(
            "SELECT Id, TimeUtc, Device, Request, length(Bytes) FROM Downloads ORDER BY Id")))
        return out;
    while (q.next()) {
        RawDownload d;
        d.id = q.value(0).toLongLong();
        d.timeUtc = QDateTime::fromString(q.value(1).toString(), Qt::ISODateWithMs);
        d.device = q.value(2).toString();
        d.request = q.value(3).toString();
        d.size = q.value(4).toLongLong();
        out.append(d);
    }
    return out;
}

std::optional<DownloadLog::RawDownload> DownloadLog::find(qint64 id) const {
    if (!m_store.isOpen()) return std::nullopt;
    QSqlQuery q(QSqlDatabase::database(m_store.connectionName(), false));
    q.prepare(QStringLiteral("SELECT TimeUtc, Device, Request, Bytes FROM Downloads WHERE Id = ?"));
    q.addBindValue(id);
    if (!q.exec() || !q.next()) return std::nullopt;
    RawDownload d;
    d.id = id;
    d.timeUtc = QDateTime::fromString(q.value(0).toString(), Qt::ISODateWithMs);
    d.device = q.value(1).toString();
    d.request = q.value(2).toString();
    d.bytes = q.value(3).toByteArray();
    d.size = d.bytes.size();
    return d;
}
