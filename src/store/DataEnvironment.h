#pragma once
#include <QString>

#include "Recordset.h"

/** @brief The data environment Data1: the connection Readings to Readings.db and rsSets. */
class DataEnvironment {
public:
    static constexpr int kRows = 128;
    inline static const QString kCleared = QStringLiteral("0.000000");

    /** @brief @p databasePath is the SQLite file; nothing is opened yet. */
    explicit DataEnvironment(QString databasePath);
    ~DataEnvironment();
    DataEnvironment(const DataEnvironment&) = delete;
    DataEnvironment& operator=(const DataEnvironment&) = delete;

    /** @brief Opens the connection (creating the file with its 128 cleared rows when missing) and
     *  rsSets. Raises VbError with the reason when the file cannot be opened or created. */
    void OpenSets();
    /** @brief The database file. */
    QString path() const { return m_path; }
    /** @brief The connection's name in Qt SQL. */
    QString connectionName() const { return m_connection; }

    Recordset rsSets;

private:
    void openConnection();
    QString m_path;
    QString m_connection;
};
