// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/panel/ReadingPanel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "core/common/Messages.h"
#include "core/session/MeterSession.h"
#include "gui/MeterWords.h"
#include "gui/Twips.h"
#include "gui/panel/FittedLabel.h"

namespace {
const QColor kPanelColour(155, 208, 240);
const QColor kBarColour(0, 0, 128);
const QColor kBarBackground(255, 255, 255);
constexpr int kFrameLeft = 120, kFrameTop = 0, kFrameWidth = 4215, kFrameHeight = 6975;
constexpr int kPanelWidth = 4455, kPanelHeight = 7095;
const char* const kTwipsProperty = "orvantaTwips";
const char* const kPointsProperty = "orvantaPoints";
}  // namespace

double MeterBarWidget::widthTwips() const {
    // As placed on the panel: pixels rounded at a zoom would shift it by a few twips.
    return property(kTwipsProperty).toRect().width();
}

void MeterBarWidget::setZoom(double zoom) {
    m_zoom = zoom;
    update();
}

void MeterBarWidget::drawBar(long lengthTwips, bool overRange) {
    m_length = lengthTwips;
    m_overRange = overRange;
    update();
}

void MeterBarWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), kBarBackground);
    if (m_length > 0) {
        const int w = Twips::toPixels(static_cast<double>(m_length), logicalDpiX() * m_zoom);
        p.fillRect(QRect(0, 0, w, height()), kBarColour);
    }
    if (m_overRange) {
        p.setPen(kBarBackground);
        p.drawText(rect().adjusted(0, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("OVER"));
    }
}

