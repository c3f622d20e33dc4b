// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/ReadingsStore.h"

#include <sqlite3.h>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>
#include <QUuid>
#include <QVariant>
#include <cmath>
#include <cstring>

#include "core/store/EditHistory.h"
#include "core/store/ReadingsFile.h"

namespace {
using ReadingsFile::foreign;
using ReadingsFile::refused;
using ReadingsFile::run;

StoreResult closedResult() {
    return StoreResult::failed(StoreFailure::Closed, Reason::of(Why::StoreNotOpen));
}
QVariant optionalValue(const std::optional<double>& v) { return v ? QVariant(*v) : QVariant(); }
std::optional<double> optionalNumber(const QVariant& v) {
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (v.isNull() || !ok || !std::isfinite(d)) return std::nullopt;
    return d;
}
QVariant textValue(const QString& text) { return text.isEmpty() ? QVariant() : QVariant(text); }

}  // namespace

ReadingsStore::ReadingsStore(QString databasePath, QObject* parent)
    : QObject(parent),
      m_path(std::move(databasePath)),
      m_connection(QStringLiteral("Readings-") +
                   QUuid::createUuid().toString(QUuid::WithoutBraces)),
      m_history(std::make_unique<EditHistory>(*this)) {}

ReadingsStore::~ReadingsStore() {
    blockSignals(true);  // nothing may look at a store that is going away
    close();
    if (QSqlDatabase::contains(m_connection)) QSqlDatabase::removeDatabase(m_connection);
}

QString ReadingsStore::columnName(int column) {
    return column == 0 ? QStringLiteral("Number")
                       : QStringLiteral("Set ") + QString::number(column);
}

StoreResult ReadingsStore::open(OpenMode mode) {
    if (m_open) return StoreResult::done();
    // A FIFO or a device in its place would keep SQLite waiting for ever.
    if (const QFileInfo fi(m_path); fi.exists() && !fi.isFile())
        return refused(Reason::of(Why::NotRegularFile));
    return loadPrepared(ReadingsFile::prepare(m_connection, m_path, mode, &m_closedToOthers));
}

StoreResult ReadingsStore::openImage(const QByteArray& image) {
    if (m_open) return StoreResult::done();
    return loadPrepared(ReadingsFile::prepareImage(m_connection, image));
}

StoreResult ReadingsStore::loadPrepared(StoreResult result) {
    if (result) {
        // The details first: the table's reload shows them.
        result = loadDetails();
        if (result) result = load();
    }
    if (result.kind == StoreFailure::Refused) {
        // What the file system tells first; SQLite's answer ("cannot open") after it.
        if (const Reason told = ReadingsFile::whyNotOpened(m_path))
            result.reason = told.because(result.reason);
    }
    if (!result && QSqlDatabase::contains(m_connection))
        QSqlDatabase::database(m_connection, false).close();
    if (result) m_dataVersion = dataVersion();
    return result;
}

qint64 ReadingsStore::dataVersion() const {
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    if (!q.exec(QStringLiteral("PRAGMA data_version")) || !q.next()) return -1;
    return q.value(0).toLongLong();
}

bool ReadingsStore::refresh() {
    if (!m_open || m_group) return false;
    const qint64 version = dataVersion();
    if (version < 0 || version == m_dataVersion) return false;
    // Read whole or not at all: a file another program holds locked is read at the next look.
    const AllDetails details = m_details;
    const QVector<Loaded> rows = m_rows;
    if (!loadDetails() || !load()) {
        m_details = details;
        m_rows = rows;
        m_open = true;
        return false;
    }
    m_dataVersion = version;
    Q_EMIT detailsChanged(0);
    return true;
}

void ReadingsStore::followOtherWriters(int intervalMs) {
    if (intervalMs <= 0) {
        delete m_follow;
        m_follow = nullptr;
        return;
    }
    if (!m_follow) {
        m_follow = new QTimer(this);
        connect(m_follow, &QTimer::timeout, this, &ReadingsStore::refresh);
    }
    m_follow->start(intervalMs);
}

