// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/AboutDialog.h"

#include <QVBoxLayout>

AboutDialog::AboutDialog(const QString& versionText, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Orvanta"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    productLabel = new QLabel(QStringLiteral("Orvanta"), this);
    productLabel->setObjectName(QStringLiteral("Label1"));
    QFont big(QStringLiteral("Arial Black"));
    big.setPointSize(20);
    big.setWeight(QFont::Black);
    productLabel->setFont(big);
    versionLabel = new QLabel(versionText, this);
    versionLabel->setObjectName(QStringLiteral("Label4"));
    descriptionLabel =
        new QLabel(tr("Companion program for the Orvanta magnetic susceptibility meter."), this);
    creditsLabel =
        new QLabel(tr("Made by the Orvanta instrument team for geologists and surveyors."), this);
    supportLabel =
        new QLabel(tr("Ask your Orvanta distributor for support and calibration."), this);
    licenceLabel = new QLabel(
        tr("Copyright \u00a9 2026 the Orvanta developers.\n"
           "This program is free software under the GNU General Public License, version 3\n"
           "or (at your option) any later version. It comes with no warranty."),
        this);
    licenceLabel->setObjectName(QStringLiteral("licenceLabel"));
    okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("OKButton"));
    okButton->setDefault(true);
    auto* lay = new QVBoxLayout(this);
    for (QLabel* l :
         {productLabel, versionLabel, descriptionLabel, creditsLabel, supportLabel, licenceLabel})
        lay->addWidget(l);
    lay->addWidget(okButton, 0, Qt::AlignRight);
    connect(okButton, &QPushButton::clicked, this, &QDialog::close);
}
