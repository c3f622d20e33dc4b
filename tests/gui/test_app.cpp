// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "AppRig.h"
#include "DownloadWatch.h"
#include "Pty.h"
#include "core/common/Messages.h"
#include "core/common/Version.h"
#include "core/store/SetStatistics.h"
#include "gui/dialogs/AboutDialog.h"
#include "gui/dialogs/OptionsDialog.h"
#include "gui/dialogs/PortDialog.h"
#include "gui/main/MainMenus.h"
#include "gui/main/SessionStatusBar.h"
#include "gui/plot/PlotWindow.h"
#include "gui/plot/ProfileChart.h"
#include "gui/sets/SetsWindow.h"

namespace {
const QString kNoMeter =
    QString(10, ' ') +
    "Could not connect to the Orvanta Magnetic Susceptibility Meter.\r\n\r\n"
    "Please ensure that the Meter is plugged into a USB port before you start this program.\r\n"
    "   If this problem persists, the USB driver for the Meter may need to be re-installed.";

template <typename T>
T* lastChild(QObject* parent) {
    const auto all = parent->findChildren<T*>(QString(), Qt::FindDirectChildrenOnly);
    return all.isEmpty() ? nullptr : all.last();
}
}  // namespace

class TestApp : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void quittingAsksWhileReadingsAreUnsaved();
    void startupFindsMeterOnLinkedPort();
    void startupWithoutMeterWarnsAndFallsBack();
    void storeFunctionSetting_data();
    void storeFunctionSetting();
    void unreadableCommNumCountsAsOne();
    void databaseThatCannotOpenIsReported();
    void storeAlreadyOpenIsNotReopened();
    void setsWindowFitsTheWorkArea();
    void setsWindowSize();
    void gridShowsSavedRows();
    void flaggingFromTheGridIsUndone();
    void detailsPaneChecksWhatIsTyped_data();
    void detailsPaneChecksWhatIsTyped();
    void shutdownClosesTheStore();
    void closingSetsWindowClosesProgram();
    void commPortDialog_data();
    void commPortDialog();
    void commPortDialogPortInUse();
    void requests_data();
    void requests();
    void requestWithPortClosedTellsUserEachTime();
    void liveRequestSaysItWaits_data();
    void liveRequestSaysItWaits();
    void cancelDuringDownload();
    void menusReachTheirOperations();
    void setDropDownChoosesTheSet();
    void viewMeterDuringDownloadKeepsFlags();
    void options();
    void aboutShowsVersion();
    void displayUpdateCreatesPanelHidden();
    void connectionLostIsToldOnce();
    void plotExportStaysLightOnADarkTheme();
};

void TestApp::startupFindsMeterOnLinkedPort() {
    MeterRig rig(7);
    QVERIFY(rig.linked);
    MainWindow& w = rig.start();
    QVERIFY((*rig.session).isConnected());
    QCOMPARE(int((*rig.session).state().portNumber), 7);
    QCOMPARE(rig.messages.texts, QStringList());
    QCOMPARE(Version::text(), QString("Version 1.3.0"));
    // Units the meter has not reported yet are not known, not assumed.
    QCOMPARE(w.findChild<QLabel*>("CoolBarBand1")->text(), QString("Units ?"));
    // Units the meter has not reported yet are not known, not assumed.
    QCOMPARE(w.findChild<QLabel*>("CoolBarBand1")->text(), QString("Units ?"));
    QCOMPARE((*rig.session).state().selectedSet, 1);
    QCOMPARE((*rig.session).state().meter.set, 1);
    QCOMPARE((*rig.session).state().meter.reading, 1);
    QCOMPARE((*rig.session).store().isOpen(), true);
    QVERIFY(w.findChild<QMdiSubWindow*>("frmData2Window")->isVisible());
    QCOMPARE(w.windowTitle(), QString("Orvanta"));
    QCOMPARE(rig.setting("Comm Num"), QString("<absent>"));  // nothing written at start-up
}

void TestApp::startupWithoutMeterWarnsAndFallsBack() {
    AppRig rig;
    rig.setSetting("Comm Num", "200");  // no device behind it
    rig.start();
    QCOMPARE(rig.messages.texts,
             (QStringList{kNoMeter, "Meter not connected or invalid Comm Port Number selected"}));
    QCOMPARE(int((*rig.session).state().portNumber), 200);
    QVERIFY(!(*rig.session).isConnected());
    QCOMPARE((*rig.session).store().isOpen(), true);
}

void TestApp::storeFunctionSetting_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("storeToPC");
    QTest::newRow("True") << "True" << true;
    QTest::newRow("False") << "False" << false;
    QTest::newRow("unreadable") << "perhaps" << false;
}

