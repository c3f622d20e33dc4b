// SPDX-License-Identifier: GPL-3.0-or-later
#include <QHBoxLayout>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "Fakes.h"
#include "Pty.h"
#include "core/common/SettingsStore.h"
#include "core/link/PortLinks.h"
#include "core/panel/Keypad.h"
#include "core/panel/LiveScale.h"
#include "core/session/MeterSession.h"
#include "gui/main/SessionMessages.h"
#include "gui/panel/FittedLabel.h"
#include "gui/panel/ReadingPanel.h"

namespace {
const QMap<QString, Key> kKeys = {{"Store", Key::Store},         {"Cal", Key::Cal},
                                  {"Menu", Key::Menu},           {"Off", Key::Off},
                                  {"Mode", Key::Mode},           {"Units", Key::Units},
                                  {"Memory", Key::Memory},       {"Invert", Key::Invert},
                                  {"Beeper", Key::Beeper},       {"On", Key::On},
                                  {"Recall", Key::Recall},       {"NewSet", Key::NewSet},
                                  {"Delete", Key::Delete},       {"Read", Key::Read},
                                  {"SelectSet", Key::SelectSet}, {"Units2", Key::Units2},
                                  {"Esc", Key::Escape},          {"Esc2", Key::Escape2},
                                  {"Esc3", Key::Escape3},        {"Up", Key::Up},
                                  {"Down", Key::Down},           {"Enter", Key::Enter},
                                  {"Esc5", Key::Escape5},        {"DeleteRead", Key::DeleteRead},
                                  {"ClearSet", Key::ClearSet},   {"ClearAll", Key::ClearAll},
                                  {"Esc4", Key::Escape4}};

/** The panel's host in tests: sends through the meter session on a real port, as the main
 *  window does; the panel reads a state of the test's own. */
class PortHost : public PanelHost {
public:
    PortHost(MeterSession& s, SessionState& v) : session(s), vars(v) {}
    void sendCommand(const QByteArray& command) override { session.sendCommand(command); }
    void storeShownReading() override { ++storesToPC; }
    MeterSession& session;
    SessionState& vars;
    int storesToPC = 0;
};

/** A panel wired to a pseudo-terminal on port 3. */
struct Rig {
    Rig(bool openPort = true)
        : ports(tmp.path()),
          settings(home.path() + "/Orvanta.conf"),
          store(home.path() + "/Readings.db"),
          session(MeterSession::Deps{settings, ports, store}),
          host(session, vars) {
        QObject::connect(&session, &MeterSession::problem, [this](const SessionProblem& p) {
            messages.tell(SessionMessages::text(p));
        });
        ports.createLink(3, pty.slavePath());
        session.connectMeter();  // finds the pseudo-terminal as port 3
        if (!openPort) session.link().close();
        panel = std::make_unique<ReadingPanel>(vars, host);
        panel->releaseTimer.setInterval(10);  // the release is checked for its 300 ms separately
    }
    void press(const QString& keys) {
        for (const QString& k : keys.split(' ', Qt::SkipEmptyParts)) {
            if (k == "tick") {
                QTRY_VERIFY(!panel->releaseTimer.isActive());
                continue;
            }
            panel->button(kKeys.value(k))->click();
        }
    }
    Pty pty;
    QTemporaryDir tmp;
    QTemporaryDir home;
    PortLinks ports;
    SessionState vars;
    RecordingMessageBox messages;
    SettingsStore settings;
    ReadingsStore store;
    MeterSession session;
    PortHost host;
    std::unique_ptr<ReadingPanel> panel;
};
}  // namespace

class TestPanel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void liveValues_data();
    void liveValues();
    void generalFormat_data();
    void generalFormat();
    void keys_data();
    void keys();
    void keyComesUpAfterItsReleaseTime();
    void menuThenOffWithinRelease();
    void recallThenEscWithinRelease();
    void latchGroupKeepsOneKeyPressed();
    void walkWithoutPort();
    void showingAndHidingKeepsState();
    void renderPages();
    void keysFromTheKeyboard();
    void lettersWaitUntilThePanelIsAddressed_data();
    void lettersWaitUntilThePanelIsAddressed();
};

