// SPDX-License-Identifier: GPL-3.0-or-later
// orvanta-cli: the meter from a terminal or a script, on the same session, settings, port links
// and readings database as the desktop program. No window system is touched.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

#include "cli/CliCommands.h"
#include "cli/CliOutput.h"
#include "core/common/Version.h"
#include "core/link/PortLinks.h"
#include "core/meter/MeterFacts.h"
#include "core/system/Process.h"

namespace {
const char* const kUsage =
    "Usage: orvanta-cli COMMAND [OPTIONS]\n"
    "The Orvanta magnetic susceptibility meter from the command line.\n"
    "\n"
    "Commands:\n"
    "  ports [--json]                         the linked ports, their devices, and the meter's\n"
    "  download (--set N | --current | --all) [--port PORT] [-o FILE]\n"
    "                                         stores the meter's sets in the readings database;\n"
    "                                         FILE (.dat, .txt or .csv; - for standard output)\n"
    "                                         is written when it ends\n"
    "  read [--continuous | --samples N | --duration S] [--csv | --json] [--port PORT]\n"
    "       [--gps DEVICE]\n"
    "                                         live readings, one line each\n"
    "  export (--dat | --txt | --csv | --long | --geojson | --survey | --las --set N) FILE\n"
    "                                         writes what the readings database holds\n"
    "  open FILE                              replaces the readings and set details with a\n"
    "                                         data file's (.dat) or a survey file's (.orvanta)\n"
    "  details --set N [--site TEXT] [--depth M] [--spacing M] [--lat DEG] [--lon DEG]\n"
    "          [--elevation M] [--operator TEXT] [--notes TEXT] [--json]\n"
    "          [--from-gps DEVICE [--gps-wait S]]\n"
    "                                         prints (and sets) a set's details\n"
    "  stats [--set N] [--json]               each set's statistics, in its own units\n"
    "  flag --set N --position K (--reason TEXT | --clear)\n"
    "                                         flags a reading (left out of statistics and\n"
    "                                         lines, kept with its reason), or unflags it\n"
    "  positions --gpx TRACK [--gap S] RECORDING [-o FILE]\n"
    "                                         a recording with each reading's place from a\n"
    "                                         GPS unit's track, by time\n"
    "  downloads [--json] | downloads --raw N [-o FILE]\n"
    "                                         the downloads kept as the meter sent them; one\n"
    "                                         download's bytes (standard output by default)\n"
    "\n"
    "PORT is a number, a device (/dev/ttyUSB0) or a /dev/serial/by-id/ name.\n"
    "`orvanta-cli COMMAND --help` describes a command's options.\n"
    "Exit codes: 0 done, 1 usage error, 2 meter or port error, 3 file error, 4 a download not\n"
    "whole, 130 interrupted.\n";

int usageError(const QString& text) {
    printError(text + QStringLiteral(" (see orvanta-cli --help)"));
    return static_cast<int>(ExitCode::Usage);
}

/** Parses a command's options; false with the usage error told. --help is answered here. */
bool parse(QCommandLineParser& parser, const QStringList& args, const QString& command,
           bool* helped) {
    const QCommandLineOption help({"h", "help"}, QStringLiteral("Show this help."));
    parser.addOption(help);
    *helped = false;
    if (!parser.parse(args)) {
        usageError(parser.errorText());
        return false;
    }
    if (parser.isSet(help)) {
        // The program's name, not its path, on one usage line; the rest as Qt lays it out.
        QString text = parser.helpText();
        text = QStringLiteral("Usage: orvanta-cli %1 [options]").arg(command) +
               text.mid(text.indexOf(QLatin1Char('\n')));
        if (!text.endsWith(QLatin1Char('\n'))) text += QLatin1Char('\n');
        std::fputs(qPrintable(text), stdout);
        *helped = true;
    }
    return true;
}

const char* const kPortHelp =
    "Use PORT: a number from 1 to 255, a device (/dev/ttyUSB0) or a "
    "/dev/serial/by-id/ name (else the port the meter is found on).";

/** --port: a number, or a device. False for a number outside 1..255. */
bool portOption(const QCommandLineParser& parser, const QCommandLineOption& port,
                CliCommands::PortChoice* choice) {
    if (!parser.isSet(port)) return true;
    const QString value = parser.value(port);
    bool isNumber = false;
    const int n = value.toInt(&isNumber);
    if (!isNumber) {
        choice->device = value;
        return !value.isEmpty();
    }
    choice->number = n;
    return PortLinks::isPortNumber(n);
}

/** "needs one of" when none is given, "takes only one of" when several are. */
int choiceError(const QString& command, int chosen, const QString& choices) {
    return usageError(chosen == 0
                          ? QStringLiteral("%1 needs one of %2").arg(command, choices)
                          : QStringLiteral("%1 takes only one of %2").arg(command, choices));
}

QString formatHelp() {
    return QStringLiteral("The format of standard output (-): %1 (default csv).")
        .arg(ExportFormats::ids(true));
}

int runPorts(const QStringList& args) {
    QCommandLineParser parser;
    const QCommandLineOption json("json", QStringLiteral("One JSON object a port."));
    parser.addOption(json);
    bool helped = false;
    if (!parse(parser, args, QStringLiteral("ports"), &helped)) return 1;
    if (helped) return 0;
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("ports takes no arguments"));
    return CliCommands::ports(parser.isSet(json));
}

