// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <cstdint>

/** @brief Read-only registry operations, as far as the port search needs them. */
class Registry {
public:
    using HKey = std::uintptr_t;
    static constexpr HKey HKEY_LOCAL_MACHINE = 0x80000002u;
    static constexpr long ERROR_SUCCESS = 0;
    static constexpr long ERROR_FILE_NOT_FOUND = 2;
    static constexpr long ERROR_INVALID_HANDLE = 6;
    static constexpr long ERROR_MORE_DATA = 234;
    static constexpr long ERROR_NO_MORE_ITEMS = 259;

    virtual ~Registry() = default;
    /** @brief Opens @p subKey under @p root; 0 on success. */
    virtual long RegOpenKeyA(HKey root, const QString& subKey, HKey* result) = 0;
    /** @brief Value @p index of an open key. On entry the lengths give the buffer sizes; on return
     *  @p nameLen excludes the terminating zero and @p dataLen includes it. 259 past the last one. */
    virtual long RegEnumValueA(HKey key, std::uint32_t index, char* name, std::uint32_t* nameLen,
                               std::uint8_t* data, std::uint32_t* dataLen) = 0;
    /** @brief Closes an open key. */
    virtual long RegCloseKey(HKey key) = 0;
};

/** @brief The SERIALCOMM key: one text value per serial port present, nothing else. */
class SerialCommRegistry : public Registry {
public:
    using Values = QList<QPair<QByteArray, QByteArray>>;
    /** @brief @p values are name, data pairs in enumeration order. */
    explicit SerialCommRegistry(Values values) : m_values(std::move(values)) {}

    long RegOpenKeyA(HKey root, const QString& subKey, HKey* result) override;
    long RegEnumValueA(HKey key, std::uint32_t index, char* name, std::uint32_t* nameLen,
                       std::uint8_t* data, std::uint32_t* dataLen) override;
    long RegCloseKey(HKey key) override;

    /** @brief Keys currently open (for checks that every open is closed). */
    int openKeys() const { return m_open; }

private:
    static constexpr HKey kHandle = 0x5e41u;
    Values m_values;
    int m_open = 0;
};
