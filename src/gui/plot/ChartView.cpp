// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/plot/ChartView.h"

#include <QAbstractAxis>
#include <QAbstractSeries>
#include <QEvent>
#include <QGraphicsSimpleTextItem>
#include <QMouseEvent>

ChartView::ChartView(const QString& emptyText, QWidget* parent)
    : QChartView(parent), m_emptyText(new QGraphicsSimpleTextItem(emptyText, chart())) {
    setRenderHint(QPainter::Antialiasing);
    chart()->setMargins(QMargins(4, 4, 4, 4));
}

bool ChartView::darkPalette(const QWidget& widget) {
    return widget.palette().color(QPalette::Window).lightness() < 128;
}

QPoint ChartView::viewPoint(const QPointF& value, QAbstractSeries* series) const {
    return mapFromScene(chart()->mapToScene(chart()->mapToPosition(value, series)));
}

bool ChartView::nearer(const QPoint& at, const QPoint& viewPos, double* best) {
    const double dx = at.x() - viewPos.x(), dy = at.y() - viewPos.y();
    if (dx * dx + dy * dy > *best) return false;
    *best = dx * dx + dy * dy;
    return true;
}

void ChartView::showEmptyText(bool shown) {
    m_emptyText->setVisible(shown);
    // A screen reader says what the empty chart says on the screen.
    setAccessibleDescription(shown ? m_emptyText->text() : QString());
    placeEmptyText();
}

void ChartView::placeEmptyText() {
    const QRectF area = chart()->plotArea().isEmpty() ? chart()->rect() : chart()->plotArea();
    m_emptyText->setPos(area.center() - m_emptyText->boundingRect().center());
}

void ChartView::setTheme(bool dark) {
    const QChart::ChartTheme theme = dark ? QChart::ChartThemeDark : QChart::ChartThemeLight;
    if (chart()->theme() != theme) chart()->setTheme(theme);
    const QList<QAbstractAxis*> axes = chart()->axes();
    m_emptyText->setBrush(axes.isEmpty() ? QBrush(dark ? Qt::white : Qt::black)
                                         : axes.first()->labelsBrush());
}

void ChartView::mouseMoveEvent(QMouseEvent* event) {
    QChartView::mouseMoveEvent(event);
    Q_EMIT valueHovered(valueAt(event->position().toPoint()));
}

void ChartView::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    placeEmptyText();
}

void ChartView::changeEvent(QEvent* event) {
    QChartView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) applyPalette(darkPalette(*this));
}
