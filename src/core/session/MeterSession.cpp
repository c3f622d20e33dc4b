// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/session/MeterSession.h"

#include <QDateTime>
#include <QFileInfo>
#include <QTimer>
#include <utility>

#include "core/common/SettingsStore.h"
#include "core/link/PortLinks.h"
#include "core/meter/Commands.h"
#include "core/meter/Numbers.h"

namespace {
// "True"/"False" are the stored forms; anything unreadable counts as the default, False.
bool settingToBool(const QString& text) {
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
    const std::optional<double> n = Numbers::toReal(t);
    return n && *n != 0.0;
}

constexpr int kDiscardThreshold = 512;  // characters waiting outside a download
}  // namespace

MeterSession::MeterSession(Deps deps, QObject* parent)
    : QObject(parent),
      m_settings(deps.settings),
      m_ports(deps.ports),
      m_store(deps.store),
      m_reconnector(deps.ports, this),
      m_download(m_store, kAnswerTimeoutMs) {
    connect(&m_link, &SerialLink::received, this, &MeterSession::onReceived);
    connect(&m_link, &SerialLink::connectionLost, this, &MeterSession::onConnectionLost);
    connect(&m_link, &SerialLink::opened, this, [this] {
        m_lostShown = false;
        m_answered = false;
        m_reconnector.stop();
    });
    connect(&m_reconnector, &Reconnector::deviceBack, this, &MeterSession::onDeviceBack);
    connect(&m_download, &Download::meterSilent, this, &MeterSession::onNoAnswer);
    connect(&m_download, &Download::noSetCame, this, [this] {
        if (isDownloading() && !m_download.summary().headerCame())
            endDownload(DownloadEnd::Whole);  // the meter has no set to send
    });
}

MeterSession::~MeterSession() {
    m_link.blockSignals(true);
    shutdown();
}

// ---- start-up and shutdown ----

void MeterSession::loadSettings() {
    m_state.storeToPC = settingToBool(
        m_settings.value(SettingKey::Section, SettingKey::StoreFunction, QStringLiteral("False")));
    m_state.selectedSet = 1;
    m_state.meter.set = 1;
    m_state.meter.reading = 1;
}

QList<int> MeterSession::meterCandidates() const {
    // The GPS receiver is a USB serial device too: its device is never taken for the meter.
    const QString gps = QFileInfo(m_settings.value(SettingKey::Section, SettingKey::GpsDevice, {}))
                            .canonicalFilePath();
    QList<int> out;
    for (int n : m_ports.meterCandidates())
        if (gps.isEmpty() || QFileInfo(m_ports.devicePath(n)).canonicalFilePath() != gps) out << n;
    return out;
}

std::optional<int> MeterSession::findMeterPort() const { return pickMeter(meterCandidates()); }

std::optional<int> MeterSession::pickMeter(const QList<int>& candidates) const {
    return m_ports.pickMeter(candidates,
                             m_settings.value(SettingKey::Section, SettingKey::Meter, {}));
}

OpenResult MeterSession::openPort(int number) {
    m_state.portNumber = number;
    return OpenCommPort();
}

void MeterSession::connectMeter() {
    const QList<int> candidates = meterCandidates();
    if (const std::optional<int> found = pickMeter(candidates)) {
        m_state.portNumber = *found;
    } else if (candidates.size() > 1) {
        Q_EMIT meterChoiceNeeded();
        return;
    } else {
        const QString stored =
            m_settings.value(SettingKey::Section, SettingKey::CommNum, QStringLiteral("1"));
        // An unreadable setting counts as its default.
        m_state.portNumber = Numbers::toInt16(stored).value_or(1);
        report({SessionProblem::Kind::NoMeterFound});
    }
    OpenCommPort();
}

void MeterSession::shutdown() {
    m_reconnector.stop();
    m_store.close();
}

// ---- the port ----

void MeterSession::report(SessionProblem problem) {
    if (problem.port == 0) problem.port = m_state.portNumber;
    if (problem.device.isEmpty()) problem.device = portDevice();
    Q_EMIT this->problem(problem);
}

void MeterSession::reportNotOpened(const OpenResult& result) {
    SessionProblem p{SessionProblem::Kind::PortNotOpened};
    p.device = m_ports.devicePath(m_state.portNumber);
    p.opened = result;
    report(p);
}

QString MeterSession::portDevice() const {
    return m_device.isEmpty() ? m_ports.devicePath(m_state.portNumber) : m_device;
}

