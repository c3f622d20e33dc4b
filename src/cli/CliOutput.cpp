// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliOutput.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {
int s_outputErrno = 0;  ///< the first failed write's errno on standard output, EPIPE aside
void noteOutputError() {
    if (s_outputErrno == 0 && errno != 0 && errno != EPIPE) s_outputErrno = errno;
}
}  // namespace

bool printOut(const QString& line) {
    errno = 0;
    const QByteArray bytes = line.toUtf8() + '\n';
    const bool written = std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()),
                                     stdout) == static_cast<size_t>(bytes.size()) &&
                         std::fflush(stdout) == 0;
    if (!written) noteOutputError();
    return written;
}

QString outputFailure() {
    errno = 0;
    if (std::fflush(stdout) != 0) noteOutputError();
    return s_outputErrno == 0 ? QString() : QString::fromLocal8Bit(std::strerror(s_outputErrno));
}

void printError(const QString& text) {
    std::fprintf(stderr, "orvanta-cli: %s\n", qPrintable(text));
    std::fflush(stderr);
}

QString utcStamp(qint64 msSinceEpoch) {
    // Days since 1970-01-01 to a civil date (the proleptic Gregorian calendar, in 400-year eras).
    const qint64 ms = msSinceEpoch % 1000;
    const qint64 seconds = msSinceEpoch / 1000;
    const qint64 z = seconds / 86400 + 719468;
    const qint64 secondOfDay = seconds % 86400;
    const qint64 era = z / 146097;
    const qint64 dayOfEra = z - era * 146097;
    const qint64 yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const qint64 dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const qint64 mp = (5 * dayOfYear + 2) / 153;
    const qint64 day = dayOfYear - (153 * mp + 2) / 5 + 1;
    const qint64 month = mp < 10 ? mp + 3 : mp - 9;
    const qint64 year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    char text[25];
    const auto put = [&text](int at, qint64 value, int digits) {
        for (int i = digits - 1; i >= 0; --i) {
            text[at + i] = static_cast<char>('0' + value % 10);
            value /= 10;
        }
    };
    put(0, year, 4);
    text[4] = '-';
    put(5, month, 2);
    text[7] = '-';
    put(8, day, 2);
    text[10] = 'T';
    put(11, secondOfDay / 3600, 2);
    text[13] = ':';
    put(14, secondOfDay / 60 % 60, 2);
    text[16] = ':';
    put(17, secondOfDay % 60, 2);
    text[19] = '.';
    put(20, ms, 3);
    text[23] = 'Z';
    return QString::fromLatin1(text, 24);
}
