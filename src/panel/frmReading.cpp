#include "frmReading.h"

#include <QPainter>

#include "Twips.h"

namespace {
const QColor kPanelColour(155, 208, 240);
const QColor kBarColour(0, 0, 128);
const QColor kBarBackground(255, 255, 255);
constexpr int kFrameLeft = 120, kFrameTop = 0, kFrameWidth = 4215, kFrameHeight = 6975;
}  // namespace

double MeterBarWidget::widthTwips() const { return Twips::fromPixels(width(), logicalDpiX()); }

void MeterBarWidget::drawBar(long lengthTwips) {
    m_length = lengthTwips;
    update();
}

void MeterBarWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), kBarBackground);
    if (m_length > 0) {
        const int w = Twips::toPixels(static_cast<double>(m_length), logicalDpiX());
        p.fillRect(QRect(0, 0, w, height()), kBarColour);
    }
}

frmReading::frmReading(basVariables& vars, PanelHost& host, QWidget* parent)
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
    setFixedSize(px(0, 0, 4455, 7095).size());

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(px(kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight));

    MeterBar = new MeterBarWidget(Frame1);
    MeterBar->setObjectName(QStringLiteral("MeterBar"));
    MeterBar->setGeometry(px(120, 240, 3975, 375));
    const struct {
        const char* name;
        int left, width, height;
    } ticks[] = {{"Shape1", 120, 135, 375},  {"Shape2", 3960, 135, 375}, {"Shape3", 1395, 105, 300},
                 {"Shape4", 2760, 105, 300}, {"Shape6", 720, 105, 150},  {"Shape7", 2055, 105, 150},
                 {"Shape9", 3405, 105, 150}};
    for (const auto& t : ticks) {
        auto* f = new QFrame(Frame1);
        f->setObjectName(QString::fromLatin1(t.name));
        f->setGeometry(px(t.left, 720, t.width, t.height));
        f->setAutoFillBackground(true);
        QPalette tp = f->palette();
        tp.setColor(QPalette::Window, Qt::black);
        f->setPalette(tp);
    }
    Label4 = label(Frame1, QStringLiteral("Label4"), QStringLiteral("0"), px(120, 1200, 615, 375), 18);
    Label3 = label(Frame1, QStringLiteral("Label3"), QStringLiteral("300"), px(2160, 1200, 1935, 375), 18,
                   Qt::AlignRight | Qt::AlignVCenter);
    Label1 = label(Frame1, QStringLiteral("Label1"), QStringLiteral("0000"), px(920, 1680, 2295, 1095), 48.75,
                   Qt::AlignRight | Qt::AlignVCenter);
    Label5 = label(Frame1, QStringLiteral("Label5"), QStringLiteral("10"), px(2520, 3060, 855, 375), 20.25);
    Label6 = label(Frame1, QStringLiteral("Label6"), QStringLiteral("-5"), px(3480, 2820, 615, 375), 18);
    Label7 = label(Frame1, QStringLiteral("Label7"), QStringLiteral("Units SI"), px(1320, 3600, 2415, 375), 20.25);
    Label8 = label(Frame1, QStringLiteral("Label8"), QStringLiteral("Scan"), px(2640, 4200, 1335, 375), 18);
    Label23 = label(Frame1, QStringLiteral("Label23"), QStringLiteral("S1"), px(600, 4680, 1095, 375), 15.75);
    Label24 = label(Frame1, QStringLiteral("Label24"), QStringLiteral("R1"), px(2040, 4680, 855, 375), 15.75);
    StoreButton = key(Frame1, Key::Store, QStringLiteral("StoreButton"), QStringLiteral("Store"),
                      px(360, 5160, 1215, 360), 15.75);
    StoreLabel = label(Frame1, QStringLiteral("StoreLabel"), QStringLiteral("#######"), px(1680, 5240, 2295, 255), 9.75);
    CalButton = key(Frame1, Key::Cal, QStringLiteral("CalButton"), QStringLiteral("Calibrate"),
                    px(360, 5560, 2055, 360), 15.75);
    MenuButton = key(Frame1, Key::Menu, QStringLiteral("MenuButton"), QStringLiteral("Menu"),
                     px(360, 5960, 2055, 360), 15.75);
    OffButton = key(Frame1, Key::Off, QStringLiteral("OffButton"), QStringLiteral("Off"), px(360, 6360, 2055, 360), 15.75);
    Label20 = label(Frame1, QStringLiteral("Label20"), QStringLiteral("Read Memory"), px(240, 5160, 3615, 360), 15.75);
    Label21 = label(Frame1, QStringLiteral("Label21"), QStringLiteral("Set 1"), px(240, 5700, 3615, 360), 15.75);
    Label22 = label(Frame1, QStringLiteral("Label22"), QStringLiteral("Reading 1"), px(240, 6200, 3615, 360), 15.75);
    UpButton = key(Frame1, Key::Up, QStringLiteral("UpButton"), QStringLiteral("Up"), px(2640, 5160, 735, 495), 8.25);
    EnterButton = key(Frame1, Key::Enter, QStringLiteral("EnterButton"), QStringLiteral("Enter"),
                      px(2640, 5760, 735, 495), 8.25);
    DownButton = key(Frame1, Key::Down, QStringLiteral("DownButton"), QStringLiteral("Down"),
                     px(2640, 6360, 735, 495), 8.25);
    EscapeButton5 = key(Frame1, Key::Escape5, QStringLiteral("EscapeButton5"), QStringLiteral("Esc"),
                        px(3480, 5760, 615, 495), 8.25);

    const int tops[] = {2640, 3120, 3600, 4080, 4560, 5040};
    auto menuKey = [&](QFrame* page, int row, Key k, const char* name, const char* text, bool wide) {
        return key(page, k, QString::fromLatin1(name), QString::fromLatin1(text),
                   px(480, tops[row], wide ? 2895 : 2055, 360), 15.75);
    };
    auto escKey = [&](QFrame* page, Key k, const char* name) {
        return key(page, k, QString::fromLatin1(name), QStringLiteral("ESC"), px(1680, 5880, 855, 735), 14.25);
    };
    Frame2 = menuPage(QStringLiteral("Frame2"), QStringLiteral("Main Menu"));
    ModeButton = menuKey(Frame2, 0, Key::Mode, "ModeButton", "Step Mode", false);
    UnitsButton = menuKey(Frame2, 1, Key::Units, "UnitsButton", "SI / CGS", false);
    MemoryButton = menuKey(Frame2, 2, Key::Memory, "MemoryButton", "Memory", false);
    InvertButton = menuKey(Frame2, 3, Key::Invert, "InvertButton", "Invert Display", true);
    BeeperButton = menuKey(Frame2, 4, Key::Beeper, "BeeperButton", "Beeper On", false);
    OnButton = menuKey(Frame2, 5, Key::On, "OnButton", "Stay On", false);
    EscapeButton = escKey(Frame2, Key::Escape, "EscapeButton");
    Frame3 = menuPage(QStringLiteral("Frame3"), QStringLiteral("Memory Menu"));
    RecallButton = menuKey(Frame3, 0, Key::Recall, "RecallButton", "Recall", false);
    NewSetButton = menuKey(Frame3, 1, Key::NewSet, "NewSetButton", "New Set", false);
    DeleteButton = menuKey(Frame3, 2, Key::Delete, "DeleteButton", "Delete", false);
    EscapeButton2 = escKey(Frame3, Key::Escape2, "EscapeButton2");
    Frame4 = menuPage(QStringLiteral("Frame4"), QStringLiteral("Recall Menu"));
    ReadButton = menuKey(Frame4, 0, Key::Read, "ReadButton", "Read", false);
    SelectSetButton = menuKey(Frame4, 1, Key::SelectSet, "SelectSetButton", "Select Set", false);
    UnitsButton2 = menuKey(Frame4, 2, Key::Units2, "UnitsButton2", "SI / CGS", false);
    EscapeButton3 = escKey(Frame4, Key::Escape3, "EscapeButton3");
    Frame5 = menuPage(QStringLiteral("Frame5"), QStringLiteral("Delete Menu"));
    DeleteReadButton = menuKey(Frame5, 0, Key::DeleteRead, "DeleteReadButton", "Delete Reading", true);
    ClearSetButton = menuKey(Frame5, 1, Key::ClearSet, "ClearSetButton", "Clear Set", false);
    ClearAllButton = menuKey(Frame5, 2, Key::ClearAll, "ClearAllButton", "Clear All", false);
    EscapeButton4 = escKey(Frame5, Key::Escape4, "EscapeButton4");

    // Latching keys show their pressed state; the keypad model decides it.
    for (auto& [k, b] : m_buttons) b->setCheckable(static_cast<int>(k) <= Keypad::kLatchingKeys);

    Timer1.setSingleShot(true);
    Timer1.setInterval(300);
    connect(&Timer1, &QTimer::timeout, this, &frmReading::tick);

    // Create.
    ShowReadingPage();
    setStoreDestination(m_vars.StoreToPC);
}

