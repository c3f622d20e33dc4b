// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>
#include <QImage>

#include "core/plot/PlotModel.h"
#include "gui/plot/ChartView.h"

class QCategoryAxis;
class QLineSeries;
class QScatterSeries;

/** @brief The colour of set @p set (1..30): ten hues in three strengths, so no two sets look
 *  alike; lighter strengths on a @p dark background. */
QColor seriesColour(int set, bool dark = false);

/** @brief The set profiles: the readings of each chosen set against reading position, one line a
 *  set, with round ticks (decades on the log scale). A rubber band or the + key zooms in;
 *  resetZoom() (Esc) goes back to the whole of the data. */
class ProfileChart : public ChartView {
    Q_OBJECT
public:
    /** @brief What the axes show: positions (or depths) as x, readings (log10 with the log
     *  scale) as y, whichever way the chart is turned. */
    struct View {
        double xMin = 0, xMax = 1, yMin = 0, yMax = 1;
        bool operator==(const View& o) const {
            return xMin == o.xMin && xMax == o.xMax && yMin == o.yMin && yMax == o.yMax;
        }
    };

    explicit ProfileChart(QWidget* parent = nullptr);

    /** @brief Shows @p series, x titled @p xLabel; with @p downwards, x runs down the left side
     *  (depth as a log is read) and the readings along the bottom. A zoom stays while the scale
     *  and the axes are unchanged (readings arriving during a download do not undo it). */
    void setData(QList<PlotModel::Series> series, bool logScale, QString yLabel,
                 QString xLabel = QStringLiteral("Reading position"), bool downwards = false);
    const QString& xLabel() const { return m_xLabel; }
    bool downwards() const { return m_down; }
    const QList<PlotModel::Series>& series() const { return m_series; }
    const QString& yLabel() const { return m_yLabel; }
    bool hasReadings() const;

    View view() const;
    /** @brief Shows @p view; a view other than the whole of the data counts as a zoom. */
    void setView(const View& view);
    /** @brief The whole of the data, from round tick to round tick. */
    const View& fullView() const { return m_full; }
    bool zoomed() const { return hasReadings() && !(view() == m_full); }
    void resetZoom();

    /** @brief The reading nearest @p viewPos ("Set 6, position 12: 0.00123"), or empty. */
    QString valueAt(const QPoint& viewPos) const override;
    /** @brief Where the reading at @p position of @p set is drawn, in view coordinates. */
    QPoint positionOf(int set, double position, double reading) const;

    /** @brief Draws the chart as it is shown (same sets, scale and zoom) into @p area, laid out
     *  as a chart of @p layoutSize scaled to fit. */
    void renderTo(QPainter& painter, const QRectF& area,
                  const QSizeF& layoutSize = QSizeF(1200, 800)) const override;

Q_SIGNALS:
    void zoomChanged(bool zoomed);

protected:
    /** @brief The view follows the palette; files and paper are always light. */
    void applyPalette(bool dark) override;
    void resizeEvent(QResizeEvent* event) override;
    /** @brief + and - zoom in and out about the middle, the arrow keys move the view, Esc and
     *  Home show all the readings again. */
    void keyPressEvent(QKeyEvent* event) override;

private:
    /** @brief The dot drawn at each reading on screen. */
    static QImage pointMark(const QColor& colour);
    void applyTicks();
    void showLegendIfItFits();
    /** @brief The axis of positions or depths, and the axis of readings. */
    QCategoryAxis* xAxis() const { return m_down ? m_y : m_x; }
    QCategoryAxis* yAxis() const { return m_down ? m_x : m_y; }
    /** @brief A point as drawn, from x (position or depth) and the reading as the axis has it. */
    QPointF drawn(double x, double y) const { return m_down ? QPointF(y, x) : QPointF(x, y); }
    QList<PlotModel::Series> m_series;
    QList<QLineSeries*> m_lines;
    QList<QScatterSeries*> m_marks;  ///< each set's flagged readings, off its line
    bool m_log = false;
    QString m_yLabel;
    QString m_xLabel;
    bool m_down = false;
    View m_full;
    QCategoryAxis* m_x;
    QCategoryAxis* m_y;
    bool m_settingView = false;
    bool m_wasZoomed = false;
    bool m_dark = false;
};
