// SPDX-License-Identifier: GPL-3.0-or-later
// Time from process start to the main window shown (offscreen), and resident memory after it.
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QTest>
#include <cstdio>
#include <ctime>

#include "AppRig.h"
#include "Pty.h"

namespace {
double processAgeSeconds() {
    // Field 22 of /proc/self/stat is the start time in clock ticks since boot.
    QFile f("/proc/self/stat");
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray s = f.readAll();
    const QList<QByteArray> fields = s.mid(s.lastIndexOf(')') + 2).split(' ');
    const double start = fields.value(19).toDouble() / static_cast<double>(sysconf(_SC_CLK_TCK));
    timespec ts{};
    clock_gettime(CLOCK_BOOTTIME, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9 - start;
}
long rssKiB() {
    QFile f("/proc/self/status");
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}
}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Pty pty;
    AppRig rig;
    rig.env.link(3, pty.slavePath());
    MainWindow& w = rig.start();
    if (!QTest::qWaitForWindowExposed(&w)) return 1;
    const double age = processAgeSeconds();
    const long rss = rssKiB();
    std::printf("startup: main window shown %.0f ms after process start; resident memory %ld KiB\n",
                age * 1000, rss);
    std::printf("FIGURE startup_ms %.0f\nFIGURE startup_rss_kib %ld\n", age * 1000, rss);
    return w.isVisible() && (*rig.session).isConnected() ? 0 : 1;
}
