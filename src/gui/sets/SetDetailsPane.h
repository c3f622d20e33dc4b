// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QHash>
#include <QTimer>
#include <QWidget>

#include "core/gps/GpsReceiver.h"
#include "core/store/SetDetails.h"

class QLabel;
class QPushButton;
class QLineEdit;
class ReadingsStore;

/** @brief "Set Details": the chosen set's record beside the grid. What the user types is
 *  checked and stored as each field is left (Enter or Tab); a number that is not one is told
 *  under the fields and stored nowhere. What the program keeps (units, download, completeness)
 *  is shown below, read-only. */
class SetDetailsPane : public QWidget {
    Q_OBJECT
public:
    explicit SetDetailsPane(ReadingsStore& store, QWidget* parent = nullptr);
    /** @brief Shows @p set's record (1..30). */
    void showSet(int set);
    int set() const { return m_set; }
    /** @brief Offers "Take Position from GPS", which puts @p receiver's current fix into the
     *  set's latitude, longitude and elevation as one edit. */
    void offerGps(const GpsReceiver& receiver);

Q_SIGNALS:
    /** @brief The user changed a set's details: they count as changes, as readings do. */
    void edited();

private:
    void commit(DetailField field);
    void showRecord();
    void takeGpsPosition();
    const GpsReceiver* m_gps = nullptr;
    QPushButton* m_fromGps = nullptr;
    ReadingsStore& m_store;
    int m_set = 1;
    QLabel* m_title;
    QHash<DetailField, QLineEdit*> m_fields;
    QLabel* m_facts;
    QLabel* m_problem;
    static constexpr int kFactsIntervalMs = 250;
    QTimer m_factsDue;  ///< the readings count is shown again when it runs out
};
