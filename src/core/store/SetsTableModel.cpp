// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/SetsTableModel.h"

#include <QStringList>

#include "core/store/ReadingsStore.h"

SetsTableModel::SetsTableModel(ReadingsStore& store, QObject* parent)
    : QAbstractTableModel(parent), m_store(store) {
    m_flush.setSingleShot(true);
    m_flush.setInterval(kRepaintInterval);
    connect(&m_flush, &QTimer::timeout, this, &SetsTableModel::flushChanges);
    connect(&m_store, &ReadingsStore::cellsChanged, this, &SetsTableModel::cellsChanged);
    connect(&m_store, &ReadingsStore::reloaded, this, &SetsTableModel::refresh);
    // A download changes a set's units and marks twice as it begins and ends the set, often
    // back to what the header showed: compared when the cells are told, not at each change.
    connect(&m_store, &ReadingsStore::detailsChanged, this, [this] {
        m_headersDue = true;
        if (!m_flush.isActive()) m_flush.start();
    });
    for (int section = 0; section < ReadingsStore::kColumns; ++section)
        m_shownHeaders[static_cast<size_t>(section)] = headerKey(section);
}

int SetsTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_store.rowCount();
}

int SetsTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ReadingsStore::kColumns;
}

QVariant SetsTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole) {
        // A cleared or unreadable position holds no reading: shown empty, so it never looks like
        // one. The stored text stays "0.000000", as files and exports need.
        if (index.column() > 0 && !m_store.holdsReading(index.column(), index.row() + 1))
            return QString();
        return m_store.cell(index.row(), index.column());
    }
    if (role == Qt::ToolTipRole && index.column() > 0) {
        const int set = index.column();
        const int position = index.row() + 1;
        if (m_store.held(set, position) == ReadingsStore::Held::Unreadable)
            return tr("Unreadable: what the meter sent here was no reading.");
        const QString flag = m_store.flag(set, position);
        if (!flag.isEmpty())
            return tr("Flagged: %1. Left out of the statistics and the plot's lines.").arg(flag);
    }
    // What a screen reader says of a cell: its reading, or that it is empty, unreadable or
    // flagged.
    if (role == Qt::AccessibleTextRole && index.column() > 0) {
        const int set = index.column();
        const int position = index.row() + 1;
        if (m_store.held(set, position) == ReadingsStore::Held::Unreadable) return tr("unreadable");
        if (!m_store.holdsReading(set, position)) return tr("empty");
        const QString flag = m_store.flag(set, position);
        const QString reading = m_store.cell(index.row(), index.column());
        return flag.isEmpty() ? reading : tr("%1, flagged: %2").arg(reading, flag);
    }
    if (role == FlagRole && index.column() > 0)
        return m_store.flag(index.column(), index.row() + 1);
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant SetsTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    const bool incomplete = m_store.isIncomplete(section);
    const QString units = SetDetailFields::unitsName(m_store.setUnits(section));
    if (role == Qt::DisplayRole) {
        QStringList marks;
        if (!units.isEmpty()) marks << units;
        if (incomplete) marks << tr("incomplete");
        // The set's name in the user's language; the table's own column names stay as they are.
        const QString name = section == 0 ? tr("Number") : tr("Set %1").arg(section);
        return marks.isEmpty() ? name
                               : name + QStringLiteral(" (") + marks.join(QStringLiteral(", ")) +
                                     QLatin1Char(')');
    }
    if (role == Qt::ToolTipRole && section > 0) {
        QString tip =
            units.isEmpty() ? tr("Units not known.") : tr("Readings in %1 units.").arg(units);
        if (incomplete)
            tip +=
                tr(" Its last download ended before the set's end of data: the positions after its "
                   "last reading were cleared.");
        return tip;
    }
    return {};
}

void SetsTableModel::cellsChanged(int firstRow, int lastRow, int firstColumn, int lastColumn) {
    m_firstChanged = m_firstChanged < 0 ? firstRow : qMin(m_firstChanged, firstRow);
    m_lastChanged = qMax(m_lastChanged, lastRow);
    m_firstColumn = m_firstColumn < 0 ? firstColumn : qMin(m_firstColumn, firstColumn);
    m_lastColumn = qMax(m_lastColumn, lastColumn);
    if (!m_flush.isActive()) m_flush.start();
}

QString SetsTableModel::headerKey(int section) const {
    return headerData(section, Qt::Horizontal, Qt::DisplayRole).toString() + QLatin1Char('\n') +
           headerData(section, Qt::Horizontal, Qt::ToolTipRole).toString();
}

void SetsTableModel::flushChanges() {
    if (m_headersDue) {
        m_headersDue = false;
        int first = -1, last = -1;
        for (int section = 1; section < ReadingsStore::kColumns; ++section) {
            QString key = headerKey(section);
            QString& shown = m_shownHeaders[static_cast<size_t>(section)];
            if (key == shown) continue;
            shown = std::move(key);
            if (first < 0) first = section;
            last = section;
        }
        if (first > 0) Q_EMIT headersChanged(first, last);
    }
    if (m_firstChanged < 0) return;
    const int first = m_firstChanged;
    const int last = qMin(m_lastChanged, rowCount() - 1);
    const int firstColumn = m_firstColumn;
    const int lastColumn = m_lastColumn;
    m_firstChanged = m_lastChanged = m_firstColumn = m_lastColumn = -1;
    // Only the changed block is repainted: during a download, a few cells of one set's column.
    if (last >= first) Q_EMIT dataChanged(index(first, firstColumn), index(last, lastColumn));
}

void SetsTableModel::refresh() {
    m_flush.stop();
    m_firstChanged = m_lastChanged = m_firstColumn = m_lastColumn = -1;
    m_headersDue = false;
    for (int section = 0; section < ReadingsStore::kColumns; ++section)
        m_shownHeaders[static_cast<size_t>(section)] = headerKey(section);
    beginResetModel();
    endResetModel();
}
