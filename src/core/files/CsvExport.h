// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QList>
#include <QString>

class ReadingsStore;

/** @brief The comma-separated export: a header, the sets that hold readings, no trailing
 *  separators. With the decimal comma, fields are separated by semicolons and the readings'
 *  decimal points become commas; otherwise the readings are written as the meter sent them. */
namespace CsvExport {
/** @brief A field as RFC 4180 writes it: quoted, its quotes doubled, when it holds @p sep, a
 *  double quote or a line break ("1,000" is one field, not two). */
QString quoted(QString text, QChar sep = QLatin1Char(','));
/** @brief A typed text (a site, a note, a flag's reason, a mark) as a CSV field a spreadsheet
 *  shows as text: one that begins with = + - @, a tab or a carriage return (after any leading
 *  apostrophes) gets one apostrophe more in front, so it never runs as a formula. */
QString textField(const QString& text, QChar sep = QLatin1Char(','));
/** @brief The typed text textField() wrote: the apostrophe it added taken off again. */
QString fromTextField(const QString& field);
QByteArray build(const ReadingsStore& store, bool decimalComma);
/** @brief Only @p onlySets (in that order), whether or not they hold readings. */
QByteArray build(const ReadingsStore& store, bool decimalComma, const QList<int>& onlySets);
}  // namespace CsvExport
