// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <optional>

#include "core/protocol/ReceiveEngine.h"
#include "core/session/SessionState.h"

class MessageBox;
class PortMap;
class Recordset;
class ReadingsDatabase;
class SerialControl;
class SettingsStore;

/** @brief The meter and everything received from it: the serial port, the receive engine's
 *  state, the shared variables and the readings store.
 *
 * It finds and opens the meter's port, sends the requests, takes the received bytes apart,
 * stores downloaded readings and ends each download, and reconnects when the meter comes back.
 * Windows learn what happened through its signals, read the shared variables through state(),
 * and ask for changes through its slots; nothing else writes them. */
class MeterSession : public QObject, private ReceiveHost {
    Q_OBJECT
public:
    struct Deps {
        MessageBox& messages;
        SettingsStore& settings;
        const PortMap& ports;
        QString databasePath;
    };
    explicit MeterSession(Deps deps, QObject* parent = nullptr);
    ~MeterSession() override;

    /** @brief Start-up, first part: the version text, the store function setting, the unit text,
     *  the selected set and the meter's set and reading texts. */
    void loadSettings();
    /** @brief Start-up: opens the readings database unless it is open; tells the user why when
     *  it cannot, and offers to set a foreign file aside. */
    void openReadings();
    /** @brief Start-up, last part: finds the meter's port (links USB serial devices first, then
     *  looks for a USB serial port or pseudo-terminal; else the "Comm Num" setting, with the
     *  warning) and opens it. */
    void connectMeter();
    /** @brief The port start-up would pick for the meter: a USB serial port or pseudo-terminal
     *  (USB serial devices are linked first); none when there is no such port. */
    std::optional<std::int16_t> findMeterPort();
    /** @brief Opens port @p number for the meter (9600,n,8,1), telling the user why when it
     *  cannot; the "Comm Num" setting is left as it is. */
    bool openPort(std::int16_t number);
    /** @brief Shutdown: saves the pending row and closes the readings. */
    void shutdown();

    const SessionState& state() const { return m_state; }
    const DownloadState& download() const { return m_download; }
    const ReceiveState& receiveState() const { return m_rx; }
    Recordset& readings();
    const Recordset& readings() const;
    ReadingsDatabase& database() { return *m_database; }
    /** @brief The serial control; for tests and benchmarks, which watch the line. */
    SerialControl& port() { return *m_port; }
    const PortMap& ports() const { return m_ports; }
    bool portOpen() const;
    /** @brief The connection was lost and the session looks for the meter to come back. */
    bool reconnecting() const { return m_reconnect.isActive(); }
    /** @brief The last live value as received, empty before the first. */
    QString shownReading() const { return m_shownReading; }
    /** @brief A download was asked for and has not ended. */
    bool downloading() const { return m_downloading; }

    /** @brief Opens the port CommPortNumber with CommSettings, closing it first when open. Tells
     *  the user why when it cannot (no meter, port in use, not allowed) unless @p quiet. */
    bool OpenCommPort(bool quiet = false);

    /** @brief How the port dialog's choice went. */
    enum class PortChoice { Opened, Kept, Refused };

public Q_SLOTS:
    void DownloadCurrentSet();
    void DownloadSelectedSet();
    void DownloadAllSets();
    void CaptureCurrentReading();
    void ShowContinuousReadings();
    /** @brief Cancel of the progress dialog: asks the meter to stop and ends the download. */
    void CancelDownload();
    /** @brief Stops continuous readings ("P"). */
    void StopReadings();
    /** @brief Writes a panel key's command, opening the port first when it is closed. */
    void SendCommand(const QByteArray& command);
    /** @brief The tool bar's set drop-down: the set DownloadSelectedSet asks for. */
    void selectSet(const QString& set);
    /** @brief Options: where Store puts new readings; saved at once. False when the setting
     *  could not be written (the choice still holds for this run). */
    bool setStoreToPC(bool toPC);
    /** @brief The port dialog's OK: saves the number and reopens the port on it. */
    PortChoice choosePort(const QString& numberText);
    /** @brief Store with the PC database chosen: the reading the panel shows goes into the set
     *  the panel shows, at its first cleared position. */
    void StoreShownReading();
    /** @brief Derives UnitsText and ModeText from the codes the meter reported. */
    void SetUnits();
    void SetMode();

Q_SIGNALS:
    /** @brief A download was asked for; @p maximum readings at most. */
    void downloadRequested(int maximum);
    /** @brief Live readings were asked for. */
    void liveRequested();
    /** @brief A downloaded reading was counted (download() says where it went). */
    void downloadProgressed();
    /** @brief The download ended: end of data, Cancel, a new request, a lost or reopened port,
     *  or a reading that could not be stored. */
    void downloadEnded();
    void panelUnitsChanged();
    void panelModeChanged();
    void bandUnitsChanged();
    void meterSetChanged();
    void meterReadingChanged();
    void beeperChanged(int code);
    void liveValue(double value);
    /** @brief The store destination changed while live readings are the view. */
    void storeDestinationChanged(bool toPC);
    /** @brief The shown reading went into the table at @p set, @p reading. */
    void storedToPC(int set, int reading);
    void continuousChanged(bool running);
    void connectionLost();
    void connectionRestored();
    /** @brief The port was opened (at start-up, by a request, by the port dialog). */
    void portOpened();

private:
    // ReceiveHost
    void ShowUnitsText() override;
    void ShowModeText() override;
    void ShowBandUnits() override;
    void ShowSetNumber() override;
    void ShowReadingNumber() override;
    void ShowBeeperState(int code) override;
    void ShowLiveValue(double value) override;
    void BeginSet() override;
    void StoreReading() override;
    void FinishDownload() override;

    void onReceive();
    void onConnectionLost();
    void tryReconnect();
    bool portReady();
    bool write(const QByteArray& command);
    void download(const QByteArray& command, int maximum);
    void live(const QByteArray& command);
    void endDownload();
    void clearRestOfSet();
    void stopForStoreFailure(const QString& reason);
    void rememberOpenedDevice();

    MessageBox& m_messages;
    SettingsStore& m_settings;
    const PortMap& m_ports;
    std::unique_ptr<ReadingsDatabase> m_database;
    std::unique_ptr<SerialControl> m_port;
    SessionState m_state;
    DownloadState m_download;
    ReceiveState m_rx;
    bool m_downloading = false;
    bool m_continuous = false;
    bool m_stopped = false;        ///< "P" was sent; set data is refused until the next request
    int m_stored = 0;
    int m_setInProgress = 0;       ///< set whose readings are arriving, 0 none
    int m_lastReadingInSet = 0;    ///< its last position written
    QString m_shownReading;
    QString m_openedLinkTarget;    ///< the port link's target when the port was opened
    QString m_openedDevice;        ///< the device opened
    bool m_lostShown = false;
    bool m_resumeContinuous = false;
    QTimer m_reconnect;
};
