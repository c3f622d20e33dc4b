// SPDX-License-Identifier: GPL-3.0-or-later
// Line scenarios against the meter session alone, on a real pseudo-terminal, without a window:
// each row is what the user asks and the meter sends, then the exact cells of Readings.db, the
// value the session shows, what the meter was sent and what the user was told.
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QProcess>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

#include "DownloadWatch.h"
#include "LineSteps.h"
#include "MeterLine.h"
#include "ProblemLog.h"
#include "Pty.h"
#include "TestEnv.h"
#include "core/common/Messages.h"
#include "core/common/SettingsStore.h"
#include "core/files/FileCommands.h"
#include "core/link/PortLinks.h"
#include "core/session/DownloadRecorder.h"
#include "core/session/MeterSession.h"
#include "core/store/DownloadLog.h"
#include "core/store/ReadingsOpener.h"
#include "core/store/ReadingsStore.h"
#include "core/system/Process.h"

using namespace line;

namespace {
QStringList firstLines(const QStringList& texts) {
    QStringList out;
    for (const QString& t : texts) out << t.section('\n', 0, 0);
    return out;
}
/** The sets the file itself marks incomplete. */
QStringList markedIn(const QString& database) {
    QStringList out;
    const QString name = QStringLiteral("marks");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(database);
        if (db.open()) {
            QSqlQuery q(
                QStringLiteral(
                    "SELECT SetNumber FROM SetDetails WHERE Complete = 0 ORDER BY SetNumber"),
                db);
            while (q.next()) out << q.value(0).toString();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return out;
}
}  // namespace

/** The session as the programs make it, in a private home. */
struct SessionRig {
    SessionRig()
        : settings(env.configFile()),
          ports(env.portsFolder()),
          store(env.database()),
          opener(store),
          session(MeterSession::Deps{settings, ports, store}),
          messages(session),
          download(session) {}
    void start() {
        session.loadSettings();
        opener.open();
        session.connectMeter();
    }
    TestEnv env;
    SettingsStore settings;
    PortLinks ports;
    ReadingsStore store;
    ReadingsOpener opener;
    MeterSession session;
    ProblemLog messages;
    DownloadWatch download;
};

class TestSession : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lineScenarios_data();
    void lineScenarios();
    void anotherProgramsLock_data();
    void anotherProgramsLock();
    void meterKnownByItsName();
    void recorderTakesOnlyTheMetersSets_data();
    void recorderTakesOnlyTheMetersSets();
    void setTheStoreRefusedTakesNothing();
    void aSetSentTwiceIsCountedOnce();
    void downloadCutByANewRequestKeepsItsBytes();
    void redownloadKeepsFlagsOfTheSameReadings_data();
    void redownloadKeepsFlagsOfTheSameReadings();
    void onlyWhatTheMeterSentIsStored();
    void interruptedSetIsNeverMarkedComplete_data();
    void interruptedSetIsNeverMarkedComplete();
};

