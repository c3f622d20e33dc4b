// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cmath>

/** @brief Window geometry is kept in twips, 1440 to the inch. */
namespace Twips {
/** @brief Twips to pixels at @p dpi logical dots per inch, rounded to nearest. */
inline int toPixels(double twips, double dpi) {
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}
/** @brief Pixels to twips at @p dpi. */
inline double fromPixels(int pixels, double dpi) { return pixels * 1440.0 / dpi; }
/** @brief Rounds to the nearest whole number, halves to even. */
inline long roundHalfEven(double v) { return static_cast<long>(std::nearbyint(v)); }
}  // namespace Twips