void TestApp::storeFunctionSetting() {
    QFETCH(QString, stored);
    QFETCH(bool, storeToPC);
    MeterRig rig(2);
    rig.setSetting("StoreFunction", stored);
    rig.start();
    QCOMPARE((*rig.session).state().storeToPC, storeToPC);
    // Start-up went on to the end: database and port.
    QCOMPARE((*rig.session).store().isOpen(), true);
    QVERIFY((*rig.session).isConnected());
}

void TestApp::unreadableCommNumCountsAsOne() {
    AppRig rig;
    rig.setSetting("Comm Num", "abc");
    rig.start();
    QCOMPARE(int((*rig.session).state().portNumber), 1);
    QCOMPARE(rig.messages.texts.value(0), kNoMeter);
}

void TestApp::databaseThatCannotOpenIsReported() {
    MeterRig rig(3);
    QDir().mkpath(rig.env.database());  // a folder where the file should be
    rig.start();
    QCOMPARE(rig.messages.texts.size(), 1);
    QCOMPARE(rig.messages.texts[0], "The readings database " + rig.env.database() +
                                        " could not be opened: it is not a regular file.");
    QVERIFY((*rig.session).isConnected());
    QCOMPARE((*rig.session).store().isOpen(), false);
}

void TestApp::storeAlreadyOpenIsNotReopened() {
    AppRig rig;
    MainWindow& w = rig.create();
    QVERIFY((*rig.session).store().open().ok());
    QSignalSpy reloaded(&(*rig.session).store(), &ReadingsStore::reloaded);
    w.start();
    QCOMPARE(reloaded.count(), 0);
}

void TestApp::setsWindowFitsTheWorkArea() {
    // The sets window is laid out in twips from the main window's size at start: it takes the
    // work area's width, less the borders, and no more.
    AppRig rig;
    MainWindow& w = rig.start();
    const auto* sets = w.findChild<QMdiSubWindow*>("frmData2Window");
    const QRect area = w.findChild<QMdiArea*>("MDIClient")->viewport()->rect();
    QVERIFY(sets->width() <= area.width() + 20);
    QVERIFY(sets->width() >= area.width() * 3 / 4);
}

void TestApp::detailsPaneChecksWhatIsTyped_data() {
    QTest::addColumn<QString>("field");  // the CLI's option name
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");  // as the field shows it again; empty: refused
    QTest::newRow("site") << "site"
                          << "  Hole 7 "
                          << "Hole 7";
    QTest::newRow("depth with a decimal comma") << "depth"
                                                << "12,5"
                                                << "12.5";
    // Three digits after a comma are decimals, never thousands.
    QTest::newRow("spacing 0,125") << "spacing"
                                   << "0,125"
                                   << "0.125";
    QTest::newRow("latitude 47,376") << "lat"
                                     << "47,376"
                                     << "47.376";
    QTest::newRow("a thousands separator is no number") << "depth"
                                                        << "1,250.5"
                                                        << "";
    QTest::newRow("latitude out of range") << "lat"
                                           << "91"
                                           << "";
    QTest::newRow("longitude not a number") << "lon"
                                            << "east"
                                            << "";
    QTest::newRow("negative spacing") << "spacing"
                                      << "-1"
                                      << "";
}

void TestApp::detailsPaneChecksWhatIsTyped() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QTemporaryDir tmp;
    ReadingsStore store(tmp.path() + "/Readings.db");
    QVERIFY(store.open().ok());
    RecordingMessageBox messages;
    SetsWindow w(store, messages, 11800, 8250);
    w.grid->setCurrentIndex(w.grid->model()->index(0, 4));  // set 4
    QCOMPARE(w.chosenSet(), 4);
    auto* edit = w.findChild<QLineEdit*>("Detail_" + field);
    QVERIFY(edit);
    edit->setText(typed);
    Q_EMIT edit->editingFinished();
    const auto* problem = w.findChild<QLabel*>("DetailProblem");
    QCOMPARE(problem->isVisibleTo(&w), stored.isEmpty());
    SetDetails none;
    if (stored.isEmpty()) {
        QCOMPARE(store.details(4), none);  // nothing stored, the text kept to be mended
        QCOMPARE(edit->text(), typed);
        return;
    }
    DetailField which = DetailField::Site;
    for (DetailField f : SetDetailFields::all())
        if (SetDetailFields::optionName(f) == field) which = f;
    QCOMPARE(SetDetailFields::text(store.details(4), which), stored);
    QCOMPARE(edit->text(), stored);
    // Another set shows its own record.
    w.grid->setCurrentIndex(w.grid->model()->index(0, 5));
    QCOMPARE(edit->text(), QString());
}