/** The output FILE ("-": standard output in FORMAT); none (told) for a name with no format. */
std::optional<CliCommands::Output> outputOption(const QString& path, const QString& format,
                                                bool decimalComma) {
    CliCommands::Output out;
    out.path = path;
    out.decimalComma = decimalComma;
    const ExportFormats::Format* chosen =
        path == QLatin1String("-") ? ExportFormats::byId(format) : ExportFormats::bySuffix(path);
    // A download's output holds the whole table: a format of one set is no output for it.
    if (!chosen || chosen->needsSet || (path == QLatin1String("-") && !chosen->toStandardOutput)) {
        usageError(path == QLatin1String("-")
                       ? QStringLiteral("--format takes %1").arg(ExportFormats::ids(true))
                       : QStringLiteral("the output names a .dat, .txt or .csv file, or -"));
        return std::nullopt;
    }
    out.format = chosen;
    return out;
}

int runDownload(const QStringList& args) {
    QCommandLineParser parser;
    const QCommandLineOption set("set", QStringLiteral("Download set N (1 to 30)."),
                                 QStringLiteral("N"));
    const QCommandLineOption current("current",
                                     QStringLiteral("Download the meter's current set."));
    const QCommandLineOption all("all", QStringLiteral("Download all 30 sets."));
    const QCommandLineOption port("port", QString::fromLatin1(kPortHelp), QStringLiteral("PORT"));
    const QCommandLineOption output(
        {"o", "output"},
        QStringLiteral("Write FILE when the download ends: .dat (data file), .txt (text export) "
                       "or .csv; - for standard output."),
        QStringLiteral("FILE"));
    const QCommandLineOption format("format", formatHelp(), QStringLiteral("FORMAT"),
                                    QStringLiteral("csv"));
    const QCommandLineOption decimalComma(
        "decimal-comma", QStringLiteral("CSV with semicolons and decimal commas."));
    const QCommandLineOption silence(
        "timeout", QStringLiteral("Give up when the meter says nothing for SECONDS (default 5)."),
        QStringLiteral("SECONDS"), QStringLiteral("5"));
    parser.addOptions({set, current, all, port, output, format, decimalComma, silence});
    bool helped = false;
    if (!parse(parser, args, QStringLiteral("download"), &helped)) return 1;
    if (helped) return 0;
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("download takes no arguments"));
    const int chosen = int(parser.isSet(set)) + int(parser.isSet(current)) + int(parser.isSet(all));
    if (chosen != 1)
        return choiceError(QStringLiteral("download"), chosen,
                           QStringLiteral("--set N, --current and --all"));
    CliCommands::DownloadRequest request;
    if (parser.isSet(set)) {
        bool ok = false;
        request.set = parser.value(set).toInt(&ok);
        if (!ok || request.set < 1 || request.set > 30)
            return usageError(QStringLiteral("--set takes a number from 1 to 30"));
        request.which = CliCommands::DownloadRequest::Which::Selected;
    } else if (parser.isSet(current)) {
        request.which = CliCommands::DownloadRequest::Which::Current;
    }
    if (!portOption(parser, port, &request.port))
        return usageError(QStringLiteral("--port takes a number from 1 to 255 or a device"));
    bool ok = false;
    request.silenceSeconds = parser.value(silence).toInt(&ok);
    if (!ok || request.silenceSeconds < 1)
        return usageError(QStringLiteral("--timeout takes a whole number of seconds"));
    if (parser.isSet(output)) {
        std::optional<CliCommands::Output> out =
            outputOption(parser.value(output), parser.value(format), parser.isSet(decimalComma));
        if (!out) return 1;
        request.output = out;
    }
    return CliCommands::download(request);
}

