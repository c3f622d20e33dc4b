// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/main/MainWindow.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "core/common/Messages.h"
#include "core/common/SettingsStore.h"
#include "core/common/Version.h"
#include "core/files/ExportFormats.h"
#include "core/session/MeterSession.h"
#include "core/store/EditHistory.h"
#include "core/store/ReadingsStore.h"
#include "gui/MeterWords.h"
#include "gui/dialogs/AboutDialog.h"
#include "gui/dialogs/ManualWindow.h"
#include "gui/dialogs/OptionsDialog.h"
#include "gui/dialogs/PortDialog.h"
#include "gui/files/RecordingCommands.h"
#include "gui/main/DownloadFeedback.h"
#include "gui/main/Language.h"
#include "gui/main/MainMenus.h"
#include "gui/main/SessionMessages.h"
#include "gui/main/WorkArea.h"
#include "gui/printing/PrintCommand.h"
#include "gui/sets/SetsWindow.h"

MainWindow::MainWindow(Deps deps, QWidget* parent)
    : QMainWindow(parent),
      m_session(deps.session),
      m_panelHost(deps.session),
      m_messages(deps.messages),
      m_fileDialog(deps.fileDialog),
      m_printDialog(deps.printDialog),
      m_files(FileMenuCommands::Deps{
          deps.session.store(), deps.fileDialog, deps.messages, deps.dialogFolder,
          [this] { return m_session.isDownloading(); },
          [this](bool hold) { m_session.holdReceiving(hold); }, deps.settings}),
      m_layout(deps.settings),
      m_settings(deps.settings) {
    setObjectName(QStringLiteral("frmMain"));
    setAcceptDrops(true);
    setWindowTitle(QStringLiteral("Orvanta"));
    setWindowIcon(
        QIcon(QStringLiteral(":/icons/orvanta.svg")));  // scalable: every size the desktop asks for

    m_trend.setParent(this);
    m_trend.setObjectName(QStringLiteral("LiveTrend"));
    m_work = new WorkArea({deps.session, m_panelHost, deps.messages, deps.fileDialog,
                           deps.printDialog, m_trend, m_layout, m_gps},
                          this);
    setCentralWidget(m_work);
    connect(m_work, &WorkArea::closeRequested, this, &QWidget::close);

    // Named in words where the user meets them: screen readers and the bars' context menu.
    m_coolBar = addToolBar(tr("Units and tool bar"));
    m_coolBar->setObjectName(QStringLiteral("CoolBar1"));
    m_coolBar->setMovable(false);
    m_coolBar->setAccessibleName(m_coolBar->windowTitle());
    m_unitsBand = new QLabel(this);
    m_unitsBand->setObjectName(QStringLiteral("CoolBarBand1"));
    m_unitsBand->setMinimumWidth(90);
    m_unitsBand->setContentsMargins(6, 0, 6, 0);
    m_coolBar->addWidget(m_unitsBand);
    m_toolBar = new QToolBar(tr("Tool bar"), this);
    m_toolBar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolBar->setAccessibleName(m_toolBar->windowTitle());
    m_coolBar->addWidget(m_toolBar);

    m_sessionMessages = new SessionMessages(deps.session, deps.opener, deps.messages, this);
    m_status = new SessionStatusBar(deps.session, deps.opener, this);
    setStatusBar(m_status);

    MeterSession& s = m_session;
    MainCommands cmds;
    cmds.New = [this] { m_files.New(); };
    cmds.Open = [this] { m_files.Open(); };
    // Close has nothing to close: the readings table is the program's one document.
    cmds.close = [] {};
    cmds.Save = [this] { m_files.Save(); };
    cmds.saveAs = [this] { m_files.saveAs(); };
    cmds.Print = [this] { Print(); };
    cmds.exit = [this] { close(); };
    WorkArea& work = *m_work;
    cmds.viewData = [&work] { work.viewData(); };
    cmds.dataShown = [&work] { return work.dataShown(); };
    cmds.meterShown = [&work] { return work.meterShown(); };
    cmds.plotShown = [&work] { return work.plotShown(); };
    cmds.sideBySide = [&work] { work.sideBySide(); };
    cmds.manual = [this] { showManual(); };
    cmds.viewMeter = [&work] { work.viewMeter(); };
    cmds.DownloadCurrentSet = [&s] { s.DownloadCurrentSet(); };
    cmds.DownloadSelectedSet = [&s] { s.DownloadSelectedSet(); };
    cmds.DownloadAllSets = [&s] { s.DownloadAllSets(); };
    cmds.downloadSetAsked = [this] { m_download->askAndDownload(); };
    cmds.CaptureCurrentReading = [&s] { s.CaptureCurrentReading(); };
    cmds.ShowContinuousReadings = [&s] { s.ShowContinuousReadings(); };
    cmds.stopReadings = [&s] { s.stopReadings(); };
    cmds.recordReadings = [this](bool on) { m_recorder->recordReadings(on); };
    cmds.markReading = [this] { m_recorder->markReading(); };
    cmds.placeRecording = [this] { m_recorder->placeByTrack(); };
    cmds.openRecent = [this](const QString& path) { m_files.openPath(path); };
    cmds.storeFunction = [this] { showOptions(); };
    cmds.commPort = [this] { ShowCommPortDialog(); };
    cmds.about = [this] { showAbout(); };
    cmds.plot = [&work] { work.showPlot(); };
    cmds.exportAs = [this](const ExportFormats::Format& format) {
        m_files.exportAs(format, format.needsSet ? m_work->setsWindow().chosenSet() : 0);
    };
    cmds.printSummary = [this] { printSummary(); };
    cmds.printPreview = [this] { printPreview(); };
    cmds.selectSet = [this](const QString& set) {
        m_session.selectSet(set.toInt());
        m_layout.saveSelectedSet(set.toInt());
    };
    m_menus = new MainMenus(*this, *m_toolBar, cmds);
    m_download = new DownloadFeedback(deps.session, deps.messages, *this);
    connect(m_download, &DownloadFeedback::setChosen, m_menus, &MainMenus::chooseSet);
    m_recorder = new RecordingCommands(
        {deps.session, deps.fileDialog, deps.messages, deps.dialogFolder, this, &m_gps}, this);
    m_status->followGps(m_gps);
    connect(m_recorder, &RecordingCommands::recordingChanged, m_menus, &MainMenus::setRecording);
    connect(m_recorder, &RecordingCommands::note, m_status->downloadLabel, &QLabel::setText);
    m_menus->setRecentFiles(m_layout.recentFiles());
    m_files.note = [this](const QString& text) { m_status->downloadLabel->setText(text); };
    m_files.documentChanged = [this] {
        showTitle();
        m_menus->setRecentFiles(m_layout.remember(m_files.documentPath()));
    };

    // The title's "*" is the store's history away from the file last opened or saved.
    connect(&deps.session.store().history(), &EditHistory::changed, this, &MainWindow::showTitle);
    connectSession();
}

