// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLocale>

class QCoreApplication;

/** @brief The program in the user's language: its own texts and Qt's (the buttons of Qt's
 *  dialogs), for the locale the desktop gives. English needs nothing installed. */
namespace Language {
/** @brief Installs the translations for @p locale on @p app; the languages found, as
 *  "de", "fr" (empty for English, or a language the program has no translation for). */
QString install(QCoreApplication& app, const QLocale& locale = QLocale());
/** @brief The locale install() was last given: the language the manual is read in. */
QLocale installed();
}  // namespace Language
