// SPDX-License-Identifier: GPL-3.0-or-later
// orvanta-cli as a user runs it: a real process, a pseudo-terminal playing the meter, real files.
#include <pwd.h>
#include <unistd.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSerialPort>
#include <QtTest>
#include <csignal>

#include "MeterLine.h"
#include "Nmea.h"
#include "Pty.h"
#include "TestEnv.h"
#include "cli/CliOutput.h"
#include "core/files/DataFileCodec.h"
#include "core/files/ExportFormats.h"
#include "core/files/SurveyFile.h"
#include "core/store/ReadingsStore.h"

namespace {
const QString kCli = QStringLiteral(ORVANTA_BUILD_DIR "/orvanta-cli");

/** Sets 1..3 with 5, 128 and 2 values: "S.00000R" at position R. */
QByteArray threeSets() {
    QByteArray out;
    const int counts[] = {5, 128, 2};
    for (int s = 1; s <= 3; ++s) {
        out += "S0" + QByteArray::number(s) + "\nU1M1";
        for (int r = 1; r <= counts[s - 1]; ++r)
            out +=
                QByteArray::number(s) + "." + QByteArray::number(r).rightJustified(6, '0') + "\n";
    }
    return out + "\r\r";
}
QString expectedCell(int set, int row) {
    const int counts[] = {5, 128, 2};
    if (set > 3 || row > counts[set - 1]) return QStringLiteral("0.000000");
    return QString::number(set) + "." + QString::number(row).rightJustified(6, '0');
}

/** The cells of an output file, rows of "Number", "Set 1" .. "Set 30", whatever its format. */
QVector<QStringList> cellsOf(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = f.readAll();
    QVector<QStringList> rows;
    if (path.endsWith(".dat")) {
        qsizetype at = 0;
        DataFileRecord rec;
        while (DataFileCodec::read(bytes, at, rec) == DataFileCodec::ReadResult::Ok)
            rows << (QStringList{QString::number(rec.RowNumber)} +
                     QStringList(rec.SetValue.begin(), rec.SetValue.end()));
        return rows;
    }
    // Text and CSV: a header line naming the columns ("Number", "Set N"), then the rows. The
    // CSV holds only the sets with readings; an absent set reads as empty.
    const char sep = path.endsWith(".csv") ? ',' : '\t';
    const QList<QByteArray> lines = bytes.split('\n');
    QList<int> columnOf;
    for (const QByteArray& name : lines.value(0).trimmed().split(sep))
        if (!name.isEmpty()) columnOf << (name == "Number" ? 0 : name.mid(4).toInt());
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        if (line.isEmpty()) continue;
        QStringList row(31, QStringLiteral("0.000000"));
        const QList<QByteArray> fields = line.split(sep);
        for (qsizetype c = 0; c < columnOf.size(); ++c)
            if (!fields.value(c).isEmpty()) row[columnOf[c]] = QString::fromLatin1(fields.value(c));
        rows << row;
    }
    return rows;
}

/** The process has ended, whether or not events already noticed it. */
bool ended(QProcess& p) { return p.state() == QProcess::NotRunning || p.waitForFinished(20000); }

/** Plays the meter: waits for the request, then answers. */
bool answer(Pty& meter, const QByteArray& request, const QByteArray& reply) {
    QByteArray got;
    QElapsedTimer t;
    t.start();
    while (!got.contains(request) && t.elapsed() < 10000) got += meter.receive(50);
    if (!got.contains(request)) return false;
    meter.send(reply);
    return true;
}
}  // namespace

class TestCli : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void utcStampsAreQtsIso();
    void downloadsKeepTheBytesAsReceived();
    void downloadWritesEachFormat_data();
    void downloadWritesEachFormat();
    void ctrlCSendsStopAndKeepsWhatWasStored();
    void downloadOutcomes_data();
    void downloadOutcomes();
    void portProblems_data();
    void portProblems();
    void specialFilesAtStartup_data();
    void specialFilesAtStartup();
    void readPrintsOneLine();
    void readCarriesTheGpsPosition_data();
    void readCarriesTheGpsPosition();
    void detailsTakeTheGpsFix_data();
    void detailsTakeTheGpsFix();
    void openPutsARecordingIntoOneSet();
    void positionsPlaceARecordingByItsTrack();
    void continuousReadsStopTheMeter_data();
    void continuousReadsStopTheMeter();
    void oneSetToStandardOutputByDevice();
    void helpWithoutDisplay();
    void surveyCommandsOnOneDatabase();
    void outputThatCannotBeWrittenFails_data();
    void outputThatCannotBeWrittenFails();
    void everyFormatOfTheList_data();
    void everyFormatOfTheList();
    void anotherUsersPlantIsRefused_data();
    void anotherUsersPlantIsRefused();
};

void TestCli::downloadWritesEachFormat_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("data file") << "all.dat";
    QTest::newRow("text export") << "all.txt";
    QTest::newRow("csv") << "all.csv";
}

