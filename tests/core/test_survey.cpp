// SPDX-License-Identifier: GPL-3.0-or-later
// Set details, survey files, statistics and the exports that carry them, on real SQLite files.
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>
#include <cmath>

#include "RawSql.h"
#include "TestEnv.h"
#include "core/common/Messages.h"
#include "core/common/Paths.h"
#include "core/files/FileCommands.h"
#include "core/files/GpxExport.h"
#include "core/files/LasExport.h"
#include "core/files/SurveyExport.h"
#include "core/files/SurveyFile.h"
#include "core/plot/PlotModel.h"
#include "core/store/ReadingsStore.h"
#include "core/store/SetStatistics.h"

namespace {
/** Runs @p statements on the file at @p path through a connection of its own. */
QVariant firstValue(const QString& path, const QString& sql) {
    QVariant out;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "raw");
        db.setDatabaseName(path);
        db.open();
        QSqlQuery q(db);
        if (q.exec(sql) && q.next()) out = q.value(0);
    }
    QSqlDatabase::removeDatabase("raw");
    return out;
}
QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
/** RFC 4180 rows: quoted fields may hold commas, doubled quotes and line breaks. */
QList<QStringList> parseCsv(const QByteArray& bytes) {
    const QString text = QString::fromUtf8(bytes);
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            row << field;
            field.clear();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            row << field;
            rows << row;
            row.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    return rows;
}

/** A store with a small survey: set 2 (CGS, incomplete) with every detail, set 5 (SI) with
 *  readings and no place, set 9 with readings of units not known. */
struct Survey {
    Survey() : path(tmp.path() + "/Readings.db"), store(path) {
        opened = store.open();
        for (const auto& [set, position, text] :
             std::initializer_list<std::tuple<int, int, QString>>{{2, 1, "0.001230"},
                                                                  {2, 2, "-1.5E-03"},
                                                                  {2, 3, "0.5"},
                                                                  {5, 1, "2"},
                                                                  {5, 7, "0.25"},
                                                                  {9, 1, "7"}})
            store.writeReading(set, position, text);
        store.writeReading(5, 2, "0.000000");  // a reading of zero, not a cleared position
        store.markUnreadable(5, 3);
        store.setFlag(5, 7, QStringLiteral("box end, \"lid\""));
        SetDetails d;
        d.site = QStringLiteral("Hole 7, box \"A\"");
        d.depthM = 10;
        d.spacingM = 0.5;
        d.latitude = -33.25;
        d.longitude = 151.5;
        d.elevationM = 12;
        d.operatorName = QStringLiteral("Zoë");
        d.notes = QStringLiteral("weathered,\nsecond line");
        d.downloadedUtc = QDateTime(QDate(2026, 12, 1), QTime(8, 30), Qt::UTC);
        d.device = QStringLiteral("usb-Orvanta_Meter_1234-if00-port0");
        d.units = Meter::Units::CGS;
        d.complete = false;
        d.unreadable = 2;
        details2 = d;
        store.setDetails(2, d);
        store.setSetUnits(5, Meter::Units::SI);
    }
    QTemporaryDir tmp;
    QString path;
    ReadingsStore store;
    StoreResult opened;
    SetDetails details2;
};
}  // namespace

/** A LAS 2.0 file as the standard lays it out: sections opened by "~" and a letter; header lines
 *  "MNEM.UNIT DATA : DESCRIPTION", the data ending at the line's last colon; "#" comments; the
 *  ~A section one depth step a line (WRAP NO), values apart by spaces. */
struct Las {
    QMap<QString, QPair<QString, QString>> header;  // "W.STRT" -> (unit, data)
    QStringList curves;                             // mnemonics in order
    QStringList curveUnits;
    QList<QStringList> rows;
    bool ok = true;
    explicit Las(const QByteArray& bytes) {
        QChar section;
        for (const QString& raw : QString::fromUtf8(bytes).split(QLatin1Char('\n'))) {
            const QString line = raw.trimmed();
            if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
            if (line.startsWith(QLatin1Char('~'))) {
                section = line.size() > 1 ? line[1].toUpper() : QChar();
                continue;
            }
            if (section == QLatin1Char('A')) {
                rows << line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
                continue;
            }
            const qsizetype dot = line.indexOf(QLatin1Char('.'));
            const qsizetype colon = line.lastIndexOf(QLatin1Char(':'));
            if (dot < 0 || colon < dot) {
                ok = false;
                continue;
            }
            const QString mnemonic = line.left(dot).trimmed();
            const qsizetype unitEnd = line.indexOf(QLatin1Char(' '), dot);
            const QString unit =
                line.mid(dot + 1, (unitEnd < 0 || unitEnd > colon ? colon : unitEnd) - dot - 1);
            const QString data = unitEnd < 0 || unitEnd > colon
                                     ? QString()
                                     : line.mid(unitEnd, colon - unitEnd).trimmed();
            header.insert(QString(section) + QLatin1Char('.') + mnemonic, {unit, data});
            if (section == QLatin1Char('C')) {
                curves << mnemonic;
                curveUnits << unit;
            }
        }
    }
    QString data(const QString& key) const { return header.value(key).second; }
};

class TestSurvey : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void earlierLayoutsAreUpgradedNewerRefused_data();
    void earlierLayoutsAreUpgradedNewerRefused();
    void surveyFileRoundTrip();
    void damagedSurveyFilesChangeNothing_data();
    void damagedSurveyFilesChangeNothing();
    void statisticsAgainstHandWorkedValues_data();
    void statisticsAgainstHandWorkedValues();
    void longTableAndGeoJsonReadBack();
    void readingPlacesTravelWithTheReadings_data();
    void readingPlacesTravelWithTheReadings();
    void gpxWaypointsReadBack();
    void plotConvertsUnitsAndUsesDepth();
    void longTableReadBack_data();
    void longTableReadBack();
    void longTableDepthsAndPositions_data();
    void longTableDepthsAndPositions();
    void lasDepthSteps_data();
    void lasDepthSteps();
    void lasLogsReadBack_data();
    void lasLogsReadBack();
    void typedTextsStayText_data();
    void typedTextsStayText();
    void factsCountFlaggedReadings();
    void workCopiesStayPrivateAndGo();
};

