// SPDX-License-Identifier: GPL-3.0-or-later
#include <unistd.h>

#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QtTest>

#include "AppRig.h"
#include "DownloadWatch.h"
#include "LineSteps.h"
#include "MeterLine.h"
#include "Pty.h"
#include "StreamCase.h"
#include "core/system/Process.h"
#include "gui/sets/SetsWindow.h"

namespace {
QByteArray setStream(int set, int count, const QString& format) {
    QByteArray out = "S" + QByteArray::number(set).rightJustified(2, '0') + "\nU1M1";
    for (int i = 1; i <= count; ++i)
        out += QString(format)
                   .replace("%S", QString::number(set))
                   .replace("%R", QString::number(i))
                   .toLatin1() +
               "\n";
    return out;
}
}  // namespace

class TestEndToEnd : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void streams_data();
    void streams();
    void allSetsThenShorterSet();
    void positionPastLastRowIsDropped();
    void burstOver512IsDiscardedAndEngineRecovers();
    void busyNotificationReadsNothing();
    void secondCopyRaisesFirstAndEnds();
    void guardKeepsOutOfSharedFolders();
    void fileOnTheCommandLineOpens_data();
    void fileOnTheCommandLineOpens();
};

void TestEndToEnd::streams_data() {
    QTest::addColumn<int>("index");
    const auto cases = StreamCase::loadAll(QStringLiteral(ORVANTA_TEST_DATA "/streams"));
    for (int i = 0; i < cases.size(); ++i)
        if (cases[i].failures.isEmpty()) QTest::newRow(qPrintable(cases[i].name)) << i;
}

void TestEndToEnd::streams() {
    QFETCH(int, index);
    const StreamCase c =
        StreamCase::loadAll(QStringLiteral(ORVANTA_TEST_DATA "/streams")).at(index);
    MeterRig rig(5);
    Pty& pty = rig.pty;
    MainWindow& w = rig.start();
    // The modes come from the requests that set them; only a requested download stores.
    if (c.modes.value("lastRequest") == "Live")
        (*rig.session).CaptureCurrentReading();
    else
        (*rig.session).DownloadCurrentSet();
    const QVector<QStringList> before = fileTable(rig.env.database());
    bool progressShown = false;
    connect(&(*rig.session), &MeterSession::downloadProgressed, this,
            [&] { progressShown |= (progressOf(w) && progressOf(w)->isVisible()); });
    sendPaced(pty, (*rig.session), c.bytes);
    QTRY_VERIFY(!(*rig.session).hasBytesWaiting());

    QVector<QStringList> expected = before;
    for (const QString& call : c.calls) {
        static const QRegularExpression store("^Store\\((\\d+),(\\d+),(.*)\\)$");
        const auto m = store.match(call);
        if (!m.hasMatch()) continue;
        const int set = m.captured(1).toInt(), row = m.captured(2).toInt();
        if (set >= 1 && set <= 30 && row >= 1 && row <= 128) expected[row - 1][set] = m.captured(3);
    }
    for (int r = 0; r < 128; ++r)
        for (int f = 0; f < 31; ++f) QCOMPARE((*rig.session).store().cell(r, f), expected[r][f]);
    QCOMPARE((*rig.session).store().cell(0, 0), QString("1"));  // "Number" is never written
    // An end of data before any set header is what an earlier answer left: the download goes on.
    const bool setCame = c.calls.filter(QRegularExpression("^(Store|Unreadable)\\(")).size() > 0;
    if (!c.calls.isEmpty() && c.calls.last() == "FinishDownload" && setCame) {
        QCOMPARE(fileTable(rig.env.database()), expected);  // saved, not only shown
        QVERIFY(!progressOf(w));
    }
    const bool stored =
        c.calls.filter(QRegularExpression("^Store\\(([1-9]|[12]\\d|30),")).size() > 0;
    if (stored) {
        QVERIFY(progressShown || (progressOf(w) && progressOf(w)->isVisible()));
    }
    if (c.state.contains("MeterSetText")) {
        workOf(w).viewMeter();
        QCOMPARE(workOf(w).panel().setLabel->text(), "S" + c.state.value("MeterSetText"));
    }
}