OpenResult MeterSession::OpenCommPort(bool quiet) {
    // Whatever was being received belongs to the port as it was.
    endDownload(DownloadEnd::PortChanged);
    const OpenResult result =
        PortLinks::isPortNumber(m_state.portNumber)
            ? m_link.open(m_ports.devicePath(m_state.portNumber))
            : OpenResult::failed(PortFailure::NoSuchDevice, Reason::of(Why::NoSuchPortNumber));
    if (!result.ok()) {
        m_link.close();
        if (!quiet) reportNotOpened(result);
        return result;
    }
    m_device = m_link.device();
    m_reconnector.remember(m_state.portNumber, m_link.device());
    Q_EMIT portOpened();
    return result;
}

bool MeterSession::ensurePortOpen() { return m_link.isOpen() || OpenCommPort().ok(); }

void MeterSession::setActivity(Activity activity) {
    const bool wasLive = m_state.activity == Activity::Live;
    m_state.activity = activity;
    // Nothing waits on a download's bytes but the progress shown: they gather longer, so a
    // download costs the same whatever the line's speed.
    m_link.setDownloading(activity == Activity::Downloading);
    const bool live = activity == Activity::Live;
    if (wasLive != live) Q_EMIT continuousChanged(live);
}

MeterSession::PortChoice MeterSession::choosePort(const QString& numberText) {
    // An unreadable number keeps the one before.
    int number = m_state.portNumber;
    if (const std::optional<std::int16_t> n = Numbers::toInt16(numberText)) number = *n;
    // A number with no device keeps the dialog open, saves nothing and leaves the port as it is.
    const QString device = PortLinks::isPortNumber(number) ? m_ports.devicePath(number) : QString();
    if (device.isEmpty() || !QFileInfo::exists(device)) {
        SessionProblem p{SessionProblem::Kind::NoDeviceOnPort, number, device};
        Q_EMIT problem(p);
        return PortChoice::Refused;
    }
    m_state.portNumber = number;
    m_settings.setValue(SettingKey::Section, SettingKey::CommNum,
                        QString::number(m_state.portNumber));
    const OpenResult result = OpenCommPort(true);
    if (result.ok()) return PortChoice::Opened;
    if (result.kind == PortFailure::NoSuchDevice) {
        report({SessionProblem::Kind::PortChosenEmpty});
        return PortChoice::Refused;
    }
    reportNotOpened(result);
    return PortChoice::Kept;
}

void MeterSession::onConnectionLost() {
    m_resumeContinuous = m_state.activity == Activity::Live;
    // A download's account says the connection was lost: one message, not two.
    if (isDownloading()) m_lostShown = true;
    endDownload(DownloadEnd::ConnectionLost);
    m_reconnector.start();
    Q_EMIT connectionLost();
    if (m_lostShown) return;
    m_lostShown = true;
    QTimer::singleShot(0, this, [this] { report({SessionProblem::Kind::ConnectionLost}); });
}

void MeterSession::onDeviceBack(int number) {
    if (m_link.isOpen()) {
        m_reconnector.stop();
        return;
    }
    // The same meter, perhaps under another port number (a device without a by-id name that
    // came back under another name).
    m_state.portNumber = number;
    if (!OpenCommPort(true).ok()) return;
    m_reconnector.stop();
    if (m_resumeContinuous) m_link.write(Command::ShowContinuousReadings);
    m_resumeContinuous = false;
    Q_EMIT connectionRestored();
}

// ---- requests ----

void MeterSession::requestDownload(const QByteArray& command, int maximum,
                                   std::optional<int> askedSet) {
    if (!ensurePortOpen()) return;
    endDownload(DownloadEnd::NewRequest);
    m_link.write(command);
    m_state.lastRequest = Request::Download;
    m_engine.download.received = 0;
    // The meter's lasting name where it has one (its by-id link), its device otherwise.
    const QString lasting = m_ports.linkTarget(m_state.portNumber);
    m_download.begin(QString::fromLatin1(command), lasting.isEmpty() ? m_link.device() : lasting,
                     askedSet);
    setActivity(Activity::Downloading);
    Q_EMIT downloadRequested(maximum);
}

void MeterSession::requestLive(const QByteArray& command) {
    if (!ensurePortOpen()) return;
    endDownload(DownloadEnd::NewRequest);
    m_link.write(command);
    m_engine.expectLiveAnswer();
    m_state.lastRequest = Request::Live;
    setActivity(command == Command::ShowContinuousReadings ? Activity::Live : Activity::Idle);
    Q_EMIT liveRequested();
}

