// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/resource.h>
#include <unistd.h>

#include <QProcess>
#include <QSerialPort>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>
#include <csignal>

#include "AppRig.h"
#include "MeterLine.h"
#include "core/common/Messages.h"
#include "core/files/ExportFormats.h"
#include "core/meter/ReceiveEngine.h"
#include "core/system/Process.h"

namespace {
QByteArray values(int set, int from, int to) {
    QByteArray out;
    for (int i = from; i <= to; ++i)
        out += QByteArray::number(set) + "." + QByteArray::number(i).rightJustified(6, '0') + "\n";
    return out;
}

/** The readings a byte stream leaves in a table, by the engine's own rules, with nothing between
 *  the meter and the table. */
class Replay : public ReceiveHost {
public:
    explicit Replay(const QByteArray& bytes) : store(QStringLiteral(":memory:")) {
        store.open();
        for (char b : bytes) engine.FeedChar(QChar(uchar(b)), Request::Download, meter, *this);
    }
    void StoreReading(int set, int position, const QString& text, const QString&) override {
        if (set < 1 || set > 30 || position > 128) return;
        store.writeReading(set, position, text);
        ++stored;
    }
    ReadingsStore store;
    ReceiveEngine engine;
    MeterReport meter;
    int stored = 0;
};

/** A full disk, as far as this process's writes go: no file may grow past @p bytes. */
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &m_old); }

private:
    rlimit m_old{};
};
}  // namespace

class TestFaults : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A write past the size limit fails with EFBIG instead of ending the process.
    void initTestCase() { Process::ignoreFileSizeLimit(); }
    void unplugDuringDownloadKeepsEveryReading();
    void killDuringDownloadLeavesSoundDatabase();
    void simulatorLineFaultsLoseNothing();
    void simulatorFreesThePortOfAKilledClient();
    void restartedSimulatorIsFoundAgain();
    void portHeldAtStartup();
    void portProblemsAtStartup_data();
    void portProblemsAtStartup();
    void damagedDatabaseAtStartup();
    void readOnlyDatabaseAtStartup();
    void fileWriteFailuresReported_data();
    void fileWriteFailuresReported();
    void fullDatabaseStopsDownloadAndSaysSo();
};

void TestFaults::unplugDuringDownloadKeepsEveryReading() {
    AppRig rig;
    auto pty = std::make_unique<Pty>();
    rig.env.link(5, pty->slavePath());
    MainWindow& w = rig.start();
    (*rig.session).DownloadAllSets();
    QByteArray sent;
    for (int s = 1; s <= 3; ++s) sent += "S0" + QByteArray::number(s) + "\nU1" + values(s, 1, 128);
    sent += "S04\nU1" + values(4, 1, 57);
    sendPaced(*pty, (*rig.session), sent);
    pty.reset();  // unplugged halfway through set 4; its device name goes with it
    QFile::remove(rig.env.portsFolder() + "/com5");
    QTRY_VERIFY(!(*rig.session).isConnected());
    // One message: the download's account, with the set it cut short.
    QTRY_COMPARE(rig.messages.texts.size(), 1);
    QVERIFY2(rig.messages.texts[0].startsWith(
                 "Download cut short: the connection to the meter was lost: sets 1 to 4, 441 "
                 "readings stored.\n"),
             qPrintable(rig.messages.texts[0]));
    QVERIFY((*rig.session).store().isIncomplete(4) && !(*rig.session).store().isIncomplete(3));
    QVERIFY(w.isVisible());
    const auto t = fileTable(rig.env.database());
    for (int s = 1; s <= 4; ++s)
        for (int r = 1; r <= (s < 4 ? 128 : 57); ++r)
            QCOMPARE(t[r - 1][s],
                     QString::number(s) + "." + QString::number(r).rightJustified(6, '0'));
    QCOMPARE(t[57][4], QString("0.000000"));
    // The meter comes back under the same number: the next request opens the port again.
    Pty again;
    rig.env.link(5, again.slavePath());
    (*rig.session).CaptureCurrentReading();
    QCOMPARE(again.receive(100), QByteArray("R"));
    QVERIFY((*rig.session).isConnected());
    QCOMPARE(rig.messages.texts.size(), 1);
}

