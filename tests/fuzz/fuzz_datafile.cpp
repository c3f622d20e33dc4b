// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the data file reader: whole records only, never past the last row.
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "core/files/DataFileCodec.h"
#include "core/files/FileCommands.h"
#include "core/store/ReadingsStore.h"

namespace {
constexpr int kRows = Meter::kPositions;
ReadingsStore* g_store = nullptr;

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    if (!g_store) {
        static int argc = 1;
        static char name[] = "fuzz_datafile";
        static char* argv[] = {name, nullptr};
        new QCoreApplication(argc, argv);
        g_store = new ReadingsStore(QStringLiteral(":memory:"));
        if (!g_store->open().ok()) fail("the store did not open");
    }
    ReadingsStore& store = *g_store;
    // Cleared, but for one sentinel in the last cell: a refused file must leave it, an accepted
    // one clears it. Only cells that differ are written, so each input costs what it changed.
    QVector<ReadingsStore::Row> before(kRows);
    for (ReadingsStore::Row& row : before) row.fill(Meter::kClearedReading);
    before[kRows - 1][Meter::kSets - 1] = QStringLiteral("keep");
    if (!store.replaceAll(before).ok()) fail("the table could not be reset");

    const QByteArray data(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
    static QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/input.dat");
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size())
            fail("the input could not be written");
    }
    const FileOutcome outcome = FileCommands::openDataFile(store, path);
    int loaded = 0;
    {
        qsizetype at = 0;
        DataFileRecord r;
        while (loaded < kRows && DataFileCodec::read(data, at, r) == DataFileCodec::ReadResult::Ok)
            ++loaded;
    }
    if (outcome.ok != (loaded > 0))
        fail("a file with whole records refused, or one without accepted");
    if (store.rowCount() != kRows) fail("rows added or removed");
    if (loaded < 0 || loaded > kRows) fail("more rows loaded than the table has");

    qsizetype offset = 0;
    DataFileRecord rec;
    int whole = 0;
    for (int r = 1; r <= kRows; ++r) {
        const bool haveRecord =
            r <= loaded && DataFileCodec::read(data, offset, rec) == DataFileCodec::ReadResult::Ok;
        if (r <= loaded && !haveRecord) fail("a row loaded from a record that is not whole");
        whole += haveRecord;
        if (store.cell(r - 1, 0) != QString::number(r)) fail("Number was written");
        for (int k = 1; k <= 30; ++k) {
            const QString expected = haveRecord   ? rec.SetValue[static_cast<size_t>(k - 1)]
                                     : loaded > 0 ? Meter::kClearedReading
                                                  : before[r - 1][static_cast<size_t>(k - 1)];
            if (store.cell(r - 1, k) != expected)
                fail("a record applied in part, or a row past the loaded ones changed");
        }
    }
    // Loading stops only at the end of the whole records or at the end of the table.
    if (loaded < kRows && DataFileCodec::read(data, offset, rec) == DataFileCodec::ReadResult::Ok)
        fail("a whole record was left out");
    (void)whole;
    return 0;
}
