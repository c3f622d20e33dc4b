#include "Fakes.h"

#include <QFileInfo>

#include "ErrorCodes.h"

void ScriptedCommonDialog::answer(const QString& kind) {
    shown.append({kind, DialogTitle, FileName, InitDir, Filter, Flags});
    const QString next = answers.isEmpty() ? QString() : answers.takeFirst();
    if (next.isEmpty()) {
        if (CancelError) throw VbError(ErrorCode::CancelError, QStringLiteral("Cancel was selected."));
        return;
    }
    FileName = next;
    FileTitle = QFileInfo(next).fileName();
    if (!filterAnswers.isEmpty()) FilterIndex = filterAnswers.takeFirst();
}

void ScriptedCommonDialog::ShowPrinter() {
    shown.append({QStringLiteral("print"), DialogTitle, QString(), QString(), QString(), Flags});
    const QString next = answers.isEmpty() ? QString() : answers.takeFirst();
    if (next.isEmpty()) {
        if (CancelError) throw VbError(ErrorCode::CancelError, QStringLiteral("Cancel was selected."));
        return;
    }
    m_printer.setOutputFormat(QPrinter::PdfFormat);
    m_printer.setOutputFileName(next);
}
