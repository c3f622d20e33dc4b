// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <QStringList>

class ReadingsStore;
struct SetStatistics;

/** @brief The readings with their context, for the programs users take them to: a long table
 *  for spreadsheets and statistics, GeoJSON for GIS, and the lines of the printed summary. */
namespace SurveyExport {
/** @brief The long table's header, exactly as other programs read it. */
inline const QString kLongHeader = QStringLiteral(
    "set,position,depth_m,value,units,site,latitude,longitude,elevation_m,downloaded_utc,"
    "operator,notes,complete,flag");
/** @brief The columns a long table adds when some reading has its own place (a GPS fix taken
 *  when it was stored); empty on a row whose reading has none. */
inline const QString kLongPlaceColumns =
    QStringLiteral(",reading_latitude,reading_longitude,reading_elevation_m,reading_fix_utc");
/** @brief CSV (UTF-8, RFC 4180, CRLF): one row per position that holds a reading; the value as
 *  the meter sent it (with @p decimalComma, the fields apart by semicolons and every number's
 *  point a comma, as a spreadsheet in such a language reads and writes it); depth_m = depth +
 * (position - 1) x spacing, empty without a depth; flag the reason a reading is flagged, empty when
 * it is not. When a reading has a place of its own, every row ends with kLongPlaceColumns. */
QByteArray longTable(const ReadingsStore& store, bool decimalComma = false);
/** @brief GeoJSON (RFC 7946): one Point feature per set with a latitude and a longitude
 *  (longitude first, elevation third when known) and its details and statistics. @p leftOut
 *  counts the sets holding readings that have no location and so are not in it. */
QByteArray geoJson(const ReadingsStore& store, int* leftOut = nullptr);
/** @brief A set's statistics as JSON: set, units, count, mean, median, sd, min, max,
 *  geometric_mean (null where there is none). */
QJsonObject statisticsObject(const SetStatistics& statistics);
/** @brief A set's details as "name: value" lines, as the CLI and the summary show them: the
 *  typed ones that are not empty, then factLines(). */
QStringList detailLines(const ReadingsStore& store, int set);
/** @brief What the program keeps of a set: units, download, readings and completeness. */
QStringList factLines(const ReadingsStore& store, int set);
/** @brief A set's statistics as one line, with its units: "n 120, mean 0.00123 SI, ...". */
QString statisticsLine(const ReadingsStore& store, int set);
/** @brief The printed survey summary as HTML: @p title, the time printed, then each set in use
 *  with its details and its statistics in its units. */
QString summaryHtml(const ReadingsStore& store, const QString& title, const QDateTime& printed);
/** @brief The sets that hold readings or details, in order. */
QList<int> setsInUse(const ReadingsStore& store);
/** @brief A figure as the exports write it: the shortest text that reads back the same. */
QString figure(double value);
/** @brief A figure as people read it: six significant digits. */
QString shown(double value);
}  // namespace SurveyExport