StoreResult ReadingsStore::load() {
    QString sql = QStringLiteral("SELECT rowid");
    for (int i = 0; i < kColumns; ++i) sql += QStringLiteral(", \"%1\"").arg(columnName(i));
    sql += QStringLiteral(" FROM Sets ORDER BY rowid");
    // Read through SQLite itself: QtSql turns each of the 3,968 cells into UTF-16 and a QVariant
    // first, which took most of an Open.
    sqlite3* handle = ReadingsFile::handleOf(m_connection);
    if (!handle) return refused(Reason::of(Why::FileNotOpen));
    sqlite3_stmt* q = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    int code =
        sqlite3_prepare_v2(handle, utf8.constData(), static_cast<int>(utf8.size()), &q, nullptr);
    QVector<Loaded> rows;
    rows.reserve(Meter::kPositions);
    static const QByteArray cleared = Meter::kClearedReading.toLatin1();
    while (code == SQLITE_OK && (code = sqlite3_step(q)) == SQLITE_ROW) {
        Loaded r;
        r.rowid = sqlite3_column_int64(q, 0);
        for (int i = 0; i < kColumns; ++i) {
            QString& cell = r.cells[static_cast<size_t>(i)];
            // NULL gives no text: a cell that holds nothing stays empty.
            if (const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(q, i + 1))) {
                const int bytes = sqlite3_column_bytes(q, i + 1);
                // Most cells of a survey are cleared: they share one string.
                if (bytes == cleared.size() && std::memcmp(text, cleared.constData(), bytes) == 0)
                    cell = Meter::kClearedReading;
                else
                    cell = QString::fromUtf8(text, bytes);
            }
            r.held[static_cast<size_t>(i)] = i == 0 ? Held::Nothing : heldByText(cell);
        }
        rows.append(std::move(r));
        code = SQLITE_OK;
    }
    const QSqlError why = code == SQLITE_DONE ? QSqlError() : ReadingsFile::errorOf(handle, code);
    sqlite3_finalize(q);
    if (why.isValid()) return refused(why);
    m_rows = rows;
    if (StoreResult marked = loadMarks(); !marked) {
        m_rows.clear();
        return marked;
    }
    if (StoreResult placed = loadPlaces(); !placed) {
        m_rows.clear();
        return placed;
    }
    m_statements.clear();
    m_open = true;
    Q_EMIT reloaded();
    return StoreResult::done();
}

void ReadingsStore::close() {
    if (m_group) undoGroup();
    m_statements.clear();
    const bool was = m_open;
    m_open = false;
    m_rows.clear();
    if (QSqlDatabase::contains(m_connection)) QSqlDatabase::database(m_connection, false).close();
    if (was) Q_EMIT reloaded();
}

QString ReadingsStore::setAside() {
    close();
    const QString aside = m_path + QLatin1Char('.') +
                          QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (!QFile::rename(m_path, aside)) return QString();
    for (const char* suffix : {"-wal", "-shm"}) {
        const QString side = m_path + QLatin1String(suffix);
        if (QFileInfo::exists(side)) QFile::rename(side, aside + QLatin1String(suffix));
    }
    return aside;
}

QString ReadingsStore::cell(int row, int column) const {
    if (!m_open || row < 0 || row >= m_rows.size() || column < 0 || column >= kColumns) return {};
    return m_rows[row].cells[static_cast<size_t>(column)];
}

ReadingsStore::Held ReadingsStore::heldByText(const QString& text) {
    return text.isEmpty() || text == Meter::kClearedReading ? Held::Nothing : Held::Reading;
}

bool ReadingsStore::needsMark(const QString& text, Held held, const QString& flag) {
    return held != heldByText(text) || !flag.isEmpty();
}

bool ReadingsStore::inTable(int set, int position) const {
    return m_open && Meter::isSet(set) && position >= 1 && position <= m_rows.size();
}

StoreResult ReadingsStore::loadMarks() {
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.setForwardOnly(true);
    QSqlError why;
    if (!run(q, QStringLiteral("SELECT SetNumber, Position, Held, Flag FROM Positions"), &why))
        return refused(why);
    while (q.next()) {
        const int set = q.value(0).toInt();
        const int position = q.value(1).toInt();
        if (!Meter::isSet(set) || position < 1 || position > m_rows.size()) continue;
        Loaded& row = m_rows[position - 1];
        const auto k = static_cast<size_t>(set);
        // A mark speaks only for a cleared text: any other text is a reading by itself.
        if (heldByText(row.cells[k]) == Held::Nothing) {
            const QString held = q.value(2).toString();
            if (held == QLatin1String("reading")) row.held[k] = Held::Reading;
            if (held == QLatin1String("unreadable")) row.held[k] = Held::Unreadable;
        }
        // Only a reading is flagged.
        if (row.held[k] == Held::Reading) row.flags[k] = q.value(3).toString();
    }
    return StoreResult::done();
}