void TestPanel::liveValues_data() {
    QTest::addColumn<QList<double>>("before");  // values shown first, with the same units
    QTest::addColumn<int>("units");
    QTest::addColumn<double>("v");
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QString>("exponent");
    QTest::addColumn<QString>("fullScale");
    QTest::addColumn<double>("fraction");
    QTest::addColumn<long>("bar");
    QTest::addColumn<bool>("over");  // above the ladder: bar full, marked
    const QList<double> none;
    QTest::newRow("worked example") << none << 1 << 0.0012 << "120"
                                    << "-5"
                                    << "300" << 0.4 << 1590L << false;
    QTest::newRow("0.00123 shows 123") << none << 1 << 0.00123 << "123"
                                       << "-5"
                                       << "300" << 0.41 << 1630L << false;
    // The bar and "OVER" agree with the full scale the label shows.
    QTest::newRow("A near the top agrees with its label")
        << QList<double>{0.0012} << 2 << 0.0099 << "9900"
        << "-6"
        << "9,999" << 9900.0 / 9999 << 3936L << false;
    QTest::newRow("B SI near the top agrees with its label")
        << none << 1 << 0.095 << "9500"
        << "-5"
        << "9,999" << 9500.0 / 9999 << 3777L << false;
    QTest::newRow("A over range") << QList<double>{0.0012} << 2 << 0.0099995 << "9999.5"
                                  << "-6"
                                  << "9,999" << 1.0 << 3975L << true;
    QTest::newRow("B SI") << none << 1 << 0.0099 << "990"
                          << "-5"
                          << "3,000" << 0.33 << 1312L << false;
    QTest::newRow("B CGS") << none << 2 << 0.05 << "5000"
                           << "-5"
                           << "60,000" << 5000.0 / 60000 << 331L << false;
    QTest::newRow("B CGS 99,999 cell") << none << 2 << 0.085 << "8500"
                                       << "-5"
                                       << "99,999" << 8500.0 / 99999 << 338L << false;
    QTest::newRow("C SI half to even") << none << 1 << 0.5 << "50000"
                                       << "-5"
                                       << "60,000" << 50000.0 / 60000 << 3312L << false;
    QTest::newRow("C CGS") << none << 2 << 0.25 << "25000"
                           << "-5"
                           << "300,000" << 25000.0 / 300000 << 331L << false;
    QTest::newRow("D SI") << none << 1 << 2.5 << "25000"
                          << "-4"
                          << "30,000" << 25000.0 / 30000 << 3312L << false;
    QTest::newRow("D CGS") << none << 2 << 2.5 << "25000"
                           << "-4"
                           << "300,000" << 25000.0 / 300000 << 331L << false;
    QTest::newRow("D over range") << QList<double>{2.5} << 1 << 4.0 << "40000"
                                  << "-4"
                                  << "30,000" << 1.0 << 3975L << true;
    QTest::newRow("units 0 uses other ladders") << none << 0 << 0.005 << "500"
                                                << "-5"
                                                << "30,000" << 500.0 / 30000 << 66L << false;
    QTest::newRow("units 0 never case A") << none << 0 << 0.001 << "100"
                                          << "-5"
                                          << "3000" << 100.0 / 3000 << 132L << false;
    QTest::newRow("negative draws nothing") << none << 1 << -0.001 << "-100"
                                            << "-5"
                                            << "300" << 0.0 << 0L << false;
    QTest::newRow("bound is inclusive") << none << 1 << 0.003 << "300"
                                        << "-5"
                                        << "300" << 1.0 << 3975L << false;
}

