#include "frmMain.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "CommPort.h"
#include "Commands.h"
#include "ErrorCodes.h"
#include "MainMenus.h"
#include "MessageBox.h"
#include "Messages.h"
#include "PortMap.h"
#include "PrintCommand.h"
#include "ReceiveHandler.h"
#include "Registry.h"
#include "SettingsStore.h"
#include "SingleInstance.h"
#include "Twips.h"
#include "frmAbout.h"
#include "frmCommPort.h"
#include "frmData2.h"
#include "frmOptions.h"
#include "frmPlot.h"
#include "frmProgress.h"

namespace {
// "True"/"False" are the stored forms; anything unreadable counts as the default, False.
bool SettingToBool(const QString& text) {
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
    bool ok = false;
    const double n = t.toDouble(&ok);
    return ok && n != 0.0;
}
}  // namespace

frmMain::frmMain(Deps deps, QWidget* parent)
    : QMainWindow(parent),
      MSComm1(deps.ports, this),
      Data1(deps.databasePath),
      rsSets(Data1.rsSets),
      d(deps),
      m_requests(MSComm1, V, M, deps.messages, *this),
      m_files(FileCommands::Deps{Data1.rsSets, deps.dialog, deps.messages, M, *this,
                                 [] { QCoreApplication::processEvents(); }, deps.dialogFolder}) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Orvanta"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/orvanta.xpm")));

    mdi = new QMdiArea(this);
    mdi->setObjectName(QStringLiteral("MDIClient"));
    setCentralWidget(mdi);

    CoolBar1 = addToolBar(QStringLiteral("CoolBar1"));
    CoolBar1->setObjectName(QStringLiteral("CoolBar1"));
    CoolBar1->setMovable(false);
    CoolBarBand1 = new QLabel(this);
    CoolBarBand1->setObjectName(QStringLiteral("CoolBarBand1"));
    CoolBarBand1->setMinimumWidth(90);
    CoolBarBand1->setContentsMargins(6, 0, 6, 0);
    CoolBar1->addWidget(CoolBarBand1);
    Toolbar1 = new QToolBar(QStringLiteral("Toolbar1"), this);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    CoolBar1->addWidget(Toolbar1);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setMaximumWidth(240);
    ProgressBar1Action = CoolBar1->addWidget(ProgressBar1);
    ProgressBar1Action->setVisible(false);
    ProgressBar1Action->setObjectName(QStringLiteral("ProgressBar1Action"));

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->addWidget(new QLabel(StatusBar1), 1);
    setStatusBar(StatusBar1);

    MainCommands cmds;
    cmds.New = [this] { m_files.Newmenu_Click(); };
    cmds.Open = [this] { m_files.Openmenu_Click(); };
    cmds.Close = [this] { m_files.Closemenu_Click(); };
    cmds.Save = [this] { m_files.Savemenu_Click(); };
    cmds.SaveAs = [this] { m_files.Saveasmenu_Click(); };
    cmds.Print = [this] { Printmenu_Click(); };
    cmds.Export = [this] { m_files.Exportmenu_Click(); };
    cmds.Exit = [this] { close(); };
    cmds.ViewData = [this] { ViewData(); };
    cmds.ViewMeter = [this] { ViewMeter(); };
    cmds.DownloadCurrentSet = [this] { m_requests.DownloadCurrentSet(); };
    cmds.DownloadSelectedSet = [this] { m_requests.DownloadSelectedSet(); };
    cmds.DownloadAllSets = [this] { m_requests.DownloadAllSets(); };
    cmds.CaptureCurrentReading = [this] { m_requests.CaptureCurrentReading(); };
    cmds.ShowContinuousReadings = [this] { m_requests.ShowContinuousReadings(); };
    cmds.StoreFunction = [this] { ShowOptions(); };
    cmds.CommPort = [this] { ShowCommPortDialog(); };
    cmds.About = [this] { ShowAbout(); };
    cmds.Plot = [this] { ShowPlot(); };
    cmds.ExportCsv = [this] { m_files.ExportCsv(); };
    cmds.PrintPreview = [this] { PrintPreviewmenu_Click(rsSets, this); };
    menus = new MainMenus(*this, *Toolbar1, cmds, M);

    connect(&MSComm1, &MSComm::OnComm, this, &frmMain::MSComm1_OnComm);
    connect(&MSComm1, &MSComm::connectionLost, this, &frmMain::onConnectionLost);
    connect(&MSComm1, &MSComm::opened, this, [this] {
        m_lostShown = false;
        m_reconnect.stop();
    });
    m_reconnect.setInterval(500);
    connect(&m_reconnect, &QTimer::timeout, this, &frmMain::tryReconnect);
    connect(mdi, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* w) {
        if (w && w == m_readingSub && m_reading) m_reading->Activate();
    });
}