StoreResult ReadingsStore::loadPlaces() {
    m_places.clear();
    m_hasPlaces = ReadingsFile::hasPlaces(m_connection);
    if (!m_hasPlaces) return StoreResult::done();
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.setForwardOnly(true);
    QSqlError why;
    if (!run(q,
             QStringLiteral("SELECT SetNumber, Position, Latitude, Longitude, ElevationM, FixUtc "
                            "FROM ReadingPlaces"),
             &why))
        return refused(why);
    while (q.next()) {
        const int set = q.value(0).toInt();
        const int position = q.value(1).toInt();
        // A place belongs to a reading: one beside no reading is no place. (The store is not
        // open yet while it loads: the rows are looked at themselves.)
        if (!Meter::isSet(set) || position < 1 || position > m_rows.size() ||
            m_rows[position - 1].held[static_cast<size_t>(set)] != Held::Reading)
            continue;
        ReadingPlace p;
        p.latitude = q.value(2).toDouble();
        p.longitude = q.value(3).toDouble();
        if (!q.value(4).isNull()) p.elevationM = q.value(4).toDouble();
        p.fixUtc = QDateTime::fromString(q.value(5).toString(), Qt::ISODate);
        if (p.isValid()) m_places.insert(placeKey(position - 1, set), p);
    }
    return StoreResult::done();
}

std::optional<ReadingPlace> ReadingsStore::place(int set, int position) const {
    if (!inTable(set, position)) return std::nullopt;
    const auto it = m_places.constFind(placeKey(position - 1, set));
    if (it == m_places.cend()) return std::nullopt;
    return *it;
}

QVector<ReadingsStore::PlacedReading> ReadingsStore::places() const {
    QVector<PlacedReading> out;
    for (int set = 1; set <= Meter::kSets; ++set)
        for (int row = 0; row < m_rows.size(); ++row)
            if (const auto it = m_places.constFind(placeKey(row, set)); it != m_places.cend())
                out.append({set, row + 1, *it});
    return out;
}

StoreResult ReadingsStore::readingToChange(int set, int position) {
    if (!m_open) return closedResult();
    // The cell is written whole: never from a copy older than what another program wrote.
    refresh();
    if (!holdsReading(set, position))
        return StoreResult::failed(StoreFailure::NoSuchCell,
                                   Reason::of(Why::NoReadingAt, position, set));
    return StoreResult::done();
}

namespace {
void bindPlace(QSqlQuery& q, int set, int position, const ReadingPlace& place) {
    q.addBindValue(set);
    q.addBindValue(position);
    q.addBindValue(place.latitude);
    q.addBindValue(place.longitude);
    q.addBindValue(place.elevationM ? QVariant(*place.elevationM) : QVariant());
    q.addBindValue(place.fixUtc.isValid() ? QVariant(place.fixUtc.toUTC().toString(Qt::ISODate))
                                          : QVariant());
}
}  // namespace

StoreResult ReadingsStore::setPlace(int set, int position, const ReadingPlace& place) {
    if (StoreResult held = readingToChange(set, position); !held) return held;
    if (!place.isValid())
        return refused(Reason::of(Why::PlaceOffEarth, place.latitude, place.longitude));
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    // The table and the file's new layout come with the first place, in one transaction.
    const bool own = !m_group && !m_hasPlaces;
    if (own && !db.transaction()) return refused(db.lastError());
    QSqlError why;
    if (!m_hasPlaces && !ReadingsFile::makePlaces(m_connection, &why)) {
        if (own) db.rollback();
        if (m_group) undoGroup();
        return refused(why);
    }
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO ReadingPlaces VALUES (?, ?, ?, ?, ?, ?)"));
    bindPlace(q, set, position, place);
    if (!q.exec()) why = q.lastError();
    q.finish();
    if (!why.isValid() && own && !db.commit()) why = db.lastError();
    if (why.isValid()) {
        if (own) db.rollback();
        if (m_group) undoGroup();
        return refused(why);
    }
    m_hasPlaces = true;
    m_places.insert(placeKey(position - 1, set), place);
    // A change to the table that no edit made: the windows look again, Undo starts afresh.
    Q_EMIT cellsChanged(position - 1, position - 1, set, set);
    return StoreResult::done();
}

