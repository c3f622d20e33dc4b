// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/link/PortLinks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPortInfo>
#include <algorithm>

#include "core/system/DeviceAccess.h"

namespace {
// Only the names the map itself makes: "com1".."com255", no leading zeros ("com01" is not port 1).
const QRegularExpression kLinkName(QStringLiteral("^com([1-9][0-9]{0,2})$"));
}  // namespace

PortLinks::PortLinks(QString portsFolder, QString devRoot)
    : m_folder(std::move(portsFolder)), m_devRoot(std::move(devRoot)) {}

QList<PortLinks::Link> PortLinks::links() const {
    QList<Link> out;
    const QDir dir(m_folder);
    const auto entries = dir.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot);
    for (const QFileInfo& fi : entries) {
        const auto m = kLinkName.match(fi.fileName());
        if (!m.hasMatch() || !fi.isSymLink()) continue;
        bool ok = false;
        const int n = m.captured(1).toInt(&ok);
        if (!ok || n < 1 || n > 255) continue;
        Link l;
        l.number = n;
        l.target = fi.symLinkTarget();
        const QString resolved = fi.canonicalFilePath();  // empty when the target is missing
        l.device = resolved;
        l.vcp = isVcpDevice(l.target, resolved);
        out.append(l);
    }
    std::sort(out.begin(), out.end(),
              [](const Link& a, const Link& b) { return a.number < b.number; });
    return out;
}

QString PortLinks::linkTarget(int number) const {
    const QFileInfo fi(m_folder + QStringLiteral("/com") + QString::number(number));
    return fi.isSymLink() ? fi.symLinkTarget() : QString();
}

QString PortLinks::devicePath(int number) const {
    const QFileInfo fi(m_folder + QStringLiteral("/com") + QString::number(number));
    if (fi.isSymLink()) {
        const QString resolved = fi.canonicalFilePath();
        return resolved.isEmpty() ? fi.symLinkTarget() : resolved;
    }
    return m_devRoot + QStringLiteral("/ttyS") + QString::number(number - 1);
}

int PortLinks::lowestFreeNumber() const {
    const auto all = links();
    int n = 1;
    for (const Link& l : all) {
        if (l.number == n)
            ++n;
        else if (l.number > n)
            break;
    }
    return n;
}

bool PortLinks::createLink(int number, const QString& target) const {
    QDir().mkpath(m_folder);
    const QString path = m_folder + QStringLiteral("/com") + QString::number(number);
    if (QFileInfo(path).isSymLink() || QFileInfo::exists(path)) return false;
    return QFile::link(target, path);
}

bool PortLinks::removeLink(int number) const {
    return QFile::remove(m_folder + QStringLiteral("/com") + QString::number(number));
}

QStringList PortLinks::usbDevices() const {
    // Names compared by their start: a wildcard filter matched a pattern against each of the
    // hundreds of names in /dev, and looked each one up, which took most of a look for the meter.
    const QStringList names = DeviceAccess::namesStartingWith(
        m_devRoot, {QStringLiteral("ttyUSB"), QStringLiteral("ttyACM")});
    QStringList out;
    for (const QString& name : names) {
        const QFileInfo device(m_devRoot + QLatin1Char('/') + name);
        if (!device.isDir()) out.append(device.canonicalFilePath());
    }
    out.removeAll(QString());
    return out;
}

void PortLinks::linkUsbDevices() const {
    const QStringList devices = usbDevices();
    if (devices.isEmpty()) return;
    const auto existing = links();
    const QDir byId(m_devRoot + QStringLiteral("/serial/by-id"));
    const auto ids =
        byId.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& device : devices) {
        const bool linked = std::any_of(existing.begin(), existing.end(),
                                        [&](const Link& l) { return l.device == device; });
        if (linked) continue;
        QString target = device;
        for (const QFileInfo& id : ids) {
            if (id.canonicalFilePath() == device) {
                target = id.absoluteFilePath();
                break;
            }
        }
        // A stale link to the same by-id name keeps the meter's old number.
        bool reused = false;
        for (const Link& l : existing) {
            if (l.device.isEmpty() && l.target == target) reused = true;
        }
        if (!reused) createLink(lowestFreeNumber(), target);
    }
}

