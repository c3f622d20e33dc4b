// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

/** @brief Every text the program shows to the user, in one place. "%1" marks are filled in with
 *  QString::arg. */
namespace Msg {
inline const QString NoMeter = QStringLiteral(
    "          Could not connect to the Orvanta Magnetic Susceptibility Meter.\r\n\r\n"
    "Please ensure that the Meter is plugged into a USB port before you start this "
    "program.\r\n"
    "   If this problem persists, the USB driver for the Meter may need to be "
    "re-installed.");
inline const QString MeterNotConnected =
    QStringLiteral("Meter not connected or invalid Comm Port Number selected");
inline const QString PortInUse =
    QStringLiteral("Warning: Comm Port is in use by another application");
inline const QString InvalidPortNumber = QStringLiteral("Warning: Invalid Comm Port Number");
inline const QString ChooseMeterPort = QStringLiteral(
    "Several serial devices are plugged in: choose the meter's port (Options > Comm Port...).");
inline const QString NoDeviceOnPort = QStringLiteral(
    "There is no device on port %1 (%2): nothing was changed. Plug the meter in, or choose a "
    "port from the list.");
inline const QString PortPermission = QStringLiteral(
    "You are not allowed to open the Comm Port. Add your user to the dialout group, then log in "
    "again.");
inline const QString PortPermissionGroup = QStringLiteral(
    "You are not allowed to open the Comm Port (%1). Add your user to the %2 group, then log in "
    "again.");
inline const QString PortNotAllowed = QStringLiteral(
    "You are not allowed to open the Comm Port (%1): it is no device your user may read and "
    "write.");
inline const QString PortStaleLock = QStringLiteral(
    "The Comm Port (%1) is locked by a program that has ended: its lock file %2 was left behind. "
    "Remove it (as root: rm %2), then try again.");
inline const QString PortUnusable =
    QStringLiteral("The Comm Port (%1) cannot be used for the meter: %2.");
inline const QString ConnectionLost = QStringLiteral("The connection to the meter was lost.");
inline const QString ReadOnlyFile =
    QStringLiteral("This file is set for Read Only and cannot be modified.");
inline const QString DatabaseNotOpened =
    QStringLiteral("The readings database could not be opened:");
inline const QString ConfirmNew = QStringLiteral(
    "Clear all readings? Readings that have not been saved to a data file will be lost.");
inline const QString ConfirmOpen = QStringLiteral(
    "Open %1 in place of the readings? Readings that have not been saved to a data file will be "
    "lost.");
inline const QString ConfirmQuit = QStringLiteral(
    "The readings changed since they were last saved to a data file. Quit anyway? They stay in "
    "the readings database and are shown again at the next start.");
inline const QString SetAsideQuestion = QStringLiteral(
    "The file is not a readings database of this program. Set it aside (renamed with the date and "
    "time) and start a fresh one?");
inline const QString DatabaseLocked = QStringLiteral(
    "The readings database is in use by another program: waiting for it to be free.");
inline const QString DatabaseHeld = QStringLiteral(
    "the readings database is in use by another program, for example orvanta-cli; download again "
    "once it has ended");
inline const QString DatabaseFree = QStringLiteral("The readings database is open.");
inline const QString NotSetAside = QStringLiteral("The file could not be renamed.");
inline const QString TableNotWritten =
    QStringLiteral("The readings table could not be written: %1");
inline const QString ReadingsNotStored =
    QStringLiteral("Readings could not be stored: %1. %2 readings of this download were stored.");
inline const QString NotRegularFile = QStringLiteral("%1 is not a regular file.");
inline const QString FileTooLarge = QStringLiteral("%1 is too large to be a data file.");
inline const QString NotDataFile = QStringLiteral("%1 is not a data file.");
inline const QString RecordCutShort =
    QStringLiteral("%1 is not a whole data file: record %2 is cut short. Nothing was changed.");
inline const QString TableNotReplaced = QStringLiteral(
    "The readings table could not be written: %1. Nothing was changed: the table holds what it "
    "held before.");
inline const QString NotSurveyFile =
    QStringLiteral("%1 is not an Orvanta survey file that can be read: %2. Nothing was changed.");
inline const QString SurveyNewer = QStringLiteral("%1 cannot be opened: %2. Nothing was changed.");
inline const QString DetailsOnlyInSurvey = QStringLiteral(
    "Saved as a data file: it keeps the readings only. Set details and units are kept only in "
    "survey files (*.orvanta).");
inline const QString SetsWithoutLocation = QStringLiteral(
    "%1 set(s) holding readings have no latitude and longitude and were left out of %2.");
inline const QString FileNotWritten = QStringLiteral("%1 could not be written: %2");
inline const QString FileNotRead = QStringLiteral("%1 could not be read: %2");
inline const QString ReportNotPrinted = QStringLiteral("The report could not be printed: %1");
inline const QString SummaryNotPrinted =
    QStringLiteral("The survey summary could not be printed: %1");
inline const QString PlotNotPrinted = QStringLiteral("The plot could not be printed: %1");
inline const QString SettingsNotRegular = QStringLiteral(
    "The settings file %1 is not a regular file: the program starts with its default settings "
    "and keeps none.");
inline const QString SettingsNotSaved = QStringLiteral("The settings could not be saved: %1");
inline const QString SettingsFolderNotWritable =
    QStringLiteral("the settings file or its folder cannot be written");
inline const QString StoredToPC = QStringLiteral("Stored: set %1, reading %2");
inline const QString NothingToStore = QStringLiteral("There is no reading to store yet.");
inline const QString UnitsDiffer = QStringLiteral(
    "Set %1 holds readings in %2 and the meter now reads in %3: the reading was not stored. "
    "Choose a set in %3, or an empty one, on the meter.");
inline const QString UnaskedSetData =
    QStringLiteral("The meter sent set data that was not asked for; nothing was stored.");
inline const QString MarkNeedsRecording =
    QStringLiteral("A mark goes with a recorded reading: start Read > Record Readings... first.");
inline const QString RecordingStopped =
    QStringLiteral("The recording stopped; the %1 readings recorded before stay in the file.");
inline const QString SetFull = QStringLiteral("Set %1 is full: the reading was not stored.");
inline const QString BusyDownloading = QStringLiteral("Wait until the download has ended.");
}  // namespace Msg
