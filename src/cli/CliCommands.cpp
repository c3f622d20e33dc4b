// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliCommands.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QTimer>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cli/CliOutput.h"
#include "core/common/Messages.h"
#include "core/common/Paths.h"
#include "core/common/SettingsStore.h"
#include "core/files/CsvExport.h"
#include "core/files/FileCommands.h"
#include "core/files/GpxTrack.h"
#include "core/files/LasExport.h"
#include "core/files/LiveRecording.h"
#include "core/files/SurveyExport.h"
#include "core/files/SurveyFile.h"
#include "core/gps/GpsReceiver.h"
#include "core/link/PortLinks.h"
#include "core/session/MeterSession.h"
#include "core/store/DownloadLog.h"
#include "core/store/SetStatistics.h"
#include "core/system/DeviceAccess.h"
#include "core/system/Process.h"

namespace CliCommands {
namespace {

int code(ExitCode c) { return static_cast<int>(c); }

constexpr int kGatherMs = 100;

/** The settings and the port links, as the desktop program has them. */
struct CliSettings {
    CliSettings() : ports(Paths::portsFolder()) {
        if (const QString problem = settings.problem(); !problem.isEmpty())
            printError(QStringLiteral("warning: ") + problem);
    }
    SettingsStore settings;
    PortLinks ports;
};

/** The readings database, as the desktop program has it; never waited for and never set aside
 *  here (a question only the desktop program asks). */
struct CliStore {
    CliStore() : store(Paths::readingsDatabase()) {}

    /** Opens the readings database; false (told) when it cannot be opened. */
    bool open() {
        const StoreResult opened = store.open();
        if (opened) return true;
        // Another program's lock is told with who may hold it.
        printError(Msg::DatabaseNotOpened.arg(store.path(), opened.kind == StoreFailure::Busy
                                                                ? Msg::DatabaseHeld.text()
                                                                : Msg::why(opened.reason)));
        return false;
    }
    ReadingsStore store;
};

/** The session with what it needs, as the desktop program makes it: the same settings, port
 *  links and readings database. Only the commands that talk to the meter make one. */
class CliSession : public CliSettings, public CliStore {
public:
    CliSession() : session(MeterSession::Deps{settings, ports, store}) { session.loadSettings(); }

    /** A device named by path or by its /dev/serial/by-id/ name: the number of its link, made at
     *  the lowest free number when it has none. None (told) when there is no such device. */
    std::optional<int> numberOfDevice(const QString& name) {
        QString path = name;
        if (!name.contains(QLatin1Char('/'))) {
            path = QStringLiteral("/dev/serial/by-id/") + name;
            if (!QFileInfo::exists(path)) path = QStringLiteral("/dev/") + name;
        }
        const QString device = QFileInfo(path).canonicalFilePath();
        if (device.isEmpty()) {
            printError(QStringLiteral("no such device: %1").arg(name));
            return std::nullopt;
        }
        for (const PortLinks::Link& l : ports.links())
            if (QFileInfo(l.device).canonicalFilePath() == device) return l.number;
        const int number = ports.lowestFreeNumber();
        if (number < 1 || !ports.createLink(number, path)) {
            printError(QStringLiteral("%1 could not be given a port number in %2")
                           .arg(name, ports.folder()));
            return std::nullopt;
        }
        return number;
    }

