// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

#include "AppRig.h"
#include "DownloadWatch.h"
#include "MeterState.h"

namespace {
/** Takes the meter's bytes apart with the program's own receive engine and keeps what it finds. */
class Parsed : public ReceiveHost {
public:
    explicit Parsed(const QByteArray& bytes) {
        // A download request: every units report reaches the band.
        for (char b : bytes) {
            if (engine.FeedChar(QChar(uchar(b)), Request::Download, meter, *this) ==
                FeedResult::Malformed)
                ++failures;
        }
    }
    void downloadUnitsReported() override { ++unitsReports; }
    void meterSetReported() override { ++setReports; }
    void meterReadingReported() override { ++readingReports; }
    void beeperReported(int) override { ++beeperReports; }
    void ShowLiveValue(double v, const QString&) override { live << v; }
    void StoreReading(int set, int position, const QString& text, const QString&) override {
        stored[set] << text;
        at[set] << position;
    }
    void skipUnreadable(int, int) override { ++unreadable; }
    void FinishDownload() override { ++ends; }

    ReceiveEngine engine;
    MeterReport meter;
    QMap<int, QStringList> stored;
    QMap<int, QList<int>> at;  ///< the position of each value stored
    int unreadable = 0;
    QList<double> live;
    int ends = 0, failures = 0, unitsReports = 0, setReports = 0, readingReports = 0,
        beeperReports = 0;
};

QByteArray send(MeterState& m, const QByteArray& commands) {
    QByteArray out;
    for (char c : commands) out += m.receive(c);
    return out;
}

QStringList setList(const MeterState& m, int s) {
    return QStringList(m.set(s).begin(), m.set(s).end());
}

struct SimProcess {
    SimProcess(const TestEnv& env, const QStringList& args) {
        p.setEnvironment(env.environment());
        p.start(QStringLiteral(ORVANTA_BUILD_DIR "/orvanta-meter-sim"), args);
    }
    ~SimProcess() {
        p.terminate();
        if (!p.waitForFinished(5000)) p.kill();
    }
    QProcess p;
};
}  // namespace

class TestSim : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void setsAreDeterministicAndVaried();
    void downloadsFollowTheGrammar_data();
    void downloadsFollowTheGrammar();
    void liveReadingCarriesStatus();
    void keypadChangesAreReported();
    void unknownBytesAreIgnored();
    void faultsAreInjected();
    void valueFaultsKeepEveryReadingInPlace();
    void repliesOnThePseudoTerminal();
    void programDownloadsEverySetOfTheSimulator();
    void captureAndUnitsKeyThroughTheSimulator();
};

void TestSim::valueFaultsKeepEveryReadingInPlace() {
    // A line that loses line feeds, or decimal points: the values it spoils are unreadable, and
    // every other reading lands at the position the meter gave it.
    for (const bool lineFeeds : {true, false}) {
        MeterState m(11, 0.0, true);
        m.setValueFaults(lineFeeds ? 0.05 : 0.0, lineFeeds ? 0.0 : 0.05);
        const Parsed p(send(m, "D"));
        QVERIFY(m.faults() > 0);
        QVERIFY(p.unreadable >= m.faults());
        int kept = 0;
        for (int s = 1; s <= Meter::kSets; ++s) {
            const QStringList values = setList(m, s);
            for (int k = 0; k < p.stored[s].size(); ++k) {
                QCOMPARE(p.stored[s][k], values.value(p.at[s][k] - 1));
                ++kept;
            }
        }
        // A lost point spoils its own position only. (A set's last value that loses its line
        // feed runs into the next set's header and is not counted at all.)
        if (!lineFeeds) QCOMPARE(kept + p.unreadable, Meter::kSets * Meter::kPositions);
    }
}

void TestSim::setsAreDeterministicAndVaried() {
    MeterState a(7), b(7), c(8);
    QCOMPARE(a.dump(), b.dump());
    QVERIFY(a.dump() != c.dump());
    int empty = 0, full = 0;
    for (int s = 1; s <= 30; ++s) {
        empty += a.set(s).isEmpty();
        full += a.set(s).size() == 128;
        for (const QString& v : a.set(s))
            QVERIFY2(QRegularExpression("^\\d+\\.\\d{6}$").match(v).hasMatch(), qPrintable(v));
    }
    QVERIFY(empty >= 2);
    QVERIFY(full >= 2);
}

