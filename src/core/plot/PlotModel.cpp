// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/plot/PlotModel.h"

#include <QLocale>
#include <cmath>

#include "core/store/ReadingsDatabase.h"
#include "core/store/Recordset.h"

namespace {
bool reading(const QString& text, double* v) {
    if (text == ReadingsDatabase::kCleared) return false;
    bool ok = false;
    *v = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok && std::isfinite(*v);
}
}  // namespace

QList<int> PlotModel::setsWithReadings(const Recordset& rs) {
    QList<int> out;
    if (rs.State() != Recordset::adStateOpen) return out;
    const int rows = rs.RecordCount();
    for (int s = 1; s <= 30; ++s) {
        double v;
        for (int r = 0; r < rows; ++r) {
            if (reading(rs.cell(r, s), &v)) {
                out.append(s);
                break;
            }
        }
    }
    return out;
}

QList<PlotModel::Series> PlotModel::build(const Recordset& rs, const QList<int>& sets, bool logScale) {
    QList<Series> out;
    if (rs.State() != Recordset::adStateOpen) return out;
    const int rows = rs.RecordCount();
    for (int s : sets) {
        if (s < 1 || s > 30) continue;
        Series series;
        series.set = s;
        for (int r = 0; r < rows; ++r) {
            double v;
            if (!reading(rs.cell(r, s), &v)) continue;
            if (logScale && v <= 0) continue;
            series.points.append(QPointF(r + 1, v));
        }
        out.append(series);
    }
    return out;
}

PlotModel::Range PlotModel::range(const QList<Series>& series, bool logScale) {
    Range r;
    bool any = false;
    for (const Series& s : series) {
        for (const QPointF& p : s.points) {
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

QString PlotModel::yLabel(int unitsCode, bool logScale) {
    const QString units = unitsCode == 2 ? QStringLiteral("CGS") : QStringLiteral("SI");
    return logScale ? QStringLiteral("Susceptibility (%1, log scale)").arg(units)
                    : QStringLiteral("Susceptibility (%1)").arg(units);
}
