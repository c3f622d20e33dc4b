// SPDX-License-Identifier: GPL-3.0-or-later
#include <QSerialPort>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "Pty.h"
#include "core/link/PortLinks.h"
#include "core/link/SerialLink.h"

namespace {
void touch(const QString& path) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
}
/** The meter's line open on a pseudo-terminal. */
struct OpenLink {
    OpenLink() { opened = link.open(pty.slavePath()); }
    Pty pty;
    SerialLink link;
    OpenResult opened;
};
}  // namespace

class TestLink : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void portNumbersMapToDevices();
    void usbDevicesGetLinksAtLowestFreeNumber();
    void usbDeviceKeepsItsNumberWhenReplugged();
    void meterPortIsTheFirstPresentUsbOrPseudoTerminal();

    void bytesOutAndInExactly();
    void burstIsHandedOnTogether();
    void downloadAtTheMetersPaceGathersLonger();
    void usbIdentityFromTheKernel_data();
    void usbIdentityFromTheKernel();
    void openResults_data();
    void openResults();
    void farEndClosingClosesLinkAndReopens();
};

void TestLink::portNumbersMapToDevices() {
    QTemporaryDir tmp;
    PortLinks map(tmp.path() + "/ports", tmp.path() + "/dev");
    QDir().mkpath(tmp.path() + "/dev");
    touch(tmp.path() + "/dev/ttyUSB0");
    QVERIFY(map.createLink(7, tmp.path() + "/dev/ttyUSB0"));
    QCOMPARE(map.devicePath(7), tmp.path() + "/dev/ttyUSB0");
    QCOMPARE(map.devicePath(1), tmp.path() + "/dev/ttyS0");
    QCOMPARE(map.devicePath(12), tmp.path() + "/dev/ttyS11");
    QVERIFY2(!map.createLink(7, tmp.path() + "/dev/ttyUSB0"), "a number takes one link only");
    QCOMPARE(map.lowestFreeNumber(), 1);
    // Only the names the map makes are links: "com01" is not port 1.
    QVERIFY(QFile::link(tmp.path() + "/dev/ttyUSB0", tmp.path() + "/ports/com01"));
    QCOMPARE(map.devicePath(1), tmp.path() + "/dev/ttyS0");
    QCOMPARE(map.links().size(), 1);
}

void TestLink::usbDevicesGetLinksAtLowestFreeNumber() {
    QTemporaryDir tmp;
    const QString dev = tmp.path() + "/dev";
    QDir().mkpath(dev + "/serial/by-id");
    touch(dev + "/ttyUSB0");
    touch(dev + "/ttyACM0");
    touch(dev + "/ttyS0");
    QFile::link(dev + "/ttyUSB0", dev + "/serial/by-id/usb-Orvanta_Meter_1234-if00");
    PortLinks map(tmp.path() + "/ports", dev);
    QVERIFY(map.createLink(1, dev + "/ttyS0"));  // the user's own link keeps number 1
    map.linkUsbDevices();
    const auto links = map.links();
    QCOMPARE(links.size(), 3);
    QCOMPARE(links[1].number, 2);
    QCOMPARE(links[1].target, dev + "/ttyACM0");
    QCOMPARE(links[2].number, 3);
    QCOMPARE(links[2].target, dev + "/serial/by-id/usb-Orvanta_Meter_1234-if00");
    map.linkUsbDevices();
    QCOMPARE(map.links().size(), 3);  // already linked devices get no second link
}