ReadingPanel::ReadingPanel(const SessionState& vars, PanelHost& host, QWidget* parent)
    : QWidget(parent), m_vars(vars), m_host(host) {
    setObjectName(QStringLiteral("frmReading"));
    setWindowTitle(QStringLiteral("Orvanta"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kPanelColour);
    pal.setColor(QPalette::Button, kPanelColour);
    pal.setColor(QPalette::WindowText, Qt::black);
    pal.setColor(QPalette::ButtonText, Qt::black);
    setPalette(pal);
    setFixedSize(px(0, 0, kPanelWidth, kPanelHeight).size());

    displayFrame = new QFrame(this);
    displayFrame->setObjectName(QStringLiteral("Frame1"));
    place(displayFrame, QRect(kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight));

    meterBar = new MeterBarWidget(displayFrame);
    meterBar->setObjectName(QStringLiteral("MeterBar"));
    place(meterBar, QRect(120, 240, 3975, 375));
    const struct {
        const char* name;
        int left, width, height;
    } ticks[] = {{"Shape1", 120, 135, 375},  {"Shape2", 3960, 135, 375}, {"Shape3", 1395, 105, 300},
                 {"Shape4", 2760, 105, 300}, {"Shape6", 720, 105, 150},  {"Shape7", 2055, 105, 150},
                 {"Shape9", 3405, 105, 150}};
    for (const auto& t : ticks) {
        auto* f = new QFrame(displayFrame);
        f->setObjectName(QString::fromLatin1(t.name));
        place(f, QRect(t.left, 720, t.width, t.height));
        f->setAutoFillBackground(true);
        QPalette tp = f->palette();
        tp.setColor(QPalette::Window, Qt::black);
        f->setPalette(tp);
    }
    scaleZeroLabel = label(displayFrame, QStringLiteral("Label4"), QStringLiteral("0"),
                           QRect(120, 1200, 615, 375), 18);
    fullScaleLabel = label(displayFrame, QStringLiteral("Label3"), QStringLiteral("300"),
                           QRect(2160, 1200, 1935, 375), 18, Qt::AlignRight | Qt::AlignVCenter);
    digitsLabel =
        label(displayFrame, QStringLiteral("Label1"), QStringLiteral("0000"),
              QRect(920, 1680, 2295, 1095), 48.75, Qt::AlignRight | Qt::AlignVCenter, true);
    tenLabel = label(displayFrame, QStringLiteral("Label5"), QStringLiteral("10"),
                     QRect(2520, 3060, 855, 375), 20.25);
    exponentLabel = label(displayFrame, QStringLiteral("Label6"), QStringLiteral("-5"),
                          QRect(3480, 2820, 615, 375), 18);
    unitsLabel = label(displayFrame, QStringLiteral("Label7"), QStringLiteral("Units SI"),
                       QRect(1320, 3600, 2415, 375), 20.25);
    modeLabel = label(displayFrame, QStringLiteral("Label8"), QStringLiteral("Scan"),
                      QRect(2640, 4200, 1335, 375), 18);
    setLabel = label(displayFrame, QStringLiteral("Label23"), QStringLiteral("S1"),
                     QRect(600, 4680, 1095, 375), 15.75);
    readingLabel = label(displayFrame, QStringLiteral("Label24"), QStringLiteral("R1"),
                         QRect(2040, 4680, 855, 375), 15.75);
    storeButton = key(displayFrame, Key::Store, QStringLiteral("StoreButton"),
                      QStringLiteral("Store"), QRect(360, 5160, 1215, 360), 15.75);
    storeDestinationLabel = label(displayFrame, QStringLiteral("StoreLabel"),
                                  QStringLiteral("#######"), QRect(1680, 5240, 2295, 255), 9.75);
    calibrateButton = key(displayFrame, Key::Cal, QStringLiteral("CalButton"),
                          QStringLiteral("Calibrate"), QRect(360, 5560, 2055, 360), 15.75);
    menuButton = key(displayFrame, Key::Menu, QStringLiteral("MenuButton"), QStringLiteral("Menu"),
                     QRect(360, 5960, 2055, 360), 15.75);
    offButton = key(displayFrame, Key::Off, QStringLiteral("OffButton"), QStringLiteral("Off"),
                    QRect(360, 6360, 2055, 360), 15.75);
    selectionTitleLabel = label(displayFrame, QStringLiteral("Label20"),
                                QStringLiteral("Read Memory"), QRect(240, 5160, 3615, 360), 15.75);
    selectionSetLabel = label(displayFrame, QStringLiteral("Label21"), QStringLiteral("Set 1"),
                              QRect(240, 5700, 3615, 360), 15.75);
    selectionReadingLabel = label(displayFrame, QStringLiteral("Label22"),
                                  QStringLiteral("Reading 1"), QRect(240, 6200, 3615, 360), 15.75);
    upButton = key(displayFrame, Key::Up, QStringLiteral("UpButton"), QStringLiteral("Up"),
                   QRect(2640, 5160, 735, 495), 8.25);
    enterButton = key(displayFrame, Key::Enter, QStringLiteral("EnterButton"),
                      QStringLiteral("Enter"), QRect(2640, 5760, 735, 495), 8.25);
    downButton = key(displayFrame, Key::Down, QStringLiteral("DownButton"), QStringLiteral("Down"),
                     QRect(2640, 6360, 735, 495), 8.25);
    selectionEscapeButton = key(displayFrame, Key::Escape5, QStringLiteral("EscapeButton5"),
                                QStringLiteral("Esc"), QRect(3480, 5760, 615, 495), 8.25);

    const int tops[] = {2640, 3120, 3600, 4080, 4560, 5040};
    auto menuKey = [&](QFrame* page, int row, Key k, const char* name, const char* text,
                       bool wide) {
        return key(page, k, QString::fromLatin1(name), QString::fromLatin1(text),
                   QRect(480, tops[row], wide ? 2895 : 2055, 360), 15.75);
    };
    auto escKey = [&](QFrame* page, Key k, const char* name) {
        return key(page, k, QString::fromLatin1(name), QStringLiteral("ESC"),
                   QRect(1680, 5880, 855, 735), 14.25);
    };
    mainMenuPage = menuPage(QStringLiteral("Frame2"), QStringLiteral("Main Menu"));
    modeButton = menuKey(mainMenuPage, 0, Key::Mode, "ModeButton", "Step Mode", false);
    unitsButton = menuKey(mainMenuPage, 1, Key::Units, "UnitsButton", "SI / CGS", false);
    memoryButton = menuKey(mainMenuPage, 2, Key::Memory, "MemoryButton", "Memory", false);
    invertButton = menuKey(mainMenuPage, 3, Key::Invert, "InvertButton", "Invert Display", true);
    beeperButton = menuKey(mainMenuPage, 4, Key::Beeper, "BeeperButton", "Beeper On", false);
    stayOnButton = menuKey(mainMenuPage, 5, Key::On, "OnButton", "Stay On", false);
    mainEscapeButton = escKey(mainMenuPage, Key::Escape, "EscapeButton");
    memoryMenuPage = menuPage(QStringLiteral("Frame3"), QStringLiteral("Memory Menu"));
    recallButton = menuKey(memoryMenuPage, 0, Key::Recall, "RecallButton", "Recall", false);
    newSetButton = menuKey(memoryMenuPage, 1, Key::NewSet, "NewSetButton", "New Set", false);
    deleteButton = menuKey(memoryMenuPage, 2, Key::Delete, "DeleteButton", "Delete", false);
    memoryEscapeButton = escKey(memoryMenuPage, Key::Escape2, "EscapeButton2");
    recallMenuPage = menuPage(QStringLiteral("Frame4"), QStringLiteral("Recall Menu"));
    readButton = menuKey(recallMenuPage, 0, Key::Read, "ReadButton", "Read", false);
    selectSetButton =
        menuKey(recallMenuPage, 1, Key::SelectSet, "SelectSetButton", "Select Set", false);
    recallUnitsButton = menuKey(recallMenuPage, 2, Key::Units2, "UnitsButton2", "SI / CGS", false);
    recallEscapeButton = escKey(recallMenuPage, Key::Escape3, "EscapeButton3");
    deleteMenuPage = menuPage(QStringLiteral("Frame5"), QStringLiteral("Delete Menu"));
    deleteReadingButton =
        menuKey(deleteMenuPage, 0, Key::DeleteRead, "DeleteReadButton", "Delete Reading", true);
    clearSetButton =
        menuKey(deleteMenuPage, 1, Key::ClearSet, "ClearSetButton", "Clear Set", false);
    clearAllButton =
        menuKey(deleteMenuPage, 2, Key::ClearAll, "ClearAllButton", "Clear All", false);
    deleteEscapeButton = escKey(deleteMenuPage, Key::Escape4, "EscapeButton4");

    // Latching keys show their pressed state; the keypad model decides it.
    for (auto& [k, b] : m_buttons) b->setCheckable(static_cast<int>(k) <= Keypad::kLatchingKeys);
    // Each key says what it is and the letter that presses it: on each page the first key, in
    // the keypad's order, whose caption starts with the letter (as keyPressEvent finds it).
    std::map<QWidget*, QString> lettersTaken;
    for (auto& [k, b] : m_buttons) {
        const QString caption = b->text();
        const bool escape = caption.compare(QLatin1String("ESC"), Qt::CaseInsensitive) == 0;
        const QString letter = escape ? QStringLiteral("Esc") : caption.left(1).toUpper();
        QString tip = tr("The meter's \u201c%1\u201d key.").arg(caption);
        QString& taken = lettersTaken[b->parentWidget()];
        if (b == offButton || b == calibrateButton) {
            tip += QLatin1Char(' ') + tr("Never pressed by a letter.");
        } else if (escape || !taken.contains(letter)) {
            if (!escape) taken += letter;
            tip += QLatin1Char(' ') + tr("Keyboard: %1, once the panel listens.").arg(letter);
        }
        b->setToolTip(tip);
    }

    releaseTimer.setSingleShot(true);
    releaseTimer.setInterval(300);
    connect(&releaseTimer, &QTimer::timeout, this, &ReadingPanel::tick);

    // Letters reach the meter only once the user addressed the panel: a click on it or on a key,
    // or Tab into it. Focus going anywhere else stops it; the window losing the focus does not.
    setFocusPolicy(Qt::ClickFocus);
    for (auto& [k, b] : m_buttons) b->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && now != this && !isAncestorOf(now)) setListening(false);
    });
    setListening(false);
    // "10" and the power are read with the digits (ShowLiveValue), not as words of their own.
    for (QLabel* part : {tenLabel, exponentLabel}) part->setAccessibleName(QStringLiteral(" "));

    // Create.
    ShowReadingPage();
    setStoreDestination(m_vars.storeToPC);
}

