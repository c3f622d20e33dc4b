// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/session/MeterSession.h"

#include <QFileInfo>

#include "core/compat/Conversions.h"
#include "core/compat/ErrorCodes.h"
#include "core/compat/Registry.h"
#include "core/compat/SerialControl.h"
#include "core/protocol/Commands.h"
#include "core/session/MessageBox.h"
#include "core/session/Messages.h"
#include "core/session/PortDiscovery.h"
#include "core/session/PortMap.h"
#include "core/session/SettingsStore.h"
#include "core/store/ReadingsDatabase.h"
#include "core/store/Recordset.h"

namespace {
// "True"/"False" are the stored forms; anything unreadable counts as the default, False.
bool settingToBool(const QString& text) {
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
    const std::optional<double> n = toReal(t);
    return n && *n != 0.0;
}

constexpr int kDiscardThreshold = 512;  // characters waiting outside a download
constexpr int kReconnectIntervalMs = 500;
}  // namespace

MeterSession::MeterSession(Deps deps, QObject* parent)
    : QObject(parent),
      m_messages(deps.messages),
      m_settings(deps.settings),
      m_ports(deps.ports),
      m_database(std::make_unique<ReadingsDatabase>(deps.databasePath)),
      m_port(std::make_unique<SerialControl>([this](int number) { return m_ports.devicePath(number); })) {
    connect(m_port.get(), &SerialControl::OnComm, this, &MeterSession::onReceive);
    connect(m_port.get(), &SerialControl::connectionLost, this, &MeterSession::onConnectionLost);
    connect(m_port.get(), &SerialControl::opened, this, [this] {
        m_lostShown = false;
        m_reconnect.stop();
    });
    m_reconnect.setInterval(kReconnectIntervalMs);
    connect(&m_reconnect, &QTimer::timeout, this, &MeterSession::tryReconnect);
}

MeterSession::~MeterSession() {
    m_port->blockSignals(true);
    shutdown();
}

Recordset& MeterSession::readings() { return m_database->rsSets; }
const Recordset& MeterSession::readings() const { return m_database->rsSets; }
bool MeterSession::portOpen() const { return m_port->PortOpen(); }

// ---- start-up and shutdown ----

void MeterSession::loadSettings() {
    m_state.VersionText = QStringLiteral("Version %1.%2.%3")
                              .arg(ORVANTA_VERSION_MAJOR)
                              .arg(ORVANTA_VERSION_MINOR)
                              .arg(ORVANTA_VERSION_PATCH);
    m_state.StoreToPC = settingToBool(m_settings.GetSetting(SettingKey::App, SettingKey::Section,
                                                            SettingKey::StoreFunction, QStringLiteral("False")));
    SetUnits();
    m_state.mSelectedSet = QStringLiteral("1");
    m_state.MeterSetText = QStringLiteral("1");
    m_state.MeterReadingText = QStringLiteral("1");
}

void MeterSession::openReadings() {
    Recordset& rs = readings();
    if (rs.State() != Recordset::adStateClosed) return;
    const QString opening = Msg::DatabaseNotOpened + QLatin1Char(' ') + m_database->path() + QLatin1Char('\n');
    try {
        m_database->OpenSets();
        return;
    } catch (const VbError& e) {
        if (e.number() != ErrorCode::WrongSchema) {
            m_messages.MsgBox(opening + e.description());
            return;
        }
        // A file that is not the program's: never rewritten, but it may be set aside.
        if (!m_messages.AskYesNo(opening + e.description() + QLatin1Char('\n') + Msg::SetAsideQuestion)) return;
    }
    const QString aside = m_database->setAside();
    if (aside.isEmpty()) {
        m_messages.MsgBox(opening + Msg::NotSetAside);
        return;
    }
    try {
        m_database->OpenSets();
    } catch (const VbError& e) {
        m_messages.MsgBox(opening + e.description());
    }
}

std::optional<std::int16_t> MeterSession::findMeterPort() {
    m_ports.linkUsbDevices();
    SerialCommRegistry registry(m_ports.serialCommValues());
    const QString port = FindVcpPort(registry);
    return port.isEmpty() ? std::nullopt : PortNumberFromName(port);
}

bool MeterSession::openPort(std::int16_t number) {
    m_state.CommPortNumber = number;
    m_state.CommSettings = QStringLiteral("9600,n,8,1");
    return OpenCommPort();
}

