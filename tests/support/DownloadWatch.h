// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>

#include "core/session/MeterSession.h"

/** @brief Where the session's download stands, as its progress signals told it: what a window
 *  following the download sees. A new download request starts it afresh. */
struct DownloadWatch : QObject {
    explicit DownloadWatch(MeterSession& session) {
        connect(&session, &MeterSession::downloadRequested, this, [this] { last = {}; });
        connect(&session, &MeterSession::downloadProgressed, this,
                [this](const DownloadProgress& at) { last = at; });
    }
    DownloadProgress last;
};
