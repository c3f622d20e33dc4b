// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QString>

#include "core/session/SessionProblem.h"
#include "core/store/ReadingsStore.h"

class MessageBox;
class MeterSession;
class ReadingsOpener;

/** @brief Where the desktop program speaks for the core: each problem the session reports and
 *  each outcome of opening the readings database becomes one translated message here, and the
 *  one question the core leaves open (set a foreign file aside?) is asked here. */
class SessionMessages : public QObject {
    Q_OBJECT
public:
    SessionMessages(MeterSession& session, ReadingsOpener& opener, MessageBox& messages,
                    QObject* parent = nullptr);

    /** @brief Start-up: opens the readings database; tells why when it cannot, and offers to set
     *  a file that is not the program's aside. A lock another program holds is waited for. */
    void openReadings();

    /** @brief The message for @p problem, in the program's language. */
    static QString text(const SessionProblem& problem);

private:
    void tellNotOpened(const StoreResult& why);
    /** @brief One word when the database was open to other users and was closed to them. */
    void tellIfClosedToOthers();

    ReadingsOpener& m_opener;
    MessageBox& m_messages;
};
