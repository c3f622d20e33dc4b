// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QtTest>

/** @brief Runs @p statements on the SQLite file at @p path through a connection of its own, as
 *  another program or a hand would change it; a statement that fails fails the test. */
inline void runSql(const QString& path, const QStringList& statements) {
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery q(db);
        for (const QString& sql : statements) QVERIFY2(q.exec(sql), qPrintable(sql));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("raw"));
}
