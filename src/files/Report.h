#pragma once
#include <QString>

class Recordset;

/** @brief Where the printed listing goes: a printer, or a recorder in tests. Any call may raise
 *  VbError. */
class ReportPrinter {
public:
    virtual ~ReportPrinter() = default;
    virtual void setFontSize(double points) = 0;
    /** @brief The header emphasis. */
    virtual void setBold(bool bold) = 0;
    /** @brief Prints @p text and a line break; line feeds in it start new lines, tabs advance to
     *  the next tab stop. A line that does not fit starts a new page. */
    virtual void printLine(const QString& text) = 0;
    /** @brief Ends the document and sends it to the printer. */
    virtual void endDoc() = 0;
};

namespace Report {
/** @brief The four blocks of sets: first and last set of each. */
constexpr int kBlocks[4][2] = {{1, 8}, {9, 16}, {17, 24}, {25, 30}};
/** @brief "Number" and two tabs before every set name of the block. */
QString headerLine(int firstSet, int lastSet);
/** @brief Prints the whole table in four blocks. A failing step is skipped and printing goes on;
 *  the recordset is left on row 1. */
void print(Recordset& rs, ReportPrinter& printer);
}  // namespace Report
