// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <cstdint>
#include <optional>

/** @brief The meter's numbers as text: what a value, a set number or a stored setting may look
 *  like. Blanks around the text are allowed; anything else that is not a finite number is none. */
namespace Numbers {
/** @brief A finite number in C notation ("1.5", "-2E-5", " 7 "); none otherwise. */
std::optional<double> toReal(const QString& text);
/** @brief A number that rounds (halves to even) into -32768..32767; none otherwise. */
std::optional<std::int16_t> toInt16(const QString& text);
}  // namespace Numbers
