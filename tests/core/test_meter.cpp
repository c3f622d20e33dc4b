// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "StreamCase.h"
#include "core/meter/Commands.h"
#include "core/meter/DownloadValue.h"
#include "core/meter/Numbers.h"
#include "core/meter/ReceiveEngine.h"

namespace {
/** Records every call the engine makes, in order. */
class RecordingHost : public ReceiveHost {
public:
    explicit RecordingHost(const DownloadPosition& d) : download(d) {}
    void liveUnitsReported() override { calls << "liveUnitsReported"; }
    void liveModeReported() override { calls << "liveModeReported"; }
    void downloadUnitsReported() override { calls << "downloadUnitsReported"; }
    void meterSetReported() override { calls << "meterSetReported"; }
    void meterReadingReported() override { calls << "meterReadingReported"; }
    void beeperReported(int code) override {
        calls << QStringLiteral("beeperReported(%1)").arg(code);
    }
    void ShowLiveValue(double v, const QString&) override {
        calls << QStringLiteral("ShowLiveValue(%1)").arg(v, 0, 'g', 15);
    }
    void StoreReading(int set, int position, const QString& text, const QString&) override {
        calls << QStringLiteral("Store(%1,%2,%3)").arg(set).arg(position).arg(text);
    }
    void skipUnreadable(int set, int position) override {
        calls << QStringLiteral("Unreadable(%1,%2)").arg(set).arg(position);
    }
    void FinishDownload() override { calls << "FinishDownload"; }
    const DownloadPosition& download;
    QStringList calls;
};

QString stateValue(const QString& key, const ReceiveEngine& e, const MeterReport& r) {
    auto b = [](bool x) { return QString::number(x ? 1 : 0); };
    const ReceiveState& st = e.state;
    const QMap<QString, QString> values{
        {"inDownload", b(st.inDownload)},
        {"inSetHeader", b(st.inSetHeader)},
        {"inValue", b(st.inValue)},
        {"returnCount", QString::number(st.returnCount)},
        {"expectUnits", b(st.expectUnits)},
        {"expectMode", b(st.expectMode)},
        {"expectSetByte", b(st.expectSetByte)},
        {"expectReadingByte", b(st.expectReadingByte)},
        {"expectBeeper", b(st.expectBeeper)},
        {"units", Meter::unitsName(r.units())},
        {"mode", r.mode == Meter::Mode::Step ? QStringLiteral("Step") : QStringLiteral("Scan")},
        {"beeper", QString::number(r.beeper)},
        {"meterSet", QString::number(r.set)},
        {"meterReading", QString::number(r.reading)},
        {"set", QString::number(e.download.set)},
        {"position", QString::number(e.download.position)},
        {"received", QString::number(e.download.received)},
    };
    return values.value(key, QStringLiteral("<unknown key %1>").arg(key));
}
}  // namespace

class TestMeter : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void streams_data();
    void streams();
    void selectedSetCommand_data();
    void selectedSetCommand();
    void conversions_data();
    void conversions();
    void realsReadAsTheLocaleReadsThem();
    void downloadValues_data();
    void downloadValues();
    void readingNumberOverflowAbandonsValue();
    void meterFormFaults_data();
    void meterFormFaults();
};

void TestMeter::streams_data() {
    QTest::addColumn<int>("index");
    const auto cases = StreamCase::loadAll(QStringLiteral(ORVANTA_TEST_DATA "/streams"));
    QVERIFY(cases.size() >= 20);
    for (int i = 0; i < cases.size(); ++i) QTest::newRow(qPrintable(cases[i].name)) << i;
}

void TestMeter::streams() {
    QFETCH(int, index);
    const StreamCase c =
        StreamCase::loadAll(QStringLiteral(ORVANTA_TEST_DATA "/streams")).at(index);
    const QString asked = c.modes.value("lastRequest");
    const Request request = asked == "Live"       ? Request::Live
                            : asked == "Download" ? Request::Download
                                                  : Request::None;
    ReceiveEngine engine;
    MeterReport report;
    RecordingHost host(engine.download);
    for (char byte : c.bytes)
        engine.FeedChar(QChar(static_cast<uchar>(byte)), request, report, host);
    QCOMPARE(host.calls, c.calls);
    for (auto it = c.state.begin(); it != c.state.end(); ++it)
        QCOMPARE(stateValue(it.key(), engine, report), it.value());
}