MainWindow::~MainWindow() = default;

void MainWindow::connectSession() {
    MeterSession& s = m_session;
    connect(&s, &MeterSession::downloadRequested, this,
            [this] { m_menus->setDownloadRunning(true); });
    connect(&s, &MeterSession::downloadEnded, this, [this] { m_menus->setDownloadRunning(false); });
    connect(&s, &MeterSession::storedToPC, this, &MainWindow::keepPlace);
    // Several devices the meter may be on, none known: the user chooses; nothing was opened.
    connect(&s, &MeterSession::meterChoiceNeeded, this, [this] {
        m_status->downloadLabel->setText(Msg::ChooseMeterPort);
        QTimer::singleShot(0, this, &MainWindow::ShowCommPortDialog);
    });
    // The tool bar's units follow the meter, as the status bar and the panel do.
    connect(&s, &MeterSession::liveUnitsChanged, this, &MainWindow::showUnits);
    connect(&s, &MeterSession::downloadUnitsChanged, this, &MainWindow::showUnits);
    connect(&s, &MeterSession::continuousChanged, this,
            [this](bool running) { m_menus->setContinuousRunning(running); });
    // The plot's trend follows continuous readings whether or not the plot is open.
    connect(&s, &MeterSession::continuousChanged, &m_trend, &LiveTrend::setRunning);
    connect(&s, &MeterSession::liveValue, &m_trend, &LiveTrend::addNow);
}

void MainWindow::showUnits() {
    m_unitsBand->setText(MeterWords::unitsSaid(m_session.state().meter.knownUnits()));
}

void MainWindow::showTitle() {
    QString title = QStringLiteral("Orvanta");
    if (!m_files.documentPath().isEmpty())
        title += QStringLiteral(" - ") + QFileInfo(m_files.documentPath()).fileName();
    if (m_files.modified()) title += QLatin1Char('*');
    setWindowTitle(title);
}

void MainWindow::saveLayout() {
    m_layout.save(*this);
    m_work->saveLayout();
}

