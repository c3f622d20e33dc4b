// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/main/MainMenus.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>

#include "core/files/ExportFormats.h"
#include "core/meter/MeterFacts.h"
#include "gui/main/PaletteIcon.h"

namespace {
// The desktop theme's icon where there is one, else our own: an SVG drawn in the palette's text
// colour, so it reads on light and dark themes alike.
QIcon themed(const char* themeName, const char* ownIcon) {
    const QString name = QLatin1String(ownIcon);
    const QIcon own = name.endsWith(QLatin1String(".svg"))
                          ? paletteIcon(QStringLiteral(":/icons/") + name)
                          : QIcon(QStringLiteral(":/icons/") + name);
    return themeName ? QIcon::fromTheme(QLatin1String(themeName), own) : own;
}
// Shortcuts of the meter requests; the menus and tool tips show them.
const QKeySequence kCurrentSetKey(Qt::Key_F5);
const QKeySequence kSelectedSetKey(Qt::SHIFT | Qt::Key_F5);
const QKeySequence kAllSetsKey(Qt::CTRL | Qt::Key_F5);
const QKeySequence kCaptureKey(Qt::Key_F6);
const QKeySequence kContinuousKey(Qt::Key_F7);
const QKeySequence kStopKey(Qt::Key_F8);
const QKeySequence kRecordKey(Qt::CTRL | Qt::Key_R);
}  // namespace

QAction* MainMenus::item(QMenu* menu, const QString& caption, const QString& name,
                         const QKeySequence& key, const std::function<void()>& op) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    if (!key.isEmpty()) a->setShortcut(key);
    if (op) connect(a, &QAction::triggered, this, op);
    m_items.insert(name, a);
    return a;
}

QAction* MainMenus::button(const QString& key, const QString& tip, const QIcon& icon,
                           const std::function<void()>& op, const QKeySequence& shortcut) {
    // The words of its tip are its name (for screen readers, and a text-beside-icon tool bar).
    auto* a = new QAction(icon, tip, this);
    a->setObjectName(key);
    // The shortcut belongs to the menu item; the tool tip tells it.
    a->setToolTip(shortcut.isEmpty()
                      ? tip
                      : tip + QStringLiteral(" (") + shortcut.toString(QKeySequence::NativeText) +
                            QLatin1Char(')'));
    if (op) connect(a, &QAction::triggered, this, op);
    m_buttons.insert(key, a);
    return a;
}