void TestMeter::downloadValues_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("positions");
    QTest::addColumn<QString>("reading");  // "" for unreadable
    QTest::newRow("the meter's form") << "0.001230" << 1 << "0.001230";
    QTest::newRow("negative, short, no leading zero") << "-.5" << 1 << "-.5";
    QTest::newRow("padding trimmed") << " 2.5\t" << 1 << "2.5";
    QTest::newRow("two run together") << "0.0012300.004560" << 2 << "";
    QTest::newRow("three run together, one negative") << "1.000001-0.0000022.000003" << 3 << "";
    QTest::newRow("points that do not split into values") << "1.2.3" << 1 << "";
    QTest::newRow("lost decimal point") << "0395065" << 1 << "";
    QTest::newRow("a whole number") << "7" << 1 << "";
    QTest::newRow("an exponent") << "1.5e-3" << 1 << "";
    QTest::newRow("largest size") << "999.999999" << 1 << "999.999999";
    QTest::newRow("beyond every range") << "1000.000000" << 1 << "";
    QTest::newRow("not a number") << "abc" << 1 << "";
    QTest::newRow("a sign and a point alone") << "-." << 1 << "";
    QTest::newRow("a point at the end") << "5." << 1 << "5.";
    QTest::newRow("leading zeros are no size") << "0000012.5" << 1 << "0000012.5";
    QTest::newRow("a thousand to a double") << "999.99999999999999999999999999999999" << 1 << "";
    QTest::newRow("padding inside") << "0.12 34" << 1 << "";
    QTest::newRow("digits of another script") << QString::fromUtf8("\u0661.5") << 1 << "";
}

void TestMeter::downloadValues() {
    QFETCH(QString, line);
    QFETCH(int, positions);
    QFETCH(QString, reading);
    const DownloadValue v = DownloadValue::of(line);
    QCOMPARE(v.positions, positions);
    QCOMPARE(v.readable, !reading.isEmpty());
    if (v.readable) QCOMPARE(v.text, reading);
}

void TestMeter::selectedSetCommand_data() {
    QTest::addColumn<int>("selected");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("1") << 1 << QByteArray("S01");
    QTest::newRow("7") << 7 << QByteArray("S07");
    QTest::newRow("12") << 12 << QByteArray("S12");
    QTest::newRow("30") << 30 << QByteArray("S30");
}

void TestMeter::selectedSetCommand() {
    QFETCH(int, selected);
    QFETCH(QByteArray, bytes);
    QCOMPARE(Command::DownloadSelectedSet(selected), bytes);
}

void TestMeter::conversions_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");  // -1: the conversion fails
    QTest::newRow("digits") << "03" << 3;
    QTest::newRow("spaces") << " 12 " << 12;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("letters") << "1a" << -1;
    QTest::newRow("half to even") << "2.5" << 2;
    QTest::newRow("overflow") << "40000" << -1;
    QTest::newRow("the largest") << "32767" << 32767;
    QTest::newRow("one past the largest") << "32768" << -1;
    QTest::newRow("one below the smallest") << "-32769" << -1;
}

void TestMeter::conversions() {
    QFETCH(QString, text);
    QFETCH(int, value);
    const std::optional<std::int16_t> n = Numbers::toInt16(text);
    QCOMPARE(n.has_value(), value >= 0);
    if (n) QCOMPARE(int(*n), value);
}

void TestMeter::realsReadAsTheLocaleReadsThem() {
    // Plain decimals are read without the locale: every text reads as the C locale reads it.
    const QLocale c = QLocale::c();
    for (const char* const latin :
         {"0.001230", "-.5", "5.", " 2.5\t", "00012.000100", "-0.000000", "1e3", "+1.5", "1,5", "",
          ".", "-", "--5", "1.2.3", "0.1000000000000000055511151231257827",
          "123456789012345678901234567890123456789012.5", "9007199254740993.0"}) {
        const QString text = QString::fromLatin1(latin);
        bool ok = false;
        const double expected = c.toDouble(text.trimmed(), &ok);
        const std::optional<double> got = Numbers::toReal(text);
        QVERIFY2(got.has_value() == (ok && std::isfinite(expected)), qPrintable(text));
        if (got) QVERIFY2(*got == expected, qPrintable(text));
    }
}