void TestSurvey::earlierLayoutsAreUpgradedNewerRefused_data() {
    QTest::addColumn<QStringList>("setUp");  // run on a fresh layout before the store opens it
    QTest::addColumn<int>("failure");        // StoreFailure
    const QString oldTables =
        "CREATE TABLE SetUnits (SetNumber INTEGER PRIMARY KEY, UnitsCode INTEGER NOT NULL);"
        "CREATE TABLE IncompleteSets (SetNumber INTEGER PRIMARY KEY);"
        "INSERT INTO SetUnits VALUES (4, 2);INSERT INTO SetUnits VALUES (6, 1);"
        "INSERT INTO IncompleteSets VALUES (6);DROP TABLE SetDetails;DROP TABLE Positions;"
        "PRAGMA application_id = 0;PRAGMA user_version = 0";
    QTest::newRow("the layout before set details")
        << oldTables.split(';') << int(StoreFailure::None);
    QTest::newRow("the layout before positions were marked")
        << QStringList{"DROP TABLE Positions",
                       "INSERT INTO SetDetails (SetNumber, Units) VALUES (4, 'CGS')",
                       "INSERT INTO SetDetails (SetNumber, Units, Complete) VALUES (6, 'SI', 0)",
                       "PRAGMA user_version = 1"}
        << int(StoreFailure::None);
    QTest::newRow("a newer layout")
        << QStringList{"PRAGMA user_version = 7"} << int(StoreFailure::Newer);
    QTest::newRow("another program's file")
        << QStringList{"PRAGMA application_id = 1234"} << int(StoreFailure::Foreign);
}

void TestSurvey::earlierLayoutsAreUpgradedNewerRefused() {
    QFETCH(QStringList, setUp);
    QFETCH(int, failure);
    QTemporaryDir tmp;
    const QString path = tmp.path() + "/Readings.db";
    {
        ReadingsStore first(path);
        QVERIFY(first.open().ok());
        QVERIFY(first.writeReading(4, 3, "0.004560").ok());
    }
    runSql(path, setUp);
    ReadingsStore store(path);
    const StoreResult opened = store.open();
    QVERIFY2(int(opened.kind) == failure, qPrintable(Msg::why(opened.reason)));
    // Whatever the verdict, no reading is lost.
    QCOMPARE(firstValue(path, "SELECT \"Set 4\" FROM Sets WHERE Number = 3").toString(),
             QString("0.004560"));
    if (failure != int(StoreFailure::None)) {
        QVERIFY(!opened.reason.isEmpty());
        QCOMPARE(store.rowCount(), 0);
        return;
    }
    QCOMPARE(store.reading(4, 3), QString("0.004560"));
    QCOMPARE(store.setUnits(4), std::optional<Meter::Units>(Meter::Units::CGS));
    QCOMPARE(store.setUnits(6), std::optional<Meter::Units>(Meter::Units::SI));
    QVERIFY(store.isIncomplete(6) && !store.isIncomplete(4));
    QCOMPARE(firstValue(path, "PRAGMA user_version").toInt(), ReadingsStore::kSchemaVersion);
    QCOMPARE(firstValue(path, "PRAGMA application_id").toInt(), ReadingsStore::kApplicationId);
    QCOMPARE(firstValue(path,
                        "SELECT count(*) FROM sqlite_master WHERE name IN ('SetUnits', "
                        "'IncompleteSets')")
                 .toInt(),
             0);
    QCOMPARE(firstValue(path, "SELECT count(*) FROM Positions").toInt(), 0);
}

void TestSurvey::surveyFileRoundTrip() {
    Survey s;
    QVERIFY(s.opened.ok());
    const QString file = s.tmp.path() + "/field day.orvanta";
    QVERIFY(SurveyFile::save(s.store, file).ok());
    const QByteArray saved = bytesOf(file);
    QCOMPARE(saved.mid(18, 2), QByteArray("\x01\x01", 2));  // no journal needed beside it
    QVERIFY(SurveyFile::looksLikeSurvey(file));

    ReadingsStore other(s.tmp.path() + "/Other.db");
    QVERIFY(other.open().ok());
    QVERIFY(other.writeReading(30, 128, "9.9").ok());
    QVERIFY(SurveyFile::openAny(other, file).ok());
    for (int set = 1; set <= 30; ++set) {
        QCOMPARE(other.details(set), s.store.details(set));
        for (int p = 1; p <= 128; ++p) {
            QCOMPARE(other.reading(set, p), s.store.reading(set, p));
            QCOMPARE(other.held(set, p), s.store.held(set, p));
        }
    }
    QCOMPARE(other.readingCount(5), 3);
    QCOMPARE(other.flag(5, 7), QString("box end, \"lid\""));
    QCOMPARE(SetStatistics::of(other, 5).count, 2);  // the flagged reading counts in no figure
    QCOMPARE(other.held(5, 3), ReadingsStore::Held::Unreadable);
    QCOMPARE(other.details(2), s.details2);
    QVERIFY(other.isIncomplete(2));
    QCOMPARE(bytesOf(file), saved);  // opening never writes the file
    // A survey file of the layout before marked positions still opens; its zeros are cleared.
    runSql(file, {"DROP TABLE Positions", "PRAGMA user_version = 1"});
    QVERIFY(SurveyFile::openAny(other, file).ok());
    QCOMPARE(other.reading(2, 1), QString("0.001230"));
    QCOMPARE(other.held(5, 2), ReadingsStore::Held::Nothing);
    QCOMPARE(other.details(2), s.details2);
}

