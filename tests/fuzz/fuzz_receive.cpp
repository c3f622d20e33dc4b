// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the receive engine with the real storing of downloaded readings, checking after every
// character what must always hold.
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "FuzzSupport.h"
#include "core/meter/ReceiveEngine.h"
#include "core/store/ReadingsStore.h"

namespace {
class CheckingHost : public ReceiveHost {
public:
    CheckingHost(ReadingsStore& s, const DownloadPosition& d) : store(s), download(d) {}
    void StoreReading(int set, int position, const QString& text, const QString&) override {
        // What the engine hands over is where it stands: the call and its state agree.
        if (set != download.set || position != download.position || text != download.valueText)
            fuzz::fail("a value handed over apart from where the engine stands");
        if (set < 1 || set > 30 || position < 1 || position > store.rowCount()) return;
        if (text.size() > kMaxValueLength)
            fuzz::fail("a value longer than the limit reached the store");
        if (text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')))
            fuzz::fail("line end inside a stored value");
        if (!store.writeReading(set, position, text).ok())
            fuzz::fail("a reading inside the table could not be written");
        touched.push_back({set, position});
    }
    ReadingsStore& store;
    const DownloadPosition& download;
    std::vector<std::pair<int, int>> touched;
};

ReadingsStore* g_store = nullptr;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!g_store) {
        fuzz::ensureApplication();
        g_store = new ReadingsStore(QStringLiteral(":memory:"));
        if (!g_store->open().ok()) fuzz::fail("the store did not open");
    }
    ReadingsStore& store = *g_store;
    ReceiveEngine engine;
    MeterReport report;
    CheckingHost host(store, engine.download);
    for (size_t i = 0; i < size; ++i) {
        const Request request = (i & 64) != 0 ? Request::Live : Request::Download;
        engine.FeedChar(QChar(static_cast<ushort>(data[i])), request, report, host);
        const auto bound = static_cast<qsizetype>(i + 1);
        if (engine.state.setDigits.size() > bound || engine.download.valueText.size() > bound)
            fuzz::fail("state grows faster than input");
        if (engine.state.returnCount < 0 || engine.state.returnCount > 1)
            fuzz::fail("returnCount out of 0..1");
    }
    // Put the table back for the next input.
    for (const auto& [set, position] : host.touched) store.clearSet(set, position);
    return 0;
}
