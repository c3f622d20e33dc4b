// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/main/SessionStatusBar.h"

#include "core/common/Messages.h"
#include "core/gps/GpsReceiver.h"
#include "core/link/PortLinks.h"
#include "core/session/MeterSession.h"
#include "core/store/ReadingsOpener.h"
#include "gui/MeterWords.h"
#include "gui/dialogs/ProgressDialog.h"

SessionStatusBar::SessionStatusBar(MeterSession& session, ReadingsOpener& opener, QWidget* parent)
    : QStatusBar(parent), m_session(session) {
    setObjectName(QStringLiteral("StatusBar1"));
    const auto section = [this](const QString& name, int stretch) {
        auto* l = new QLabel(this);
        l->setObjectName(name);
        addWidget(l, stretch);
        return l;
    };
    portLabel = section(QStringLiteral("portLabel"), 0);
    connectionLabel = section(QStringLiteral("connectionLabel"), 0);
    unitsLabel = section(QStringLiteral("unitsLabel"), 0);
    downloadLabel = section(QStringLiteral("downloadLabel"), 1);
    cancelWaitButton = new QToolButton(this);
    cancelWaitButton->setObjectName(QStringLiteral("cancelWaitButton"));
    cancelWaitButton->setText(tr("Cancel"));
    cancelWaitButton->setToolTip(tr("Stop waiting for the meter's reading"));
    addWidget(cancelWaitButton);
    cancelWaitButton->hide();
    gpsLabel = new QLabel(this);
    gpsLabel->setObjectName(QStringLiteral("gpsLabel"));
    addPermanentWidget(gpsLabel);
    gpsLabel->hide();
    connect(cancelWaitButton, &QToolButton::clicked, this, [this] {
        waitForMeter(false);
        downloadLabel->clear();
        m_session.stopReadings();
    });
    // A request for readings says that it waits, and says it when the meter never answers.
    m_waited.setSingleShot(true);
    m_waited.setInterval(MeterSession::kAnswerTimeoutMs);
    connect(&m_waited, &QTimer::timeout, this, [this] {
        waitForMeter(false);
        downloadLabel->setText(
            tr("The meter did not answer: is it switched on and showing its "
               "reading page?"));
    });
    connect(&session, &MeterSession::liveRequested, this, [this] { waitForMeter(true); });
    connect(&session, &MeterSession::liveValue, this, [this] {
        if (m_waited.isActive()) {
            waitForMeter(false);
            downloadLabel->clear();
        }
    });
    connect(&session, &MeterSession::downloadRequested, this, [this] { waitForMeter(false); });

    m_repaint.setSingleShot(true);
    // A download's place twice a second: each change lays the bar out again.
    m_repaint.setInterval(ProgressDialog::kRepaintInterval);
    connect(&m_repaint, &QTimer::timeout, this, &SessionStatusBar::showDownload);

    connect(&session, &MeterSession::portOpened, this, [this] {
        m_lost = false;
        showConnection();
    });
    connect(&session, &MeterSession::connectionRestored, this, [this] {
        m_lost = false;
        showConnection();
    });
    connect(&session, &MeterSession::connectionLost, this, [this] {
        m_lost = true;
        showConnection();
    });
    connect(&session, &MeterSession::downloadUnitsChanged, this, &SessionStatusBar::showUnits);
    connect(&session, &MeterSession::liveUnitsChanged, this, &SessionStatusBar::showUnits);
    connect(&session, &MeterSession::downloadProgressed, this, [this](const DownloadProgress& at) {
        m_shown = at;
        if (!m_repaint.isActive()) m_repaint.start();
    });
    connect(&session, &MeterSession::downloadEnded, this, [this](const DownloadSummary& account) {
        m_repaint.stop();
        downloadLabel->setText(account.statusLine());
    });
    // The account may change with the download's last commit.
    connect(
        &session, &MeterSession::downloadReported, this,
        [this](const DownloadSummary& account) { downloadLabel->setText(account.statusLine()); });
    connect(&session, &MeterSession::unaskedSetData, this,
            [this] { downloadLabel->setText(Msg::UnaskedSetData); });
    connect(&session, &MeterSession::meterAnswered, this, &SessionStatusBar::showConnection);
    connect(&opener, &ReadingsOpener::locked, this,
            [this] { downloadLabel->setText(Msg::DatabaseLocked); });
    connect(&opener, &ReadingsOpener::opened, this,
            [this] { downloadLabel->setText(Msg::DatabaseFree); });
    showUnits();
    showConnection();
}

