#include "frmProgress.h"

#include <QKeyEvent>
#include <QVBoxLayout>

frmProgress::frmProgress(std::function<void()> onCancel, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint), m_onCancel(std::move(onCancel)) {
    setObjectName(QStringLiteral("frmProgress"));
    setWindowTitle(QStringLiteral("Downloading Data....."));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setMinimum(0);
    ProgressBar1->setValue(0);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(ProgressBar1);
    lay->addWidget(Label1);
    lay->addWidget(CancelButton, 0, Qt::AlignHCenter);
    resize(360, 130);
    connect(CancelButton, &QPushButton::clicked, this, &frmProgress::cancel);
}

void frmProgress::cancel() {
    if (m_onCancel) m_onCancel();
    close();
}

void frmProgress::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        cancel();
        return;
    }
    QDialog::keyPressEvent(e);
}
