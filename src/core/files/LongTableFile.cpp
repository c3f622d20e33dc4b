// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/LongTableFile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringDecoder>
#include <cerrno>
#include <cmath>

#include "core/files/CsvExport.h"
#include "core/files/SurveyExport.h"
#include "core/meter/Numbers.h"
#include "core/store/ReadingsStore.h"

namespace LongTableFile {
namespace {
// Larger than the long table of 30 full sets with long notes on every row.
constexpr qint64 kLargestFile = 64LL * 1024 * 1024;
const QString kOldHeader = QStringLiteral(
    "set,position,depth_m,value,units,site,latitude,longitude,elevation_m,downloaded_utc,"
    "operator,notes,complete");
enum Column {
    Set,
    Position,
    Depth,
    Value,
    Units,
    Site,
    Lat,
    Lon,
    Elevation,
    Downloaded,
    Operator,
    Notes,
    Complete,
    Flag,
    ReadingLat,
    ReadingLon,
    ReadingElevation,
    ReadingFix
};

struct Record {
    int line = 0;  ///< where it starts, from 1
    QStringList fields;
};

// No record is longer: notes of kLongestNotes characters, four bytes each, and the rest.
constexpr qint64 kLongestRecord = 256 * 1024;
// What a line is read in at a time.
constexpr qint64 kPiece = 4096;
// A header and one row per position of every set.
constexpr int kMostRecords = 1 + Meter::kSets * Meter::kPositions;

/** @brief The records of a long table, read one at a time from its file: memory holds one
 *  record, however large the file. RFC 4180: fields apart by commas (or by semicolons, in the
 *  decimal-comma form), records by CRLF or LF; a quoted field may hold the separator, doubled
 *  quotes and line breaks. */
class RecordReader {
public:
    enum class Got { Record, End, NotUtf8, QuoteOpen, TooLong, NotRead };
    RecordReader(QFile& in, QChar separator) : m_in(in), m_separator(separator) {}
    /** @brief The next record that holds something; line() tells where a problem is. */
    Got next(Record* record);
    int line() const { return m_line; }

private:
    QFile& m_in;
    QChar m_separator;
    int m_line = 0;  ///< lines read so far
};

RecordReader::Got RecordReader::next(Record* record) {
    *record = Record{};
    QString field;
    bool quoted = false;
    bool any = false;
    qint64 size = 0;
    for (;;) {
        if (m_in.atEnd()) {
            if (quoted) return Got::QuoteOpen;
            if (!any && field.isEmpty()) return Got::End;
            record->fields << field;
            return Got::Record;
        }
        // A line in pieces: a short line costs a short buffer, a long one at most the record.
        QByteArray bytes;
        do {
            const QByteArray piece = m_in.readLine(kPiece + 1);
            if (piece.isEmpty()) {
                if (m_in.error() != QFileDevice::NoError) return Got::NotRead;
                break;
            }
            bytes += piece;
            if (size + bytes.size() > kLongestRecord) return Got::TooLong;
        } while (!bytes.endsWith('\n'));
        ++m_line;
        if (record->line == 0) record->line = m_line;
        size += bytes.size();
        // Text that is not UTF-8 is refused at its line, never read with characters replaced.
        // A byte order mark opens the file, and only there is it dropped; elsewhere it is a
        // character in a field that then fails to read.
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        QString text = utf8(bytes);
        if (utf8.hasError()) return Got::NotUtf8;
        if (m_line == 1 && text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            if (quoted) {
                if (c == QLatin1Char('"') && i + 1 < text.size() &&
                    text[i + 1] == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else if (c == QLatin1Char('"')) {
                    quoted = false;
                } else {
                    field += c;
                }
                continue;
            }
            if (c == QLatin1Char('"') && field.isEmpty()) {
                quoted = any = true;
            } else if (c == m_separator) {
                record->fields << field;
                field.clear();
                any = true;
            } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
                // The record ends with its line (a CR alone ends it too).
                if (!any && field.isEmpty()) {
                    if (c == QLatin1Char('\r') && i + 1 < text.size() &&
                        text[i + 1] == QLatin1Char('\n'))
                        ++i;
                    continue;
                }
                record->fields << field;
                return Got::Record;
            } else {
                field += c;
                any = true;
            }
        }
        if (!quoted && !any && field.isEmpty()) record->line = 0;  // a blank line
    }
}
}  // namespace

bool looksLikeLongTable(const QString& path) {
    QFile f(path);
    if (!QFileInfo(path).isFile() || !f.open(QIODevice::ReadOnly)) return false;
    QByteArray first = f.readLine(4096).trimmed().toLower();
    if (first.startsWith("\xEF\xBB\xBF")) first.remove(0, 3);
    // Its first two columns make a table one: one with a column missing, or saved by a
    // spreadsheet with semicolons, is read as a long table and refused with its place and reason,
    // not taken for a data file.
    return first.startsWith("set,position,") || first.startsWith("set;position;");
}

FileOutcome open(ReadingsStore& store, const QString& path) {
    const auto refused = [&path](int line, int column, const Reason& why) {
        const QStringList names =
            (SurveyExport::kLongHeader + SurveyExport::kLongPlaceColumns).split(QLatin1Char(','));
        return FileOutcome::failed(
            FileFailure::TableNotReadable, path,
            column < 0 ? why.at(line) : why.at(line, column + 1, names.value(column)));
    };
    const QFileInfo fi(path);
    if (fi.exists() && !fi.isFile()) return FileOutcome::failed(FileFailure::NotRegular, path);
    if (fi.size() > kLargestFile) return refused(1, -1, Reason::of(Why::FileTooLarge));
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        return FileOutcome::failed(FileFailure::NotRead, path,
                                   Reason::ofRead(errno, file.errorString()));
    // The file chooses its form by its header: fields apart by commas, or by semicolons with
    // decimal commas, as a spreadsheet in a decimal-comma language writes it.
    QByteArray first = file.peek(64).toLower();
    if (first.startsWith("\xEF\xBB\xBF")) first.remove(0, 3);
    const bool decimalComma = first.startsWith("set;position;");
    RecordReader reader(file, decimalComma ? QLatin1Char(';') : QLatin1Char(','));
    // A number of the decimal-comma form in the form every rule below reads.
    const auto number = [decimalComma](QString text) {
        if (decimalComma) text.replace(QLatin1Char(','), QLatin1Char('.'));
        return text;
    };
    Record rec;
    // Why the reader stopped, when it stopped on a fault.
    const auto unreadable = [&](RecordReader::Got got) {
        switch (got) {
            case RecordReader::Got::NotUtf8:
                return refused(reader.line(), -1, Reason::of(Why::NotUtf8));
            case RecordReader::Got::QuoteOpen:
                return refused(rec.line, -1, Reason::of(Why::QuoteOpen));
            case RecordReader::Got::TooLong:
                return refused(rec.line, -1, Reason::of(Why::RowTooLong));
            case RecordReader::Got::NotRead:
                return FileOutcome::failed(FileFailure::NotRead, path,
                                           Reason::said(file.errorString()));
            case RecordReader::Got::Record:
            case RecordReader::Got::End:
                break;
        }
        return FileOutcome::done();
    };
    RecordReader::Got got = reader.next(&rec);
    if (got != RecordReader::Got::Record && got != RecordReader::Got::End) return unreadable(got);
    const QString header =
        got == RecordReader::Got::End ? QString() : rec.fields.join(QLatin1Char(','));
    if (header != SurveyExport::kLongHeader && header != kOldHeader &&
        header != SurveyExport::kLongHeader + SurveyExport::kLongPlaceColumns) {
        const QStringList names = SurveyExport::kLongHeader.split(QLatin1Char(','));
        for (int c = 0; c < names.size(); ++c)
            if (rec.fields.value(c) != names[c])
                return refused(
                    1, -1,
                    Reason::of(Why::HeaderColumn, c + 1, rec.fields.value(c).left(40), names[c]));
        return refused(1, -1, Reason::of(Why::NotHeader));
    }
    const int columns = static_cast<int>(rec.fields.size());

    QVector<ReadingsStore::Row> rows(Meter::kPositions);
    for (ReadingsStore::Row& row : rows) row.fill(Meter::kClearedReading);
    ReadingsStore::AllDetails details{};
    QVector<ReadingsStore::Mark> marks;
    QVector<ReadingsStore::PlacedReading> places;
    QHash<int, Record> firstOfSet;                 // the row whose details each set's rows repeat
    QHash<int, QList<QPair<int, double>>> depths;  // (position, depth) of each set
    QSet<int> seen;
    int count = 1;
    for (;;) {
        got = reader.next(&rec);
        if (got == RecordReader::Got::End) break;
        if (got != RecordReader::Got::Record) return unreadable(got);
        // No survey has more: a file of a million rows is refused as it is read.
        if (++count > kMostRecords)
            return refused(rec.line, -1,
                           Reason::of(Why::TooManyRows, Meter::kSets, Meter::kPositions));
        if (rec.fields.size() != columns)
            return refused(rec.line, -1, Reason::of(Why::FieldCount, rec.fields.size(), columns));
        const auto field = [&rec](int column) { return rec.fields.value(column); };
        bool ok = false;
        const int set = field(Set).toInt(&ok);
        if (!ok || !Meter::isSet(set))
            return refused(rec.line, Set, Reason::of(Why::NotASet, Meter::kSets));
        const int position = field(Position).toInt(&ok);
        if (!ok || position < 1 || position > Meter::kPositions)
            return refused(rec.line, Position, Reason::of(Why::NotAPosition, Meter::kPositions));
        if (seen.contains(set * 1000 + position))
            return refused(rec.line, Position, Reason::of(Why::PositionTwice));
        seen.insert(set * 1000 + position);
        const QString value = number(field(Value));
        if (value.isEmpty() || !Numbers::isReading(value))
            return refused(rec.line, Value, Reason::of(Why::NoReading, value.left(40)));
        if (!field(Depth).isEmpty()) {
            const std::optional<double> depth = Numbers::toReal(number(field(Depth)));
            if (!depth) return refused(rec.line, Depth, Reason::of(Why::NotNumber));
            // Two depths near the ends of a double make an infinite spacing.
            if (!std::isfinite(*depth) || std::fabs(*depth) > SetDetailFields::kLargestMetres)
                return refused(rec.line, Depth,
                               Reason::of(Why::DepthBeyond, field(Depth).left(40),
                                          SetDetailFields::kLargestMetres));
            depths[set].append({position, *depth});
        }
        rows[position - 1][static_cast<size_t>(set - 1)] = value;
        const QString flag = columns > Flag ? CsvExport::fromTextField(field(Flag)) : QString();
        if (const Reason why = SetDetailFields::textProblem(QStringLiteral("flag"), flag,
                                                            SetDetailFields::kLongestText, false))
            return refused(rec.line, Flag, why);
        if (value == Meter::kClearedReading || !flag.isEmpty())
            marks.append({set, position, ReadingsStore::Held::Reading, flag});
        // The reading's own place, when the table has the columns and the row fills them.
        if (columns > ReadingLat &&
            !(field(ReadingLat).isEmpty() && field(ReadingLon).isEmpty() &&
              field(ReadingElevation).isEmpty() && field(ReadingFix).isEmpty())) {
            ReadingPlace at;
            const std::optional<double> lat = Numbers::toReal(number(field(ReadingLat)));
            if (!lat || !(*lat >= -90 && *lat <= 90))
                return refused(rec.line, ReadingLat, Reason::of(Why::NotLatitude));
            const std::optional<double> lon = Numbers::toReal(number(field(ReadingLon)));
            if (!lon || !(*lon >= -180 && *lon <= 180))
                return refused(rec.line, ReadingLon, Reason::of(Why::NotLongitude));
            at.latitude = *lat;
            at.longitude = *lon;
            if (!field(ReadingElevation).isEmpty()) {
                at.elevationM = Numbers::toReal(number(field(ReadingElevation)));
                if (!at.elevationM || !at.isValid())
                    return refused(rec.line, ReadingElevation, Reason::of(Why::NotElevation));
            }
            if (!field(ReadingFix).isEmpty()) {
                at.fixUtc = QDateTime::fromString(field(ReadingFix), Qt::ISODate);
                if (!at.fixUtc.isValid())
                    return refused(rec.line, ReadingFix, Reason::of(Why::NotTime));
                at.fixUtc = at.fixUtc.toUTC();
            }
            places.append({set, position, at});
        }
        // The set's own fields are the same on each of its rows.
        const auto first = firstOfSet.constFind(set);
        if (first != firstOfSet.constEnd()) {
            for (int c = Units; c <= Complete; ++c)
                if (first->fields.value(c) != field(c))
                    return refused(rec.line, c, Reason::of(Why::DiffersFromFirst, first->line));
            continue;
        }
        firstOfSet.insert(set, rec);
        SetDetails& d = details[static_cast<size_t>(set - 1)];
        if (field(Units) == QLatin1String("SI"))
            d.units = Meter::Units::SI;
        else if (field(Units) == QLatin1String("CGS"))
            d.units = Meter::Units::CGS;
        else if (!field(Units).isEmpty())
            return refused(rec.line, Units, Reason::of(Why::NotUnits));
        const QList<QPair<int, DetailField>> typed{
            {Site, DetailField::Site},         {Lat, DetailField::Latitude},
            {Lon, DetailField::Longitude},     {Elevation, DetailField::Elevation},
            {Operator, DetailField::Operator}, {Notes, DetailField::Notes}};
        for (const auto& [column, detail] : typed) {
            if (const Reason why =
                    SetDetailFields::setText(d, detail, CsvExport::fromTextField(field(column))))
                return refused(rec.line, column, why);
        }
        if (!field(Downloaded).isEmpty()) {
            d.downloadedUtc = QDateTime::fromString(field(Downloaded), Qt::ISODate);
            if (!d.downloadedUtc.isValid())
                return refused(rec.line, Downloaded, Reason::of(Why::NotTime));
            d.downloadedUtc = d.downloadedUtc.toUTC();
        }
        // A spreadsheet that saved the table back writes TRUE and FALSE.
        const bool isTrue =
            field(Complete).compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
        if (!isTrue && field(Complete).compare(QLatin1String("false"), Qt::CaseInsensitive) != 0)
            return refused(rec.line, Complete, Reason::of(Why::NotTrueOrFalse));
        d.complete = isTrue;
    }
    // A header alone is no survey: taken, it would empty every set.
    if (count == 1) return refused(2, -1, Reason::of(Why::NoRows));
    // Depth and spacing from the depths of the rows: two give both; one at position 1 its depth.
    for (auto it = depths.cbegin(); it != depths.cend(); ++it) {
        QList<QPair<int, double>> at = it.value();
        std::sort(at.begin(), at.end());
        SetDetails& d = details[static_cast<size_t>(it.key() - 1)];
        if (at.size() == 1) {
            if (at.first().first == 1) d.depthM = at.first().second;
            continue;
        }
        const double spacing =
            (at[1].second - at[0].second) / static_cast<double>(at[1].first - at[0].first);
        const double depth = at[0].second - (at[0].first - 1) * spacing;
        for (const auto& [position, metres] : at)
            if (std::fabs(depth + (position - 1) * spacing - metres) >
                1e-6 * qMax(1.0, std::fabs(metres)))
                return refused(firstOfSet.value(it.key()).line, Depth,
                               Reason::of(Why::DepthsUneven, it.key()));
        if (spacing < 0)
            return refused(firstOfSet.value(it.key()).line, Depth,
                           Reason::of(Why::DepthsGoUp, it.key()));
        d.depthM = std::round(depth * 1e9) / 1e9;
        d.spacingM = std::round(spacing * 1e9) / 1e9;
    }
    const StoreResult replaced = store.replaceAll(rows, details, marks, places);
    if (!replaced) return FileOutcome::failed(FileFailure::TableNotReplaced, path, replaced.reason);
    return FileOutcome::done();
}
}  // namespace LongTableFile