void TestSim::downloadsFollowTheGrammar_data() {
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QList<int>>("sets");
    QTest::newRow("current set") << QByteArray("C") << QList<int>{1};
    QTest::newRow("set 07") << QByteArray("S07") << QList<int>{7};
    QTest::newRow("set 30") << QByteArray("S30") << QList<int>{30};
    QList<int> all;
    for (int s = 1; s <= 30; ++s) all << s;
    QTest::newRow("all sets") << QByteArray("D") << all;
}

void TestSim::downloadsFollowTheGrammar() {
    QFETCH(QByteArray, command);
    QFETCH(QList<int>, sets);
    MeterState m(3);
    const QByteArray reply = send(m, command);
    QVERIFY(reply.endsWith("\r\r"));
    Parsed p(reply);
    QCOMPARE(p.failures, 0);
    QCOMPARE(p.ends, 1);
    QVERIFY(!p.engine.state.inDownload);
    for (int s : sets) QCOMPARE(p.stored.value(s), setList(m, s));
    QCOMPARE(p.unitsReports, sets.size());
}

void TestSim::liveReadingCarriesStatus() {
    MeterState m(3);
    Parsed p(send(m, "R"));
    QCOMPARE(p.live.size(), 1);
    QCOMPARE(p.setReports, 1);
    QCOMPARE(p.readingReports, 1);
    QCOMPARE(p.meter.set, 1);
    QCOMPARE(p.meter.units(), Meter::Units::SI);
    QVERIFY(p.stored.isEmpty());
    QVERIFY(!m.continuous());
    send(m, "A");
    QVERIFY(m.continuous());
    send(m, "P");
    QVERIFY(!m.continuous());
    QVERIFY(m.takeStopRequest());
}

void TestSim::keypadChangesAreReported() {
    MeterState m(3);
    Parsed units(send(m, "MU"));
    QCOMPARE(units.meter.units(), Meter::Units::CGS);
    QCOMPARE(m.menu(), MeterState::Menu::Reading);
    Parsed mode(send(m, "MO"));
    QCOMPARE(mode.meter.mode, Meter::Mode::Step);
    Parsed beeper(send(m, "MB"));
    QCOMPARE(beeper.meter.beeper, 0);
    // Memory, Recall, Select Set, Up twice, Enter: set 3 becomes current.
    Parsed select(send(m, "MYXJwwe"));
    QCOMPARE(select.meter.set, 3);
    QCOMPARE(m.currentSet(), 3);
    QCOMPARE(m.menu(), MeterState::Menu::Recall);
    send(m, "Gq");
    QCOMPARE(m.menu(), MeterState::Menu::Memory);
    const int before = static_cast<int>(m.set(3).size());
    send(m, "RT");
    QCOMPARE(static_cast<int>(m.set(3).size()), qMin(before + 1, 128));
}

void TestSim::unknownBytesAreIgnored() {
    // Keys in any order keep the meter on one of its 30 sets (Read Memory's Up once became the
    // set number, and the next Up read past the last set).
    MeterState keys(3, 0.0, true);  // every set full: Up can go to reading 128
    const QByteArray ups(60, 'u');
    for (const QByteArray& k : {QByteArray("C"), QByteArray("Sbun"), QByteArray("D"),
                                QByteArray("Ju"), "K" + ups + "e", "K" + ups + "n", ups}) {
        send(keys, k);
        QVERIFY2(keys.currentSet() >= 1 && keys.currentSet() <= 30, k.constData());
    }
    MeterState m(3);
    QCOMPARE(send(m, "#?LIZQ\n\r\x01"), QByteArray());
    MeterState fresh(3);
    QCOMPARE(send(m, "S9C"), send(fresh, "C"));  // "S9" is no command; "C" still is
}

void TestSim::faultsAreInjected() {
    MeterState m(5, 0.2);
    const QByteArray reply = send(m, "D");
    QVERIFY(m.faults() > 0);
    Parsed p(reply);
    // Well-formed values land in their set; nothing is stored outside the table's fields.
    for (auto it = p.stored.begin(); it != p.stored.end(); ++it)
        for (const QString& v : it.value())
            QVERIFY(v == "1.2.3" || QRegularExpression("^\\d+\\.\\d{6}$").match(v).hasMatch());
}

