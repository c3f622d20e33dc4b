// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QChartView>
#include <QTimer>

class LiveTrend;
class QDateTimeAxis;
class QGraphicsSimpleTextItem;
class QLineSeries;
class QValueAxis;

/** @brief The live trend: the values of the current run of continuous readings against the time
 *  they arrived. */
class TrendChart : public QChartView {
    Q_OBJECT
public:
    explicit TrendChart(const LiveTrend& trend, QWidget* parent = nullptr);
    void setYLabel(const QString& label);
    int pointCount() const;
    /** @brief The value nearest @p viewPos within a few pixels ("Live, 10:32:05: 123.4"), or
     *  empty. */
    QString valueAt(const QPoint& viewPos) const;
    /** @brief Where value @p index of the trend is drawn, in view coordinates. */
    QPoint positionOf(int index) const;

Q_SIGNALS:
    void valueHovered(const QString& text);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void reload();
    void fitAxes();
    void placeEmptyText();
    /** @brief Dark or light, as the palette's window colour is. */
    void followPalette();
    const LiveTrend& m_trend;
    QLineSeries* m_line;
    QDateTimeAxis* m_x;
    QValueAxis* m_y;
    QGraphicsSimpleTextItem* m_emptyText;
    QTimer m_pending;
};
