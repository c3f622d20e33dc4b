// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <array>

/** @brief The panel's keys. The first sixteen are the latching keys, numbered by their code. */
enum class Key {
    Store = 1,
    Cal,
    Menu,
    Off,  // reading page
    Mode,
    Units,
    Memory,
    Invert,
    Beeper,
    On,  // Main Menu
    Recall,
    NewSet,
    Delete,  // Memory Menu
    Read,
    SelectSet,
    Units2,  // Recall Menu
    Escape,
    Escape2,
    Escape3,  // ESC of Main, Memory and Recall Menu
    Up,
    Down,
    Enter,
    Escape5,  // selection page
    DeleteRead,
    ClearSet,
    ClearAll,
    Escape4  // Delete Menu (never shown)
};

/** @brief The meter's pages and keys as the panel models them: which page shows, which key is
 *  pressed, and which letter each key sends. No widget, no port, no timer. */
class Keypad {
public:
    /// The pages of the panel, numbered as their frames ("Frame1".."Frame5").
    enum Page { DisplayPage = 1, MainMenuPage, MemoryMenuPage, RecallMenuPage, DeleteMenuPage };
    static constexpr int kLatchingKeys = 16;

    /** @brief The letters a key sends now (none, one, or for Enter at most two). */
    QList<QByteArray> commands(Key key, bool storeToPC) const;
    /** @brief Carries out a key's effects on the pages, flags and latch. */
    void press(Key key);
    /** @brief The release tick: frees the pressed key and changes page for Menu, Memory, Recall. */
    void tick();

    void ShowReadingPage();
    void ShowSelectionPage();

    int visiblePage() const { return m_page; }
    /** @brief Frame1 shows the selection page (else the reading page). */
    bool selectionPage() const { return m_selection; }
    QString selectionTitle() const { return m_title; }
    bool SelectSetMode() const { return m_selectSetMode; }
    bool NewSetMode() const { return m_newSetMode; }
    int PressedKey() const { return m_pressedKey; }
    /** @brief The key with code @p code (1..16) shows pressed. */
    bool selected(int code) const { return code >= 1 && code <= kLatchingKeys && m_selected[code]; }
    /** @brief A latch asked for the release timer to run. */
    bool timerWanted() const { return m_timerWanted; }

    /** @brief The latching group (page) of a code 1..16. */
    static int groupOf(int code);

private:
    void latch(int code);
    void showMenu(Page page);

    int m_page = DisplayPage;
    bool m_selection = false;
    QString m_title = QStringLiteral("Read Memory");
    bool m_selectSetMode = false;
    bool m_newSetMode = false;
    int m_pressedKey = 0;
    std::array<bool, kLatchingKeys + 1> m_selected{};
    bool m_timerWanted = false;
};
