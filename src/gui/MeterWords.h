// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <optional>

#include "core/meter/MeterFacts.h"

/** @brief The meter's units and mode as the panel, the tool bar and the status bar show them:
 *  the words of the meter's own display, so never translated. */
namespace MeterWords {
/** @brief "Units CGS" or "Units SI"; "Units ?" before the meter has reported its units. */
inline QString units(std::optional<Meter::Units> units) {
    if (!units) return QStringLiteral("Units ?");
    return *units == Meter::Units::CGS ? QStringLiteral("Units CGS") : QStringLiteral("Units SI");
}
/** @brief "Step" or "Scan". */
inline QString mode(Meter::Mode mode) {
    return mode == Meter::Mode::Step ? QStringLiteral("Step") : QStringLiteral("Scan");
}
}  // namespace MeterWords
