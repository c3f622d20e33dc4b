// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/panel/FittedLabel.h"

#include <QFontMetricsF>
#include <QPainter>

QFont FittedLabel::fittedFont() const {
    QFont f = font();
    const QRectF box = contentsRect();
    qreal size = f.pointSizeF();
    // Half a point at a time: a handful of steps for any value the meter can show.
    while (size > 4) {
        f.setPointSizeF(size);
        const QFontMetricsF fm(f);
        if (fm.horizontalAdvance(text()) <= box.width() && fm.height() <= box.height()) break;
        size -= 0.5;
    }
    return f;
}

void FittedLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setFont(fittedFont());
    p.setPen(palette().color(foregroundRole()));
    p.drawText(contentsRect(), static_cast<int>(alignment()), text());
}
