#pragma once
#include <QByteArray>

#include "basVariables.h"

class MSComm;
class MessageBox;
class frmProgress;

/** @brief The views the requests switch between, and the progress dialog. */
class RequestViews {
public:
    virtual ~RequestViews() = default;
    virtual void HideReading() = 0;
    virtual void ShowReading() = 0;
    virtual void HideData() = 0;
    virtual void ShowData() = 0;
    /** @brief The progress dialog, created hidden when it does not exist. */
    virtual frmProgress& Progress() = 0;
};

/** @brief The five requests to the meter. None waits for an answer. */
class MeterRequests {
public:
    MeterRequests(MSComm& comm, basVariables& vars, frmMainVariables& main, MessageBox& messages,
                  RequestViews& views)
        : m_comm(comm), m_vars(vars), m_main(main), m_messages(messages), m_views(views) {}

    void DownloadCurrentSet();
    void DownloadSelectedSet();
    void DownloadAllSets();
    void CaptureCurrentReading();
    void ShowContinuousReadings();
    /** @brief Cancel in the progress dialog: asks the meter to stop, if the port is open. */
    void CancelDownload();
    /** @brief Continuous readings were the last thing asked of the meter. */
    bool continuousRunning() const { return m_continuous; }
    /** @brief Something else was written to the meter (a panel key). */
    void otherCommandSent() { m_continuous = false; }

private:
    bool portReady();
    void download(const QByteArray& command, int maximum);
    void live(const QByteArray& command);
    void write(const QByteArray& command);

    MSComm& m_comm;
    basVariables& m_vars;
    frmMainVariables& m_main;
    MessageBox& m_messages;
    RequestViews& m_views;
    bool m_continuous = false;
};
