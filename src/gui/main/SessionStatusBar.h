// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLabel>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

#include "core/session/DownloadSummary.h"

class GpsReceiver;
class MeterSession;
class ReadingsOpener;

/** @brief The main window's status bar: the meter's port and whether it is connected, the units
 *  the meter last reported, and during a download where it stands. It follows the session. */
class SessionStatusBar : public QStatusBar {
    Q_OBJECT
public:
    SessionStatusBar(MeterSession& session, ReadingsOpener& opener, QWidget* parent = nullptr);

    QLabel* portLabel;        ///< "Port 5 (/dev/ttyACM0)"
    QLabel* connectionLabel;  ///< "Connected" once the meter answered, "Port open, ...", "Not
                              ///< connected", "Connection lost", "... reconnecting"
    QLabel* unitsLabel;       ///< "Units SI"
    QLabel* downloadLabel;  ///< "Set 4, reading 17 of 128" while a download runs, then its summary
    /// Shown while a request for a live reading waits for the meter: stops waiting.
    QToolButton* cancelWaitButton;
    QLabel* gpsLabel;  ///< "GPS 3D, 9 satellites, 1 s", "GPS: no fix", ...; hidden without one

    /** @brief Shows @p gps's state and fix, kept up to date (the fix's age every second). */
    void followGps(const GpsReceiver& gps);

    /** @brief Shows the port and its state as the session has them now. */
    void showConnection();
    /** @brief The units, as the meter last reported them. */
    void showUnits();

private:
    void showDownload();
    /** @brief A request for readings went out (@p on) or was answered or given up. */
    void waitForMeter(bool on);
    void showGps();

    MeterSession& m_session;
    bool m_lost = false;
    QTimer m_repaint;          // the download's position, at most once per repaint interval
    QTimer m_waited;           // a live request unanswered this long is told
    DownloadProgress m_shown;  // where the download stood at its last value
    const GpsReceiver* m_gps = nullptr;
    QTimer m_gpsAge;  // the fix's age goes on growing between sentences
};