void TestApp::shutdownClosesTheStore() {
    AppRig rig;
    MainWindow& w = rig.start();
    (*rig.session).store().writeReading(6, 4, "0.25");
    rig.messages.choiceAnswers << 1;  // unsaved: quit without saving
    QVERIFY(w.close());
    QCOMPARE((*rig.session).store().isOpen(), false);
    ReadingsStore again(rig.env.database());
    QVERIFY(again.open().ok());
    QCOMPARE(again.reading(6, 4), QString("0.25"));
}

void TestApp::closingSetsWindowClosesProgram() {
    AppRig rig;
    MainWindow& w = rig.start();
    QVERIFY(w.isVisible());
    w.findChild<QMdiSubWindow*>("frmData2Window")->close();
    QTRY_VERIFY(!w.isVisible());
    QCOMPARE((*rig.session).store().isOpen(), false);
}

void TestApp::commPortDialog_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("saved");
    QTest::addColumn<bool>("open");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("meter on 3") << "3"
                                << "3" << true << true << QStringList();
    QTest::newRow("no such port: nothing changes")
        << "200"
        << "<absent>" << true << false
        << QStringList{Msg::NoDeviceOnPort.arg(200).arg("/dev/ttyS199")};
    QTest::newRow("not a number keeps 3") << "abc"
                                          << "3" << true << true << QStringList();
}

void TestApp::commPortDialog() {
    QFETCH(QString, text);
    QFETCH(QString, saved);
    QFETCH(bool, open);
    QFETCH(bool, closed);
    QFETCH(QStringList, messages);
    MeterRig rig(3);
    Pty& pty = rig.pty;
    MainWindow& w = rig.start();
    QVERIFY((*rig.session).isConnected());
    w.ShowCommPortDialog();
    auto* dlg = lastChild<PortDialog>(&w);
    QVERIFY(dlg && dlg->isVisible());
    QCOMPARE(dlg->windowTitle(), QString("Select Comm Port"));
    QCOMPARE(dlg->portCombo->currentText(), QString("3"));
    // Each port with its device.
    QVERIFY(dlg->portCombo->findText("3  " + pty.slavePath()) >= 0);
    QCOMPARE(dlg->deviceLabel->text(), pty.slavePath());
    dlg->portCombo->setEditText(text);
    dlg->okButton->click();
    QCOMPARE(rig.setting("Comm Num"), saved);
    QCOMPARE((*rig.session).isConnected(), open);
    QCOMPARE(rig.messages.texts, messages);
    QCOMPARE(dlg->isVisible(), !closed);
    if (open) {
        (*rig.session).sendCommand("R");
        QCOMPARE(pty.receive(100), QByteArray("R"));
    }
}

void TestApp::commPortDialogPortInUse() {
    Pty pty;
    AppRig rig;
    MainWindow& w = rig.start();
    rig.messages.texts.clear();
    rig.env.link(4, pty.slavePath());
    QSerialPort other;
    other.setPortName(pty.slavePath());
    QVERIFY(other.open(QIODevice::ReadWrite));
    w.ShowCommPortDialog();
    auto* dlg = lastChild<PortDialog>(&w);
    dlg->portCombo->setEditText("4");
    dlg->okButton->click();
    QCOMPARE(rig.messages.texts,
             QStringList{"Warning: Comm Port is in use by another application"});
    QVERIFY(!(*rig.session).isConnected());
    QVERIFY(!dlg->isVisible());  // closes with the port closed
    // Cancel changes nothing.
    w.ShowCommPortDialog();
    dlg = lastChild<PortDialog>(&w);
    dlg->portCombo->setEditText("5");
    dlg->cancelButton->click();
    QCOMPARE(int((*rig.session).state().portNumber), 4);
}

void TestApp::requests_data() {
    QTest::addColumn<QString>("request");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("downloadMode");
    QTest::addColumn<bool>("readingMode");
    QTest::addColumn<int>("maximum");  // 0: no progress dialog
    QTest::newRow("current set") << "C" << QByteArray("C") << true << false << 128;
    QTest::newRow("selected set 7") << "S" << QByteArray("S07") << true << false << 128;
    QTest::newRow("all sets") << "D" << QByteArray("D") << true << false
                              << 30;  // sets, not readings
    QTest::newRow("capture") << "R" << QByteArray("R") << false << true << 0;
    QTest::newRow("continuous") << "A" << QByteArray("A") << false << true << 0;
}

