// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

#include "core/session/SessionState.h"

class MessageBox;

/** @brief "Orvanta Options": where new readings are stored. */
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    /** @brief @p applyStoreToPC makes the choice (the session saves it) and answers whether the
     *  setting could be saved. */
    OptionsDialog(const SessionState& vars, std::function<bool(bool)> applyStoreToPC,
                  MessageBox& messages, QWidget* parent = nullptr);

    QGroupBox* storeFunctionBox;
    QRadioButton* meterMemoryOption;
    QRadioButton* pcDatabaseOption;
    QPushButton* okButton;
    QPushButton* cancelButton;
    /** @brief The GPS receiver's device (empty: none), applied by @p apply at OK; @p apply
     *  says why it could not be taken, nothing when it was. */
    void offerGps(const QString& device, std::function<QString(const QString&)> apply);
    QGroupBox* gpsBox = nullptr;
    QLineEdit* gpsDevice = nullptr;

    /** @brief The choice made in the dialog, not yet applied (true: PC database). */
    bool pendingChoice() const { return m_pending; }

public Q_SLOTS:
    /** @brief OK: applies the choice and closes; says so when the setting could not be saved. */
    void confirm();

private:
    std::function<bool(bool)> m_apply;
    std::function<QString(const QString&)> m_applyGps;
    MessageBox& m_messages;
    bool m_pending;
};
