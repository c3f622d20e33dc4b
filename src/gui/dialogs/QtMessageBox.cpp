// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/QtMessageBox.h"

#include <QAbstractButton>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

void QtMessageBox::tell(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, *m_title, text, QMessageBox::Ok, m_parent);
    box.exec();
}

bool QtMessageBox::askYesNo(const QString& text) {
    QMessageBox box(QMessageBox::Question, *m_title, text, QMessageBox::Yes | QMessageBox::No,
                    m_parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

int QtMessageBox::ask(const QString& text, const QStringList& choices) {
    QMessageBox box(QMessageBox::Question, *m_title, text, QMessageBox::NoButton, m_parent);
    QList<QPushButton*> buttons;
    for (int i = 0; i < choices.size(); ++i) {
        const bool last = i == choices.size() - 1;
        buttons << box.addButton(choices[i], last     ? QMessageBox::RejectRole
                                             : i == 0 ? QMessageBox::AcceptRole
                                                      : QMessageBox::DestructiveRole);
    }
    if (!buttons.isEmpty()) box.setEscapeButton(buttons.last());
    box.exec();
    const int chosen =
        static_cast<int>(buttons.indexOf(qobject_cast<QPushButton*>(box.clickedButton())));
    return chosen < 0 ? static_cast<int>(choices.size()) - 1 : chosen;
}

std::optional<QString> QtMessageBox::askText(const QString& text, const QString& initial) {
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(*m_title);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setLabelText(text);
    dialog.setTextValue(initial);
    // A long question wraps instead of widening the dialog past the screen.
    if (auto* label = dialog.findChild<QLabel*>()) label->setWordWrap(true);
    dialog.resize(qMin(520, dialog.screen()->availableGeometry().width() - 40),
                  dialog.sizeHint().height());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
}
