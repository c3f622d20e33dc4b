// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

/** @brief What one line of a set's download stands for. The meter writes every reading of a set
 *  as a decimal fraction with its decimal point ("0.001230", "-0.25", ".5"), never with an
 *  exponent, and never larger in size than its display reaches. A line that breaks these rules
 *  is a line fault, not a reading:
 *
 *  - Two or more readings run together (a line feed lost on the line): several decimal points,
 *    and the text splits exactly into the meter's six-decimal values ("0.0012300.004560"). The
 *    line takes as many positions as it holds values, all unreadable, so the readings after it
 *    stay at the positions the meter gave them.
 *  - A value without its decimal point ("0395065": the point lost on the line), with an
 *    exponent, or of kLargestMagnitude or more: unreadable at its one position.
 *  - A line of digits, points and signs too long for one value (13 digits or more, or 12 and
 *    two points: a point and a line feed both lost) holds as many values as its digits make
 *    at seven a value (the meter's "0.001230"), all unreadable, for the same reason.
 *  - Anything else that is not a number: unreadable at its one position.
 *
 *  A single number the meter would not send so (four, five, seven or more decimals, a doubled
 *  leading zero) is a reading all the same, kept as its text, with formFault saying why it is
 *  suspect: a byte lost or doubled on the line turns 0.361707 into 0.36177 or 0.000970 into
 *  0.0000970. A short value of three decimals or fewer ("1.5") is taken as it is: no one or two
 *  line faults make one of the meter's six-decimal values, and hand-made streams use them. */
struct DownloadValue {
    /** @brief Readings are below this in size. The panel's widest range, 3,000,000 digits at
     *  10,000 digits a unit, ends at 300; a thousand is beyond every range in either units. */
    static constexpr double kLargestMagnitude = 1000.0;
    /** @brief Decimals the meter writes after the point when it sends a set. */
    static constexpr int kMeterDecimals = 6;

    int positions = 1;  ///< positions the line takes in its set
    bool readable = false;
    QString text;  ///< the reading as stored, when readable
    /** @brief Why a readable value is not in the meter's form, in the program's language (the
     *  flag it is stored with); empty when it is. */
    QString formFault;

    /** @brief The line @p received (without its line feed) taken apart by these rules. */
    static DownloadValue of(const QString& received);
};
