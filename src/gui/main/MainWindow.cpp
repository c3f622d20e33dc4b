// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/main/MainWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QScreen>
#include <QTimer>

#include "core/common/Messages.h"
#include "core/common/SettingsStore.h"
#include "core/common/Version.h"
#include "core/session/MeterSession.h"
#include "core/store/ReadingsStore.h"
#include "gui/MeterWords.h"
#include "gui/Twips.h"
#include "gui/dialogs/AboutDialog.h"
#include "gui/dialogs/FileDialog.h"
#include "gui/dialogs/MessageBox.h"
#include "gui/dialogs/OptionsDialog.h"
#include "gui/dialogs/PortDialog.h"
#include "gui/dialogs/ProgressDialog.h"
#include "gui/files/RecordingCommands.h"
#include "gui/main/MainMenus.h"
#include "gui/main/SessionMessages.h"
#include "gui/plot/PlotWindow.h"
#include "gui/printing/PrintCommand.h"
#include "gui/sets/SetsWindow.h"

namespace {
// Kept between runs, beside the program's settings.
const QString kLayoutSection = QStringLiteral("Window");
const QString kGeometryKey = QStringLiteral("Geometry");
const QString kStateKey = QStringLiteral("State");
const QString kSelectedSetKey = QStringLiteral("Selected Set");
const QString kPanelKey = QStringLiteral("Panel");
const QString kPlotKey = QStringLiteral("Plot");
const QString kPlotSetsKey = QStringLiteral("Plot Sets");
const QString kPlotLogKey = QStringLiteral("Plot Log Scale");

QString rectText(const QRect& r) {
    return QStringLiteral("%1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}
std::optional<QRect> rectFrom(const QString& text) {
    const QStringList v = text.split(QLatin1Char(','));
    if (v.size() != 4) return std::nullopt;
    bool ok[4];
    const QRect r(v[0].toInt(&ok[0]), v[1].toInt(&ok[1]), v[2].toInt(&ok[2]), v[3].toInt(&ok[3]));
    if (!(ok[0] && ok[1] && ok[2] && ok[3]) || r.width() <= 0 || r.height() <= 0)
        return std::nullopt;
    return r;
}
}  // namespace

MainWindow::MainWindow(Deps deps, QWidget* parent)
    : QMainWindow(parent),
      m_session(deps.session),
      m_messages(deps.messages),
      m_fileDialog(deps.fileDialog),
      m_printDialog(deps.printDialog),
      m_files(FileMenuCommands::Deps{
          deps.session.store(), deps.fileDialog, deps.messages, deps.dialogFolder,
          [this] { return m_session.isDownloading(); },
          [this](bool hold) { m_session.holdReceiving(hold); }, deps.settings}) {
    m_settings = deps.settings;
    m_dialogFolder = deps.dialogFolder;
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Orvanta"));
    setWindowIcon(
        QIcon(QStringLiteral(":/icons/orvanta.svg")));  // scalable: every size the desktop asks for

    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("MDIClient"));
    m_mdi->viewport()->installEventFilter(this);  // the panel shrinks to fit a small work area
    setCentralWidget(m_mdi);

    m_coolBar = addToolBar(QStringLiteral("CoolBar1"));
    m_coolBar->setObjectName(QStringLiteral("CoolBar1"));
    m_coolBar->setMovable(false);
    m_unitsBand = new QLabel(this);
    m_unitsBand->setObjectName(QStringLiteral("CoolBarBand1"));
    m_unitsBand->setMinimumWidth(90);
    m_unitsBand->setContentsMargins(6, 0, 6, 0);
    m_coolBar->addWidget(m_unitsBand);
    m_toolBar = new QToolBar(QStringLiteral("Toolbar1"), this);
    m_toolBar->setObjectName(QStringLiteral("Toolbar1"));
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
    cmds.exportText = [this] { m_files.exportText(); };
    cmds.exit = [this] { close(); };
    cmds.viewData = [this] { viewData(); };
    cmds.viewMeter = [this] { viewMeter(); };
    cmds.DownloadCurrentSet = [&s] { s.DownloadCurrentSet(); };
    cmds.DownloadSelectedSet = [&s] { s.DownloadSelectedSet(); };
    cmds.DownloadAllSets = [&s] { s.DownloadAllSets(); };
    cmds.downloadSetAsked = [this] { downloadSetAsked(); };
    cmds.CaptureCurrentReading = [&s] { s.CaptureCurrentReading(); };
    cmds.ShowContinuousReadings = [&s] { s.ShowContinuousReadings(); };
    cmds.stopReadings = [&s] { s.stopReadings(); };
    cmds.recordReadings = [this](bool on) { m_recorder->recordReadings(on); };
    cmds.markReading = [this] { m_recorder->markReading(); };
    cmds.openRecent = [this](const QString& path) { m_files.openPath(path); };
    cmds.storeFunction = [this] { showOptions(); };
    cmds.commPort = [this] { ShowCommPortDialog(); };
    cmds.about = [this] { showAbout(); };
    cmds.plot = [this] { showPlot(); };
    cmds.exportCsv = [this] { m_files.exportCsv(); };
    cmds.exportLong = [this] { m_files.exportLong(); };
    cmds.exportGeoJson = [this] { m_files.exportGeoJson(); };
    cmds.printSummary = [this] { printSummary(); };
    cmds.printPreview = [this] { printPreview(); };
    cmds.selectSet = [this](const QString& set) {
        m_session.selectSet(set.toInt());
        if (m_settings) m_settings->setValue(kLayoutSection, kSelectedSetKey, set);
    };
    m_menus = new MainMenus(*this, *m_toolBar, cmds);
    m_recorder = new RecordingCommands(
        {deps.session, deps.fileDialog, deps.messages, deps.dialogFolder, this}, this);
    connect(m_recorder, &RecordingCommands::recordingChanged, m_menus, &MainMenus::setRecording);
    connect(m_recorder, &RecordingCommands::note, m_status->downloadLabel, &QLabel::setText);
    m_menus->setRecentFiles(recentFiles());
    m_files.note = [this](const QString& text) { m_status->downloadLabel->setText(text); };
    m_files.documentChanged = [this] {
        showTitle();
        rememberDocument();
    };

    connectSession();
    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* w) {
        if (w && w == m_readingSub && m_reading) m_reading->activate();
    });
}

