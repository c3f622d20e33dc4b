#include "PrintCommand.h"

#include <QFontMetricsF>
#include <QPrinter>
#include <QTextOption>

#include "CommonDialog.h"
#include "ErrorCodes.h"
#include "Recordset.h"

QPainterReportPrinter::QPainterReportPrinter(QPrinter& printer) : m_printer(printer) {}

QPainterReportPrinter::~QPainterReportPrinter() {
    if (m_painter.isActive()) m_painter.end();
}

void QPainterReportPrinter::begin() {
    if (m_painter.isActive()) return;
    if (!m_painter.begin(&m_printer))
        throw VbError(ErrorCode::PathFileAccess, QStringLiteral("The printer could not be started."));
    m_font = m_painter.font();  // the printer's own default face
    m_pages = 1;
    m_y = 0;
}

void QPainterReportPrinter::setFontSize(double points) {
    begin();
    m_font.setPointSizeF(points);
}

void QPainterReportPrinter::setBold(bool bold) {
    begin();
    m_font.setBold(bold);
}

void QPainterReportPrinter::printLine(const QString& text) {
    begin();
    m_painter.setFont(m_font);
    const QFontMetricsF fm(m_font, &m_printer);
    const double lineHeight = fm.lineSpacing();
    const double pageHeight = m_printer.pageLayout().paintRectPixels(m_printer.resolution()).height();
    const double pageWidth = m_printer.pageLayout().paintRectPixels(m_printer.resolution()).width();
    QTextOption opt;
    opt.setWrapMode(QTextOption::NoWrap);
    opt.setTabStopDistance(fm.horizontalAdvance(QStringLiteral("0000000000")));
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (m_y + lineHeight > pageHeight && m_y > 0) {
            m_printer.newPage();
            ++m_pages;
            m_y = 0;
        }
        m_painter.drawText(QRectF(0, m_y, pageWidth, lineHeight), line, opt);
        m_y += lineHeight;
    }
}

void QPainterReportPrinter::endDoc() {
    if (m_painter.isActive()) m_painter.end();
}

void Printmenu_Click(Recordset& rs, CommonDialog& dialog) {
    try {
        dialog.CancelError = true;
        dialog.DialogTitle = QStringLiteral("Print Schedule");
        dialog.Flags = 264;
        dialog.ShowPrinter();
        QPainterReportPrinter printer(dialog.printer());
        Report::print(rs, printer);
    } catch (const VbError&) {
        // Cancelled, or the printer could not be reached: nothing is printed, nothing is said.
    }
}
