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
#include "gui/printing/PrintCommand.h"
#include "core/store/Recordset.h"

namespace {
QColor seriesColour(int set) { return QColor::fromHsv((set * 67) % 360, 200, 190); }
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
    const double left = area.left() + fm.horizontalAdvance(QStringLiteral("-0.000000")) + fm.height() * 2;
    const double bottom = area.bottom() - fm.height() * 3;
    const double right = area.right() - fm.horizontalAdvance(QStringLiteral("Set 30")) * 1.6;
    const double top = area.top() + fm.height();
    const QRectF plot(QPointF(left, top), QPointF(right, bottom));
    const PlotModel::Range r = PlotModel::range(m_series, m_log);
    auto px = [&](double x) { return plot.left() + (x - r.xMin) / (r.xMax - r.xMin) * plot.width(); };
    auto py = [&](double y) {
        const double v = m_log ? std::log10(y) : y;
        return plot.bottom() - (v - r.yMin) / (r.yMax - r.yMin) * plot.height();
    };
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(plot);
    // Ticks and labels: five steps on each axis.
    for (int i = 0; i <= 5; ++i) {
        const double x = r.xMin + (r.xMax - r.xMin) * i / 5;
        const double sx = px(x);
        p.drawLine(QPointF(sx, plot.bottom()), QPointF(sx, plot.bottom() + 4));
        p.drawText(QRectF(sx - 40, plot.bottom() + 4, 80, fm.height()), Qt::AlignHCenter, QString::number(qRound(x)));
        const double yv = r.yMin + (r.yMax - r.yMin) * i / 5;
        const double sy = plot.bottom() - plot.height() * i / 5;
        p.drawLine(QPointF(plot.left() - 4, sy), QPointF(plot.left(), sy));
        const QString text = m_log ? QStringLiteral("1E%1").arg(yv, 0, 'f', 1) : QString::number(yv, 'g', 4);
        p.drawText(QRectF(area.left(), sy - fm.height() / 2, plot.left() - area.left() - 6, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, text);
    }
    p.drawText(QRectF(plot.left(), plot.bottom() + fm.height() * 1.5, plot.width(), fm.height()), Qt::AlignHCenter,
               QStringLiteral("Reading position"));
    p.save();
    p.translate(area.left() + fm.height() * 0.2, plot.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-plot.height() / 2, 0, plot.height(), fm.height()), Qt::AlignHCenter, m_yLabel);
    p.restore();
    // One line per set, with its name in the legend on the right.
    double legendY = plot.top();
    for (const PlotModel::Series& s : m_series) {
        const QColor c = seriesColour(s.set);
        p.setPen(QPen(c, 1.6));
        QPainterPath path;
        for (int i = 0; i < s.points.size(); ++i) {
            const QPointF pt(px(s.points[i].x()), py(s.points[i].y()));
            if (i == 0) path.moveTo(pt);
            else path.lineTo(pt);
            p.drawEllipse(pt, 1.8, 1.8);
        }
        p.drawPath(path);
        p.drawLine(QPointF(plot.right() + 6, legendY + fm.height() / 2), QPointF(plot.right() + 20, legendY + fm.height() / 2));
        p.setPen(Qt::black);
        p.drawText(QPointF(plot.right() + 24, legendY + fm.ascent()), QStringLiteral("Set %1").arg(s.set));
        legendY += fm.height() * 1.2;
    }
    p.restore();
}

PlotWindow::PlotWindow(Recordset& rs, const SessionState& vars, FileDialog& dialog, PrintDialog& printing,
                       QWidget* parent)
    : QWidget(parent), m_rs(rs), m_vars(vars), m_dialog(dialog), m_printing(printing) {
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

void PlotWindow::redraw() {
    const bool log = LogScale->isChecked();
    Canvas->setData(PlotModel::build(m_rs, chosenSets(), log), log, PlotModel::yLabel(m_vars.UnitsCode, log));
}

bool PlotWindow::saveImage(const QString& path, QSize size) const {
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
    m_dialog.Filter = QStringLiteral("PNG Images (*.png)|*.png|SVG Drawings (*.svg)|*.svg");
    m_dialog.FilterIndex = 1;
    if (!m_dialog.ShowSave()) return;
    QString path = m_dialog.FileName;
    if (QFileInfo(path).suffix().isEmpty()) path += m_dialog.FilterIndex == 2 ? QStringLiteral(".svg") : QStringLiteral(".png");
    saveImage(path);
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
