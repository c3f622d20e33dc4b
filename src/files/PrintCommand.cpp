#include "PrintCommand.h"

#include <QFontMetricsF>
#include <QPrintPreviewDialog>
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
    const QRectF page = m_printer.pageLayout().paintRectPixels(m_printer.resolution());
    const double tab = tabStop();
    // The widest line has sixteen tab stops and a reading after them; a page too narrow for it
    // gets the listing condensed across, never cut off.
    QFont bold = m_font;
    bold.setBold(true);
    const double widest = 16 * tab + qMax(fm.horizontalAdvance(QStringLiteral("00.0000000")),
                                          QFontMetricsF(bold, &m_printer).horizontalAdvance(QStringLiteral("Set 24")));
    const double xScale = qMin(1.0, page.width() / widest);
    QTextOption opt;
    opt.setWrapMode(QTextOption::NoWrap);
    opt.setTabStopDistance(tab);
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (m_y + lineHeight > page.height() && m_y > 0) {
            m_printer.newPage();
            m_y = 0;
        }
        m_painter.save();
        m_painter.scale(xScale, 1.0);
        m_painter.drawText(QRectF(0, m_y, page.width() / xScale, lineHeight), line, opt);
        m_painter.restore();
        m_y += lineHeight;
    }
}

double QPainterReportPrinter::tabStop() const {
    // A reading ("0.000000") is wider than one stop and narrower than two, so the header's two
    // tabs per set and the data line's one tab per reading land on the same columns.
    QFont bold = m_font;
    bold.setBold(true);
    const double number = QFontMetricsF(bold, &m_printer).horizontalAdvance(QStringLiteral("Number"));
    const double reading = QFontMetricsF(m_font, &m_printer).horizontalAdvance(QStringLiteral("0.000000"));
    return qMin(qMax(number * 1.05, reading * 0.55), reading * 0.95);
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

void PaintReport(Recordset& rs, QPrinter& printer) {
    try {
        QPainterReportPrinter out(printer);
        Report::print(rs, out);
    } catch (const VbError&) {
    }
}

void PrintPreviewmenu_Click(Recordset& rs, QWidget* parent) {
    QPrintPreviewDialog dlg(parent);
    dlg.setWindowTitle(QStringLiteral("Print Preview"));
    QObject::connect(&dlg, &QPrintPreviewDialog::paintRequested, &dlg,
                     [&rs](QPrinter* printer) { PaintReport(rs, *printer); });
    dlg.exec();
}
