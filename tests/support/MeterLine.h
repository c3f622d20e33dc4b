#pragma once
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include "Pty.h"
#include "core/compat/SerialControl.h"
#include "core/session/MeterSession.h"

/** @brief Feeds bytes no faster than the program takes them, as the meter's line does: a chunk
 *  is sent only once the one before has been taken whole, so no more than a chunk ever waits. */
inline void sendPaced(Pty& pty, MeterSession& session, const QByteArray& bytes, int chunk = 200) {
    for (qsizetype at = 0; at < bytes.size(); at += chunk) {
        pty.send(bytes.mid(at, chunk));
        QTRY_VERIFY2_WITH_TIMEOUT(pty.pending() == 0 && session.port().InBufferCount() == 0 && !session.receiveState().Busy,
                                  qPrintable(QStringLiteral("pending %1 waiting %2 busy %3 at %4 open %5")
                                                 .arg(pty.pending())
                                                 .arg(session.port().InBufferCount())
                                                 .arg(session.receiveState().Busy)
                                                 .arg(at)
                                                 .arg(session.portOpen())),
                                  10000);
    }
}

/** @brief Every cell of the table as the file holds it, read through a connection of its own;
 *  @p integrity receives the answer of PRAGMA integrity_check. */
inline QVector<QStringList> fileTable(const QString& path, QString* integrity = nullptr) {
    QVector<QStringList> out;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("file-check"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery q(db);
        if (integrity && q.exec(QStringLiteral("PRAGMA integrity_check")) && q.next()) *integrity = q.value(0).toString();
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
