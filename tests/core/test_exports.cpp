// SPDX-License-Identifier: GPL-3.0-or-later
// What the plot, the grid and the CSV export make of a table, without a window: the points and
// ticks a plot draws, the texts a grid shows, the bytes of a CSV.
#include <pwd.h>
#include <unistd.h>

#include <QtTest>

#include "core/common/Messages.h"
#include "core/files/CsvExport.h"
#include "core/files/FileCommands.h"
#include "core/files/GpxTrack.h"
#include "core/files/LiveRecording.h"
#include "core/plot/PlotModel.h"
#include "core/store/ReadingsStore.h"
#include "core/store/SetsTableModel.h"

namespace {
/** A table with chosen cells, the rest cleared. */
struct Table {
    explicit Table(const QMap<QPair<int, int>, QString>& cells)
        : store(QStringLiteral(":memory:")) {
        store.open();
        for (auto it = cells.begin(); it != cells.end(); ++it)
            store.writeReading(it.key().second, it.key().first, it.value());
    }
    ReadingsStore store;
};
using Cells = QMap<QPair<int, int>, QString>;
}  // namespace

class TestExports : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void plotPoints_data();
    void plotPoints();
    void plotTicks_data();
    void plotTicks();
    void csvBytes_data();
    void csvBytes();
    void gridShowsWhatPositionsHold();
    void headersToldOnlyWhenTheirTextChanges();
    void recordingReadBackIntoOneSet_data();
    void recordingReadBackIntoOneSet();
    void trackPlacesRecordedReadings_data();
    void trackPlacesRecordedReadings();
    void anotherUsersLinkIsNeverWrittenThrough_data();
    void anotherUsersLinkIsNeverWrittenThrough();
};

void TestExports::plotPoints_data() {
    QTest::addColumn<Cells>("cells");
    QTest::addColumn<bool>("log");
    QTest::addColumn<QList<int>>("sets");
    QTest::addColumn<QString>("points");  // "set:x=y,x=y;set:..."
    QTest::newRow("cleared and text left out, a received zero drawn")
        << Cells{{{1, 2}, "0.5"}, {{2, 2}, "0.000000"}, {{3, 2}, "abc"}, {{5, 2}, "1.5"}} << false
        << QList<int>{2} << "2:1=0.5,2=0,5=1.5";
    QTest::newRow("zero and negative kept on a linear scale")
        << Cells{{{1, 5}, "-0.2"}, {{2, 5}, "0"}, {{3, 5}, "0.3"}} << false << QList<int>{5}
        << "5:1=-0.2,2=0,3=0.3";
    QTest::newRow("log scale leaves out zero and negative")
        << Cells{{{1, 5}, "-0.2"}, {{2, 5}, "0"}, {{3, 5}, "0.3"}} << true << QList<int>{5}
        << "5:3=0.3";
    QTest::newRow("two sets in the order chosen")
        << Cells{{{1, 1}, "1"}, {{128, 30}, "2"}} << false << QList<int>{30, 1} << "30:128=2;1:1=1";
    QTest::newRow("a set without readings is an empty line")
        << Cells{} << false << QList<int>{7} << "7:";
}

void TestExports::plotPoints() {
    QFETCH(Cells, cells);
    QFETCH(bool, log);
    QFETCH(QList<int>, sets);
    QFETCH(QString, points);
    Table t(cells);
    QStringList got;
    for (const auto& s : PlotModel::build(t.store, sets, log)) {
        QStringList pts;
        for (const QPointF& p : s.points) pts << QStringLiteral("%1=%2").arg(p.x()).arg(p.y());
        got << QStringLiteral("%1:%2").arg(s.set).arg(pts.join(','));
    }
    QCOMPARE(got.join(';'), points);
}

void TestExports::plotTicks_data() {
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::addColumn<bool>("log");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("decades") << -5.3 << 0.4 << true << QStringList{"1E-6", "1E-5", "1E-4", "1E-3",
                                                                   "1E-2", "1E-1", "1E0",  "1E1"};
    QTest::newRow("many decades, every second")
        << -12.0 << 1.0 << true
        << QStringList{"1E-12", "1E-10", "1E-8", "1E-6", "1E-4", "1E-2", "1E0", "1E2"};
    QTest::newRow("zoomed within a decade")
        << -5.3 << -4.6 << true << QStringList{"5E-6", "1E-5", "2E-5", "5E-5"};
    QTest::newRow("positions") << 1.0 << 128.0 << false
                               << QStringList{"0", "20", "40", "60", "80", "100", "120", "140"};
    QTest::newRow("small readings")
        << 0.0 << 0.0134 << false
        << QStringList{"0", "0.002", "0.004", "0.006", "0.008", "0.01", "0.012", "0.014"};
    QTest::newRow("around zero") << -0.3 << 0.25 << false
                                 << QStringList{"-0.3", "-0.2", "-0.1", "0", "0.1", "0.2", "0.3"};
}

