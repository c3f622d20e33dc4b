// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/plot/ProfileChart.h"

#include <QCategoryAxis>
#include <QGraphicsLayout>
#include <QKeyEvent>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QPainter>
#include <QScatterSeries>
#include <cmath>

#include "core/meter/MeterFacts.h"

namespace {
void setTicks(QCategoryAxis* axis, double min, double max, bool logScale, int most) {
    for (const QString& label : axis->categoriesLabels()) axis->remove(label);
    axis->setStartValue(min);
    const double slack = (max - min) * 1e-9;
    for (const PlotModel::Tick& t : PlotModel::ticks(min, max, logScale, most))
        if (t.value >= min - slack && t.value <= max + slack) {
            // The user's decimal separator: "0,002" in German, as every figure the program
            // works out (a reading's own text stays as the meter sent it).
            QString label = t.label;
            label.replace(QLatin1Char('.'), QLocale().decimalPoint());
            axis->append(label, t.value);
        }
}

}  // namespace

QColor seriesColour(int set, bool dark) {
    const int i = qBound(1, set, Meter::kSets) - 1;
    static const int kValue[] = {215, 150, 95};
    static const int kValueOnDark[] = {255, 200, 150};
    static const int kSaturation[] = {230, 255, 200};
    return QColor::fromHsv((i % 10) * 36, kSaturation[i / 10],
                           dark ? kValueOnDark[i / 10] : kValue[i / 10]);
}

ProfileChart::ProfileChart(QWidget* parent)
    : ChartView(tr("No readings to plot"), parent), m_x(new QCategoryAxis), m_y(new QCategoryAxis) {
    setObjectName(QStringLiteral("ProfileChart"));
    setMinimumSize(320, 240);
    setRubberBand(QChartView::RectangleRubberBand);
    setFocusPolicy(Qt::StrongFocus);
    QChart* c = chart();
    c->legend()->setAlignment(Qt::AlignRight);
    for (QCategoryAxis* axis : {m_x, m_y}) {
        axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        axis->setGridLineVisible(true);
    }
    c->addAxis(m_x, Qt::AlignBottom);
    c->addAxis(m_y, Qt::AlignLeft);
    // A zoom (the rubber band, or the view's right click back out) gets round ticks of its own.
    connect(m_x, &QCategoryAxis::rangeChanged, this, [this] { applyTicks(); });
    connect(m_y, &QCategoryAxis::rangeChanged, this, [this] { applyTicks(); });
    setData({}, false, QString());
    applyPalette(darkPalette(*this));
}

QImage ProfileChart::pointMark(const QColor& colour) {
    QImage dot(4, 4, QImage::Format_ARGB32_Premultiplied);
    dot.fill(Qt::transparent);
    QPainter painter(&dot);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(0, 0, 4, 4));
    return dot;
}

void ProfileChart::applyPalette(bool dark) {
    m_dark = dark;
    setTheme(dark);
    // A theme brings line colours of its own: each set keeps its colour.
    for (int i = 0; i < m_lines.size(); ++i) {
        m_lines[i]->setPen(QPen(seriesColour(m_series[i].set, dark), 1.6));
        m_lines[i]->setLightMarker(pointMark(seriesColour(m_series[i].set, dark)));
    }
    for (QScatterSeries* marks : m_marks) {
        marks->setBorderColor(seriesColour(marks->property("set").toInt(), dark));
        marks->setColor(Qt::transparent);
    }
}

bool ProfileChart::hasReadings() const {
    for (const PlotModel::Series& s : m_series)
        if (!s.points.isEmpty() || !s.flagged.isEmpty()) return true;
    return false;
}

