// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

#include "core/meter/ReceiveEngine.h"

/** @brief What the session is doing with the meter. */
enum class Activity {
    Idle,         ///< nothing asked for, or a single reading
    Downloading,  ///< a download was asked for (or set data arrived) and has not ended
    Live,         ///< continuous readings were asked for ("A") and not stopped
    Stopped       ///< "P" was sent: set data still on its way belongs to no download
};

/** @brief The session's state as windows read it. The meter session owns the one instance and
 *  is its only writer. */
struct SessionState {
    Activity activity = Activity::Idle;
    Request lastRequest = Request::None;  ///< what was asked of the meter last
    MeterReport meter;                    ///< what the meter last reported of itself
    bool storeToPC = false;  ///< Store puts readings into the PC's table (else the meter's memory)
    int portNumber = 0;      ///< the port the meter is looked for on
    int selectedSet = 1;     ///< the set Download Selected Set asks for, 1..30
};
