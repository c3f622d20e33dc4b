// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/Report.h"

#include <QStringList>

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
                // A flagged reading is marked where it stands; its reason follows the blocks.
                if (!store.flag(s, row + 1).isEmpty()) line += QLatin1Char('*');
            }
            if (!printer.printLine(line)) return false;
        }
        if (b < 3 && !printer.printLine(QStringLiteral("\n"))) return false;
    }
    QStringList reasons;
    for (int s = 1; s <= Meter::kSets; ++s)
        for (int p = 1; p <= store.rowCount(); ++p)
            if (const QString why = store.flag(s, p); !why.isEmpty())
                reasons << QStringLiteral("Set %1, position %2: %3").arg(s).arg(p).arg(why);
    if (!reasons.isEmpty()) {
        if (!printer.printLine(QStringLiteral("\n")) || !printer.setBold(true) ||
            !printer.printLine(QStringLiteral("* Flagged readings")) || !printer.setBold(false))
            return false;
        for (const QString& reason : reasons)
            if (!printer.printLine(reason)) return false;
    }
    return printer.endDoc();
}

}  // namespace Report