bool PortLinks::isVcpDevice(const QString& target, const QString& resolved) const {
    const QString name = QFileInfo(resolved.isEmpty() ? target : resolved).fileName();
    if (name.startsWith(QLatin1String("ttyUSB")) || name.startsWith(QLatin1String("ttyACM")))
        return true;
    if (target.contains(QLatin1String("/serial/by-id/"))) return true;
    const QString path = resolved.isEmpty() ? target : resolved;
    return path.startsWith(m_devRoot + QStringLiteral("/pts/")) ||
           path.startsWith(QLatin1String("/dev/pts/"));
}

QList<int> PortLinks::meterCandidates() const {
    linkUsbDevices();
    QList<int> out;
    for (const Link& l : links())
        if (!l.device.isEmpty() && l.vcp) out << l.number;
    return out;
}

std::optional<QString> PortLinks::usbIdentity(const QString& device, const QString& sysRoot) {
    // The tty's device is a USB interface; the USB device above it has the ids and the serial.
    QString at = QFileInfo(sysRoot + QStringLiteral("/class/tty/") + QFileInfo(device).fileName() +
                           QStringLiteral("/device"))
                     .canonicalFilePath();
    const auto read = [](const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).trimmed() : QString();
    };
    for (int up = 0; up < 4 && !at.isEmpty() && at != sysRoot; ++up) {
        if (QFileInfo::exists(at + QStringLiteral("/idVendor"))) {
            const QString vendor = read(at + QStringLiteral("/idVendor")).toLower();
            const QString product = read(at + QStringLiteral("/idProduct")).toLower();
            const QString serial = read(at + QStringLiteral("/serial"));
            static const QRegularExpression plain(QStringLiteral("^[0-9A-Za-z]*$"));
            if (!plain.match(serial).hasMatch()) return std::nullopt;
            if (vendor.size() != 4 || product.size() != 4 || serial.isEmpty()) return QString();
            return QStringLiteral("usb:%1:%2:%3").arg(vendor, product, serial);
        }
        at = QFileInfo(at).path();
    }
    return QString();
}

QString PortLinks::identity(int number) const {
    const QString target = linkTarget(number);
    if (target.isEmpty()) return {};
    const QString device = QFileInfo(devicePath(number)).canonicalFilePath();
    // The kernel's description is read in a few files; the system's device database, which
    // lists every port, only where the serial number needs its rewriting.
    const std::optional<QString> usb = device.isEmpty() ? QString() : usbIdentity(device);
    if (usb) return usb->isEmpty() ? target : *usb;
    if (!device.isEmpty()) {
        const QSerialPortInfo info(device);
        if (info.hasVendorIdentifier() && info.hasProductIdentifier() &&
            !info.serialNumber().isEmpty())
            return QStringLiteral("usb:%1:%2:%3")
                .arg(info.vendorIdentifier(), 4, 16, QLatin1Char('0'))
                .arg(info.productIdentifier(), 4, 16, QLatin1Char('0'))
                .arg(info.serialNumber());
    }
    return target;
}

std::optional<int> PortLinks::meterPort() const {
    const QList<int> candidates = meterCandidates();
    if (candidates.isEmpty()) return std::nullopt;
    return candidates.first();
}

std::optional<int> PortLinks::pickMeter(const QList<int>& candidates, const QString& known) const {
    // The device that answered as the meter before, by its identity (its USB serial number, or
    // its lasting name: a by-id name), whatever number and device name it has now.
    for (int n : candidates)
        if (!known.isEmpty() && (identity(n) == known || linkTarget(n) == known)) return n;
    // One candidate is the meter; of several, none is taken behind the user's back.
    if (candidates.size() == 1) return candidates.first();
    return std::nullopt;
}
