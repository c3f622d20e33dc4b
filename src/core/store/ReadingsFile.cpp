// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/ReadingsFile.h"

#include <sqlite3.h>

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <cstring>

namespace ReadingsFile {

namespace {
// Every download's bytes as received, with when, from where and what was asked.
const QString kCreateDownloads = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS Downloads (Id INTEGER PRIMARY KEY AUTOINCREMENT, TimeUtc TEXT NOT "
    "NULL, Device TEXT, Request TEXT, Bytes BLOB NOT NULL)");
}  // namespace

StoreResult refused(const Reason& why) { return StoreResult::failed(StoreFailure::Refused, why); }
Reason reasonOf(const QSqlError& error) {
    switch (error.nativeErrorCode().toInt() & 0xFF) {  // the primary result code
        case SQLITE_FULL:
            return Reason::of(Why::DiskFull);
        case SQLITE_READONLY:
            return Reason::of(Why::ReadOnly);
        case SQLITE_PERM:
        case SQLITE_AUTH:
            return Reason::of(Why::NotPermitted);
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
            return Reason::of(Why::Damaged);
        case SQLITE_IOERR:
            return Reason::of(Why::InputOutput);
        case SQLITE_CANTOPEN:
            return Reason::of(Why::CannotOpen);
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return Reason::of(Why::InUse);
        case SQLITE_NOMEM:
            return Reason::of(Why::OutOfMemory);
        default:
            break;
    }
    const QString words = error.databaseText().trimmed().isEmpty() ? error.text().trimmed()
                                                                   : error.databaseText().trimmed();
    return Reason::of(Why::DatabaseSaid, words.isEmpty() ? error.nativeErrorCode() : words);
}
StoreResult refused(const QSqlError& error) {
    if (stoppedForTime(error)) return tooLong();
    const Reason why = reasonOf(error);
    return StoreResult::failed(why.why == Why::InUse ? StoreFailure::Busy : StoreFailure::Refused,
                               why);
}
StoreResult foreign(const Reason& why) { return StoreResult::failed(StoreFailure::Foreign, why); }

const QStringList& detailColumns() {
    static const QStringList columns{
        QStringLiteral("SetNumber"),     QStringLiteral("Site"),      QStringLiteral("DepthM"),
        QStringLiteral("SpacingM"),      QStringLiteral("Latitude"),  QStringLiteral("Longitude"),
        QStringLiteral("ElevationM"),    QStringLiteral("Operator"),  QStringLiteral("Notes"),
        QStringLiteral("DownloadedUtc"), QStringLiteral("Device"),    QStringLiteral("Units"),
        QStringLiteral("Complete"),      QStringLiteral("Unreadable")};
    return columns;
}

const QString kCreateDetails = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS SetDetails (SetNumber INTEGER PRIMARY KEY CHECK (SetNumber "
    "BETWEEN 1 AND 30), Site TEXT, DepthM REAL, SpacingM REAL, Latitude REAL, Longitude REAL, "
    "ElevationM REAL, Operator TEXT, Notes TEXT, DownloadedUtc TEXT, Device TEXT, Units TEXT "
    "CHECK (Units IN ('SI', 'CGS')), Complete INTEGER NOT NULL DEFAULT 1, Unreadable INTEGER NOT "
    "NULL DEFAULT 0)");

// The positions whose text alone would mislead: a cleared text that holds a reading (the meter
// sent 0.000000) or an unreadable value, and flagged readings with their reasons. Every other
// position is what its text says.
const QString kCreatePositions = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS Positions (SetNumber INTEGER NOT NULL CHECK (SetNumber BETWEEN 1 "
    "AND 30), Position INTEGER NOT NULL CHECK (Position BETWEEN 1 AND 128), Held TEXT NOT NULL "
    "CHECK (Held IN ('reading', 'unreadable')), Flag TEXT, PRIMARY KEY (SetNumber, Position)) "
    "WITHOUT ROWID");
// Where readings were taken, each a GPS fix current when it was stored. Made with the first
// such reading, when the file also takes layout 3: a file without one keeps its layout, and
// every earlier version still reads it.
const QString kCreatePlaces = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS ReadingPlaces (SetNumber INTEGER NOT NULL CHECK (SetNumber "
    "BETWEEN 1 AND 30), Position INTEGER NOT NULL CHECK (Position BETWEEN 1 AND 128), Latitude "
    "REAL NOT NULL CHECK (Latitude BETWEEN -90 AND 90), Longitude REAL NOT NULL CHECK (Longitude "
    "BETWEEN -180 AND 180), ElevationM REAL, FixUtc TEXT, PRIMARY KEY (SetNumber, Position)) "
    "WITHOUT ROWID");
const QStringList kPlaceColumns{QStringLiteral("SetNumber"),  QStringLiteral("Position"),
                                QStringLiteral("Latitude"),   QStringLiteral("Longitude"),
                                QStringLiteral("ElevationM"), QStringLiteral("FixUtc")};

const QStringList kPositionColumns{QStringLiteral("SetNumber"), QStringLiteral("Position"),
                                   QStringLiteral("Held"), QStringLiteral("Flag")};

bool run(QSqlQuery& q, const QString& sql, QSqlError* why) {
    if (q.exec(sql)) return true;
    *why = q.lastError();
    return false;
}

namespace {
StoreResult upgrade(const QString& connection, int from) {
    // One transaction: a database is in the old layout or the new, never between.
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    if (!db.transaction()) return refused(db.lastError());
    QSqlQuery q(db);
    QSqlError why;
    const auto failed = [&] {
        if (!why.isValid()) why = db.lastError();
        db.rollback();
        return refused(why);
    };
    if (!run(q, kCreateDetails, &why) || !run(q, kCreatePositions, &why)) return failed();
    if (from < 1) {
        // The layout before set details kept units and incomplete marks in tables of their own.
        if (!run(q, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"), &why))
            return failed();
        QStringList tables;
        while (q.next()) tables << q.value(0).toString();
        q.finish();
        if (tables.contains(QLatin1String("SetUnits")) &&
            (!run(q,
                  QStringLiteral("INSERT OR IGNORE INTO SetDetails (SetNumber) SELECT SetNumber "
                                 "FROM SetUnits WHERE SetNumber BETWEEN 1 AND 30"),
                  &why) ||
             !run(q,
                  QStringLiteral("UPDATE SetDetails SET Units = (SELECT CASE UnitsCode WHEN 2 "
                                 "THEN 'CGS' ELSE 'SI' END FROM SetUnits WHERE SetUnits.SetNumber "
                                 "= SetDetails.SetNumber)"),
                  &why) ||
             !run(q, QStringLiteral("DROP TABLE SetUnits"), &why)))
            return failed();
        if (tables.contains(QLatin1String("IncompleteSets")) &&
            (!run(q,
                  QStringLiteral("INSERT OR IGNORE INTO SetDetails (SetNumber) SELECT SetNumber "
                                 "FROM IncompleteSets WHERE SetNumber BETWEEN 1 AND 30"),
                  &why) ||
             !run(q,
                  QStringLiteral("UPDATE SetDetails SET Complete = 0 WHERE SetNumber IN (SELECT "
                                 "SetNumber FROM IncompleteSets)"),
                  &why) ||
             !run(q, QStringLiteral("DROP TABLE IncompleteSets"), &why)))
            return failed();
    }
    if (!run(q, QStringLiteral("PRAGMA application_id = %1").arg(ReadingsStore::kApplicationId),
             &why) ||
        !run(q, QStringLiteral("PRAGMA user_version = %1").arg(ReadingsStore::kSchemaVersion),
             &why))
        return failed();
    if (!db.commit()) return failed();
    return StoreResult::done();
}

// The columns of @p table are @p expected, in order: a table of another layout is not ours.
StoreResult checkColumns(const QString& connection, const QString& table,
                         const QStringList& expected) {
    QSqlQuery q(QSqlDatabase::database(connection, false));
    QSqlError why;
    if (!run(q, QStringLiteral("PRAGMA table_info(%1)").arg(table), &why)) return refused(why);
    QStringList columns;
    while (q.next()) columns << q.value(1).toString();
    if (columns != expected)
        return foreign(Reason::of(Why::TableColumns, table, columns.join(QStringLiteral(", ")),
                                  expected.join(QStringLiteral(", "))));
    return StoreResult::done();
}

}  // namespace

bool hasPlaces(const QString& connection) {
    QSqlQuery q(QSqlDatabase::database(connection, false));
    QSqlError why;
    return run(q,
               QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = "
                              "'ReadingPlaces'"),
               &why) &&
           q.next() && q.value(0).toInt() > 0;
}

bool makePlaces(const QString& connection, QSqlError* why) {
    QSqlQuery q(QSqlDatabase::database(connection, false));
    return run(q, kCreatePlaces, why) &&
           run(q, QStringLiteral("PRAGMA user_version = %1").arg(ReadingsStore::kPlacesVersion),
               why);
}

namespace {
StoreResult checkPlacesSchema(const QString& connection) {
    if (!hasPlaces(connection)) return StoreResult::done();
    return checkColumns(connection, QStringLiteral("ReadingPlaces"), kPlaceColumns);
}

StoreResult createTable(const QString& connection) {
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    if (!db.transaction()) return refused(db.lastError());
    QString create = QStringLiteral("CREATE TABLE Sets (\"Number\" INTEGER");
    for (int i = 1; i <= Meter::kSets; ++i) create += QStringLiteral(", \"Set %1\" TEXT").arg(i);
    create += QLatin1Char(')');
    QSqlQuery q(db);
    QSqlError why;
    if (!run(q, create, &why)) {
        db.rollback();
        return refused(why);
    }
    QString insert = QStringLiteral("INSERT INTO Sets VALUES (?");
    for (int i = 1; i <= Meter::kSets; ++i) insert += QStringLiteral(", ?");
    insert += QLatin1Char(')');
    QSqlQuery ins(db);
    ins.prepare(insert);
    for (int r = 1; r <= Meter::kPositions; ++r) {
        ins.addBindValue(r);
        for (int i = 1; i <= Meter::kSets; ++i) ins.addBindValue(Meter::kClearedReading);
        if (!ins.exec()) {
            why = ins.lastError();
            db.rollback();
            return refused(why);
        }
    }
    if (!db.commit()) return refused(db.lastError());
    return StoreResult::done();
}

StoreResult checkSchema(const QString& connection) {
    QSqlQuery q(QSqlDatabase::database(connection, false));
    QSqlError why;
    if (!run(q, QStringLiteral("PRAGMA table_info(Sets)"), &why)) return refused(why);
    QStringList columns;
    QStringList untyped;  // columns whose type would change a reading's text
    while (q.next()) {
        const QString name = q.value(1).toString();
        columns << name;
        const QString type = q.value(2).toString();
        const QString wanted = name == ReadingsStore::columnName(0) ? QStringLiteral("INTEGER")
                                                                    : QStringLiteral("TEXT");
        if (type.compare(wanted, Qt::CaseInsensitive) != 0)
            untyped << name + QLatin1Char(' ') + type;
    }
    QStringList expected;
    for (int i = 0; i < ReadingsStore::kColumns; ++i) expected << ReadingsStore::columnName(i);
    if (columns != expected)
        return foreign(Reason::of(Why::SetsColumns, columns.join(QStringLiteral(", "))));
    // A numeric column stores "0.001230" as 0.00123: readings are kept as the meter sent them.
    if (!untyped.isEmpty())
        return foreign(Reason::of(Why::SetsColumnTypes, untyped.join(QStringLiteral(", "))));
    // A trigger could rewrite every reading the program stores.
    if (!run(q,
             QStringLiteral(
                 "SELECT name FROM sqlite_master WHERE type = 'trigger' AND "
                 "tbl_name IN ('Sets', 'SetDetails', 'Positions', 'SetUnits', 'IncompleteSets')"),
             &why))
        return refused(why);
    if (q.next())
        return foreign(
            Reason::of(Why::HoldsTrigger, q.value(0).toString(), QStringLiteral("Sets")));
    if (!run(q, QStringLiteral("SELECT count(*) FROM Sets"), &why)) return refused(why);
    const int rows = q.next() ? q.value(0).toInt() : -1;
    if (rows != Meter::kPositions)
        return foreign(Reason::of(Why::SetsRows, rows, Meter::kPositions));
    return StoreResult::done();
}

StoreResult checkWritable(const QString& connection, const QString& path) {
    // A write that is rolled back: a file this user may only read, or one on a read-only disk,
    // is found now rather than when the first downloaded reading fails to save.
    if (path == QLatin1String(":memory:")) return StoreResult::done();
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    if (!db.transaction()) return refused(db.lastError());
    QSqlQuery q(db);
    const bool ok =
        q.exec(QStringLiteral("UPDATE Sets SET \"Number\" = \"Number\" WHERE rowid = "
                              "(SELECT min(rowid) FROM Sets)"));
    const QSqlError why = q.lastError();
    q.finish();
    db.rollback();
    if (!ok) {
        StoreResult failed = refused(why);
        failed.reason = Reason::of(Why::FileNotWritable).because(failed.reason);
        return failed;
    }
    return StoreResult::done();
}
}  // namespace

Reason whyNotOpened(const QString& path) {
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (!folder.exists()) return Reason::of(Why::FolderMissing, folder.filePath());
    if (!file.exists() && !folder.isWritable())
        return Reason::of(Why::FolderNotWritable, folder.filePath());
    if (file.exists() && (!file.isReadable() || !file.isWritable()))
        return Reason::of(Why::FileNotYours);
    if (file.exists() && !folder.isWritable())
        return Reason::of(Why::JournalFolderNotWritable, folder.filePath());
    return {};
}

namespace {
sqlite3* handleOf(const QSqlDatabase& db) {
    const QVariant v = db.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0) return nullptr;
    return *static_cast<sqlite3* const*>(v.constData());
}

// When the statement now running on this thread took its first step. Statements run one at a
// time per thread; one begun inside another (a write while a read is stepped) restarts it, so
// each is held to the limit from its own start.
thread_local QElapsedTimer statementClock;

int statementBegins(unsigned /*event*/, void* /*context*/, void* /*statement*/, void* /*sql*/) {
    statementClock.start();
    return 0;
}

int pastLimit(void* /*context*/) {
    return statementClock.isValid() && statementClock.hasExpired(kQueryLimitMs) ? 1 : 0;
}

constexpr int kInterrupted = 9;  // SQLITE_INTERRUPT: what a progress handler's stop returns

// The tables the program keeps (and those of the layout before set details, which an upgrade
// drops), compared without case as SQLite compares names.
bool ownTable(const QString& name) {
    static const QStringList own{"sets",     "setdetails",     "positions",     "downloads",
                                 "setunits", "incompletesets", "readingplaces", "sqlite_sequence"};
    return own.contains(name.toLower());
}
}  // namespace

sqlite3* handleOf(const QString& connection) {
    return handleOf(QSqlDatabase::database(connection, false));
}

QSqlError errorOf(sqlite3* handle, int code) {
    return QSqlError(QString(), QString::fromUtf8(sqlite3_errmsg(handle)),
                     QSqlError::StatementError, QString::number(code));
}

void limitEveryStatement(const QString& connection) {
    sqlite3* handle = handleOf(QSqlDatabase::database(connection, false));
    if (!handle) return;
    sqlite3_trace_v2(handle, SQLITE_TRACE_STMT, statementBegins, nullptr);
    // Looked at every thousand steps of the virtual machine: a few microseconds apart.
    sqlite3_progress_handler(handle, 1000, pastLimit, nullptr);
}

bool stoppedForTime(const QSqlError& error) {
    return (error.nativeErrorCode().toInt() & 0xFF) == kInterrupted;
}

StoreResult tooLong() { return foreign(Reason::of(Why::TookTooLong, kQueryLimitMs / 1000)); }

StoreResult prepareLimited(QSqlDatabase& db, const QString& path, ReadingsStore::OpenMode mode,
                           bool fromImage = false);

StoreResult checkObjects(const QString& connection) {
    QSqlQuery q(QSqlDatabase::database(connection, false));
    QSqlError why;
    if (!run(q, QStringLiteral("SELECT type, name, tbl_name, sql FROM sqlite_master"), &why))
        return refused(why);
    while (q.next()) {
        const QString type = q.value(0).toString();
        const QString name = q.value(1).toString();
        const QString sql = q.value(3).toString().trimmed();
        if (type == QLatin1String("table") && ownTable(name) &&
            !sql.startsWith(QLatin1String("CREATE VIRTUAL"), Qt::CaseInsensitive))
            continue;
        // SQLite's own indexes of a PRIMARY KEY or UNIQUE column; any other runs the file's
        // own expressions on every check and write.
        if (type == QLatin1String("index") && sql.isEmpty() &&
            name.startsWith(QLatin1String("sqlite_autoindex_"), Qt::CaseInsensitive))
            continue;
        if (type == QLatin1String("trigger"))
            return foreign(Reason::of(Why::HoldsTrigger, name, q.value(2).toString()));
        if (type == QLatin1String("view")) return foreign(Reason::of(Why::HoldsView, name));
        return foreign(
            Reason::of(type == QLatin1String("index") ? Why::HoldsIndex : Why::HoldsTable, name));
    }
    return StoreResult::done();
}

namespace {
QSqlDatabase databaseFor(const QString& connection) {
    return QSqlDatabase::contains(connection)
               ? QSqlDatabase::database(connection, false)
               : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
}

// A file is data, never code: its schema may not call functions with side effects, nor change
// itself, and nothing in it may keep a query running.
void treatAsData(const QSqlDatabase& db) {
    if (sqlite3* handle = handleOf(db)) {
        sqlite3_db_config(handle, SQLITE_DBCONFIG_DEFENSIVE, 1, static_cast<int*>(nullptr));
        sqlite3_db_config(handle, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, static_cast<int*>(nullptr));
    }
    limitEveryStatement(db.connectionName());
}
}  // namespace

StoreResult prepare(const QString& connection, const QString& path, ReadingsStore::OpenMode mode,
                    bool* closedToOthers) {
    QSqlDatabase db = databaseFor(connection);
    if (mode == ReadingsStore::OpenMode::ReadingsDatabase && path != QLatin1String(":memory:")) {
        // The user's alone from its first byte (SQLite gives its journal the same rights); one
        // found open to other users is closed to them.
        constexpr QFile::Permissions kOwnerOnly = QFile::ReadOwner | QFile::WriteOwner;
        if (!QFileInfo::exists(path)) {
            QFile made(path);
            if (made.open(QIODevice::WriteOnly | QIODevice::NewOnly))
                made.setPermissions(kOwnerOnly);
        } else if (QFileInfo(path).isFile() &&
                   (QFile::permissions(path) & (QFile::ReadGroup | QFile::WriteGroup |
                                                QFile::ReadOther | QFile::WriteOther))) {
            const QFile::Permissions was = QFile::permissions(path);
            // An empty file exposed nothing: closed without a word.
            if (closedToOthers && QFileInfo(path).size() > 0) *closedToOthers = true;
            QFile::setPermissions(path,
                                  was & ~(QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                          QFile::ReadOther | QFile::WriteOther | QFile::ExeOther));
            for (const char* side : {"-wal", "-shm"})
                if (QFileInfo::exists(path + QLatin1String(side)))
                    QFile::setPermissions(path + QLatin1String(side), kOwnerOnly);
        }
    }
    db.setDatabaseName(path);
    // A lock held by another program is waited for briefly, never long enough to freeze the window.
    db.setConnectOptions(
        QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(ReadingsStore::kBusyTimeoutMs));
    if (!db.open()) return refused(db.lastError());
    treatAsData(db);
    return prepareLimited(db, path, mode);
}

StoreResult prepareImage(const QString& connection, const QByteArray& image) {
    QSqlDatabase db = databaseFor(connection);
    db.setDatabaseName(QStringLiteral(":memory:"));
    if (!db.open()) return refused(db.lastError());
    sqlite3* handle = handleOf(connection);
    if (!handle) return refused(Reason::of(Why::FileNotOpen));
    treatAsData(db);
    // SQLite takes the bytes as its own, to grow and to free (a file a tool left in WAL mode
    // is read as it stands).
    const auto size = static_cast<sqlite3_int64>(image.size());
    auto* bytes = static_cast<unsigned char*>(sqlite3_malloc64(static_cast<sqlite3_uint64>(size)));
    if (!bytes) return refused(Reason::of(Why::OutOfMemory));
    std::memcpy(bytes, image.constData(), static_cast<size_t>(size));
    const int code =
        sqlite3_deserialize(handle, "main", bytes, size, size,
                            SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_RESIZEABLE);
    if (code != SQLITE_OK) return refused(errorOf(handle, code));
    return prepareLimited(db, QStringLiteral(":memory:"), ReadingsStore::OpenMode::SurveyCopy,
                          true);
}

StoreResult prepareLimited(QSqlDatabase& db, const QString& path, ReadingsStore::OpenMode mode,
                           bool fromImage) {
    const QString connection = db.connectionName();
    const bool existed = fromImage || (QFileInfo::exists(path) && QFileInfo(path).size() > 0);
    QSqlQuery q(db);
    QSqlError why;
    // A survey's private copy lives in memory: its journal too (SQLite would otherwise keep it
    // in a file beside), under one lock for the copy's whole life.
    if (mode == ReadingsStore::OpenMode::SurveyCopy &&
        (!run(q, QStringLiteral("PRAGMA locking_mode=EXCLUSIVE"), &why) ||
         !run(q, QStringLiteral("PRAGMA journal_mode=MEMORY"), &why)))
        return refused(why);
    // Before anything reads a table: a view, a trigger or an index of the file's own making
    // never runs.
    if (existed)
        if (StoreResult objects = checkObjects(connection); !objects) return objects;
    if (mode == ReadingsStore::OpenMode::SurveyCopy) {
        // A private copy, read once and thrown away: nothing to keep whole if the program dies.
        if (!run(q, QStringLiteral("PRAGMA synchronous=OFF"), &why)) return refused(why);
    } else {
        // Every write is its own committed transaction; WAL keeps the file whole if the program
        // is killed halfway through a download.
        if (!run(q, QStringLiteral("PRAGMA journal_mode=WAL"), &why)) return refused(why);
        const bool inMemory = path == QLatin1String(":memory:");
        if (!inMemory && (!q.next() || q.value(0).toString().compare(QLatin1String("wal"),
                                                                     Qt::CaseInsensitive) != 0))
            return refused(Reason::of(Why::FileNotWritable));
        if (!run(q, QStringLiteral("PRAGMA synchronous=NORMAL"), &why)) return refused(why);
    }
    if (!run(q, QStringLiteral("PRAGMA user_version"), &why)) return refused(why);
    const int version = q.next() ? q.value(0).toInt() : 0;
    if (!run(q, QStringLiteral("PRAGMA application_id"), &why)) return refused(why);
    const int applicationId = q.next() ? q.value(0).toInt() : 0;
    if (applicationId != 0 && applicationId != ReadingsStore::kApplicationId)
        return foreign(Reason::of(Why::OtherProgramsFile));
    if (mode == ReadingsStore::OpenMode::SurveyCopy) {
        if (applicationId != ReadingsStore::kApplicationId)
            return foreign(Reason::of(Why::NotSurveyFile));
        // A table of another size is refused before the whole file is checked: millions of rows
        // would keep the check busy. Only the program's own tables are left to count.
        if (run(q, QStringLiteral("SELECT count(*) FROM Sets"), &why) && q.next() &&
            q.value(0).toLongLong() != Meter::kPositions)
            return foreign(Reason::of(Why::SetsRows, q.value(0).toLongLong(), Meter::kPositions));
        if (stoppedForTime(why)) return tooLong();
        if (!run(q, QStringLiteral("PRAGMA integrity_check"), &why)) return refused(why);
        const QString verdict = q.next() ? q.value(0).toString() : QString();
        if (verdict != QLatin1String("ok"))
            return foreign(Reason::of(Why::DamagedAs, verdict.left(200)));
    }
    if (version > ReadingsStore::kPlacesVersion)
        return StoreResult::failed(StoreFailure::Newer, Reason::of(Why::NewerLayout, version,
                                                                   ReadingsStore::kPlacesVersion));
    if (!run(
            q,
            QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='table' AND name='Sets'"),
            &why))
        return refused(why);
    const bool hasTable = q.next() && q.value(0).toInt() > 0;
    if (!hasTable) {
        if (mode == ReadingsStore::OpenMode::SurveyCopy)
            return foreign(Reason::of(Why::NoSetsTable));
        if (existed && QFileInfo(path).size() > 0) {
            // A file that is not empty but has no table is not ours to rewrite.
            QSqlQuery check(db);
            if (!run(check, QStringLiteral("SELECT count(*) FROM sqlite_master"), &why))
                return refused(why);
            if (check.next() && check.value(0).toInt() > 0)
                return foreign(Reason::of(Why::NoSetsTable));
        }
        if (StoreResult created = createTable(connection); !created) return created;
    }
    if (StoreResult schema = checkSchema(connection); !schema) return schema;
    if (StoreResult writable = checkWritable(connection, path); !writable) return writable;
    // No statement may still be reading: the upgrade drops tables.
    q.finish();
    if (!hasTable || version < ReadingsStore::kSchemaVersion) {
        // A survey file of an earlier layout is read from a private copy, which may be brought up
        // to date; one from before survey files existed is not one.
        if (mode == ReadingsStore::OpenMode::SurveyCopy && (!hasTable || version < 1))
            return foreign(Reason::of(Why::NotSurveyFile));
        if (StoreResult upgraded =
                upgrade(connection, hasTable ? version : ReadingsStore::kSchemaVersion);
            !upgraded)
            return upgraded;
    }
    if (StoreResult details =
            checkColumns(connection, QStringLiteral("SetDetails"), detailColumns());
        !details)
        return details;
    if (StoreResult positions =
            checkColumns(connection, QStringLiteral("Positions"), kPositionColumns);
        !positions)
        return positions;
    if (StoreResult places = checkPlacesSchema(connection); !places) return places;
    if (mode == ReadingsStore::OpenMode::SurveyCopy) return StoreResult::done();
    // The raw downloads: a table of its own, which older versions pass over.
    QSqlQuery raw(db);
    if (!run(raw, kCreateDownloads, &why)) return refused(why);
    return StoreResult::done();
}

}  // namespace ReadingsFile
