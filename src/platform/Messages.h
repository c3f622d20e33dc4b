#pragma once
#include <QString>

/** @brief Every text the program shows to the user, in one place. */
namespace Msg {
inline const QString NoMeter =
    QStringLiteral("          Could not connect to the Orvanta Magnetic Susceptibility Meter.\r\n\r\n"
                   "Please ensure that the Meter is plugged into a USB port before you start this "
                   "program.\r\n"
                   "   If this problem persists, the USB driver for the Meter may need to be "
                   "re-installed.");
inline const QString MeterNotConnected =
    QStringLiteral("Meter not connected or invalid Comm Port Number selected");
inline const QString PortInUse = QStringLiteral("Warning: Comm Port is in use by another application");
inline const QString InvalidPortNumber = QStringLiteral("Warning: Invalid Comm Port Number");
inline const QString PortPermission = QStringLiteral(
    "You are not allowed to open the Comm Port. Add your user to the dialout group, then log in again.");
inline const QString ConnectionLost = QStringLiteral("The connection to the meter was lost.");
inline const QString ReadOnlyFile =
    QStringLiteral("This file is set for Read Only and cannot be modified.");
inline const QString DatabaseNotOpened = QStringLiteral("The readings database could not be opened:");
inline const QString ConfirmNew = QStringLiteral(
    "Clear all readings? Readings that have not been saved to a data file will be lost.");
}  // namespace Msg
