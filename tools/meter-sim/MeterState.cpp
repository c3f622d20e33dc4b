// SPDX-License-Identifier: GPL-3.0-or-later
#include "MeterState.h"

#include <cmath>

namespace {
QByteArray byteFor(int offset, int n) { return QByteArray(1, static_cast<char>(offset + n)); }
}  // namespace

MeterState::MeterState(std::uint32_t seed, double faultRate, bool full)
    : m_rng(seed), m_faultRate(faultRate) {
    std::uniform_int_distribution<int> size(1, 127);
    for (int s = 1; s <= 30; ++s) {
        int count;
        if (full)
            count = 128;
        else if (s % 7 == 3)
            count = 0;  // some sets are empty
        else if (s % 5 == 1)
            count = 128;  // some are full
        else
            count = size(m_rng);
        auto& set = m_sets[static_cast<size_t>(s - 1)];
        for (int i = 0; i < count; ++i) set.append(newValue());
    }
    m_live = newValue();
}

QString MeterState::newValue() {
    // Susceptibilities from 1e-5 to about 3, spread evenly in the logarithm, so the panel's
    // ranges in SI and CGS are all exercised.
    std::uniform_real_distribution<double> exponent(-5.0, 0.5);
    const double v = std::pow(10.0, exponent(m_rng));
    return QString::number(v, 'f', 6);
}

QByteArray MeterState::value(const QString& text) {
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    if (m_faultRate > 0 && chance(m_rng) < m_faultRate) {
        ++m_faults;
        return "1.2.3\n";  // a value that is not a number
    }
    QByteArray out = text.toLatin1();
    if (m_lostPoints > 0 && chance(m_rng) < m_lostPoints) {
        ++m_faults;
        out.replace(".", "");
    }
    if (m_lostLineFeeds > 0 && chance(m_rng) < m_lostLineFeeds) {
        ++m_faults;
        return out;  // runs into the next value
    }
    return out + "\n";
}

QByteArray MeterState::header(int set) {
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    if (m_faultRate > 0 && chance(m_rng) < m_faultRate) {
        ++m_faults;
        return "Sx\n";  // a malformed set header
    }
    return "S" + QByteArray::number(set).rightJustified(2, '0') + "\n";
}

QByteArray MeterState::status() const {
    return "U" + QByteArray::number(m_units) + "M" + QByteArray::number(m_mode);
}

QByteArray MeterState::setBytes(int s) {
    QByteArray out = header(s) + status();
    for (const QString& v : set(s)) out += value(v);
    return out;
}

QByteArray MeterState::liveReading() {
    m_live = newValue();
    // A full set keeps its last position: the reading byte never runs past what it can carry.
    return status() + "N" + byteFor(127, m_currentSet) + "R" +
           byteFor(128, qMin(m_currentReading, 127)) + value(m_live);
}

bool MeterState::takeStopRequest() {
    const bool s = m_stop;
    m_stop = false;
    return s;
}

QByteArray MeterState::dump() const {
    QByteArray out;
    for (int s = 1; s <= 30; ++s) {
        int pos = 0;
        for (const QString& v : set(s))
            out += QByteArray::number(s) + '\t' + QByteArray::number(++pos) + '\t' + v.toLatin1() +
                   '\n';
    }
    return out;
}

QByteArray MeterState::receive(char c) {
    if (!m_pendingSelect.isEmpty()) {
        if (c >= '0' && c <= '9') {
            m_pendingSelect += c;
            if (m_pendingSelect.size() < 3) return {};
            const int n = m_pendingSelect.mid(1).toInt();
            m_pendingSelect.clear();
            if (n < 1 || n > 30) return {};
            return setBytes(n) + "\r\r";
        }
        m_pendingSelect.clear();  // not a set number: the command is dropped
    }
    // Any command ends continuous readings; "A" starts them again.
    const bool known = QByteArray("CSDRAPTLMQOUYIBNEXHZFKJWGwafbdenuq").contains(c);
    if (known) m_continuous = false;
    auto wrap = [](int n) { return ((n - 1 + 30) % 30) + 1; };
    switch (c) {
        case 'C':
            return setBytes(m_currentSet) + "\r\r";
        case 'S':
            m_pendingSelect = "S";
            return {};
        case 'D': {
            QByteArray out;
            for (int s = 1; s <= 30; ++s) out += setBytes(s);
            return out + "\r\r";
        }
        case 'R':
            return liveReading();
        case 'A':
            m_continuous = true;
            return liveReading();
        case 'P':
            m_stop = true;
            return {};
        case 'T': {
            auto& set = m_sets[static_cast<size_t>(m_currentSet - 1)];
            if (set.size() < 128) set.append(m_live);
            m_currentReading = static_cast<int>(set.size()) + 1;
            return "R" + byteFor(128, qMin(m_currentReading, 127));
        }
        case 'M':
            m_menu = Menu::Main;
            return {};
        case 'O':
            m_mode = m_mode == 1 ? 2 : 1;
            m_menu = Menu::Reading;
            return "M" + QByteArray::number(m_mode);
        case 'U':
        case 'W':
            m_units = m_units == 1 ? 2 : 1;
            if (c == 'U') m_menu = Menu::Reading;
            return "U" + QByteArray::number(m_units);
        case 'B':
            m_beeper = m_beeper == 1 ? 0 : 1;
            m_menu = Menu::Reading;
            return "B" + QByteArray::number(m_beeper);
        case 'N':
        case 'E':
            m_menu = Menu::Reading;
            return {};
        case 'Y':
            m_menu = Menu::Memory;
            return {};
        case 'F':
            m_menu = Menu::Main;
            return {};
        case 'X':
            m_menu = Menu::Recall;
            return {};
        case 'G':
        case 'q':
            m_menu = Menu::Memory;
            return {};
        case 'H':
            m_menu = Menu::NewSet;
            m_choice = m_currentSet;
            return {};
        case 'J':
            m_menu = Menu::SelectSet;
            m_choice = m_currentSet;
            return {};
        case 'K':
            m_menu = Menu::ReadMemory;
            m_readChoice = 1;
            return {};
        case 'w':
        case 'a':
            m_choice = wrap(m_choice + 1);
            return "N" + byteFor(127, m_choice);
        case 'f':
        case 'b':
            m_choice = wrap(m_choice - 1);
            return "N" + byteFor(127, m_choice);
        case 'u':
        case 'd': {
            const auto& set = m_sets[static_cast<size_t>(m_currentSet - 1)];
            if (set.isEmpty()) return {};
            // The reading chosen is kept apart from the set chosen: Enter takes a set, never a
            // reading number (a reading number as a set indexed past the 30 sets).
            m_readChoice =
                qBound(1, m_readChoice + (c == 'u' ? 1 : -1), static_cast<int>(set.size()));
            return "R" + byteFor(128, m_readChoice) + value(set[m_readChoice - 1]);
        }
        case 'e':
            m_currentSet = m_choice;
            m_menu = Menu::Recall;
            return "N" + byteFor(127, m_currentSet);
        case 'n':
            m_currentSet = m_choice;
            m_currentReading = static_cast<int>(set(m_currentSet).size()) + 1;
            m_menu = Menu::Reading;
            return "N" + byteFor(127, m_currentSet) + "R" +
                   byteFor(128, qMin(m_currentReading, 127));
        default:
            return {};  // L, Q, I, Z and unknown bytes: nothing to answer
    }
}
