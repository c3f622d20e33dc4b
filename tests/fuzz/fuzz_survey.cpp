// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the survey file reader: a file is taken whole or not at all, the table then holds only
// readings, and a refused file changes nothing.
#include <QFile>
#include <QTemporaryDir>

#include "FuzzSupport.h"
#include "core/common/Messages.h"
#include "core/files/SurveyFile.h"
#include "core/meter/Numbers.h"
#include "core/store/ReadingsStore.h"

namespace {
ReadingsStore* g_store = nullptr;
const QString kSentinel = QStringLiteral("0.125");
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    if (!g_store) {
        fuzz::ensureApplication();
        g_store = new ReadingsStore(QStringLiteral(":memory:"));
        if (!g_store->open().ok()) fuzz::fail("the store did not open");
    }
    ReadingsStore& store = *g_store;
    // One sentinel reading and one detail: a refused file must leave both. Put back only after a
    // file was taken, and then only the cells it changed are written.
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
    const QString path = dir.path() + QStringLiteral("/input.orvanta");
    {
        QFile f(path);
        const auto n = static_cast<qint64>(size);
        if (!f.open(QIODevice::WriteOnly) || f.write(reinterpret_cast<const char*>(bytes), n) != n)
            fuzz::fail("the input could not be written");
    }
    const FileOutcome outcome = SurveyFile::open(store, path);
    changed = outcome.ok();
    if (store.rowCount() != Meter::kPositions) fuzz::fail("rows added or removed");
    if (!outcome.ok()) {
        if (Msg::forFile(outcome).isEmpty()) fuzz::fail("a refusal without a reason");
        if (store.reading(12, 6) != kSentinel || store.details(12).site != QLatin1String("kept"))
            fuzz::fail("a refused file changed the table");
        return 0;
    }
    for (int set = 1; set <= Meter::kSets; ++set)
        for (int p = 1; p <= Meter::kPositions; ++p) {
            const QString text = store.reading(set, p);
            if (!text.isEmpty() && !Numbers::isReading(text))
                fuzz::fail("a survey file put a text that is no reading in the table");
        }
    return 0;
}
