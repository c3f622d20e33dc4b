// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QCoreApplication>
#include <QString>
#include <optional>

#include "core/meter/MeterFacts.h"

/** @brief The meter's units and mode: as the panel pictures them, the words of the meter's own
 *  display, so never translated; as the program's own bars say them, in the user's language. */
namespace MeterWords {
/** @brief "Units CGS" or "Units SI"; "Units ?" before the meter has reported its units. */
inline QString units(std::optional<Meter::Units> units) {
    if (!units) return QStringLiteral("Units ?");
    return *units == Meter::Units::CGS ? QStringLiteral("Units CGS") : QStringLiteral("Units SI");
}
/** @brief The units as the tool bar, the status bar and a screen reader say them: "Units SI",
 *  "Units CGS" and "Units ?" (not reported yet) in the user's language. SI and CGS are the same
 *  in every language. */
inline QString unitsSaid(std::optional<Meter::Units> units) {
    if (!units) return QCoreApplication::translate("MeterWords", "Units ?", "not reported yet");
    return QCoreApplication::translate("MeterWords", "Units %1")
        .arg(*units == Meter::Units::CGS ? QStringLiteral("CGS") : QStringLiteral("SI"));
}
/** @brief "Step" or "Scan". */
inline QString mode(Meter::Mode mode) {
    return mode == Meter::Mode::Step ? QStringLiteral("Step") : QStringLiteral("Scan");
}
}  // namespace MeterWords
