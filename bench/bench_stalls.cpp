// SPDX-License-Identifier: GPL-3.0-or-later
// How long each operation keeps the interface thread from its event loop, on a full readings
// database: a heartbeat timer ticks every millisecond, and the longest gap between two ticks
// while the operation and what it leaves for the loop run is its stall. Each operation runs
// several times; the median and the maximum of its stalls are reported. A frame is 16 ms.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>

#include "AppRig.h"
#include "core/files/SurveyExport.h"
#include "core/files/SurveyFile.h"
#include "gui/files/FileMenuCommands.h"
#include "gui/plot/PlotWindow.h"

namespace {
constexpr int kRuns = 7;

/** The longest gap between ticks of a 1 ms timer while @p op runs from the event loop, and the
 *  loop runs on for @p settleMs after it. */
double stallOf(const std::function<void()>& op, int settleMs = 150) {
    QElapsedTimer clock;
    clock.start();
    qint64 last = clock.nsecsElapsed();
    qint64 longest = 0;
    QTimer beat;
    beat.setTimerType(Qt::PreciseTimer);
    QObject::connect(&beat, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    beat.start(1);
    QEventLoop loop;
    QTimer::singleShot(5, [&] {
        op();
        QTimer::singleShot(settleMs, &loop, &QEventLoop::quit);
    });
    loop.exec();
    // The tick after the last one may still be owed: the gap up to now counts too.
    longest = std::max(longest, clock.nsecsElapsed() - last);
    return static_cast<double>(longest) / 1e6;
}

/** The figures' prefix: "stall_", or "stall_xvfb_" under a real X server. */
QByteArray g_prefix = "stall_";

void report(const char* name, std::vector<double> stalls) {
    std::sort(stalls.begin(), stalls.end());
    const double median = stalls[stalls.size() / 2];
    const double most = stalls.back();
    std::printf("%s%-22s median %6.1f ms, max %6.1f ms%s\n", g_prefix.constData(), name, median,
                most, most > 16.0 ? "  (over a frame)" : "");
    std::printf("FIGURE %s%s_median_ms %.1f\nFIGURE %s%s_max_ms %.1f\n", g_prefix.constData(), name,
                median, g_prefix.constData(), name, most);
}

/** Every position of every set holding a reading; @p shift makes another table. */
QVector<ReadingsStore::Row> fullTable(int shift) {
    QVector<ReadingsStore::Row> rows(Meter::kPositions);
    for (int p = 0; p < Meter::kPositions; ++p)
        for (int s = 0; s < Meter::kSets; ++s)
            rows[p][static_cast<size_t>(s)] =
                QString::number(0.000001 * ((s + 1) * 1000 + p + 1 + shift), 'f', 6);
    return rows;
}
}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // "plot" repeats the plot's first showing alone, many times, for a profiler.
    const bool plotOnly = argc > 1 && QByteArray(argv[1]) == "plot";
    if (argc > 1 && QByteArray(argv[1]) == "xvfb") g_prefix = "stall_xvfb_";
    const int plotRuns = plotOnly ? 10 : 1;
    AppRig rig;
    rig.setSetting("Comm Num", "201");  // no meter: the operations alone
    {
        ReadingsStore filled(rig.env.database());
        if (!filled.open() || !filled.replaceAll(fullTable(0)).ok()) return 1;
    }
    std::vector<double> startup;
    for (int i = 0; i < (plotOnly ? 0 : kRuns); ++i) {
        MainWindow& w = rig.create();
        startup.push_back(stallOf([&] { w.start(); }, 400));
    }
    if (!plotOnly) report("startup", startup);

    rig.start();
    ReadingsStore& store = (*rig.session).store();
    stallOf([] {}, 400);
    // Two surveys and two long tables of other tables, opened in turn so each Open changes it.
    const QString surveys[2] = {rig.env.root() + "/a.orvanta", rig.env.root() + "/b.orvanta"};
    const QString longTables[2] = {rig.env.root() + "/a.csv", rig.env.root() + "/b.csv"};
    for (int k = 0; k < 2; ++k) {
        if (!store.replaceAll(fullTable(k + 1)).ok() || !SurveyFile::save(store, surveys[k]).ok() ||
            !FileCommands::writeWhole(longTables[k], SurveyExport::longTable(store)).ok())
            return 1;
    }
    std::vector<double> plot;
    for (int i = 0; i < kRuns * plotRuns; ++i) {
        MainWindow& fresh = rig.start();
        stallOf([] {}, 200);
        plot.push_back(stallOf([&] { workOf(fresh).showPlot(); }, 300));
    }
    report("plot_first_showing", plot);
    if (plotOnly) return 0;

    MainWindow& main = rig.start();
    std::vector<double> openSurvey, openLong, save, newTable, pages;
    for (int i = 0; i < kRuns; ++i) {
        openSurvey.push_back(stallOf([&] { main.files().openPath(surveys[i % 2]); }));
        openLong.push_back(stallOf([&] { main.files().openPath(longTables[i % 2]); }));
        rig.dialog.answers << rig.env.root() + "/saved.orvanta";
        save.push_back(stallOf([&] { main.files().saveAs(); }));
        newTable.push_back(stallOf([&] { main.files().New(); }));
        pages.push_back(stallOf([&] {
            workOf(main).viewMeter();
            workOf(main).viewData();
        }));
    }
    report("open_survey", openSurvey);
    report("open_long_table", openLong);
    report("save_survey", save);
    report("new", newTable);
    report("page_switch", pages);
    // No meter is plugged in, and it is told; anything else told is an operation that failed.
    for (const QString& told : rig.messages.texts)
        if (!told.contains(QLatin1String("Meter"))) {
            std::printf("told: %s\n", qPrintable(told));
            return 1;
        }
    return 0;
}
