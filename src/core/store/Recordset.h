// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <memory>

class QSqlQuery;

/** @brief The recordset rsSets over the table Sets: 128 rows of "Number" and "Set 1".."Set 30".
 *
 * Rows are addressed by 1-based position. Writing a field changes the current row in memory;
 * the row is saved (one committed UPDATE) by Update or when the recordset moves to another row.
 * Failures are raised as VbError. */
class Recordset : public QObject {
    Q_OBJECT
public:
    static constexpr int adStateClosed = 0;
    static constexpr int adStateOpen = 1;
    static constexpr int adPosEOF = -3;
    static constexpr int kFieldCount = 31;

    explicit Recordset(QObject* parent = nullptr);
    ~Recordset() override;

    /** @brief Loads the table through the named database connection; stands on row 1. */
    void Open(const QString& connectionName);
    /** @brief Saves the pending row (errors ignored) and closes. */
    void Close();
    /** @brief 0 closed, 1 open. */
    int State() const { return m_open ? adStateOpen : adStateClosed; }
    /** @brief Number of rows. */
    int RecordCount() const;
    /** @brief 1-based position of the current row, -3 past the last row. */
    int AbsolutePosition() const;
    /** @brief Moves to a row by position, saving the pending row first. */
    void setAbsolutePosition(int position);
    /** @brief Moves to the next row, saving the pending row first. */
    void MoveNext();
    /** @brief Field @p index of the current row as text. */
    QString Fields(int index) const;
    /** @brief Writes field @p index of the current row (saved on Update or move). */
    void setFields(int index, const QString& value);
    /** @brief Saves the current row if it has changes. */
    void Update();

    /** @brief Field names in order: "Number", "Set 1" .. "Set 30". */
    static QString FieldName(int index);
    /** @brief A cell as the grid shows it (row and column 0-based), pending changes included. */
    QString cell(int row, int column) const;

Q_SIGNALS:
    /** @brief A row's changes were saved (1-based row); fields @p firstField to @p lastField
     *  hold every change. */
    void rowSaved(int row, int firstField, int lastField);
    /** @brief The whole table was (re)loaded or closed. */
    void reloaded();

private:
    struct Row {
        qint64 rowid = 0;
        std::array<QString, kFieldCount> cells;
    };
    void requireOpen() const;
    void requireCurrent() const;
    void savePending();

    bool m_open = false;
    QString m_connection;
    QVector<Row> m_rows;
    int m_pos = 0;                 // 0-based; == size() past the last row
    QVector<int> m_pendingFields;  // fields of the current row written since the last save
    // One prepared UPDATE per field, for the common save of a single field (a download stores
    // one reading at a time), made on first use and dropped when the recordset closes.
    std::array<std::unique_ptr<QSqlQuery>, kFieldCount> m_updateOneField;
};
