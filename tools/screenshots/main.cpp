// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the README's pictures from the program itself: the main window, the live panel, the
// options, the sets window beside the panel, the manual, the dark theme and the plot, into the
// folder given (docs/ by `make screenshots`). The program runs in a private home with a fake
// message box, so nothing of the user's is used.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QTest>
#include <cmath>
#include <cstdio>

#include "AppRig.h"
#include "gui/dialogs/ManualWindow.h"
#include "gui/dialogs/OptionsDialog.h"
#include "gui/plot/PlotWindow.h"

namespace {
bool save(QWidget& widget, const QString& path) {
    QTest::qWait(50);
    const bool saved = widget.grab().save(path);
    if (!saved) std::fprintf(stderr, "orvanta-screenshots: cannot write %s\n", qPrintable(path));
    return saved;
}

QPalette darkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 48));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::AlternateBase, QColor(45, 45, 48));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Button, QColor(55, 55, 58));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    return dark;
}
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(dir);
    AppRig rig;
    MainWindow& w = rig.start();
    w.resize(1100, 700);
    for (int r = 1; r <= 12; ++r) {
        for (int s = 1; s <= 3; ++s)
            (*rig.session)
                .store()
                .writeReading(s, r, QString::number(0.0011 * r * s + 0.0002 * s, 'f', 6));
    }
    bool ok = save(w, dir + "/main-window.png");
    workOf(w).viewMeter();
    workOf(w).panel().ShowLiveValue(0.0012);
    ok &= save(w, dir + "/live-panel.png");
    w.showOptions();
    const auto dialogs = w.findChildren<OptionsDialog*>(QString(), Qt::FindDirectChildrenOnly);
    if (!dialogs.isEmpty()) {
        ok &= save(*dialogs.last(), dir + "/options.png");
        dialogs.last()->close();
    }
    // The sets window and the panel side by side, a flagged reading in the grid.
    (*rig.session).store().history().setFlag(2, 4, QStringLiteral("broken core"));
    workOf(w).sideBySide();
    ok &= save(w, dir + "/side-by-side.png");
    // The manual, as F1 shows it.
    actionOf(w, "Manualmenu")->trigger();
    if (auto* manual = w.findChild<ManualWindow*>()) {
        manual->resize(760, 560);
        ok &= save(*manual, dir + "/manual.png");
        manual->close();
    }
    const QPalette light = QApplication::palette();
    QApplication::setPalette(darkPalette());
    workOf(w).viewData();
    ok &= save(w, dir + "/main-window-dark.png");
    QApplication::setPalette(light);
    // The plot of a full survey, with a minute of continuous readings.
    for (int r = 1; r <= 40; ++r) {
        for (int s = 1; s <= 30; ++s)
            (*rig.session)
                .store()
                .writeReading(s, r,
                              QString::number(1e-4 * s * (1.5 + std::sin(r / 6.0 + s)), 'f', 6));
    }
    LiveTrend& trend = *w.findChild<LiveTrend*>(QStringLiteral("LiveTrend"));
    trend.setRunning(true);
    const QDateTime start = QDateTime::currentDateTime();
    for (int i = 0; i < 60; ++i) trend.add(start.addSecs(i), 0.0012 + 0.0003 * std::sin(i / 8.0));
    PlotWindow& plot = workOf(w).showPlot();
    QList<int> all;
    for (int s = 1; s <= 30; ++s) all << s;
    plot.chooseSets(all);
    plot.findChild<QCheckBox*>("LogScale")->setChecked(true);
    plot.parentWidget()->resize(1000, 680);
    ok &= save(plot, dir + "/plot.png");
    QApplication::setPalette(darkPalette());
    ok &= save(plot, dir + "/plot-dark.png");
    QApplication::setPalette(light);
    w.close();
    return ok ? 0 : 1;
}
