// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

#include "core/common/Reason.h"
#include "core/meter/MeterFacts.h"

/** @brief What is known of a set beside its readings: where, at what depth, by whom (typed by
 *  the user) and when, with which device, in which units and how whole (kept by the program). */
struct SetDetails {
    // Typed by the user; each may be empty.
    QString site;                    ///< a station, hole or sample name
    std::optional<double> depthM;    ///< depth of position 1, metres
    std::optional<double> spacingM;  ///< between positions, metres
    std::optional<double> latitude;  ///< WGS 84 decimal degrees
    std::optional<double> longitude;
    std::optional<double> elevationM;
    QString operatorName;
    QString notes;
    // Kept by the program.
    QDateTime downloadedUtc;            ///< invalid when the set was never downloaded
    QString device;                     ///< the meter's device, its lasting name where it has one
    std::optional<Meter::Units> units;  ///< none when not known (a data file, say)
    bool complete = true;               ///< false when its last download was cut short
    int unreadable = 0;                 ///< values of its last download that were not numbers

    /** @brief The depth of @p position (1..128): depth + (position - 1) x spacing; none without
     *  a depth (a depth without a spacing holds for position 1 only). */
    std::optional<double> depthAt(int position) const;
    bool hasLocation() const { return latitude.has_value() && longitude.has_value(); }
    /** @brief The user typed something for this set. */
    bool hasTyped() const;
    bool operator==(const SetDetails& o) const;
    /** @brief @p current with each field in which @p after differs from @p before taken from
     *  @p after: an edit made on an older copy changes only what it changed. */
    static SetDetails merged(const SetDetails& current, const SetDetails& before,
                             const SetDetails& after);
    bool operator!=(const SetDetails& o) const { return !(*this == o); }
};

/** @brief The fields the user types, as the details pane and the CLI name them. */
enum class DetailField { Site, Depth, Spacing, Latitude, Longitude, Elevation, Operator, Notes };

namespace SetDetailFields {
/** @brief The longest site, operator or flag reason, and the longest notes, in characters. */
constexpr int kLongestText = 200;
constexpr int kLongestNotes = 10000;
/** @brief No depth, spacing or elevation is larger, in metres, either way. */
constexpr double kLargestMetres = 100000;
/** @brief Why @p text cannot be kept as the field @p key (an option name, or "flag"): longer
 *  than @p longest, or holding a NUL or another control character (tabs and line breaks only
 *  where @p lineBreaks); none when it can. */
Reason textProblem(const QString& key, const QString& text, int longest, bool lineBreaks);
/** @brief Every typed field, in the order they are shown. */
const QList<DetailField>& all();
/** @brief "site", "depth", "spacing", "lat", "lon", "elevation", "operator", "notes": the CLI's
 *  option names. */
QString optionName(DetailField field);
/** @brief "Site", "Depth of position 1 (m)", ...: the pane's labels. */
QString label(DetailField field);
/** @brief The field as text (a number in the C locale, shortest form; empty when none). */
QString text(const SetDetails& details, DetailField field);
/** @brief Puts @p text into @p field of @p details. Empty text empties the field. A number
 *  that is not one, or out of its range (latitude -90..90, longitude -180..180, spacing not
 *  negative), changes nothing and returns why; done returns none. A comma or a point is the
 *  decimal separator, never a thousands one; a text with both is refused. */
Reason setText(SetDetails& details, DetailField field, const QString& text);
/** @brief "SI", "CGS" or empty text. */
QString unitsName(const std::optional<Meter::Units>& units);
/** @brief A number as the files write it: shortest text that reads back the same. */
QString number(double value);
}  // namespace SetDetailFields
