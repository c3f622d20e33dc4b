// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLabel>

/** @brief A label that keeps its box and draws its text in the largest size of its font, up to
 *  the size it was given, at which the whole text fits: a long value never loses digits. */
class FittedLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    /** @brief The font the text is drawn in now. */
    QFont fittedFont() const;

protected:
    void paintEvent(QPaintEvent* e) override;
};
