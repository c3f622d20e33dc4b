// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/plot/PlotWindow.h"

#include <QBuffer>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMenu>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSplitter>
#include <QSvgGenerator>
#include <QVBoxLayout>
#include <algorithm>

#include "core/common/Messages.h"
#include "core/files/FileCommands.h"
#include "core/meter/MeterFacts.h"
#include "core/plot/LiveTrend.h"
#include "core/store/ReadingsStore.h"
#include "gui/dialogs/FileDialog.h"
#include "gui/dialogs/MessageBox.h"
#include "gui/plot/ProfileChart.h"
#include "gui/plot/TrendChart.h"
#include "gui/printing/PrintCommand.h"

PlotWindow::PlotWindow(const ReadingsStore& store, const SessionState& vars, const LiveTrend& trend,
                       FileDialog& dialog, PrintDialog& printing, MessageBox& messages,
                       QWidget* parent)
    : QWidget(parent),
      m_store(store),
      m_vars(vars),
      m_liveTrend(trend),
      m_dialog(dialog),
      m_printing(printing),
      m_messages(messages) {
    setObjectName(QStringLiteral("frmPlot"));
    setWindowTitle(tr("Plot"));
    m_setList = new QListWidget(this);
    m_setList->setObjectName(QStringLiteral("SetList"));
    m_setList->setMaximumWidth(110);
    for (int s = 1; s <= Meter::kSets; ++s) {
        auto* item = new QListWidgetItem(tr("Set %1").arg(s), m_setList);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    showSetColours();
    // All, None, and Only this (a set's context menu, or a double click): one step for what
    // took thirty ticks.
    auto* allSets = new QPushButton(tr("&All"), this);
    allSets->setObjectName(QStringLiteral("AllSetsButton"));
    allSets->setToolTip(tr("Show every set that holds readings"));
    auto* noSets = new QPushButton(tr("N&one"), this);
    noSets->setObjectName(QStringLiteral("NoSetsButton"));
    noSets->setToolTip(tr("Show no set; double-click a set to show only that one"));
    connect(allSets, &QPushButton::clicked, this,
            [this] { chooseSets(PlotModel::setsWithReadings(m_store)); });
    connect(noSets, &QPushButton::clicked, this, [this] { chooseSets({}); });
    connect(m_setList, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { chooseSets({m_setList->row(item) + 1}); });
    m_setList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_setList, &QListWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QListWidgetItem* item = m_setList->itemAt(at);
        if (!item) return;
        const int set = m_setList->row(item) + 1;
        QMenu menu(this);
        menu.addAction(tr("Only Set %1").arg(set), this, [this, set] { chooseSets({set}); });
        menu.addAction(tr("All Sets"), this,
                       [this] { chooseSets(PlotModel::setsWithReadings(m_store)); });
        menu.addAction(tr("No Set"), this, [this] { chooseSets({}); });
        menu.exec(m_setList->viewport()->mapToGlobal(at));
    });
    m_logScale = new QCheckBox(tr("&Log scale"), this);
    m_logScale->setObjectName(QStringLiteral("LogScale"));
    m_units = new QComboBox(this);
    m_units->setObjectName(QStringLiteral("UnitsChoice"));
    m_units->addItems({QStringLiteral("SI"), QStringLiteral("CGS")});
    m_units->setToolTip(
        tr("The units the profiles are drawn in; sets measured in the other units are converted "
           "(k in SI = 4 pi times k in CGS)"));
    m_units->setAccessibleName(tr("Units"));
    auto* unitsLabel = new QLabel(tr("&Units:"), this);
    unitsLabel->setBuddy(m_units);
    m_depthDown = new QCheckBox(tr("&Depth downwards"), this);
    m_depthDown->setObjectName(QStringLiteral("DepthDown"));
    m_depthDown->setToolTip(
        tr("Sets with a depth and a spacing (Set Details) are drawn against depth; this turns the "
           "plot so depth runs down the page, as a log is read"));
    m_saveButton = new QPushButton(tr("&Save Image..."), this);
    m_saveButton->setObjectName(QStringLiteral("SaveButton"));
    m_saveTrendButton = new QPushButton(tr("Save &Trend..."), this);
    m_saveTrendButton->setObjectName(QStringLiteral("SaveTrendButton"));
    m_saveTrendButton->setToolTip(
        tr("The live trend as CSV (time, value) or as an image (PNG, SVG, PDF)"));
    m_printButton = new QPushButton(tr("&Print..."), this);
    m_printButton->setObjectName(QStringLiteral("PrintButton"));
    m_resetZoomButton = new QPushButton(tr("&Reset Zoom"), this);
    m_resetZoomButton->setObjectName(QStringLiteral("ResetZoomButton"));
    m_resetZoomButton->setToolTip(tr(
        "Show all the readings again (Esc on the plot). Drag a rectangle on the plot, or press + "
        "and -, to zoom; the arrow keys move the view"));
    m_resetZoomButton->setEnabled(false);
    m_valueLabel = new QLabel(this);
    m_valueLabel->setObjectName(QStringLiteral("ValueLabel"));
    m_valueLabel->setText(QStringLiteral(" "));
    m_profiles = new ProfileChart(this);
    m_trend = new TrendChart(trend, this);
    // Named in words for a screen reader, as every list and chart of the program is.
    m_setList->setAccessibleName(tr("Sets drawn on the plot"));
    m_profiles->setAccessibleName(tr("Profiles of the chosen sets"));
    m_trend->setAccessibleName(tr("Live trend of the last readings"));
    m_valueLabel->setAccessibleName(tr("Reading under the mouse"));
    auto* side = new QVBoxLayout;
    side->addWidget(m_setList, 1);
    auto* allOrNone = new QHBoxLayout;
    allOrNone->addWidget(allSets);
    allOrNone->addWidget(noSets);
    side->addLayout(allOrNone);
    side->addWidget(m_logScale);
    auto* unitsRow = new QHBoxLayout;
    unitsRow->addWidget(unitsLabel);
    unitsRow->addWidget(m_units, 1);
    side->addLayout(unitsRow);
    side->addWidget(m_depthDown);
    side->addWidget(m_resetZoomButton);
    side->addWidget(m_saveButton);
    side->addWidget(m_saveTrendButton);
    side->addWidget(m_printButton);
    auto* charts = new QSplitter(Qt::Vertical, this);
    charts->setObjectName(QStringLiteral("PlotSplitter"));
    charts->addWidget(m_profiles);
    charts->addWidget(m_trend);
    charts->setStretchFactor(0, 2);
    charts->setStretchFactor(1, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(charts, 1);
    right->addWidget(m_valueLabel);
    auto* lay = new QHBoxLayout(this);
    lay->addLayout(side);
    lay->addLayout(right, 1);
    resize(820, 620);

    m_pending.setSingleShot(true);
    m_pending.setInterval(150);
    connect(&m_pending, &QTimer::timeout, this, &PlotWindow::refresh);
    connect(&m_store, &ReadingsStore::cellsChanged, this, [this] { m_pending.start(); });
    connect(&m_store, &ReadingsStore::reloaded, this, [this] { m_pending.start(); });
    connect(m_setList, &QListWidget::itemChanged, this, &PlotWindow::redraw);
    connect(m_logScale, &QCheckBox::toggled, this, &PlotWindow::redraw);
    connect(m_depthDown, &QCheckBox::toggled, this, &PlotWindow::redraw);
    connect(m_units, &QComboBox::activated, this, [this] {
        m_unitsChosen = true;
        redraw();
    });
    connect(&m_store, &ReadingsStore::detailsChanged, this, [this] { m_pending.start(); });
    connect(m_saveButton, &QPushButton::clicked, this, &PlotWindow::savePlot);
    connect(m_saveTrendButton, &QPushButton::clicked, this, &PlotWindow::saveTrendDialog);
    connect(m_printButton, &QPushButton::clicked, this, &PlotWindow::printPlot);
    connect(m_resetZoomButton, &QPushButton::clicked, m_profiles, &ProfileChart::resetZoom);
    connect(m_profiles, &ProfileChart::zoomChanged, m_resetZoomButton, &QPushButton::setEnabled);
    connect(m_profiles, &ProfileChart::valueHovered, this,
            [this](const QString& text) { m_valueLabel->setText(text); });
    connect(m_trend, &TrendChart::valueHovered, this,
            [this](const QString& text) { m_valueLabel->setText(text); });
    chooseSets(PlotModel::setsWithReadings(m_store));
}