QRect ReadingPanel::px(int left, int top, int width, int height) const {
    const double dx = logicalDpiX() * m_zoom;
    const double dy = logicalDpiY() * m_zoom;
    return QRect(Twips::toPixels(left, dx), Twips::toPixels(top, dy), Twips::toPixels(width, dx),
                 Twips::toPixels(height, dy));
}

void ReadingPanel::place(QWidget* w, const QRect& twips) {
    w->setProperty(kTwipsProperty, twips);
    w->setGeometry(px(twips.x(), twips.y(), twips.width(), twips.height()));
}

void ReadingPanel::setPoints(QWidget* w, QFont font, double points) {
    w->setProperty(kPointsProperty, points);
    font.setPointSizeF(points * m_zoom);
    w->setFont(font);
}

void ReadingPanel::setZoom(double zoom) {
    if (qFuzzyCompare(zoom, m_zoom)) return;
    m_zoom = zoom;
    setFixedSize(px(0, 0, kPanelWidth, kPanelHeight).size());
    for (QWidget* w : findChildren<QWidget*>()) {
        const QVariant twips = w->property(kTwipsProperty);
        if (twips.isValid()) place(w, twips.toRect());
        const QVariant points = w->property(kPointsProperty);
        if (points.isValid()) setPoints(w, w->font(), points.toDouble());
    }
    meterBar->setZoom(zoom);
}

