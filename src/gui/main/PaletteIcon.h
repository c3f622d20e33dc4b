// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QIcon>
#include <QString>

/** @brief An icon drawn from a one-colour SVG ("currentColor") in the colour of the application
 *  palette's window text, looked up each time it is painted: readable on light and dark themes,
 *  and greyed as the palette greys disabled text. */
QIcon paletteIcon(const QString& svgResource);
