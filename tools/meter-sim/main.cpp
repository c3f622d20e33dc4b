// SPDX-License-Identifier: GPL-3.0-or-later
// The meter simulator: plays the meter on a pseudo-terminal registered as a port link, so the
// program finds it at start-up as it finds a real meter.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdio>
#include <random>

#include "MeterState.h"
#include "core/common/Paths.h"
#include "core/common/Version.h"
#include "core/link/PortLinks.h"
#include "core/system/Process.h"
#include "core/system/PseudoTerminal.h"

namespace {

/** The line to the program: paced output, with optional faults on the bytes. */
class Line : public QObject {
public:
    Line(PseudoTerminal& master, MeterState& meter, double usPerByte, double faultRate,
         std::uint32_t seed, QString record, int liveMs)
        : m_master(master),
          m_meter(meter),
          m_usPerByte(usPerByte),
          m_faultRate(faultRate),
          m_rng(seed ^ 0x5eed) {
        if (!record.isEmpty()) {
            m_record.setFileName(record);
            m_record.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered);
        }
        m_read = new QSocketNotifier(master.handle(), QSocketNotifier::Read, this);
        connect(m_read, &QSocketNotifier::activated, this, [this] { readCommands(); });
        m_pace.setInterval(2);
        connect(&m_pace, &QTimer::timeout, this, [this] { pump(); });
        // A client killed while it held the port leaves it exclusive: cleared every half second.
        m_release.setInterval(500);
        connect(&m_release, &QTimer::timeout, this, [this] { m_master.allowOtherOpeners(); });
        m_release.start();
        m_live.setInterval(liveMs);
        connect(&m_live, &QTimer::timeout, this, [this] {
            if (m_meter.continuous())
                queue(m_meter.liveReading());
            else
                m_live.stop();
        });
        m_clock.start();
    }

private:
    void readCommands() {
        char buf[256];
        const qint64 n = m_master.read(buf, sizeof buf);
        if (n <= 0) {
            // No program has the port open: wait for one.
            m_read->setEnabled(false);
            QTimer::singleShot(200, this, [this] { m_read->setEnabled(true); });
            return;
        }
        for (qint64 i = 0; i < n; ++i) {
            const QByteArray answer = m_meter.receive(buf[i]);
            if (m_meter.takeStopRequest()) stop();
            queue(answer);
        }
        if (m_meter.continuous() && !m_live.isActive()) m_live.start();
    }

    void stop() {
        // Nothing being sent: nothing to end, and no end of data is owed.
        if (m_out.isEmpty()) return;
        // Finish the value being sent, then end the data, at once: a pair left waiting would
        // end whatever is asked next before its first set.
        const qsizetype lf = m_out.indexOf('\n');
        if (lf >= 0)
            m_out.truncate(lf + 1);
        else
            m_out.clear();
        m_out += "\r\r";
        if (!m_pace.isActive()) m_pace.start();
        pump();
    }

    void queue(const QByteArray& bytes) {
        if (bytes.isEmpty()) return;
        if (m_faultRate > 0) {
            std::uniform_real_distribution<double> chance(0.0, 1.0);
            for (char b : bytes) {
                if (chance(m_rng) < m_faultRate) {
                    if (chance(m_rng) < 0.5) continue;  // dropped
                    m_out.append(b);                    // doubled
                }
                m_out.append(b);
            }
        } else {
            m_out += bytes;
        }
        if (m_out.isEmpty()) return;
        m_sentUntil =
            qMax<double>(m_sentUntil, static_cast<double>(m_clock.nsecsElapsed()) / 1000.0);
        if (!m_pace.isActive()) m_pace.start();
        pump();
    }

    void pump() {
        const double now = static_cast<double>(m_clock.nsecsElapsed()) / 1000.0;
        qsizetype budget = m_out.size();
        if (m_usPerByte > 0)
            budget =
                qMin<qsizetype>(budget, static_cast<qsizetype>((now - m_sentUntil) / m_usPerByte));
        if (budget > 0) {
            const qint64 n = m_master.write(m_out.constData(), budget);
            if (n > 0) {
                if (m_record.isOpen()) m_record.write(m_out.constData(), n);
                m_out.remove(0, n);
                m_sentUntil += static_cast<double>(n) * m_usPerByte;
            }
        }
        if (m_out.isEmpty()) m_pace.stop();
    }

