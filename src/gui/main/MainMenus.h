// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QAction>
#include <QMap>
#include <QObject>
#include <QToolBar>
#include <QToolButton>
#include <functional>

class QMainWindow;
namespace ExportFormats {
struct Format;
}

/** @brief The operations the menus and the tool bar reach. */
struct MainCommands {
    std::function<void()> New, Open, close, Save, saveAs, Print, exit;
    std::function<void()> viewData, viewMeter;
    /// What the View menu checks: whether the sets window, the panel and the plot are shown.
    std::function<bool()> dataShown, meterShown, plotShown;
    std::function<void()> sideBySide;      ///< the sets window and the panel, both in view
    std::function<void()> placeRecording;  ///< Read > Place Recording by GPX Track
    std::function<void()> DownloadCurrentSet, DownloadSelectedSet, DownloadAllSets;
    std::function<void()> downloadSetAsked;  ///< asks for the set number, then downloads it
    std::function<void()> CaptureCurrentReading, ShowContinuousReadings, stopReadings;
    std::function<void(bool)> recordReadings;  ///< on: choose a file and record; off: stop
    std::function<void()> markReading;
    std::function<void(const QString&)> openRecent;  ///< a file of the recent files list
    std::function<void()> storeFunction, commPort, about, manual;
    std::function<void()> plot, printPreview, printSummary;
    /** @brief File > Export's items, one a format of the list that has one. */
    std::function<void(const ExportFormats::Format&)> exportAs;
    std::function<void(const QString&)> selectSet;  ///< the set drop-down's choice, "1".."30"
};

/** @brief The main window's menu bar and its tool bar Toolbar1 with the set drop-down. */
class MainMenus : public QObject {
    Q_OBJECT
public:
    MainMenus(QMainWindow& window, QToolBar& toolbar, MainCommands commands);

    /** @brief The Getset button with its drop-down of 30 sets. */
    QToolButton* Getset = nullptr;
    /** @brief Picks set @p set in the drop-down, as choosing its entry does. */
    void chooseSet(int set);
    /** @brief While a download runs, New, Open and Save (menu items and buttons) are unavailable.
     */
    void setDownloadRunning(bool running);
    /** @brief While continuous readings run, their item is checked and Stop Readings is available.
     */
    void setContinuousRunning(bool running);
    /** @brief Record Readings and its button show whether a recording runs. */
    void setRecording(bool recording);
    /** @brief The data files last opened or saved, newest first, under File > Open Recent. */
    void setRecentFiles(const QStringList& paths);

private:
    /** @brief A checkable action that asks for on (@p on) or off (@p off) as pressed, then shows
     *  the state that holds. */
    void toggle(QAction* action, const std::function<void()>& on, const std::function<void()>& off,
                const bool* state);
    bool m_continuous = false;
    bool m_recording = false;
    QAction* item(QMenu* menu, const QString& caption, const QString& name, const QKeySequence& key,
                  const std::function<void()>& op);
    QAction* button(const QString& key, const QString& tip, const QIcon& icon,
                    const std::function<void()>& op, const QKeySequence& shortcut = {});

    QToolBar& m_toolbar;
    MainCommands m_commands;
    QMap<QString, QAction*> m_items;
    QMap<QString, QAction*> m_buttons;
    QMenu* m_recent = nullptr;
};
