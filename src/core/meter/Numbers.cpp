// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/meter/Numbers.h"

#include <QLocale>
#include <charconv>
#include <cmath>

namespace Numbers {

namespace {
// A plain decimal ("-0.001230", ".5", "12."): read without a locale. Anything else (an exponent,
// a sign of plus, other digits) is left to the locale's reading. None when it is not plain.
std::optional<double> plainDecimal(QStringView t) {
    constexpr qsizetype kLongest = 40;
    if (t.isEmpty() || t.size() > kLongest) return std::nullopt;
    char bytes[kLongest];
    bool point = false;
    bool digit = false;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const char16_t c = t[i].unicode();
        if (c >= u'0' && c <= u'9') {
            digit = true;
        } else if (c == u'.' && !point) {
            point = true;
        } else if (!(c == u'-' && i == 0)) {
            return std::nullopt;
        }
        bytes[i] = static_cast<char>(c);
    }
    if (!digit) return std::nullopt;
    double d = 0;
    const auto [end, error] = std::from_chars(bytes, bytes + t.size(), d);
    if (error != std::errc() || end != bytes + t.size() || !std::isfinite(d)) return std::nullopt;
    return d;
}
}  // namespace

std::optional<double> toReal(const QString& text) {
    // Every received value comes through here: the plain ones without a locale or a copy.
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && text[from].isSpace()) ++from;
    while (to > from && text[to - 1].isSpace()) --to;
    if (const std::optional<double> plain = plainDecimal(QStringView(text).mid(from, to - from)))
        return plain;
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

std::optional<QString> readingText(const QString& received, double* value) {
    if (received.size() > kMaxReadingLength) return std::nullopt;
    qsizetype from = 0;
    qsizetype to = received.size();
    while (from < to && isPadding(received[from])) ++from;
    while (to > from && isPadding(received[to - 1])) --to;
    const QString text =
        from == 0 && to == received.size() ? received : received.mid(from, to - from);
    for (const QChar ch : text)
        if (isPadding(ch)) return std::nullopt;
    const std::optional<double> number = toReal(text);
    if (!number) return std::nullopt;
    if (value) *value = *number;
    return text;
}

}  // namespace Numbers
