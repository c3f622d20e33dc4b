// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/PlotWindow.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>
#include <QSvgGenerator>
#include <QVBoxLayout>
#include <cmath>

#include "core/files/FileDialog.h"
#include "core/session/MessageBox.h"
#include "core/session/Messages.h"
#include "gui/printing/PrintCommand.h"
#include "core/store/Recordset.h"

namespace {
// Thirty colours apart: ten hues, each in three strengths (sets 1, 11 and 21 share a hue).
QColor seriesColour(int set) {
    const int i = qBound(1, set, 30) - 1;
    static const int kValue[] = {215, 150, 95};
    static const int kSaturation[] = {230, 255, 200};
    return QColor::fromHsv((i % 10) * 36, kSaturation[i / 10], kValue[i / 10]);
}
}  // namespace

void PlotCanvas::setData(QList<PlotModel::Series> series, bool logScale, QString yLabel) {
    m_series = std::move(series);
    m_log = logScale;
    m_yLabel = std::move(yLabel);
    update();
}

void PlotCanvas::paintEvent(QPaintEvent*) {
    QPainter p(this);
    render(p, rect());
}

void PlotCanvas::render(QPainter& p, const QRectF& area) const {
    p.save();
    p.fillRect(area, Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF fm(p.font());
    bool any = false;
    for (const PlotModel::Series& s : m_series) any = any || !s.points.isEmpty();
    if (!any) {
        p.setPen(Qt::black);
        p.drawText(area, Qt::AlignCenter, QStringLiteral("No readings to plot"));
        p.restore();
        return;
    }
    const PlotModel::Range r = PlotModel::range(m_series, m_log);
    const QList<PlotModel::Tick> xTicks = PlotModel::ticks(r.xMin, r.xMax, false, 9);
    const QList<PlotModel::Tick> yTicks = PlotModel::ticks(r.yMin, r.yMax, m_log, 8);
    // The axes run from tick to tick, so every tick is a round number.
    const double xMin = xTicks.first().value, xMax = xTicks.last().value;
    const double yMin = yTicks.first().value, yMax = yTicks.last().value;
    double labelWidth = 0;
    for (const PlotModel::Tick& t : yTicks) labelWidth = std::max(labelWidth, fm.horizontalAdvance(t.label));
    // The legend takes as many columns as it needs to stay within the plot's height.
    const double rowHeight = fm.height() * 1.2;
    const double legendColumn = fm.horizontalAdvance(QStringLiteral("Set 30")) + 30;
    const double top = area.top() + fm.height();
    const double bottom = area.bottom() - fm.height() * 3;
    const int rowsFit = std::max(1, static_cast<int>((bottom - top) / rowHeight));
    const int columns = (static_cast<int>(m_series.size()) + rowsFit - 1) / rowsFit;
    const double left = area.left() + labelWidth + fm.height() * 2;
    const double right = area.right() - legendColumn * columns - 6;
    const QRectF plot(QPointF(left, top), QPointF(right, bottom));
    auto px = [&](double x) { return plot.left() + (x - xMin) / (xMax - xMin) * plot.width(); };
    auto py = [&](double v) { return plot.bottom() - (v - yMin) / (yMax - yMin) * plot.height(); };
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(plot);
    for (const PlotModel::Tick& t : xTicks) {
        const double sx = px(t.value);
        p.drawLine(QPointF(sx, plot.bottom()), QPointF(sx, plot.bottom() + 4));
        p.drawText(QRectF(sx - 40, plot.bottom() + 4, 80, fm.height()), Qt::AlignHCenter, t.label);
    }
    for (const PlotModel::Tick& t : yTicks) {
        const double sy = py(t.value);
        p.drawLine(QPointF(plot.left() - 4, sy), QPointF(plot.left(), sy));
        p.drawText(QRectF(area.left(), sy - fm.height() / 2, plot.left() - area.left() - 6, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, t.label);
    }
    p.drawText(QRectF(plot.left(), plot.bottom() + fm.height() * 1.5, plot.width(), fm.height()), Qt::AlignHCenter,
               QStringLiteral("Reading position"));
    p.save();
    p.translate(area.left() + fm.height() * 0.2, plot.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-plot.height() / 2, 0, plot.height(), fm.height()), Qt::AlignHCenter, m_yLabel);
    p.restore();
    int index = 0;
    for (const PlotModel::Series& s : m_series) {
        const QColor c = seriesColour(s.set);
        p.setPen(QPen(c, 1.6));
        QPainterPath path;
        for (int i = 0; i < s.points.size(); ++i) {
            const double y = m_log ? std::log10(s.points[i].y()) : s.points[i].y();
            const QPointF pt(px(s.points[i].x()), py(y));
            if (i == 0) path.moveTo(pt);
            else path.lineTo(pt);
            p.drawEllipse(pt, 1.8, 1.8);
        }
        p.drawPath(path);
        const double lx = plot.right() + 6 + legendColumn * (index / rowsFit);
        const double ly = plot.top() + rowHeight * (index % rowsFit);
        p.drawLine(QPointF(lx, ly + fm.height() / 2), QPointF(lx + 14, ly + fm.height() / 2));
        p.setPen(Qt::black);
        p.drawText(QPointF(lx + 18, ly + fm.ascent()), QStringLiteral("Set %1").arg(s.set));
        ++index;
    }
    p.restore();
}

PlotWindow::PlotWindow(Recordset& rs, const SessionState& vars, FileDialog& dialog, PrintDialog& printing,
                       MessageBox& messages, QWidget* parent)
    : QWidget(parent), m_rs(rs), m_vars(vars), m_dialog(dialog), m_printing(printing), m_messages(messages) {
    setObjectName(QStringLiteral("frmPlot"));
    setWindowTitle(QStringLiteral("Plot"));
    SetList = new QListWidget(this);
    SetList->setObjectName(QStringLiteral("SetList"));
    SetList->setMaximumWidth(110);
    for (int s = 1; s <= 30; ++s) {
        auto* item = new QListWidgetItem(QStringLiteral("Set %1").arg(s), SetList);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    LogScale = new QCheckBox(QStringLiteral("&Log scale"), this);
    SaveButton = new QPushButton(QStringLiteral("&Save Image..."), this);
    PrintButton = new QPushButton(QStringLiteral("&Print..."), this);
    Canvas = new PlotCanvas(this);
    auto* side = new QVBoxLayout;
    side->addWidget(SetList, 1);
    side->addWidget(LogScale);
    side->addWidget(SaveButton);
    side->addWidget(PrintButton);
    auto* lay = new QHBoxLayout(this);
    lay->addLayout(side);
    lay->addWidget(Canvas, 1);
    resize(820, 520);

    m_pending.setSingleShot(true);
    m_pending.setInterval(150);
    connect(&m_pending, &QTimer::timeout, this, &PlotWindow::refresh);
    connect(&m_rs, &Recordset::rowSaved, this, [this] { m_pending.start(); });
    connect(&m_rs, &Recordset::reloaded, this, [this] { m_pending.start(); });
    connect(SetList, &QListWidget::itemChanged, this, &PlotWindow::redraw);
    connect(LogScale, &QCheckBox::toggled, this, &PlotWindow::redraw);
    connect(SaveButton, &QPushButton::clicked, this, &PlotWindow::savePlot);
    connect(PrintButton, &QPushButton::clicked, this, &PlotWindow::printPlot);
    chooseSets(PlotModel::setsWithReadings(m_rs));
}

void PlotWindow::restoreChoices(const QList<int>& sets, bool logScale) {
    // Sets holding readings now are not added on top of the choice.
    for (int s : PlotModel::setsWithReadings(m_rs)) SetList->item(s - 1)->setData(Qt::UserRole, true);
    const QSignalBlocker block(LogScale);
    LogScale->setChecked(logScale);
    chooseSets(sets);
}

void PlotWindow::chooseSets(const QList<int>& sets) {
    const QSignalBlocker block(SetList);
    for (int s = 1; s <= 30; ++s) SetList->item(s - 1)->setCheckState(sets.contains(s) ? Qt::Checked : Qt::Unchecked);
    redraw();
}

QList<int> PlotWindow::chosenSets() const {
    QList<int> out;
    for (int s = 1; s <= 30; ++s)
        if (SetList->item(s - 1)->checkState() == Qt::Checked) out.append(s);
    return out;
}

void PlotWindow::refresh() {
    // Sets that have just received readings join the plot.
    QList<int> sets = chosenSets();
    for (int s : PlotModel::setsWithReadings(m_rs))
        if (!sets.contains(s) && SetList->item(s - 1)->data(Qt::UserRole).toBool() == false) {
            sets.append(s);
            SetList->item(s - 1)->setData(Qt::UserRole, true);
        }
    chooseSets(sets);
}

void PlotWindow::setUnitsOfSet(std::function<std::optional<int>(int)> unitsOfSet) {
    m_unitsOfSet = std::move(unitsOfSet);
    redraw();
}

void PlotWindow::redraw() {
    const bool log = LogScale->isChecked();
    const QList<int> sets = chosenSets();
    // The units the chosen sets were downloaded in, where known; the meter's units now otherwise.
    int units = m_vars.UnitsCode;
    bool first = true;
    for (int set : sets) {
        const std::optional<int> u = m_unitsOfSet ? m_unitsOfSet(set) : std::nullopt;
        if (!u) continue;
        if (first) units = *u;
        else if (*u != units) units = PlotModel::kMixedUnits;
        first = false;
    }
    Canvas->setData(PlotModel::build(m_rs, sets, log), log, PlotModel::yLabel(units, log));
}

bool PlotWindow::saveImage(const QString& path, QSize size) const {
    if (path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(path);
        pdf.setPageOrientation(QPageLayout::Landscape);
        QPainter p;
        if (!p.begin(&pdf)) return false;
        const QRectF page = pdf.pageLayout().paintRectPixels(pdf.resolution());
        Canvas->render(p, page.translated(-page.topLeft()));
        return p.end() && QFileInfo(path).size() > 0;
    }
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(QStringLiteral("Orvanta plot"));
        QPainter p;
        if (!p.begin(&svg)) return false;
        Canvas->render(p, QRectF(QPointF(0, 0), size));
        return p.end();
    }
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    Canvas->render(p, QRectF(QPointF(0, 0), size));
    p.end();
    return img.save(path);
}

void PlotWindow::savePlot() {
    m_dialog.FileName = QStringLiteral("plot.png");
    m_dialog.DialogTitle = QStringLiteral("Save Plot");
    m_dialog.Filter =
        QStringLiteral("PNG Images (*.png)|*.png|SVG Drawings (*.svg)|*.svg|PDF Documents (*.pdf)|*.pdf");
    m_dialog.FilterIndex = 1;
    if (!m_dialog.ShowSave()) return;
    QString path = m_dialog.FileName;
    static const char* const kSuffix[] = {".png", ".svg", ".pdf"};
    if (QFileInfo(path).suffix().isEmpty()) path += QLatin1String(kSuffix[qBound(1, m_dialog.FilterIndex, 3) - 1]);
    // A plot that was not written is never passed over in silence.
    if (!saveImage(path)) m_messages.MsgBox(Msg::FileNotWritten.arg(path, QStringLiteral("the image could not be written")));
}

void PlotWindow::printPlot() {
    if (!m_printing.ShowPrinter(QStringLiteral("Print Plot"))) return;
    QPrinter& printer = m_printing.printer();
    QPainter p;
    if (!p.begin(&printer)) return;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    Canvas->render(p, page.translated(-page.topLeft()));
    p.end();
}
