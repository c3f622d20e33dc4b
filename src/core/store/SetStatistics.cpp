// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/SetStatistics.h"

#include <algorithm>
#include <cmath>

#include "core/meter/Numbers.h"
#include "core/store/ReadingsStore.h"

QList<std::optional<double>> SetStatistics::values(const ReadingsStore& store, int set) {
    QList<std::optional<double>> out;
    for (int p = 1; p <= store.rowCount(); ++p) {
        // A flagged reading keeps its text and counts in no figure.
        out.append(store.countsAsReading(set, p) ? Numbers::toReal(store.reading(set, p))
                                                 : std::nullopt);
    }
    return out;
}

SetStatistics SetStatistics::of(QList<double> v) {
    SetStatistics s;
    s.count = static_cast<int>(v.size());
    if (v.isEmpty()) return s;
    std::sort(v.begin(), v.end());
    s.min = v.front();
    s.max = v.back();
    const qsizetype mid = v.size() / 2;
    s.median = v.size() % 2 ? v[mid] : (v[mid - 1] + v[mid]) / 2;
    double sum = 0;
    for (double x : v) sum += x;
    s.mean = sum / s.count;
    if (s.count > 1) {
        double squares = 0;
        for (double x : v) squares += (x - s.mean) * (x - s.mean);
        s.sd = std::sqrt(squares / (s.count - 1));
    }
    if (s.min > 0) {
        double logs = 0;
        for (double x : v) logs += std::log(x);
        s.geometricMean = std::exp(logs / s.count);
    }
    return s;
}

SetStatistics SetStatistics::of(const ReadingsStore& store, int set) {
    QList<double> readings;
    for (const std::optional<double>& v : values(store, set))
        if (v) readings.append(*v);
    SetStatistics s = of(readings);
    s.set = set;
    s.units = store.setUnits(set);
    return s;
}