void TestApp::requests() {
    QFETCH(QString, request);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, downloadMode);
    QFETCH(bool, readingMode);
    QFETCH(int, maximum);
    MeterRig rig(5);
    Pty& pty = rig.pty;
    MainWindow& w = rig.start();
    DownloadWatch watch(*rig.session);
    (*rig.session).selectSet(7);
    // Start from the other view, so each request has something to switch.
    if (downloadMode)
        (*rig.session).CaptureCurrentReading();
    else
        (*rig.session).DownloadCurrentSet();
    pty.receive(50);
    if (request == "C") (*rig.session).DownloadCurrentSet();
    if (request == "S") (*rig.session).DownloadSelectedSet();
    if (request == "D") (*rig.session).DownloadAllSets();
    if (request == "R") (*rig.session).CaptureCurrentReading();
    if (request == "A") (*rig.session).ShowContinuousReadings();
    QCOMPARE(pty.receive(100), bytes);
    QCOMPARE((*rig.session).state().lastRequest == Request::Download, downloadMode);
    QCOMPARE((*rig.session).state().lastRequest == Request::Live, readingMode);
    QCOMPARE(w.findChild<QMdiSubWindow*>("frmData2Window")->isVisible(), downloadMode);
    QCOMPARE(w.findChild<QMdiSubWindow*>("frmReadingWindow")->isVisible(), readingMode);
    if (maximum) {
        QCOMPARE(watch.last.received, 0);
        QVERIFY(progressOf(w));
        QVERIFY(!progressOf(w)->isVisible());  // created hidden
        QCOMPARE(progressOf(w)->progressBar->maximum(), maximum);
        QCOMPARE(progressOf(w)->windowTitle(), QString("Downloading Data....."));
        // A one-set download brings its set into view; Download All leaves the grid alone.
        const int set = request == "S" ? 7 : 25;
        pty.send(QStringLiteral("S%1\nU1M10.5\n").arg(set, 2, 10, QLatin1Char('0')).toLatin1());
        QTRY_COMPARE(watch.last.received, 1);
        const auto* grid = w.findChild<QTableView*>("DataGrid1");
        QCOMPARE(grid->horizontalScrollBar()->value() > 0, maximum == Meter::kPositions);
    } else {
        QCOMPARE(watch.last.received,
                 0);  // unchanged by a live request (the download before reset it)
    }
    QVERIFY(rig.messages.texts.isEmpty());
}

void TestApp::requestWithPortClosedTellsUserEachTime() {
    AppRig rig;
    rig.setSetting("Comm Num", "201");
    MainWindow& w = rig.start();
    rig.messages.texts.clear();
    (*rig.session).DownloadAllSets();
    (*rig.session).CaptureCurrentReading();
    QCOMPARE(rig.messages.texts,
             QStringList(2, "Meter not connected or invalid Comm Port Number selected"));
    QVERIFY((*rig.session).state().lastRequest != Request::Download);
    QVERIFY((*rig.session).state().lastRequest != Request::Live);
    QVERIFY(!progressOf(w));
    QVERIFY(w.findChild<QMdiSubWindow*>("frmData2Window")->isVisible());
}

void TestApp::liveRequestSaysItWaits_data() {
    QTest::addColumn<QString>("then");     // what follows the request
    QTest::addColumn<QString>("shown");    // the status bar's words at the end
    QTest::addColumn<QByteArray>("sent");  // what the meter got after the request
    QTest::newRow("the meter answers") << "answer"
                                       << "" << QByteArray();
    QTest::newRow("the user cancels") << "cancel"
                                      << "" << QByteArray("P");
    QTest::newRow("the meter never answers") << "nothing"
                                             << "The meter did not answer" << QByteArray();
}

void TestApp::liveRequestSaysItWaits() {
    QFETCH(QString, then);
    QFETCH(QString, shown);
    QFETCH(QByteArray, sent);
    MeterRig rig(5);
    MainWindow& w = rig.start();
    auto* bar = w.findChild<SessionStatusBar*>();
    (*rig.session).CaptureCurrentReading();
    QCOMPARE(rig.pty.receive(100), QByteArray("R"));
    QCOMPARE(bar->downloadLabel->text(), QString("Waiting for the meter to answer..."));
    QVERIFY(bar->cancelWaitButton->isVisible());
    if (then == "answer")
        rig.pty.send(
            "U1M1N\x80R\x81"
            "0.5\n");
    if (then == "cancel") bar->cancelWaitButton->click();
    QTRY_VERIFY_WITH_TIMEOUT(!bar->cancelWaitButton->isVisible(),
                             MeterSession::kAnswerTimeoutMs * 3);
    const QString words = bar->downloadLabel->text();
    QVERIFY2(shown.isEmpty() ? words.isEmpty() : words.startsWith(shown), qPrintable(words));
    QCOMPARE(rig.pty.receive(100), sent);
    QVERIFY(rig.messages.texts.isEmpty());  // told in the status bar, never in a box
}

