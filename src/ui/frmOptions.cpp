#include "frmOptions.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "SettingsStore.h"

frmOptions::frmOptions(basVariables& vars, SettingsStore& settings, std::function<void(bool)> setStoreLabel,
                       QWidget* parent)
    : QDialog(parent), m_vars(vars), m_settings(settings), m_setStoreLabel(std::move(setStoreLabel)),
      m_pending(vars.StoreToPC) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Orvanta Options"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    Frame1 = new QGroupBox(QStringLiteral("Store Function"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFont(QFont(QStringLiteral("Arial")));
    OptionButton1 = new QRadioButton(QStringLiteral("Stores New Readings to Meter Memory"), Frame1);
    OptionButton1->setObjectName(QStringLiteral("OptionButton1"));
    OptionButton2 = new QRadioButton(QStringLiteral("Stores New Readings to PC Database"), Frame1);
    OptionButton2->setObjectName(QStringLiteral("OptionButton2"));
    auto* inner = new QVBoxLayout(Frame1);
    inner->addWidget(OptionButton1);
    inner->addWidget(OptionButton2);
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(Frame1);
    lay->addLayout(buttons);

    OptionButton1->setChecked(!m_vars.StoreToPC);
    OptionButton2->setChecked(m_vars.StoreToPC);
    connect(OptionButton1, &QRadioButton::clicked, this, [this] { m_pending = false; });
    connect(OptionButton2, &QRadioButton::clicked, this, [this] { m_pending = true; });
    connect(OKButton, &QPushButton::clicked, this, &frmOptions::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::close);
}

void frmOptions::OKButton_Click() {
    m_vars.StoreToPC = m_pending;
    m_settings.SaveSetting(SettingKey::App, SettingKey::Section, SettingKey::StoreFunction,
                           m_vars.StoreToPC ? QStringLiteral("True") : QStringLiteral("False"));
    if (m_vars.ReadingMode && m_setStoreLabel) m_setStoreLabel(m_vars.StoreToPC);
    close();
}
