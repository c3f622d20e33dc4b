// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <utility>

#include "core/link/SerialLink.h"
#include "core/meter/MeterFacts.h"
#include "core/session/DownloadSummary.h"
#include "core/store/ReadingsStore.h"

/** @brief Something the session could not do, or that went wrong on the line, as a value: what
 *  happened and its facts. The session words nothing; each front end turns a problem into its
 *  own words (the desktop's translated message, the CLI's line and exit code). */
struct SessionProblem {
    enum class Kind {
        NoMeterFound,      ///< start-up found no meter: the "Comm Num" setting is tried
        PortNotOpened,     ///< the meter's port could not be opened: opened says why
        NoDeviceOnPort,    ///< the port dialog named a number with no device; nothing changed
        PortChosenEmpty,   ///< the port dialog's number has no device once opened
        ConnectionLost,    ///< the meter's link went away outside a download
        DownloadTroubled,  ///< a download ended with something the user did not ask for
        NothingToStore,    ///< Store with no live reading shown yet
        SetFull,           ///< Store into a set with no cleared position
        UnitsDiffer,       ///< Store into a set of the other units
        ReadingNotStored,  ///< Store was refused by the readings database: stored says why
    };
    // NOLINTNEXTLINE(google-explicit-constructor): a kind alone is a problem
    SessionProblem(Kind kind, int port = 0, QString device = {})
        : kind(kind), port(port), device(std::move(device)) {}

    Kind kind;
    int port = 0;               ///< the port number concerned
    QString device;             ///< its device path (empty when there is none)
    OpenResult opened;          ///< PortNotOpened: why the device did not open
    StoreResult stored;         ///< ReadingNotStored: why the database refused
    int set = 0;                ///< SetFull, UnitsDiffer: the set concerned
    Meter::Units setUnits{};    ///< UnitsDiffer: the set's units
    Meter::Units meterUnits{};  ///< UnitsDiffer: the meter's units now
    DownloadSummary account;    ///< DownloadTroubled: what the download did
};
