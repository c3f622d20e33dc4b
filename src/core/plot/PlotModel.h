// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QCoreApplication>
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <optional>

#include "core/meter/MeterFacts.h"

class ReadingsStore;

/** @brief The profile plot's data: the readings of the chosen sets against reading position or
 *  depth, in one unit system. Cleared cells ("0.000000") and cells that are not numbers are left
 *  out; with the log scale, readings at or below zero too. No widget. */
class PlotModel {
    Q_DECLARE_TR_FUNCTIONS(PlotModel)

public:
    struct Series {
        int set = 0;
        QList<QPointF> points;  ///< x: reading position or depth, y: reading
        QList<int> positions;   ///< the reading position of each point
        /// Flagged readings, drawn as marked points off the line: where, position, reason.
        QList<QPointF> flagged;
        QList<int> flaggedPositions;
        QStringList flagReasons;
    };
    /** @brief How the sets are drawn. */
    struct Drawing {
        /** @brief The unit system of the value axis; a set measured in the other is converted
         *  (SI = 4 pi x CGS); a set whose units are not known is drawn as stored. None: every
         *  set as stored. */
        std::optional<Meter::Units> units;
        /** @brief Against depth (metres) rather than position. */
        bool byDepth = false;
    };
    struct Range {
        double xMin = 1, xMax = 128, yMin = 0, yMax = 1;
    };

    /** @brief Sets that hold at least one reading. */
    static QList<int> setsWithReadings(const ReadingsStore& store);
    /** @brief One series per chosen set, in the order given. */
    static QList<Series> build(const ReadingsStore& store, const QList<int>& sets, bool logScale,
                               const Drawing& drawing);
    /** @brief Every set as stored, against position. */
    static QList<Series> build(const ReadingsStore& store, const QList<int>& sets, bool logScale);
    /** @brief @p value of units @p from in units @p to. */
    static double convert(double value, Meter::Units from, Meter::Units to);
    /** @brief Every chosen set that holds readings has a depth and a spacing: the plot can be
     *  drawn against depth. */
    static bool depthKnown(const ReadingsStore& store, const QList<int>& sets);
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
    /** @brief The value axis label: "Susceptibility (SI)" or "(CGS)", with the log scale noted;
     *  the sets of @p unknownUnits (drawn as stored) are named; with @p units none, or with every
     *  chosen set unknown (@p allUnknown), "Susceptibility (units not known)". */
    static QString yLabel(std::optional<Meter::Units> units, bool logScale,
                          const QList<int>& unknownUnits = {}, bool allUnknown = false);
};