void TestCli::downloadWritesEachFormat() {
    QFETCH(QString, file);
    TestEnv env;
    Pty meter;
    env.link(3, meter.slavePath());
    QProcess cli;
    cli.setEnvironment(env.environment());
    const QString out = env.root() + "/" + file;
    cli.start(kCli, {"download", "--all", "-o", out});
    QVERIFY(answer(meter, "D", threeSets()));
    QVERIFY(ended(cli));
    QCOMPARE(cli.readAllStandardError(),
             QByteArray("orvanta-cli: Download complete: sets 1 to 3, 135 readings stored.\n"));
    QCOMPARE(cli.exitCode(), 0);
    const auto rows = cellsOf(out);
    QCOMPARE(rows.size(), 128);
    for (int r = 1; r <= 128; ++r) {
        QCOMPARE(rows[r - 1].size(), 31);
        QCOMPARE(rows[r - 1][0], QString::number(r));
        for (int s = 1; s <= 30; ++s) QCOMPARE(rows[r - 1][s], expectedCell(s, r));
    }
    // The desktop program's database holds the same readings.
    const auto table = fileTable(env.database());
    QCOMPARE(table.size(), 128);
    QCOMPARE(table[127][2], expectedCell(2, 128));
    QCOMPARE(table[4][1], expectedCell(1, 5));
}

void TestCli::downloadOutcomes_data() {
    QTest::addColumn<QByteArray>("reply");  // what the meter sends after "D"
    QTest::addColumn<bool>("unplug");       // the meter goes away after it
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("told");     // a line of standard error
    QTest::addColumn<bool>("written");     // the output file exists
    QTest::addColumn<QString>("details");  // set 1's record afterwards holds this
    const QByteArray set1 = "S01\nU1M1";
    QTest::newRow("whole") << set1 + "0.1\n0.2\n\r\r" << false << 0
                           << "Download complete: set 1, 2 readings stored." << true
                           << R"("complete":true,"depth_m":null,"device":"/)";
    QTest::newRow("a value unreadable")
        << set1 + "0.1\n1.2.3\n0.3\n\r\r" << false << 4
        << "1 value was not readable and left cleared at their positions: set 1 position 2." << true
        << R"("readings":2,"set":1,"site":null,"spacing_m":null,"units":"SI","unreadable":1})";
    QTest::newRow("connection lost")
        << set1 + "0.1\n0.2\n"
        << true << 2
        << "Download cut short: the connection to the meter was lost: set 1, 2 readings stored."
        << false << R"("complete":false)";
    QTest::newRow("silent inside a set")
        << set1 + "0.1\n0.2\n"
        << false << 4 << "Download ended: the meter did not answer: set 1, 2 readings stored."
        << true << R"("complete":false)";
    QTest::newRow("no set the download can take")
        << QByteArray("\r\rS00\nU1M10.1\n\r\r") << false << 2
        << "Download ended: the meter sent no set: 0 readings stored." << false
        << R"("downloaded_utc":null)";
    QTest::newRow("no answer") << QByteArray() << false << 2
                               << "Download ended: the meter did not answer: 0 readings stored."
                               << false << R"("downloaded_utc":null)";
}

void TestCli::downloadOutcomes() {
    QFETCH(QByteArray, reply);
    QFETCH(bool, unplug);
    QFETCH(int, exitCode);
    QFETCH(QString, told);
    QFETCH(bool, written);
    TestEnv env;
    auto meter = std::make_unique<Pty>();
    env.link(3, meter->slavePath());
    QProcess cli;
    cli.setEnvironment(env.environment());
    const QString out = env.root() + "/out.csv";
    cli.start(kCli, {"download", "--all", "--timeout", "2", "-o", out});
    QVERIFY(answer(*meter, "D", reply));
    if (unplug) {
        // The meter goes once the program has stored what it sent (set 1's second value).
        QTRY_VERIFY_WITH_TIMEOUT(fileTable(env.database()).value(1).value(1) == "0.2", 10000);
        meter.reset();  // unplugged: the device and its link go
        QFile::remove(env.portsFolder() + "/com3");
    }
    QVERIFY(ended(cli));
    const QString err = QString::fromUtf8(cli.readAllStandardError());
    QVERIFY2(err.contains("orvanta-cli: " + told + "\n"), qPrintable(err));
    QCOMPARE(cli.exitCode(), exitCode);
    QCOMPARE(QFile::exists(out), written);
    // The set's record says when, from where and how whole it came.
    QFETCH(QString, details);
    QProcess shown;
    shown.setEnvironment(env.environment());
    shown.start(kCli, {"details", "--set", "1", "--json"});
    QVERIFY(ended(shown));
    const QString record = QString::fromUtf8(shown.readAllStandardOutput());
    QVERIFY2(record.contains(details), qPrintable(record));
}

void TestCli::utcStampsAreQtsIso() {
    // The epoch, a leap day, the last millisecond of a century's year, a day in the far future.
    for (const qint64 ms : {Q_INT64_C(0), Q_INT64_C(951782400123), Q_INT64_C(1709210096789),
                            Q_INT64_C(4102444799999), Q_INT64_C(253402300799999)})
        QCOMPARE(utcStamp(ms),
                 QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC).toString(Qt::ISODateWithMs));
}

