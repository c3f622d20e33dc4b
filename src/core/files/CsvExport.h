// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>

class ReadingsStore;

/** @brief The comma-separated export: a header, the sets that hold readings, no trailing
 *  separators. With the decimal comma, fields are separated by semicolons and the readings'
 *  decimal points become commas; otherwise the readings are written as the meter sent them. */
namespace CsvExport {
QByteArray build(const ReadingsStore& store, bool decimalComma);
}
