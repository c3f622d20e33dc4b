// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/Recordset.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>

#include "core/compat/ErrorCodes.h"

Recordset::Recordset(QObject* parent) : QObject(parent) {}

Recordset::~Recordset() {
    blockSignals(true);  // nothing may look at a recordset that is going away
    if (m_open) {
        try {
            Close();
        } catch (...) {
        }
    }
}

QString Recordset::FieldName(int index) {
    return index == 0 ? QStringLiteral("Number") : QStringLiteral("Set ") + QString::number(index);
}

void Recordset::Open(const QString& connectionName) {
    if (m_open) throw VbError(ErrorCode::DatabaseError, QStringLiteral("The recordset is already open."));
    QSqlDatabase db = QSqlDatabase::database(connectionName);
    if (!db.isOpen()) throw VbError(ErrorCode::DatabaseError, QStringLiteral("The database is not open."));
    QString sql = QStringLiteral("SELECT rowid");
    for (int i = 0; i < kFieldCount; ++i) sql += QStringLiteral(", \"%1\"").arg(FieldName(i));
    sql += QStringLiteral(" FROM Sets ORDER BY rowid");
    QSqlQuery q(db);
    if (!q.exec(sql)) throw VbError(ErrorCode::DatabaseError, q.lastError().text());
    QVector<Row> rows;
    while (q.next()) {
        Row r;
        r.rowid = q.value(0).toLongLong();
        for (int i = 0; i < kFieldCount; ++i) {
            const QVariant v = q.value(i + 1);
            r.cells[static_cast<size_t>(i)] = v.isNull() ? QString() : v.toString();
        }
        rows.append(r);
    }
    m_rows = rows;
    for (auto& query : m_updateOneField) query.reset();
    m_connection = connectionName;
    m_pos = 0;
    m_pendingFields.clear();
    m_open = true;
    Q_EMIT reloaded();
}

void Recordset::Close() {
    if (!m_open) throw VbError(ErrorCode::RecordsetClosed, QStringLiteral("The recordset is closed."));
    try {
        savePending();
    } catch (const VbError&) {
        // the row that could not be saved is given up with the close
    }
    m_open = false;
    for (auto& query : m_updateOneField) query.reset();
    m_rows.clear();
    m_pendingFields.clear();
    m_pos = 0;
    Q_EMIT reloaded();
}

void Recordset::requireOpen() const {
    if (!m_open) throw VbError(ErrorCode::RecordsetClosed, QStringLiteral("The recordset is closed."));
}

void Recordset::requireCurrent() const {
    requireOpen();
    if (m_pos < 0 || m_pos >= m_rows.size())
        throw VbError(ErrorCode::NoCurrentRecord, QStringLiteral("Either BOF or EOF is True."));
}

int Recordset::RecordCount() const {
    requireOpen();
    return static_cast<int>(m_rows.size());
}

int Recordset::AbsolutePosition() const {
    requireOpen();
    return m_pos >= m_rows.size() ? adPosEOF : m_pos + 1;
}

void Recordset::setAbsolutePosition(int position) {
    requireOpen();
    if (position < 1 || position > m_rows.size())
        throw VbError(ErrorCode::OutOfRange, QStringLiteral("Row %1 does not exist.").arg(position));
    if (position - 1 != m_pos) savePending();
    m_pos = position - 1;
}

void Recordset::MoveNext() {
    requireCurrent();
    savePending();
    ++m_pos;
}

QString Recordset::Fields(int index) const {
    requireCurrent();
    if (index < 0 || index >= kFieldCount)
        throw VbError(ErrorCode::ItemNotFound, QStringLiteral("Item cannot be found in the collection."));
    return m_rows[m_pos].cells[static_cast<size_t>(index)];
}

void Recordset::setFields(int index, const QString& value) {
    requireCurrent();
    if (index < 0 || index >= kFieldCount)
        throw VbError(ErrorCode::ItemNotFound, QStringLiteral("Item cannot be found in the collection."));
    if (index == 0) {
        bool ok = false;
        const int n = value.trimmed().toInt(&ok);
        if (!ok || n < -32768 || n > 32767)
            throw VbError(ErrorCode::TypeMismatch, QStringLiteral("Number takes a small integer."));
        m_rows[m_pos].cells[0] = QString::number(n);
    } else {
        m_rows[m_pos].cells[static_cast<size_t>(index)] = value;
    }
    if (!m_pendingFields.contains(index)) m_pendingFields.append(index);
}

void Recordset::Update() {
    requireCurrent();
    savePending();
}

void Recordset::savePending() {
    if (m_pendingFields.isEmpty() || m_pos >= m_rows.size()) return;
    const Row& row = m_rows[m_pos];
    const auto bindField = [&row](QSqlQuery& q, int f) {
        if (f == 0) q.addBindValue(row.cells[0].toInt());
        else q.addBindValue(row.cells[static_cast<size_t>(f)]);
    };
    if (m_pendingFields.size() == 1) {
        const int f = m_pendingFields.front();
        auto& q = m_updateOneField[static_cast<size_t>(f)];
        if (!q) {
            q = std::make_unique<QSqlQuery>(QSqlDatabase::database(m_connection));
            if (!q->prepare(QStringLiteral("UPDATE Sets SET \"%1\" = ? WHERE rowid = ?").arg(FieldName(f)))) {
                const QString why = q->lastError().text();
                q.reset();
                throw VbError(ErrorCode::DatabaseError, why);
            }
        }
        bindField(*q, f);
        q->addBindValue(row.rowid);
        const bool ok = q->exec();
        const QString why = ok ? QString() : q->lastError().text();
        q->finish();
        if (!ok) throw VbError(ErrorCode::DatabaseError, why);
    } else {
        QStringList sets;
        for (int f : m_pendingFields) sets << QStringLiteral("\"%1\" = ?").arg(FieldName(f));
        QSqlQuery q(QSqlDatabase::database(m_connection));
        q.prepare(QStringLiteral("UPDATE Sets SET %1 WHERE rowid = ?").arg(sets.join(QStringLiteral(", "))));
        for (int f : m_pendingFields) bindField(q, f);
        q.addBindValue(row.rowid);
        if (!q.exec()) throw VbError(ErrorCode::DatabaseError, q.lastError().text());
    }
    const auto [first, last] = std::minmax_element(m_pendingFields.cbegin(), m_pendingFields.cend());
    const int firstField = *first;
    const int lastField = *last;
    m_pendingFields.clear();
    Q_EMIT rowSaved(m_pos + 1, firstField, lastField);
}

QString Recordset::cell(int row, int column) const {
    if (!m_open || row < 0 || row >= m_rows.size() || column < 0 || column >= kFieldCount) return {};
    return m_rows[row].cells[static_cast<size_t>(column)];
}