int runRead(const QStringList& args) {
    QCommandLineParser parser;
    const QCommandLineOption continuous("continuous",
                                        QStringLiteral("Readings until Ctrl+C, not just one."));
    const QCommandLineOption samples("samples", QStringLiteral("N readings, then stop."),
                                     QStringLiteral("N"));
    const QCommandLineOption duration("duration", QStringLiteral("Read for S seconds, then stop."),
                                      QStringLiteral("S"));
    const QCommandLineOption csv("csv", QStringLiteral("Comma-separated lines with a header."));
    const QCommandLineOption json(
        "json", QStringLiteral("One JSON object a reading: time, value, units, set, reading."));
    const QCommandLineOption port("port", QString::fromLatin1(kPortHelp), QStringLiteral("PORT"));
    const QCommandLineOption silence(
        "timeout", QStringLiteral("Give up when no reading comes for SECONDS (default 5)."),
        QStringLiteral("SECONDS"), QStringLiteral("5"));
    const QCommandLineOption gps(
        "gps",
        QStringLiteral("Each reading with the position of the GPS receiver on DEVICE (NMEA, 4800 "
                       "or 9600 baud): latitude, longitude, elevation_m; empty without a fix."),
        QStringLiteral("DEVICE"));
    parser.addOptions({continuous, samples, duration, csv, json, port, silence, gps});
    bool helped = false;
    if (!parse(parser, args, QStringLiteral("read"), &helped)) return 1;
    if (helped) return 0;
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("read takes no arguments"));
    CliCommands::ReadRequest request;
    request.continuous = parser.isSet(continuous);
    request.csv = parser.isSet(csv);
    request.json = parser.isSet(json);
    if (request.csv && request.json)
        return choiceError(QStringLiteral("read"), 2, QStringLiteral("--csv and --json"));
    const int ends =
        int(parser.isSet(continuous)) + int(parser.isSet(samples)) + int(parser.isSet(duration));
    if (ends > 1)
        return choiceError(QStringLiteral("read"), ends,
                           QStringLiteral("--continuous, --samples and --duration"));
    bool ok = true;
    if (parser.isSet(samples)) request.samples = parser.value(samples).toInt(&ok);
    if (!ok || (parser.isSet(samples) && request.samples < 1))
        return usageError(QStringLiteral("--samples takes a whole number from 1"));
    if (parser.isSet(duration)) request.durationSeconds = parser.value(duration).toInt(&ok);
    if (!ok || (parser.isSet(duration) && request.durationSeconds < 1))
        return usageError(QStringLiteral("--duration takes a whole number of seconds"));
    if (!portOption(parser, port, &request.port))
        return usageError(QStringLiteral("--port takes a number from 1 to 255 or a device"));
    request.silenceSeconds = parser.value(silence).toInt(&ok);
    if (!ok || request.silenceSeconds < 1)
        return usageError(QStringLiteral("--timeout takes a whole number of seconds"));
    request.gpsDevice = parser.value(gps);
    if (parser.isSet(gps) && request.gpsDevice.isEmpty())
        return usageError(QStringLiteral("--gps takes the receiver's device"));
    return CliCommands::read(request);
}

/** --set N: 1..30; none (told) otherwise. */
std::optional<int> setOption(const QCommandLineParser& parser, const QCommandLineOption& set) {
    bool ok = false;
    const int n = parser.value(set).toInt(&ok);
    if (!ok || n < 1 || n > 30) {
        usageError(QStringLiteral("--set takes a number from 1 to 30"));
        return std::nullopt;
    }
    return n;
}