void TestPanel::liveValues() {
    QFETCH(QList<double>, before);
    QFETCH(int, units);
    QFETCH(double, v);
    QFETCH(QString, digits);
    QFETCH(QString, exponent);
    QFETCH(QString, fullScale);
    QFETCH(double, fraction);
    QFETCH(long, bar);
    QFETCH(bool, over);
    Rig rig(false);
    rig.vars.meter.unitsDigit = units;
    for (double b : before) rig.panel->ShowLiveValue(b);
    rig.panel->ShowLiveValue(v);
    QCOMPARE(rig.panel->digitsLabel->text(), digits);
    // One value with its units to a screen reader, the power of ten included.
    const QString said = rig.panel->digitsLabel->accessibleName();
    QVERIFY2(said.contains(QLocale().toString(v, 'g', 6)), qPrintable(said));
    QVERIFY2(said.endsWith(units == 0 ? "?" : units == 2 ? "CGS" : "SI"), qPrintable(said));
    // The digits keep their box: the text is drawn in the largest size that fits it whole.
    const auto* shown = qobject_cast<FittedLabel*>(rig.panel->digitsLabel);
    QVERIFY(shown);
    const QRect box = shown->contentsRect();
    for (const QString& text : {digits, QStringLiteral("39698.1")}) {
        rig.panel->digitsLabel->setText(text);
        QFont f = shown->fittedFont();
        QVERIFY2(QFontMetricsF(f).horizontalAdvance(text) <= box.width(), qPrintable(text));
        QVERIFY2(QFontMetricsF(f).height() <= box.height(), qPrintable(text));
        if (f.pointSizeF() < shown->font().pointSizeF()) {
            f.setPointSizeF(f.pointSizeF() + 0.5);
            const QFontMetricsF larger(f);
            QVERIFY2(larger.horizontalAdvance(text) > box.width() || larger.height() > box.height(),
                     qPrintable(text));
        }
    }
    QCOMPARE(rig.panel->exponentLabel->text(), exponent);
    // What a user copies off the panel is the reading.
    QVERIFY(qAbs(digits.toDouble() * std::pow(10.0, exponent.toInt()) - v) <= 1e-12 * qAbs(v));
    QCOMPARE(rig.panel->meterBar->overRange(), over);
    QCOMPARE(rig.panel->fullScaleLabel->text(), fullScale);
    QVERIFY(qAbs(rig.panel->BarFraction() - fraction) < 1e-9);
    QCOMPARE(rig.panel->meterBar->barLengthTwips(), bar);
    QCOMPARE(rig.panel->tenLabel->text(), QString("10"));
}

void TestPanel::generalFormat_data() {
    QTest::addColumn<double>("v");
    QTest::addColumn<QString>("text");
    QTest::newRow("scaled 0.00123") << 0.00123 * 100000 << "123";
    QTest::newRow("fraction") << 12.5 << "12.5";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative") << -0.25 << "-0.25";
    QTest::newRow("15 digits") << 1.0 / 3 << "0.333333333333333";
    QTest::newRow("large") << 1e20 << "1E+20";
}

void TestPanel::generalFormat() {
    QFETCH(double, v);
    QFETCH(QString, text);
    QCOMPARE(formatGeneral(v), text);
}

