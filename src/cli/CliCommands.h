// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QList>
#include <QPair>
#include <QString>
#include <optional>

#include "core/files/ExportFormats.h"
#include "core/gps/GpsReceiver.h"
#include "core/store/SetDetails.h"

/** @brief The commands of orvanta-cli. Each runs to its end and answers the exit code (see
 *  ExitCode); failures are told in one line on standard error. */
namespace CliCommands {

/** @brief Where a file goes: a path, or "-" for standard output. A regular file is replaced only
 *  once the new one is whole; a special file (/dev/stdout, a FIFO) named on purpose is written
 *  to as it is. */
struct Output {
    QString path;
    const ExportFormats::Format* format = ExportFormats::byId(QStringLiteral("csv"));
    bool decimalComma = false;  ///< CSV with semicolons and decimal commas
    int set = 0;                ///< the set of a LAS log
};

/** @brief The port: a number, or a device (a path, or a name under /dev/serial/by-id/). Neither:
 *  the port start-up would pick. */
struct PortChoice {
    std::optional<int> number;
    QString device;
};

/** @brief The port numbers of the port map, their devices, and the one start-up would pick; with
 *  @p json one JSON object a line. */
int ports(bool json);

struct DownloadRequest {
    enum class Which { Selected, Current, All };
    Which which = Which::All;
    int set = 1;  ///< for Selected: 1..30
    PortChoice port;
    std::optional<Output> output;  ///< written when the download has ended
    int silenceSeconds = 5;        ///< the meter saying nothing this long ends the download
};
/** @brief Asks the meter for sets and stores them in the readings database. A CSV output of a
 *  one-set download holds the set it brought only. */
int download(const DownloadRequest& request);

struct ReadRequest {
    bool continuous = false;
    bool csv = false;
    bool json = false;        ///< one JSON object a line
    int samples = 0;          ///< that many readings, then stop (0: no limit)
    int durationSeconds = 0;  ///< read for this long, then stop (0: no limit)
    PortChoice port;
    int silenceSeconds = 5;  ///< no reading within this long is an error
    /** @brief A GPS receiver's device: each reading then carries the position of its current
     *  fix (empty, or null in JSON, without one). Empty: no receiver. */
    QString gpsDevice;
};
/** @brief Live readings on standard output, one line each, time stamps in UTC with
 *  milliseconds. When the output is closed (a pipe whose reader ended), the meter is told to
 *  stop and the command ends quietly. */
int read(const ReadRequest& request);

/** @brief The current fix of the GPS receiver on @p device, waited for up to @p seconds;
 *  none, told on standard error, when the device cannot be read or gives no fix in time. */
std::optional<GpsFix> waitForFix(const QString& device, int seconds);

/** @brief The recording @p recording with each reading's place from the GPX track @p gpx
 *  (within @p gapSeconds), written to @p output ("-": standard output); how many were placed
 *  goes to standard error. */
int positions(const QString& recording, const QString& gpx, int gapSeconds, const QString& output);

/** @brief Writes what the readings database holds now. */
int exportReadings(const Output& output);

/** @brief Set @p set's details: printed (as "name: value" lines, or one JSON object with
 *  @p json), after @p changes (field, text) are made, the other fields kept. A text that is not
 *  a value of its field is one line and exit 1, and changes nothing. */
int details(int set, const QList<QPair<DetailField, QString>>& changes, bool json);
/** @brief Flags the reading at @p position of @p set with @p reason; an empty reason unflags it. */
int flag(int set, int position, const QString& reason);
/** @brief Statistics of @p set, or of every set that holds readings: one line, or one JSON
 *  object, each. */
int stats(std::optional<int> set, bool json);
/** @brief Replaces the readings and details with those of a data file or a survey file. */
int openFile(const QString& path, std::optional<int> set = std::nullopt);
/** @brief The downloads kept in the readings database, one line each (id, time, device,
 *  request, bytes); with @p raw, download @p raw's bytes as received, to @p path ("-" for
 *  standard output). */
int downloads(std::optional<qint64> raw, const QString& path, bool json);

}  // namespace CliCommands
