// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the long table reader: a table is taken whole or not at all, the table then holds only
// readings, every detail is one typing would take, and a refused table changes nothing.
#include <QFile>
#include <QTemporaryDir>
#include <cmath>

#include "FuzzSupport.h"
#include "core/common/Messages.h"
#include "core/files/LongTableFile.h"
#include "core/meter/Numbers.h"
#include "core/store/ReadingsStore.h"

namespace {
ReadingsStore* g_store = nullptr;
const QString kSentinel = QStringLiteral("0.125");

bool finiteOrNone(const std::optional<double>& v) { return !v || std::isfinite(*v); }
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    if (!g_store) {
        fuzz::ensureApplication();
        g_store = new ReadingsStore(QStringLiteral(":memory:"));
        if (!g_store->open().ok()) fuzz::fail("the store did not open");
    }
    ReadingsStore& store = *g_store;
    static const QVector<ReadingsStore::Row> rows = [] {
        QVector<ReadingsStore::Row> r(Meter::kPositions);
        for (ReadingsStore::Row& row : r) row.fill(Meter::kClearedReading);
        r[5][11] = kSentinel;
        return r;
    }();
    static bool changed = true;
    if (changed) {
        ReadingsStore::AllDetails details;
        details[11].site = QStringLiteral("kept");
        if (!store.replaceAll(rows, details).ok()) fuzz::fail("the table could not be reset");
    }

    static QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/input.csv");
    {
        QFile f(path);
        const auto n = static_cast<qint64>(size);
        if (!f.open(QIODevice::WriteOnly) || f.write(reinterpret_cast<const char*>(bytes), n) != n)
            fuzz::fail("the input could not be written");
    }
    const FileOutcome outcome = LongTableFile::open(store, path);
    changed = outcome.ok();
    if (store.rowCount() != Meter::kPositions) fuzz::fail("rows added or removed");
    if (!outcome.ok()) {
        if (Msg::forFile(outcome).isEmpty()) fuzz::fail("a refusal without a reason");
        if (store.reading(12, 6) != kSentinel || store.details(12).site != QLatin1String("kept"))
            fuzz::fail("a refused table changed the table");
        return 0;
    }
    for (int set = 1; set <= Meter::kSets; ++set) {
        const SetDetails& d = store.details(set);
        if (!finiteOrNone(d.depthM) || !finiteOrNone(d.spacingM) || !finiteOrNone(d.elevationM))
            fuzz::fail("a long table put a number that is not finite in the details");
        for (const QString& text : {d.site, d.operatorName})
            if (!SetDetailFields::textProblem(QStringLiteral("text"), text,
                                              SetDetailFields::kLongestText, false)
                     .isEmpty())
                fuzz::fail("a long table put a text typing refuses in the details");
        for (int p = 1; p <= Meter::kPositions; ++p) {
            const QString text = store.reading(set, p);
            if (!text.isEmpty() && !Numbers::isReading(text))
                fuzz::fail("a long table put a text that is no reading in the table");
        }
    }
    return 0;
}
