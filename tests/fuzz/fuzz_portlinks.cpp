// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the port links folder: any names in it give only the links the program itself makes
// ("com1".."com255", no leading zeros), each naming the number it has.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "FuzzSupport.h"
#include "core/link/PortLinks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::ensureApplication();
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/ports");
    QDir().mkpath(folder);
    // One name per line; each a link to a device that exists, or a plain file when it starts
    // with "f".
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const QByteArray& line : input.split('\n')) {
        const QString entry = QString::fromLatin1(line.left(40));
        if (entry.isEmpty() || entry.contains(QLatin1Char('/')) || entry.contains(QChar(0)) ||
            entry == QLatin1String(".") || entry == QLatin1String(".."))
            continue;
        const QString path = folder + QLatin1Char('/') + entry;
        if (entry.startsWith(QLatin1Char('f'))) {
            QFile f(path);
            if (f.open(QIODevice::WriteOnly)) f.close();
        } else {
            QFile::link(QStringLiteral("/dev/null"), path);
        }
    }
    const PortLinks ports(folder);
    for (const PortLinks::Link& link : ports.links()) {
        if (link.number < 1 || link.number > 255) fuzz::fail("a link numbered outside 1..255");
        if (!QFileInfo::exists(folder + QStringLiteral("/com") + QString::number(link.number)))
            fuzz::fail("a link whose name is not com<number>");
    }
    if (const std::optional<int> meter = ports.meterPort(); meter && (*meter < 1 || *meter > 255))
        fuzz::fail("a meter port outside 1..255");
    const int free = ports.lowestFreeNumber();
    if (free > 0 && QFileInfo(folder + QStringLiteral("/com") + QString::number(free)).exists())
        fuzz::fail("the lowest free number is taken");
    return 0;
}
