// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/PortDialog.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QSerialPortInfo>
#include <algorithm>

#include "core/link/PortLinks.h"
#include "core/session/MeterSession.h"

PortDialog::PortDialog(MeterSession& session, QWidget* parent)
    : QDialog(parent), m_session(session) {
    setObjectName(QStringLiteral("frmCommPort"));
    setWindowTitle(tr("Select Comm Port"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setMinimumWidth(420);  // the title whole
    portCombo = new QComboBox(this);
    portCombo->setObjectName(QStringLiteral("Combo1"));
    portCombo->setEditable(true);
    portCombo->setFont(QFont(QStringLiteral("Arial")));
    // Every port with a device: the number, the device, and what the device says it is.
    const PortLinks& ports = m_session.ports();
    QList<int> numbers;
    for (const PortLinks::Link& l : ports.links())
        if (!l.device.isEmpty()) numbers << l.number;
    for (int n = 1; n <= 6; ++n)
        if (!numbers.contains(n) && QFileInfo::exists(ports.devicePath(n))) numbers << n;
    std::sort(numbers.begin(), numbers.end());
    for (int n : numbers) {
        const QString device = QFileInfo(ports.devicePath(n)).canonicalFilePath();
        const QSerialPortInfo info(device);
        QStringList about{info.description(), info.manufacturer()};
        about.removeAll(QString());
        QString text = QStringLiteral("%1  %2").arg(n).arg(device);
        if (!about.isEmpty())
            text += QStringLiteral("  (") + about.join(QStringLiteral(", ")) + ')';
        portCombo->addItem(text);
    }
    portCombo->setMinimumContentsLength(28);
    deviceLabel = new QLabel(this);
    deviceLabel->setObjectName(QStringLiteral("DeviceLabel"));
    okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("OKButton"));
    okButton->setDefault(true);
    cancelButton = new QPushButton(tr("Cancel"), this);
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
    const int n = portCombo->currentText().trimmed().section(QLatin1Char(' '), 0, 0).toInt(&ok);
    deviceLabel->setText(ok && PortLinks::isPortNumber(n) ? m_session.ports().devicePath(n)
                                                          : tr("(no such port)"));
}

void PortDialog::confirmPort() {
    const QString number = portCombo->currentText().trimmed().section(QLatin1Char(' '), 0, 0);
    if (m_session.choosePort(number) != MeterSession::PortChoice::Refused) close();
}
