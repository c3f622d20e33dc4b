// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

class ReadingsStore;

/** @brief Where the printed listing goes: a printer, or a recorder in tests. A call that answers
 *  false has failed for good (the printer could not be started); failureReason() says why. */
class ReportPrinter {
public:
    virtual ~ReportPrinter() = default;
    virtual bool setFontSize(double points) = 0;
    /** @brief The header emphasis. */
    virtual bool setBold(bool bold) = 0;
    /** @brief Prints @p text and a line break; line feeds in it start new lines, tabs advance to
     *  the next tab stop. A line that does not fit starts a new page. */
    virtual bool printLine(const QString& text) = 0;
    /** @brief Ends the document and sends it to the printer. */
    virtual bool endDoc() = 0;
    /** @brief Why the last call failed. */
    virtual QString failureReason() const { return {}; }
};

namespace Report {
/** @brief The four blocks of sets: first and last set of each. */
constexpr int kBlocks[4][2] = {{1, 8}, {9, 16}, {17, 24}, {25, 30}};
/** @brief "Number" and two tabs before every set name of the block. */
QString headerLine(int firstSet, int lastSet);
/** @brief Prints the whole table in four blocks; a printer that fails ends it (false). A closed
 *  store prints the headers only. */
bool print(const ReadingsStore& store, ReportPrinter& printer);
}  // namespace Report