void TestExports::plotTicks() {
    QFETCH(double, min);
    QFETCH(double, max);
    QFETCH(bool, log);
    QFETCH(QStringList, labels);
    QStringList got;
    for (const PlotModel::Tick& t : PlotModel::ticks(min, max, log)) got << t.label;
    QCOMPARE(got, labels);
}

void TestExports::csvBytes_data() {
    QTest::addColumn<bool>("comma");
    QTest::addColumn<bool>("flags");  // set 9's position 2 flagged with a reason
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("decimal point")
        << false << false
        << QByteArray(
               "Number,Set 2,Set 9\r\n1,0.001230,\r\n2,,1.5\r\n3,0.25,abc\r\n4,,0.000000\r\n");
    QTest::newRow("decimal comma")
        << true << false
        << QByteArray(
               "Number;Set 2;Set 9\r\n1;0,001230;\r\n2;;1,5\r\n3;0,25;abc\r\n4;;0,000000\r\n");
    // A flagged reading's reason in a column beside its set, never taken for a formula.
    QTest::newRow("a flagged reading")
        << false << true
        << QByteArray(
               "Number,Set 2,Set 9,Set 9 flag\r\n1,0.001230,,\r\n2,,1.5,\"'=box, end\"\r\n"
               "3,0.25,abc,\r\n4,,0.000000,\r\n");
}

void TestExports::csvBytes() {
    QFETCH(bool, comma);
    QFETCH(bool, flags);
    QFETCH(QByteArray, bytes);
    // A received zero is a reading; the cleared positions after it are not.
    Table t({{{1, 2}, "0.001230"},
             {{3, 2}, "0.25"},
             {{2, 9}, "1.5"},
             {{3, 9}, "abc"},
             {{4, 9}, "0.000000"}});
    if (flags) QVERIFY(t.store.setFlag(9, 2, "=box, end").ok());
    QCOMPARE(CsvExport::build(t.store, comma), bytes);
}

void TestExports::gridShowsWhatPositionsHold() {
    Table t({{{1, 4}, "0.000000"}, {{3, 4}, "0.5"}});
    QVERIFY(t.store.markUnreadable(4, 2).ok());
    SetsTableModel model(t.store);
    const auto shown = [&](int position, int role) {
        return model.data(model.index(position - 1, 4), role).toString();
    };
    QCOMPARE(shown(1, Qt::DisplayRole), QString("0.000000"));  // the meter sent zero
    QCOMPARE(shown(2, Qt::DisplayRole), QString());
    QVERIFY(shown(2, Qt::ToolTipRole).contains("Unreadable"));
    QCOMPARE(shown(3, Qt::DisplayRole), QString("0.5"));
    QCOMPARE(shown(4, Qt::DisplayRole), QString());  // cleared
    QVERIFY(shown(4, Qt::ToolTipRole).isEmpty());
    // A screen reader hears a word for a position without a reading, never nothing.
    QVERIFY(t.store.setFlag(4, 3, "box end").ok());
    QCOMPARE(shown(1, Qt::AccessibleTextRole), QString("0.000000"));
    QCOMPARE(shown(2, Qt::AccessibleTextRole), QString("unreadable"));
    QCOMPARE(shown(3, Qt::AccessibleTextRole), QString("0.5, flagged: box end"));
    QCOMPARE(shown(4, Qt::AccessibleTextRole), QString("empty"));
    QCOMPARE(model.data(model.index(1, 0), Qt::DisplayRole).toString(), QString("2"));
}

