// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>

#include "core/link/Reconnector.h"
#include "core/link/SerialLink.h"
#include "core/meter/ReceiveEngine.h"
#include "core/session/Download.h"
#include "core/session/DownloadRecorder.h"
#include "core/session/DownloadSummary.h"
#include "core/session/SessionProblem.h"
#include "core/session/SessionState.h"
#include "core/store/DownloadLog.h"
#include "core/store/ReadingsStore.h"

class PortLinks;
class SettingsStore;

/** @brief The meter and everything received from it, as orchestration: it wires the serial
 *  link, the receive engine, the download recorder and the readings store together, and reports
 *  what happened as signals carrying values: the windows and the CLI word them, never the
 *  session. The readings store is made and opened by the program and handed in.
 *
 * Windows read the session's state through state() and ask for changes through its slots;
 * nothing else writes it. */
class MeterSession : public QObject, private ReceiveHost {
    Q_OBJECT
public:
    struct Deps {
        SettingsStore& settings;
        const PortLinks& ports;
        ReadingsStore& store;
    };
    explicit MeterSession(Deps deps, QObject* parent = nullptr);
    ~MeterSession() override;

    /** @brief Start-up, first part: the store function setting, the units text, the selected set
     *  and the meter's set and reading numbers. */
    void loadSettings();
    /** @brief Start-up, last part: finds the meter's port (else the "Comm Num" setting, with the
     *  warning) and opens it. */
    void connectMeter();
    /** @brief The port start-up would take for the meter: the one known as the meter (it
     *  answered there before), else the only USB serial device or pseudo-terminal; none when
     *  there is none, or several and none known (meterCandidates() then has them). */
    std::optional<int> findMeterPort() const;
    /** @brief The ports the meter may be on (USB serial devices, pseudo-terminals). */
    QList<int> meterCandidates() const;
    /** @brief Opens port @p number for the meter (9600,n,8,1), reporting a problem when it
     *  cannot; the "Comm Num" setting is left as it is. */
    OpenResult openPort(int number);
    /** @brief Shutdown: stops reconnecting and closes the readings database. */
    void shutdown();

    const SessionState& state() const { return m_state; }
    ReadingsStore& store() { return m_store; }
    const ReadingsStore& store() const { return m_store; }
    /** @brief The serial link; tests and benchmarks watch the line through it. */
    SerialLink& link() { return m_link; }
    const PortLinks& ports() const { return m_ports; }
    bool isConnected() const { return m_link.isOpen(); }
    /** @brief Something arrived from the meter since the port was last opened. */
    bool hasAnswered() const { return m_answered; }
    /** @brief The device the meter was last opened on (kept after the link went away). */
    QString meterDevice() const { return m_device; }
    /** @brief How long a download waits for the meter: for its first byte after the request, and
     *  between bytes inside it. */
    void setAnswerTimeout(int milliseconds) { m_download.setAnswerTimeout(milliseconds); }
    static constexpr int kAnswerTimeoutMs = 5000;
    /** @brief The connection was lost and the session looks for the meter to come back. */
    bool isReconnecting() const { return m_reconnector.isActive(); }
    /** @brief A download was asked for (or set data arrived) and has not ended. */
    bool isDownloading() const { return m_state.activity == Activity::Downloading; }
    /** @brief The download running or last run asked for one set (current or selected). */
    bool oneSetAsked() const { return m_download.askedSet().has_value(); }
    /** @brief The last live value as received, empty before the first. */
    QString shownReading() const { return m_shownReading; }
    /** @brief Received bytes wait to be taken apart (held, or a handler is running). */
    bool hasBytesWaiting() const { return m_receiving || !m_pending.isEmpty(); }

    /** @brief Opens the port the state names, closing it first when open. Reports why when it
     *  cannot (no meter, port in use, not allowed) unless @p quiet. */
    OpenResult OpenCommPort(bool quiet = false);
    /** @brief The port is open, or has just been opened (a problem reported when not). */
    bool ensurePortOpen();

