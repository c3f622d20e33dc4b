// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/SetsTableModel.h"

#include "core/store/Recordset.h"

SetsTableModel::SetsTableModel(Recordset& rs, QObject* parent) : QAbstractTableModel(parent), m_rs(rs) {
    m_flush.setSingleShot(true);
    m_flush.setInterval(kRepaintInterval);
    connect(&m_flush, &QTimer::timeout, this, &SetsTableModel::flushChanges);
    connect(&m_rs, &Recordset::rowSaved, this, &SetsTableModel::rowChanged);
    connect(&m_rs, &Recordset::reloaded, this, &SetsTableModel::refresh);
}

int SetsTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || m_rs.State() != Recordset::adStateOpen) return 0;
    return m_rs.RecordCount();
}

int SetsTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Recordset::kFieldCount;
}

QVariant SetsTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole) return m_rs.cell(index.row(), index.column());
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant SetsTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return Recordset::FieldName(section);
    return {};
}

void SetsTableModel::rowChanged(int row, int firstField, int lastField) {
    const int r = row - 1;
    m_firstChanged = m_firstChanged < 0 ? r : qMin(m_firstChanged, r);
    m_lastChanged = qMax(m_lastChanged, r);
    m_firstColumn = m_firstColumn < 0 ? firstField : qMin(m_firstColumn, firstField);
    m_lastColumn = qMax(m_lastColumn, lastField);
    if (!m_flush.isActive()) m_flush.start();
}

void SetsTableModel::flushChanges() {
    if (m_firstChanged < 0) return;
    const int first = m_firstChanged;
    const int last = qMin(m_lastChanged, rowCount() - 1);
    const int firstColumn = m_firstColumn;
    const int lastColumn = m_lastColumn;
    m_firstChanged = m_lastChanged = m_firstColumn = m_lastColumn = -1;
    // Only the changed block is repainted: during a download, one set's column.
    if (last >= first) Q_EMIT dataChanged(index(first, firstColumn), index(last, lastColumn));
}

void SetsTableModel::refresh() {
    m_flush.stop();
    m_firstChanged = m_lastChanged = m_firstColumn = m_lastColumn = -1;
    beginResetModel();
    endResetModel();
}