double ReadingPanel::zoomToFit(const QSize& available) const {
    const double width = Twips::toPixels(kPanelWidth, logicalDpiX());
    const double height = Twips::toPixels(kPanelHeight, logicalDpiY());
    return std::clamp(std::min(available.width() / width, available.height() / height),
                      kSmallestZoom, 1.0);
}

QLabel* ReadingPanel::label(QWidget* parent, const QString& name, const QString& text, QRect r,
                            double pt, Qt::Alignment align, bool fitted) {
    QLabel* l = fitted ? new FittedLabel(text, parent) : new QLabel(text, parent);
    l->setObjectName(name);
    place(l, r);
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    setPoints(l, f, pt);
    l->setAlignment(align);
    return l;
}

QPushButton* ReadingPanel::key(QWidget* parent, Key k, const QString& name, const QString& text,
                               QRect r, double pt) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    place(b, r);
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    setPoints(b, f, pt);
    // Reached by Tab (a click leaves the focus where it was), named for screen readers.
    b->setFocusPolicy(Qt::TabFocus);
    b->setAccessibleName(text == QLatin1String("ESC") || text == QLatin1String("Esc")
                             ? QStringLiteral("Escape")
                             : text);
    connect(b, &QPushButton::clicked, this, [this, k] { press(k); });
    m_buttons[k] = b;
    return b;
}

void ReadingPanel::keyPressEvent(QKeyEvent* event) {
    // A key's first letter presses the key shown with it (Escape the shown Esc key), while the
    // panel listens. Off and Calibrate are never pressed by a letter: a word typed into the
    // wrong window ("Outcrop") must not switch the meter off or start a calibration.
    const QString typed = event->text().toUpper();
    const bool escape = event->key() == Qt::Key_Escape;
    const bool keyLike = (escape || (typed.size() == 1 && typed[0].isLetter())) &&
                         event->modifiers() == Qt::NoModifier;
    if (keyLike && !m_listening) {
        QToolTip::showText(mapToGlobal(rect().center()),
                           tr("Click the panel to press its keys with letters."), this);
    } else if (keyLike) {
        for (const auto& [key, b] : m_buttons) {
            if (!b || !b->isVisibleTo(this) || !b->isEnabled()) continue;
            if (b == offButton || b == calibrateButton) continue;
            const QString caption = b->text().toUpper();
            if (escape ? caption == QLatin1String("ESC") : caption.startsWith(typed)) {
                b->click();
                return;
            }
        }
    }
    QWidget::keyPressEvent(event);
}

namespace {
// The user moved to the panel: with Tab, or by clicking it.
bool addressedBy(Qt::FocusReason why) {
    return why == Qt::MouseFocusReason || why == Qt::TabFocusReason ||
           why == Qt::BacktabFocusReason;
}
}  // namespace

void ReadingPanel::focusInEvent(QFocusEvent* event) {
    if (addressedBy(event->reason())) setListening(true);
    QWidget::focusInEvent(event);
}

bool ReadingPanel::eventFilter(QObject* watched, QEvent* event) {
    // A key clicked or reached by Tab addresses the panel as a click on it does.
    if (event->type() == QEvent::MouseButtonPress)
        listenFromClick();
    else if (event->type() == QEvent::FocusIn &&
             addressedBy(static_cast<QFocusEvent*>(event)->reason()))
        setListening(true);
    return QWidget::eventFilter(watched, event);
}

