// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QPointer>
#include <QPrinter>
#include <QWidget>

#include "gui/dialogs/FileDialog.h"
#include "gui/printing/PrintCommand.h"

/** @brief The file and print dialogs on screen: QFileDialog and QPrintDialog. */
class QtFileDialog : public FileDialog, public PrintDialog {
public:
    explicit QtFileDialog(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }
    std::optional<Choice> choose(const Request& request) override;
    bool ShowPrinter(const QString& title) override;
    QPrinter& printer() override { return m_printer; }

private:
    QPointer<QWidget> m_parent;
    QPrinter m_printer;
};
