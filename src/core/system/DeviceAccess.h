// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

/** @brief Whether this user may read and write a device. One of the few calls that exist only
 *  on POSIX systems (see CONTRIBUTING.md); another system replaces DeviceAccess_posix.cpp. */
namespace DeviceAccess {
/** @brief False only when the system refuses this user access to @p path (permissions); a path
 *  that is missing or otherwise unusable is left for the open to report. */
bool mayReadWrite(const QString& path);
}  // namespace DeviceAccess