bool ReadingsStore::writePlaces(const QVector<CellWrite>& cells,
                                const QVector<PlacedReading>* places, QSqlError* why) {
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (places) {
        if (places->isEmpty() && !m_hasPlaces) return true;
        if (!m_hasPlaces) {
            if (!ReadingsFile::makePlaces(m_connection, why)) return false;
        }
        QSqlQuery q(db);
        if (!run(q, QStringLiteral("DELETE FROM ReadingPlaces"), why)) return false;
        q.prepare(QStringLiteral("INSERT INTO ReadingPlaces VALUES (?, ?, ?, ?, ?, ?)"));
        for (const PlacedReading& p : *places) {
            bindPlace(q, p.set, p.position, p.place);
            if (!q.exec()) {
                *why = q.lastError();
                return false;
            }
        }
        return true;
    }
    // A place goes with its reading: a new text or a position no longer holding one.
    for (const CellWrite& c : cells) {
        if (!m_places.contains(placeKey(c.row, c.column))) continue;
        const Loaded& before = std::as_const(m_rows)[c.row];
        const auto k = static_cast<size_t>(c.column);
        if (before.cells[k] == c.text && before.held[k] == c.held) continue;
        QSqlQuery& q = statement(
            QStringLiteral("DELETE FROM ReadingPlaces WHERE SetNumber = ? AND Position = ?"), why);
        if (why->isValid()) return false;
        q.addBindValue(c.column);
        q.addBindValue(c.row + 1);
        const bool done = q.exec();
        if (!done) *why = q.lastError();
        q.finish();
        if (!done) return false;
    }
    return true;
}

ReadingsStore::Held ReadingsStore::held(int set, int position) const {
    if (!inTable(set, position)) return Held::Nothing;
    return m_rows[position - 1].held[static_cast<size_t>(set)];
}

QString ReadingsStore::flag(int set, int position) const {
    if (!inTable(set, position)) return {};
    return m_rows[position - 1].flags[static_cast<size_t>(set)];
}

StoreResult ReadingsStore::setFlag(int set, int position, const QString& reason) {
    if (StoreResult held = readingToChange(set, position); !held) return held;
    if (const Reason why = SetDetailFields::textProblem(QStringLiteral("flag"), reason,
                                                        SetDetailFields::kLongestText, false))
        return refused(why);
    const Loaded& row = std::as_const(m_rows)[position - 1];
    const auto k = static_cast<size_t>(set);
    if (row.flags[k] == reason) return StoreResult::done();
    return writeCells({{position - 1, set, row.cells[k], row.held[k], reason}});
}

bool ReadingsStore::holdsReadings() const {
    for (const Loaded& row : m_rows) {
        for (int k = 1; k < kColumns; ++k) {
            if (row.held[static_cast<size_t>(k)] != Held::Nothing) return true;
        }
    }
    return false;
}

QVector<ReadingsStore::Mark> ReadingsStore::marks() const {
    QVector<Mark> out;
    for (int row = 0; row < m_rows.size(); ++row)
        for (int set = 1; set <= Meter::kSets; ++set) {
            const Loaded& r = m_rows[row];
            const auto k = static_cast<size_t>(set);
            if (needsMark(r.cells[k], r.held[k], r.flags[k]))
                out.append({set, row + 1, r.held[k], r.flags[k]});
        }
    return out;
}

bool ReadingsStore::writeMark(const CellWrite& c, QSqlError* why) {
    const Loaded& before = std::as_const(m_rows)[c.row];
    const auto k = static_cast<size_t>(c.column);
    const bool had = needsMark(before.cells[k], before.held[k], before.flags[k]);
    const bool needs = needsMark(c.text, c.held, c.flag);
    if (!had && !needs) return true;
    QSqlQuery& q = statement(
        needs ? QStringLiteral("INSERT OR REPLACE INTO Positions VALUES (?, ?, ?, ?)")
              : QStringLiteral("DELETE FROM Positions WHERE SetNumber = ? AND Position = ?"),
        why);
    if (why->isValid()) return false;
    if (needs) {
        q.addBindValue(c.column);
        q.addBindValue(c.row + 1);
        q.addBindValue(c.held == Held::Unreadable ? QStringLiteral("unreadable")
                                                  : QStringLiteral("reading"));
        q.addBindValue(c.flag.isEmpty() ? QVariant() : QVariant(c.flag));
    } else {
        q.addBindValue(c.column);
        q.addBindValue(c.row + 1);
    }
    const bool done = q.exec();
    if (!done) *why = q.lastError();
    q.finish();
    return done;
}

