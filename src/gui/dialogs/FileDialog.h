// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>
#include <optional>

/** @brief The open and save dialogs, in Qt's terms: one call with what to show, answered with
 *  the path chosen or nothing. Production shows QFileDialog; tests answer from a script. */
class FileDialog {
public:
    enum class Mode { Open, Save };
    struct Request {
        Mode mode = Mode::Open;
        QString title;
        QStringList filters;  ///< Qt name filters, "Data Files (*.dat)"; the first is offered
        QString offered;      ///< the file name offered, empty for none
        QString folder;       ///< where the dialog opens
    };
    struct Choice {
        QString path;    ///< the full path chosen
        int filter = 0;  ///< which of the request's filters was chosen, 0 for the first
    };
    virtual ~FileDialog() = default;

    /** @brief Shows the dialog: Open accepts only an existing file, Save asks before replacing
     *  one. Nothing when it was closed without a choice. */
    virtual std::optional<Choice> choose(const Request& request) = 0;

    /** @brief The extension a name filter stands for: "dat" for "Data Files (*.dat)", the first
     *  of several; empty for "All Files (*.*)". */
    static QString suffixOf(const QString& filter) {
        const qsizetype star = filter.indexOf(QLatin1String("*."));
        const QString ext = star < 0 ? QString()
                                     : filter.mid(star + 2)
                                           .section(QLatin1Char(')'), 0, 0)
                                           .section(QLatin1Char(' '), 0, 0);
        return ext == QLatin1String("*") ? QString() : ext;
    }
};