void MeterSession::DownloadCurrentSet() {
    requestDownload(Command::DownloadCurrentSet, Meter::kPositions, 0);
}
void MeterSession::DownloadSelectedSet() {
    requestDownload(Command::DownloadSelectedSet(m_state.selectedSet), Meter::kPositions,
                    m_state.selectedSet);
}
void MeterSession::DownloadAllSets() {
    requestDownload(Command::DownloadAllSets, Meter::kSets * Meter::kPositions, std::nullopt);
}
void MeterSession::CaptureCurrentReading() { requestLive(Command::CaptureCurrentReading); }
void MeterSession::ShowContinuousReadings() { requestLive(Command::ShowContinuousReadings); }

void MeterSession::sendStop() {
    m_link.write(Command::Stop);
    // A meter stopped while it sent ends what it sent with an end of data.
    m_endOfDataOwed = true;
}

void MeterSession::cancelDownload() {
    sendStop();  // nothing to tell a meter that is gone
    endDownload(DownloadEnd::Cancelled);
    setActivity(Activity::Stopped);
}

void MeterSession::onNoAnswer() {
    if (!isDownloading()) return;
    sendStop();  // should it wake up after all
    endDownload(DownloadEnd::NoAnswer);
    setActivity(Activity::Stopped);
}

void MeterSession::stopReadings() {
    sendStop();  // nothing to tell a meter that is gone
    setActivity(Activity::Stopped);
}

void MeterSession::sendCommand(const QByteArray& command) {
    // A key of the panel changes what the meter does: continuous readings are no longer known
    // to run.
    if (m_state.activity == Activity::Live) setActivity(Activity::Idle);
    if (!ensurePortOpen()) return;
    m_link.write(command);
}

void MeterSession::selectSet(int set) {
    if (Meter::isSet(set)) m_state.selectedSet = set;
}

bool MeterSession::setStoreToPC(bool toPC) {
    m_state.storeToPC = toPC;
    const bool saved = m_settings.setValue(SettingKey::Section, SettingKey::StoreFunction,
                                           toPC ? QStringLiteral("True") : QStringLiteral("False"));
    if (m_state.lastRequest == Request::Live) Q_EMIT storeDestinationChanged(toPC);
    return saved;
}

void MeterSession::storeShownReading() {
    const int set = m_state.meter.set;
    if (m_shownReading.isEmpty() || !Meter::isSet(set) || !m_store.isOpen()) {
        report({SessionProblem::Kind::NothingToStore});
        return;
    }
    // The first cleared position (an unreadable one is the meter's), and whether the set holds
    // any reading at all.
    int position = 0;
    for (int p = 1; p <= m_store.rowCount() && position == 0; ++p)
        if (m_store.held(set, p) == ReadingsStore::Held::Nothing) position = p;
    const bool empty = m_store.readingCount(set) == 0;
    if (position == 0) {
        SessionProblem p{SessionProblem::Kind::SetFull};
        p.set = set;
        report(p);
        return;
    }
    // A set holds readings of one units: an empty set takes the meter's, a set of the other
    // units takes none. A set whose units are not known (opened from a data file) is not
    // judged.
    const int digit = m_state.meter.unitsDigit;
    const bool unitsKnown = digit == 1 || digit == 2;
    const std::optional<Meter::Units> setUnits = m_store.setUnits(set);
    if (unitsKnown && setUnits && *setUnits != m_state.meter.units() && !empty) {
        SessionProblem p{SessionProblem::Kind::UnitsDiffer};
        p.set = set;
        p.setUnits = *setUnits;
        p.meterUnits = m_state.meter.units();
        report(p);
        return;
    }
    const StoreResult written = m_store.writeReading(set, position, m_shownReading);
    if (!written) {
        SessionProblem p{SessionProblem::Kind::ReadingNotStored};
        p.stored = written;
        report(p);
        return;
    }
    // Only a label depends on the units: a failure to keep them costs nothing else.
    if (unitsKnown && (empty || !setUnits)) m_store.setSetUnits(set, m_state.meter.units());
    Q_EMIT storedToPC(set, position);
}

void MeterSession::holdReceiving(bool hold) {
    m_held = hold;
    if (!hold && !m_pending.isEmpty()) onReceived({});
}

// ---- receiving ----