void TestExports::headersToldOnlyWhenTheirTextChanges() {
    Table t({});
    QVERIFY(t.store.setSetUnits(5, Meter::Units::SI).ok());
    SetsTableModel model(t.store);
    QSignalSpy told(&model, &SetsTableModel::headersChanged);
    // As a download does: the units are forgotten as the set begins, then reported again.
    SetDetails d = t.store.details(5);
    d.units.reset();
    QVERIFY(t.store.setDetails(5, d).ok());
    QVERIFY(t.store.setSetUnits(5, Meter::Units::SI).ok());
    QVERIFY(t.store.setSetUnits(6, Meter::Units::CGS).ok());  // a caption that does change
    QTRY_COMPARE(told.size(), 1);
    QCOMPARE(told.first(), (QList<QVariant>{6, 6}));
    QCOMPARE(model.headerData(6, Qt::Horizontal, Qt::DisplayRole).toString(),
             QString("Set 6 (CGS)"));
}

void TestExports::recordingReadBackIntoOneSet_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("stored");  // set 4 after it, from position 1; empty: refused
    QTest::addColumn<QString>("said");        // the refusal's reason holds it
    const QByteArray header = "time,value,units,set,reading,mark\r\n";
    const QByteArray t = "2026-12-08T10:00:00.000Z,";
    QTest::newRow("three readings, the rest of the set cleared")
        << header + t + "0.5,SI,1,1,\r\n" + t + "-0.25,SI,1,2,\r\n" + t + "1.125000,SI,1,3,\r\n"
        << QStringList{"0.5", "-0.25", "1.125000", "0.000000"} << "";
    QTest::newRow("positions, quotes and marks")
        << "time,value,units,set,reading,mark,latitude,longitude,elevation_m\r\n" + t +
               "\"1,000\",CGS,1,1,\"Station \"\"A\"\", north\",46.5,7.25,1204.5\r\n"
        << QStringList{"1,000", "0.000000"} << "";
    QByteArray full = header;
    for (int i = 0; i < 129; ++i) full += t + "0.5,SI,1,1,\r\n";
    QTest::newRow("more than a set holds")
        << full << QStringList() << "it holds 129 readings; a set holds 128";
    QTest::newRow("no time") << header + t + "0.5,SI,1,1,\r\nyesterday,0.5,SI,1,1,\r\n"
                             << QStringList()
                             << "line 3, column 1 (time): \"yesterday\" is no time";
    QTest::newRow("no reading")
        << header + t + "0.5.5,SI,1,1,\r\n"
        << QStringList() << "line 2, column 2 (value): \"0.5.5\" is no reading the meter sends";
    QTest::newRow("two units") << header + t + "0.5,SI,1,1,\r\n" + t + "0.5,CGS,1,1,\r\n"
                               << QStringList()
                               << "line 3, column 3 (units): CGS, where line 2 has SI";
    QTest::newRow("a quote left open") << header + t + "\"0.5,SI,1,1,\r\n"
                                       << QStringList() << "line 2: 0 fields, not 6";
    QTest::newRow("header alone") << header << QStringList() << "it holds no reading";
}

void TestExports::recordingReadBackIntoOneSet() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, stored);
    QFETCH(QString, said);
    QTemporaryDir tmp;
    ReadingsStore store(tmp.filePath("Readings.db"));
    QVERIFY(store.open().ok());
    for (int p = 1; p <= 5; ++p)
        QVERIFY(store.writeReading(4, p, "0.00000" + QString::number(p)).ok());
    QVERIFY(store.writeReading(5, 1, "9.5").ok());
    const QString path = tmp.filePath("run.csv");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(file) == file.size());
    f.close();
    QVERIFY(LiveRecording::looksLikeRecording(path));
    const FileOutcome read = LiveRecording::readBack(store, path, 4);
    QCOMPARE(read.ok(), !stored.isEmpty());
    QVERIFY2(Msg::why(read.reason).contains(said), qPrintable(Msg::why(read.reason)));
    // Refused: the set is as it was; taken: it holds the recording and nothing after it.
    const QStringList expected =
        stored.isEmpty() ? QStringList{"0.000001", "0.000002", "0.000003", "0.000004", "0.000005"}
                         : stored;
    for (int p = 0; p < expected.size(); ++p) QCOMPARE(store.reading(4, p + 1), expected[p]);
    QCOMPARE(store.reading(5, 1), QString("9.5"));
    ReadingsStore again(tmp.filePath("Readings.db"));  // what the file holds, not the memory
    QVERIFY(again.open().ok());
    QCOMPARE(again.reading(4, 1), expected[0]);
    QCOMPARE(again.readingCount(4), stored.isEmpty() ? 5 : static_cast<int>(stored.size()) - 1);
}

