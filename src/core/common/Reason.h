// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>
#include <cerrno>
#include <memory>
#include <type_traits>
#include <utility>

/** @brief The kinds of reason the core gives for what it refused or could not do. Each has its
 *  facts, filled into its words in order; the words are the front ends' (Msg::why), in the
 *  user's language. */
enum class Why {
    None,
    Said,  ///< the system's or Qt's own words, quoted as they came: the words
    // What SQLite answered, by its result code.
    DiskFull,
    ReadOnly,
    NotPermitted,
    Damaged,
    InputOutput,
    CannotOpen,
    InUse,
    OutOfMemory,
    DatabaseSaid,  ///< another refusal: SQLite's words
    TookTooLong,   ///< the limit in seconds
    // The readings database and survey files.
    StoreNotOpen,
    NotRegularFile,
    NoSuchFile,
    NotReadable,
    FileNotOpen,
    FileNotWritable,
    FolderMissing,             ///< the folder
    FolderNotWritable,         ///< the folder
    JournalFolderNotWritable,  ///< the folder
    FileNotYours,
    OtherProgramsFile,
    NotSurveyFile,
    DamagedAs,    ///< SQLite's verdict
    NewerLayout,  ///< the file's layout, the newest this version reads
    NoSetsTable,
    TableColumns,     ///< the table, its columns, the columns it should have
    SetsColumns,      ///< the columns
    SetsColumnTypes,  ///< the columns with their types
    SetsRows,         ///< its rows, the rows it should have
    HoldsTrigger,     ///< the trigger, its table
    HoldsView,        ///< the view
    HoldsIndex,       ///< the index
    HoldsTable,       ///< the table
    JournalKept,
    // Positions, sets, places and flags.
    NoReadingAt,     ///< position, set
    NoSuchPosition,  ///< set, position
    NoSuchSet,       ///< set
    PlaceOffEarth,   ///< latitude, longitude
    ReadingChanged,  ///< position, set, the reading as it was
    // Typed text and numbers: the first fact is the field's key (Msg::fieldName).
    TextTooLong,       ///< field, the longest
    ControlCharacter,  ///< field, the character's code (hex)
    NotANumber,        ///< field, the text
    TwoSeparators,     ///< field, the text
    NotBetween,        ///< field, the text, the lowest, the highest
    BelowZero,         ///< field, the text
    BeyondMetres,      ///< field, the text, the bound
    // Files read back: a long table, a recording, a GPX track. Most are at a line.
    FileTooLarge,
    NotUtf8,
    QuoteOpen,
    RowTooLong,
    HeaderColumn,  ///< column, what it holds, what it should hold
    NotHeader,
    TooManyRows,   ///< sets, positions
    FieldCount,    ///< fields, fields the header has
    NotASet,       ///< sets
    NotAPosition,  ///< positions
    PositionTwice,
    NoReading,  ///< the text
    NotNumber,
    DepthBeyond,  ///< the text, the bound
    NotLatitude,
    NotLongitude,
    NotElevation,
    NotTime,
    DiffersFromFirst,  ///< the first row's line
    NotUnits,
    NotTrueOrFalse,
    NoRows,
    DepthsUneven,        ///< set
    DepthsGoUp,          ///< set
    NotRecordingHeader,  ///< the header it should have
    NoTimeText,          ///< the text
    NoMeterReading,      ///< the text
    NoUnitsText,         ///< the text
    UnitsChange,         ///< these units, the line before, its units
    NoReadings,
    TooManyReadings,    ///< readings, positions
    PointWithoutPlace,  ///< the element
    NotGpx,
    NoTimedPoint,
    // Writing files.
    NoDepthAndSpacing,  ///< set
    SetEmpty,           ///< set
    OthersLink,
    OthersFifo,
    // Ports.
    NoSuchDevice,    ///< the device
    DeviceNotYours,  ///< the device
    NoSuchPortNumber,
    StaleLock,  ///< the lock file
    // A value received that is a reading, but not in the meter's form: the flag it is stored with.
    FormDecimals,  ///< its decimals
    FormDoubledZero,
    FormNoWholeDigit,
    Count  ///< not a kind: how many there are
};

/** @brief Why something was refused: a kind, its facts, where in a file when it concerns one,
 *  and what lies beneath when one reason comes of another. No words: Msg::why words it. */
struct Reason {
    Why why = Why::None;
    QStringList facts;
    int line = 0;        ///< the file's line it concerns; 0 for none
    int column = 0;      ///< its column, from 1; 0 for the line as a whole
    QString columnName;  ///< the column's name in the file
    std::shared_ptr<const Reason> cause;

    template <typename... Facts>
    static Reason of(Why why, const Facts&... facts) {
        Reason r;
        r.why = why;
        (r.facts.append(factText(facts)), ...);
        return r;
    }
    /** @brief The system's, SQLite's or Qt's own words; a question mark when they are empty:
     *  a refusal without words is a refusal all the same. */
    static Reason said(const QString& words) {
        return words.trimmed().isEmpty() ? of(Why::Said, QStringLiteral("?"))
                                         : of(Why::Said, words.trimmed());
    }
    /** @brief The system's error @p error as a kind where one says it (a full disk, a read-only
     *  one, no permission, a failing disk); else @p words, the system's own. */
    static Reason fromSystem(int error, const QString& words) {
        switch (error) {
            case ENOSPC:
#ifdef EDQUOT
            case EDQUOT:
#endif
                return of(Why::DiskFull);
            case EROFS:
                return of(Why::ReadOnly);
            case EACCES:
            case EPERM:
                return of(Why::NotPermitted);
            case EIO:
                return of(Why::InputOutput);
            default:
                return said(words);
        }
    }
    /** @brief Why a file could not be opened or read, by the system's error @p error: gone,
     *  not this user's to read, or as fromSystem() says. */
    static Reason ofRead(int error, const QString& words) {
        switch (error) {
            case ENOENT:
                return of(Why::NoSuchFile);
            case EACCES:
            case EPERM:
                return of(Why::NotReadable);
            default:
                return fromSystem(error, words);
        }
    }
    /** @brief This reason at @p line (and @p column, named @p name) of a file. */
    Reason at(int line, int column = 0, const QString& name = {}) const {
        Reason r = *this;
        r.line = line;
        r.column = column;
        r.columnName = name;
        return r;
    }
    /** @brief This reason, coming of @p beneath. */
    Reason because(const Reason& beneath) const {
        Reason r = *this;
        if (beneath.why != Why::None) r.cause = std::make_shared<const Reason>(beneath);
        return r;
    }
    bool isEmpty() const { return why == Why::None; }
    explicit operator bool() const { return !isEmpty(); }

private:
    static QString factText(const QString& s) { return s; }
    static QString factText(const char* s) { return QString::fromUtf8(s); }
    template <typename N, typename = std::enable_if_t<std::is_arithmetic_v<N>>>
    static QString factText(N n) {
        if constexpr (std::is_floating_point_v<N>)
            return QString::number(n, 'g', 10);
        else
            return QString::number(n);
    }
};
