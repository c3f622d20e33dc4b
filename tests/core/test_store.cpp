// SPDX-License-Identifier: GPL-3.0-or-later
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include "RawSql.h"
#include "core/common/Messages.h"
#include "core/store/DownloadLog.h"
#include "core/store/EditHistory.h"
#include "core/store/ReadingsFile.h"
#include "core/store/ReadingsStore.h"

namespace {
/** PRAGMA user_version of the file at @p path, read through a connection of its own. */
int layoutOf(const QString& path) {
    int out = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "layout");
        db.setDatabaseName(path);
        db.open();
        QSqlQuery q(db);
        if (q.exec("PRAGMA user_version") && q.next()) out = q.value(0).toInt();
    }
    QSqlDatabase::removeDatabase("layout");
    return out;
}
/** Reads a cell straight from the file, through a connection of its own. */
QString fileCell(const QString& path, int row, int column) {
    QString out;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "reader");
        db.setDatabaseName(path);
        db.open();
        QSqlQuery q(db);
        q.exec(QStringLiteral("SELECT \"%1\" FROM Sets ORDER BY rowid LIMIT 1 OFFSET %2")
                   .arg(ReadingsStore::columnName(column))
                   .arg(row - 1));
        if (q.next()) out = q.value(0).toString();
    }
    QSqlDatabase::removeDatabase("reader");
    return out;
}
/** A store on a fresh file, open. */
struct OpenStore {
    OpenStore() : path(tmp.path() + "/Readings.db"), store(path) { opened = store.open(); }
    QTemporaryDir tmp;
    QString path;
    ReadingsStore store;
    StoreResult opened;
};
}  // namespace

class TestStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void missingFileIsCreatedWithClearedRows();
    void readingsKeepTextUnchanged_data();
    void readingsKeepTextUnchanged();
    void writesAreCommittedAndPersistAcrossReopen();
    void cellsOutsideTheTableAreRefused_data();
    void cellsOutsideTheTableAreRefused();
    void clearsAndGroupsAreOneTransaction();
    void foreignTablesAreRefused_data();
    void foreignTablesAreRefused();
    void damagedFileIsRefused();
    void downloadsKeptAreTheNewest();
    void positionsKeepWhatTheyHold();
    void historyEndsWithWhatItCannotUndo_data();
    void historyEndsWithWhatItCannotUndo();
    void secondWriterIsSeenAndKept_data();
    void secondWriterIsSeenAndKept();
    void databaseIsTheUsersAlone();
    void endlessQueryIsStopped();
    void fileRowsAreTakenOnlyWhereTheyFit_data();
    void fileRowsAreTakenOnlyWhereTheyFit();
    void writesKeepWhatPositionsHold();
    void placeGoesWithItsReading_data();
    void placeGoesWithItsReading();
};

void TestStore::missingFileIsCreatedWithClearedRows() {
    QTemporaryDir tmp;
    ReadingsStore store(tmp.path() + "/Readings.db");
    QVERIFY(!store.isOpen());
    QCOMPARE(store.rowCount(), 0);
    QVERIFY(store.open().ok());
    QCOMPARE(store.rowCount(), 128);
    QCOMPARE(store.cell(127, 0), QString("128"));
    for (int s = 1; s <= 30; ++s) QCOMPARE(store.reading(s, 128), QString("0.000000"));
    QVERIFY(!store.holdsReadings());
}

void TestStore::readingsKeepTextUnchanged_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("meter format") << "0.001230";
    QTest::newRow("leading zeros") << "000.10";
    QTest::newRow("exponent") << "1.5E-03";
    QTest::newRow("empty") << "";
    QTest::newRow("latin-1") << QString::fromLatin1("12\xb5");
}

void TestStore::readingsKeepTextUnchanged() {
    QFETCH(QString, text);
    OpenStore s;
    QVERIFY(s.store.writeReading(17, 9, text).ok());
    QCOMPARE(s.store.reading(17, 9), text);
    QCOMPARE(fileCell(s.path, 9, 17), text);
}