QSqlQuery& ReadingsStore::statement(const QString& sql, QSqlError* why) {
    // Rows written in part make statements of their own columns: the cache stays bounded. No
    // caller holds a statement across this call.
    if (m_statements.size() >= 256 && m_statements.count(sql) == 0) m_statements.clear();
    auto& q = m_statements[sql];
    if (!q) {
        q = std::make_unique<QSqlQuery>(QSqlDatabase::database(m_connection, false));
        if (!q->prepare(sql)) *why = q->lastError();
    }
    return *q;
}

StoreResult ReadingsStore::writeCells(const QVector<CellWrite>& cells, const AllDetails* details,
                                      const QVector<PlacedReading>* places) {
    if (!m_open) return closedResult();
    if (cells.isEmpty() && !details && !places) return StoreResult::done();
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    // A single cell commits by itself; several are one transaction, all or nothing; inside a
    // group, the group's transaction holds them.
    // A cell and its mark are two statements: a single cell with a mark to write or drop is a
    // transaction too.
    const auto marked = [this](const CellWrite& c) {
        const Loaded& before = std::as_const(m_rows)[c.row];
        const auto k = static_cast<size_t>(c.column);
        return needsMark(before.cells[k], before.held[k], before.flags[k]) ||
               needsMark(c.text, c.held, c.flag);
    };
    const auto placed = [this](const CellWrite& c) {
        return m_places.contains(placeKey(c.row, c.column));
    };
    const bool batch = (cells.size() > 1 || details || places ||
                        (cells.size() == 1 && (marked(cells.front()) || placed(cells.front())))) &&
                       !m_group;
    if (batch && !db.transaction()) return refused(db.lastError());
    QSqlError why;
    // The cells of one row in one statement: a table replaced whole (an Open) is 128 writes,
    // not 3,840.
    for (qsizetype first = 0; first < cells.size();) {
        qsizetype end = first + 1;
        quint64 columns = 1ULL << cells[first].column;
        while (end < cells.size() && cells[end].row == cells[first].row &&
               !(columns & (1ULL << cells[end].column)))
            columns |= 1ULL << cells[end++].column;
        QString update = QStringLiteral("UPDATE Sets SET ");
        for (qsizetype k = first; k < end; ++k)
            update += (k > first ? QStringLiteral(", \"") : QStringLiteral("\"")) +
                      columnName(cells[k].column) + QStringLiteral("\" = ?");
        update += QStringLiteral(" WHERE rowid = ?");
        QSqlQuery& q = statement(update, &why);
        if (!why.isValid()) {
            for (qsizetype k = first; k < end; ++k) q.addBindValue(cells[k].text);
            q.addBindValue(m_rows[cells[first].row].rowid);
            if (!q.exec()) why = q.lastError();
            q.finish();
        }
        for (qsizetype k = first; k < end && !why.isValid(); ++k) writeMark(cells[k], &why);
        if (why.isValid()) {
            m_statements.clear();
            if (batch) db.rollback();
            if (m_group) undoGroup();
            return refused(why);
        }
        first = end;
    }
    if (!writePlaces(cells, places, &why)) {
        m_statements.clear();
        if (batch) db.rollback();
        if (m_group) undoGroup();
        return refused(why);
    }
    if (details) {
        QSqlQuery q(db);
        StoreResult written = StoreResult::done();
        if (!run(q, QStringLiteral("DELETE FROM SetDetails"), &why)) written = refused(why);
        // Emptied above: only the sets that have details get a row.
        for (int set = 1; written && set <= Meter::kSets; ++set)
            if ((*details)[static_cast<size_t>(set - 1)] != SetDetails{})
                written = writeDetailsRow(set, (*details)[static_cast<size_t>(set - 1)]);
        if (!written) {
            if (batch) db.rollback();
            if (m_group) undoGroup();
            return written;
        }
    }
    if (batch && !db.commit()) {
        why = db.lastError();
        db.rollback();
        return refused(why);
    }
    if (places) {
        m_hasPlaces = m_hasPlaces || !places->isEmpty();
        m_places.clear();
    }
    for (const CellWrite& c : cells) {
        const Loaded& before = std::as_const(m_rows)[c.row];
        const auto k = static_cast<size_t>(c.column);
        if (before.cells[k] != c.text || before.held[k] != c.held)
            m_places.remove(placeKey(c.row, c.column));
    }
    if (places)
        for (const PlacedReading& p : *places)
            m_places.insert(placeKey(p.position - 1, p.set), p.place);
    if (details) {
        m_details = *details;
        Q_EMIT detailsChanged(0);
    }
    if (cells.isEmpty()) return StoreResult::done();
    int firstRow = cells.front().row, lastRow = firstRow;
    int firstColumn = cells.front().column, lastColumn = firstColumn;
    for (const CellWrite& c : cells) {
        QString& cell = m_rows[c.row].cells[static_cast<size_t>(c.column)];
        Held& held = m_rows[c.row].held[static_cast<size_t>(c.column)];
        QString& flag = m_rows[c.row].flags[static_cast<size_t>(c.column)];
        if (m_group) m_groupUndo.append({c.row, c.column, cell, held, flag});
        cell = c.text;
        held = c.held;
        flag = c.flag;
        firstRow = qMin(firstRow, c.row);
        lastRow = qMax(lastRow, c.row);
        firstColumn = qMin(firstColumn, c.column);
        lastColumn = qMax(lastColumn, c.column);
    }
    Q_EMIT cellsChanged(firstRow, lastRow, firstColumn, lastColumn);
    return StoreResult::done();
}

