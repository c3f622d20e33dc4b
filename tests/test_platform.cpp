// SPDX-License-Identifier: GPL-3.0-or-later
#include <QSerialPort>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "core/compat/ErrorCodes.h"
#include "core/compat/SerialControl.h"
#include "core/session/PortMap.h"
#include "Pty.h"
#include "core/compat/Registry.h"

namespace {
void touch(const QString& path) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
}
/** The meter's port open on a pseudo-terminal linked as number @p n. */
struct OpenPort {
    explicit OpenPort(int n) : map(tmp.path()), comm([this](int number) { return map.devicePath(number); }) {
        map.createLink(n, pty.slavePath());
        comm.setCommPort(n);
        comm.setPortOpen(true);
        comm.setRThreshold(1);
    }
    Pty pty;
    QTemporaryDir tmp;
    PortMap map;
    SerialControl comm;
};

int openError(SerialControl& comm) {
    try {
        comm.setPortOpen(true);
    } catch (const VbError& e) {
        return e.number();
    }
    return 0;
}
}  // namespace

class TestPlatform : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void portNumbersMapToDevices();
    void usbDevicesGetLinksAtLowestFreeNumber();
    void usbDeviceKeepsItsNumberWhenReplugged();
    void serialCommListsPresentDevicesInOrder();
    void registryEnumeratesLikeTheRegistry();

    void bytesOutExactly();
    void inputTakesOneCharacterAtATime();
    void discardDropsEverythingWaiting();
    void openErrors_data();
    void openErrors();
    void portHeldByAnotherProgramIsInUse();
    void farEndClosingClosesPortAndReopens();
    void outputOnClosedPortRaises();
};

void TestPlatform::portNumbersMapToDevices() {
    QTemporaryDir tmp;
    PortMap map(tmp.path() + "/ports", tmp.path() + "/dev");
    QDir().mkpath(tmp.path() + "/dev");
    touch(tmp.path() + "/dev/ttyUSB0");
    QVERIFY(map.createLink(7, tmp.path() + "/dev/ttyUSB0"));
    QCOMPARE(map.devicePath(7), tmp.path() + "/dev/ttyUSB0");
    QCOMPARE(map.devicePath(1), tmp.path() + "/dev/ttyS0");
    QCOMPARE(map.devicePath(12), tmp.path() + "/dev/ttyS11");
    QVERIFY2(!map.createLink(7, tmp.path() + "/dev/ttyUSB0"), "a number takes one link only");
    QCOMPARE(map.lowestFreeNumber(), 1);
}