void TestStore::writesAreCommittedAndPersistAcrossReopen() {
    OpenStore s;
    QVERIFY(s.store.writeReading(1, 128, "7.25").ok());
    QCOMPARE(fileCell(s.path, 128, 1), QString("7.25"));  // committed at once, before any close
    QVERIFY(s.store.writeReading(2, 1, "1.00").ok());
    s.store.close();
    QCOMPARE(s.store.reading(1, 128), QString());
    ReadingsStore again(s.path);
    QVERIFY(again.open().ok());
    QCOMPARE(again.reading(1, 128), QString("7.25"));
    QCOMPARE(again.reading(2, 1), QString("1.00"));
    QVERIFY(again.holdsReadings());
}

void TestStore::cellsOutsideTheTableAreRefused_data() {
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("position");
    QTest::newRow("position 0") << 1 << 0;
    QTest::newRow("position 129") << 1 << 129;
    QTest::newRow("set 0 (the row number)") << 0 << 1;
    QTest::newRow("set 31") << 31 << 1;
}

void TestStore::cellsOutsideTheTableAreRefused() {
    QFETCH(int, set);
    QFETCH(int, position);
    QTemporaryDir tmp;
    ReadingsStore store(tmp.path() + "/Readings.db");
    QCOMPARE(store.writeReading(1, 1, "1").kind, StoreFailure::Closed);
    QVERIFY(store.open().ok());
    const StoreResult r = store.writeReading(set, position, "1");
    QCOMPARE(r.kind, StoreFailure::NoSuchCell);
    QVERIFY(!r.reason.isEmpty());
    QVERIFY(!store.holdsReadings());
}

void TestStore::clearsAndGroupsAreOneTransaction() {
    OpenStore s;
    for (int p = 1; p <= 5; ++p) QVERIFY(s.store.writeReading(3, p, "0.5").ok());
    QVERIFY(s.store.writeReading(4, 2, "0.25").ok());
    QVERIFY(s.store.clearSet(3, 3).ok());  // the tail from position 3
    QCOMPARE(fileCell(s.path, 2, 3), QString("0.5"));
    QCOMPARE(fileCell(s.path, 3, 3), QString("0.000000"));
    QCOMPARE(s.store.reading(3, 5), QString("0.000000"));
    // A trigger that refuses the last row's change: the whole clearing is rolled back, in the
    // file and in memory.
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "saboteur");
        db.setDatabaseName(s.path);
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(
            q.exec("CREATE TRIGGER refuse BEFORE UPDATE ON Sets WHEN old.\"Number\" = 2 "
                   "BEGIN SELECT RAISE(ABORT, 'refused by test'); END"));
    }
    QSqlDatabase::removeDatabase("saboteur");
    const StoreResult cleared = s.store.clearAll();
    QCOMPARE(cleared.kind, StoreFailure::Refused);
    QVERIFY2(Msg::why(cleared.reason).contains("refused by test"),
             qPrintable(Msg::why(cleared.reason)));
    QCOMPARE(fileCell(s.path, 1, 3), QString("0.5"));
    QCOMPARE(s.store.reading(3, 1), QString("0.5"));
    QCOMPARE(s.store.reading(4, 2), QString("0.25"));
    // A group of writes goes the same way: the failing write undoes those before it.
    QVERIFY(s.store.beginGroup());
    QVERIFY(s.store.writeReading(5, 1, "0.7").ok());
    QCOMPARE(s.store.writeReading(5, 2, "0.8").kind, StoreFailure::Refused);
    QVERIFY(!s.store.inGroup());
    QCOMPARE(s.store.reading(5, 1), QString("0.000000"));
    QCOMPARE(fileCell(s.path, 1, 5), QString("0.000000"));
    QVERIFY(s.store.beginGroup());
    QVERIFY(s.store.writeReading(5, 1, "0.7").ok());
    QVERIFY(s.store.endGroup().ok());
    QCOMPARE(fileCell(s.path, 1, 5), QString("0.7"));
}

