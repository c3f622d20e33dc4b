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

/** @brief Spaces and control characters (C0, DEL, C1 and the no-break space): they pad a
 *  received text and are never part of a reading. */
inline bool isPadding(QChar ch) {
    const ushort c = ch.unicode();
    return c <= 0x20 || (c >= 0x7F && c <= 0xA0);
}
/** @brief The longest reading the program stores. */
constexpr int kMaxReadingLength = 255;
/** @brief The reading in a received value text: the text of a finite number, without the
 *  spaces and control characters around it; none for anything else (a control character or a
 *  space inside, "inf", "nan", "1e309", more than kMaxReadingLength characters). Its number goes
 *  to @p value where one is given: read once. */
std::optional<QString> readingText(const QString& received, double* value = nullptr);
/** @brief @p text is a reading as the program stores it: readingText() leaves it as it is. */
inline bool isReading(const QString& text) { return readingText(text) == text; }
}  // namespace Numbers
