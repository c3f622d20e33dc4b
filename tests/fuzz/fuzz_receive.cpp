// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the receive engine with the real storing of downloaded readings, checking after every
// character what must always hold.
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/meter/ReceiveEngine.h"
#include "core/store/ReadingsStore.h"

namespace {
[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

class CheckingHost : public ReceiveHost {
public:
    CheckingHost(Recordset& r, DownloadState& m) : rs(r), main(m) {}
    void StoreReading() override {
        if (main.mSetNumber < 1 || main.mSetNumber > 30 || main.mReadingNumber < 1 ||
            main.mReadingNumber > rs.RecordCount())
            return;
        if (main.mReadingText.size() > kMaxValueLength)
            fail("a value longer than the limit reached the store");
        if (main.mReadingText.contains(QLatin1Char('\n')) ||
            main.mReadingText.contains(QLatin1Char('\r')))
            fail("line end inside a stored value");
        rs.setAbsolutePosition(main.mReadingNumber);
        rs.setFields(main.mSetNumber, main.mReadingText);
        rs.Update();
        touched.push_back({main.mReadingNumber, main.mSetNumber});
    }
    Recordset& rs;
    DownloadState& main;
    std::vector<std::pair<int, int>> touched;
};

ReadingsDatabase* g_data = nullptr;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!g_data) {
        static int argc = 1;
        static char name[] = "fuzz_receive";
        static char* argv[] = {name, nullptr};
        new QCoreApplication(argc, argv);
        g_data = new ReadingsDatabase(QStringLiteral(":memory:"));
        g_data->OpenSets();
    }
    Recordset& rs = g_data->rsSets;
    SessionState vars;
    DownloadState main;
    ReceiveState st;
    CheckingHost host(rs, main);
    for (size_t i = 0; i < size; ++i) {
        vars.ReadingMode = (i & 64) != 0;
        vars.DownloadMode = !vars.ReadingMode;
        FeedChar(QChar(static_cast<ushort>(data[i])), st, vars, main, host);
        const auto bound = static_cast<qsizetype>(i + 1);
        if (st.SetDigits.size() > bound || main.mReadingText.size() > bound)
            fail("state grows faster than input");
        if (st.ReturnCount < 0 || st.ReturnCount > 1) fail("ReturnCount out of 0..1");
    }
    // Put the table back for the next input.
    for (const auto& [row, field] : host.touched) {
        rs.setAbsolutePosition(row);
        rs.setFields(field, Meter::kClearedReading);
    }
    if (!host.touched.empty()) rs.Update();
    return 0;
}
