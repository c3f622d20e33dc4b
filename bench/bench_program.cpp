// SPDX-License-Identifier: GPL-3.0-or-later
// The whole program during a Download All Sets from the meter simulator sending at ten times the
// wire's speed (or at the pace given: `bench_program US-PER-BYTE LABEL`): the session, the main
// window, the sets window, the panel and the progress dialog, all painting offscreen (or on the
// display QT_QPA_PLATFORM names). The figure is the time the bytes take on the wire at 9600 baud
// against the CPU time the program spent taking them; the simulator runs as a process of its own
// and is not counted. Under callgrind (--collect-atstart=no), only the download is counted.

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
    const QString pace = argc > 1 ? QString::fromLatin1(argv[1]) : QStringLiteral("104.17");
    const QString label = argc > 2 ? QStringLiteral("_") + QString::fromLatin1(argv[2]) : QString();
    AppRig rig;
    QProcess sim;
    sim.setEnvironment(rig.env.environment());
    sim.start(QStringLiteral(ORVANTA_BUILD_DIR "/orvanta-meter-sim"),
              {"--us-per-byte", pace, "--port", "4", "--full"});
    if (!sim.waitForReadyRead(5000)) {
        std::fprintf(stderr, "program: the simulator did not start\n");
        return 1;
    }
    MainWindow& w = rig.start();
    MeterSession& session = (*rig.session);
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
    // How long the event loop was kept from running: a 50 ms timer that fires late by that much
    // (seldom enough that its own wake-ups cost little of what is measured).
    constexpr int kTickMs = 50;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(kTickMs);
    QElapsedTimer sinceTick;
    qint64 longestBlockedNs = 0;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longestBlockedNs = qMax(longestBlockedNs, sinceTick.nsecsElapsed() - kTickMs * 1'000'000LL);
        sinceTick.restart();
    });
    sinceTick.start();
    tick.start();
    int values = 0;
    QObject::connect(&session, &MeterSession::downloadEnded, &loop,
                     [&](const DownloadSummary& account) {
                         values = account.stored;
                         loop.quit();
                     });
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    CALLGRIND_TOGGLE_COLLECT;
    session.DownloadAllSets();
    loop.exec();
    CALLGRIND_TOGGLE_COLLECT;
    const double cpu = cpuSeconds() - cpuBefore;
    tick.stop();
    const double seconds = static_cast<double>(t.nsecsElapsed()) / 1e9;
    const qint64 bytes = session.link().bytesReceived();
    const double wire = wireSeconds(bytes);
    sim.terminate();
    sim.waitForFinished(5000);
    const bool ok = !session.isDownloading() && values == 3840 && !w.findChild<ProgressDialog*>();
    std::printf(
        "program%s: %d values, %lld bytes at %s us a byte in %.1f s; CPU %.3f s; "
        "wire at 9600 baud %.1f s; CPU %.0fx under the wire%s\n",
        qPrintable(label), values, static_cast<long long>(bytes), qPrintable(pace), seconds, cpu,
        wire, wire / cpu, ok ? "" : " (WRONG RESULT)");
    std::printf("program%s: the event loop was blocked at most %.1f ms\n", qPrintable(label),
                longestBlockedNs / 1e6);
    std::printf("FIGURE program%s_cpu_s %.3f\nFIGURE program%s_wire_ratio %.0f\n",
                qPrintable(label), cpu, qPrintable(label), wire / cpu);
    std::printf("FIGURE program%s_longest_block_ms %.1f\n", qPrintable(label),
                longestBlockedNs / 1e6);
    return ok ? 0 : 1;
}