bool ReadingsStore::beginGroup() {
    if (m_group || !m_open) return false;
    m_group = QSqlDatabase::database(m_connection, false).transaction();
    m_groupUndo.clear();
    return m_group;
}

StoreResult ReadingsStore::endGroup() {
    if (!m_group) return StoreResult::done();
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (db.commit()) {
        m_group = false;
        m_groupUndo.clear();
        return StoreResult::done();
    }
    const QSqlError why = db.lastError();
    undoGroup();
    return refused(why);
}

void ReadingsStore::undoGroup() {
    QSqlDatabase::database(m_connection, false).rollback();
    m_group = false;
    for (auto it = m_groupUndo.crbegin(); it != m_groupUndo.crend(); ++it) {
        m_rows[it->row].cells[static_cast<size_t>(it->column)] = it->text;
        m_rows[it->row].held[static_cast<size_t>(it->column)] = it->held;
        m_rows[it->row].flags[static_cast<size_t>(it->column)] = it->flag;
    }
    const bool changed = !m_groupUndo.isEmpty();
    m_groupUndo.clear();
    // Places dropped or kept in the group went back with it.
    loadPlaces();
    // Details written in the group went with it.
    const AllDetails before = m_details;
    loadDetails();
    if (before != m_details) Q_EMIT detailsChanged(0);
    if (changed) Q_EMIT reloaded();
}

StoreResult ReadingsStore::writeReading(int set, int position, const QString& text,
                                        const QString& flag) {
    if (!m_open) return closedResult();
    if (!inTable(set, position))
        return StoreResult::failed(StoreFailure::NoSuchCell,
                                   Reason::of(Why::NoSuchPosition, set, position));
    // The same reading sent again (a set downloaded once more) is the reading that was flagged:
    // it keeps its flag. Any other text is a new reading, and the flag was not about it.
    const Loaded& row = std::as_const(m_rows)[position - 1];
    const auto k = static_cast<size_t>(set);
    if (!text.isEmpty() && row.held[k] == Held::Reading && row.cells[k] == text) {
        if (flag.isEmpty() || !row.flags[k].isEmpty()) return StoreResult::done();
        return writeCells({{position - 1, set, text, Held::Reading, flag}});
    }
    const bool reading = !text.isEmpty();
    return writeCells({{position - 1, set, text, reading ? Held::Reading : Held::Nothing,
                        reading ? flag : QString()}});
}

