// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

/** @brief Where the program keeps its files on this machine. */
namespace Paths {
/** @brief The per-user data folder ($XDG_DATA_HOME/Orvanta), created when missing. */
QString dataFolder();
/** @brief The readings database file in the data folder. */
QString readingsDatabase();
/** @brief The folder of port links (ports/comN). */
QString portsFolder();
/** @brief The folder file dialogs open in: the program folder when writable, else Documents. */
QString dialogFolder();
}  // namespace Paths
