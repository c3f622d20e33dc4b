#pragma once
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include "Pty.h"
#include "frmMain.h"

/** @brief Feeds bytes no faster than the program takes them, as the meter's line does: a chunk
 *  is sent only once the one before has been taken whole, so no more than a chunk ever waits. */
inline void sendPaced(Pty& pty, frmMain& w, const QByteArray& bytes, int chunk = 200) {
    int taken = 0;
    QMetaObject::Connection c = QObject::connect(&w.MSComm1, &MSComm::OnComm, [&] { ++taken; });
    for (qsizetype at = 0; at < bytes.size(); at += chunk) {
        const QByteArray part = bytes.mid(at, chunk);
        taken = 0;
        pty.send(part);
        QTRY_VERIFY_WITH_TIMEOUT(taken >= part.size() && w.MSComm1.InBufferCount() == 0, 5000);
    }
    QObject::disconnect(c);
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
