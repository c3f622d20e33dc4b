// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QCoreApplication>
#include <QString>
#include <utility>

#include "core/common/FileOutcome.h"
#include "core/common/Reason.h"

/** @brief Every text the program shows to the user, in one place. "%1" marks are filled in with
 *  QString::arg. Each is kept in English and translated where it is used, into the language the
 *  program runs in (a program with no translation installed, as the CLI, shows the English). */
namespace Msg {
/** @brief A message: its English text, translated when it becomes a QString. */
struct Text {
    const char* source;
    QString text() const { return QCoreApplication::translate("Msg", source); }
    operator QString() const { return text(); }  // NOLINT: a message is used as its text
    template <typename... Args>
    QString arg(Args&&... args) const {
        return text().arg(std::forward<Args>(args)...);
    }
};

inline constexpr Text NoMeter{QT_TRANSLATE_NOOP(
    "Msg",
    "          Could not connect to the Orvanta Magnetic Susceptibility Meter.\r\n\r\n"
    "Please ensure that the Meter is plugged into a USB port before you start this "
    "program.\r\n"
    "   If this problem persists, the USB driver for the Meter may need to be "
    "re-installed.")};
inline constexpr Text MeterNotConnected{
    QT_TRANSLATE_NOOP("Msg", "Meter not connected or invalid Comm Port Number selected")};
inline constexpr Text PortInUse{
    QT_TRANSLATE_NOOP("Msg", "Warning: Comm Port is in use by another application")};
inline constexpr Text InvalidPortNumber{
    QT_TRANSLATE_NOOP("Msg", "Warning: Invalid Comm Port Number")};
inline constexpr Text ChooseMeterPort{QT_TRANSLATE_NOOP(
    "Msg",
    "Several serial devices are plugged in: choose the meter's port (Options > Comm Port...).")};
inline constexpr Text NoDeviceOnPort{QT_TRANSLATE_NOOP(
    "Msg",
    "There is no device on port %1 (%2): nothing was changed. Plug the meter in, or choose a "
    "port from the list.")};
inline constexpr Text PortPermission{QT_TRANSLATE_NOOP(
    "Msg",
    "You are not allowed to open the Comm Port. Add your user to the dialout group, then log in "
    "again.")};
inline constexpr Text PortPermissionGroup{QT_TRANSLATE_NOOP(
    "Msg",
    "You are not allowed to open the Comm Port (%1). Add your user to the %2 group, then log in "
    "again.")};
inline constexpr Text PortNotAllowed{QT_TRANSLATE_NOOP(
    "Msg",
    "You are not allowed to open the Comm Port (%1): it is no device your user may read and "
    "write.")};
inline constexpr Text PortStaleLock{QT_TRANSLATE_NOOP(
    "Msg",
    "The Comm Port (%1) is locked by a program that has ended: its lock file %2 was left behind. "
    "Remove it (as root: rm %2), then try again.")};
inline constexpr Text PortUnusable{
    QT_TRANSLATE_NOOP("Msg", "The Comm Port (%1) cannot be used for the meter: %2.")};
inline constexpr Text ConnectionLost{
    QT_TRANSLATE_NOOP("Msg", "The connection to the meter was lost.")};
inline constexpr Text ReadOnlyFile{
    QT_TRANSLATE_NOOP("Msg", "This file is set for Read Only and cannot be modified.")};
inline constexpr Text DatabaseNotOpened{
    QT_TRANSLATE_NOOP("Msg", "The readings database %1 could not be opened: %2.")};
inline constexpr Text ConfirmNew{QT_TRANSLATE_NOOP(
    "Msg",
    "Clear all readings? Readings and set details that have not been saved to a file will be "
    "lost.")};
inline constexpr Text ConfirmOpen{QT_TRANSLATE_NOOP(
    "Msg",
    "Open %1 in place of the readings? Readings and set details that have not been saved to a "
    "file will be lost.")};
inline constexpr Text ConfirmQuit{QT_TRANSLATE_NOOP(
    "Msg",
    "The readings or set details changed since they were last saved to a file. Save them before "
    "quitting? They stay in the readings database either way and are shown again at the next "
    "start.")};
inline constexpr Text SetAsideQuestion{QT_TRANSLATE_NOOP(
    "Msg",
    "The file is not a readings database of this program. Set it aside (renamed with the date and "
    "time) and start a fresh one?")};
inline constexpr Text DatabaseLocked{QT_TRANSLATE_NOOP(
    "Msg", "The readings database is in use by another program: waiting for it to be free.")};
inline constexpr Text DatabaseHeld{QT_TRANSLATE_NOOP(
    "Msg",
    "the readings database is in use by another program, for example orvanta-cli; download again "
    "once it has ended")};
inline constexpr Text DatabaseFree{QT_TRANSLATE_NOOP("Msg", "The readings database is open.")};
inline constexpr Text DatabaseClosedToOthers{QT_TRANSLATE_NOOP(
    "Msg",
    "The readings database %1 could be read by other users of this computer. It is now yours "
    "alone.")};
inline constexpr Text NotSetAside{
    QT_TRANSLATE_NOOP("Msg", "it is not this program's, and it could not be renamed")};
inline constexpr Text TableNotWritten{
    QT_TRANSLATE_NOOP("Msg", "The readings table could not be written: %1")};
inline constexpr Text ReadingsNotStored{QT_TRANSLATE_NOOP(
    "Msg", "Readings could not be stored: %1. %2 readings of this download were stored.")};
inline constexpr Text NotRegularFile{QT_TRANSLATE_NOOP("Msg", "%1 is not a regular file.")};
inline constexpr Text FileTooLarge{QT_TRANSLATE_NOOP("Msg", "%1 is too large to be a data file.")};
inline constexpr Text NotDataFile{QT_TRANSLATE_NOOP("Msg", "%1 is not a data file.")};
/** @brief What a file command that succeeded still has to tell (a short data file); empty for
 *  none. */
QString noteForFile(const FileOutcome& outcome);
inline constexpr Text RecordCutShort{QT_TRANSLATE_NOOP(
    "Msg", "%1 is not a whole data file: record %2 is cut short. Nothing was changed.")};
inline constexpr Text ShortDataFile{QT_TRANSLATE_NOOP(
    "Msg",
    "%1 holds %2 of the %3 records of a whole data file: it may have been cut short while it "
    "was copied. Positions 1 to %2 of every set were opened from it; positions %4 to %3 were "
    "cleared.")};
inline constexpr Text TableNotReplaced{QT_TRANSLATE_NOOP(
    "Msg",
    "The readings table could not be written: %1. Nothing was changed: the table holds what it "
    "held before.")};
inline constexpr Text NotSurveyFile{QT_TRANSLATE_NOOP(
    "Msg", "%1 is not an Orvanta survey file that can be read: %2. Nothing was changed.")};
inline constexpr Text SurveyTooLarge{QT_TRANSLATE_NOOP("Msg", "it is larger than any survey file")};
inline constexpr Text NotSqlite{QT_TRANSLATE_NOOP("Msg", "it is no SQLite database")};
inline constexpr Text SurveyNotReading{
    QT_TRANSLATE_NOOP("Msg", "set %1 holds \"%2\" at position %3, which is no reading")};
inline constexpr Text SurveyNewer{
    QT_TRANSLATE_NOOP("Msg", "%1 cannot be opened: %2. Nothing was changed.")};
inline constexpr Text SetsWithoutLocation{QT_TRANSLATE_NOOP(
    "Msg", "%1 set(s) holding readings have no latitude and longitude and were left out of %2.")};
inline constexpr Text FileNotWritten{QT_TRANSLATE_NOOP("Msg", "%1 could not be written: %2")};
inline constexpr Text FileNotRead{QT_TRANSLATE_NOOP("Msg", "%1 could not be read: %2")};
inline constexpr Text ReportNotPrinted{
    QT_TRANSLATE_NOOP("Msg", "The report could not be printed: %1")};
inline constexpr Text SummaryNotPrinted{
    QT_TRANSLATE_NOOP("Msg", "The survey summary could not be printed: %1")};
inline constexpr Text PlotNotPrinted{QT_TRANSLATE_NOOP("Msg", "The plot could not be printed: %1")};
inline constexpr Text SettingsNotRegular{QT_TRANSLATE_NOOP(
    "Msg",
    "The settings file %1 is not a regular file: the program starts with its default settings "
    "and keeps none.")};
inline constexpr Text SettingsNotSaved{
    QT_TRANSLATE_NOOP("Msg", "The settings could not be saved: %1")};
inline constexpr Text SettingsFolderNotWritable{
    QT_TRANSLATE_NOOP("Msg", "the settings file or its folder cannot be written")};
inline constexpr Text StoredToPC{QT_TRANSLATE_NOOP("Msg", "Stored: set %1, reading %2")};
inline constexpr Text NothingToStore{QT_TRANSLATE_NOOP("Msg", "There is no reading to store yet.")};
inline constexpr Text UnitsDiffer{QT_TRANSLATE_NOOP(
    "Msg",
    "Set %1 holds readings in %2 and the meter now reads in %3: the reading was not stored. "
    "Choose a set in %3, or an empty one, on the meter.")};
inline constexpr Text UnaskedSetData{QT_TRANSLATE_NOOP(
    "Msg", "The meter sent set data that was not asked for; nothing was stored.")};
inline constexpr Text MarkNeedsRecording{QT_TRANSLATE_NOOP(
    "Msg", "A mark goes with a recorded reading: start Read > Record Readings... first.")};
inline constexpr Text RecordingStopped{QT_TRANSLATE_NOOP(
    "Msg", "The recording stopped; the %1 readings recorded before stay in the file.")};
inline constexpr Text SetFull{
    QT_TRANSLATE_NOOP("Msg", "Set %1 is full: the reading was not stored.")};
inline constexpr Text BusyDownloading{
    QT_TRANSLATE_NOOP("Msg", "Wait until the download has ended.")};

/** @brief @p reason in words, in the program's language: its kind's words with its facts, after
 *  the line and column it concerns, before what it came of. Starts in lower case and has no
 *  full stop: it follows a colon. */
QString why(const Reason& reason);
/** @brief The English words of a kind, before translation; null for Why::None and Why::Count. */
const char* whyWords(Why kind);
/** @brief A typed field by its key ("site", "depth", ..., "flag"), as the user sees it named. */
QString fieldName(const QString& key);

/** @brief The message for a file command that failed, in the program's language; empty when it
 *  was done. The desktop tells it, the CLI prints it. */
QString forFile(const FileOutcome& outcome);
}  // namespace Msg