void TestSurvey::damagedSurveyFilesChangeNothing_data() {
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("told");
    QTest::newRow("cut in half") << "cut"
                                 << "not an Orvanta survey file";
    QTest::newRow("a page overwritten") << "scribble"
                                        << "not an Orvanta survey file";
    QTest::newRow("a data file") << "dat"
                                 << "is not a data file";
    QTest::newRow("another SQLite file") << "plain"
                                         << "not an Orvanta survey file";
    QTest::newRow("a newer layout") << "newer"
                                    << "newer version";
    QTest::newRow("a table of more rows") << "rows"
                                          << "the table Sets has 130 rows, not 128";
    QTest::newRow("a text that is no reading") << "text"
                                               << "which is no reading";
    QTest::newRow("a latitude typing refuses") << "latitude"
                                               << "set 2: Latitude (\u00b0, WGS 84): 123 is not "
                                                  "between -90 and 90";
    // Made to hurt: SQL of the file's own that would run while it is read or written.
    QTest::newRow("an endless view in Positions' place") << "view"
                                                         << "holds a view (Positions)";
    QTest::newRow("an endless view in Sets' place") << "sets view"
                                                    << "holds a view (Sets)";
    QTest::newRow("a trigger on \"sets\"") << "trigger sets"
                                           << "a trigger (t) on the table sets";
    QTest::newRow("a trigger on SetDetails") << "trigger SetDetails"
                                             << "a trigger (t) on the table SetDetails";
    QTest::newRow("an expression index") << "index"
                                         << "an index (slow)";
    QTest::newRow("a NUL in a site") << "nul"
                                     << "holds a control character (U+0000)";
}

