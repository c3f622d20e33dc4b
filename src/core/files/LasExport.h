// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QString>

#include "core/common/Reason.h"

class ReadingsStore;

/** @brief One set as a LAS 2.0 log (the Canadian Well Logging Society's ASCII standard), for the
 *  core and borehole logging programs that read it: the set's depth and spacing give the depth
 *  of each position, the readings the curve SUSC in the set's units. */
namespace LasExport {
/** @brief The value LAS writes where a position holds no reading. */
inline constexpr const char* kNull = "-999.25";
/** @brief The log of @p set: positions 1 to the last that holds a reading (cleared, unreadable
 *  and flagged ones NULL, readings as the meter sent them). Empty, with the reason in @p why,
 *  when the set has no depth or spacing, or no reading. */
QByteArray build(const ReadingsStore& store, int set, Reason* why);
}  // namespace LasExport
