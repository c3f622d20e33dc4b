// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

// What every fuzz target shares: a broken invariant ends the run with its name, and a Qt
// application exists for the code under test.
namespace fuzz {
[[noreturn]] inline void fail(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

/** @brief Makes the one QCoreApplication of the run, the first time it is called. */
inline void ensureApplication() {
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}
}  // namespace fuzz
