// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/session/DownloadSummary.h"

#include <QCoreApplication>
#include <QStringList>

#include "core/common/Messages.h"
#include "core/meter/MeterFacts.h"

namespace {

// "3", "3 and 5", "3, 5 and 9", "1 to 30": a run of three or more is told by its ends.
QString numberList(const QList<int>& numbers) {
    QStringList texts;
    for (qsizetype i = 0; i < numbers.size();) {
        qsizetype j = i;
        while (j + 1 < numbers.size() && numbers[j + 1] == numbers[j] + 1) ++j;
        if (j - i >= 2) {
            texts << QCoreApplication::translate("DownloadSummary", "%1 to %2")
                         .arg(numbers[i])
                         .arg(numbers[j]);
        } else {
            for (qsizetype k = i; k <= j; ++k) texts << QString::number(numbers[k]);
        }
        i = j + 1;
    }
    if (texts.size() <= 1) return texts.join(QString());
    const QString last = texts.takeLast();
    return texts.join(QStringLiteral(", ")) +
           QCoreApplication::translate("DownloadSummary", " and ") + last;
}
}  // namespace

QString DownloadSummary::statusLine() const {
    QString how;
    switch (end) {
        case DownloadEnd::Running:
            how = tr("Downloading");
            break;
        case DownloadEnd::Whole:
            how = noSet() ? tr("Download ended: the meter sent no set") : tr("Download complete");
            break;
        case DownloadEnd::Cancelled:
            how = tr("Download cancelled");
            break;
        case DownloadEnd::ConnectionLost:
            how = tr("Download cut short: the connection to the meter was lost");
            break;
        case DownloadEnd::PortChanged:
            how = tr("Download cut short: the port was opened again");
            break;
        case DownloadEnd::StoreFailed:
            how = tr("Download stopped: readings could not be stored");
            break;
        case DownloadEnd::NoAnswer:
            how = tr("Download ended: the meter did not answer");
            break;
        case DownloadEnd::NewRequest:
            how = tr("Download cut short by a new request");
            break;
    }
    QString what = (stored == 1 ? tr("%1 reading stored") : tr("%1 readings stored")).arg(stored);
    if (!sets.isEmpty())
        what =
            (sets.size() == 1 ? tr("set %1, %2") : tr("sets %1, %2")).arg(numberList(sets), what);
    return QStringLiteral("%1: %2.").arg(how, what);
}

QString DownloadSummary::positionList(const QList<QPair<int, int>>& positions) {
    QStringList at;
    for (const auto& [set, position] : positions)
        at << tr("set %1 position %2").arg(set).arg(position);
    constexpr int kListed = 20;
    QString listed = at.mid(0, kListed).join(QStringLiteral(", "));
    if (at.size() > kListed) listed += tr(" and %1 more").arg(at.size() - kListed);
    return listed;
}

QString DownloadSummary::report() const {
    QStringList lines{statusLine()};
    const QString port =
        portNumber == 0 ? QString() : tr("port %1 (%2)").arg(portNumber).arg(portDevice);
    if (end == DownloadEnd::NoAnswer) lines << tr("The meter did not answer on %1.").arg(port);
    if (end == DownloadEnd::ConnectionLost && !port.isEmpty())
        lines << tr("The connection to the meter on %1 was lost.").arg(port);
    if (end == DownloadEnd::StoreFailed) {
        // A lock says more with who may hold it.
        const QString why =
            failureKind == StoreFailure::Busy ? Msg::DatabaseHeld.text() : Msg::why(failure);
        lines << tr("Readings could not be stored: %1.").arg(why);
        bool told = false;
        for (const auto& cut : incomplete) told = told || cut.first == failedSet;
        if (failedSet != 0 && !told)
            lines << (sets.contains(failedSet)
                          ? tr("Set %1 was being received when it happened: it holds readings of "
                               "this download and of an earlier one, and is marked incomplete.")
                          : tr("Set %1 was being received when it happened: what this download "
                               "had stored in it was taken back, and it holds what it held "
                               "before."))
                         .arg(failedSet);
    }
    for (const auto& [set, last] : incomplete) {
        if (incompleteLeftAlone) {
            lines << tr("Set %1 is incomplete: the download ended after position %2, "
                        "and the positions after it still hold what they held before "
                        "(the readings database could not be written).")
                         .arg(set)
                         .arg(last);
            continue;
        }
        const QString cleared =
            last >= Meter::kPositions ? QString()
            : last == 0
                ? tr("; all its positions were cleared")
                : tr("; positions %1 to %2 were cleared").arg(last + 1).arg(Meter::kPositions);
        lines << tr("Set %1 is incomplete: the download ended after position %2%3, "
                    "and the set is marked incomplete.")
                     .arg(set)
                     .arg(last)
                     .arg(cleared);
    }
    if (!unreadable.isEmpty()) {
        const QString listed = positionList(unreadable);
        lines << (unreadable.size() == 1
                      ? tr("%1 value was not readable and left cleared at their positions: %2.")
                      : tr("%1 values were not readable and left cleared at their positions: "
                           "%2."))
                     .arg(unreadable.size())
                     .arg(listed);
    }
    if (!formFaults.isEmpty()) {
        const QString listed = positionList(formFaults);
        lines << (formFaults.size() == 1
                      ? tr("%1 value was not in the form the meter sends (a line fault?): it is "
                           "stored flagged, left out of the statistics until you unflag it: %2.")
                      : tr("%1 values were not in the form the meter sends (line faults?): they "
                           "are stored flagged, left out of the statistics until you unflag "
                           "them: %2."))
                     .arg(formFaults.size())
                     .arg(listed);
    }
    if (!flagsDropped.isEmpty()) {
        const QString listed = positionList(flagsDropped);
        lines << (flagsDropped.size() == 1
                      ? tr("%1 flag went with its reading, which this download replaced: %2.")
                      : tr("%1 flags went with their readings, which this download replaced: "
                           "%2."))
                     .arg(flagsDropped.size())
                     .arg(listed);
    }
    if (!unasked.isEmpty())
        lines << (unasked.size() == 1
                      ? tr("The meter also sent set %1, which was not asked for: it was not "
                           "stored.")
                      : tr("The meter also sent sets %1, which were not asked for: they were not "
                           "stored."))
                     .arg(numberList(unasked));
    for (const auto& [set, count] : beyond)
        lines << (count == 1 ? tr("Set %1 came with %2 value more than its %3 positions: it was "
                                  "not stored.")
                             : tr("Set %1 came with %2 values more than its %3 positions: they "
                                  "were not stored."))
                     .arg(set)
                     .arg(count)
                     .arg(Meter::kPositions);
    for (int before : lostSets)
        lines << (before == 0 ? tr("The first set arrived with a set number that could not be "
                                   "read; its values were not stored, and the set keeps what it "
                                   "held.")
                              : tr("The set after set %1 arrived with a set number that could "
                                   "not be read; its values were not stored, and the set keeps "
                                   "what it held.")
                                    .arg(before));
    return lines.join(QLatin1Char('\n'));
}