void TestSession::lineScenarios_data() {
    QTest::addColumn<Steps>("steps");
    // "row,set=text", row 1-based; "row,set=text held" also checks what the position holds
    // ("reading", "unreadable", "cleared").
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QString>("shown");   // the live value shown last, as received
    QTest::addColumn<QString>("stored");  // "set,reading" the shown value went to, or ""
    QTest::addColumn<QByteArray>("meterGot");
    QTest::addColumn<QStringList>("messages");  // the first line of each
    QTest::addColumn<QString>("incomplete");    // sets marked incomplete, "3,4"
    QTest::addColumn<QString>("summary");       // the last download's status line, "" for none

    const QString done = QStringLiteral("Download complete: ");
    QTest::newRow("cancel then capture")
        << Steps{{Step::All},
                 send(setData(2, 1, 5)),
                 {Step::Cancel},
                 {Step::Capture},
                 send("0.5\n")}
        << QStringList{"1,2=" + cellText(2, 1), "5,2=" + cellText(2, 5), "6,2=0.000000"} << "0.5"
        << "" << QByteArray("DPR") << QStringList{"Download cancelled: set 2, 5 readings stored."}
        << "2"
        << "Download cancelled: set 2, 5 readings stored.";
    const QString lostIn3 = QStringLiteral(
        "Download cut short: the connection to the meter was lost: set 3, 4 readings stored.");
    QTest::newRow("unplug then continuous")
        << Steps{{Step::All},        send(setData(3, 1, 6) + "\r\r"),
                 {Step::All},        send(setData(3, 1, 4)),
                 {Step::Unplug},     {Step::Replug},
                 {Step::Continuous}, send(live(3, 4, "0.5") + live(3, 4, "0.5"))}
        << QStringList{"4,3=" + cellText(3, 4), "5,3=0.000000", "6,3=0.000000"} << "0.5"
        << "" << QByteArray("A") << QStringList{lostIn3} << "3" << lostIn3;
    QTest::newRow("cut value, reconnect, download whole")
        << Steps{{Step::All}, send(setData(4, 1, 1) + "4.00"), {Step::Unplug}, {Step::Replug},
                 {Step::All}, send(setData(4, 1, 2) + "\r\r")}
        << QStringList{"1,4=" + cellText(4, 1), "2,4=" + cellText(4, 2), "3,4=0.000000"} << ""
        << "" << QByteArray("D")
        << QStringList{"Download cut short: the connection to the meter was lost: set 4, 1 "
                       "reading stored."}
        << "" << done + "set 4, 2 readings stored.";
    QTest::newRow("full-speed burst during Download All")
        << Steps{{Step::All}, {Step::Burst, fullMemory()}}
        << QStringList{"1,1=1.000001", "128,1=1.000128", "64,15=15.000064", "128,30=30.000128"}
        << ""
        << "" << QByteArray("D") << QStringList{} << ""
        << done + "sets 1 to 30, 3840 readings stored.";
    QTest::newRow("discard during live readings, then a value")
        << Steps{{Step::Continuous},
                 {Step::Discard, live(1, 1, "0.7").repeated(50) + "0.12"},
                 send("34\n"),
                 send(live(1, 1, "0.5"))}
        << QStringList{"1,1=0.000000"} << "0.5"
        << "" << QByteArray("A") << QStringList{} << ""
        << "";
    QTest::newRow("discard ending at a line feed keeps the next value")
        << Steps{{Step::Continuous},
                 {Step::Discard, live(1, 1, "0.7").repeated(50)},
                 send(live(1, 1, "0.5"))}
        << QStringList{"1,1=0.000000"} << "0.5"
        << "" << QByteArray("A") << QStringList{} << ""
        << "";
    QTest::newRow("re-download shorter")
        << Steps{{Step::All},
                 send(setData(5, 1, 5) + "\r\r"),
                 {Step::Current},
                 send(setData(5, 1, 2) + "\r\r")}
        << QStringList{"2,5=" + cellText(5, 2), "3,5=0.000000", "5,5=0.000000"} << ""
        << "" << QByteArray("DC") << QStringList{} << "" << done + "set 5, 2 readings stored.";
    QTest::newRow("open a short file")
        << Steps{{Step::All},
                 send(setData(6, 1, 4) + "\r\r"),
                 {Step::Open, fileOf({{1, "0.25"}, {2, "0.5"}})}}
        << QStringList{"1,6=0.25", "2,6=0.5", "3,6=0.000000", "4,6=0.000000"} << ""
        << "" << QByteArray("D") << QStringList{} << "" << done + "set 6, 4 readings stored.";
    QTest::newRow("store to PC")
        << Steps{{Step::All},     send(setData(8, 1, 3) + "\r\r"), {Step::StoreToPC},
                 {Step::Capture}, send(live(8, 4, "0.5")),         {Step::Store}}
        << QStringList{"3,8=" + cellText(8, 3), "4,8=0.5", "5,8=0.000000"} << "0.5"
        << "8,4" << QByteArray("DR") << QStringList{} << "" << done + "set 8, 3 readings stored.";
    QTest::newRow("store to PC into a set of other units")
        << Steps{{Step::All},
                 send(setData(8, 1, 3) + "\r\r"),
                 {Step::StoreToPC},
                 {Step::Capture},
                 send("U2M1N\x87R\x84"
                      "0.5\n"),
                 {Step::Store}}
        << QStringList{"3,8=" + cellText(8, 3), "4,8=0.000000"} << "0.5"
        << "" << QByteArray("DR") << QStringList{"UnitsDiffer"} << ""
        << done + "set 8, 3 readings stored.";
    QTest::newRow("store to PC with no reading shown")
        << Steps{{Step::StoreToPC}, {Step::Store}} << QStringList{"1,1=0.000000"} << ""
        << "" << QByteArray() << QStringList{"NothingToStore"} << ""
        << "";
    const QString lostIn9 = QStringLiteral(
        "Download cut short: the connection to the meter was lost: set 9, 2 readings stored.");
    QTest::newRow("link target gone, then back")
        << Steps{{Step::All},    send(setData(9, 1, 2)), {Step::Unplug},
                 {Step::Replug}, {Step::Capture},        send("0.5\n")}
        << QStringList{"2,9=" + cellText(9, 2), "3,9=0.000000"} << "0.5"
        << "" << QByteArray("R") << QStringList{lostIn9} << "9" << lostIn9;
    const QString cutByRequest =
        QStringLiteral("Download cut short by a new request: set 7, 3 readings stored.");
    QTest::newRow("a new request cuts a set")
        << Steps{{Step::All},     send(setData(7, 1, 6) + "\r\r"),
                 {Step::All},     send(setData(7, 1, 3)),
                 {Step::Capture}, send("0.5\n")}
        << QStringList{"3,7=" + cellText(7, 3), "4,7=0.000000", "6,7=0.000000"} << "0.5"
        << "" << QByteArray("DDR") << QStringList{cutByRequest} << "7" << cutByRequest;
    const QString silent =
        QStringLiteral("Download ended: the meter did not answer: set 10, 2 readings stored.");
    QTest::newRow("the meter falls silent")
        << Steps{{Step::All},
                 send(setData(10, 1, 4) + "\r\r"),
                 {Step::All},
                 send(setData(10, 1, 2)),
                 {Step::Silence}}
        << QStringList{"2,10=" + cellText(10, 2), "3,10=0.000000"} << ""
        << "" << QByteArray("DDP") << QStringList{silent} << "10" << silent;
    const QString reopened =
        QStringLiteral("Download cut short: the port was opened again: set 11, 2 readings stored.");
    QTest::newRow("the port is opened again")
        << Steps{{Step::All},
                 send(setData(11, 1, 4) + "\r\r"),
                 {Step::All},
                 send(setData(11, 1, 2)),
                 {Step::Reopen}}
        << QStringList{"2,11=" + cellText(11, 2), "3,11=0.000000"} << ""
        << "" << QByteArray("DD") << QStringList{reopened} << "11" << reopened;
    QByteArray unreadable = "S12\nU1M1";
    for (int r = 1; r <= 128; ++r)
        unreadable += r == 1 || r == 64 || r == 128 ? QByteArray("1.2.3\n")
                                                    : cellText(12, r).toLatin1() + "\n";
    const QString unreadableDone = done + "set 12, 125 readings stored.";
    QTest::newRow("unreadable values keep their positions")
        << Steps{{Step::All},
                 send(setData(12, 1, 128) + "\r\r"),
                 {Step::All},
                 send(unreadable + "\r\r")}
        << QStringList{"1,12=0.000000 unreadable",
                       "2,12=" + cellText(12, 2),
                       "63,12=" + cellText(12, 63),
                       "64,12=0.000000",
                       "65,12=" + cellText(12, 65),
                       "127,12=" + cellText(12, 127),
                       "128,12=0.000000"}
        << ""
        << "" << QByteArray("DD") << QStringList{unreadableDone} << "" << unreadableDone;
    QTest::newRow("Download All clears each set's tail")
        << Steps{{Step::All},
                 send(setData(15, 1, 8) + "\r\r"),
                 {Step::All},
                 send(setData(15, 1, 5) + setData(16, 1, 2) + "\r\r")}
        << QStringList{"5,15=" + cellText(15, 5), "6,15=0.000000", "8,15=0.000000",
                       "2,16=" + cellText(16, 2)}
        << ""
        << "" << QByteArray("DD") << QStringList{} << ""
        << done + "sets 15 and 16, 7 readings stored.";
    QTest::newRow("a slow meter is waited for while it sends")
        << Steps{{Step::All},   send(setData(17, 1, 2)), {Step::Pause}, send("17.000003\n"),
                 {Step::Pause}, send("17.000004\n"),     {Step::Pause}, send("17.000005\n\r\r")}
        << QStringList{"5,17=" + cellText(17, 5), "6,17=0.000000"} << ""
        << "" << QByteArray("D") << QStringList{} << "" << done + "set 17, 5 readings stored.";
    QTest::newRow("sign and decimal point")
        << Steps{{Step::All}, send("S13\nU1M1-0.25\n.5\n-.5\n- 7\n\r\r")}
        << QStringList{"1,13=-0.25", "2,13=.5", "3,13=-.5", "4,13=0.000000", "5,13=0.000000"} << ""
        << "" << QByteArray("D") << QStringList{"Download complete: set 13, 3 readings stored."}
        << "" << done + "set 13, 3 readings stored.";
    QTest::newRow("set data nobody asked for")
        << Steps{{Step::All},
                 send(setData(14, 1, 4) + "\r\r"),
                 {Step::Continuous},
                 send(live(14, 4, "0.7") + "S14\n0.7\n" + live(14, 4, "0.5"))}
        << QStringList{"1,14=" + cellText(14, 1), "4,14=" + cellText(14, 4)} << "0.5"
        << "" << QByteArray("DA") << QStringList{} << "" << done + "set 14, 4 readings stored.";

    // What the meter sends is checked against what was asked and what it can send.
    const QString noSet =
        QStringLiteral("Download ended: the meter sent no set: 0 readings stored.");
    QTest::newRow("one set asked, another sent")
        << Steps{{Step::Selected, "5"}, send(setData(7, 1, 3) + "\r\r")}
        << QStringList{"1,7=0.000000", "1,5=0.000000"} << ""
        << "" << QByteArray("S05") << QStringList{noSet} << "" << noSet;
    QTest::newRow("the current set, then one more")
        << Steps{{Step::Current}, send(setData(6, 1, 2) + setData(8, 1, 2) + "\r\r")}
        << QStringList{"2,6=" + cellText(6, 2), "1,8=0.000000"} << ""
        << "" << QByteArray("C") << QStringList{done + "set 6, 2 readings stored."} << ""
        << done + "set 6, 2 readings stored.";
    QTest::newRow("an end of data left over before the header")
        << Steps{{Step::All}, send("\r\r" + setData(9, 1, 2) + "\r\r")}
        << QStringList{"2,9=" + cellText(9, 2)} << ""
        << "" << QByteArray("D") << QStringList{} << "" << done + "set 9, 2 readings stored.";
    QTest::newRow("a value not in the meter's form is stored flagged, in place")
        << Steps{{Step::All}, send("S04\nU1M10.001230\n0.36177\n01875122.306768\n0.007890\n\r\r")}
        << QStringList{"1,4=0.001230 reading", "2,4=0.36177 reading", "3,4=0.000000 unreadable",
                       "4,4=0.000000 unreadable", "5,4=0.007890 reading"}
        << ""
        << "" << QByteArray("D") << QStringList{"Download complete: set 4, 3 readings stored."}
        << ""
        << "Download complete: set 4, 3 readings stored.";
    QTest::newRow("an answer of only the end of data")
        << Steps{{Step::All}, send("\r\r")} << QStringList{"1,1=0.000000"} << ""
        << "" << QByteArray("D")
        << QStringList{"Download ended: the meter sent no set: 0 readings stored."} << ""
        << "Download ended: the meter sent no set: 0 readings stored.";
    QTest::newRow("values run together and a lost decimal point")
        << Steps{{Step::All}, send("S04\nU1M10.0012300.004560\n0395065\n0.007890\n\r\r")}
        << QStringList{"1,4=0.000000 unreadable", "2,4=0.000000 unreadable",
                       "3,4=0.000000 unreadable", "4,4=0.007890 reading"}
        << ""
        << "" << QByteArray("D") << QStringList{done + "set 4, 1 reading stored."} << ""
        << done + "set 4, 1 reading stored.";
    QTest::newRow("a reading of zero is no cleared position")
        << Steps{{Step::All},
                 send(setData(3, 1, 5) + "\r\r"),
                 {Step::All},
                 send("S03\nU1M10.000000\n0.001000\n-0.000000\n\r\r")}
        << QStringList{"1,3=0.000000 reading", "3,3=-0.000000 reading", "4,3=0.000000 cleared"}
        << ""
        << "" << QByteArray("DD") << QStringList{} << "" << done + "set 3, 3 readings stored.";
    QTest::newRow("more values than positions")
        << Steps{{Step::All}, send(setData(10, 1, 130) + "\r\r")}
        << QStringList{"128,10=" + cellText(10, 128)} << ""
        << "" << QByteArray("D") << QStringList{done + "set 10, 128 readings stored."} << ""
        << done + "set 10, 128 readings stored.";
    QTest::newRow("the rest of a cancelled answer is never live")
        << Steps{{Step::All},
                 send(setData(11, 1, 3)),
                 {Step::Cancel},
                 send("11.000004\n11.000005\nS12\nU1M1\n12.000001\n\r\r")}
        << QStringList{"3,11=" + cellText(11, 3), "4,11=0.000000", "1,12=0.000000"} << ""
        << "" << QByteArray("DP") << QStringList{"Download cancelled: set 11, 3 readings stored."}
        << "11"
        << "Download cancelled: set 11, 3 readings stored.";
}

