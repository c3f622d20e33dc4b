// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/main/SessionMessages.h"

#include "core/common/Messages.h"
#include "core/session/MeterSession.h"
#include "core/store/ReadingsOpener.h"
#include "core/system/DeviceAccess.h"
#include "gui/dialogs/MessageBox.h"

SessionMessages::SessionMessages(MeterSession& session, ReadingsOpener& opener,
                                 MessageBox& messages, QObject* parent)
    : QObject(parent), m_opener(opener), m_messages(messages) {
    connect(&session, &MeterSession::problem, this,
            [this](const SessionProblem& p) { m_messages.tell(text(p)); });
    connect(&opener, &ReadingsOpener::failed, this, &SessionMessages::tellNotOpened);
    connect(&opener, &ReadingsOpener::opened, this, &SessionMessages::tellIfClosedToOthers);
}

QString SessionMessages::text(const SessionProblem& p) {
    using Kind = SessionProblem::Kind;
    switch (p.kind) {
        case Kind::NoMeterFound:
            return Msg::NoMeter;
        case Kind::PortNotOpened:
            switch (p.opened.kind) {
                case PortFailure::None:
                case PortFailure::NoSuchDevice:
                    return Msg::MeterNotConnected;
                case PortFailure::HeldByOther:
                    return Msg::PortInUse;
                case PortFailure::StaleLock:
                    return Msg::PortStaleLock.arg(p.device, p.opened.reason.facts.value(0));
                case PortFailure::NotAllowed: {
                    // Joining a group is advised only where it would help.
                    const QString group = DeviceAccess::groupToJoin(p.device);
                    return group == QLatin1String("dialout") ? Msg::PortPermission.text()
                           : group.isEmpty()                 ? Msg::PortNotAllowed.arg(p.device)
                                             : Msg::PortPermissionGroup.arg(p.device, group);
                }
                case PortFailure::Failed:
                    return Msg::PortUnusable.arg(p.device, Msg::why(p.opened.reason));
            }
            break;
        case Kind::NoDeviceOnPort:
            return Msg::NoDeviceOnPort.arg(p.port).arg(
                p.device.isEmpty() ? QCoreApplication::translate("Msg", "no such port") : p.device);
        case Kind::PortChosenEmpty:
            return Msg::InvalidPortNumber;
        case Kind::ConnectionLost:
            return Msg::ConnectionLost;
        case Kind::DownloadTroubled:
            return p.account.report();
        case Kind::NothingToStore:
            return Msg::NothingToStore;
        case Kind::SetFull:
            return Msg::SetFull.arg(p.set);
        case Kind::UnitsDiffer:
            return Msg::UnitsDiffer.arg(p.set)
                .arg(Meter::unitsName(p.setUnits))
                .arg(Meter::unitsName(p.meterUnits));
        case Kind::ReadingNotStored:
            return Msg::TableNotWritten.arg(Msg::why(p.stored.reason));
    }
    return {};
}

void SessionMessages::openReadings() {
    const StoreResult opened = m_opener.open();
    if (opened) tellIfClosedToOthers();
    if (opened || opened.kind == StoreFailure::Busy) return;
    tellNotOpened(opened);
}

void SessionMessages::tellIfClosedToOthers() {
    if (m_opener.store().wasOpenToOthers())
        m_messages.tell(Msg::DatabaseClosedToOthers.arg(m_opener.store().path()));
}

void SessionMessages::tellNotOpened(const StoreResult& why) {
    ReadingsStore& store = m_opener.store();
    const auto notOpened = [&store](const QString& reason) {
        return Msg::DatabaseNotOpened.arg(store.path(), reason);
    };
    if (why.kind != StoreFailure::Foreign) {
        m_messages.tell(notOpened(Msg::why(why.reason)));
        return;
    }
    // A file that is not the program's: never rewritten, but it may be set aside.
    if (!m_messages.askYesNo(notOpened(Msg::why(why.reason)) + QLatin1Char('\n') +
                             Msg::SetAsideQuestion))
        return;
    if (store.setAside().isEmpty()) {
        m_messages.tell(Msg::DatabaseNotOpened.arg(store.path(), Msg::NotSetAside.text()));
        return;
    }
    const StoreResult again = m_opener.open();
    if (!again && again.kind != StoreFailure::Busy)
        m_messages.tell(notOpened(Msg::why(again.reason)));
}
