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
/** @brief The folder file dialogs first open in: the user's documents folder (else home). */
QString dialogFolder();
}  // namespace Paths
