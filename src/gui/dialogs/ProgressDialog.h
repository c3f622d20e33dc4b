// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <functional>

/** @brief "Downloading Data.....": the progress of a download, with Cancel. Kept above the main
 *  window (never above a message); deletes itself when closed. Escape and the window's close button
 * count as Cancel. */
class ProgressDialog : public QDialog {
    Q_OBJECT
public:
    /** @brief @p onCancel runs when the user cancels, before the dialog closes. */
    explicit ProgressDialog(std::function<void()> onCancel, QWidget* parent = nullptr);

    /** @brief Where the download stands. The bar and label follow at most every
     *  kRepaintInterval ms; the last state is always shown. */
    /** @param set the set being received; @param setsDone during Download All the sets done
     *  (negative for a one-set download); @param stored readings stored so far. */
    void setProgress(int set, int setsDone, int stored);
    /** @brief The download ended: closes without cancelling. */
    void finish();

    /** @brief Twice a second: enough to follow, and each change repaints the dialog. */
    static constexpr int kRepaintInterval = 500;
    QProgressBar* progressBar;
    QLabel* positionLabel;
    QPushButton* cancelButton;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void cancel();
    void applyProgress();
    std::function<void()> m_onCancel;
    bool m_finishing = false;
    QTimer m_repaint;
    int m_set = 0;
    int m_setsDone = -1;
    int m_stored = 0;
};
