// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolBar>
#include <cstdint>

#include "core/files/LiveRecording.h"
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
class PlotWindow;
class RecordingCommands;
class PrintDialog;
class SetsWindow;

/** @brief The main window "Orvanta": the frame of the sets window, the meter panel and the plot,
 *  with the menus and the tool bar. It shows what the meter session reports and passes the
 *  user's requests to it; the meter's state lives in the session. */
class QMimeData;

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

    /** @brief Read > Record Readings and Mark Reading. */
    RecordingCommands& recorder() { return *m_recorder; }

    MeterSession& session() { return m_session; }
    LiveTrend& trend() { return m_trend; }
    FileMenuCommands& files() { return m_files; }

    /** @brief The sets window, created on first use. */
    SetsWindow& setsWindow();
    /** @brief The meter panel, created hidden on first use. */
    ReadingPanel& panel();

public Q_SLOTS:
    void viewData();
    void viewMeter();
    /** @brief Shows the sets window and the panel beside each other. */
    void sideBySide();
    void showOptions();
    /** @brief Help > Manual (F1). */
    void showManual();
    void showAbout();
    void ShowCommPortDialog();
    /** @brief The profile plot, created on first use. */
    PlotWindow& showPlot();
    void Print();
    void printPreview();
    /** @brief Print Survey Summary: each set's details and statistics. */
    void printSummary();

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
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
    /** @brief Shrinks the panel, in proportion, where the work area is too small for all of it. */
    void fitPanel();
    void hidePanel();
    void showPanel();
    void hideSetsWindow();
    void showSetsWindow();

    MeterSession& m_session;
    SessionPanelHost m_panelHost;
    MessageBox& m_messages;
    SessionMessages* m_sessionMessages = nullptr;
    FileDialog& m_fileDialog;
    PrintDialog& m_printDialog;
    FileMenuCommands m_files;
    /** @brief Continuous readings kept for the plot's trend, whether or not the plot is open. */
    LiveTrend m_trend;

    QMdiArea* m_mdi;
    QToolBar* m_coolBar;
    QLabel* m_unitsBand;
    QToolBar* m_toolBar;
    MainMenus* m_menus = nullptr;
    SessionStatusBar* m_status = nullptr;
    WindowLayout m_layout;

    SetsWindow* m_data = nullptr;
    QMdiSubWindow* m_dataSub = nullptr;
    ReadingPanel* m_reading = nullptr;
    QMdiSubWindow* m_readingSub = nullptr;
    DownloadFeedback* m_download = nullptr;
    RecordingCommands* m_recorder = nullptr;
    QString m_dialogFolder;
    PlotWindow* m_plot = nullptr;
    QMdiSubWindow* m_plotSub = nullptr;
    bool m_closing = false;
};