void TestStore::foreignTablesAreRefused_data() {
    QTest::addColumn<QStringList>("sql");  // what turns a readings database into a foreign one
    QString real = "CREATE TABLE Sets (\"Number\" INTEGER, \"Set 1\" REAL";
    for (int s = 2; s <= 30; ++s) real += QString(", \"Set %1\" TEXT").arg(s);
    QTest::newRow("a REAL column")
        << QStringList{"ALTER TABLE Sets RENAME TO Old", real + ")",
                       "INSERT INTO Sets SELECT * FROM Old", "DROP TABLE Old"};
    QTest::newRow("a row missing") << QStringList{"DELETE FROM Sets WHERE rowid = 128"};
    QTest::newRow("a trigger") << QStringList{
        "CREATE TRIGGER rewrite AFTER UPDATE ON Sets BEGIN UPDATE Sets SET \"Set 2\" = '9.999'; "
        "END"};
    QTest::newRow("a trigger on \"sets\"") << QStringList{
        "CREATE TRIGGER rewrite AFTER UPDATE ON sets BEGIN UPDATE Sets SET \"Set 2\" = '9.999'; "
        "END"};
    QTest::newRow("a trigger on Downloads") << QStringList{
        "CREATE TABLE IF NOT EXISTS Downloads (Id INTEGER PRIMARY KEY AUTOINCREMENT, TimeUtc TEXT "
        "NOT NULL, Device TEXT, Request TEXT, Bytes BLOB NOT NULL)",
        "CREATE TRIGGER rewrite AFTER INSERT ON Downloads BEGIN UPDATE Sets SET \"Set 1\" = "
        "'9.999'; END"};
    QTest::newRow("a view") << QStringList{"CREATE VIEW Everything AS SELECT * FROM Sets"};
}

void TestStore::foreignTablesAreRefused() {
    QFETCH(QStringList, sql);
    QTemporaryDir tmp;
    const QString path = tmp.path() + "/Readings.db";
    {
        ReadingsStore store(path);
        QVERIFY(store.open().ok());
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "foreign");
        db.setDatabaseName(path);
        QVERIFY(db.open());
        for (const QString& statement : sql) QVERIFY(QSqlQuery(db).exec(statement));
    }
    QSqlDatabase::removeDatabase("foreign");
    ReadingsStore store(path);
    const StoreResult opened = store.open();
    QCOMPARE(opened.kind, StoreFailure::Foreign);
    QVERIFY(!store.isOpen());
}

void TestStore::damagedFileIsRefused() {
    QTemporaryDir tmp;
    const QString path = tmp.path() + "/Readings.db";
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'x'));
    f.close();
    ReadingsStore store(path);
    QVERIFY(!store.open().ok());
    QVERIFY(!store.isOpen());
    QFile check(path);
    QVERIFY(check.open(QIODevice::ReadOnly));
    QCOMPARE(check.readAll(), QByteArray(4096, 'x'));  // a file that is not ours is left alone
}

void TestStore::downloadsKeptAreTheNewest() {
    QTemporaryDir tmp;
    ReadingsStore store(tmp.path() + "/Readings.db");
    QVERIFY(store.open().ok());
    const int made = DownloadLog::kKept + 3;
    for (int i = 1; i <= made; ++i) {
        DownloadLog::RawDownload d;
        d.timeUtc = QDateTime::currentDateTimeUtc();
        d.request = QStringLiteral("D");
        d.bytes = "S01\n0." + QByteArray::number(i).rightJustified(6, '0') + "\n\r\r";
        QVERIFY(DownloadLog(store).keep(d).ok());
    }
    const QList<DownloadLog::RawDownload> kept = DownloadLog(store).list();
    QCOMPARE(kept.size(), DownloadLog::kKept);
    QCOMPARE(kept.first().id, qint64(4));  // the three oldest went
    QCOMPARE(DownloadLog(store).find(kept.last().id)->bytes, QByteArray("S01\n0.000203\n\r\r"));
    QVERIFY(!DownloadLog(store).find(1));
}

