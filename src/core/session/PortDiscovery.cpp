// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/session/PortDiscovery.h"

#include <QByteArray>

#include "core/compat/Conversions.h"
#include "core/compat/Registry.h"

QString FindVcpPort(Registry& registry) {
    Registry::HKey key = 0;
    if (registry.RegOpenKeyA(Registry::HKEY_LOCAL_MACHINE, QStringLiteral("HARDWARE\\DEVICEMAP\\SERIALCOMM"), &key) !=
        Registry::ERROR_SUCCESS)
        return QString();
    QString result;
    for (std::uint32_t index = 0;; ++index) {
        QByteArray name(255, ' ');
        QByteArray data(255, ' ');
        std::uint32_t nameLen = 255;
        std::uint32_t dataLen = 255;
        const long rc = registry.RegEnumValueA(key, index, name.data(), &nameLen,
                                               reinterpret_cast<std::uint8_t*>(data.data()), &dataLen);
        if (rc == Registry::ERROR_NO_MORE_ITEMS) break;
        if (dataLen > 0) {
            // The name length excludes the terminating zero, so this drops the name's last
            // character ("\Device\VCP0" becomes "\Device\VCP"); the data length includes it.
            const QByteArray shortName = name.left(qMax<qsizetype>(0, qMin<qsizetype>(nameLen, 255) - 1));
            const QByteArray shortData = data.left(qMax<qsizetype>(0, qMin<qsizetype>(dataLen, 255) - 1));
            if (shortName == "\\Device\\VCP") {
                result = QString::fromLatin1(shortData);
                break;
            }
        }
    }
    registry.RegCloseKey(key);
    return result;
}

std::optional<std::int16_t> PortNumberFromName(const QString& portName) { return toInt16(portName.mid(3)); }
