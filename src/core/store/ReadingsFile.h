// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>

#include "core/store/ReadingsStore.h"

class QSqlError;
struct sqlite3;
class QSqlQuery;

/** @brief The readings database as a file: its layout (the tables Sets, SetDetails, Positions
 *  and Downloads), the checks a file must pass before it is read (the program's mark, SQLite's
 *  integrity check for a survey file, no trigger on the readings, the columns and their types,
 *  128 rows) and the upgrade of an earlier layout. The store reads and writes the cells through
 *  a connection this has prepared, whose every statement is held to kQueryLimitMs. */
namespace ReadingsFile {
/** @brief Opens @p connection on @p path and brings the file to this version's layout: created
 *  when missing (Readings.db), checked, upgraded in one transaction. */
StoreResult prepare(const QString& connection, const QString& path, ReadingsStore::OpenMode mode,
                    bool* closedToOthers = nullptr);
/** @brief Opens @p connection on a database held in memory, made from @p image (a survey
 *  file's bytes), and checks it as a survey file's private copy is checked. Nothing is written
 *  to any disk. */
StoreResult prepareImage(const QString& connection, const QByteArray& image);
/** @brief No statement on a file runs longer than this, from its first step to its last. */
constexpr int kQueryLimitMs = 2000;
/** @brief Stops, from now on, every statement on @p connection that runs past kQueryLimitMs:
 *  a hostile file (a recursive view, an expensive index) never keeps the program busy, while
 *  it is opened or at any later read or write. */
void limitEveryStatement(const QString& connection);
/** @brief Whether @p error is SQLite stopping a statement that ran past the limit. */
bool stoppedForTime(const QSqlError& error);
/** @brief The refusal of a file that kept a statement running past the limit. */
StoreResult tooLong();
/** @brief Refuses a file whose schema holds anything but the program's own tables and SQLite's
 *  own indexes of them: views, triggers, virtual tables and other indexes, names compared
 *  without case. */
StoreResult checkObjects(const QString& connection);
/** @brief Why @p path could not be opened, where the file system tells; none when it does
 *  not. */
Reason whyNotOpened(const QString& path);
/** @brief The columns of SetDetails, in order; the README documents them for other programs. */
const QStringList& detailColumns();
/** @brief The file has the table ReadingPlaces (layout 3). */
bool hasPlaces(const QString& connection);
/** @brief Makes the table ReadingPlaces and marks the file layout 3, inside the caller's
 *  transaction; false with SQLite's refusal in @p why. */
bool makePlaces(const QString& connection, QSqlError* why);

/** @brief SQLite's refusal as a result: a lock another program holds is Busy (it goes once
 *  that program lets go); anything else is Refused. */
StoreResult refused(const QSqlError& error);
StoreResult refused(const Reason& why);
/** @brief SQLite's refusal as a kind: a full disk, a read-only file, a damaged one, ... */
Reason reasonOf(const QSqlError& error);
StoreResult foreign(const Reason& why);
/** @brief SQLite's own handle of @p connection, for what QtSql does slowly (reading a whole
 *  table cell by cell); null when the connection has none. */
sqlite3* handleOf(const QString& connection);
/** @brief SQLite's result code @p code on @p handle as the error QtSql would have made of it. */
QSqlError errorOf(sqlite3* handle, int code);
/** @brief Runs @p sql; false with the reason in @p why. */
bool run(QSqlQuery& q, const QString& sql, QSqlError* why);
}  // namespace ReadingsFile