void TestCli::downloadsKeepTheBytesAsReceived() {
    // Every download's bytes are kept as the meter sent them, so its sets can be read again.
    TestEnv env;
    Pty meter;
    env.link(3, meter.slavePath());
    const QByteArray reply = "S02\nU1M10.1\n0.0012300.004560\n\r\r";
    QProcess cli;
    cli.setEnvironment(env.environment());
    cli.start(kCli, {"download", "--all"});
    QVERIFY(answer(meter, "D", reply));
    QVERIFY(ended(cli));
    QCOMPARE(cli.exitCode(), 4);  // the values run together are unreadable
    QProcess list;
    list.setEnvironment(env.environment());
    list.start(kCli, {"downloads", "--json"});
    QVERIFY(ended(list));
    const QByteArray line = list.readAllStandardOutput().trimmed();
    QVERIFY2(line.contains(R"("bytes":)" + QByteArray::number(reply.size())), line.constData());
    QVERIFY2(line.contains(R"("id":1)") && line.contains(R"("request":"D")"), line.constData());
    QProcess raw;
    raw.setEnvironment(env.environment());
    raw.start(kCli, {"downloads", "--raw", "1"});
    QVERIFY(ended(raw));
    QCOMPARE(raw.exitCode(), 0);
    QCOMPARE(raw.readAllStandardOutput(), reply);
    QProcess none;
    none.setEnvironment(env.environment());
    none.start(kCli, {"downloads", "--raw", "2"});
    QVERIFY(ended(none));
    QCOMPARE(none.exitCode(), 1);
}

void TestCli::ctrlCSendsStopAndKeepsWhatWasStored() {
    TestEnv env;
    Pty meter;
    env.link(3, meter.slavePath());
    QProcess cli;
    cli.setEnvironment(env.environment());
    cli.start(kCli, {"download", "--all"});
    const QByteArray all = threeSets();
    const QByteArray firstPart = all.left(all.indexOf("2.000040\n") + 9);  // set 1, and set 2 to 40
    QVERIFY(answer(meter, "D", firstPart));
    // The program has taken what was sent once its last reading is in the file.
    QTRY_VERIFY_WITH_TIMEOUT(fileTable(env.database()).value(39).value(2) == "2.000040", 10000);
    QVERIFY(signalProcess(cli, SIGINT));
    QVERIFY(answer(meter, "P", QByteArray()));
    QVERIFY(ended(cli));
    QCOMPARE(cli.exitCode(), 130);
    QVERIFY(cli.readAllStandardError().contains("interrupted"));
    QString integrity;
    const auto table = fileTable(env.database(), &integrity);
    QCOMPARE(integrity, QString("ok"));
    QCOMPARE(table.size(), 128);
    for (int r = 1; r <= 5; ++r) QCOMPARE(table[r - 1][1], expectedCell(1, r));
    int kept = 0;
    while (kept < 40 && table[kept][2] != "0.000000") {
        QCOMPARE(table[kept][2], expectedCell(2, kept + 1));
        ++kept;
    }
    QVERIFY2(kept > 0, "readings received before Ctrl+C are stored");
    for (int r = kept; r < 128; ++r) QCOMPARE(table[r][2], QString("0.000000"));
}

void TestCli::specialFilesAtStartup_data() {
    QTest::addColumn<bool>("settings");  // the settings file is a FIFO, else the database is
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("said");
    QTest::newRow("settings") << true << QStringList{"ports"}
                              << "warning: The settings file %1 is not a regular file";
    QTest::newRow("database") << false << QStringList{"export", "--csv", "out.csv"}
                              << "could not be opened: it is not a regular file.";
}

void TestCli::specialFilesAtStartup() {
    QFETCH(bool, settings);
    QFETCH(QStringList, args);
    QFETCH(QString, said);
    TestEnv env;
    const QString fifo = settings ? env.configFile() : env.database();
    QVERIFY(QDir().mkpath(QFileInfo(fifo).path()));
    QVERIFY(QProcess::execute("mkfifo", {fifo}) == 0);
    QProcess cli;
    cli.setEnvironment(env.environment());
    cli.setWorkingDirectory(env.root());
    cli.start(kCli, args);
    // Never a hang: the program ends with the reason, and asks nothing it cannot ask.
    QVERIFY(ended(cli));
    const QString err = QString::fromUtf8(cli.readAllStandardError());
    QVERIFY2(err.contains(said.contains("%1") ? said.arg(fifo) : said), qPrintable(err));
    QVERIFY2(!err.contains('?'), qPrintable(err));
    QCOMPARE(cli.exitCode(), settings ? 0 : 3);
}

void TestCli::portProblems_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("said");
    QTest::newRow("held by another program")
        << "held" << QStringList{"download", "--all", "--port", "4"}
        << "port 4 (%1) is held by another program";
    QTest::newRow("no meter found")
        << "none" << QStringList{"download", "--current"} << "no meter found";
    QTest::newRow("a device that is not a serial port")
        << "null" << QStringList{"read", "--port", "5"} << "port 5 (/dev/null) cannot be opened: ";
    QTest::newRow("numbered port without a device")
        << "none" << QStringList{"read", "--port", "200"} << "no meter on port 200";
}

