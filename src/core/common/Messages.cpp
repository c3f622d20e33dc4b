// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/Messages.h"

namespace Msg {

const char* whyWords(Why kind) {
    switch (kind) {
        case Why::None:
        case Why::Count:
            return nullptr;
        case Why::Said:
            return QT_TRANSLATE_NOOP("Why", "%1");
        case Why::DiskFull:
            return QT_TRANSLATE_NOOP("Why", "the disk is full");
        case Why::ReadOnly:
            return QT_TRANSLATE_NOOP("Why", "the file or its disk is read-only");
        case Why::NotPermitted:
            return QT_TRANSLATE_NOOP("Why", "the system does not allow it");
        case Why::Damaged:
            return QT_TRANSLATE_NOOP("Why", "the file is damaged, or is no database");
        case Why::InputOutput:
            return QT_TRANSLATE_NOOP("Why", "the disk could not be read or written");
        case Why::CannotOpen:
            return QT_TRANSLATE_NOOP("Why", "the file cannot be opened");
        case Why::InUse:
            return QT_TRANSLATE_NOOP("Why", "another program is using the file");
        case Why::OutOfMemory:
            return QT_TRANSLATE_NOOP("Why", "there is not enough memory");
        case Why::DatabaseSaid:
            return QT_TRANSLATE_NOOP("Why", "the database refused it (\"%1\")");
        case Why::TookTooLong:
            return QT_TRANSLATE_NOOP(
                "Why",
                "reading it took longer than %1 s and was stopped: the file is made to keep "
                "a program busy");
        case Why::StoreNotOpen:
            return QT_TRANSLATE_NOOP("Why", "the readings database is not open");
        case Why::NotRegularFile:
            return QT_TRANSLATE_NOOP("Why", "it is not a regular file");
        case Why::NoSuchFile:
            return QT_TRANSLATE_NOOP("Why", "there is no such file");
        case Why::NotReadable:
            return QT_TRANSLATE_NOOP("Why", "your user may not read it");
        case Why::FileNotOpen:
            return QT_TRANSLATE_NOOP("Why", "the file is not open");
        case Why::FileNotWritable:
            return QT_TRANSLATE_NOOP("Why", "the file cannot be written");
        case Why::FolderMissing:
            return QT_TRANSLATE_NOOP("Why", "its folder %1 does not exist");
        case Why::FolderNotWritable:
            return QT_TRANSLATE_NOOP("Why", "its folder %1 cannot be written by your user");
        case Why::JournalFolderNotWritable:
            return QT_TRANSLATE_NOOP(
                "Why",
                "its folder %1 cannot be written by your user, and the database keeps its "
                "journal beside the file");
        case Why::FileNotYours:
            return QT_TRANSLATE_NOOP("Why", "your user may not read and write it");
        case Why::OtherProgramsFile:
            return QT_TRANSLATE_NOOP("Why", "the file belongs to another program");
        case Why::NotSurveyFile:
            return QT_TRANSLATE_NOOP("Why", "the file is not an Orvanta survey file");
        case Why::DamagedAs:
            return QT_TRANSLATE_NOOP("Why", "the file is damaged (\"%1\")");
        case Why::NewerLayout:
            return QT_TRANSLATE_NOOP(
                "Why",
                "it was written by a newer version of Orvanta (layout %1; this version "
                "knows layouts up to %2). Open it with that version, or install it");
        case Why::NoSetsTable:
            return QT_TRANSLATE_NOOP("Why", "the file holds no table Sets");
        case Why::TableColumns:
            return QT_TRANSLATE_NOOP("Why", "the table %1 has the columns %2, not %3");
        case Why::SetsColumns:
            return QT_TRANSLATE_NOOP(
                "Why", "the table Sets has the columns %1, not Number and Set 1 to Set 30");
        case Why::SetsColumnTypes:
            return QT_TRANSLATE_NOOP("Why",
                                     "the table Sets has columns of other types (%1), not TEXT");
        case Why::SetsRows:
            return QT_TRANSLATE_NOOP("Why", "the table Sets has %1 rows, not %2");
        case Why::HoldsTrigger:
            return QT_TRANSLATE_NOOP(
                "Why",
                "the file has a trigger (%1) on the table %2: it could rewrite what the "
                "program stores");
        case Why::HoldsView:
            return QT_TRANSLATE_NOOP("Why",
                                     "the file holds a view (%1), which the program never writes");
        case Why::HoldsIndex:
            return QT_TRANSLATE_NOOP(
                "Why", "the file holds an index (%1), which the program never writes");
        case Why::HoldsTable:
            return QT_TRANSLATE_NOOP("Why",
                                     "the file holds a table (%1), which the program never writes");
        case Why::JournalKept:
            return QT_TRANSLATE_NOOP("Why",
                                     "the copy could not be made to keep no journal beside it");
        case Why::NoReadingAt:
            return QT_TRANSLATE_NOOP("Why", "position %1 of set %2 holds no reading");
        case Why::NoSuchPosition:
            return QT_TRANSLATE_NOOP("Why", "set %1 has no position %2");
        case Why::NoSuchSet:
            return QT_TRANSLATE_NOOP("Why", "there is no set %1");
        case Why::PlaceOffEarth:
            return QT_TRANSLATE_NOOP("Why", "the place %1, %2 is not on the earth");
        case Why::ReadingChanged:
            return QT_TRANSLATE_NOOP(
                "Why", "position %1 of set %2 no longer holds the reading %3 as it was");
        case Why::TextTooLong:
            return QT_TRANSLATE_NOOP("Why", "%1: longer than %2 characters");
        case Why::ControlCharacter:
            return QT_TRANSLATE_NOOP("Why", "%1: holds a control character (U+%2)");
        case Why::NotANumber:
            return QT_TRANSLATE_NOOP("Why", "%1: \"%2\" is not a number");
        case Why::TwoSeparators:
            return QT_TRANSLATE_NOOP(
                "Why",
                "%1: \"%2\" has both a point and a comma; type one of them as the "
                "decimal separator and no thousands separator");
        case Why::NotBetween:
            return QT_TRANSLATE_NOOP("Why", "%1: %2 is not between %3 and %4");
        case Why::BelowZero:
            return QT_TRANSLATE_NOOP("Why", "%1: %2 is below zero");
        case Why::BeyondMetres:
            return QT_TRANSLATE_NOOP("Why", "%1: %2 is beyond %3 m");
        case Why::FileTooLarge:
            return QT_TRANSLATE_NOOP("Why", "the file is too large");
        case Why::NotUtf8:
            return QT_TRANSLATE_NOOP("Why", "the text is not UTF-8");
        case Why::QuoteOpen:
            return QT_TRANSLATE_NOOP("Why", "a quoted field is not closed");
        case Why::RowTooLong:
            return QT_TRANSLATE_NOOP("Why", "the row is too long");
        case Why::HeaderColumn:
            return QT_TRANSLATE_NOOP("Why", "the header's column %1 is \"%2\", not \"%3\"");
        case Why::NotHeader:
            return QT_TRANSLATE_NOOP("Why", "the header is not the one of a list of readings");
        case Why::TooManyRows:
            return QT_TRANSLATE_NOOP("Why", "more rows than %1 sets of %2 readings");
        case Why::FieldCount:
            return QT_TRANSLATE_NOOP("Why", "%1 fields, not %2");
        case Why::NotASet:
            return QT_TRANSLATE_NOOP("Why", "not a set from 1 to %1");
        case Why::NotAPosition:
            return QT_TRANSLATE_NOOP("Why", "not a position from 1 to %1");
        case Why::PositionTwice:
            return QT_TRANSLATE_NOOP("Why", "the position comes twice");
        case Why::NoReading:
            return QT_TRANSLATE_NOOP("Why", "\"%1\" is no reading");
        case Why::NotNumber:
            return QT_TRANSLATE_NOOP("Why", "not a number");
        case Why::DepthBeyond:
            return QT_TRANSLATE_NOOP("Why", "%1 is beyond %2 m");
        case Why::NotLatitude:
            return QT_TRANSLATE_NOOP("Why", "not a latitude");
        case Why::NotLongitude:
            return QT_TRANSLATE_NOOP("Why", "not a longitude");
        case Why::NotElevation:
            return QT_TRANSLATE_NOOP("Why", "not an elevation");
        case Why::NotTime:
            return QT_TRANSLATE_NOOP("Why", "not an ISO 8601 time");
        case Why::DiffersFromFirst:
            return QT_TRANSLATE_NOOP("Why", "differs from the set's first row (line %1)");
        case Why::NotUnits:
            return QT_TRANSLATE_NOOP("Why", "not SI, CGS or empty");
        case Why::NotTrueOrFalse:
            return QT_TRANSLATE_NOOP("Why", "not true or false");
        case Why::NoRows:
            return QT_TRANSLATE_NOOP("Why", "the table has no rows");
        case Why::DepthsUneven:
            return QT_TRANSLATE_NOOP("Why",
                                     "the depths of set %1 do not follow one depth and spacing");
        case Why::DepthsGoUp:
            return QT_TRANSLATE_NOOP("Why", "the depths of set %1 go up");
        case Why::NotRecordingHeader:
            return QT_TRANSLATE_NOOP("Why", "not a recording's header (%1)");
        case Why::NoTimeText:
            return QT_TRANSLATE_NOOP("Why", "\"%1\" is no time");
        case Why::NoMeterReading:
            return QT_TRANSLATE_NOOP("Why", "\"%1\" is no reading the meter sends");
        case Why::NoUnitsText:
            return QT_TRANSLATE_NOOP("Why", "\"%1\" is no units");
        case Why::UnitsChange:
            return QT_TRANSLATE_NOOP("Why", "%1, where line %2 has %3; a set has one units");
        case Why::NoReadings:
            return QT_TRANSLATE_NOOP("Why", "it holds no reading");
        case Why::TooManyReadings:
            return QT_TRANSLATE_NOOP("Why", "it holds %1 readings; a set holds %2");
        case Why::PointWithoutPlace:
            return QT_TRANSLATE_NOOP("Why", "a %1 without a latitude and longitude");
        case Why::NotGpx:
            return QT_TRANSLATE_NOOP("Why", "it is no GPX file");
        case Why::NoTimedPoint:
            return QT_TRANSLATE_NOOP("Why", "it holds no point with a time");
        case Why::NoDepthAndSpacing:
            return QT_TRANSLATE_NOOP("Why", "set %1 has no depth and spacing: a log needs both");
        case Why::SetEmpty:
            return QT_TRANSLATE_NOOP("Why", "set %1 holds no reading");
        case Why::OthersLink:
            return QT_TRANSLATE_NOOP("Why", "it is a link another user made");
        case Why::OthersFifo:
            return QT_TRANSLATE_NOOP("Why", "it is a FIFO another user made");
        case Why::NoSuchDevice:
            return QT_TRANSLATE_NOOP("Why", "there is no device %1");
        case Why::DeviceNotYours:
            return QT_TRANSLATE_NOOP("Why", "your user may not read and write %1");
        case Why::NoSuchPortNumber:
            return QT_TRANSLATE_NOOP("Why", "there is no such port number");
        case Why::FormDecimals:
            return QT_TRANSLATE_NOOP("Why", "%1 decimals: not the meter's form, a line fault?");
        case Why::FormDoubledZero:
            return QT_TRANSLATE_NOOP("Why",
                                     "a doubled leading zero: not the meter's form, a line fault?");
        case Why::FormNoWholeDigit:
            return QT_TRANSLATE_NOOP(
                "Why", "no digit before the point: not the meter's form, a line fault?");
        case Why::StaleLock:
            return QT_TRANSLATE_NOOP(
                "Why", "its lock file %1 was left behind by a program that has ended");
    }
    return nullptr;
}

QString fieldName(const QString& key) {
    static const char* const names[][2] = {
        {"site", QT_TRANSLATE_NOOP("SetDetails", "Site")},
        {"depth", QT_TRANSLATE_NOOP("SetDetails", "Depth of position 1 (m)")},
        {"spacing", QT_TRANSLATE_NOOP("SetDetails", "Spacing (m)")},
        {"lat", QT_TRANSLATE_NOOP("SetDetails", "Latitude (\u00b0, WGS 84)")},
        {"lon", QT_TRANSLATE_NOOP("SetDetails", "Longitude (\u00b0, WGS 84)")},
        {"elevation", QT_TRANSLATE_NOOP("SetDetails", "Elevation (m)")},
        {"operator", QT_TRANSLATE_NOOP("SetDetails", "Operator")},
        {"notes", QT_TRANSLATE_NOOP("SetDetails", "Notes")},
        {"flag", QT_TRANSLATE_NOOP("SetDetails", "The flag's reason")},
    };
    for (const auto& n : names)
        if (key == QLatin1String(n[0])) return QCoreApplication::translate("SetDetails", n[1]);
    return key;
}

namespace {
// %1 to %9 of @p words filled in one pass: a fact holding "%2" stays as it is.
QString filled(const QString& words, const QStringList& facts) {
    QString out;
    out.reserve(words.size());
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QChar c = words[i];
        if (c == QLatin1Char('%') && i + 1 < words.size() && words[i + 1] >= QLatin1Char('1') &&
            words[i + 1] <= QLatin1Char('9')) {
            const int n = words[i + 1].digitValue();
            out += n <= facts.size() ? facts[n - 1] : words.mid(i, 2);
            ++i;
            continue;
        }
        out += c;
    }
    return out;
}
}  // namespace

