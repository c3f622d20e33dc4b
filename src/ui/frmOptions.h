#pragma once
#include <QDialog>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

#include "basVariables.h"

class SettingsStore;

/** @brief "Orvanta Options": where new readings are stored. */
class frmOptions : public QDialog {
    Q_OBJECT
public:
    /** @brief @p setStoreLabel shows the destination on the live panel. */
    frmOptions(basVariables& vars, SettingsStore& settings, std::function<void(bool)> setStoreLabel,
               QWidget* parent = nullptr);

    QGroupBox* Frame1;
    QRadioButton* OptionButton1;
    QRadioButton* OptionButton2;
    QPushButton* OKButton;
    QPushButton* CancelButton;
    /** @brief The choice made in the dialog, not yet applied (true: PC database). */
    bool pendingChoice() const { return m_pending; }

    void OKButton_Click();

private:
    basVariables& m_vars;
    SettingsStore& m_settings;
    std::function<void(bool)> m_setStoreLabel;
    bool m_pending;
};