    /** @brief How the port dialog's choice went. */
    enum class PortChoice { Opened, Kept, Refused };

public Q_SLOTS:
    void DownloadCurrentSet();
    void DownloadSelectedSet();
    void DownloadAllSets();
    void CaptureCurrentReading();
    void ShowContinuousReadings();
    /** @brief Cancel of the progress dialog: asks the meter to stop and ends the download. */
    void cancelDownload();
    /** @brief Values are live readings only once a live answer's units, mode, set or reading
     *  came before them: what arrives first may be the rest of an earlier answer. */
    void awaitLiveAnswer() { m_engine.cutAnswer(); }
    /** @brief Stops continuous readings ("P"). */
    void stopReadings();
    /** @brief Writes a panel key's command, opening the port first when it is closed. */
    void sendCommand(const QByteArray& command);
    /** @brief The set DownloadSelectedSet asks for, 1..30 (others are ignored). */
    void selectSet(int set);
    /** @brief Options: where Store puts new readings; saved at once. False when the setting
     *  could not be written (the choice still holds for this run). */
    bool setStoreToPC(bool toPC);
    /** @brief The port dialog's OK: saves the number and reopens the port on it. */
    PortChoice choosePort(const QString& numberText);
    /** @brief Store with the PC database chosen: the reading the panel shows goes into the set
     *  the panel shows, at its first cleared position. */
    void storeShownReading();
    /** @brief While held, received bytes wait: File > New holds them from its question to the
     *  end of its clearing, so set data that arrives meanwhile is stored after the clearing,
     *  never erased by it. Released, what waited is taken in. */
    void holdReceiving(bool hold);

Q_SIGNALS:
    /** @brief A download was asked for; @p maximum readings at most. */
    void downloadRequested(int maximum);
    /** @brief Live readings were asked for. */
    void liveRequested();
    /** @brief A downloaded value was counted: @p at says where it went and where the download
     *  stands. */
    void downloadProgressed(const DownloadProgress& at);
    /** @brief The download ended: end of data, Cancel, a new request, a lost or reopened port,
     *  no answer, or a reading that could not be stored. @p account says how. */
    void downloadEnded(const DownloadSummary& account);
    /** @brief Set @p set of the download began arriving. */
    void downloadSetBegun(int set);
    /** @brief The download's account is final (after its last commit): a troubled one was
     *  reported as a problem just before. */
    void downloadReported(const DownloadSummary& account);
    /** @brief The meter sent set data nobody asked for; nothing was stored or cleared. */
    void unaskedSetData();
    /** @brief The first bytes since the port was opened arrived. */
    void meterAnswered();
    /** @brief Something went wrong that the user is to be told of, as a value. */
    void problem(const SessionProblem& problem);
    /** @brief Start-up found several ports the meter may be on and none known as the meter:
     *  nothing was opened; the user chooses. */
    void meterChoiceNeeded();
    /** @brief The meter reported its units (state().meter) while live readings were asked for. */
    void liveUnitsChanged();
    /** @brief The meter reported its mode while live readings were asked for. */
    void liveModeChanged();
    /** @brief The meter reported the units of the set being downloaded. */
    void downloadUnitsChanged();
    /** @brief The meter reported its current set, its current reading or its beeper. */
    void meterSetChanged();
    void meterReadingChanged();
    void beeperChanged(int digit);
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
    void liveUnitsReported() override;
    void liveModeReported() override;
    void downloadUnitsReported() override;
    void meterSetReported() override;
    void meterReadingReported() override;
    void beeperReported(int digit) override;
    void ShowLiveValue(double value, const QString& text) override;
    bool beginSet(int set) override;
    void StoreReading(int set, int position, const QString& text,
                      const QString& formFault) override;
    void skipUnreadable(int set, int position) override;
    void FinishDownload() override;

    void onReceived(const QByteArray& bytes);
    /** @brief Of @p candidates, the meter: the one known by name, else the only one. */
    std::optional<int> pickMeter(const QList<int>& candidates) const;
    void onConnectionLost();
    void onDeviceBack(int number);
    void reportNotOpened(const OpenResult& result);
    void report(SessionProblem problem);
    QString portDevice() const;
    void setActivity(Activity activity);
    /** @brief Sends a download request; @p askedSet is the one set asked for (0: the meter's
     *  current set, whichever it is), none for every set. */
    void requestDownload(const QByteArray& command, int maximum, std::optional<int> askedSet);
    void requestLive(const QByteArray& command);
    /** @brief Ends a download that runs: a set it cut short is cleared past its last reading and
     *  marked incomplete, and the user is told once what the download did. */
    void endDownload(DownloadEnd why);
    void onNoAnswer();
    void stopForStoreFailure(const StoreResult& failure);
    /** @brief Stops a download that runs, and tells the user once what was stored. */
    void reportStoreFailure(const StoreResult& failure);
    void announceDownload();

    SettingsStore& m_settings;
    const PortLinks& m_ports;
    ReadingsStore& m_store;
    SerialLink m_link;
    Reconnector m_reconnector;
    ReceiveEngine m_engine;
    /** @brief The download running or last run: recorder, raw bytes, clocks, account. */
    Download m_download;
    /** @brief The bytes of downloads that ended, kept once their accounts are told. */
    QList<DownloadLog::RawDownload> m_rawToKeep;
    SessionState m_state;
    bool m_answered = false;
    bool m_announcing = false;  ///< the download's account is about to be told
    /** @brief A stop was sent since the last end of data: the meter may still end what it was
     *  sending with one, which is then no answer to what is asked next. */
    bool m_endOfDataOwed = false;
    /** @brief Tells the meter to stop sending. */
    void sendStop();
    QString m_device;
    QByteArray m_pending;  ///< received bytes not yet taken apart
    bool m_receiving =
        false;               ///< bytes are being taken apart (a nested event loop may deliver more)
    bool m_grouped = false;  ///< the received bytes being taken apart are one store group
    bool m_held = false;     ///< received bytes wait (holdReceiving)
    QString m_shownReading;
    bool m_lostShown = false;
    bool m_resumeContinuous = false;
};
