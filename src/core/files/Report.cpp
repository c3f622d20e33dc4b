// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/Report.h"

#include "core/compat/ErrorCodes.h"
#include "core/store/Recordset.h"

namespace {
// A step that fails on the table is skipped and the report goes on.
template <typename F>
void step(F&& f) {
    try {
        f();
    } catch (const VbError&) {
    }
}

// The printer refused: the report ends there.
struct PrinterFailed {};

void out(bool ok) {
    if (!ok) throw PrinterFailed{};
}
}  // namespace

namespace Report {

QString headerLine(int firstSet, int lastSet) {
    QString line = QStringLiteral("Number");
    for (int s = firstSet; s <= lastSet; ++s) line += QStringLiteral("\t\tSet ") + QString::number(s);
    return line;
}

bool print(Recordset& rs, ReportPrinter& printer) {
    try {
    step([&] { out(printer.setFontSize(8)); });
    step([&] { out(printer.printLine(QStringLiteral("\n\n \n"))); });
    for (int b = 0; b < 4; ++b) {
        const int first = kBlocks[b][0];
        const int last = kBlocks[b][1];
        step([&] { rs.setAbsolutePosition(1); });
        step([&] { out(printer.setBold(true)); });
        step([&] { out(printer.printLine(headerLine(first, last) + QLatin1Char('\n'))); });
        step([&] { out(printer.setBold(false)); });
        int n = 0;
        step([&] { n = static_cast<std::int16_t>(rs.RecordCount()); });
        for (int i = 0; i < n; ++i) {
            step([&] {
                QString line = rs.Fields(0) + QStringLiteral("\t\t");
                for (int s = first; s <= last; ++s) {
                    if (s > first) line += QLatin1Char('\t');
                    line += rs.Fields(s);
                }
                out(printer.printLine(line));
            });
            step([&] { rs.MoveNext(); });
        }
        if (b < 3) step([&] { out(printer.printLine(QStringLiteral("\n"))); });
    }
    out(printer.endDoc());
    } catch (const PrinterFailed&) {
        step([&] { rs.setAbsolutePosition(1); });
        return false;
    }
    step([&] { rs.setAbsolutePosition(1); });
    return true;
}

}  // namespace Report