MainWindow::~MainWindow() = default;

void MainWindow::connectSession() {
    MeterSession& s = m_session;
    connect(&s, &MeterSession::downloadRequested, this, &MainWindow::onDownloadRequested);
    connect(&s, &MeterSession::downloadProgressed, this, &MainWindow::onDownloadProgressed);
    connect(&s, &MeterSession::downloadEnded, this, &MainWindow::onDownloadEnded);
    // Several devices the meter may be on, none known: the user chooses; nothing was opened.
    connect(&s, &MeterSession::meterChoiceNeeded, this, [this] {
        m_status->downloadLabel->setText(Msg::ChooseMeterPort);
        QTimer::singleShot(0, this, &MainWindow::ShowCommPortDialog);
    });
    connect(&s, &MeterSession::downloadSetBegun, this,
            [this](int set) { setsWindow().showSet(set); });
    connect(&s, &MeterSession::liveRequested, this, [this] {
        hideSetsWindow();
        showPanel();
    });
    connect(&s, &MeterSession::liveUnitsChanged, this, [this] {
        panel().ShowUnitsText();
        // The tool bar's units follow the meter, as the status bar and the panel do.
        m_unitsBand->setText(MeterWords::units(m_session.state().meter.units()));
    });
    connect(&s, &MeterSession::liveModeChanged, this, [this] { panel().ShowModeText(); });
    connect(&s, &MeterSession::downloadUnitsChanged, this,
            [this] { m_unitsBand->setText(MeterWords::units(m_session.state().meter.units())); });
    connect(&s, &MeterSession::meterSetChanged, this, [this] { panel().ShowSetNumber(); });
    connect(&s, &MeterSession::meterReadingChanged, this, [this] { panel().ShowReadingNumber(); });
    connect(&s, &MeterSession::beeperChanged, this,
            [this](int code) { panel().ShowBeeperState(code); });
    connect(&s, &MeterSession::liveValue, this, [this](double v) { panel().ShowLiveValue(v); });
    connect(&s, &MeterSession::storeDestinationChanged, this,
            [this](bool toPC) { panel().setStoreDestination(toPC); });
    connect(&s, &MeterSession::storedToPC, this, [this](int set, int reading) {
        panel().showStoredAt(set, reading);
        m_files.markModified();
    });
    connect(&s, &MeterSession::continuousChanged, this,
            [this](bool running) { m_menus->setContinuousRunning(running); });
    // The plot's trend follows continuous readings whether or not the plot is open.
    connect(&s, &MeterSession::continuousChanged, &m_trend, &LiveTrend::setRunning);
    connect(&s, &MeterSession::liveValue, &m_trend, &LiveTrend::addNow);
}

