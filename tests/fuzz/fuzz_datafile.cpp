// Fuzzes the data file reader: whole records only, never past the last row.
#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <cstdio>
#include <cstdlib>

#include "DataEnvironment.h"
#include "DataFileCodec.h"
#include "ErrorCodes.h"
#include "FileCommands.h"

namespace {
constexpr int kRows = 8;  // few rows, so files with more records than rows are common
DataEnvironment* g_data = nullptr;

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    if (!g_data) {
        static int argc = 1;
        static char name[] = "fuzz_datafile";
        static char* argv[] = {name, nullptr};
        new QCoreApplication(argc, argv);
        g_data = new DataEnvironment(QStringLiteral(":memory:"));
        g_data->OpenSets();
        g_data->rsSets.Close();
        QSqlQuery(QSqlDatabase::database(g_data->connectionName()))
            .exec(QStringLiteral("DELETE FROM Sets WHERE rowid > %1").arg(kRows));
        g_data->rsSets.Open(g_data->connectionName());
    }
    Recordset& rs = g_data->rsSets;
    for (int r = 1; r <= kRows; ++r) {
        rs.setAbsolutePosition(r);
        for (int k = 1; k <= 30; ++k) rs.setFields(k, QStringLiteral("keep"));
    }
    rs.setAbsolutePosition(1);

    const QByteArray data(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
    int loaded = 0;
    try {
        loaded = LoadDataFile(data, rs);
    } catch (const VbError&) {
        fail("loading raised an error");
    }
    if (rs.RecordCount() != kRows) fail("rows added or removed");
    if (loaded < 0 || loaded > kRows) fail("more rows loaded than the table has");

    qsizetype offset = 0;
    DataFileRecord rec;
    int whole = 0;
    for (int r = 1; r <= kRows; ++r) {
        const bool haveRecord =
            r <= loaded && DataFileCodec::read(data, offset, rec) == DataFileCodec::ReadResult::Ok;
        if (r <= loaded && !haveRecord) fail("a row loaded from a record that is not whole");
        whole += haveRecord;
        if (rs.cell(r - 1, 0) != QString::number(r)) fail("Number was written");
        for (int k = 1; k <= 30; ++k) {
            const QString expected = haveRecord ? rec.SetValue[static_cast<size_t>(k - 1)] : QStringLiteral("keep");
            if (rs.cell(r - 1, k) != expected) fail("a record applied in part, or a row past the loaded ones changed");
        }
    }
    // Loading stops only at the end of the whole records or at the end of the table.
    if (loaded < kRows && DataFileCodec::read(data, offset, rec) == DataFileCodec::ReadResult::Ok)
        fail("a whole record was left out");
    (void)whole;
    return 0;
}
