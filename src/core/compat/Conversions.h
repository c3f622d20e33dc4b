// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <cstdint>
#include <optional>

/** @brief Text to numbers by the old platform's rules: surrounding blanks allowed, halves round to
 *  even for integers. ToInteger raises VbError 13 (not a number) or 6 (overflow), where a caller
 *  needs those numbers; the others answer nothing instead. */
std::optional<std::int16_t> toInt16(const QString& text);
std::optional<double> toReal(const QString& text);
/** @brief As toInt16; raises VbError 13 or 6. */
std::int16_t ToInteger(const QString& text);