void TestStore::positionsKeepWhatTheyHold() {
    using Held = ReadingsStore::Held;
    OpenStore s;
    ReadingsStore& st = s.store;
    QVERIFY(st.writeReading(2, 1, "0.000000").ok());  // the meter sent zero
    QVERIFY(st.markUnreadable(2, 2).ok());
    QVERIFY(st.writeReading(2, 3, "0.5").ok());
    QVERIFY(st.markUnreadable(3, 1).ok());
    QVERIFY(st.writeReading(3, 1, "0.25").ok());    // a reading over an unreadable mark
    QVERIFY(st.setFlag(2, 1, "broken core").ok());  // a zero flagged
    QVERIFY(st.setFlag(2, 3, "box end").ok());
    QCOMPARE(st.setFlag(2, 2, "x").kind, StoreFailure::NoSuchCell);  // no reading to flag
    QVERIFY(st.setFlag(2, 3, {}).ok());                              // unflagged
    const auto check = [](const ReadingsStore& store) {
        QCOMPARE(store.flag(2, 1), QString("broken core"));
        QCOMPARE(store.flag(2, 3), QString());
        QVERIFY(!store.countsAsReading(2, 1) && store.countsAsReading(2, 3));
        QCOMPARE(store.held(2, 1), Held::Reading);
        QCOMPARE(store.held(2, 2), Held::Unreadable);
        QCOMPARE(store.held(2, 4), Held::Nothing);
        QCOMPARE(store.held(3, 1), Held::Reading);
        QCOMPARE(store.readingCount(2), 2);
        // The file keeps the meter's texts: a zero and an unreadable position read as cleared.
        QCOMPARE(store.reading(2, 1), QString("0.000000"));
        QCOMPARE(store.reading(2, 2), QString("0.000000"));
    };
    check(st);
    {
        st.close();
        ReadingsStore again(s.path);
        QVERIFY(again.open().ok());
        check(again);
    }
    QVERIFY(st.open().ok());
    // A group that fails takes its marks back with its texts.
    QVERIFY(st.beginGroup());
    QVERIFY(st.clearSet(2, 1).ok());
    QCOMPARE(st.held(2, 1), Held::Nothing);
    st.close();  // an open group is undone
    QVERIFY(st.open().ok());
    check(st);
    QVERIFY(st.clearSet(2, 2).ok());
    QCOMPARE(st.held(2, 2), Held::Nothing);
    QCOMPARE(st.held(2, 1), Held::Reading);
    QVERIFY(st.writeReading(2, 1, "0.5").ok());  // a new reading is not the one flagged
    QCOMPARE(st.flag(2, 1), QString());
    // Only an unreadable mark left: still something New would throw away.
    QVERIFY(st.replaceAll({}, {}, {{7, 9, Held::Unreadable, {}}, {40, 1, Held::Reading, {}}}).ok());
    QVERIFY(st.holdsReadings());
    QCOMPARE(st.marks().size(), 1);
    QCOMPARE(st.readingCount(2), 0);
    QVERIFY(st.clearAll().ok());
    QVERIFY(!st.holdsReadings());
}

void TestStore::historyEndsWithWhatItCannotUndo_data() {
    // Steps on position 1 of set 1, which holds "0.5": "flag X", "unflag", "site X" (set 1's
    // site, typed), "undo", "redo", "saved" (the file now holds the table), and what else
    // changes the table: "reading X" (a download), "new", "open" (a table put in its place).
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("flag");  // position 1's flag at the end
    QTest::addColumn<QString>("site");
    QTest::addColumn<bool>("canUndo");
    QTest::addColumn<bool>("clean");  // the table is what the file last saved holds
    QTest::newRow("flag, undo, redo") << QStringList{"saved", "flag a", "undo", "redo"} << "a"
                                      << "" << true << false;
    QTest::newRow("undo back to the saved table")
        << QStringList{"saved", "flag a", "flag b", "undo", "undo"} << ""
        << "" << false << true;
    QTest::newRow("a new step drops the steps undone")
        << QStringList{"flag a", "undo", "site x", "redo"} << ""
        << "x" << true << false;
    QTest::newRow("site undone, flag kept") << QStringList{"flag a", "site x", "undo"} << "a"
                                            << "" << true << false;
    QTest::newRow("a new reading ends it: the old reason never lands on it")
        << QStringList{"flag a", "flag b", "reading 0.7", "undo"} << ""
        << "" << false << false;
    QTest::newRow("the same reading again changes nothing: undo still holds")
        << QStringList{"saved", "flag a", "reading 0.5", "undo"} << ""
        << "" << false << true;
    QTest::newRow("New ends it") << QStringList{"flag a", "new", "undo", "redo"} << ""
                                 << "" << false << false;
    QTest::newRow("Open ends it") << QStringList{"site x", "open", "undo"} << ""
                                  << "" << false << false;
    QTest::newRow("the saved table undone past, then changed again")
        << QStringList{"flag a", "flag b", "saved", "undo", "undo", "flag c", "flag d"} << "d"
        << "" << true << false;
    QTest::newRow("a site typed as it was is no step") << QStringList{"saved", "site "} << ""
                                                       << "" << false << true;
    QTest::newRow("no flag to take away is no step") << QStringList{"saved", "unflag nothing"} << ""
                                                     << "" << false << true;
    // The file read again: the steps end. Read as it was, a saved table stays saved; changed
    // by another program, it no longer is what was saved.
    QTest::newRow("read again after a save") << QStringList{"saved", "reopen"} << ""
                                             << "" << false << true;
    QTest::newRow("closed after a save") << QStringList{"flag a", "saved", "close"} << ""
                                         << "" << false << true;
    QTest::newRow("another writer after a save") << QStringList{"saved", "other"} << ""
                                                 << "" << false << false;
    QTest::newRow("another writer after a flag") << QStringList{"flag a", "other"} << "a"
                                                 << "" << false << false;
}