void PlotWindow::showSetColours() {
    // Each set's line colour beside its name: the list doubles as a legend that scrolls.
    const bool dark = ChartView::darkPalette(*this);
    const QSignalBlocker block(m_setList);
    for (int s = 1; s <= Meter::kSets; ++s) {
        QPixmap swatch(12, 12);
        swatch.fill(seriesColour(s, dark));
        m_setList->item(s - 1)->setIcon(QIcon(swatch));
    }
}

void PlotWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) showSetColours();
}

void PlotWindow::restoreChoices(const QList<int>& sets, bool logScale) {
    // Sets holding readings now are not added on top of the choice.
    for (int s : PlotModel::setsWithReadings(m_store))
        m_setList->item(s - 1)->setData(Qt::UserRole, true);
    // The choice drawn already (the sets holding readings) is not drawn again.
    QList<int> kept = sets;
    std::sort(kept.begin(), kept.end());
    if (kept == chosenSets() && logScale == m_logScale->isChecked()) return;
    const QSignalBlocker block(m_logScale);
    m_logScale->setChecked(logScale);
    chooseSets(sets);
}

void PlotWindow::chooseSets(const QList<int>& sets) {
    const QSignalBlocker block(m_setList);
    for (int s = 1; s <= Meter::kSets; ++s)
        m_setList->item(s - 1)->setCheckState(sets.contains(s) ? Qt::Checked : Qt::Unchecked);
    redraw();
}

