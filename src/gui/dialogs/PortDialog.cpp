// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/PortDialog.h"

#include <QGridLayout>

#include "core/link/PortLinks.h"
#include "core/session/MeterSession.h"

PortDialog::PortDialog(MeterSession& session, QWidget* parent)
    : QDialog(parent), m_session(session) {
    setObjectName(QStringLiteral("frmCommPort"));
    setWindowTitle(QStringLiteral("Select Comm Port"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    portCombo = new QComboBox(this);
    portCombo->setObjectName(QStringLiteral("Combo1"));
    portCombo->setEditable(true);
    portCombo->setFont(QFont(QStringLiteral("Arial")));
    for (int i = 1; i <= 6; ++i) portCombo->addItem(QString::number(i));
    deviceLabel = new QLabel(this);
    deviceLabel->setObjectName(QStringLiteral("DeviceLabel"));
    okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("OKButton"));
    okButton->setDefault(true);
    cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("CancelButton"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(portCombo, 0, 0);
    grid->addWidget(deviceLabel, 0, 1);
    grid->addWidget(okButton, 1, 0);
    grid->addWidget(cancelButton, 1, 1);

    portCombo->setEditText(QString::number(m_session.state().portNumber));
    showDevice();
    connect(portCombo, &QComboBox::editTextChanged, this, &PortDialog::showDevice);
    connect(okButton, &QPushButton::clicked, this, &PortDialog::confirmPort);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::close);
}

void PortDialog::showDevice() {
    bool ok = false;
    const int n = portCombo->currentText().trimmed().toInt(&ok);
    deviceLabel->setText(ok && n >= 1 && n <= 255 ? m_session.ports().devicePath(n)
                                                  : QStringLiteral("(no such port)"));
}

void PortDialog::confirmPort() {
    if (m_session.choosePort(portCombo->currentText()) != MeterSession::PortChoice::Refused)
        close();
}