void TestStore::historyEndsWithWhatItCannotUndo() {
    QFETCH(QStringList, steps);
    QFETCH(QString, flag);
    QFETCH(QString, site);
    QFETCH(bool, canUndo);
    QFETCH(bool, clean);
    OpenStore s;
    QVERIFY(s.store.writeReading(1, 1, "0.5").ok());
    EditHistory& history = s.store.history();
    for (const QString& step : steps) {
        const QString arg = step.section(' ', 1);
        if (step.startsWith("flag"))
            QVERIFY(history.setFlag(1, 1, arg).ok());
        else if (step == "unflag")
            QVERIFY(history.setFlag(1, 1, {}).ok());
        else if (step == "unflag nothing")  // position 2 holds no reading
            QCOMPARE(history.setFlag(1, 2, {}).kind, StoreFailure::NoSuchCell);
        else if (step == "close")
            s.store.close();
        else if (step == "reopen") {
            s.store.close();
            QVERIFY(s.store.open().ok());
        } else if (step == "other") {
            runSql(s.path, {"UPDATE Sets SET \"Set 9\" = '0.25' WHERE rowid = 5"});
            QVERIFY(s.store.refresh());
        } else if (step.startsWith("site")) {
            SetDetails d = s.store.details(1);
            d.site = arg;
            QVERIFY(history.setDetails(1, s.store.details(1), d).ok());
        } else if (step == "undo")
            history.undo();  // refused or done: the end state tells
        else if (step == "redo")
            history.redo();
        else if (step == "saved")
            history.setClean();
        else if (step.startsWith("reading"))
            QVERIFY(s.store.writeReading(1, 1, arg).ok());
        else if (step == "new")
            QVERIFY(s.store.clearAll().ok());
        else if (step == "open")
            QVERIFY(s.store.replaceAll({ReadingsStore::Row{}}).ok());
    }
    QCOMPARE(s.store.flag(1, 1), flag);
    QCOMPARE(s.store.details(1).site, site);
    QCOMPARE(history.canUndo(), canUndo);
    QCOMPARE(history.isClean(), clean);
}

void TestStore::secondWriterIsSeenAndKept_data() {
    // Another program (a second store on the file: orvanta-cli, a second copy) writes; this
    // store then edits from the copy it had. What the other wrote is seen, and never written
    // back over.
    QTest::addColumn<QString>("other");  // what the other program writes
    QTest::addColumn<QString>("mine");   // what this store then changes
    QTest::addColumn<QString>("site");   // set 2's site at the end, in the file
    QTest::addColumn<QString>("notes");
    QTest::addColumn<QString>("flag");  // position 3 of set 2's flag, in the file
    QTest::newRow("site there, notes here") << "site"
                                            << "notes"
                                            << "Hole 7"
                                            << "mine"
                                            << "";
    QTest::newRow("site there, site here") << "site"
                                           << "site"
                                           << "Mine"
                                           << ""
                                           << "";
    QTest::newRow("flag there, notes here") << "flag"
                                            << "notes"
                                            << ""
                                            << "mine"
                                            << "theirs";
    QTest::newRow("flag there, flag here") << "flag"
                                           << "flag"
                                           << ""
                                           << ""
                                           << "mine";
    // Written at once, before the store looked again: the write itself reads the file first.
    QTest::newRow("site there, notes here at once") << "site"
                                                    << "notes now"
                                                    << "Hole 7"
                                                    << "mine"
                                                    << "";
    QTest::newRow("site there, flag here") << "site"
                                           << "flag"
                                           << "Hole 7"
                                           << ""
                                           << "mine";
}