void MeterSession::connectMeter() {
    const std::optional<std::int16_t> found = findMeterPort();
    if (found) {
        m_state.CommPortNumber = *found;
    } else {
        const QString stored =
            m_settings.GetSetting(SettingKey::App, SettingKey::Section, SettingKey::CommNum, QStringLiteral("1"));
        m_state.CommPortNumber = toInt16(stored).value_or(1);  // an unreadable setting counts as its default
        m_messages.MsgBox(Msg::NoMeter);
    }
    m_state.CommSettings = QStringLiteral("9600,n,8,1");
    OpenCommPort();
}

void MeterSession::shutdown() {
    m_reconnect.stop();
    Recordset& rs = readings();
    try {
        if (rs.State() == Recordset::adStateOpen) rs.Close();
    } catch (const VbError&) {
    }
}

// ---- the port ----

bool MeterSession::OpenCommPort(bool quiet) {
    // Whatever was being received belongs to the port as it was.
    endDownload();
    try {
        if (m_port->PortOpen()) m_port->setPortOpen(false);
        m_port->setCommPort(m_state.CommPortNumber);
        m_port->setSettings(m_state.CommSettings);
        m_port->setPortOpen(true);
        m_port->setRThreshold(1);
    } catch (const VbError& e) {
        if (!quiet) {
            switch (e.number()) {
                case ErrorCode::CommInvalidPort: m_messages.MsgBox(Msg::MeterNotConnected); break;
                case ErrorCode::CommPortInUse: m_messages.MsgBox(Msg::PortInUse); break;
                case ErrorCode::PermissionDenied: m_messages.MsgBox(Msg::PortPermission); break;
                default: break;
            }
        }
        return false;
    }
    rememberOpenedDevice();
    Q_EMIT portOpened();
    return true;
}

void MeterSession::rememberOpenedDevice() {
    m_openedLinkTarget = m_ports.linkTarget(m_state.CommPortNumber);
    m_openedDevice = m_port->openDevice();
}

bool MeterSession::portReady() { return m_port->PortOpen() || OpenCommPort(); }

bool MeterSession::write(const QByteArray& command) {
    const bool wasContinuous = m_continuous;
    m_continuous = command == Command::ShowContinuousReadings;
    bool written = true;
    try {
        m_port->setOutput(command);
    } catch (const VbError&) {
        written = false;  // the port is closed now; the next request reopens it
    }
    if (wasContinuous != m_continuous) Q_EMIT continuousChanged(m_continuous);
    return written;
}

MeterSession::PortChoice MeterSession::choosePort(const QString& numberText) {
    endDownload();
    // Each step that fails is skipped, as the dialog always did; only a port that does not exist
    // keeps the dialog open.
    if (const std::optional<std::int16_t> n = toInt16(numberText)) m_state.CommPortNumber = *n;
    m_settings.SaveSetting(SettingKey::App, SettingKey::Section, SettingKey::CommNum,
                           QString::number(m_state.CommPortNumber));
    if (m_port->PortOpen()) m_port->setPortOpen(false);
    try {
        m_port->setCommPort(m_state.CommPortNumber);
    } catch (const VbError&) {
        m_messages.MsgBox(Msg::InvalidPortNumber);
        return PortChoice::Refused;
    }
    try {
        m_port->setSettings(m_state.CommSettings);
    } catch (const VbError&) {
    }
    try {
        m_port->setPortOpen(true);
    } catch (const VbError& e) {
        switch (e.number()) {
            case ErrorCode::CommInvalidPort: m_messages.MsgBox(Msg::InvalidPortNumber); return PortChoice::Refused;
            case ErrorCode::CommPortInUse: m_messages.MsgBox(Msg::PortInUse); break;
            case ErrorCode::PermissionDenied: m_messages.MsgBox(Msg::PortPermission); break;
            default: break;
        }
        return PortChoice::Kept;
    }
    m_port->setRThreshold(1);
    rememberOpenedDevice();
    Q_EMIT portOpened();
    return PortChoice::Opened;
}

void MeterSession::onConnectionLost() {
    m_resumeContinuous = m_continuous;
    endDownload();
    if (!m_reconnect.isActive()) m_reconnect.start();
    Q_EMIT connectionLost();
    if (m_lostShown) return;
    m_lostShown = true;
    QTimer::singleShot(0, this, [this] { m_messages.MsgBox(Msg::ConnectionLost); });
}