void MainWindow::showTitle() {
    QString title = QStringLiteral("Orvanta");
    if (!m_files.documentPath().isEmpty())
        title += QStringLiteral(" - ") + QFileInfo(m_files.documentPath()).fileName();
    if (m_files.modified()) title += QLatin1Char('*');
    setWindowTitle(title);
}

QStringList MainWindow::recentFiles() const {
    if (!m_settings) return {};
    const QString kept =
        m_settings->value(QStringLiteral("Recent Files"), QStringLiteral("Files"), {});
    return kept.split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(0, kRecentFiles);
}

void MainWindow::rememberDocument() {
    const QString path = m_files.documentPath();
    if (!m_settings || path.isEmpty()) return;
    QStringList files = recentFiles();
    if (!files.isEmpty() && files.first() == path) return;
    files.removeAll(path);
    files.prepend(path);
    files = files.mid(0, kRecentFiles);
    // A list that cannot be kept costs nothing but the list: no message.
    m_settings->setValue(QStringLiteral("Recent Files"), QStringLiteral("Files"),
                         files.join(QLatin1Char('\n')));
    m_menus->setRecentFiles(files);
}

QRect MainWindow::placedOnScreen(const QRect& window, const QRect& screen) {
    QRect r(window.topLeft(), window.size().boundedTo(screen.size()));
    if (r.right() > screen.right()) r.moveRight(screen.right());
    if (r.bottom() > screen.bottom()) r.moveBottom(screen.bottom());
    if (r.left() < screen.left()) r.moveLeft(screen.left());
    if (r.top() < screen.top()) r.moveTop(screen.top());
    return r;
}

void MainWindow::keepFrameOnScreen() {
    if (isMaximized() || isFullScreen()) return;
    QScreen* screen = QGuiApplication::screenAt(frameGeometry().center());
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect frame = frameGeometry();
    const QRect placed = placedOnScreen(frame, screen->availableGeometry());
    if (placed == frame) return;
    // The frame's margins stay as they are; the window inside them moves and shrinks with it.
    const QMargins margins(geometry().left() - frame.left(), geometry().top() - frame.top(),
                           frame.right() - geometry().right(),
                           frame.bottom() - geometry().bottom());
    setGeometry(placed.marginsRemoved(margins));
}