void ReadingPanel::mousePressEvent(QMouseEvent* event) {
    listenFromClick();
    QWidget::mousePressEvent(event);
}

void ReadingPanel::listenFromClick() {
    // Also when the panel already had the focus without listening (View > Meter): no focus
    // event comes then.
    setFocus(Qt::MouseFocusReason);
    setListening(true);
}

void ReadingPanel::setListening(bool on) {
    const bool changed = on != m_listening;
    m_listening = on;
    setToolTip(on ? tr("Letters press the panel's keys. Click elsewhere to stop.")
                  : tr("Click the panel to press its keys with letters."));
    setAccessibleDescription(on ? tr("Listening: letters press the keys") : QString());
    if (changed) update();
}

void ReadingPanel::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!m_listening) return;
    // A band in the highlight colour around the picture of the meter.
    QPainter p(this);
    const QColor band = palette().color(QPalette::Active, QPalette::Highlight);
    const QRect frame = px(kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight);
    const QRect all = rect();
    p.fillRect(QRect(0, 0, frame.left(), all.height()), band);
    p.fillRect(QRect(frame.right() + 1, 0, all.width() - frame.right() - 1, all.height()), band);
    p.fillRect(QRect(0, frame.bottom() + 1, all.width(), all.height() - frame.bottom() - 1), band);
}

QFrame* ReadingPanel::menuPage(const QString& name, const QString& title) {
    auto* page = new QFrame(this);
    page->setObjectName(name);
    place(page, QRect(kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight));
    auto* logo = label(page, name + QStringLiteral("Logo"), QStringLiteral("Orvanta"),
                       QRect(360, 360, 3495, 735), 24, Qt::AlignCenter);
    QFont lf(QStringLiteral("Arial Black"));
    lf.setItalic(true);
    lf.setWeight(QFont::Black);
    setPoints(logo, lf, 24);
    label(page, name + QStringLiteral("Rule"), QString(53, QLatin1Char('/')),
          QRect(120, 1200, 3975, 255), 9.75, Qt::AlignCenter);
    label(page, name + QStringLiteral("Title"), title, QRect(360, 1800, 3495, 495), 15.75,
          Qt::AlignCenter);
    page->hide();
    return page;
}

void ReadingPanel::syncFromKeypad() {
    const bool sel = m_keypad.selectionPage();
    for (QWidget* w :
         {static_cast<QWidget*>(storeButton), static_cast<QWidget*>(storeDestinationLabel),
          static_cast<QWidget*>(calibrateButton), static_cast<QWidget*>(menuButton),
          static_cast<QWidget*>(offButton), static_cast<QWidget*>(setLabel),
          static_cast<QWidget*>(readingLabel)})
        w->setVisible(!sel);
    for (QWidget* w :
         {static_cast<QWidget*>(selectionTitleLabel), static_cast<QWidget*>(selectionSetLabel),
          static_cast<QWidget*>(selectionReadingLabel), static_cast<QWidget*>(upButton),
          static_cast<QWidget*>(enterButton), static_cast<QWidget*>(downButton),
          static_cast<QWidget*>(selectionEscapeButton)})
        w->setVisible(sel);
    if (sel) selectionTitleLabel->setText(m_keypad.selectionTitle());
    const int frame = m_keypad.visiblePage();
    displayFrame->setVisible(frame == Keypad::DisplayPage);
    mainMenuPage->setVisible(frame == Keypad::MainMenuPage);
    memoryMenuPage->setVisible(frame == Keypad::MemoryMenuPage);
    recallMenuPage->setVisible(frame == Keypad::RecallMenuPage);
    deleteMenuPage->setVisible(frame == Keypad::DeleteMenuPage);
    for (auto& [k, b] : m_buttons) {
        const int code = static_cast<int>(k);
        if (code <= Keypad::kLatchingKeys) b->setChecked(m_keypad.selected(code));
    }
}

void ReadingPanel::activate() {
    ShowUnitsText();
    ShowModeText();
    setLabel->setText(QStringLiteral("S") + QString::number(m_vars.meter.set));
    readingLabel->setText(QStringLiteral("R") + QString::number(m_vars.meter.reading));
    // Options may have changed it while the panel was hidden.
    setStoreDestination(m_vars.storeToPC);
}

void ReadingPanel::ShowReadingPage() {
    m_keypad.ShowReadingPage();
    syncFromKeypad();
}

