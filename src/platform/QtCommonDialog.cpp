#include "QtCommonDialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>

#include "ErrorCodes.h"

QStringList QtCommonDialog::nameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) out.append(parts[i]);
    return out;
}

void QtCommonDialog::finish(const QString& chosen) {
    if (chosen.isEmpty()) {
        if (CancelError) throw VbError(ErrorCode::CancelError, QStringLiteral("Cancel was selected."));
        return;
    }
    FileName = chosen;
    FileTitle = QFileInfo(chosen).fileName();
}

static void prepare(QFileDialog& dlg, const CommonDialog& cd) {
    dlg.setWindowTitle(cd.DialogTitle);
    dlg.setDirectory(cd.InitDir);
    const QStringList filters = QtCommonDialog::nameFilters(cd.Filter);
    dlg.setNameFilters(filters);
    if (cd.FilterIndex >= 1 && cd.FilterIndex <= filters.size()) dlg.selectNameFilter(filters[cd.FilterIndex - 1]);
    if (!cd.FileName.isEmpty()) dlg.selectFile(cd.FileName);
}

void QtCommonDialog::ShowOpen() {
    QFileDialog dlg(m_parent);
    prepare(dlg, *this);
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setFileMode(QFileDialog::ExistingFile);
    finish(dlg.exec() == QDialog::Accepted && !dlg.selectedFiles().isEmpty() ? dlg.selectedFiles().first()
                                                                              : QString());
}

void QtCommonDialog::ShowSave() {
    QFileDialog dlg(m_parent);
    prepare(dlg, *this);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    dlg.setOption(QFileDialog::DontConfirmOverwrite, true);
    const bool accepted = dlg.exec() == QDialog::Accepted;
    if (accepted) FilterIndex = static_cast<int>(nameFilters(Filter).indexOf(dlg.selectedNameFilter())) + 1;
    finish(accepted && !dlg.selectedFiles().isEmpty() ? dlg.selectedFiles().first() : QString());
}

void QtCommonDialog::ShowPrinter() {
    QPrintDialog dlg(&m_printer, m_parent);
    dlg.setWindowTitle(DialogTitle);
    dlg.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dlg.exec() != QDialog::Accepted && CancelError)
        throw VbError(ErrorCode::CancelError, QStringLiteral("Cancel was selected."));
}
