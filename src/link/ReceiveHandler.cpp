#include "ReceiveHandler.h"

#include "ErrorCodes.h"
#include "MSComm.h"
#include "Recordset.h"

void MSComm1_OnComm(MSComm& comm, ReceiveState& st, basVariables& vars, frmMainVariables& main,
                    ReceiveHost& host) {
    if (st.Busy) return;
    st.Busy = true;
    try {
        if (comm.CommEvent() == MSComm::comEvReceive && comm.InBufferCount() > 512) comm.setInBufferCount(0);
        comm.setInputLen(1);
        st.LastChar = comm.Input();
        if (!st.LastChar.isEmpty()) FeedChar(st.LastChar.at(0), st, vars, main, host);
    } catch (const VbError&) {
        // The rest of this character's processing is abandoned; flags already changed stay.
    }
    st.Busy = false;
}

bool StoreDownloadedReading(Recordset& rs, const frmMainVariables& main) {
    if (main.mSetNumber < 1 || main.mSetNumber > 30) return false;
    try {
        rs.setAbsolutePosition(main.mReadingNumber);
        rs.setFields(main.mSetNumber, main.mReadingText);
        // Saved at once: a reading the progress dialog has counted is in the file, whatever
        // happens next (an unplugged meter, a killed program).
        rs.Update();
        return true;
    } catch (const VbError&) {
        return false;
    }
}
