#pragma once
#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <functional>

/** @brief "Downloading Data.....": the progress of a download, with Cancel. Kept above other
 *  windows; deletes itself when closed. */
class frmProgress : public QDialog {
    Q_OBJECT
public:
    /** @brief @p onCancel runs when the user presses Cancel, before the dialog closes. */
    explicit frmProgress(std::function<void()> onCancel, QWidget* parent = nullptr);

    QProgressBar* ProgressBar1;
    QLabel* Label1;
    QPushButton* CancelButton;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void cancel();
    std::function<void()> m_onCancel;
};
