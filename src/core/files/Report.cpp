// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/Report.h"

#include "core/store/ReadingsStore.h"

namespace Report {

QString headerLine(int firstSet, int lastSet) {
    QString line = QStringLiteral("Number");
    for (int s = firstSet; s <= lastSet; ++s)
        line += QStringLiteral("\t\tSet ") + QString::number(s);
    return line;
}

bool print(const ReadingsStore& store, ReportPrinter& printer) {
    if (!printer.setFontSize(8) || !printer.printLine(QStringLiteral("\n\n \n"))) return false;
    for (int b = 0; b < 4; ++b) {
        const int first = kBlocks[b][0];
        const int last = kBlocks[b][1];
        if (!printer.setBold(true) ||
            !printer.printLine(headerLine(first, last) + QLatin1Char('\n')) ||
            !printer.setBold(false))
            return false;
        for (int row = 0; row < store.rowCount(); ++row) {
            QString line = store.cell(row, 0) + QStringLiteral("\t\t");
            for (int s = first; s <= last; ++s) {
                if (s > first) line += QLatin1Char('\t');
                line += store.cell(row, s);
            }
            if (!printer.printLine(line)) return false;
        }
        if (b < 3 && !printer.printLine(QStringLiteral("\n"))) return false;
    }
    return printer.endDoc();
}

}  // namespace Report
