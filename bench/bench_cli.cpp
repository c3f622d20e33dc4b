// SPDX-License-Identifier: GPL-3.0-or-later
// orvanta-cli downloading all 30 full sets from the meter simulator at ten times the wire's
// speed: the CLI process's whole CPU time (start-up included) against the wire time.
#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

#include "Measures.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir home;
    QStringList env = QProcess::systemEnvironment();
    env << "XDG_DATA_HOME=" + home.path() + "/data"
        << "XDG_CONFIG_HOME=" + home.path() + "/config"
        << "XDG_RUNTIME_DIR=" + home.path();
    QProcess sim;
    sim.setEnvironment(env);
    sim.start(QStringLiteral(ORVANTA_BUILD_DIR "/orvanta-meter-sim"),
              {"--us-per-byte", "104.17", "--full"});
    if (!sim.waitForReadyRead(5000)) return 1;
    const double before =
        cpuSeconds(RUSAGE_CHILDREN);  // the simulator is still running: not counted
    QProcess cli;
    cli.setEnvironment(env);
    cli.start(QStringLiteral(ORVANTA_BUILD_DIR "/orvanta-cli"),
              {"download", "--all", "-o", home.path() + "/all.csv"});
    const bool finished = cli.waitForFinished(60000);
    const double cpu = cpuSeconds(RUSAGE_CHILDREN) - before;
    sim.terminate();
    sim.waitForFinished(5000);
    QFile csv(home.path() + "/all.csv");
    const int lines = csv.open(QIODevice::ReadOnly) ? csv.readAll().count('\n') : 0;
    const bool ok = finished && cli.exitCode() == 0 && lines == 129;
    const double wire = wireSeconds(fullDownloadStream().size());
    std::printf(
        "cli: download --all of 3,840 values at ten times the wire: CPU %.3f s (start-up "
        "included); "
        "wire at 9600 baud %.1f s; CPU %.0fx under the wire%s\n",
        cpu, wire, wire / cpu, ok ? "" : " (WRONG RESULT)");
    std::printf("FIGURE cli_cpu_s %.3f\nFIGURE cli_wire_ratio %.0f\n", cpu, wire / cpu);
    return ok ? 0 : 1;
}
