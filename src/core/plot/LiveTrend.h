// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDateTime>
#include <QList>
#include <QObject>

/** @brief The values of the current (or last) run of continuous readings, with the time each
 *  arrived, for the plot's live trend. A new run starts a new trend; the oldest values give way
 *  after kMaxValues. Captured single readings are not part of it. No widget. */
class LiveTrend : public QObject {
    Q_OBJECT
public:
    struct Value {
        QDateTime time;
        double value = 0;
    };
    static constexpr int kMaxValues = 3600;

    explicit LiveTrend(QObject* parent = nullptr) : QObject(parent) {}
    const QList<Value>& values() const { return m_values; }

    /** @brief Adds a value that arrived at @p time while a run goes on; ignored otherwise. */
    void add(const QDateTime& time, double value);
    /** @brief Adds a value that arrived now. */
    void addNow(double value) { add(QDateTime::currentDateTime(), value); }
    /** @brief A run starts (the trend empties) or ends. */
    void setRunning(bool running);

Q_SIGNALS:
    /** @brief One value was added (the first may have given way). */
    void added();
    /** @brief The trend was emptied for a new run. */
    void restarted();

private:
    QList<Value> m_values;
    bool m_running = false;
};
