// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QTimer>

#include "gui/plot/ChartView.h"

class LiveTrend;
class QDateTimeAxis;
class QLineSeries;
class QValueAxis;

/** @brief The live trend: the values of the current run of continuous readings against the time
 *  they arrived. */
class TrendChart : public ChartView {
    Q_OBJECT
public:
    explicit TrendChart(const LiveTrend& trend, QWidget* parent = nullptr);
    void setYLabel(const QString& label);
    /** @brief The value nearest @p viewPos ("Live, 10:32:05: 123.4"), or empty. */
    QString valueAt(const QPoint& viewPos) const override;
    /** @brief Where value @p index of the trend is drawn, in view coordinates. */
    QPoint positionOf(int index) const;
    void renderTo(QPainter& painter, const QRectF& area,
                  const QSizeF& layoutSize = QSizeF(1200, 800)) const override;

protected:
    void applyPalette(bool dark) override;

private:
    void reload();
    void fitAxes();
    const LiveTrend& m_trend;
    QLineSeries* m_line;
    QDateTimeAxis* m_x;
    QValueAxis* m_y;
    QTimer m_pending;
};
