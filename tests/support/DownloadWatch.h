// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>

#include "core/session/MeterSession.h"

/** @brief Where the session's download stands, as its signals told it: what a window following
 *  the download sees. A new download request starts it afresh. */
struct DownloadWatch : QObject {
    explicit DownloadWatch(MeterSession& session) {
        connect(&session, &MeterSession::downloadRequested, this, [this] {
            last = {};
            account = {};
        });
        connect(&session, &MeterSession::downloadProgressed, this,
                [this](const DownloadProgress& at) { last = at; });
        connect(&session, &MeterSession::downloadEnded, this,
                [this](const DownloadSummary& told) { account = told; });
        connect(&session, &MeterSession::downloadReported, this,
                [this](const DownloadSummary& told) { account = told; });
    }
    DownloadProgress last;
    /** @brief The account of the download last ended, final once it was reported. */
    DownloadSummary account;
};