void SessionStatusBar::showUnits() {
    unitsLabel->setText(MeterWords::unitsSaid(m_session.state().meter.knownUnits()));
}

void SessionStatusBar::showConnection() {
    const int number = m_session.state().portNumber;
    if (number >= 1) {
        // A meter that went away is named by the device it was on, not by what the number
        // points at now.
        const QString device = m_session.isConnected() ? m_session.link().device()
                               : m_lost                ? m_session.meterDevice()
                                                       : m_session.ports().devicePath(number);
        portLabel->setText(tr("Port %1 (%2)").arg(number).arg(device));
    } else {
        portLabel->setText(tr("No port"));
    }
    if (m_session.isConnected() && m_session.hasAnswered())
        connectionLabel->setText(tr("Connected"));
    else if (m_session.isConnected())
        connectionLabel->setText(tr("Port open, the meter has not answered yet"));
    else if (m_lost && m_session.isReconnecting())
        connectionLabel->setText(tr("Connection lost, reconnecting"));
    else if (m_lost)
        connectionLabel->setText(tr("Connection lost"));
    else
        connectionLabel->setText(tr("Not connected"));
}

void SessionStatusBar::waitForMeter(bool on) {
    if (on) {
        m_waited.start();
        downloadLabel->setText(tr("Waiting for the meter to answer..."));
    } else {
        m_waited.stop();
    }
    cancelWaitButton->setVisible(on);
}

void SessionStatusBar::showDownload() {
    if (!m_session.isDownloading()) return;
    downloadLabel->setText(tr("Set %1, reading %2 of %3")
                               .arg(m_shown.set)
                               .arg(qMin(m_shown.position, Meter::kPositions))
                               .arg(Meter::kPositions));
}

void SessionStatusBar::followGps(const GpsReceiver& gps) {
    m_gps = &gps;
    connect(&gps, &GpsReceiver::fixChanged, this, &SessionStatusBar::showGps);
    connect(&gps, &GpsReceiver::stateChanged, this, &SessionStatusBar::showGps);
    m_gpsAge.setInterval(1000);
    connect(&m_gpsAge, &QTimer::timeout, this, &SessionStatusBar::showGps);
    showGps();
}

void SessionStatusBar::showGps() {
    // The fix's age is counted only while there is a receiver.
    if (!m_gps || m_gps->state() == GpsReceiver::State::Off) {
        m_gpsAge.stop();
        gpsLabel->hide();
        return;
    }
    if (!m_gpsAge.isActive()) m_gpsAge.start();
    const GpsFix fix = m_gps->lastFix();
    QString text;
    switch (m_gps->state()) {
        case GpsReceiver::State::Off:
            break;
        case GpsReceiver::State::Gone:
            text = tr("GPS receiver %1 not found; looking for it").arg(m_gps->device());
            break;
        case GpsReceiver::State::Waiting:
            text = tr("GPS receiver silent");
            break;
        case GpsReceiver::State::Receiving:
            if (fix.dimensions == 0)
                text = tr("GPS: no fix");
            else if (!m_gps->current())
                text = tr("GPS: fix %1 s old, not used").arg(fix.ageMs / 1000);
            else
                text = tr("GPS %1D, %2 satellites, %3 s")
                           .arg(fix.dimensions)
                           .arg(fix.satellites)
                           .arg(fix.ageMs / 1000);
            break;
    }
    gpsLabel->setText(text);
    gpsLabel->setToolTip(m_gps->reason().isEmpty()
                             ? m_gps->device()
                             : m_gps->device() + QStringLiteral(": ") + m_gps->reason());
    gpsLabel->show();
}
