// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QStringList>

/** @brief Lines of the tab-separated export: every field followed by a tab, CR LF at the end. */
namespace TextExport {
/** @brief "Number", tab, "Set 1", tab, ... "Set 30", tab, CR LF (210 bytes). */
QByteArray headerLine();
/** @brief The row's fields, each followed by a tab, then CR LF. */
QByteArray rowLine(const QStringList& fields);
}  // namespace TextExport
