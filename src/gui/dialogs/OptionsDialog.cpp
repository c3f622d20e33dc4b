// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/OptionsDialog.h"

#include <QHBoxLayout>
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

void OptionsDialog::confirm() {
    if (!m_apply(m_pending))
        m_messages.tell(Msg::SettingsNotSaved.arg(Msg::SettingsFolderNotWritable));
    close();
}
