// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/ProgressDialog.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "core/meter/MeterFacts.h"

ProgressDialog::ProgressDialog(std::function<void()> onCancel, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_onCancel(std::move(onCancel)) {
    setObjectName(QStringLiteral("frmProgress"));
    setWindowTitle(tr("Downloading Data....."));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    progressBar = new QProgressBar(this);
    progressBar->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar->setMinimum(0);
    progressBar->setValue(0);
    positionLabel = new QLabel(this);
    positionLabel->setObjectName(QStringLiteral("Label1"));
    cancelButton = new QPushButton(tr("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("CancelButton"));
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(progressBar);
    lay->addWidget(positionLabel);
    lay->addWidget(cancelButton, 0, Qt::AlignHCenter);
    // As wide as its longest text from the start: a label of fixed size changes its text without
    // laying the dialog out again.
    const QString widest = tr("Set %1 (%2 of %3 sets done): %4 readings stored")
                               .arg(Meter::kSets)
                               .arg(Meter::kSets)
                               .arg(Meter::kSets)
                               .arg(Meter::kSets * Meter::kPositions);
    positionLabel->setFixedSize(positionLabel->fontMetrics().horizontalAdvance(widest) + 8,
                                positionLabel->fontMetrics().height() + 4);
    resize(360, 130);
    connect(cancelButton, &QPushButton::clicked, this, &ProgressDialog::cancel);
    m_repaint.setSingleShot(true);
    m_repaint.setInterval(kRepaintInterval);
    connect(&m_repaint, &QTimer::timeout, this, &ProgressDialog::applyProgress);
}

void ProgressDialog::setProgress(int set, int setsDone, int stored) {
    // Kept as numbers: the text is made only when shown, at most every kRepaintInterval ms.
    m_set = set;
    m_setsDone = setsDone;
    m_stored = stored;
    if (!m_repaint.isActive()) m_repaint.start();
}

void ProgressDialog::applyProgress() {
    constexpr int kSets = Meter::kSets;
    constexpr int kPositions = Meter::kPositions;
    if (m_setsDone >= 0) {
        progressBar->setMaximum(kSets);
        progressBar->setValue(qMin(m_setsDone, kSets));
        positionLabel->setText(tr("Set %1 (%2 of %3 sets done): %4 readings stored")
                                   .arg(m_set)
                                   .arg(m_setsDone)
                                   .arg(kSets)
                                   .arg(m_stored));
    } else {
        progressBar->setMaximum(kPositions);
        progressBar->setValue(qMin(m_stored, kPositions));
        positionLabel->setText(tr("Set %1: %2 readings stored").arg(m_set).arg(m_stored));
    }
}

void ProgressDialog::finish() {
    m_finishing = true;
    close();
}

void ProgressDialog::cancel() {
    if (m_finishing) return;
    m_finishing = true;
    if (m_onCancel) m_onCancel();
    close();
}

void ProgressDialog::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        cancel();
        return;
    }
    QDialog::keyPressEvent(e);
}

void ProgressDialog::closeEvent(QCloseEvent* e) {
    // Closed by the window manager: the meter must stop sending too.
    if (!m_finishing) {
        m_finishing = true;
        if (m_onCancel) m_onCancel();
    }
    QDialog::closeEvent(e);
}
