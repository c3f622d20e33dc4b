// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <map>

#include "core/panel/Keypad.h"
#include "core/panel/LiveScale.h"
#include "core/session/SessionState.h"

/** @brief What the panel asks of the meter session. */
class PanelHost {
public:
    virtual ~PanelHost() = default;
    /** @brief Writes a command to the meter, opening the port first when it is closed. */
    virtual void sendCommand(const QByteArray& command) = 0;
    /** @brief Store with the PC database chosen: keeps the shown reading in the table. */
    virtual void storeShownReading() = 0;
};

class MeterSession;

/** @brief The panel's requests carried to the meter session as they are. */
class SessionPanelHost : public PanelHost {
public:
    explicit SessionPanelHost(MeterSession& session) : m_session(session) {}
    void sendCommand(const QByteArray& command) override;
    void storeShownReading() override;

private:
    MeterSession& m_session;
};

/** @brief The bar graph: a box from the left edge, as long as the bar fraction says. */
class MeterBarWidget : public QWidget {
    Q_OBJECT
public:
    explicit MeterBarWidget(QWidget* parent) : QWidget(parent) {}
    /** @brief Redraws with a box @p lengthTwips long (nothing when negative or zero). */
    void drawBar(long lengthTwips, bool overRange = false);
    long barLengthTwips() const { return m_length; }
    /** @brief The value drawn is above the full scale: the bar is full and marked "OVER". */
    bool overRange() const { return m_overRange; }
    /** @brief The bar area's width in twips, as designed (whatever the panel's zoom). */
    double widthTwips() const;
    /** @brief The panel's zoom: twips are drawn this much smaller or larger. */
    void setZoom(double zoom);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    long m_length = 0;
    bool m_overRange = false;
    double m_zoom = 1.0;
};

/** @brief The meter panel "Orvanta": the live reading display and the meter's keys and menus. */
class ReadingPanel : public QWidget {
    Q_OBJECT
public:
    ReadingPanel(const SessionState& vars, PanelHost& host, QWidget* parent = nullptr);

    /** @brief Shows what @p session reports of the meter from now on: units and mode while live
     *  readings run, set and reading numbers, the beeper, live values, where Store puts them. */
    void follow(const MeterSession& session);
    /** @brief The window became the active one: refresh units, mode, set and reading labels. */
    void activate();
    void ShowReadingPage();
    void ShowSelectionPage();
    void ShowUnitsText();
    void ShowModeText();
    void ShowSetNumber();
    void ShowReadingNumber();
    void ShowBeeperState(int code);
    void ShowLiveValue(double v);
    /** @brief The store destination shown beside the Store key. */
    void setStoreDestination(bool toPC);
    /** @brief Where Store put the shown reading in the table. */
    void showStoredAt(int set, int reading);

    /** @brief Presses a key as the user's click does. */
    void press(Key key);
    /** @brief The button of a key. */
    QPushButton* button(Key key) const { return m_buttons.at(key); }
    const Keypad& keypad() const { return m_keypad; }
    double BarFraction() const { return m_display.BarFraction(); }

    /** @brief The panel's size relative to its design: below 1 where the work area is too small
     *  for all of it. Every key, label and font follows, so the proportions stay. */
    void setZoom(double zoom);
    double zoom() const { return m_zoom; }
    /** @brief The zoom at which the whole panel fits in @p available pixels (at most 1). */
    double zoomToFit(const QSize& available) const;
    static constexpr double kSmallestZoom = 0.4;

    /** @brief Letters press the panel's keys: the user clicked the panel or one of its keys,
     *  or moved to it with Tab, and has not gone elsewhere since. Giving the panel the focus
     *  otherwise (View > Meter, a window switch) does not make it listen. */
    bool listening() const { return m_listening; }

    QFrame *displayFrame, *mainMenuPage, *memoryMenuPage, *recallMenuPage, *deleteMenuPage;
    MeterBarWidget* meterBar;
    QLabel *digitsLabel, *fullScaleLabel, *scaleZeroLabel, *tenLabel, *exponentLabel, *unitsLabel,
        *modeLabel;
    QLabel *selectionTitleLabel, *selectionSetLabel, *selectionReadingLabel, *setLabel,
        *readingLabel, *storeDestinationLabel;
    QPushButton *storeButton, *calibrateButton, *menuButton, *offButton;
    QPushButton *upButton, *enterButton, *downButton, *selectionEscapeButton;
    QPushButton *modeButton, *unitsButton, *memoryButton, *invertButton, *beeperButton,
        *stayOnButton, *mainEscapeButton;
    QPushButton *recallButton, *newSetButton, *deleteButton, *memoryEscapeButton;
    QPushButton *readButton, *selectSetButton, *recallUnitsButton, *recallEscapeButton;
    QPushButton *deleteReadingButton, *clearSetButton, *clearAllButton, *deleteEscapeButton;
    QTimer releaseTimer;

protected:
    /** @brief A letter presses the shown key whose caption starts with it; Escape the shown Esc
     *  key. */
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QRect px(int left, int top, int width, int height) const;
    /** @brief Puts @p w at @p twips and remembers it, so a zoom can place it again. */
    void place(QWidget* w, const QRect& twips);
    /** @brief Gives @p w a font of @p points and remembers it, so a zoom can size it again. */
    void setPoints(QWidget* w, QFont font, double points);
    /** @brief A label of the display; @p fitted: its text shrinks to fit its box (the digits). */
    QLabel* label(QWidget* parent, const QString& name, const QString& text, QRect r, double pt,
                  Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter, bool fitted = false);
    QPushButton* key(QWidget* parent, Key k, const QString& name, const QString& text, QRect r,
                     double pt);
    QFrame* menuPage(const QString& name, const QString& title);
    void tick();
    void syncFromKeypad();
    void setListening(bool on);
    /** @brief A click on the panel or a key: it takes the focus and listens. */
    void listenFromClick();

    const SessionState& m_vars;
    PanelHost& m_host;
    double m_zoom = 1.0;
    bool m_listening = false;
    Keypad m_keypad;
    LiveDisplay m_display;
    std::map<Key, QPushButton*> m_buttons;
};
