// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QFile>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>
#include <memory>

#include "Pty.h"
#include "TestEnv.h"
#include "core/session/MeterSession.h"

/** @brief A meter plugged in by USB: port @p number's link names a stable by-id name, and that
 *  name leads to whichever device the meter gets each time it is plugged in. */
class UsbMeter {
public:
    UsbMeter(const TestEnv& env, int number,
             const QString& name = QStringLiteral("usb-Orvanta-meter"))
        : m_byId(env.root() + QLatin1Char('/') + name) {
        env.link(number, m_byId);
        plugIn();
    }
    /** @brief The meter's end of the line; only while plugged in. */
    Pty& pty() { return *m_pty; }
    bool pluggedIn() const { return m_pty != nullptr; }
    /** @brief The device goes away, and the by-id name with it. */
    void unplug() {
        m_pty.reset();
        QFile::remove(m_byId);
    }
    /** @brief Plugged in again, perhaps as another device; false when the name cannot be made. */
    bool plugIn() {
        m_pty = std::make_unique<Pty>();
        return QFile::link(m_pty->slavePath(), m_byId);
    }

private:
    QString m_byId;
    std::unique_ptr<Pty> m_pty;
};

/** @brief Waits until @p session has looked once more for its lost meter (and found it, or
 *  not); false when it did not look within the deadline. */
inline bool lookedForMeter(MeterSession& session) {
    auto* look = session.findChild<QTimer*>(QStringLiteral("lookForMeter"));
    if (!look || !look->isActive()) return false;
    // Connected after the look itself: when the spy hears the tick, the look is done.
    QSignalSpy tick(look, &QTimer::timeout);
    return tick.wait(10000);
}

/** @brief Feeds bytes no faster than the program takes them, as the meter's line does: a chunk
 *  is sent only once the one before has been read from the device and handled whole, so no more
 *  than a chunk ever waits. The count of bytes read only grows, so the wait cannot end early on
 *  bytes the terminal has not passed on yet. */
inline void sendPaced(Pty& pty, MeterSession& session, const QByteArray& bytes, int chunk = 200) {
    const qint64 base = session.link().bytesReceived();
    for (qsizetype at = 0; at < bytes.size(); at += chunk) {
        const QByteArray part = bytes.mid(at, chunk);
        pty.send(part);
        const qint64 expected = base + at + part.size();
        const bool taken = QTest::qWaitFor(
            [&] {
                return session.link().bytesReceived() >= expected && !session.hasBytesWaiting();
            },
            10000);
        QVERIFY2(taken, qPrintable(QStringLiteral("read %1 of %2, waiting %3, open %4")
                                       .arg(session.link().bytesReceived() - base)
                                       .arg(at + part.size())
                                       .arg(session.hasBytesWaiting())
                                       .arg(session.isConnected())));
    }
}

/** @brief Every cell of the table as the file holds it, read through a connection of its own;
 *  @p integrity receives the answer of PRAGMA integrity_check. */
inline QVector<QStringList> fileTable(const QString& path, QString* integrity = nullptr) {
    QVector<QStringList> out;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("file-check"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery q(db);
        if (integrity && q.exec(QStringLiteral("PRAGMA integrity_check")) && q.next())
            *integrity = q.value(0).toString();
        q.exec(QStringLiteral("SELECT * FROM Sets ORDER BY rowid"));
        while (q.next()) {
            QStringList row;
            for (int i = 0; i < 31; ++i) row << q.value(i).toString();
            out << row;
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("file-check"));
    return out;
}
