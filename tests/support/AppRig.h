// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QMdiSubWindow>
#include <QPrinter>
#include <QSettings>
#include <QTest>
#include <memory>

#include "Fakes.h"
#include "Pty.h"
#include "TestEnv.h"
#include "core/common/SettingsStore.h"
#include "core/link/PortLinks.h"
#include "core/session/MeterSession.h"
#include "core/store/ReadingsOpener.h"
#include "gui/dialogs/ProgressDialog.h"
#include "gui/files/RecordingCommands.h"
#include "gui/main/MainWindow.h"
#include "gui/main/WorkArea.h"
#include "gui/plot/PlotWindow.h"
#include "gui/printing/PrintCommand.h"

/** @brief The download's progress dialog over @p window, as the user would find it; null when
 *  there is none (a finished one leaves the window at once). */
inline ProgressDialog* progressOf(QWidget& window) { return window.findChild<ProgressDialog*>(); }

/** @brief The work area of @p window: its sets window, panel and plot. */
inline WorkArea& workOf(QWidget& window) { return *window.findChild<WorkArea*>(); }
/** @brief The menu item ("Newmenu") or tool bar button ("Getset") of the main window that holds
 *  @p inWindow; null when there is none. */
inline QAction* actionOf(QObject& inWindow, const QString& name) {
    QObject* top = &inWindow;
    while (top->parent()) top = top->parent();
    return top->findChild<QAction*>(name);
}
/** @brief View > Plot on @p window, once the plot is on the screen (it is shown from the event
 *  loop's next turn). */
inline PlotWindow& plotOf(QWidget& window) {
    PlotWindow& plot = workOf(window).showPlot();
    if (!QTest::qWaitFor([&] { return plot.isVisible(); }, 5000))
        QTest::qFail("the plot was not shown within 5 s", __FILE__, __LINE__);
    return plot;
}
/** @brief Read > Record Readings and Mark Reading of @p window. */
inline RecordingCommands& recorderOf(QWidget& window) {
    return *window.findChild<RecordingCommands*>();
}

/** @brief File and print dialogs from a script; a print answer is a PDF file to print into. */
class ScriptedCommonDialog : public ScriptedFileDialog, public PrintDialog {
public:
    bool ShowPrinter(const QString& title) override {
        const auto chosen = choose({Mode::Save, title, {}, {}, {}});
        if (!chosen) return false;
        m_printer.setOutputFormat(QPrinter::PdfFormat);
        m_printer.setOutputFileName(chosen->path);
        return true;
    }
    QPrinter& printer() override { return m_printer; }

private:
    QPrinter m_printer;
};

/** @brief A meter session and its main window in a private home: real database file, real port
 *  map, settings in their own file; only the message boxes and dialogs are fakes. The session
 *  is made first and outlives the window, as in the program. */
struct AppRig {
    AppRig() : settings(env.configFile()), ports(env.portsFolder()) {}
    MainWindow& create() {
        w.reset();
        session.reset();
        opener.reset();
        store = std::make_unique<ReadingsStore>(env.database());
        opener = std::make_unique<ReadingsOpener>(*store);
        session = std::make_unique<MeterSession>(MeterSession::Deps{settings, ports, *store});
        w = std::make_unique<MainWindow>(
            MainWindow::Deps{*session, *opener, messages, dialog, dialog, env.root(), &settings});
        return *w;
    }
    MainWindow& start() {
        create();
        w->start();
        return *w;
    }
    void setSetting(const QString& key, const QString& value) {
        settings.setValue(SettingKey::Section, key, value);
    }
    QString setting(const QString& key) {
        return settings.value(SettingKey::Section, key, QStringLiteral("<absent>"));
    }
    TestEnv env;
    RecordingMessageBox messages;
    ScriptedCommonDialog dialog;
    SettingsStore settings;
    PortLinks ports;
    std::unique_ptr<ReadingsStore> store;
    std::unique_ptr<ReadingsOpener> opener;
    std::unique_ptr<MeterSession> session;
    std::unique_ptr<MainWindow> w;
};

/** @brief Holds the meter's end of the line; a base of MeterRig, so it outlives the program. */
struct MeterEnd {
    Pty pty;
};

/** @brief The program and a meter on a pseudo-terminal: the meter's end is linked as port
 *  @p number before start-up, and goes away only after the program. */
struct MeterRig : MeterEnd, AppRig {
    explicit MeterRig(int number = 5) { linked = env.link(number, pty.slavePath()); }
    bool linked = false;
};
