// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/QtFileDialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>

QStringList QtFileDialog::nameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) out.append(parts[i]);
    return out;
}

bool QtFileDialog::finish(const QString& chosen) {
    if (chosen.isEmpty()) return false;
    FileName = chosen;
    FileTitle = QFileInfo(chosen).fileName();
    return true;
}

static void prepare(QFileDialog& dlg, const FileDialog& fd) {
    dlg.setWindowTitle(fd.DialogTitle);
    dlg.setDirectory(fd.InitDir);
    const QStringList filters = QtFileDialog::nameFilters(fd.Filter);
    dlg.setNameFilters(filters);
    if (fd.FilterIndex >= 1 && fd.FilterIndex <= filters.size())
        dlg.selectNameFilter(filters[fd.FilterIndex - 1]);
    if (!fd.FileName.isEmpty()) dlg.selectFile(fd.FileName);
}

bool QtFileDialog::ShowOpen() {
    QFileDialog dlg(m_parent);
    prepare(dlg, *this);
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setFileMode(QFileDialog::ExistingFile);
    return finish(dlg.exec() == QDialog::Accepted && !dlg.selectedFiles().isEmpty()
                      ? dlg.selectedFiles().first()
                      : QString());
}

bool QtFileDialog::ShowSave() {
    QFileDialog dlg(m_parent);
    prepare(dlg, *this);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    // A name typed without an extension takes the chosen type's (and the question about
    // replacing a file is asked of that name).
    const auto suffixOf = [](const QString& filter) {
        const int star = static_cast<int>(filter.indexOf(QStringLiteral("*.")));
        const QString ext = star < 0 ? QString()
                                     : filter.mid(star + 2)
                                           .section(QLatin1Char(')'), 0, 0)
                                           .section(QLatin1Char(' '), 0, 0);
        return ext == QLatin1String("*") ? QString() : ext;
    };
    dlg.setDefaultSuffix(suffixOf(dlg.selectedNameFilter()));
    QObject::connect(&dlg, &QFileDialog::filterSelected, &dlg,
                     [&dlg, suffixOf](const QString& f) { dlg.setDefaultSuffix(suffixOf(f)); });
    const bool accepted = dlg.exec() == QDialog::Accepted;
    if (accepted)
        FilterIndex = static_cast<int>(nameFilters(Filter).indexOf(dlg.selectedNameFilter())) + 1;
    return finish(accepted && !dlg.selectedFiles().isEmpty() ? dlg.selectedFiles().first()
                                                             : QString());
}

bool QtFileDialog::ShowPrinter(const QString& title) {
    QPrintDialog dlg(&m_printer, m_parent);
    dlg.setWindowTitle(title);
    dlg.setOption(QAbstractPrintDialog::PrintPageRange, false);
    return dlg.exec() == QDialog::Accepted;
}
