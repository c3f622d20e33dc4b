// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/LiveRecording.h"

#include <QFileInfo>
#include <QStringList>

#include "core/common/Messages.h"
#include "core/files/CsvExport.h"
#include "core/meter/MeterFacts.h"
#include "core/meter/Numbers.h"
#include "core/store/ReadingsStore.h"

namespace {
const QByteArray kHeader("time,value,units,set,reading,mark");
/** The largest recording read back: 128 lines of a few hundred characters. */
constexpr qint64 kLargestRecording = 1 << 20;

/** One line's fields, quotes taken off ("" in a quoted field is one quote); none when a quote
 *  is left open. */
std::optional<QStringList> fieldsOf(const QString& line) {
    QStringList out;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c != QLatin1Char('"'))
                field += c;
            else if (i + 1 < line.size() && line[i + 1] == QLatin1Char('"'))
                field += line[++i];
            else
                quoted = false;
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            out << field;
            field.clear();
        } else {
            field += c;
        }
    }
    if (quoted) return std::nullopt;
    out << field;
    return out;
}

/** One line of a recording: its number in the file, its fields and its time. */
struct Line {
    int number = 0;
    QStringList fields;
    QDateTime time;
};

FileOutcome refusedAs(const QString& path, const Reason& why) {
    return FileOutcome::failed(FileFailure::TableNotReadable, path, why);
}

/** The readings' lines of the recording @p path, each with six fields or more and a time; or
 *  why it is no recording, naming the line and column. */
FileOutcome readLines(const QString& path, qint64 largest, QVector<Line>* out) {
    out->clear();
    QByteArray bytes;
    if (FileOutcome read = FileCommands::readWhole(path, largest, FileFailure::TooLarge, &bytes);
        !read)
        return read;
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
    const QString text = QString::fromUtf8(bytes);
    if (text.toUtf8() != bytes) return refusedAs(path, Reason::of(Why::NotUtf8));
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    while (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    if (lines.isEmpty() || !lines.first().startsWith(QString::fromLatin1(kHeader)))
        return refusedAs(path,
                         Reason::of(Why::NotRecordingHeader, QString::fromLatin1(kHeader)).at(1));
    for (qsizetype i = 1; i < lines.size(); ++i) {
        Line line;
        line.number = static_cast<int>(i + 1);
        const std::optional<QStringList> f = fieldsOf(lines[i]);
        if (!f || f->size() < 6)
            return refusedAs(path,
                             Reason::of(Why::FieldCount, f ? f->size() : 0, 6).at(line.number));
        line.fields = *f;
        line.time = QDateTime::fromString(f->at(0), Qt::ISODateWithMs);
        if (!line.time.isValid())
            return refusedAs(path, Reason::of(Why::NoTimeText, f->at(0).left(40))
                                       .at(line.number, 1, QStringLiteral("time")));
        out->append(line);
    }
    return FileOutcome::done();
}
}  // namespace

FileOutcome LiveRecording::start(const QString& path, bool withPositions) {
    stop();
    m_count = 0;
    m_positions = withPositions;
    m_mark.clear();
    if (const QFileInfo fi(path); fi.exists() && !fi.isFile())
        return FileOutcome::failed(FileFailure::NotRegular, path);
    m_file.setFileName(path);
    // Unbuffered: every line is in the file once written.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return FileOutcome::failed(FileFailure::NotWritten, path,
                                   Reason::said(m_file.errorString()));
    return writeLine(
        QStringLiteral("time,value,units,set,reading,mark") +
        (withPositions ? QStringLiteral(",latitude,longitude,elevation_m") : QString()));
}

FileOutcome LiveRecording::add(const QDateTime& time, const QString& value, const QString& units,
                               int set, int reading, const std::optional<GpsFix>& fix) {
    if (!isRecording()) return FileOutcome::done();
    QStringList fields{time.toUTC().toString(Qt::ISODateWithMs),
                       CsvExport::quoted(value),
                       units,
                       QString::number(set),
                       QString::number(reading),
                       CsvExport::textField(m_mark)};
    if (m_positions) {
        fields << (fix ? PositionText::degrees(fix->latitude) : QString())
               << (fix ? PositionText::degrees(fix->longitude) : QString())
               << (fix ? PositionText::metres(fix->elevationM) : QString());
    }
    const QString line = fields.join(QLatin1Char(','));
    const FileOutcome written = writeLine(line);
    if (written.ok()) {
        ++m_count;
        m_mark.clear();
    }
    return written;
}