void TestSurvey::damagedSurveyFilesChangeNothing() {
    QFETCH(QString, damage);
    QFETCH(QString, told);
    Survey s;
    const QString file = s.tmp.path() + "/bad.orvanta";
    QVERIFY(SurveyFile::save(s.store, file).ok());
    QByteArray bytes = bytesOf(file);
    if (damage == "cut") bytes.truncate(bytes.size() / 2);
    if (damage == "scribble") bytes.replace(8192, 4096, QByteArray(4096, 0x5a));  // page 3
    if (damage == "dat") bytes = QByteArray("\x01\x00\x08\x00garbage!", 12);
    if (damage == "plain") bytes.clear();
    if (!bytes.isEmpty() || damage == "plain") {
        QFile::remove(file);
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    if (damage == "plain") runSql(file, {"CREATE TABLE t (x)"});
    if (damage == "newer") runSql(file, {"PRAGMA user_version = 9"});
    if (damage == "rows")
        runSql(file, {"INSERT INTO Sets (Number) VALUES (129)",
                      "INSERT INTO Sets (Number) VALUES (130)"});
    if (damage == "text") runSql(file, {"UPDATE Sets SET \"Set 3\" = 'abc' WHERE Number = 2"});
    if (damage == "latitude")
        runSql(file, {"UPDATE SetDetails SET Latitude = 123 WHERE SetNumber = 2"});
    if (damage == "view")
        runSql(file, {"DROP TABLE Positions",
                      "CREATE VIEW Positions AS WITH RECURSIVE r(x) AS (SELECT 1 UNION ALL SELECT "
                      "x + 1 FROM r) SELECT 1 AS SetNumber, 1 AS Position, 'reading' AS Held, x "
                      "AS Flag FROM r"});
    if (damage == "sets view")
        runSql(file, {"DROP TABLE Sets",
                      "CREATE VIEW Sets AS WITH RECURSIVE r(x) AS (SELECT 1 UNION ALL SELECT x + 1 "
                      "FROM r) SELECT x AS Number FROM r"});
    if (damage.startsWith("trigger"))
        runSql(file, {QStringLiteral("CREATE TRIGGER t AFTER INSERT ON %1 BEGIN UPDATE Sets SET "
                                     "\"Set 1\" = '6.66'; END")
                          .arg(damage.section(' ', 1))});
    if (damage == "index")
        runSql(file, {"CREATE INDEX slow ON Sets (length(\"Set 1\" || \"Set 2\"))"});
    if (damage == "nul")
        runSql(file, {"UPDATE SetDetails SET Site = 'Hole' || char(0) || '7' WHERE SetNumber = 2"});

    ReadingsStore other(s.tmp.path() + "/Other.db");
    QVERIFY(other.open().ok());
    SetDetails kept;
    kept.site = "kept";
    QVERIFY(other.setDetails(7, kept).ok());
    QVERIFY(other.writeReading(7, 1, "0.7").ok());
    const FileOutcome opened = SurveyFile::openAny(other, file);
    QVERIFY(!opened.ok());
    QVERIFY2(Msg::forFile(opened).contains(told), qPrintable(Msg::forFile(opened)));
    QCOMPARE(other.reading(7, 1), QString("0.7"));
    QCOMPARE(other.details(7).site, QString("kept"));
    QCOMPARE(other.reading(2, 1), QString("0.000000"));
}

void TestSurvey::statisticsAgainstHandWorkedValues_data() {
    QTest::addColumn<QStringList>("readings");  // positions 1.., as received; "-" left cleared
    QTest::addColumn<QList<double>>(
        "expected");  // count, mean, median, sd, min, max, gm (NaN: none)
    const double none = std::nan("");
    QTest::newRow("cleared positions and a negative reading")
        << QStringList{"1", "2", "-", "4", "-1"}
        << QList<double>{4, 1.5, 1.5, std::sqrt(13.0 / 3), -1, 4, none};
    QTest::newRow("a received zero is a reading")
        << QStringList{"0.000000", "-", "2"} << QList<double>{2, 1, 1, std::sqrt(2.0), 0, 2, none};
    QTest::newRow("log-normal decades")
        << QStringList{"1", "10", "100"} << QList<double>{3, 37, 10, std::sqrt(2997.0), 1, 100, 10};
    QTest::newRow("one reading") << QStringList{"-", "5E-1"}
                                 << QList<double>{1, 0.5, 0.5, none, 0.5, 0.5, 0.5};
    QTest::newRow("no reading") << QStringList{"-"} << QList<double>{0, 0, 0, none, 0, 0, none};
}

void TestSurvey::statisticsAgainstHandWorkedValues() {
    QFETCH(QStringList, readings);
    QFETCH(QList<double>, expected);
    QTemporaryDir tmp;
    ReadingsStore store(tmp.path() + "/Readings.db");
    QVERIFY(store.open().ok());
    for (int p = 0; p < readings.size(); ++p)
        if (readings[p] != "-") QVERIFY(store.writeReading(12, p + 1, readings[p]).ok());
    const SetStatistics s = SetStatistics::of(store, 12);
    const auto same = [](double a, double b) {
        return std::abs(a - b) <= 1e-12 * qMax(1.0, std::abs(b));
    };
    QCOMPARE(s.count, int(expected[0]));
    if (s.count > 0) {
        QVERIFY(same(s.mean, expected[1]) && same(s.median, expected[2]));
        QVERIFY(same(s.min, expected[4]) && same(s.max, expected[5]));
    }
    QCOMPARE(s.sd.has_value(), !std::isnan(expected[3]));
    if (s.sd) QVERIFY(same(*s.sd, expected[3]));
    QCOMPARE(s.geometricMean.has_value(), !std::isnan(expected[6]));
    if (s.geometricMean) QVERIFY(same(*s.geometricMean, expected[6]));
}

void TestSurvey::longTableAndGeoJsonReadBack() {
    Survey s;
    const QList<QStringList> rows = parseCsv(SurveyExport::longTable(s.store));
    QCOMPARE(rows.value(0).join(','), SurveyExport::kLongHeader);
    QCOMPARE(rows.size(), 1 + 7);  // one row per reading (a zero too); cleared, unreadable none
    const QStringList third = rows[3];  // set 2, position 3
    QCOMPARE(third.mid(0, 5), (QStringList{"2", "3", "11", "0.5", "CGS"}));
    QCOMPARE(third.mid(5, 4), (QStringList{"Hole 7, box \"A\"", "-33.25", "151.5", "12"}));
    QCOMPARE(third.mid(9),
             (QStringList{"2026-12-01T08:30:00Z", "Zoë", "weathered,\nsecond line", "false", ""}));
    QCOMPARE(rows[2].value(3), QString("-1.5E-03"));  // the text as the meter sent it
    QCOMPARE(rows[5].mid(0, 4), (QStringList{"5", "2", "", "0.000000"}));
    QCOMPARE(rows[6].mid(0, 5), (QStringList{"5", "7", "", "0.25", "SI"}));
    QCOMPARE(rows[6].value(13), QString("box end, \"lid\""));  // flagged, kept with its reason
    QCOMPARE(rows[5].value(13), QString());
    QCOMPARE(rows[7].value(4), QString());  // set 9: units not known
    QCOMPARE(rows[7].value(12), QString("true"));

    int leftOut = -1;
    const QJsonObject geo =
        QJsonDocument::fromJson(SurveyExport::geoJson(s.store, &leftOut)).object();
    QCOMPARE(geo["type"].toString(), QString("FeatureCollection"));
    const QJsonArray features = geo["features"].toArray();
    QCOMPARE(features.size(), 1);
    QCOMPARE(leftOut, 2);  // sets 5 and 9 hold readings and have no place
    const QJsonObject f = features[0].toObject();
    QCOMPARE(f["geometry"]["coordinates"].toArray(), (QJsonArray{151.5, -33.25, 12}));
    const QJsonObject p = f["properties"].toObject();
    QCOMPARE(p["set"].toInt(), 2);
    QCOMPARE(p["units"].toString(), QString("CGS"));
    QCOMPARE(p["count"].toInt(), 3);
    QCOMPARE(p["median"].toDouble(), 0.00123);
    QVERIFY(p["geometric_mean"].isNull());  // a reading below zero
    QCOMPARE(p["complete"].toBool(), false);
    QVERIFY(!p.contains("elevation_m"));
    // A set placed without an elevation: every point 2D, the elevations kept as properties.
    SetDetails placed = s.store.details(5);
    placed.latitude = 46.5;
    placed.longitude = 7.25;
    QVERIFY(s.store.setDetails(5, placed).ok());
    const QJsonArray mixed =
        QJsonDocument::fromJson(SurveyExport::geoJson(s.store)).object()["features"].toArray();
    QCOMPARE(mixed.size(), 2);
    QCOMPARE(mixed[0]["geometry"]["coordinates"].toArray(), (QJsonArray{151.5, -33.25}));
    QCOMPARE(mixed[0]["properties"]["elevation_m"].toDouble(), 12.0);
    QCOMPARE(mixed[1]["geometry"]["coordinates"].toArray(), (QJsonArray{7.25, 46.5}));
    QVERIFY(mixed[1]["properties"]["elevation_m"].isNull());
}

void TestSurvey::readingPlacesTravelWithTheReadings_data() {
    QTest::addColumn<bool>("withoutHeight");  // a second place has no elevation
    QTest::newRow("every place with its elevation") << false;
    QTest::newRow("a place without one") << true;
}

void TestSurvey::readingPlacesTravelWithTheReadings() {
    QFETCH(bool, withoutHeight);
    Survey s;
    const QDateTime fix(QDate(2026, 12, 9), QTime(10, 4, 5), Qt::UTC);
    const ReadingPlace flagged{46.5012345, 7.2512345, 500.5, fix};
    QVERIFY(s.store.setPlace(5, 7, flagged).ok());
    const ReadingPlace second{
        -33.2500001, 151.5000002, withoutHeight ? std::nullopt : std::optional<double>(14.25), {}};
    QVERIFY(s.store.setPlace(2, 3, second).ok());

    // GeoJSON: the set's point and each placed reading's, all of one dimension.
    const QJsonArray features =
        QJsonDocument::fromJson(SurveyExport::geoJson(s.store)).object()["features"].toArray();
    QCOMPARE(features.size(), 3);
    for (const QJsonValue& f : features)
        QCOMPARE(f["geometry"]["coordinates"].toArray().size(), withoutHeight ? 2 : 3);
    const QJsonObject reading = features[2]["properties"].toObject();
    QCOMPARE(reading["set"].toInt(), 5);
    QCOMPARE(reading["position"].toInt(), 7);
    QCOMPARE(reading["value"].toString(), QString("0.25"));
    QCOMPARE(reading["flag"].toString(), QString("box end, \"lid\""));
    QCOMPARE(reading["fix_utc"].toString(), QString("2026-12-09T10:04:05Z"));
    QCOMPARE(features[2]["geometry"]["coordinates"][1].toDouble(), 46.5012345);
    if (withoutHeight) QCOMPARE(reading["elevation_m"].toDouble(), 500.5);

    // The long table: four more columns, filled on the placed readings' rows alone.
    const QByteArray table = SurveyExport::longTable(s.store);
    const QList<QStringList> rows = parseCsv(table);
    QCOMPARE(rows.value(0).join(','), SurveyExport::kLongHeader + SurveyExport::kLongPlaceColumns);
    QCOMPARE(rows[6].mid(14),
             (QStringList{"46.5012345", "7.2512345", "500.5", "2026-12-09T10:04:05Z"}));
    QCOMPARE(rows[1].mid(14), (QStringList{"", "", "", ""}));

    // Read back from the long table and from a survey file: the same places, nowhere else.
    const QString csv = s.tmp.path() + "/placed.csv";
    const QString survey = s.tmp.path() + "/placed.orvanta";
    QVERIFY(FileCommands::writeWhole(csv, table).ok());
    QVERIFY(SurveyFile::save(s.store, survey).ok());
    for (const QString& file : {csv, survey}) {
        ReadingsStore other(s.tmp.path() + "/Other.db");
        QVERIFY(other.open().ok());
        QVERIFY(SurveyFile::openAny(other, file).ok());
        QCOMPARE(other.places().size(), 2);
        QCOMPARE(*other.place(5, 7), flagged);
        QCOMPARE(other.place(2, 3)->elevationM, second.elevationM);
        QCOMPARE(other.place(2, 3)->latitude, second.latitude);
        QVERIFY(!other.place(2, 1));
    }
}

void TestSurvey::gpxWaypointsReadBack() {
    Survey s;
    int leftOut = -1;
    const QByteArray gpx = GpxExport::waypoints(s.store, &leftOut);
    QCOMPARE(leftOut, 2);  // sets 5 and 9 hold readings and have no place
    // Read as any GPX reader would: namespace, version, one waypoint with its elements.
    QXmlStreamReader xml(gpx);
    QStringList seen;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("gpx")) {
            QCOMPARE(xml.namespaceUri(), QString("http://www.topografix.com/GPX/1/1"));
            QCOMPARE(xml.attributes().value("version"), QString("1.1"));
        } else if (xml.name() == QLatin1String("wpt")) {
            seen << xml.attributes().value("lat").toString() + ' ' +
                        xml.attributes().value("lon").toString();
        } else if (xml.name() != QLatin1String("type")) {
            seen << xml.name().toString() + '=' + xml.readElementText();
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(seen, (QStringList{"-33.2500000 151.5000000", "ele=12.0", "time=2026-12-01T08:30:00Z",
                                "name=Set 2: Hole 7, box \"A\"", "cmt=weathered,\nsecond line",
                                "desc=3 readings, median 0.00123 CGS"}));
    // A GPX reader of the system, where one is installed.
    const QString gpsbabel = QStandardPaths::findExecutable(QStringLiteral("gpsbabel"));
    if (gpsbabel.isEmpty()) QSKIP("gpsbabel is not installed");
    QTemporaryDir dir;
    QFile file(dir.filePath("sites.gpx"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(gpx) == gpx.size());
    file.close();
    QProcess reader;
    reader.start(gpsbabel, {"-i", "gpx", "-f", file.fileName(), "-o", "unicsv", "-F", "-"});
    QVERIFY(reader.waitForFinished(30000) && reader.exitCode() == 0);
    const QList<QByteArray> rows = reader.readAllStandardOutput().trimmed().split('\n');
    QCOMPARE(rows.size(), 2);
    QVERIFY2(rows[1].contains("-33.250000,151.500000") && rows[1].contains("Set 2: Hole 7"),
             rows[1].constData());
}

void TestSurvey::plotConvertsUnitsAndUsesDepth() {
    Survey s;
    QVERIFY(PlotModel::depthKnown(s.store, {2}));
    QVERIFY(!PlotModel::depthKnown(s.store, {2, 5}));
    PlotModel::Drawing drawing;
    drawing.units = Meter::Units::SI;
    drawing.byDepth = true;
    const auto series = PlotModel::build(s.store, {2, 9}, false, drawing);
    QCOMPARE(series[0].points.value(2), QPointF(11, 0.5 * 4 * M_PI));  // CGS drawn in SI
    QCOMPARE(series[1].points.size(), 0);  // no depth: not drawn against depth
    drawing.byDepth = false;
    QCOMPARE(PlotModel::build(s.store, {9}, false, drawing)[0].points.value(0), QPointF(1, 7));
    QCOMPARE(PlotModel::yLabel(Meter::Units::SI, true, {9}),
             QString("Susceptibility (SI, log scale; set 9 in units not known, as stored)"));
}

void TestSurvey::longTableReadBack_data() {
    QTest::addColumn<QString>("from");  // replaced in the long table
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("refused");  // where and why, or "" when it opens
    QTest::newRow("as written") << ""
                                << ""
                                << "";
    // A spreadsheet that saved it back: every "true" and "false" in capitals ("*": all of them).
    QTest::newRow("a spreadsheet's TRUE") << "*,true,"
                                          << ",TRUE,"
                                          << "";
    QTest::newRow("a spreadsheet's FALSE") << "*,false,"
                                           << ",FALSE,"
                                           << "";
    QTest::newRow("a value that is no reading") << ",0.25,SI,"
                                                << ",0.2x5,SI,"
                                                << "line 10, column 4 (value)";
    QTest::newRow("a set's details differ between rows") << ",0.000000,SI,,"
                                                         << ",0.000000,CGS,,"
                                                         << "line 9, column 5 (units)";
    QTest::newRow("a latitude typing refuses") << "-33.25"
                                               << "-93.25"
                                               << "column 7 (latitude)";
    QTest::newRow("a missing column") << ",false,\r\n"
                                      << ",false\r\n"
                                      << "line 2: 13 fields, not 14";
    QTest::newRow("a field too many") << ",false,\r\n"
                                      << ",false,,\r\n"
                                      << "line 2: 15 fields, not 14";
    // Written before flags were: the same table without its last column ("OLD").
    QTest::newRow("the table without flags") << "OLD"
                                             << ""
                                             << "";
    QTest::newRow("a quote left open") << "END"
                                       << "9,1,,\"0.5\r\n"
                                       << "a quoted field is not closed";
    QTest::newRow("a column missing from the header") << ",units,site,"
                                                      << ",site,"
                                                      << "column 5 is \"site\", not \"units\"";
    // A fact is put into the words once: a "%2" in it stays as the file wrote it.
    QTest::newRow("a header naming a mark") << ",units,site,"
                                            << ",%2%1,site,"
                                            << "column 5 is \"%2%1\", not \"units\"";
    // The decimal-comma form ("COMMA" first): semicolons between fields, commas in numbers.
    QTest::newRow("the decimal-comma form") << "COMMA"
                                            << ""
                                            << "";
    QTest::newRow("the decimal-comma form, a spreadsheet's TRUE") << "COMMA*;true;"
                                                                  << ";TRUE;"
                                                                  << "";
    QTest::newRow("the decimal-comma form, a value that is no reading")
        << "COMMA;0,25;SI;"
        << ";0,2x5;SI;"
        << "line 10, column 4 (value)";
    QTest::newRow("not the long table's header") << "set,position"
                                                 << "set,pos"
                                                 << "is not a data file";
    QTest::newRow("completeness differs between rows") << ",0.000000,SI,,,,,,,,true,"
                                                       << ",0.000000,SI,,,,,,,,false,"
                                                       << "column 13 (complete)";
    QTest::newRow("a byte order mark")
        << "set,position" << QChar(0xFEFF) + QString("set,position") << "";
    QTest::newRow("a header alone") << "ROWS"
                                    << ""
                                    << "line 2: the table has no rows";
    QTest::newRow("a depth of 1e308") << "\n2,1,10,"
                                      << "\n2,1,1e308,"
                                      << "is beyond 100000 m";
    QTest::newRow("text that is not UTF-8") << "Hole 7"
                                            << "BADUTF8"
                                            << "line 2: the text is not UTF-8";
    QTest::newRow("a NUL in a site") << "Hole 7" << QString("Hole") + QChar(0) + "7"
                                     << "holds a control character (U+0000)";
}

void TestSurvey::longTableReadBack() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, refused);
    Survey s;
    const QString file = s.tmp.path() + "/long.csv";
    if (from == "OLD") QVERIFY(s.store.setFlag(5, 7, QString()).ok());
    const bool comma = from.startsWith("COMMA");
    if (comma) from = from.mid(5);
    QByteArray bytes = SurveyExport::longTable(s.store, comma);
    if (comma) QVERIFY(bytes.startsWith("set;position;depth_m;value;") && bytes.contains(";0,5;"));
    if (from == "OLD") {
        bytes.replace(",flag\r\n", "\r\n");
        bytes.replace(",\r\n", "\r\n");
    } else if (from == "ROWS") {
        bytes.truncate(bytes.indexOf("\r\n") + 2);
    } else if (from == "END") {
        bytes += to.toUtf8();
    } else if (from.startsWith('*')) {
        QVERIFY2(bytes.contains(from.mid(1).toUtf8()), qPrintable(from));
        bytes.replace(from.mid(1).toUtf8(), to.toUtf8());
    } else if (!from.isEmpty()) {
        QVERIFY2(bytes.contains(from.toUtf8()), qPrintable(from));
        bytes.replace(bytes.indexOf(from.toUtf8()), from.toUtf8().size(),
                      to == "BADUTF8" ? QByteArray("Hole \xff") : to.toUtf8());
    }
    QVERIFY(FileCommands::writeWhole(file, bytes).ok());
    ReadingsStore other(s.tmp.path() + "/Other.db");
    QVERIFY(other.open().ok());
    QVERIFY(other.writeReading(30, 128, "9.9").ok());
    const FileOutcome opened = SurveyFile::openAny(other, file);
    if (!refused.isEmpty()) {
        QVERIFY(!opened.ok());
        QVERIFY2(Msg::forFile(opened).contains(refused), qPrintable(Msg::forFile(opened)));
        QCOMPARE(other.reading(30, 128), QString("9.9"));  // nothing changed
        return;
    }
    QVERIFY2(opened.ok(), qPrintable(Msg::forFile(opened)));
    for (int set = 1; set <= 30; ++set)
        for (int p = 1; p <= 128; ++p) {
            QCOMPARE(other.countsAsReading(set, p), s.store.countsAsReading(set, p));
            if (s.store.holdsReading(set, p))
                QCOMPARE(other.reading(set, p), s.store.reading(set, p));
        }
    QCOMPARE(other.flag(5, 7), s.store.flag(5, 7));
    QCOMPARE(other.held(5, 2), ReadingsStore::Held::Reading);  // the zero the meter sent
    SetDetails expected = s.details2;
    expected.device.clear();  // the long table carries no device nor unreadable count
    expected.unreadable = 0;
    QCOMPARE(other.details(2), expected);
    QCOMPARE(other.setUnits(5), std::optional<Meter::Units>(Meter::Units::SI));
}

