// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QString>
#include <QVector>
#include <array>
#include <cstdint>
#include <random>

/** @brief The simulated meter: its 30 sets of readings, its status and its menu position, and the
 *  bytes it answers each command with. No port, no timer: the program around it does the I/O. */
class MeterState {
public:
    enum class Menu { Reading, Main, Memory, Recall, SelectSet, NewSet, ReadMemory };

    /** @brief Sets generated from @p seed; the same seed gives the same sets. */
    /** @p full: every set holds 128 readings; otherwise some are empty, some full, most between. */
    explicit MeterState(std::uint32_t seed = 1, double faultRate = 0.0, bool full = false);

    /** @brief Takes one received byte; returns what the meter sends in answer (may be empty). */
    QByteArray receive(char byte);
    /** @brief One live reading with its status elements. */
    QByteArray liveReading();
    /** @brief A set as the meter sends it in a download (header, status, values). */
    QByteArray setBytes(int set);
    /** @brief Continuous readings are running ("A" until "P" or another command). */
    bool continuous() const { return m_continuous; }
    /** @brief The last command asked to stop a transfer ("P"). */
    bool takeStopRequest();

    const QVector<QString>& set(int n) const { return m_sets[static_cast<size_t>(n - 1)]; }
    int currentSet() const { return m_currentSet; }
    int units() const { return m_units; }
    int mode() const { return m_mode; }
    int beeper() const { return m_beeper; }
    Menu menu() const { return m_menu; }
    /** @brief Every reading as "set<TAB>position<TAB>value" lines. */
    QByteArray dump() const;
    /** @brief Rates at which a set value loses its line feed (it runs into the next) or its
     *  decimal point, as a noisy line does to it. */
    void setValueFaults(double lostLineFeeds, double lostPoints) {
        m_lostLineFeeds = lostLineFeeds;
        m_lostPoints = lostPoints;
    }
    /** @brief Faults injected so far. */
    int faults() const { return m_faults; }

private:
    QString newValue();
    QByteArray value(const QString& text);
    QByteArray header(int set);
    QByteArray status() const;

    std::array<QVector<QString>, 30> m_sets;
    std::mt19937 m_rng;
    double m_faultRate;
    double m_lostLineFeeds = 0.0;
    double m_lostPoints = 0.0;
    int m_faults = 0;
    int m_currentSet = 1;
    int m_currentReading = 1;
    int m_units = 1;
    int m_mode = 1;
    int m_beeper = 1;
    int m_choice = 1;      // set chosen on a selection page
    int m_readChoice = 1;  // reading chosen on the Read Memory page
    Menu m_menu = Menu::Reading;
    bool m_continuous = false;
    bool m_stop = false;
    QByteArray m_pendingSelect;  // "S" and its digits so far
    QString m_live;              // the reading on the meter's display
};
