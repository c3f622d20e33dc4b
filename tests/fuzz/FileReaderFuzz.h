// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QFile>
#include <QTemporaryDir>

#include "FuzzSupport.h"
#include "core/common/Messages.h"
#include "core/meter/Numbers.h"
#include "core/store/ReadingsStore.h"

namespace fuzz {
/** @brief What the fuzz targets of the file readers share: a store holding one sentinel reading
 *  and one detail that a refused file must leave, the input written to a file of its own, and
 *  the checks every reader owes (a whole table, only readings, a refusal with its reason). */
class FileReaderRig {
public:
    /** @brief The store, put back to the sentinel after a file was taken (and only then, so
     *  that a refusal is checked against what the last reset wrote). */
    ReadingsStore& store() {
        if (!m_store) {
            ensureApplication();
            m_store = new ReadingsStore(QStringLiteral(":memory:"));
            if (!m_store->open().ok()) fail("the store did not open");
        }
        if (m_taken) {
            QVector<ReadingsStore::Row> rows(Meter::kPositions);
            for (ReadingsStore::Row& row : rows) row.fill(Meter::kClearedReading);
            rows[5][11] = kSentinel;
            ReadingsStore::AllDetails details;
            details[11].site = QStringLiteral("kept");
            if (!m_store->replaceAll(rows, details).ok()) fail("the table could not be reset");
        }
        return *m_store;
    }
    /** @brief The input as a file named with @p suffix. */
    QString write(const uint8_t* bytes, size_t size, const QString& suffix) {
        const QString path = m_dir.path() + QStringLiteral("/input.") + suffix;
        QFile f(path);
        const auto n = static_cast<qint64>(size);
        if (!f.open(QIODevice::WriteOnly) || f.write(reinterpret_cast<const char*>(bytes), n) != n)
            fail("the input could not be written");
        return path;
    }
    /** @brief Checks what @p outcome left in the store; true when the file was taken. */
    bool check(const FileOutcome& outcome) {
        m_taken = outcome.ok();
        const ReadingsStore& s = *m_store;
        if (s.rowCount() != Meter::kPositions) fail("rows added or removed");
        if (!outcome.ok()) {
            if (Msg::forFile(outcome).isEmpty()) fail("a refusal without a reason");
            if (s.reading(12, 6) != kSentinel || s.details(12).site != QLatin1String("kept"))
                fail("a refused file changed the table");
            return false;
        }
        for (int set = 1; set <= Meter::kSets; ++set)
            for (int p = 1; p <= Meter::kPositions; ++p) {
                const QString text = s.reading(set, p);
                if (!text.isEmpty() && !Numbers::isReading(text))
                    fail("a file put a text that is no reading in the table");
            }
        return true;
    }

private:
    const QString kSentinel = QStringLiteral("0.125");
    ReadingsStore* m_store = nullptr;
    QTemporaryDir m_dir;
    bool m_taken = true;
};
}  // namespace fuzz
