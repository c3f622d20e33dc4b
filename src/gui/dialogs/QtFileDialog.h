// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QPointer>
#include <QPrinter>
#include <QWidget>

#include "core/files/FileDialog.h"
#include "gui/printing/PrintCommand.h"

/** @brief The file and print dialogs on screen: QFileDialog and QPrintDialog. */
class QtFileDialog : public FileDialog, public PrintDialog {
public:
    explicit QtFileDialog(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }
    bool ShowOpen() override;
    bool ShowSave() override;
    bool ShowPrinter(const QString& title) override;
    QPrinter& printer() override { return m_printer; }

    /** @brief "Data Files (*.dat)|*.dat|All Files (*.*)|*.*" as QFileDialog name filters. */
    static QStringList nameFilters(const QString& filter);

private:
    bool finish(const QString& chosen);

    QPointer<QWidget> m_parent;
    QPrinter m_printer;
};
