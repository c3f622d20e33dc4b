// SPDX-License-Identifier: GPL-3.0-or-later
// The GPS receiver on a real pseudo-terminal speaking NMEA: fixes, no fix, bad checksums, a
// receiver that goes quiet, one that goes away and comes back.
#include <QFile>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

#include "Nmea.h"
#include "Pty.h"
#include "TestEnv.h"
#include "core/gps/GpsReceiver.h"

class TestGps : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sentencesGiveTheFix_data();
    void sentencesGiveTheFix();
    void quietReceiverIsToldAndItsFixGetsOld();
    void receiverThatGoesAwayIsTakenUpAgain();
};

void TestGps::sentencesGiveTheFix_data() {
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<int>("dimensions");  // 0: no current fix
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<QString>("elevation");  // empty: none
    QTest::addColumn<int>("satellites");
    const QByteArray fix =
        Nmea::gga("GP", 47.385, 8.5275, 412.3, 9) + Nmea::rmc("GP", 47.385, 8.5275);
    QTest::newRow("GGA and RMC, 3D") << fix << 3 << 47.385 << 8.5275 << "412.3" << 9;
    // A receiver set to send GGA only: its fix counts at once, with no date and no next second.
    QTest::newRow("GGA alone") << Nmea::gga("GP", 47.385, 8.5275, 412.3, 9) << 3 << 47.385 << 8.5275
                               << "412.3" << 9;
    QTest::newRow("RMC alone: 2D")
        << Nmea::rmc("GP", 47.385, 8.5275) << 2 << 47.385 << 8.5275 << "" << 0;
    QTest::newRow("another talker, south and west")
        << Nmea::gga("GN", -33.8568, -70.6483, 521.0, 12) + Nmea::rmc("GN", -33.8568, -70.6483) << 3
        << -33.8568 << -70.6483 << "521" << 12;
    // A multi-constellation receiver: text, satellites in view, course, GLL, a GSA line for each
    // system (NMEA 4.1's system id last), lower-case checksums: none of it disturbs the fix.
    QByteArray chatty = Nmea::sentence("GNTXT,01,01,02,ANTSTATUS=OK") +
                        Nmea::sentence("GPGSV,3,1,11,05,45,120,40,13,30,200,38,15,60,300,42") +
                        Nmea::sentence("GLGSV,1,1,02,65,30,040,33,66,55,110,36") +
                        Nmea::sentence("GNVTG,,T,,M,0.012,N,0.022,K,A") +
                        Nmea::sentence("GNGLL,3351.4080,S,07038.8980,W,101010.00,A,A") +
                        Nmea::sentence("GNGSA,A,3,05,13,15,,,,,,,,,,1.6,0.9,1.3,1") +
                        Nmea::sentence("GNGSA,A,3,65,66,,,,,,,,,,,1.6,0.9,1.3,2");
    for (qsizetype star = chatty.indexOf('*'); star >= 0; star = chatty.indexOf('*', star + 1))
        chatty.replace(star + 1, 2, chatty.mid(star + 1, 2).toLower());
    QTest::newRow("a multi-constellation receiver")
        << chatty + Nmea::gga("GN", -33.8568, -70.6483, 521.0, 12) +
               Nmea::rmc("GN", -33.8568, -70.6483)
        << 3 << -33.8568 << -70.6483 << "521" << 12;
    QTest::newRow("a 2D fix says so in GSA")
        << Nmea::sentence("GPGSA,A,2,04,05,09,,,,,,,,,,2.5,1.3,2.1") + fix << 2 << 47.385 << 8.5275
        << "" << 9;
    QTest::newRow("quality 0: no fix")
        << Nmea::gga("GP", 47.385, 8.5275, 412.3, 3, 0) << 0 << 0.0 << 0.0 << "" << 3;
    QByteArray bad = Nmea::gga("GP", 47.385, 8.5275, 412.3, 9);
    bad[bad.indexOf('*') + 1] = bad[bad.indexOf('*') + 1] == '0' ? '1' : '0';
    QTest::newRow("a wrong checksum is no sentence")
        << bad + Nmea::sentence("GPGSA,A,1,,,,,,,,,,,,,,,") << 0 << 0.0 << 0.0 << "" << 0;
    QTest::newRow("fix lost") << fix + Nmea::gga("GP", 47.385, 8.5275, 412.3, 2, 0) << 0 << 0.0
                              << 0.0 << "" << 2;
    QTest::newRow("fix lost and regained")
        << fix + Nmea::gga("GP", 47.0, 8.0, 1.0, 2, 0) + Nmea::gga("GP", 47.5, 8.25, 400.0, 7) +
               Nmea::rmc("GP", 47.5, 8.25)
        << 3 << 47.5 << 8.25 << "400" << 7;
}

