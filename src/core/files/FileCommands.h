// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QString>

#include "core/common/FileOutcome.h"

class ReadingsStore;

/** @brief The table Sets to and from files: data files, text and CSV exports, clearing. No
 *  dialog, no message box: each command answers what became of it. */
namespace FileCommands {

/** @brief Clears every reading to "0.000000", in one transaction. */
FileOutcome clearReadings(ReadingsStore& store);

/** @brief Loads a data file: record k into row k; rows beyond the file's records are cleared.
 *  Refuses what is not a regular file, a file larger than any data file, and a file without a
 *  whole record. The table is replaced in one transaction, or not at all. */
FileOutcome openDataFile(ReadingsStore& store, const QString& path);

/** @brief @p path begins as every data file the program writes does: row 1, then a first text
 *  of 1 to 12 bytes. The name is not looked at. */
bool looksLikeDataFile(const QString& path);

/** @brief The table as data file bytes for @p path, appended to @p bytes; a failure names the
 *  row that cannot be written. */
FileOutcome encodeDataFile(const ReadingsStore& store, const QString& path, QByteArray* bytes);

/** @brief Writes the table as a data file. The old file is replaced only once the new one is
 *  whole on disk. */
FileOutcome saveDataFile(const ReadingsStore& store, const QString& path);

/** @brief Writes the table as tab-separated text, whole or not at all. */
FileOutcome exportText(const ReadingsStore& store, const QString& path);

/** @brief Writes the sets that hold readings as comma-separated values, whole or not at all. */
FileOutcome exportCsv(const ReadingsStore& store, const QString& path, bool decimalComma);

/** @brief The tab-separated text export's bytes. */
QByteArray textExport(const ReadingsStore& store);
/** @brief True when the file at @p path is set read-only (its owner's write permission is off,
 *  or this user may not write it). A missing file is not read-only. */
bool isReadOnlyFile(const QString& path);

/** @brief Why @p path is not ours to write (Process::othersPlant); none when it is. */
Reason othersPlant(const QString& path);
/** @brief Writes @p bytes to @p path through a temporary file that replaces it only when whole.
 *  Refuses special files. */
FileOutcome writeWhole(const QString& path, const QByteArray& bytes);
/** @brief Reads the regular file at @p path whole into @p bytes: NotRegular for a folder, a
 *  device or a FIFO, NotRead with the system's reason, @p tooLarge when it holds more than
 *  @p largest bytes (then nothing larger than that is read). */
FileOutcome readWhole(const QString& path, qint64 largest, FileFailure tooLarge, QByteArray* bytes);

}  // namespace FileCommands
