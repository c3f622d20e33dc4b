// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/meter/DownloadValue.h"

#include <QRegularExpression>
#include <cmath>

#include "core/meter/Numbers.h"

namespace {
// One value as the meter writes it: a sign, digits, the point and digits (at least one digit).
bool isMeterFraction(const QString& t) {
    static const QRegularExpression pattern(QStringLiteral("^-?(\\d+\\.\\d*|\\.\\d+)$"));
    return pattern.match(t).hasMatch();
}
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
    const std::optional<QString> reading = Numbers::readingText(received);
    const QString text = reading ? *reading : received.trimmed();
    if (text.count(QLatin1Char('.')) > 1) {
        const int values = runTogether(text);
        if (values > 1) v.positions = values;
        return v;
    }
    if (!reading || !isMeterFraction(text)) return v;
    const std::optional<double> number = Numbers::toReal(text);
    if (!number || std::fabs(*number) >= kLargestMagnitude) return v;
    v.readable = true;
    v.text = text;
    return v;
}