void TestCli::portProblems() {
    QFETCH(QString, how);
    QFETCH(QStringList, args);
    QFETCH(QString, said);
    TestEnv env;
    Pty meter;
    QSerialPort other;
    if (how == "held") {
        env.link(4, meter.slavePath());
        other.setPortName(meter.slavePath());
        QVERIFY(other.open(QIODevice::ReadWrite));
        said = said.arg(meter.slavePath());
    }
    if (how == "null") env.link(5, "/dev/null");
    QProcess cli;
    cli.setEnvironment(env.environment());
    cli.start(kCli, args);
    QVERIFY(ended(cli));
    QCOMPARE(cli.exitCode(), 2);
    const QString err = QString::fromLocal8Bit(cli.readAllStandardError());
    QVERIFY2(err.startsWith("orvanta-cli: " + said) && err.count('\n') == 1, qPrintable(err));
    QCOMPARE(meter.receive(50), QByteArray());  // nothing reached the meter
}

void TestCli::readPrintsOneLine() {
    TestEnv env;
    Pty meter;
    env.link(2, meter.slavePath());
    QProcess cli;
    cli.setEnvironment(env.environment());
    cli.start(kCli, {"read", "--csv"});
    QVERIFY(answer(
        meter, "R",
        "U2M1N" + QByteArray(1, char(127 + 7)) + "R" + QByteArray(1, char(128 + 12)) + "0.125\n"));
    QVERIFY(ended(cli));
    QCOMPARE(cli.exitCode(), 0);
    const QList<QByteArray> lines = cli.readAllStandardOutput().trimmed().split('\n');
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0], QByteArray("time,value,units,set,reading"));
    const QList<QByteArray> f = lines[1].split(',');
    QCOMPARE(f.size(), 5);
    QVERIFY(QDateTime::fromString(QString::fromLatin1(f[0]), Qt::ISODate).isValid());
    QCOMPARE(f.mid(1), (QList<QByteArray>{"0.125", "CGS", "7", "12"}));
    // A value with a comma is one quoted field.
    QProcess again;
    again.setEnvironment(env.environment());
    again.start(kCli, {"read", "--csv"});
    QVERIFY(answer(meter, "R", "U1M1" + QByteArray("1,000\n")));
    QVERIFY(ended(again));
    const QByteArray row = again.readAllStandardOutput().trimmed().split('\n').value(1);
    QVERIFY2(row.contains(",\"1,000\",SI,"), row.constData());
    // Set data left on the line by an earlier answer is never the reading; units the meter has
    // not reported are not known.
    QProcess third;
    third.setEnvironment(env.environment());
    third.start(kCli, {"read", "--json"});
    QVERIFY(answer(meter, "R",
                   "2.000041\n2.000042\nN" + QByteArray(1, char(127 + 2)) + "R" +
                       QByteArray(1, char(128 + 3)) + "0.25\n"));
    QVERIFY(ended(third));
    const QByteArray json = third.readAllStandardOutput().trimmed();
    QVERIFY2(json.contains("\"value\":0.25,\"units\":null,\"set\":2,\"reading\":3"),
             json.constData());
}

void TestCli::readCarriesTheGpsPosition_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<QByteArray>("nmea");   // sent by the receiver before each reading
    QTest::addColumn<QString>("position");  // the last sample's, as printed
    const QByteArray fix =
        Nmea::gga("GN", -33.8568, 151.2153, 58.4, 8) + Nmea::rmc("GN", -33.8568, 151.2153);
    QTest::newRow("csv, 3D fix") << "--csv" << fix << "-33.8568000,151.2153000,58.4";
    QTest::newRow("json, 3D fix") << "--json" << fix
                                  << "\"latitude\":-33.8568000,\"longitude\":151.2153000,"
                                     "\"elevation_m\":58.4}";
    QTest::newRow("csv, no fix") << "--csv" << Nmea::gga("GP", 0, 0, 0, 2, 0) << ",,";
    QTest::newRow("json, no fix") << "--json" << Nmea::gga("GP", 0, 0, 0, 2, 0)
                                  << "\"latitude\":null,\"longitude\":null,\"elevation_m\":null}";
    QTest::newRow("plain, RMC only")
        << "--samples" << Nmea::rmc("GP", 47.385, 8.5275) << "at 47.3850000 8.5275000";
}

void TestCli::readCarriesTheGpsPosition() {
    QFETCH(QString, format);
    QFETCH(QByteArray, nmea);
    QFETCH(QString, position);
    TestEnv env;
    Pty meter;
    Pty receiver;
    env.link(2, meter.slavePath());
    QProcess cli;
    cli.setEnvironment(env.environment());
    QStringList args{"read", "--samples", "4", "--gps", receiver.slavePath()};
    if (format != "--samples") args << format;
    cli.start(kCli, args);
    QVERIFY(answer(meter, "A", QByteArray()));
    // A receiver sends its sentences each second; here before each of the meter's readings.
    QByteArray got;
    QElapsedTimer t;
    t.start();
    for (int n = 1; !got.contains('P') && t.elapsed() < 15000; ++n) {
        receiver.send(nmea);
        got += meter.receive(100);
        meter.send("U1M1N\x80R\x81" + QByteArray::number(n) + ".5\n");
    }
    QVERIFY(ended(cli));
    QCOMPARE(cli.exitCode(), 0);
    const QList<QByteArray> out = cli.readAllStandardOutput().trimmed().split('\n');
    QVERIFY2(out.last().endsWith(position.toLatin1()), out.last().constData());
    if (format == "--csv")
        QCOMPARE(out.first(), "time,value,units,set,reading,latitude,longitude,elevation_m");
    // The meter's own port is never taken for the receiver.
    QProcess same;
    same.setEnvironment(env.environment());
    same.start(kCli, {"read", "--gps", meter.slavePath()});
    QVERIFY(ended(same));
    QCOMPARE(same.exitCode(), 1);
    QVERIFY(same.readAllStandardError().contains("is the meter's port, not a GPS receiver"));
}

