// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

#include "core/meter/MeterFacts.h"
#include "core/meter/Numbers.h"

/** @brief One record of a data file: one row of the table Sets. */
struct DataFileRecord {
    std::int16_t RowNumber = 0;
    std::array<QString, Meter::kSets> SetValue;  ///< SetValue[0] is "Set 1"
};

/** @brief The *.dat layout: records back to back, each a little-endian 16-bit row number and
 *  thirty texts, each a little-endian 16-bit byte length and its Windows-1252 bytes. No header,
 *  no padding. */
namespace DataFileCodec {
enum class ReadResult { Ok, End, Damaged };

/** @brief The size of a data file of 128 records whose every text is a reading of the greatest
 *  length (the format itself allows texts of up to 65,535 bytes; no reading is that long). */
constexpr qint64 kLargestFile = 128LL * (2 + 30LL * (2 + Numbers::kMaxReadingLength));

/** @brief Appends one record's bytes to @p out; false when a text is over 65535 bytes (then
 *  @p out may hold part of the record). */
bool write(const DataFileRecord& record, QByteArray& out);
/** @brief Reads the record at @p offset. On Ok, @p offset moves past it; on Damaged (a record
 *  cut short, a length running past the end) neither @p offset nor @p record change. */
ReadResult read(const QByteArray& data, qsizetype& offset, DataFileRecord& record);
}  // namespace DataFileCodec
