#pragma once
#include <QFont>
#include <QPainter>

#include "Report.h"

class CommonDialog;
class QWidget;
class QPrinter;
class Recordset;

/** @brief The listing drawn on a QPrinter: one font, tabs at even stops, a new page only when a
 *  line does not fit. */
class QPainterReportPrinter : public ReportPrinter {
public:
    explicit QPainterReportPrinter(QPrinter& printer);
    ~QPainterReportPrinter() override;
    void setFontSize(double points) override;
    void setBold(bool bold) override;
    void printLine(const QString& text) override;
    void endDoc() override;

private:
    void begin();
    double tabStop() const;
    QPrinter& m_printer;
    QPainter m_painter;
    QFont m_font;
    double m_y = 0;
};

/** @brief Print: the "Print Schedule" dialog, then the listing on the chosen printer. */
void Printmenu_Click(Recordset& rs, CommonDialog& dialog);

/** @brief Draws the whole listing on @p printer (what Print sends, for a preview). */
void PaintReport(Recordset& rs, QPrinter& printer);
/** @brief Print Preview: the listing in a preview window, printable from there. */
void PrintPreviewmenu_Click(Recordset& rs, QWidget* parent);
