#pragma once
#include <QByteArray>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <map>

#include "Keypad.h"
#include "LiveScale.h"
#include "basVariables.h"

/** @brief What the panel needs of the main window. */
class PanelHost {
public:
    virtual ~PanelHost() = default;
    virtual void SetUnits() = 0;
    virtual void SetMode() = 0;
    /** @brief Writes a command to the meter, opening the port first when it is closed. */
    virtual void SendCommand(const QByteArray& command) = 0;
};

/** @brief The bar graph: a box from the left edge, as long as the bar fraction says. */
class MeterBarWidget : public QWidget {
    Q_OBJECT
public:
    explicit MeterBarWidget(QWidget* parent) : QWidget(parent) {}
    /** @brief Redraws with a box @p lengthTwips long (nothing when negative or zero). */
    void drawBar(long lengthTwips);
    long barLengthTwips() const { return m_length; }
    /** @brief The bar area's width in twips. */
    double widthTwips() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    long m_length = 0;
};

/** @brief The meter panel "Orvanta": the live reading display and the meter's keys and menus. */
class frmReading : public QWidget {
    Q_OBJECT
public:
    frmReading(basVariables& vars, PanelHost& host, QWidget* parent = nullptr);

    /** @brief The window became the active one: refresh units, mode, set and reading labels. */
    void Activate();
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

    /** @brief Presses a key as the user's click does. */
    void press(Key key);
    /** @brief The button of a key. */
    QPushButton* button(Key key) const { return m_buttons.at(key); }
    const Keypad& keypad() const { return m_keypad; }
    double BarFraction() const { return m_display.BarFraction(); }

    QFrame *Frame1, *Frame2, *Frame3, *Frame4, *Frame5;
    MeterBarWidget* MeterBar;
    QLabel *Label1, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8;
    QLabel *Label20, *Label21, *Label22, *Label23, *Label24, *StoreLabel;
    QPushButton *StoreButton, *CalButton, *MenuButton, *OffButton;
    QPushButton *UpButton, *EnterButton, *DownButton, *EscapeButton5;
    QPushButton *ModeButton, *UnitsButton, *MemoryButton, *InvertButton, *BeeperButton, *OnButton, *EscapeButton;
    QPushButton *RecallButton, *NewSetButton, *DeleteButton, *EscapeButton2;
    QPushButton *ReadButton, *SelectSetButton, *UnitsButton2, *EscapeButton3;
    QPushButton *DeleteReadButton, *ClearSetButton, *ClearAllButton, *EscapeButton4;
    QTimer Timer1;

private:
    QRect px(int left, int top, int width, int height) const;
    QLabel* label(QWidget* parent, const QString& name, const QString& text, QRect r, double pt,
                  Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
    QPushButton* key(QWidget* parent, Key k, const QString& name, const QString& text, QRect r, double pt);
    QFrame* menuPage(const QString& name, const QString& title);
    void tick();
    void syncFromKeypad();

    basVariables& m_vars;
    PanelHost& m_host;
    Keypad m_keypad;
    LiveDisplay m_display;
    std::map<Key, QPushButton*> m_buttons;
};
