// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/panel/LiveScale.h"

#include <QtGlobal>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {
struct Row {
    double bound;
    const char* text;
    double divisor;
};

template <size_t N>
void pick(const Row (&ladder)[N], double s, LiveScale& out) {
    // The first row the value fits; above the ladder, the top row, with the bar full and marked.
    const Row* row = std::find_if(ladder, ladder + N, [s](const Row& r) { return s <= r.bound; });
    out.overRange = row == ladder + N;
    if (out.overRange) row = ladder + N - 1;
    out.fullScaleText = QString::fromLatin1(row->text);
    out.divisor = row->divisor;
}

// Ladders of full-scale ranges; each label is the divisor the bar is drawn against. The top
// row reaches up to its own label: a reading is over range only above the full scale the panel
// shows, so the bar, "OVER" and the label always agree.
const Row kLowRange[] = {
    {300, "300", 300}, {3000, "3,000", 3000}, {6000, "6,000", 6000}, {9999, "9,999", 9999}};
const Row kCaseBOther[] = {{300, "3000", 3000},
                           {3000, "30,000", 30000},
                           {6000, "60,000", 60000},
                           {99999, "99,999", 99999}};
const Row kCaseCSI[] = {
    {30000, "30,000", 30000}, {60000, "60,000", 60000}, {99999, "99,999", 99999}};
const Row kCaseCOther[] = {
    {30000, "300,000", 300000}, {60000, "600,000", 600000}, {999999, "999,999", 999999}};
const Row kCaseDSI[] = {{30000, "30,000", 30000}};
const Row kCaseDOther[] = {{300000, "300,000", 300000}};
}  // namespace

LiveScale scaleLiveValue(double v, int unitsCode) {
    LiveScale out;
    if (unitsCode == 2 && v < 0.01) {
        out.scaleCase = 'A';
        out.scaled = v * 1000000.0;
        out.exponentText = QStringLiteral("-6");
    } else if (v < 0.1) {
        out.scaleCase = 'B';
        out.scaled = v * 100000.0;
        out.exponentText = QStringLiteral("-5");
    } else if (v < 1) {
        out.scaleCase = 'C';
        out.scaled = v * 100000.0;
        out.exponentText = QStringLiteral("-5");
    } else {
        out.scaleCase = 'D';
        out.scaled = v * 10000.0;
        out.exponentText = QStringLiteral("-4");
    }
    const bool si = unitsCode == 1;
    const double s = out.scaled;
    switch (out.scaleCase) {
        case 'A':
            pick(kLowRange, s, out);
            break;
        case 'B':
            si ? pick(kLowRange, s, out) : pick(kCaseBOther, s, out);
            break;
        case 'C':
            si ? pick(kCaseCSI, s, out) : pick(kCaseCOther, s, out);
            break;
        default:
            si ? pick(kCaseDSI, s, out) : pick(kCaseDOther, s, out);
            break;
    }
    return out;
}

QString formatGeneral(double v) {
    if (std::isnan(v)) return QStringLiteral("NaN");
    if (std::isinf(v)) return v > 0 ? QStringLiteral("Infinity") : QStringLiteral("-Infinity");
    if (v == 0.0) return QStringLiteral("0");
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15G", v);
    QString s = QString::fromLatin1(buf);
    // Drop trailing zeros of the mantissa and a trailing decimal point.
    const qsizetype e = s.indexOf(QLatin1Char('E'));
    QString mantissa = e >= 0 ? s.left(e) : s;
    QString exponent = e >= 0 ? s.mid(e) : QString();
    if (mantissa.contains(QLatin1Char('.'))) {
        while (mantissa.endsWith(QLatin1Char('0'))) mantissa.chop(1);
        if (mantissa.endsWith(QLatin1Char('.'))) mantissa.chop(1);
    }
    if (!exponent.isEmpty()) {
        // "E-07" reads "E-07" in the general format; keep sign and at least two digits.
        const QChar sign = exponent.size() > 1 ? exponent[1] : QLatin1Char('+');
        QString digits = exponent.mid(2);
        while (digits.size() > 2 && digits.startsWith(QLatin1Char('0'))) digits.remove(0, 1);
        exponent = QStringLiteral("E") + sign + digits;
    }
    return mantissa + exponent;
}

long barLength(double width, double fraction) {
    const double l = std::nearbyint(width * fraction);
    if (!(l >= static_cast<double>(std::numeric_limits<int>::min()) &&
          l <= static_cast<double>(std::numeric_limits<int>::max())))
        return 0;  // a length no window could show
    return static_cast<long>(l);
}

LiveDisplay::Shown LiveDisplay::show(double v, int unitsCode) {
    const LiveScale sc = scaleLiveValue(v, unitsCode);
    // A negative (diamagnetic) reading draws no bar; one above the scale a full one.
    m_fraction = sc.overRange ? 1.0 : qBound(0.0, sc.scaled / sc.divisor, 1.0);
    Shown out;
    out.digits = formatGeneral(sc.scaled);
    out.exponent = sc.exponentText;
    out.fullScale = sc.fullScaleText;
    out.fraction = m_fraction;
    out.overRange = sc.overRange;
    return out;
}
