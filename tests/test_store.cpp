// SPDX-License-Identifier: GPL-3.0-or-later
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "core/store/ReadingsDatabase.h"
#include "core/compat/ErrorCodes.h"
#include "core/store/SetsTableModel.h"
#include "gui/SetsWindow.h"

namespace {
int errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const VbError& e) {
        return e.number();
    }
    return 0;
}
/** Reads a cell straight from the file, through a connection of its own. */
QString fileCell(const QString& path, int row, int field) {
    QString out;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "reader");
        db.setDatabaseName(path);
        db.open();
        QSqlQuery q(db);
        q.exec(QStringLiteral("SELECT \"%1\" FROM Sets ORDER BY rowid LIMIT 1 OFFSET %2")
                   .arg(Recordset::FieldName(field))
                   .arg(row - 1));
        if (q.next()) out = q.value(0).toString();
    }
    QSqlDatabase::removeDatabase("reader");
    return out;
}
}  // namespace

class TestStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void missingFileIsCreatedWithClearedRows();
    void positionsAndEndMarker();
    void fieldsKeepTextUnchanged_data();
    void fieldsKeepTextUnchanged();
    void movingSavesThePendingRow();
    void updateSavesAndPersistsAcrossReopen();
    void errors_data();
    void errors();
    void damagedFileIsRefused();
    void setsWindowSize();
    void gridShowsSavedRows();
};

void TestStore::missingFileIsCreatedWithClearedRows() {
    QTemporaryDir tmp;
    const QString path = tmp.path() + "/Readings.db";
    ReadingsDatabase data(path);
    QCOMPARE(data.rsSets.State(), Recordset::adStateClosed);
    data.OpenSets();
    QVERIFY(QFile::exists(path));
    QCOMPARE(data.rsSets.State(), Recordset::adStateOpen);
    QCOMPARE(data.rsSets.RecordCount(), 128);
    QCOMPARE(data.rsSets.AbsolutePosition(), 1);
    data.rsSets.setAbsolutePosition(128);
    QCOMPARE(data.rsSets.Fields(0), QString("128"));
    for (int f = 1; f <= 30; ++f) QCOMPARE(data.rsSets.Fields(f), QString("0.000000"));
}

void TestStore::positionsAndEndMarker() {
    QTemporaryDir tmp;
    ReadingsDatabase data(tmp.path() + "/Readings.db");
    data.OpenSets();
    Recordset& rs = data.rsSets;
    rs.setAbsolutePosition(127);
    rs.MoveNext();
    QCOMPARE(rs.AbsolutePosition(), 128);
    rs.MoveNext();
    QCOMPARE(rs.AbsolutePosition(), Recordset::adPosEOF);
    QCOMPARE(errorOf([&] { rs.Fields(1); }), ErrorCode::NoCurrentRecord);
    QCOMPARE(errorOf([&] { rs.MoveNext(); }), ErrorCode::NoCurrentRecord);
    rs.setAbsolutePosition(5);
    QCOMPARE(rs.Fields(0), QString("5"));
}

void TestStore::fieldsKeepTextUnchanged_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("meter format") << "0.001230";
    QTest::newRow("leading zeros") << "000.10";
    QTest::newRow("exponent") << "1.5E-03";
    QTest::newRow("empty") << "";
    QTest::newRow("latin-1") << QString::fromLatin1("12\xb5");
}

void TestStore::fieldsKeepTextUnchanged() {
    QFETCH(QString, text);
    QTemporaryDir tmp;
    const QString path = tmp.path() + "/Readings.db";
    {
        ReadingsDatabase data(path);
        data.OpenSets();
        data.rsSets.setAbsolutePosition(9);
        data.rsSets.setFields(17, text);
        data.rsSets.Update();
        QCOMPARE(data.rsSets.Fields(17), text);
    }
    QCOMPARE(fileCell(path, 9, 17), text);
}

void TestStore::movingSavesThePendingRow() {
    QTemporaryDir tmp;
    const QString path = tmp.path() + "/Readings.db";
    ReadingsDatabase data(path);
    data.OpenSets();
    Recordset& rs = data.rsSets;
    rs.setAbsolutePosition(3);
    rs.setFields(2, "0.5");
    QCOMPARE(fileCell(path, 3, 2), QString("0.000000"));  // not saved before a move
    rs.setAbsolutePosition(4);
    QCOMPARE(fileCell(path, 3, 2), QString("0.5"));
    rs.setFields(30, "9");
    rs.MoveNext();
    QCOMPARE(fileCell(path, 4, 30), QString("9"));
}

