// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QList>
#include <QPointF>
#include <QString>

class ReadingsStore;

/** @brief The profile plot's data: the readings of the chosen sets against reading position.
 *  Cleared cells ("0.000000") and cells that are not numbers are left out; with the log scale,
 *  readings at or below zero too. No widget. */
class PlotModel {
public:
    struct Series {
        int set = 0;
        QList<QPointF> points;  ///< x: reading position, y: reading
    };
    struct Range {
        double xMin = 1, xMax = 128, yMin = 0, yMax = 1;
    };

    /** @brief Sets that hold at least one reading. */
    static QList<int> setsWithReadings(const ReadingsStore& store);
    /** @brief One series per chosen set, in the order given. */
    static QList<Series> build(const ReadingsStore& store, const QList<int>& sets, bool logScale);
    /** @brief The axes' range for @p series (log10 of the readings with the log scale). */
    static Range range(const QList<Series>& series, bool logScale);
    struct Tick {
        double value = 0;  ///< on the axis (log10 of the reading with the log scale)
        QString label;
    };
    /** @brief Round ticks from below @p min to above @p max: steps of 1, 2 or 5 times a power of
     *  ten (at most @p most ticks); with the log scale, every decade ("1E-6", "1E-5", ...), or 1, 2
     *  and 5 times each decade when less than one is shown ("5E-6", "1E-5", "2E-5"). The
     *  first and last ticks are the axis's ends. */
    static QList<Tick> ticks(double min, double max, bool logScale, int most = 8);
    /** @brief A units code for sets downloaded in different units. */
    static constexpr int kMixedUnits = -1;
    /** @brief The y axis label: "Susceptibility (SI)", "(CGS)" or "(SI and CGS)" for kMixedUnits,
     *  with the log scale noted. */
    static QString yLabel(int unitsCode, bool logScale);
};
