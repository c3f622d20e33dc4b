#pragma once
#include <QPointer>
#include <QPrinter>
#include <QWidget>

#include "CommonDialog.h"

/** @brief The common dialogs on screen: QFileDialog and QPrintDialog. */
class QtCommonDialog : public CommonDialog {
public:
    explicit QtCommonDialog(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }
    void ShowOpen() override;
    void ShowSave() override;
    void ShowPrinter() override;
    QPrinter& printer() override { return m_printer; }

    /** @brief "Data Files (*.dat)|*.dat|All Files (*.*)|*.*" as QFileDialog name filters. */
    static QStringList nameFilters(const QString& filter);

private:
    void finish(const QString& chosen);

    QPointer<QWidget> m_parent;
    QPrinter m_printer;
};
