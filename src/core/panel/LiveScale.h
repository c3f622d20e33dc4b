// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

/** @brief How one live value is shown: digits, exponent, full-scale text and bar fraction. */
struct LiveScale {
    char scaleCase = 'D';   ///< 'A'..'D'
    double scaled = 0.0;    ///< the value times its power of ten
    QString exponentText;   ///< "-6", "-5", "-4" or "-3"
    bool matched = false;   ///< a full-scale row matched; else label and fraction stay
    QString fullScaleText;  ///< text of the matched row
    double divisor = 0.0;   ///< divisor of the matched row
};

/** @brief Picks case, scaled value, exponent and full-scale row for value @p v with units code
 *  @p unitsCode. */
LiveScale scaleLiveValue(double v, int unitsCode);

/** @brief A number in the general format: up to 15 significant digits, no trailing zeros, no
 *  thousands separators ("123" for 0.00123 scaled by 100,000). */
QString formatGeneral(double v);

/** @brief Bar length in twips: width times fraction, rounded to nearest with halves to even. */
long barLength(double width, double fraction);

/** @brief The bar's state between values: the last fraction survives an unmatched value. */
class LiveDisplay {
public:
    struct Shown {
        QString digits;       ///< Label1
        QString exponent;     ///< Label6
        QString fullScale;    ///< Label3
        double fraction = 0;  ///< BarFraction
    };
    /** @brief Scales @p v and returns what the display shows next. */
    Shown show(double v, int unitsCode);
    double BarFraction() const { return m_fraction; }

private:
    double m_fraction = 0.0;
    QString m_fullScale = QStringLiteral("300");
};