QRect frmReading::px(int left, int top, int width, int height) const {
    const double dx = logicalDpiX();
    const double dy = logicalDpiY();
    return QRect(Twips::toPixels(left, dx), Twips::toPixels(top, dy), Twips::toPixels(width, dx),
                 Twips::toPixels(height, dy));
}

QLabel* frmReading::label(QWidget* parent, const QString& name, const QString& text, QRect r, double pt,
                          Qt::Alignment align) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(r);
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    f.setPointSizeF(pt);
    l->setFont(f);
    l->setAlignment(align);
    return l;
}

QPushButton* frmReading::key(QWidget* parent, Key k, const QString& name, const QString& text, QRect r, double pt) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setGeometry(r);
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    f.setPointSizeF(pt);
    b->setFont(f);
    b->setFocusPolicy(Qt::NoFocus);
    connect(b, &QPushButton::clicked, this, [this, k] { press(k); });
    m_buttons[k] = b;
    return b;
}

QFrame* frmReading::menuPage(const QString& name, const QString& title) {
    auto* page = new QFrame(this);
    page->setObjectName(name);
    page->setGeometry(px(kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight));
    auto* logo = label(page, name + QStringLiteral("Logo"), QStringLiteral("Orvanta"), px(360, 360, 3495, 735), 24,
                       Qt::AlignCenter);
    QFont lf(QStringLiteral("Arial Black"));
    lf.setPointSizeF(24);
    lf.setItalic(true);
    lf.setWeight(QFont::Black);
    logo->setFont(lf);
    label(page, name + QStringLiteral("Rule"), QString(53, QLatin1Char('/')), px(120, 1200, 3975, 255), 9.75,
          Qt::AlignCenter);
    label(page, name + QStringLiteral("Title"), title, px(360, 1800, 3495, 495), 15.75, Qt::AlignCenter);
    page->hide();
    return page;
}

