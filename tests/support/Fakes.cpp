// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fakes.h"

#include <QFileInfo>

bool ScriptedFileDialog::answer(const QString& kind) {
    shown.append({kind, DialogTitle, FileName, InitDir, Filter});
    const QString next = answers.isEmpty() ? QString() : answers.takeFirst();
    if (next.isEmpty()) return false;
    FileName = next;
    FileTitle = QFileInfo(next).fileName();
    if (!filterAnswers.isEmpty()) FilterIndex = filterAnswers.takeFirst();
    return true;
}
