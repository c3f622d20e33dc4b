// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/compat/Registry.h"

#include <cstring>

long SerialCommRegistry::RegOpenKeyA(HKey root, const QString& subKey, HKey* result) {
    if (root != HKEY_LOCAL_MACHINE ||
        subKey.compare(QStringLiteral("HARDWARE\\DEVICEMAP\\SERIALCOMM"), Qt::CaseInsensitive) != 0)
        return ERROR_FILE_NOT_FOUND;
    *result = kHandle;
    ++m_open;
    return ERROR_SUCCESS;
}

long SerialCommRegistry::RegEnumValueA(HKey key, std::uint32_t index, char* name,
                                       std::uint32_t* nameLen, std::uint8_t* data,
                                       std::uint32_t* dataLen) {
    if (key != kHandle || m_open == 0) return ERROR_INVALID_HANDLE;
    if (index >= static_cast<std::uint32_t>(m_values.size())) return ERROR_NO_MORE_ITEMS;
    const QByteArray& n = m_values[static_cast<int>(index)].first;
    const QByteArray& d = m_values[static_cast<int>(index)].second;
    const auto needName = static_cast<std::uint32_t>(n.size());
    const auto needData = static_cast<std::uint32_t>(d.size() + 1);
    if (*nameLen <= needName) return ERROR_MORE_DATA;
    std::memcpy(name, n.constData(), needName);
    name[needName] = '\0';
    *nameLen = needName;
    if (data && *dataLen < needData) {
        *dataLen = needData;
        return ERROR_MORE_DATA;
    }
    if (data) {
        std::memcpy(data, d.constData(), static_cast<size_t>(d.size()));
        data[d.size()] = 0;
    }
    *dataLen = needData;
    return ERROR_SUCCESS;
}

long SerialCommRegistry::RegCloseKey(HKey key) {
    if (key != kHandle || m_open == 0) return ERROR_INVALID_HANDLE;
    --m_open;
    return ERROR_SUCCESS;
}