void frmReading::syncFromKeypad() {
    const bool sel = m_keypad.selectionPage();
    for (QWidget* w : {static_cast<QWidget*>(StoreButton), static_cast<QWidget*>(StoreLabel),
                       static_cast<QWidget*>(CalButton), static_cast<QWidget*>(MenuButton),
                       static_cast<QWidget*>(OffButton), static_cast<QWidget*>(Label23),
                       static_cast<QWidget*>(Label24)})
        w->setVisible(!sel);
    for (QWidget* w : {static_cast<QWidget*>(Label20), static_cast<QWidget*>(Label21),
                       static_cast<QWidget*>(Label22), static_cast<QWidget*>(UpButton),
                       static_cast<QWidget*>(EnterButton), static_cast<QWidget*>(DownButton),
                       static_cast<QWidget*>(EscapeButton5)})
        w->setVisible(sel);
    if (sel) Label20->setText(m_keypad.selectionTitle());
    const int frame = m_keypad.visibleFrame();
    Frame1->setVisible(frame == Keypad::Frame1);
    Frame2->setVisible(frame == Keypad::Frame2);
    Frame3->setVisible(frame == Keypad::Frame3);
    Frame4->setVisible(frame == Keypad::Frame4);
    Frame5->setVisible(frame == Keypad::Frame5);
    for (auto& [k, b] : m_buttons) {
        const int code = static_cast<int>(k);
        if (code <= Keypad::kLatchingKeys) b->setChecked(m_keypad.selected(code));
    }
}

void frmReading::Activate() {
    m_host.SetUnits();
    Label7->setText(m_vars.UnitsText);
    m_host.SetMode();
    Label8->setText(m_vars.ModeText);
    Label23->setText(QStringLiteral("S") + m_vars.MeterSetText);
    Label24->setText(QStringLiteral("R") + m_vars.MeterReadingText);
}

void frmReading::ShowReadingPage() {
    m_keypad.ShowReadingPage();
    syncFromKeypad();
}

void frmReading::ShowSelectionPage() {
    m_keypad.ShowSelectionPage();
    syncFromKeypad();
}

void frmReading::ShowUnitsText() { Label7->setText(m_vars.UnitsText); }
void frmReading::ShowModeText() { Label8->setText(m_vars.ModeText); }

void frmReading::ShowSetNumber() {
    Label23->setText(QStringLiteral("S") + m_vars.MeterSetText);
    Label21->setText(QStringLiteral("Set ") + m_vars.MeterSetText);
}

void frmReading::ShowReadingNumber() {
    Label24->setText(QStringLiteral("R") + m_vars.MeterReadingText);
    Label22->setText(QStringLiteral("Reading ") + m_vars.MeterReadingText);
}

void frmReading::ShowBeeperState(int code) {
    BeeperButton->setText(code == 1 ? QStringLiteral("Beeper On") : QStringLiteral("Beeper Off"));
}

void frmReading::ShowLiveValue(double v) {
    const LiveDisplay::Shown s = m_display.show(v, m_vars.UnitsCode);
    Label3->setText(s.fullScale);
    Label1->setText(s.digits);
    Label6->setText(s.exponent);
    MeterBar->drawBar(BarLength(MeterBar->widthTwips(), s.fraction));
}

void frmReading::setStoreDestination(bool toPC) {
    StoreLabel->setText(toPC ? QStringLiteral("(to PC memory)") : QStringLiteral("(to Meter memory)"));
}

void frmReading::press(Key k) {
    for (const QByteArray& cmd : m_keypad.commands(k, m_vars.StoreToPC)) m_host.SendCommand(cmd);
    m_keypad.press(k);
    // Enabling a running release timer leaves its countdown as it is.
    if (m_keypad.timerWanted() && !Timer1.isActive()) Timer1.start();
    syncFromKeypad();
}

void frmReading::tick() {
    Timer1.stop();
    m_keypad.tick();
    syncFromKeypad();
}