QString why(const Reason& r) {
    const char* words = whyWords(r.why);
    if (!words) return {};
    QStringList facts = r.facts;
    // A typed field's key is named as the user sees it.
    if (r.why >= Why::TextTooLong && r.why <= Why::BeyondMetres && !facts.isEmpty())
        facts[0] = fieldName(facts[0]);
    QString text = filled(QCoreApplication::translate("Why", words), facts);
    if (r.cause)
        text = QCoreApplication::translate("Why", "%1 (%2)", "a reason, then what it came of")
                   .arg(text, why(*r.cause));
    if (r.line > 0 && r.column > 0)
        return QCoreApplication::translate("Why", "line %1, column %2 (%3): %4")
            .arg(r.line)
            .arg(r.column)
            .arg(r.columnName, text);
    if (r.line > 0) return QCoreApplication::translate("Why", "line %1: %2").arg(r.line).arg(text);
    return text;
}

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
            return FileNotRead.arg(path, why(o.reason));
        case FileFailure::NotDataFile:
            return NotDataFile.arg(path);
        case FileFailure::RecordCutShort:
            return RecordCutShort.arg(path).arg(o.position);
        case FileFailure::NotWritten:
            return FileNotWritten.arg(path, why(o.reason));
        case FileFailure::TableNotWritten:
            return TableNotWritten.arg(why(o.reason));
        case FileFailure::TableNotReplaced:
            return TableNotReplaced.arg(why(o.reason));
        case FileFailure::NotSurvey:
            return NotSurveyFile.arg(path, why(o.reason));
        case FileFailure::SurveyTooLarge:
            return NotSurveyFile.arg(path, SurveyTooLarge.text());
        case FileFailure::NotSqlite:
            return NotSurveyFile.arg(path, NotSqlite.text());
        case FileFailure::SurveyNotReading:
            return NotSurveyFile.arg(
                path,
                SurveyNotReading.text().arg(o.set).arg(o.reason.facts.value(0)).arg(o.position));
        case FileFailure::SurveyDetail:
            return NotSurveyFile.arg(
                path,
                QCoreApplication::translate("Msg", "set %1: %2").arg(o.set).arg(why(o.reason)));
        case FileFailure::SurveyNewer:
            return SurveyNewer.arg(path, why(o.reason));
        case FileFailure::StoreClosed:
            return FileNotWritten.arg(path, why(Reason::of(Why::StoreNotOpen)));
        case FileFailure::RowNumberless:
            return FileNotWritten.arg(
                path,
                QCoreApplication::translate("Msg", "row %1 has no row number").arg(o.position));
        case FileFailure::TableNotReadable:
            return QCoreApplication::translate("Msg", "%1 was not opened: %2. Nothing was changed.")
                .arg(path, why(o.reason));
        case FileFailure::ReadingTooLong:
            return FileNotWritten.arg(
                path, QCoreApplication::translate(
                          "Msg", "a reading in row %1 is longer than a data file can hold")
                          .arg(o.position));
    }
    return {};
}

}  // namespace Msg