void MeterSession::tryReconnect() {
    if (m_port->PortOpen()) {
        m_reconnect.stop();
        return;
    }
    // Only the device the session had: the same link target when the link is back (a by-id
    // name stays the meter's), or the same device where there was no link. Never another
    // device that now answers to the number.
    const QString target = m_ports.linkTarget(m_state.CommPortNumber);
    if (target != m_openedLinkTarget) return;
    const QString device = m_ports.devicePath(m_state.CommPortNumber);
    if (!QFileInfo::exists(device)) return;
    if (m_openedLinkTarget.isEmpty() && QFileInfo(device).canonicalFilePath() != m_openedDevice) return;
    if (!OpenCommPort(true)) return;
    m_reconnect.stop();
    if (m_resumeContinuous) write(Command::ShowContinuousReadings);
    m_resumeContinuous = false;
    Q_EMIT connectionRestored();
}

// ---- requests ----

void MeterSession::download(const QByteArray& command, int maximum) {
    if (!portReady()) return;
    endDownload();
    m_stopped = false;
    write(command);
    m_state.ReadingMode = false;
    m_state.DownloadMode = true;
    m_download.mProgressCount = 0;
    m_stored = 0;
    m_downloading = true;
    Q_EMIT downloadRequested(maximum);
}

void MeterSession::live(const QByteArray& command) {
    if (!portReady()) return;
    endDownload();
    m_stopped = false;
    write(command);
    m_state.DownloadMode = false;
    m_state.ReadingMode = true;
    Q_EMIT liveRequested();
}

void MeterSession::DownloadCurrentSet() { download(Command::DownloadCurrentSet, 128); }
void MeterSession::DownloadSelectedSet() { download(Command::DownloadSelectedSet(m_state.mSelectedSet), 128); }
void MeterSession::DownloadAllSets() { download(Command::DownloadAllSets, 3840); }
void MeterSession::CaptureCurrentReading() { live(Command::CaptureCurrentReading); }
void MeterSession::ShowContinuousReadings() { live(Command::ShowContinuousReadings); }

void MeterSession::CancelDownload() {
    if (m_port->PortOpen()) write(Command::Stop);
    m_stopped = true;
    endDownload();
}

void MeterSession::StopReadings() {
    if (m_port->PortOpen()) write(Command::Stop);
    m_stopped = true;
}

void MeterSession::SendCommand(const QByteArray& command) {
    if (m_continuous) {
        m_continuous = false;
        Q_EMIT continuousChanged(false);
    }
    if (!m_port->PortOpen() && !OpenCommPort()) return;
    try {
        m_port->setOutput(command);
    } catch (const VbError&) {
    }
}

void MeterSession::selectSet(const QString& set) { m_state.mSelectedSet = set; }

bool MeterSession::setStoreToPC(bool toPC) {
    m_state.StoreToPC = toPC;
    const bool saved = m_settings.SaveSetting(SettingKey::App, SettingKey::Section, SettingKey::StoreFunction,
                                              toPC ? QStringLiteral("True") : QStringLiteral("False"));
    if (m_state.ReadingMode) Q_EMIT storeDestinationChanged(toPC);
    return saved;
}

void MeterSession::SetUnits() { m_state.UnitsText = UnitsTextFor(m_state.UnitsCode); }
void MeterSession::SetMode() { m_state.ModeText = ModeTextFor(m_state.ModeCode); }

void MeterSession::StoreShownReading() {
    const int set = m_state.MeterSetText.toInt();
    Recordset& rs = readings();
    if (m_shownReading.isEmpty() || set < 1 || set > 30 || rs.State() != Recordset::adStateOpen) {
        m_messages.MsgBox(Msg::NothingToStore);
        return;
    }
    int row = 0;
    for (int r = 0; r < rs.RecordCount(); ++r) {
        if (rs.cell(r, set) == ReadingsDatabase::kCleared) {
            row = r + 1;
            break;
        }
    }
    if (row == 0) {
        m_messages.MsgBox(Msg::SetFull.arg(set));
        return;
    }
    try {
        rs.setAbsolutePosition(row);
        rs.setFields(set, m_shownReading);
        rs.Update();
    } catch (const VbError& e) {
        m_messages.MsgBox(Msg::TableNotWritten.arg(e.description()));
        return;
    }
    Q_EMIT storedToPC(set, row);
}

// ---- receiving ----

void MeterSession::onReceive() {
    if (m_rx.Busy) return;  // a message box of this handler is open; the port tries again
    m_rx.Busy = true;
    // Outside a download the panel must show what the meter measures now, not a backlog. The
    // rest of a line cut by the discard is never a value.
    if (!m_downloading && m_port->InBufferCount() > kDiscardThreshold) {
        m_port->setInBufferCount(0);
        m_rx.InValue = false;
        m_download.mReadingText.clear();
        m_rx.SkipToLineFeed = true;
    }
    m_port->setInputLen(0);
    const QString chunk = m_port->Input();
    for (const QChar ch : chunk) FeedChar(ch, m_rx, m_state, m_download, *this);
    m_rx.Busy = false;
}