int runExport(const QStringList& args) {
    QCommandLineParser parser;
    // One option a format of the list: --dat, --txt, --csv and the rest.
    QList<QCommandLineOption> formats;
    QStringList names;
    for (const ExportFormats::Format& f : ExportFormats::all()) {
        formats << QCommandLineOption(f.id, f.cliHelp);
        names << QStringLiteral("--") + f.id;
    }
    const QCommandLineOption set("set", QStringLiteral("The set of a LAS log (1 to 30)."),
                                 QStringLiteral("N"));
    const QCommandLineOption decimalComma(
        "decimal-comma", QStringLiteral("CSV or long table with semicolons and decimal commas."));
    parser.addOptions(formats);
    parser.addOptions({set, decimalComma});
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("The file to write; - for standard output."));
    bool helped = false;
    if (!parse(parser, args, QStringLiteral("export"), &helped)) return 1;
    if (helped) return 0;
    CliCommands::Output output;
    int chosen = 0;
    for (qsizetype i = 0; i < formats.size(); ++i)
        if (parser.isSet(formats[i])) {
            ++chosen;
            output.format = &ExportFormats::all()[i];
        }
    if (chosen != 1)
        return choiceError(QStringLiteral("export"), chosen,
                           names.mid(0, names.size() - 1).join(QStringLiteral(", ")) +
                               QStringLiteral(" and ") + names.last());
    // An option the format has no use for is a mistake worth a word, not passed over.
    if (parser.isSet(decimalComma) && !output.format->hasDecimalComma) {
        QStringList with;
        for (const ExportFormats::Format& f : ExportFormats::all())
            if (f.hasDecimalComma) with << QStringLiteral("--") + f.id;
        return usageError(QStringLiteral("--decimal-comma goes with %1, not --%2")
                              .arg(with.join(QStringLiteral(" or ")), output.format->id));
    }
    if (output.format->needsSet != parser.isSet(set))
        return usageError(QStringLiteral("--%1 and --set N go together").arg(output.format->id));
    if (parser.positionalArguments().size() != 1)
        return usageError(QStringLiteral("export needs one FILE"));
    output.path = parser.positionalArguments().first();
    if (output.format->needsSet) {
        const std::optional<int> n = setOption(parser, set);
        if (!n) return 1;
        output.set = *n;
    }
    output.decimalComma = parser.isSet(decimalComma);
    return CliCommands::exportReadings(output);
}
int runDetails(const QStringList& args) {
    QCommandLineParser parser;
    const QCommandLineOption set("set", QStringLiteral("The set (1 to 30)."), QStringLiteral("N"));
    const QCommandLineOption json("json", QStringLiteral("One JSON object."));
    const QCommandLineOption fromGps(
        "from-gps",
        QStringLiteral("Sets the latitude, longitude and elevation to the current fix of the GPS "
                       "receiver on DEVICE."),
        QStringLiteral("DEVICE"));
    const QCommandLineOption gpsWait(
        "gps-wait", QStringLiteral("How long --from-gps waits for a fix (default 10 s)."),
        QStringLiteral("SECONDS"), QStringLiteral("10"));
    parser.addOptions({set, json, fromGps, gpsWait});
    QList<QPair<DetailField, QCommandLineOption>> fields;
    for (DetailField f : SetDetailFields::all()) {
        const QString name = SetDetailFields::optionName(f);
        fields.append({f, QCommandLineOption(name,
                                             QStringLiteral("Sets %1 (empty text empties it).")
                                                 .arg(SetDetailFields::label(f)),
                                             QStringLiteral("VALUE"))});
        parser.addOption(fields.last().second);
    }
    bool helped = false;
    if (!parse(parser, args, QStringLiteral("details"), &helped)) return 1;
    if (helped) return 0;
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("details takes no arguments"));
    if (!parser.isSet(set)) return usageError(QStringLiteral("details needs --set N"));
    const std::optional<int> n = setOption(parser, set);
    if (!n) return 1;
    QList<QPair<DetailField, QString>> changes;
    for (const auto& field : fields)
        if (parser.isSet(field.second)) changes.append({field.first, parser.value(field.second)});
    if (parser.isSet(fromGps)) {
        for (const auto& change : changes)
            if (change.first == DetailField::Latitude || change.first == DetailField::Longitude ||
                change.first == DetailField::Elevation)
                return choiceError(QStringLiteral("details"), 2,
                                   QStringLiteral("--from-gps and --lat, --lon or --elevation"));
        bool ok = false;
        const int wait = parser.value(gpsWait).toInt(&ok);
        if (!ok || wait < 1)
            return usageError(QStringLiteral("--gps-wait takes a whole number of seconds"));
        const std::optional<GpsFix> fix = CliCommands::waitForFix(parser.value(fromGps), wait);
        if (!fix) return static_cast<int>(ExitCode::Meter);
        // A 2D fix has no elevation: one kept from before would not be the fix's.
        changes.append({DetailField::Latitude, PositionText::degrees(fix->latitude)});
        changes.append({DetailField::Longitude, PositionText::degrees(fix->longitude)});
        changes.append({DetailField::Elevation, PositionText::metres(fix->elevationM)});
    }
    return CliCommands::details(*n, changes, parser.isSet(json));
}