void TestGps::sentencesGiveTheFix() {
    QFETCH(QByteArray, stream);
    QFETCH(int, dimensions);
    QFETCH(int, satellites);
    Pty receiver;
    GpsReceiver gps;
    QVERIFY(gps.start(receiver.slavePath()));
    QCOMPARE(gps.state(), GpsReceiver::State::Waiting);
    receiver.send(stream);
    QTRY_COMPARE(gps.state(), GpsReceiver::State::Receiving);
    QTRY_COMPARE(gps.lastFix().satellites, satellites);
    QTRY_COMPARE(gps.lastFix().dimensions, dimensions);
    const std::optional<GpsFix> now = gps.current();
    QCOMPARE(now.has_value(), dimensions > 0);
    if (!now) return;
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(QString, elevation);
    QVERIFY2(std::abs(now->latitude - latitude) < 1e-6, qPrintable(QString::number(now->latitude)));
    QVERIFY2(std::abs(now->longitude - longitude) < 1e-6,
             qPrintable(QString::number(now->longitude)));
    QCOMPARE(now->elevationM ? QString::number(*now->elevationM) : QString(), elevation);
    QVERIFY(now->ageMs >= 0 && now->ageMs < GpsReceiver::kFreshMs);
}

void TestGps::quietReceiverIsToldAndItsFixGetsOld() {
    Pty receiver;
    GpsReceiver gps;
    QVERIFY(gps.start(receiver.slavePath()));
    receiver.send(Nmea::gga("GP", 47.385, 8.5275, 412.3, 9) + Nmea::rmc("GP", 47.385, 8.5275));
    QTRY_VERIFY(gps.current());
    QCOMPARE(gps.state(), GpsReceiver::State::Receiving);
    // Nothing more: the receiver is told quiet, and its fix is never passed off as current.
    QTRY_VERIFY_WITH_TIMEOUT(gps.state() == GpsReceiver::State::Waiting, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(!gps.current(), 10000);
    QVERIFY(gps.lastFix().ageMs > GpsReceiver::kFreshMs);
    QCOMPARE(gps.lastFix().dimensions, 3);
}

void TestGps::receiverThatGoesAwayIsTakenUpAgain() {
    TestEnv env;
    const QString device = env.root() + "/gps0";
    auto receiver = std::make_unique<Pty>();
    QVERIFY(QFile::link(receiver->slavePath(), device));
    GpsReceiver gps;
    QSignalSpy states(&gps, &GpsReceiver::stateChanged);
    QVERIFY(gps.start(device));
    receiver->send(Nmea::gga("GP", 47.385, 8.5275, 412.3, 9));
    QTRY_COMPARE(gps.state(), GpsReceiver::State::Receiving);
    receiver.reset();  // unplugged
    QFile::remove(device);
    QTRY_COMPARE(gps.state(), GpsReceiver::State::Gone);
    QVERIFY(!gps.reason().isEmpty());
    receiver = std::make_unique<Pty>();  // plugged in again, as another device
    QVERIFY(QFile::link(receiver->slavePath(), device));
    QTRY_VERIFY_WITH_TIMEOUT(gps.state() == GpsReceiver::State::Waiting, 5000);
    receiver->send(Nmea::gga("GP", 46.0, 7.0, 300.0, 6) + Nmea::rmc("GP", 46.0, 7.0));
    QTRY_VERIFY(gps.current() && std::abs(gps.current()->latitude - 46.0) < 1e-6);
}

QTEST_GUILESS_MAIN(TestGps)
#include "test_gps.moc"