void TestLink::usbDeviceKeepsItsNumberWhenReplugged() {
    QTemporaryDir tmp;
    const QString dev = tmp.path() + "/dev";
    QDir().mkpath(dev + "/serial/by-id");
    touch(dev + "/ttyUSB0");
    const QString id = dev + "/serial/by-id/usb-Orvanta_Meter_99";
    QFile::link(dev + "/ttyUSB0", id);
    PortLinks map(tmp.path() + "/ports", dev);
    map.linkUsbDevices();
    QCOMPARE(map.links().first().number, 1);
    // Unplugged: the by-id name disappears, the link stays stale and keeps number 1.
    QFile::remove(id);
    QFile::remove(dev + "/ttyUSB0");
    map.linkUsbDevices();
    QVERIFY(!map.meterPort());  // a stale link is no meter
    // Plugged in again as another tty: it comes back on number 1.
    touch(dev + "/ttyUSB1");
    QFile::link(dev + "/ttyUSB1", id);
    map.linkUsbDevices();
    QCOMPARE(map.links().size(), 1);
    QCOMPARE(map.devicePath(1), dev + "/ttyUSB1");
}

void TestLink::meterPortIsTheFirstPresentUsbOrPseudoTerminal() {
    QTemporaryDir tmp;
    const QString dev = tmp.path() + "/dev";
    QDir().mkpath(dev);
    for (const char* name : {"ttyS0", "ttyS4", "ttyUSB0", "ttyACM0"}) touch(dev + "/" + name);
    PortLinks map(tmp.path() + "/ports", dev);
    QCOMPARE(map.meterPort(),
             std::optional<int>(1));  // USB devices are linked first; ttyACM0 sorts first
    for (int n = 1; n <= 3; ++n) map.removeLink(n);
    map.createLink(1, dev + "/ttyS0");
    map.createLink(3, dev + "/missing-ttyUSB3");  // stale: not present
    map.createLink(5, dev + "/ttyS4");
    map.createLink(9, dev + "/ttyACM0");
    map.createLink(12, dev + "/ttyUSB0");
    QCOMPARE(map.meterPort(), std::optional<int>(9));
    map.removeLink(9);
    map.removeLink(12);
    QFile::remove(dev + "/ttyACM0");
    QFile::remove(dev + "/ttyUSB0");
    Pty pty;
    map.createLink(7, pty.slavePath());  // the simulator
    QCOMPARE(map.meterPort(), std::optional<int>(7));
}

void TestLink::bytesOutAndInExactly() {
    OpenLink port;
    QVERIFY(port.opened.ok());
    QVERIFY(port.link.write("S07"));
    QVERIFY(port.link.write("\r\n\xff"));
    QCOMPARE(port.pty.receive(150), QByteArray("S07\r\n\xff"));
    QByteArray received;
    connect(&port.link, &SerialLink::received, this, [&](const QByteArray& b) { received += b; });
    port.pty.send("AB\x80\n");
    QTRY_COMPARE(received, QByteArray("AB\x80\n"));
    QCOMPARE(port.link.bytesReceived(), 4);
    port.link.close();
    QVERIFY(!port.link.write("P"));  // a closed line takes nothing
}

void TestLink::burstIsHandedOnTogether() {
    OpenLink port;
    int signals_ = 0;
    qsizetype largest = 0;
    connect(&port.link, &SerialLink::received, this, [&](const QByteArray& b) {
        ++signals_;
        largest = qMax(largest, b.size());
    });
    port.pty.send(QByteArray(600, 'x'));
    QTRY_COMPARE(port.link.bytesReceived(), 600);
    QVERIFY2(signals_ < 10 && largest > 512,
             "a burst arrives in a few gatherings, not byte by byte");
}

void TestLink::downloadAtTheMetersPaceGathersLonger() {
    OpenLink port;
    port.link.setDownloading(true);
    int gatherings = 0;
    connect(&port.link, &SerialLink::received, this, [&] { ++gatherings; });
    // A second of a download at 9600 baud: 20 bytes every 20 ms.
    QElapsedTimer sent;
    sent.start();
    int groups = 0;
    QTimer wire;
    connect(&wire, &QTimer::timeout, this, [&] {
        if (groups++ < 50) port.pty.send(QByteArray(20, '1'));
    });
    wire.start(20);
    QTRY_COMPARE(port.link.bytesReceived(), 1000);
    // One gathering per kDownloadGatherMs at most (a busy machine only makes them fewer),
    // against one per byte group at the live pace.
    const qint64 most = sent.elapsed() / SerialLink::kDownloadGatherMs + 2;
    QVERIFY2(gatherings <= most, qPrintable(QStringLiteral("%1 gatherings").arg(gatherings)));
}