void TestCli::detailsTakeTheGpsFix_data() {
    QTest::addColumn<QByteArray>("nmea");   // sent each 100 ms while the command runs
    QTest::addColumn<QStringList>("more");  // further options
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("said");  // in the JSON, or on standard error
    const QByteArray fix = Nmea::gga("GP", 47.385, 8.5275, 412.3, 9);
    QTest::newRow("3D fix") << fix << QStringList() << 0
                            << "\"latitude\":47.385,\"longitude\":8.5275";
    QTest::newRow("2D fix: no elevation")
        << Nmea::rmc("GP", -12.5, -77.25) << QStringList() << 0 << "\"elevation_m\":null";
    QTest::newRow("no fix in time")
        << Nmea::gga("GP", 0, 0, 0, 2, 0) << QStringList{"--gps-wait", "1"} << 2
        << "gave no fix within 1 s";
    QTest::newRow("silent receiver")
        << QByteArray() << QStringList{"--gps-wait", "1"} << 2 << "(it sent no NMEA sentence)";
    QTest::newRow("typed position too")
        << fix << QStringList{"--lat", "1"} << 1 << "--from-gps and --lat, --lon or --elevation";
}

void TestCli::detailsTakeTheGpsFix() {
    QFETCH(QByteArray, nmea);
    QFETCH(QStringList, more);
    QFETCH(int, exitCode);
    QFETCH(QString, said);
    TestEnv env;
    Pty receiver;
    QProcess cli;
    cli.setEnvironment(env.environment());
    cli.start(kCli, QStringList{"details", "--set", "3", "--json", "--elevation", "99"});
    QVERIFY(ended(cli) && cli.exitCode() == 0);
    QProcess gps;
    gps.setEnvironment(env.environment());
    gps.start(
        kCli,
        QStringList{"details", "--set", "3", "--json", "--from-gps", receiver.slavePath()} + more);
    QElapsedTimer t;
    t.start();
    while (gps.state() != QProcess::NotRunning && t.elapsed() < 15000) {
        if (!nmea.isEmpty()) receiver.send(nmea);
        gps.waitForFinished(100);
    }
    QVERIFY(ended(gps));
    QCOMPARE(gps.exitCode(), exitCode);
    const QString out =
        QString::fromUtf8(exitCode == 0 ? gps.readAllStandardOutput() : gps.readAllStandardError());
    QVERIFY2(out.contains(said), qPrintable(out));
    if (exitCode != 0) {  // nothing changed
        QProcess shown;
        shown.setEnvironment(env.environment());
        shown.start(kCli, {"details", "--set", "3", "--json"});
        QVERIFY(ended(shown));
        QVERIFY(shown.readAllStandardOutput().contains("\"elevation_m\":99"));
    }
}

void TestCli::openPutsARecordingIntoOneSet() {
    TestEnv env;
    const QString recording = env.root() + "/run.csv";
    QFile f(recording);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("time,value,units,set,reading,mark\r\n2026-12-08T10:00:00.000Z,0.5,SI,1,1,\r\n");
    f.close();
    const auto run = [&](const QStringList& args, QByteArray* err) {
        QProcess cli;
        cli.setEnvironment(env.environment());
        cli.start(kCli, args);
        if (!ended(cli)) return -1;
        *err = cli.readAllStandardError();
        return cli.exitCode();
    };
    QByteArray err;
    QCOMPARE(run({"open", recording}, &err), 1);  // which set is not guessed
    QVERIFY2(err.contains("say which set it goes into with --set N"), err.constData());
    QCOMPARE(run({"open", recording, "--set", "31"}, &err), 1);
    QCOMPARE(run({"open", recording, "--set", "6"}, &err), 0);
    QCOMPARE(run({"export", "--dat", env.root() + "/all.dat"}, &err), 0);
    QCOMPARE(run({"open", env.root() + "/all.dat", "--set", "6"}, &err), 1);
    QVERIFY2(err.contains("--set goes with a recording"), err.constData());
    QProcess shown;
    shown.setEnvironment(env.environment());
    shown.start(kCli, {"details", "--set", "6", "--json"});
    QVERIFY(ended(shown));
    QVERIFY(shown.readAllStandardOutput().contains("\"readings\":1"));
}

