// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>

/** @brief The command strings written to the meter. Letters are case-sensitive. */
namespace Command {
inline const QByteArray DownloadCurrentSet = "C";
inline const QByteArray DownloadAllSets = "D";
inline const QByteArray CaptureCurrentReading = "R";
inline const QByteArray ShowContinuousReadings = "A";
inline const QByteArray Stop = "P";
inline const QByteArray Store = "T";

/** @brief "S" and the set number in two digits: 7 gives S07, 30 gives S30. */
inline QByteArray DownloadSelectedSet(int set) {
    return "S" + QByteArray::number(set).rightJustified(2, '0');
}
}  // namespace Command