void MeterSession::onReceived(const QByteArray& bytes) {
    if (!bytes.isEmpty()) {
        if (isDownloading()) {
            m_download.took(bytes);
        }
        if (!m_answered) {
            m_answered = true;
            // The device that answered is the meter: preferred at the next start.
            const QString name = m_ports.identity(m_state.portNumber);
            if (!name.isEmpty() &&
                m_settings.value(SettingKey::Section, SettingKey::Meter, {}) != name)
                m_settings.setValue(SettingKey::Section, SettingKey::Meter, name);
            Q_EMIT meterAnswered();
        }
    }
    m_pending += bytes;
    // A handler further up the stack (one that ran an event loop) takes these in turn.
    if (m_receiving || m_held) return;
    m_receiving = true;
    while (!m_pending.isEmpty() && !m_held) {
        QByteArray chunk;
        chunk.swap(m_pending);
        // Outside a download the panel must show what the meter measures now, not a backlog.
        // The rest of a line cut by the discard is never a value.
        if (m_state.activity != Activity::Downloading && chunk.size() > kDiscardThreshold) {
            const QByteArray discarded = m_link.discardWaiting();
            const char last = discarded.isEmpty() ? chunk.back() : discarded.back();
            m_engine.discardReceived(last != '\n');
            continue;
        }
        // A download's readings that arrived together are committed together, before anything
        // shows them as stored.
        m_grouped = isDownloading() && m_store.beginGroup();
        if (m_grouped) m_download.recorder().startGroup();
        for (const char c : chunk)
            m_engine.FeedChar(QChar(static_cast<uchar>(c)), m_state.lastRequest, m_state.meter,
                              *this);
        if (m_grouped) {
            m_grouped = false;
            const StoreResult committed = m_store.endGroup();
            if (!committed) {
                m_download.recorder().undoGroup();
                reportStoreFailure(committed);
            }
        }
    }
    m_receiving = false;
}

void MeterSession::liveUnitsReported() { Q_EMIT liveUnitsChanged(); }
void MeterSession::liveModeReported() { Q_EMIT liveModeChanged(); }
void MeterSession::downloadUnitsReported() {
    // The units of a set's download come right after its header. Only a label of the plot
    // depends on them; the readings themselves are stored either way.
    const int set = m_engine.download.set;
    // Only the set being stored takes them: a set the meter sent unasked changes nothing.
    if (isDownloading() && Meter::isSet(set) && m_download.recorder().currentSet() == set)
        m_store.setSetUnits(set, m_state.meter.units());
    Q_EMIT downloadUnitsChanged();
}
void MeterSession::meterSetReported() { Q_EMIT meterSetChanged(); }
void MeterSession::meterReadingReported() { Q_EMIT meterReadingChanged(); }
void MeterSession::beeperReported(int digit) { Q_EMIT beeperChanged(digit); }

void MeterSession::ShowLiveValue(double value, const QString& text) {
    m_shownReading = text;
    Q_EMIT liveValue(value);
}

bool MeterSession::beginSet(int set) {
    m_download.stopWaitingForSet();
    if (!isDownloading()) {
        // Set data is stored only in answer to a request: no key of the meter sends it unasked,
        // so this is line noise, or the rest of a download that was stopped.
        if (m_state.activity != Activity::Stopped) Q_EMIT unaskedSetData();
        return false;
    }
    // A one-set download takes its set only: another set in the answer is named, never stored
    // (the set before it has ended whole).
    const std::optional<int> asked = m_download.askedSet();
    if (asked && Meter::isSet(set)) {
        const bool taken = m_download.summary().sets.isEmpty() && (*asked == 0 || *asked == set);
        if (!taken) {
            const StoreResult ended = m_download.recorder().endSet();
            DownloadSummary& summary = m_download.summary();
            if (!summary.unasked.contains(set)) summary.unasked.append(set);
            if (!ended) stopForStoreFailure(ended);
            return false;
        }
    }
    const StoreResult ended = m_download.recorder().beginSet(set);
    if (!ended) {
        stopForStoreFailure(ended);
        return false;
    }
    if (Meter::isSet(set)) Q_EMIT downloadSetBegun(set);
    return true;
}

void MeterSession::StoreReading(int set, int position, const QString& text,
                                const QString& formFault) {
    if (!isDownloading()) return;  // set data nobody asked for (after a Cancel, say)
    // Written at once: a reading the progress dialog has counted is in the file, whatever
    // happens next (an unplugged meter, a killed program).
    // The recorder holds the set its beginSet() took (none for a set that is not stored).
    Q_UNUSED(set);
    const StoreResult written = m_download.recorder().storeReading(position, text, formFault);
    if (!written) {
        stopForStoreFailure(written);
        return;
    }
    Q_EMIT downloadProgressed(m_download.progressAt(set, position, m_engine.download.received));
}

