#pragma once
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QProgressBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <functional>
#include <memory>

#include "DataEnvironment.h"
#include "FileCommands.h"
#include "MSComm.h"
#include "MeterRequests.h"
#include "ReceiveEngine.h"
#include "basVariables.h"
#include "frmProgress.h"
#include "frmReading.h"

class CommonDialog;
class MainMenus;
class MessageBox;
class PortMap;
class SettingsStore;
class SingleInstance;
class frmData2;
class frmPlot;


/** @brief The main window "Orvanta": the frame of the sets window and the meter panel, owner of
 *  the meter's port, the receive engine's state and the readings database. */
class frmMain : public QMainWindow,
                public ReceiveHost,
                public PanelHost,
                public RequestViews,
                public ProgressBarControl {
    Q_OBJECT
public:
    /** @brief Collaborators, made once in main() (or by a test). */
    struct Deps {
        MessageBox& messages;
        CommonDialog& dialog;
        SettingsStore& settings;
        const PortMap& ports;
        QString databasePath;
        QString dialogFolder;
        SingleInstance* instance = nullptr;  ///< null: no single-instance check
    };
    explicit frmMain(Deps deps, QWidget* parent = nullptr);
    ~frmMain() override;

    /** @brief Start-up. False when another copy took over and this one must end. */
    bool Form_Load();

    void SetUnits() override;
    void SetMode() override;
    /** @brief Base sizes of the sets window (twips) from the main window's size (twips). */
    static void ResizeRule(double heightTwips, double widthTwips, basVariables& vars);
    /** @brief Shows the port selection dialog. */
    void ShowCommPortDialog();

    // Requests and commands.
    MeterRequests& requests() { return m_requests; }
    FileCommands& files() { return m_files; }
    void Printmenu_Click();
    void ViewData();
    void ViewMeter();
    void ShowOptions();
    void ShowAbout();
    /** @brief The profile plot, created on first use. */
    frmPlot& ShowPlot();

    /** @brief The receive notification of MSComm1. */
    void MSComm1_OnComm();

    // ReceiveHost
    void ShowUnitsText() override;
    void ShowModeText() override;
    void ShowBandUnits() override;
    void ShowSetNumber() override;
    void ShowReadingNumber() override;
    void ShowBeeperState(int code) override;
    void ShowLiveValue(double v) override;
    bool ProgressVisible() override;
    void ShowProgress() override;
    void CloseProgress() override;
    void StoreReading() override;
    void FinishDownload() override;
    // PanelHost
    void SendCommand(const QByteArray& command) override;
    // RequestViews
    void HideReading() override;
    void ShowReading() override;
    void HideData() override;
    void ShowData() override;
    frmProgress& Progress() override;
    // ProgressBarControl (the band's ProgressBar1)
    void setMax(double max) override;
    double max() const override;
    void setValue(double value) override;
    double value() const override;
    void setBarVisible(bool visible) override;

    /** @brief The sets window, created on first use. */
    frmData2& Data();
    /** @brief The meter panel, created hidden on first use. */
    frmReading& Reading();
    bool readingExists() const { return m_reading != nullptr; }
    QMdiSubWindow* dataSubWindow() const { return m_dataSub; }
    QMdiSubWindow* readingSubWindow() const { return m_readingSub; }
    frmProgress* progressDialog() const { return m_progress; }

    basVariables V;
    frmMainVariables M;
    ReceiveState rx;
    MSComm MSComm1;
    DataEnvironment Data1;
    Recordset& rsSets;

    QMdiArea* mdi;
    QToolBar* CoolBar1;
    QLabel* CoolBarBand1;  ///< caption of band 1: UnitsText
    QToolBar* Toolbar1;
    QProgressBar* ProgressBar1;
    QAction* ProgressBar1Action;  ///< shows and hides ProgressBar1 in the band
    QStatusBar* StatusBar1;
    MainMenus* menus = nullptr;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyResizeRule();
    void onConnectionLost();
    void tryReconnect();
    QString readingsDatabaseMessage(const QString& reason) const;

    Deps d;
    MeterRequests m_requests;
    FileCommands m_files;
    frmData2* m_data = nullptr;
    QMdiSubWindow* m_dataSub = nullptr;
    frmReading* m_reading = nullptr;
    QMdiSubWindow* m_readingSub = nullptr;
    QPointer<frmProgress> m_progress;
    bool m_lostShown = false;
    QTimer m_reconnect;  ///< watches for the meter to come back after it went away
    bool m_resumeContinuous = false;
    frmPlot* m_plot = nullptr;
    QMdiSubWindow* m_plotSub = nullptr;
    bool m_closing = false;
};
