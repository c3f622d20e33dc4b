// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the meter simulator's key grammar: any command bytes keep its sets, set and reading
// numbers within the meter's memory, and never crash it.
#include <cstdio>
#include <cstdlib>
#include <map>

#include "FuzzSupport.h"
#include "MeterState.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    // A meter per first byte, made once: making its 3,840 random readings cost more than the keys.
    static std::map<uint8_t, MeterState> made;
    auto found = made.find(data[0]);
    if (found == made.end())
        found = made.emplace(data[0], MeterState(data[0], 0.0, (data[0] & 1) != 0)).first;
    MeterState meter = found->second;
    for (size_t i = 1; i < size; ++i) {
        const QByteArray answer = meter.receive(static_cast<char>(data[i]));
        // The largest answer is every set whole: 30 sets of 128 values and their headers.
        if (answer.size() > 30 * (8 + 128 * 16) + 2) fuzz::fail("an answer larger than the memory");
        if (meter.currentSet() < 1 || meter.currentSet() > 30)
            fuzz::fail("the current set left 1..30");
        // A key changes the current set alone; every set is looked at once the keys are done.
        if (meter.set(meter.currentSet()).size() > 128)
            fuzz::fail("a set holds more than 128 readings");
    }
    for (int set = 1; set <= 30; ++set)
        if (meter.set(set).size() > 128) fuzz::fail("a set holds more than 128 readings");
    return 0;
}