    /** Opens the meter's port: the one @p choice names, or the one start-up would pick. 0 when
     *  open, else the exit code (told). */
    int connect(const PortChoice& choice) {
        std::optional<int> number = choice.number;
        if (!choice.device.isEmpty()) {
            number = numberOfDevice(choice.device);
            if (!number) return code(ExitCode::Meter);
        }
        if (!number) {
            const auto found = session.findMeterPort();
            const QList<int> candidates = session.meterCandidates();
            if (!found && candidates.size() > 1) {
                QStringList numbers;
                for (int n : candidates) numbers << QString::number(n);
                printError(QStringLiteral("several serial devices are linked (ports %1) and none "
                                          "has answered as the meter yet: name it with --port")
                               .arg(numbers.join(QStringLiteral(", "))));
                return code(ExitCode::Meter);
            }
            if (!found) {
                printError(QStringLiteral(
                    "no meter found: no USB serial port or meter simulator is linked "
                    "(see `orvanta-cli ports`); name the port with --port N"));
                return code(ExitCode::Meter);
            }
            number = *found;
        }
        if (!PortLinks::isPortNumber(*number)) {
            printError(QStringLiteral("--port takes a number from 1 to 255"));
            return code(ExitCode::Usage);
        }
        // No window to keep current: received bytes may gather longer between wake-ups.
        session.link().setGatherInterval(kGatherMs);
        const OpenResult opened = session.openPort(*number);
        const QString device = ports.devicePath(*number);
        switch (opened.kind) {
            case PortFailure::None:
                return 0;
            case PortFailure::HeldByOther:
                printError(QStringLiteral("port %1 (%2) is held by another program")
                               .arg(*number)
                               .arg(device));
                break;
            case PortFailure::NoSuchDevice:
                printError(QStringLiteral("no meter on port %1: %2 does not exist")
                               .arg(*number)
                               .arg(device));
                break;
            case PortFailure::StaleLock:
                printError(QStringLiteral("port %1 (%2) is locked by a program that has ended: "
                                          "remove %3 (as root), then try again")
                               .arg(*number)
                               .arg(device, opened.reason.facts.value(0)));
                break;
            case PortFailure::NotAllowed: {
                // Joining a group is advised only where it would help.
                const QString group = DeviceAccess::groupToJoin(device);
                printError(
                    QStringLiteral("port %1 (%2) cannot be opened: permission denied%3")
                        .arg(*number)
                        .arg(device, group.isEmpty()
                                         ? QString()
                                         : QStringLiteral(" (join the %1 group)").arg(group)));
                break;
            }
            case PortFailure::Failed:
                printError(QStringLiteral("port %1 (%2) cannot be opened: %3")
                               .arg(*number)
                               .arg(device, Msg::why(opened.reason)));
                break;
        }
        return code(ExitCode::Meter);
    }

    MeterSession session;
};

/** Writes @p bytes to @p path ("-": standard output). 0, else the exit code (told). */
int writeBytes(const QByteArray& bytes, const QString& path) {
    if (path == QLatin1String("-")) {
        if (std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout) !=
                static_cast<size_t>(bytes.size()) ||
            std::fflush(stdout) != 0) {
            printError(QStringLiteral("standard output could not be written: %1")
                           .arg(QString::fromLocal8Bit(std::strerror(errno))));
            return code(ExitCode::File);
        }
        return 0;
    }
    if (const Reason why = FileCommands::othersPlant(path)) {
        printError(Msg::FileNotWritten.arg(path, Msg::why(why)));
        return code(ExitCode::File);
    }
    const QFileInfo fi(path);
    if (fi.exists() && !fi.isFile()) {
        // A device or a FIFO of the user's own named on purpose (/dev/stdout, say) is written to as
        // it is.
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.flush()) {
            printError(Msg::FileNotWritten.arg(path, f.errorString()));
            return code(ExitCode::File);
        }
        return 0;
    }
    const FileOutcome outcome = FileCommands::writeWhole(path, bytes);
    if (outcome.ok()) return 0;
    printError(Msg::forFile(outcome));
    return code(ExitCode::File);
}

/** Writes @p output; a CSV holds @p onlySets when there are some. 0, else the exit code (told). */
int writeOutput(const ReadingsStore& store, const Output& output, const QList<int>& onlySets = {}) {
    const ExportFormats::Format& format = *output.format;
    if (!format.toStandardOutput && output.path == QLatin1String("-")) {
        printError(QStringLiteral("a %1 file is written to a regular file, not %2")
                       .arg(format.id, output.path));
        return code(ExitCode::File);
    }
    ExportFormats::Options options;
    options.decimalComma = output.decimalComma;
    options.set = output.set;
    options.onlySets = onlySets;
    options.path = output.path;
    const ExportFormats::Written written = format.write(store, options);
    if (!written.problem.ok()) {
        // A set a format cannot write says why in its own words; the rest as any file failure.
        printError(written.problem.kind == FileFailure::NotWritten && written.problem.set > 0
                       ? QStringLiteral("%1 was not written: %2")
                             .arg(output.path, Msg::why(written.problem.reason))
                       : Msg::forFile(written.problem));
        return code(ExitCode::File);
    }
    if (written.leftOut > 0)
        printError(Msg::SetsWithoutLocation.arg(written.leftOut).arg(output.path));
    return writeBytes(written.bytes, output.path);
}

/** An event loop that runs until the first of several endings; later ones change nothing.
 *  @p End's first enumerator (value 0) means "still running". */
