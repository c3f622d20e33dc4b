// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/OptionsDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/common/Messages.h"
#include "gui/dialogs/MessageBox.h"

OptionsDialog::OptionsDialog(const SessionState& vars, std::function<bool(bool)> applyStoreToPC,
                             MessageBox& messages, QWidget* parent)
    : QDialog(parent),
      m_apply(std::move(applyStoreToPC)),
      m_messages(messages),
      m_pending(vars.storeToPC) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(tr("Orvanta Options"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    storeFunctionBox = new QGroupBox(tr("Store Function"), this);
    storeFunctionBox->setObjectName(QStringLiteral("Frame1"));
    storeFunctionBox->setFont(QFont(QStringLiteral("Arial")));
    meterMemoryOption =
        new QRadioButton(tr("Stores New Readings to Meter Memory"), storeFunctionBox);
    meterMemoryOption->setObjectName(QStringLiteral("OptionButton1"));
    pcDatabaseOption = new QRadioButton(tr("Stores New Readings to PC Database"), storeFunctionBox);
    pcDatabaseOption->setObjectName(QStringLiteral("OptionButton2"));
    auto* inner = new QVBoxLayout(storeFunctionBox);
    inner->addWidget(meterMemoryOption);
    inner->addWidget(pcDatabaseOption);
    okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("OKButton"));
    okButton->setDefault(true);
    cancelButton = new QPushButton(tr("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("CancelButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(storeFunctionBox);
    lay->addLayout(buttons);

    meterMemoryOption->setChecked(!vars.storeToPC);
    pcDatabaseOption->setChecked(vars.storeToPC);
    connect(meterMemoryOption, &QRadioButton::clicked, this, [this] { m_pending = false; });
    connect(pcDatabaseOption, &QRadioButton::clicked, this, [this] { m_pending = true; });
    connect(okButton, &QPushButton::clicked, this, &OptionsDialog::confirm);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::close);
}

void OptionsDialog::offerGps(const QString& device, std::function<QString(const QString&)> apply) {
    m_applyGps = std::move(apply);
    gpsBox = new QGroupBox(tr("GPS Receiver"), this);
    gpsBox->setObjectName(QStringLiteral("GpsBox"));
    gpsDevice = new QLineEdit(device, gpsBox);
    gpsDevice->setObjectName(QStringLiteral("GpsDevice"));
    gpsDevice->setPlaceholderText(tr("none"));
    gpsDevice->setAccessibleName(tr("GPS receiver's device"));
    gpsDevice->setToolTip(
        tr("The serial device of a GPS receiver speaking NMEA (USB or Bluetooth, 4800 or 9600 "
           "baud), for example /dev/ttyUSB1 or /dev/rfcomm0; empty for none. Recorded readings "
           "then carry its position."));
    auto* label = new QLabel(tr("&Device:"), gpsBox);
    label->setBuddy(gpsDevice);
    auto* row = new QHBoxLayout(gpsBox);
    row->addWidget(label);
    row->addWidget(gpsDevice, 1);
    // Above the buttons, below the store function.
    if (auto* lay = qobject_cast<QVBoxLayout*>(layout())) lay->insertWidget(1, gpsBox);
}

void OptionsDialog::confirm() {
    if (!m_apply(m_pending))
        m_messages.tell(Msg::SettingsNotSaved.arg(Msg::SettingsFolderNotWritable));
    if (m_applyGps && gpsDevice) {
        const QString why = m_applyGps(gpsDevice->text().trimmed());
        if (!why.isEmpty()) {
            m_messages.tell(why);
            return;  // the dialog stays, for another device
        }
    }
    close();
}
