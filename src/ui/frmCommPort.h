#pragma once
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "basVariables.h"

class MSComm;
class MessageBox;
class PortMap;
class SettingsStore;

/** @brief "Select Comm Port": choose the meter's port number by hand. */
class frmCommPort : public QDialog {
    Q_OBJECT
public:
    frmCommPort(MSComm& comm, basVariables& vars, SettingsStore& settings, MessageBox& messages,
                const PortMap& ports, QWidget* parent = nullptr);

    QComboBox* Combo1;
    QPushButton* OKButton;
    QPushButton* CancelButton;
    /** @brief Which device the chosen number opens. */
    QLabel* DeviceLabel;

    /** @brief OK: save the number, reopen the port on it, close (stays open on an invalid port). */
    void OKButton_Click();

private:
    void showDevice();
    MSComm& m_comm;
    basVariables& m_vars;
    SettingsStore& m_settings;
    MessageBox& m_messages;
    const PortMap& m_ports;
};