void TestCli::positionsPlaceARecordingByItsTrack() {
    TestEnv env;
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile f(env.root() + '/' + name);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() ? f.fileName()
                                                                              : QString();
    };
    const QString recording = write("run.csv",
                                    "time,value,units,set,reading,mark\r\n"
                                    "2026-12-08T10:00:05.000Z,0.5,SI,1,1,\r\n"
                                    "2026-12-08T11:00:00.000Z,0.25,SI,1,1,\r\n");
    const QString track = write(
        "track.gpx",
        "<gpx version=\"1.1\" creator=\"t\" "
        "xmlns=\"http://www.topografix.com/GPX/1/1\"><trk><trkseg>"
        "<trkpt lat=\"46\" lon=\"7\"><ele>100</ele><time>2026-12-08T10:00:00Z</time></trkpt>"
        "<trkpt lat=\"46.1\" lon=\"7.1\"><ele>110</ele><time>2026-12-08T10:00:10Z</time></trkpt>"
        "</trkseg></trk></gpx>");
    const QString notGpx = write("notes.gpx", "a note, not a track\n");
    QProcess cli;
    cli.setEnvironment(env.environment());
    cli.start(kCli, {"positions", "--gpx", track, recording});
    QVERIFY(ended(cli));
    QCOMPARE(cli.exitCode(), 0);
    const QList<QByteArray> out = cli.readAllStandardOutput().split('\n');
    QCOMPARE(out.value(1), "2026-12-08T10:00:05.000Z,0.5,SI,1,1,,46.0500000,7.0500000,105.0\r");
    QCOMPARE(out.value(2), "2026-12-08T11:00:00.000Z,0.25,SI,1,1,,,,\r");  // an hour away
    QCOMPARE(cli.readAllStandardError(),
             "orvanta-cli: 1 of 2 readings placed from 2 track points (gap 10 s)\n");
    QProcess bad;
    bad.setEnvironment(env.environment());
    bad.start(kCli, {"positions", "--gpx", notGpx, recording, "-o", env.root() + "/placed.csv"});
    QVERIFY(ended(bad));
    QCOMPARE(bad.exitCode(), 3);
    QVERIFY(bad.readAllStandardError().contains("notes.gpx"));
    QVERIFY(!QFile::exists(env.root() + "/placed.csv"));
}

void TestCli::continuousReadsStopTheMeter_data() {
    QTest::addColumn<QString>("command");  // run by sh, "CLI" standing for the program
    QTest::addColumn<int>("lines");
    QTest::newRow("three samples as JSON") << "CLI read --samples 3 --json" << 3;
    QTest::newRow("a reader that goes away") << "CLI read --continuous --csv | head -n 2" << 2;
}

void TestCli::continuousReadsStopTheMeter() {
    QFETCH(QString, command);
    QFETCH(int, lines);
    TestEnv env;
    Pty meter;
    env.link(2, meter.slavePath());
    QProcess cli;
    cli.setEnvironment(env.environment());
    cli.start("sh", {"-c", QString(command).replace("CLI", kCli)});
    QVERIFY(answer(meter, "A", QByteArray()));
    // The meter sends a reading every 50 ms until it is told to stop.
    QByteArray got;
    QElapsedTimer t;
    t.start();
    for (int n = 1; !got.contains('P') && t.elapsed() < 15000; ++n) {
        meter.send("U1M1N\x80R\x81" + QByteArray::number(n) + ".5\n");
        got += meter.receive(50);
    }
    QVERIFY2(got.contains('P'), "the meter was never told to stop");
    QVERIFY(ended(cli));
    QCOMPARE(cli.exitCode(), 0);
    QCOMPARE(cli.readAllStandardError(), QByteArray());
    const QList<QByteArray> out = cli.readAllStandardOutput().trimmed().split('\n');
    QCOMPARE(out.size(), lines);
    // Time stamps in UTC with milliseconds, keys in the CSV's order.
    if (command.contains("--json")) {
        for (int i = 0; i < lines; ++i) {
            const QJsonObject o = QJsonDocument::fromJson(out[i]).object();
            QCOMPARE(o.keys().size(), 5);
            QVERIFY(out[i].startsWith("{\"time\":"));
            QVERIFY(o.value("time").toString().endsWith('Z'));
            QCOMPARE(o.value("value").toDouble(), i + 1.5);
            QCOMPARE(o.value("set").toInt(), 1);
        }
    }
    QVERIFY(
        QDateTime::fromString(QString::fromLatin1(out.last().split(',').first()), Qt::ISODateWithMs)
            .isValid() ||
        command.contains("--json"));
}

void TestCli::oneSetToStandardOutputByDevice() {
    // A device path for --port; "-" for standard output; a one-set download writes its set only.
    TestEnv env;
    Pty meter;
    QProcess cli;
    cli.setEnvironment(env.environment());
    cli.start(kCli, {"download", "--set", "2", "--port", meter.slavePath(), "-o", "-"});
    QVERIFY(answer(meter, "S02", "S02\nU1M1" + QByteArray("2.000001\n2.000002\n\r\r")));
    QVERIFY(ended(cli));
    QCOMPARE(cli.exitCode(), 0);
    QCOMPARE(cli.readAllStandardOutput(),
             QByteArray("Number,Set 2\r\n1,2.000001\r\n2,2.000002\r\n"));
    QVERIFY(!QFile::exists(env.root() + "/-"));
}

