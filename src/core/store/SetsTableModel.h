// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QAbstractTableModel>
#include <QTimer>
#include <array>

#include "core/meter/MeterFacts.h"

class ReadingsStore;

/** @brief The table Sets as the grid shows it: 31 columns captioned with the field names.
 *
 * Written cells reach the view at most once per kRepaintInterval ms, together; the last change is
 * always shown. A download stores a hundred readings a second, and a repaint of the grid for
 * each of them costs more than receiving them. */
class SetsTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit SetsTableModel(ReadingsStore& store, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    /** @brief Shows the store's current contents again. */
    void refresh();

    static constexpr int kRepaintInterval = 100;
    /** @brief data() of this role: why a reading is flagged (the grid strikes it through). */
    static constexpr int FlagRole = Qt::UserRole + 1;

Q_SIGNALS:
    /** @brief The captions of sections @p first..@p last changed, told with the cells at most
     *  once per kRepaintInterval and only when their text did. Not headerDataChanged: a view
     *  answers that by laying out and repainting every cell it shows, twice for each set a
     *  download writes. Whoever shows the header passes this on to it. */
    void headersChanged(int first, int last);

private:
    void cellsChanged(int firstRow, int lastRow, int firstColumn, int lastColumn);
    void flushChanges();

    ReadingsStore& m_store;
    QTimer m_flush;
    // The rows and columns changed since the last repaint (-1: none).
    int m_firstChanged = -1;
    int m_lastChanged = -1;
    int m_firstColumn = -1;
    int m_lastColumn = -1;
    bool m_headersDue = false;
    std::array<QString, Meter::kSets + 1> m_shownHeaders;  ///< caption and tip as told
    /** @brief A section's caption and tip, as one text to compare. */
    QString headerKey(int section) const;
};
