#pragma once
#include <QDialog>
#include <QLabel>
#include <QPushButton>

/** @brief "About Orvanta": the product name, its version and the credits. Kept above other
 *  windows. */
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(const QString& versionText, QWidget* parent = nullptr);
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5;
    QPushButton* OKButton;
};
