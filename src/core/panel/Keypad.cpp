// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/panel/Keypad.h"

int Keypad::groupOf(int code) {
    if (code <= 4) return 0;
    if (code <= 10) return 1;
    if (code <= 13) return 2;
    return 3;
}

QList<QByteArray> Keypad::commands(Key key, bool storeToPC) const {
    switch (key) {
        case Key::Store:
            return storeToPC ? QList<QByteArray>{} : QList<QByteArray>{"T"};
        case Key::Cal:
            return {"L"};
        case Key::Menu:
            return {"M"};
        case Key::Off:
            return {"Q"};
        case Key::Mode:
            return {"O"};
        case Key::Units:
            return {"U"};
        case Key::Memory:
            return {"Y"};
        case Key::Invert:
            return {"I"};
        case Key::Beeper:
            return {"B"};
        case Key::On:
            return {"N"};
        case Key::Escape:
            return {"E"};
        case Key::Recall:
            return {"X"};
        case Key::NewSet:
            return {"H"};
        case Key::Delete:
            return {"Z"};
        case Key::Escape2:
            return {"F"};
        case Key::Read:
            return {"K"};
        case Key::SelectSet:
            return {"J"};
        case Key::Units2:
            return {"W"};
        case Key::Escape3:
            return {"G"};
        case Key::Up:
            return {m_selectSetMode ? "w" : m_newSetMode ? "a" : "u"};
        case Key::Down:
            return {m_selectSetMode ? "f" : m_newSetMode ? "b" : "d"};
        case Key::Enter: {
            QList<QByteArray> out;
            if (m_selectSetMode) out.append("e");
            if (m_newSetMode) out.append("n");
            return out;
        }
        case Key::Escape5:
            return {"q"};
        case Key::DeleteRead:
        case Key::ClearSet:
        case Key::ClearAll:
        case Key::Escape4:
            return {};
    }
    return {};
}

void Keypad::latch(int code) {
    const int group = groupOf(code);
    for (int c = 1; c <= kLatchingKeys; ++c) {
        if (groupOf(c) == group) m_selected[c] = false;
    }
    m_selected[code] = true;
    m_pressedKey = code;
    m_timerWanted = true;
}

void Keypad::showMenu(Page page) { m_page = page; }

void Keypad::ShowReadingPage() {
    m_selection = false;
    m_page = DisplayPage;
    m_selected[static_cast<int>(Key::Store)] = false;
}

void Keypad::ShowSelectionPage() {
    m_title = (m_selectSetMode || m_newSetMode) ? QStringLiteral("Select Set")
                                                : QStringLiteral("Read Memory");
    m_selection = true;
    m_page = DisplayPage;
}

void Keypad::press(Key key) {
    const int code = static_cast<int>(key);
    switch (key) {
        case Key::Store:
        case Key::Cal:
        case Key::Menu:
        case Key::Off:
        case Key::Memory:
        case Key::Invert:
        case Key::Recall:
        case Key::Delete:
        case Key::Units2:
            latch(code);  // page changes, if any, come at the release tick
            break;
        case Key::Mode:
        case Key::Units:
        case Key::Beeper:
        case Key::On:
            latch(code);
            ShowReadingPage();
            break;
        case Key::Escape:
            ShowReadingPage();
            break;
        case Key::NewSet:
            latch(code);
            m_newSetMode = true;
            ShowSelectionPage();
            break;
        case Key::Escape2:
            showMenu(MainMenuPage);
            break;
        case Key::Read:
            latch(code);
            ShowSelectionPage();
            break;
        case Key::SelectSet:
            latch(code);
            m_selectSetMode = true;
            ShowSelectionPage();
            break;
        case Key::Escape3:
            showMenu(MemoryMenuPage);
            break;
        case Key::Up:
        case Key::Down:
            break;
        case Key::Enter:
            if (m_selectSetMode) {
                showMenu(RecallMenuPage);
                m_selectSetMode = false;
            }
            if (m_newSetMode) {
                ShowReadingPage();
                m_newSetMode = false;
            }
            break;
        case Key::Escape5:
            showMenu(MemoryMenuPage);
            m_selectSetMode = false;
            m_newSetMode = false;
            break;
        case Key::DeleteRead:
        case Key::ClearSet:
        case Key::ClearAll:
        case Key::Escape4:
            break;
    }
}

void Keypad::tick() {
    m_timerWanted = false;
    if (m_pressedKey >= 1 && m_pressedKey <= kLatchingKeys) m_selected[m_pressedKey] = false;
    if (m_pressedKey == static_cast<int>(Key::Menu))
        showMenu(MainMenuPage);
    else if (m_pressedKey == static_cast<int>(Key::Memory))
        showMenu(MemoryMenuPage);
    else if (m_pressedKey == static_cast<int>(Key::Recall))
        showMenu(RecallMenuPage);
    m_pressedKey = 0;
}
