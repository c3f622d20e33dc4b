// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/main/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace Language {

namespace {
QLocale g_installed;
}  // namespace

QLocale installed() { return g_installed; }

QString install(QCoreApplication& app, const QLocale& locale) {
    g_installed = locale;
    // The program's own texts are built into it; Qt's come with Qt (qt6-translations-l10n).
    auto* own = new QTranslator(&app);
    if (!own->load(locale, QStringLiteral("orvanta"), QStringLiteral("_"),
                   QStringLiteral(":/i18n"))) {
        delete own;
        return {};
    }
    QCoreApplication::installTranslator(own);
    // Qt's buttons and dialogs, and the serial port's own reasons, which a message about a port
    // quotes, in the languages Qt has them in.
    for (const char* catalog : {"qtbase", "qtserialport"}) {
        auto* qt = new QTranslator(&app);
        if (qt->load(locale, QString::fromLatin1(catalog), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
    }
    return own->language();
}

}  // namespace Language