void TestStore::secondWriterIsSeenAndKept() {
    QFETCH(QString, other);
    QFETCH(QString, mine);
    QFETCH(QString, site);
    QFETCH(QString, notes);
    QFETCH(QString, flag);
    OpenStore s;
    QVERIFY(s.store.writeReading(2, 3, "0.25").ok());
    const SetDetails before = s.store.details(2);
    {
        ReadingsStore theirs(s.path);
        QVERIFY(theirs.open().ok());
        SetDetails d = theirs.details(2);
        d.site = "Hole 7";
        QVERIFY(other == "site" ? theirs.setDetails(2, d).ok()
                                : theirs.setFlag(2, 3, "theirs").ok());
    }
    SetDetails edited = before;  // the copy the pane had before the other wrote
    if (mine.startsWith("notes")) edited.notes = "mine";
    if (mine == "site") edited.site = "Mine";
    if (mine == "notes now") {
        // A download or the CLI writes the copy it read, before any look at the file.
        QVERIFY(s.store.setDetails(2, edited).ok());
    } else {
        // Seen without a restart: the window looks every half second.
        QSignalSpy reloaded(&s.store, &ReadingsStore::reloaded);
        s.store.followOtherWriters(20);
        QTRY_VERIFY_WITH_TIMEOUT(reloaded.size() > 0, 5000);
        QCOMPARE(s.store.details(2).site, other == "site" ? QString("Hole 7") : QString());
        QCOMPARE(s.store.flag(2, 3), other == "flag" ? QString("theirs") : QString());
        s.store.followOtherWriters(0);
        QVERIFY(mine == "flag" ? s.store.history().setFlag(2, 3, "mine").ok()
                               : s.store.history().setDetails(2, before, edited).ok());
    }
    ReadingsStore check(s.path);
    QVERIFY(check.open().ok());
    QCOMPARE(check.details(2).site, site);
    QCOMPARE(check.details(2).notes, notes);
    QCOMPARE(check.flag(2, 3), flag);
    QCOMPARE(check.reading(2, 3), QString("0.25"));
}

void TestStore::databaseIsTheUsersAlone() {
    QTemporaryDir tmp;
    const QString path = tmp.path() + "/Readings.db";
    const auto othersMay = [](const QString& file) {
        return (QFile::permissions(file) &
                (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther)) != 0;
    };
    {
        ReadingsStore made(path);
        QVERIFY(made.open().ok());
        QVERIFY(made.writeReading(1, 1, "0.5").ok());
        QVERIFY(!othersMay(path));
        QVERIFY(!othersMay(path + "-wal"));  // the journal holds the same readings
        QVERIFY(!made.wasOpenToOthers());
    }
    // One another program left open to others is closed to them; its readings stay.
    QVERIFY(QFile::setPermissions(path,
                                  QFile::permissions(path) | QFile::ReadGroup | QFile::ReadOther));
    ReadingsStore again(path);
    QVERIFY(again.open().ok());
    QVERIFY(!othersMay(path));
    QVERIFY(again.wasOpenToOthers());  // worth a word to the user
    QCOMPARE(again.reading(1, 1), QString("0.5"));
}

void TestStore::endlessQueryIsStopped() {
    // The backstop behind the schema check: whatever a file makes SQLite do, long after it was
    // opened, stops within the limit and is told as such.
    OpenStore s;
    QVERIFY(s.opened.ok());
    QSqlQuery q(QSqlDatabase::database(s.store.connectionName(), false));
    QElapsedTimer ran;
    ran.start();
    QVERIFY(
        !q.exec("WITH RECURSIVE r(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM r) SELECT "
                "count(*) FROM r"));
    QVERIFY(ran.elapsed() >= ReadingsFile::kQueryLimitMs);
    QVERIFY(ReadingsFile::stoppedForTime(q.lastError()));
    const StoreResult told = ReadingsFile::refused(q.lastError());
    QCOMPARE(told.kind, StoreFailure::Foreign);
    QCOMPARE(told.reason.why, Why::TookTooLong);
    // The clock starts again with each statement: the store still reads and writes.
    QVERIFY(s.store.writeReading(1, 1, "0.5").ok());
    QCOMPARE(s.store.reading(1, 1), QString("0.5"));
}

