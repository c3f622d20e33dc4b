// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/QtMessageBox.h"

#include <QAbstractButton>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

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
    bool ok = false;
    const QString answer =
        QInputDialog::getText(m_parent, *m_title, text, QLineEdit::Normal, initial, &ok);
    if (!ok) return std::nullopt;
    return answer;
}
