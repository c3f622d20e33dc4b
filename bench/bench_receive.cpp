// A full 30-set download (3,840 values) through the real receive handler into a real Readings.db,
// compared with the time the same bytes take on the wire at 9600 baud.
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <cstdio>

#include "AppRig.h"
#include "Pty.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Pty pty;
    AppRig rig;
    rig.env.link(5, pty.slavePath());
    frmMain& w = rig.start();
    w.requests().DownloadAllSets();
    pty.receive(20);
    QByteArray all;
    for (int s = 1; s <= 30; ++s) {
        all += "S" + QByteArray::number(s).rightJustified(2, '0') + "\nU1M1";
        for (int i = 1; i <= 128; ++i) all += QByteArray::number(0.000001 * (s * 1000 + i), 'f', 6) + "\n";
    }
    all += "\r\r";
    int taken = 0;
    QObject::connect(&w.MSComm1, &MSComm::OnComm, [&] { ++taken; });
    QElapsedTimer t;
    t.start();
    const int chunk = 256;  // never more than the engine's 512-character limit waiting
    for (qsizetype at = 0; at < all.size(); at += chunk) {
        const QByteArray part = all.mid(at, chunk);
        const int target = taken + static_cast<int>(part.size());
        pty.send(part);
        while (taken < target) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    const double seconds = static_cast<double>(t.nsecsElapsed()) / 1e9;
    const double wire = static_cast<double>(all.size()) * 10.0 / 9600.0;
    const bool ok = w.M.mProgressCount == 3840 && w.rsSets.cell(127, 30) == "0.030128";
    std::printf("receive: %d values, %lld bytes in %.3f s: %.0f values/s; wire at 9600 baud %.1f s; "
                "%.0fx faster than the wire%s\n",
                w.M.mProgressCount, static_cast<long long>(all.size()), seconds, 3840 / seconds, wire, wire / seconds,
                ok ? "" : " (WRONG RESULT)");
    std::printf("FIGURE receive_values_per_s %.0f\nFIGURE receive_wire_ratio %.0f\n", 3840 / seconds, wire / seconds);
    return ok ? 0 : 1;
}