void TestApp::cancelDuringDownload() {
    MeterRig rig(5);
    Pty& pty = rig.pty;
    MainWindow& w = rig.start();
    DownloadWatch watch(*rig.session);
    (*rig.session).DownloadAllSets();
    pty.send("S01\n0.5\n");
    QTRY_VERIFY(progressOf(w) && progressOf(w)->isVisible());
    QCOMPARE(pty.receive(50), QByteArray("D"));
    QPointer<ProgressDialog> dlg = progressOf(w);
    dlg->cancelButton->click();
    QCOMPARE(pty.receive(100), QByteArray("P"));
    QTRY_VERIFY(dlg.isNull());
    QVERIFY((*rig.session).state().lastRequest == Request::Download);
    QCOMPARE(watch.last.received, 1);
    QVERIFY(w.findChild<QMdiSubWindow*>("frmData2Window")->isVisible());
    QVERIFY(!(*rig.session).isDownloading());
    // A value still on its way after Cancel belongs to no download: not stored, no dialog.
    const qint64 before = (*rig.session).link().bytesReceived();
    pty.send("0.6\n");
    QTRY_COMPARE((*rig.session).link().bytesReceived(), before + 4);
    QVERIFY(!(*rig.session).hasBytesWaiting());
    QVERIFY(!progressOf(w));
    QCOMPARE((*rig.session).store().cell(1, 1), QString("0.000000"));
    QCOMPARE((*rig.session).store().cell(0, 1), QString("0.5"));
    QVERIFY((*rig.session).store().isIncomplete(1));
    QCOMPARE(rig.messages.texts.size(), 1);
    QVERIFY(rig.messages.texts[0].startsWith("Download cancelled: set 1, 1 reading stored.\n"));
}

void TestApp::menusReachTheirOperations() {
    MeterRig rig(5);
    Pty& pty = rig.pty;
    MainWindow& w = rig.start();
    MainMenus& m = *w.findChild<MainMenus*>();
    const QList<QPair<QString, QByteArray>> meter = {{"DownCurmenu", "C"},
                                                     {"DownSelmenu", "S01"},
                                                     {"DownAllmenu", "D"},
                                                     {"ShowCurmenu", "R"},
                                                     {"ShowAllmenu", "A"}};
    for (const auto& [name, bytes] : meter) {
        actionOf(m, name)->trigger();
        QCOMPARE(pty.receive(60), bytes);
    }
    const QList<QPair<QString, QByteArray>> buttons = {{"Getcurrentset", "C"},
                                                       {"Getset", "S01"},
                                                       {"Getall", "D"},
                                                       {"Getreading", "R"},
                                                       {"Getallreadings", "A"}};
    for (const auto& [key, bytes] : buttons) {
        actionOf(m, key)->trigger();
        QCOMPARE(pty.receive(60), bytes);
    }
    // Download Set... asks for the set: the keyboard's way to any set.
    rig.messages.textAnswers << "7";
    actionOf(m, "DownSetmenu")->trigger();
    QCOMPARE(pty.receive(60), QByteArray("S07"));
    QCOMPARE((*rig.session).state().selectedSet, 7);
    (*rig.session).cancelDownload();
    QCOMPARE(pty.receive(60), QByteArray("P"));
    // No such set: told, nothing asked of the meter.
    rig.messages.texts.clear();
    rig.messages.textAnswers << "31";
    actionOf(m, "DownSetmenu")->trigger();
    QCOMPARE(rig.messages.texts, QStringList{"31 is not a set from 1 to 30."});
    QCOMPARE(pty.receive(60), QByteArray());
    rig.messages.texts.clear();
    QCOMPARE(actionOf(m, "Newmenu")->shortcut(), QKeySequence("Ctrl+N"));
    QCOMPARE(actionOf(m, "Openmenu")->shortcut(), QKeySequence("Ctrl+O"));
    QCOMPARE(actionOf(m, "Savemenu")->shortcut(), QKeySequence("Ctrl+S"));
    QCOMPARE(actionOf(m, "Printmenu")->shortcut(), QKeySequence("Ctrl+P"));
    QCOMPARE(actionOf(m, "Exitmenu")->shortcut(), QKeySequence("Ctrl+Q"));
    // File commands through the scripted dialog.
    (*rig.session).store().writeReading(3, 2, "1.5");
    rig.dialog.answers << rig.env.root() + "/m.dat" << rig.env.root() + "/m2.dat"
                       << rig.env.root() + "/m.txt" << rig.env.root() + "/m.pdf"
                       << rig.env.root() + "/m.dat";
    actionOf(m, "Savemenu")->trigger();
    actionOf(m, "Save")->trigger();
    actionOf(m, "Exportmenu")->trigger();
    actionOf(m, "Printmenu")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!w.files().isWriting(), 10000);
    QVERIFY(QFile::exists(rig.env.root() + "/m.dat"));
    QVERIFY(QFile::exists(rig.env.root() + "/m2.dat"));
    QVERIFY(QFile::exists(rig.env.root() + "/m.txt"));
    QVERIFY(QFileInfo(rig.env.root() + "/m.pdf").size() > 1000);
    actionOf(m, "Newmenu")->trigger();  // answered Yes
    QCOMPARE((*rig.session).store().cell(1, 3), QString("0.000000"));
    actionOf(m, "Openmenu")->trigger();
    QCOMPARE((*rig.session).store().cell(1, 3), QString("1.5"));
    actionOf(m, "Closemenu")->trigger();  // does nothing
    QCOMPARE(rig.dialog.shown.size(), 5);
    actionOf(m, "Datamenu")->trigger();
    QVERIFY(w.findChild<QMdiSubWindow*>("frmData2Window")->isVisible());
    QVERIFY(!w.findChild<QMdiSubWindow*>("frmReadingWindow")->isVisible());
    actionOf(m, "Metermenu")->trigger();
    QVERIFY(!w.findChild<QMdiSubWindow*>("frmData2Window")->isVisible());
    QVERIFY(w.findChild<QMdiSubWindow*>("frmReadingWindow")->isVisible());
    actionOf(m, "Storemenu")->trigger();
    QVERIFY(lastChild<OptionsDialog>(&w));
    actionOf(m, "Aboutmenu")->trigger();
    QVERIFY(lastChild<AboutDialog>(&w));
    actionOf(m, "CommPortmenu")->trigger();
    QVERIFY(lastChild<PortDialog>(&w));
    actionOf(m, "Exitmenu")->trigger();
    QVERIFY(!w.isVisible());
    QCOMPARE(rig.messages.texts, QStringList());
}

