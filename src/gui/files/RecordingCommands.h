// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

#include "core/files/LiveRecording.h"

class FileDialog;
class GpsReceiver;
class MessageBox;
class MeterSession;
class QWidget;

/** @brief Read > Record Readings and Mark Reading: every live value the session reports goes
 *  into a CSV file the user chose, with the meter's units, set and reading and an optional
 *  mark. A file that stops taking lines ends the recording with one message. */
class RecordingCommands : public QObject {
    Q_OBJECT
public:
    struct Deps {
        MeterSession& session;
        FileDialog& dialog;
        MessageBox& messages;
        QString dialogFolder;  ///< where the dialog opens
        QWidget* window;       ///< the parent of the mark's question
        /** @brief The GPS receiver; with a device given, each reading carries its position. */
        const GpsReceiver* gps = nullptr;
    };
    explicit RecordingCommands(Deps deps, QObject* parent = nullptr);

    /** @brief On: the user chooses a CSV file and every live value is written to it; off: the
     *  recording ends. */
    void recordReadings(bool on);
    /** @brief A short label for the next recorded reading. */
    void markReading();
    /** @brief Read > Place Recording by GPX Track: the user chooses a recording, the track a GPS
     *  unit logged and where the placed recording goes. */
    void placeByTrack();
    const LiveRecording& recording() const { return m_recording; }
    /** @brief Asks for a mark's label; empty when the user cancels. Tests put their own. */
    std::function<QString()> askMark;
    /** @brief How far in time a track point may be from a reading it places. */
    static constexpr int kTrackGapSeconds = 10;

Q_SIGNALS:
    /** @brief The recording started or ended (a file that failed ends it too). */
    void recordingChanged(bool recording);
    /** @brief A line for the status bar: where the recording stands. */
    void note(const QString& text);

private:
    void recordLiveValue();
    void showRecording();

    Deps d;
    LiveRecording m_recording;
    QString m_recordName;  ///< the recording file last chosen (its name)
};
