// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <optional>

class QSqlDatabase;

#include "core/store/Recordset.h"

/** @brief The readings database: the connection to Readings.db and its recordset rsSets. */
class ReadingsDatabase {
public:
    static constexpr int kRows = 128;
    inline static const QString kCleared = QStringLiteral("0.000000");
    static constexpr int kBusyTimeoutMs = 200;

    /** @brief @p databasePath is the SQLite file; nothing is opened yet. */
    explicit ReadingsDatabase(QString databasePath);
    ~ReadingsDatabase();
    ReadingsDatabase(const ReadingsDatabase&) = delete;
    ReadingsDatabase& operator=(const ReadingsDatabase&) = delete;

    /** @brief Opens the connection (creating the file with its 128 cleared rows when missing) and
     *  rsSets. Raises VbError with the reason when the file cannot be opened, created or written,
     *  and ErrorCode::WrongSchema when its table Sets is not the one the program keeps. */
    void OpenSets();
    /** @brief Closes the file and renames it (and its journal) with the date and time, so a fresh
     *  one can be made. The new name, or empty text when it could not be renamed. */
    QString setAside();
    /** @brief Keeps the file locked for this program until it closes: no other program reads or
     *  writes it meanwhile, and a commit then takes no file locks of its own. For a short-lived
     *  program that downloads and ends. Raises VbError when another program holds the file. */
    void holdExclusively();
    /** @brief Keeps the units code the meter reported for @p set's download. Raises VbError. */
    void setSetUnits(int set, int unitsCode);
    /** @brief Forgets every set's units: the table no longer holds what the meter sent. */
    void clearSetUnits();
    /** @brief The units code @p set was downloaded in; none when not known. */
    std::optional<int> setUnits(int set) const;
    /** @brief The database file. */
    QString path() const { return m_path; }
    /** @brief The connection's name in Qt SQL. */
    QString connectionName() const { return m_connection; }

    Recordset rsSets;

private:
    void openConnection();
    void checkSchema(QSqlDatabase& db);
    void checkWritable(QSqlDatabase& db);
    QString m_path;
    QString m_connection;
};
