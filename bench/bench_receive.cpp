// SPDX-License-Identifier: GPL-3.0-or-later
// A full 30-set download (3,840 values) through the session's receive handler into a real
// Readings.db, each reading committed as it arrives: the CPU time it takes against the time the
// same bytes take on the wire at 9600 baud. The bytes are sent as fast as the device takes them,
// so this is the receive path's own cost, windows included.

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "AppRig.h"
#include "Measures.h"
#include "Pty.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Pty pty;
    AppRig rig;
    rig.env.link(5, pty.slavePath());
    rig.start();
    MeterSession& session = (*rig.session);
    const QByteArray all = fullDownloadStream();
    QTimer wake;  // so a wait for events always ends, and the deadline is looked at
    wake.start(100);
    // Five downloads in a row, each sent as fast as the device takes it; the process's CPU time
    // counts, and the middle round's, so one slow round on a busy machine does not decide it.
    std::vector<double> times;
    bool ok = true;
    int values = 0;
    QObject::connect(&session, &MeterSession::downloadEnded,
                     [&](const DownloadSummary& account) { values = account.stored; });
    for (int round = 0; round < 5; ++round) {
        session.DownloadAllSets();
        pty.receive(20);
        const qint64 target = session.link().bytesReceived() + all.size();
        const double before = cpuSeconds();
        CALLGRIND_TOGGLE_COLLECT;  // under callgrind (--collect-atstart=no): the rounds alone
        pty.send(all);
        QElapsedTimer deadline;
        deadline.start();
        while ((session.link().bytesReceived() < target || session.isDownloading()) &&
               deadline.elapsed() < 20000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        CALLGRIND_TOGGLE_COLLECT;
        times.push_back(cpuSeconds() - before);
        ok = ok && values == 3840 && session.store().cell(127, 30) == "0.030128" &&
             !session.isDownloading();
    }
    std::sort(times.begin(), times.end());
    const double seconds = times[times.size() / 2];
    const double wire = wireSeconds(all.size());
    std::printf(
        "receive: %d values, %lld bytes in %.3f s of CPU (middle of 5): %.0f values/s; wire at "
        "9600 baud "
        "%.1f s; %.0fx faster than the wire%s\n",
        values, static_cast<long long>(all.size()), seconds, values / seconds, wire, wire / seconds,
        ok ? "" : " (WRONG RESULT)");
    std::printf("FIGURE receive_values_per_s %.0f\nFIGURE receive_wire_ratio %.0f\n",
                values / seconds, wire / seconds);
    return ok ? 0 : 1;
}