template <typename End>
class FirstEnding {
public:
    void finish(End how) {
        if (m_end != End{}) return;
        m_end = how;
        m_loop.quit();
    }
    /** Runs the loop; the ending that stopped it. */
    End wait() {
        m_loop.exec();
        return m_end;
    }
    QObject* context() { return &m_loop; }

private:
    QEventLoop m_loop;
    End m_end{};

public:
    bool ended() const { return m_end != End{}; }
};

/** Watches the line: fires when nothing has arrived for @p seconds. */
class SilenceWatch : public QObject {
public:
    SilenceWatch(SerialLink& port, int seconds, std::function<void()> onSilence)
        : m_port(port), m_limitMs(seconds * 1000LL), m_onSilence(std::move(onSilence)) {
        m_last = m_port.bytesReceived();
        m_quiet.start();
        m_tick.setInterval(200);
        QObject::connect(&m_tick, &QTimer::timeout, this, [this] {
            if (m_port.bytesReceived() != m_last) {
                m_last = m_port.bytesReceived();
                m_quiet.restart();
            } else if (m_quiet.elapsed() >= m_limitMs) {
                m_tick.stop();
                m_onSilence();
            }
        });
        m_tick.start();
    }

private:
    SerialLink& m_port;
    qint64 m_limitMs;
    std::function<void()> m_onSilence;
    qint64 m_last = 0;
    QElapsedTimer m_quiet;
    QTimer m_tick;
};

}  // namespace

