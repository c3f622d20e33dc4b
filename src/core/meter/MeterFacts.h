// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

/** @brief What the program knows of the meter itself: its memory, its cleared reading, its units
 *  and modes. */
namespace Meter {
/** @brief Reading sets in the meter's memory, numbered 1..kSets. */
constexpr int kSets = 30;
/** @brief Positions in a set, numbered 1..kPositions. */
constexpr int kPositions = 128;
/** @brief The text of a position that holds no reading. */
inline const QString kClearedReading = QStringLiteral("0.000000");

/** @brief The meter reports its units as a digit: 2 is CGS, any other digit SI. */
enum class Units { SI, CGS };
/** @brief The meter reports its mode as a digit: 2 is Step, any other digit Scan. */
enum class Mode { Scan, Step };

inline Units unitsFromDigit(int digit) { return digit == 2 ? Units::CGS : Units::SI; }
inline Mode modeFromDigit(int digit) { return digit == 2 ? Mode::Step : Mode::Scan; }
/** @brief "CGS" or "SI". */
inline QString unitsName(Units units) {
    return units == Units::CGS ? QStringLiteral("CGS") : QStringLiteral("SI");
}
/** @brief True for a set number the meter has. */
inline bool isSet(int set) { return set >= 1 && set <= kSets; }
}  // namespace Meter