StoreResult ReadingsStore::markUnreadable(int set, int position) {
    if (!m_open) return closedResult();
    if (!inTable(set, position))
        return StoreResult::failed(StoreFailure::NoSuchCell,
                                   Reason::of(Why::NoSuchPosition, set, position));
    return writeCells({{position - 1, set, Meter::kClearedReading, Held::Unreadable, QString()}});
}

StoreResult ReadingsStore::clearSet(int set, int fromPosition) {
    if (!m_open) return closedResult();
    if (!Meter::isSet(set))
        return StoreResult::failed(StoreFailure::NoSuchCell, Reason::of(Why::NoSuchSet, set));
    QVector<CellWrite> cells;
    for (int row = qMax(0, fromPosition - 1); row < m_rows.size(); ++row) {
        const Loaded& r = std::as_const(m_rows)[row];
        if (r.cells[static_cast<size_t>(set)] != Meter::kClearedReading ||
            r.held[static_cast<size_t>(set)] != Held::Nothing)
            cells.append({row, set, Meter::kClearedReading, Held::Nothing, QString()});
    }
    return writeCells(cells);
}

StoreResult ReadingsStore::clearAll() { return replaceAll({}); }

StoreResult ReadingsStore::replaceAll(const QVector<Row>& rows, const AllDetails& details,
                                      const QVector<Mark>& marks,
                                      const QVector<PlacedReading>& places) {
    if (!m_open) return closedResult();
    // What each marked position is to hold; every other one is what its text says.
    QHash<int, const Mark*> marked;
    for (const Mark& m : marks)
        if (Meter::isSet(m.set) && m.position >= 1 && m.position <= m_rows.size())
            marked.insert((m.position - 1) * kColumns + m.set, &m);
    const QVector<Loaded>& now = m_rows;
    QVector<CellWrite> cells;
    for (int row = 0; row < now.size(); ++row) {
        const Loaded& current = now.at(row);
        for (int set = 1; set <= Meter::kSets; ++set) {
            const QString& text = row < rows.size() ? rows.at(row)[static_cast<size_t>(set - 1)]
                                                    : Meter::kClearedReading;
            Held held = heldByText(text);
            QString flag;
            if (const Mark* m = marked.isEmpty() ? nullptr : marked.value(row * kColumns + set)) {
                if (held == Held::Nothing) held = m->held;
                if (held == Held::Reading) flag = m->flag;  // only a reading is flagged
            }
            const auto k = static_cast<size_t>(set);
            if (current.cells[k] != text || current.held[k] != held || current.flags[k] != flag)
                cells.append({row, set, text, held, flag});
        }
    }
    // Places only beside the readings the table will hold.
    QVector<PlacedReading> kept;
    for (const PlacedReading& p : places) {
        if (!Meter::isSet(p.set) || p.position < 1 || p.position > m_rows.size() ||
            !p.place.isValid())
            continue;
        const int row = p.position - 1;
        const QString& text = row < rows.size() ? rows.at(row)[static_cast<size_t>(p.set - 1)]
                                                : Meter::kClearedReading;
        Held held = heldByText(text);
        if (const Mark* m = marked.value(row * kColumns + p.set); m && held == Held::Nothing)
            held = m->held;
        if (held == Held::Reading) kept.append(p);
    }
    return writeCells(cells, &details, &kept);
}

int ReadingsStore::readingCount(int set) const {
    if (!m_open || !Meter::isSet(set)) return 0;
    int n = 0;
    for (const Loaded& row : m_rows)
        if (row.held[static_cast<size_t>(set)] == Held::Reading) ++n;
    return n;
}

const SetDetails& ReadingsStore::details(int set) const {
    static const SetDetails none;
    return Meter::isSet(set) ? m_details[static_cast<size_t>(set - 1)] : none;
}

