// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/plot/TrendChart.h"

#include <QDateTimeAxis>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>

#include "core/plot/LiveTrend.h"

namespace {
constexpr qint64 kShortestSpanMs = 10'000;
}  // namespace

TrendChart::TrendChart(const LiveTrend& trend, QWidget* parent)
    : ChartView(tr("No continuous readings yet"), parent),
      m_trend(trend),
      m_line(new QLineSeries),
      m_x(new QDateTimeAxis),
      m_y(new QValueAxis) {
    setObjectName(QStringLiteral("TrendChart"));
    setMinimumSize(320, 170);
    QChart* c = chart();
    c->legend()->setVisible(false);
    m_line->setName(tr("Live"));
    m_line->setPointsVisible(true);
    m_line->setMarkerSize(4);
    c->addSeries(m_line);
    m_x->setFormat(QStringLiteral("hh:mm:ss"));
    m_x->setTitleText(tr("Time of continuous reading"));
    m_x->setTickCount(5);
    c->addAxis(m_x, Qt::AlignBottom);
    c->addAxis(m_y, Qt::AlignLeft);
    m_line->attachAxis(m_x);
    m_line->attachAxis(m_y);
    // Values arriving together are drawn together.
    m_pending.setSingleShot(true);
    m_pending.setInterval(100);
    connect(&m_pending, &QTimer::timeout, this, &TrendChart::reload);
    connect(&m_trend, &LiveTrend::added, this, [this] {
        if (!m_pending.isActive()) m_pending.start();
    });
    connect(&m_trend, &LiveTrend::restarted, this, &TrendChart::reload);
    reload();
    applyPalette(darkPalette(*this));
}

void TrendChart::applyPalette(bool dark) {
    setTheme(dark);
    m_line->setPen(QPen(dark ? QColor(90, 170, 240) : QColor(20, 110, 190), 1.6));
}

void TrendChart::setYLabel(const QString& label) { m_y->setTitleText(label); }

void TrendChart::renderTo(QPainter& painter, const QRectF& area, const QSizeF& layoutSize) const {
    // A chart of its own, laid out at a size where fonts and lines keep their proportions.
    TrendChart copy(m_trend);
    copy.applyPalette(false);
    copy.setAttribute(Qt::WA_DontShowOnScreen);
    copy.setYLabel(m_y->titleText());
    copy.resize(layoutSize.toSize());
    copy.chart()->resize(layoutSize);
    copy.chart()->layout()->activate();
    copy.placeEmptyText();
    copy.scene()->setSceneRect(QRectF(QPointF(0, 0), layoutSize));
    copy.scene()->render(&painter, area, QRectF(QPointF(0, 0), layoutSize), Qt::KeepAspectRatio);
}

void TrendChart::reload() {
    m_pending.stop();
    QList<QPointF> points;
    points.reserve(m_trend.values().size());
    for (const LiveTrend::Value& v : m_trend.values())
        points.append(QPointF(static_cast<double>(v.time.toMSecsSinceEpoch()), v.value));
    m_line->replace(points);
    fitAxes();
}

void TrendChart::fitAxes() {
    const QList<LiveTrend::Value>& values = m_trend.values();
    const bool any = !values.isEmpty();
    m_x->setVisible(any);
    m_y->setVisible(any);
    showEmptyText(!any);
    if (!any) return;
    const QDateTime first = values.constFirst().time;
    QDateTime last = values.constLast().time;
    if (first.msecsTo(last) < kShortestSpanMs) last = first.addMSecs(kShortestSpanMs);
    m_x->setRange(first, last);
    const auto [low, high] =
        std::minmax_element(values.cbegin(), values.cend(),
                            [](const auto& a, const auto& b) { return a.value < b.value; });
    double min = low->value, max = high->value;
    if (max - min < 1e-12) {
        min -= std::abs(min) * 0.1 + 1e-6;
        max += std::abs(max) * 0.1 + 1e-6;
    }
    m_y->setRange(min, max);
    m_y->applyNiceNumbers();
}

QPoint TrendChart::positionOf(int index) const { return viewPoint(m_line->at(index), m_line); }

QString TrendChart::valueAt(const QPoint& viewPos) const {
    double best = kNearPixels * kNearPixels;
    QString text;
    const QList<LiveTrend::Value>& values = m_trend.values();
    for (int i = 0; i < values.size() && i < m_line->count(); ++i) {
        if (!nearer(positionOf(i), viewPos, &best)) continue;
        text = tr("Live, %1: %2")
                   .arg(values[i].time.toString(QStringLiteral("hh:mm:ss")),
                        QString::number(values[i].value, 'g', 6));
    }
    return text;
}