void TestLink::usbIdentityFromTheKernel_data() {
    QTest::addColumn<QString>("serial");    // "-": the USB device has no serial file
    QTest::addColumn<bool>("usb");          // the tty hangs below a USB device
    QTest::addColumn<QString>("identity");  // "?": only the device database can say
    QTest::newRow("a USB meter") << "A1B2c3" << true << "usb:0403:6001:A1B2c3";
    QTest::newRow("no serial number") << "-" << true << "";
    QTest::newRow("a serial the database rewrites") << "A1 B2" << true << "?";
    QTest::newRow("not on USB") << "A1B2" << false << "";
}

void TestLink::usbIdentityFromTheKernel() {
    QFETCH(QString, serial);
    QFETCH(bool, usb);
    QFETCH(QString, identity);
    // A kernel's description as /sys lays it out: the tty's device is an interface of a USB
    // device, which holds the ids and the serial number.
    QTemporaryDir sys;
    const QString device = sys.path() + "/devices/pci0000:00/usb1/1-2";
    const QString iface = device + "/1-2:1.0";
    QVERIFY(QDir().mkpath(iface + "/ttyUSB0") && QDir().mkpath(sys.path() + "/class/tty/ttyUSB0"));
    QVERIFY(QFile::link(iface, sys.path() + "/class/tty/ttyUSB0/device"));
    const auto write = [](const QString& path, const QByteArray& text) {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
    };
    if (usb)
        QVERIFY(write(device + "/idVendor", "0403\n") && write(device + "/idProduct", "6001\n"));
    if (serial != "-") QVERIFY(write(device + "/serial", serial.toUtf8() + "\n"));
    const std::optional<QString> got = PortLinks::usbIdentity("/dev/ttyUSB0", sys.path());
    QCOMPARE(got.value_or("?"), identity);
}

void TestLink::openResults_data() {
    QTest::addColumn<QString>("device");
    QTest::addColumn<int>("kind");
    QTest::newRow("missing device") << "/nonexistent/ttyUSB9" << int(PortFailure::NoSuchDevice);
    QTest::newRow("not a port at all") << "/dev/null" << int(PortFailure::Failed);
    QTest::newRow("held by another program") << "pty-held" << int(PortFailure::HeldByOther);
}

void TestLink::openResults() {
    QFETCH(QString, device);
    QFETCH(int, kind);
    Pty pty;
    QSerialPort other;
    if (device == "pty-held") {
        device = pty.slavePath();
        other.setPortName(device);
        QVERIFY(other.open(QIODevice::ReadWrite));
    }
    SerialLink link;
    const OpenResult result = link.open(device);
    QCOMPARE(int(result.kind), kind);
    QVERIFY(!result.reason.isEmpty());
    QVERIFY(!link.isOpen());
    if (other.isOpen()) {
        other.close();
        QVERIFY(link.open(device).ok());
    }
}

void TestLink::farEndClosingClosesLinkAndReopens() {
    auto pty = std::make_unique<Pty>();
    SerialLink link;
    QSignalSpy lost(&link, &SerialLink::connectionLost);
    QVERIFY(link.open(pty->slavePath()).ok());
    pty.reset();  // the meter goes away
    QTRY_VERIFY(!link.isOpen());
    QCOMPARE(lost.count(), 1);
    Pty again;
    QVERIFY(link.open(again.slavePath()).ok());
    QVERIFY(link.write("R"));
    QCOMPARE(again.receive(150), QByteArray("R"));
}

QTEST_GUILESS_MAIN(TestLink)
#include "test_link.moc"
