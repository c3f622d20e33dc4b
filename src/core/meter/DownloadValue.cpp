// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/meter/DownloadValue.h"

#include <QRegularExpression>
#include <cmath>

#include "core/common/Messages.h"
#include "core/meter/Numbers.h"

namespace {
bool isDigit(QChar ch) { return ch >= QLatin1Char('0') && ch <= QLatin1Char('9'); }
// Digits a value of the meter's form has in the usual case ("0.001230").
constexpr int kDigitsAValue = 7;
constexpr int kMostRunTogether = 4;
// Values a line of digits, points and signs holds by its length: a point and a line feed lost
// together leave no second point ("01875122.306768"), and a byte lost or doubled leaves no
// exact split. 1 when it is not such a line or holds no more than one value.
int valuesByLength(QStringView t) {
    int digits = 0;
    int points = 0;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (isDigit(c))
            ++digits;
        else if (c == QLatin1Char('.'))
            points += i == 0 || t[i - 1] != QLatin1Char('.');  // a doubled point is one
        else if (c != QLatin1Char('-'))
            return 1;
    }
    // A line longer than a few values is noise, not values run together.
    if (digits > kMostRunTogether * kDigitsAValue + kMostRunTogether) return 1;
    if (digits >= 2 * kDigitsAValue - 1 || (points >= 2 && digits >= 2 * kDigitsAValue - 2))
        return qMax(points, (digits + kDigitsAValue / 2) / kDigitsAValue);
    return 1;
}
// Several six-decimal values with nothing between them: how many, or 0 when it is not that.
int runTogether(const QString& t) {
    static const QRegularExpression one(QStringLiteral("-?\\d{1,3}\\.\\d{6}"));
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
        if (v.positions == 1) v.positions = valuesByLength(text);
        return v;
    }
    // Below a thousand in size: at most three whole digits, and with three the value itself
    // says (999.9999999999999999 is a thousand to a double).
    // Too large for one value: a point and a line feed lost together run two into one.
    if (wholeDigits > 3) {
        v.positions = valuesByLength(text);
        return v;
    }
    if (wholeDigits == 3) {
        const std::optional<double> number = Numbers::toReal(text.toString());
        if (!number || std::fabs(*number) >= kLargestMagnitude) {
            v.positions = valuesByLength(text);
            return v;
        }
    }
    v.readable = true;
    v.text = text.size() == received.size() ? received : text.toString();
    const qsizetype decimals = text.size() - firstDigit;
    const qsizetype sign = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    // One or two bytes lost or doubled leave four, five, seven or eight decimals; a short value
    // ("1.5", as hand-made streams and older files write) is taken as it is.
    // The flag is stored text, as a user's own: worded in the program's language of the day.
    if (decimals != kMeterDecimals && decimals >= kMeterDecimals - 2)
        v.formFault = Msg::why(Reason::of(Why::FormDecimals, decimals));
    else if (text.mid(sign).startsWith(QLatin1String("00")))
        v.formFault = Msg::why(Reason::of(Why::FormDoubledZero));
    else if (!anyWhole && decimals == kMeterDecimals)
        v.formFault = Msg::why(Reason::of(Why::FormNoWholeDigit));
    return v;
}
