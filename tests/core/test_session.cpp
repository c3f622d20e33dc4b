// SPDX-License-Identifier: GPL-3.0-or-later
// Line scenarios against the meter session alone, on a real pseudo-terminal, without a window:
// each row is what the user asks and the meter sends, then the exact cells of Readings.db, the
// value the session shows, what the meter was sent and what the user was told.
#include <QtTest>

#include "Fakes.h"
#include "LineSteps.h"
#include "MeterLine.h"
#include "Pty.h"
#include "TestEnv.h"
#include "core/common/SettingsStore.h"
#include "core/files/FileCommands.h"
#include "core/link/PortLinks.h"
#include "core/session/MeterSession.h"

using namespace line;

/** The session as the programs make it, in a private home. */
struct SessionRig {
    SessionRig()
        : settings(env.configFile()),
          ports(env.portsFolder()),
          session(MeterSession::Deps{messages, settings, ports, env.database()}) {}
    void start() {
        session.loadSettings();
        session.openReadings();
        session.connectMeter();
    }
    TestEnv env;
    RecordingMessageBox messages;
    SettingsStore settings;
    PortLinks ports;
    MeterSession session;
};

class TestSession : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lineScenarios_data();
    void lineScenarios();
};

void TestSession::lineScenarios_data() {
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<QStringList>("cells");  // "row,set=text", row 1-based
    QTest::addColumn<QString>("shown");      // the live value shown last, as received
    QTest::addColumn<QString>("stored");     // "set,reading" the shown value went to, or ""
    QTest::addColumn<QByteArray>("meterGot");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("cancel then capture")
        << Steps{{Step::All},
                 send(setData(2, 1, 5)),
                 {Step::Cancel},
                 {Step::Capture},
                 send("0.5\n")}
        << QStringList{"1,2=" + cellText(2, 1), "5,2=" + cellText(2, 5), "6,2=0.000000"} << "0.5"
        << "" << QByteArray("DPR") << QStringList{};
    QTest::newRow("unplug then continuous")
        << Steps{{Step::All},        send(setData(3, 1, 4)),
                 {Step::Unplug},     {Step::Replug},
                 {Step::Continuous}, send(live(3, 4, "0.5") + live(3, 4, "0.5"))}
        << QStringList{"4,3=" + cellText(3, 4), "5,3=0.000000", "6,3=0.000000"} << "0.5"
        << "" << QByteArray("A") << QStringList{lost};
    QTest::newRow("cut value, reconnect, download")
        << Steps{{Step::All}, send(setData(4, 1, 1) + "4.00"), {Step::Unplug}, {Step::Replug},
                 {Step::All}, send(setData(4, 1, 2) + "\r\r")}
        << QStringList{"1,4=" + cellText(4, 1), "2,4=" + cellText(4, 2), "3,4=0.000000"} << ""
        << "" << QByteArray("D") << QStringList{lost};
    QTest::newRow("full-speed burst during Download All")
        << Steps{{Step::All}, {Step::Burst, fullMemory()}}
        << QStringList{"1,1=1.000001", "128,1=1.000128", "64,15=15.000064", "128,30=30.000128"}
        << ""
        << "" << QByteArray("D") << QStringList{};
    QTest::newRow("discard during live readings, then a value")
        << Steps{{Step::Continuous},
                 {Step::Discard, live(1, 1, "0.7").repeated(50) + "0.12"},
                 send("34\n"),
                 send(live(1, 1, "0.5"))}
        << QStringList{"1,1=0.000000"} << "0.5"
        << "" << QByteArray("A") << QStringList{};
    QTest::newRow("re-download shorter")
        << Steps{{Step::All},
                 send(setData(5, 1, 5) + "\r\r"),
                 {Step::Current},
                 send(setData(5, 1, 2) + "\r\r")}
        << QStringList{"2,5=" + cellText(5, 2), "3,5=0.000000", "5,5=0.000000"} << ""
        << "" << QByteArray("DC") << QStringList{};
    QTest::newRow("open a short file")
        << Steps{{Step::All},
                 send(setData(6, 1, 4) + "\r\r"),
                 {Step::Open, fileOf({{1, "0.25"}, {2, "0.5"}})}}
        << QStringList{"1,6=0.25", "2,6=0.5", "3,6=0.000000", "4,6=0.000000"} << ""
        << "" << QByteArray("D") << QStringList{};
    QTest::newRow("store to PC")
        << Steps{{Step::All},     send(setData(8, 1, 3) + "\r\r"), {Step::StoreToPC},
                 {Step::Capture}, send(live(8, 4, "0.5")),         {Step::Store}}
        << QStringList{"3,8=" + cellText(8, 3), "4,8=0.5", "5,8=0.000000"} << "0.5"
        << "8,4" << QByteArray("DR") << QStringList{};
    QTest::newRow("store to PC with no reading shown")
        << Steps{{Step::StoreToPC}, {Step::Store}} << QStringList{"1,1=0.000000"} << ""
        << "" << QByteArray() << QStringList{"There is no reading to store yet."};
    QTest::newRow("link target gone, then back")
        << Steps{{Step::All},    send(setData(9, 1, 2)), {Step::Unplug},
                 {Step::Replug}, {Step::Capture},        send("0.5\n")}
        << QStringList{"2,9=" + cellText(9, 2), "3,9=0.000000"} << "0.5"
        << "" << QByteArray("R") << QStringList{lost};
}

void TestSession::lineScenarios() {
    QFETCH(Steps, steps);
    QFETCH(QStringList, cells);
    QFETCH(QString, shown);
    QFETCH(QString, stored);
    QFETCH(QByteArray, meterGot);
    QFETCH(QStringList, messages);

    SessionRig rig;
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
            QVERIFY(FileCommands::openDataFile(session.store(), path).ok);
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
        QCOMPARE(table[row - 1][set] + " at " + c.section('=', 0, 0),
                 c.section('=', 1) + " at " + c.section('=', 0, 0));
    }
    QCOMPARE(session.shownReading(), shown);
    if (shown.isEmpty()) QVERIFY(values.isEmpty());
    // A value cut by a discard is never shown: every value shown is one the meter sent whole.
    for (double v : values) QVERIFY2(v == 0.5 || v == 0.7, qPrintable(QString::number(v)));
    QCOMPARE(storedAt, stored);
    QCOMPARE(got, meterGot);
    QTRY_COMPARE(rig.messages.texts, messages);
}

QTEST_GUILESS_MAIN(TestSession)
#include "test_session.moc"
