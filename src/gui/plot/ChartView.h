// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QChartView>

class QGraphicsSimpleTextItem;

/** @brief What the plot's charts share: a sentence in place of an empty chart, the value under
 *  the mouse, and colours that follow the palette (dark on a dark desktop theme). */
class ChartView : public QChartView {
    Q_OBJECT
public:
    /** @brief @p emptyText is shown while showEmptyText(true). */
    ChartView(const QString& emptyText, QWidget* parent);
    /** @brief What is drawn nearest @p viewPos, within kNearPixels; empty when nothing is. */
    virtual QString valueAt(const QPoint& viewPos) const = 0;
    static constexpr double kNearPixels = 12;
    /** @brief Whether @p widget's palette is a dark one. */
    static bool darkPalette(const QWidget& widget);
    /** @brief Draws the chart as it is shown into @p area of a page or image, light whatever the
     *  desktop's theme, laid out as a chart of @p layoutSize scaled to fit. */
    virtual void renderTo(QPainter& painter, const QRectF& area,
                          const QSizeF& layoutSize = QSizeF(1200, 800)) const = 0;

Q_SIGNALS:
    /** @brief The mouse moved: what valueAt() gives for where it is now. */
    void valueHovered(const QString& text);

protected:
    /** @brief Where @p value of @p series is drawn, in view coordinates. */
    QPoint viewPoint(const QPointF& value, QAbstractSeries* series) const;
    /** @brief Whether @p at is within kNearPixels of @p viewPos and nearer than @p best (a
     *  squared distance), which it then becomes. */
    static bool nearer(const QPoint& at, const QPoint& viewPos, double* best);
    /** @brief Applies the dark or light theme; called at the start and when the palette changes. */
    virtual void applyPalette(bool dark) = 0;
    void showEmptyText(bool shown);
    /** @brief Centres the empty chart's sentence on the plot area. */
    void placeEmptyText();
    /** @brief Sets the chart's theme and colours the sentence as the axes' labels are. */
    void setTheme(bool dark);
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QGraphicsSimpleTextItem* m_emptyText;
};
