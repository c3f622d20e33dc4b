// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/meter/DownloadValue.h"

#include <QRegularExpression>
#include <cmath>

#include "core/meter/Numbers.h"

namespace {
bool isDigit(QChar ch) { return ch >= QLatin1Char('0') && ch <= QLatin1Char('9'); }
// Several six-decimal values with nothing between them: how many, or 0 when it is not that.
int runTogether(const QString& t) {
    static const QRegularExpression one(QStringLiteral("-?\\d+\\.\\d{6}"));
    int count = 0;
    qsizetype at = 0;
    while (at < t.size()) {
        const QRegularExpressionMatch m = one.match(t, at, QRegularExpression::NormalMatch,
                                                    QRegularExpression::AnchorAtOffsetMatchOption);
        if (!m.hasMatch()) return 0;
        at = m.capturedEnd();
        ++count;
    }
    return count;
}
}  // namespace

DownloadValue DownloadValue::of(const QString& received) {
    DownloadValue v;
    // One pass over the line: every value of a download comes through here.
    qsizetype from = 0;
    qsizetype to = received.size();
    while (from < to && Numbers::isPadding(received[from])) ++from;
    while (to > from && Numbers::isPadding(received[to - 1])) --to;
    const QStringView text = QStringView(received).mid(from, to - from);
    qsizetype at = 0;
    if (at < text.size() && text[at] == QLatin1Char('-')) ++at;
    qsizetype firstDigit = at;
    while (at < text.size() && text[at] == QLatin1Char('0')) ++at;  // leading zeros
    const qsizetype wholeStart = at;
    while (at < text.size() && isDigit(text[at])) ++at;
    const qsizetype wholeDigits = at - wholeStart;  // without its leading zeros
    const bool anyWhole = at > firstDigit;
    const bool point = at < text.size() && text[at] == QLatin1Char('.');
    if (point) ++at;
    firstDigit = at;
    while (at < text.size() && isDigit(text[at])) ++at;
    const bool anyFraction = at > firstDigit;
    // The meter's form: a sign, digits, the point and digits, at least one digit in all.
    if (at != text.size() || !point || !(anyWhole || anyFraction) ||
        received.size() > Numbers::kMaxReadingLength) {
        if (text.count(QLatin1Char('.')) > 1) {
            const int values = runTogether(text.toString());
            if (values > 1) v.positions = values;
        }
        return v;
    }
    // Below a thousand in size: at most three whole digits, and with three the value itself
    // says (999.9999999999999999 is a thousand to a double).
    if (wholeDigits > 3) return v;
    if (wholeDigits == 3) {
        const std::optional<double> number = Numbers::toReal(text.toString());
        if (!number || std::fabs(*number) >= kLargestMagnitude) return v;
    }
    v.readable = true;
    v.text = text.size() == received.size() ? received : text.toString();
    return v;
}
