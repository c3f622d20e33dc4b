// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliOutput.h"

#include <cstdio>

void printError(const QString& text) {
    std::fprintf(stderr, "orvanta-cli: %s\n", qPrintable(text));
    std::fflush(stderr);
}
