// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDateTime>
#include <QVector>
#include <optional>

#include "core/common/FileOutcome.h"

/** @brief The track a GPS unit logged, as a GPX file holds it: the places of recorded readings
 *  by their times. */
namespace GpxTrack {
struct Point {
    QDateTime time;  ///< UTC
    double latitude = 0.0;
    double longitude = 0.0;
    std::optional<double> elevationM;
};
/** @brief The track points with a time (trkpt, and rtept or wpt where there are none), in time
 *  order; a file that is no GPX, or holds no point with a time, is refused with the reason. */
FileOutcome read(const QString& path, QVector<Point>* points);
/** @brief The place at @p time: between the points before and after it, in proportion, when
 *  both are within @p gapSeconds of it; else the nearer one within the gap; none when no point
 *  is that near. */
std::optional<Point> at(const QVector<Point>& points, const QDateTime& time, int gapSeconds);
}  // namespace GpxTrack
