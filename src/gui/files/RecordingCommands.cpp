// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/files/RecordingCommands.h"

#include <QDateTime>
#include <QFileInfo>
#include <QInputDialog>

#include "core/common/Messages.h"
#include "core/files/GpxTrack.h"
#include "core/session/MeterSession.h"
#include "core/store/SetDetails.h"
#include "gui/dialogs/FileDialog.h"
#include "gui/dialogs/MessageBox.h"

RecordingCommands::RecordingCommands(Deps deps, QObject* parent)
    : QObject(parent), d(std::move(deps)) {
    connect(&d.session, &MeterSession::liveValue, this, &RecordingCommands::recordLiveValue);
}

void RecordingCommands::recordReadings(bool on) {
    if (!on) {
        if (!m_recording.isRecording()) return;
        m_recording.stop();
        Q_EMIT recordingChanged(false);
        Q_EMIT note(
            tr("Recorded %1 readings to %2").arg(m_recording.count()).arg(m_recording.path()));
        return;
    }
    const auto chosen = d.dialog.choose({FileDialog::Mode::Save,
                                         tr("Record Readings"),
                                         {tr("CSV Files (*.csv)")},
                                         m_recordName,
                                         d.dialogFolder});
    if (!chosen) return;
    const FileOutcome started =
        m_recording.start(chosen->path, d.gps && !d.gps->device().isEmpty());
    if (!started.ok()) {
        d.messages.tell(Msg::forFile(started));
        return;
    }
    m_recordName = QFileInfo(chosen->path).fileName();
    Q_EMIT recordingChanged(true);
    showRecording();
}

void RecordingCommands::placeByTrack() {
    const auto recording = d.dialog.choose({FileDialog::Mode::Open,
                                            tr("Recording to Place"),
                                            {tr("CSV Files (*.csv)")},
                                            m_recordName,
                                            d.dialogFolder});
    if (!recording) return;
    const auto gpx = d.dialog.choose({FileDialog::Mode::Open,
                                      tr("GPS Track"),
                                      {tr("GPX Files (*.gpx)")},
                                      {},
                                      QFileInfo(recording->path).absolutePath()});
    if (!gpx) return;
    QVector<GpxTrack::Point> track;
    if (const FileOutcome read = GpxTrack::read(gpx->path, &track); !read) {
        d.messages.tell(Msg::forFile(read));
        return;
    }
    QByteArray placedFile;
    int placed = 0;
    if (const FileOutcome made = LiveRecording::placeByTrack(
            recording->path, track, kTrackGapSeconds, &placedFile, &placed);
        !made) {
        d.messages.tell(Msg::forFile(made));
        return;
    }
    const QFileInfo source(recording->path);
    const auto out = d.dialog.choose({FileDialog::Mode::Save,
                                      tr("Save Placed Recording"),
                                      {tr("CSV Files (*.csv)")},
                                      source.completeBaseName() + QStringLiteral("-placed.csv"),
                                      source.absolutePath()});
    if (!out) return;
    if (const FileOutcome written = FileCommands::writeWhole(out->path, placedFile); !written) {
        d.messages.tell(Msg::forFile(written));
        return;
    }
    Q_EMIT note(tr("%1 of %2 readings placed from the track; written to %3")
                    .arg(placed)
                    .arg(placedFile.count('\n') - 1)
                    .arg(out->path));
}

void RecordingCommands::markReading() {
    if (!m_recording.isRecording()) {
        d.messages.tell(Msg::MarkNeedsRecording);
        return;
    }
    const QString label =
        askMark ? askMark()
                : QInputDialog::getText(d.window, tr("Mark Reading"),
                                        tr("Label for the next reading (a station, say):"))
                      .trimmed();
    if (label.isEmpty()) return;
    m_recording.markNext(label);
    showRecording();
}

void RecordingCommands::recordLiveValue() {
    if (!m_recording.isRecording()) return;
    const MeterReport& meter = d.session.state().meter;
    const FileOutcome written =
        m_recording.add(QDateTime::currentDateTimeUtc(), d.session.shownReading(),
                        SetDetailFields::unitsName(meter.knownUnits()), meter.set, meter.reading,
                        d.gps ? d.gps->current() : std::nullopt);
    if (!written.ok()) {
        Q_EMIT recordingChanged(false);
        d.messages.tell(Msg::forFile(written) + QLatin1Char('\n') +
                        Msg::RecordingStopped.arg(m_recording.count()));
    }
    showRecording();
}

void RecordingCommands::showRecording() {
    if (!m_recording.isRecording()) return;
    QString text =
        tr("Recording to %1: %2 readings").arg(m_recording.path()).arg(m_recording.count());
    if (!m_recording.pendingMark().isEmpty())
        text += tr(" (the next marked \"%1\")").arg(m_recording.pendingMark());
    Q_EMIT note(text);
}