MainMenus::MainMenus(QMainWindow& window, QToolBar& toolbar, MainCommands c)
    : QObject(&window), m_toolbar(toolbar), m_commands(std::move(c)) {
    Q_INIT_RESOURCE(icons);
    const MainCommands& cmd = m_commands;
    QMenuBar* bar = window.menuBar();
    QMenu* file = bar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("Filemenu"));
    item(file, tr("&New"), QStringLiteral("Newmenu"), QKeySequence(Qt::CTRL | Qt::Key_N), cmd.New);
    item(file, tr("&Open"), QStringLiteral("Openmenu"), QKeySequence(Qt::CTRL | Qt::Key_O),
         cmd.Open);
    m_recent = file->addMenu(tr("Open &Recent"));
    m_recent->setObjectName(QStringLiteral("Recentmenu"));
    m_recent->setEnabled(false);
    item(file, tr("&Close"), QStringLiteral("Closemenu"), {}, cmd.close);
    item(file, tr("&Save"), QStringLiteral("Savemenu"), QKeySequence(Qt::CTRL | Qt::Key_S),
         cmd.Save);
    item(file, tr("Save &As"), QStringLiteral("Saveasmenu"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), cmd.saveAs);
    file->addSeparator()->setObjectName(QStringLiteral("sep"));
    item(file, tr("&Print"), QStringLiteral("Printmenu"), QKeySequence(Qt::CTRL | Qt::Key_P),
         cmd.Print);
    item(file, tr("Print Pre&view"), QStringLiteral("PrintPreviewmenu"), {}, cmd.printPreview);
    item(file, tr("Print Survey S&ummary..."), QStringLiteral("PrintSummarymenu"), {},
         cmd.printSummary);
    file->addSeparator()->setObjectName(QStringLiteral("sep2"));
    for (const ExportFormats::Format& format : ExportFormats::all())
        if (format.menuText)
            item(file, QCoreApplication::translate("ExportFormats", format.menuText),
                 format.menuName, {}, [exportAs = cmd.exportAs, &format] {
                     if (exportAs) exportAs(format);
                 });
    file->addSeparator()->setObjectName(QStringLiteral("sep5"));
    item(file, tr("E&xit"), QStringLiteral("Exitmenu"), QKeySequence(Qt::CTRL | Qt::Key_Q),
         cmd.exit);

    QMenu* view = bar->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("Viewmenu"));
    const QList<QPair<QAction*, std::function<bool()>>> shown{
        {item(view, tr("&Data"), QStringLiteral("Datamenu"), {}, cmd.viewData), cmd.dataShown},
        {item(view, tr("&Meter"), QStringLiteral("Metermenu"), {}, cmd.viewMeter), cmd.meterShown},
        {item(view, tr("&Plot"), QStringLiteral("Plotmenu"), {}, cmd.plot), cmd.plotShown}};
    // Each item is checked while its window is shown; choosing it shows the window.
    for (const auto& [action, isShown] : shown) action->setCheckable(true);
    connect(view, &QMenu::aboutToShow, this, [shown] {
        for (const auto& [action, isShown] : shown) action->setChecked(isShown && isShown());
    });

    QMenu* down = bar->addMenu(tr("&Download"));
    down->setObjectName(QStringLiteral("Controlmenu"));
    item(down, tr("Download &Current Set"), QStringLiteral("DownCurmenu"), kCurrentSetKey,
         cmd.DownloadCurrentSet);
    item(down, tr("Download &Selected Set"), QStringLiteral("DownSelmenu"), kSelectedSetKey,
         cmd.DownloadSelectedSet);
    item(down, tr("Download &All Sets"), QStringLiteral("DownAllmenu"), kAllSetsKey,
         cmd.DownloadAllSets);
    item(down, tr("Download S&et..."), QStringLiteral("DownSetmenu"),
         QKeySequence(Qt::CTRL | Qt::Key_D), cmd.downloadSetAsked);

    QMenu* read = bar->addMenu(tr("&Read"));
    read->setObjectName(QStringLiteral("Readmenu"));
    item(read, tr("&Capture Current Reading"), QStringLiteral("ShowCurmenu"), kCaptureKey,
         cmd.CaptureCurrentReading);
    // Pressed while continuous readings run, it stops them.
    toggle(item(read, tr("&Show Continuous Readings"), QStringLiteral("ShowAllmenu"),
                kContinuousKey, {}),
           cmd.ShowContinuousReadings, cmd.stopReadings, &m_continuous);
    item(read, tr("St&op Readings"), QStringLiteral("StopReadingsmenu"), kStopKey, cmd.stopReadings)
        ->setEnabled(false);
    read->addSeparator();
    const auto record = [this](bool on) {
        if (m_commands.recordReadings) m_commands.recordReadings(on);
    };
    toggle(
        item(read, tr("&Record Readings..."), QStringLiteral("RecordReadingsmenu"), kRecordKey, {}),
        [record] { record(true); }, [record] { record(false); }, &m_recording);
    item(read, tr("&Mark Reading..."), QStringLiteral("MarkReadingmenu"),
         QKeySequence(Qt::CTRL | Qt::Key_M), cmd.markReading);
    item(read, tr("&Place Recording by GPX Track..."), QStringLiteral("PlaceRecordingmenu"), {},
         cmd.placeRecording);

    QMenu* options = bar->addMenu(tr("&Options"));
    options->setObjectName(QStringLiteral("Optionsmenu"));
    item(options, tr("&Store Function"), QStringLiteral("Storemenu"), {}, cmd.storeFunction);
    item(options, tr("&Comm Port..."), QStringLiteral("CommPortmenu"), {}, cmd.commPort);

    // The windows of the work area side by side or stacked, and from one to the next by key.
    QMenu* windows = bar->addMenu(tr("&Window"));
    windows->setObjectName(QStringLiteral("Windowmenu"));
    // The work area arranges its own windows.
    const auto area = [&window](void (QMdiArea::*arrange)()) {
        return [&window, arrange] {
            if (auto* mdi = qobject_cast<QMdiArea*>(window.centralWidget())) (mdi->*arrange)();
        };
    };
    item(windows, tr("&Tile"), QStringLiteral("Tilemenu"), {}, area(&QMdiArea::tileSubWindows));
    item(windows, tr("&Cascade"), QStringLiteral("Cascademenu"), {},
         area(&QMdiArea::cascadeSubWindows));
    item(windows, tr("&Side by Side"), QStringLiteral("SideBySidemenu"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_B), cmd.sideBySide);
    item(windows, tr("&Next Window"), QStringLiteral("NextWindowmenu"),
         QKeySequence(Qt::CTRL | Qt::Key_F6), area(&QMdiArea::activateNextSubWindow));
    item(windows, tr("&Previous Window"), QStringLiteral("PreviousWindowmenu"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F6),
         area(&QMdiArea::activatePreviousSubWindow));

    QMenu* help = bar->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("Helpmenu"));
    item(help, tr("&Manual"), QStringLiteral("Manualmenu"), QKeySequence::HelpContents, cmd.manual);
    item(help, tr("&About Orvanta"), QStringLiteral("Aboutmenu"), {}, cmd.about);

    // Tool bar: images only, the tool tip is each button's text.
    m_toolbar.setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_toolbar.addAction(
        button(QStringLiteral("New"), tr("New"), themed("document-new", "new.svg"), cmd.New));
    m_toolbar.addAction(
        button(QStringLiteral("Open"), tr("Open"), themed("document-open", "open.svg"), cmd.Open));
    m_toolbar.addAction(
        button(QStringLiteral("Save"), tr("Save"), themed("document-save", "save.svg"), cmd.Save));
    m_toolbar.addSeparator();
    m_toolbar.addAction(button(QStringLiteral("Print"), tr("Print"),
                               themed("document-print", "print.svg"), cmd.Print));
    m_toolbar.addSeparator();
    m_toolbar.addAction(button(QStringLiteral("Getcurrentset"), tr("Download the Current Set"),
                               themed(nullptr, "getcurrentset.svg"), cmd.DownloadCurrentSet,
                               kCurrentSetKey));
    QAction* getset =
        button(QStringLiteral("Getset"), tr("Download Set 1"), themed(nullptr, "getset.svg"),
               cmd.DownloadSelectedSet, kSelectedSetKey);
    auto* sets = new QMenu(&window);
    sets->setObjectName(QStringLiteral("GetsetMenu"));
    for (int i = 1; i <= Meter::kSets; ++i) {
        QAction* entry = sets->addAction(tr("Set %1").arg(i));
        connect(entry, &QAction::triggered, this, [this, i] { chooseSet(i); });
    }
    m_toolbar.addAction(getset);
    Getset = qobject_cast<QToolButton*>(m_toolbar.widgetForAction(getset));
    if (Getset) {
        Getset->setObjectName(QStringLiteral("GetsetButton"));
        Getset->setMenu(sets);
        Getset->setPopupMode(QToolButton::MenuButtonPopup);
    }
    m_toolbar.addSeparator();
    m_toolbar.addAction(button(QStringLiteral("Getall"), tr("Download All Sets"),
                               themed(nullptr, "getall.svg"), cmd.DownloadAllSets, kAllSetsKey));
    m_toolbar.addSeparator();
    m_toolbar.addAction(button(QStringLiteral("Getreading"), tr("Capture Current Reading"),
                               themed(nullptr, "getreading.svg"), cmd.CaptureCurrentReading,
                               kCaptureKey));
    QAction* continuous = button(QStringLiteral("Getallreadings"), tr("Show Continuous Readings"),
                                 themed(nullptr, "getallreadings.svg"), {}, kContinuousKey);
    toggle(continuous, cmd.ShowContinuousReadings, cmd.stopReadings, &m_continuous);
    m_toolbar.addAction(continuous);
    QAction* recordButton = button(QStringLiteral("Record"), tr("Record Readings"),
                                   themed("media-record", "record.svg"), {}, kRecordKey);
    toggle(
        recordButton, [record] { record(true); }, [record] { record(false); }, &m_recording);
    m_toolbar.addAction(recordButton);
    m_toolbar.addSeparator();
    m_toolbar.addAction(
        button(QStringLiteral("Plot"), tr("Plot the Sets"), themed(nullptr, "plot.svg"), cmd.plot));
}

