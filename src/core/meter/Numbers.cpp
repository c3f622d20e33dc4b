// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/meter/Numbers.h"

#include <QLocale>
#include <cmath>

namespace Numbers {

std::optional<double> toReal(const QString& text) {
    const QString t = text.trimmed();
    bool ok = false;
    // Built once: every received value comes through here.
    static const QLocale c = QLocale::c();
    const double d = c.toDouble(t, &ok);
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

namespace {
// Spaces and control characters (C0, DEL, C1 and the no-break space) are never part of a reading.
bool isPadding(QChar ch) {
    const ushort c = ch.unicode();
    return c <= 0x20 || (c >= 0x7F && c <= 0xA0);
}
}  // namespace

std::optional<QString> readingText(const QString& received) {
    if (received.size() > kMaxReadingLength) return std::nullopt;
    qsizetype from = 0;
    qsizetype to = received.size();
    while (from < to && isPadding(received[from])) ++from;
    while (to > from && isPadding(received[to - 1])) --to;
    const QString text = received.mid(from, to - from);
    for (const QChar ch : text)
        if (isPadding(ch)) return std::nullopt;
    if (!toReal(text)) return std::nullopt;
    return text;
}

}  // namespace Numbers