void TestSession::lineScenarios() {
    QFETCH(Steps, steps);
    QFETCH(QStringList, cells);
    QFETCH(QString, shown);
    QFETCH(QString, stored);
    QFETCH(QByteArray, meterGot);
    QFETCH(QStringList, messages);
    QFETCH(QString, incomplete);
    QFETCH(QString, summary);

    SessionRig rig;
    // Longer than a Pause, shorter than three.
    rig.session.setAnswerTimeout(2500);
    UsbMeter meter(rig.env, 5);
    rig.start();
    MeterSession& session = rig.session;
    QVERIFY(session.isConnected());
    QList<double> values;
    connect(&session, &MeterSession::liveValue, this, [&](double v) { values << v; });
    QString storedAt;
    connect(&session, &MeterSession::storedToPC, this, [&](int set, int reading) {
        storedAt = QStringLiteral("%1,%2").arg(set).arg(reading);
    });
    QByteArray got;

    for (const Step& step : steps) {
        runStep(step, session, meter, got, [&](const Step& s) {
            if (s.kind == Step::Cancel) {
                session.cancelDownload();
                return;
            }
            const QString path = rig.env.root() + "/short.dat";
            writeFile(path, s.bytes);
            QVERIFY(FileCommands::openDataFile(session.store(), path).ok());
        });
        if (QTest::currentTestFailed()) return;
        if (meter.pluggedIn()) got += meter.pty().receive(30);
    }
    QTRY_VERIFY(!session.isDownloading());

    const auto table = fileTable(rig.env.database());
    QCOMPARE(table.size(), 128);
    for (const QString& c : cells) {
        const int row = c.section(',', 0, 0).toInt();
        const int set = c.section(',', 1).section('=', 0, 0).toInt();
        const QString at = " at " + c.section('=', 0, 0);
        QCOMPARE(table[row - 1][set] + at, c.section('=', 1).section(' ', 0, 0) + at);
        const QString held = c.section(' ', 1);
        if (held.isEmpty()) continue;
        const char* names[] = {"cleared", "reading", "unreadable"};
        QCOMPARE(names[int(session.store().held(set, row))] + at, held + at);
    }

    QCOMPARE(session.shownReading(), shown);
    if (shown.isEmpty()) QVERIFY(values.isEmpty());
    // A value cut by a discard is never shown: every value shown is one the meter sent whole.
    for (double v : values) QVERIFY2(v == 0.5 || v == 0.7, qPrintable(QString::number(v)));
    QCOMPARE(storedAt, stored);
    QCOMPARE(got, meterGot);
    QStringList marked;
    for (int set = 1; set <= 30; ++set)
        if (session.store().isIncomplete(set)) marked << QString::number(set);
    QCOMPARE(marked.join(','), incomplete);
    QCOMPARE(marked, markedIn(rig.env.database()));
    const DownloadSummary& last = rig.download.account;
    QCOMPARE(last.end == DownloadEnd::Running ? QString() : last.statusLine(), summary);
    // The account's count is the count of positions that hold the sets' readings, unless
    // something else wrote to the table after it.
    const bool writtenAfter = std::any_of(steps.begin(), steps.end(), [](const Step& s) {
        return s.kind == Step::Open || s.kind == Step::Store || s.kind == Step::StoreToPC;
    });
    if (last.end == DownloadEnd::Whole && !writtenAfter) {
        int held = 0;
        for (int set : last.sets) held += session.store().readingCount(set);
        QCOMPARE(held, last.stored);
    }
    QTRY_COMPARE(firstLines(rig.messages.texts), messages);
}

