// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/FileCommands.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

#include "core/common/Messages.h"
#include "core/files/CsvExport.h"
#include "core/files/DataFileCodec.h"
#include "core/files/TextExport.h"
#include "core/meter/Numbers.h"
#include "core/store/ReadingsStore.h"
#include "core/system/Process.h"

namespace FileCommands {

namespace {
// A FIFO, a device or a folder: opening one for reading may block forever or read without end.
bool isSpecial(const QFileInfo& fi) { return fi.exists() && !fi.isFile(); }
}  // namespace

FileOutcome clearReadings(ReadingsStore& store) {
    const StoreResult cleared = store.clearAll();
    if (!cleared) return FileOutcome::failed(FileFailure::TableNotWritten, {}, cleared.reason);
    return FileOutcome::done();
}

FileOutcome readWhole(const QString& path, qint64 largest, FileFailure tooLarge,
                      QByteArray* bytes) {
    const QFileInfo fi(path);
    if (isSpecial(fi)) return FileOutcome::failed(FileFailure::NotRegular, path);
    if (fi.size() > largest) return FileOutcome::failed(tooLarge, path);
    QFile f(path);
    errno = 0;
    if (!f.open(QIODevice::ReadOnly))
        return FileOutcome::failed(FileFailure::NotRead, path,
                                   Reason::ofRead(errno, f.errorString()));
    // As much as the file holds (one byte more tells one that grew meanwhile), never a buffer of
    // the largest size for a small file.
    errno = 0;
    *bytes = f.read(qMin(f.size(), largest) + 1);
    if (f.error() != QFileDevice::NoError)
        return FileOutcome::failed(FileFailure::NotRead, path,
                                   Reason::ofRead(errno, f.errorString()));
    if (bytes->size() > largest) return FileOutcome::failed(tooLarge, path);
    return FileOutcome::done();
}

FileOutcome openDataFile(ReadingsStore& store, const QString& path) {
    QByteArray data;
    if (FileOutcome read =
            readWhole(path, DataFileCodec::kLargestFile, FileFailure::TooLarge, &data);
        !read)
        return read;

    // The file is taken only when it is whole and every record is one this program writes: row
    // k numbered k, every text a reading or empty. Anything else changes nothing.
    QVector<ReadingsStore::Row> rows;
    qsizetype offset = 0;
    for (;;) {
        DataFileRecord rec;
        const DataFileCodec::ReadResult read = DataFileCodec::read(data, offset, rec);
        if (read == DataFileCodec::ReadResult::End) break;
        const int number = static_cast<int>(rows.size()) + 1;
        if (read == DataFileCodec::ReadResult::Damaged)
            return rows.isEmpty() ? FileOutcome::failed(FileFailure::NotDataFile, path)
                                  : FileOutcome::at(FileFailure::RecordCutShort, path, 0, number);
        if (number > Meter::kPositions || rec.RowNumber != number)
            return FileOutcome::failed(FileFailure::NotDataFile, path);
        ReadingsStore::Row row;
        for (int k = 0; k < Meter::kSets; ++k) {
            const QString& text = rec.SetValue[static_cast<size_t>(k)];
            // Padding around a reading ("1.5 ", as another program may write it) is no part of
            // it: the reading is kept without it.
            const std::optional<QString> reading = Numbers::readingText(text);
            if (!text.isEmpty() && !reading)
                return FileOutcome::failed(FileFailure::NotDataFile, path);
            row[static_cast<size_t>(k)] = text.isEmpty() ? text : *reading;
        }
        rows.append(row);
    }
    if (rows.isEmpty()) return FileOutcome::failed(FileFailure::NotDataFile, path);
    // The whole table is replaced in one transaction: rows the file has no record for are
    // cleared, so two surveys never mix.
    const StoreResult replaced = store.replaceAll(rows);
    if (!replaced) return FileOutcome::failed(FileFailure::TableNotReplaced, path, replaced.reason);
    // A file cut at a record's end reads as a whole one: the rows it lacks were cleared, and
    // the user is told so rather than left to find sets shorter than they were.
    FileOutcome opened = FileOutcome::done();
    if (rows.size() < store.rowCount()) {
        opened.path = path;
        opened.shortOf = static_cast<int>(rows.size());
        opened.position = store.rowCount();
    }
    return opened;
}

bool looksLikeDataFile(const QString& path) {
    QFile f(path);
    if (!QFileInfo(path).isFile() || !f.open(QIODevice::ReadOnly)) return false;
    const QByteArray head = f.read(4);
    if (head.size() < 4) return false;
    const auto little16 = [&head](int at) {
        return static_cast<int>(static_cast<quint8>(head[at])) |
               static_cast<int>(static_cast<quint8>(head[at + 1])) << 8;
    };
    return little16(0) == 1 && little16(2) >= 1 && little16(2) <= Numbers::kMaxReadingLength;
}

FileOutcome encodeDataFile(const ReadingsStore& store, const QString& path, QByteArray* bytes) {
    if (!store.isOpen()) return FileOutcome::failed(FileFailure::StoreClosed, path);
    DataFileRecord rec;
    for (int i = 1; i <= store.rowCount(); ++i) {
        bool ok = false;
        const int number = store.cell(i - 1, 0).toInt(&ok);
        if (!ok || number < -32768 || number > 32767)
            return FileOutcome::at(FileFailure::RowNumberless, path, 0, i);
        rec.RowNumber = static_cast<std::int16_t>(number);
        for (int k = 1; k <= Meter::kSets; ++k)
            rec.SetValue[static_cast<size_t>(k - 1)] = store.cell(i - 1, k);
        if (!DataFileCodec::write(rec, *bytes))
            return FileOutcome::at(FileFailure::ReadingTooLong, path, 0, i);
    }
    return FileOutcome::done();
}

FileOutcome saveDataFile(const ReadingsStore& store, const QString& path) {
    QByteArray bytes;
    const FileOutcome encoded = encodeDataFile(store, path, &bytes);
    if (!encoded) return encoded;
    return writeWhole(path, bytes);
}

QByteArray textExport(const ReadingsStore& store) {
    QByteArray bytes = TextExport::headerLine();
    const int n = store.rowCount();
    QStringList fields;
    for (int r = 0; r < n; ++r) {
        fields.clear();
        for (int j = 0; j <= Meter::kSets; ++j) fields << store.cell(r, j);
        bytes += TextExport::rowLine(fields);
    }
    return bytes;
}

FileOutcome exportText(const ReadingsStore& store, const QString& path) {
    return writeWhole(path, textExport(store));
}

FileOutcome exportCsv(const ReadingsStore& store, const QString& path, bool decimalComma) {
    return writeWhole(path, CsvExport::build(store, decimalComma));
}

bool isReadOnlyFile(const QString& path) {
    const QFileInfo fi(path);
    if (!fi.exists()) return false;
    // The read-only attribute is the owner's write permission; it holds for every user.
    return !(fi.permissions() & QFileDevice::WriteOwner) || !fi.isWritable();
}

Reason othersPlant(const QString& path) {
    switch (Process::othersPlant(path)) {
        case Process::Plant::Link:
            return Reason::of(Why::OthersLink);
        case Process::Plant::Fifo:
            return Reason::of(Why::OthersFifo);
        case Process::Plant::None:
            break;
    }
    return {};
}

FileOutcome writeWhole(const QString& path, const QByteArray& bytes) {
    const QFileInfo fi(path);
    // QSaveFile writes to a link's target: another user's link never chooses what is replaced.
    if (const Reason why = othersPlant(path))
        return FileOutcome::failed(FileFailure::NotWritten, path, why);
    if (isSpecial(fi)) return FileOutcome::failed(FileFailure::NotRegular, path);
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return FileOutcome::failed(FileFailure::NotWritten, path, Reason::said(f.errorString()));
    // The buffered rest is flushed here, not left to commit(): commit() passes over a short
    // write (a disk that fills up) and would put a cut file in place of the old one.
    errno = 0;
    if (f.write(bytes) != bytes.size() || !f.flush()) {
        // Qt calls a short write an unknown error; the system's reason says what happened.
        const Reason why =
            errno != 0 ? Reason::fromSystem(errno, QString::fromLocal8Bit(std::strerror(errno)))
                       : Reason::said(f.errorString());
        f.cancelWriting();
        f.commit();
        return FileOutcome::failed(FileFailure::NotWritten, path, why);
    }
    if (!f.commit())
        return FileOutcome::failed(FileFailure::NotWritten, path, Reason::said(f.errorString()));
    return FileOutcome::done();
}

}  // namespace FileCommands
