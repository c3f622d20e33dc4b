// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>
#include <QLocale>
#include <QTextBrowser>

/** @brief Help > Manual (F1): the manual carried inside the program, readable without a network,
 *  in the user's language where it is translated and in English otherwise. */
class ManualWindow : public QDialog {
    Q_OBJECT
public:
    explicit ManualWindow(const QLocale& locale = QLocale(), QWidget* parent = nullptr);
    /** @brief The manual's resource for @p locale: "manual_de.html" and the like where there is
     *  one, else the English "manual.html". */
    static QString sourceFor(const QLocale& locale);
    QTextBrowser* text;
};
