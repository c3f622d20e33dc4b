// Fuzzes the receive engine with the real storing of downloaded readings, checking after every
// character what must always hold.
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "DataEnvironment.h"
#include "ErrorCodes.h"
#include "ReceiveEngine.h"
#include "NullReceiveHost.h"
#include "ReceiveHandler.h"

namespace {
[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

class CheckingHost : public NullReceiveHost {
public:
    CheckingHost(Recordset& r, frmMainVariables& m) : rs(r), main(m) {}
    void StoreReading() override {
        const int rows = rs.RecordCount();
        std::vector<QString> before;
        before.reserve(static_cast<size_t>(rows) * 31);
        for (int r = 0; r < rows; ++r)
            for (int f = 0; f < 31; ++f) before.push_back(rs.cell(r, f));
        const bool stored = StoreDownloadedReading(rs, main);
        for (int r = 0; r < rows; ++r) {
            for (int f = 0; f < 31; ++f) {
                if (rs.cell(r, f) == before[static_cast<size_t>(r) * 31 + static_cast<size_t>(f)]) continue;
                if (f == 0) fail("Number was written");
                if (!stored || r + 1 != main.mReadingNumber || f != main.mSetNumber) fail("a cell outside the reading");
                if (rs.cell(r, f) != main.mReadingText) fail("stored text differs from the value received");
            }
        }
        if (stored) {
            if (main.mSetNumber < 1 || main.mSetNumber > 30) fail("field outside 1..30");
            if (main.mReadingNumber < 1 || main.mReadingNumber > rows) fail("row outside the table");
            if (main.mReadingText.contains(QLatin1Char('\n')) || main.mReadingText.contains(QLatin1Char('\r')))
                fail("line end inside a stored value");
            touched.push_back({main.mReadingNumber, main.mSetNumber});
        }
    }
    void FinishDownload() override {
        rs.Update();
        rs.setAbsolutePosition(1);
    }
    Recordset& rs;
    frmMainVariables& main;
    std::vector<std::pair<int, int>> touched;
};

DataEnvironment* g_data = nullptr;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!g_data) {
        static int argc = 1;
        static char name[] = "fuzz_receive";
        static char* argv[] = {name, nullptr};
        new QCoreApplication(argc, argv);
        g_data = new DataEnvironment(QStringLiteral(":memory:"));
        g_data->OpenSets();
    }
    Recordset& rs = g_data->rsSets;
    basVariables vars;
    frmMainVariables main;
    ReceiveState st;
    CheckingHost host(rs, main);
    for (size_t i = 0; i < size; ++i) {
        vars.ReadingMode = (i & 64) != 0;
        vars.DownloadMode = !vars.ReadingMode;
        try {
            FeedChar(QChar(static_cast<ushort>(data[i])), st, vars, main, host);
        } catch (const VbError&) {
        }
        const auto bound = static_cast<qsizetype>(i + 1);
        if (st.SetDigits.size() > bound || main.mReadingText.size() > bound) fail("state grows faster than input");
        if (st.ReturnCount < 0 || st.ReturnCount > 1) fail("ReturnCount out of 0..1");
    }
    // Put the table back for the next input.
    for (const auto& [row, field] : host.touched) {
        rs.setAbsolutePosition(row);
        rs.setFields(field, DataEnvironment::kCleared);
    }
    if (!host.touched.empty()) rs.Update();
    return 0;
}
