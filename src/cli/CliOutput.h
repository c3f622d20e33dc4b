// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>

/** @brief The exit codes of orvanta-cli. */
enum class ExitCode : int {
    Ok = 0,
    Usage = 1,
    Meter = 2,
    File = 3,
    Incomplete = 4,  ///< a set cut short or a value unreadable: the output is not whole
    Interrupted = 130
};

/** @brief One line on standard error: "orvanta-cli: <text>". */
void printError(const QString& text);
/** @brief @p line and a line feed on standard output, flushed. False when it could not be
 *  written; outputFailure() then tells why, unless the reader had gone (a closed pipe is how a
 *  pipeline like `| head` ends a run, not a fault). */
bool printOut(const QString& line);
/** @brief Why standard output could not be written (a full disk, an I/O error), after flushing
 *  what is pending; empty text when all of it was written or only the reader went away. */
QString outputFailure();

/** @brief @p msSinceEpoch as ISO 8601 UTC with milliseconds ("2026-12-08T08:28:09.125Z"), as
 *  QDateTime's Qt::ISODateWithMs writes it, made without a calendar object: every sample `read`
 *  prints has one. Years 1970 to 9999. */
QString utcStamp(qint64 msSinceEpoch);