void TestSession::anotherProgramsLock_data() {
    QTest::addColumn<bool>("atStartup");  // else taken in the middle of a download
    QTest::newRow("at start-up") << true;
    QTest::newRow("during a download") << false;
}

void TestSession::anotherProgramsLock() {
    QFETCH(bool, atStartup);
    SessionRig rig;
    UsbMeter meter(rig.env, 5);
    MeterSession& session = rig.session;
    {
        ReadingsStore made(rig.env.database());
        QVERIFY(made.open().ok());
    }
    if (!atStartup) rig.start();
    // Another program takes the file: for good at start-up, for writing during the download.
    QSqlDatabase other =
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QTest::currentDataTag());
    other.setDatabaseName(rig.env.database());
    QVERIFY(other.open());
    QSqlQuery lock(other);
    if (atStartup) {
        QVERIFY(lock.exec("PRAGMA locking_mode=EXCLUSIVE"));
        QVERIFY(lock.exec("BEGIN EXCLUSIVE") && lock.exec("COMMIT"));
        rig.start();
        QVERIFY(!session.store().isOpen() && rig.opener.isWaiting());
        QVERIFY(rig.messages.texts.isEmpty());
    } else {
        session.DownloadAllSets();
        sendPaced(meter.pty(), session, setData(3, 1, 4));
        QVERIFY(lock.exec("BEGIN IMMEDIATE"));
        sendPaced(meter.pty(), session, setData(3, 5, 9));
        QTRY_VERIFY(!session.isDownloading());
        QCOMPARE(rig.download.account.end, DownloadEnd::StoreFailed);
        QVERIFY(lock.exec("ROLLBACK"));
    }
    lock.finish();
    other.close();
    other = QSqlDatabase();
    QSqlDatabase::removeDatabase(QTest::currentDataTag());
    // Free again: the table opens (or stays open), and shows exactly what the file holds.
    QTRY_VERIFY(session.store().isOpen() && !rig.opener.isWaiting());
    const auto table = fileTable(rig.env.database());
    for (int row = 0; row < 128; ++row) QCOMPARE(session.store().cell(row, 3), table[row][3]);
    if (!atStartup) QCOMPARE(table[3][3], cellText(3, 4));
}

