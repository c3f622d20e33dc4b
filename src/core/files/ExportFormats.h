// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

#include "core/common/FileOutcome.h"

class ReadingsStore;

/** @brief What the readings are written out as, one entry a format. File > Export, its save
 *  dialogs and the names they remember, and the CLI's export are all made from this list: a new
 *  format is its writer and one entry here. */
namespace ExportFormats {

/** @brief What a writer is asked beside the store. */
struct Options {
    bool decimalComma = false;  ///< a format with a decimal comma type: the second type chosen
    int set = 0;                ///< a format that writes one set: which
    QList<int> onlySets;        ///< the CSV: only these sets, when there are some
    QString path;               ///< the file it goes to, for what a refusal names
};

/** @brief What a writer made: the bytes, or the reason there are none (an outcome a front end
 *  words), and the sets it left out where a format tells them. */
struct Written {
    QByteArray bytes;
    FileOutcome problem;
    int leftOut = 0;
};

struct Format {
    QString id;      ///< "csv", "long": the CLI's option (--csv) and the remembered name's key
    QString suffix;  ///< the file name's, without the dot
    /** @brief The file types of its save dialog, untranslated (context "ExportFormats"); the
     *  second of a format with hasDecimalComma writes a decimal comma. */
    QStringList fileTypes;
    const char* menuText = nullptr;  ///< its File > Export item, untranslated; none: not there
    QString menuName;                ///< that item's object name
    const char* title = nullptr;     ///< its save dialog's title; %1 the set for needsSet
    QString cliHelp;                 ///< what the CLI's --id option says of it
    /** @brief For needsSet: the desktop's word when the set cannot be written, before a file is
     *  asked for; %1 the set, %2 why. */
    const char* refusal = nullptr;
    bool hasDecimalComma = false;
    bool needsSet = false;
    bool toStandardOutput = true;  ///< may be written to "-"
    std::function<Written(const ReadingsStore&, const Options&)> write;
};

/** @brief Every format, in the order the File menu and the CLI's help give them. */
const QVector<Format>& all();
/** @brief The format of @p id; null when there is none. */
const Format* byId(const QString& id);
/** @brief The format a file named @p path is written in by its suffix (case ignored); null when
 *  no format has it. The first of several with one suffix is taken: a .csv is the CSV. */
const Format* bySuffix(const QString& path);
/** @brief The ids, joined for a usage text: "dat, txt, csv"; with @p standardOutputOnly, those
 *  of the formats that write the whole table to standard output. */
QString ids(bool standardOutputOnly = false);
}  // namespace ExportFormats