void TestFaults::killDuringDownloadLeavesSoundDatabase() {
    Pty pty;
    TestEnv env;
    env.link(1, pty.slavePath());
    // The command-line program downloads through the same session and store, and can be asked
    // for a download from outside.
    QProcess program;
    program.setEnvironment(env.environment());
    program.start(QStringLiteral(ORVANTA_BUILD_DIR "/orvanta-cli"), {"download", "--all"});
    QVERIFY(program.waitForStarted());
    QByteArray asked;
    QVERIFY(QTest::qWaitFor(
        [&] {
            asked += pty.receive(20);
            return asked.contains('D');
        },
        10000));
    pty.send("S01\nU1");
    int seen = 0;
    int next = 1;  // the next reading the meter sends
    for (; next <= 120 && seen < 60; next += 10) {
        pty.send(values(1, next, next + 9));
        const auto stored = [&] {
            const auto t = fileTable(env.database());
            seen = 0;
            while (seen < 128 && t.size() == 128 && t[seen][1] != "0.000000") ++seen;
            return seen >= next + 9;
        };
        (void)QTest::qWaitFor(stored, 2000);  // stored in groups: the next values may be needed
    }
    QVERIFY2(seen >= 20, qPrintable(QString::number(seen)));
    pty.send(values(1, next, 128));
    QVERIFY(signalProcess(program, SIGKILL));
    QVERIFY(program.waitForFinished(5000));
    QString integrity;
    const auto t = fileTable(env.database(), &integrity);
    QCOMPARE(integrity, QString("ok"));
    QCOMPARE(t.size(), 128);
    int kept = 0;
    while (kept < 128 && t[kept][1] != "0.000000") {
        QCOMPARE(t[kept][1], "1." + QString::number(kept + 1).rightJustified(6, '0'));
        ++kept;
    }
    QVERIFY2(kept >= seen, "every reading stored before the kill is still there");
    for (int r = kept; r < 128; ++r) QCOMPARE(t[r][1], QString("0.000000"));
}

void TestFaults::simulatorLineFaultsLoseNothing() {
    AppRig rig;
    const QString record = rig.env.root() + "/sent.bin";
    QProcess sim;
    sim.setEnvironment(rig.env.environment());
    sim.start(QStringLiteral(ORVANTA_BUILD_DIR "/orvanta-meter-sim"),
              {"--us-per-byte", "40", "--faults", "0.01", "--seed", "4", "--record", record});
    QVERIFY(sim.waitForReadyRead(5000));
    MainWindow& w = rig.start();
    (*rig.session).DownloadAllSets();
    // Wait until the download has ended and the program has taken every byte sent.
    QTRY_VERIFY_WITH_TIMEOUT(!(*rig.session).isDownloading() && !(*rig.session).hasBytesWaiting(),
                             120000);
    sim.terminate();
    sim.waitForFinished(5000);
    QFile f(record);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(bytes.size() > 10000);
    const Replay expected(bytes.mid(0));
    QVERIFY(expected.stored > 1000);
    const auto t = fileTable(rig.env.database());
    QCOMPARE(t.size(), 128);
    for (int r = 0; r < 128; ++r) {
        QCOMPARE(t[r][0], QString::number(r + 1));
        for (int s = 1; s <= 30; ++s) QCOMPARE(t[r][s], expected.store.cell(r, s));
    }
    QVERIFY(w.isVisible());
}

void TestFaults::simulatorFreesThePortOfAKilledClient() {
    // A client that held the port exclusively and was killed: the next one opens it at once
    // (root may open any device, so this is a real fault only as another user).
    TestEnv env;
    QProcess sim;
    sim.setEnvironment(env.environment());
    sim.start(QStringLiteral(ORVANTA_BUILD_DIR "/orvanta-meter-sim"), {"--full-speed"});
    QVERIFY(sim.waitForReadyRead(5000));
    const QString cli = QStringLiteral(ORVANTA_BUILD_DIR "/orvanta-cli");
    QProcess first;
    first.setEnvironment(env.environment());
    first.start(cli, {"read", "--continuous"});
    QVERIFY(first.waitForReadyRead(10000));
    QVERIFY(signalProcess(first, SIGKILL));
    QVERIFY(first.waitForFinished(5000));
    // The simulator frees the device within half a second: a client started then reads.
    QProcess next;
    next.setEnvironment(env.environment());
    QElapsedTimer since;
    since.start();
    do {
        next.start(cli, {"read"});
        QVERIFY(next.waitForFinished(10000));
    } while (next.exitCode() != 0 && since.elapsed() < 3000);
    QVERIFY2(next.exitCode() == 0, next.readAllStandardError().constData());
    QVERIFY(signalProcess(sim, SIGTERM));
    QVERIFY(sim.waitForFinished(5000));
}