void TestApp::setDropDownChoosesTheSet() {
    MeterRig rig(5);
    Pty& pty = rig.pty;
    MainWindow& w = rig.start();
    MainMenus& m = *w.findChild<MainMenus*>();
    QCOMPARE(actionOf(m, "Getset")->toolTip(), QString("Download Set 1 (Shift+F5)"));
    QCOMPARE(actionOf(m, "Getcurrentset")->toolTip(), QString("Download the Current Set (F5)"));
    QVERIFY(m.Getset && m.Getset->menu());
    const auto entries = m.Getset->menu()->actions();
    QCOMPARE(entries.size(), 30);
    QCOMPARE(entries.last()->text(), QString("Set 30"));
    entries.last()->trigger();
    QCOMPARE(pty.receive(60), QByteArray());  // picking a set sends nothing
    QCOMPARE(actionOf(m, "Getset")->toolTip(), QString("Download Set 30 (Shift+F5)"));
    QCOMPARE((*rig.session).state().selectedSet, 30);
    actionOf(m, "Getset")->trigger();
    QCOMPARE(pty.receive(60), QByteArray("S30"));
    for (QAction* a : w.findChild<QToolBar*>("Toolbar1")->actions())
        QVERIFY(a->isSeparator() || !a->icon().isNull());
}

void TestApp::viewMeterDuringDownloadKeepsFlags() {
    MeterRig rig(5);
    Pty& pty = rig.pty;
    MainWindow& w = rig.start();
    (*rig.session).DownloadAllSets();
    workOf(w).viewMeter();
    QVERIFY((*rig.session).state().lastRequest == Request::Download);
    QVERIFY((*rig.session).state().lastRequest != Request::Live);
    QVERIFY(w.findChild<QMdiSubWindow*>("frmReadingWindow")->isVisible());
    QCOMPARE(pty.receive(60), QByteArray("D"));  // views send nothing
}