frmMain::~frmMain() {
    // The windows inside read the members (the recordset, the shared variables): they go first.
    if (m_progress) delete m_progress.data();
    delete mdi;
    m_plot = nullptr;
    m_data = nullptr;
    m_reading = nullptr;
}

bool frmMain::Form_Load() {
    try {
        if (d.instance) {
            const auto previous = d.instance->activatePrevious();
            if (previous == SingleInstance::Previous::Raised) return false;
            if (previous == SingleInstance::Previous::NoAnswer) V.AppTitle = QStringLiteral("unwanted instance");
            d.instance->listen();
            connect(d.instance, &SingleInstance::raiseRequested, this, [this] {
                qInfo("Another copy asked this window to come to the front.");
                if (isMinimized()) showNormal();
                show();
                raise();
                activateWindow();
            });
        }

        V.VersionText = QStringLiteral("Version %1.%2.%3")
                            .arg(ORVANTA_VERSION_MAJOR)
                            .arg(ORVANTA_VERSION_MINOR)
                            .arg(ORVANTA_VERSION_PATCH);

        if (QScreen* screen = QGuiApplication::primaryScreen()) resize(screen->availableGeometry().size());
        applyResizeRule();

        V.StoreToPC = SettingToBool(d.settings.GetSetting(SettingKey::App, SettingKey::Section,
                                                          SettingKey::StoreFunction, QStringLiteral("False")));

        SetUnits();
        CoolBarBand1->setText(V.UnitsText);

        show();
        ShowData();

        if (rsSets.State() == Recordset::adStateClosed) {
            try {
                Data1.OpenSets();
            } catch (const VbError& e) {
                d.messages.MsgBox(readingsDatabaseMessage(e.description()));
            }
        }

        M.mSelectedSet = QStringLiteral("1");
        V.MeterSetText = QStringLiteral("1");
        V.MeterReadingText = QStringLiteral("1");

        d.ports.linkUsbDevices();
        SerialCommRegistry registry(d.ports.serialCommValues());
        const QString port = FindVcpPort(registry, Registry::HKEY_LOCAL_MACHINE,
                                         QStringLiteral("HARDWARE\\DEVICEMAP\\SERIALCOMM"));
        if (!port.isEmpty()) {
            V.CommPortNumber = PortNumberFromName(port);
        } else {
            const QString stored = d.settings.GetSetting(SettingKey::App, SettingKey::Section, SettingKey::CommNum,
                                                         QStringLiteral("1"));
            try {
                V.CommPortNumber = ToInteger(stored);
            } catch (const VbError&) {
                V.CommPortNumber = 1;  // an unreadable setting counts as its default
            }
            d.messages.MsgBox(Msg::NoMeter);
        }

        V.CommSettings = QStringLiteral("9600,n,8,1");
        OpenCommPort(MSComm1, V, d.messages);
    } catch (const VbError&) {
        // Start-up stops at the failing step; the window stays with what was done.
    }
    return true;
}

QString frmMain::readingsDatabaseMessage(const QString& reason) const {
    return Msg::DatabaseNotOpened + QLatin1Char(' ') + Data1.path() + QLatin1Char('\n') + reason;
}

void frmMain::SetUnits() { V.UnitsText = UnitsTextFor(V.UnitsCode); }
void frmMain::SetMode() { V.ModeText = ModeTextFor(V.ModeCode); }

