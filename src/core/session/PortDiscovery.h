// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <cstdint>
#include <optional>

class Registry;

/** @brief The data of the first value of the SERIALCOMM key named "\Device\VCP" and one more
 *  character (a USB virtual serial port), or empty text. */
QString FindVcpPort(Registry& registry);

/** @brief "COM12" gives 12: the number after the first three characters, when it is one. */
std::optional<std::int16_t> PortNumberFromName(const QString& portName);