void TestSession::meterKnownByItsName() {
    // A GPS receiver sorts before the meter: with two devices and none known, nothing is opened
    // and the user is asked; the one that answers is the meter from then on.
    SessionRig rig;
    UsbMeter gps(rig.env, 4, "usb-GPS-receiver");
    UsbMeter meter(rig.env, 5);
    QSignalSpy choice(&rig.session, &MeterSession::meterChoiceNeeded);
    rig.start();
    QVERIFY(!rig.session.isConnected());
    QCOMPARE(choice.count(), 1);
    QVERIFY(rig.messages.texts.isEmpty());
    QVERIFY(!rig.session.findMeterPort());
    QVERIFY(rig.session.openPort(5).ok());
    rig.session.CaptureCurrentReading();
    meter.pty().send(live(1, 1, "0.5"));
    QTRY_VERIFY(rig.session.hasAnswered());
    QCOMPARE(rig.session.findMeterPort(), std::optional<int>(5));
    QCOMPARE(rig.settings.value("Settings", "Meter", {}), rig.env.root() + "/usb-Orvanta-meter");
}

void TestSession::recorderTakesOnlyTheMetersSets_data() {
    QTest::addColumn<int>("set");
    QTest::addColumn<bool>("taken");
    QTest::newRow("0, a number that could not be read") << 0 << false;
    QTest::newRow("1") << 1 << true;
    QTest::newRow("30") << 30 << true;
    QTest::newRow("31") << 31 << false;
    QTest::newRow("-1") << -1 << false;
}

