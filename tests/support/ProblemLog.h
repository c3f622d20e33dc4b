// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QStringList>

#include "core/session/MeterSession.h"

/** @brief The problems a session reported, for tests of the core alone: a troubled download as
 *  its account, any other problem by its kind's name (the words are the front ends'). */
class ProblemLog : public QObject {
public:
    explicit ProblemLog(MeterSession& session) {
        connect(&session, &MeterSession::problem, this, [this](const SessionProblem& p) {
            texts << (p.kind == SessionProblem::Kind::DownloadTroubled ? p.account.report()
                                                                       : kindName(p.kind));
        });
    }
    static QString kindName(SessionProblem::Kind kind) {
        using K = SessionProblem::Kind;
        switch (kind) {
            case K::NoMeterFound:
                return QStringLiteral("NoMeterFound");
            case K::PortNotOpened:
                return QStringLiteral("PortNotOpened");
            case K::NoDeviceOnPort:
                return QStringLiteral("NoDeviceOnPort");
            case K::PortChosenEmpty:
                return QStringLiteral("PortChosenEmpty");
            case K::ConnectionLost:
                return QStringLiteral("ConnectionLost");
            case K::DownloadTroubled:
                return QStringLiteral("DownloadTroubled");
            case K::NothingToStore:
                return QStringLiteral("NothingToStore");
            case K::SetFull:
                return QStringLiteral("SetFull");
            case K::UnitsDiffer:
                return QStringLiteral("UnitsDiffer");
            case K::ReadingNotStored:
                return QStringLiteral("ReadingNotStored");
        }
        return {};
    }
    QStringList texts;
};