void TestEndToEnd::allSetsThenShorterSet() {
    MeterRig rig(5);
    Pty& pty = rig.pty;
    MainWindow& w = rig.start();
    DownloadWatch watch(*rig.session);
    (*rig.session).DownloadAllSets();
    QCOMPARE(pty.receive(50), QByteArray("D"));
    QByteArray all;
    for (int s = 1; s <= 30; ++s) all += setStream(s, 128, "%S.%R");
    sendPaced(pty, (*rig.session), all + "\r\r");
    QTRY_VERIFY(!progressOf(w));
    QCOMPARE(watch.last.received, 3840);
    const auto first = fileTable(rig.env.database());
    for (int r = 1; r <= 128; ++r)
        for (int s = 1; s <= 30; ++s)
            QCOMPARE(first[r - 1][s], QStringLiteral("%1.%2").arg(s).arg(r));
    QCOMPARE(w.findChild<QLabel*>("CoolBarBand1")->text(), QString("Units SI"));

    (*rig.session).selectSet(12);
    (*rig.session).DownloadSelectedSet();
    QCOMPARE(pty.receive(50), QByteArray("S12"));
    sendPaced(pty, (*rig.session), setStream(12, 5, "9.%R") + "\r\r");
    QTRY_VERIFY(!progressOf(w));
    const auto second = fileTable(rig.env.database());
    for (int r = 1; r <= 128; ++r) {
        // The shorter set replaces the whole column: nothing of the longer one stays behind it.
        QCOMPARE(second[r - 1][12],
                 r <= 5 ? QStringLiteral("9.%1").arg(r) : QStringLiteral("0.000000"));
        QCOMPARE(second[r - 1][11], QStringLiteral("11.%1").arg(r));
    }
    QCOMPARE(workOf(w).setsWindow().grid->model()->index(2, 12).data().toString(), QString("9.3"));
}

void TestEndToEnd::positionPastLastRowIsDropped() {
    MeterRig rig(5);
    Pty& pty = rig.pty;
    MainWindow& w = rig.start();
    (*rig.session).DownloadCurrentSet();
    sendPaced(pty, (*rig.session), setStream(4, 129, "4.%R"));
    QTRY_VERIFY(progressOf(w) && progressOf(w)->isVisible());
    QTRY_COMPARE(progressOf(w)->progressBar->value(), 128);
    QTRY_COMPARE(progressOf(w)->positionLabel->text(), QString("Set 4: 128 readings stored"));
    sendPaced(pty, (*rig.session), "\r\r");
    QTRY_VERIFY(!progressOf(w));
    const auto t = fileTable(rig.env.database());
    QCOMPARE(t.size(), 128);
    QCOMPARE(t[127][4], QString("4.128"));
}

void TestEndToEnd::burstOver512IsDiscardedAndEngineRecovers() {
    MeterRig rig(5);
    Pty& pty = rig.pty;
    MainWindow& w = rig.start();
    // A burst that waits whole at one receive event is thrown away.
    (*rig.session).holdReceiving(true);
    const QByteArray burst = setStream(2, 200, "2.%R");
    QVERIFY(burst.size() > 512);
    pty.send(burst);
    QTRY_COMPARE((*rig.session).link().bytesReceived(), burst.size());
    (*rig.session).holdReceiving(false);
    sendPaced(pty, (*rig.session), "\n");
    QVERIFY(!(*rig.session).hasBytesWaiting());
    QCOMPARE((*rig.session).store().cell(0, 2), QString("0.000000"));
    // The next set header starts cleanly.
    (*rig.session).DownloadCurrentSet();
    sendPaced(pty, (*rig.session), setStream(3, 2, "3.%R") + "\r\r");
    QTRY_VERIFY(!progressOf(w));
    const auto t = fileTable(rig.env.database());
    QCOMPARE(t[0][3], QString("3.1"));
    QCOMPARE(t[1][3], QString("3.2"));
    QCOMPARE(t[0][2], QString("0.000000"));
}

void TestEndToEnd::busyNotificationReadsNothing() {
    MeterRig rig(5);
    Pty& pty = rig.pty;
    MainWindow& w = rig.start();
    (*rig.session).CaptureCurrentReading();
    // A notification arriving while the first one is still inside its calls to other windows
    // (a nested event loop) reads nothing and loses nothing.
    bool nested = false;
    int valuesInside = -1;
    int values = 0;
    connect(&(*rig.session), &MeterSession::liveValue, this, [&] {
        ++values;
        if (nested) return;
        nested = true;
        const qint64 before = (*rig.session).link().bytesReceived();
        pty.send("0.5\n");
        QTRY_COMPARE((*rig.session).link().bytesReceived(), before + 4);
        QCoreApplication::processEvents();  // anything the bytes set off has run
        valuesInside = values;
    });
    pty.send("0.7\n");
    QTRY_VERIFY(nested);
    QTRY_COMPARE(valuesInside, 1);  // the second value waited for the first to be handled
    QTRY_COMPARE(values, 2);
    QVERIFY(!(*rig.session).hasBytesWaiting());
    QTRY_COMPARE(workOf(w).panel().digitsLabel->text(), QString("50000"));
}