void TestSession::recorderTakesOnlyTheMetersSets() {
    QFETCH(int, set);
    QFETCH(bool, taken);
    TestEnv env;
    ReadingsStore store(env.database());
    QVERIFY(store.open().ok());
    DownloadRecorder recorder(store);
    recorder.start();
    QVERIFY(recorder.beginSet(set).ok());
    QVERIFY(recorder.storeReading(1, "0.5").ok());
    QVERIFY(recorder.endSet().ok());
    QCOMPARE(recorder.stored(), taken ? 1 : 0);
    QCOMPARE(recorder.summary().lostSets.size(), taken ? 0 : 1);
    // Nothing lands in another set, nor past the table.
    int held = 0;
    for (int s = 1; s <= Meter::kSets; ++s) held += store.readingCount(s);
    QCOMPARE(held, taken ? 1 : 0);
    if (!taken) return;
    // The same set begun again in one download is one set of its account; the units it had
    // before the download are not known until the meter says them again.
    SetDetails known = store.details(set);
    known.units = Meter::Units::SI;
    QVERIFY(store.setDetails(set, known).ok());
    // A flag on the last position, cleared with the set's tail, is counted as dropped.
    QVERIFY(store.writeReading(set, 128, "0.5").ok());
    QVERIFY(store.setFlag(set, 128, "edge").ok());
    QVERIFY(store.setFlag(set, 1, "first").ok());
    QVERIFY(recorder.beginSet(set).ok());
    QVERIFY(!store.setUnits(set).has_value());
    QVERIFY(recorder.endSet().ok());
    QCOMPARE(recorder.summary().sets, QList<int>{set});
    QVERIFY(recorder.summary().flagsDropped.contains(qMakePair(set, 128)));
    QVERIFY(recorder.summary().flagsDropped.contains(qMakePair(set, 1)));
}

void TestSession::downloadCutByANewRequestKeepsItsBytes() {
    // A request that ends the download running begins the next one at once: the bytes of the
    // first are kept as it sent them, and the second's are its own.
    SessionRig rig;
    UsbMeter meter(rig.env, 5);
    rig.start();
    MeterSession& session = rig.session;
    session.DownloadAllSets();
    sendPaced(meter.pty(), session, "S01\nU1M10.500000\n");
    QSignalSpy reported(&session, &MeterSession::downloadReported);
    session.selectSet(2);
    session.DownloadSelectedSet();
    sendPaced(meter.pty(), session, "S02\nU1M10.250000\n\r\r");
    QTRY_COMPARE(reported.size(), 2);
    const QList<DownloadLog::RawDownload> kept = DownloadLog(rig.store).list();
    QCOMPARE(kept.size(), 2);
    QStringList requests;
    for (const DownloadLog::RawDownload& d : kept) requests << d.request;
    QVERIFY2(requests.contains("D") && requests.contains("S02"), qPrintable(requests.join(',')));
    for (const DownloadLog::RawDownload& d : kept) {
        const QByteArray bytes = DownloadLog(rig.store).find(d.id)->bytes;
        QCOMPARE(bytes, d.request == "D" ? QByteArray("S01\nU1M10.500000\n")
                                         : QByteArray("S02\nU1M10.250000\n\r\r"));
    }
}

void TestSession::aSetSentTwiceIsCountedOnce() {
    // A line fault can repeat a set's header: the second pass replaces the first, and the
    // account counts what the set holds at the end.
    TestEnv env;
    ReadingsStore store(env.database());
    QVERIFY(store.open().ok());
    DownloadRecorder recorder(store);
    recorder.start();
    QVERIFY(recorder.beginSet(4).ok());
    QVERIFY(recorder.storeReading(1, "0.702000").ok());
    QVERIFY(recorder.skipUnreadable(2).ok());
    QVERIFY(recorder.storeReading(3, "0.07", "2 decimals").ok());
    QVERIFY(recorder.beginSet(4).ok());
    QVERIFY(recorder.storeReading(1, "0.702000").ok());
    QVERIFY(recorder.endSet().ok());
    const DownloadSummary& account = recorder.summary();
    QCOMPARE(account.stored, store.readingCount(4));
    QCOMPARE(account.stored, 1);
    QCOMPARE(account.sets, QList<int>{4});
    QVERIFY(account.unreadable.isEmpty() && account.formFaults.isEmpty());
}

void TestSession::setTheStoreRefusedTakesNothing() {
    // Another program holds the database while set 4 begins: the set is never marked, so the
    // readings that follow must not land in it, even once the database is free again.
    TestEnv env;
    ReadingsStore store(env.database());
    QVERIFY(store.open().ok());
    QVERIFY(store.writeReading(4, 1, "0.100001").ok());
    DownloadRecorder recorder(store);
    recorder.start();
    {
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other");
        other.setDatabaseName(env.database());
        QVERIFY(other.open());
        QSqlQuery hold(other);
        QVERIFY(hold.exec("BEGIN IMMEDIATE"));
        QCOMPARE(recorder.beginSet(4).kind, StoreFailure::Busy);
        QVERIFY(hold.exec("ROLLBACK"));
    }
    QSqlDatabase::removeDatabase("other");
    QVERIFY(recorder.storeReading(1, "0.222222").ok());
    QCOMPARE(store.reading(4, 1), QString("0.100001"));
    QCOMPARE(recorder.stored(), 0);
    // A set cut while the database cannot be written is told as left as it was.
    QVERIFY(recorder.beginSet(5).ok());
    QVERIFY(recorder.storeReading(1, "0.333333").ok());
    QVERIFY(recorder.cutSet(false).ok());
    QVERIFY2(recorder.summary().report().contains("still hold what they held before"),
             qPrintable(recorder.summary().report()));
}

