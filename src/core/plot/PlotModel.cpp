// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/plot/PlotModel.h"

#include <cmath>

#include "core/meter/Numbers.h"
#include "core/store/ReadingsStore.h"

namespace {
// The text at @p position of @p set as a number; false where it is none.
bool number(const ReadingsStore& store, int set, int position, double* v) {
    // The program's own parse: a plain decimal without going through a locale.
    const std::optional<double> parsed = Numbers::toReal(store.reading(set, position));
    if (!parsed) return false;
    *v = *parsed;
    return true;
}
// The reading at @p position of @p set as a number; false where there is none to draw.
bool reading(const ReadingsStore& store, int set, int position, double* v) {
    if (!store.countsAsReading(set, position)) return false;  // a flagged one draws no line
    return number(store, set, position, v);
}
}  // namespace

QList<int> PlotModel::setsWithReadings(const ReadingsStore& store) {
    QList<int> out;
    const int rows = store.rowCount();
    for (int s = 1; s <= 30; ++s) {
        double v;
        for (int r = 0; r < rows; ++r) {
            if (reading(store, s, r + 1, &v)) {
                out.append(s);
                break;
            }
        }
    }
    return out;
}

QList<PlotModel::Series> PlotModel::build(const ReadingsStore& store, const QList<int>& sets,
                                          bool logScale, const Drawing& drawing) {
    QList<Series> out;
    const int rows = store.rowCount();
    for (int s : sets) {
        if (s < 1 || s > 30) continue;
        Series series;
        series.set = s;
        const SetDetails& details = store.details(s);
        for (int r = 0; r < rows; ++r) {
            // A flagged reading is no part of the line, yet shown where it is, marked.
            const bool flagged = store.holdsReading(s, r + 1) && !store.flag(s, r + 1).isEmpty();
            double v;
            if (flagged ? !number(store, s, r + 1, &v) : !reading(store, s, r + 1, &v)) continue;
            if (drawing.units && details.units) v = convert(v, *details.units, *drawing.units);
            if (logScale && v <= 0) continue;
            const std::optional<double> depth =
                drawing.byDepth ? details.depthAt(r + 1) : std::nullopt;
            if (drawing.byDepth && !depth) continue;
            const QPointF at(depth ? *depth : r + 1, v);
            if (flagged) {
                series.flagged.append(at);
                series.flaggedPositions.append(r + 1);
                series.flagReasons.append(store.flag(s, r + 1));
                continue;
            }
            series.points.append(at);
            series.positions.append(r + 1);
        }
        out.append(series);
    }
    return out;
}

QList<PlotModel::Series> PlotModel::build(const ReadingsStore& store, const QList<int>& sets,
                                          bool logScale) {
    return build(store, sets, logScale, Drawing{});
}

double PlotModel::convert(double value, Meter::Units from, Meter::Units to) {
    constexpr double kFourPi = 4 * M_PI;
    if (from == to) return value;
    return to == Meter::Units::SI ? value * kFourPi : value / kFourPi;
}

bool PlotModel::depthKnown(const ReadingsStore& store, const QList<int>& sets) {
    bool any = false;
    for (int s : sets) {
        if (store.readingCount(s) == 0) continue;
        const SetDetails& d = store.details(s);
        if (!d.depthM || !d.spacingM) return false;
        any = true;
    }
    return any;
}

PlotModel::Range PlotModel::range(const QList<Series>& series, bool logScale) {
    Range r;
    bool any = false;
    for (const Series& s : series) {
        for (const QPointF& p : s.points + s.flagged) {
            const double y = logScale ? std::log10(p.y()) : p.y();
            if (!any) {
                r.yMin = r.yMax = y;
                r.xMin = r.xMax = p.x();
                any = true;
            }
            r.yMin = std::min(r.yMin, y);
            r.yMax = std::max(r.yMax, y);
            r.xMin = std::min(r.xMin, p.x());
            r.xMax = std::max(r.xMax, p.x());
        }
    }
    if (!any) return Range{};
    if (r.xMax - r.xMin < 1) r.xMax = r.xMin + 1;
    if (r.yMax - r.yMin < 1e-12) {
        r.yMin -= logScale ? 0.5 : std::abs(r.yMin) * 0.1 + 1e-6;
        r.yMax += logScale ? 0.5 : std::abs(r.yMax) * 0.1 + 1e-6;
    }
    if (!logScale && r.yMin > 0) r.yMin = 0;  // readings stand on zero
    return r;
}

QString PlotModel::yLabel(std::optional<Meter::Units> units, bool logScale,
                          const QList<int>& unknownUnits, bool allUnknown) {
    QString what = units && !allUnknown ? Meter::unitsName(*units) : tr("units not known");
    if (logScale) what += tr(", log scale");
    if (units && !allUnknown && !unknownUnits.isEmpty()) {
        QStringList names;
        for (int s : unknownUnits) names << QString::number(s);
        what += (names.size() > 1 ? tr("; sets %1 in units not known, as stored")
                                  : tr("; set %1 in units not known, as stored"))
                    .arg(names.join(QStringLiteral(", ")));
    }
    return tr("Susceptibility (%1)").arg(what);
}

QList<PlotModel::Tick> PlotModel::ticks(double min, double max, bool logScale, int most) {
    QList<Tick> out;
    if (!(max > min) || !std::isfinite(min) || !std::isfinite(max)) return out;
    if (logScale) {
        // One tick a decade; over very many decades, every second or fifth.
        const int first = static_cast<int>(std::floor(min));
        const int last = static_cast<int>(std::ceil(max));
        if (max - min < 1) {
            // Less than a decade (a zoomed axis): 1, 2 and 5 times each power of ten, from the
            // last at or below min to the first at or above max.
            QList<Tick> steps;
            for (int e = first; e <= last; ++e)
                for (int m : {1, 2, 5})
                    steps.append({e + std::log10(m), QStringLiteral("%1E%2").arg(m).arg(e)});
            for (const Tick& t : steps) {
                if (t.value <= min)
                    out = {t};
                else
                    out.append(t);
                if (t.value >= max) break;
            }
            return out;
        }
        int step = 1;
        while ((last - first) / step + 1 > most && step < 10) step = step == 1 ? 2 : 5;
        for (int e = first; e <= last + step - 1; e += step) {
            out.append({static_cast<double>(e), QStringLiteral("1E%1").arg(e)});
            if (e >= last) break;
        }
        return out;
    }
    const double rough = (max - min) / std::max(1, most - 1);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = power;
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        step = m * power;
        if (step >= rough) break;
    }
    const double start = std::floor(min / step) * step;
    for (int i = 0;; ++i) {
        double v = start + i * step;
        if (std::abs(v) < step * 1e-9) v = 0;  // no "-0" or "1e-17"
        out.append({v, QString::number(v, 'g', 6)});
        if (v >= max - step * 1e-9) break;
    }
    return out;
}