bool MainWindow::restoreLayout() {
    if (!m_settings) return false;
    const QByteArray saved =
        QByteArray::fromBase64(m_settings->value(kLayoutSection, kGeometryKey, {}).toLatin1());
    if (saved.isEmpty() || !restoreGeometry(saved)) return false;
    restoreState(
        QByteArray::fromBase64(m_settings->value(kLayoutSection, kStateKey, {}).toLatin1()));
    // The screen may be smaller now, or gone: the window lies wholly on the one it is nearest.
    QScreen* screen = QGuiApplication::screenAt(frameGeometry().center());
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (screen) setGeometry(placedOnScreen(geometry(), screen->availableGeometry()));
    return true;
}

void MainWindow::saveLayout() {
    if (!m_settings) return;
    m_settings->setValue(kLayoutSection, kGeometryKey,
                         QString::fromLatin1(saveGeometry().toBase64()));
    m_settings->setValue(kLayoutSection, kStateKey, QString::fromLatin1(saveState().toBase64()));
    if (m_readingSub)
        m_settings->setValue(kLayoutSection, kPanelKey, rectText(m_readingSub->geometry()));
    if (m_plot) {
        QStringList sets;
        for (int set : m_plot->chosenSets()) sets << QString::number(set);
        m_settings->setValue(kLayoutSection, kPlotKey, rectText(m_plotSub->geometry()));
        m_settings->setValue(kLayoutSection, kPlotSetsKey, sets.join(QLatin1Char(',')));
        m_settings->setValue(kLayoutSection, kPlotLogKey,
                             m_plot->logScale() ? QStringLiteral("true") : QStringLiteral("false"));
    }
}

void MainWindow::start() {
    m_session.loadSettings();
    if (m_settings) {
        bool ok = false;
        const int set = m_settings->value(kLayoutSection, kSelectedSetKey, {}).toInt(&ok);
        if (ok && set >= 1 && set <= 30) m_menus->chooseSet(set);
    }
    // The first start fills the work area, frame and all (maximized); later starts put the
    // window back where it was left.
    if (!restoreLayout()) {
        if (QScreen* screen = QGuiApplication::primaryScreen())
            resize(screen->availableGeometry().size() - QSize(10, 40));  // less a usual frame
        setWindowState(windowState() | Qt::WindowMaximized);
    }
    applyResizeRule();
    m_unitsBand->setText(MeterWords::units(m_session.state().meter.units()));
    show();
    // The window manager's frame is known only once the window is shown: the whole frame, title
    // bar included, is then kept on the work area.
    QTimer::singleShot(0, this, &MainWindow::keepFrameOnScreen);
    QTimer::singleShot(300, this, &MainWindow::keepFrameOnScreen);
    showSetsWindow();
    m_sessionMessages->openReadings();
    m_session.connectMeter();
    m_status->showConnection();
}

MainWindow::DataWindowSize MainWindow::resizeRule(double heightTwips, double widthTwips) {
    DataWindowSize size;
    size.DataWindowHeight = static_cast<std::int32_t>(Twips::roundHalfEven(heightTwips - 750));
    size.DataWindowWidth = static_cast<std::int32_t>(Twips::roundHalfEven(widthTwips - 200));
    return size;
}

void MainWindow::applyResizeRule() {
    m_dataWindowSize = resizeRule(Twips::fromPixels(height(), logicalDpiY()),
                                  Twips::fromPixels(width(), logicalDpiX()));
}

void MainWindow::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    applyResizeRule();
}

