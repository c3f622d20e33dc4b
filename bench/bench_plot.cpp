// SPDX-License-Identifier: GPL-3.0-or-later
// The plot's refresh while a download fills it: thirty full sets shown, one set's reading
// changed before each refresh, the chart laid out and painted offscreen. The figure is the CPU
// time of one refresh; a download refreshes the plot at most every 150 ms.
#include <QApplication>
#include <cmath>
#include <cstdio>

#include "Measures.h"
#include "gui/plot/ProfileChart.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ProfileChart chart;
    chart.resize(820, 520);
    chart.show();
    QList<PlotModel::Series> sets;
    for (int s = 1; s <= 30; ++s) {
        PlotModel::Series series;
        series.set = s;
        for (int r = 1; r <= 128; ++r)
            series.points.append(QPointF(r, 1e-4 * s * (1.5 + std::sin(r / 6.0 + s))));
        sets.append(series);
    }
    chart.setData(sets, false, QStringLiteral("Susceptibility (SI)"));
    QApplication::processEvents();
    constexpr int kRefreshes = 60;
    const double before = cpuSeconds();
    for (int i = 0; i < kRefreshes; ++i) {
        sets[i % 30].points[i % 128].setY(2e-3 + 1e-5 * i);
        chart.setData(sets, false, QStringLiteral("Susceptibility (SI)"));
        chart.grab();  // lays out and paints, as the screen would
    }
    const double ms = (cpuSeconds() - before) * 1000.0 / kRefreshes;
    std::printf("plot: one refresh of 30 full sets with one set changed: CPU %.1f ms\n", ms);
    std::printf("FIGURE plot_refresh_ms %.1f\n", ms);
    return 0;
}
