// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>

#include "core/common/MessageBox.h"

/** @brief The exit codes of orvanta-cli. */
enum class ExitCode : int {
    Ok = 0,
    Usage = 1,
    Meter = 2,
    File = 3,
    Incomplete = 4,  ///< a set cut short or a value unreadable: the output is not whole
    Interrupted = 130
};

/** @brief One line on standard error: "orvanta-cli: <text>". */
void printError(const QString& text);

/** @brief The session's messages for a program without windows: kept, never asked. A question
 *  (setting a foreign database aside, say) is answered No, so nothing is renamed unasked. */
class CliMessages : public MessageBox {
public:
    void tell(const QString& text) override { texts.append(text); }
    bool askYesNo(const QString& text) override {
        // The question itself (its last line) is never printed: it is not asked here.
        texts.append(text.section(QLatin1Char('\n'), 0, -2));
        return false;
    }
    QStringList texts;
};
