#include "frmAbout.h"

#include <QVBoxLayout>

frmAbout::frmAbout(const QString& versionText, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Orvanta"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    Label1 = new QLabel(QStringLiteral("Orvanta"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont big(QStringLiteral("Arial Black"));
    big.setPointSize(20);
    big.setWeight(QFont::Black);
    Label1->setFont(big);
    Label4 = new QLabel(versionText, this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label2 = new QLabel(QStringLiteral("Companion program for the Orvanta magnetic susceptibility meter."), this);
    Label3 = new QLabel(QStringLiteral("Made by the Orvanta instrument team for geologists and surveyors."), this);
    Label5 = new QLabel(QStringLiteral("Ask your Orvanta distributor for support and calibration."), this);
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    auto* lay = new QVBoxLayout(this);
    for (QLabel* l : {Label1, Label4, Label2, Label3, Label5}) lay->addWidget(l);
    lay->addWidget(OKButton, 0, Qt::AlignRight);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::close);
}