FileOutcome LiveRecording::writeLine(const QString& line) {
    const QByteArray bytes = line.toUtf8() + "\r\n";
    errno = 0;
    if (m_file.write(bytes) != bytes.size()) {
        const Reason why = Reason::fromSystem(errno, m_file.errorString());
        const QString path = m_file.fileName();
        stop();
        return FileOutcome::failed(FileFailure::NotWritten, path, why);
    }
    return FileOutcome::done();
}

bool LiveRecording::looksLikeRecording(const QString& path) {
    QFile f(path);
    if (!QFileInfo(path).isFile() || !f.open(QIODevice::ReadOnly)) return false;
    QByteArray first = f.readLine(256);
    if (first.startsWith("\xEF\xBB\xBF")) first.remove(0, 3);
    return first.startsWith(kHeader);
}

FileOutcome LiveRecording::readBack(ReadingsStore& store, const QString& path, int set) {
    QVector<Line> lines;
    if (FileOutcome read = readLines(path, kLargestRecording, &lines); !read) return read;
    const auto refused = [&](const Reason& why) { return refusedAs(path, why); };
    if (lines.isEmpty()) return refused(Reason::of(Why::NoReadings));
    if (lines.size() > Meter::kPositions)
        return refused(Reason::of(Why::TooManyReadings, lines.size(), Meter::kPositions));
    QStringList values;
    QString units;
    int unitsLine = 0;
    for (const Line& l : lines) {
        const int line = l.number;
        const QStringList& f = l.fields;
        if (!Numbers::isReading(f.at(1)))
            return refused(Reason::of(Why::NoMeterReading, f.at(1).left(40))
                               .at(line, 2, QStringLiteral("value")));
        const QString u = f.at(2);
        if (!u.isEmpty() && u != QLatin1String("SI") && u != QLatin1String("CGS"))
            return refused(
                Reason::of(Why::NoUnitsText, u.left(40)).at(line, 3, QStringLiteral("units")));
        if (!u.isEmpty() && !units.isEmpty() && u != units)
            return refused(Reason::of(Why::UnitsChange, u, unitsLine, units)
                               .at(line, 3, QStringLiteral("units")));
        if (!u.isEmpty() && units.isEmpty()) {
            units = u;
            unitsLine = line;
        }
        values << f.at(1);
    }
    // One transaction: the set takes the recording whole, or stays as it was.
    const bool grouped = store.beginGroup();
    StoreResult written = StoreResult::done();
    for (int p = 0; p < values.size() && written.ok(); ++p)
        written = store.writeReading(set, p + 1, values[p]);
    if (written.ok() && values.size() < Meter::kPositions)
        written = store.clearSet(set, static_cast<int>(values.size()) + 1);
    if (written.ok()) {
        SetDetails d = store.details(set);
        d.units = units.isEmpty()
                      ? std::nullopt
                      : std::optional<Meter::Units>(
                            units == QLatin1String("CGS") ? Meter::Units::CGS : Meter::Units::SI);
        written = store.setDetails(set, d);
    }
    if (grouped) {
        if (written.ok())
            written = store.endGroup();
        else
            store.cancelGroup();
    }
    if (!written) return FileOutcome::failed(FileFailure::TableNotWritten, path, written.reason);
    return FileOutcome::done();
}

FileOutcome LiveRecording::placeByTrack(const QString& path, const QVector<GpxTrack::Point>& track,
                                        int gapSeconds, QByteArray* out, int* placed) {
    out->clear();
    *placed = 0;
    QVector<Line> lines;
    if (FileOutcome read = readLines(path, kLargestRecording * 64, &lines); !read) return read;
    QByteArray made = kHeader + ",latitude,longitude,elevation_m\r\n";
    for (const Line& l : lines) {
        const QStringList& f = l.fields;
        const QDateTime& time = l.time;
        QStringList fields{f.at(0), CsvExport::quoted(f.at(1)),   f.at(2), f.at(3),
                           f.at(4), CsvExport::textField(f.at(5))};
        const std::optional<GpxTrack::Point> p = GpxTrack::at(track, time.toUTC(), gapSeconds);
        if (p) ++*placed;
        fields << (p ? PositionText::degrees(p->latitude) : QString())
               << (p ? PositionText::degrees(p->longitude) : QString())
               << (p ? PositionText::metres(p->elevationM) : QString());
        made += fields.join(QLatin1Char(',')).toUtf8() + "\r\n";
    }
    *out = made;
    return FileOutcome::done();
}