void ProfileChart::setData(QList<PlotModel::Series> series, bool logScale, QString yLabel,
                           QString xLabel, bool downwards) {
    const bool keepZoom =
        zoomed() && logScale == m_log && xLabel == m_xLabel && downwards == m_down;
    const View shown = view();
    m_series = std::move(series);
    m_log = logScale;
    m_yLabel = std::move(yLabel);
    m_xLabel = std::move(xLabel);
    m_down = downwards;
    m_x->setReverse(false);
    m_y->setReverse(m_down);
    QChart* c = chart();
    // The same sets as shown (readings arriving during a download): their lines take the new
    // points; other sets: new lines.
    bool sameSets = m_lines.size() == m_series.size();
    for (int i = 0; sameSets && i < m_lines.size(); ++i)
        sameSets = m_lines[i]->name() == tr("Set %1").arg(m_series[i].set);
    if (!sameSets) {
        c->removeAllSeries();  // deletes them, the flagged marks too
        m_lines.clear();
        m_marks.clear();
        for (const PlotModel::Series& s : m_series) {
            auto* line = new QLineSeries;
            line->setName(tr("Set %1").arg(s.set));
            line->setPen(QPen(seriesColour(s.set, m_dark), 1.6));
            line->setPointsVisible(true);
            line->setMarkerSize(4);
            // A dot drawn once and copied to each point: thirty full sets drawn as shapes took
            // longer than a frame.
            line->setLightMarker(pointMark(seriesColour(s.set, m_dark)));
            c->addSeries(line);
            line->attachAxis(m_x);
            line->attachAxis(m_y);
            m_lines.append(line);
        }
    }
    for (int i = 0; i < m_series.size(); ++i) {
        QList<QPointF> points;
        points.reserve(m_series[i].points.size());
        for (const QPointF& p : m_series[i].points)
            points.append(drawn(p.x(), m_log ? std::log10(p.y()) : p.y()));
        if (points != m_lines[i]->points()) m_lines[i]->replace(points);
    }
    // Flagged readings: hollow diamonds in the set's colour, apart from its line. Few, so made
    // afresh each time.
    for (QScatterSeries* marks : m_marks) c->removeSeries(marks);
    qDeleteAll(m_marks);
    m_marks.clear();
    for (const PlotModel::Series& s : m_series) {
        if (s.flagged.isEmpty()) continue;
        auto* marks = new QScatterSeries;
        marks->setName(tr("Set %1, flagged").arg(s.set));
        marks->setProperty("set", s.set);
        marks->setMarkerShape(QScatterSeries::MarkerShapeRotatedRectangle);
        marks->setMarkerSize(10);
        marks->setBorderColor(seriesColour(s.set, m_dark));
        marks->setColor(Qt::transparent);
        for (const QPointF& p : s.flagged)
            marks->append(drawn(p.x(), m_log ? std::log10(p.y()) : p.y()));
        c->addSeries(marks);
        marks->attachAxis(m_x);
        marks->attachAxis(m_y);
        m_marks.append(marks);
    }
    // The legend names the sets drawn: a chosen set without readings has no entry.
    for (int i = 0; i < m_lines.size(); ++i)
        for (QLegendMarker* marker : c->legend()->markers(m_lines[i]))
            marker->setVisible(!m_series[i].points.isEmpty());
    const bool any = hasReadings();
    m_x->setVisible(any);
    m_y->setVisible(any);
    showLegendIfItFits();
    showEmptyText(!any);
    xAxis()->setTitleText(m_xLabel);
    yAxis()->setTitleText(m_yLabel);
    if (any) {
        const PlotModel::Range r = PlotModel::range(m_series, m_log);
        const QList<PlotModel::Tick> xTicks = PlotModel::ticks(r.xMin, r.xMax, false, 9);
        const QList<PlotModel::Tick> yTicks = PlotModel::ticks(r.yMin, r.yMax, m_log, 8);
        // The whole view runs from round tick to round tick.
        m_full = {xTicks.first().value, xTicks.last().value, yTicks.first().value,
                  yTicks.last().value};
    } else {
        m_full = View{};
    }
    setView(keepZoom ? shown : m_full);
}

ProfileChart::View ProfileChart::view() const {
    return {xAxis()->min(), xAxis()->max(), yAxis()->min(), yAxis()->max()};
}

void ProfileChart::setView(const View& v) {
    m_settingView = true;
    xAxis()->setRange(v.xMin, v.xMax);
    yAxis()->setRange(v.yMin, v.yMax);
    m_settingView = false;
    applyTicks();
}

void ProfileChart::resetZoom() {
    chart()->zoomReset();
    setView(m_full);
}

void ProfileChart::applyTicks() {
    if (m_settingView) return;
    setTicks(xAxis(), xAxis()->min(), xAxis()->max(), false, 9);
    setTicks(yAxis(), yAxis()->min(), yAxis()->max(), m_log, 8);
    const bool now = zoomed();
    if (now != m_wasZoomed) {
        m_wasZoomed = now;
        Q_EMIT zoomChanged(now);
    }
}

QPoint ProfileChart::positionOf(int set, double position, double reading) const {
    for (int i = 0; i < m_series.size(); ++i)
        if (m_series[i].set == set)
            return viewPoint(drawn(position, m_log ? std::log10(reading) : reading), m_lines[i]);
    return {};
}

