// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QList>
#include <optional>

#include "core/meter/MeterFacts.h"

class ReadingsStore;

/** @brief The figures of one set's readings, in the set's own units. Cleared positions are no
 *  readings and do not count. */
struct SetStatistics {
    int set = 0;
    std::optional<Meter::Units> units;
    int count = 0;
    // Meaningful only with count > 0.
    double mean = 0;
    double median = 0;
    double min = 0;
    double max = 0;
    /** @brief Sample standard deviation (n - 1); none below two readings. */
    std::optional<double> sd;
    /** @brief Only when every reading is above zero: susceptibility of a rock body is closer to
     *  log-normal than to normal. */
    std::optional<double> geometricMean;

    /** @brief The figures of @p values (readings as numbers, in any order). */
    static SetStatistics of(QList<double> values);
    /** @brief The figures of @p set as the store holds it. */
    static SetStatistics of(const ReadingsStore& store, int set);
    /** @brief The readings of @p set as numbers, position order; none for cleared positions. */
    static QList<std::optional<double>> values(const ReadingsStore& store, int set);
};