void ReadingPanel::ShowSelectionPage() {
    m_keypad.ShowSelectionPage();
    syncFromKeypad();
}

void ReadingPanel::ShowUnitsText() {
    unitsLabel->setText(MeterWords::units(m_vars.meter.knownUnits()));
}
void ReadingPanel::ShowModeText() { modeLabel->setText(MeterWords::mode(m_vars.meter.mode)); }

void ReadingPanel::ShowSetNumber() {
    setLabel->setText(QStringLiteral("S") + QString::number(m_vars.meter.set));
    selectionSetLabel->setText(QStringLiteral("Set ") + QString::number(m_vars.meter.set));
}

void ReadingPanel::ShowReadingNumber() {
    readingLabel->setText(QStringLiteral("R") + QString::number(m_vars.meter.reading));
    selectionReadingLabel->setText(QStringLiteral("Reading ") +
                                   QString::number(m_vars.meter.reading));
}

void ReadingPanel::ShowBeeperState(int code) {
    beeperButton->setText(code == 1 ? QStringLiteral("Beeper On") : QStringLiteral("Beeper Off"));
}

void ReadingPanel::ShowLiveValue(double v) {
    const LiveDisplay::Shown s = m_display.show(v, m_vars.meter.unitsDigit);
    // The range in the user's grouping: to a German reader "3,000" is three, "3.000" three
    // thousand.
    QString range = s.fullScale;
    if (range.contains(QLatin1Char(',')) &&
        !(QLocale().numberOptions() & QLocale::OmitGroupSeparator))
        range = QLocale().toString(range.remove(QLatin1Char(',')).toLongLong());
    fullScaleLabel->setText(range);
    digitsLabel->setText(s.digits);
    exponentLabel->setText(s.exponent);
    // The digits, "10" and the power are one value to a screen reader, with its units.
    const QString units = MeterWords::unitsSaid(m_vars.meter.knownUnits());
    const QString said = tr("Reading %1, %2").arg(QLocale().toString(v, 'g', 6), units);
    digitsLabel->setAccessibleName(said);
    meterBar->drawBar(barLength(meterBar->widthTwips(), s.fraction), s.overRange);
    meterBar->setToolTip(s.overRange
                             ? tr("Over range: the reading is above %1 on this scale.").arg(range)
                             : QString());
}

void ReadingPanel::setStoreDestination(bool toPC) {
    storeDestinationLabel->setText(toPC ? tr("(to PC memory)") : tr("(to Meter memory)"));
}

void ReadingPanel::showStoredAt(int set, int reading) {
    storeDestinationLabel->setText(Msg::StoredToPC.arg(set).arg(reading));
}

void ReadingPanel::press(Key k) {
    for (const QByteArray& cmd : m_keypad.commands(k, m_vars.storeToPC)) m_host.sendCommand(cmd);
    if (k == Key::Store && m_vars.storeToPC) m_host.storeShownReading();
    m_keypad.press(k);
    // Enabling a running release timer leaves its countdown as it is.
    if (m_keypad.timerWanted() && !releaseTimer.isActive()) releaseTimer.start();
    syncFromKeypad();
}

void ReadingPanel::tick() {
    releaseTimer.stop();
    m_keypad.tick();
    syncFromKeypad();
}

void SessionPanelHost::sendCommand(const QByteArray& command) { m_session.sendCommand(command); }
void SessionPanelHost::storeShownReading() { m_session.storeShownReading(); }

void ReadingPanel::follow(const MeterSession& session) {
    connect(&session, &MeterSession::liveUnitsChanged, this, &ReadingPanel::ShowUnitsText);
    connect(&session, &MeterSession::liveModeChanged, this, &ReadingPanel::ShowModeText);
    connect(&session, &MeterSession::meterSetChanged, this, &ReadingPanel::ShowSetNumber);
    connect(&session, &MeterSession::meterReadingChanged, this, &ReadingPanel::ShowReadingNumber);
    connect(&session, &MeterSession::beeperChanged, this, &ReadingPanel::ShowBeeperState);
    connect(&session, &MeterSession::liveValue, this, &ReadingPanel::ShowLiveValue);
    connect(&session, &MeterSession::storeDestinationChanged, this,
            &ReadingPanel::setStoreDestination);
    connect(&session, &MeterSession::storedToPC, this, &ReadingPanel::showStoredAt);
}