void TestPanel::keys_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("storeToPC");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("frame");  // right after the press
    QTest::addColumn<bool>("selection");
    QTest::addColumn<int>("frameAfterTick");
    QTest::addColumn<QString>("flags");  // "S" select-set, "N" new-set
    const QString main = "Menu tick", memory = "Menu tick Memory tick",
                  recall = "Menu tick Memory tick Recall tick";
    QTest::newRow("Store to meter") << ""
                                    << "Store" << false << QByteArray("T") << 1 << false << 1 << "";
    QTest::newRow("Store to PC sends nothing")
        << ""
        << "Store" << true << QByteArray() << 1 << false << 1 << "";
    QTest::newRow("Calibrate") << ""
                               << "Cal" << false << QByteArray("L") << 1 << false << 1 << "";
    QTest::newRow("Menu") << ""
                          << "Menu" << false << QByteArray("M") << 1 << false << 2 << "";
    QTest::newRow("Off") << ""
                         << "Off" << false << QByteArray("Q") << 1 << false << 1 << "";
    QTest::newRow("Step Mode") << main << "Mode" << false << QByteArray("O") << 1 << false << 1
                               << "";
    QTest::newRow("SI / CGS main")
        << main << "Units" << false << QByteArray("U") << 1 << false << 1 << "";
    QTest::newRow("Memory") << main << "Memory" << false << QByteArray("Y") << 2 << false << 3
                            << "";
    QTest::newRow("Invert Display")
        << main << "Invert" << false << QByteArray("I") << 2 << false << 2 << "";
    QTest::newRow("Beeper") << main << "Beeper" << false << QByteArray("B") << 1 << false << 1
                            << "";
    QTest::newRow("Stay On") << main << "On" << false << QByteArray("N") << 1 << false << 1 << "";
    QTest::newRow("ESC main") << main << "Esc" << false << QByteArray("E") << 1 << false << 1 << "";
    QTest::newRow("Recall") << memory << "Recall" << false << QByteArray("X") << 3 << false << 4
                            << "";
    QTest::newRow("New Set") << memory << "NewSet" << false << QByteArray("H") << 1 << true << 1
                             << "N";
    QTest::newRow("Delete") << memory << "Delete" << false << QByteArray("Z") << 3 << false << 3
                            << "";
    QTest::newRow("ESC memory") << memory << "Esc2" << false << QByteArray("F") << 2 << false << 2
                                << "";
    QTest::newRow("Read") << recall << "Read" << false << QByteArray("K") << 1 << true << 1 << "";
    QTest::newRow("Select Set") << recall << "SelectSet" << false << QByteArray("J") << 1 << true
                                << 1 << "S";
    QTest::newRow("SI / CGS recall")
        << recall << "Units2" << false << QByteArray("W") << 4 << false << 4 << "";
    QTest::newRow("ESC recall") << recall << "Esc3" << false << QByteArray("G") << 3 << false << 3
                                << "";
    const QString readMem = recall + " Read tick", selSet = recall + " SelectSet tick",
                  newSet = memory + " NewSet tick";
    QTest::newRow("Up read") << readMem << "Up" << false << QByteArray("u") << 1 << true << 1 << "";
    QTest::newRow("Down read") << readMem << "Down" << false << QByteArray("d") << 1 << true << 1
                               << "";
    QTest::newRow("Enter read does nothing")
        << readMem << "Enter" << false << QByteArray() << 1 << true << 1 << "";
    QTest::newRow("Esc read") << readMem << "Esc5" << false << QByteArray("q") << 3 << false << 3
                              << "";
    QTest::newRow("Up select") << selSet << "Up" << false << QByteArray("w") << 1 << true << 1
                               << "S";
    QTest::newRow("Down select") << selSet << "Down" << false << QByteArray("f") << 1 << true << 1
                                 << "S";
    QTest::newRow("Enter select") << selSet << "Enter" << false << QByteArray("e") << 4 << false
                                  << 4 << "";
    QTest::newRow("Esc select") << selSet << "Esc5" << false << QByteArray("q") << 3 << false << 3
                                << "";
    QTest::newRow("Up new") << newSet << "Up" << false << QByteArray("a") << 1 << true << 1 << "N";
    QTest::newRow("Down new") << newSet << "Down" << false << QByteArray("b") << 1 << true << 1
                              << "N";
    QTest::newRow("Enter new") << newSet << "Enter" << false << QByteArray("n") << 1 << false << 1
                               << "";
    QTest::newRow("Esc new") << newSet << "Esc5" << false << QByteArray("q") << 3 << false << 3
                             << "";
    for (const char* k : {"DeleteRead", "ClearSet", "ClearAll", "Esc4"})
        QTest::newRow(k) << "" << k << false << QByteArray() << 1 << false << 1 << "";
}

void TestPanel::keys() {
    QFETCH(QString, setup);
    QFETCH(QString, key);
    QFETCH(bool, storeToPC);
    QFETCH(QByteArray, bytes);
    QFETCH(int, frame);
    QFETCH(bool, selection);
    QFETCH(int, frameAfterTick);
    QFETCH(QString, flags);
    Rig rig;
    rig.vars.storeToPC = storeToPC;
    rig.press(setup);
    rig.pty.receive(30);  // what the setup sent
    rig.panel->releaseTimer.setInterval(300);
    rig.press(key);
    QCOMPARE(rig.pty.receive(60), bytes);
    const Keypad& kp = rig.panel->keypad();
    QCOMPARE(kp.visiblePage(), frame);
    if (frame == 1) QCOMPARE(kp.selectionPage(), selection);
    QCOMPARE(rig.panel->displayFrame->isVisibleTo(rig.panel.get()), frame == 1);
    QCOMPARE(kp.SelectSetMode(), flags == "S");
    QCOMPARE(kp.NewSetMode(), flags == "N");
    if (selection) {
        QCOMPARE(rig.panel->selectionTitleLabel->text(),
                 flags.isEmpty() ? QString("Read Memory") : QString("Select Set"));
        QVERIFY(rig.panel->upButton->isVisibleTo(rig.panel.get()));
        QVERIFY(!rig.panel->storeButton->isVisibleTo(rig.panel.get()));
    }
    const int code = static_cast<int>(kKeys.value(key));
    if (code <= Keypad::kLatchingKeys && rig.panel->button(kKeys.value(key))->isCheckable()) {
        QCOMPARE(kp.PressedKey(), code);
        QVERIFY(rig.panel->button(kKeys.value(key))->isChecked() || code == 1);
    }
    QTRY_VERIFY(!rig.panel->releaseTimer.isActive());
    QCOMPARE(kp.visiblePage(), frameAfterTick);
    QCOMPARE(kp.PressedKey(), 0);
    QCOMPARE(rig.messages.texts, QStringList());
}