void MeterSession::ShowUnitsText() { Q_EMIT panelUnitsChanged(); }
void MeterSession::ShowModeText() { Q_EMIT panelModeChanged(); }
void MeterSession::ShowBandUnits() {
    // The units of a set's download come right after its header.
    if (m_downloading && m_setInProgress > 0) {
        try {
            m_database->setSetUnits(m_setInProgress, m_state.UnitsCode);
        } catch (const VbError&) {
            // Only a label of the plot depends on it; the readings themselves are stored.
        }
    }
    Q_EMIT bandUnitsChanged();
}
void MeterSession::ShowSetNumber() { Q_EMIT meterSetChanged(); }
void MeterSession::ShowReadingNumber() { Q_EMIT meterReadingChanged(); }
void MeterSession::ShowBeeperState(int code) { Q_EMIT beeperChanged(code); }

void MeterSession::ShowLiveValue(double value) {
    m_shownReading = m_download.mReadingText;
    Q_EMIT liveValue(value);
}

void MeterSession::BeginSet() {
    if (!m_downloading) {
        // Set data the meter sends of its own accord is taken in; after a Cancel or a Stop, what
        // is still on its way belongs to no download until the next request.
        if (m_stopped) return;
        m_downloading = true;
        m_stored = 0;
    }
    clearRestOfSet();
    m_setInProgress = m_download.mSetNumber >= 1 && m_download.mSetNumber <= 30 ? m_download.mSetNumber : 0;
    m_lastReadingInSet = 0;
}

void MeterSession::StoreReading() {
    if (!m_downloading) return;  // set data nobody asked for (after a Cancel, say)
    const int set = m_download.mSetNumber;
    const int row = m_download.mReadingNumber;
    Recordset& rs = readings();
    // A set outside 1..30 (field 0 is "Number") or a position the table does not have is
    // counted, never written.
    if (set >= 1 && set <= 30) {
        try {
            if (row <= rs.RecordCount()) {
                rs.setAbsolutePosition(row);
                rs.setFields(set, m_download.mReadingText);
                // Saved at once: a reading the progress dialog has counted is in the file,
                // whatever happens next (an unplugged meter, a killed program).
                rs.Update();
                ++m_stored;
                m_lastReadingInSet = row;
            }
        } catch (const VbError& e) {
            stopForStoreFailure(e.description());
            return;
        }
    }
    Q_EMIT downloadProgressed();
}

void MeterSession::FinishDownload() {
    Recordset& rs = readings();
    clearRestOfSet();  // nothing to clear outside a download: no set is in progress
    try {
        if (rs.State() == Recordset::adStateOpen) {
            if (rs.AbsolutePosition() != Recordset::adPosEOF) rs.Update();
            rs.setAbsolutePosition(1);
        }
    } catch (const VbError&) {
    }
    if (!m_downloading) return;
    m_downloading = false;
    Q_EMIT downloadEnded();
}

void MeterSession::clearRestOfSet() {
    // A set in the table is what the meter last sent for it: positions past its last reading
    // keep nothing of an earlier, longer download.
    const int set = m_setInProgress;
    if (set < 1 || set > 30) return;
    Recordset& rs = readings();
    try {
        for (int row = m_lastReadingInSet + 1; row <= rs.RecordCount(); ++row) {
            if (rs.cell(row - 1, set) == ReadingsDatabase::kCleared) continue;
            rs.setAbsolutePosition(row);
            rs.setFields(set, ReadingsDatabase::kCleared);
            rs.Update();
        }
    } catch (const VbError& e) {
        stopForStoreFailure(e.description());
    }
    m_setInProgress = 0;
}

void MeterSession::endDownload() {
    const bool was = m_downloading;
    ResetReceive(m_rx, m_download);
    m_downloading = false;
    m_setInProgress = 0;
    Recordset& rs = readings();
    try {
        if (rs.State() == Recordset::adStateOpen && rs.AbsolutePosition() != Recordset::adPosEOF) rs.Update();
    } catch (const VbError&) {
    }
    if (was) Q_EMIT downloadEnded();
}

void MeterSession::stopForStoreFailure(const QString& reason) {
    if (!m_downloading) return;
    if (m_port->PortOpen()) write(Command::Stop);
    m_stopped = true;
    const int stored = m_stored;
    endDownload();
    QTimer::singleShot(0, this, [this, reason, stored] {
        m_messages.MsgBox(Msg::ReadingsNotStored.arg(reason).arg(stored));
    });
}
