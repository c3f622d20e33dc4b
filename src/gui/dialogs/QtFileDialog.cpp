// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/QtFileDialog.h"

#include <QFileDialog>
#include <QPrintDialog>

std::optional<FileDialog::Choice> QtFileDialog::choose(const Request& request) {
    QFileDialog dlg(m_parent);
    dlg.setWindowTitle(request.title);
    dlg.setDirectory(request.folder);
    dlg.setNameFilters(request.filters);
    if (!request.filters.isEmpty()) dlg.selectNameFilter(request.filters.first());
    if (!request.offered.isEmpty()) dlg.selectFile(request.offered);
    if (request.mode == Mode::Open) {
        dlg.setAcceptMode(QFileDialog::AcceptOpen);
        dlg.setFileMode(QFileDialog::ExistingFile);
    } else {
        dlg.setAcceptMode(QFileDialog::AcceptSave);
        dlg.setFileMode(QFileDialog::AnyFile);
        // A name typed without an extension takes the chosen type's (and the question about
        // replacing a file is asked of that name).
        dlg.setDefaultSuffix(suffixOf(dlg.selectedNameFilter()));
        QObject::connect(&dlg, &QFileDialog::filterSelected, &dlg,
                         [&dlg](const QString& f) { dlg.setDefaultSuffix(suffixOf(f)); });
    }
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
    const int filter = static_cast<int>(request.filters.indexOf(dlg.selectedNameFilter()));
    return Choice{dlg.selectedFiles().first(), qMax(0, filter)};
}

bool QtFileDialog::ShowPrinter(const QString& title) {
    QPrintDialog dlg(&m_printer, m_parent);
    dlg.setWindowTitle(title);
    dlg.setOption(QAbstractPrintDialog::PrintPageRange, false);
    return dlg.exec() == QDialog::Accepted;
}
