// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/meter/Numbers.h"

#include <QLocale>
#include <cmath>

namespace Numbers {

std::optional<double> toReal(const QString& text) {
    const QString t = text.trimmed();
    bool ok = false;
    const double d = QLocale::c().toDouble(t, &ok);
    if (!ok || t.isEmpty() || !std::isfinite(d)) return std::nullopt;
    return d;
}

std::optional<std::int16_t> toInt16(const QString& text) {
    const std::optional<double> d = toReal(text);
    if (!d) return std::nullopt;
    const double r = std::nearbyint(*d);  // halves to even
    if (r < -32768.0 || r > 32767.0) return std::nullopt;
    return static_cast<std::int16_t>(r);
}

}  // namespace Numbers
