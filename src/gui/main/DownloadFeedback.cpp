// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/main/DownloadFeedback.h"

#include <QCoreApplication>
#include <QProgressBar>

#include "core/meter/MeterFacts.h"
#include "core/session/MeterSession.h"
#include "gui/dialogs/MessageBox.h"
#include "gui/dialogs/ProgressDialog.h"

DownloadFeedback::DownloadFeedback(MeterSession& session, MessageBox& messages, QWidget& window)
    : QObject(&window), m_session(session), m_messages(messages), m_window(window) {
    connect(&session, &MeterSession::downloadRequested, this, &DownloadFeedback::onRequested);
    connect(&session, &MeterSession::downloadProgressed, this, &DownloadFeedback::onProgressed);
    connect(&session, &MeterSession::downloadEnded, this, &DownloadFeedback::closeProgress);
}

void DownloadFeedback::onRequested(int maximum) {
    m_downloadAll = maximum > Meter::kPositions;
    // Made hidden: it shows with the first reading, so a quick answer never flashes it.
    progress().progressBar->setMaximum(m_downloadAll ? Meter::kSets : Meter::kPositions);
}

void DownloadFeedback::onProgressed(const DownloadProgress& at) {
    ProgressDialog& p = progress();
    if (!p.isVisible()) p.show();
    // What is known: the readings really stored, and during Download All the sets done.
    p.setProgress(at.set, m_downloadAll ? qMax(0, at.setsBegun - 1) : -1, at.stored);
}

ProgressDialog& DownloadFeedback::progress() {
    if (!m_progress) {
        m_progress = new ProgressDialog([this] { m_session.cancelDownload(); }, &m_window);
        m_progress->progressBar->setMaximum(m_downloadAll ? Meter::kSets : Meter::kPositions);
    }
    return *m_progress;
}

void DownloadFeedback::closeProgress() {
    if (!m_progress) return;
    ProgressDialog* p = m_progress;
    m_progress.clear();
    p->finish();
    // Gone from the window now; deleted once the event that closed it has returned.
    p->setParent(nullptr);
    p->deleteLater();
}

void DownloadFeedback::askAndDownload() {
    const std::optional<QString> answer =
        m_messages.askText(QCoreApplication::translate("MainWindow", "Set number (1 to 30):"),
                           QString::number(m_session.state().selectedSet));
    if (!answer) return;
    bool ok = false;
    const int set = answer->trimmed().toInt(&ok);
    if (!ok || !Meter::isSet(set)) {
        m_messages.tell(QCoreApplication::translate("MainWindow", "%1 is not a set from 1 to 30.")
                            .arg(answer->trimmed()));
        return;
    }
    // The drop-down and the setting follow the choice, as a choice there does.
    Q_EMIT setChosen(set);
    m_session.DownloadSelectedSet();
}
