// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the data file reader: a file is taken whole or not at all, and only when it is one this
// program writes.
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "FuzzSupport.h"
#include "core/files/DataFileCodec.h"
#include "core/files/FileCommands.h"
#include "core/meter/Numbers.h"
#include "core/store/ReadingsStore.h"

namespace {
constexpr int kRows = Meter::kPositions;
ReadingsStore* g_store = nullptr;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    if (!g_store) {
        fuzz::ensureApplication();
        g_store = new ReadingsStore(QStringLiteral(":memory:"));
        if (!g_store->open().ok()) fuzz::fail("the store did not open");
    }
    ReadingsStore& store = *g_store;
    // Cleared, but for one sentinel in the last cell: a refused file must leave it, an accepted
    // one clears it. Only cells that differ are written, so each input costs what it changed.
    static const QVector<ReadingsStore::Row> before = [] {
        QVector<ReadingsStore::Row> rows(kRows);
        for (ReadingsStore::Row& row : rows) row.fill(Meter::kClearedReading);
        rows[kRows - 1][Meter::kSets - 1] = QStringLiteral("keep");
        return rows;
    }();
    static bool changed = true;  // a refused file leaves the table as it was
    if (changed && !store.replaceAll(before).ok()) fuzz::fail("the table could not be reset");

    const QByteArray data(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
    static QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/input.dat");
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size())
            fuzz::fail("the input could not be written");
    }
    const FileOutcome outcome = FileCommands::openDataFile(store, path);
    // What the file holds, as the reader sees it: whole records, each numbered in turn, each
    // text a reading or empty, 1 to 128 of them, nothing after the last.
    QVector<DataFileRecord> records;
    bool valid = true;
    {
        qsizetype at = 0;
        DataFileRecord r;
        DataFileCodec::ReadResult read;
        while ((read = DataFileCodec::read(data, at, r)) == DataFileCodec::ReadResult::Ok) {
            valid = valid && r.RowNumber == records.size() + 1;
            // Each text as the table should hold it, worked out once.
            for (QString& text : r.SetValue) {
                if (text.isEmpty()) continue;
                const std::optional<QString> reading = Numbers::readingText(text);
                valid = valid && reading;
                if (reading) text = *reading;
            }
            records.append(r);
            if (records.size() > kRows) break;
        }
        valid = valid && read == DataFileCodec::ReadResult::End && !records.isEmpty() &&
                records.size() <= kRows;
    }
    if (outcome.ok() != valid) fuzz::fail("a data file refused, or something else accepted");
    changed = outcome.ok();
    if (store.rowCount() != kRows) fuzz::fail("rows added or removed");
    for (int r = 1; r <= kRows; ++r) {
        if (store.cell(r - 1, 0) != QString::number(r)) fuzz::fail("Number was written");
        const bool fromFile = valid && r <= records.size();
        for (int k = 1; k <= Meter::kSets; ++k) {
            const QString& expected = fromFile ? records[r - 1].SetValue[static_cast<size_t>(k - 1)]
                                      : valid  ? Meter::kClearedReading
                                               : before[r - 1][static_cast<size_t>(k - 1)];
            if (store.cell(r - 1, k) != expected)
                fuzz::fail("a file applied in part, or a refused one changed the table");
        }
    }
    return 0;
}
