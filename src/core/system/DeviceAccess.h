// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>

/** @brief Whether this user may read and write a device, and why not. Calls that exist only on
 *  POSIX systems (see CONTRIBUTING.md); another system replaces DeviceAccess_posix.cpp. */
namespace DeviceAccess {
/** @brief False only when the system refuses this user access to @p path (permissions); a path
 *  that is missing or otherwise unusable is left for the open to report. */
bool mayReadWrite(const QString& path);
/** @brief The group that would let this user read and write @p path (links followed), when
 *  joining it would help: the device's group may read and write it and the user is not in it.
 *  Empty otherwise (a file no group may write, say, where joining a group would not help). */
QString groupToJoin(const QString& path);
/** @brief The serial lock of @p device ("/run/lock/LCK..ttyUSB0") when the program that took
 *  it has ended and it is still there; empty when there is none or its program still runs. */
QString staleLock(const QString& device);
/** @brief The names in @p folder starting with one of @p prefixes, sorted, read from the folder
 *  alone (nothing is looked up for the other names: /dev holds hundreds). */
QStringList namesStartingWith(const QString& folder, const QStringList& prefixes);
}  // namespace DeviceAccess
