// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QString>
#include <QVector>
#include <array>
#include <memory>
#include <optional>
#include <unordered_map>

#include "core/common/Result.h"
#include "core/meter/MeterFacts.h"
#include "core/store/ReadingPlace.h"
#include "core/store/SetDetails.h"

class EditHistory;
class QSqlError;
class QSqlQuery;
class QTimer;

/** @brief How a store operation ended. */
enum class StoreFailure {
    None,        ///< done
    Closed,      ///< the readings database is not open
    Refused,     ///< SQLite refused (read-only, full disk, ...): the reason says
    Busy,        ///< another program holds a lock on the file: it may go once that one ends
    Foreign,     ///< the file is not a readings database of this program
    NoSuchCell,  ///< a set or position the table does not have
    Newer,       ///< written by a newer version of the program: its layout is not known here
};
using StoreResult = Result<StoreFailure>;

/** @brief The readings database, Readings.db: the table Sets (128 rows of "Number" and
 *  "Set 1".."Set 30", every reading as text) and the table SetDetails (one row per set that has
 *  details: where, at what depth and by whom it was measured, when and in which units it was
 *  downloaded, whether it is complete). A survey file is the same database, copied whole.
 *
 * The whole table is kept in memory as well; every write is committed at once, and a write
 * that touches several cells is one transaction, so the file never holds half of it. */
class ReadingsStore : public QObject {
    Q_OBJECT
public:
    static constexpr int kBusyTimeoutMs = 200;
    /** @brief The layout this version writes (PRAGMA user_version). 0 was the layout before set
     *  details: Sets with SetUnits and IncompleteSets beside it; 1 had no table Positions, so a
     *  reading of 0.000000 could not be told from a cleared position. */
    static constexpr int kSchemaVersion = 2;
    /** @brief The layout of a file that keeps where readings were taken (the table
     *  ReadingPlaces, made with the first): the newest this version reads. */
    static constexpr int kPlacesVersion = 3;
    /** @brief PRAGMA application_id of the program's databases and survey files: "ORVN". */
    static constexpr int kApplicationId = 0x4F52564E;
    /** @brief Every set's details, set 1 first. */
    using AllDetails = std::array<SetDetails, Meter::kSets>;
    /** @brief Readings.db is created when missing and brought to this version's layout; a survey
     *  file (a copy) must exist, carry the program's mark and pass SQLite's integrity check. */
    enum class OpenMode { ReadingsDatabase, SurveyCopy };
    /** @brief Columns of the table: "Number" and the thirty sets. */
    static constexpr int kColumns = Meter::kSets + 1;
    /** @brief One row's readings, set 1 first. */
    using Row = std::array<QString, Meter::kSets>;
    /** @brief What a position holds. Its text alone cannot tell: the meter may send 0.000000,
     *  the text of a cleared position, and an unreadable value leaves its position cleared. */
    enum class Held : quint8 {
        Nothing,     ///< cleared
        Reading,     ///< a reading, its text as the meter sent it
        Unreadable,  ///< the meter sent something here that is no reading
    };
    /** @brief A position whose text alone does not say what it holds: a cleared text that
     *  holds a reading or an unreadable value, or a reading flagged with a reason. */
    struct Mark {
        int set;
        int position;
        Held held;
        QString flag;  ///< why the reading is flagged; empty when it is not
    };

    /** @brief Where the reading at a position was taken. */
    struct PlacedReading {
        int set;
        int position;
        ReadingPlace place;
    };

    /** @brief @p databasePath is the SQLite file (":memory:" for none); nothing is opened yet. */
    explicit ReadingsStore(QString databasePath, QObject* parent = nullptr);
    ~ReadingsStore() override;

    /** @brief Opens the file, creating it with 128 cleared rows when missing, and loads the
     *  table. Foreign when its table Sets is not the one the program keeps. */
    StoreResult open(OpenMode mode = OpenMode::ReadingsDatabase);
    /** @brief Opens a survey file's bytes as a private copy in memory, checked as a survey file
     *  is (OpenMode::SurveyCopy); the store's path is not used. */
    StoreResult openImage(const QByteArray& image);
    /** @brief Closes the file. */
    void close();
    /** @brief Reads the file again when another connection (orvanta-cli, a second copy) has
     *  committed to it since this store last read or wrote it, and tells it as reloaded(). True
     *  when it did. Nothing inside a group. */
    bool refresh();
    /** @brief Looks for another program's writes every @p intervalMs while the file is open
     *  (0 stops looking). */
    void followOtherWriters(int intervalMs);
    /** @brief The user's edits of this table, undoable, and whether it is as last saved. */
    EditHistory& history() { return *m_history; }
    bool isOpen() const { return m_open; }
    /** @brief Closes the file and renames it (and its journal) with the date and time, so a
     *  fresh one can be made. The new name, or empty text when it could not be renamed. */
    QString setAside();
    /** @brief The database file. */
    QString path() const { return m_path; }
    /** @brief The file was open to other users of the machine when it was opened, and was
     *  closed to them (0600): worth a word to the user. */
    bool wasOpenToOthers() const { return m_closedToOthers; }

