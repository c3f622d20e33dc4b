// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>

class ReadingsStore;

/** @brief The sets with a location as the waypoints of a GPX 1.1 file, for a GPS unit or a map:
 *  each named by its set and site, with its elevation, the time it was downloaded and its
 *  readings' count and median. */
namespace GpxExport {
/** @brief The file; @p leftOut counts the sets holding readings that have no location. */
QByteArray waypoints(const ReadingsStore& store, int* leftOut = nullptr);
}  // namespace GpxExport