void MainWindow::start() {
    m_session.loadSettings();
    if (const std::optional<int> set = m_layout.selectedSet()) m_menus->chooseSet(*set);
    // The first start fills the work area, frame and all (maximized); later starts put the
    // window back where it was left.
    if (!m_layout.restore(*this)) {
        if (QScreen* screen = QGuiApplication::primaryScreen())
            resize(screen->availableGeometry().size() - QSize(10, 40));  // less a usual frame
        setWindowState(windowState() | Qt::WindowMaximized);
    }
    showUnits();
    show();
    // The window manager's frame is known only once the window is shown: the whole frame, title
    // bar included, is then kept on the work area.
    const auto keepOnScreen = [this] { WindowLayout::keepFrameOnScreen(*this); };
    QTimer::singleShot(0, this, keepOnScreen);
    QTimer::singleShot(300, this, keepOnScreen);
    m_work->viewData();  // the panel is made hidden now: it follows the meter from the first byte
    // Both windows shown when the program last ended: both again, side by side.
    if (m_layout.sideBySide()) m_work->sideBySide();
    m_sessionMessages->openReadings();
    m_session.connectMeter();
    // The GPS receiver on its own device, when one was chosen in Options.
    if (m_settings) {
        const QString gps = m_settings->value(SettingKey::Section, SettingKey::GpsDevice, {});
        if (!gps.isEmpty()) m_gps.start(gps);
    }
    m_status->showConnection();
}

void MainWindow::closeEvent(QCloseEvent* e) {
    // A save cancelled or refused keeps the window: nothing is left unsaved unasked.
    if (!m_closing && !m_files.mayClose()) {
        e->ignore();
        return;
    }
    // An export still being written is whole on disk, or its failure told, before the end.
    m_files.finishWriting();
    m_closing = true;
    m_work->setClosing();
    saveLayout();
    m_session.shutdown();
    // Separate windows go with the main window.
    m_download->closeProgress();
    for (QObject* child : children()) {
        if (auto* dlg = qobject_cast<QDialog*>(child)) dlg->close();
    }
    e->accept();
}

void MainWindow::ShowCommPortDialog() {
    auto* dlg = new PortDialog(m_session, this);
    dlg->show();
}

void MainWindow::Print() { printReadings(m_session.store(), m_printDialog, m_messages); }
void MainWindow::printSummary() {
    ::printSummary(m_session.store(), m_files.documentName(), m_printDialog, m_messages);
}
void MainWindow::printPreview() { previewReadings(m_session.store(), this); }

void MainWindow::showOptions() {
    auto* dlg = new OptionsDialog(
        m_session.state(), [this](bool toPC) { return m_session.setStoreToPC(toPC); }, m_messages,
        this);
    dlg->offerGps(m_gps.device(), [this](const QString& device) { return useGps(device); });
    dlg->show();
}

void MainWindow::keepPlace(int set, int position) {
    // Taken as the reading is stored: a fix older than the receiver's limit is no place.
    const std::optional<GpsFix> fix = m_gps.current();
    if (!fix) return;
    const ReadingPlace place{fix->latitude, fix->longitude, fix->elevationM,
                             QDateTime::currentDateTimeUtc().addMSecs(-fix->ageMs)};
    if (const StoreResult kept = m_session.store().setPlace(set, position, place); !kept)
        m_messages.tell(tr("The reading at position %1 of set %2 is stored, but its place could "
                           "not be kept with it: %3.")
                            .arg(position)
                            .arg(set)
                            .arg(Msg::why(kept.reason)));
}

QString MainWindow::useGps(const QString& device) {
    // The meter's port is never read as a receiver, nor the receiver's taken for the meter.
    const QString meter = QFileInfo(m_session.meterDevice()).canonicalFilePath();
    if (!device.isEmpty() && !meter.isEmpty() && QFileInfo(device).canonicalFilePath() == meter)
        return tr("%1 is the meter's port; the GPS receiver needs a device of its own.")
            .arg(device);
    if (m_settings && !m_settings->setValue(SettingKey::Section, SettingKey::GpsDevice, device))
        return Msg::SettingsNotSaved.arg(Msg::SettingsFolderNotWritable);
    if (device.isEmpty())
        m_gps.stop();
    else if (device != m_gps.device() || m_gps.state() == GpsReceiver::State::Off)
        m_gps.start(device);
    return {};
}

void MainWindow::showManual() {
    // One manual window: F1 again brings it forward.
    auto* manual = findChild<ManualWindow*>(QStringLiteral("ManualWindow"));
    if (!manual) manual = new ManualWindow(Language::installed(), this);
    manual->show();
    manual->raise();
    manual->activateWindow();
}

void MainWindow::showAbout() {
    auto* dlg = new AboutDialog(Version::text(), this);
    dlg->show();
    dlg->raise();
}

// ---- files dropped on the window ----

void MainWindow::dragEnterEvent(QDragEnterEvent* e) {
    // One file of ours is taken; several are taken to be told why they are not opened.
    const QStringList files = FileMenuCommands::droppedFiles(e->mimeData());
    if (files.size() > 1 || (files.size() == 1 && FileMenuCommands::opensByName(files.first())))
        e->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* e) {
    const QStringList files = FileMenuCommands::droppedFiles(e->mimeData());
    if (files.isEmpty()) return;
    // The drag's source learns whether the file was taken.
    if (m_files.takeDrop(files, this))
        e->acceptProposedAction();
    else
        e->ignore();
}
