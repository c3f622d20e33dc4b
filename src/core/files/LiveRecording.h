// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDateTime>
#include <QFile>
#include <QString>

#include "core/files/FileCommands.h"
#include "core/files/GpxTrack.h"
#include "core/gps/GpsReceiver.h"

/** @brief A run of live readings written to a CSV file as they come: "time,value,units,set,
 *  reading,mark", the time in UTC with milliseconds, the value as the meter sent it; with a GPS
 *  receiver, "latitude,longitude,elevation_m" follow (empty without a current fix). Each line
 *  goes to the file as it is written, so a crash or a pulled plug loses at most that line. */
class ReadingsStore;

class LiveRecording {
public:
    /** @brief The file begins with a recording's header. */
    static bool looksLikeRecording(const QString& path);
    /** @brief Puts the readings of the recording @p path into @p set, position 1 onward, the
     *  set's later positions cleared and its units those recorded, in one transaction. All or
     *  nothing: a recording with more readings than a set holds, a line that holds no time or
     *  no reading the meter sends, or readings in two units is refused with the line and column,
     *  and the table is left as it was. */
    static FileOutcome readBack(ReadingsStore& store, const QString& path, int set);
    /** @brief The recording @p path with each reading's place from @p track (GpxTrack::at, within
     *  @p gapSeconds) in its latitude, longitude and elevation_m columns, added or filled, into
     *  @p out; a reading no track point is near keeps empty columns. @p placed counts those
     *  placed. A line that is not a recording's is refused with its number, and nothing made. */
    static FileOutcome placeByTrack(const QString& path, const QVector<GpxTrack::Point>& track,
                                    int gapSeconds, QByteArray* out, int* placed);

    /** @brief Starts a new file at @p path (replacing one that is there) with its header;
     *  @p withPositions adds the position columns. */
    FileOutcome start(const QString& path, bool withPositions = false);
    /** @brief Appends one reading, taken at @p fix (none: no current fix); the mark set by
     *  markNext() goes with it. On failure the recording stops (the lines written stay). */
    FileOutcome add(const QDateTime& time, const QString& value, const QString& units, int set,
                    int reading, const std::optional<GpsFix>& fix = std::nullopt);
    bool withPositions() const { return m_positions; }
    /** @brief @p label goes into the mark column of the next reading. */
    void markNext(const QString& label) { m_mark = label; }
    void stop() { m_file.close(); }
    bool isRecording() const { return m_file.isOpen(); }
    /** @brief Readings written since start(). */
    int count() const { return m_count; }
    QString path() const { return m_file.fileName(); }
    QString pendingMark() const { return m_mark; }

private:
    FileOutcome writeLine(const QString& line);
    QFile m_file;
    QString m_mark;
    int m_count = 0;
    bool m_positions = false;
};
