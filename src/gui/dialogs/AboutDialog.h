// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>
#include <QLabel>
#include <QPushButton>

/** @brief "About Orvanta": the product name, its version and the credits. Kept above other
 *  windows. */
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(const QString& versionText, QWidget* parent = nullptr);
    QLabel *productLabel, *descriptionLabel, *creditsLabel, *versionLabel, *supportLabel,
        *licenceLabel;
    QPushButton* okButton;
};