void TestPanel::keyComesUpAfterItsReleaseTime() {
    // The panel as the program makes it: a key stays down for its release time, then comes up
    // once.
    SessionState vars;
    struct NoHost : PanelHost {
        void sendCommand(const QByteArray&) override {}
        void storeShownReading() override {}
    } host;
    ReadingPanel panel(vars, host);
    panel.press(Key::Cal);
    QVERIFY(panel.calibrateButton->isChecked());
    QVERIFY(panel.releaseTimer.isActive() && panel.releaseTimer.isSingleShot());
    QVERIFY(panel.releaseTimer.remainingTime() > 0);
    QTRY_VERIFY_WITH_TIMEOUT(!panel.calibrateButton->isChecked(), 3000);
    QVERIFY(!panel.releaseTimer.isActive());
}

void TestPanel::menuThenOffWithinRelease() {
    Rig rig;
    rig.panel->releaseTimer.setInterval(300);
    rig.press("Menu Off");
    QCOMPARE(rig.pty.receive(60), QByteArray("MQ"));
    QVERIFY(!rig.panel->menuButton->isChecked());
    QTRY_VERIFY(!rig.panel->releaseTimer.isActive());
    QCOMPARE(rig.panel->keypad().visiblePage(), 1);  // the Main Menu page never shows
    QVERIFY(!rig.panel->offButton->isChecked());
}

void TestPanel::recallThenEscWithinRelease() {
    Rig rig;
    rig.press("Menu tick Memory tick");
    rig.pty.receive(30);
    rig.panel->releaseTimer.setInterval(300);
    rig.press("Recall Esc2");
    QCOMPARE(rig.pty.receive(60), QByteArray("XF"));
    QCOMPARE(rig.panel->keypad().visiblePage(), 2);
    QVERIFY(rig.panel->mainMenuPage->isVisibleTo(rig.panel.get()));
    QTRY_COMPARE(rig.panel->keypad().visiblePage(), 4);
    QVERIFY(rig.panel->recallMenuPage->isVisibleTo(rig.panel.get()));
}

void TestPanel::latchGroupKeepsOneKeyPressed() {
    Keypad kp;
    kp.press(Key::Cal);
    kp.press(Key::Store);
    QVERIFY(kp.selected(1));
    QVERIFY(!kp.selected(2));
    kp.ShowReadingPage();
    QVERIFY2(!kp.selected(1), "the reading page releases the Store key");
}

void TestPanel::walkWithoutPort() {
    Rig rig(false);
    rig.tmp.remove();  // the link is gone: the port cannot open
    rig.press("Menu tick Memory tick Recall tick SelectSet tick Up Enter Esc3 NewSet tick Enter");
    QCOMPARE(rig.panel->keypad().visiblePage(), 1);
    QVERIFY(!rig.panel->keypad().selectionPage());
    // Every key that sends a command tried to open the port and said why it could not.
    QCOMPARE(rig.messages.texts.size(), 9);
    QCOMPARE(rig.messages.texts.first(),
             QString("Meter not connected or invalid Comm Port Number selected"));
    QVERIFY(!rig.session.isConnected());
}

void TestPanel::showingAndHidingKeepsState() {
    Rig rig;
    rig.vars.meter.unitsDigit = 1;
    rig.panel->ShowLiveValue(0.0012);
    rig.press("Menu tick");
    rig.panel->show();
    rig.panel->hide();
    rig.panel->show();
    QCOMPARE(rig.panel->digitsLabel->text(), QString("120"));
    QCOMPARE(rig.panel->meterBar->barLengthTwips(), 1590L);
    QCOMPARE(rig.panel->keypad().visiblePage(), 2);
    QCOMPARE(rig.panel->storeDestinationLabel->text(), QString("(to Meter memory)"));
}

void TestPanel::renderPages() {
    Rig rig;
    rig.vars.meter.unitsDigit = 1;
    rig.panel->ShowLiveValue(0.0012);
    rig.panel->show();
    const QString dir = QStringLiteral(ORVANTA_BUILD_DIR "/screenshots");
    QDir().mkpath(dir);
    QVERIFY(rig.panel->grab().save(dir + "/panel-reading.png"));
    rig.press("Menu tick");
    QVERIFY(rig.panel->grab().save(dir + "/panel-main-menu.png"));
    rig.press("Memory tick Recall tick Read tick");
    QVERIFY(rig.panel->grab().save(dir + "/panel-selection.png"));
    const QImage img(dir + "/panel-reading.png");
    QCOMPARE(img.pixelColor(img.width() - 2, img.height() - 2), QColor(155, 208, 240));
}

