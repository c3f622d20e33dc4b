// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

class MeterSession;

/** @brief "Select Comm Port": choose the meter's port number by hand. */
class PortDialog : public QDialog {
    Q_OBJECT
public:
    PortDialog(MeterSession& session, QWidget* parent = nullptr);

    QComboBox* portCombo;
    QPushButton* okButton;
    QPushButton* cancelButton;
    /** @brief Which device the chosen number opens. */
    QLabel* deviceLabel;

public Q_SLOTS:
    /** @brief OK: save the number, reopen the port on it, close (stays open on an invalid port). */
    void confirmPort();

private:
    void showDevice();
    MeterSession& m_session;
};
