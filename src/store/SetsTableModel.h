#pragma once
#include <QAbstractTableModel>

class Recordset;

/** @brief The table Sets as the grid shows it: 31 columns captioned with the field names. */
class SetsTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit SetsTableModel(Recordset& rs, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    /** @brief Shows the recordset's current contents again. */
    void refresh();

private:
    Recordset& m_rs;
};