void TestStore::fileRowsAreTakenOnlyWhereTheyFit_data() {
    // What another program (or a hand) left in the file; the positions' rows are read only
    // where a position holds what they say.
    QTest::addColumn<QStringList>("sql");
    QTest::addColumn<QString>("heldAt");  // what set 2's positions 1 and 5 hold afterwards
    QTest::addColumn<int>("readings");    // set 2's readings
    QTest::addColumn<QString>("flagAt5");
    QTest::newRow("an empty text is no reading")
        << QStringList{"UPDATE Sets SET \"Set 2\" = '' WHERE Number = 1"} << "nothing nothing" << 0
        << "";
    QTest::newRow("a flag on an unreadable position is dropped")
        << QStringList{"INSERT INTO Positions VALUES (2, 5, 'unreadable', 'why')"}
        << "nothing unreadable" << 0 << "";
    QTest::newRow("a text is what its position holds")
        << QStringList{"UPDATE Sets SET \"Set 2\" = '0.5' WHERE Number = 5",
                       "INSERT INTO Positions VALUES (2, 5, 'unreadable', NULL)"}
        << "nothing reading" << 1 << "";
    QTest::newRow("a flag on a reading is kept")
        << QStringList{"UPDATE Sets SET \"Set 2\" = '0.5' WHERE Number = 5",
                       "INSERT INTO Positions VALUES (2, 5, 'reading', 'why')"}
        << "nothing reading" << 1 << "why";
    // Positions without its checks, as a hand may make it: a row past the table is passed over.
    QTest::newRow("a row past the table")
        << QStringList{"DROP TABLE Positions",
                       "CREATE TABLE Positions (SetNumber INTEGER NOT NULL, Position INTEGER NOT "
                       "NULL, Held TEXT NOT NULL, Flag TEXT, PRIMARY KEY (SetNumber, Position)) "
                       "WITHOUT ROWID",
                       "INSERT INTO Positions VALUES (2, 129, 'reading', 'past')",
                       "INSERT INTO Positions VALUES (31, 1, 'reading', 'past')"}
        << "nothing nothing" << 0 << "";
}

void TestStore::fileRowsAreTakenOnlyWhereTheyFit() {
    QFETCH(QStringList, sql);
    QFETCH(QString, heldAt);
    QFETCH(int, readings);
    QFETCH(QString, flagAt5);
    QTemporaryDir tmp;
    const QString path = tmp.path() + "/Readings.db";
    {
        ReadingsStore made(path);
        QVERIFY(made.open().ok());
    }
    runSql(path, sql);
    ReadingsStore store(path);
    QVERIFY(store.open().ok());
    const auto name = [](ReadingsStore::Held held) {
        return held == ReadingsStore::Held::Reading      ? QString("reading")
               : held == ReadingsStore::Held::Unreadable ? QString("unreadable")
                                                         : QString("nothing");
    };
    QCOMPARE(name(store.held(2, 1)) + " " + name(store.held(2, 5)), heldAt);
    QCOMPARE(store.readingCount(2), readings);
    QCOMPARE(store.flag(2, 5), flagAt5);
    QCOMPARE(store.flag(2, 128), QString());
}

