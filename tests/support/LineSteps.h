// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QPair>
#include <QString>
#include <QTest>
#include <functional>

#include "MeterLine.h"
#include "core/files/DataFileCodec.h"
#include "core/session/MeterSession.h"

// The steps of a line scenario and the bytes a meter sends, shared by the session's scenario
// tables (tests/core/test_session.cpp, tests/gui/test_session_windows.cpp).
namespace line {
struct Step {
    enum Kind {
        All,
        Current,
        Selected,  // Download Selected Set of the set in bytes ("5")
        Capture,
        Continuous,
        Cancel,
        Send,
        Burst,
        Unplug,
        Replug,
        StoreToPC,
        Store,
        Open,
        Discard,
        Reopen,   // the port is opened again (the port dialog's OK)
        Silence,  // the meter sends nothing until the session gives up on it
        Pause     // the meter says nothing for a second (less than the session waits)
    };
    Kind kind;
    QByteArray bytes = {};  // Send, Discard: what the meter sends; Open: the file's bytes
};
using Steps = QList<Step>;

inline Step send(const QByteArray& bytes) { return {Step::Send, bytes}; }
/** Set @p set's header and status, then values "S.00000R" for positions @p from .. @p to. */
inline QByteArray setData(int set, int from, int to) {
    QByteArray out = "S" + QByteArray::number(set).rightJustified(2, '0') + "\nU1M1";
    for (int r = from; r <= to; ++r)
        out += QByteArray::number(set) + "." + QByteArray::number(r).rightJustified(6, '0') + "\n";
    return out;
}
inline QString cellText(int set, int r) {
    return QString::number(set) + "." + QString::number(r).rightJustified(6, '0');
}
/** A live reading as the meter sends it: status, set and reading bytes, the value. */
inline QByteArray live(int set, int reading, const QByteArray& value) {
    return "U1M1N" + QByteArray(1, char(127 + set)) + "R" + QByteArray(1, char(128 + reading)) +
           value + "\n";
}
inline QByteArray fileOf(const QList<QPair<int, QString>>& rowsOfSet6) {
    QByteArray out;
    for (const auto& [row, value] : rowsOfSet6) {
        DataFileRecord rec;
        rec.RowNumber = static_cast<std::int16_t>(row);
        for (QString& v : rec.SetValue) v = QStringLiteral("0.000000");
        rec.SetValue[5] = value;
        DataFileCodec::write(rec, out);
    }
    return out;
}
/** The burst of a full memory: 30 sets of 128 values, 34,802 bytes. */
inline QByteArray fullMemory() {
    QByteArray all;
    for (int s = 1; s <= 30; ++s) all += setData(s, 1, 128);
    return all + "\r\r";
}
inline const QString lost = QStringLiteral("The connection to the meter was lost.");
/** @brief Carries out @p step on the session and the meter; Cancel and Open, which the programs
 *  do in their own ways, go to @p windowStep. What the meter was sent before an unplug is
 *  dropped from @p got; check QTest::currentTestFailed() after each step. */
inline void runStep(const Step& step, MeterSession& session, UsbMeter& meter, QByteArray& got,
                    const std::function<void(const Step&)>& windowStep) {
    switch (step.kind) {
        case Step::All:
            session.DownloadAllSets();
            break;
        case Step::Current:
            session.DownloadCurrentSet();
            break;
        case Step::Selected:
            session.selectSet(step.bytes.toInt());
            session.DownloadSelectedSet();
            break;
        case Step::Capture:
            session.CaptureCurrentReading();
            break;
        case Step::Continuous:
            session.ShowContinuousReadings();
            break;
        case Step::Send:
            sendPaced(meter.pty(), session, step.bytes);
            break;
        case Step::Burst: {
            const qint64 target = session.link().bytesReceived() + step.bytes.size();
            meter.pty().send(step.bytes);
            QTRY_VERIFY_WITH_TIMEOUT(
                session.link().bytesReceived() >= target && !session.hasBytesWaiting(), 20000);
            break;
        }
        case Step::Discard: {
            // Everything arrives while the receiver is held, so it all waits at one event.
            session.holdReceiving(true);
            const qint64 target = session.link().bytesReceived() + step.bytes.size();
            meter.pty().send(step.bytes);
            QTRY_VERIFY(session.link().bytesReceived() >= target);
            session.holdReceiving(false);
            QVERIFY(!session.hasBytesWaiting());
            break;
        }
        case Step::Unplug:
            got.clear();  // what the meter was sent before it went away is not looked at
            meter.unplug();
            QTRY_VERIFY(!session.isConnected());
            QVERIFY(lookedForMeter(session));  // and found nothing to open
            QVERIFY(!session.isConnected());
            break;
        case Step::Replug:
            QVERIFY(meter.plugIn());
            QTRY_VERIFY_WITH_TIMEOUT(session.isConnected(), 3000);
            break;
        case Step::StoreToPC:
            QVERIFY(session.setStoreToPC(true));
            break;
        case Step::Store:
            session.storeShownReading();
            break;
        case Step::Reopen:
            QVERIFY(session.OpenCommPort(true).ok());
            break;
        case Step::Silence:
            QTRY_VERIFY_WITH_TIMEOUT(!session.isDownloading(), 15000);
            break;
        case Step::Pause:
            // The meter's silence for a second is the step itself, not a wait for the program.
            QTest::qWait(1000);
            break;
        case Step::Cancel:
        case Step::Open:
            windowStep(step);
            break;
    }
}

/** @brief The data file @p bytes at @p path. */
inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
}  // namespace line

Q_DECLARE_METATYPE(line::Steps)