void frmMain::ResizeRule(double heightTwips, double widthTwips, basVariables& vars) {
    vars.DataWindowHeight = static_cast<std::int32_t>(Twips::roundHalfEven(heightTwips - 750));
    vars.DataWindowWidth = static_cast<std::int32_t>(Twips::roundHalfEven(widthTwips - 200));
}

void frmMain::applyResizeRule() {
    ResizeRule(Twips::fromPixels(height(), logicalDpiY()), Twips::fromPixels(width(), logicalDpiX()), V);
}

void frmMain::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    applyResizeRule();
}

void frmMain::closeEvent(QCloseEvent* e) {
    m_closing = true;
    try {
        if (rsSets.State() == Recordset::adStateOpen) rsSets.Close();
    } catch (...) {
    }
    // Separate windows go with the main window.
    if (m_progress) m_progress->close();
    for (QObject* child : children()) {
        if (auto* dlg = qobject_cast<QDialog*>(child)) dlg->close();
    }
    e->accept();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
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

void frmMain::onConnectionLost() {
    try {
        if (rsSets.State() == Recordset::adStateOpen && rsSets.AbsolutePosition() != Recordset::adPosEOF)
            rsSets.Update();
    } catch (const VbError&) {
    }
    if (!m_reconnect.isActive()) {
        m_resumeContinuous = m_requests.continuousRunning();
        m_reconnect.start();
    }
    if (m_lostShown) return;
    m_lostShown = true;
    QTimer::singleShot(0, this, [this] { d.messages.MsgBox(Msg::ConnectionLost); });
}

namespace {
class NoMessages : public MessageBox {
public:
    void MsgBox(const QString&) override {}
    bool AskYesNo(const QString&) override { return false; }
};
}  // namespace

void frmMain::tryReconnect() {
    if (MSComm1.PortOpen()) {
        m_reconnect.stop();
        return;
    }
    // The meter's device (its link) is back: open the port again without a word, and ask for
    // continuous readings again if they were running. Nothing else is sent.
    if (!QFileInfo::exists(d.ports.devicePath(V.CommPortNumber))) return;
    NoMessages quiet;
    if (!OpenCommPort(MSComm1, V, quiet)) return;
    m_reconnect.stop();
    if (m_resumeContinuous) SendMeterCommand(MSComm1, V, quiet, Command::ShowContinuousReadings);
    m_resumeContinuous = false;
}

frmPlot& frmMain::ShowPlot() {
    if (!m_plot) {
        m_plot = new frmPlot(rsSets, V, d.dialog);
        m_plotSub = mdi->addSubWindow(m_plot);
        m_plotSub->setObjectName(QStringLiteral("frmPlotWindow"));
        m_plotSub->resize(m_plot->size());
    }
    m_plot->refresh();
    m_plotSub->show();
    m_plotSub->raise();
    mdi->setActiveSubWindow(m_plotSub);
    return *m_plot;
}

void frmMain::ShowCommPortDialog() {
    auto* dlg = new frmCommPort(MSComm1, V, d.settings, d.messages, d.ports, this);
    dlg->show();
}

void frmMain::Printmenu_Click() { ::Printmenu_Click(rsSets, d.dialog); }

void frmMain::ViewData() {
    HideReading();
    ShowData();
}

void frmMain::ViewMeter() {
    ShowReading();
    HideData();
}

void frmMain::ShowOptions() {
    auto* dlg = new frmOptions(V, d.settings, [this](bool toPC) { Reading().setStoreDestination(toPC); }, this);
    dlg->show();
}

void frmMain::ShowAbout() {
    auto* dlg = new frmAbout(V.VersionText, this);
    dlg->show();
    dlg->raise();
}

void frmMain::MSComm1_OnComm() { ::MSComm1_OnComm(MSComm1, rx, V, M, *this); }

frmData2& frmMain::Data() {
    if (!m_data) {
        m_data = new frmData2(rsSets, V.DataWindowWidth, V.DataWindowHeight);
        m_dataSub = mdi->addSubWindow(m_data);
        m_dataSub->setObjectName(QStringLiteral("frmData2Window"));
        m_dataSub->setWindowTitle(QStringLiteral("Data"));
        // The window's own size (frame included) is the one laid out in twips.
        m_dataSub->resize(m_data->size());
        m_dataSub->move(0, 0);
        m_dataSub->installEventFilter(this);
        m_dataSub->hide();
    }
    return *m_data;
}

frmReading& frmMain::Reading() {
    if (!m_reading) {
        m_reading = new frmReading(V, *this);
        m_readingSub = mdi->addSubWindow(m_reading, Qt::SubWindow | Qt::WindowTitleHint |
                                                        Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
        m_readingSub->setObjectName(QStringLiteral("frmReadingWindow"));
        m_readingSub->setWindowTitle(QStringLiteral("Orvanta"));
        m_readingSub->installEventFilter(this);
        m_readingSub->hide();
    }
    return *m_reading;
}

void frmMain::ShowUnitsText() { Reading().ShowUnitsText(); }
void frmMain::ShowModeText() { Reading().ShowModeText(); }
void frmMain::ShowBandUnits() { CoolBarBand1->setText(V.UnitsText); }
void frmMain::ShowSetNumber() { Reading().ShowSetNumber(); }
void frmMain::ShowReadingNumber() { Reading().ShowReadingNumber(); }
void frmMain::ShowBeeperState(int code) { Reading().ShowBeeperState(code); }
void frmMain::ShowLiveValue(double v) { Reading().ShowLiveValue(v); }

bool frmMain::ProgressVisible() { return m_progress && m_progress->isVisible(); }
void frmMain::ShowProgress() { Progress().show(); }

void frmMain::CloseProgress() {
    if (m_progress) {
        frmProgress* p = m_progress;
        m_progress.clear();
        p->close();
    }
}

frmProgress& frmMain::Progress() {
    if (!m_progress) {
        m_progress = new frmProgress([this] { m_requests.CancelDownload(); }, this);
        // A Cancel closes the dialog; the next stored value makes a new one.
        frmProgress* p = m_progress;
        connect(p, &QDialog::finished, this, [this, p] {
            if (m_progress == p) m_progress.clear();
        });
    }
    return *m_progress;
}

void frmMain::StoreReading() {
    // Not stored (a position past the last row, most often): the download goes on.
    if (!StoreDownloadedReading(rsSets, M)) return;
    try {
        frmProgress& p = Progress();
        p.ProgressBar1->setValue(qMin<int>(M.mProgressCount, p.ProgressBar1->maximum()));
        p.Label1->setText(QStringLiteral("Set %1  Reading %2").arg(M.mSetNumber).arg(M.mReadingNumber));
    } catch (const VbError&) {
    }
}

void frmMain::FinishDownload() {
    rsSets.Update();
    rsSets.setAbsolutePosition(1);
    Data().refreshGrid();
}

void frmMain::SendCommand(const QByteArray& command) {
    m_requests.otherCommandSent();
    SendMeterCommand(MSComm1, V, d.messages, command);
}

void frmMain::HideReading() {
    Reading();
    m_readingSub->hide();
}

void frmMain::ShowReading() {
    Reading();
    m_readingSub->show();
    m_readingSub->raise();
    mdi->setActiveSubWindow(m_readingSub);
}

void frmMain::HideData() {
    Data();
    m_dataSub->hide();
}

void frmMain::ShowData() {
    Data();
    m_dataSub->show();
    m_dataSub->raise();
    mdi->setActiveSubWindow(m_dataSub);
}

void frmMain::setMax(double max) { ProgressBar1->setMaximum(static_cast<int>(max)); }
double frmMain::max() const { return ProgressBar1->maximum(); }
void frmMain::setValue(double value) { ProgressBar1->setValue(static_cast<int>(value)); }
double frmMain::value() const { return ProgressBar1->value(); }
void frmMain::setBarVisible(bool visible) { ProgressBar1Action->setVisible(visible); }