void TestFaults::restartedSimulatorIsFoundAgain() {
    // The simulator comes back on another pseudo-terminal under the same port number: the
    // program, which lost it, opens it again by itself.
    AppRig rig;
    const auto startSim = [&](QProcess& sim) {
        sim.setEnvironment(rig.env.environment());
        sim.start(QStringLiteral(ORVANTA_BUILD_DIR "/orvanta-meter-sim"), {"--full-speed"});
        return sim.waitForReadyRead(5000);
    };
    QProcess first;
    QVERIFY(startSim(first));
    rig.start();
    QVERIFY((*rig.session).isConnected());
    const QString before = (*rig.session).link().device();
    QVERIFY(signalProcess(first, SIGTERM));
    QVERIFY(first.waitForFinished(5000));
    (*rig.session).CaptureCurrentReading();  // the write finds the meter gone
    QTRY_VERIFY_WITH_TIMEOUT((*rig.session).isReconnecting(), 5000);
    Pty other;  // takes the first one's device number: the next comes back under another
    QProcess second;
    QVERIFY(startSim(second));
    QTRY_VERIFY_WITH_TIMEOUT((*rig.session).isConnected(), 5000);
    QVERIFY((*rig.session).link().device() != before);
    QVERIFY(signalProcess(second, SIGTERM));
    QVERIFY(second.waitForFinished(5000));
}

void TestFaults::portHeldAtStartup() {
    Pty pty;
    QSerialPort other;
    other.setPortName(pty.slavePath());
    QVERIFY(other.open(QIODevice::ReadWrite));
    AppRig rig;
    rig.env.link(2, pty.slavePath());
    rig.start();
    QCOMPARE(rig.messages.texts,
             QStringList{"Warning: Comm Port is in use by another application"});
    QVERIFY(!(*rig.session).isConnected());
}

void TestFaults::portProblemsAtStartup_data() {
    QTest::addColumn<QString>("device");  // "closed": a file nobody may use; "dialout": a device
                                          // of the dialout group; else a path
    QTest::addColumn<QString>("told");    // %1: the device
    QTest::newRow("no access for anyone") << "closed" << QString(Msg::PortNotAllowed);
    QTest::newRow("a dialout device") << "dialout" << QString(Msg::PortPermission);
    QTest::newRow("no serial device") << "/dev/null"
                                      << "The Comm Port (%1) cannot be used for the meter: ";
}

void TestFaults::portProblemsAtStartup() {
    QFETCH(QString, device);
    QFETCH(QString, told);
    const bool permission = device == "closed" || device == "dialout";
    if (permission && ::geteuid() == 0) QSKIP("root may open any device");
    AppRig rig;
    QString dev = device;
    if (device == "dialout") {
        dev = qEnvironmentVariable("ORVANTA_TEST_DIALOUT_DEVICE");
        if (dev.isEmpty()) QSKIP("no dialout device was made for this run");
    } else if (device == "closed") {
        dev = rig.env.root() + "/ttyUSB0";
        QFile file(dev);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QFile::setPermissions(dev, QFileDevice::Permissions());
    }
    rig.env.link(2, dev);
    rig.setSetting("Comm Num", "2");  // where no meter is found, the port to open
    rig.start();
    // The reason, last; joining the dialout group is advised only where it helps.
    QVERIFY(!rig.messages.texts.isEmpty());
    QVERIFY2(rig.messages.texts.last().startsWith(told.arg(dev)),
             qPrintable(rig.messages.texts.last()));
}

void TestFaults::damagedDatabaseAtStartup() {
    MeterRig rig(2);
    Pty& pty = rig.pty;
    QFile f(rig.env.database());
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(8192, '\x5a'));
    f.close();
    MainWindow& w = rig.start();
    QCOMPARE(rig.messages.texts.size(), 1);
    QVERIFY2(rig.messages.texts[0].startsWith("The readings database " + rig.env.database() +
                                              " could not be opened: the file is damaged"),
             qPrintable(rig.messages.texts[0]));
    QVERIFY(w.isVisible());
    QVERIFY((*rig.session).isConnected());
    // Requests and file commands on a closed table do nothing harmful.
    (*rig.session).DownloadCurrentSet();
    const qint64 before = (*rig.session).link().bytesReceived();
    pty.send("S01\n1.5\n\r\r");
    QTRY_COMPARE((*rig.session).link().bytesReceived(), before + 10);
    w.files().New();
    QCOMPARE(QFileInfo(rig.env.database()).size(), 8192);
}

void TestFaults::readOnlyDatabaseAtStartup() {
    if (::geteuid() == 0) QSKIP("root writes read-only files");
    AppRig rig;
    {
        ReadingsStore make(rig.env.database());
        make.open();
    }
    QFile::setPermissions(rig.env.database(), QFileDevice::ReadOwner);
    MainWindow& w = rig.start();
    // What the file system says first, then what the database answered.
    QVERIFY2(rig.messages.texts.value(0).startsWith(
                 "The readings database " + rig.env.database() +
                 " could not be opened: your user may not read and write it ("),
             qPrintable(rig.messages.texts.value(0)));
    QVERIFY(w.isVisible());
}

void TestFaults::fileWriteFailuresReported_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("diskFull");  // else a folder the user may not write in
    for (const char* command : {"save", "text", "csv", "print"}) {
        QTest::addRow("%s, disk full", command) << command << true;
        QTest::addRow("%s, read-only folder", command) << command << false;
    }
}