void TestPlatform::usbDevicesGetLinksAtLowestFreeNumber() {
    QTemporaryDir tmp;
    const QString dev = tmp.path() + "/dev";
    QDir().mkpath(dev + "/serial/by-id");
    touch(dev + "/ttyUSB0");
    touch(dev + "/ttyACM0");
    touch(dev + "/ttyS0");
    QFile::link(dev + "/ttyUSB0", dev + "/serial/by-id/usb-Orvanta_Meter_1234-if00");
    PortMap map(tmp.path() + "/ports", dev);
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

void TestPlatform::usbDeviceKeepsItsNumberWhenReplugged() {
    QTemporaryDir tmp;
    const QString dev = tmp.path() + "/dev";
    QDir().mkpath(dev + "/serial/by-id");
    touch(dev + "/ttyUSB0");
    const QString id = dev + "/serial/by-id/usb-Orvanta_Meter_99";
    QFile::link(dev + "/ttyUSB0", id);
    PortMap map(tmp.path() + "/ports", dev);
    map.linkUsbDevices();
    QCOMPARE(map.links().first().number, 1);
    // Unplugged: the by-id name disappears, the link stays stale and keeps number 1.
    QFile::remove(id);
    QFile::remove(dev + "/ttyUSB0");
    map.linkUsbDevices();
    QVERIFY(map.serialCommValues().isEmpty());
    // Plugged in again as another tty: it comes back on number 1.
    touch(dev + "/ttyUSB1");
    QFile::link(dev + "/ttyUSB1", id);
    map.linkUsbDevices();
    QCOMPARE(map.links().size(), 1);
    QCOMPARE(map.devicePath(1), dev + "/ttyUSB1");
}

void TestPlatform::serialCommListsPresentDevicesInOrder() {
    QTemporaryDir tmp;
    const QString dev = tmp.path() + "/dev";
    QDir().mkpath(dev);
    touch(dev + "/ttyS0");
    touch(dev + "/ttyUSB0");
    touch(dev + "/ttyS4");
    touch(dev + "/ttyACM0");
    PortMap map(tmp.path() + "/ports", dev);
    map.createLink(12, dev + "/ttyACM0");
    map.createLink(1, dev + "/ttyS0");
    map.createLink(4, dev + "/ttyUSB0");
    map.createLink(5, dev + "/ttyS4");
    map.createLink(9, dev + "/missing");
    Pty pty;
    map.createLink(7, pty.slavePath());
    const QList<QPair<QByteArray, QByteArray>> expected = {
        {"\\Device\\Serial0", "COM1"}, {"\\Device\\VCP0", "COM4"}, {"\\Device\\Serial1", "COM5"},
        {"\\Device\\VCP1", "COM7"},    {"\\Device\\VCP2", "COM12"}};
    QCOMPARE(map.serialCommValues(), expected);
}

void TestPlatform::registryEnumeratesLikeTheRegistry() {
    SerialCommRegistry reg(SerialCommRegistry::Values{{"\\Device\\VCP0", "COM7"}});
    Registry::HKey key = 0;
    QCOMPARE(reg.RegOpenKeyA(Registry::HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP\\OTHER", &key), 2L);
    QCOMPARE(reg.RegOpenKeyA(Registry::HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP\\SERIALCOMM", &key), 0L);
    char name[255];
    std::uint8_t data[255];
    std::uint32_t nameLen = 255, dataLen = 255;
    QCOMPARE(reg.RegEnumValueA(key, 0, name, &nameLen, data, &dataLen), 0L);
    QCOMPARE(nameLen, 12u);  // without the terminating zero
    QCOMPARE(dataLen, 5u);   // with it
    QCOMPARE(QByteArray(name), QByteArray("\\Device\\VCP0"));
    nameLen = 5;
    QCOMPARE(reg.RegEnumValueA(key, 0, name, &nameLen, data, &dataLen), Registry::ERROR_MORE_DATA);
    nameLen = dataLen = 255;
    QCOMPARE(reg.RegEnumValueA(key, 1, name, &nameLen, data, &dataLen), Registry::ERROR_NO_MORE_ITEMS);
    QCOMPARE(reg.RegCloseKey(key), 0L);
    QCOMPARE(reg.openKeys(), 0);
}

void TestPlatform::bytesOutExactly() {
    Pty pty;
    QTemporaryDir tmp;
    PortMap map(tmp.path());
    map.createLink(3, pty.slavePath());
    SerialControl comm([&map](int number) { return map.devicePath(number); });
    comm.setCommPort(3);
    comm.setSettings("9600,n,8,1");
    comm.setPortOpen(true);
    QVERIFY(comm.PortOpen());
    comm.setOutput("S07");
    comm.setOutput("\r\n");
    comm.setOutput("\xff");
    QCOMPARE(pty.receive(150), QByteArray("S07\r\n\xff"));
}

void TestPlatform::inputTakesOneCharacterAtATime() {
    OpenPort port(2);
    Pty& pty = port.pty;
    SerialControl& comm = port.comm;
    QString taken;
    QList<int> waiting;
    connect(&comm, &SerialControl::OnComm, this, [&] {
        waiting << comm.InBufferCount();
        comm.setInputLen(1);
        taken += comm.Input();
    });
    pty.send("AB\x80\n");
    QTRY_COMPARE(taken.size(), 4);
    QCOMPARE(taken, QString::fromLatin1("AB\x80\n"));
    QCOMPARE(taken.at(2).unicode(), ushort(0x80));  // a byte is the character with that code
    QCOMPARE(waiting.last(), 1);
    QCOMPARE(comm.Input(), QString());  // nothing waits: empty text
}

void TestPlatform::discardDropsEverythingWaiting() {
    OpenPort port(2);
    Pty& pty = port.pty;
    SerialControl& comm = port.comm;
    int notifications = 0;
    int maxWaiting = 0;
    connect(&comm, &SerialControl::OnComm, this, [&] {
        ++notifications;
        maxWaiting = qMax(maxWaiting, comm.InBufferCount());
        if (comm.InBufferCount() > 512) comm.setInBufferCount(0);
        comm.setInputLen(1);
        comm.Input();
    });
    pty.send(QByteArray(600, 'x'));
    QTRY_VERIFY(notifications > 0);
    QTest::qWait(100);
    QCOMPARE(comm.InBufferCount(), 0);
    QVERIFY2(maxWaiting > 512, "the whole burst waits at one notification");
    QVERIFY2(notifications < 600, "the burst was thrown away, not read one by one");
}

void TestPlatform::openErrors_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("error");
    QTest::newRow("missing device") << "/nonexistent/ttyUSB9" << ErrorCode::CommInvalidPort;
    QTest::newRow("not a port at all") << "/dev/null" << ErrorCode::CommOpenFailed;
}

void TestPlatform::openErrors() {
    QFETCH(QString, target);
    QFETCH(int, error);
    QTemporaryDir tmp;
    PortMap map(tmp.path());
    map.createLink(4, target);
    SerialControl comm([&map](int number) { return map.devicePath(number); });
    comm.setCommPort(4);
    QCOMPARE(openError(comm), error);
    QVERIFY(!comm.PortOpen());
    QVERIFY_THROWS_EXCEPTION(VbError, comm.setCommPort(0));
    QVERIFY_THROWS_EXCEPTION(VbError, comm.setSettings(""));
}

void TestPlatform::portHeldByAnotherProgramIsInUse() {
    Pty pty;
    QTemporaryDir tmp;
    PortMap map(tmp.path());
    map.createLink(5, pty.slavePath());
    QSerialPort other;
    other.setPortName(pty.slavePath());
    QVERIFY(other.open(QIODevice::ReadWrite));
    SerialControl comm([&map](int number) { return map.devicePath(number); });
    comm.setCommPort(5);
    QCOMPARE(openError(comm), ErrorCode::CommPortInUse);
    other.close();
    QCOMPARE(openError(comm), 0);
    QVERIFY(comm.PortOpen());
}

void TestPlatform::farEndClosingClosesPortAndReopens() {
    QTemporaryDir tmp;
    PortMap map(tmp.path());
    auto pty = std::make_unique<Pty>();
    map.createLink(6, pty->slavePath());
    SerialControl comm([&map](int number) { return map.devicePath(number); });
    QSignalSpy lost(&comm, &SerialControl::connectionLost);
    comm.setCommPort(6);
    comm.setPortOpen(true);
    comm.setRThreshold(1);
    pty.reset();  // the meter goes away, and its device name with it
    map.removeLink(6);
    QTRY_VERIFY(!comm.PortOpen());
    QCOMPARE(lost.count(), 1);
    // The meter comes back on a new device under the same number.
    Pty again;
    map.createLink(6, again.slavePath());
    QCOMPARE(openError(comm), 0);
    comm.setOutput("R");
    QCOMPARE(again.receive(150), QByteArray("R"));
}

void TestPlatform::outputOnClosedPortRaises() {
    QTemporaryDir tmp;
    PortMap map(tmp.path());
    SerialControl comm([&map](int number) { return map.devicePath(number); });
    try {
        comm.setOutput("P");
        QFAIL("a write to a closed port must fail");
    } catch (const VbError& e) {
        QCOMPARE(e.number(), ErrorCode::CommPortNotOpen);
    }
}

QTEST_GUILESS_MAIN(TestPlatform)
#include "test_platform.moc"
