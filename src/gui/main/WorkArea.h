// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QMdiArea>

class FileDialog;
class GpsReceiver;
class LiveTrend;
class MessageBox;
class MeterSession;
class PlotWindow;
class PrintDialog;
class QMdiSubWindow;
class ReadingPanel;
class SessionPanelHost;
class SetsWindow;
class WindowLayout;

/** @brief The main window's work area and the windows in it: the sets window, the meter panel
 *  and the plot. It shows and places them, keeps where they were, and follows the session by
 *  itself (a download brings the sets window forward, live readings the panel). */
class WorkArea : public QMdiArea {
    Q_OBJECT
public:
    struct Deps {
        MeterSession& session;
        SessionPanelHost& panelHost;
        MessageBox& messages;
        FileDialog& fileDialog;
        PrintDialog& printDialog;
        const LiveTrend& trend;
        const WindowLayout& layout;
        const GpsReceiver& gps;
    };
    explicit WorkArea(Deps deps, QWidget* parent = nullptr);

    /** @brief The sets window, made hidden on first use and laid out in twips from @p frame,
     *  the main window's size. */
    SetsWindow& setsWindow();
    /** @brief The meter panel, made hidden on first use. */
    ReadingPanel& panel();
    /** @brief The profile plot, made on first use. */
    PlotWindow& showPlot();

    void viewData();
    void viewMeter();
    /** @brief The panel at the work area's right edge, the sets window filling the rest. */
    void sideBySide();

    bool dataShown() const;
    bool meterShown() const;
    bool plotShown() const;

    /** @brief Where the panel and the plot are, and whether both windows are side by side. */
    void saveLayout() const;
    /** @brief Closing now ends the program: the windows close without a question. */
    void setClosing() { m_closing = true; }

Q_SIGNALS:
    /** @brief The user closed the sets window, which closes the program. */
    void closeRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void followSession();
    /** @brief Shrinks the panel, in proportion, where the work area is too small for all of it. */
    void fitPanel();
    void showPanel();
    void hidePanel();
    void showSetsWindow();
    void hideSetsWindow();
    void presentPlot();

    Deps m_deps;
    SetsWindow* m_data = nullptr;
    QMdiSubWindow* m_dataSub = nullptr;
    ReadingPanel* m_reading = nullptr;
    QMdiSubWindow* m_readingSub = nullptr;
    PlotWindow* m_plot = nullptr;
    QMdiSubWindow* m_plotSub = nullptr;
    bool m_closing = false;
};