void TestSim::repliesOnThePseudoTerminal() {
    TestEnv env;
    SimProcess sim(env, {"--full-speed", "--port", "9"});
    QVERIFY(sim.p.waitForReadyRead(5000));
    const QString line = QString::fromLocal8Bit(sim.p.readAllStandardOutput());
    QVERIFY2(line.contains("as port 9"), qPrintable(line));
    const QString link = env.portsFolder() + "/com9";
    QVERIFY(QFileInfo(link).isSymLink());
    const int fd = ::open(QFile::encodeName(QFileInfo(link).canonicalFilePath()).constData(),
                          O_RDWR | O_NOCTTY);
    QVERIFY(fd >= 0);
    termios t{};
    ::tcgetattr(fd, &t);
    ::cfmakeraw(&t);
    ::tcsetattr(fd, TCSANOW, &t);
    QVERIFY(::write(fd, "S05", 3) == 3);
    QByteArray reply;
    QElapsedTimer timer;
    timer.start();
    while (!reply.endsWith("\r\r") && timer.elapsed() < 5000) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 100) > 0) {
            char buf[4096];
            const ssize_t n = ::read(fd, buf, sizeof buf);
            if (n > 0) reply.append(buf, n);
        }
    }
    ::close(fd);
    Parsed parsed(reply);
    QCOMPARE(parsed.ends, 1);
    QCOMPARE(parsed.stored.value(5), setList(MeterState(1), 5));
    sim.p.terminate();
    QVERIFY(sim.p.waitForFinished(5000));
    QVERIFY2(!QFileInfo(link).isSymLink(), "the link goes with the simulator");
}

void TestSim::programDownloadsEverySetOfTheSimulator() {
    AppRig rig;
    const QString dump = rig.env.root() + "/sets.txt";
    SimProcess sim(rig.env, {"--us-per-byte", "40", "--seed", "11", "--dump", dump});
    QVERIFY(sim.p.waitForReadyRead(5000));
    MainWindow& w = rig.start();
    DownloadWatch watch(*rig.session);
    QCOMPARE(rig.messages.texts, QStringList());  // found like a real meter
    QVERIFY((*rig.session).isConnected());
    (*rig.session).DownloadAllSets();
    QTRY_VERIFY_WITH_TIMEOUT((*rig.session).state().lastRequest == Request::Download &&
                                 !progressOf(w) && watch.last.received > 0,
                             30000);
    QFile f(dump);
    QVERIFY(f.open(QIODevice::ReadOnly));
    int count = 0;
    QSet<QPair<int, int>> held;
    for (const QByteArray& line : f.readAll().split('\n')) {
        const auto parts = line.split('\t');
        if (parts.size() != 3) continue;
        const int s = parts[0].toInt(), r = parts[1].toInt();
        held.insert({s, r});
        QCOMPARE((*rig.session).store().cell(r - 1, s), QString::fromLatin1(parts[2]));
        ++count;
    }
    QCOMPARE(watch.last.received, count);
    for (int r = 1; r <= 128; ++r)
        for (int s = 1; s <= 30; ++s)
            if (!held.contains({s, r}))
                QCOMPARE((*rig.session).store().cell(r - 1, s), QString("0.000000"));
}

void TestSim::captureAndUnitsKeyThroughTheSimulator() {
    AppRig rig;
    SimProcess sim(rig.env, {"--us-per-byte", "100"});
    QVERIFY(sim.p.waitForReadyRead(5000));
    MainWindow& w = rig.start();
    (*rig.session).CaptureCurrentReading();
    QTRY_VERIFY(workOf(w).panel().digitsLabel->text() != "0000");
    QVERIFY((*rig.session).state().lastRequest == Request::Live);
    QCOMPARE(workOf(w).panel().setLabel->text(), QString("S1"));
    workOf(w).panel().press(Key::Menu);
    QTRY_COMPARE(workOf(w).panel().keypad().visiblePage(), 2);
    workOf(w).panel().press(Key::Units);
    QTRY_COMPARE((*rig.session).state().meter.units(), Meter::Units::CGS);
    QCOMPARE(workOf(w).panel().unitsLabel->text(), QString("Units CGS"));
    QVERIFY(rig.messages.texts.isEmpty());
}

QTEST_MAIN(TestSim)
#include "test_sim.moc"