QList<int> PlotWindow::chosenSets() const {
    QList<int> out;
    for (int s = 1; s <= Meter::kSets; ++s)
        if (m_setList->item(s - 1)->checkState() == Qt::Checked) out.append(s);
    return out;
}

void PlotWindow::refresh() {
    // Sets that have just received readings join the plot.
    QList<int> sets = chosenSets();
    for (int s : PlotModel::setsWithReadings(m_store))
        if (!sets.contains(s) && m_setList->item(s - 1)->data(Qt::UserRole).toBool() == false) {
            sets.append(s);
            m_setList->item(s - 1)->setData(Qt::UserRole, true);
        }
    chooseSets(sets);
}

Meter::Units PlotWindow::drawnUnits() const {
    return m_units->currentIndex() == 1 ? Meter::Units::CGS : Meter::Units::SI;
}

bool PlotWindow::logScale() const { return m_logScale->isChecked(); }

void PlotWindow::redraw() {
    const bool log = m_logScale->isChecked();
    const QList<int> sets = chosenSets();
    // Sets whose units are not known (opened from a data file) are drawn as stored and named on
    // the axis; no set is labelled with units it was not measured in.
    QList<int> unknown;
    std::optional<Meter::Units> firstKnown;
    for (int set : sets) {
        if (m_store.readingCount(set) == 0) continue;
        const std::optional<Meter::Units> u = m_store.setUnits(set);
        if (!u)
            unknown.append(set);
        else if (!firstKnown)
            firstKnown = u;
    }
    if (!m_unitsChosen) {
        const Meter::Units units = firstKnown ? *firstKnown : m_vars.meter.units();
        m_units->setCurrentIndex(units == Meter::Units::CGS ? 1 : 0);
    }
    PlotModel::Drawing drawing;
    drawing.units = drawnUnits();
    drawing.byDepth = PlotModel::depthKnown(m_store, sets);
    m_depthDown->setEnabled(drawing.byDepth);
    m_profiles->setData(
        PlotModel::build(m_store, sets, log, drawing), log,
        PlotModel::yLabel(drawing.units, log, unknown, !firstKnown && !unknown.isEmpty()),
        drawing.byDepth ? tr("Depth (m)") : tr("Reading position"),
        drawing.byDepth && m_depthDown->isChecked());
    m_trend->setYLabel(PlotModel::yLabel(m_vars.meter.units(), false));
}

