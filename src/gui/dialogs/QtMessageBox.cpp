// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/QtMessageBox.h"

#include <QMessageBox>

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