int runFlag(const QStringList& args) {
    QCommandLineParser parser;
    const QCommandLineOption set("set", QStringLiteral("The set (1 to 30)."), QStringLiteral("N"));
    const QCommandLineOption position("position", QStringLiteral("The position (1 to 128)."),
                                      QStringLiteral("K"));
    const QCommandLineOption reason("reason",
                                    QStringLiteral("Why the reading is flagged (\"broken core\")."),
                                    QStringLiteral("TEXT"));
    const QCommandLineOption clear("clear", QStringLiteral("Unflags the reading."));
    parser.addOptions({set, position, reason, clear});
    bool helped = false;
    if (!parse(parser, args, QStringLiteral("flag"), &helped)) return 1;
    if (helped) return 0;
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("flag takes no arguments"));
    if (!parser.isSet(set) || !parser.isSet(position))
        return usageError(QStringLiteral("flag needs --set N and --position K"));
    if (parser.isSet(reason) == parser.isSet(clear) ||
        (parser.isSet(reason) && parser.value(reason).trimmed().isEmpty()))
        return usageError(QStringLiteral("flag needs a --reason TEXT, or --clear"));
    const std::optional<int> n = setOption(parser, set);
    if (!n) return 1;
    bool ok = false;
    const int k = parser.value(position).toInt(&ok);
    if (!ok || k < 1 || k > Meter::kPositions)
        return usageError(QStringLiteral("--position takes a number from 1 to 128"));
    return CliCommands::flag(*n, k,
                             parser.isSet(clear) ? QString() : parser.value(reason).trimmed());
}

int runStats(const QStringList& args) {
    QCommandLineParser parser;
    const QCommandLineOption set("set", QStringLiteral("Only set N (1 to 30)."),
                                 QStringLiteral("N"));
    const QCommandLineOption json("json", QStringLiteral("One JSON object a set."));
    parser.addOptions({set, json});
    bool helped = false;
    if (!parse(parser, args, QStringLiteral("stats"), &helped)) return 1;
    if (helped) return 0;
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("stats takes no arguments"));
    std::optional<int> n;
    if (parser.isSet(set) && !(n = setOption(parser, set))) return 1;
    return CliCommands::stats(n, parser.isSet(json));
}

int runOpen(const QStringList& args) {
    QCommandLineParser parser;
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QStringLiteral("A data file (.dat), a survey file (.orvanta), a long table (.csv), or a "
                       "recording of live readings (.csv, with --set N)."));
    const QCommandLineOption set(
        "set", QStringLiteral("The set a recording of live readings goes into (1 to 30)."),
        QStringLiteral("N"));
    parser.addOption(set);
    bool helped = false;
    if (!parse(parser, args, QStringLiteral("open"), &helped)) return 1;
    if (helped) return 0;
    if (parser.positionalArguments().size() != 1)
        return usageError(QStringLiteral("open needs one FILE"));
    std::optional<int> into;
    if (parser.isSet(set)) {
        into = setOption(parser, set);
        if (!into) return 1;
    }
    return CliCommands::openFile(parser.positionalArguments().first(), into);
}
int runPositions(const QStringList& args) {
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("RECORDING"),
                                 QStringLiteral("A recording of live readings (.csv)."));
    const QCommandLineOption gpx("gpx", QStringLiteral("The GPX track a GPS unit logged."),
                                 QStringLiteral("FILE"));
    const QCommandLineOption gap(
        "gap",
        QStringLiteral("How far in time a track point may be from a reading (default 10 s)."),
        QStringLiteral("SECONDS"), QStringLiteral("10"));
    const QCommandLineOption out({QStringLiteral("o"), QStringLiteral("output")},
                                 QStringLiteral("Where the placed recording goes (default: - "
                                                "for standard output)."),
                                 QStringLiteral("FILE"), QStringLiteral("-"));
    parser.addOptions({gpx, gap, out});
    bool helped = false;
    if (!parse(parser, args, QStringLiteral("positions"), &helped)) return 1;
    if (helped) return 0;
    if (parser.positionalArguments().size() != 1 || !parser.isSet(gpx))
        return usageError(QStringLiteral("positions needs --gpx FILE and one RECORDING"));
    bool ok = false;
    const int seconds = parser.value(gap).toInt(&ok);
    if (!ok || seconds < 0)
        return usageError(QStringLiteral("--gap takes a whole number of seconds"));
    return CliCommands::positions(parser.positionalArguments().first(), parser.value(gpx), seconds,
                                  parser.value(out));
}

