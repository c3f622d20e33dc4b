// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/FileCommands.h"

#include <cerrno>
#include <cstring>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "core/compat/ErrorCodes.h"
#include "core/files/CsvExport.h"
#include "core/files/DataFileCodec.h"
#include "core/files/TextExport.h"
#include "core/session/Messages.h"
#include "core/store/ReadingsDatabase.h"
#include "core/store/Recordset.h"

namespace FileCommands {

namespace {
// A FIFO, a device or a folder: opening one for reading may block forever or read without end.
bool isSpecial(const QFileInfo& fi) { return fi.exists() && !fi.isFile(); }

void rewind(Recordset& rs) {
    try {
        if (rs.State() == Recordset::adStateOpen && rs.RecordCount() > 0) rs.setAbsolutePosition(1);
    } catch (const VbError&) {
    }
}
}  // namespace

bool holdsReadings(const Recordset& rs) {
    if (rs.State() != Recordset::adStateOpen) return false;
    for (int r = 0; r < rs.RecordCount(); ++r) {
        for (int k = 1; k <= 30; ++k) {
            if (rs.cell(r, k) != ReadingsDatabase::kCleared) return true;
        }
    }
    return false;
}

FileOutcome clearReadings(Recordset& rs, const std::function<void()>& rowDone) {
    const QString cleared = ReadingsDatabase::kCleared;
    try {
        rs.setAbsolutePosition(1);
        while (rs.AbsolutePosition() != Recordset::adPosEOF) {
            for (int k = 1; k <= 30; ++k) {
                if (rs.Fields(k) != cleared) rs.setFields(k, cleared);
            }
            rs.MoveNext();
            if (rowDone) rowDone();
        }
        rs.setAbsolutePosition(1);
    } catch (const VbError& e) {
        rewind(rs);
        return FileOutcome::failed(Msg::TableNotWritten.arg(e.description()));
    }
    return FileOutcome::done();
}

FileOutcome openDataFile(Recordset& rs, const QString& path) {
    const QFileInfo fi(path);
    if (isSpecial(fi)) return FileOutcome::failed(Msg::NotRegularFile.arg(path));
    if (fi.size() > DataFileCodec::kLargestFile) return FileOutcome::failed(Msg::FileTooLarge.arg(path));
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return FileOutcome::failed(Msg::FileNotRead.arg(path, f.errorString()));
    const QByteArray data = f.read(DataFileCodec::kLargestFile + 1);
    if (f.error() != QFileDevice::NoError) return FileOutcome::failed(Msg::FileNotRead.arg(path, f.errorString()));
    f.close();

    qsizetype probe = 0;
    DataFileRecord first;
    if (DataFileCodec::read(data, probe, first) != DataFileCodec::ReadResult::Ok)
        return FileOutcome::failed(Msg::NotDataFile.arg(path));
    try {
        // The whole table is replaced: rows the file has no record for are cleared, so two
        // surveys never mix.
        qsizetype offset = 0;
        DataFileRecord rec;
        const int rows = rs.RecordCount();
        for (int row = 1; row <= rows; ++row) {
            const bool loaded = DataFileCodec::read(data, offset, rec) == DataFileCodec::ReadResult::Ok;
            rs.setAbsolutePosition(row);
            for (int k = 1; k <= 30; ++k) {
                const QString text = loaded ? rec.SetValue[static_cast<size_t>(k - 1)] : ReadingsDatabase::kCleared;
                if (rs.Fields(k) != text) rs.setFields(k, text);
            }
            if (!loaded) offset = data.size();  // a damaged record ends the file here
        }
        rs.Update();
        rs.setAbsolutePosition(1);
    } catch (const VbError& e) {
        rewind(rs);
        return FileOutcome::failed(Msg::TableNotWritten.arg(e.description()));
    }
    return FileOutcome::done();
}

bool encodeDataFile(Recordset& rs, QByteArray* bytes, QString* why) {
    try {
        const int n = rs.RecordCount();
        DataFileRecord rec;
        for (int i = 1; i <= n; ++i) {
            bool ok = false;
            const int number = rs.cell(i - 1, 0).toInt(&ok);
            if (!ok || number < -32768 || number > 32767) {
                *why = QStringLiteral("row %1 has no row number").arg(i);
                return false;
            }
            rec.RowNumber = static_cast<std::int16_t>(number);
            for (int k = 1; k <= 30; ++k) rec.SetValue[static_cast<size_t>(k - 1)] = rs.cell(i - 1, k);
            if (!DataFileCodec::write(rec, *bytes)) {
                *why = QStringLiteral("a reading in row %1 is longer than a data file can hold").arg(i);
                return false;
            }
        }
    } catch (const VbError& e) {
        *why = e.description();
        return false;
    }
    return true;
}

FileOutcome saveDataFile(Recordset& rs, const QString& path) {
    QByteArray bytes;
    QString why;
    if (!encodeDataFile(rs, &bytes, &why)) return FileOutcome::failed(Msg::FileNotWritten.arg(path, why));
    return writeWhole(path, bytes);
}

FileOutcome exportText(Recordset& rs, const QString& path) {
    QByteArray bytes = TextExport::headerLine();
    const int n = rs.State() == Recordset::adStateOpen ? rs.RecordCount() : 0;
    QStringList fields;
    for (int r = 0; r < n; ++r) {
        fields.clear();
        for (int j = 0; j <= 30; ++j) fields << rs.cell(r, j);
        bytes += TextExport::rowLine(fields);
    }
    return writeWhole(path, bytes);
}

FileOutcome exportCsv(Recordset& rs, const QString& path, bool decimalComma) {
    return writeWhole(path, CsvExport::build(rs, decimalComma));
}

bool IsReadOnlyFile(const QString& path) {
    const QFileInfo fi(path);
    if (!fi.exists()) return false;
    // The read-only attribute is the owner's write permission; it holds for every user.
    return !(fi.permissions() & QFileDevice::WriteOwner) || !fi.isWritable();
}

FileOutcome writeWhole(const QString& path, const QByteArray& bytes) {
    const QFileInfo fi(path);
    if (isSpecial(fi)) return FileOutcome::failed(Msg::NotRegularFile.arg(path));
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return FileOutcome::failed(Msg::FileNotWritten.arg(path, f.errorString()));
    // The buffered rest is flushed here, not left to commit(): commit() passes over a short
    // write (a disk that fills up) and would put a cut file in place of the old one.
    errno = 0;
    if (f.write(bytes) != bytes.size() || !f.flush()) {
        // Qt calls a short write an unknown error; the system's reason says what happened.
        const QString why = errno != 0 ? QString::fromLocal8Bit(std::strerror(errno)) : f.errorString();
        f.cancelWriting();
        f.commit();
        return FileOutcome::failed(Msg::FileNotWritten.arg(path, why));
    }
    if (!f.commit()) return FileOutcome::failed(Msg::FileNotWritten.arg(path, f.errorString()));
    return FileOutcome::done();
}

}  // namespace FileCommands
