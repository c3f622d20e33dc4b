// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <stdexcept>

/** @brief Error numbers the program tests for, in the numbering its operations report. */
namespace ErrorCode {
constexpr int InvalidProcedureCall = 5;   ///< an argument out of range (a port number the dialog cannot use)
constexpr int Overflow = 6;               ///< a number too large for its type
constexpr int TypeMismatch = 13;          ///< text that does not convert to a number
constexpr int FileAlreadyOpen = 55;       ///< the file is already open
constexpr int PermissionDenied = 70;      ///< this user may not open the device
constexpr int PathFileAccess = 75;        ///< path or file access error (read-only file or folder)
constexpr int PathNotFound = 76;          ///< a folder that does not exist
constexpr int InvalidPropertyValue = 380; ///< a property set to a value it does not take
constexpr int BadFileFormat = 321;        ///< a data file that is cut short or damaged
constexpr int DeviceIo = 57;              ///< a device or disk error while writing
constexpr int NoCurrentRecord = 3021;     ///< the recordset stands before the first or past the last row
constexpr int OutOfRange = 3001;          ///< a row position that does not exist
constexpr int ItemNotFound = 3265;        ///< a field index that does not exist
constexpr int RecordsetClosed = 3704;     ///< the recordset is closed
constexpr int DatabaseError = 3709;
constexpr int WrongSchema = 3730;         ///< the table Sets is not the program's (columns or rows)       ///< the database refused a read or a write
constexpr int CommInvalidPort = 8002;     ///< no such port: the meter is not connected
constexpr int CommPortInUse = 8005;       ///< another program holds the port
constexpr int CommPortNotOpen = 8018;     ///< a write while the port is closed
constexpr int CommOpenFailed = 8015;      ///< the port opened but its line settings were refused
constexpr int CommWriteFailed = 8020;     ///< the port refused a write (device gone)
constexpr int CancelError = 32755;        ///< a dialog closed without a choice
}  // namespace ErrorCode

/** @brief An error raised by an operation, carried to the handler of the command that ran it. */
class VbError : public std::runtime_error {
public:
    VbError(int number, const QString& description)
        : std::runtime_error(description.toStdString()), m_number(number), m_description(description) {}
    /** @brief The error number. */
    int number() const { return m_number; }
    /** @brief A readable reason. */
    QString description() const { return m_description; }

private:
    int m_number;
    QString m_description;
};
