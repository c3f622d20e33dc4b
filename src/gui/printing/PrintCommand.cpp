// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/printing/PrintCommand.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFontMetricsF>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextDocument>
#include <QTextOption>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "core/common/Messages.h"
#include "core/files/SurveyExport.h"
#include "core/store/ReadingsStore.h"
#include "gui/dialogs/MessageBox.h"

QPainterReportPrinter::QPainterReportPrinter(QPrinter& printer) : m_printer(printer) {}

QPainterReportPrinter::~QPainterReportPrinter() {
    if (m_painter.isActive()) m_painter.end();
}

bool QPainterReportPrinter::begin() {
    if (m_painter.isActive()) return true;
    if (!m_failure.isEmpty()) return false;
    if (!m_painter.begin(&m_printer)) {
        const QString name = m_printer.outputFileName().isEmpty() ? m_printer.printerName()
                                                                  : m_printer.outputFileName();
        m_failure =
            name.isEmpty()
                ? QCoreApplication::translate("PrintCommand", "no printer could be started")
                : QCoreApplication::translate("PrintCommand", "%1 could not be started").arg(name);
        return false;
    }
    m_font = m_painter.font();  // the printer's own default face
    m_y = 0;
    return true;
}

bool QPainterReportPrinter::setFontSize(double points) {
    if (!begin()) return false;
    m_font.setPointSizeF(points);
    return true;
}

bool QPainterReportPrinter::setBold(bool bold) {
    if (!begin()) return false;
    m_font.setBold(bold);
    return true;
}

bool QPainterReportPrinter::printLine(const QString& text) {
    if (!begin()) return false;
    m_painter.setFont(m_font);
    const QFontMetricsF fm(m_font, &m_printer);
    const double lineHeight = fm.lineSpacing();
    const QRectF page = m_printer.pageLayout().paintRectPixels(m_printer.resolution());
    const double tab = tabStop();
    // The widest line has sixteen tab stops and a reading after them; a page too narrow for it
    // gets the listing condensed across, never cut off.
    QFont bold = m_font;
    bold.setBold(true);
    const double widest =
        16 * tab +
        qMax(fm.horizontalAdvance(QStringLiteral("00.0000000")),
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
    return true;
}

double QPainterReportPrinter::tabStop() const {
    // A reading ("0.000000") is wider than one stop and narrower than two, so the header's two
    // tabs per set and the data line's one tab per reading land on the same columns.
    QFont bold = m_font;
    bold.setBold(true);
    const double number =
        QFontMetricsF(bold, &m_printer).horizontalAdvance(QStringLiteral("Number"));
    const double reading =
        QFontMetricsF(m_font, &m_printer).horizontalAdvance(QStringLiteral("0.000000"));
    return qMin(qMax(number * 1.05, reading * 0.55), reading * 0.95);
}

bool QPainterReportPrinter::endDoc() {
    if (!m_painter.isActive()) return m_failure.isEmpty();
    if (!m_painter.end()) {
        m_failure =
            QCoreApplication::translate("PrintCommand", "the printer did not take the document");
        return false;
    }
    return true;
}

namespace {
/** A PDF file is whole when it ends with its end-of-file marker. */
bool wholePdf(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || f.size() < 16) return false;
    f.seek(f.size() - 16);
    return f.read(16).trimmed().endsWith("%%EOF");
}
}  // namespace

QString printWhole(QPrinter& printer, const std::function<QString()>& print) {
    const QString target =
        printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
    if (target.isEmpty()) return print();
    // The PDF writer reports success even when the disk cut the file short.
    const QString part = target + QStringLiteral(".part");
    printer.setOutputFileName(part);
    QString why = print();
    printer.setOutputFileName(target);
    why.replace(part, target);
    if (why.isEmpty() && !wholePdf(part))
        why = QCoreApplication::translate("PrintCommand",
                                          "%1 could not be written whole (the disk may be full)")
                  .arg(target);
    if (why.isEmpty() && std::rename(QFile::encodeName(part).constData(),
                                     QFile::encodeName(target).constData()) != 0)
        why = QCoreApplication::translate("PrintCommand", "%1 could not be written: %2")
                  .arg(target, QString::fromLocal8Bit(std::strerror(errno)));
    if (!why.isEmpty()) QFile::remove(part);
    return why;
}

void printReadings(const ReadingsStore& store, PrintDialog& dialog, MessageBox& messages) {
    if (!dialog.ShowPrinter(QCoreApplication::translate("PrintCommand", "Print Schedule")))
        return;  // cancelled: nothing printed
    const QString why = printWhole(dialog.printer(), [&] {
        QPainterReportPrinter printer(dialog.printer());
        return Report::print(store, printer) ? QString() : printer.failureReason();
    });
    if (!why.isEmpty()) messages.tell(Msg::ReportNotPrinted.arg(why));
}

QString paintSummary(const ReadingsStore& store, const QString& title, QPrinter& printer) {
    QTextDocument doc;
    doc.setHtml(SurveyExport::summaryHtml(store, title, QDateTime::currentDateTimeUtc()));
    // A document with no page size of its own is laid out on the printer's pages and numbered.
    doc.print(&printer);
    return printer.printerState() == QPrinter::Error
               ? QCoreApplication::translate("PrintCommand",
                                             "the printer did not take the document")
               : QString();
}

void printSummary(const ReadingsStore& store, const QString& title, PrintDialog& dialog,
                  MessageBox& messages) {
    if (!dialog.ShowPrinter(QCoreApplication::translate("PrintCommand", "Print Survey Summary")))
        return;
    const QString why =
        printWhole(dialog.printer(), [&] { return paintSummary(store, title, dialog.printer()); });
    if (!why.isEmpty()) messages.tell(Msg::SummaryNotPrinted.arg(why));
}

bool paintReport(const ReadingsStore& store, QPrinter& printer) {
    QPainterReportPrinter out(printer);
    return Report::print(store, out);
}

void previewReadings(const ReadingsStore& store, QWidget* parent) {
    QPrintPreviewDialog dlg(parent);
    dlg.setWindowTitle(QCoreApplication::translate("PrintCommand", "Print Preview"));
    QObject::connect(&dlg, &QPrintPreviewDialog::paintRequested, &dlg,
                     [&store](QPrinter* printer) { paintReport(store, *printer); });
    dlg.exec();
}