StoreResult ReadingsStore::writeDetailsRow(int set, const SetDetails& d) {
    QSqlError why;
    QSqlQuery& q = statement(
        d == SetDetails{} ? QStringLiteral("DELETE FROM SetDetails WHERE SetNumber = ?")
                          : QStringLiteral("INSERT OR REPLACE INTO SetDetails VALUES (?, ?, ?, ?, "
                                           "?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        &why);
    if (why.isValid()) return refused(why);
    if (d == SetDetails{}) {
        q.addBindValue(set);
    } else {
        q.addBindValue(set);
        q.addBindValue(textValue(d.site));
        q.addBindValue(optionalValue(d.depthM));
        q.addBindValue(optionalValue(d.spacingM));
        q.addBindValue(optionalValue(d.latitude));
        q.addBindValue(optionalValue(d.longitude));
        q.addBindValue(optionalValue(d.elevationM));
        q.addBindValue(textValue(d.operatorName));
        q.addBindValue(textValue(d.notes));
        q.addBindValue(d.downloadedUtc.isValid()
                           ? QVariant(d.downloadedUtc.toUTC().toString(Qt::ISODate))
                           : QVariant());
        q.addBindValue(textValue(d.device));
        q.addBindValue(textValue(SetDetailFields::unitsName(d.units)));
        q.addBindValue(d.complete ? 1 : 0);
        q.addBindValue(d.unreadable);
    }
    const bool done = q.exec();
    if (!done) why = q.lastError();
    q.finish();
    if (!done) {
        m_statements.clear();
        return refused(why);
    }
    return StoreResult::done();
}

StoreResult ReadingsStore::setDetails(int set, const SetDetails& details) {
    if (!m_open) return closedResult();
    if (!Meter::isSet(set))
        return StoreResult::failed(StoreFailure::NoSuchCell, Reason::of(Why::NoSuchSet, set));
    // The caller changed what it read from this store; another program may have written other
    // fields since. Only the fields the caller changed are written over what the file holds.
    const SetDetails base = this->details(set);
    refresh();
    const SetDetails wanted = SetDetails::merged(this->details(set), base, details);
    if (this->details(set) == wanted) return StoreResult::done();
    const StoreResult written = writeDetailsRow(set, wanted);
    if (!written) return written;
    m_details[static_cast<size_t>(set - 1)] = wanted;
    Q_EMIT detailsChanged(set);
    return written;
}

StoreResult ReadingsStore::copyTo(const QString& path) const {
    if (!m_open) return closedResult();
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    // The copy is a work file read back at once: syncing it to the disk (VACUUM INTO takes this
    // connection's setting) would only hold the caller up. The setting is put back after.
    QString level;
    if (q.exec(QStringLiteral("PRAGMA synchronous")) && q.next()) level = q.value(0).toString();
    q.exec(QStringLiteral("PRAGMA synchronous=OFF"));
    q.prepare(QStringLiteral("VACUUM INTO ?"));
    q.addBindValue(path);
    const bool copied = q.exec();
    const QSqlError why = q.lastError();
    if (!level.isEmpty()) q.exec(QStringLiteral("PRAGMA synchronous=") + level);
    if (!copied) return refused(why);
    return StoreResult::done();
}

StoreResult ReadingsStore::setSetUnits(int set, Meter::Units units) {
    SetDetails d = details(set);
    d.units = units;
    return setDetails(set, d);
}

StoreResult ReadingsStore::loadDetails() {
    m_details = AllDetails{};
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    QSqlError why;
    if (!run(q,
             QStringLiteral("SELECT ") + ReadingsFile::detailColumns().join(QStringLiteral(", ")) +
                 QStringLiteral(" FROM SetDetails"),
             &why))
        return refused(why);
    while (q.next()) {
        const int set = q.value(0).toInt();
        if (!Meter::isSet(set)) continue;
        SetDetails& d = m_details[static_cast<size_t>(set - 1)];
        d.site = q.value(1).toString();
        d.depthM = optionalNumber(q.value(2));
        d.spacingM = optionalNumber(q.value(3));
        d.latitude = optionalNumber(q.value(4));
        d.longitude = optionalNumber(q.value(5));
        d.elevationM = optionalNumber(q.value(6));
        d.operatorName = q.value(7).toString();
        d.notes = q.value(8).toString();
        d.downloadedUtc = QDateTime::fromString(q.value(9).toString(), Qt::ISODate).toUTC();
        d.device = q.value(10).toString();
        const QString units = q.value(11).toString();
        if (units == QLatin1String("SI")) d.units = Meter::Units::SI;
        if (units == QLatin1String("CGS")) d.units = Meter::Units::CGS;
        d.complete = q.value(12).toInt() != 0;
        d.unreadable = qMax(0, q.value(13).toInt());
    }
    return StoreResult::done();
}
