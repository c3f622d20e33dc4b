// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLabel>
#include <QMainWindow>
#include <QToolBar>

#include "core/gps/GpsReceiver.h"
#include "core/plot/LiveTrend.h"
#include "gui/files/FileMenuCommands.h"
#include "gui/main/SessionStatusBar.h"
#include "gui/main/WindowLayout.h"
#include "gui/panel/ReadingPanel.h"

class SettingsStore;

class DownloadFeedback;
class FileDialog;
class MainMenus;
class MessageBox;
class MeterSession;
class ReadingsOpener;
class SessionMessages;
class RecordingCommands;
class PrintDialog;
class WorkArea;

/** @brief The main window "Orvanta": the frame of the work area (the sets window, the meter
 *  panel and the plot), with the menus, the tool bar and the status bar. Each menu command goes
 *  to the object that does the work; the meter's state lives in the session. */

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    struct Deps {
        MeterSession& session;
        ReadingsOpener& opener;
        MessageBox& messages;
        FileDialog& fileDialog;
        PrintDialog& printDialog;
        QString dialogFolder;
        SettingsStore* settings = nullptr;  ///< where the recent files are kept; none: not kept
    };

    explicit MainWindow(Deps deps, QWidget* parent = nullptr);
    ~MainWindow() override;

    /** @brief Start-up: the window sized to the screen and shown with the sets window, then the
     *  readings database and the meter's port. */
    void start();

    /** @brief File > Open, Save and the other file commands; also a file named on the command
     *  line or sent by a second start. */
    FileMenuCommands& files() { return m_files; }

public Q_SLOTS:
    void showOptions();
    /** @brief Help > Manual (F1). */
    void showManual();
    void showAbout();
    void ShowCommPortDialog();
    void Print();
    void printPreview();
    /** @brief Print Survey Summary: each set's details and statistics. */
    void printSummary();

protected:
    void closeEvent(QCloseEvent* e) override;
    /** @brief A data file or survey file dragged from a file manager is taken; it opens as File >
     *  Open does, asking first when unsaved readings would be replaced. */
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    void connectSession();
    /** @brief The tool band's units, as the meter last reported them. */
    void showUnits();
    /** @brief "Orvanta - survey.dat", with "*" while the readings changed since. */
    void showTitle();
    void saveLayout();
    /** @brief Options: reads the GPS receiver on @p device from now on (empty: none); why not,
     *  when it cannot be taken. */
    QString useGps(const QString& device);
    /** @brief The reading just stored at @p position of @p set keeps the receiver's fix, when
     *  one is fresh. */
    void keepPlace(int set, int position);

    MeterSession& m_session;
    SessionPanelHost m_panelHost;
    MessageBox& m_messages;
    SessionMessages* m_sessionMessages = nullptr;
    FileDialog& m_fileDialog;
    PrintDialog& m_printDialog;
    FileMenuCommands m_files;
    /** @brief Continuous readings kept for the plot's trend, whether or not the plot is open. */
    LiveTrend m_trend;
    GpsReceiver m_gps;

    WorkArea* m_work;
    QToolBar* m_coolBar;
    QLabel* m_unitsBand;
    QToolBar* m_toolBar;
    MainMenus* m_menus = nullptr;
    SessionStatusBar* m_status = nullptr;
    WindowLayout m_layout;
    SettingsStore* m_settings;

    DownloadFeedback* m_download = nullptr;
    RecordingCommands* m_recorder = nullptr;
    bool m_closing = false;
};