void MeterSession::skipUnreadable(int set, int position) {
    if (!isDownloading()) return;
    Q_UNUSED(set);
    const StoreResult cleared = m_download.recorder().skipUnreadable(position);
    if (!cleared) {
        stopForStoreFailure(cleared);
        return;
    }
    Q_EMIT downloadProgressed(m_download.progressAt(set, position, m_engine.download.received));
}

void MeterSession::FinishDownload() {
    const bool owed = m_endOfDataOwed;
    m_endOfDataOwed = false;
    if (!isDownloading()) return;
    // An end of data before the first set header is what an earlier answer left on the line
    // when the meter owes its two carriage returns after a stop: the answer is still to come.
    // Otherwise it is the answer (the meter has no set to send) unless a set follows at once,
    // as the tail of an answer another program cut leaves it.
    if (!m_download.summary().headerCame()) {
        if (!owed) m_download.waitForSet();
        return;
    }
    endDownload(DownloadEnd::Whole);
}

void MeterSession::endDownload(DownloadEnd why) {
    const bool cut = isDownloading() && why != DownloadEnd::Whole &&
                     why != DownloadEnd::ConnectionLost && why != DownloadEnd::PortChanged;
    m_engine.reset();
    // What the meter still sends of the answer it was cut in is set data, never a live reading.
    if (cut) m_engine.cutAnswer();
    m_download.stopClocks();
    if (!isDownloading()) return;
    DownloadSummary& summary = m_download.summary();
    summary.end = why;
    if (why == DownloadEnd::NoAnswer || why == DownloadEnd::ConnectionLost) {
        summary.portNumber = m_state.portNumber;
        summary.portDevice = portDevice();
    }
    // After a lock another program holds, every write would wait for it again: the set is
    // counted as cut short, its tail left alone.
    const bool locked = m_download.storeFailure().kind == StoreFailure::Busy;
    const StoreResult finished = why == DownloadEnd::Whole ? m_download.recorder().endSet()
                                                           : m_download.recorder().cutSet(!locked);
    if (!finished && why != DownloadEnd::StoreFailed) {
        summary.end = DownloadEnd::StoreFailed;
        summary.failure = finished.reason;
        summary.failureKind = finished.kind;
        m_download.setStoreFailure(finished);
    }
    setActivity(Activity::Idle);
    // Taken now: a new request begins the next download before the account is told.
    if (std::optional<DownloadLog::RawDownload> raw = m_download.takeRaw())
        m_rawToKeep.append(std::move(*raw));
    announceDownload();
    Q_EMIT downloadEnded(m_download.summary());
}

void MeterSession::announceDownload() {
    // Told once the receiving in hand is done: its last commit may still change the account.
    if (m_announcing) return;
    m_announcing = true;
    QTimer::singleShot(0, this, [this] {
        m_announcing = false;
        // Kept outside the download's own writes; a download that could not be kept costs
        // nothing of its readings, which are stored already.
        for (const DownloadLog::RawDownload& raw : std::exchange(m_rawToKeep, {}))
            if (m_store.isOpen()) DownloadLog(m_store).keep(raw);
        const DownloadSummary& summary = m_download.summary();
        if (summary.troubled()) {
            SessionProblem troubled(SessionProblem::Kind::DownloadTroubled);
            troubled.account = summary;
            report(troubled);
        }
        Q_EMIT downloadReported(summary);
    });
}

void MeterSession::stopForStoreFailure(const StoreResult& failure) {
    if (!isDownloading()) return;
    // A write that failed inside a group undid the group's earlier writes too.
    if (m_grouped && !m_store.inGroup()) m_download.recorder().undoGroup();
    reportStoreFailure(failure);
}

void MeterSession::reportStoreFailure(const StoreResult& failure) {
    m_download.setStoreFailure(failure);
    DownloadSummary& summary = m_download.summary();
    // In words first: SQLite's own text alone ("database is locked") says little.
    summary.failure = failure.reason;
    summary.failureKind = failure.kind;
    if (summary.failedSet == 0) summary.failedSet = m_download.recorder().currentSet();
    if (isDownloading()) {
        sendStop();  // nothing to tell a meter that is gone
        endDownload(DownloadEnd::StoreFailed);
        setActivity(Activity::Stopped);
        return;
    }
    // The download had ended when its last group failed to commit.
    summary.end = DownloadEnd::StoreFailed;
    announceDownload();
}