int runDownloads(const QStringList& args) {
    QCommandLineParser parser;
    const QCommandLineOption raw("raw", QStringLiteral("Write download N's bytes as received."),
                                 QStringLiteral("N"));
    const QCommandLineOption out({QStringLiteral("o"), QStringLiteral("output")},
                                 QStringLiteral("Where the bytes go (default: - for standard "
                                                "output)."),
                                 QStringLiteral("FILE"), QStringLiteral("-"));
    const QCommandLineOption json("json", QStringLiteral("One JSON object a download."));
    parser.addOptions({raw, out, json});
    bool helped = false;
    if (!parse(parser, args, QStringLiteral("downloads"), &helped)) return 1;
    if (helped) return 0;
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("downloads takes no arguments"));
    std::optional<qint64> n;
    if (parser.isSet(raw)) {
        bool ok = false;
        n = parser.value(raw).toLongLong(&ok);
        if (!ok || *n < 1) return usageError(QStringLiteral("--raw takes a download's number"));
    }
    return CliCommands::downloads(n, parser.value(out), parser.isSet(json));
}
}  // namespace

int main(int argc, char** argv) {
    // A file that may grow no further fails its write, which is reported, instead of ending the
    // program in the middle of a download.
    Process::ignoreFileSizeLimit();
    // A reader that goes away (`| head`) ends the program through a failed write, after the
    // meter has been told to stop, never by a signal in the middle.
    Process::ignoreBrokenPipe();
    QCoreApplication app(argc, argv);
    // The desktop program's names: the same settings file and data folder.
    QCoreApplication::setOrganizationName(QStringLiteral("Orvanta"));
    QCoreApplication::setApplicationName(QStringLiteral("Orvanta"));
    const QString version = Version::number();
    QCoreApplication::setApplicationVersion(version);

    QStringList args = QCoreApplication::arguments();
    const QString command = args.value(1);
    if (command.isEmpty() || command == QLatin1String("--help") || command == QLatin1String("-h") ||
        command == QLatin1String("help")) {
        std::fputs(kUsage, command.isEmpty() ? stderr : stdout);
        return command.isEmpty() ? static_cast<int>(ExitCode::Usage) : 0;
    }
    if (command == QLatin1String("--version") || command == QLatin1String("-v")) {
        std::printf("orvanta-cli %s\n", qPrintable(version));
        return 0;
    }
    args.removeAt(1);
    const int status = [&] {
        if (command == QLatin1String("ports")) return runPorts(args);
        if (command == QLatin1String("download")) return runDownload(args);
        if (command == QLatin1String("read")) return runRead(args);
        if (command == QLatin1String("export")) return runExport(args);
        if (command == QLatin1String("details")) return runDetails(args);
        if (command == QLatin1String("stats")) return runStats(args);
        if (command == QLatin1String("flag")) return runFlag(args);
        if (command == QLatin1String("open")) return runOpen(args);
        if (command == QLatin1String("downloads")) return runDownloads(args);
        if (command == QLatin1String("positions")) return runPositions(args);
        return usageError(QStringLiteral("unknown command \"%1\"").arg(command));
    }();
    // Output that could not be written (a full disk) is a failure whatever the command did:
    // `read --continuous > log.csv` must not report success while readings were lost.
    if (const QString why = outputFailure(); !why.isEmpty()) {
        printError(QStringLiteral("standard output could not be written: %1").arg(why));
        return static_cast<int>(ExitCode::File);
    }
    return status;
}
