// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QString>

/** @brief Texts in data and export files use the Windows-1252 code page, so files move freely
 *  between this program and programs on Windows. */
namespace Cp1252 {
/** @brief Characters without a Windows-1252 byte become "?". */
QByteArray encode(const QString& text);
QString decode(QByteArrayView bytes);
}  // namespace Cp1252
