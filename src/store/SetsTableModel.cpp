#include "SetsTableModel.h"

#include "Recordset.h"

SetsTableModel::SetsTableModel(Recordset& rs, QObject* parent) : QAbstractTableModel(parent), m_rs(rs) {
    connect(&m_rs, &Recordset::rowSaved, this, [this](int row) {
        Q_EMIT dataChanged(index(row - 1, 0), index(row - 1, Recordset::kFieldCount - 1));
    });
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

void SetsTableModel::refresh() {
    beginResetModel();
    endResetModel();
}
