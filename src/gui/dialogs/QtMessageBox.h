// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QPointer>
#include <QWidget>

#include "gui/dialogs/MessageBox.h"

/** @brief Message boxes on screen, captioned with the application title. */
class QtMessageBox : public MessageBox {
public:
    /** @brief @p title is read each time, so a changed application title shows. */
    explicit QtMessageBox(const QString* title, QWidget* parent = nullptr)
        : m_title(title), m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }
    void setTitleSource(const QString* title) { m_title = title; }
    void tell(const QString& text) override;
    bool askYesNo(const QString& text) override;
    int ask(const QString& text, const QStringList& choices) override;
    std::optional<QString> askText(const QString& text, const QString& initial) override;

private:
    const QString* m_title;
    QPointer<QWidget> m_parent;
};