void TestMeter::readingNumberOverflowAbandonsValue() {
    ReceiveEngine engine;
    MeterReport report;
    engine.state.inDownload = true;
    engine.download.set = 2;
    engine.download.position = 32767;
    RecordingHost host(engine.download);
    QCOMPARE(engine.FeedChar(QChar('5'), Request::Download, report, host), FeedResult::Taken);
    QCOMPARE(engine.FeedChar(QChar('\n'), Request::Download, report, host), FeedResult::Malformed);
    QVERIFY(host.calls.isEmpty());
    QCOMPARE(engine.download.position, 32767);
    QVERIFY(!engine.state.inValue);
}

void TestMeter::meterFormFaults_data() {
    // One value of the meter's ("0.361707") after one or two line faults.
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("positions");
    QTest::addColumn<QString>("fault");  // what the flag says; "" in the meter's form
    QTest::newRow("as sent") << "0.361707" << 1 << "";
    QTest::newRow("negative, as sent") << "-0.000970" << 1 << "";
    QTest::newRow("a byte lost") << "0.36177" << 1 << "5 decimals";
    QTest::newRow("two bytes lost") << "0.3617" << 1 << "4 decimals";
    QTest::newRow("a zero doubled") << "0.0000970" << 1 << "7 decimals";
    QTest::newRow("a leading zero doubled") << "00.361707" << 1 << "a doubled leading zero";
    QTest::newRow("a short value, as hand-made streams write") << "1.5" << 1 << "";
    QTest::newRow("the whole digit lost") << ".019285" << 1 << "no digit before the point";
    QTest::newRow("a short value without one") << "-.5" << 1 << "";
    QTest::newRow("a point and a line feed lost") << "01875122.306768" << 2 << "";
    QTest::newRow("a line feed and a byte lost") << "0.123450.234567" << 2 << "";
    QTest::newRow("a line feed lost, a byte doubled") << "0.1234566.234567" << 2 << "";
    QTest::newRow("two points and a line feed lost") << "01234560234567" << 2 << "";
    QTest::newRow("three run together, a point lost") << "0.1234560234567.345678" << 3 << "";
    QTest::newRow("a doubled point is one value") << "0..361707" << 1 << "";
    QTest::newRow("a negative value's leading zero doubled")
        << "-00.361707" << 1 << "a doubled leading zero";
    // Where the two ways of counting run-together values differ, the exact split wins.
    QTest::newRow("two of the largest run together") << "999.999999999.999999" << 2 << "";
    QTest::newRow("a doubled point between two values") << "0.0012300..004560" << 2 << "";
    QTest::newRow("a point and a line feed lost, 13 digits") << "1875122.306768" << 2 << "";
    QTest::newRow("two values two digits short, run together") << "0.00123.004560" << 2 << "";
    QTest::newRow("a short value and a negative one run together") << "0.12345-0.123456" << 2 << "";
    QTest::newRow("noise far longer than values") << QString(60, '7') << 1 << "";
}

void TestMeter::meterFormFaults() {
    QFETCH(QString, line);
    QFETCH(int, positions);
    QFETCH(QString, fault);
    const DownloadValue v = DownloadValue::of(line);
    QCOMPARE(v.positions, positions);
    if (positions > 1) QVERIFY(!v.readable);  // its values cannot be told apart
    QCOMPARE(v.formFault.isEmpty(), fault.isEmpty());
    if (!fault.isEmpty()) QVERIFY2(v.formFault.startsWith(fault), qPrintable(v.formFault));
    if (!fault.isEmpty()) QCOMPARE(v.text, line);  // kept as the meter's text, flagged
}

QTEST_GUILESS_MAIN(TestMeter)
#include "test_meter.moc"
