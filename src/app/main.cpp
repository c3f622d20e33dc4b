// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QFileInfo>
#include <cstdio>
#include <cstring>

#include "app/SingleInstance.h"
#include "core/common/Paths.h"
#include "core/common/SettingsStore.h"
#include "core/common/Version.h"
#include "core/link/PortLinks.h"
#include "core/session/MeterSession.h"
#include "core/store/ReadingsOpener.h"
#include "core/system/Process.h"
#include "gui/dialogs/QtFileDialog.h"
#include "gui/dialogs/QtMessageBox.h"
#include "gui/main/Language.h"
#include "gui/main/MainWindow.h"

namespace {
const char* const kUsage =
    "Usage: orvanta [--help] [--version] [FILE]\n"
    "The desktop companion of the Orvanta magnetic susceptibility meter: downloads the meter's\n"
    "reading sets into the readings database, shows live readings and the meter's keys, and\n"
    "saves, exports and prints the readings.\n"
    "\n"
    "  FILE           a survey file (*.orvanta) or a data file (*.dat) to open (asking first\n"
    "                 about unsaved readings)\n"
    "  -h, --help     show this help and exit\n"
    "  -v, --version  show the version and exit\n"
    "\n"
    "Files: ~/.config/Orvanta/Orvanta.conf (settings), ~/.local/share/Orvanta/Readings.db\n"
    "(readings), ~/.local/share/Orvanta/ports/comN (port links).\n";

// Answered before any window system is touched, so they work without a display.
int answerOptions(int argc, char** argv, bool* handled) {
    *handled = false;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
            std::fputs(kUsage, stdout);
            *handled = true;
            return 0;
        }
        if (!std::strcmp(argv[i], "--version") || !std::strcmp(argv[i], "-v")) {
            std::printf("orvanta %s\n", qPrintable(Version::number()));
            *handled = true;
            return 0;
        }
    }
    return 0;
}
}  // namespace

int main(int argc, char** argv) {
    bool handled = false;
    const int answered = answerOptions(argc, argv, &handled);
    if (handled) return answered;

    // A file that may grow no further fails its write, which is reported, instead of ending the
    // program in the middle of a save.
    Process::ignoreFileSizeLimit();
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Orvanta"));
    QCoreApplication::setApplicationName(QStringLiteral("Orvanta"));
    QCoreApplication::setApplicationVersion(Version::number());

    QGuiApplication::setDesktopFileName(QStringLiteral("org.orvanta.Orvanta"));
    // The desktop's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), where there is a translation.
    Language::install(app);
    // A file named on the command line (the desktop passes one opened with the program).
    QString file;
    for (const QString& arg : QCoreApplication::arguments().mid(1))
        if (!arg.startsWith(QLatin1Char('-'))) file = QFileInfo(arg).absoluteFilePath();

    SingleInstance instance(SingleInstance::defaultName());
    if (!instance.claim()) {
        if (instance.activatePrevious(file)) return 0;
        // The copy that holds the lock did not answer (it hangs, or is another user's): the
        // user learns their file was not opened, and a caller learns it from the exit code.
        const QString what = file.isEmpty() ? QStringLiteral(
                                                  "The program is already running but did not "
                                                  "answer; its window could not be raised.")
                                            : QStringLiteral(
                                                  "The program is already running but did not "
                                                  "answer; %1 was not opened.")
                                                  .arg(file);
        std::fprintf(stderr, "orvanta: %s\n", qPrintable(what));
        return 1;
    }
    instance.listen();

    // What a copy killed while it read or saved a survey left in the cache goes.
    Paths::removeStaleWorkFolders();
    // The session is made before the windows and outlives them.
    SettingsStore settings;
    PortLinks ports(Paths::portsFolder());
    const QString title = QStringLiteral("Orvanta");
    QtMessageBox messages(&title);
    QtFileDialog dialogs;
    ReadingsStore store(Paths::readingsDatabase());
    ReadingsOpener opener(store);
    // What orvanta-cli or another copy writes to the database is shown within a second, and an
    // edit here never writes back an older copy of it.
    store.followOtherWriters(500);
    MeterSession session(MeterSession::Deps{settings, ports, store});

    MainWindow window(MainWindow::Deps{session, opener, messages, dialogs, dialogs,
                                       Paths::dialogFolder(), &settings});
    messages.setParent(&window);
    dialogs.setParent(&window);
    QObject::connect(&instance, &SingleInstance::openRequested, &window,
                     [&window](const QString& path) { window.files().openPath(path); });
    QObject::connect(&instance, &SingleInstance::raiseRequested, &window, [&window] {
        qInfo("Another copy asked this window to come to the front.");
        if (window.isMinimized()) window.showNormal();
        window.show();
        window.raise();
        window.activateWindow();
    });
    window.start();
    if (const QString problem = settings.problem(); !problem.isEmpty()) messages.tell(problem);
    if (!file.isEmpty()) window.files().openPath(file);
    return app.exec();
}
