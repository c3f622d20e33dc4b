// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <utility>

#include "core/common/Result.h"

/** @brief Why a file command did not do what it was asked. */
enum class FileFailure {
    None,
    NotRegular,        ///< a folder, a device or a FIFO where a file was meant
    TooLarge,          ///< larger than any data file
    NotRead,           ///< the system could not read it: reason says why
    NotDataFile,       ///< no record of it is one this program writes
    RecordCutShort,    ///< record `position` is cut short: the file is not whole
    NotWritten,        ///< the system could not write it: reason says why
    TableNotWritten,   ///< the readings database refused a change: reason says why
    TableNotReplaced,  ///< the readings database refused the file's table: reason says why
    NotSurvey,         ///< the database's own check refused it: reason says why
    SurveyTooLarge,    ///< larger than any survey file
    NotSqlite,         ///< not an SQLite database at all
    SurveyNotReading,  ///< set `set` holds `reason` at `position`, which is no reading
    SurveyNewer,       ///< written by a newer version of the program: reason says which
    SurveyDetail,      ///< set `set` holds a detail typing would refuse: reason says which
    StoreClosed,       ///< the readings database is not open: there is nothing to write
    RowNumberless,     ///< row `position` of the table has no row number a data file holds
    ReadingTooLong,    ///< a reading in row `position` is longer than a data file holds
    TableNotReadable,  ///< a long table holds what cannot be read: reason says where and why
};

/** @brief What became of a file command: a kind, the file it concerned, the system's or the
 *  database's reason, and the set and position concerned where there is one. No user text:
 *  each front end words it (Msg::forFile). */
struct FileOutcome : Result<FileFailure> {
    QString path;
    int set = 0;
    int position = 0;
    /** @brief A data file that opened but holds fewer records than the table has rows (one a
     *  copy cut at a record's end leaves): how many it held, `position` being the table's last
     *  row. 0 for a whole file. */
    int shortOf = 0;

    static FileOutcome done() { return {}; }
    static FileOutcome failed(FileFailure kind, QString path, Reason reason = {}) {
        FileOutcome o;
        o.kind = kind;
        o.path = std::move(path);
        o.reason = std::move(reason);
        return o;
    }
    static FileOutcome at(FileFailure kind, QString path, int set, int position,
                          Reason reason = {}) {
        FileOutcome o = failed(kind, std::move(path), std::move(reason));
        o.set = set;
        o.position = position;
        return o;
    }
};
