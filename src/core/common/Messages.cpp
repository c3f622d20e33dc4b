// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/Messages.h"

namespace Msg {

QString noteForFile(const FileOutcome& o) {
    if (!o.ok() || o.shortOf <= 0) return {};
    return ShortDataFile.arg(o.path).arg(o.shortOf).arg(o.position).arg(o.shortOf + 1);
}

QString forFile(const FileOutcome& o) {
    const QString& path = o.path;
    switch (o.kind) {
        case FileFailure::None:
            return {};
        case FileFailure::NotRegular:
            return NotRegularFile.arg(path);
        case FileFailure::TooLarge:
            return FileTooLarge.arg(path);
        case FileFailure::NotRead:
            return FileNotRead.arg(path, o.reason);
        case FileFailure::NotDataFile:
            return NotDataFile.arg(path);
        case FileFailure::RecordCutShort:
            return RecordCutShort.arg(path).arg(o.position);
        case FileFailure::NotWritten:
            return FileNotWritten.arg(path, o.reason);
        case FileFailure::TableNotWritten:
            return TableNotWritten.arg(o.reason);
        case FileFailure::TableNotReplaced:
            return TableNotReplaced.arg(o.reason);
        case FileFailure::NotSurvey:
            return NotSurveyFile.arg(path, o.reason);
        case FileFailure::SurveyTooLarge:
            return NotSurveyFile.arg(path, SurveyTooLarge.text());
        case FileFailure::NotSqlite:
            return NotSurveyFile.arg(path, NotSqlite.text());
        case FileFailure::SurveyNotReading:
            return NotSurveyFile.arg(
                path, SurveyNotReading.text().arg(o.set).arg(o.reason).arg(o.position));
        case FileFailure::SurveyDetail:
            return NotSurveyFile.arg(
                path, QCoreApplication::translate("Msg", "set %1: %2").arg(o.set).arg(o.reason));
        case FileFailure::SurveyNewer:
            return SurveyNewer.arg(path, o.reason);
        case FileFailure::StoreClosed:
            return FileNotWritten.arg(
                path, QCoreApplication::translate("Msg", "the readings database is not open"));
        case FileFailure::RowNumberless:
            return FileNotWritten.arg(
                path,
                QCoreApplication::translate("Msg", "row %1 has no row number").arg(o.position));
        case FileFailure::TableNotReadable:
            return QCoreApplication::translate("Msg", "%1 was not opened: %2. Nothing was changed.")
                .arg(path, o.reason);
        case FileFailure::ReadingTooLong:
            return FileNotWritten.arg(
                path, QCoreApplication::translate(
                          "Msg", "a reading in row %1 is longer than a data file can hold")
                          .arg(o.position));
    }
    return {};
}

}  // namespace Msg