    /** @brief Rows of the table: kPositions when open, 0 when closed. */
    int rowCount() const { return m_open ? static_cast<int>(m_rows.size()) : 0; }
    /** @brief A cell as the grid shows it, 0-based: column 0 is "Number", column k set k. Empty
     *  outside the table. */
    QString cell(int row, int column) const;
    /** @brief The reading at @p position (1..128) of @p set (1..30); empty outside the table. */
    QString reading(int set, int position) const { return cell(position - 1, set); }
    /** @brief What @p position (1..128) of @p set (1..30) holds; Nothing outside the table. */
    Held held(int set, int position) const;
    /** @brief True when @p position of @p set holds a reading, 0.000000 included, flagged or not.
     */
    bool holdsReading(int set, int position) const { return held(set, position) == Held::Reading; }
    /** @brief Why the reading at @p position of @p set is flagged (a user's "broken core", "box
     *  end"); empty when it is not. A flagged reading keeps its text and is left out of every
     *  statistic and line. */
    QString flag(int set, int position) const;
    /** @brief A reading that counts: held and not flagged. */
    bool countsAsReading(int set, int position) const {
        return holdsReading(set, position) && flag(set, position).isEmpty();
    }
    /** @brief Flags the reading at @p position of @p set with @p reason (empty: unflags it),
     *  committed at once. NoSuchCell where the position holds no reading. */
    StoreResult setFlag(int set, int position, const QString& reason);
    /** @brief True when some position of some set holds a reading or an unreadable mark. */
    bool holdsReadings() const;
    /** @brief Column names in order: "Number", "Set 1" .. "Set 30". */
    static QString columnName(int column);

    /** @brief Writes made until endGroup() are one transaction: a download's readings that
     *  arrive together are committed together, before the event loop runs again, instead of
     *  one commit (and one pair of file locks) each. False when no group could start (each write
     *  then commits by itself). */
    bool beginGroup();
    /** @brief Commits the group. On failure every write of the group is undone, in the file and
     *  in memory, and reloaded() is raised. Done when no group is open. */
    StoreResult endGroup();
    /** @brief Undoes the open group, in the file and in memory, as a failed write does. */
    void cancelGroup() {
        if (m_group) undoGroup();
    }
    /** @brief A group is open; false again once a write in it has failed (it was undone). */
    bool inGroup() const { return m_group; }

    /** @brief Writes one reading the meter sent (0.000000 too), committed at once (or with its
     *  group), flagged with @p flag when one is given (a value not in the meter's form). The
     *  text the position holds already keeps its flag (or takes @p flag when it has none); any
     *  other text drops the flag. */
    StoreResult writeReading(int set, int position, const QString& text, const QString& flag = {});
    /** @brief Clears @p position of @p set and marks it unreadable. */
    StoreResult markUnreadable(int set, int position);
    /** @brief Clears positions @p fromPosition..128 of @p set that hold something, in one
     *  transaction. */
    StoreResult clearSet(int set, int fromPosition);
    /** @brief Clears every reading, in one transaction. */
    StoreResult clearAll();
    /** @brief Puts @p rows in place of the readings (row k into position k+1; positions past the
     *  last row are cleared) and @p details in place of every set's details (none: a data file
     *  or New carries none), in one transaction: on failure the table stays as it was. A cleared
     *  text is a cleared position unless @p marks says otherwise. */
    StoreResult replaceAll(const QVector<Row>& rows, const AllDetails& details = {},
                           const QVector<Mark>& marks = {},
                           const QVector<PlacedReading>& places = {});
    /** @brief Where the reading at @p position of @p set was taken; none when no place was kept
     *  with it. A place goes with its reading: a new text, a cleared or unreadable position, an
     *  Open or New takes it away; a flag leaves it. */
    std::optional<ReadingPlace> place(int set, int position) const;
    /** @brief Keeps @p place with the reading at @p position of @p set (which must hold one),
     *  committed at once (or with its group). */
    StoreResult setPlace(int set, int position, const ReadingPlace& place);
    /** @brief Every reading's place, set by set. */
    QVector<PlacedReading> places() const;
    /** @brief Positions of @p set that hold a reading. */
    int readingCount(int set) const;
    /** @brief Every position whose cleared text holds a reading or an unreadable mark. */
    QVector<Mark> marks() const;