QString ProfileChart::valueAt(const QPoint& viewPos) const {
    if (!hasReadings()) return {};
    const View v = view();
    double best = kNearPixels * kNearPixels;
    QString text;
    for (int i = 0; i < m_series.size(); ++i) {
        const QList<QPointF> drawn = m_lines[i]->points();  // as plotted: log10 with the log scale
        for (int k = 0; k < drawn.size(); ++k) {
            const QPointF& p = m_series[i].points[k];
            const double y = m_log ? std::log10(p.y()) : p.y();
            if (p.x() < v.xMin || p.x() > v.xMax || y < v.yMin || y > v.yMax) continue;
            if (!nearer(viewPoint(drawn[k], m_lines[i]), viewPos, &best)) continue;
            const int position = m_series[i].positions.value(k, static_cast<int>(p.x()));
            text = tr("Set %1, position %2: %3")
                       .arg(m_series[i].set)
                       .arg(position == p.x() ? QString::number(position)
                                              : QStringLiteral("%1 (%2 m)")
                                                    .arg(position)
                                                    .arg(QString::number(p.x(), 'g', 6)))
                       .arg(QString::number(p.y(), 'g', 6));
        }
    }
    for (QScatterSeries* marks : m_marks) {
        const int set = marks->property("set").toInt();
        const PlotModel::Series* series = nullptr;
        for (const PlotModel::Series& s : m_series)
            if (s.set == set) series = &s;
        if (!series) continue;
        const QList<QPointF> drawn = marks->points();
        for (int k = 0; k < drawn.size() && k < series->flagged.size(); ++k) {
            const QPointF& p = series->flagged[k];
            const double y = m_log ? std::log10(p.y()) : p.y();
            if (p.x() < v.xMin || p.x() > v.xMax || y < v.yMin || y > v.yMax) continue;
            if (!nearer(viewPoint(drawn[k], marks), viewPos, &best)) continue;
            text = tr("Set %1, position %2: %3, flagged: %4")
                       .arg(set)
                       .arg(series->flaggedPositions.value(k))
                       .arg(QString::number(p.y(), 'g', 6), series->flagReasons.value(k));
        }
    }
    return text;
}

void ProfileChart::keyPressEvent(QKeyEvent* event) {
    if (!hasReadings()) return ChartView::keyPressEvent(event);
    const QRectF area = chart()->plotArea();
    switch (event->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            chart()->zoomIn();
            break;
        case Qt::Key_Minus:
            chart()->zoomOut();
            break;
        case Qt::Key_Escape:
        case Qt::Key_Home:
            resetZoom();
            break;
        case Qt::Key_Left:
            chart()->scroll(-area.width() / 10, 0);
            break;
        case Qt::Key_Right:
            chart()->scroll(area.width() / 10, 0);
            break;
        case Qt::Key_Up:
            chart()->scroll(0, area.height() / 10);
            break;
        case Qt::Key_Down:
            chart()->scroll(0, -area.height() / 10);
            break;
        default:
            return ChartView::keyPressEvent(event);
    }
}

void ProfileChart::resizeEvent(QResizeEvent* event) {
    ChartView::resizeEvent(event);
    showLegendIfItFits();
    placeEmptyText();
}

void ProfileChart::showLegendIfItFits() {
    // The legend is one column; when the sets do not fit in it, the window's list of sets, with
    // each set's colour, is the legend.
    const QFontMetricsF metrics(chart()->legend()->font());
    int entries = 0;
    for (const PlotModel::Series& s : m_series) entries += s.points.isEmpty() ? 0 : 1;
    entries += static_cast<int>(m_marks.size());
    const double needed = static_cast<double>(entries) * (metrics.height() + 7) + 16;
    chart()->legend()->setVisible(hasReadings() && needed <= chart()->size().height());
}

void ProfileChart::renderTo(QPainter& painter, const QRectF& area, const QSizeF& layoutSize) const {
    // A chart of its own, laid out at a size where fonts and lines keep their proportions, then
    // scaled onto the page or image.
    ProfileChart copy;
    copy.applyPalette(false);
    copy.setAttribute(Qt::WA_DontShowOnScreen);
    copy.resize(layoutSize.toSize());
    copy.setData(m_series, m_log, m_yLabel, m_xLabel, m_down);
    // Files and paper take the points as shapes, sharp at any scale.
    for (QLineSeries* line : copy.m_lines) line->setLightMarker(QImage());
    copy.setView(view());
    copy.chart()->resize(layoutSize);
    copy.showLegendIfItFits();
    copy.chart()->layout()->activate();
    copy.placeEmptyText();
    copy.scene()->setSceneRect(QRectF(QPointF(0, 0), layoutSize));
    copy.scene()->render(&painter, area, QRectF(QPointF(0, 0), layoutSize), Qt::KeepAspectRatio);
}