namespace {
// Set 4 as an earlier download left it, and as the download being interrupted brings it.
constexpr int kNewReadings = 10;
QString oldReading(int position) {
    return QStringLiteral("4.1%1").arg(position, 5, 10, QChar('0'));
}
QString newReading(int position) {
    return QStringLiteral("4.2%1").arg(position, 5, 10, QChar('0'));
}

/** The child of interruptedSetIsNeverMarkedComplete: downloads set 4 into the database named
 *  by ORVANTA_TEST_DOWNLOAD_CHILD as the session does (a step at a time, or in groups of
 *  four), killing itself after step ORVANTA_TEST_KILL_AT, with files limited to
 *  ORVANTA_TEST_FILE_LIMIT bytes when set. A failure ends the set as the session does; the
 *  account goes to standard output. */
int downloadChild() {
    int argc = 1;
    char name[] = "download-child";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    const int killAt = qEnvironmentVariableIntValue("ORVANTA_TEST_KILL_AT");
    const bool grouped = qEnvironmentVariableIntValue("ORVANTA_TEST_GROUPED") != 0;
    const rlim_t limit = qEnvironmentVariable("ORVANTA_TEST_FILE_LIMIT").toULongLong();
    ReadingsStore store(qEnvironmentVariable("ORVANTA_TEST_DOWNLOAD_CHILD"));
    if (!store.open()) return 3;
    if (limit > 0) {
        Process::ignoreFileSizeLimit();
        const rlimit r{limit, limit};
        setrlimit(RLIMIT_FSIZE, &r);
    }
    DownloadRecorder recorder(store);
    recorder.start();
    const auto failed = [&](const StoreResult& why) {
        if (grouped && !store.inGroup()) recorder.undoGroup();
        store.cancelGroup();
        recorder.summary().end = DownloadEnd::StoreFailed;
        recorder.summary().failure = why.reason;
        if (recorder.summary().failedSet == 0) recorder.summary().failedSet = recorder.currentSet();
        recorder.cutSet();
        std::printf("%s\n", qPrintable(recorder.summary().report()));
        return 2;
    };
    for (int step = 1; step <= kNewReadings + 2; ++step) {
        if (grouped && step % 4 == 1 && store.beginGroup()) recorder.startGroup();
        const StoreResult done = step == 1 ? recorder.beginSet(4)
                                 : step <= kNewReadings + 1
                                     ? recorder.storeReading(step - 1, newReading(step - 1))
                                     : recorder.endSet();
        if (!done) return failed(done);
        if (grouped && (step % 4 == 0 || step == kNewReadings + 2)) {
            const StoreResult committed = store.endGroup();
            if (!committed) return failed(committed);
        }
        if (step == killAt) ::kill(::getpid(), SIGKILL);
    }
    return 0;
}
}  // namespace

void TestSession::redownloadKeepsFlagsOfTheSameReadings_data() {
    // Set 4 holds 0.100001 .. 0.100006, positions 2, 5 and 6 flagged; then it is downloaded
    // again ("?" a value that was not a number).
    QTest::addColumn<QStringList>("again");
    QTest::addColumn<QString>("kept");     // positions still flagged, with their reasons
    QTest::addColumn<QString>("dropped");  // the account's flags that went
    const QStringList first{"0.100001", "0.100002", "0.100003", "0.100004", "0.100005", "0.100006"};
    QTest::newRow("the same readings") << first << "2,5,6"
                                       << "";
    QStringList changed = first;
    changed[4] = "0.999999";
    QTest::newRow("one reading changed") << changed << "2,6"
                                         << "set 4 position 5";
    QTest::newRow("shorter") << first.mid(0, 3) << "2"
                             << "set 4 position 5, set 4 position 6";
    QStringList unreadable = first;
    unreadable[1] = "?";
    QTest::newRow("unreadable where flagged") << unreadable << "5,6"
                                              << "set 4 position 2";
}

void TestSession::redownloadKeepsFlagsOfTheSameReadings() {
    QFETCH(QStringList, again);
    QFETCH(QString, kept);
    QFETCH(QString, dropped);
    TestEnv env;
    ReadingsStore store(env.database());
    QVERIFY(store.open().ok());
    DownloadRecorder recorder(store);
    const auto download = [&](const QStringList& readings) {
        recorder.start();
        QVERIFY(recorder.beginSet(4).ok());
        for (int p = 1; p <= readings.size(); ++p)
            QVERIFY(readings[p - 1] == "?" ? recorder.skipUnreadable(p).ok()
                                           : recorder.storeReading(p, readings[p - 1]).ok());
        QVERIFY(recorder.endSet().ok());
    };
    download({"0.100001", "0.100002", "0.100003", "0.100004", "0.100005", "0.100006"});
    for (int p : {2, 5, 6}) QVERIFY(store.setFlag(4, p, QStringLiteral("r%1").arg(p)).ok());
    download(again);
    QStringList flagged;
    for (int p = 1; p <= 128; ++p)
        if (!store.flag(4, p).isEmpty()) {
            QCOMPARE(store.flag(4, p), QStringLiteral("r%1").arg(p));
            flagged << QString::number(p);
        }
    QCOMPARE(flagged.join(','), kept);
    QStringList went;
    for (const auto& [set, position] : recorder.summary().flagsDropped)
        went << QStringLiteral("set %1 position %2").arg(set).arg(position);
    QCOMPARE(went.join(", "), dropped);
    // A flag that went is told; keeping them all is nothing to tell.
    if (!dropped.isEmpty()) QVERIFY(recorder.summary().report().contains(dropped + "."));
    QCOMPARE(recorder.summary().troubled(), !dropped.isEmpty());
    QVERIFY(!store.isIncomplete(4));
}