void MainMenus::chooseSet(int set) {
    if (m_commands.selectSet) m_commands.selectSet(QString::number(set));
    m_buttons.value(QStringLiteral("Getset"))
        ->setToolTip(tr("Download Set %1 (%2)")
                         .arg(set)
                         .arg(kSelectedSetKey.toString(QKeySequence::NativeText)));
}

void MainMenus::toggle(QAction* action, const std::function<void()>& on,
                       const std::function<void()>& off, const bool* state) {
    action->setCheckable(true);
    connect(action, &QAction::triggered, this, [action, on, off, state](bool checked) {
        if (checked && on) on();
        if (!checked && off) off();
        // What holds now, whatever was asked (a port that could not be opened, a cancelled
        // file dialog).
        action->setChecked(*state);
    });
}

void MainMenus::setContinuousRunning(bool running) {
    m_continuous = running;
    if (QAction* a = m_items.value(QStringLiteral("ShowAllmenu"))) a->setChecked(running);
    if (QAction* a = m_buttons.value(QStringLiteral("Getallreadings"))) a->setChecked(running);
    if (QAction* a = m_items.value(QStringLiteral("StopReadingsmenu"))) a->setEnabled(running);
}

void MainMenus::setRecording(bool recording) {
    m_recording = recording;
    if (QAction* a = m_items.value(QStringLiteral("RecordReadingsmenu"))) a->setChecked(recording);
    if (QAction* a = m_buttons.value(QStringLiteral("Record"))) a->setChecked(recording);
}

void MainMenus::setRecentFiles(const QStringList& paths) {
    m_recent->clear();
    for (const QString& path : paths) {
        QAction* a = m_recent->addAction(QFileInfo(path).fileName());
        a->setToolTip(path);
        a->setStatusTip(path);
        connect(a, &QAction::triggered, this, [this, path] {
            if (m_commands.openRecent) m_commands.openRecent(path);
        });
    }
    m_recent->setEnabled(!paths.isEmpty());
}

void MainMenus::setDownloadRunning(bool running) {
    for (const char* name : {"Newmenu", "Openmenu", "Savemenu", "Saveasmenu"}) {
        if (QAction* a = m_items.value(QLatin1String(name))) a->setEnabled(!running);
    }
    m_recent->menuAction()->setEnabled(!running);
    for (const char* key : {"New", "Open", "Save"}) {
        if (QAction* a = m_buttons.value(QLatin1String(key))) a->setEnabled(!running);
    }
}