void TestStore::writesKeepWhatPositionsHold() {
    QTemporaryDir tmp;
    const QString path = tmp.path() + "/Readings.db";
    {
        ReadingsStore st(path);
        QVERIFY(st.open().ok());
        // An empty write holds nothing.
        QVERIFY(st.writeReading(2, 1, "").ok());
        QCOMPARE(st.held(2, 1), ReadingsStore::Held::Nothing);
        // A flag on a reading of the last position, put in by a whole-table replace.
        QVector<ReadingsStore::Row> rows(Meter::kPositions);
        for (ReadingsStore::Row& row : rows) row.fill(Meter::kClearedReading);
        rows[127][1] = "0.75";
        rows[2][1] = "0.5";
        QVERIFY(
            st.replaceAll(rows, {},
                          {{2, 128, ReadingsStore::Held::Reading, "edge"},
                           {2, 4, ReadingsStore::Held::Unreadable, "only a reading is flagged"}})
                .ok());
        QCOMPARE(st.flag(2, 128), QString("edge"));
        QCOMPARE(st.held(2, 4), ReadingsStore::Held::Unreadable);
        QCOMPARE(st.flag(2, 4), QString());
        QVERIFY(st.setFlag(2, 3, "box end").ok());
        // The same text again keeps the user's flag, whatever flag the write brings.
        QVERIFY(st.writeReading(2, 3, "0.5", "7 decimals: not the meter's form").ok());
        QCOMPARE(st.flag(2, 3), QString("box end"));
        // The same reason again changes nothing: the history's step stays.
        QVERIFY(st.history().setFlag(2, 128, "edge, moved").ok());
        QVERIFY(st.setFlag(2, 128, "edge, moved").ok());
        QVERIFY(st.history().canUndo());
        // A look for other writers that finds none reads nothing again, and details written as
        // they are change nothing: the history's step stays.
        QVERIFY(!st.refresh());
        QVERIFY(st.setDetails(2, st.details(2)).ok());
        QVERIFY(st.history().canUndo());
        // A group given up puts back what it wrote.
        QVERIFY(st.beginGroup());
        QVERIFY(st.writeReading(2, 3, "0.9").ok());
        SetDetails sited = st.details(2);
        sited.site = "Hole 9";
        QVERIFY(st.setDetails(2, sited).ok());
        QSignalSpy reloaded(&st, &ReadingsStore::reloaded);
        QSignalSpy detailsChanged(&st, &ReadingsStore::detailsChanged);
        st.cancelGroup();
        // The windows show the table and the details as they are again.
        QCOMPARE(reloaded.count(), 1);
        QCOMPARE(detailsChanged.count(), 1);
        QCOMPARE(st.details(2).site, QString());
        QCOMPARE(st.reading(2, 3), QString("0.5"));
        QCOMPARE(st.flag(2, 3), QString("box end"));
    }
    // All of it in the file: read again, the flags of plain readings are there.
    ReadingsStore again(path);
    QVERIFY(again.open().ok());
    QCOMPARE(again.flag(2, 3), QString("box end"));
    QCOMPARE(again.flag(2, 128), QString("edge, moved"));
    QCOMPARE(again.reading(2, 3), QString("0.5"));
    QCOMPARE(again.readingCount(2), 2);
}

QTEST_GUILESS_MAIN(TestStore)
void TestStore::placeGoesWithItsReading_data() {
    QTest::addColumn<QString>("then");  // what happens to the placed reading (set 2 position 3)
    QTest::addColumn<bool>("kept");     // it still has its place, in memory and in the file
    QTest::newRow("the same reading sent again") << "same" << true;
    QTest::newRow("flagged") << "flag" << true;
    QTest::newRow("a group that failed") << "group undone" << true;
    QTest::newRow("another reading") << "other" << false;
    QTest::newRow("unreadable") << "unreadable" << false;
    QTest::newRow("its set cleared") << "clear set" << false;
    QTest::newRow("New") << "clear all" << false;
}

void TestStore::placeGoesWithItsReading() {
    QFETCH(QString, then);
    QFETCH(bool, kept);
    OpenStore o;
    ReadingsStore& store = o.store;
    QVERIFY(store.writeReading(2, 3, "0.001234").ok());
    // A cleared position holds no reading to place; the file keeps its layout until a place.
    QVERIFY(!store.setPlace(2, 4, {47.5, 8.25, 410.0, {}}).ok());
    QCOMPARE(layoutOf(o.path), ReadingsStore::kSchemaVersion);
    const ReadingPlace at{47.3769912, 8.5416940, 408.5,
                          QDateTime(QDate(2026, 12, 9), QTime(10, 4, 5), Qt::UTC)};
    QVERIFY(store.setPlace(2, 3, at).ok());
    QCOMPARE(layoutOf(o.path), ReadingsStore::kPlacesVersion);
    if (then == "same") QVERIFY(store.writeReading(2, 3, "0.001234").ok());
    if (then == "flag") QVERIFY(store.setFlag(2, 3, "box end").ok());
    if (then == "group undone") {
        QVERIFY(store.beginGroup());
        QVERIFY(store.writeReading(2, 3, "0.009999").ok());
        store.cancelGroup();
    }
    if (then == "other") QVERIFY(store.writeReading(2, 3, "0.009999").ok());
    if (then == "unreadable") QVERIFY(store.markUnreadable(2, 3).ok());
    if (then == "clear set") QVERIFY(store.clearSet(2, 1).ok());
    if (then == "clear all") QVERIFY(store.clearAll().ok());
    QCOMPARE(store.place(2, 3).has_value(), kept);
    ReadingsStore again(o.path);
    QVERIFY(again.open().ok());
    QCOMPARE(again.place(2, 3).has_value(), kept);
    if (kept) QCOMPARE(*again.place(2, 3), at);
    QCOMPARE(again.places().size(), kept ? 1 : 0);
}

#include "test_store.moc"