void TestExports::trackPlacesRecordedReadings_data() {
    QTest::addColumn<QString>("time");  // the reading's, on 2026-12-08 (UTC)
    QTest::addColumn<int>("gap");
    QTest::addColumn<QString>("place");  // latitude,longitude,elevation_m as written
    QTest::newRow("on a point") << "10:00:00.000" << 10 << "46.0000000,7.0000000,100.0";
    QTest::newRow("between two, in proportion")
        << "10:00:05.000" << 10 << "46.0500000,7.0500000,105.0";
    QTest::newRow("between two, one too far: the near one")
        << "10:00:55.000" << 10 << "46.5000000,7.5000000,";
    QTest::newRow("before the track, within the gap")
        << "09:59:55.000" << 10 << "46.0000000,7.0000000,100.0";
    QTest::newRow("no point near enough") << "10:00:30.000" << 10 << ",,";
    QTest::newRow("a wider gap places it") << "10:00:30.000" << 30 << "46.2600000,7.2600000,";
}

void TestExports::trackPlacesRecordedReadings() {
    QFETCH(QString, time);
    QFETCH(int, gap);
    QFETCH(QString, place);
    QTemporaryDir tmp;
    const QString gpx = tmp.filePath("track.gpx");
    QFile g(gpx);
    QVERIFY(g.open(QIODevice::WriteOnly));
    // Out of time order, and with a point without a time, as units write after a pause.
    g.write(R"(<?xml version="1.0"?>
<gpx version="1.1" creator="a unit" xmlns="http://www.topografix.com/GPX/1/1"><trk><trkseg>
<trkpt lat="46.1" lon="7.1"><ele>110</ele><time>2026-12-08T10:00:10Z</time></trkpt>
<trkpt lat="46.0" lon="7.0"><ele>100</ele><time>2026-12-08T10:00:00Z</time></trkpt>
<trkpt lat="45.0" lon="6.0"></trkpt>
<trkpt lat="46.5" lon="7.5"><time>2026-12-08T10:01:00.000Z</time></trkpt>
</trkseg></trk></gpx>)");
    g.close();
    QVector<GpxTrack::Point> track;
    const FileOutcome read = GpxTrack::read(gpx, &track);
    QVERIFY2(read.ok(), qPrintable(Msg::why(read.reason)));
    QCOMPARE(track.size(), 3);
    const QString recording = tmp.filePath("run.csv");
    QFile r(recording);
    QVERIFY(r.open(QIODevice::WriteOnly));
    r.write("time,value,units,set,reading,mark\r\n2026-12-08T" + time.toLatin1() +
            "Z,\"1,000\",SI,1,2,\"Station \"\"A\"\"\"\r\n");
    r.close();
    QByteArray out;
    int placed = -1;
    QVERIFY(LiveRecording::placeByTrack(recording, track, gap, &out, &placed).ok());
    QCOMPARE(placed, place == ",," ? 0 : 1);
    const QList<QByteArray> lines = out.split('\n');
    QCOMPARE(lines[0], "time,value,units,set,reading,mark,latitude,longitude,elevation_m\r");
    QCOMPARE(lines[1], "2026-12-08T" + time.toLatin1() +
                           "Z,\"1,000\",SI,1,2,\"Station \"\"A\"\"\"," + place.toLatin1() + '\r');
}

void TestExports::anotherUsersLinkIsNeverWrittenThrough_data() {
    QTest::addColumn<bool>("others");  // the link is another user's, else the user's own
    QTest::newRow("another user's link in a shared folder") << true;
    QTest::newRow("the user's own link") << false;
}

void TestExports::anotherUsersLinkIsNeverWrittenThrough() {
    QFETCH(bool, others);
    const passwd* nobody = ::getpwnam("nobody");
    if (others && (::geteuid() != 0 || !nobody)) QSKIP("only root can give a link to nobody");
    QTemporaryDir tmp;
    const QString victim = tmp.path() + "/victim";
    const QString link = tmp.path() + "/export.csv";
    QFile f(victim);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write("kept\n") == 5);
    f.close();
    QVERIFY(QFile::link(victim, link));
    if (others) QCOMPARE(::lchown(QFile::encodeName(link).constData(), nobody->pw_uid, -1), 0);
    const FileOutcome written = FileCommands::writeWhole(link, "written\n");
    QCOMPARE(written.ok(), !others);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray(others ? "kept\n" : "written\n"));
    if (others) QVERIFY(Msg::why(written.reason).contains("link another user made"));
}

QTEST_GUILESS_MAIN(TestExports)
#include "test_exports.moc"