void TestSession::onlyWhatTheMeterSentIsStored() {
    SessionRig rig;
    UsbMeter meter(rig.env, 5);
    rig.start();
    MeterSession& session = rig.session;
    ReadingsStore& store = session.store();
    QVERIFY(store.setSetUnits(3, Meter::Units::CGS).ok());
    // Set 2 asked, set 3 sent too, in other units: set 3 keeps its own.
    session.selectSet(2);
    session.DownloadSelectedSet();
    sendPaced(meter.pty(), session, "S02\nU1M10.001230\n0.36177\nS03\nU1M10.500000\n\r\r");
    QTRY_VERIFY(!session.isDownloading());
    QCOMPARE(store.setUnits(3), std::optional<Meter::Units>(Meter::Units::CGS));
    QCOMPARE(store.reading(3, 1), QString("0.000000"));
    QCOMPARE(store.setUnits(2), std::optional<Meter::Units>(Meter::Units::SI));
    // A value not in the meter's form is kept at its place, flagged, counted and told.
    QCOMPARE(store.reading(2, 2), QString("0.36177"));
    QVERIFY(store.flag(2, 2).startsWith("5 decimals"));
    QVERIFY(!store.countsAsReading(2, 2));
    QCOMPARE(rig.download.account.formFaults, (QList<QPair<int, int>>{{2, 2}}));
    QVERIFY(rig.download.account.report().contains("set 2 position 2"));
}

void TestSession::interruptedSetIsNeverMarkedComplete_data() {
    QTest::addColumn<bool>("grouped");  // readings committed in groups, as a download does
    QTest::addColumn<int>("killAt");    // the step after which the program is killed, 0 none
    QTest::addColumn<int>("limit");     // bytes a file may grow to, 0 for no limit
    for (bool grouped : {false, true})
        for (int step = 1; step <= kNewReadings + 2; ++step)
            QTest::addRow("%s, killed after step %d", grouped ? "grouped" : "one by one", step)
                << grouped << step << 0;
    for (int limit : {4096, 16384, 36864})
        QTest::addRow("grouped, files full at %d bytes", limit) << true << 0 << limit;
}

void TestSession::interruptedSetIsNeverMarkedComplete() {
    QFETCH(bool, grouped);
    QFETCH(int, killAt);
    QFETCH(int, limit);
    TestEnv env;
    {
        ReadingsStore store(env.database());
        QVERIFY(store.open().ok());
        QVector<ReadingsStore::Row> rows(128);
        for (int p = 1; p <= 128; ++p) rows[p - 1][3] = oldReading(p);
        QVERIFY(store.replaceAll(rows).ok());
        QVERIFY(!store.isIncomplete(4));
    }
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("ORVANTA_TEST_DOWNLOAD_CHILD", env.database());
    environment.insert("ORVANTA_TEST_KILL_AT", QString::number(killAt));
    environment.insert("ORVANTA_TEST_GROUPED", grouped ? "1" : "0");
    environment.insert("ORVANTA_TEST_FILE_LIMIT", QString::number(limit));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForFinished(60000));
    if (killAt > 0) QCOMPARE(child.exitStatus(), QProcess::CrashExit);
    const QString account = QString::fromUtf8(child.readAllStandardOutput());
    if (limit > 0 && child.exitCode() == 2)  // the failure hit set 4, and the account says so
        QVERIFY2(account.contains("Set 4 "), qPrintable(account));

    ReadingsStore store(env.database());
    QVERIFY(store.open().ok());
    bool allOld = true, allNew = true;
    for (int p = 1; p <= 128; ++p) {
        const QString text = store.reading(4, p);
        const bool isNew = p <= kNewReadings && text == newReading(p);
        // Every position holds its own reading of one download or the other, or nothing.
        QVERIFY2(text == oldReading(p) || isNew || text == "0.000000",
                 qPrintable(QStringLiteral("position %1 holds %2").arg(p).arg(text)));
        allOld = allOld && text == oldReading(p);
        allNew = allNew && (p <= kNewReadings ? isNew : text == "0.000000");
    }
    // Marked complete, the set is one download whole: never the two mixed.
    if (!store.isIncomplete(4)) QVERIFY2(allOld || allNew, "a mixed set is marked complete");
    if (killAt == 0 && child.exitCode() == 0) QVERIFY(allNew && !store.isIncomplete(4));
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsSet("ORVANTA_TEST_DOWNLOAD_CHILD")) return downloadChild();
    QCoreApplication app(argc, argv);
    TestSession test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "test_session.moc"
