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
/** @brief A new private work folder (0700) under the user's cache folder
 *  ($XDG_CACHE_HOME/Orvanta/work-XXXXXX), never a shared /tmp: survey files are built there.
 *  Its path is the folder's pattern for QTemporaryDir. */
QString workFolderPattern();
/** @brief Removes the work folders a program that was killed left behind. */
void removeStaleWorkFolders();
/** @brief The folder file dialogs first open in: the user's documents folder (else home). */
QString dialogFolder();
}  // namespace Paths