    PseudoTerminal& m_master;
    MeterState& m_meter;
    double m_usPerByte;
    double m_faultRate;
    std::mt19937 m_rng;
    QSocketNotifier* m_read;
    QTimer m_pace;
    QTimer m_live;
    QTimer m_release;
    QElapsedTimer m_clock;
    QByteArray m_out;
    QFile m_record;
    double m_sentUntil = 0;
};
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orvanta-meter-sim"));
    QCoreApplication::setApplicationVersion(Version::number());
    QCommandLineParser cli;
    cli.setApplicationDescription(QStringLiteral("Plays the Orvanta meter on a pseudo-terminal."));
    cli.addHelpOption();
    cli.addVersionOption();
    QCommandLineOption portOpt({"p", "port"}, "Port number to register (default: lowest free).",
                               "N");
    QCommandLineOption seedOpt({"s", "seed"}, "Seed of the generated readings (default 1).", "SEED",
                               "1");
    QCommandLineOption fastOpt("full-speed", "Send at full speed instead of 9600 baud.");
    QCommandLineOption usOpt("us-per-byte",
                             "Microseconds per byte sent (default 1041.7, 9600 baud).", "US");
    QCommandLineOption faultOpt("faults", "Rate of injected line faults, 0 to 1 (default 0).",
                                "RATE", "0");
    QCommandLineOption lostLfOpt(
        "lost-line-feeds",
        "Rate at which a set value loses its line feed and runs into the next, 0 to 1.", "RATE",
        "0");
    QCommandLineOption lostPointOpt(
        "lost-points", "Rate at which a set value loses its decimal point, 0 to 1.", "RATE", "0");
    QCommandLineOption dumpOpt("dump", "Write the meter's readings to FILE (set, position, value).",
                               "FILE");
    QCommandLineOption recordOpt("record", "Write every byte sent to FILE.", "FILE");
    QCommandLineOption fullOpt("full", "Every set holds 128 readings.");
    QCommandLineOption liveOpt("live-ms",
                               "Milliseconds between continuous readings (default 500, as the "
                               "meter).",
                               "MS", "500");
    cli.addOptions({portOpt, seedOpt, fastOpt, usOpt, faultOpt, lostLfOpt, lostPointOpt, dumpOpt,
                    recordOpt, fullOpt, liveOpt});
    cli.process(app);

    const auto seed = static_cast<std::uint32_t>(cli.value(seedOpt).toUInt());
    const double faults = qBound(0.0, cli.value(faultOpt).toDouble(), 1.0);
    double usPerByte = 1e6 / 960.0;  // 10 bits a byte at 9600 baud
    if (cli.isSet(usOpt)) usPerByte = qMax(0.0, cli.value(usOpt).toDouble());
    if (cli.isSet(fastOpt)) usPerByte = 0;

    PseudoTerminal master;
    if (!master.isOpen()) {
        std::fprintf(stderr, "orvanta-meter-sim: cannot open a pseudo-terminal\n");
        return 1;
    }
    const QString device = master.devicePath();

    PortLinks ports(Paths::portsFolder());
    // The simulator's port link leads to a name of its own that leads to its pseudo-terminal,
    // as a USB meter's leads to its by-id name: a program that lost a simulator finds it again
    // when one starts anew under the same number.
    const QString names = Paths::dataFolder() + QStringLiteral("/sim");
    QDir().mkpath(names);
    // Links left behind by a simulator that was killed lead to pseudo-terminals that are gone.
    for (const PortLinks::Link& l : ports.links()) {
        const bool ours = l.target.startsWith(QLatin1String("/dev/pts/")) ||
                          l.target.startsWith(names + QLatin1Char('/'));
        if (l.device.isEmpty() && ours) ports.removeLink(l.number);
    }
    const int number = cli.isSet(portOpt) ? cli.value(portOpt).toInt() : ports.lowestFreeNumber();
    const QString name = names + QStringLiteral("/meter-") + QString::number(number);
    QFile::remove(name);
    if (!QFile::link(device, name) || !ports.createLink(number, name)) {
        std::fprintf(stderr, "orvanta-meter-sim: port %d is taken (%s/com%d)\n", number,
                     qPrintable(ports.folder()), number);
        return 1;
    }

    MeterState meter(seed, faults, cli.isSet(fullOpt));
    meter.setValueFaults(qBound(0.0, cli.value(lostLfOpt).toDouble(), 1.0),
                         qBound(0.0, cli.value(lostPointOpt).toDouble(), 1.0));
    if (cli.isSet(dumpOpt)) {
        QFile f(cli.value(dumpOpt));
        if (f.open(QIODevice::WriteOnly)) f.write(meter.dump());
    }

    Interruption interruption(true);
    QObject::connect(&interruption, &Interruption::requested, &app, &QCoreApplication::quit);

    Line line(master, meter, usPerByte, faults, seed, cli.value(recordOpt),
              qBound(1, cli.value(liveOpt).toInt(), 60000));
    std::printf("Orvanta meter simulator on %s as port %d (COM%d)\n", qPrintable(device), number,
                number);
    std::fflush(stdout);
    const int rc = app.exec();
    ports.removeLink(number);
    QFile::remove(name);
    return rc;
}
