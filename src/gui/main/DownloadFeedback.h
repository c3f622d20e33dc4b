// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QPointer>

struct DownloadProgress;
class MessageBox;
class MeterSession;
class ProgressDialog;
class QWidget;

/** @brief A download as the user sees it: the progress dialog from the request to the end (its
 *  Cancel stops the download), and Download Set's question. It follows the session by itself. */
class DownloadFeedback : public QObject {
    Q_OBJECT
public:
    /** @brief The dialog is made over @p window. */
    DownloadFeedback(MeterSession& session, MessageBox& messages, QWidget& window);
    /** @brief Download > Download Set...: asks for the set (1 to 30); the chosen set is then
     *  downloaded after setChosen() moved the drop-down to it. */
    void askAndDownload();
    /** @brief Closes the dialog, whatever the download does (the window is closing). */
    void closeProgress();

Q_SIGNALS:
    /** @brief The user chose @p set in Download Set's question. */
    void setChosen(int set);

private:
    ProgressDialog& progress();
    void onRequested(int maximum);
    void onProgressed(const DownloadProgress& at);

    MeterSession& m_session;
    MessageBox& m_messages;
    QWidget& m_window;
    QPointer<ProgressDialog> m_progress;
    bool m_downloadAll = false;
};
