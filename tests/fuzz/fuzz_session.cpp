// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the meter session as the programs run it: a request, then received bytes in gatherings,
// through the session's own guards into the real readings store. The first byte picks the
// request, the second how the bytes are gathered.
#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "DownloadWatch.h"
#include "FuzzSupport.h"
#include "core/common/SettingsStore.h"
#include "core/link/PortLinks.h"
#include "core/meter/DownloadValue.h"
#include "core/meter/Numbers.h"
#include "core/session/MeterSession.h"
#include "core/system/PseudoTerminal.h"

namespace {
struct Rig {
    Rig()
        : settings(dir.path() + QStringLiteral("/settings.ini")),
          ports(dir.path() + QStringLiteral("/ports")),
          store(QStringLiteral(":memory:")),
          session(MeterSession::Deps{settings, ports, store}) {
        if (!ports.createLink(1, meter.devicePath())) fuzz::fail("the port link could not be made");
        session.loadSettings();
        if (!store.open()) fuzz::fail("the store did not open");
        if (!session.openPort(1).ok()) fuzz::fail("the port did not open");
        // Whether this input wrote a cell or a detail: a table nothing wrote to is still the
        // cleared one the last reset left, and needs no look nor reset.
        QObject::connect(&store, &ReadingsStore::cellsChanged, [this] { written = true; });
        QObject::connect(&store, &ReadingsStore::reloaded, [this] { written = true; });
        QObject::connect(&store, &ReadingsStore::detailsChanged, [this] { written = true; });
    }
    bool written = false;
    QTemporaryDir dir;
    PseudoTerminal meter;
    SettingsStore settings;
    PortLinks ports;
    ReadingsStore store;
    MeterSession session;
    DownloadWatch download{session};
};

enum Ask { Nothing, All, Current, Capture, Continuous, CancelledAll, kAsks };
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::ensureApplication();
    static Rig rig;
    MeterSession& session = rig.session;
    ReadingsStore& store = session.store();
    if (size < 2) return 0;
    const Ask ask = static_cast<Ask>(data[0] % kAsks);
    const size_t gathering = 1 + data[1] % 64;
    switch (ask) {
        case All:
        case CancelledAll:
            session.DownloadAllSets();
            break;
        case Current:
            session.DownloadCurrentSet();
            break;
        case Capture:
            session.CaptureCurrentReading();
            break;
        case Continuous:
            session.ShowContinuousReadings();
            break;
        default:
            break;
    }
    const bool downloadAsked = ask == All || ask == Current || ask == CancelledAll;
    int lineFeeds = 0;
    bool cancelled = false;
    for (size_t at = 2; at < size; at += gathering) {
        const size_t n = qMin(gathering, size - at);
        const QByteArray bytes(reinterpret_cast<const char*>(data + at), static_cast<qsizetype>(n));
        lineFeeds += static_cast<int>(bytes.count('\n'));
        if (ask == CancelledAll && !cancelled && at >= size / 2) {
            session.cancelDownload();
            cancelled = true;
        }
        Q_EMIT session.link().received(bytes);
    }
    // Set data after a Cancel belongs to no download.
    if (cancelled && session.isDownloading()) fuzz::fail("a cancelled download still runs");

    // Ended here, so that its account is told; a Cancel changes no reading already stored.
    session.cancelDownload();
    // Every cell holds a reading; without a download asked for, nothing was stored or marked.
    const DownloadSummary& summary = rig.download.account;
    if (store.rowCount() != Meter::kPositions) fuzz::fail("rows added or removed");
    for (int row = 0; rig.written && row < store.rowCount(); ++row) {
        if (store.cell(row, 0) != QString::number(row + 1)) fuzz::fail("a row number was written");
        for (int set = 1; set <= Meter::kSets; ++set) {
            const QString& cell = store.cell(row, set);
            if (cell == Meter::kClearedReading) {
                if (!downloadAsked && store.held(set, row + 1) != ReadingsStore::Held::Nothing)
                    fuzz::fail("a position marked without a download request");
                continue;
            }
            if (!Numbers::isReading(cell)) fuzz::fail("a stored text is not a reading");
            // Only a line the meter can have sent is stored: no run-together values, no value
            // without its decimal point.
            if (DownloadValue::of(cell).text != cell)
                fuzz::fail("a stored text is no value the meter sends");
            if (!store.holdsReading(set, row + 1)) fuzz::fail("a reading's text, marked otherwise");
            if (!downloadAsked) fuzz::fail("set data stored without a download request");
        }
    }
    for (int set = 1; set <= Meter::kSets; ++set) {
        if (store.isIncomplete(set) && (!downloadAsked || !summary.sets.contains(set)))
            fuzz::fail("a set marked incomplete that this download did not touch");
    }
    if (downloadAsked && summary.stored > lineFeeds)
        fuzz::fail("more readings stored than values sent");
    // A one-set download takes one set; a download with no set is never whole.
    if (ask == Current && summary.sets.size() > 1) fuzz::fail("a one-set download took two sets");
    if (summary.whole() && summary.sets.isEmpty()) fuzz::fail("a download of no set is whole");
    // Every reading counted is one a position holds, 0.000000 included.
    if (downloadAsked && summary.whole() &&
        QSet<int>(summary.sets.begin(), summary.sets.end()).size() == summary.sets.size()) {
        int held = 0;
        for (int set : summary.sets) held += store.readingCount(set);
        if (held != summary.stored) fuzz::fail("the account counts readings no position holds");
    }

    // Back to the start for the next input: nothing running, the table cleared.
    rig.download.account = {};
    if (rig.written && !store.clearAll().ok()) fuzz::fail("the table was not reset");
    rig.written = false;
    char drain[4096];
    while (rig.meter.read(drain, sizeof drain) > 0) {
    }
    QCoreApplication::processEvents();
    return 0;
}
