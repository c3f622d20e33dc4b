// SPDX-License-Identifier: GPL-3.0-or-later
// The whole program during a Download All Sets from the meter simulator sending at ten times the
// wire's speed: the session, the main window, the sets window, the panel and the progress
// dialog, all painting offscreen. The figure is the time the bytes take on the wire at 9600 baud
// against the CPU time the program spent taking them; the simulator runs as a process of its own
// and is not counted.
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>
#include <cstdio>

#include "AppRig.h"
#include "Measures.h"

int main(int argc, char** argv) {
    // Offscreen unless a platform is named (QT_QPA_PLATFORM=xcb with DISPLAY set: under Xvfb).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    AppRig rig;
    QProcess sim;
    sim.setEnvironment(rig.env.environment());
    sim.start(QStringLiteral(ORVANTA_BUILD_DIR "/orvanta-meter-sim"),
              {"--us-per-byte", "104.17", "--port", "4", "--full"});
    if (!sim.waitForReadyRead(5000)) {
        std::fprintf(stderr, "program: the simulator did not start\n");
        return 1;
    }
    MainWindow& w = rig.start();
    MeterSession& session = w.session();
    // Events are waited for, never polled: the loop sleeps while nothing happens, so the CPU
    // time counted is the program's own.
    QEventLoop loop;
    QTimer::singleShot(300, &loop, &QEventLoop::quit);
    loop.exec();
    if (!session.isConnected()) {
        std::fprintf(stderr, "program: the port did not open\n");
        return 1;
    }
    const double cpuBefore = cpuSeconds();
    QElapsedTimer t;
    t.start();
    // How long the event loop was kept from running: a 10 ms timer that fires late by that much.
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(10);
    QElapsedTimer sinceTick;
    qint64 longestBlockedNs = 0;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longestBlockedNs = qMax(longestBlockedNs, sinceTick.nsecsElapsed() - 10'000'000);
        sinceTick.restart();
    });
    sinceTick.start();
    tick.start();
    QObject::connect(&session, &MeterSession::downloadEnded, &loop, &QEventLoop::quit);
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    session.DownloadAllSets();
    loop.exec();
    const double cpu = cpuSeconds() - cpuBefore;
    tick.stop();
    const double seconds = static_cast<double>(t.nsecsElapsed()) / 1e9;
    const qint64 bytes = session.link().bytesReceived();
    const double wire = wireSeconds(bytes);
    const int values = session.downloadProgress().received;
    sim.terminate();
    sim.waitForFinished(5000);
    const bool ok = !session.isDownloading() && values == 3840 && !w.progressDialog();
    std::printf(
        "program: %d values, %lld bytes at ten times the wire in %.1f s; CPU %.3f s; "
        "wire at 9600 baud %.1f s; CPU %.0fx under the wire%s\n",
        values, static_cast<long long>(bytes), seconds, cpu, wire, wire / cpu,
        ok ? "" : " (WRONG RESULT)");
    std::printf("program: the event loop was blocked at most %.1f ms\n", longestBlockedNs / 1e6);
    std::printf("FIGURE program_cpu_s %.3f\nFIGURE program_wire_ratio %.0f\n", cpu, wire / cpu);
    std::printf("FIGURE program_longest_block_ms %.1f\n", longestBlockedNs / 1e6);
    return ok ? 0 : 1;
}