void TestStore::updateSavesAndPersistsAcrossReopen() {
    QTemporaryDir tmp;
    const QString path = tmp.path() + "/Readings.db";
    {
        ReadingsDatabase data(path);
        data.OpenSets();
        data.rsSets.setAbsolutePosition(128);
        data.rsSets.setFields(1, "7.25");
        data.rsSets.Update();
        data.rsSets.setAbsolutePosition(1);
        data.rsSets.setFields(1, "1.00");
        data.rsSets.Close();  // closing saves the pending row
        QCOMPARE(data.rsSets.State(), Recordset::adStateClosed);
    }
    ReadingsDatabase again(path);
    again.OpenSets();
    again.rsSets.setAbsolutePosition(128);
    QCOMPARE(again.rsSets.Fields(1), QString("7.25"));
    again.rsSets.setAbsolutePosition(1);
    QCOMPARE(again.rsSets.Fields(1), QString("1.00"));
    QCOMPARE(again.rsSets.RecordCount(), 128);
}

void TestStore::errors_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("error");
    QTest::newRow("row 0") << 0 << 1 << ErrorCode::OutOfRange;
    QTest::newRow("row 129") << 129 << 1 << ErrorCode::OutOfRange;
    QTest::newRow("field 31") << 1 << 31 << ErrorCode::ItemNotFound;
    QTest::newRow("field -1") << 1 << -1 << ErrorCode::ItemNotFound;
}

void TestStore::errors() {
    QFETCH(int, position);
    QFETCH(int, field);
    QFETCH(int, error);
    QTemporaryDir tmp;
    ReadingsDatabase data(tmp.path() + "/Readings.db");
    QCOMPARE(errorOf([&] { data.rsSets.RecordCount(); }), ErrorCode::RecordsetClosed);
    data.OpenSets();
    QCOMPARE(errorOf([&] {
                 data.rsSets.setAbsolutePosition(position);
                 data.rsSets.setFields(field, "1");
             }),
             error);
    QCOMPARE(data.rsSets.AbsolutePosition(), 1);  // a failed move stays where it was
}

void TestStore::damagedFileIsRefused() {
    QTemporaryDir tmp;
    const QString path = tmp.path() + "/Readings.db";
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'x'));
    f.close();
    ReadingsDatabase data(path);
    QVERIFY(errorOf([&] { data.OpenSets(); }) != 0);
    QCOMPARE(data.rsSets.State(), Recordset::adStateClosed);
    QFile check(path);
    QVERIFY(check.open(QIODevice::ReadOnly));
    QCOMPARE(check.readAll(), QByteArray(4096, 'x'));  // a file that is not ours is left alone
}

void TestStore::setsWindowSize() {
    const auto l = SetsWindow::layoutFor(11800, 8250);  // main window 12000 x 9000 twips
    QCOMPARE(l.width, 11780L);
    QCOMPARE(l.height, 6850L);
    QCOMPARE(l.gridWidth, 11630L);
    QCOMPARE(l.gridHeight, 6330L);
    QTemporaryDir tmp;
    ReadingsDatabase data(tmp.path() + "/Readings.db");
    data.OpenSets();
    SetsWindow w(data.rsSets, 11800, 8250);
    const double dpi = w.logicalDpiX();
    QCOMPARE(w.width(), qRound(11780 * dpi / 1440));
    QCOMPARE(w.grid->width(), qRound(11630 * dpi / 1440));
    QCOMPARE(w.windowTitle(), QString("Data"));
}

void TestStore::gridShowsSavedRows() {
    QTemporaryDir tmp;
    ReadingsDatabase data(tmp.path() + "/Readings.db");
    data.OpenSets();
    SetsWindow w(data.rsSets, 11800, 8250);
    QAbstractItemModel* m = w.grid->model();
    QCOMPARE(m->rowCount(), 128);
    QCOMPARE(m->columnCount(), 31);
    QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QString("Number"));
    QCOMPARE(m->headerData(30, Qt::Horizontal).toString(), QString("Set 30"));
    QSignalSpy changed(m, &QAbstractItemModel::dataChanged);
    data.rsSets.setAbsolutePosition(2);
    data.rsSets.setFields(4, "0.004000");
    data.rsSets.Update();
    QTRY_COMPARE(changed.count(), 1);  // the grid follows within its repaint interval
    QCOMPARE(m->index(1, 4).data().toString(), QString("0.004000"));
}

QTEST_MAIN(TestStore)
#include "test_store.moc"