void TestCli::helpWithoutDisplay() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    const QString dir = QStringLiteral(ORVANTA_BUILD_DIR "/");
    const QList<QPair<QString, QStringList>> runs = {
        {"orvanta-cli", {"--help"}},    {"orvanta-cli", {"download", "--help"}},
        {"orvanta-cli", {"--version"}}, {"orvanta", {"--help"}},
        {"orvanta", {"--version"}},     {"orvanta-meter-sim", {"--version"}}};
    for (const auto& [program, args] : runs) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(dir + program, args);
        QVERIFY(ended(p));
        QVERIFY2(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0,
                 qPrintable(program + " " + args.join(' ')));
        QVERIFY2(p.readAllStandardOutput().contains(program.toLatin1()),
                 qPrintable(program + " " + args.join(' ')));
    }
    QProcess cli;
    cli.setProcessEnvironment(env);
    cli.start(kCli, {"download", "--set", "31"});
    QVERIFY(ended(cli));
    QCOMPARE(cli.exitCode(), 1);
}

void TestCli::surveyCommandsOnOneDatabase() {
    TestEnv env;
    const QString dat = QStringLiteral(ORVANTA_TEST_DATA "/datfiles/two_records.dat");
    const QString survey = env.root() + "/day.orvanta";
    const QString longCsv = env.root() + "/long.csv";
    struct Step {
        QStringList args;
        int exitCode;
        QString out;  ///< standard output holds it (standard error when the exit code is not 0)
    };
    const QList<Step> steps = {
        {{"open", dat}, 0, ""},
        {{"details", "--set", "3", "--site", "Hole 7", "--depth", "2", "--spacing", "0,5", "--lat",
          "10", "--lon", "-20", "--json"},
         0,
         R"("depth_m":2,)"},
        {{"details", "--set", "3", "--operator", "Ann", "--json"}, 0, R"("site":"Hole 7")"},
        {{"details", "--set", "3", "--lat", "95"}, 1, "not between -90 and 90"},
        {{"details", "--set", "3", "--depth", "deep"}, 1, "is not a number"},
        {{"details", "--set", "31"}, 1, "--set takes a number from 1 to 30"},
        {{"details", "--set", "3", "--json"}, 0, R"("latitude":10,)"},
        {{"stats", "--set", "3", "--json"}, 0, R"({"count":2,)"},
        {{"flag", "--set", "3", "--position", "1", "--reason", "box end"}, 0, ""},
        {{"stats", "--set", "3", "--json"}, 0, R"({"count":1,)"},
        {{"flag", "--set", "3", "--position", "9", "--reason", "x"}, 1, "holds no reading to flag"},
        {{"flag", "--set", "3", "--position", "1"}, 1, "--reason TEXT, or --clear"},
        {{"flag", "--set", "3", "--position", "0", "--clear"}, 1, "from 1 to 128"},
        {{"flag", "--set", "3", "--position", "129", "--clear"}, 1, "from 1 to 128"},
        {{"export", "--long", longCsv}, 0, ""},
        {{"open", longCsv}, 0, ""},  // read back: readings, details and the flag
        {{"stats", "--set", "3", "--json"}, 0, R"({"count":1,)"},
        {{"details", "--set", "3", "--json"}, 0, R"("spacing_m":0.5,)"},
        {{"export", "--las", "-", "--set", "3"}, 0, " 2.5000  3.002000"},
        {{"export", "--las", "-", "--set", "4"}, 3, "set 4 has no depth and spacing"},
        {{"export", "--las", "-"}, 1, "--las and --set N go together"},
        // The decimal-comma form a spreadsheet in such a language reads, read back as well.
        {{"export", "--long", "--decimal-comma", longCsv + ".comma.csv"}, 0, ""},
        {{"open", longCsv + ".comma.csv"}, 0, ""},
        {{"details", "--set", "3", "--json"}, 0, R"("spacing_m":0.5,)"},
        {{"stats", "--set", "3", "--json"}, 0, R"({"count":1,)"},
        {{"export", "--geojson", "--decimal-comma", "-"},
         1,
         "--decimal-comma goes with --csv or --long"},
        {{"export", "--survey", survey}, 0, ""},
        {{"open", dat}, 0, ""},
        {{"details", "--set", "3", "--json"}, 0, R"("site":null)"},
        {{"open", env.root() + "/missing.orvanta"}, 3, "missing.orvanta"},
        {{"open", survey}, 0, ""},
        {{"details", "--set", "3", "--json"}, 0, R"("operator":"Ann")"},
    };
    for (const Step& step : steps) {
        QProcess cli;
        cli.setEnvironment(env.environment());
        cli.start(kCli, step.args);
        QVERIFY(ended(cli));
        const QString out = QString::fromUtf8(step.exitCode == 0 ? cli.readAllStandardOutput()
                                                                 : cli.readAllStandardError());
        QVERIFY2(cli.exitCode() == step.exitCode && out.contains(step.out),
                 qPrintable(step.args.join(' ') + " -> " + QString::number(cli.exitCode()) + ": " +
                            out));
        if (step.exitCode != 0) QCOMPARE(out.count('\n'), 1);  // one line, no more
    }
    QFile f(longCsv);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().split('\n');
    QCOMPARE(lines.value(0).trimmed(), QByteArray("set,position,depth_m,value,units,site,latitude,"
                                                  "longitude,elevation_m,downloaded_utc,operator,"
                                                  "notes,complete,flag"));
    QVERIFY(lines.contains("3,1,2,3.001000,,Hole 7,10,-20,,,Ann,,true,box end\r"));
    QVERIFY(lines.contains("3,2,2.5,3.002000,,Hole 7,10,-20,,,Ann,,true,\r"));
}

