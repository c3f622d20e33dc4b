#include "frmCommPort.h"

#include <QGridLayout>

#include "ErrorCodes.h"
#include "MSComm.h"
#include "MessageBox.h"
#include "Messages.h"
#include "PortMap.h"
#include "ReceiveEngine.h"
#include "SettingsStore.h"

frmCommPort::frmCommPort(MSComm& comm, basVariables& vars, SettingsStore& settings, MessageBox& messages,
                         const PortMap& ports, QWidget* parent)
    : QDialog(parent), m_comm(comm), m_vars(vars), m_settings(settings), m_messages(messages), m_ports(ports) {
    setObjectName(QStringLiteral("frmCommPort"));
    setWindowTitle(QStringLiteral("Select Comm Port"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->setFont(QFont(QStringLiteral("Arial")));
    for (int i = 1; i <= 6; ++i) Combo1->addItem(QString::number(i));
    DeviceLabel = new QLabel(this);
    DeviceLabel->setObjectName(QStringLiteral("DeviceLabel"));
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(Combo1, 0, 0);
    grid->addWidget(DeviceLabel, 0, 1);
    grid->addWidget(OKButton, 1, 0);
    grid->addWidget(CancelButton, 1, 1);

    Combo1->setEditText(QString::number(m_vars.CommPortNumber));
    showDevice();
    connect(Combo1, &QComboBox::editTextChanged, this, &frmCommPort::showDevice);
    connect(OKButton, &QPushButton::clicked, this, &frmCommPort::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::close);
}

void frmCommPort::showDevice() {
    bool ok = false;
    const int n = Combo1->currentText().trimmed().toInt(&ok);
    DeviceLabel->setText(ok && n >= 1 && n <= 255 ? m_ports.devicePath(n) : QStringLiteral("(no such port)"));
}

void frmCommPort::OKButton_Click() {
    const std::function<void()> steps[] = {
        [&] { m_vars.CommPortNumber = ToInteger(Combo1->currentText()); },
        [&] {
            m_settings.SaveSetting(SettingKey::App, SettingKey::Section, SettingKey::CommNum,
                                   QString::number(m_vars.CommPortNumber));
        },
        [&] {
            if (m_comm.PortOpen()) m_comm.setPortOpen(false);
        },
        [&] { m_comm.setCommPort(m_vars.CommPortNumber); },
        [&] { m_comm.setSettings(m_vars.CommSettings); },
        [&] { m_comm.setPortOpen(true); },
        [&] { m_comm.setRThreshold(1); },
        [&] { close(); },
    };
    for (const auto& step : steps) {
        try {
            step();
        } catch (const VbError& e) {
            switch (e.number()) {
                case ErrorCode::InvalidProcedureCall: Combo1->setEditText(QStringLiteral("1")); break;
                case ErrorCode::CommInvalidPort: m_messages.MsgBox(Msg::InvalidPortNumber); return;
                case ErrorCode::CommPortInUse: m_messages.MsgBox(Msg::PortInUse); break;
                case ErrorCode::PermissionDenied: m_messages.MsgBox(Msg::PortPermission); break;
                default: break;
            }
        }
    }
}