namespace {
// A path as a table line may hold it: a line feed or another control character in a link's
// name or target is shown escaped, never printed raw into the table.
QString escaped(const QString& text) {
    QString out;
    for (const QChar c : text) {
        if (c == QLatin1Char('\\'))
            out += QStringLiteral("\\\\");
        else if (c.category() == QChar::Other_Control)
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}
}  // namespace

int ports(bool json) {
    CliSettings cli;
    const auto meter =
        cli.ports.findMeter(cli.settings.value(SettingKey::Section, SettingKey::Meter, {}));
    const QList<PortLinks::Link> links = cli.ports.links();
    if (json) {
        for (const PortLinks::Link& l : links) {
            const QJsonObject port{{QStringLiteral("port"), l.number},
                                   {QStringLiteral("meter"), meter && *meter == l.number},
                                   {QStringLiteral("device"), l.device},
                                   {QStringLiteral("target"), l.target}};
            std::printf("%s\n", QJsonDocument(port).toJson(QJsonDocument::Compact).constData());
        }
        return code(ExitCode::Ok);
    }
    std::printf("%-5s %-7s %-40s %s\n", "Port", "Meter", "Device", "Link target");
    for (const PortLinks::Link& l : links) {
        const bool isMeter = meter && *meter == l.number;
        std::printf(
            "%-5d %-7s %-40s %s\n", l.number, isMeter ? "yes" : "",
            qPrintable(l.device.isEmpty() ? QStringLiteral("(missing)") : escaped(l.device)),
            qPrintable(escaped(l.target)));
    }
    if (links.isEmpty())
        std::printf("No port is linked in %s. Plug the meter in, or start orvanta-meter-sim.\n",
                    qPrintable(escaped(cli.ports.folder())));
    else if (!meter)
        std::printf(
            "No linked port is a USB serial port: start-up would warn and use the \"Comm Num\" "
            "setting.\n");
    return code(ExitCode::Ok);
}

int download(const DownloadRequest& request) {
    CliSession cli;
    if (!cli.open()) return code(ExitCode::File);
    // Each gathering of readings is committed as it arrives; other programs may read the file
    // meanwhile.
    if (const int failed = cli.connect(request.port)) return failed;
    MeterSession& session = cli.session;

    // The session's account of the download is final once it is reported: that comes after the
    // download's last commit, whatever ended it (end of data, Ctrl+C, a lost connection, no
    // answer, a store failure).
    enum class End { Running, Reported, Interrupted };
    FirstEnding<End> ending;
    QObject* const context = ending.context();
    bool interrupted = false;
    Interruption interruption;
    QObject::connect(&interruption, &Interruption::requested, context, [&] {
        interrupted = true;
        session.cancelDownload();  // sends "P"; what was stored stays stored
    });
    DownloadSummary summary;
    QObject::connect(&session, &MeterSession::downloadReported, context,
                     [&](const DownloadSummary& account) {
                         summary = account;
                         ending.finish(End::Reported);
                     });
    const bool showProgress = Process::stderrIsTerminal();
    QElapsedTimer sinceShown;
    sinceShown.start();
    QObject::connect(&session, &MeterSession::downloadProgressed, context,
                     [&](const DownloadProgress& at) {
                         if (!showProgress || sinceShown.elapsed() < 100) return;
                         sinceShown.restart();
                         std::fprintf(stderr, "\rSet %2d  Reading %3d  %4d stored", at.set,
                                      qMin(at.position, Meter::kPositions), at.stored);
                         std::fflush(stderr);
                     });
    session.setAnswerTimeout(request.silenceSeconds * 1000);

    switch (request.which) {
        case DownloadRequest::Which::Selected:
            session.selectSet(request.set);
            session.DownloadSelectedSet();
            break;
        case DownloadRequest::Which::Current:
            session.DownloadCurrentSet();
            break;
        case DownloadRequest::Which::All:
            session.DownloadAllSets();
            break;
    }
    if (!session.isDownloading()) {
        printError(QStringLiteral("the request could not be sent to the meter"));
        return code(ExitCode::Meter);
    }
    ending.wait();
    if (showProgress) std::fputc('\n', stderr);

    // The same account the desktop program gives: a status line, then what went wrong.
    const QString account = summary.troubled() ? summary.report() : summary.statusLine();
    for (const QString& line : account.split(QLatin1Char('\n'))) printError(line);
    if (interrupted) {
        printError(QStringLiteral("interrupted: the meter was told to stop"));
        return code(ExitCode::Interrupted);
    }
    switch (summary.end) {
        case DownloadEnd::StoreFailed:
            return code(ExitCode::File);
        case DownloadEnd::ConnectionLost:
        case DownloadEnd::PortChanged:
            // No output file: it would look like a whole download.
            return code(ExitCode::Meter);
        case DownloadEnd::NoAnswer:
            // A set that arrived in part before the meter fell silent is written, and the exit
            // says it is not whole; nothing at all is the meter's failure.
            if (!summary.storedAny()) return code(ExitCode::Meter);
            break;
        default:
            break;
    }
    if (summary.noSet()) return code(ExitCode::Meter);  // the meter sent no set
    if (request.output) {
        // A one-set download writes its set only; Download All, the whole table.
        const QList<int> onlySets =
            request.which == DownloadRequest::Which::All ? QList<int>() : summary.sets;
        if (const int failed = writeOutput(session.store(), *request.output, onlySets))
            return failed;
        if (Process::stderrIsTerminal() && request.output->path != QLatin1String("-"))
            printError(QStringLiteral("written to %1").arg(request.output->path));
    }
    return code(summary.whole() ? ExitCode::Ok : ExitCode::Incomplete);
}

int read(const ReadRequest& request) {
    CliSession cli;
    // The panel's store function belongs to the desktop program; reading needs no database.
    if (const int failed = cli.connect(request.port)) return failed;
    MeterSession& session = cli.session;
    const bool continuous =
        request.continuous || request.samples > 0 || request.durationSeconds > 0;

    bool setKnown = false;
    bool readingKnown = false;
    QObject::connect(&session, &MeterSession::meterSetChanged, [&] { setKnown = true; });
    QObject::connect(&session, &MeterSession::meterReadingChanged, [&] { readingKnown = true; });

    // The receiver's own device, never the meter's: a reading is kept without a position
    // rather than lost for want of one.
    GpsReceiver gps;
    const bool withGps = !request.gpsDevice.isEmpty();
    if (withGps) {
        if (QFileInfo(request.gpsDevice).canonicalFilePath() ==
            QFileInfo(session.link().device()).canonicalFilePath()) {
            printError(QStringLiteral("%1 is the meter's port, not a GPS receiver")
                           .arg(request.gpsDevice));
            return code(ExitCode::Usage);
        }
        if (!gps.start(request.gpsDevice))
            printError(QStringLiteral("warning: the GPS receiver %1 could not be opened (%2); "
                                      "readings go without positions until it can")
                           .arg(request.gpsDevice, gps.reason()));
    }
    enum class End { Running, Done, Interrupted, Lost, Silent, OutputClosed };
    FirstEnding<End> ending;
    QObject* const context = ending.context();
    if (request.csv &&
        !printOut(withGps ? QStringLiteral("time,value,units,set,reading,latitude,longitude,"
                                           "elevation_m")
                          : QStringLiteral("time,value,units,set,reading")))
        return code(ExitCode::Ok);
    int shown = 0;
    QObject::connect(&session, &MeterSession::liveValue, context, [&](double value) {
        if (ending.ended()) return;  // taken after the end: never printed
        const MeterReport& meter = session.state().meter;
        const QString time = utcStamp(QDateTime::currentMSecsSinceEpoch());
        const std::optional<Meter::Units> known = meter.knownUnits();
        // Units the meter has not reported are not known: empty, or null in JSON.
        const QString units = SetDetailFields::unitsName(known);
        const QString set = setKnown ? QString::number(meter.set) : QString();
        const QString reading = readingKnown ? QString::number(meter.reading) : QString();
        // The position of a fix current now; none (empty, null) without one.
        const std::optional<GpsFix> fix = withGps ? gps.current() : std::nullopt;
        const QString latitude = fix ? PositionText::degrees(fix->latitude) : QString();
        const QString longitude = fix ? PositionText::degrees(fix->longitude) : QString();
        const QString elevation = fix ? PositionText::metres(fix->elevationM) : QString();
        const auto orNull = [](const QString& number) {
            return number.isEmpty() ? QStringLiteral("null") : number;
        };
        QString line;
        if (request.json) {
            // The keys in the order of the CSV's columns; an unknown set or reading is null.
            line = QStringLiteral(
                       "{\"time\":\"%1\",\"value\":%2,\"units\":%3,\"set\":%4,"
                       "\"reading\":%5")
                       .arg(time, QString::number(value, 'g', QLocale::FloatingPointShortest),
                            known ? QLatin1Char('"') + units + QLatin1Char('"')
                                  : QStringLiteral("null"),
                            setKnown ? set : QStringLiteral("null"),
                            readingKnown ? reading : QStringLiteral("null"));
            if (withGps)
                line += QStringLiteral(",\"latitude\":%1,\"longitude\":%2,\"elevation_m\":%3")
                            .arg(orNull(latitude), orNull(longitude), orNull(elevation));
            line += QLatin1Char('}');
        } else if (request.csv) {
            QStringList fields{time, CsvExport::quoted(session.shownReading()), units, set,
                               reading};
            if (withGps) fields << latitude << longitude << elevation;
            line = fields.join(QLatin1Char(','));
        } else {
            line = time + QStringLiteral("  ") + session.shownReading() + QStringLiteral("  ") +
                   (known ? units : QStringLiteral("units not known"));
            if (setKnown) line += QStringLiteral("  set ") + set;
            if (readingKnown) line += QStringLiteral("  reading ") + reading;
            if (withGps)
                line += fix ? QStringLiteral("  at %1 %2").arg(latitude, longitude) +
                                  (elevation.isEmpty() ? QString()
                                                       : QStringLiteral(" %1 m").arg(elevation))
                            : QStringLiteral("  no GPS fix");
        }
        if (!printOut(line)) {
            ending.finish(End::OutputClosed);
            return;
        }
        ++shown;
        if (!continuous || (request.samples > 0 && shown >= request.samples))
            ending.finish(End::Done);
    });
    QObject::connect(&session, &MeterSession::connectionLost, context,
                     [&] { ending.finish(End::Lost); });
    Interruption interruption;
    QObject::connect(&interruption, &Interruption::requested, context,
                     [&] { ending.finish(End::Interrupted); });
    // Continuous readings come twice a second; silence is looked for only before the first.
    SilenceWatch silence(session.link(), request.silenceSeconds, [&] {
        if (shown == 0 || continuous) ending.finish(End::Silent);
    });
    if (request.durationSeconds > 0)
        QTimer::singleShot(request.durationSeconds * 1000, context,
                           [&] { ending.finish(End::Done); });

    if (continuous)
        session.ShowContinuousReadings();
    else
        session.CaptureCurrentReading();
    // A port just opened may still carry the rest of an earlier answer (a download another run
    // cut short): only a value of a live answer, after its units, mode, set or reading, counts.
    session.awaitLiveAnswer();
    const End end = ending.wait();
    if (continuous && session.isConnected()) session.stopReadings();  // the meter stops sending

    switch (end) {
        case End::Lost:
            printError(QStringLiteral("the connection to the meter was lost"));
            return code(ExitCode::Meter);
        case End::Silent:
            printError(
                QStringLiteral("the meter sent no reading for %1 s").arg(request.silenceSeconds));
            return code(ExitCode::Meter);
        case End::Interrupted:
            return code(continuous ? ExitCode::Ok : ExitCode::Interrupted);
        case End::Running:
        case End::Done:
        case End::OutputClosed:
            break;
    }
    return code(ExitCode::Ok);
}

int exportReadings(const Output& output) {
    CliStore cli;
    if (!cli.open()) return code(ExitCode::File);
    return writeOutput(cli.store, output);
}

namespace {
QJsonValue jsonOrNull(const std::optional<double>& v) { return v ? QJsonValue(*v) : QJsonValue(); }
QJsonValue jsonOrNull(const QString& v) { return v.isEmpty() ? QJsonValue() : QJsonValue(v); }
QString compact(const QJsonObject& o) {
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}
}  // namespace

int flag(int set, int position, const QString& reason) {
    CliStore cli;
    if (!cli.open()) return code(ExitCode::File);
    const StoreResult written = cli.store.setFlag(set, position, reason);
    if (written.kind == StoreFailure::NoSuchCell) {
        printError(QStringLiteral("position %1 of set %2 holds no reading to flag")
                       .arg(position)
                       .arg(set));
        return code(ExitCode::Usage);
    }
    if (!written) {
        printError(Msg::TableNotWritten.arg(Msg::why(written.reason)));
        return code(ExitCode::File);
    }
    return 0;
}

std::optional<GpsFix> waitForFix(const QString& device, int seconds) {
    GpsReceiver gps;
    QEventLoop loop;
    QObject::connect(&gps, &GpsReceiver::fixChanged, &loop, [&] {
        if (gps.current()) loop.quit();
    });
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    if (!gps.start(device)) {
        printError(
            QStringLiteral("the GPS receiver %1 cannot be read: %2").arg(device, gps.reason()));
        return std::nullopt;
    }
    loop.exec();
    const std::optional<GpsFix> fix = gps.current();
    if (!fix)
        printError(QStringLiteral("the GPS receiver %1 gave no fix within %2 s%3")
                       .arg(device)
                       .arg(seconds)
                       .arg(gps.state() == GpsReceiver::State::Receiving
                                ? QString()
                                : QStringLiteral(" (it sent no NMEA sentence)")));
    return fix;
}

int details(int set, const QList<QPair<DetailField, QString>>& changes, bool json) {
    CliStore cli;
    if (!cli.open()) return code(ExitCode::File);
    ReadingsStore& store = cli.store;
    SetDetails d = store.details(set);
    for (const auto& change : changes) {
        if (const Reason why = SetDetailFields::setText(d, change.first, change.second)) {
            printError(QStringLiteral("--%1: %2")
                           .arg(SetDetailFields::optionName(change.first), Msg::why(why)));
            return code(ExitCode::Usage);
        }
    }
    if (!changes.isEmpty()) {
        const StoreResult written = store.setDetails(set, d);
        if (!written) {
            printError(Msg::TableNotWritten.arg(Msg::why(written.reason)));
            return code(ExitCode::File);
        }
    }
    bool printed = true;
    if (json) {
        const QJsonObject o{
            {QStringLiteral("set"), set},
            {QStringLiteral("site"), jsonOrNull(d.site)},
            {QStringLiteral("depth_m"), jsonOrNull(d.depthM)},
            {QStringLiteral("spacing_m"), jsonOrNull(d.spacingM)},
            {QStringLiteral("latitude"), jsonOrNull(d.latitude)},
            {QStringLiteral("longitude"), jsonOrNull(d.longitude)},
            {QStringLiteral("elevation_m"), jsonOrNull(d.elevationM)},
            {QStringLiteral("operator"), jsonOrNull(d.operatorName)},
            {QStringLiteral("notes"), jsonOrNull(d.notes)},
            {QStringLiteral("downloaded_utc"),
             jsonOrNull(d.downloadedUtc.isValid() ? d.downloadedUtc.toString(Qt::ISODate)
                                                  : QString())},
            {QStringLiteral("device"), jsonOrNull(d.device)},
            {QStringLiteral("units"), jsonOrNull(SetDetailFields::unitsName(d.units))},
            {QStringLiteral("complete"), d.complete},
            {QStringLiteral("readings"), store.readingCount(set)},
            {QStringLiteral("unreadable"), d.unreadable},
        };
        printed = printOut(compact(o));
    } else {
        printed = printOut(QStringLiteral("Set %1").arg(set));
        for (const QString& line : SurveyExport::detailLines(store, set))
            printed = printed && printOut(QStringLiteral("  ") + line);
    }
    return printed ? 0 : code(ExitCode::File);
}

int stats(std::optional<int> set, bool json) {
    CliStore cli;
    if (!cli.open()) return code(ExitCode::File);
    const ReadingsStore& store = cli.store;
    QList<int> sets;
    if (set) {
        sets << *set;
    } else {
        for (int s = 1; s <= Meter::kSets; ++s)
            if (store.readingCount(s) > 0) sets << s;
    }
    for (int s : sets) {
        const QString line =
            json ? compact(SurveyExport::statisticsObject(SetStatistics::of(store, s)))
                 : QStringLiteral("Set %1: %2").arg(s).arg(SurveyExport::statisticsLine(store, s));
        if (!printOut(line)) return code(ExitCode::File);
    }
    return 0;
}

int positions(const QString& recording, const QString& gpx, int gapSeconds, const QString& output) {
    QVector<GpxTrack::Point> track;
    if (const FileOutcome read = GpxTrack::read(gpx, &track); !read) {
        printError(Msg::forFile(read));
        return code(ExitCode::File);
    }
    QByteArray placedFile;
    int placed = 0;
    if (const FileOutcome made =
            LiveRecording::placeByTrack(recording, track, gapSeconds, &placedFile, &placed);
        !made) {
        printError(Msg::forFile(made));
        return code(ExitCode::File);
    }
    const int readings = static_cast<int>(placedFile.count('\n')) - 1;
    if (const int failed = writeBytes(placedFile, output)) return failed;
    printError(QStringLiteral("%1 of %2 readings placed from %3 track points (gap %4 s)")
                   .arg(placed)
                   .arg(readings)
                   .arg(track.size())
                   .arg(gapSeconds));
    return 0;
}

int openFile(const QString& path, std::optional<int> set) {
    // A recording of live readings fills one set; every other file the whole table.
    const bool recording = LiveRecording::looksLikeRecording(path);
    if (recording != set.has_value()) {
        printError(recording ? QStringLiteral("%1 is a recording of live readings: say which set "
                                              "it goes into with --set N")
                                   .arg(path)
                             : QStringLiteral("--set goes with a recording of live readings"));
        return code(ExitCode::Usage);
    }
    CliStore cli;
    if (!cli.open()) return code(ExitCode::File);
    const FileOutcome opened = recording ? LiveRecording::readBack(cli.store, path, *set)
                                         : SurveyFile::openAny(cli.store, path);
    if (!opened.ok()) {
        printError(Msg::forFile(opened));
        return code(ExitCode::File);
    }
    // Opened, but not all of it was there: said on standard error, the exit code stays 0.
    if (const QString note = Msg::noteForFile(opened); !note.isEmpty()) printError(note);
    return 0;
}

int downloads(std::optional<qint64> raw, const QString& path, bool json) {
    CliStore cli;
    if (!cli.open()) return code(ExitCode::File);
    if (raw) {
        const std::optional<DownloadLog::RawDownload> d = DownloadLog(cli.store).find(*raw);
        if (!d) {
            printError(
                QStringLiteral("no download %1 is kept (see orvanta-cli downloads)").arg(*raw));
            return code(ExitCode::Usage);
        }
        return writeBytes(d->bytes, path);
    }
    for (const DownloadLog::RawDownload& d : DownloadLog(cli.store).list()) {
        const QString time = d.timeUtc.toString(Qt::ISODateWithMs);
        const QString line =
            json ? compact(QJsonObject{{QStringLiteral("id"), d.id},
                                       {QStringLiteral("time"), time},
                                       {QStringLiteral("device"), jsonOrNull(d.device)},
                                       {QStringLiteral("request"), d.request},
                                       {QStringLiteral("bytes"), d.size}})
                 : QStringLiteral("%1  %2  %3  %4  %5 bytes")
                       .arg(d.id)
                       .arg(time, d.request, d.device.isEmpty() ? QStringLiteral("-") : d.device)
                       .arg(d.size);
        if (!printOut(line)) return code(ExitCode::File);
    }
    return 0;
}

}  // namespace CliCommands