void TestCli::outputThatCannotBeWrittenFails_data() {
    // Standard output on a full disk: the run fails with the reason, whatever the command.
    QTest::addColumn<QStringList>("args");
    QTest::newRow("ports") << QStringList{"ports"};
    QTest::newRow("ports as JSON") << QStringList{"ports", "--json"};
    QTest::newRow("details") << QStringList{"details", "--set", "1"};
    QTest::newRow("long table") << QStringList{"export", "--long", "-"};
}

void TestCli::outputThatCannotBeWrittenFails() {
    QFETCH(QStringList, args);
    if (!QFileInfo::exists("/dev/full")) QSKIP("no /dev/full here");
    TestEnv env;
    Pty meter;
    env.link(3, meter.slavePath());
    QProcess cli;
    cli.setEnvironment(env.environment());
    cli.setStandardOutputFile("/dev/full");
    cli.start(kCli, args);
    QVERIFY(ended(cli));
    QCOMPARE(cli.exitCode(), 3);
    QVERIFY(cli.readAllStandardError().contains("could not be written: No space left on device"));
}

void TestCli::everyFormatOfTheList_data() {
    // The export formats are one list: each is found by its id and suffix, and the CLI's
    // --id writes what the list's writer makes.
    QTest::addColumn<QString>("id");
    for (const ExportFormats::Format& f : ExportFormats::all())
        QTest::newRow(qPrintable(f.id)) << f.id;
}

void TestCli::everyFormatOfTheList() {
    QFETCH(QString, id);
    const ExportFormats::Format* format = ExportFormats::byId(id);
    QVERIFY(format);
    const ExportFormats::Format* bySuffix =
        ExportFormats::bySuffix("a." + format->suffix.toUpper());
    QVERIFY(bySuffix && bySuffix->suffix == format->suffix);
    TestEnv env;
    QVERIFY(QDir().mkpath(env.dataFolder()));
    {
        ReadingsStore store(env.database());
        QVERIFY(store.open().ok());
        QVERIFY(store.writeReading(2, 1, "0.5").ok() && store.writeReading(2, 2, "1.25").ok());
        SetDetails d;
        d.site = "=Hole 7";  // a text a spreadsheet would take for a formula
        d.depthM = 1.0;
        d.spacingM = 0.5;
        d.latitude = -33.5;
        d.longitude = 151.25;
        QVERIFY(store.setDetails(2, d).ok());
    }
    const QString out = env.root() + "/out." + format->suffix;
    QProcess cli;
    cli.setEnvironment(env.environment());
    QStringList args{"export", "--" + id, out};
    if (format->needsSet)
        args << "--set"
             << "2";
    cli.start(kCli, args);
    QVERIFY(ended(cli));
    QCOMPARE(cli.exitCode(), 0);
    ReadingsStore store(env.database());
    QVERIFY(store.open().ok());
    ExportFormats::Options options;
    options.set = 2;
    options.path = out;
    const ExportFormats::Written made = format->write(store, options);
    QVERIFY(made.problem.ok());
    QFile f(out);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray written = f.readAll();
    if (id == "survey") {
        // SQLite's own file: the same readings and details, read back.
        ReadingsStore back(env.root() + "/back.db");
        QVERIFY(back.open().ok());
        QVERIFY(SurveyFile::open(back, out).ok());
        QCOMPARE(back.reading(2, 2), QString("1.25"));
        QCOMPARE(back.details(2).site, QString("=Hole 7"));
    } else {
        QCOMPARE(written, made.bytes);
        QVERIFY(written.contains("1.25"));
    }
    // Without a set, a format of one set is refused; with one, any other is.
    args = QStringList{"export", "--" + id, out};
    if (!format->needsSet)
        args << "--set"
             << "2";
    cli.start(kCli, args);
    QVERIFY(ended(cli));
    QCOMPARE(cli.exitCode(), 1);
}

void TestCli::anotherUsersPlantIsRefused_data() {
    // What another user left at the export's name in a shared folder; nothing goes through it.
    QTest::addColumn<bool>("fifo");  // else a link to a file of ours
    QTest::newRow("link") << false;
    QTest::newRow("FIFO") << true;
}

void TestCli::anotherUsersPlantIsRefused() {
    QFETCH(bool, fifo);
    const passwd* nobody = ::getpwnam("nobody");
    if (::geteuid() != 0 || !nobody) QSKIP("only root can make a file that is nobody's");
    TestEnv env;
    const QString ours = env.root() + "/ours.csv";
    QFile f(ours);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write("kept\n") == 5);
    f.close();
    const QString planted = env.root() + "/export.csv";
    QVERIFY(fifo ? QProcess::execute("mkfifo", {planted}) == 0 : QFile::link(ours, planted));
    QCOMPARE(::lchown(QFile::encodeName(planted).constData(), nobody->pw_uid, -1), 0);
    QProcess cli;
    cli.setEnvironment(env.environment());
    cli.start(kCli, {"export", "--long", planted});
    QVERIFY(ended(cli));  // a FIFO with nobody reading it would hold the write for ever
    QCOMPARE(cli.exitCode(), 3);
    QVERIFY(cli.readAllStandardError().contains(fifo ? "a FIFO another user made"
                                                     : "a link another user made"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("kept\n"));
}

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
