// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

#include "core/files/FileCommands.h"

class ReadingsStore;

/** @brief The survey file, "*.orvanta": the readings, their units and every set's details in
 *  one SQLite file, the readings database's own layout, marked with the program's
 *  application_id and its layout version. */
namespace SurveyFile {
inline const QString kSuffix = QStringLiteral("orvanta");
/** @brief No survey file is larger: 30 x 128 readings of 255 characters and long notes. */
constexpr qint64 kLargestFile = 64LL * 1024 * 1024;
/** @brief @p path starts as an SQLite file does (a data file never does). */
bool looksLikeSurvey(const QString& path);
/** @brief The table and its details as survey file bytes, for @p path (which a failure
 *  names): an SQLite file of the readings database's layout without its raw downloads. */
FileOutcome encode(const ReadingsStore& store, const QString& path, QByteArray* bytes);
/** @brief Writes the readings and details as a survey file. The old file is replaced only once
 *  the new one is whole on disk. */
FileOutcome save(const ReadingsStore& store, const QString& path);
/** @brief Puts the survey file's readings and details in place of the store's, in one
 *  transaction. A file that is not a survey file, is damaged or was written by a newer version
 *  changes nothing and says why. The file itself is never written. */
FileOutcome open(ReadingsStore& store, const QString& path);
/** @brief A survey file or a data file, by its contents. */
FileOutcome openAny(ReadingsStore& store, const QString& path);
/** @brief The formats a table is opened from and saved to. */
enum class Format { DataFile, Survey, LongTable };
/** @brief The format openAny() reads @p path as, by its contents. */
Format formatOf(const QString& path);
/** @brief The format a file named @p path is saved in, by its suffix: "orvanta" a survey file,
 *  "csv" a long table, anything else a data file. */
Format formatForName(const QString& path);
/** @brief The table as @p format's bytes for @p path, nothing written yet. */
FileOutcome encodeAs(const ReadingsStore& store, const QString& path, Format format,
                     QByteArray* bytes);
/** @brief Writes the table to @p path in @p format. */
FileOutcome saveAs(const ReadingsStore& store, const QString& path, Format format);
}  // namespace SurveyFile
