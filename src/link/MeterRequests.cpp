#include "MeterRequests.h"

#include "CommPort.h"
#include "Commands.h"
#include "ErrorCodes.h"
#include "MSComm.h"
#include "frmProgress.h"

bool MeterRequests::portReady() { return m_comm.PortOpen() || OpenCommPort(m_comm, m_vars, m_messages); }

void MeterRequests::write(const QByteArray& command) {
    m_continuous = command == Command::ShowContinuousReadings;
    try {
        m_comm.setOutput(command);
    } catch (const VbError&) {
        // The port is closed now; the next request reopens it.
    }
}

void MeterRequests::download(const QByteArray& command, int maximum) {
    if (!portReady()) return;
    write(command);
    m_views.HideReading();
    m_vars.ReadingMode = false;
    m_views.ShowData();
    m_vars.DownloadMode = true;
    m_main.mProgressCount = 0;
    m_views.Progress().ProgressBar1->setMaximum(maximum);
}

void MeterRequests::live(const QByteArray& command) {
    if (!portReady()) return;
    write(command);
    m_views.HideData();
    m_vars.DownloadMode = false;
    m_views.ShowReading();
    m_vars.ReadingMode = true;
}

void MeterRequests::DownloadCurrentSet() { download(Command::DownloadCurrentSet, 128); }
void MeterRequests::DownloadSelectedSet() { download(Command::DownloadSelectedSet(m_main.mSelectedSet), 128); }
void MeterRequests::DownloadAllSets() { download(Command::DownloadAllSets, 3840); }
void MeterRequests::CaptureCurrentReading() { live(Command::CaptureCurrentReading); }
void MeterRequests::ShowContinuousReadings() { live(Command::ShowContinuousReadings); }

void MeterRequests::CancelDownload() {
    if (m_comm.PortOpen()) write(Command::Stop);
}
