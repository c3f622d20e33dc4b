// SPDX-License-Identifier: GPL-3.0-or-later
// orvanta-cli: the meter from a terminal or a script, on the same session, settings, port links
// and readings database as the desktop program. No window system is touched.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

#include "cli/CliCommands.h"
#include "cli/CliOutput.h"
#include "core/common/Version.h"
#include "core/system/Process.h"

namespace {
const char* const kUsage =
    "Usage: orvanta-cli COMMAND [OPTIONS]\n"
    "The Orvanta magnetic susceptibility meter from the command line.\n"
    "\n"
    "Commands:\n"
    "  ports                                  the linked ports, their devices, and the meter's\n"
    "  download (--set N | --current | --all) [--port N] [-o FILE]\n"
    "                                         stores the meter's sets in the readings database;\n"
    "                                         FILE (.dat, .txt or .csv) is written when it ends\n"
    "  read [--continuous] [--csv] [--port N] live readings, one line each\n"
    "  export (--dat | --txt | --csv) FILE    writes what the readings database holds\n"
    "\n"
    "`orvanta-cli COMMAND --help` describes a command's options.\n"
    "Exit codes: 0 done, 1 usage error, 2 meter or port error, 3 file error, 130 interrupted.\n";

int usageError(const QString& text) {
    printError(text + QStringLiteral(" (see orvanta-cli --help)"));
    return static_cast<int>(ExitCode::Usage);
}

/** Parses a command's options; false with the usage error told. --help is answered here. */
bool parse(QCommandLineParser& parser, const QStringList& args, const QString& command,
           bool* helped) {
    parser.setApplicationDescription(QStringLiteral("orvanta-cli %1").arg(command));
    const QCommandLineOption help({"h", "help"}, QStringLiteral("Show this help."));
    parser.addOption(help);
    *helped = false;
    if (!parser.parse(args)) {
        usageError(parser.errorText());
        return false;
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText().replace(QStringLiteral("[options]"),
                                                        command + QStringLiteral(" [options]"))),
                   stdout);
        *helped = true;
    }
    return true;
}

std::optional<int> portOption(const QCommandLineParser& parser, const QCommandLineOption& port,
                              bool* ok) {
    *ok = true;
    if (!parser.isSet(port)) return std::nullopt;
    const int n = parser.value(port).toInt(ok);
    if (!*ok || n < 1 || n > 255) *ok = false;
    return n;
}

int runPorts(const QStringList& args) {
    QCommandLineParser parser;
    bool helped = false;
    if (!parse(parser, args, QStringLiteral("ports"), &helped)) return 1;
    if (helped) return 0;
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("ports takes no arguments"));
    return CliCommands::ports();
}

int runDownload(const QStringList& args) {
    QCommandLineParser parser;
    const QCommandLineOption set("set", QStringLiteral("Download set N (1 to 30)."),
                                 QStringLiteral("N"));
    const QCommandLineOption current("current",
                                     QStringLiteral("Download the meter's current set."));
    const QCommandLineOption all("all", QStringLiteral("Download all 30 sets."));
    const QCommandLineOption port(
        "port", QStringLiteral("Use port N (else the one the meter is found on)."),
        QStringLiteral("N"));
    const QCommandLineOption output(
        {"o", "output"},
        QStringLiteral(
            "Write FILE when the download ends: .dat (data file), .txt (text export) or .csv."),
        QStringLiteral("FILE"));
    const QCommandLineOption silence(
        "timeout", QStringLiteral("Give up when the meter says nothing for SECONDS (default 5)."),
        QStringLiteral("SECONDS"), QStringLiteral("5"));
    parser.addOptions({set, current, all, port, output, silence});
    bool helped = false;
    if (!parse(parser, args, QStringLiteral("download"), &helped)) return 1;
    if (helped) return 0;
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("download takes no arguments"));
    const int chosen = int(parser.isSet(set)) + int(parser.isSet(current)) + int(parser.isSet(all));
    if (chosen != 1)
        return usageError(QStringLiteral("download needs one of --set N, --current and --all"));
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
    bool ok = false;
    request.port = portOption(parser, port, &ok);
    if (!ok) return usageError(QStringLiteral("--port takes a number from 1 to 255"));
    request.silenceSeconds = parser.value(silence).toInt(&ok);
    if (!ok || request.silenceSeconds < 1)
        return usageError(QStringLiteral("--timeout takes a whole number of seconds"));
    request.outputFile = parser.value(output);
    if (!request.outputFile.isEmpty() && !CliCommands::formatOf(request.outputFile))
        return usageError(QStringLiteral("-o names a .dat, .txt or .csv file"));
    return CliCommands::download(request);
}

int runRead(const QStringList& args) {
    QCommandLineParser parser;
    const QCommandLineOption continuous("continuous",
                                        QStringLiteral("Readings until Ctrl+C, not just one."));
    const QCommandLineOption csv("csv", QStringLiteral("Comma-separated lines with a header."));
    const QCommandLineOption port(
        "port", QStringLiteral("Use port N (else the one the meter is found on)."),
        QStringLiteral("N"));
    const QCommandLineOption silence(
        "timeout", QStringLiteral("Give up when no reading comes for SECONDS (default 5)."),
        QStringLiteral("SECONDS"), QStringLiteral("5"));
    parser.addOptions({continuous, csv, port, silence});
    bool helped = false;
    if (!parse(parser, args, QStringLiteral("read"), &helped)) return 1;
    if (helped) return 0;
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("read takes no arguments"));
    CliCommands::ReadRequest request;
    request.continuous = parser.isSet(continuous);
    request.csv = parser.isSet(csv);
    bool ok = false;
    request.port = portOption(parser, port, &ok);
    if (!ok) return usageError(QStringLiteral("--port takes a number from 1 to 255"));
    request.silenceSeconds = parser.value(silence).toInt(&ok);
    if (!ok || request.silenceSeconds < 1)
        return usageError(QStringLiteral("--timeout takes a whole number of seconds"));
    return CliCommands::read(request);
}

int runExport(const QStringList& args) {
    QCommandLineParser parser;
    const QCommandLineOption dat("dat", QStringLiteral("The data file format."));
    const QCommandLineOption txt("txt", QStringLiteral("The tab-separated text export."));
    const QCommandLineOption csv("csv", QStringLiteral("CSV with a header."));
    parser.addOptions({dat, txt, csv});
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The file to write."));
    bool helped = false;
    if (!parse(parser, args, QStringLiteral("export"), &helped)) return 1;
    if (helped) return 0;
    const int chosen = int(parser.isSet(dat)) + int(parser.isSet(txt)) + int(parser.isSet(csv));
    if (chosen != 1)
        return usageError(QStringLiteral("export needs one of --dat, --txt and --csv"));
    if (parser.positionalArguments().size() != 1)
        return usageError(QStringLiteral("export needs one FILE"));
    const auto format = parser.isSet(dat)   ? CliCommands::FileFormat::Data
                        : parser.isSet(txt) ? CliCommands::FileFormat::Text
                                            : CliCommands::FileFormat::Csv;
    return CliCommands::exportReadings(format, parser.positionalArguments().first());
}
}  // namespace

int main(int argc, char** argv) {
    // A file that may grow no further fails its write, which is reported, instead of ending the
    // program in the middle of a download.
    Process::ignoreFileSizeLimit();
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
    if (command == QLatin1String("ports")) return runPorts(args);
    if (command == QLatin1String("download")) return runDownload(args);
    if (command == QLatin1String("read")) return runRead(args);
    if (command == QLatin1String("export")) return runExport(args);
    return usageError(QStringLiteral("unknown command \"%1\"").arg(command));
}
