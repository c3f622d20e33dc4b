#include "DataEnvironment.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include "ErrorCodes.h"

namespace {
void exec(QSqlQuery& q, const QString& sql) {
    if (!q.exec(sql)) throw VbError(ErrorCode::DatabaseError, q.lastError().text());
}
}  // namespace

DataEnvironment::DataEnvironment(QString databasePath)
    : m_path(std::move(databasePath)),
      m_connection(QStringLiteral("Readings-") + QUuid::createUuid().toString(QUuid::WithoutBraces)) {}

DataEnvironment::~DataEnvironment() {
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

void DataEnvironment::openConnection() {
    QSqlDatabase db = QSqlDatabase::contains(m_connection)
                          ? QSqlDatabase::database(m_connection, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    if (db.isOpen()) return;
    const bool existed = QFileInfo::exists(m_path);
    db.setDatabaseName(m_path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
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
                    throw VbError(ErrorCode::DatabaseError, QStringLiteral("The file holds no table Sets."));
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
    } catch (...) {
        db.close();
        throw;
    }
}

void DataEnvironment::OpenSets() {
    openConnection();
    rsSets.Open(m_connection);
}