void TestFaults::fileWriteFailuresReported() {
    QFETCH(QString, command);
    QFETCH(bool, diskFull);
    if (!diskFull && ::geteuid() == 0) QSKIP("root writes in any folder");
    AppRig rig;
    MainWindow& w = rig.start();
    rig.messages.texts.clear();  // no meter: that is said at the start
    ReadingsStore& rs = (*rig.session).store();
    for (int r = 1; r <= 128; ++r) {
        for (int s = 1; s <= 3; ++s)
            rs.writeReading(s, r,
                            QString::number(s) + "." + QString::number(r).rightJustified(6, '0'));
    }
    const QString folder = rig.env.root() + "/surveys";
    QVERIFY(QDir().mkpath(folder));
    const QString file = folder + "/survey." +
                         (command == "save"    ? "dat"
                          : command == "print" ? "pdf"
                                               : command);
    auto run = [&] {
        rig.dialog.answers << file;
        if (command == "save")
            w.files().Save();
        else if (command == "text")
            w.files().exportText();
        else if (command == "csv")
            w.files().exportAs(*ExportFormats::byId("csv"));
        else
            w.Print();  // to a PDF file
        QTRY_VERIFY_WITH_TIMEOUT(!w.files().isWriting(), 10000);
    };
    run();
    QFile saved(file);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray before = saved.readAll();
    saved.close();
    QVERIFY(before.size() > 2048);
    rs.writeReading(2, 5, "7.5");
    {
        std::optional<FileSizeLimit> full;
        if (diskFull)
            full.emplace(1024);
        else
            QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        run();
        QFile::setPermissions(
            folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    // One message with the file and the reason; the file saved before is whole, and nothing is
    // left beside it.
    QCOMPARE(rig.messages.texts.size(), 1);
    QVERIFY2(rig.messages.texts[0].contains(file + " could not be ") &&
                 !rig.messages.texts[0].contains("Unknown error"),
             qPrintable(rig.messages.texts[0]));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), before);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden),
             QStringList{QFileInfo(file).fileName()});
}

void TestFaults::fullDatabaseStopsDownloadAndSaysSo() {
    AppRig rig;
    UsbMeter meter(rig.env, 4);
    rig.start();
    (*rig.session).DownloadAllSets();
    QCOMPARE(meter.pty().receive(50), QByteArray("D"));
    sendPaced(meter.pty(), (*rig.session), "S01\nU1" + values(1, 1, 128));
    QTRY_COMPARE((*rig.session).store().cell(127, 1), QString("1.000128"));
    qint64 largest = 0;
    for (const QString& f : QDir(QFileInfo(rig.env.database()).path()).entryList(QDir::Files))
        largest =
            std::max(largest, QFileInfo(QFileInfo(rig.env.database()).path() + "/" + f).size());
    {
        FileSizeLimit full(static_cast<rlim_t>(largest + 4096));
        sendPaced(meter.pty(), (*rig.session),
                  "S02\nU1" + values(2, 1, 128) + "S03\nU1" + values(3, 1, 128));
        QTRY_VERIFY(!(*rig.session).isDownloading());
        QTRY_COMPARE(rig.messages.texts.size(), 1);
    }
    QCOMPARE(meter.pty().receive(50), QByteArray("P"));
    // The message counts what was stored, and the file holds exactly that: a whole prefix.
    const QRegularExpression told(
        "^Download stopped: readings could not be stored: sets? [^:]+, (\\d+) readings stored\\.\n"
        "Readings could not be stored: [^\n]+[^.]\\.\n");
    const QRegularExpressionMatch m = told.match(rig.messages.texts[0]);
    QVERIFY2(m.hasMatch(), qPrintable(rig.messages.texts[0]));
    const int stored = m.captured(1).toInt();
    QVERIFY(stored >= 128 && stored < 3 * 128);
    QString integrity;
    const auto t = fileTable(rig.env.database(), &integrity);
    QCOMPARE(integrity, QString("ok"));
    int inFile = 0;
    for (int s = 1; s <= 3; ++s)
        for (int r = 1; r <= 128; ++r) {
            const QString cell = t[r - 1][s];
            if (cell == "0.000000") continue;
            QCOMPARE(cell, QString::number(s) + "." + QString::number(r).rightJustified(6, '0'));
            ++inFile;
        }
    QCOMPARE(inFile, stored);
    // A set the failure cut into is never marked complete: one marked so holds all of its own.
    const ReadingsStore& store = (*rig.session).store();
    for (int s = 1; s <= 3; ++s)
        if (store.readingCount(s) > 0 && !store.isIncomplete(s))
            QCOMPARE(store.readingCount(s), 128);
}

QTEST_MAIN(TestFaults)
#include "test_faults.moc"