void TestApp::options() {
    MeterRig rig(2);
    MainWindow& w = rig.start();
    // OK while not reading live: setting and flag change, the label does not.
    workOf(w).panel();
    const QString label = workOf(w).panel().storeDestinationLabel->text();
    w.showOptions();
    auto* dlg = lastChild<OptionsDialog>(&w);
    QCOMPARE(dlg->windowTitle(), QString("Orvanta Options"));
    QCOMPARE(dlg->storeFunctionBox->title(), QString("Store Function"));
    QVERIFY(dlg->meterMemoryOption->isChecked());
    dlg->pcDatabaseOption->click();
    QVERIFY(dlg->pendingChoice());
    dlg->okButton->click();
    QVERIFY((*rig.session).state().storeToPC);
    QCOMPARE(rig.setting("StoreFunction"), QString("True"));
    QCOMPARE(workOf(w).panel().storeDestinationLabel->text(), label);
    // Cancel after clicking the other button changes nothing.
    w.showOptions();
    dlg = lastChild<OptionsDialog>(&w);
    QVERIFY(dlg->pcDatabaseOption->isChecked());
    dlg->meterMemoryOption->click();
    dlg->cancelButton->click();
    QVERIFY((*rig.session).state().storeToPC);
    QCOMPARE(rig.setting("StoreFunction"), QString("True"));
    // OK while reading live updates the panel's label.
    (*rig.session).CaptureCurrentReading();
    QVERIFY((*rig.session).state().lastRequest == Request::Live);
    w.showOptions();
    dlg = lastChild<OptionsDialog>(&w);
    dlg->meterMemoryOption->click();
    dlg->okButton->click();
    QCOMPARE(rig.setting("StoreFunction"), QString("False"));
    QCOMPARE(workOf(w).panel().storeDestinationLabel->text(), QString("(to Meter memory)"));
    w.showOptions();
    lastChild<OptionsDialog>(&w)->pcDatabaseOption->click();
    lastChild<OptionsDialog>(&w)->okButton->click();
    QCOMPARE(workOf(w).panel().storeDestinationLabel->text(), QString("(to PC memory)"));
}

void TestApp::aboutShowsVersion() {
    AppRig rig;
    MainWindow& w = rig.start();
    w.showAbout();
    auto* dlg = lastChild<AboutDialog>(&w);
    QCOMPARE(dlg->windowTitle(), QString("About Orvanta"));
    QCOMPARE(dlg->productLabel->text(), QString("Orvanta"));
    QCOMPARE(dlg->versionLabel->text(), QString("Version 1.3.0"));
    QVERIFY(dlg->windowFlags() & Qt::WindowStaysOnTopHint);
    dlg->okButton->click();
    QVERIFY(!dlg->isVisible());
}

void TestApp::displayUpdateCreatesPanelHidden() {
    MeterRig rig(2);
    Pty& pty = rig.pty;
    MainWindow& w = rig.start();
    pty.send("N\x83");  // set 4
    QTRY_COMPARE((*rig.session).state().meter.set, 4);
    QVERIFY(!w.findChild<QMdiSubWindow*>("frmReadingWindow")->isVisible());
    workOf(w).viewMeter();
    QVERIFY(w.findChild<QMdiSubWindow*>("frmReadingWindow")->isVisible());
    QCOMPARE(workOf(w).panel().setLabel->text(), QString("S4"));
    QCOMPARE(workOf(w).panel().storeDestinationLabel->text(), QString("(to Meter memory)"));
}

void TestApp::connectionLostIsToldOnce() {
    AppRig rig;
    auto pty = std::make_unique<Pty>();
    rig.env.link(5, pty->slavePath());
    rig.start();
    QVERIFY((*rig.session).isConnected());
    // Unplugged: the link leads nowhere. (Not to the old /dev/pts number, which the kernel hands
    // to the next pseudo-terminal made, perhaps by a test running beside this one.)
    pty.reset();
    QFile::remove(rig.env.portsFolder() + "/com5");
    rig.env.link(5, rig.env.root() + "/unplugged");
    QTRY_VERIFY(!(*rig.session).isConnected());
    QTRY_COMPARE(rig.messages.texts, QStringList{"The connection to the meter was lost."});
    (*rig.session).CaptureCurrentReading();
    QCoreApplication::processEvents();  // a message posted for later is told by now
    QCOMPARE(rig.messages.texts.count("The connection to the meter was lost."), 1);
}

void TestApp::plotExportStaysLightOnADarkTheme() {
    AppRig rig;
    MainWindow& w = rig.start();
    for (int r = 1; r <= 40; ++r)
        (*rig.session).store().writeReading(1, r, QString::number(1e-4 * r, 'f', 6));
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 48));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    const QPalette light = QApplication::palette();
    PlotWindow& plot = plotOf(w);
    QApplication::setPalette(dark);
    QCoreApplication::processEvents();  // the palette change reaches every widget
    QTemporaryDir tmp;
    QVERIFY(plot.saveImage(tmp.path() + "/plot.png").ok());
    // On a dark theme the charts are dark too; an exported image stays light, for paper.
    QCOMPARE(QImage(tmp.path() + "/plot.png").pixelColor(4, 4), QColor(Qt::white));
    QVERIFY(plot.findChild<ProfileChart*>("ProfileChart")
                ->grab()
                .toImage()
                .pixelColor(4, 4)
                .lightness() < 128);
    QApplication::setPalette(light);
}

