// SPDX-License-Identifier: GPL-3.0-or-later
// Line scenarios that go through the program's windows (the progress dialog's Cancel, the
// panel's Store, File > Open), on a real pseudo-terminal: each row is what the user and the meter
// do, then the exact cells of Readings.db, what the panel and the progress dialog show, what the
// meter was sent and what the user was told. The session's own scenarios are in
// tests/core/test_session.cpp.
#include <QComboBox>
#include <QLabel>
#include <QTableView>
#include <QtTest>

#include "AppRig.h"
#include "DownloadWatch.h"
#include "LineSteps.h"
#include "MeterLine.h"
#include "Pty.h"
#include "core/common/Messages.h"
#include "gui/dialogs/ProgressDialog.h"
#include "gui/panel/ReadingPanel.h"
#include "gui/plot/PlotWindow.h"
#include "gui/plot/ProfileChart.h"

using namespace line;

class TestSessionWindows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lineScenarios_data();
    void lineScenarios();
    void newNeverErasesWhatArrivesMeanwhile_data();
    void newNeverErasesWhatArrivesMeanwhile();
    void unitsPerSetSurviveARestart();
};

void TestSessionWindows::lineScenarios_data() {
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<QStringList>("cells");  // "row,set=text", row 1-based
    QTest::addColumn<QString>("digits");     // the panel's digits ("" where no reading is shown)
    QTest::addColumn<QString>("storeLabel");
    QTest::addColumn<QByteArray>("meterGot");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("cancel then capture")
        << Steps{{Step::All},
                 send(setData(2, 1, 5)),
                 {Step::Cancel},
                 {Step::Capture},
                 send("0.5\n")}
        << QStringList{"1,2=" + cellText(2, 1), "5,2=" + cellText(2, 5), "6,2=0.000000"} << "50000"
        << "(to Meter memory)" << QByteArray("DPR")
        << QStringList{"Download cancelled: set 2, 5 readings stored."};
    QList<QPair<int, QString>> whole{{1, "0.25"}, {2, "0.5"}};
    for (int row = 3; row <= 128; ++row) whole.append({row, "0.000000"});
    QTest::newRow("open a file")
        << Steps{{Step::All}, send(setData(6, 1, 4) + "\r\r"), {Step::Open, fileOf(whole)}}
        << QStringList{"1,6=0.25", "2,6=0.5", "3,6=0.000000", "4,6=0.000000"} << ""
        << "(to Meter memory)" << QByteArray("D") << QStringList{};
    QTest::newRow("store to PC")
        << Steps{{Step::All},     send(setData(8, 1, 3) + "\r\r"), {Step::StoreToPC},
                 {Step::Capture}, send(live(8, 4, "0.5")),         {Step::Store}}
        << QStringList{"3,8=" + cellText(8, 3), "4,8=0.5", "5,8=0.000000"} << "50000"
        << "Stored: set 8, reading 4" << QByteArray("DR") << QStringList{};
    QTest::newRow("store to PC with no reading shown")
        << Steps{{Step::StoreToPC}, {Step::Store}} << QStringList{"1,1=0.000000"} << ""
        << "(to PC memory)" << QByteArray() << QStringList{"There is no reading to store yet."};
}

void TestSessionWindows::lineScenarios() {
    QFETCH(Steps, steps);
    QFETCH(QStringList, cells);
    QFETCH(QString, digits);
    QFETCH(QString, storeLabel);
    QFETCH(QByteArray, meterGot);
    QFETCH(QStringList, messages);

    AppRig rig;
    UsbMeter meter(rig.env, 5);
    MainWindow& w = rig.start();
    MeterSession& session = (*rig.session);
    QVERIFY(session.isConnected());
    QList<double> shown;
    connect(&session, &MeterSession::liveValue, this, [&](double v) { shown << v; });
    QByteArray got;

    for (const Step& step : steps) {
        runStep(step, session, meter, got, [&](const Step& s) {
            if (s.kind == Step::Cancel) {
                QVERIFY(progressOf(w));
                progressOf(w)->close();  // the dialog's close button counts as Cancel
                return;
            }
            const QString path = rig.env.root() + "/short.dat";
            writeFile(path, s.bytes);
            rig.dialog.answers << path;
            w.files().Open();
        });
        if (QTest::currentTestFailed()) return;
        if (meter.pluggedIn()) got += meter.pty().receive(30);
    }
    QTRY_VERIFY(!session.isDownloading());
    QTRY_VERIFY(!progressOf(w));

    const auto table = fileTable(rig.env.database());
    QCOMPARE(table.size(), 128);
    for (const QString& c : cells) {
        const int row = c.section(',', 0, 0).toInt();
        const int set = c.section(',', 1).section('=', 0, 0).toInt();
        QCOMPARE(table[row - 1][set] + " at " + c.section('=', 0, 0),
                 c.section('=', 1) + " at " + c.section('=', 0, 0));
    }
    if (!digits.isEmpty())
        QCOMPARE(workOf(w).panel().digitsLabel->text(), digits);
    else
        QVERIFY(shown.isEmpty());
    // A value cut by a discard is never shown: every value shown is one the meter sent whole.
    for (double v : shown) QVERIFY2(v == 0.5 || v == 0.7, qPrintable(QString::number(v)));
    workOf(w).viewMeter();  // where Store puts readings, as the user sees it on the panel
    QCOMPARE(workOf(w).panel().storeDestinationLabel->text(), storeLabel);
    QCOMPARE(got, meterGot);
    QTRY_COMPARE(rig.messages.texts.size(), messages.size());
    for (int i = 0; i < messages.size(); ++i)
        QCOMPARE(rig.messages.texts[i].section('\n', 0, 0), messages[i]);
}

