// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <optional>

/** @brief The commands of orvanta-cli. Each runs to its end and answers the exit code (see
 *  ExitCode); failures are told in one line on standard error. */
namespace CliCommands {

enum class FileFormat { Data, Text, Csv };
/** @brief The format a file name's extension asks for (.dat, .txt, .csv, any case). */
std::optional<FileFormat> formatOf(const QString& path);

/** @brief The port numbers of the port map, their devices, and the one start-up would pick. */
int ports();

struct DownloadRequest {
    enum class Which { Selected, Current, All };
    Which which = Which::All;
    int set = 1;              ///< for Selected: 1..30
    std::optional<int> port;  ///< else the port start-up would pick
    QString outputFile;       ///< written when the download has ended; empty: none
    int silenceSeconds = 5;   ///< the meter saying nothing this long ends the download
};
/** @brief Asks the meter for sets and stores them in the readings database. */
int download(const DownloadRequest& request);

struct ReadRequest {
    bool continuous = false;
    bool csv = false;
    std::optional<int> port;
    int silenceSeconds = 5;  ///< no reading within this long is an error
};
/** @brief Live readings on standard output, one line each. */
int read(const ReadRequest& request);

/** @brief Writes what the readings database holds now. */
int exportReadings(FileFormat format, const QString& path);

}  // namespace CliCommands
