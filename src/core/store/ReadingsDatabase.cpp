// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/ReadingsDatabase.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include "core/compat/ErrorCodes.h"

namespace {
void exec(QSqlQuery& q, const QString& sql) {
    if (!q.exec(sql)) throw VbError(ErrorCode::DatabaseError, q.lastError().text());
}
}  // namespace

ReadingsDatabase::ReadingsDatabase(QString databasePath)
    : m_path(std::move(databasePath)),
      m_connection(QStringLiteral("Readings-") + QUuid::createUuid().toString(QUuid::WithoutBraces)) {}

ReadingsDatabase::~ReadingsDatabase() {
    if (rsSets.State() == Recordset::adStateOpen) {
        try {
            rsSets.Close();
        } catch (...) {
        }
    }
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

void ReadingsDatabase::openConnection() {
    QSqlDatabase db = QSqlDatabase::contains(m_connection)
                          ? QSqlDatabase::database(m_connection, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    if (db.isOpen()) return;
    const bool existed = QFileInfo::exists(m_path);
    db.setDatabaseName(m_path);
    // A lock held by another program is waited for briefly, never long enough to freeze the window.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    if (!db.open()) throw VbError(ErrorCode::DatabaseError, db.lastError().text());
    try {
        QSqlQuery q(db);
        // Every saved row is its own committed transaction; WAL keeps the file whole if the
        // program is killed halfway through a download.
        exec(q, QStringLiteral("PRAGMA journal_mode=WAL"));
        const bool inMemory = m_path == QLatin1String(":memory:");
        if (!inMemory &&
            (!q.next() || q.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0))
            throw VbError(ErrorCode::DatabaseError, QStringLiteral("The file cannot be written."));
        exec(q, QStringLiteral("PRAGMA synchronous=NORMAL"));
        exec(q, QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='table' AND name='Sets'"));
        const bool hasTable = q.next() && q.value(0).toInt() > 0;
        if (!hasTable) {
            if (existed && QFileInfo(m_path).size() > 0) {
                // A file that is not empty but has no table is not ours to rewrite.
                QSqlQuery check(db);
                exec(check, QStringLiteral("SELECT count(*) FROM sqlite_master"));
                if (check.next() && check.value(0).toInt() > 0)
                    throw VbError(ErrorCode::WrongSchema, QStringLiteral("The file holds no table Sets."));
            }
            if (!db.transaction()) throw VbError(ErrorCode::DatabaseError, db.lastError().text());
            QString create = QStringLiteral("CREATE TABLE Sets (\"Number\" INTEGER");
            for (int i = 1; i <= 30; ++i) create += QStringLiteral(", \"Set %1\" TEXT").arg(i);
            create += QLatin1Char(')');
            exec(q, create);
            QString insert = QStringLiteral("INSERT INTO Sets VALUES (?");
            for (int i = 1; i <= 30; ++i) insert += QStringLiteral(", ?");
            insert += QLatin1Char(')');
            QSqlQuery ins(db);
            ins.prepare(insert);
            for (int r = 1; r <= kRows; ++r) {
                ins.addBindValue(r);
                for (int i = 1; i <= 30; ++i) ins.addBindValue(kCleared);
                if (!ins.exec()) {
                    db.rollback();
                    throw VbError(ErrorCode::DatabaseError, ins.lastError().text());
                }
            }
            if (!db.commit()) throw VbError(ErrorCode::DatabaseError, db.lastError().text());
        }
        checkSchema(db);
        checkWritable(db);
        // The units each set was downloaded in, beside Sets (never in it, nor in data files).
        exec(q, QStringLiteral("CREATE TABLE IF NOT EXISTS SetUnits (SetNumber INTEGER PRIMARY KEY, UnitsCode INTEGER NOT NULL)"));
    } catch (...) {
        db.close();
        throw;
    }
}

void ReadingsDatabase::checkSchema(QSqlDatabase& db) {
    QSqlQuery q(db);
    exec(q, QStringLiteral("PRAGMA table_info(Sets)"));
    QStringList columns;
    while (q.next()) columns << q.value(1).toString();
    QStringList expected;
    for (int i = 0; i < Recordset::kFieldCount; ++i) expected << Recordset::FieldName(i);
    if (columns != expected)
        throw VbError(ErrorCode::WrongSchema,
                      QStringLiteral("The table Sets has the columns %1, not Number and Set 1 to Set 30.")
                          .arg(columns.join(QStringLiteral(", "))));
    exec(q, QStringLiteral("SELECT count(*) FROM Sets"));
    const int rows = q.next() ? q.value(0).toInt() : -1;
    if (rows != kRows)
        throw VbError(ErrorCode::WrongSchema, QStringLiteral("The table Sets has %1 rows, not %2.").arg(rows).arg(kRows));
}

void ReadingsDatabase::checkWritable(QSqlDatabase& db) {
    // A write that is rolled back: a file this user may only read, or one on a read-only disk,
    // is found now rather than when the first downloaded reading fails to save.
    if (m_path == QLatin1String(":memory:")) return;
    if (!db.transaction()) throw VbError(ErrorCode::DatabaseError, db.lastError().text());
    QSqlQuery q(db);
    const bool ok = q.exec(QStringLiteral("UPDATE Sets SET \"Number\" = \"Number\" WHERE rowid = "
                                          "(SELECT min(rowid) FROM Sets)"));
    const QString why = q.lastError().text();
    q.finish();
    db.rollback();
    if (!ok) throw VbError(ErrorCode::DatabaseError, QStringLiteral("The file cannot be written: %1").arg(why));
}

QString ReadingsDatabase::setAside() {
    if (rsSets.State() == Recordset::adStateOpen) {
        try {
            rsSets.Close();
        } catch (...) {
        }
    }
    if (QSqlDatabase::contains(m_connection)) QSqlDatabase::database(m_connection, false).close();
    const QString aside = m_path + QLatin1Char('.') + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (!QFile::rename(m_path, aside)) return QString();
    for (const char* suffix : {"-wal", "-shm"}) {
        const QString side = m_path + QLatin1String(suffix);
        if (QFileInfo::exists(side)) QFile::rename(side, aside + QLatin1String(suffix));
    }
    return aside;
}

void ReadingsDatabase::OpenSets() {
    openConnection();
    rsSets.Open(m_connection);
}

void ReadingsDatabase::holdExclusively() {
    QSqlDatabase db = QSqlDatabase::database(m_connection);
    QSqlQuery q(db);
    exec(q, QStringLiteral("PRAGMA locking_mode=EXCLUSIVE"));
    // The lock is taken by the next write, so take it now: a program holding the file is found
    // before the meter is asked for anything.
    exec(q, QStringLiteral("BEGIN IMMEDIATE"));
    exec(q, QStringLiteral("COMMIT"));
}

void ReadingsDatabase::setSetUnits(int set, int unitsCode) {
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO SetUnits (SetNumber, UnitsCode) VALUES (?, ?)"));
    q.addBindValue(set);
    q.addBindValue(unitsCode);
    if (!q.exec()) throw VbError(ErrorCode::DatabaseError, q.lastError().text());
}

void ReadingsDatabase::clearSetUnits() {
    QSqlQuery q(QSqlDatabase::database(m_connection));
    if (!q.exec(QStringLiteral("DELETE FROM SetUnits"))) throw VbError(ErrorCode::DatabaseError, q.lastError().text());
}

std::optional<int> ReadingsDatabase::setUnits(int set) const {
    if (!QSqlDatabase::contains(m_connection)) return std::nullopt;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.prepare(QStringLiteral("SELECT UnitsCode FROM SetUnits WHERE SetNumber = ?"));
    q.addBindValue(set);
    if (!q.exec() || !q.next()) return std::nullopt;
    return q.value(0).toInt();
}