void TestSurvey::longTableDepthsAndPositions_data() {
    // Rows of set 9 as "position:depth" (depth may be empty); the set's depth and spacing read
    // back ("-" none), or where and why the table is refused.
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("depth");
    QTest::addColumn<QString>("spacing");
    QTest::addColumn<QString>("refused");
    QTest::newRow("no depth") << "1:,2:"
                              << "-"
                              << "-"
                              << "";
    QTest::newRow("one depth at position 1") << "1:10,2:"
                                             << "10"
                                             << "-"
                                             << "";
    QTest::newRow("one depth further down") << "1:,3:10"
                                            << "-"
                                            << "-"
                                            << "";
    QTest::newRow("two depths apart") << "2:10.5,4:11.5"
                                      << "10"
                                      << "0.5"
                                      << "";
    QTest::newRow("a depth off the line by 1 mm") << "1:10,2:10.5,3:11.001"
                                                  << ""
                                                  << ""
                                                  << "do not follow one depth and spacing";
    QTest::newRow("depths going up") << "1:10,2:9.5"
                                     << ""
                                     << ""
                                     << "the depths of set 9 go up";
    QTest::newRow("a depth beyond the largest") << "1:200000"
                                                << ""
                                                << ""
                                                << "column 3 (depth_m): 200000 is beyond";
    QTest::newRow("position 128") << "128:"
                                  << "-"
                                  << "-"
                                  << "";
    QTest::newRow("position 129") << "129:"
                                  << ""
                                  << ""
                                  << "column 2 (position)";
    QTest::newRow("position 0") << "0:"
                                << ""
                                << ""
                                << "column 2 (position)";
    QTest::newRow("a mark opening a later line") << "1:,MARK2:"
                                                 << ""
                                                 << ""
                                                 << "line 3, column 1 (set)";
    // Every position of every set, then one row more.
    QTest::newRow("more rows than a survey holds") << "ALL"
                                                   << ""
                                                   << ""
                                                   << "line 3842: more rows than 30 sets";
    QTest::newRow("a position twice") << "3:,3:"
                                      << ""
                                      << ""
                                      << "line 3, column 2 (position): the position comes twice";
}