FileOutcome PlotWindow::saveImage(const QString& path, QSize size) const {
    return saveChart(*m_profiles, path, size);
}

FileOutcome PlotWindow::saveTrend(const QString& path, QSize size) const {
    if (!path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        return saveChart(*m_trend, path, size);
    QByteArray bytes = "time,value\r\n";
    for (const LiveTrend::Value& v : m_liveTrend.values())
        bytes += v.time.toUTC().toString(Qt::ISODateWithMs).toLatin1() + ',' +
                 QByteArray::number(v.value, 'g', 17) + "\r\n";
    return FileCommands::writeWhole(path, bytes);
}

FileOutcome PlotWindow::saveChart(const ChartView& chart, const QString& path, QSize size) {
    // Drawn in memory first, then written as any data file is: the old file is replaced only by
    // a whole new one, and a failure says why.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bool drawn = false;
    if (path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(1200);
        pdf.setPageOrientation(QPageLayout::Landscape);
        pdf.setTitle(QStringLiteral("Orvanta plot"));
        QPainter p;
        if (p.begin(&pdf)) {
            const QRectF page = pdf.pageLayout().paintRectPixels(pdf.resolution());
            chart.renderTo(p, page.translated(-page.topLeft()), size);
            drawn = p.end();
        }
    } else if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(QStringLiteral("Orvanta plot"));
        QPainter p;
        if (p.begin(&svg)) {
            chart.renderTo(p, QRectF(QPointF(0, 0), size), size);
            drawn = p.end();
        }
    } else {
        QImage img(size, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        chart.renderTo(p, QRectF(QPointF(0, 0), size), size);
        p.end();
        drawn = img.save(&buffer, "PNG");
    }
    if (!drawn || bytes.isEmpty())
        return FileOutcome::failed(FileFailure::NotWritten, path,
                                   Reason::said(tr("the plot could not be drawn")));
    ;
    return FileCommands::writeWhole(path, bytes);
}

namespace {
// A name typed without an extension takes the chosen type's: the type decides the format.
QString withSuffix(const FileDialog::Choice& chosen, const QStringList& filters) {
    if (!QFileInfo(chosen.path).suffix().isEmpty()) return chosen.path;
    const QString ext = FileDialog::suffixOf(filters.value(chosen.filter, filters.first()));
    return chosen.path + QLatin1Char('.') + ext;
}
}  // namespace

void PlotWindow::savePlot() {
    const QStringList filters{tr("PNG Images (*.png)"), tr("SVG Drawings (*.svg)"),
                              tr("PDF Documents (*.pdf)")};
    const auto chosen = m_dialog.choose(
        {FileDialog::Mode::Save, tr("Save Plot"), filters, QStringLiteral("plot.png"), {}});
    if (!chosen) return;
    const QString path = withSuffix(*chosen, filters);
    // A plot that was not written is never passed over in silence.
    const FileOutcome saved = saveImage(path);
    if (!saved.ok()) m_messages.tell(Msg::forFile(saved));
}

void PlotWindow::saveTrendDialog() {
    const QStringList filters{tr("CSV Files (*.csv)"), tr("PNG Images (*.png)"),
                              tr("SVG Drawings (*.svg)"), tr("PDF Documents (*.pdf)")};
    const auto chosen = m_dialog.choose(
        {FileDialog::Mode::Save, tr("Save Live Trend"), filters, QStringLiteral("trend.csv"), {}});
    if (!chosen) return;
    const QString path = withSuffix(*chosen, filters);
    const FileOutcome saved = saveTrend(path);
    if (!saved.ok()) m_messages.tell(Msg::forFile(saved));
}

void PlotWindow::printPlot() {
    if (!m_printing.ShowPrinter(tr("Print Plot"))) return;
    QPrinter& printer = m_printing.printer();
    const QString why = printWhole(printer, [&] {
        QPainter p;
        if (!p.begin(&printer)) return tr("the printer could not be started");
        const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
        m_profiles->renderTo(p, page.translated(-page.topLeft()));
        return p.end() ? QString() : tr("the printer did not take the document");
    });
    if (!why.isEmpty()) m_messages.tell(Msg::PlotNotPrinted.arg(why));
}
