// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

/** @brief How one live value is shown: digits, exponent, full-scale text and bar fraction. */
struct LiveScale {
    char scaleCase = 'D';    ///< 'A'..'D'
    double scaled = 0.0;     ///< the value times its power of ten
    QString exponentText;    ///< "-6", "-5" or "-4": digits times ten to it are the value
    bool overRange = false;  ///< above the last row: the bar is full, at the last row's scale
    QString fullScaleText;   ///< text of the row the value falls in (the top row when over)
    double divisor = 0.0;    ///< divisor of that row
};

/** @brief Picks case, scaled value, exponent and full-scale row for value @p v with units code
 *  @p unitsCode. */
LiveScale scaleLiveValue(double v, int unitsCode);

/** @brief A number in the general format: up to 15 significant digits, no trailing zeros, no
 *  thousands separators ("123" for 0.00123 scaled by 100,000). */
QString formatGeneral(double v);

/** @brief Bar length in twips: width times fraction, rounded to nearest with halves to even. */
long barLength(double width, double fraction);

/** @brief What the display shows for each value: digits, exponent, full scale and bar. */
class LiveDisplay {
public:
    struct Shown {
        QString digits;          ///< Label1
        QString exponent;        ///< Label6
        QString fullScale;       ///< Label3
        double fraction = 0;     ///< BarFraction, 0..1
        bool overRange = false;  ///< the value is above the full scale: the bar is full
    };
    /** @brief Scales @p v and returns what the display shows next. */
    Shown show(double v, int unitsCode);
    double BarFraction() const { return m_fraction; }

private:
    double m_fraction = 0.0;
};
