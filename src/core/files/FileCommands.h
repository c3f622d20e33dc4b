// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QString>
#include <functional>

class Recordset;

/** @brief What became of a file command: done, or the one message that says why not. */
struct FileOutcome {
    bool ok = true;
    QString message;  ///< empty when done
    static FileOutcome done() { return {}; }
    static FileOutcome failed(QString why) { return {false, std::move(why)}; }
};

/** @brief The table Sets to and from files: data files, text and CSV exports, clearing. No
 *  dialog, no message box: each command answers what became of it. */
namespace FileCommands {

/** @brief True when some cell of a set holds a reading (not "0.000000"). */
bool holdsReadings(const Recordset& rs);

/** @brief Clears every reading to "0.000000", row by row; @p rowDone runs after each row. */
FileOutcome clearReadings(Recordset& rs, const std::function<void()>& rowDone = {});

/** @brief Loads a data file: record k into row k; rows beyond the file's records are cleared.
 *  Refuses what is not a regular file, a file larger than any data file, and a file without a
 *  whole record. */
FileOutcome openDataFile(Recordset& rs, const QString& path);

/** @brief The table as data file bytes; false with @p why when a row cannot be written. */
bool encodeDataFile(Recordset& rs, QByteArray* bytes, QString* why);

/** @brief Writes the table as a data file. The old file is replaced only once the new one is
 *  whole on disk. */
FileOutcome saveDataFile(Recordset& rs, const QString& path);

/** @brief Writes the table as tab-separated text, whole or not at all. */
FileOutcome exportText(Recordset& rs, const QString& path);

/** @brief Writes the sets that hold readings as comma-separated values, whole or not at all. */
FileOutcome exportCsv(Recordset& rs, const QString& path, bool decimalComma);

/** @brief True when the file at @p path is set read-only (its owner's write permission is off,
 *  or this user may not write it). A missing file is not read-only. */
bool IsReadOnlyFile(const QString& path);

/** @brief Writes @p bytes to @p path through a temporary file that replaces it only when whole.
 *  Refuses special files. */
FileOutcome writeWhole(const QString& path, const QByteArray& bytes);

}  // namespace FileCommands