void TestSurvey::longTableDepthsAndPositions() {
    QFETCH(QString, rows);
    QFETCH(QString, depth);
    QFETCH(QString, spacing);
    QFETCH(QString, refused);
    QTemporaryDir tmp;
    QByteArray bytes = SurveyExport::kLongHeader.toUtf8() + "\r\n";
    for (const QString& row : rows.split(',')) {
        const QStringList at = row.split(':');
        if (row == "ALL") {
            for (int set = 1; set <= 30; ++set)
                for (int p = 1; p <= 128; ++p)
                    bytes +=
                        QStringLiteral("%1,%2,,0.5,,,,,,,,,true,\r\n").arg(set).arg(p).toUtf8();
            bytes += "1,1,,0.5,,,,,,,,,true,\r\n";
        } else if (row.startsWith("MARK")) {
            bytes += "\xEF\xBB\xBF" +
                     QStringLiteral("9,%1,,0.5,,,,,,,,,true,\r\n").arg(at[0].mid(4)).toUtf8();
        } else {
            bytes += QStringLiteral("9,%1,%2,0.5,,,,,,,,,true,\r\n").arg(at[0], at[1]).toUtf8();
        }
    }
    const QString file = tmp.path() + "/long.csv";
    QVERIFY(FileCommands::writeWhole(file, bytes).ok());
    ReadingsStore store(tmp.path() + "/Readings.db");
    QVERIFY(store.open().ok());
    const FileOutcome opened = SurveyFile::openAny(store, file);
    QVERIFY2(Msg::forFile(opened).contains(refused), qPrintable(Msg::forFile(opened)));
    QCOMPARE(opened.ok(), refused.isEmpty());
    if (!opened.ok()) return;
    const auto shown = [](std::optional<double> v) {
        return v ? QString::number(*v) : QStringLiteral("-");
    };
    QCOMPARE(shown(store.details(9).depthM), depth);
    QCOMPARE(shown(store.details(9).spacingM), spacing);
    QCOMPARE(store.readingCount(9), static_cast<int>(rows.count(',') + 1));
}