void MainWindow::closeEvent(QCloseEvent* e) {
    if (!m_closing && m_files.modified() && !m_messages.askYesNo(Msg::ConfirmQuit)) {
        e->ignore();
        return;
    }
    m_closing = true;
    saveLayout();
    m_session.shutdown();
    // Separate windows go with the main window.
    closeProgress();
    for (QObject* child : children()) {
        if (auto* dlg = qobject_cast<QDialog*>(child)) dlg->close();
    }
    e->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && watched == m_mdi->viewport()) fitPanel();
    if (event->type() == QEvent::Close) {
        if (watched == m_dataSub && !m_closing) {
            // Closing the sets window closes the program.
            event->ignore();
            QTimer::singleShot(0, this, &QWidget::close);
            return true;
        }
        if (watched == m_readingSub && !m_closing) {
            event->ignore();
            m_readingSub->hide();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- downloads ----

void MainWindow::onDownloadRequested(int maximum) {
    hidePanel();
    showSetsWindow();
    m_downloadAll = maximum > Meter::kPositions;
    progress().progressBar->setMaximum(m_downloadAll ? Meter::kSets : Meter::kPositions);
    m_menus->setDownloadRunning(true);
}

void MainWindow::onDownloadProgressed() {
    m_files.markModified();
    ProgressDialog& p = progress();
    if (!p.isVisible()) p.show();
    // What is known: the readings really stored, and during Download All the sets done.
    const DownloadSummary& summary = m_session.lastDownload();
    const int done = m_downloadAll ? qMax(0, static_cast<int>(summary.sets.size()) - 1) : -1;
    p.setProgress(m_session.downloadProgress().set, done, summary.stored);
}

void MainWindow::onDownloadEnded() {
    closeProgress();
    setsWindow().refreshGrid();
    m_menus->setDownloadRunning(false);
}

ProgressDialog& MainWindow::progress() {
    if (!m_progress) {
        m_progress = new ProgressDialog([this] { m_session.cancelDownload(); }, this);
        m_progress->progressBar->setMaximum(m_downloadAll ? Meter::kSets : Meter::kPositions);
    }
    return *m_progress;
}

void MainWindow::closeProgress() {
    if (!m_progress) return;
    ProgressDialog* p = m_progress;
    m_progress.clear();
    p->finish();
}

void MainWindow::downloadSetAsked() {
    int set = 0;
    if (askSet) {
        set = askSet();
    } else {
        bool ok = false;
        set = QInputDialog::getInt(this, tr("Download Set"), tr("Set number (1 to 30):"),
                                   m_session.state().selectedSet, 1, Meter::kSets, 1, &ok);
        if (!ok) set = 0;
    }
    if (!Meter::isSet(set)) return;
    // The drop-down and the setting follow the choice, as a choice there does.
    m_menus->chooseSet(set);
    m_session.DownloadSelectedSet();
}

// ---- windows ----

PlotWindow& MainWindow::showPlot() {
    if (!m_plot) {
        m_plot = new PlotWindow(m_session.store(), m_session.state(), m_trend, m_fileDialog,
                                m_printDialog, m_messages);
        m_plotSub = m_mdi->addSubWindow(m_plot);
        m_plotSub->setObjectName(QStringLiteral("frmPlotWindow"));
        // Closing the plot hides it: View > Plot shows it again with the same choices.
        m_plotSub->setAttribute(Qt::WA_DeleteOnClose, false);
        m_plotSub->resize(m_plot->size());
        if (m_settings) {
            if (const auto r = rectFrom(m_settings->value(kLayoutSection, kPlotKey, {})))
                m_plotSub->setGeometry(*r);
            const QString sets =
                m_settings->value(kLayoutSection, kPlotSetsKey, QStringLiteral("<none>"));
            if (sets != QLatin1String("<none>")) {
                QList<int> chosen;
                for (const QString& n : sets.split(QLatin1Char(','), Qt::SkipEmptyParts))
                    chosen << n.toInt();
                m_plot->restoreChoices(chosen, m_settings->value(kLayoutSection, kPlotLogKey, {}) ==
                                                   QLatin1String("true"));
            }
        }
        // Wholly inside the main window's work area, whatever its size now.
        m_plotSub->setGeometry(placedOnScreen(m_plotSub->geometry(), m_mdi->viewport()->rect()));
    }
    m_plot->refresh();
    m_plotSub->show();
    m_plotSub->raise();
    m_mdi->setActiveSubWindow(m_plotSub);
    return *m_plot;
}

void MainWindow::ShowCommPortDialog() {
    auto* dlg = new PortDialog(m_session, this);
    dlg->show();
}

void MainWindow::Print() { printReadings(m_session.store(), m_printDialog, m_messages); }
void MainWindow::printSummary() {
    const QString document = m_files.documentPath();
    ::printSummary(
        m_session.store(),
        document.isEmpty() ? tr("Readings (not saved in a file)") : QFileInfo(document).fileName(),
        m_printDialog, m_messages);
}
void MainWindow::printPreview() { previewReadings(m_session.store(), this); }

void MainWindow::viewData() {
    hidePanel();
    showSetsWindow();
}

void MainWindow::viewMeter() {
    showPanel();
    hideSetsWindow();
}

void MainWindow::showOptions() {
    auto* dlg = new OptionsDialog(
        m_session.state(), [this](bool toPC) { return m_session.setStoreToPC(toPC); }, m_messages,
        this);
    dlg->show();
}

void MainWindow::showAbout() {
    auto* dlg = new AboutDialog(Version::text(), this);
    dlg->show();
    dlg->raise();
}

SetsWindow& MainWindow::setsWindow() {
    if (!m_data) {
        m_data = new SetsWindow(m_session.store(), m_dataWindowSize.DataWindowWidth,
                                m_dataWindowSize.DataWindowHeight);
        m_dataSub = m_mdi->addSubWindow(m_data);
        m_dataSub->setObjectName(QStringLiteral("frmData2Window"));
        m_dataSub->setWindowTitle(tr("Data"));
        // The window's own size (frame included) is the one laid out in twips.
        m_dataSub->resize(m_data->size());
        m_dataSub->move(0, 0);
        m_dataSub->installEventFilter(this);
        m_dataSub->hide();
    }
    return *m_data;
}

ReadingPanel& MainWindow::panel() {
    if (!m_reading) {
        m_reading = new ReadingPanel(m_session.state(), *this);
        m_readingSub = m_mdi->addSubWindow(m_reading, Qt::SubWindow | Qt::WindowTitleHint |
                                                          Qt::WindowSystemMenuHint |
                                                          Qt::WindowCloseButtonHint);
        m_readingSub->setObjectName(QStringLiteral("frmReadingWindow"));
        m_readingSub->setWindowTitle(QStringLiteral("Orvanta"));
        m_readingSub->installEventFilter(this);
        m_readingSub->hide();
        if (m_settings) {
            if (const auto r = rectFrom(m_settings->value(kLayoutSection, kPanelKey, {})))
                m_readingSub->move(placedOnScreen(QRect(r->topLeft(), m_readingSub->size()),
                                                  m_mdi->viewport()->rect())
                                       .topLeft());
        }
    }
    return *m_reading;
}

void MainWindow::hidePanel() {
    panel();
    m_readingSub->hide();
}

void MainWindow::fitPanel() {
    if (!m_reading) return;
    // The sub-window's title bar and borders around the panel.
    const QSize frame = m_readingSub->sizeHint() - m_reading->size();
    const QRect area = m_mdi->viewport()->rect();
    m_reading->setZoom(m_reading->zoomToFit(area.size() - frame));
    m_readingSub->resize(m_reading->size() + frame);
    m_readingSub->move(placedOnScreen(m_readingSub->geometry(), area).topLeft());
}

void MainWindow::showPanel() {
    panel();
    fitPanel();
    m_readingSub->show();
    m_readingSub->raise();
    m_mdi->setActiveSubWindow(m_readingSub);
}

void MainWindow::hideSetsWindow() {
    setsWindow();
    m_dataSub->hide();
}

void MainWindow::showSetsWindow() {
    setsWindow();
    m_dataSub->show();
    m_dataSub->raise();
    m_mdi->setActiveSubWindow(m_dataSub);
}

// ---- the panel's requests ----

void MainWindow::sendCommand(const QByteArray& command) { m_session.sendCommand(command); }
void MainWindow::storeShownReading() { m_session.storeShownReading(); }
