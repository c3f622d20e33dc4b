// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the survey file reader: a file is taken whole or not at all, the table then holds only
// readings, and a refused file changes nothing.
#include "FileReaderFuzz.h"
#include "core/files/SurveyFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    static fuzz::FileReaderRig rig;
    ReadingsStore& store = rig.store();
    rig.check(SurveyFile::open(store, rig.write(bytes, size, QStringLiteral("orvanta"))));
    return 0;
}