    /** @brief @p set's details; empty ones outside 1..30. */
    const SetDetails& details(int set) const;
    /** @brief Puts @p details in place of @p set's, committed at once: the fields in which
     *  they differ from details(set) as read so far, over what the file holds now. */
    StoreResult setDetails(int set, const SetDetails& details);
    /** @brief Keeps the units the meter reported for @p set's download. */
    StoreResult setSetUnits(int set, Meter::Units units);
    /** @brief The units @p set was downloaded in; none when not known. */
    std::optional<Meter::Units> setUnits(int set) const { return details(set).units; }

    /** @brief @p set was cut short by its last download. */
    bool isIncomplete(int set) const { return Meter::isSet(set) && !details(set).complete; }

    /** @brief Writes the whole database, as it is committed, to a new file @p path (which must
     *  not exist): the survey file's contents. */
    StoreResult copyTo(const QString& path) const;

    /** @brief The name of the SQLite connection the store reads and writes through, for the
     *  rooms that share its file (DownloadLog). */
    const QString& connectionName() const { return m_connection; }

Q_SIGNALS:
    /** @brief A set's details changed, its incomplete mark among them (every set's with @p set
     *  0). */
    void detailsChanged(int set);
    /** @brief Cells were written: rows and columns are 0-based, as cell() counts them. */
    void cellsChanged(int firstRow, int lastRow, int firstColumn, int lastColumn);
    /** @brief The whole table was loaded or closed, or a group of writes was undone. */
    void reloaded();

private:
    struct Loaded {
        qint64 rowid = 0;
        std::array<QString, kColumns> cells;
        std::array<Held, kColumns> held{};
        std::array<QString, kColumns> flags;
    };
    /** @brief What a text holds when no mark says otherwise. */
    static Held heldByText(const QString& text);
    /** @brief A position holding @p text, @p held and @p flag needs its row of Positions. */
    static bool needsMark(const QString& text, Held held, const QString& flag);
    /** @brief Reads another program's writes first; done when @p position of @p set then holds
     *  a reading to flag or place. */
    StoreResult readingToChange(int set, int position);
    /** @brief The store is open and has @p position of @p set. */
    bool inTable(int set, int position) const;
    StoreResult load();
    /** @brief Reads the table and its details after the file was prepared as @p result says. */
    StoreResult loadPrepared(StoreResult result);
    StoreResult loadDetails();
    /** @brief Puts the marks of the table Positions on the loaded cells. */
    StoreResult loadMarks();
    /** @brief Reads the table ReadingPlaces, when the file has one. */
    StoreResult loadPlaces();
    /** @brief The key of a position in m_places. */
    static int placeKey(int row, int column) { return row * kColumns + column; }
    /** @brief Writes @p set's row of SetDetails (deletes it when the details are empty). */
    StoreResult writeDetailsRow(int set, const SetDetails& details);
    /** @brief Writes @p cells (row, column, text) in one transaction and then into memory. */
    struct CellWrite {
        int row;
        int column;
        QString text;
        Held held;
        QString flag;
    };
    /** @brief Writes or deletes @p c's row of Positions, from what the cell held before. */
    bool writeMark(const CellWrite& c, QSqlError* why);
    StoreResult writeCells(const QVector<CellWrite>& cells, const AllDetails* details = nullptr,
                           const QVector<PlacedReading>* places = nullptr);
    /** @brief In writeCells' transaction: drops the places of readings the cells replace, or
     *  puts @p places in place of every place. */
    bool writePlaces(const QVector<CellWrite>& cells, const QVector<PlacedReading>* places,
                     QSqlError* why);
    /** @brief Rolls the open group back and puts its cells back as they were. */
    void undoGroup();
    /** @brief @p sql prepared once and kept while the file is open; @p why says when it could
     *  not be prepared. */
    QSqlQuery& statement(const QString& sql, QSqlError* why);

    /** @brief PRAGMA data_version: it changes when another connection commits. */
    qint64 dataVersion() const;

    QString m_path;
    QString m_connection;
    qint64 m_dataVersion = -1;
    bool m_closedToOthers = false;
    QTimer* m_follow = nullptr;
    std::unique_ptr<EditHistory> m_history;
    bool m_open = false;
    QVector<Loaded> m_rows;
    AllDetails m_details{};
    QHash<int, ReadingPlace> m_places;  ///< by placeKey()
    bool m_hasPlaces = false;           ///< the file has the table ReadingPlaces
    bool m_group = false;
    QVector<CellWrite> m_groupUndo;  ///< each cell the group wrote, as it was before
    // The statements the writes use, prepared on first use and dropped when the file closes: a
    // download stores one reading at a time, an Open writes a whole table.
    std::unordered_map<QString, std::unique_ptr<QSqlQuery>> m_statements;
};
