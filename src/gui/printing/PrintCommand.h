// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QFont>
#include <QPainter>
#include <QString>
#include <functional>

#include "core/files/Report.h"

class MessageBox;
class QPrinter;
class QWidget;
class ReadingsStore;

/** @brief The print dialog. */
class PrintDialog {
public:
    virtual ~PrintDialog() = default;
    /** @brief Shows the dialog titled @p title; false when closed without printing. */
    virtual bool ShowPrinter(const QString& title) = 0;
    /** @brief The printer chosen in the last print dialog. */
    virtual QPrinter& printer() = 0;
};

/** @brief The listing drawn on a QPrinter: one font, tabs at even stops, a new page only when a
 *  line does not fit. */
class QPainterReportPrinter : public ReportPrinter {
public:
    explicit QPainterReportPrinter(QPrinter& printer);
    ~QPainterReportPrinter() override;
    bool setFontSize(double points) override;
    bool setBold(bool bold) override;
    bool printLine(const QString& text) override;
    bool endDoc() override;
    QString failureReason() const override { return m_failure; }

private:
    bool begin();
    double tabStop() const;
    QPrinter& m_printer;
    QPainter m_painter;
    QFont m_font;
    double m_y = 0;
    QString m_failure;
};

/** @brief Runs @p print, which prints on @p printer and gives the reason it failed, or nothing.
 *  When the printer writes a PDF file, the file is written beside it under another name and put
 *  in its place only once it is whole: a disk that fills up leaves the old file as it was, and
 *  says so. Gives the reason it failed, or nothing. */
QString printWhole(QPrinter& printer, const std::function<QString()>& print);

/** @brief Print: the "Print Schedule" dialog, then the listing on the chosen printer. A printer
 *  that cannot start is reported. */
void printReadings(const ReadingsStore& store, PrintDialog& dialog, MessageBox& messages);

/** @brief Print Survey Summary: the dialog, then @p title, the date printed, each set's details
 *  and statistics with units, and page numbers. A failure is told. */
void printSummary(const ReadingsStore& store, const QString& title, PrintDialog& dialog,
                  MessageBox& messages);
/** @brief Draws the summary on @p printer; the reason it failed, or nothing. */
QString paintSummary(const ReadingsStore& store, const QString& title, QPrinter& printer);

/** @brief Draws the whole listing on @p printer (what Print sends, for a preview). */
bool paintReport(const ReadingsStore& store, QPrinter& printer);
/** @brief Print Preview: the listing in a preview window, printable from there. */
void previewReadings(const ReadingsStore& store, QWidget* parent);