void TestApp::setsWindowSize() {
    const auto l = SetsWindow::layoutFor(11800, 8250);  // main window 12000 x 9000 twips
    QCOMPARE(l.width, 11780L);
    QCOMPARE(l.height, 6850L);
    QCOMPARE(l.gridWidth, 11630L);
    QCOMPARE(l.gridHeight, 6330L);
    QTemporaryDir tmp;
    ReadingsStore store(tmp.path() + "/Readings.db");
    QVERIFY(store.open().ok());
    RecordingMessageBox messages;
    SetsWindow w(store, messages, 11800, 8250);
    const double dpi = w.logicalDpiX();
    QCOMPARE(w.width(), qRound(11780 * dpi / 1440));
    // The grid's pages and the set details pane share the grid's area.
    QCOMPARE(w.findChild<QWidget*>("SetsSplitter")->width(), qRound(11630 * dpi / 1440));
    QCOMPARE(w.windowTitle(), QString("Data"));
}

void TestApp::flaggingFromTheGridIsUndone() {
    QTemporaryDir tmp;
    ReadingsStore store(tmp.path() + "/Readings.db");
    QVERIFY(store.open().ok());
    QVERIFY(store.writeReading(4, 2, "0.5").ok());
    RecordingMessageBox messages;
    SetsWindow w(store, messages, 11800, 8250);
    QSignalSpy edited(&w, &SetsWindow::detailsEdited);
    const auto act = [&w](const char* name) { w.grid->findChild<QAction*>(name)->trigger(); };
    w.grid->setCurrentIndex(w.grid->model()->index(1, 4));  // position 2 of set 4
    messages.textAnswers << " broken core ";
    act("FlagReadingAction");
    QCOMPARE(store.flag(4, 2), QString("broken core"));
    QCOMPARE(SetStatistics::of(store, 4).count, 0);
    QCOMPARE(edited.size(), 1);  // a change the title's "*" and the questions count
    act("FlagReadingAction");    // cancelled: nothing changes
    QCOMPARE(store.flag(4, 2), QString("broken core"));
    act("UndoFlagAction");
    QCOMPARE(store.flag(4, 2), QString());
    const auto* unflag = w.grid->findChild<QAction*>("UnflagReadingAction");
    QVERIFY(!unflag->isEnabled());  // nothing to unflag here
    messages.textAnswers << "box end";
    act("FlagReadingAction");
    QVERIFY(unflag->isEnabled());
    act("UnflagReadingAction");
    QCOMPARE(store.flag(4, 2), QString());
    act("UndoFlagAction");
    QCOMPARE(store.flag(4, 2), QString("box end"));
    // A cell without a reading is told, and nothing is asked.
    w.grid->setCurrentIndex(w.grid->model()->index(5, 4));
    const qsizetype asked = messages.questions.size();
    act("FlagReadingAction");
    QCOMPARE(messages.questions.size(), asked);
    QVERIFY(messages.texts.last().contains("holds no reading"));
}

void TestApp::gridShowsSavedRows() {
    QTemporaryDir tmp;
    ReadingsStore store(tmp.path() + "/Readings.db");
    QVERIFY(store.open().ok());
    RecordingMessageBox messages;
    SetsWindow w(store, messages, 11800, 8250);
    QAbstractItemModel* m = w.grid->model();
    QCOMPARE(m->rowCount(), 128);
    QCOMPARE(m->columnCount(), 31);
    QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QString("Number"));
    QCOMPARE(m->headerData(30, Qt::Horizontal).toString(), QString("Set 30"));
    QSignalSpy changed(m, &QAbstractItemModel::dataChanged);
    store.writeReading(4, 2, "0.004000");
    QTRY_COMPARE(changed.count(), 1);  // the grid follows within its repaint interval
    QCOMPARE(m->index(1, 4).data().toString(), QString("0.004000"));
}

void TestApp::quittingAsksWhileReadingsAreUnsaved() {
    AppRig rig;
    MainWindow& w = rig.start();
    QVERIFY(w.close());  // nothing changed: no question
    QVERIFY(rig.messages.questions.isEmpty());
    MainWindow& again = rig.start();
    QVERIFY((*rig.session).store().writeReading(1, 1, "0.5").ok());
    // Cancel stays; Save whose file dialog is cancelled stays too; quitting without saving goes.
    rig.messages.choiceAnswers << 2 << 0 << 1;
    QVERIFY(!again.close());
    QVERIFY(!again.close());
    QVERIFY(again.isVisible());
    QCOMPARE(rig.messages.questions, QStringList(2, Msg::ConfirmQuit));
    QVERIFY(again.close());
}

QTEST_MAIN(TestApp)
#include "test_app.moc"