void TestSessionWindows::newNeverErasesWhatArrivesMeanwhile_data() {
    QTest::addColumn<bool>("download");  // a download is asked for while New's question is open
    QTest::addColumn<QString>("set2");   // set 2's first three cells afterwards
    // Set data nobody asked for is never stored, before or after the clearing.
    QTest::newRow("set data sent unasked") << false << "0.0000000.0000000.000000";
    QTest::newRow("download asked for during New") << true << "1.0000012.0000023.000003";
}

void TestSessionWindows::newNeverErasesWhatArrivesMeanwhile() {
    QFETCH(bool, download);
    QFETCH(QString, set2);
    MeterRig rig(5);
    Pty& pty = rig.pty;
    MainWindow& w = rig.start();
    MeterSession& session = (*rig.session);
    DownloadWatch watch(session);
    QVERIFY(session.store().writeReading(9, 1, "0.9").ok());  // unsaved: New asks
    rig.messages.whileAsking = [&] {
        if (download) session.DownloadCurrentSet();
        const qint64 target = session.link().bytesReceived() + 37;
        pty.send("S02\nU1M11.000001\n2.000002\n3.000003\n\r\r");
        QVERIFY(QTest::qWaitFor([&] { return session.link().bytesReceived() >= target; }, 10000));
    };
    w.files().New();
    QCOMPARE(rig.messages.questions.size(), 1);
    QTRY_VERIFY(!session.isDownloading() && !session.hasBytesWaiting());
    const auto t = fileTable(rig.env.database());
    QCOMPARE(t[0][2] + t[1][2] + t[2][2], set2);
    QCOMPARE(t[0][9], QString("0.000000"));
    QCOMPARE(watch.account.stored, download ? 3 : 0);
    QCOMPARE(rig.messages.texts, QStringList());
}

void TestSessionWindows::unitsPerSetSurviveARestart() {
    MeterRig rig(5);
    Pty& pty = rig.pty;
    rig.start();
    (*rig.session).DownloadAllSets();
    sendPaced(pty, (*rig.session), "S03\nU2M10.5\nS04\nU1M10.25\n\r\r");
    QTRY_VERIFY(!(*rig.session).isDownloading());
    MainWindow& again = rig.start();
    const ReadingsStore& db = (*rig.session).store();
    QCOMPARE(db.setUnits(3), std::optional<Meter::Units>(Meter::Units::CGS));
    QCOMPARE(db.setUnits(4), std::optional<Meter::Units>(Meter::Units::SI));
    QCOMPARE(db.setUnits(5), std::optional<Meter::Units>());
    // The plot draws every set in one unit system, converting (SI = 4 pi x CGS), and says so.
    PlotWindow& plot = plotOf(again);
    const auto* chart = plot.findChild<ProfileChart*>("ProfileChart");
    plot.chooseSets({3});
    QCOMPARE(chart->yLabel(), QString("Susceptibility (CGS)"));
    plot.chooseSets({3, 4});
    QCOMPARE(chart->yLabel(), QString("Susceptibility (CGS)"));
    QCOMPARE(chart->series().value(1).points.value(0).y(), 0.25 / (4 * M_PI));
    auto* units = plot.findChild<QComboBox*>("UnitsChoice");
    units->setCurrentIndex(0);  // SI, as the user picks it
    Q_EMIT units->activated(0);
    QCOMPARE(chart->yLabel(), QString("Susceptibility (SI)"));
    QCOMPARE(chart->series().value(0).points.value(0).y(), 0.5 * 4 * M_PI);
    QCOMPARE(chart->series().value(1).points.value(0).y(), 0.25);
    // The headers name each set's units.
    const auto* grid = again.findChild<QTableView*>("DataGrid1");
    QCOMPARE(grid->model()->headerData(3, Qt::Horizontal).toString(), QString("Set 3 (CGS)"));
    // A file opened in their place was not downloaded: its units are not known.
    const QString file = rig.env.root() + "/s.dat";
    rig.dialog.answers << file << file;
    rig.messages.choiceAnswers << 1;  // the data file, without the details
    again.files().Save();
    QTRY_VERIFY_WITH_TIMEOUT(!again.files().isWriting(), 10000);
    // A data file keeps readings only: the user is asked before the details are left behind.
    QVERIFY(rig.messages.questions.join('\n').contains("drops the units of sets 3"));
    QVERIFY(QFile::exists(file));
    again.files().Open();
    QCOMPARE(db.setUnits(3), std::optional<Meter::Units>());
    // Opened sets are never labelled with the meter's units.
    QTRY_COMPARE(chart->yLabel(), QString("Susceptibility (units not known)"));
    // A survey file keeps them, and the details.
    const QString survey = rig.env.root() + "/s.orvanta";
    rig.dialog.answers << survey << survey;
    QVERIFY((*rig.session).store().setSetUnits(4, Meter::Units::CGS).ok());
    again.files().Save();
    QTRY_VERIFY_WITH_TIMEOUT(!again.files().isWriting(), 10000);
    QVERIFY((*rig.session).store().setDetails(4, SetDetails{}).ok());
    again.files().Open();
    QCOMPARE(db.setUnits(4), std::optional<Meter::Units>(Meter::Units::CGS));
}

QTEST_MAIN(TestSessionWindows)
#include "test_session_windows.moc"
