// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <sys/resource.h>

#include <QByteArray>

// Under callgrind (--collect-atstart=no) a benchmark counts only what it brackets with
// CALLGRIND_TOGGLE_COLLECT; without valgrind's header (make deps-bench installs it) the brackets
// are nothing.
#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_TOGGLE_COLLECT
#endif

/** @brief What the meter sends for Download All Sets when all 30 sets are full: 3,840 values,
 *  each with six decimals, set S position R holding S/1000 + R/1000000. */
inline QByteArray fullDownloadStream() {
    QByteArray all;
    for (int s = 1; s <= 30; ++s) {
        all += "S" + QByteArray::number(s).rightJustified(2, '0') + "\nU1M1";
        for (int i = 1; i <= 128; ++i)
            all += QByteArray::number(0.000001 * (s * 1000 + i), 'f', 6) + "\n";
    }
    return all + "\r\r";
}

/** @brief Seconds the bytes take on the meter's line: 10 bits a byte at 9600 baud. */
inline double wireSeconds(qsizetype bytes) { return static_cast<double>(bytes) * 10.0 / 9600.0; }

/** @brief CPU seconds, user and system, of this process (RUSAGE_SELF) or of its children that
 *  have ended (RUSAGE_CHILDREN). */
inline double cpuSeconds(int who = RUSAGE_SELF) {
    rusage u{};
    getrusage(who, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}
