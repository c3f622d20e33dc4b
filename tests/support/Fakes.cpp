// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fakes.h"

std::optional<FileDialog::Choice> ScriptedFileDialog::choose(const Request& request) {
    shown.append(request);
    const QString next = answers.isEmpty() ? QString() : answers.takeFirst();
    if (next.isEmpty()) return std::nullopt;
    return Choice{next, filterAnswers.isEmpty() ? 0 : filterAnswers.takeFirst()};
}
