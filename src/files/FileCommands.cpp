#include "FileCommands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "CommonDialog.h"
#include "DataEnvironment.h"
#include "DataFileCodec.h"
#include "ErrorCodes.h"
#include "MessageBox.h"
#include "Messages.h"
#include "Recordset.h"
#include "TextExport.h"
#include "CsvExport.h"

bool IsReadOnlyTarget(const QString& path) {
    const QFileInfo fi(path);
    // The read-only attribute is the owner's write permission; it holds for every user.
    if (fi.exists())
        return !(fi.permissions() & QFileDevice::WriteOwner) || !fi.isWritable() ||
               !QFileInfo(fi.absolutePath()).isWritable();
    const QFileInfo dir(fi.absolutePath());
    return dir.exists() && !dir.isWritable();
}

int LoadDataFile(const QByteArray& data, Recordset& rs) {
    qsizetype offset = 0;
    int row = 0;
    DataFileRecord rec;
    while (DataFileCodec::read(data, offset, rec) == DataFileCodec::ReadResult::Ok) {
        if (row >= rs.RecordCount()) break;  // no row for this record: loading stops
        rs.setAbsolutePosition(row + 1);
        for (int k = 1; k <= 30; ++k) rs.setFields(k, rec.SetValue[static_cast<size_t>(k - 1)]);
        ++row;
    }
    if (row > 0) rs.Update();
    return row;
}

bool FileCommands::chooseFile(QString& rememberedName, const QString& title, const QString& filter, bool open,
                              QString* path) {
    CommonDialog& cd = d.dialog;
    cd.CancelError = true;
    cd.FileName = rememberedName;
    cd.DialogTitle = title;
    cd.Flags = 4;
    cd.InitDir = d.dialogFolder;
    cd.Filter = filter;
    cd.FilterIndex = 1;
    try {
        if (open) cd.ShowOpen();
        else cd.ShowSave();
    } catch (const VbError& e) {
        if (e.number() == ErrorCode::CancelError) return false;
        throw;
    }
    rememberedName = cd.FileTitle;
    *path = cd.FileName;
    if (IsReadOnlyTarget(*path)) {
        d.messages.MsgBox(Msg::ReadOnlyFile);
        return false;
    }
    return true;
}

void FileCommands::writeReplacing(const QString& path, const QByteArray& bytes) {
    // The old file is replaced only once the new one is written whole.
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) {
        if (f.error() == QFileDevice::PermissionsError) d.messages.MsgBox(Msg::ReadOnlyFile);
        return;
    }
    if (f.write(bytes) != bytes.size()) f.cancelWriting();
    f.commit();
}

void FileCommands::rewind() {
    try {
        if (d.rs.State() == Recordset::adStateOpen && d.rs.RecordCount() > 0) d.rs.setAbsolutePosition(1);
    } catch (const VbError&) {
    }
}

void FileCommands::Newmenu_Click() {
    Recordset& rs = d.rs;
    const QString cleared = DataEnvironment::kCleared;
    try {
        // One click must not erase a day of field readings.
        bool holdsReadings = false;
        for (int r = 0; r < rs.RecordCount() && !holdsReadings; ++r) {
            for (int k = 1; k <= 30; ++k) {
                if (rs.cell(r, k) != cleared) {
                    holdsReadings = true;
                    break;
                }
            }
        }
        if (holdsReadings && !d.messages.AskYesNo(Msg::ConfirmNew)) return;

        d.progress.setMax(128);
        d.progress.setValue(0);
        d.progress.setBarVisible(true);
        rs.setAbsolutePosition(1);
        while (rs.AbsolutePosition() != Recordset::adPosEOF) {
            for (int k = 1; k <= 30; ++k) {
                if (rs.Fields(k) != cleared) rs.setFields(k, cleared);
            }
            rs.MoveNext();
            d.progress.setValue(qMin(d.progress.value() + 1, d.progress.max()));
            if (d.processEvents) d.processEvents();
        }
        rs.setAbsolutePosition(1);
    } catch (const VbError&) {
        // The table could not be written; what was cleared stays cleared.
    }
    d.progress.setValue(0);
    d.progress.setBarVisible(false);
}

void FileCommands::Openmenu_Click() {
    Recordset& rs = d.rs;
    try {
        QString path;
        if (!chooseFile(d.vars.mDataFileName, QStringLiteral("Open Data File"), kDataFilter, true, &path)) return;
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) return;
        const QByteArray data = f.readAll();
        f.close();
        LoadDataFile(data, rs);
        rs.setAbsolutePosition(1);
    } catch (const VbError&) {
        // Silent, as for every other error of this command; rows loaded so far are kept.
        rewind();
    }
}

void FileCommands::Savemenu_Click() {
    Recordset& rs = d.rs;
    try {
        QString path;
        if (!chooseFile(d.vars.mDataFileName, QStringLiteral("Save Data File"), kDataFilter, false, &path)) return;
        QByteArray bytes;
        const int n = static_cast<std::int16_t>(rs.RecordCount());
        DataFileRecord rec;
        for (int i = 1; i <= n; ++i) {
            rs.setAbsolutePosition(i);
            bool ok = false;
            const int number = rs.Fields(0).toInt(&ok);
            if (!ok || number < -32768 || number > 32767)
                throw VbError(ErrorCode::TypeMismatch, QStringLiteral("Type mismatch"));
            rec.RowNumber = static_cast<std::int16_t>(number);
            for (int k = 1; k <= 30; ++k) rec.SetValue[static_cast<size_t>(k - 1)] = rs.Fields(k);
            DataFileCodec::write(rec, bytes);
        }
        writeReplacing(path, bytes);
        rs.setAbsolutePosition(1);
    } catch (const VbError&) {
        rewind();
    }
}

void FileCommands::ExportToText() {
    Recordset& rs = d.rs;
    try {
        QString path;
        if (!chooseFile(d.vars.mExportFileName, QStringLiteral("Export Data to Text file"), kTextFilter, false, &path))
            return;
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            if (f.error() == QFileDevice::PermissionsError || f.error() == QFileDevice::OpenError) {
                if (QFileInfo(QFileInfo(path).absolutePath()).exists()) d.messages.MsgBox(Msg::ReadOnlyFile);
            }
            return;
        }
        if (f.write(TextExport::headerLine()) < 0) return;
        const int n = static_cast<std::int16_t>(rs.RecordCount());
        QStringList fields;
        for (int r = 1; r <= n; ++r) {
            rs.setAbsolutePosition(r);
            fields.clear();
            for (int j = 0; j <= 30; ++j) fields << rs.Fields(j);
            if (f.write(TextExport::rowLine(fields)) < 0) return;
        }
        f.close();
    } catch (const VbError&) {
        // Silent; the lines written so far stay in the file.
    }
}

void FileCommands::ExportCsv() {
    try {
        QString path;
        if (!chooseFile(d.vars.mExportFileName, QStringLiteral("Export CSV"), kCsvFilter, false, &path)) return;
        writeReplacing(path, CsvExport::build(d.rs, d.dialog.FilterIndex == 2));
    } catch (const VbError&) {
    }
}
