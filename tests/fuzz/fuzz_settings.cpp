// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the settings file as the programs read it at start-up: any bytes give values or the
// defaults, never a crash or a hang, and a setting written is read back.
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "FuzzSupport.h"
#include "core/common/SettingsStore.h"
#include "core/meter/Numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::ensureApplication();
    static QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/Orvanta.conf");
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
                static_cast<qint64>(size))
            fuzz::fail("the input could not be written");
    }
    SettingsStore settings(path);
    if (!settings.problem().isEmpty()) fuzz::fail("a regular file reported as unusable");
    // What start-up reads: the port number and the store function, each with its default.
    const QString port =
        settings.value(SettingKey::Section, SettingKey::CommNum, QStringLiteral("1"));
    const int number = Numbers::toInt16(port).value_or(1);
    if (number < -32768 || number > 32767) fuzz::fail("a port number out of range");
    settings.value(SettingKey::Section, SettingKey::StoreFunction, QStringLiteral("False"));
    settings.value(QStringLiteral("Window"), QStringLiteral("Geometry"), QString());
    settings.value(QStringLiteral("Recent Files"), QStringLiteral("Files"), QString());
    // A value written is read back, whatever the file held.
    if (settings.setValue(SettingKey::Section, SettingKey::CommNum, QStringLiteral("7")) &&
        settings.value(SettingKey::Section, SettingKey::CommNum, QString()) != QLatin1String("7"))
        fuzz::fail("a setting written was not read back");
    return 0;
}
