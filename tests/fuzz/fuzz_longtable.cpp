// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the long table reader: a table is taken whole or not at all, the table then holds only
// readings, every detail is one typing would take, and a refused table changes nothing.
#include <cmath>

#include "FileReaderFuzz.h"
#include "core/files/LongTableFile.h"

namespace {
bool finiteOrNone(const std::optional<double>& v) { return !v || std::isfinite(*v); }
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    static fuzz::FileReaderRig rig;
    ReadingsStore& store = rig.store();
    if (!rig.check(LongTableFile::open(store, rig.write(bytes, size, QStringLiteral("csv")))))
        return 0;
    for (int set = 1; set <= Meter::kSets; ++set) {
        const SetDetails& d = store.details(set);
        if (!finiteOrNone(d.depthM) || !finiteOrNone(d.spacingM) || !finiteOrNone(d.elevationM))
            fuzz::fail("a long table put a number that is not finite in the details");
        for (const QString& text : {d.site, d.operatorName})
            if (!SetDetailFields::textProblem(QStringLiteral("text"), text,
                                              SetDetailFields::kLongestText, false)
                     .isEmpty())
                fuzz::fail("a long table put a text typing refuses in the details");
    }
    return 0;
}
