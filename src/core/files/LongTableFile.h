// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

#include "core/common/FileOutcome.h"

class ReadingsStore;

/** @brief The long table the program exports (SurveyExport::longTable), read back: the readings
 *  with their units, details and flags, in place of the table. */
namespace LongTableFile {
/** @brief The file starts with the long table's header (with or without its flag column). */
bool looksLikeLongTable(const QString& path);
/** @brief Puts what the long table at @p path holds in place of the readings and every set's
 *  details, in one transaction. Anything not wholly readable is refused with its line and
 *  column (TableNotReadable), and nothing changes. */
FileOutcome open(ReadingsStore& store, const QString& path);
}  // namespace LongTableFile
