// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "core/protocol/Commands.h"
#include "core/compat/Conversions.h"
#include "core/compat/ErrorCodes.h"
#include "core/protocol/ReceiveEngine.h"
#include "StreamCase.h"

namespace {
/** Records every call the engine makes, in order. */
class RecordingHost : public ReceiveHost {
public:
    explicit RecordingHost(DownloadState& m) : main(m) {}
    void ShowUnitsText() override { calls << "ShowUnitsText"; }
    void ShowModeText() override { calls << "ShowModeText"; }
    void ShowBandUnits() override { calls << "ShowBandUnits"; }
    void ShowSetNumber() override { calls << "ShowSetNumber"; }
    void ShowReadingNumber() override { calls << "ShowReadingNumber"; }
    void ShowBeeperState(int code) override { calls << QStringLiteral("ShowBeeperState(%1)").arg(code); }
    void ShowLiveValue(double v) override { calls << QStringLiteral("ShowLiveValue(%1)").arg(v, 0, 'g', 15); }
    void StoreReading() override {
        calls << QStringLiteral("Store(%1,%2,%3)").arg(main.mSetNumber).arg(main.mReadingNumber).arg(main.mReadingText);
    }
    void FinishDownload() override { calls << "FinishDownload"; }
    DownloadState& main;
    QStringList calls;
};

QString stateValue(const QString& key, const ReceiveState& st, const SessionState& v, const DownloadState& m) {
    auto b = [](bool x) { return QString::number(x ? 1 : 0); };
    if (key == "InDownload") return b(st.InDownload);
    if (key == "InSetHeader") return b(st.InSetHeader);
    if (key == "InValue") return b(st.InValue);
    if (key == "ReturnCount") return QString::number(st.ReturnCount);
    if (key == "ExpectUnits") return b(st.ExpectUnits);
    if (key == "ExpectMode") return b(st.ExpectMode);
    if (key == "ExpectSetByte") return b(st.ExpectSetByte);
    if (key == "ExpectReadingByte") return b(st.ExpectReadingByte);
    if (key == "ExpectBeeper") return b(st.ExpectBeeper);
    if (key == "UnitsCode") return QString::number(v.UnitsCode);
    if (key == "ModeCode") return QString::number(v.ModeCode);
    if (key == "BeeperCode") return QString::number(v.BeeperCode);
    if (key == "UnitsText") return v.UnitsText;
    if (key == "ModeText") return v.ModeText;
    if (key == "MeterSetText") return v.MeterSetText;
    if (key == "MeterReadingText") return v.MeterReadingText;
    if (key == "mSetNumber") return QString::number(m.mSetNumber);
    if (key == "mReadingNumber") return QString::number(m.mReadingNumber);
    if (key == "mProgressCount") return QString::number(m.mProgressCount);
    return QStringLiteral("<unknown key %1>").arg(key);
}
}  // namespace

class TestProtocol : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void streams_data();
    void streams();
    void selectedSetCommand_data();
    void selectedSetCommand();
    void conversions_data();
    void conversions();
    void readingNumberOverflowAbandonsValue();
};

void TestProtocol::streams_data() {
    QTest::addColumn<int>("index");
    const auto cases = StreamCase::loadAll(QStringLiteral(ORVANTA_TEST_DATA "/streams"));
    QVERIFY(cases.size() >= 20);
    for (int i = 0; i < cases.size(); ++i) QTest::newRow(qPrintable(cases[i].name)) << i;
}

void TestProtocol::streams() {
    QFETCH(int, index);
    const StreamCase c = StreamCase::loadAll(QStringLiteral(ORVANTA_TEST_DATA "/streams")).at(index);
    SessionState vars;
    DownloadState main;
    vars.ReadingMode = c.modes.value("ReadingMode") == "1";
    vars.DownloadMode = c.modes.value("DownloadMode") == "1";
    ReceiveState st;
    RecordingHost host(main);
    for (char byte : c.bytes) FeedChar(QChar(static_cast<uchar>(byte)), st, vars, main, host);
    QCOMPARE(host.calls, c.calls);
    for (auto it = c.state.begin(); it != c.state.end(); ++it)
        QCOMPARE(stateValue(it.key(), st, vars, main), it.value());
}

void TestProtocol::selectedSetCommand_data() {
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("1") << "1" << QByteArray("S01");
    QTest::newRow("7") << "7" << QByteArray("S07");
    QTest::newRow("12") << "12" << QByteArray("S12");
    QTest::newRow("30") << "30" << QByteArray("S30");
}

void TestProtocol::selectedSetCommand() {
    QFETCH(QString, selected);
    QFETCH(QByteArray, bytes);
    QCOMPARE(Command::DownloadSelectedSet(selected), bytes);
}

void TestProtocol::conversions_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");  // -1: the conversion fails
    QTest::newRow("digits") << "03" << 3;
    QTest::newRow("spaces") << " 12 " << 12;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("letters") << "1a" << -1;
    QTest::newRow("half to even") << "2.5" << 2;
    QTest::newRow("overflow") << "40000" << -1;
}

void TestProtocol::conversions() {
    QFETCH(QString, text);
    QFETCH(int, value);
    if (value < 0) {
        QVERIFY_THROWS_EXCEPTION(VbError, ToInteger(text));
    } else {
        QCOMPARE(int(ToInteger(text)), value);
    }
}

void TestProtocol::readingNumberOverflowAbandonsValue() {
    SessionState vars;
    DownloadState main;
    ReceiveState st;
    st.InDownload = true;
    main.mSetNumber = 2;
    main.mReadingNumber = 32767;
    RecordingHost host(main);
    QCOMPARE(FeedChar(QChar('5'), st, vars, main, host), FeedResult::Taken);
    QCOMPARE(FeedChar(QChar('\n'), st, vars, main, host), FeedResult::Malformed);
    QVERIFY(host.calls.isEmpty());
    QCOMPARE(int(main.mReadingNumber), 32767);
    QVERIFY(!st.InValue);
}

QTEST_GUILESS_MAIN(TestProtocol)
#include "test_protocol.moc"