void TestSurvey::lasDepthSteps_data() {
    // Set 8's depth and spacing, and its positions holding readings ("u" unreadable); the
    // log's start, stop and step, or "refused".
    QTest::addColumn<double>("depth");
    QTest::addColumn<double>("spacing");
    QTest::addColumn<QString>("held");
    QTest::addColumn<QString>("steps");
    QTest::newRow("spacing 0") << 1.0 << 0.0 << "1"
                               << "refused";
    QTest::newRow("spacing below 0") << 1.0 << -0.5 << "1"
                                     << "refused";
    QTest::newRow("a depth a hair above zero") << -0.00001 << 0.5 << "1,3"
                                               << "0.0000 1.0000 0.5000";
    QTest::newRow("sums with binary noise") << 0.1 << 0.2 << "4"
                                            << "0.1000 0.7000 0.2000";
    QTest::newRow("an unreadable last position") << 2.0 << 1.0 << "1,2,5u"
                                                 << "2.0000 3.0000 1.0000";
}

void TestSurvey::lasDepthSteps() {
    QFETCH(double, depth);
    QFETCH(double, spacing);
    QFETCH(QString, held);
    QFETCH(QString, steps);
    Survey s;
    SetDetails d;
    d.depthM = depth;
    d.spacingM = spacing;
    QVERIFY(s.store.setDetails(8, d).ok());
    for (const QString& p : held.split(','))
        QVERIFY(p.endsWith('u') ? s.store.markUnreadable(8, p.chopped(1).toInt()).ok()
                                : s.store.writeReading(8, p.toInt(), "0.5").ok());
    Reason why;
    const Las las(LasExport::build(s.store, 8, &why));
    const QString got =
        why ? QStringLiteral("refused")
            : QStringList{las.data("W.STRT"), las.data("W.STOP"), las.data("W.STEP")}.join(' ');
    QCOMPARE(got, steps);
}

void TestSurvey::lasLogsReadBack_data() {
    QTest::addColumn<int>("set");
    QTest::addColumn<QString>("refused");  // the reason, or "" for a log
    QTest::newRow("a set with depth and spacing") << 2 << "";
    QTest::newRow("no depth") << 5 << "has no depth and spacing";
    QTest::newRow("no reading") << 7 << "holds no reading";
}