void TestPanel::keysFromTheKeyboard() {
    // Every key is reached by Tab and named for screen readers; a letter presses the shown key
    // it begins, as a click does.
    Rig typed;
    for (const QPushButton* b : typed.panel->findChildren<QPushButton*>()) {
        QCOMPARE(b->focusPolicy(), Qt::TabFocus);
        QVERIFY2(!b->accessibleName().isEmpty(), qPrintable(b->objectName()));
    }
    // Each key's tool tip names the letter that presses it, and only that one.
    QVERIFY(typed.panel->menuButton->toolTip().contains("Keyboard: M,"));
    QVERIFY(typed.panel->modeButton->toolTip().contains("Keyboard: S,"));  // Step Mode: first S
    QVERIFY(!typed.panel->unitsButton->toolTip().contains("Keyboard"));    // SI / CGS: S taken
    QVERIFY(typed.panel->offButton->toolTip().contains("Never pressed by a letter"));
    Rig clicked;
    typed.panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(typed.panel.get()));
    QTest::mouseClick(typed.panel.get(), Qt::LeftButton, {}, QPoint(2, 2));
    QVERIFY(typed.panel->listening());
    QTest::keyClick(typed.panel.get(), Qt::Key_M);
    clicked.press("Menu");
    QCOMPARE(typed.pty.receive(60), clicked.pty.receive(60));
    QCOMPARE(typed.panel->keypad().visiblePage(), clicked.panel->keypad().visiblePage());
    QVERIFY(typed.panel->keypad().visiblePage() != 1);
    QTest::keyClick(typed.panel.get(), Qt::Key_Escape);
    QCOMPARE(typed.panel->keypad().visiblePage(), 1);
    // A word typed into the panel by mistake never switches the meter off nor calibrates it.
    typed.pty.receive(60);
    QTest::keyClicks(typed.panel.get(), "Outcrop cliff");
    const QByteArray sent = typed.pty.receive(200);
    QVERIFY2(!sent.contains('Q') && !sent.contains('L'), sent.constData());
}

void TestPanel::lettersWaitUntilThePanelIsAddressed_data() {
    QTest::addColumn<QString>("how");  // how the panel got the focus
    QTest::addColumn<bool>("listens");
    QTest::newRow("given the focus by a window") << "focus" << false;
    QTest::newRow("a click on the panel") << "click" << true;
    QTest::newRow("given the focus, then a click") << "focus click" << true;
    QTest::newRow("a click on a key") << "key" << true;
    QTest::newRow("Tab") << "tab" << true;
    QTest::newRow("a click, then elsewhere") << "away" << false;
}

void TestPanel::lettersWaitUntilThePanelIsAddressed() {
    QFETCH(QString, how);
    QFETCH(bool, listens);
    Rig rig;
    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    auto* elsewhere = new QLineEdit(&window);
    layout->addWidget(elsewhere);
    rig.panel->setParent(&window);
    layout->addWidget(rig.panel.get());
    const auto giveBack = qScopeGuard([&] { rig.panel->setParent(nullptr); });
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    elsewhere->setFocus();
    if (how.startsWith("focus")) rig.panel->setFocus(Qt::OtherFocusReason);
    if (how.endsWith("click") || how == "away")
        QTest::mouseClick(rig.panel.get(), Qt::LeftButton, {}, QPoint(2, 2));
    if (how == "key") {
        QTest::mouseClick(rig.panel->storeButton, Qt::LeftButton);
        QTRY_VERIFY(!rig.panel->releaseTimer.isActive());
    }
    if (how == "tab") QTest::keyClick(elsewhere, Qt::Key_Tab);
    if (how == "away") elsewhere->setFocus(Qt::MouseFocusReason);
    QCOMPARE(rig.panel->listening(), listens);
    rig.pty.receive(60);
    QTest::keyClick(rig.panel.get(), Qt::Key_M);  // Menu
    QCOMPARE(rig.pty.receive(200).isEmpty(), !listens);
    QTRY_COMPARE(rig.panel->keypad().visiblePage() != 1, listens);
}

QTEST_MAIN(TestPanel)
#include "test_panel.moc"
