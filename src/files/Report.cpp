#include "Report.h"

#include "ErrorCodes.h"
#include "Recordset.h"

namespace {
template <typename F>
void step(F&& f) {
    try {
        f();
    } catch (const VbError& e) {
        if (e.number() == ErrorCode::PathFileAccess) throw;  // ends the report
    }
}
}  // namespace

namespace Report {

QString headerLine(int firstSet, int lastSet) {
    QString line = QStringLiteral("Number");
    for (int s = firstSet; s <= lastSet; ++s) line += QStringLiteral("\t\tSet ") + QString::number(s);
    return line;
}

void print(Recordset& rs, ReportPrinter& printer) {
    step([&] { printer.setFontSize(8); });
    step([&] { printer.printLine(QStringLiteral("\n\n \n")); });
    for (int b = 0; b < 4; ++b) {
        const int first = kBlocks[b][0];
        const int last = kBlocks[b][1];
        step([&] { rs.setAbsolutePosition(1); });
        step([&] { printer.setBold(true); });
        step([&] { printer.printLine(headerLine(first, last) + QLatin1Char('\n')); });
        step([&] { printer.setBold(false); });
        int n = 0;
        step([&] { n = static_cast<std::int16_t>(rs.RecordCount()); });
        for (int i = 0; i < n; ++i) {
            step([&] {
                QString line = rs.Fields(0) + QStringLiteral("\t\t");
                for (int s = first; s <= last; ++s) {
                    if (s > first) line += QLatin1Char('\t');
                    line += rs.Fields(s);
                }
                printer.printLine(line);
            });
            step([&] { rs.MoveNext(); });
        }
        if (b < 3) step([&] { printer.printLine(QStringLiteral("\n")); });
    }
    step([&] { printer.endDoc(); });
    step([&] { rs.setAbsolutePosition(1); });
}

}  // namespace Report