void TestSurvey::lasLogsReadBack() {
    QFETCH(int, set);
    QFETCH(QString, refused);
    Survey s;
    SetDetails placed;
    placed.depthM = 1;
    placed.spacingM = 1;
    QVERIFY(s.store.setDetails(7, placed).ok());
    // Position 4 holds nothing and position 5 a reading: the log runs to 5 with a NULL between.
    QVERIFY(s.store.markUnreadable(2, 4).ok());
    QVERIFY(s.store.writeReading(2, 5, "0.000000").ok());
    QVERIFY(s.store.writeReading(2, 6, "0.9").ok());
    QVERIFY(s.store.setFlag(2, 6, "broken core").ok());  // a NULL in the log, as a gap
    SetDetails noted = s.store.details(2);
    noted.notes = "box 1: north end";
    noted.downloadedUtc = QDateTime(QDate(2026, 12, 8), QTime(11, 29, 6), Qt::UTC);
    QVERIFY(s.store.setDetails(2, noted).ok());
    Reason why;
    const QByteArray bytes = LasExport::build(s.store, set, &why);
    if (!refused.isEmpty()) {
        QVERIFY(bytes.isEmpty());
        QVERIFY2(Msg::why(why).contains(refused), qPrintable(Msg::why(why)));
        return;
    }
    const Las las(bytes);
    QVERIFY(las.ok);
    QCOMPARE(las.data("V.VERS"), QString("2.0"));
    QCOMPARE(las.data("V.WRAP"), QString("NO"));
    QCOMPARE(las.data("W.STRT"), QString("10.0000"));
    QCOMPARE(las.data("W.STOP"), QString("12.5000"));
    QCOMPARE(las.data("W.STEP"), QString("0.5000"));
    QCOMPARE(las.header.value("W.STRT").first, QString("M"));
    QCOMPARE(las.data("W.NULL"), QString("-999.25"));
    QCOMPARE(las.data("W.WELL"), s.details2.site);
    QCOMPARE(las.data("W.LOC"), QString("-33.25 151.5"));
    QCOMPARE(las.data("P.OPER"), QString("Zo\u00eb"));
    // One colon a header line: readers that split at the first and at the last read alike.
    for (const QByteArray& header : bytes.left(bytes.indexOf("~A")).split('\n'))
        if (!header.startsWith('~') && !header.isEmpty()) QCOMPARE(header.count(':'), 1);
    QCOMPARE(las.data("P.NOTE"), QString("box 1; north end"));
    QCOMPARE(las.data("W.DATE"), QString("20261208T112906Z"));
    QCOMPARE(las.curves, (QStringList{"DEPT", "SUSC"}));
    QCOMPARE(las.curveUnits, (QStringList{"M", "CGS"}));
    const QList<QStringList> expected{{"10.0000", "0.001230"}, {"10.5000", "-1.5E-03"},
                                      {"11.0000", "0.5"},      {"11.5000", "-999.25"},
                                      {"12.0000", "0.000000"}, {"12.5000", "-999.25"}};
    QCOMPARE(las.rows, expected);
}

void TestSurvey::typedTextsStayText_data() {
    // What a user (or a hostile file) types that a spreadsheet would run as a formula.
    QTest::addColumn<QString>("text");
    QTest::newRow("a command") << "=cmd|' /C calc'!A0";
    QTest::newRow("a function") << "@SUM(A1)";
    QTest::newRow("a sum") << "+1+1";
    QTest::newRow("a minus") << "-2+3";
    QTest::newRow("an apostrophe already") << "'=A1";
    QTest::newRow("two apostrophes") << "''@x";
    QTest::newRow("an apostrophe, then text") << "'quoted' site";
}

void TestSurvey::typedTextsStayText() {
    QFETCH(QString, text);
    Survey s;
    SetDetails d = s.store.details(2);
    d.site = text;
    d.operatorName = text;
    d.notes = text;
    QVERIFY(s.store.setDetails(2, d).ok());
    QVERIFY(s.store.setFlag(2, 1, text).ok());
    const QByteArray bytes = SurveyExport::longTable(s.store);
    const QStringList header = parseCsv(bytes).first();
    for (const QStringList& row : parseCsv(bytes).mid(1))
        for (const char* column : {"site", "operator", "notes", "flag"}) {
            const QString field = row.value(header.indexOf(column));
            QVERIFY2(field.isEmpty() || !QString("=+-@").contains(field[0]), qPrintable(field));
        }
    const QString file = s.tmp.path() + "/long.csv";
    QVERIFY(FileCommands::writeWhole(file, bytes).ok());
    ReadingsStore other(s.tmp.path() + "/Other.db");
    QVERIFY(other.open().ok());
    QVERIFY(SurveyFile::openAny(other, file).ok());
    QCOMPARE(other.details(2).site, text);
    QCOMPARE(other.details(2).operatorName, text);
    QCOMPARE(other.details(2).notes, text);
    QCOMPARE(other.flag(2, 1), text);
}

void TestSurvey::factsCountFlaggedReadings() {
    // Set 5 holds 2, 0.000000 and 0.25, that one flagged.
    Survey s;
    const QString readings = SurveyExport::factLines(s.store, 5).filter("Readings:").value(0);
    QCOMPARE(readings, QString("Readings: 3, 1 flagged"));
    QCOMPARE(SetStatistics::of(s.store, 5).count, 2);
}

void TestSurvey::workCopiesStayPrivateAndGo() {
    TestEnv env;
    Survey s;
    const QString cache = env.root() + "/cache/Orvanta";
    // A survey is built in a work folder of the user's own, never a shared /tmp, and not left.
    QVERIFY(SurveyFile::save(s.store, s.tmp.path() + "/a.orvanta").ok());
    QCOMPARE(QFile::permissions(cache) & (QFile::ReadOther | QFile::ReadGroup),
             QFile::Permissions());
    QCOMPARE(QDir(cache).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList());
    // Opened from memory, a survey needs no work folder; one a tool left in WAL mode opens.
    runSql(s.tmp.path() + "/a.orvanta", {"PRAGMA journal_mode=WAL"});
    ReadingsStore other(s.tmp.path() + "/Other.db");
    QVERIFY(other.open().ok());
    QVERIFY(SurveyFile::open(other, s.tmp.path() + "/a.orvanta").ok());
    QCOMPARE(other.reading(5, 7), QString("0.25"));
    QCOMPARE(QDir(cache).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList());
    // What a killed program left goes at the next start; a fresh one (being read now) stays.
    QVERIFY(QDir().mkpath(cache + "/work-killed") && QDir().mkpath(cache + "/work-running"));
    QCOMPARE(QProcess::execute("touch", {"-d", "1 hour ago", cache + "/work-killed"}), 0);
    Paths::removeStaleWorkFolders();
    QCOMPARE(QDir(cache).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"work-running"});
}

QTEST_GUILESS_MAIN(TestSurvey)
#include "test_survey.moc"