void TestEndToEnd::secondCopyRaisesFirstAndEnds() {
    const QString program = QStringLiteral(ORVANTA_BUILD_DIR "/orvanta");
    Pty pty;
    TestEnv env;
    env.link(1, pty.slavePath());
    QProcess first;
    first.setEnvironment(env.environment());
    first.start(program, {});
    QVERIFY(first.waitForStarted());
    const QString socket =
        env.root() + QStringLiteral("/run/orvanta-%1.sock").arg(Process::userId());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(socket), 10000);
    QProcess second;
    second.setEnvironment(env.environment());
    second.start(program, {});
    QVERIFY(second.waitForFinished(5000));
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(first.state(), QProcess::Running);
    QByteArray err;
    QTRY_VERIFY((err += first.readAllStandardError())
                    .contains("Another copy asked this window to come to the front."));
    QVERIFY(QFile::exists(env.database()));
    first.terminate();
    if (!first.waitForFinished(5000)) first.kill();
}

void TestEndToEnd::guardKeepsOutOfSharedFolders() {
    // A runtime folder anyone may write to, with a planted lock and a socket that answers as a
    // running copy would: the program keeps its guard in its own cache folder and runs.
    TestEnv env;
    const QString shared = env.root() + "/shared";
    QVERIFY(QDir().mkpath(shared));
    QVERIFY(QFile::setPermissions(shared, QFileDevice::Permissions(0x7777)));
    const QString planted = shared + QStringLiteral("/orvanta-%1.sock").arg(Process::userId());
    QFile lock(planted + ".lock");
    QVERIFY(lock.open(QIODevice::WriteOnly) && lock.write("1\norvanta\nhost\n") > 0);
    lock.close();
    QLocalServer liar;
    QVERIFY(liar.listen(planted));
    connect(&liar, &QLocalServer::newConnection, this, [&] {
        QLocalSocket* s = liar.nextPendingConnection();
        s->write("ok\n");
        s->flush();
    });
    QStringList environment = env.environment();
    environment.replaceInStrings(QRegularExpression("^XDG_RUNTIME_DIR=.*"),
                                 "XDG_RUNTIME_DIR=" + shared);
    environment << "XDG_CACHE_HOME=" + env.root() + "/cache";
    QProcess program;
    program.setEnvironment(environment);
    program.start(QStringLiteral(ORVANTA_BUILD_DIR "/orvanta"), {});
    QVERIFY(program.waitForStarted());
    const QString own =
        env.root() + QStringLiteral("/cache/Orvanta/run/orvanta-%1.sock").arg(Process::userId());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(own), 10000);
    QCOMPARE(program.state(), QProcess::Running);
    program.terminate();
    if (!program.waitForFinished(5000)) program.kill();
}

void TestEndToEnd::fileOnTheCommandLineOpens_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("cell");  // row 2 of set 6 (data file) or of set 1 (survey file)
    QTest::newRow("data file") << "survey.dat"
                               << "0.5";
    QTest::newRow("survey file") << "two_records.orvanta"
                                 << "1.002000";
}

void TestEndToEnd::fileOnTheCommandLineOpens() {
    QFETCH(QString, name);
    QFETCH(QString, cell);
    Pty meter;  // a meter to find: no message stands in the way
    TestEnv env;
    env.link(1, meter.slavePath());
    const QString file = env.root() + "/" + name;
    if (name.endsWith(".dat"))
        line::writeFile(file, line::fileOf({{1, "0.25"}, {2, "0.5"}}));
    else
        QVERIFY(QFile::copy(QStringLiteral(ORVANTA_TEST_DATA "/surveys/") + name, file));
    QProcess program;
    program.setEnvironment(env.environment());
    program.start(QStringLiteral(ORVANTA_BUILD_DIR "/orvanta"), {file});
    QVERIFY(program.waitForStarted());
    const int column = name.endsWith(".dat") ? 6 : 1;
    QTRY_VERIFY_WITH_TIMEOUT(fileTable(env.database()).value(1).value(column) == cell, 10000);
    program.terminate();
    if (!program.waitForFinished(5000)) program.kill();
}

QTEST_MAIN(TestEndToEnd)
#include "test_endtoend.moc"
